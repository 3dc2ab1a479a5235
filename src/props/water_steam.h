// Water and steam: IFC-67 (1967 IFC Formulation for Industrial Use),
// subregion 1 (compressed water), subregion 2 (superheated steam), the
// saturation (K) function and the boundary (L) function between subregions
// 2 and 3; viscosity by the IAPS Formulation 1985.
//
// Units: t in degC, p in Pa for the IFC-67 routines and in bar for the
// program's own correlations; specific volume m3/kg, enthalpy kJ/kg,
// viscosity Pa*s.  The callers guard the ranges.
#pragma once

#include <optional>

#include "base/case.h"

namespace dorvel {

struct WaterState {
  Real specificVolume = 0;    // m3/kg
  Real specificEnthalpy = 0;  // kJ/kg
  // False when t or p is not a number the equations can be evaluated at
  // (NaN, infinite, p <= 0, T <= 0 K, or a state so far outside the
  // subregion that the equation has no real value); both values are then 0.
  bool valid = true;
};

// IFC-67 subregion 1 (compressed water).
WaterState waterProperties(Real t, Real pPa);
// IFC-67 subregion 2 (superheated steam).
WaterState steamProperties(Real t, Real pPa);

// IFC-67 K function: saturation pressure in Pa.
Real saturationPressure(Real t);
// IFC-67 L function: pressure of the boundary between subregions 2 and 3, Pa.
Real boundaryPressure(Real t);

struct SaturationState {
  Real pressureAt = 0;     // saturation pressure, kG/cm2
  Real vapourDensity = 0;  // density of saturated water vapour, kg/m3
};
// Saturation data for humidity work.
SaturationState waterSaturation(Real t);

// Saturation temperature of steam at p (bar), degC; no value at 220 bar and
// above, nor for a pressure that is not a positive number.
std::optional<Real> steamSaturationTemperature(Real pBar);
// Isentropic exponent of steam at p (bar) and t (degC); 0 when p or t is not
// a finite number.
Real steamIsentropicExponent(Real pBar, Real t);
// IAPS 1985 viscosity (normal part) of water or steam at t and specific
// volume, Pa*s; 0 when t or v is not a finite number or v <= 0.
Real waterViscosity(Real t, Real specificVolume);

}  // namespace dorvel
