// The calculation driver: validates the inputs of the case in a fixed order,
// converts units, corrects the diameters for temperature, runs the solver of
// the task, computes uncertainty and pressure loss and raises the warnings of
// a result outside the standard's limits.
#pragma once

#include "base/case.h"
#include "base/interaction.h"
#include "calc/solvers.h"

namespace dorvel {

//! Runs the task of the case.  Returns true when the results are valid.
//!
//! Errors are shown as they are found and collected until the next
//! checkpoint; aborts return at once; questions go to `ui`, and a Yes sets
//! the named warning flag.  `nonConforming` is set whenever a warning was
//! raised or a deviation from the standard was accepted.  A false return
//! leaves the derived fields as far as they had been updated.
bool runCalculation(CalculationCase& c, Interaction& ui, bool& nonConforming);

//! The case fields of a coefficient evaluation, as the driver stores them: a
//! NoSolution clears C, u(C), the roughness limit and the lengths and leaves
//! the Reynolds limits as they were; the orifice plates keep the driver's
//! upper limit.
void storeCoefficients(CalculationCase& c, const Coefficients& k);
//! What a solve leaves in the case besides its unknown: the last
//! coefficients, and on success epsilon.
void storeSolve(CalculationCase& c, const SolveResult& r);

//! The dry part of the working density over the reference density of a gas
//! with the relative humidity phi:
//!   F = (p - phi*ps) * Tref / (T * pref * K1)
//! with p = `pressureKPa`, ps = `satPressure` (kG/cm2, in kPa), Tref, pref the
//! reference conditions and K1 = `compressibilityK1`.  It corrects a
//! hand-typed density of an other gas (rho = rhoRef*F + phi*rho_vapour) and
//! gives the reference-volume flowrate unit (m3/h per kg/h = F/rho).
Real humidityCorrectionFactor(const CalculationCase& c);

//! After a successful run: writes the task's result back into its input
//! field in the user's unit (task 2 `dpInput`, task 3 `flowrateInput`; task 1
//! has already written `deviceDiameter20`), as the results page does.
void storeTaskResult(CalculationCase& c);

}  // namespace dorvel
