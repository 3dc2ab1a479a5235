// Coke-oven (town) gas: H2, CH4, CO, N2, CO2, O2 and CnHm (heavier
// hydrocarbons).  Compressibility from the Beattie-Bridgeman equation of
// state with fixed constants per component, density of the humid gas,
// viscosity and isentropic exponent from simple mixing rules with pressure
// and temperature corrections.
//
// Beattie-Bridgeman (1928), V molar volume [m3/kmol], rho = 1/V:
//   p = R*T*(1 - eps)/V^2 * (V + B) - A/V^2,
//   A = A0*(1 - a/V),  B = B0*(1 - b/V),  eps = c/(V*T^3),
// mixture constants A0 = (sum x_i*sqrt(A0_i))^2, a, B0, b, c linear in x_i.
// Units: p [kPa], T [K], R = 8.31451 kPa*m3/(kmol*K), t [degC].
#pragma once

#include "base/case.h"

namespace dorvel {

//! Constants of the Beattie-Bridgeman equation (pressure kPa, volume m3/kmol).
struct BeattieBridgemanConstants {
  Real a0 = 0;  //!< A0 [kPa*m6/kmol2]
  Real a = 0;   //!< a [m3/kmol]
  Real b0 = 0;  //!< B0 [m3/kmol]
  Real b = 0;   //!< b [m3/kmol]
  Real c = 0;   //!< c [m3*K3/kmol]
};

struct BeattieBridgemanResult {
  bool ok = false;        //!< false: no solution or no convergence within the cap
  Real z = 0;             //!< compressibility factor
  Real molarDensity = 0;  //!< [kmol/m3]
  int passes = 0;         //!< passes used (kBeattieBridgemanMaxPasses: no convergence)
};

//! Pass limit of beattieBridgemanZ.  The substitution contracts by about a
//! half per pass near the ideal gas, so about 40 passes are usual.
inline constexpr int kBeattieBridgemanMaxPasses = 200;

//! Z and the molar density of a gas with Beattie-Bridgeman constants `k`.
//! Successive substitution from rho = 0.1 kmol/m3:
//!   rho_new = 1/sqrt((1 - c*rho/T^3)*(R*T/p)*(1/rho + B0*(1 - b*rho)) - (A0/p)*(1 - a*rho))
//! until |rho_new - rho| < 1e-6 kmol/m3 and, so that Z stays accurate at
//! low pressures too, |rho_new - rho| <= 1e-10*rho_new; Z = p/(T*rho*R).
//! A negative root argument, a non-finite value, T <= 0, p <= 0 or no
//! convergence within kBeattieBridgemanMaxPasses give ok = false.
BeattieBridgemanResult beattieBridgemanZ(const BeattieBridgemanConstants& k, Real tK, Real pKPa);

//! Mixture constants of a coke-oven gas (mole fractions from per cent).
//! @param molePercent  `mixtureMolePercent` (N2, O2, H2, CO, CO2, CH4 slots) [mol %]
//! @param cnHmPercent  `cokeGasCnHmMole` [mol %]
BeattieBridgemanConstants cokeGasConstants(const Composition& molePercent, Real cnHmPercent);

//! Properties of coke-oven gas.
struct CokeGasResult {
  //! false: the properties cannot be computed (code = 1274); nothing to store.
  bool ok = false;
  //! Validity code: 0, or 1270..1273 when the state or the composition is
  //! outside the range in which Beattie-Bridgeman is accurate to 0.3 % (a
  //! warning; the properties are valid); 1274 with ok == false.
  int code = 0;
  Real refDensity = 0;           //!< at refTemperature, refPressure [kg/m3]
  Real density = 0;              //!< working density of the humid gas [kg/m3]
  Real compressibilityZ = 0;     //!< Z at working conditions (dry gas)
  Real refCompressibilityZ = 0;  //!< Z at the reference conditions
  Real compressibilityK1 = 0;    //!< Z/Zn
  Real isentropicExponent = 0;   //!< kappa
  Real viscosity = 0;            //!< dynamic viscosity [Pa*s]
  Real steamMoleFraction = 0;    //!< phi/100*ps/p
};

//! Validity code of a coke-oven gas: each failing test overwrites the code,
//! in the order p (100..3000 kPa), t (0..40 degC) -> 1270, H2 (45..65 %) ->
//! 1271, CH4 (10..35 %) -> 1273, CO (<= 20), N2 (<= 20), CO2 (<= 10),
//! O2 (<= 2 %) -> 1272, CnHm (<= 4 %) -> 1273.
int cokeGasValidity(const Composition& molePercent, Real cnHmPercent, Real t, Real pKPa);

//! Coke-oven gas at t and p, relative humidity phi.
//! @param molePercent      `mixtureMolePercent` [mol %] (N2, O2, H2, CO, CO2, CH4 used)
//! @param cnHmPercent      `cokeGasCnHmMole` [mol %]
//! @param relativeHumidity phi [%]
//! @param t                temperature [degC]
//! @param pKPa             absolute pressure [kPa]
//! @param refTemperature   reference temperature [degC]
//! @param refPressure      reference pressure [kPa]
//! A negative or non-finite share, an unusable state (T <= 0 K, p <= 0, the
//! same for the reference state) or no solution of the equation of state
//! give ok == false with code 1274, and every value 0.
CokeGasResult cokeGasProperties(const Composition& molePercent, Real cnHmPercent,
                                Real relativeHumidity, Real t, Real pKPa, Real refTemperature,
                                Real refPressure);

}  // namespace dorvel
