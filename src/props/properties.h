// The property dispatcher: turns the fluid inputs of the case into the
// properties the flow calculation consumes, after checking them, and
// remembers the inputs they were computed from.
#pragma once

#include "base/case.h"
#include "base/interaction.h"

namespace dorvel {

//! Computes and checks the properties of `fluidKind` and stores them in the
//! case; true when they are valid and the calculation may go on.  Every
//! failure shows its message through `ui` (English selected).
bool computeFluidProperties(CalculationCase& c, int fluidKind, Interaction& ui);

//! Validity checks of the inputs of `fluidKind`, with their messages.
bool checkPropertyInputs(CalculationCase& c, int fluidKind, Interaction& ui);

//! Sum of all 30 slots of a composition.
Real compositionSum(const Composition& composition);
//! N2 + O2 + H2 + CO + CO2 + CH4 of the mixture composition, plus CnHm.
Real cokeGasCompositionSum(const Composition& mixtureComposition, Real cnHm);

//! What the fluid-property page does before the results page when the
//! stored properties are not trusted, for a case that was read from a file
//! or built by a script:
//!  - water, steam, liquid ammonia: computed;
//!  - air: the built-in dry-air composition, then computed;
//!  - coke-oven and natural gas: computed from their inputs;
//!  - other gas: computed from its composition when the composition is
//!    complete, otherwise the hand-typed values are taken (each "<-" button);
//!  - other liquid: the stored density and viscosity stand.
//! Returns false (with the messages shown) when the properties are invalid.
bool preparePropertiesAsPage(CalculationCase& c, Interaction& ui);

//! The four "<-" buttons of the other-gas page: the hand-typed density,
//! compressibility ratio, viscosity and isentropic exponent taken over.
void takeManualGasProperties(CalculationCase& c);
// One of them, as the page's "<-" buttons take it: the density (as the
// working or the reference density, by `densityKind`, marked as typed by
// hand), K1, the viscosity or the isentropic exponent; the property snapshot
// is taken again.
enum class ManualGasProperty { Density, K1, Viscosity, IsentropicExponent };
void takeManualGasProperty(CalculationCase& c, ManualGasProperty property);

}  // namespace dorvel
