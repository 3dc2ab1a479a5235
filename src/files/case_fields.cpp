#include "files/case_fields.h"

#include <charconv>

#include "base/format.h"

namespace dorvel {

namespace {

using CC = CalculationCase;
using G = FieldGroup;

std::vector<CaseField> buildFields() {
  std::vector<CaseField> f;
  auto code = [&f](std::string_view n, int CC::*m, int lo, int hi, G g = G::Code) {
    f.push_back({n, g, m, lo, hi});
  };
  auto real = [&f](std::string_view n, Real CC::*m, G g) { f.push_back({n, g, m}); };
  auto text = [&f](std::string_view n, std::string CC::*m, G g) { f.push_back({n, g, m}); };
  auto flag = [&f](std::string_view n, bool CC::*m, G g = G::Flag) { f.push_back({n, g, m}); };
  auto slots = [&f](std::string_view n, Composition CC::*m, G g) { f.push_back({n, g, m}); };
  auto pair = [&f](std::string_view n, std::array<Real, 2> CC::*m, G g) { f.push_back({n, g, m}); };

  code("task", &CC::task, 1, 3);
  code("fluidKind", &CC::fluidKind, 1, 13);
  code("deviceType", &CC::deviceType, 1, 12);
  code("pipeMaterial", &CC::pipeMaterial, 1, 7);
  code("deviceMaterial", &CC::deviceMaterial, 1, 7);
  code("fittingOrifice", &CC::fittingOrifice, 1, 12);
  code("fittingAsme", &CC::fittingAsme, 1, 9);
  code("fittingNozzle", &CC::fittingNozzle, 1, 10);
  code("fittingVenturi", &CC::fittingVenturi, 1, 8);
  code("pressureUnit", &CC::pressureUnit, 1, 4);
  code("flowUnit", &CC::flowUnit, 1, 5);
  code("dpUnit", &CC::dpUnit, 1, 4);
  code("viscosityUnit", &CC::viscosityUnit, 1, 4);
  code("densityKind", &CC::densityKind, 1, 2);

  for (auto [n, m] : std::initializer_list<std::pair<std::string_view, Real CC::*>>{
           {"temperature", &CC::temperature},
           {"pressureInput", &CC::pressureInput},
           {"pipeDiameter20", &CC::pipeDiameter20},
           {"deviceDiameter20", &CC::deviceDiameter20},
           {"flowrateInput", &CC::flowrateInput},
           {"nominalFlowrate", &CC::nominalFlowrate},
           {"dpInput", &CC::dpInput},
           {"drainHoleDiameter", &CC::drainHoleDiameter},
           {"eccentricRoughness", &CC::eccentricRoughness},
           {"upstreamLengthActual", &CC::upstreamLengthActual},
           {"downstreamLengthActual", &CC::downstreamLengthActual},
           {"extraCUncertainty", &CC::extraCUncertainty},
           {"dpTransmitterError", &CC::dpTransmitterError},
           {"dpTransmitterReference", &CC::dpTransmitterReference},
           {"densityUncertainty", &CC::densityUncertainty},
           {"pressureTransmitterError", &CC::pressureTransmitterError},
           {"temperatureTransmitterError", &CC::temperatureTransmitterError},
           {"k1Uncertainty", &CC::k1Uncertainty},
           {"refDensityUncertainty", &CC::refDensityUncertainty},
           {"relativeHumidity", &CC::relativeHumidity},
           {"refTemperature", &CC::refTemperature},
           {"refPressure", &CC::refPressure}})
    real(n, m, G::Input);

  real("enteredDensity", &CC::enteredDensity, G::Property);
  real("density", &CC::density, G::Property);
  real("refDensity", &CC::refDensity, G::Property);
  real("viscosityEntered", &CC::viscosityEntered, G::Property);
  real("isentropicExponent", &CC::isentropicExponent, G::Property);
  real("compressibilityK1", &CC::compressibilityK1, G::Property);
  real("satPressure", &CC::satPressure, G::Property);
  real("satVapourDensity", &CC::satVapourDensity, G::Property);
  code("densityEnteredByHand", &CC::densityEnteredByHand, 0, 1, G::Property);
  real("specificVolume", &CC::specificVolume, G::Property);
  real("specificEnthalpy", &CC::specificEnthalpy, G::Property);
  real("saturationTemperature", &CC::saturationTemperature, G::Property);
  flag("saturationTemperatureKnown", &CC::saturationTemperatureKnown, G::Property);
  real("compressibilityZ", &CC::compressibilityZ, G::Property);
  real("steamMoleFraction", &CC::steamMoleFraction, G::Property);
  slots("mixtureComposition", &CC::mixtureComposition, G::Property);
  slots("mixtureMolePercent", &CC::mixtureMolePercent, G::Property);
  slots("naturalGasComposition", &CC::naturalGasComposition, G::Property);
  slots("naturalGasMolePercent", &CC::naturalGasMolePercent, G::Property);
  real("cokeGasCnHm", &CC::cokeGasCnHm, G::Property);
  real("cokeGasCnHmMole", &CC::cokeGasCnHmMole, G::Property);
  code("compositionInMolePercent", &CC::compositionInMolePercent, 0, 1, G::Property);
  code("naturalGasInputIsComposition", &CC::naturalGasInputIsComposition, 0, 1, G::Property);
  code("naturalGasEquation", &CC::naturalGasEquation, 1, 3, G::Property);
  real("calorificValue", &CC::calorificValue, G::Property);
  real("relativeDensity", &CC::relativeDensity, G::Property);
  real("co2Percent", &CC::co2Percent, G::Property);
  real("h2Percent", &CC::h2Percent, G::Property);
  text("refConditionsText", &CC::refConditionsText, G::Property);
  real("humidityMeasTemperature", &CC::humidityMeasTemperature, G::Property);
  real("humidityMeasPressure", &CC::humidityMeasPressure, G::Property);
  real("humidityMeasured", &CC::humidityMeasured, G::Property);

  text("caseTitle", &CC::caseTitle, G::File);
  text("fluidName", &CC::fluidName, G::File);
  pair("balanceNumber", &CC::balanceNumber, G::File);
  real("manualDensity", &CC::manualDensity, G::File);
  real("manualViscosity", &CC::manualViscosity, G::File);
  real("manualIsentropicExponent", &CC::manualIsentropicExponent, G::File);
  real("manualK1", &CC::manualK1, G::File);
  pair("dpUnit3Values", &CC::dpUnit3Values, G::File);
  pair("dpUnit4Values", &CC::dpUnit4Values, G::File);
  text("dataFilePath", &CC::dataFilePath, G::File);
  f.push_back({"dataFileDate", G::File, &CC::dataFileDate});
  flag("dataFileDateKnown", &CC::dataFileDateKnown, G::File);

  for (auto [n, m] : std::initializer_list<std::pair<std::string_view, Real CC::*>>{
           {"pressureAt", &CC::pressureAt},
           {"pressureBar", &CC::pressureBar},
           {"pressureKPa", &CC::pressureKPa},
           {"dpMmH2O", &CC::dpMmH2O},
           {"dpUnitFactor", &CC::dpUnitFactor},
           {"dpTransmitterReferenceMmH2O", &CC::dpTransmitterReferenceMmH2O},
           {"viscosityTech", &CC::viscosityTech},
           {"viscosityPaS", &CC::viscosityPaS},
           {"flowUnitFactor", &CC::flowUnitFactor},
           {"massFlowKgH", &CC::massFlowKgH},
           {"nominalPercent", &CC::nominalPercent},
           {"pipeExpansionFactor", &CC::pipeExpansionFactor},
           {"deviceExpansionFactor", &CC::deviceExpansionFactor},
           {"drainHoleFactor", &CC::drainHoleFactor}})
    real(n, m, G::Derived);

  for (auto [n, m] : std::initializer_list<std::pair<std::string_view, Real CC::*>>{
           {"pipeDiameter", &CC::pipeDiameter},
           {"deviceDiameter", &CC::deviceDiameter},
           {"beta", &CC::beta},
           {"quarterCircleRadiusRatio", &CC::quarterCircleRadiusRatio},
           {"dpKPa", &CC::dpKPa},
           {"dischargeCoefficient", &CC::dischargeCoefficient},
           {"expansibility", &CC::expansibility},
           {"cUncertainty", &CC::cUncertainty},
           {"expansibilityUncertainty", &CC::expansibilityUncertainty},
           {"flowUncertainty", &CC::flowUncertainty},
           {"pressureLoss", &CC::pressureLoss},
           {"reynolds", &CC::reynolds},
           {"reynoldsMin", &CC::reynoldsMin},
           {"reynoldsMax", &CC::reynoldsMax},
           {"roughnessLimitFactor", &CC::roughnessLimitFactor},
           {"upstreamLengthRequired", &CC::upstreamLengthRequired},
           {"upstreamLengthB", &CC::upstreamLengthB},
           {"downstreamLengthRequired", &CC::downstreamLengthRequired},
           {"downstreamLengthB", &CC::downstreamLengthB}})
    real(n, m, G::Result);

  real("lowerRangeFlowrate", &CC::lowerRangeFlowrate, G::Limit);
  real("reynoldsLimitFlowrate", &CC::reynoldsLimitFlowrate, G::Limit);
  real("edgeRadiusLimit", &CC::edgeRadiusLimit, G::Limit);
  real("roughnessLimit", &CC::roughnessLimit, G::Limit);

  flag("caseModified", &CC::caseModified);
  flag("rangeMode", &CC::rangeMode);
  flag("humidityCorrected", &CC::humidityCorrected);
  flag("rangePartlyOutside", &CC::rangePartlyOutside);
  flag("warnReynoldsHigh", &CC::warnReynoldsHigh);
  flag("warnReynoldsLow", &CC::warnReynoldsLow);
  flag("warnDpRatio", &CC::warnDpRatio);
  flag("warnPipeTooLarge", &CC::warnPipeTooLarge);
  flag("warnPipeTooSmall", &CC::warnPipeTooSmall);
  flag("warnDeviceTooSmall", &CC::warnDeviceTooSmall);
  flag("warnVaporization", &CC::warnVaporization);
  flag("warnAsmeRange", &CC::warnAsmeRange);
  flag("warnDrainHolePipe", &CC::warnDrainHolePipe);
  flag("warnDrainHoleBeta", &CC::warnDrainHoleBeta);
  flag("warnDrainHoleSize", &CC::warnDrainHoleSize);
  flag("asmeFittingListShown", &CC::asmeFittingListShown);
  return f;
}

bool parseWhole(std::string_view t, long long& out) {
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  if (t.empty() || t.front() == '+') return false;
  auto r = std::from_chars(t.data(), t.data() + t.size(), out);
  return r.ec == std::errc{} && r.ptr == t.data() + t.size();
}

// "name[i]" -> name and 1-based index (0 when there is no index); false for
// a malformed index.
bool splitName(std::string_view full, std::string_view& name, int& index) {
  index = 0;
  size_t open = full.find('[');
  if (open == std::string_view::npos) {
    name = full;
    return true;
  }
  if (full.back() != ']') return false;
  name = full.substr(0, open);
  long long i = 0;
  if (!parseWhole(full.substr(open + 1, full.size() - open - 2), i) || i < 1 || i > 1000)
    return false;
  index = static_cast<int>(i);
  return true;
}

std::string realText(Real x) { return formatRoundTrip(x); }

}  // namespace

int CaseField::size() const {
  if (std::holds_alternative<Composition CalculationCase::*>(member)) return kCompositionSlots;
  if (std::holds_alternative<std::array<Real, 2> CalculationCase::*>(member)) return 2;
  return 1;
}

const std::vector<CaseField>& caseFields() {
  static const std::vector<CaseField> fields = buildFields();
  return fields;
}

const CaseField* findCaseField(std::string_view name) {
  for (const auto& f : caseFields())
    if (f.name == name) return &f;
  return nullptr;
}

bool setCaseField(CalculationCase& c, std::string_view full, std::string_view value,
                  std::string& error) {
  std::string_view name;
  int index = 0;
  if (!splitName(full, name, index)) {
    error = "bad slot index in " + std::string(full);
    return false;
  }
  const CaseField* f = findCaseField(name);
  if (!f) {
    error = "no case field named " + std::string(name);
    return false;
  }
  if (f->isArray() != (index > 0) || index > f->size()) {
    error = f->isArray() ? std::string(name) + " needs a slot index 1..." +
                               std::to_string(f->size()) + " in brackets"
                         : std::string(name) + " has no slots";
    return false;
  }
  const std::string v(value);
  auto badNumber = [&](const char* what) {
    error = std::string(name) + ": " + what + " expected, got \"" + v + "\"";
    return false;
  };
  // A real that is no number, or one beyond the range of a double: the
  // number-entry message of the edits, naming the field.
  auto badRealNumber = [&]() {
    error = "Number error " + v + " (" + std::string(full) + ": a number within \u00B11.7E308 expected)";
    return false;
  };
  return std::visit(
      [&](auto member) -> bool {
        using M = decltype(member);
        if constexpr (std::is_same_v<M, int CalculationCase::*>) {
          long long i = 0;
          int named = 0;
          if (codeFromName(f->name, value, named))
            i = named;
          else if (!parseWhole(value, i))
            return badNumber(fieldCodes(f->name).empty() ? "a whole number"
                                                         : "a code or a code's name");
          if (f->maxValue >= f->minValue && (i < f->minValue || i > f->maxValue)) {
            error = std::string(name) + " must lie in " + std::to_string(f->minValue) + "..." +
                    std::to_string(f->maxValue) + ", got " + v;
            return false;
          }
          // 10 to 12 lie in the range of the fluid codes but name no fluid.
          if (f->name == "fluidKind" && !isFluidKindCode(static_cast<int>(i))) {
            error = std::string(name) + " must be 1...9 or 13, got " + v;
            return false;
          }
          if (i < -2147483647LL || i > 2147483647LL) return badNumber("a whole number");
          c.*member = static_cast<int>(i);
        } else if constexpr (std::is_same_v<M, std::time_t CalculationCase::*>) {
          long long i = 0;
          if (!parseWhole(value, i)) return badNumber("a whole number of seconds");
          c.*member = static_cast<std::time_t>(i);
        } else if constexpr (std::is_same_v<M, Real CalculationCase::*>) {
          Real x = 0;
          if (!parseReal(v, x)) return badRealNumber();
          c.*member = x;
        } else if constexpr (std::is_same_v<M, std::string CalculationCase::*>) {
          c.*member = v;
        } else if constexpr (std::is_same_v<M, bool CalculationCase::*>) {
          if (v == "1" || v == "true" || v == "yes")
            c.*member = true;
          else if (v == "0" || v == "false" || v == "no")
            c.*member = false;
          else
            return badNumber("0 or 1");
        } else {
          Real x = 0;
          if (!parseReal(v, x)) return badRealNumber();
          (c.*member)[static_cast<size_t>(index - 1)] = x;
        }
        return true;
      },
      f->member);
}

bool caseFieldText(const CalculationCase& c, std::string_view full, std::string& out) {
  std::string_view name;
  int index = 0;
  if (!splitName(full, name, index)) return false;
  const CaseField* f = findCaseField(name);
  if (!f || f->isArray() != (index > 0) || index > f->size()) return false;
  std::visit(
      [&](auto member) {
        using M = decltype(member);
        if constexpr (std::is_same_v<M, int CalculationCase::*>) {
          out = std::to_string(c.*member);
        } else if constexpr (std::is_same_v<M, std::time_t CalculationCase::*>) {
          out = std::to_string(static_cast<long long>(c.*member));
        } else if constexpr (std::is_same_v<M, Real CalculationCase::*>) {
          out = realText(c.*member);
        } else if constexpr (std::is_same_v<M, std::string CalculationCase::*>) {
          out = c.*member;
        } else if constexpr (std::is_same_v<M, bool CalculationCase::*>) {
          out = (c.*member) ? "1" : "0";
        } else {
          out = realText((c.*member)[static_cast<size_t>(index - 1)]);
        }
      },
      f->member);
  return true;
}

bool caseCodesValid(const CalculationCase& c, std::string& problem) {
  for (const auto& f : caseFields()) {
    if (f.maxValue < f.minValue) continue;
    if (const auto* m = std::get_if<int CalculationCase::*>(&f.member)) {
      int v = c.**m;
      if (v < f.minValue || v > f.maxValue || (f.name == "fluidKind" && !isFluidKindCode(v))) {
        problem = std::string(f.name) + " = " + std::to_string(v);
        return false;
      }
    }
  }
  return true;
}

}  // namespace dorvel
