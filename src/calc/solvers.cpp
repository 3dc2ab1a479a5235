// Flowrate, differential-pressure and diameter-ratio solvers, and the
// admissible beta window of the diameter task.
#include "calc/solvers.h"

#include <cmath>
#include <string>

#include "calc/coefficients.h"
#include "calc/device_terms.h"
#include "calc/limits.h"
#include "base/format.h"

namespace dorvel {

namespace {

// The quarter-circle orifice in the beta window: Re_nom below 250 asks the
// question, below 3300 betaMax is the root of the lower Reynolds limit.
constexpr Real kQuarterCircleWindowLow = 250;
constexpr Real kQuarterCircleRootBelow = 3300;

using detail::BetaTerms;
using detail::ExpansibilityTerms;
using detail::GeometryTerms;
using detail::PressureTerms;
using detail::ReynoldsTerms;

bool finitePositive(Real x) { return std::isfinite(x) && x > 0; }
bool validBeta(Real beta) { return beta > 0 && beta < 1; }

// Gas inputs of the expansibility factor.
bool validGas(Real p1, Real kappa) { return finitePositive(p1) && finitePositive(kappa); }

// ---- differential pressure --------------------------------------------------------

struct DpSolution {
  SolverStatus status = SolverStatus::NoSolution;
  Coefficients coefficients;
  bool coefficientsEvaluated = false;
  Real dpPa = 0;
  Real reynolds = 0;
  Real eps = 1;
  int passes = 0;
  bool reynoldsKnown = false;
};

// The differential-pressure solve proper.
DpSolution solveDp(const DeviceSetup& device, const FluidState& fluid, const TaskContext& task,
                   Real massFlowKgH, Real beta) {
  DpSolution s;
  const Real rho = fluid.density;
  const Real mu = fluid.viscosity;
  const Real Dm = device.pipeDiameter * 0.001L;
  if (!finitePositive(massFlowKgH) || !validBeta(beta) || !finitePositive(rho) ||
      !finitePositive(mu) || !finitePositive(Dm))
    return s;
  const Real qm = massFlowKgH / 3600;  // kg/s
  s.reynolds = 4 * qm / (kPi * mu * Dm);
  s.reynoldsKnown = std::isfinite(s.reynolds);
  if (!(s.reynolds <= 1e9L)) return s;

  // C does not depend on dp: one evaluation.
  s.coefficients = deviceCoefficients(device, task, beta, s.reynolds);
  s.coefficientsEvaluated = true;
  const SolverStatus st = s.coefficients.status;
  if (st == SolverStatus::NoSolution) return s;
  const bool gas = fluid.compressible;
  ExpansibilityTerms e;
  if (gas) {
    detail::prepareExpansibility(device.deviceType, task, fluid.kappa, e);
    if (!detail::setExpansibilityBeta(e, beta)) return s;
  }
  const Real C = s.coefficients.C;
  if (!(C > 0)) return s;

  // dp for eps = 1, from qm = C/sqrt(1-b4) (pi/4) d^2 sqrt(2 dp rho).
  const Real d = beta * Dm;
  const Real b4 = beta * beta * beta * beta;
  const Real d2 = d * d;
  const Real dp1 = 8 * (1 - b4) * qm * qm / (rho * kPi * kPi * C * C * d2 * d2);
  if (!finitePositive(dp1)) return s;

  Real dp = dp1, eps = 1;
  if (gas) {
    const Real p1 = fluid.pressureAt;
    if (!validGas(p1, fluid.kappa)) return s;
    // Beyond dp/p1 = 0.25 the expansibility equations are not valid: the
    // differential pressure is given for eps = 1.
    if (!(dp1 * kPaToKgm2 / p1 / 10000 > 0.25L)) {
      if (!detail::evaluateExpansibility(e, dp1 * kPaToKgm2, p1, eps)) return s;
      for (int pass = 1; pass <= kSolverMaxPasses; ++pass) {
        s.passes = pass;
        dp = dp1 / (eps * eps);
        if (!detail::evaluateExpansibility(e, dp * kPaToKgm2, p1, eps)) return s;
        if (std::fabs(eps * eps * dp - dp1) / dp1 < kSolverTolerance) break;
      }
    }
  }
  if (!finitePositive(dp)) return s;
  s.status = st;
  s.dpPa = dp;
  s.eps = eps;
  return s;
}

}  // namespace

// ---- flowrate -----------------------------------------------------------------------

SolveResult solveFlowrate(const DeviceSetup& device, const FluidState& fluid,
                          const TaskContext& task, Real dp, Real beta) {
  SolveResult r;
  auto fail = [&]() {
    r.value = 0;
    r.status = SolverStatus::NoSolution;
    return r;
  };
  const Real mu = fluid.viscosity, D = device.pipeDiameter, rho = fluid.density;
  if (!finitePositive(dp) || !validBeta(beta) || !finitePositive(mu) || !finitePositive(D) ||
      !finitePositive(rho))
    return fail();

  // 1. eps once: it depends on dp, not on the flow.
  Real eps = 1;
  if (fluid.compressible) {
    if (!validGas(fluid.pressureAt, fluid.kappa)) return fail();
    ExpansibilityTerms e;
    detail::prepareExpansibility(device.deviceType, task, fluid.kappa, e);
    if (!detail::setExpansibilityBeta(e, beta) ||
        !detail::evaluateExpansibility(e, dp, fluid.pressureAt, eps))
      return fail();
  }

  // 2. Re_D = C*X with X = eps beta^2 D sqrt(2 dp rho)/(sqrt(1 - beta^4) mu), SI.
  const Real Dm = D * 0.001L;
  const Real b2 = beta * beta;
  const Real X = eps * b2 * Dm * std::sqrt(2 * (dp / kPaToKgm2) * rho) /
                 (std::sqrt(1 - b2 * b2) * mu);
  if (!finitePositive(X)) return fail();

  // 3. Start from C at Re_D = 1e6, iterate Re_D = C*X, C = C(Re_D).  beta is
  // fixed: its terms are prepared once, and a pass evaluates only the
  // Reynolds terms and C; the full coefficient evaluation (uncertainty,
  // limits, straight lengths) is made once, for the last Re_D.
  GeometryTerms g;
  BetaTerms t;
  ReynoldsTerms rt;
  detail::prepareGeometry(device, task, g);
  detail::prepareBeta(g, beta, true, t);
  detail::prepareReynolds(g, 1e6L, rt);
  Real C = 0;
  if (!detail::dischargeCoefficientOf(g, t, rt, C)) return fail();
  Real re = 0;
  for (int pass = 1; pass <= kSolverMaxPasses; ++pass) {
    r.passes = pass;
    re = C * X;
    detail::prepareReynolds(g, re, rt);
    Real Cnew = 0;
    if (!detail::dischargeCoefficientOf(g, t, rt, Cnew)) return fail();
    // |(Re/C' - X)/X|: the relative change of C in this pass.
    const bool done = std::fabs((re / Cnew - X) / X) < kSolverTolerance;
    C = Cnew;
    if (done) break;
  }
  r.coefficients = detail::evaluateCoefficients(g, t, rt);
  r.coefficientsEvaluated = true;
  if (r.coefficients.status == SolverStatus::NoSolution) return fail();

  // 4. qm = (pi/4) mu D Re_D, with the last Re_D (formed with the previous C).
  r.reynolds = re;
  r.reynoldsKnown = true;
  r.expansibility = eps;
  r.value = kPi / 4 * mu * Dm * re * 3600;
  r.status = r.coefficients.status;
  return r;
}

// ---- differential pressure ----------------------------------------------------------

SolveResult solveDifferentialPressure(const DeviceSetup& device, const FluidState& fluid,
                                      const TaskContext& task, Real massFlowKgH, Real beta) {
  const DpSolution s = solveDp(device, fluid, task, massFlowKgH, beta);
  SolveResult r;
  r.passes = s.passes;
  r.coefficients = s.coefficients;
  r.coefficientsEvaluated = s.coefficientsEvaluated;
  r.reynolds = s.reynolds;
  r.reynoldsKnown = s.reynoldsKnown;
  if (s.status == SolverStatus::NoSolution) {
    r.status = SolverStatus::NoSolution;
    return r;
  }
  r.expansibility = s.eps;
  r.value = s.dpPa * kPaToKgm2;
  r.dpKPa = s.dpPa * 0.001L;
  r.status = s.status;
  return r;
}

FluidState fluidStateOf(const CalculationCase& c) {
  FluidState f;
  f.density = c.density;
  f.viscosity = c.viscosityPaS;
  f.kappa = c.isentropicExponent;
  f.pressureAt = c.pressureAt;
  f.compressible = isCompressible(c.fluidKind);
  return f;
}

// ---- diameter ratio -----------------------------------------------------------------

SolveResult solveBeta(const DeviceSetup& device, const FluidState& fluid,
                      const TaskContext& task, Real dp, Real reynolds) {
  SolveResult r;
  auto fail = [&]() {
    r.value = 0;
    r.status = SolverStatus::NoSolution;
    return r;
  };
  const Real rho = fluid.density;
  const Real mu = fluid.viscosity;
  const Real D = device.pipeDiameter;
  const bool gas = fluid.compressible;
  if (!finitePositive(dp) || !finitePositive(reynolds) || !finitePositive(rho) ||
      !finitePositive(mu) || !finitePositive(D))
    return fail();
  if (gas && !validGas(fluid.pressureAt, fluid.kappa)) return fail();

  // 1. A = C eps beta^2/sqrt(1 - beta^4), known from Re_D and dp.
  const Real A = reynolds * mu / ((D * 0.001L) * std::sqrt(2 * (dp / kPaToKgm2) * rho));
  if (!finitePositive(A)) return fail();

  // 2. beta from X = A/(C eps): X^2 = beta^4/(1 - beta^4).  Re_D and dp are
  // fixed, so their terms are prepared once; each pass needs only C and eps
  // at the new beta, and the limits and straight lengths are evaluated for
  // the final beta.
  GeometryTerms g;
  ReynoldsTerms rt;
  detail::prepareGeometry(device, task, g);
  detail::prepareReynolds(g, reynolds, rt);
  ExpansibilityTerms e;
  PressureTerms pt;
  if (gas) {
    detail::prepareExpansibility(device.deviceType, task, fluid.kappa, e);
    if (!detail::preparePressure(e, dp, fluid.pressureAt, pt)) return fail();
  }
  Real C = 0.6L, eps = 1, beta = 0;
  BetaTerms t;
  for (int pass = 1; pass <= kSolverMaxPasses; ++pass) {
    r.passes = pass;
    const Real X = A / (C * eps);
    const Real X2 = X * X;
    beta = std::sqrt(std::sqrt(X2 / (1 + X2)));  // (X^2/(1 + X^2))^(1/4)
    // From the second pass beta moves little: the fractional powers are
    // carried over from the previous pass's roots.
    detail::prepareBeta(g, beta, false, t, pass > 1 ? &t : nullptr);
    if (!detail::dischargeCoefficientOf(g, t, rt, C) || !(C > 0)) return fail();
    if (gas && (!detail::setExpansibilityBeta(e, beta) || !detail::expansibilityOf(e, pt, eps)))
      return fail();
    if (std::fabs(X * C * eps - A) / A < kSolverTolerance) break;
  }
  detail::addLimits(g, t);
  r.coefficients = detail::evaluateCoefficients(g, t, rt);
  r.coefficientsEvaluated = true;
  if (r.coefficients.status == SolverStatus::NoSolution) return fail();

  // 3. The straight-length status of the last coefficient evaluation.
  r.expansibility = eps;
  r.value = beta;
  r.status = r.coefficients.status;
  return r;
}

// ---- quarter-circle Reynolds limit ---------------------------------------------------

SolveResult quarterCircleBetaLimit(Real reNom) {
  SolveResult r;
  r.value = 0.6L;
  if (!std::isfinite(reNom)) {
    r.status = SolverStatus::NoSolution;
    return r;
  }
  // g(beta) = Re_nom - Re_min(beta), Re_min of ISO/TR 15377 for the
  // quarter-circle orifice; decreasing in beta.
  auto g = [reNom](Real b) {
    const Real u = b - 0.24L;
    const Real u2 = u * u, u4 = u2 * u2;
    return reNom - (9.4e6L * u4 * u4 + 1000 * b);
  };
  Real a = 0.245L, b = 0.6L;
  Real ga = g(a), gb = g(b);
  // Without a sign change the limit lies outside the range of the device:
  // either met everywhere up to 0.6 or nowhere above 0.245.
  if (gb >= 0) return r;
  if (ga <= 0) {
    r.value = 0.245L;
    return r;
  }
  // False position.
  for (int it = 1; it <= 2000; ++it) {
    r.passes = it;
    const Real x = (b * ga - a * gb) / (ga - gb);
    const Real gx = g(x);
    if (std::fabs(gx) < 1e-6L) {
      r.value = x;
      return r;
    }
    if ((gx > 0) == (ga > 0)) {
      a = x;
      ga = gx;
    } else {
      b = x;
      gb = gx;
    }
  }
  r.status = SolverStatus::NoSolution;
  return r;
}

// ---- beta window ---------------------------------------------------------------------

BetaWindowResult checkBetaWindow(const DeviceSetup& device, const FluidState& fluid,
                                 const TaskContext& task, Interaction& ui, Real dp,
                                 Real massFlowKgH, Real reynolds, int dpUnit) {
  BetaWindowResult w;
  w.status = SolverStatus::NoSolution;
  const int dev = device.deviceType;
  const Real D20 = device.pipeDiameter20;  // size tests
  const Real D = device.pipeDiameter;      // formulas
  const Real re = reynolds;
  const Real reNom = re * task.nominalPercent / 100;
  if (!finitePositive(re) || !finitePositive(reNom) || !finitePositive(D) ||
      !finitePositive(D20) || !finitePositive(dp))
    return w;

  // The window starts from the admissible beta range of the device and is
  // narrowed to where Re_nom and Re_D meet the device's Reynolds-number limits
  // (limits.h); the flags ask whether to go on outside them.
  using namespace reynolds_limit;
  if (dev < 1 || dev > 12) return w;
  const LimitRange range = betaRange(dev, D20);
  const auto limitsAt = [&](Real beta) { return reynoldsLimitsOf(dev, beta, D, D20); };
  Real bmin = range.min, bmax = range.max;
  bool low = false, high = false;
  SolverStatus status = SolverStatus::Ok;
  switch (dev) {
    case DevOrificeCorner:
    case DevOrificeDD2:
    case DevOrificeFlange:
      if (isSmallBoreOrifice(dev, D20)) {
        // ASME MFC-14M: Re_D above the limit, the limit itself refused.
        low = reNom <= limitsAt(bmin).min;
        break;
      }
      low = reNom < limitsAt(bmin).min;
      // Where the limit grows with beta (16000 beta^2 above 0.56, 170 beta^2 D
      // for flange tappings) betaMax is lowered to the beta at which it
      // equals Re_nom.
      if (dev == DevOrificeFlange) {
        if (reNom < kFlangeBeta2D * bmax * bmax * D) bmax = std::sqrt(reNom / (kFlangeBeta2D * D));
      } else if (reNom < kOrificeBeta2 * bmax * bmax) {
        bmax = std::sqrt(reNom / kOrificeBeta2);
      }
      break;
    case DevIsa1932Nozzle:
    case DevLongRadiusNozzle:
    case DevVenturiNozzle:
    case DevVenturiAsCast:
    case DevVenturiMachined:
    case DevVenturiRoughWelded: {
      // ISA 1932: below Re_nom 70000 only the betas from 0.44 up.
      if (dev == DevIsa1932Nozzle && reNom < kIsaLowBeta) bmin = kIsaStepBeta;
      low = reNom < limitsAt(bmin).min;
      const ReynoldsLimits top = limitsAt(bmax);
      w.hasReynoldsMax = true;
      w.reynoldsMax = top.max;
      high = re > top.max;
      break;
    }
    case DevEccentricOrifice:
      low = reNom < limitsAt(bmin).min;
      high = re > limitsAt(bmax).max;
      break;
    case DevQuarterCircle:
      // The window's own thresholds: Re_nom 250 for the question, and below
      // 3300 betaMax is the root of the lower limit.
      low = reNom < kQuarterCircleWindowLow;
      if (reNom < kQuarterCircleRootBelow) {
        const SolveResult root = quarterCircleBetaLimit(reNom);
        bmax = root.value;
        status = root.status;
      }
      if (re > limitsAt(range.max).max)
        high = true;
      else if (re > limitsAt(range.min).max)
        bmin = re / kQuarterCircleMaxBeta;
      break;
    case DevConicalEntrance:
      low = reNom < limitsAt(bmin).min;
      if (re > limitsAt(range.max).max)
        high = true;
      else if (re > limitsAt(range.min).max)
        bmin = re / kConicalMaxBeta;
      break;
    default:
      return w;
  }
  w.betaMin = bmin;
  w.betaMax = bmax;
  w.status = SolverStatus::Ok;

  if (bmax - bmin < 0.001L) {
    w.status = SolverStatus::BetaWindowTooNarrow;
    return w;
  }
  if (status != SolverStatus::Ok) {
    w.status = status;
    return w;
  }

  if (low) {
    const std::string v = formatGeneral(reNom, 8);
    if (ui.askQuestion({Msg::ReynoldsNominalTooSmall, {v}})) {
      w.acceptedLow = true;
    } else {
      w.status = SolverStatus::ReynoldsLowDeclined;
      w.limit = reNom;
      return w;
    }
  }
  if (high) {
    const std::string v = formatGeneral(re, 8);
    if (ui.askQuestion({Msg::ReynoldsMaximumTooLarge, {v}})) {
      w.acceptedHigh = true;
    } else {
      w.status = SolverStatus::ReynoldsHighDeclined;
      w.limit = re;
      return w;
    }
  }

  // Can the upper-range dp be produced inside the window?  betaMax gives the
  // lowest dp, betaMin the highest.
  // A failure of either solve, a straight length too short for that beta
  // among them, ends the check with its status.
  const DpSolution atMax = solveDp(device, fluid, task, massFlowKgH, bmax);
  DpSolution atMin;
  if (atMax.status == SolverStatus::Ok) atMin = solveDp(device, fluid, task, massFlowKgH, bmin);
  if (atMax.status != SolverStatus::Ok || atMin.status != SolverStatus::Ok) {
    w.status = atMax.status != SolverStatus::Ok ? atMax.status : atMin.status;
    return w;
  }
  const auto inDpUnit = [&](Real dpPa) {
    return dpUnit == 1 ? dpPa * kPaToKgm2 : dpPa * 0.001L;
  };
  const Real dpLow = atMax.dpPa * kPaToKgm2;
  const Real dpHigh = atMin.dpPa * kPaToKgm2;
  if (dpLow > dp) {
    w.status = SolverStatus::DpBelowLimit;
    w.limit = inDpUnit(atMax.dpPa);
    w.decimals = 2;
  }
  if (dpHigh < dp) {
    w.status = SolverStatus::DpAboveLimit;
    w.limit = inDpUnit(atMin.dpPa);
    w.decimals = 2;
  }
  return w;
}

}  // namespace dorvel
