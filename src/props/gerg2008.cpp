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

// The distinct terms of all pure-fluid tables and departure functions, once:
// components with the same exponent set and pairs with the same departure
// function share their terms, and departure terms with the same Gaussian
// share its exponential.
struct Term {
  Real t;
  int d;
  int c;                           // pure terms: exponent of exp(-delta^c), 0 none
  Real eta, epsilon, beta, gamma;  // departure terms
  bool departure;
  int gaussian;                    // departure: index of its exponential, -1 none
};

struct Gaussian {
  Real eta, epsilon, beta, gamma;
};

struct Layout {
  std::vector<Term> terms;
  std::vector<Gaussian> gaussians;
  std::array<std::vector<int>, kGasComponents> pure;  // term index of each table row
  std::array<std::vector<int>, 11> departure;         // by function number
};

const Layout& layout() {
  static const Layout l = [] {
    Layout m;
    auto index = [&m](const Term& t) {
      for (size_t k = 0; k < m.terms.size(); ++k) {
        const Term& u = m.terms[k];
        if (u.departure == t.departure && u.d == t.d && u.t == t.t && u.c == t.c &&
            u.eta == t.eta && u.epsilon == t.epsilon && u.beta == t.beta && u.gamma == t.gamma)
          return static_cast<int>(k);
      }
      m.terms.push_back(t);
      return static_cast<int>(m.terms.size() - 1);
    };
    for (size_t i = 0; i < m.pure.size(); ++i)
      for (const gerg::PureTerm& p : gerg::kPureTerms[i])
        m.pure[i].push_back(index({p.t, p.d, p.c, 0, 0, 0, 0, false, -1}));
    for (int f = 1; f <= 10; ++f)
      for (const gerg::DepartureTerm& d : gerg::departureFunction(f)) {
        int g = -1;
        if (d.eta != 0 || d.beta != 0) {
          for (size_t k = 0; k < m.gaussians.size() && g < 0; ++k) {
            const Gaussian& u = m.gaussians[k];
            if (u.eta == d.eta && u.epsilon == d.epsilon && u.beta == d.beta && u.gamma == d.gamma)
              g = static_cast<int>(k);
          }
          if (g < 0) {
            m.gaussians.push_back({d.eta, d.epsilon, d.beta, d.gamma});
            g = static_cast<int>(m.gaussians.size() - 1);
          }
        }
        m.departure[static_cast<size_t>(f)].push_back(
            index({d.t, d.d, 0, d.eta, d.epsilon, d.beta, d.gamma, true, g}));
      }
    return m;
  }();
  return l;
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

  // The terms of this gas and who contributes to them.
  const Layout& lay = layout();
  std::vector<int> position(lay.terms.size(), -1);
  auto use = [&](int term) {
    if (position[static_cast<size_t>(term)] < 0) {
      position[static_cast<size_t>(term)] = static_cast<int>(activeTerms_.size());
      activeTerms_.push_back(term);
    }
    return position[static_cast<size_t>(term)];
  };
  for (size_t i = 0; i < x_.size(); ++i) {
    if (x_[i] == 0) continue;
    const auto& rows = gerg::kPureTerms[i];
    for (size_t k = 0; k < rows.size(); ++k)
      contributions_.push_back({use(lay.pure[i][k]), x_[i] * rows[k].n});
  }
  for (const gerg::DeparturePair& p : gerg::kDeparturePairs) {
    const Real w = x_[static_cast<size_t>(p.i - 1)] * x_[static_cast<size_t>(p.j - 1)] * p.f;
    if (w == 0) continue;
    const auto rows = gerg::departureFunction(p.function);
    for (size_t k = 0; k < rows.size(); ++k)
      contributions_.push_back(
          {use(lay.departure[static_cast<size_t>(p.function)][k]), w * rows[k].n});
  }
}

