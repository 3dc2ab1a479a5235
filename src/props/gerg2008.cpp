// GERG-2008 (ISO 20765-2).
#include "props/gerg2008.h"

#include <cmath>

#include "props/gerg2008_coefficients.h"

namespace dorvel {

namespace {

// Reducing parameters of every pair i < j (0-based), from Table B5.
struct ReducingMatrix {
  Real betaV[kGasComponents][kGasComponents];
  Real gammaV[kGasComponents][kGasComponents];
  Real betaT[kGasComponents][kGasComponents];
  Real gammaT[kGasComponents][kGasComponents];
};

const ReducingMatrix& reducing() {
  static const ReducingMatrix m = [] {
    ReducingMatrix r;
    for (int i = 0; i < kGasComponents; ++i)
      for (int j = 0; j < kGasComponents; ++j)
        r.betaV[i][j] = r.gammaV[i][j] = r.betaT[i][j] = r.gammaT[i][j] = 1;
    for (const gerg::ReducingPair& p : gerg::kReducing) {
      r.betaV[p.i - 1][p.j - 1] = p.betaV;
      r.gammaV[p.i - 1][p.j - 1] = p.gammaV;
      r.betaT[p.i - 1][p.j - 1] = p.betaT;
      r.gammaT[p.i - 1][p.j - 1] = p.gammaT;
    }
    return r;
  }();
  return m;
}

}  // namespace

Gerg2008Mixture::Gerg2008Mixture(const GasComposition& x) : x_(x) {
  const ReducingMatrix& red = reducing();
  Real invRhoR = 0;
  for (int i = 0; i < kGasComponents; ++i) {
    const Real xi = x_[static_cast<size_t>(i)];
    if (xi == 0) continue;
    const gerg::Critical& ci = gerg::kCritical[static_cast<size_t>(i)];
    molarMass_ += xi * gerg::kMolarMass[static_cast<size_t>(i)];
    invRhoR += xi * xi / ci.rhoc;
    tR_ += xi * xi * ci.tc;
    for (int j = i + 1; j < kGasComponents; ++j) {
      const Real xj = x_[static_cast<size_t>(j)];
      if (xj == 0) continue;
      const gerg::Critical& cj = gerg::kCritical[static_cast<size_t>(j)];
      const Real bv = red.betaV[i][j], bt = red.betaT[i][j];
      const Real cbrtSum = 1 / std::cbrt(ci.rhoc) + 1 / std::cbrt(cj.rhoc);
      invRhoR += 2 * xi * xj * bv * red.gammaV[i][j] * (xi + xj) / (bv * bv * xi + xj) *
                 cbrtSum * cbrtSum * cbrtSum / 8;
      tR_ += 2 * xi * xj * bt * red.gammaT[i][j] * (xi + xj) / (bt * bt * xi + xj) *
             std::sqrt(ci.tc * cj.tc);
    }
  }
  rhoR_ = 1 / invRhoR;
  for (const gerg::DeparturePair& p : gerg::kDeparturePairs) {
    const Real w = x_[static_cast<size_t>(p.i - 1)] * x_[static_cast<size_t>(p.j - 1)] * p.f;
    if (w != 0) pairs_.push_back({p.i - 1, p.j - 1, w, p.function});
  }
}

Gerg2008Mixture::AtTemperature Gerg2008Mixture::atTemperature(Real tK) const {
  AtTemperature at;
  at.tK = tK;
  const Real lnTau = std::log(tR_ / tK);
  auto tauPow = [lnTau](Real t) { return t == 0 ? 1.0L : std::exp(t * lnTau); };
  at.terms.reserve(160);
  // Pure-fluid terms; components with the same exponent set share one term.
  for (int i = 0; i < kGasComponents; ++i) {
    const Real xi = x_[static_cast<size_t>(i)];
    if (xi == 0) continue;
    for (const gerg::PureTerm& p : gerg::kPureTerms[static_cast<size_t>(i)]) {
      bool merged = false;
      for (Term& t : at.terms)
        if (!t.departure && t.d == p.d && t.t == p.t && t.c == p.c) {
          t.coef += xi * p.n * tauPow(p.t);
          merged = true;
          break;
        }
      if (!merged) at.terms.push_back({xi * p.n * tauPow(p.t), p.t, p.d, p.c, 0, 0, 0, 0, false});
    }
  }
  for (const ActivePair& pair : pairs_)
    for (const gerg::DepartureTerm& d : gerg::departureFunction(pair.function))
      at.terms.push_back({pair.weight * d.n * tauPow(d.t), d.t, d.d, 0, d.eta, d.epsilon, d.beta,
                          d.gamma, true});
  return at;
}

ResidualDerivatives Gerg2008Mixture::residual(const AtTemperature& at, Real rho) const {
  ResidualDerivatives r;
  const Real delta = rho / rhoR_;
  Real dPow[11];
  dPow[0] = 1;
  for (int i = 1; i < 11; ++i) dPow[i] = dPow[i - 1] * delta;
  Real expD[7];
  expD[0] = 1;
  for (int c = 1; c <= 6; ++c) expD[c] = std::exp(-dPow[c]);

  for (const Term& t : at.terms) {
    Real phi, g, g1, g2;
    if (t.departure) {
      if (t.eta == 0 && t.beta == 0) {
        phi = t.coef * dPow[t.d];
        g = t.d;
        g1 = g2 = 0;
      } else {
        const Real de = delta - t.epsilon;
        phi = t.coef * dPow[t.d] * std::exp(-t.eta * de * de - t.beta * (delta - t.gamma));
        g = t.d - 2 * t.eta * delta * de - t.beta * delta;
        g1 = (g - t.d) - 2 * t.eta * delta * delta;
        g2 = (g - t.d) - 6 * t.eta * delta * delta;
      }
    } else if (t.c == 0) {
      phi = t.coef * dPow[t.d];
      g = t.d;
      g1 = g2 = 0;
    } else {
      const Real dc = dPow[t.c];
      phi = t.coef * dPow[t.d] * expD[t.c];
      g = t.d - t.c * dc;
      g1 = -t.c * t.c * dc;
      g2 = -t.c * t.c * t.c * dc;
    }
    const Real th1 = g * phi;
    const Real th2 = (g * g + g1) * phi;
    const Real th3 = (g * g * g + 3 * g * g1 + g2) * phi;
    r.ar += phi;
    r.r1 += th1;
    r.r2 += th2 - th1;
    r.r3 += th3 - 3 * th2 + 2 * th1;
    r.rt1 -= t.t * phi;
    r.rt2 += t.t * (t.t + 1) * phi;
    r.rtd -= t.t * th1;
  }
  return r;
}

PressurePoint Gerg2008Mixture::pressure(const AtTemperature& at, Real rho) const {
  const ResidualDerivatives r = residual(at, rho);
  const Real rt = kGergGasConstant * at.tK;
  return {rho * rt * (1 + r.r1), rt * (1 + 2 * r.r1 + r.r2)};
}

GasState Gerg2008Mixture::properties(Real tK, Real rho) const {
  const AtTemperature at = atTemperature(tK);
  const IdealDerivatives id = idealGasPart(x_, tK, rho, kGergGasConstant, kGergIdealScale);
  return gasStateFromHelmholtz(residual(at, rho), id, tK, rho, molarMass_, kGergGasConstant);
}

GasState Gerg2008Mixture::state(Real tK, Real pKPa) const {
  const AtTemperature at = atTemperature(tK);
  const DensitySolution sol = solveGasDensity(
      [&](Real rho) { return pressure(at, rho); }, pKPa, tK, kGergGasConstant);
  if (!sol.ok) {
    GasState none;
    none.molarMass = molarMass_;
    none.iterations = sol.iterations;
    return none;
  }
  const IdealDerivatives id = idealGasPart(x_, tK, sol.rho, kGergGasConstant, kGergIdealScale);
  GasState s = gasStateFromHelmholtz(residual(at, sol.rho), id, tK, sol.rho, molarMass_,
                                     kGergGasConstant);
  s.iterations = sol.iterations;
  return s;
}

}  // namespace dorvel
