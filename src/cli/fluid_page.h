// The fluid-property page without a window: what its buttons do.
#pragma once

#include "calc/case.h"
#include "calc/interaction.h"

namespace dorvel::cli {

// The composition of dry air that "Calculate air properties" puts into the
// mixture slots, mole %: N2 78.104, O2 20.946, Ar 0.9165, He 0.0005,
// CO2 0.033.
void setDryAirComposition(CalculationCase& c);

// Sum of all 30 slots of a composition, %.
Real compositionTotal(const Composition& slots);

// The other-gas "<-" buttons: the hand-typed density, K1, viscosity and
// isentropic exponent become the case's properties.
void takeHandTypedGasProperties(CalculationCase& c);

// Computes the fluid properties of the case as the property page would
// before the results page runs the driver:
//   water, steam, liquid ammonia: computed;
//   air: the dry-air composition, then computed;
//   coke-oven and natural gas: computed from their inputs;
//   other gas: from its composition when that sums to 100 %, otherwise the
//     hand-typed values (every "<-" button pressed);
//   other liquid: the stored density and viscosity are accepted ("OK").
// Returns false when the properties cannot be used (the property routines
// have shown why).
bool computePropertiesAsPageWould(CalculationCase& c, Interaction& ui);

}  // namespace dorvel::cli
