// Permanent pressure loss and the uncertainty of the flowrate.
//
// Both routines depend only on their arguments and the case fields named, so
// the range table and graphs call them for other readings.  Uncertainties are
// relative, in %.
#pragma once

#include "base/case.h"

namespace dorvel {

//! Ratio of the permanent pressure loss to the differential pressure
//! (`pressureLoss`).
//!   Venturi nozzle and classical Venturi tubes (6, 9, 10, 11): 0.2.
//!   Corner tappings with D20 >= 25 mm, every other device with D20 >= 50 mm
//!   (ISO 5167-2:2003 5.4): S = sqrt(1 - beta^4 (1 - C^2)),
//!     ratio = (S - C beta^2)/(S + C beta^2).
//!   Otherwise: Y = C beta^2/sqrt(1 - beta^4), ratio = (1 - Y)/(1 + Y).
//! Reads `deviceType`, `pipeDiameter20`.  beta not in (0, 1) or a non-finite
//! C gives 0.
Real pressureLossOf(const CalculationCase& c, Real C, Real beta);

struct FlowUncertainty {
  Real expansibility = 0;  // u_eps [%] -> `expansibilityUncertainty`
  Real flow = 0;           // u_qm  [%] -> `flowUncertainty`
  bool valid = false;      // false: inputs outside the domain, both values 0
};

//! Uncertainty of the flowrate at a reading.
//! @param dp differential pressure of the reading [kG/m2]
//! @param uC uncertainty of C [%] (in the main calculation `cUncertainty`
//!           after the drain-hole increment)
//! Reads `fluidKind`, `deviceType`, `pipeDiameter20`, `beta`, `expansibility`,
//! `isentropicExponent`, `pressureAt` [kG/cm2], `extraCUncertainty`,
//! `dpTransmitterError`, `dpTransmitterReferenceMmH2O` [kG/m2],
//! `densityUncertainty`, `pressureTransmitterError`,
//! `temperatureTransmitterError`, `k1Uncertainty`, `refDensityUncertainty`.
//! Writes nothing: the caller stores the two values.
//!   u_qm = sqrt[(uC + extraC)^2 + u_eps^2 + uD^2 + ud^2 + udp^2/4 + urho^2/4]
//! Invalid (valid = false, zeros): dp not positive and finite, beta not in
//! (0, 1), a gas with p1 or kappa not positive and finite, any non-finite
//! term.
FlowUncertainty flowUncertaintyOf(const CalculationCase& c, Real dp, Real uC);

}  // namespace dorvel
