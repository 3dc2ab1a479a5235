// Helmholtz-energy relations shared by AGA8-92DC and GERG-2008.
#include "props/gas_eos.h"

#include <cmath>
#include <limits>

#include "props/jaeschke_schley_coefficients.h"

namespace dorvel {

namespace {

constexpr Real kT0 = 298.15L;   // K, reference state of the ideal-gas part
constexpr Real kP0 = 101.325L;  // kPa

// Contributions of the hyperbolic terms of one component, divided by the
// scale of the equation: ln|sinh u| or -ln cosh u, its T-derivative
// -u coth u or u tanh u, and its heat-capacity term (u/sinh u)^2 or
// (u/cosh u)^2.
struct Hyperbolic {
  Real a = 0, i1 = 0, cv = 0;
};

// sinh and cosh from one exponential (u = theta/T is above 0.1 for every
// component up to 1700 K, so e - 1/e keeps its digits).
void addSinh(Hyperbolic& h, Real n, Real theta, Real tK, bool energies) {
  if (theta == 0) return;
  const Real u = theta / tK;
  const Real e = std::exp(u), ie = 1 / e;
  const Real sh = (e - ie) / 2, ch = (e + ie) / 2;
  h.cv += n * (u / sh) * (u / sh);
  if (!energies) return;
  h.a += n * std::log(std::fabs(sh));
  h.i1 -= n * u * ch / sh;
}

void addCosh(Hyperbolic& h, Real n, Real theta, Real tK, bool energies) {
  if (theta == 0) return;
  const Real u = theta / tK;
  const Real e = std::exp(u), ie = 1 / e;
  const Real sh = (e - ie) / 2, ch = (e + ie) / 2;
  h.cv += n * (u / ch) * (u / ch);
  if (!energies) return;
  h.a -= n * std::log(ch);
  h.i1 += n * u * sh / ch;
}

}  // namespace

IdealDerivatives idealGasPart(const GasComposition& x, Real tK, Real rho, Real gasConstant,
                              Real scale, bool energies) {
  IdealDerivatives d;
  const Real rho0 = kP0 / (gasConstant * kT0);
  const Real lnT = std::log(tK);
  Real cv0 = 0;  // cv0/R of the mixture
  for (int i = 0; i < kGasComponents; ++i) {
    const Real xi = x[static_cast<size_t>(i)];
    if (!(xi > 0)) continue;
    const IdealGasTerms& c = jaeschke::kIdealGas[static_cast<size_t>(i)];
    Hyperbolic h;
    addSinh(h, c.n4, c.theta4, tK, energies);
    addCosh(h, c.n5, c.theta5, tK, energies);
    addSinh(h, c.n6, c.theta6, tK, energies);
    addCosh(h, c.n7, c.theta7, tK, energies);
    cv0 += xi * scale * ((c.n3 - 1) + h.cv);
    if (!energies) continue;
    // With scale = R*/R the constants keep the zero of enthalpy at T0.
    const Real n2 = scale * (c.n2 + kT0) - kT0;
    d.a0 += xi * (std::log(xi * rho / rho0) + scale * c.n1 + n2 / tK -
                  scale * (c.n3 - 1) * lnT + scale * h.a);
    d.i1 += xi * (-n2 / tK - scale * (c.n3 - 1) + scale * h.i1);
  }
  d.i2 = -cv0 - 2 * d.i1;
  return d;
}

GasState gasStateFromHelmholtz(const ResidualDerivatives& r, const IdealDerivatives& i, Real tK,
                               Real rho, Real molarMass, Real gasConstant, bool energies) {
  GasState s;
  const Real R = gasConstant;
  const Real rt = R * tK;
  s.molarMass = molarMass;
  s.molarDensity = rho;
  s.z = 1 + r.r1;
  s.pressure = rho * rt * s.z;
  s.dpdrho = rt * (1 + 2 * r.r1 + r.r2);
  s.d2pdrho2 = rt / rho * (2 * r.r1 + 4 * r.r2 + r.r3);
  s.dpdt = rho * R * (1 + r.r1 + r.rtd);
  s.u = -rt * (i.i1 + r.rt1);
  s.h = rt * (s.z - i.i1 - r.rt1);
  s.s = -R * (i.a0 + r.ar + i.i1 + r.rt1);
  s.g = rt * (i.a0 + r.ar + s.z);
  s.cv = -R * (2 * i.i1 + i.i2 + 2 * r.rt1 + r.rt2);
  s.cp = s.cv + tK * s.dpdt * s.dpdt / (rho * rho * s.dpdrho);
  s.w = std::sqrt(1000 * s.cp / s.cv * s.dpdrho / molarMass);
  s.jouleThomson = (tK * s.dpdt / (rho * s.dpdrho) - 1) / (rho * s.cp);
  // kappa = w^2*rho_mass/p = -(v/p)(dp/dv)_s, the exponent of ISO 5167-1.
  s.kappa = s.w * s.w * molarMass / (1000 * rt * s.z);
  if (!energies) s.u = s.h = s.s = s.g = std::numeric_limits<Real>::quiet_NaN();
  s.ok = true;
  return s;
}

namespace {

constexpr int kMaxDensityPasses = 200;
constexpr Real kStepTolerance = 1e-10L;

// The bracketed Newton iteration on ln(rho) between lo and hi (hi may be
// infinite).  Returns false when it does not converge; `collapsed` is set
// when the bracket shrank to a point without p reaching the target (no root
// below hi).
bool bracketedNewton(const std::function<PressurePoint(Real)>& pressureAt, Real target, Real start,
                     Real lo, Real hi, Real& rho, int& passes, bool& collapsed, bool& unstable) {
  const Real inf = std::numeric_limits<Real>::infinity();
  collapsed = false;
  rho = start;
  const Real lnTarget = std::log(target);
  for (; passes < kMaxDensityPasses; ++passes) {
    if (!(rho > 0) || !std::isfinite(rho)) return false;
    const PressurePoint pp = pressureAt(rho);
    if (!std::isfinite(pp.p) || !std::isfinite(pp.dpdrho)) return false;
    Real next;
    if (pp.dpdrho <= 0 || pp.p <= 0) {
      // Past the spinodal of the gas branch (or in the unstable region).
      unstable = true;
      hi = rho;
      next = lo > 0 ? std::sqrt(lo * hi) : hi / 2;
    } else {
      if (pp.p < target)
        lo = rho;
      else
        hi = rho;
      const Real step = -(std::log(pp.p) - lnTarget) * pp.p / (rho * pp.dpdrho);
      next = rho * std::exp(step);
      if (std::fabs(step) < kStepTolerance) {
        rho = next;  // the last step is applied
        ++passes;
        return true;
      }
      if (!(next > lo && next < hi)) {
        if (hi == inf)
          next = 2 * rho;
        else
          next = lo > 0 ? std::sqrt(lo * hi) : hi / 2;
      }
    }
    if (hi != inf && lo > 0 && hi / lo - 1 < 1e-15L) {
      // Nothing left between the bounds.
      const PressurePoint at = pressureAt(lo);
      collapsed = !(std::fabs(at.p / target - 1) < 1e-12L);
      if (collapsed) return false;
      rho = lo;
      return true;
    }
    rho = next;
  }
  return false;
}

}  // namespace

DensitySolution solveGasDensity(const std::function<PressurePoint(Real)>& pressureAt, Real pKPa,
                                Real tK, Real gasConstant) {
  DensitySolution sol;
  if (!(pKPa > 0) || !(tK > 0) || !std::isfinite(pKPa) || !std::isfinite(tK)) return sol;
  const Real inf = std::numeric_limits<Real>::infinity();
  Real hi = inf;
  Real start = pKPa / (gasConstant * tK);
  for (int attempt = 0; attempt < 4; ++attempt) {
    Real rho = 0;
    bool collapsed = false, unstable = false;
    if (!bracketedNewton(pressureAt, pKPa, start, 0, hi, rho, sol.iterations, collapsed, unstable))
      return sol;
    // The gas root is reached from rho = 0 along a positive slope.  A root
    // with Z of 0.75 or more met without an unstable iterate is a gas root
    // (a liquid-like root of a van der Waals loop has a small Z); any other
    // is tested at 15 densities below it.
    const Real z = pKPa / (rho * gasConstant * tK);
    const bool test = unstable || !(z >= 0.75L);
    Real failing = 0;
    for (int k = 1; test && k <= 15; ++k) {
      const Real r = rho * k / 16;
      if (!(pressureAt(r).dpdrho > 0)) {
        failing = r;
        break;
      }
    }
    if (failing == 0) {
      sol.ok = true;
      sol.rho = rho;
      return sol;
    }
    // A liquid-like root: search again below the first failing density.
    hi = failing;
    start = std::fmin(pKPa / (gasConstant * tK), failing / 2);
  }
  return sol;
}

}  // namespace dorvel
