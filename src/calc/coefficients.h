// Device coefficients: geometry at the working temperature, the discharge
// coefficient C with its uncertainty, the expansibility factor and the
// quarter-circle profile radius, for the twelve primary devices.
//
// Equations: ISO 5167-2:2003 (Reader-Harris/Gallagher orifice equation),
// ISO 5167-3:2003 (ISA 1932, long radius and Venturi nozzles), ISO 5167-4:2003
// (classical Venturi tubes), ISO/TR 15377:2018 (eccentric, quarter-circle and
// conical entrance orifices), ASME MFC-14M-2003 (small-bore orifices).
//
// Units: diameters mm, differential pressure kG/m2 (= mm H2O), absolute
// pressure kG/cm2, temperature degC.  The limits of use and straight lengths
// (limits.h) are computed in the same call as C.
//
// Values in, values out: every routine here takes the device set-up and the
// task context as values and returns its results; none reads or writes a
// calculation case.  The driver (driver.h) stores the results.
#pragma once

#include "base/case.h"
#include "calc/limits.h"
#include "calc/solver_status.h"

namespace dorvel {

// ---- geometry ---------------------------------------------------------------

//! Thermal expansion factor L(t)/L(20 degC) of a material (codes 1-7):
//! e = (a*tau + b)*tau + c [mm/m], tau = t/100, clamped at 0, then the linear
//! rule of the material where it applies (not clamped); factor = 1 + e/1000.
//! An unknown material code or a non-finite temperature gives 1.
Real thermalExpansionFactor(int material, Real temperatureC);

//! Thermal expansion of the pipe and the device at the working temperature.
struct ThermalExpansion {
  Real pipeFactor = 1;    // -> `pipeExpansionFactor`
  Real deviceFactor = 1;  // -> `deviceExpansionFactor`
  Real pipeDiameter = 0;  // D at t = pipeFactor * D20 [mm] -> `pipeDiameter`
};
ThermalExpansion expansionFactors(int pipeMaterial, int deviceMaterial, Real temperatureC,
                                  Real pipeDiameter20);

//! Drain-hole factor k: 0.55 for orifice plates (codes 1-3), 0.40 for the
//! ISA 1932 nozzle, 0 for every other (and unknown) device.
Real drainHoleFactorOf(int deviceType);

//! The device at the working temperature, in the differential-pressure and
//! flowrate tasks.
struct DeviceGeometry {
  bool valid = false;           // d20 and D positive and finite, beta finite
  Real drainHoleFactor = 0;     // k -> `drainHoleFactor`
  Real drainHoleDiameter = 0;   // the drain hole in force: 0 for devices with k = 0
                                // (the input page must then show "0")
  Real deviceDiameter = 0;      // d20 * (1 + k*(dh/d20)^2) * deviceFactor [mm]; 0 if invalid
  Real beta = 0;                // deviceDiameter / D; 0 if invalid
};
//! @param deviceDiameter20  d20 [mm]
//! @param drainHoleDiameter dh [mm]
//! @param deviceFactor      thermal expansion factor of the device
//! @param pipeDiameter      D at t [mm]
DeviceGeometry deviceGeometry(int deviceType, Real deviceDiameter20, Real drainHoleDiameter,
                              Real deviceFactor, Real pipeDiameter);

//! Profile radius ratio r/d of a quarter-circle orifice (ISO/TR 15377):
//! r/d = 3.17e-6*e^(16.8*beta) + 0.0554*e^(1.016*beta) + 0.029.
//! Non-finite beta gives 0.
Real quarterCircleRadiusRatio(Real beta);

// ---- discharge coefficient, limits and straight lengths -----------------------

//! The primary device as installed: what the coefficient equations, the
//! limits of use and the straight lengths read.
struct DeviceSetup {
  int deviceType = 0;
  Real pipeDiameter20 = 0;      // D20 [mm]: size ranges, straight lengths
  Real pipeDiameter = 0;        // D at t [mm]: in the equations
  Real eccentricRoughness = 0;  // k [mm], eccentric orifice (code 7)
  // Fitting codes of the four lists; the list in force is chosen by
  // `straightLengthTable` (limits.h).
  int fittingOrifice = 1, fittingAsme = 1, fittingNozzle = 1, fittingVenturi = 1;
  Real upstreamLengthActual = 0;    // L1 [m], 0: not stated
  Real downstreamLengthActual = 0;  // L2 [m], 0: not stated
};
//! The set-up of a case: `deviceType`, `pipeDiameter20`, `pipeDiameter`,
//! `eccentricRoughness`, the four fitting codes and the installed lengths.
DeviceSetup deviceSetupOf(const CalculationCase& c);

//! What the task changes in the coefficients: in the diameter task (task 1)
//! outside a range sweep (rangeMode false) C and epsilon are taken at the
//! nominal flow, nominalPercent % of the upper-range flow.
struct TaskContext {
  int task = TaskFlowrate;
  bool rangeMode = false;
  Real nominalPercent = 100;
};
TaskContext taskContextOf(const CalculationCase& c);

//! Result of one coefficient evaluation.
struct Coefficients {
  //! The straight-length status (Ok, 1305, 1306, 1307), or NoSolution.
  SolverStatus status = SolverStatus::NoSolution;
  Real C = 0;                     // -> `dischargeCoefficient`
  Real uC = 0;                    // % -> `cUncertainty`
  ReynoldsLimits reynoldsLimits;  // -> `reynoldsMin`, `reynoldsMax` (only with hasMax)
  Real roughnessLimitFactor = 0;  // -> `roughnessLimitFactor`
  StraightLengths lengths;        // multiples of D -> the four required lengths
};

//! One evaluation of the coefficient equations of the device at (beta, Re_D).
//!
//! The equations use Re_c = Re_D * nominalPercent/100 when task = 1 and
//! rangeMode = false (the diameter is sized for C at the nominal flow), else
//! Re_c = Re_D.
//!
//! C, its uncertainty u(C) [%] (including the 0.5 % for straight lengths
//! between B and A), the Reynolds limits (`hasMax` only for devices 4-12; the
//! orifice plates keep the driver's 1e9), the roughness limit factor and the
//! required straight lengths A and B upstream and downstream.
//!
//! Status: the straight-length status, or NoSolution when the inputs admit no
//! coefficient: unknown device code, beta not in (0, 1), Re_c not a positive
//! finite number, D or D20 not positive and finite, a negative or non-finite
//! roughness for the eccentric orifice, or an equation whose value is not
//! finite.  C, its uncertainty, the roughness limit and the straight lengths
//! are then 0 and the Reynolds limits are not given (min = max = 0, no max).
Coefficients deviceCoefficients(const DeviceSetup& device, const TaskContext& task, Real beta,
                                Real reynolds);

// ---- expansibility ------------------------------------------------------------

//! Expansibility factor epsilon of a compressible fluid.
//!
//! x = dp/(10000*p1) with dp [kG/m2] and p1 [kG/cm2]; for task = 1 with
//! rangeMode = 0, x is multiplied by (nominalPercent/100)^2 (epsilon at the
//! nominal flow).  tau = 1 - x.
//!   orifice family (codes 1, 2, 3, 7, 8), ISO 5167-2:2003 eq. (5):
//!     eps = 1 - (0.351 + 0.256 beta^4 + 0.93 beta^8)*(1 - tau^(1/kappa))
//!   nozzles and Venturi tubes (4, 5, 6, 9, 10, 11), ISO 5167-3:2003 eq. (3):
//!     eps = 1 for x < 0.001, else
//!     sqrt[kappa tau^(2/kappa)/(kappa-1) * (1-beta^4)/(1-beta^4 tau^(2/kappa))
//!          * (1 - tau^((kappa-1)/kappa))/(1 - tau)]
//!   conical entrance orifice (12): mean of the two.
//! Whether the fluid is compressible is the caller's business (liquids:
//! eps = 1).
//!
//! Outside the domain of the equations (non-finite inputs, beta not in (0, 1),
//! kappa <= 0, kappa = 1 for the nozzle family, p1 <= 0, dp < 0, x >= 1, an
//! unknown device code) the factor is 1, i.e. no correction; the solvers test
//! their inputs first and report NoSolution instead.
Real expansibilityFactor(int deviceType, const TaskContext& task, Real kappa, Real beta,
                         Real dpKgm2, Real p1At);

}  // namespace dorvel
