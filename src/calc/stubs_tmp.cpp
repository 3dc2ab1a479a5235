// Placeholder implementations; replaced by the real routines.
#include "calc/coefficients.h"
#include "calc/limits.h"
#include "calc/loss_uncertainty.h"
#include "calc/solvers.h"

namespace dorvel {
bool isSmallBoreOrifice(int, Real) { return false; }
LimitRange pipeDiameterRange(int) { return {}; }
Real minimumThroatDiameter(int, Real) { return 1.2L; }
LimitRange betaRange(int, Real) { return {}; }
ReynoldsLimits reynoldsLimitsOf(int, Real, Real, Real) { return {}; }
Real orificeRoughnessTable(Real, Real) { return 0; }
Real nozzleRoughnessTable(Real) { return 0; }
Real roughnessLimitFactorOf(int, Real, Real, Real) { return 0; }
LengthTable straightLengthTable(int, Real) { return LengthTable::None; }
StraightLengths straightLengthsFor(LengthTable, int, Real) { return {}; }
StraightLengths requiredStraightLengths(const CalculationCase&, Real) { return {}; }
StraightLengthCheck checkStraightLengths(const StraightLengths&, Real, Real, Real) { return {}; }
void computeLimitValues(CalculationCase&) {}
Real thermalExpansionFactor(int, Real) { return 1; }
void expansionFactors(CalculationCase&) {}
Real drainHoleFactorOf(int) { return 0; }
bool deviceGeometry(CalculationCase&) { return false; }
Real quarterCircleRadiusRatio(Real) { return 0; }
SolverStatus deviceCoefficients(CalculationCase&, Real, Real) { return SolverStatus::NoSolution; }
Real expansibilityFactor(const CalculationCase&, Real, Real, Real, Real) { return 1; }
SolveResult solveFlowrate(CalculationCase&, Real, Real, Real, Real, Real, Real, Real) { return {0, SolverStatus::NoSolution, 0}; }
SolveResult solveDifferentialPressure(CalculationCase&, Real, Real) { return {0, SolverStatus::NoSolution, 0}; }
SolveResult solveBeta(CalculationCase&, Real, Real) { return {0, SolverStatus::NoSolution, 0}; }
BetaWindowResult checkBetaWindow(CalculationCase&, Interaction&, Real, Real, Real) { return {SolverStatus::NoSolution, 0, 0, 0, 0}; }
SolveResult quarterCircleBetaLimit(Real) { return {0.6L, SolverStatus::NoSolution, 0}; }
Real pressureLossOf(const CalculationCase&, Real, Real) { return 0; }
FlowUncertainty flowUncertaintyOf(const CalculationCase&, Real, Real) { return {}; }
}  // namespace dorvel
