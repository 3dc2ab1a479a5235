// Natural gas by AGA8-92DC (ISO 12213-2) or GERG-2008 (ISO 20765-2).
#include "props/natural_gas_eos.h"

#include <cmath>
#include <limits>
#include <optional>

#include "base/format.h"
#include "props/aga8_92dc.h"
#include "props/components.h"
#include "props/gerg2008.h"
#include "props/water_steam.h"

namespace dorvel {

namespace {

constexpr Real kReferenceTemperatureK = 273.15L;  // 0 degC
constexpr Real kReferencePressureKPa = 101.325L;
constexpr Real kAirDensityN = 1.292923L;  // kg/m3 at 0 degC, 101.325 kPa

// Component of each natural-gas slot (0-based slot -> gas_eos order), -1
// for the slots neither equation has.
constexpr int kSlotComponent[kNaturalGasComponents] = {
    kGcMethane,    kGcEthane,    kGcPropane,   kGcNButane,  kGcIsobutane, kGcNPentane,
    kGcIsopentane, kGcNHexane,   kGcNHeptane,  kGcNOctane,  kGcNNonane,   kGcNDecane,
    -1,            -1,           -1,           -1,          -1,           -1,
    -1,            -1,           kGcHydrogen,  kGcHydrogenSulfide, kGcCarbonMonoxide, kGcHelium,
    -1,            kGcArgon,     kGcNitrogen,  kGcOxygen,   kGcCarbonDioxide, -1,
};

struct UncoveredName {
  int slot;  // 0-based
  const char* english;
  const char* polish;
};
constexpr UncoveredName kUncovered[] = {
    {kNgSlotC2H4, "C2H4 (ethylene)", "C2H4 (etylen)"},
    {kNgSlotC3H6, "C3H6 (propylene)", "C3H6 (propylen)"},
    {kNgSlotC4H8, "C4H8 (butenes)", "C4H8 (buteny)"},
    {kNgSlotC4H6, "C4H6 (butadiene)", "C4H6 (butadien)"},
    {kNgSlotC5H10, "C5H10 (pentenes)", "C5H10 (penteny)"},
    {kNgSlotC6H6, "C6H6 (benzene)", "C6H6 (benzen)"},
    {kNgSlotC7H8, "C7H8 (toluene)", "C7H8 (toluen)"},
    {kNgSlotCH3OH, "CH3OH (methanol)", "CH3OH (metanol)"},
    {kNgSlotNe, "Ne (neon)", "Ne (neon)"},
    {kNgSlotSO2, "SO2 (sulphur dioxide)", "SO2 (dwutlenek siarki)"},
};

// ---- ranges --------------------------------------------------------------

// One quantity with its narrower and wider range.
struct Limit {
  const char* english;
  const char* polish;
  const char* unit;
  Real value;
  Real lo1, hi1;  // narrower range
  Real lo2, hi2;  // wider range
};

bool inside(Real v, Real lo, Real hi) { return v >= lo && v <= hi; }

std::string number(Real v) { return formatGeneral(v, 6); }

std::string rangeText(const Limit& l, Real lo, Real hi, bool polish) {
  const std::string u = l.unit[0] ? std::string(" ") + l.unit : std::string();
  const Real inf = std::numeric_limits<Real>::infinity();
  std::string range;
  if (hi == inf)
    range = (polish ? "co najmniej " : "at least ") + number(lo) + u;
  else if (lo == 0)
    range = (polish ? "najwy\u017Cej " : "at most ") + number(hi) + u;
  else
    range = number(lo) + (polish ? " do " : " to ") + number(hi) + u;
  return std::string(polish ? l.polish : l.english) + " " + number(l.value) + u + " (" +
         (polish ? "zakres: " : "range: ") + range + ")";
}

RangeVerdict verdict(const Limit* limits, size_t count) {
  RangeVerdict v;
  for (int tier = 2; tier >= 1; --tier)
    for (size_t k = 0; k < count; ++k) {
      const Limit& l = limits[k];
      const bool ok = tier == 2 ? inside(l.value, l.lo2, l.hi2) : inside(l.value, l.lo1, l.hi1);
      if (ok) continue;
      v.tier = tier;
      const Real lo = tier == 2 ? l.lo2 : l.lo1, hi = tier == 2 ? l.hi2 : l.hi1;
      v.english = rangeText(l, lo, hi, false);
      v.polish = rangeText(l, lo, hi, true);
      return v;
    }
  return v;
}

}  // namespace

std::string_view naturalGasEquationName(int equation) {
  switch (equation) {
    case kEquationSgerg88: return "SGERG-88 (ISO 12213-3)";
    case kEquationAga8_92dc: return "AGA8-92DC (ISO 12213-2)";
    case kEquationGerg2008: return "GERG-2008 (ISO 20765-2)";
    default: return {};
  }
}

int naturalGasEquationInForce(const CalculationCase& c) {
  const bool natural = c.fluidKind == FluidNaturalGas || c.fluidKind == FluidNaturalGas8;
  if (!natural || c.naturalGasInputIsComposition != 1) return kEquationSgerg88;
  if (c.naturalGasEquation == kEquationAga8_92dc || c.naturalGasEquation == kEquationGerg2008)
    return c.naturalGasEquation;
  return kEquationSgerg88;
}

std::string uncoveredComponents(const Composition& molePercent, bool polish) {
  std::string list;
  for (const UncoveredName& u : kUncovered) {
    if (molePercent[static_cast<size_t>(u.slot)] == 0) continue;
    if (!list.empty()) list += ", ";
    list += polish ? u.polish : u.english;
  }
  return list;
}

bool naturalGasToEquationComposition(const Composition& molePercent, GasComposition& x) {
  x.fill(0);
  Real sum = 0;
  for (size_t s = 0; s < molePercent.size(); ++s) {
    const Real v = molePercent[s];
    if (!(v >= 0) || !std::isfinite(v)) return false;
    if (v == 0) continue;
    const int component = kSlotComponent[s];
    if (component < 0) return false;
    x[static_cast<size_t>(component)] += v / 100;
    sum += v / 100;
  }
  if (!(sum > 0)) return false;
  for (Real& v : x) v /= sum;
  return true;
}

RangeVerdict aga8Ranges(const GasComposition& x, Real tK, Real pKPa, Real hs, Real d) {
  const Real inf = std::numeric_limits<Real>::infinity();
  auto pct = [&x](int i) { return 100 * x[static_cast<size_t>(i)]; };
  const Limit limits[] = {
      // ISO 12213-2 pipeline quality / extended ranges.
      {"temperature", "temperatura", "\u00B0C", tK - kKelvin, 263 - kKelvin, 338 - kKelvin,
       225 - kKelvin, 350 - kKelvin},
      {"pressure", "ci\u015Bnienie", "MPa", pKPa / 1000, 0, 12, 0, 65},
      {"CH4", "CH4", "%", pct(kGcMethane), 70, inf, 50, inf},
      {"N2", "N2", "%", pct(kGcNitrogen), 0, 20, 0, 50},
      {"CO2", "CO2", "%", pct(kGcCarbonDioxide), 0, 20, 0, 30},
      {"C2H6", "C2H6", "%", pct(kGcEthane), 0, 10, 0, 20},
      {"C3H8", "C3H8", "%", pct(kGcPropane), 0, 3.5L, 0, 5},
      {"butanes", "butany", "%", pct(kGcIsobutane) + pct(kGcNButane), 0, 1.5L, 0, 1.5L},
      {"pentanes", "pentany", "%", pct(kGcIsopentane) + pct(kGcNPentane), 0, 0.5L, 0, 0.5L},
      {"hexanes", "heksany", "%", pct(kGcNHexane), 0, 0.1L, 0, 0.1L},
      {"heptanes", "heptany", "%", pct(kGcNHeptane), 0, 0.05L, 0, 0.05L},
      {"octanes and heavier", "oktany i ci\u0119\u017Csze", "%",
       pct(kGcNOctane) + pct(kGcNNonane) + pct(kGcNDecane), 0, 0.05L, 0, 0.05L},
      {"H2", "H2", "%", pct(kGcHydrogen), 0, 10, 0, 10},
      {"CO", "CO", "%", pct(kGcCarbonMonoxide), 0, 3, 0, 3},
      {"He", "He", "%", pct(kGcHelium), 0, 0.5L, 0, 0.5L},
      {"H2O", "H2O", "%", pct(kGcWater), 0, 0.015L, 0, 0.015L},
      {"calorific value Hs", "ciep\u0142o spalania Hs", "MJ/m3", hs, 30, 45, 20, 48},
      {"relative density d", "g\u0119sto\u015B\u0107 wzgl\u0119dna d", "", d, 0.55L, 0.80L, 0.55L,
       0.90L},
      // Not in the ISO ranges: AGA Report No. 8 normal / expanded ranges.
      {"O2", "O2", "%", pct(kGcOxygen), 0, 0, 0, 21},
      {"Ar", "Ar", "%", pct(kGcArgon), 0, 0, 0, 1},
      {"H2S", "H2S", "%", pct(kGcHydrogenSulfide), 0, 0.02L, 0, 100},
  };
  return verdict(limits, std::size(limits));
}

RangeVerdict gerg2008Ranges(Real tK, Real pKPa) {
  const Limit limits[] = {
      {"temperature", "temperatura", "\u00B0C", tK - kKelvin, 90 - kKelvin, 450 - kKelvin,
       60 - kKelvin, 700 - kKelvin},
      {"pressure", "ci\u015Bnienie", "MPa", pKPa / 1000, 0, 35, 0, 70},
  };
  return verdict(limits, std::size(limits));
}

std::optional<Message> rangeQuestion(int equation, const RangeVerdict& v) {
  if (v.tier != 1 && v.tier != 2) return std::nullopt;
  const bool gerg = equation == kEquationGerg2008;
  const Msg id = gerg ? (v.tier == 1 ? Msg::Gerg2008OutsideNormalRange
                                     : Msg::Gerg2008OutsideExtendedRange)
                      : (v.tier == 1 ? Msg::Aga8OutsidePipelineQuality
                                     : Msg::Aga8OutsideExtendedRange);
  Message m{id, {v.english}};
  m.polishValues = {v.polish};
  return m;
}

namespace {

// One gas prepared for the chosen equation (its composition terms computed
// once for the reference and the working state).
class PreparedGas {
 public:
  PreparedGas(int equation, const GasComposition& x) {
    if (equation == kEquationGerg2008)
      gerg_.emplace(x);
    else
      aga8_.emplace(x);
  }
  GasState state(Real tK, Real pKPa) const {
    return gerg_ ? gerg_->state(tK, pKPa, false) : aga8_->state(tK, pKPa, false);
  }

