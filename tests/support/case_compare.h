// Field-by-field comparison of two calculation cases through the field
// registry, reporting every field that differs by name.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "files/case_fields.h"

namespace dorvel::testing {

// Fields that a case file carries (everything else is computed or belongs
// to the running program).
inline const std::set<std::string>& storedFieldNames() {
  static const std::set<std::string> names = {
      "task", "deviceType", "pipeMaterial", "deviceMaterial", "fittingOrifice", "fittingAsme",
      "fittingNozzle", "fittingVenturi", "pressureUnit", "densityKind", "viscosityUnit",
      "flowUnit", "dpUnit", "fluidKind", "pipeDiameter20", "deviceDiameter20", "dpInput",
      "temperature", "drainHoleDiameter", "eccentricRoughness", "flowrateInput",
      "nominalFlowrate", "pressureInput", "relativeHumidity", "enteredDensity", "density",
      "refDensity", "viscosityEntered", "isentropicExponent", "compressibilityK1",
      "upstreamLengthActual", "downstreamLengthActual", "extraCUncertainty",
      "dpTransmitterError", "dpTransmitterReference", "densityUncertainty",
      "pressureTransmitterError", "temperatureTransmitterError", "k1Uncertainty",
      "refDensityUncertainty", "calorificValue", "relativeDensity", "co2Percent", "h2Percent",
      "compositionInMolePercent", "refTemperature", "refPressure", "cokeGasCnHm",
      "mixtureComposition", "naturalGasComposition", "refConditionsText", "caseTitle",
      "fluidName", "balanceNumber", "manualDensity", "manualViscosity",
      "manualIsentropicExponent", "manualK1", "dpUnit3Values", "dpUnit4Values",
      "humidityCorrected"};
  return names;
}

// Names (with slot indexes) of the fields whose text differs; `only` limits
// the comparison to those names when not empty.
inline std::string differingFields(const CalculationCase& a, const CalculationCase& b,
                                   const std::set<std::string>& only = {}) {
  std::string diff;
  for (const auto& f : caseFields()) {
    std::string name(f.name);
    if (!only.empty() && !only.count(name)) continue;
    for (int i = 1; i <= f.size(); ++i) {
      std::string full = f.isArray() ? name + "[" + std::to_string(i) + "]" : name;
      std::string ta, tb;
      caseFieldText(a, full, ta);
      caseFieldText(b, full, tb);
      if (ta != tb) diff += full + ": " + ta + " vs " + tb + "\n";
    }
  }
  return diff;
}

}  // namespace dorvel::testing
