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
int twiceU(int n) { return static_cast<int>(std::lround(2 * kTerms[static_cast<size_t>(n)].u)); }

// Binary parameters E*, U, K, G* of every ordered pair (1 where Table A3 has
// no entry).
struct BinaryMatrix {
  Real eStar[kGasComponents][kGasComponents];
  Real u[kGasComponents][kGasComponents];
  Real k[kGasComponents][kGasComponents];
  Real gStar[kGasComponents][kGasComponents];
};

const BinaryMatrix& binaries() {
  static const BinaryMatrix m = [] {
    BinaryMatrix b;
    for (int i = 0; i < kGasComponents; ++i)
      for (int j = 0; j < kGasComponents; ++j)
        b.eStar[i][j] = b.u[i][j] = b.k[i][j] = b.gStar[i][j] = 1;
    for (const aga8::Binary& p : kBinaries) {
      const int i = p.i - 1, j = p.j - 1;
      b.eStar[i][j] = b.eStar[j][i] = p.eStar;
      b.u[i][j] = b.u[j][i] = p.u;
      b.k[i][j] = b.k[j][i] = p.k;
      b.gStar[i][j] = b.gStar[j][i] = p.gStar;
    }
    return b;
  }();
  return m;
}

}  // namespace

Aga8Mixture::Aga8Mixture(const GasComposition& x) : x_(x) {
  const BinaryMatrix& bin = binaries();
  Real k5a = 0, u5a = 0, k5b = 0, u5b = 0, g = 0, q = 0, f = 0;
  for (int i = 0; i < kGasComponents; ++i) {
    const Real xi = x_[static_cast<size_t>(i)];
    if (xi == 0) continue;
    const aga8::Component& ci = kComponents[static_cast<size_t>(i)];
    molarMass_ += xi * aga8::kMolarMass[static_cast<size_t>(i)];
    k5a += xi * std::pow(ci.k, 2.5L);
    u5a += xi * std::pow(ci.e, 2.5L);
    g += xi * ci.g;
    q += xi * ci.q;
    f += xi * xi * ci.f;
    for (int j = i; j < kGasComponents; ++j) {
      const Real xj = x_[static_cast<size_t>(j)];
      if (xj == 0) continue;
      const aga8::Component& cj = kComponents[static_cast<size_t>(j)];
      const Real pairWeight = (i == j ? 1 : 2) * xi * xj;
      if (i != j) {
        const Real kij = bin.k[i][j], uij = bin.u[i][j];
        k5b += pairWeight * (kij * kij * kij * kij * kij - 1) * std::pow(ci.k * cj.k, 2.5L);
        u5b += pairWeight * (uij * uij * uij * uij * uij - 1) * std::pow(ci.e * cj.e, 2.5L);
        g += xi * xj * (bin.gStar[i][j] - 1) * (ci.g + cj.g);
      }
      // Second virial coefficient: the pair's share of each of the 18 terms.
      const Real sqrtEij = std::sqrt(bin.eStar[i][j] * std::sqrt(ci.e * cj.e));
      const Real gij = bin.gStar[i][j] * (ci.g + cj.g) / 2;
      const Real kk = std::pow(ci.k * cj.k, 1.5L);
      for (int n = 0; n < 18; ++n) {
        const aga8::Term& t = kTerms[static_cast<size_t>(n)];
        Real bStar = 1;
        if (t.g) bStar *= gij;
        if (t.q) bStar *= ci.q * cj.q;
        if (t.f) bStar *= std::sqrt(ci.f * cj.f);
        if (t.s) bStar *= ci.s * cj.s;
        if (t.w) bStar *= ci.w * cj.w;
        bs_[static_cast<size_t>(n)] += pairWeight * ipow(sqrtEij, twiceU(n)) * kk * bStar;
      }
    }
  }
  const Real k5 = k5a * k5a + k5b;
  const Real u5 = u5a * u5a + u5b;
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
  const Real rootT = std::sqrt(tK);
  for (int n = 0; n < 58; ++n) {
    const aga8::Term& t = kTerms[static_cast<size_t>(n)];
    const Real tPow = ipow(rootT, -twiceU(n));  // T^-u_n
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

ResidualDerivatives Aga8Mixture::residual(const AtTemperature& at, Real rho) const {
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
    const Real th1 = g * phi;
    const Real th2 = (g * g + g1) * phi;
    const Real th3 = (g * g * g + 3 * g * g1 + g2) * phi;
    r.ar += phi;
    r.r1 += th1;
    r.r2 += th2 - th1;
    r.r3 += th3 - 3 * th2 + 2 * th1;
    r.rt1 -= t.u * phi;
    r.rt2 += t.u * (t.u + 1) * phi;
    r.rtd -= t.u * th1;
  }
  return r;
}

PressurePoint Aga8Mixture::pressure(const AtTemperature& at, Real rho) const {
  const ResidualDerivatives r = residual(at, rho);
  const Real rt = kAga8GasConstant * at.tK;
  return {rho * rt * (1 + r.r1), rt * (1 + 2 * r.r1 + r.r2)};
}

GasState Aga8Mixture::properties(Real tK, Real rho) const {
  const AtTemperature at = atTemperature(tK);
  const IdealDerivatives id = idealGasPart(x_, tK, rho, kAga8GasConstant, 1);
  return gasStateFromHelmholtz(residual(at, rho), id, tK, rho, molarMass_, kAga8GasConstant);
}

GasState Aga8Mixture::state(Real tK, Real pKPa) const {
  const AtTemperature at = atTemperature(tK);
  const DensitySolution sol = solveGasDensity(
      [&](Real rho) { return pressure(at, rho); }, pKPa, tK, kAga8GasConstant);
  if (!sol.ok) {
    GasState none;
    none.molarMass = molarMass_;
    none.iterations = sol.iterations;
    return none;
  }
  const IdealDerivatives id = idealGasPart(x_, tK, sol.rho, kAga8GasConstant, 1);
  GasState s = gasStateFromHelmholtz(residual(at, sol.rho), id, tK, sol.rho, molarMass_,
                                     kAga8GasConstant);
  s.iterations = sol.iterations;
  return s;
}

}  // namespace dorvel
