// AGA8-92DC: the detailed characterization equation of AGA Report No. 8
// (2nd edition, 1994), the method of ISO 12213-2 (compression factor from the
// molar composition) and, with the ideal-gas heat capacities of Jaeschke and
// Schley, of ISO 20765-1 (speed of sound, heat capacities, isentropic
// exponent).
//
// The equation in Helmholtz form (reduced density D = K^3*rho):
//   alpha_r = B(T)*rho - D * sum_{n=13..18} C*_n T^-u_n
//             + sum_{n=13..58} C*_n T^-u_n D^b_n exp(-c_n D^k_n)
//   B(T)    = sum_{n=1..18} a_n T^-u_n sum_i sum_j x_i x_j E_ij^u_n (K_i K_j)^(3/2) B*_nij
//   Z       = 1 + rho*d(alpha_r)/d(rho)
// with the mixture size K, energy U, orientation G, quadrupole Q and
// high-temperature parameter F of the composition.  Tables in
// props/aga8_92dc_coefficients.h.
//
// Units: T [K], p [kPa], rho [mol/l], R = 8.31451 J/(mol*K), M [g/mol].
#pragma once

#include <array>

#include "props/gas_eos.h"

namespace dorvel {

inline constexpr Real kAga8GasConstant = 8.31451L;  // J/(mol*K)

// The composition-dependent quantities of one gas, computed once.
class Aga8Mixture {
 public:
  // x: mole fractions in the order of props/gas_eos.h (summing to 1).
  explicit Aga8Mixture(const GasComposition& x);

  const GasComposition& composition() const { return x_; }
  Real molarMass() const { return molarMass_; }  // g/mol, the method's M_i

  // The temperature-dependent coefficients: B(T) split by its derivatives
  // and C*_n T^-u_n.
  struct AtTemperature {
    Real tK = 0;
    Real b = 0;     // B [l/mol]
    Real bT1 = 0;   // -sum u_n B_n
    Real bT2 = 0;   // sum u_n (u_n + 1) B_n
    std::array<Real, 58> ct{};  // C*_n T^-u_n, n = 13..58 at [n - 1]
  };
  AtTemperature atTemperature(Real tK) const;

  // alpha_r and its derivatives at rho [mol/l]; `full` false computes R1
  // and R2 only.
  ResidualDerivatives residual(const AtTemperature& t, Real rho, bool full = true) const;
  // p and (dp/drho)_T at rho.
  PressurePoint pressure(const AtTemperature& t, Real rho) const;
  // Every property at T and rho.
  GasState properties(Real tK, Real rho) const;
  // The gas state at T and p (density on the gas root); ok = false when the
  // equation has no gas root there.  `energies` false leaves u, h, s, g out
  // (NaN) and saves their logarithms: density, Z, the heat capacities, w and
  // kappa are the same.
  GasState state(Real tK, Real pKPa, bool energies = true) const;

 private:
  GasComposition x_{};
  Real molarMass_ = 0;
  Real k3_ = 0;                // K^3 [l/mol]
  std::array<Real, 18> bs_{};  // composition sums of the B terms
  std::array<Real, 58> cs_{};  // C*_n, n = 13..58 at [n - 1]
};

}  // namespace dorvel
