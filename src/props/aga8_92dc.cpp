// AGA8-92DC (ISO 12213-2), "DETAIL" equation of AGA Report No. 8.
#include "props/aga8_92dc.h"

#include <cmath>

#include "props/aga8_92dc_coefficients.h"

namespace dorvel {

namespace {

using aga8::kBinaries;
using aga8::kComponents;
using aga8::kTerms;

// x^m for a whole m (negative too) by repeated squaring.
Real ipow(Real x, int m) {
  if (m < 0) return 1 / ipow(x, -m);
  Real r = 1;
  while (m) {
    if (m & 1) r *= x;
    x *= x;
    m >>= 1;
  }
  return r;
}

// The exponents u_n are multiples of 1/2: x^u = (sqrt x)^(2u).
constexpr std::array<int, 58> kTwiceU = [] {
  std::array<int, 58> m{};
  for (size_t i = 0; i < m.size(); ++i) m[i] = static_cast<int>(2 * kTerms[i].u);
  return m;
}();
int twiceU(int n) { return kTwiceU[static_cast<size_t>(n)]; }

// E*_ij^u_n of every pair of Table A3 and B term, computed once.
const std::array<std::array<Real, 18>, kBinaries.size()>& binaryEnergyPowers() {
  static const auto table = [] {
    std::array<std::array<Real, 18>, kBinaries.size()> t{};
    for (size_t k = 0; k < kBinaries.size(); ++k)
      for (int n = 0; n < 18; ++n)
        t[k][static_cast<size_t>(n)] = ipow(std::sqrt(kBinaries[k].eStar), twiceU(n));
    return t;
  }();
  return table;
}

}  // namespace

Aga8Mixture::Aga8Mixture(const GasComposition& x) : x_(x) {
  // Half-integer powers of the component parameters, E_i^(m/4) for
  // m = -12..25 (with E_ij = E*_ij sqrt(E_i E_j):
  // E_ij^u = E*_ij^u E_i^(u/2) E_j^(u/2), m = 2u) and K_i^1.5, K_i^2.5.
  Real quarterPow[kGasComponents][38];
  std::array<Real, kGasComponents> k15{}, k25{}, e25{};
  Real k5 = 0, u5 = 0, g = 0, q = 0, f = 0;
  for (size_t i = 0; i < x_.size(); ++i) {
    const Real xi = x_[i];
    if (xi == 0) continue;
    const aga8::Component& c = kComponents[i];
    const Real qe = std::sqrt(std::sqrt(c.e));
    Real* tab = quarterPow[i];
    tab[12] = 1;
    for (int m = 1; m <= 25; ++m) tab[12 + m] = tab[11 + m] * qe;
    const Real inverse = 1 / qe;
    for (int m = 1; m <= 12; ++m) tab[12 - m] = tab[13 - m] * inverse;
    k15[i] = c.k * std::sqrt(c.k);
    k25[i] = c.k * k15[i];
    e25[i] = tab[22];
    molarMass_ += xi * aga8::kMolarMass[i];
    k5 += xi * k25[i];
    u5 += xi * e25[i];
    g += xi * c.g;
    q += xi * c.q;
    f += xi * xi * c.f;
  }
  k5 *= k5;
  u5 *= u5;

  // Second virial coefficient, B_n = sum_i sum_j x_i x_j E_ij^u (K_i K_j)^1.5
  // B*_nij: with all binary parameters 1 the double sum is a product of
  // single sums; the pairs of Table A3 add their difference.
  for (int n = 0; n < 18; ++n) {
    const aga8::Term& t = kTerms[static_cast<size_t>(n)];
    const int m = twiceU(n);
    Real sum = 0, sumG = 0;
    for (size_t i = 0; i < x_.size(); ++i) {
      if (x_[i] == 0) continue;
      const aga8::Component& c = kComponents[i];
      Real b = x_[i] * quarterPow[i][12 + m] * k15[i];
      if (t.q) b *= c.q;
      if (t.f) b *= c.f;  // sqrt(F_i F_j) = F_i F_j, F is 0 or 1
      if (t.s) b *= c.s;
      if (t.w) b *= c.w;
      sum += b;
      sumG += b * c.g;
    }
    bs_[static_cast<size_t>(n)] = t.g ? sumG * sum : sum * sum;
  }
  const auto& energyPowers = binaryEnergyPowers();
  for (size_t k = 0; k < kBinaries.size(); ++k) {
    const aga8::Binary& p = kBinaries[k];
    const size_t i = static_cast<size_t>(p.i - 1), j = static_cast<size_t>(p.j - 1);
    const Real xij = x_[i] * x_[j];
    if (xij == 0) continue;
    const aga8::Component& ci = kComponents[i];
    const Real kk5 = p.k * p.k * p.k * p.k * p.k, uu5 = p.u * p.u * p.u * p.u * p.u;
    k5 += 2 * xij * (kk5 - 1) * k25[i] * k25[j];
    u5 += 2 * xij * (uu5 - 1) * e25[i] * e25[j];
    const aga8::Component& cj = kComponents[j];
    g += xij * (p.gStar - 1) * (ci.g + cj.g);
    if (p.eStar == 1 && p.gStar == 1) continue;  // no share in B
    const Real gMean = (ci.g + cj.g) / 2;
    const Real kk = 2 * xij * k15[i] * k15[j];
    const Real qq = ci.q * cj.q, ff = ci.f * cj.f, ss = ci.s * cj.s, ww = ci.w * cj.w;
    const auto& eu = energyPowers[k];
    for (int n = 0; n < 18; ++n) {
      const aga8::Term& t = kTerms[static_cast<size_t>(n)];
      // Quadrupole, high-temperature, dipole and association terms vanish
      // for most pairs.
      Real flag = 1;
      if (t.q) flag = qq;
      if (t.f) flag = ff;
      if (t.s) flag = ss;
      if (t.w) flag = ww;
      if (flag == 0) continue;
      const int m = twiceU(n);
      const Real b = kk * flag * quarterPow[i][12 + m] * quarterPow[j][12 + m];
      const Real e = eu[static_cast<size_t>(n)];
      bs_[static_cast<size_t>(n)] += t.g ? b * gMean * (e * p.gStar - 1) : b * (e - 1);
    }
  }

  k3_ = std::pow(k5, 0.6L);
  const Real sqrtU = std::sqrt(std::pow(u5, 0.2L));
  for (int n = 12; n < 58; ++n) {
    const aga8::Term& t = kTerms[static_cast<size_t>(n)];
    Real c = t.a * ipow(sqrtU, twiceU(n));
    if (t.g) c *= g;
    if (t.q) c *= q * q;
    if (t.f) c *= f;
    cs_[static_cast<size_t>(n)] = c;
  }
}

Aga8Mixture::AtTemperature Aga8Mixture::atTemperature(Real tK) const {
  AtTemperature at;
  at.tK = tK;
  // sqrt(T)^-m for m = -46..46, the range of 2 u_n.
  Real rootPow[93];
  const Real inverse = 1 / std::sqrt(tK), rootT = std::sqrt(tK);
  rootPow[46] = 1;
  for (int m = 1; m <= 46; ++m) {
    rootPow[46 + m] = rootPow[45 + m] * inverse;
    rootPow[46 - m] = rootPow[47 - m] * rootT;
  }
  for (int n = 0; n < 58; ++n) {
    const aga8::Term& t = kTerms[static_cast<size_t>(n)];
    const Real tPow = rootPow[46 + twiceU(n)];  // T^-u_n
    if (n < 18) {
      const Real bn = t.a * tPow * bs_[static_cast<size_t>(n)];
      at.b += bn;
      at.bT1 -= t.u * bn;
      at.bT2 += t.u * (t.u + 1) * bn;
    }
    if (n >= 12) at.ct[static_cast<size_t>(n)] = cs_[static_cast<size_t>(n)] * tPow;
  }
  return at;
}

ResidualDerivatives Aga8Mixture::residual(const AtTemperature& at, Real rho, bool full) const {
  ResidualDerivatives r;
  // Second virial part: phi = B*rho, theta^k phi = phi.
  const Real bRho = at.b * rho;
  r.ar = bRho;
  r.r1 = bRho;
  r.rt1 = at.bT1 * rho;
  r.rt2 = at.bT2 * rho;
  r.rtd = at.bT1 * rho;

  const Real d = k3_ * rho;
  Real dPow[10];
  dPow[0] = 1;
  for (int i = 1; i < 10; ++i) dPow[i] = dPow[i - 1] * d;
  Real expD[5];
  for (int k = 1; k <= 4; ++k) expD[k] = std::exp(-dPow[k]);
  expD[0] = 1;

  for (int n = 12; n < 58; ++n) {
    const aga8::Term& t = kTerms[static_cast<size_t>(n)];
    const Real ct = at.ct[static_cast<size_t>(n)];
    if (n < 18) {
      // -D C*_n T^-u_n: linear in D.
      const Real phi = -d * ct;
      r.ar += phi;
      r.r1 += phi;
      r.rt1 -= t.u * phi;
      r.rt2 += t.u * (t.u + 1) * phi;
      r.rtd -= t.u * phi;
    }
    const Real dk = t.c ? dPow[t.k] : 0;
    const Real phi = ct * dPow[t.b] * (t.c ? expD[t.k] : 1);
    const Real g = t.b - t.c * t.k * dk;
    const Real g1 = -t.c * t.k * t.k * dk;
    const Real g2 = -t.c * t.k * t.k * t.k * dk;
    r.addTerm(phi, g, g1, g2, t.u, full);
  }
  return r;
}

PressurePoint Aga8Mixture::pressure(const AtTemperature& at, Real rho) const {
  const ResidualDerivatives r = residual(at, rho, false);
  const Real rt = kAga8GasConstant * at.tK;
  return {rho * rt * (1 + r.r1), rt * (1 + 2 * r.r1 + r.r2)};
}

GasState Aga8Mixture::properties(Real tK, Real rho) const {
  const AtTemperature at = atTemperature(tK);
  const IdealDerivatives id = idealGasPart(x_, tK, rho, kAga8GasConstant, 1);
  return gasStateFromHelmholtz(residual(at, rho), id, tK, rho, molarMass_, kAga8GasConstant);
}

GasState Aga8Mixture::state(Real tK, Real pKPa, bool energies) const {
  const AtTemperature at = atTemperature(tK);
  const DensitySolution sol = solveGasDensity(
      [&](Real rho) { return pressure(at, rho); }, pKPa, tK, kAga8GasConstant);
  if (!sol.ok) {
    GasState none;
    none.molarMass = molarMass_;
    none.iterations = sol.iterations;
    return none;
  }
  const IdealDerivatives id = idealGasPart(x_, tK, sol.rho, kAga8GasConstant, 1, energies);
  GasState s = gasStateFromHelmholtz(residual(at, sol.rho), id, tK, sol.rho, molarMass_,
                                     kAga8GasConstant, energies);
  s.iterations = sol.iterations;
  return s;
}

}  // namespace dorvel
