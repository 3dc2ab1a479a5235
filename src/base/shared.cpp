#include "base/shared.h"

#include <cstring>

#include "base/format.h"

namespace dorvel {

bool readNumber(CalculationCase& c, Real& field, const std::string& text, Interaction& ui) {
  size_t b = 0;
  while (b < text.size() && text[b] == ' ') ++b;
  std::string t = text.substr(b);
  Real value = 0;
  if (!(t.empty() || t == "-")) {
    std::string dotted = t;
    for (char& ch : dotted)
      if (ch == ',') ch = '.';
    if (!parseReal(dotted, value)) {
      ui.showMessage({Msg::NumberError, {t}});
      return false;
    }
  }
  // Bitwise comparison: -0 vs 0 is no change an engineer would see, but a
  // NaN that somehow sits in the field must still be replaced.
  if (!(value == field)) {
    field = value;
    c.caseModified = true;
  }
  return true;
}

void convertPressureUnits(CalculationCase& c) {
  c.dpUnitFactor = (c.dpUnit == 1) ? 1.0L : kKgm2ToKPa;
  c.dpMmH2O = c.dpInput / c.dpUnitFactor;
  c.dpTransmitterReferenceMmH2O = c.dpTransmitterReference / c.dpUnitFactor;
  switch (c.pressureUnit) {
    case 1:  // kG/cm2
      c.pressureAt = c.pressureInput;
      c.pressureBar = c.pressureInput / kBarToAt;
      c.pressureKPa = c.pressureBar * 100;
      break;
    case 2:  // kPa
      c.pressureBar = c.pressureInput / 100;
      c.pressureAt = kBarToAt * c.pressureBar;
      c.pressureKPa = c.pressureInput;
      break;
    case 3:  // MPa
      c.pressureBar = c.pressureInput * 10;
      c.pressureAt = kBarToAt * c.pressureBar;
      c.pressureKPa = c.pressureInput * 1000;
      break;
    case 4:  // bar
      c.pressureBar = c.pressureInput;
      c.pressureAt = kBarToAt * c.pressureBar;
      c.pressureKPa = c.pressureBar * 100;
      break;
    default:
      break;
  }
}

void rememberPropertyInputs(CalculationCase& c) {
  PropertySnapshot& s = c.lastPropertyInputs;
  s.fluidKind = c.fluidKind;
  s.temperature = c.temperature;
  s.pressureInput = c.pressureInput;
  s.pressureUnit = c.pressureUnit;
  s.density = c.density;
  s.viscosityEntered = c.viscosityEntered;
  s.refTemperature = c.refTemperature;
  s.refPressure = c.refPressure;
  s.relativeHumidity = c.relativeHumidity;
  s.co2Percent = c.co2Percent;
  s.h2Percent = c.h2Percent;
  s.relativeDensity = c.relativeDensity;
  s.calorificValue = c.calorificValue;
  s.compositionInMolePercent = c.compositionInMolePercent;
  s.naturalGasInputIsComposition = c.naturalGasInputIsComposition;
  s.naturalGasEquation = c.naturalGasEquation;
  s.composition.fill(0);
  if (isNaturalGasKind(c.fluidKind)) {
    s.composition = c.naturalGasComposition;
  } else {
    for (int i = 0; i < 22; ++i) s.composition[static_cast<size_t>(i)] = c.mixtureComposition[static_cast<size_t>(i)];
  }
}

bool propertiesCurrent(const CalculationCase& c, int k) {
  const PropertySnapshot& s = c.lastPropertyInputs;
  bool ok = (s.fluidKind == k);
  if (k != FluidSteam13 && c.temperature != s.temperature) ok = false;
  if (k != FluidOtherLiquid && c.pressureInput != s.pressureInput) ok = false;
  if (c.refTemperature != s.refTemperature) ok = false;
  if (c.refPressure != s.refPressure) ok = false;
  const bool mixture = (k == FluidAir || k == FluidOtherGas || k == FluidCokeGas);
  if (mixture && c.relativeHumidity != s.relativeHumidity) ok = false;
  if ((k == FluidOtherGas || k == FluidCokeGas || k == FluidNaturalGas) &&
      c.compositionInMolePercent != s.compositionInMolePercent)
    ok = false;
  if (k == FluidNaturalGas && c.naturalGasInputIsComposition != s.naturalGasInputIsComposition)
    ok = false;
  if (isNaturalGasKind(k) && c.naturalGasEquation != s.naturalGasEquation) ok = false;
  if (isNaturalGasKind(k)) {
    for (size_t i = 0; i < kCompositionSlots; ++i)
      if (c.naturalGasComposition[i] != s.composition[i]) ok = false;
  } else if (mixture) {
    for (size_t i = 0; i < 22; ++i)
      if (c.mixtureComposition[i] != s.composition[i]) ok = false;
  }
  if ((k == FluidWater || k == FluidOtherLiquid || k == FluidLiquidAmmonia) &&
      c.density * c.viscosityEntered == 0)
    ok = false;
  return ok;
}

}  // namespace dorvel
