#include "props/properties.h"

#include <cmath>
#include <string>

#include "base/format.h"
#include "base/shared.h"
#include "props/air.h"
#include "props/ammonia.h"
#include "props/coke_gas.h"
#include "props/components.h"
#include "props/mixture.h"
#include "props/natural_gas.h"
#include "props/natural_gas_eos.h"
#include "props/water_steam.h"

namespace dorvel {

namespace {

constexpr Real kSumTolerance = 0.001L;

bool isGasKind(int k) { return k == FluidAir || k == FluidOtherGas || (k >= 7 && k <= 12); }
bool isOtherGasKind(int k) { return k == FluidOtherGas || (k >= 10 && k <= 12); }

void noSolution(Interaction& ui) {
  ui.showMessage(Msg::NoSolution);
}

// The two messages of a missing or too low absolute pressure.
void pressureTooLow(const CalculationCase& c, Interaction& ui) {
  if (c.pressureBar == 0)
    ui.showMessage(Msg::NoAbsolutePressure);
  else
    ui.showMessage(Msg::AbsolutePressureTooLow);
}

bool checkWaterSteam(CalculationCase& c, int kind, Interaction& ui) {
  const bool water = (kind == FluidWater);
  bool failed = false;
  auto err = [&](Msg id) {
    ui.showMessage(id);
    failed = true;
  };
  // Written so that a temperature that is not a number fails the first test.
  if (water && !(c.temperature <= 350)) err(Msg::WaterTemperatureTooHigh);
  if (!(c.temperature >= 0)) err(Msg::WaterSteamTemperatureTooLow);
  if (c.temperature > 800) err(Msg::TemperatureTooHigh);
  if (!(c.pressureBar >= 0.006L)) {
    pressureTooLow(c, ui);
    failed = true;
  }
  if (c.pressureBar > 1000) err(Msg::WaterSteamPressureTooHigh);
  if (failed) return false;

  if (c.temperature > 350) {
    const Real L = boundaryPressure(c.temperature) * 1e-5L;
    if (!water && c.pressureBar > L) {
      ui.showMessage(Msg::SteamOutsideSubregion2);
      return false;
    }
  } else {
    const Real ps = saturationPressure(c.temperature) * 1e-5L;
    if (!water && ps <= c.pressureBar) {
      err(Msg::SteamTooCold);
    }
    if (water && ps > c.pressureBar) {
      ui.showMessage(Msg::WaterTooHot);
      return false;
    }
  }
  return !failed;
}

bool checkGas(CalculationCase& c, int kind, Interaction& ui) {
  bool failed = false;
  if (!(c.pressureBar >= 0.006L)) {
    pressureTooLow(c, ui);
    failed = true;
  }
  // Composition sums.
  bool sumsOk = true;
  const bool compositionChecked =
      isOtherGasKind(kind) || kind == FluidCokeGas ||
      (isNaturalGasKind(kind) && c.naturalGasInputIsComposition == 1);
  auto near100 = [](Real s) { return std::fabs(s - 100) <= kSumTolerance; };
  if (isOtherGasKind(kind) && !near100(compositionSum(c.mixtureComposition))) sumsOk = false;
  if (isNaturalGasKind(kind) && c.naturalGasInputIsComposition == 1 &&
      !near100(compositionSum(c.naturalGasComposition)))
    sumsOk = false;
  if (kind == FluidCokeGas && !near100(cokeGasCompositionSum(c.mixtureComposition, c.cokeGasCnHm)))
    sumsOk = false;
  if (!sumsOk) {
    ui.showMessage(Msg::GasCompositionIncomplete);
    failed = true;
  } else if (!convertCompositionToMole(c, kind) && compositionChecked) {
    // A share that is negative or not a number: the sum may still be 100.
    ui.showMessage(Msg::GasCompositionIncomplete);
    failed = true;
  }
  if (failed) return false;

  if (!isNaturalGasKind(kind)) {
    const SaturationState s = waterSaturation(c.temperature);
    c.satPressure = s.pressureAt;
    c.satVapourDensity = s.vapourDensity;
    const Real phi = c.relativeHumidity;
    if (!(c.pressureAt - phi / 100 * c.satPressure > 0) || !(phi >= 0) || !(phi <= 100)) {
      ui.showMessage(Msg::GasHumidityTooHigh);
      failed = true;
    }
  }
  if (isOtherGasKind(kind)) {
    c.steamMoleFraction = c.mixtureComposition[kSlotH2O] / 100;
    if (c.steamMoleFraction > 0.3L)
      ui.showMessage(Msg::GasVeryHumid);
  }
  // The pressure limit is tested after a humidity error too, with its own
  // message; it ends the checks at once.  Natural gas by AGA8-92DC or
  // GERG-2008 has the pressure ranges of its standard instead (questions of
  // the equation).
  const Real limit = (kind == FluidAir || isNaturalGasKind(kind)) ? 120 : 70;
  const bool ownRanges =
      isNaturalGasKind(kind) && naturalGasEquationInForce(c) != kEquationSgerg88;
  if (!ownRanges && !(c.pressureBar <= limit)) {
    ui.showMessage(Msg::GasPressureTooHigh);
    return false;
  }
  return !failed;
}

bool finiteAll(std::initializer_list<Real> xs) {
  for (Real x : xs)
    if (!std::isfinite(x)) return false;
  return true;
}

// Coke-oven gas by Beattie-Bridgeman; a composition or state outside the
// method's 0.3 % range only warns.
bool computeCokeGas(CalculationCase& c, Interaction& ui) {
  const CokeGasResult r =
      cokeGasProperties(c.mixtureMolePercent, c.cokeGasCnHmMole, c.relativeHumidity,
                        c.temperature, c.pressureKPa, c.refTemperature, c.refPressure);
  if (!r.ok || !finiteAll({r.refDensity, r.density, r.compressibilityK1, r.isentropicExponent,
                           r.viscosity, r.compressibilityZ, r.steamMoleFraction}) ||
      !(r.density > 0)) {
    ui.showMessage(gasValidityNotice(kCokeGasFailed));
    return false;
  }
  if (r.code > 0) {
    ui.showMessage(gasValidityNotice(r.code));
  }
  c.refDensity = r.refDensity;
  c.density = r.density;
  c.steamMoleFraction = r.steamMoleFraction;
  c.compressibilityZ = r.compressibilityZ;
  c.compressibilityK1 = r.compressibilityK1;
  c.isentropicExponent = r.isentropicExponent;
  c.viscosityEntered = r.viscosity;
  return true;
}

void markComputedGas(CalculationCase& c) {
  c.densityKind = 1;
  c.viscosityUnit = 3;
  c.humidityCorrected = true;
  rememberPropertyInputs(c);
}

}  // namespace

Real compositionSum(const Composition& composition) {
  Real s = 0;
  for (Real x : composition) s += x;
  return s;
}

Real cokeGasCompositionSum(const Composition& m, Real cnHm) {
  return m[kSlotN2] + m[kSlotO2] + m[kSlotH2] + m[kSlotCO] + m[kSlotCO2] + m[kSlotCH4] + cnHm;
}

bool checkPropertyInputs(CalculationCase& c, int kind, Interaction& ui) {
  if (kind == FluidWater || kind == FluidSteam) return checkWaterSteam(c, kind, ui);
  if (kind == FluidLiquidAmmonia) {
    if (c.pressureAt >= 2 && c.pressureAt <= 35 && c.temperature >= -10 && c.temperature <= 50)
      return true;
    ui.showMessage(Msg::LiquidAmmoniaRange);
    return false;
  }
  if (kind == FluidAir || kind == FluidOtherGas || kind == FluidCokeGas ||
      kind == FluidNaturalGas)
    return checkGas(c, kind, ui);
  if (kind == FluidNaturalGas8) return checkGas(c, FluidNaturalGas, ui);
  if (kind >= 10 && kind <= 12) return checkGas(c, FluidOtherGas, ui);
  return true;
}

bool computeFluidProperties(CalculationCase& c, int kind, Interaction& ui) {
  if (isGasKind(kind)) {
    const SaturationState s = waterSaturation(c.temperature);
    c.satPressure = s.pressureAt;
    c.satVapourDensity = s.vapourDensity;
  }
  convertPressureUnits(c);

  switch (kind) {
    case FluidWater: {
      if (!checkPropertyInputs(c, kind, ui)) return false;
      const WaterState w = waterProperties(c.temperature, c.pressureBar * 100000);
      const Real mu = w.valid ? waterViscosity(c.temperature, w.specificVolume) : 0;
      if (!w.valid || !(w.specificVolume > 0) || !finiteAll({w.specificEnthalpy, mu}) || !(mu > 0)) {
        noSolution(ui);
        return false;
      }
      c.specificVolume = w.specificVolume;
      c.specificEnthalpy = w.specificEnthalpy;
      c.density = 1 / w.specificVolume;
      c.viscosityEntered = mu;
      c.densityKind = 1;
      c.viscosityUnit = 3;
      rememberPropertyInputs(c);
      return true;
    }
    case FluidSteam:
    case FluidSteam13: {
      if (!checkPropertyInputs(c, FluidSteam, ui)) return false;
      const std::optional<Real> ts = steamSaturationTemperature(c.pressureBar);
      const WaterState w = steamProperties(c.temperature, c.pressureBar * 100000);
      const Real mu = w.valid ? waterViscosity(c.temperature, w.specificVolume) : 0;
      const Real kappa = steamIsentropicExponent(c.pressureBar, c.temperature);
      if (!w.valid || !(w.specificVolume > 0) || !finiteAll({w.specificEnthalpy, mu, kappa}) ||
          !(mu > 0) || !(kappa > 1)) {
        noSolution(ui);
        return false;
      }
      c.saturationTemperatureKnown = ts.has_value();
      c.saturationTemperature = ts.value_or(0);
      c.specificVolume = w.specificVolume;
      c.specificEnthalpy = w.specificEnthalpy;
      c.viscosityEntered = mu;
      c.isentropicExponent = kappa;
      c.density = 1 / w.specificVolume;
      c.densityKind = 1;
      c.viscosityUnit = 3;
      rememberPropertyInputs(c);
      return true;
    }
    case FluidOtherGas:
    case FluidAir: {
      if (kind == FluidOtherGas) copyMixtureToNaturalGas(c);
      if (!checkPropertyInputs(c, kind, ui)) return false;
      const GasMixtureStatus st = gasMixtureProperties(c, c.mixtureMolePercent,
                                                       c.relativeHumidity, c.temperature,
                                                       c.pressureBar, ui);
      if (st == GasMixtureStatus::Declined) return false;  // the question was the message
      if (st != GasMixtureStatus::Ok) {
        noSolution(ui);
        return false;
      }
      markComputedGas(c);
      return true;
    }
    case FluidLiquidAmmonia: {
      if (!checkPropertyInputs(c, kind, ui)) {
        c.density = 0;
        c.viscosityEntered = 0;
        return false;
      }
      const AmmoniaProperties a = liquidAmmoniaProperties(c.temperature, c.pressureAt, c.dpMmH2O, ui);
      c.density = a.density;
      c.viscosityEntered = a.viscosity;
      c.densityKind = 1;
      c.viscosityUnit = 3;
      if (a.status == AmmoniaTemperatureOutOfTable || a.status == AmmoniaGaseousPhase) return false;
      rememberPropertyInputs(c);
      return true;
    }
    case FluidCokeGas: {
      // Only the coke-oven components; the gas is taken dry in its slots and
      // its humidity comes from the relative humidity.
      for (int i = 0; i < kCompositionSlots; ++i) {
        const bool coke = (i == kSlotN2 || i == kSlotO2 || i == kSlotH2 || i == kSlotCO ||
                           i == kSlotCO2 || i == kSlotCH4);
        if (!coke) c.mixtureComposition[static_cast<size_t>(i)] = 0;
      }
      copyMixtureToNaturalGas(c);
      if (!checkPropertyInputs(c, kind, ui)) return false;
      if (!computeCokeGas(c, ui)) return false;
      markComputedGas(c);
      return true;
    }
    case FluidNaturalGas:
    case FluidNaturalGas8: {
      c.refTemperature = 0;
      c.refPressure = 101.325L;
      c.refConditionsText = referenceConditionsText(c.refTemperature, c.refPressure);
      copyNaturalGasToMixture(c);
      if (!checkPropertyInputs(c, kind, ui)) return false;
      c.relativeHumidity = 0;
      const bool byComposition = (c.naturalGasInputIsComposition == 1);
      NaturalGasResult r;
      const int equation = naturalGasEquationInForce(c);
      if (equation != kEquationSgerg88) {
        c.co2Percent = c.naturalGasMolePercent[kNgSlotCO2];
        c.h2Percent = c.naturalGasMolePercent[kNgSlotH2];
        const EquationResult e = naturalGasByEquation(equation, c.naturalGasMolePercent,
                                                      c.relativeHumidity, c.temperature,
                                                      c.pressureKPa, ui);
        if (e.status != EquationStatus::Ok) return false;  // its message was shown
        r = e.gas;
        c.steamMoleFraction = e.steamMoleFraction;
      } else if (byComposition) {
        c.co2Percent = c.naturalGasMolePercent[kNgSlotCO2];
        c.h2Percent = c.naturalGasMolePercent[kNgSlotH2];
        r = naturalGasFromComposition(c.naturalGasMolePercent, c.relativeHumidity, c.temperature,
                                      c.pressureKPa, ui);
      } else {
        r = naturalGasFromProperties(c.calorificValue, c.relativeDensity, c.h2Percent,
                                     c.co2Percent, c.relativeHumidity, c.temperature,
                                     c.pressureKPa);
      }
      if (r.code != kGasValid) {
        ui.showMessage(gasValidityNotice(r.code));
        return false;
      }
      if (!finiteAll({r.refDensity, r.density, r.compressibilityK1, r.isentropicExponent,
                      r.viscosity}) ||
          !(r.density > 0)) {
        noSolution(ui);
        return false;
      }
      c.refDensity = r.refDensity;
      c.density = r.density;
      if (byComposition) {
        c.calorificValue = r.calorificValue;
        c.relativeDensity = r.relativeDensity;
      }
      c.compressibilityK1 = r.compressibilityK1;
      c.compressibilityZ = r.compressibilityZ;
      c.isentropicExponent = r.isentropicExponent;
      c.viscosityEntered = r.viscosity;
      markComputedGas(c);
      return true;
    }
    default:
      return true;
  }
}

void takeManualGasProperty(CalculationCase& c, ManualGasProperty property) {
  switch (property) {
    case ManualGasProperty::Density:
      c.densityEnteredByHand = 1;
      c.enteredDensity = c.manualDensity;
      if (c.densityKind == 2) {
        c.refDensity = c.manualDensity;
        c.density = 0;
      } else {
        c.density = c.manualDensity;
        c.refDensity = 0;
      }
      break;
    case ManualGasProperty::K1: c.compressibilityK1 = c.manualK1; break;
    case ManualGasProperty::Viscosity: c.viscosityEntered = c.manualViscosity; break;
    case ManualGasProperty::IsentropicExponent:
      c.isentropicExponent = c.manualIsentropicExponent;
      break;
  }
  rememberPropertyInputs(c);
}

void takeManualGasProperties(CalculationCase& c) {
  for (ManualGasProperty p : {ManualGasProperty::Density, ManualGasProperty::K1,
                              ManualGasProperty::Viscosity, ManualGasProperty::IsentropicExponent})
    takeManualGasProperty(c, p);
}

bool preparePropertiesAsPage(CalculationCase& c, Interaction& ui) {
  const int kind = c.fluidKind;
  switch (kind) {
    case FluidOtherLiquid:
      return true;
    case FluidAir:
      setAirComposition(c);
      return computeFluidProperties(c, kind, ui);
    case FluidOtherGas: {
      if (std::fabs(compositionSum(c.mixtureComposition) - 100) <= kSumTolerance) {
        if (!computeFluidProperties(c, kind, ui)) return false;
        c.densityEnteredByHand = 0;
        c.enteredDensity = (c.densityKind == 2) ? c.refDensity : c.density;
        return true;
      }
      takeManualGasProperties(c);
      convertPressureUnits(c);
      return true;
    }
    default:
      return computeFluidProperties(c, kind, ui);
  }
}

}  // namespace dorvel
