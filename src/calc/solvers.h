// The three task solvers and the beta-window check of the diameter task.
//
// Flow equation (ISO 5167-1:2003 eq. (1)):
//   qm = C/sqrt(1 - beta^4) * eps * (pi/4) * d^2 * sqrt(2 * dp * rho)
// The solvers work in SI internally (Pa, kg/s, m, Pa*s) and take and give the
// technical units of the case: dp kG/m2 (= mm H2O), p1 kG/cm2, viscosity
// kG*s/m2 (or Pa*s where stated), D mm, mass flow kg/h, density kg/m3.
//
// Each solver calls the coefficient routine (coefficients.h) per pass, so it
// also leaves in the case: `dischargeCoefficient`, `cUncertainty`,
// `reynoldsMin`, `reynoldsMax` (devices 4-12), `roughnessLimitFactor` and the
// four required straight lengths.  Liquids (non-compressible `fluidKind`) have
// eps = 1.  Loops stop at a relative change of 1e-8 or after 21 passes, the
// last values standing without error.
//
// Bad inputs (non-positive or non-finite dp, flow, D, beta, density,
// viscosity, pressure or kappa of a gas; beta not in (0, 1); an unknown device
// code) give SolverStatus::NoSolution (1300), value 0, and the primary result
// field of the solver (`massFlowKgH`, `dpMmH2O`/`dpKPa`, `beta`) set to 0:
// never NaN, never a stale value.
#pragma once

#include "base/case.h"
#include "base/interaction.h"
#include "calc/solver_status.h"

namespace dorvel {

struct SolveResult {
  Real value = 0;                           // the solver's unknown, see each solver
  SolverStatus status = SolverStatus::Ok;   // Ok, a straight-length status, or NoSolution
  int passes = 0;                           // loop passes made (at most 21)
};

inline constexpr int kSolverMaxPasses = 21;
inline constexpr Real kSolverTolerance = 1e-8L;

//! Flowrate task: mass flowrate from the differential pressure.
//! @param dp    differential pressure [kG/m2]
//! @param beta  diameter ratio d/D at t
//! @param p1    upstream absolute pressure [kG/cm2] (gases)
//! @param kappa isentropic exponent (gases)
//! @param mu    dynamic viscosity [kG*s/m2]
//! @param D     pipe diameter at t [mm]
//! @param rho   working density [kg/m3]
//! Reads `fluidKind` and the coefficient inputs; writes `massFlowKgH` [kg/h]
//! (= value), `reynolds` (the last Re_D, formed with the previous C),
//! `dischargeCoefficient`, `expansibility`, `cUncertainty`, the limits and
//! straight lengths.  Status: the straight-length status of the last
//! coefficient call, or NoSolution.
SolveResult solveFlowrate(CalculationCase& c, Real dp, Real beta, Real p1, Real kappa, Real mu,
                          Real D, Real rho);

//! Differential-pressure task: differential pressure from the mass flowrate.
//! @param massFlowKgH mass flowrate [kg/h]
//! @param beta        diameter ratio d/D at t
//! Reads `density`, `viscosityPaS`, `pipeDiameter`, `pressureAt`,
//! `isentropicExponent`, `fluidKind` and the coefficient inputs.  Writes
//! `reynolds`, `dischargeCoefficient`, `expansibility`, `cUncertainty`, the
//! limits and straight lengths, `dpMmH2O` [kG/m2] (= value) and `dpKPa`.
//! Re_D above 1e9 writes `reynolds` only and returns NoSolution with
//! `dpMmH2O` = `dpKPa` = 0 (no coefficient is evaluated there).
SolveResult solveDifferentialPressure(CalculationCase& c, Real massFlowKgH, Real beta);

//! Diameter task: beta from the upper-range differential pressure and Re_D.
//! @param dp       upper-range differential pressure [kG/m2]
//! @param reynolds Re_D at the upper-range flowrate
//! Reads `density`, `viscosityTech`, `pipeDiameter`, `pressureAt`,
//! `isentropicExponent`, `fluidKind` and the coefficient inputs (with task 1
//! and rangeMode 0 the coefficients are taken at the nominal flow).  Writes
//! `beta` (= value), `dischargeCoefficient`, `expansibility`, `cUncertainty`,
//! the limits and straight lengths; `reynolds` is not changed.
SolveResult solveBeta(CalculationCase& c, Real dp, Real reynolds);

//! Result of the beta-window check.
struct BetaWindowResult {
  SolverStatus status = SolverStatus::Ok;
  // 1298/1299: the limiting differential pressure, in mm H2O when
  // `dpUnit` = 1, else in kPa.  1302: Re at the nominal flow; 1303: Re_D;
  // 1304 and others: 0.
  Real limit = 0;
  int decimals = 0;  // 2 with 1298/1299, else 0
  Real betaMin = 0;  // the admissible window found (for display and tests)
  Real betaMax = 0;
};

//! Diameter task, before `solveBeta`: the admissible beta window from the
//! Reynolds-number limits of the device, and whether the upper-range dp can
//! be reached inside it.
//! @param dp             upper-range differential pressure [kG/m2]
//! @param nominalPercent nominal flowrate as % of the upper-range flowrate
//! @param reynolds       Re_D at the upper-range flowrate
//! Asks the two Reynolds-number questions through `ui` (Yes sets
//! `rangePartlyOutside` and `warnReynoldsLow`/`warnReynoldsHigh`; No gives
//! 1302/1303).  Devices 4, 5, 6, 9, 10, 11 set `reynoldsMax`.  The two
//! differential-pressure solves at betaMax and betaMin use `massFlowKgH`; the
//! case fields they touch are restored afterwards (in particular `dpMmH2O`,
//! the upper-range dp, is left as it was).  A failing status of those
//! solves ends the check with that status: NoSolution, or a straight length
//! too short at betaMax (1305 to 1307; then betaMin is not tried) or at
//! betaMin.
BetaWindowResult checkBetaWindow(CalculationCase& c, Interaction& ui, Real dp,
                                 Real nominalPercent, Real reynolds);

//! Quarter-circle orifice: the beta at which the lower Reynolds limit
//! 1000*beta + 9.4e6*(beta - 0.24)^8 equals Re_nom, by false position on
//! [0.245, 0.6] to |g| < 1e-6.  Ok with the root in `value`; when the limit
//! at 0.6 is already met the value is 0.6, when it is not met even at 0.245
//! the value is 0.245; NoSolution (value 0.6) after 2000 iterations or for a
//! non-finite Re_nom.
SolveResult quarterCircleBetaLimit(Real reynoldsNominal);

}  // namespace dorvel
