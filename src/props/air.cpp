// Air and humid gas mixtures; humidity correction.
#include "props/air.h"

#include <algorithm>
#include <cmath>

#include "base/format.h"
#include "base/shared.h"
#include "props/mixture.h"
#include "props/natural_gas.h"
#include "props/water_steam.h"

namespace dorvel {

namespace {
bool finite(Real x) { return std::isfinite(x); }
}  // namespace

Composition dryAirComposition() {
  Composition x{};
  x[kSlotN2] = 78.104L;
  x[kSlotO2] = 20.946L;
  x[kSlotAr] = 0.9165L;
  x[kSlotHe] = 0.0005L;
  x[kSlotCO2] = 0.033L;
  return x;
}

void setAirComposition(CalculationCase& c) {
  c.compositionInMolePercent = 1;
  const Composition air = dryAirComposition();
  for (int i = 0; i < kMixtureComponents; ++i) {
    const auto s = static_cast<std::size_t>(i);
    c.mixtureComposition[s] = air[s];
    c.mixtureMolePercent[s] = air[s];
  }
}

GasMixtureStatus gasMixtureProperties(CalculationCase& c, const Composition& molePercent,
                                      Real relativeHumidity, Real t, Real pBar, Interaction& ui) {
  const Real phi = relativeHumidity;
  const Real tk = t + kKelvin;
  const Real tRefK = c.refTemperature + kKelvin;
  if (!finite(tk) || !(tk > 0) || !finite(pBar) || !(pBar > 0) || !finite(tRefK) ||
      !(tRefK > 0) || !finite(c.refPressure) || !(c.refPressure > 0) || !finite(c.pressureKPa))
    return GasMixtureStatus::BadState;
  if (!finite(phi) || phi < 0 || phi > 100) return GasMixtureStatus::BadHumidity;

  // 1. Dry composition as fractions.
  MoleFractions dry{};
  for (std::size_t i = 0; i < kMixtureComponents; ++i) dry[i] = molePercent[i] / 100;
  const MixtureParameters dryMix = mixtureParameters(dry);
  if (!dryMix.valid) return GasMixtureStatus::BadComposition;

  // 2.-3. Dry gas at reference and at working conditions.
  const MixtureState ref =
      mixtureStateProperties(StateDetail::DensityOnly, c.refTemperature, c.refPressure / 100, dryMix);
  const MixtureState work = mixtureStateProperties(StateDetail::DensityOnly, t, pBar, dryMix);
  if (!ref.ok || !work.ok) return GasMixtureStatus::NoSolution;

  // 4.-5. Saturation data and the vapour mole fraction.
  const SaturationState sat = waterSaturation(t);
  if (!finite(sat.pressureAt) || !(sat.pressureAt >= 0) || !finite(sat.vapourDensity) ||
      !(sat.vapourDensity >= 0))
    return GasMixtureStatus::BadState;
  const Real psKPa = sat.pressureAt * 100 / kBarToAt;
  const Real xs = (phi / 100) * sat.pressureAt / (pBar * kBarToAt);
  if (!finite(xs) || !(xs < 1)) return GasMixtureStatus::BadHumidity;

  // 6. Humid composition.
  MoleFractions humid{};
  for (std::size_t i = 0; i < kMixtureComponents; ++i) humid[i] = dry[i] * (1 - xs);
  humid[kSlotH2O] += xs;
  const MixtureParameters humidMix = mixtureParameters(humid);
  if (!humidMix.valid) return GasMixtureStatus::BadComposition;

  // 7. Humid gas at working conditions: isentropic exponent and viscosity.
  const MixtureState full = mixtureStateProperties(StateDetail::Full, t, pBar, humidMix);
  if (!full.ok) return GasMixtureStatus::NoSolution;

  // 8.-9. K1 of the dry gas and the working density.
  const Real k1 = work.z / ref.z;
  const Real density = (c.pressureKPa - phi / 100 * psKPa) * ref.density * tRefK /
                           (tk * c.refPressure * k1) +
                       phi / 100 * sat.vapourDensity;
  if (!finite(k1) || !finite(density)) return GasMixtureStatus::NoSolution;
  // A pressureKPa that does not match pBar (it comes from the case) could
  // leave no dry-gas part at all.
  if (!(density > 0)) return GasMixtureStatus::BadState;

  // A liquid or condensing state by the equation's own phase behaviour: the
  // gas root (or the liquid root) gives densities and a kappa without
  // meaning (pure CO2 at 20 degC, 65 bar: 574 kg/m3, kappa 11).
  if (ref.liquidLike || work.liquidLike || full.liquidLike) {
    if (!ui.askQuestion(Msg::GasMayBeLiquid))
      return GasMixtureStatus::Declined;
  }

  c.satPressure = sat.pressureAt;
  c.satVapourDensity = sat.vapourDensity;
  c.refDensity = ref.density;
  c.compressibilityZ = work.z;
  c.steamMoleFraction = humid[kSlotH2O];
  c.isentropicExponent = full.isentropicExponent;
  c.viscosityEntered = full.viscosity * 0.001L;
  c.compressibilityK1 = k1;
  c.density = density;
  return GasMixtureStatus::Ok;
}

// ---- humidity correction ---------------------------------------------------------

std::string humidityPressureUnitLabel(int pressureUnit) {
  switch (pressureUnit) {
    case 1: return "KG/cm2";
    case 2: return "KPa";
    case 3: return "MPa";
    case 4: return "BAR";
    default: return "";
  }
}

std::string humidityResultPrefix(const CalculationCase& c) {
  return "Corrected relative humidity in flowing conditions (" + formatFixedReadable(c.temperature, 0, 2) +
         " °C, " + formatFixedReadable(c.pressureInput, 0, 2) + " " +
         humidityPressureUnitLabel(c.pressureUnit) + ") =";
}

HumidityCorrection correctHumidity(CalculationCase& c) {
  HumidityCorrection r;
  convertPressureUnits(c);
  if (!finite(c.humidityMeasPressure) || !finite(c.pressureAt) || !finite(c.pressureInput) ||
      !finite(c.humidityMeasured) || !finite(c.temperature) || !finite(c.humidityMeasTemperature))
    return r;
  if (!(c.humidityMeasPressure > 0) || !(c.pressureAt > 0)) {
    r.status = HumidityCorrectionStatus::PressureTooLow;
    return r;
  }
  const SaturationState work = waterSaturation(c.temperature);
  const SaturationState meas = waterSaturation(c.humidityMeasTemperature);
  const Real ps = work.pressureAt, psm = meas.pressureAt;
  if (!finite(ps) || !(ps > 0) || !finite(psm) || !(psm >= 0) || !finite(work.vapourDensity))
    return r;
  Real phi = c.humidityMeasured * psm / ps * c.pressureInput / c.humidityMeasPressure;
  if (!finite(phi)) return r;
  phi = std::min(phi, Real{100});
  const Real molePercent = phi * ps / c.pressureAt;
  if (!finite(molePercent)) return r;

  c.satPressure = ps;
  c.satVapourDensity = work.vapourDensity;
  if (phi != c.relativeHumidity) c.caseModified = true;
  c.relativeHumidity = phi;

  r.status = HumidityCorrectionStatus::Ok;
  r.relativeHumidity = phi;
  r.moleFractionPercent = molePercent;
  r.humidityLine = humidityResultPrefix(c) + formatGeneral(phi, 5) + " [%]";
  r.moleFractionLine = std::string(kSteamMoleFractionPrefix) + formatFixedReadable(molePercent, 0, 3) + " [%]";
  return r;
}

}  // namespace dorvel
