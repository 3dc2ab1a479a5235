// The three task solvers and the beta-window check of the diameter task.
//
// Flow equation (ISO 5167-1:2003 eq. (1)):
//   qm = C/sqrt(1 - beta^4) * eps * (pi/4) * d^2 * sqrt(2 * dp * rho)
// The solvers work in SI internally (Pa, kg/s, m, Pa*s) and take and give the
// technical units of the case: dp kG/m2 (= mm H2O), p1 kG/cm2, D mm, mass flow
// kg/h, density kg/m3; the viscosity is in Pa*s.
//
// Values in, values out: each solver takes the device set-up and the task
// context (coefficients.h) and the fluid state as values and returns a
// `Solve`: its unknown, the passes made, the status, and the last coefficient
// evaluation (C, u(C), Reynolds limits, roughness limit, straight lengths)
// with the Re_D and epsilon that went with it.  None writes a case: the driver
// (driver.h) stores what it keeps.  Liquids (not compressible) have eps = 1.
// Loops stop at a relative change of 1e-8 or after 21 passes, the last values
// standing without error.
//
// Bad inputs (non-positive or non-finite dp, flow, D, beta, density,
// viscosity, pressure or kappa of a gas; beta not in (0, 1); an unknown device
// code) give SolverStatus::NoSolution (1300) and value 0: never NaN.
#pragma once

#include "base/case.h"
#include "base/interaction.h"
#include "calc/coefficients.h"
#include "calc/solver_status.h"

namespace dorvel {

//! The fluid at the device.
struct FluidState {
  Real density = 0;       // rho, working density [kg/m3]
  Real viscosity = 0;     // mu, dynamic viscosity [Pa*s]
  Real kappa = 0;         // isentropic exponent (compressible fluids)
  Real pressureAt = 0;    // p1, upstream absolute pressure [kG/cm2] (compressible fluids)
  bool compressible = false;
};
//! The fluid of a case: `density`, `viscosityPaS`, `isentropicExponent`,
//! `pressureAt` and whether `fluidKind` is compressible.
FluidState fluidStateOf(const CalculationCase& c);

//! Result of a solve.
struct SolveResult {
  Real value = 0;                           // the solver's unknown, see each solver
  SolverStatus status = SolverStatus::Ok;   // Ok, a straight-length status, or NoSolution
  int passes = 0;                           // loop passes made (at most 21)
  //! The last coefficient evaluation; `coefficientsEvaluated` is false when
  //! the solve failed before one was made.
  Coefficients coefficients;
  bool coefficientsEvaluated = false;
  //! Re_D of the last pass; `reynoldsKnown` false when none was formed.
  Real reynolds = 0;
  bool reynoldsKnown = false;
  Real expansibility = 1;  // epsilon of the result
  Real dpKPa = 0;          // differential-pressure solve: the value in kPa
};

inline constexpr int kSolverMaxPasses = 21;
inline constexpr Real kSolverTolerance = 1e-8L;

//! Flowrate task: mass flowrate [kg/h] (= value) from the differential
//! pressure.
//! @param dp    differential pressure [kG/m2]
//! @param beta  diameter ratio d/D at t
//! Gives the last Re_D (formed with the previous C), epsilon and the
//! coefficients at that Re_D.  Status: the straight-length status of the last
//! coefficient evaluation, or NoSolution.
SolveResult solveFlowrate(const DeviceSetup& device, const FluidState& fluid,
                          const TaskContext& task, Real dp, Real beta);

//! Differential-pressure task: differential pressure [kG/m2] (= value, and in
//! kPa `dpKPa`) from the mass flowrate.
//! @param massFlowKgH mass flowrate [kg/h]
//! @param beta        diameter ratio d/D at t
//! Gives Re_D of the flow (known as soon as it is formed, failures
//! included), epsilon and the coefficients.  Re_D above 1e9 returns
//! NoSolution with Re_D known and no coefficient evaluated.
SolveResult solveDifferentialPressure(const DeviceSetup& device, const FluidState& fluid,
                                      const TaskContext& task, Real massFlowKgH, Real beta);

//! Diameter task: beta (= value) from the upper-range differential pressure
//! and Re_D (with task 1 and rangeMode false the coefficients are taken at the
//! nominal flow).
//! @param dp       upper-range differential pressure [kG/m2]
//! @param reynolds Re_D at the upper-range flowrate
SolveResult solveBeta(const DeviceSetup& device, const FluidState& fluid,
                      const TaskContext& task, Real dp, Real reynolds);

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
  // The upper Reynolds limit of the nozzles and Venturi tubes (devices 4, 5,
  // 6, 9, 10, 11), given once the window is known -> `reynoldsMax`.
  bool hasReynoldsMax = false;
  Real reynoldsMax = 0;
  // The user accepted the Reynolds number at the nominal flow below, or at
  // the upper-range flow above, the device's limits (Yes to the question):
  // part of the range lies outside it -> `rangePartlyOutside` and
  // `warnReynoldsLow` / `warnReynoldsHigh`.
  bool acceptedLow = false;
  bool acceptedHigh = false;
};

//! Diameter task, before `solveBeta`: the admissible beta window from the
//! Reynolds-number limits of the device, and whether the upper-range dp can
//! be reached inside it.
//! @param dp             upper-range differential pressure [kG/m2]
//! @param massFlowKgH    upper-range mass flowrate [kg/h]
//! @param reynolds       Re_D at the upper-range flowrate
//! @param dpUnit         the unit of the limit given with 1298/1299 (1: mm H2O, else kPa)
//! The nominal percentage is the task context's.  Asks the two
//! Reynolds-number questions through `ui` (No gives 1302/1303).  The two
//! differential-pressure solves at betaMax and betaMin end the check with
//! their status when it fails: NoSolution, or a straight length too short
//! at betaMax (1305 to 1307; then betaMin is not tried) or at betaMin.
BetaWindowResult checkBetaWindow(const DeviceSetup& device, const FluidState& fluid,
                                 const TaskContext& task, Interaction& ui, Real dp,
                                 Real massFlowKgH, Real reynolds, int dpUnit);

//! Quarter-circle orifice: the beta at which the lower Reynolds limit
//! 1000*beta + 9.4e6*(beta - 0.24)^8 equals Re_nom, by false position on
//! [0.245, 0.6] to |g| < 1e-6.  Ok with the root in `value`; when the limit
//! at 0.6 is already met the value is 0.6, when it is not met even at 0.245
//! the value is 0.245; NoSolution (value 0.6) after 2000 iterations or for a
//! non-finite Re_nom.
SolveResult quarterCircleBetaLimit(Real reynoldsNominal);

}  // namespace dorvel
