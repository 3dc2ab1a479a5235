// Liquid ammonia: density, saturation pressure and dynamic viscosity from
// built-in tables, interpolated linearly, with the checks for a gaseous state
// at the working pressure and for evaporation in the throat of the device.
//
// Units: t in degC, pressures in kG/cm2 (absolute), differential pressure in
// mm H2O (kG/m2), density kg/m3, viscosity Pa*s.
#pragma once

#include <string>

#include "base/case.h"
#include "base/interaction.h"

namespace dorvel {

// Status of liquidAmmoniaProperties.
enum AmmoniaStatus : int {
  AmmoniaValid = 0,
  AmmoniaTemperatureOutOfTable = 1260,  // t below -10 degC (or above 50, or not a number)
  AmmoniaGaseousPhase = 1261,           // saturation pressure above the working pressure
  AmmoniaEvaporation = 1262,            // throat pressure below saturation (warning only)
};

struct AmmoniaProperties {
  Real density = 0;    // kg/m3
  Real viscosity = 0;  // Pa*s
  int status = AmmoniaValid;
};

// Liquid ammonia at t (degC), absolute pressure pAt (kG/cm2) and
// differential pressure dpMmH2O (mm H2O).  Shows the message of a status
// other than 0 through `ui` (English selected).  Status 1260 and 1261 give
// density and viscosity 0; status 1262 is a warning and the results are
// returned.
AmmoniaProperties liquidAmmoniaProperties(Real t, Real pAt, Real dpMmH2O, Interaction& ui);

// The Polish or English message of an ammonia status; "" for 0 or an
// unknown code.
std::string ammoniaStatusText(bool polish, int status);

// The tables, for tests and for display.
inline constexpr int kAmmoniaRows = 61;  // -10 .. 50 degC by 1 K
Real ammoniaSaturatedDensity(int row);   // row 0 = -10 degC, kg/m3
Real ammoniaSaturationPressure(int row); // row 0 = -10 degC, kG/cm2

}  // namespace dorvel
