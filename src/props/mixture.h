// Gas mixtures given by their composition: conversion of a volume
// composition into a mole composition, the copies between the 22-component
// mixture order and the 30-component natural-gas order, the Redlich-Kwong
// equation of state with critical-point parameters, acentric-factor
// corrections and binary interaction coefficients, and the density,
// isentropic exponent and dynamic viscosity of the mixture.
//
// Equation of state (Redlich & Kwong 1949):
//   p = R*T/(V - b) - a/(sqrt(T)*V*(V + b)),   V molar volume [m3/kmol]
// mixing rules  a_m = sum_i sum_j y_i*y_j*a_ij,  b_m = sum_i y_i*b_i.
// Viscosity: Sutherland law per component, the Jossi-Stiel-Thodos residual
// (dense-gas) term relative to 0 degC / 1 atm, and Wilke's mixing rule.
//
// Units: t [degC], T = t + 273.15 [K], p [bar] at the interface and [Pa]
// inside, R = 8314.51 J/(kmol*K), density [kg/m3], viscosity [mPa*s].
#pragma once

#include <array>
#include <optional>

#include "base/case.h"
#include "props/components.h"

namespace dorvel {

//! Mole fractions (not per cent) over the 22 slots of the mixture order.
using MoleFractions = std::array<Real, kMixtureComponents>;

// ---- composition handling ---------------------------------------------------

//! Fills `mixtureMolePercent`, `naturalGasMolePercent` and `cokeGasCnHmMole`
//! from the entered compositions.
//!
//! With `compositionInMolePercent` == 1 the entered values are copied
//! unchanged (all three).  Otherwise each volume share V_i is divided by its
//! ideal-to-real factor 1 - sqrt(b_i)^2 and the results are renormalised to
//! 100 %:  x_i = 100 * (V_i/(1 - sqrt(b_i)^2)) / sum_j (V_j/(1 - sqrt(b_j)^2)),
//!  - other gas (kind 5, and 10..12): the 22 mixture slots -> mixtureMolePercent;
//!  - coke-oven gas (kind 7): N2, O2, H2, CO, CO2, CH4 and CnHm (sqrt(b) 0.119)
//!    -> the same slots of mixtureMolePercent (others 0) and cokeGasCnHmMole;
//!  - natural gas (kind 9, and 8): the 30 natural-gas slots -> naturalGasMolePercent.
//! Any other kind is left alone in volume mode.
//!
//! Returns false when the composition that the kind uses holds a negative or
//! non-finite share or does not sum to more than 0; in volume mode the
//! target array is then cleared (never left with stale or NaN values).
bool convertCompositionToMole(CalculationCase& c, int fluidKind);

//! Clears `mixtureComposition` (30 slots) and fills it from
//! `naturalGasComposition`: N2, CO2, O2, CH4, H2, C2H6, Ar, C3H8, He,
//! C4H10 (n-butane only), H2S, C5H12 (n-pentane only), SO2, C2H4, CO, C6H6.
void copyNaturalGasToMixture(CalculationCase& c);

//! Clears `naturalGasComposition` (30 slots) and fills it from
//! `mixtureComposition`: CH4, C2H6, CO, C3H8, He, C4H10 (to n-butane),
//! C5H12 (to n-pentane), N2, H2, CO2.  Other components are not carried over.
void copyMixtureToNaturalGas(CalculationCase& c);

// ---- equation-of-state parameters ---------------------------------------------

//! Pure-component and pair parameters of the equation of state.  They depend
//! on the component table only, so they are computed once.
struct ComponentParameters {
  std::array<Real, kMixtureComponents> zc{};      //!< Zc_i = 0.291 - 0.08*omega_i
  std::array<Real, kMixtureComponents> vc{};      //!< Vc_i = Zc_i*R*Tc_i/pc_i [m3/kmol]
  std::array<Real, kMixtureComponents> b{};       //!< b_i [m3/kmol]
  std::array<Real, kMixtureComponents> omegaA{};  //!< Omega_a,i [-]
  //! a_ij [Pa*m6*K^0.5/kmol2]; a_ii is the pure-component a_i.
  std::array<std::array<Real, kMixtureComponents>, kMixtureComponents> a{};
};
const ComponentParameters& componentParameters();

//! The mixture: its mole fractions and the sums a_m, b_m.
struct MixtureParameters {
  bool valid = false;  //!< false: a fraction negative or not finite, or all 0
  MoleFractions y{};   //!< mole fractions
  Real am = 0;         //!< a_m [Pa*m6*K^0.5/kmol2]
  Real bm = 0;         //!< b_m [m3/kmol]
  Real molarMass = 0;  //!< M = sum y_i*M_i [kg/kmol]
};

//! Mixture parameters for mole fractions y over the 22 slots.
MixtureParameters mixtureParameters(const MoleFractions& y);

//! Compressibility factor of the Redlich-Kwong equation
//!   Z^3 - Z^2 + (A - B - B^2)*Z - A*B = 0,  A = a*p/(R^2*T^2.5), B = b*p/(R*T),
//! by Cardano's formula (one real root) or the trigonometric form (three real
//! roots, the largest is taken).
//! @param b covolume [m3/kmol]   @param a attraction parameter
//! @param r gas constant [J/(kmol*K)]   @param pPa pressure [Pa]   @param t T [K]
//! @return Z, or nothing when the inputs give no finite positive root.
std::optional<Real> solveCompressibility(Real b, Real a, Real r, Real pPa, Real t);

//! Whether the Redlich-Kwong equation with these a and b describes a liquid
//! (or a gas that would condense) at this state, by the equation's own phase
//! behaviour.  Below the equation's critical temperature
//!   Tc^1.5 = 3*(2^(1/3) - 1)^2 * a/(b*R),   Vc = b/(2^(1/3) - 1),
//! an isotherm with three roots Z > B is liquid-like when the smallest root
//! has the lower Gibbs energy, i.e. the lower fugacity coefficient
//!   ln phi = Z - 1 - ln(Z - B) - (A/B)*ln(1 + B/Z);
//! a single root is liquid-like when its molar volume lies below Vc (the
//! liquid branch, left of the spinodal dome).  At or above Tc there is no
//! liquid by the equation and the answer is false, as it is for unusable
//! inputs.  @param b, a, r, pPa, t as for solveCompressibility.
bool redlichKwongLiquidLike(Real b, Real a, Real r, Real pPa, Real t);

// ---- state properties -----------------------------------------------------------

enum class StateDetail {
  DensityOnly,  //!< density, molar mass and Z
  Full,         //!< also the isentropic exponent and the dynamic viscosity
};

struct MixtureState {
  bool ok = false;              //!< false: no physical solution at this state
  Real density = 0;             //!< [kg/m3]
  Real molarMass = 0;           //!< [kg/kmol]
  Real z = 0;                   //!< compressibility factor
  Real isentropicExponent = 0;  //!< kappa (Full only)
  Real viscosity = 0;           //!< dynamic viscosity [mPa*s] (Full only)
  //! The equation's stable state here is liquid-like (redlichKwongLiquidLike):
  //! the results above are then those of the gas root or of a liquid.
  bool liquidLike = false;
};

//! Density, Z and (with StateDetail::Full) isentropic exponent and viscosity
//! of the mixture at t [degC] and p [bar].  Returns ok == false (and zeros)
//! for invalid parameters, T <= 0 K, p <= 0 or any non-finite result.
MixtureState mixtureStateProperties(StateDetail detail, Real t, Real pBar,
                                    const MixtureParameters& mix);

}  // namespace dorvel
