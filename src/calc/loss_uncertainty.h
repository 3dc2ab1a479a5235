// Permanent pressure loss and the uncertainty of the flowrate.
//
// Both are value functions: their inputs are values, their results are
// values, and they neither read nor write a case.  The driver applies them
// to the main result and stores what they return; the range table and the
// graphs apply them to other readings with inputs made by the same
// `uncertaintyInputsOf`, so every reading carries every term the main
// result carries.  Uncertainties are relative, in %.
#pragma once

#include "base/case.h"
#include "base/uncertainty_budget.h"

namespace dorvel {

//! Ratio of the permanent pressure loss to the differential pressure
//! (`pressureLoss`).
//!   Venturi nozzle and classical Venturi tubes (6, 9, 10, 11): 0.2.
//!   Corner tappings with D20 >= 25 mm, every other device with D20 >= 50 mm
//!   (ISO 5167-2:2003 5.4): S = sqrt(1 - beta^4 (1 - C^2)),
//!     ratio = (S - C beta^2)/(S + C beta^2).
//!   Otherwise: Y = C beta^2/sqrt(1 - beta^4), ratio = (1 - Y)/(1 + Y).
//! beta not in (0, 1) or a non-finite C gives 0.  The simple form turns
//! negative when C beta^2 > sqrt(1 - beta^4), far outside the equations'
//! range: the driver refuses such a result.
Real pressureLossOf(int deviceType, Real pipeDiameter20, Real C, Real beta);

//! The declared sources of uncertainty of a measuring point.
struct UncertaintySources {
  Real extraC = 0;                  // additional uncertainty of C [%]
  Real dpTransmitterError = 0;      // [% of the reference value]
  Real dpTransmitterReference = 0;  // reference value of that error [kG/m2]
  Real densityUncertainty = 0;      // [%]
  Real pressureTransmitterError = 0;     // [%], gases
  Real temperatureTransmitterError = 0;  // [%], gases
  Real k1Uncertainty = 0;                // [%], gases
  Real refDensityUncertainty = 0;        // [%], gases
};

//! A differential-pressure transmitter error counts only with a positive
//! reference value (in any unit): without it the error is not declared.
bool dpTransmitterDeclared(Real error, Real reference);
//! Some source of the density uncertainty is given: for a liquid the
//! entered density uncertainty, for a gas any of the five.
bool densityUncertaintyDeclared(const UncertaintySources& s, bool compressible);

//! Increment of the uncertainty of C for a drain hole (ISO/TR 15377):
//! 100 k (dh/d20)^2 [%]; 0 without a drain hole.
Real drainHoleUncertaintyIncrement(Real drainHoleFactor, Real drainHoleDiameter,
                                   Real deviceDiameter20);

//! Everything the uncertainty of one reading depends on.
struct UncertaintyInputs {
  int fluidKind = FluidWater;
  int deviceType = DevOrificeCorner;
  Real pipeDiameter20 = 0;  // mm
  Real beta = 0;
  Real expansibility = 1;   // epsilon of the reading
  Real isentropicExponent = 0;
  Real pressureAt = 0;      // p1 [kG/cm2]
  Real dp = 0;              // differential pressure of the reading [kG/m2]
  Real cEquation = 0;       // u(C) of the coefficient equation at the reading [%]
  Real drainHoleIncrement = 0;  // [%], from drainHoleUncertaintyIncrement
  UncertaintySources sources;
};

//! The inputs of a reading of a finished case: its device, fluid state,
//! drain hole and declared sources, with the differential pressure `dp`
//! [kG/m2] and the equation's u(C) `cEquation` [%] of that reading (for the
//! main result `dpMmH2O` and the coefficient routine's `cUncertainty` before
//! the drain-hole increment).  The expansibility is the case's
//! `expansibility`: the solvers leave the reading's value there.
UncertaintyInputs uncertaintyInputsOf(const CalculationCase& c, Real dp, Real cEquation);

//! The uncertainty budget of a reading (ISO 5167-1:2003 eq. (22)):
//!   u_qm = sqrt[(uC + u_dh + extraC)^2 + u_eps^2 + uD^2 + ud^2 + udp^2/4 + urho^2/4]
//! with u_eps by device (corner, D-D/2, flange, eccentric and quarter-circle
//! orifices 3.5 x/kappa, small-bore orifices 4 x, ISA 1932 and long radius
//! nozzles 2 x, Venturi (4 + 100 beta^8) x, conical entrance 33 (1 - eps);
//! x = dp/p1), udp = 1.1547 e_dp dp_ref/dp and urho as UncertaintyBudget
//! describes.  Invalid (valid = false, zeros): dp not positive and finite,
//! beta not in (0, 1), a gas with p1 or kappa not positive and finite, any
//! non-finite term.
UncertaintyBudget flowUncertaintyOf(const UncertaintyInputs& in);

}  // namespace dorvel
