// Small routines shared by the driver, the property routines and the pages:
// number entry, pressure-unit conversion and the property-input snapshot.
#pragma once

#include <string>

#include "base/case.h"
#include "base/interaction.h"

namespace dorvel {

// Parses the text of a numeric edit into `field`.  Leading blanks are
// dropped, "" and "-" store 0, a comma is read as the decimal point.  A text
// that is not a number shows "Number error " + text and leaves the field as it
// was.  `caseModified` is set only when the stored value really changed.
// Returns false on a number error.
bool readNumber(CalculationCase& c, Real& field, const std::string& text, Interaction& ui);

// Internal pressures (kG/cm2, bar, kPa) from pressureInput/pressureUnit, and
// the differential pressures in mm H2O from dpInput/dpUnit.
void convertPressureUnits(CalculationCase& c);

// Snapshot of the inputs that the fluid properties were computed from.
void rememberPropertyInputs(CalculationCase& c);
// True while the snapshot still matches the case for this fluid kind.
bool propertiesCurrent(const CalculationCase& c, int fluidKind);

}  // namespace dorvel
