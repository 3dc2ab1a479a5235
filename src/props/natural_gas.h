// Natural gas (high-methane and nitrogen-rich gases): density and
// compressibility ratio by SGERG-88 (ISO 12213-3), from the full composition
// or from the physical properties Hs, d, x_CO2, x_H2; empirical correlations
// for the dynamic viscosity and the isentropic exponent; the validity ranges
// of SGERG-88 and the validity messages of the gas property routines (also
// used for coke-oven gas).
//
// Reference conditions are 0 degC and 101.325 kPa.  The superior calorific
// value Hs is the SGERG-88 value: combustion at 25 degC, metering at 0 degC
// and 101.325 kPa (ISO 12213-3 Annex D.1); the component values of the table
// below are on the same basis, so no conversion is applied anywhere.
//
// Units: t [degC], T = t + 273.15 [K], p [kPa] absolute, compositions in
// mole per cent, densities [kg/m3], Hs [MJ/m3], viscosity [Pa*s].
#pragma once

#include <array>
#include <string>

#include "base/case.h"
#include "base/interaction.h"
#include "props/components.h"
#include "props/sgerg88.h"

namespace dorvel {

// ---- validity codes ---------------------------------------------------------
// 1250..1266: SGERG-88 ranges (natural gas); 1270..1273: ranges in which the
// Beattie-Bridgeman method is accurate (coke-oven gas); 1267 and 1274: the
// computation itself failed (no result); 1268: the question asked when the
// equation of state of air or other gas finds a liquid-like state.
enum GasValidityCode : int {
  kGasValid = 0,
  kGasTemperatureRange = 1250,   // t outside -23..77 degC
  kGasPressureRange = 1251,      // p above 12 MPa (or negative)
  kGasCalorificRange = 1252,     // Hs outside 20..48 MJ/m3
  kGasRelDensityRange = 1253,    // d outside 0.55..0.90
  kGasCo2Range = 1254,           // CO2 above 30 %
  kGasH2Range = 1255,            // H2 above 10 %
  kGasCh4Range = 1256,           // CH4 below 50 %
  kGasN2Range = 1257,            // N2 above 50 %
  kGasC2h6Range = 1258,          // C2H6 above 20 %
  kGasC3h8Range = 1259,          // C3H8 above 5 %
  kGasC4Range = 1260,            // n-C4H10 + i-C4H10 above 1.5 %
  kGasC5Range = 1261,            // n-C5H12 + i-C5H12 above 0.5 %
  kGasC6Range = 1262,            // C6H14 above 0.1 %
  kGasC7Range = 1263,            // C7H16 above 0.05 %
  kGasC8Range = 1264,            // C8H18+ above 0.05 %
  kGasCoRange = 1265,            // CO above 3 %
  kGasHeRange = 1266,            // He above 0.5 %
  kGasSgergFailed = 1267,        // SGERG-88 has no solution for the data
  kGasMayBeLiquid = 1268,        // air, other gas: Redlich-Kwong finds a liquid (a question)
  kCokeStateRange = 1270,        // p outside 100..3000 kPa or t outside 0..40 degC
  kCokeH2Range = 1271,           // H2 outside 45..65 %
  kCokeComponentRange = 1272,    // CO, N2 above 20 %, CO2 above 10 %, O2 above 2 %
  kCokeCh4CnHmRange = 1273,      // CH4 outside 10..35 %, CnHm above 4 %
  kCokeGasFailed = 1274,         // Beattie-Bridgeman has no solution for the data
};

//! Message text of a validity code.
//! @param polish  true: the Polish text, built on a base sentence ("Metodę
//!   SGERG-88 można stosować gdy \r\n" followed by the condition for codes
//!   1250..1266; the condition followed by the Beattie-Bridgeman sentence for
//!   codes 1270..1273); false: the English text of the code alone.
//! A code without a text gives "" in English and the SGERG-88 base alone in
//! Polish.  Codes 1267, 1268 and 1274 have whole sentences in both languages.
std::string gasValidityMessage(bool polish, int code);

//! The message of a validity code (one of the codes above, whose numbers are
//! rows of the message table) as the property dispatcher shows it where the
//! code refuses the data: a prepared English text, in either language.
Message gasValidityNotice(int code);

// ---- natural-gas component order (naturalGasComposition) ---------------------

//! One component of the natural-gas order.
struct NaturalGasComponent {
  const char* formula;
  Real molarMass;  //!< M [kg/kmol]
  Real hs;         //!< ideal superior calorific value [MJ/m3] (25 degC / 0 degC, 101.325 kPa); 0 for inert gases
};

//! The 30 components of `naturalGasComposition`, indexed by kNgSlot... (slot - 1).
extern const std::array<NaturalGasComponent, kNaturalGasComponents> naturalGasComponentData;

// ---- results ------------------------------------------------------------------

//! Properties of natural gas.  On a validity failure (code > 0) the property
//! values are 0 (no results; the caller keeps its earlier values) except the
//! echoed inputs Hs and d of the physical-property input.
struct NaturalGasResult {
  int code = kGasValid;         //!< 0, or a validity code (then no results)
  Real refDensity = 0;          //!< density at 0 degC, 101.325 kPa [kg/m3]
  Real density = 0;             //!< density at working conditions [kg/m3]
  Real calorificValue = 0;      //!< superior calorific value Hs [MJ/m3] (computed, or the input echoed)
  Real relativeDensity = 0;     //!< relative density d (computed, or the input echoed)
  Real compressibilityK1 = 0;   //!< K1 = Z(p, T)/Z(101.325 kPa, 273.15 K)
  Real isentropicExponent = 0;  //!< kappa
  Real viscosity = 0;           //!< dynamic viscosity [Pa*s]
  Real compressibilityZ = 0;    //!< Z at working conditions
  Real refCompressibilityZ = 0; //!< Zn at the reference conditions
};

//! Natural gas from its full composition.
//!
//! Range check C (each failing test overwrites the code, the last one is
//! reported, any failure returns without results), then SGERG-88 with the
//! equivalent hydrocarbon of slots 1..10.  The component limits are read as
//! the ranges their messages state ("between 0 and 30%"), so a negative
//! share fails its own test; a negative or non-finite share of a component
//! without a test gives 1267, as does a state where SGERG-88 or the
//! viscosity correlation has no physical solution.  A computed Hs outside 20..48 MJ/m3
//! or d outside 0.55..0.90 shows the message of code 1252 / 1253 as a
//! warning through `ui` and the computation goes on.
//! @param molePercent        `naturalGasMolePercent` [mol %]
//! @param relativeHumidity   phi [%] (0 for natural gas)
//! @param t                  temperature [degC]
//! @param pKPa               absolute pressure [kPa]
NaturalGasResult naturalGasFromComposition(const Composition& molePercent, Real relativeHumidity,
                                           Real t, Real pKPa, Interaction& ui);

//! Natural gas from its physical properties (ISO 12213-3 input set A).
//!
//! Range check A (NaN-safe; CO2 and H2 read as 0..30 % and 0..10 %, p as
//! 0..12000 kPa), the iteration for the SGERG-88 composition (x_CH not
//! positive: 1256; no solution or no convergence: 1267), range check B
//! (x_CH >= 0.5, else 1256; -0.01 <= x_N2 <= 0.5, else 1257),
//! then SGERG-88 at working conditions.  Hs and d are inputs here; the
//! result carries them unchanged.
//! @param calorificValue    Hs [MJ/m3]
//! @param relativeDensity   d (air = 1) at 0 degC, 101.325 kPa
//! @param h2Percent, co2Percent  contents [mol %]
//! @param relativeHumidity  phi [%] (0 for natural gas)
//! @param t                 temperature [degC]
//! @param pKPa              absolute pressure [kPa]
NaturalGasResult naturalGasFromProperties(Real calorificValue, Real relativeDensity,
                                          Real h2Percent, Real co2Percent,
                                          Real relativeHumidity, Real t, Real pKPa);

//! Dynamic viscosity of natural gas [Pa*s] by the correlation in the
//! pseudo-reduced temperature and pressure, used with every equation of
//! state.
//! @param rhoN        density at 0 degC, 101.325 kPa [kg/m3]
//! @param xCO2, xN2   mole fractions
//! @param tK          temperature [K]
//! @param pKPa        absolute pressure [kPa]
Real naturalGasViscosity(Real rhoN, Real xCO2, Real xN2, Real tK, Real pKPa);

//! SGERG-88 description of a gas given by Hs, d, x_CO2 and x_H2: the
//! pseudo-composition, H_CH and Zn, found by the density iteration.
struct SgergCharacterization {
  int code = kGasValid;  //!< 0, kGasCh4Range (x_CH not positive) or kGasSgergFailed
  SgergComposition x;
  Real hCH = 0;          //!< [MJ/kmol]
  Real zn = 0;           //!< Z at 0 degC, 101.325 kPa
  int passes = 0;
};

//! Maximum number of passes of the density iteration of the physical-property
//! input (the published program allows 20 per loop; 4 to 6 are usual).
inline constexpr int kCharacterizationMaxPasses = 50;

//! The iteration of naturalGasFromProperties (without range checks):
//! x_CO = 0.0964*x_H2, and from rho_m = 0.044744537105906337 kmol/m3
//!   Q    = Hs/rho_m - 285.83*x_H2 - 282.98*x_CO
//!   x_CH = (44.01*x_CO2 + 2.0159*x_H2 + 28.01*x_CO + 28.0135*x_rest
//!           + 0.021062199*Q - rho_n/rho_m) / 30.722828,  x_N2 = x_rest - x_CH,
//!   H_CH = Q/x_CH,  rho_m = 1/(22.414097*Zn)
//! until the density of the composition at the new rho_m is within 1e-6 kg/m3
//! of rho_n = d*1.292923.
SgergCharacterization characterizeFromProperties(Real calorificValue, Real relativeDensity,
                                                 Real h2Percent, Real co2Percent);

}  // namespace dorvel
