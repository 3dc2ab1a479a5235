#include "cli/fluid_page.h"

#include <cmath>

#include "calc/shared.h"
#if __has_include("props/properties.h")
#include "props/properties.h"
#define DORVEL_HAVE_PROPERTY_DISPATCHER 1
#endif

namespace dorvel::cli {

void setDryAirComposition(CalculationCase& c) {
  c.compositionInMolePercent = 1;
  for (size_t i = 0; i < 22; ++i) c.mixtureComposition[i] = 0;
  c.mixtureComposition[1] = 78.104L;   // N2
  c.mixtureComposition[2] = 20.946L;   // O2
  c.mixtureComposition[4] = 0.9165L;   // Ar
  c.mixtureComposition[5] = 0.0005L;   // He
  c.mixtureComposition[10] = 0.033L;   // CO2
  for (size_t i = 0; i < 22; ++i) c.mixtureMolePercent[i] = c.mixtureComposition[i];
}

Real compositionTotal(const Composition& slots) {
  Real sum = 0;
  for (Real v : slots) sum += v;
  return sum;
}

void takeHandTypedGasProperties(CalculationCase& c) {
  c.densityEnteredByHand = 1;
  c.enteredDensity = c.manualDensity;
  if (c.densityKind == 1) {
    c.density = c.enteredDensity;
    c.refDensity = 0;
  } else if (c.densityKind == 2) {
    c.refDensity = c.enteredDensity;
    c.density = 0;
  }
  c.compressibilityK1 = c.manualK1;
  c.viscosityEntered = c.manualViscosity;
  c.isentropicExponent = c.manualIsentropicExponent;
  rememberPropertyInputs(c);
}

namespace {

bool dispatch(CalculationCase& c, int kind, Interaction& ui) {
#ifdef DORVEL_HAVE_PROPERTY_DISPATCHER
  return computeFluidProperties(c, kind, ui);
#else
  (void)c;
  (void)kind;
  ui.showMessage(true, "The fluid properties cannot be computed by this build.", "");
  return false;
#endif
}

}  // namespace

bool computePropertiesAsPageWould(CalculationCase& c, Interaction& ui) {
  switch (c.fluidKind) {
    case FluidOtherLiquid:
      rememberPropertyInputs(c);  // the page's "OK" button
      return true;
    case FluidAir:
      setDryAirComposition(c);
      return dispatch(c, FluidAir, ui);
    case FluidOtherGas:
      if (std::fabs(compositionTotal(c.mixtureComposition) - 100) <= 0.001L) {
        if (!dispatch(c, FluidOtherGas, ui)) return false;
        c.densityEnteredByHand = 0;
        return true;
      }
      takeHandTypedGasProperties(c);
      return true;
    default:
      return dispatch(c, c.fluidKind, ui);
  }
}

}  // namespace dorvel::cli
