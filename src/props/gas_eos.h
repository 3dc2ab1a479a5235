// Common ground of the two multi-parameter equations of state for natural
// gas, AGA8-92DC (ISO 12213-2, "DETAIL") and GERG-2008 (ISO 20765-2): the
// 21-component order, the ideal-gas part of the Helmholtz energy
// (Jaeschke and Schley, Int. J. Thermophys. 16 (1995) 1381), the
// thermodynamic properties from the reduced Helmholtz energy and its
// derivatives, and the solution of p(rho, T) = p on the gas root.
//
// Units: T [K], p [kPa], molar density rho [mol/l] (= kmol/m3), R
// [J/(mol*K)], molar mass [g/mol]; with these rho*R*T is in kPa.
#pragma once

#include <array>
#include <functional>

#include "base/case.h"

namespace dorvel {

inline constexpr int kGasComponents = 21;

// Mole fractions in the component order of both equations.
using GasComposition = std::array<Real, kGasComponents>;

// 0-based positions of the components.
enum GasComponentIndex : int {
  kGcMethane = 0,
  kGcNitrogen,
  kGcCarbonDioxide,
  kGcEthane,
  kGcPropane,
  kGcIsobutane,
  kGcNButane,
  kGcIsopentane,
  kGcNPentane,
  kGcNHexane,
  kGcNHeptane,
  kGcNOctane,
  kGcNNonane,
  kGcNDecane,
  kGcHydrogen,
  kGcOxygen,
  kGcCarbonMonoxide,
  kGcWater,
  kGcHydrogenSulfide,
  kGcHelium,
  kGcArgon,
};

// Ideal-gas heat capacity of one component:
//   cp0/R = n3 + n4*(u4/sinh u4)^2 + n5*(u5/cosh u5)^2 + n6*(u6/sinh u6)^2
//           + n7*(u7/cosh u7)^2,   u_k = theta_k/T;
// n1 and n2 fix the zero of energy and entropy.  A theta of 0 marks an
// absent term.
struct IdealGasTerms {
  Real n1, n2, n3, n4, theta4, n5, theta5, n6, theta6, n7, theta7;
};

// The reduced residual Helmholtz energy alpha_r and its derivatives at fixed
// composition, in the dimensionless forms
//   R1 = rho*d(ar)/d(rho), R2 = rho^2*d2(ar)/d(rho)2, R3 = rho^3*d3(ar)/d(rho)3,
//   RT1 = T*d(ar)/dT, RT2 = T^2*d2(ar)/dT2, RTD = T*rho*d2(ar)/(dT d(rho)).
struct ResidualDerivatives {
  Real ar = 0, r1 = 0, r2 = 0, r3 = 0, rt1 = 0, rt2 = 0, rtd = 0;

  //! Adds one term phi = c * delta^d * f(delta) * tau^t of the residual
  //! Helmholtz energy, given g = delta * d(ln phi)/d(delta) and the two
  //! derivatives g1 = delta * dg/d(delta), g2 = delta * dg1/d(delta) of its
  //! density part; `tauExponent` is t.  With `full` false only the density
  //! derivatives r1, r2 (enough for the pressure) are formed.
  void addTerm(Real phi, Real g, Real g1, Real g2, Real tauExponent, bool full) {
    const Real th1 = g * phi;
    const Real th2 = (g * g + g1) * phi;
    r1 += th1;
    r2 += th2 - th1;
    if (!full) return;
    const Real th3 = (g * g * g + 3 * g * g1 + g2) * phi;
    ar += phi;
    r3 += th3 - 3 * th2 + 2 * th1;
    rt1 -= tauExponent * phi;
    rt2 += tauExponent * (tauExponent + 1) * phi;
    rtd -= tauExponent * th1;
  }
};

// The same of the ideal-gas part: alpha0, I1 = T*d(alpha0)/dT and
// I2 = T^2*d2(alpha0)/dT2 (at constant rho).
struct IdealDerivatives {
  Real a0 = 0, i1 = 0, i2 = 0;
};

// alpha0 of the mixture at T and rho.  `scale` is R*/R of the equation (1
// for AGA8-92DC, 8.31451/8.314472 for GERG-2008), `gasConstant` its R; the
// reference state is T0 = 298.15 K, p0 = 101.325 kPa.  Components with
// x = 0 are skipped.  With `energies` false only the heat capacity is
// formed (I2 = -cv0/R, alpha0 = I1 = 0): enough for Z, cv, cp, w and kappa,
// in which I1 cancels, not for u, h, s, g.
IdealDerivatives idealGasPart(const GasComposition& x, Real tK, Real rho, Real gasConstant,
                              Real scale, bool energies = true);

// One state of a gas mixture.
struct GasState {
  bool ok = false;         // false: no gas-phase solution (see solveGasDensity)
  Real molarMass = 0;      // M [g/mol]
  Real molarDensity = 0;   // rho [mol/l]
  Real pressure = 0;       // p recomputed from rho and T [kPa]
  Real z = 0;              // compression factor
  Real dpdrho = 0;         // (dp/drho)_T [kPa*l/mol]
  Real d2pdrho2 = 0;       // (d2p/drho2)_T [kPa*(l/mol)^2]
  Real dpdt = 0;           // (dp/dT)_rho [kPa/K]
  Real u = 0, h = 0, s = 0, g = 0;  // J/mol, J/mol, J/(mol*K), J/mol
  Real cv = 0, cp = 0;     // J/(mol*K)
  Real w = 0;              // speed of sound [m/s]
  Real jouleThomson = 0;   // [K/kPa]
  Real kappa = 0;          // isentropic exponent w^2*rho_mass/p
  int iterations = 0;      // density iterations
  Real massDensity() const { return molarDensity * molarMass; }  // kg/m3
};

// Thermodynamic properties from the Helmholtz derivatives (both equations);
// u, h, s and g are NaN when `energies` is false (see idealGasPart).
GasState gasStateFromHelmholtz(const ResidualDerivatives& r, const IdealDerivatives& i, Real tK,
                               Real rho, Real molarMass, Real gasConstant, bool energies = true);

// Pressure and its density derivative at one density.
struct PressurePoint {
  Real p = 0;       // kPa
  Real dpdrho = 0;  // kPa*l/mol
};

// Result of the density solution.
struct DensitySolution {
  bool ok = false;   // false: no gas root (the state is liquid-like, in or
                     // beyond the two-phase region) or no convergence
  Real rho = 0;      // mol/l
  int iterations = 0;
};

// The gas root of p(rho) = pKPa at fixed T and composition: Newton steps on
// ln(rho) from the ideal-gas density R*T/p, kept inside a bracket that
// bisection narrows where a step leaves it or the slope (dp/drho)_T is not
// positive, until |d ln rho| < 1e-10.  The root found must be reachable
// along a positive slope: for a root with Z below 0.75, or after an
// unstable iterate, (dp/drho)_T is tested at rho*k/16, k = 1..15, and the
// search is repeated below the first density that fails; when p never
// reaches the target there, the state has no gas root and ok is false.
DensitySolution solveGasDensity(const std::function<PressurePoint(Real)>& pressureAt, Real pKPa,
                                Real tK, Real gasConstant);

}  // namespace dorvel
