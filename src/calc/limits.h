// Limits of use of the primary devices and the straight lengths of pipe they
// require: ISO 5167-2/-3/-4:2003, ISO/TR 15377:2018 and ASME MFC-14M-2003 as
// this program applies them.
//
// Diameters are in mm.  "D20" is the pipe diameter at 20 degC
// (`pipeDiameter20`), against which the size ranges are tested; "D" is the
// pipe diameter at the working temperature (`pipeDiameter`), used inside
// formulas.  Device codes are those of `DeviceType`; an unknown code is
// answered as documented at each function, never with NaN.
#pragma once

#include "base/case.h"
#include "calc/solver_status.h"

namespace dorvel {

struct LimitRange {
  Real min = 0;
  Real max = 0;
};

// Small-bore orifice plate (ASME MFC-14M): corner tappings with D20 < 25 mm or
// flange tappings with D20 < 50 mm.  The one rule: the driver, the
// coefficients, the fitting list in force, the file, the pages and the window
// all ask it.
bool isSmallBoreOrifice(int deviceType, Real pipeDiameter20);

// The standard a measuring point is designed to: ASME MFC-14M-2003 for the
// small-bore orifices, ISO/TR 15377:2018 for corner tappings below 50 mm and
// the eccentric, quarter-circle and conical entrance orifices, ISO 5167
// otherwise.
enum class Standard { Iso5167, IsoTr15377, AsmeMfc14M };
Standard governingStandard(int deviceType, Real pipeDiameter20);

// The label of a standard where it is shown: the results (the results page,
// the command line and its JSON), the printed page header, and the window's
// three standard labels.
enum class StandardLabelUse { Results, Printed, Window };
const char* standardLabel(Standard standard, StandardLabelUse use);

// Admissible pipe diameter D20 [mm] of a device.  Unknown code: {0, 0}, so
// every diameter is reported too large.
LimitRange pipeDiameterRange(int deviceType);

// Minimum orifice or throat diameter dmin [mm] for the device and D20 [mm].
// Unknown code: the default 1.2 mm.
Real minimumThroatDiameter(int deviceType, Real pipeDiameter20);

// Admissible diameter ratio beta (at the working temperature) in the
// differential-pressure and flowrate tasks, with the small-pipe overrides of
// the orifice plates.  The diameter task uses the Reynolds-dependent window
// of `checkBetaWindow` instead.  Unknown code: {0, 0}.
LimitRange betaRange(int deviceType, Real pipeDiameter20);

// Reynolds-number limits Re_D of a device at this beta.  D is the pipe
// diameter at t [mm] (flange tappings: 170*beta^2*D), D20 decides the
// small-bore cases.  `hasMax` is false for the orifice plates (codes 1-3):
// their upper limit is the 1e9 that the driver sets.  Unknown code: {0, 0,
// false}.
struct ReynoldsLimits {
  Real min = 0;
  Real max = 0;
  bool hasMax = false;
};
ReynoldsLimits reynoldsLimitsOf(int deviceType, Real beta, Real pipeDiameter, Real pipeDiameter20);

// The numbers of those limits, for the rules that invert them (the beta
// window of the diameter task finds the betas at which Re_D meets them).
namespace reynolds_limit {
inline constexpr Real kOrifice = 5000;              // orifice plates, Re_D >= 5000
inline constexpr Real kOrificeSteepBeta = 0.56L;    // above it Re_D >= 16000 beta^2
inline constexpr Real kOrificeBeta2 = 16000;
inline constexpr Real kFlangeBeta2D = 170;          // flange tappings, Re_D >= 170 beta^2 D
inline constexpr Real kSmallBore = 1000;            // ASME MFC-14M, Re_D > 1000
inline constexpr Real kIsaStepBeta = 0.44L;         // ISA 1932: 70000 below it, 20000 above
inline constexpr Real kIsaLowBeta = 70000;
inline constexpr Real kIsaHighBeta = 20000;
inline constexpr Real kNozzleMax = 1e7L;            // ISA 1932 and long radius nozzles
inline constexpr Real kLongRadius = 10000;
inline constexpr Real kVenturiNozzle = 150000;
inline constexpr Real kVenturiMax = 2e6L;           // Venturi nozzle and tubes
inline constexpr Real kEccentricBeta2 = 200000;     // eccentric: Re_D >= 200000 beta^2
inline constexpr Real kEccentricMaxBeta = 1e6L;     //            Re_D <= 1e6 beta
inline constexpr Real kQuarterCircleMaxBeta = 1e5L; // quarter circle: Re_D <= 1e5 beta
inline constexpr Real kVenturiTube = 200000;
inline constexpr Real kConical = 80;                // conical entrance: Re_D >= 80,
inline constexpr Real kConicalMaxBeta = 200000;     //                   Re_D <= 200000 beta
}  // namespace reynolds_limit

// Upper limit of 10^4*Ra/D for orifice plates (ISO 5167-2:2003 Table 3),
// bilinear in beta and Re_D (not yet multiplied by pi).
Real orificeRoughnessTable(Real beta, Real reynolds);
// Upper limit of 10^4*k/D for the ISA 1932 and Venturi nozzles
// (ISO 5167-3:2003 Table 1), linear in beta.
Real nozzleRoughnessTable(Real beta);
// `roughnessLimitFactor`: the upper limit of 10^4*k/D for the device
// (orifice plates: pi times the Ra table; small-bore orifices: 0.00025).
// `reynolds` is the Re_D of the coefficient equation.  Unknown code: 0.
Real roughnessLimitFactorOf(int deviceType, Real pipeDiameter20, Real beta, Real reynolds);

// Required straight lengths, in multiples of D.
//   upstreamA   - for zero additional uncertainty (`upstreamLengthRequired`)
//   upstreamB   - for 0.5 % additional uncertainty (`upstreamLengthB`)
//   downstreamA - `downstreamLengthRequired`
//   downstreamB - `downstreamLengthB`
// `known` is false when the fitting code is outside the list of the device
// family (or the device code is unknown): all lengths are then 0 and the
// straight-length check has nothing to test.
struct StraightLengths {
  Real upstreamA = 0;
  Real upstreamB = 0;
  Real downstreamA = 0;
  Real downstreamB = 0;
  bool known = false;
};
enum class LengthTable { Orifice, SmallBore, Nozzle, Venturi, None };
// The table a device uses, which is also the upstream-fitting list in force
// (the list the input page offers, whose code the file stores and the
// printed page names): orifice (codes 1-3 unless small-bore, 7, 12),
// small-bore (codes 1 and 3 in small pipes, `isSmallBoreOrifice`), nozzle (4,
// 5, 6, 8), Venturi (9, 10, 11); None for an unknown code.
LengthTable straightLengthTable(int deviceType, Real pipeDiameter20);
// The case field that holds the fitting code of a list: `fittingOrifice`
// (also for None), `fittingAsme`, `fittingNozzle`, `fittingVenturi`.
int CalculationCase::*fittingFieldOf(LengthTable list);
// Number of items of a list (12, 9, 10, 8; None: 0).
int fittingCount(LengthTable list);
// Printed name of item `code` (1-based) of a list, "" outside it.
const char* fittingItemName(LengthTable list, int code, bool english);
// The same item as the input page lists it (English; the window translates
// it, `fields` names the code with it), "" outside the list.
const char* fittingListItem(LengthTable list, int code);
// Lookup for one table and fitting code (1-based, as in the case).
StraightLengths straightLengthsFor(LengthTable table, int fitting, Real beta);
// Lookup for the case: device, D20 and the fitting code of the family
// (`fittingOrifice`, `fittingAsme`, `fittingNozzle` or `fittingVenturi`).
StraightLengths requiredStraightLengths(const CalculationCase& c, Real beta);

// Straight-length check against the installed lengths L1 =
// `upstreamLengthActual`, L2 = `downstreamLengthActual` [m] and D20 [mm].  A
// length of 0 (or a negative or non-finite one) is "not stated" and passes.
// Returns the status (0, 1305, 1306 or 1307) and whether 0.5 % must be added
// to the uncertainty of C (any side shorter than its A length).
struct StraightLengthCheck {
  SolverStatus status = SolverStatus::Ok;
  bool addUncertainty = false;
};
StraightLengthCheck checkStraightLengths(const StraightLengths& req, Real upstreamActualM,
                                         Real downstreamActualM, Real pipeDiameter20);

// The four limit values shown with the results and printed in the report,
// from a finished calculation.  Reads `reynoldsMin`, `reynoldsMax`,
// `reynolds`, `massFlowKgH`, `flowUnitFactor`, `deviceDiameter`,
// `roughnessLimitFactor`, `deviceType`, `pipeDiameter20`; writes
//   `lowerRangeFlowrate`    = reynoldsMin/reynolds * massFlowKgH * flowUnitFactor [flowUnit]
//   `reynoldsLimitFlowrate` = reynoldsMax/reynolds * massFlowKgH * flowUnitFactor [flowUnit]
//   `edgeRadiusLimit`       = 0.0004 * deviceDiameter [mm]
//   `roughnessLimit`        = roughnessLimitFactor * 1e-4 * D20 [mm]
//                             (small-bore orifices: roughnessLimitFactor itself)
// A Reynolds number that is not positive and finite gives 0 for both
// flowrates.
void computeLimitValues(CalculationCase& c);

}  // namespace dorvel