Gerg2008Mixture::AtTemperature Gerg2008Mixture::atTemperature(Real tK) const {
  const Layout& lay = layout();
  AtTemperature at;
  at.tK = tK;
  const Real lnTau = std::log(tR_ / tK);
  std::vector<Real> tauPow(activeTerms_.size());
  for (size_t k = 0; k < activeTerms_.size(); ++k) {
    const Real t = lay.terms[static_cast<size_t>(activeTerms_[k])].t;
    tauPow[k] = t == 0 ? 1.0L : std::exp(t * lnTau);
  }
  at.coef.assign(activeTerms_.size(), 0.0L);
  for (const Contribution& c : contributions_)
    at.coef[static_cast<size_t>(c.term)] += c.weightN * tauPow[static_cast<size_t>(c.term)];
  return at;
}

ResidualDerivatives Gerg2008Mixture::residual(const AtTemperature& at, Real rho,
                                              bool full) const {
  ResidualDerivatives r;
  const Real delta = rho / rhoR_;
  Real dPow[11];
  dPow[0] = 1;
  for (int i = 1; i < 11; ++i) dPow[i] = dPow[i - 1] * delta;
  Real expD[7];
  expD[0] = 1;
  for (int c = 1; c <= 6; ++c) expD[c] = std::exp(-dPow[c]);

  const Layout& lay = layout();
  Real gauss[16];
  for (size_t k = 0; k < lay.gaussians.size() && k < 16; ++k) {
    const Gaussian& u = lay.gaussians[k];
    const Real de = delta - u.epsilon;
    gauss[k] = std::exp(-u.eta * de * de - u.beta * (delta - u.gamma));
  }
  for (size_t k = 0; k < activeTerms_.size(); ++k) {
    const Term& t = lay.terms[static_cast<size_t>(activeTerms_[k])];
    const Real coef = at.coef[k];
    Real phi, g, g1, g2;
    if (t.departure) {
      if (t.gaussian < 0) {
        phi = coef * dPow[t.d];
        g = t.d;
        g1 = g2 = 0;
      } else {
        const Real de = delta - t.epsilon;
        phi = coef * dPow[t.d] * gauss[t.gaussian];
        g = t.d - 2 * t.eta * delta * de - t.beta * delta;
        g1 = (g - t.d) - 2 * t.eta * delta * delta;
        g2 = (g - t.d) - 6 * t.eta * delta * delta;
      }
    } else if (t.c == 0) {
      phi = coef * dPow[t.d];
      g = t.d;
      g1 = g2 = 0;
    } else {
      const Real dc = dPow[t.c];
      phi = coef * dPow[t.d] * expD[t.c];
      g = t.d - t.c * dc;
      g1 = -t.c * t.c * dc;
      g2 = -t.c * t.c * t.c * dc;
    }
    r.addTerm(phi, g, g1, g2, t.t, full);
  }
  return r;
}

PressurePoint Gerg2008Mixture::pressure(const AtTemperature& at, Real rho) const {
  const ResidualDerivatives r = residual(at, rho, false);
  const Real rt = kGergGasConstant * at.tK;
  return {rho * rt * (1 + r.r1), rt * (1 + 2 * r.r1 + r.r2)};
}

GasState Gerg2008Mixture::properties(Real tK, Real rho) const {
  const AtTemperature at = atTemperature(tK);
  const IdealDerivatives id = idealGasPart(x_, tK, rho, kGergGasConstant, kGergIdealScale);
  return gasStateFromHelmholtz(residual(at, rho), id, tK, rho, molarMass_, kGergGasConstant);
}

GasState Gerg2008Mixture::state(Real tK, Real pKPa, bool energies) const {
  const AtTemperature at = atTemperature(tK);
  const DensitySolution sol = solveGasDensity(
      [&](Real rho) { return pressure(at, rho); }, pKPa, tK, kGergGasConstant);
  if (!sol.ok) {
    GasState none;
    none.molarMass = molarMass_;
    none.iterations = sol.iterations;
    return none;
  }
  const IdealDerivatives id = idealGasPart(x_, tK, sol.rho, kGergGasConstant, kGergIdealScale, energies);
  GasState s = gasStateFromHelmholtz(residual(at, sol.rho), id, tK, sol.rho, molarMass_,
                                     kGergGasConstant, energies);
  s.iterations = sol.iterations;
  return s;
}

}  // namespace dorvel
