// GERG-2008, the wide-range equation of state of natural gases and other
// mixtures of 21 components (Kunz and Wagner 2012), the equation of
// ISO 20765-2 and of AGA Report No. 8 Part 2.
//
// Reduced Helmholtz energy of the mixture, with delta = rho/rho_r(x) and
// tau = T_r(x)/T:
//   alpha_r = sum_i x_i alpha_r,oi(delta, tau)
//             + sum_{i<j} x_i x_j F_ij alpha_r,ij(delta, tau)
// where the pure-fluid parts alpha_r,oi carry polynomial and exponential
// terms and the departure functions alpha_r,ij polynomial and Gaussian-like
// terms; rho_r and T_r follow the quadratic mixing rules with the binary
// parameters beta_v, gamma_v, beta_T, gamma_T.  The ideal-gas part is that of
// Jaeschke and Schley scaled by R*/R = 8.31451/8.314472.  Tables in
// props/gerg2008_coefficients.h.
//
// Units: T [K], p [kPa], rho [mol/l], R = 8.314472 J/(mol*K), M [g/mol].
#pragma once

#include <vector>

#include "props/gas_eos.h"

namespace dorvel {

inline constexpr Real kGergGasConstant = 8.314472L;          // J/(mol*K)
inline constexpr Real kGergIdealScale = 8.31451L / 8.314472L;  // R*/R

// The composition-dependent quantities of one gas, computed once.
class Gerg2008Mixture {
 public:
  // x: mole fractions in the order of props/gas_eos.h (summing to 1).
  explicit Gerg2008Mixture(const GasComposition& x);

  const GasComposition& composition() const { return x_; }
  Real molarMass() const { return molarMass_; }          // g/mol, the method's M_i
  Real reducingDensity() const { return rhoR_; }         // mol/l
  Real reducingTemperature() const { return tR_; }       // K

  // The coefficients of the distinct terms of alpha_r at one temperature:
  // sum of x-weight * n * tau^t over the components of one exponent set, or
  // the pairs of one departure function, that share the term.
  struct AtTemperature {
    Real tK = 0;
    std::vector<Real> coef;  // by position in activeTerms_
  };
  AtTemperature atTemperature(Real tK) const;

  // alpha_r and its derivatives; `full` false computes R1 and R2 only.
  ResidualDerivatives residual(const AtTemperature& t, Real rho, bool full = true) const;
  PressurePoint pressure(const AtTemperature& t, Real rho) const;
  GasState properties(Real tK, Real rho) const;
  // The gas state at T and p (density on the gas root); ok = false when the
  // equation has no gas root there.  `energies` false leaves u, h, s, g out
  // (NaN) and saves their logarithms: density, Z, the heat capacities, w and
  // kappa are the same.
  GasState state(Real tK, Real pKPa, bool energies = true) const;

 private:
  GasComposition x_{};
  Real molarMass_ = 0;
  Real rhoR_ = 0;  // reducing density
  Real tR_ = 0;    // reducing temperature
  std::vector<int> activeTerms_;  // indices into the shared term layout
  struct Contribution {
    int term;      // position in activeTerms_
    Real weightN;  // x_i * n or x_i x_j F_ij * n
  };
  std::vector<Contribution> contributions_;
};

}  // namespace dorvel