 private:
  std::optional<Aga8Mixture> aga8_;
  std::optional<Gerg2008Mixture> gerg_;
};

void noGasRoot(Interaction& ui, int equation) {
  ui.showMessage({Msg::EquationNoGasRoot, {std::string(naturalGasEquationName(equation))}});
}

}  // namespace

EquationResult naturalGasByEquation(int equation, const Composition& molePercent,
                                    Real relativeHumidity, Real t, Real pKPa, Interaction& ui) {
  EquationResult out;
  const std::string name(naturalGasEquationName(equation));
  if (equation != kEquationAga8_92dc && equation != kEquationGerg2008) return out;

  // Components the equation has no data for are refused by name.
  const std::string en = uncoveredComponents(molePercent, false);
  if (!en.empty()) {
    Message m{Msg::EquationLacksComponents, {name, en}};
    m.polishValues = {name, uncoveredComponents(molePercent, true)};
    ui.showMessage(m);
    return out;
  }
  GasComposition dry{};
  if (!naturalGasToEquationComposition(molePercent, dry)) {
    ui.showMessage(gasValidityNotice(kGasSgergFailed));
    return out;
  }

  // Water of a humid gas as its own component.
  const Real tK = t + kKelvin;
  GasComposition x = dry;
  Real xWater = 0;
  if (relativeHumidity != 0) {
    const Real psKPa = waterSaturation(t).pressureAt * 100.0L / kBarToAt;
    xWater = relativeHumidity / 100 * psKPa / pKPa;
    if (!(xWater >= 0 && xWater < 1)) {
      noGasRoot(ui, equation);
      return out;
    }
    for (Real& v : x) v *= 1 - xWater;
    x[kGcWater] += xWater;
  }

  // Reference conditions: the dry gas at 0 degC and 101.325 kPa.
  const PreparedGas dryGas(equation, dry);
  const GasState n = dryGas.state(kReferenceTemperatureK, kReferencePressureKPa);
  if (!n.ok) {
    noGasRoot(ui, equation);
    return out;
  }
  NaturalGasResult& r = out.gas;
  r.refCompressibilityZ = n.z;
  r.refDensity = n.massDensity();
  r.relativeDensity = r.refDensity / kAirDensityN;
  Real hs0 = 0;  // ideal superior calorific value [MJ/m3]
  for (size_t s = 0; s < molePercent.size(); ++s)
    hs0 += naturalGasComponentData[s].hs * molePercent[s] / 100;
  r.calorificValue = hs0 / n.z;

  // The ranges of the standard.
  const RangeVerdict v = equation == kEquationGerg2008
                             ? gerg2008Ranges(tK, pKPa)
                             : aga8Ranges(x, tK, pKPa, r.calorificValue, r.relativeDensity);
  if (v.tier > 0) {
    const std::optional<Message> q = rangeQuestion(equation, v);
    if (q && !ui.askQuestion(*q)) {
      out.status = EquationStatus::Declined;
      return out;
    }
  }

  const GasState w =
      xWater == 0 ? dryGas.state(tK, pKPa) : PreparedGas(equation, x).state(tK, pKPa);
  if (!w.ok) {
    noGasRoot(ui, equation);
    return out;
  }
  r.compressibilityZ = w.z;
  r.compressibilityK1 = w.z / n.z;
  r.density = w.massDensity();
  r.isentropicExponent = w.kappa;
  r.viscosity = naturalGasViscosity(r.refDensity, dry[kGcCarbonDioxide], dry[kGcNitrogen], tK,
                                    pKPa);
  out.steamMoleFraction = xWater;
  if (!std::isfinite(r.viscosity) || !(r.viscosity > 0) || !std::isfinite(r.density) ||
      !(r.density > 0) || !std::isfinite(r.isentropicExponent) || !(r.isentropicExponent > 0)) {
    ui.showMessage(gasValidityNotice(kGasSgergFailed));
    return out;
  }
  out.status = EquationStatus::Ok;
  return out;
}

}  // namespace dorvel
