// The uncertainty budget of a flowrate: every term that enters the combined
// relative uncertainty of the flowrate, and the total (ISO 5167-1:2003
// 8.2.2, eq. (22)).  All values are relative uncertainties in %.
//
// The budget is a plain value: `flowUncertaintyOf` (calc/loss_uncertainty.h)
// makes it, the driver stores the main result's budget in the case, the
// range table and graphs make one per reading, and every page prints its
// terms from it.
#pragma once

namespace dorvel {

struct UncertaintyBudget {
  using Real = long double;

  bool valid = false;  // false: inputs outside the domain, every value 0

  // Discharge coefficient: the equation's own uncertainty, the drain-hole
  // increment 100 k (dh/d20)^2 and the user's additional uncertainty.  They
  // add linearly; `dischargeCoefficient` is their sum, the term that enters.
  Real cEquation = 0;
  Real drainHole = 0;
  Real extraC = 0;
  Real dischargeCoefficient = 0;

  Real expansibility = 0;  // u_eps, 0 for liquids
  // Diameters: 0.4 % of D and 0.07 % of d times their sensitivity
  // coefficients 2 beta^4/(1 - beta^4) and 2/(1 - beta^4).
  Real pipeDiameter = 0;
  Real deviceDiameter = 0;
  // Differential pressure: 1.1547 x transmitter error x reference value / dp;
  // enters with the sensitivity 1/2.  0 when the error is not declared.
  Real differentialPressure = 0;
  // Density, enters with the sensitivity 1/2.  Liquids: the entered density
  // uncertainty alone.  Gases: the root sum of squares of the parts below.
  Real density = 0;
  Real densityEntered = 0;
  Real pressureTransmitter = 0;     // 1.1547 x pressure transmitter error (gases)
  Real temperatureTransmitter = 0;  // 1.1547 x temperature transmitter error (gases)
  Real k1 = 0;                      // compressibility factor K1 (gases)
  Real refDensity = 0;              // density at reference conditions (gases)

  Real total = 0;  // u_qm

  // A differential-pressure transmitter error counts only with its reference
  // value; a density uncertainty only when one of its sources is given.
  bool dpDeclared = false;
  bool densityDeclared = false;
  // Both declared: the total is the overall uncertainty, otherwise a partial
  // one.
  bool complete() const { return dpDeclared && densityDeclared; }
};

}  // namespace dorvel
