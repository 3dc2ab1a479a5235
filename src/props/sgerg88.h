// SGERG-88: compression factor of natural gas from the standard GERG virial
// equation (ISO 12213-3, Annex B; GERG Technical Monograph TM5, 1991).
//
// The gas is described by five pseudo-components, in the standard's
// numbering 1 = equivalent hydrocarbon CH, 2 = N2, 3 = CO2, 4 = H2, 5 = CO,
// and by the molar superior calorific value H_CH of the hydrocarbon part.
//
//   Z  = 1 + B*rho_m + C*rho_m^2                                   (B.41)
//   B  = sum of 11 second virial terms                              (B.12)
//   C  = sum of 13 third virial terms                               (B.28)
//
// Units: T [K]; p [kPa] with R = 8.31451 kJ/(kmol*K); H_CH [MJ/kmol] (= kJ/mol,
// superior value for 25 degC combustion); B [m3/kmol]; C [m6/kmol2];
// rho_m [kmol/m3].  Published range: 0..12 MPa, 250..350 K (see the callers'
// range checks).
#pragma once

#include "base/case.h"

namespace dorvel {

//! Mole fractions of the five SGERG-88 pseudo-components.
struct SgergComposition {
  Real ch = 0;   //!< x1, equivalent hydrocarbon
  Real n2 = 0;   //!< x2
  Real co2 = 0;  //!< x3
  Real h2 = 0;   //!< x4
  Real co = 0;   //!< x5
};

//! Second and third virial coefficients of the mixture.
struct SgergVirial {
  bool ok = false;  //!< false: a combining-rule product under a root is negative
  Real b = 0;       //!< B [m3/kmol]
  Real c = 0;       //!< C [m6/kmol2]
};

//! B(T, H_CH, x) by eq. (B.12) to (B.24) and C(T, H_CH, x) by (B.28) to (B.36).
//! @param x    composition (mole fractions)
//! @param hCH  molar superior calorific value of the hydrocarbon part [MJ/kmol]
//! @param tK   temperature [K]
SgergVirial sgergVirial(const SgergComposition& x, Real hCH, Real tK);

//! Result of the compression-factor solution.
struct SgergResult {
  bool ok = false;        //!< false: no solution (bad state, no convergence)
  Real z = 0;             //!< compression factor Z
  Real molarDensity = 0;  //!< rho_m [kmol/m3]
  int passes = 0;         //!< substitution passes used (kSgergMaxPasses: no convergence)
};

//! Maximum number of substitution passes of sgergCompressibility.  At the
//! edge of the published range (12 MPa, 250 K) fewer than 20 are needed.
inline constexpr int kSgergMaxPasses = 100;

//! Compression factor Z at p and T.
//!
//! Successive substitution (B.37 to B.40): rho_m = 1/(B + R*T/p) to start,
//! then rho_m = p/(R*T*(1 + B*rho_m + C*rho_m^2)) until
//! |p - R*T*rho_m*Z| < 1e-5 kPa (the published criterion is 1e-5 bar; the
//! tighter one costs a pass at most).  p = 0 gives the ideal gas (Z = 1).
//! A negative or non-finite p, T <= 0, a negative root argument, a
//! non-positive density or more than kSgergMaxPasses passes give ok = false.
//! @param x     composition (mole fractions)
//! @param hCH   molar superior calorific value of the hydrocarbon part [MJ/kmol]
//! @param pKPa  absolute pressure [kPa]
//! @param tK    temperature [K]
SgergResult sgergCompressibility(const SgergComposition& x, Real hCH, Real pKPa, Real tK);

// Constants of the method (ISO 12213-3 Table B.1).
inline constexpr Real kSgergR = 8.31451L;               //!< R [kJ/(kmol*K)]
inline constexpr Real kSgergMolarVolumeN = 22.414097L;  //!< ideal molar volume at 0 degC, 101.325 kPa [m3/kmol]
inline constexpr Real kSgergAirDensityN = 1.292923L;    //!< density of air at 0 degC, 101.325 kPa [kg/m3]
inline constexpr Real kSgergPressureN = 101.325L;       //!< reference pressure [kPa]
inline constexpr Real kSgergTemperatureN = 273.15L;     //!< reference temperature [K]

}  // namespace dorvel
