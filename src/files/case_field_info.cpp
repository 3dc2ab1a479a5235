// What every case field means, its unit and, for the coded fields, the name
// of every code: the command line's `fields` listing, the units of its JSON
// output and the code names accepted by --set.
#include <algorithm>
#include <cctype>
#include <utility>

#include "calc/limits.h"
#include "files/case_fields.h"

namespace dorvel {

namespace {

// Units that depend on a unit code of the case are written as the code's
// field name in braces and resolved per case by fieldUnitFor().
struct Info {
  std::string_view name, unit, meaning;
};

const Info kInfo[] = {
    {"task", "", "calculation task"},
    {"fluidKind", "", "fluid"},
    {"deviceType", "", "primary device"},
    {"pipeMaterial", "", "pipe material (thermal expansion of D)"},
    {"deviceMaterial", "", "primary device material (thermal expansion of d)"},
    {"fittingOrifice", "", "upstream fitting, orifice plates (ISO 5167-2 Table 3)"},
    {"fittingAsme", "", "upstream fitting, small-bore orifices (ASME MFC-14M)"},
    {"fittingNozzle", "", "upstream fitting, nozzles and Venturi nozzles (ISO 5167-3 Table 1)"},
    {"fittingVenturi", "", "upstream fitting, classical Venturi tubes (ISO 5167-4 Table 1)"},
    {"pressureUnit", "", "unit of pressureInput and humidityMeasPressure"},
    {"flowUnit", "", "unit of the flowrates"},
    {"dpUnit", "", "unit of the differential pressures"},
    {"viscosityUnit", "", "unit of viscosityEntered and manualViscosity"},
    {"densityKind", "", "which density of an other gas is entered"},

    {"temperature", "\u00B0C", "fluid temperature t upstream"},
    {"pressureInput", "{pressureUnit}", "absolute pressure p1 upstream"},
    {"pipeDiameter20", "mm", "pipe internal diameter D at 20 \u00B0C"},
    {"deviceDiameter20", "mm", "orifice or throat diameter d at 20 \u00B0C (task 1: result)"},
    {"flowrateInput", "{flowUnit}",
     "task 1: upper-range flowrate; task 2: flowrate; task 3: result"},
    {"nominalFlowrate", "{flowUnit}", "task 1: nominal (average) flowrate"},
    {"dpInput", "{dpUnit}",
     "task 1: upper-range differential pressure; task 3: differential pressure; task 2: result"},
    {"drainHoleDiameter", "mm", "drain-hole diameter (0: none)"},
    {"eccentricRoughness", "mm", "pipe equivalent roughness k (eccentric orifice)"},
    {"upstreamLengthActual", "m", "installed upstream straight length (0: not stated)"},
    {"downstreamLengthActual", "m", "installed downstream straight length (0: not stated)"},
    {"extraCUncertainty", "%", "additional uncertainty of C (ISO 5167-2 6.4.4, 6.5.3)"},
    {"dpTransmitterError", "%", "total error of the dp transmitter, % of its reference value"},
    {"dpTransmitterReference", "{dpUnit}",
     "reference value of the dp transmitter error (task 1: the upper-range dp)"},
    {"densityUncertainty", "%", "uncertainty of the working density"},
    {"pressureTransmitterError", "%", "pressure transmitter error, % of the measured value"},
    {"temperatureTransmitterError", "%", "temperature transmitter error, % of the measured value"},
    {"k1Uncertainty", "%", "uncertainty of the compressibility ratio K1"},
    {"refDensityUncertainty", "%", "uncertainty of the reference density"},
    {"relativeHumidity", "%", "relative humidity of the gas"},
    {"refTemperature", "\u00B0C", "reference (normal) temperature of a gas"},
    {"refPressure", "kPa", "reference (normal) pressure of a gas"},

    {"enteredDensity", "kg/m3",
     "density shown and typed on the fluid page (other gas: per densityKind)"},
    {"density", "kg/m3", "working density"},
    {"refDensity", "kg/m3", "density at reference conditions"},
    {"viscosityEntered", "{viscosityUnit}", "dynamic viscosity"},
    {"isentropicExponent", "-", "isentropic exponent kappa"},
    {"compressibilityK1", "-", "K1: compressibility factor at working / at reference conditions"},
    {"satPressure", "kG/cm2", "saturation pressure of water vapour at t"},
    {"satVapourDensity", "kg/m3", "density of saturated water vapour at t"},
    {"densityEnteredByHand", "", "1: the other-gas density was typed in, 0: computed"},
    {"specificVolume", "m3/kg", "specific volume of water or steam"},
    {"specificEnthalpy", "kJ/kg", "specific enthalpy of water or steam"},
    {"saturationTemperature", "\u00B0C", "saturation temperature of steam at p1"},
    {"saturationTemperatureKnown", "", "the saturation temperature exists (p1 below 220 bar)"},
    {"compressibilityZ", "-", "compressibility factor Z at working conditions"},
    {"steamMoleFraction", "-", "mole fraction of water vapour in the gas"},
    {"mixtureComposition", "%",
     "gas composition as entered (mole or volume %), slots 1-22 of the mixture table"},
    {"mixtureMolePercent", "%", "mixtureComposition in mole %"},
    {"naturalGasComposition", "%", "natural-gas composition as entered, slots 1-30"},
    {"naturalGasMolePercent", "%", "naturalGasComposition in mole %"},
    {"cokeGasCnHm", "%", "CnHm content of coke-oven gas as entered"},
    {"cokeGasCnHmMole", "%", "CnHm content of coke-oven gas in mole %"},
    {"compositionInMolePercent", "", "1: compositions in mole %, 0: in volume %"},
    {"naturalGasInputIsComposition", "",
     "1: natural gas by its composition, 0: by its physical properties"},
    {"naturalGasEquation", "",
     "equation of state of natural gas given by its composition (the physical-property "
     "input is SGERG-88)"},
    {"calorificValue", "MJ/m3", "superior calorific value Hs of natural gas"},
    {"relativeDensity", "-", "relative density d of natural gas"},
    {"co2Percent", "%", "CO2 content of natural gas, mole %"},
    {"h2Percent", "%", "H2 content of natural gas, mole %"},
    {"refConditionsText", "", "label of the reference conditions"},
    {"humidityMeasTemperature", "\u00B0C", "temperature at which the humidity was measured"},
    {"humidityMeasPressure", "{pressureUnit}",
     "absolute pressure at which the humidity was measured"},
    {"humidityMeasured", "%", "measured relative humidity"},

    {"caseTitle", "", "title of the measuring point"},
    {"fluidName", "", "name of the fluid"},
    {"balanceNumber", "-", "balance number of the measuring point (kept unchanged)"},
    {"manualDensity", "kg/m3", "other gas typed in by hand: density (per densityKind)"},
    {"manualViscosity", "{viscosityUnit}", "other gas typed in by hand: dynamic viscosity"},
    {"manualIsentropicExponent", "-", "other gas typed in by hand: isentropic exponent"},
    {"manualK1", "-", "other gas typed in by hand: compressibility ratio K1"},
    {"dpUnit3Values", "-", "values of files with dp unit code 3 (mercury manometer)"},
    {"dpUnit4Values", "-", "values of files with dp unit code 4 (liquid manometer)"},
    {"dataFilePath", "", "path of the case file"},
    {"dataFileDate", "s", "time of the case file (seconds since 1970-01-01 UTC)"},
    {"dataFileDateKnown", "", "dataFileDate is known"},

    {"pressureAt", "kG/cm2", "absolute pressure p1"},
    {"pressureBar", "bar", "absolute pressure p1"},
    {"pressureKPa", "kPa", "absolute pressure p1"},
    {"dpMmH2O", "mm H2O", "differential pressure (kG/m2)"},
    {"dpUnitFactor", "-", "differential pressure in dpUnit per mm H2O"},
    {"dpTransmitterReferenceMmH2O", "mm H2O", "reference value of the dp transmitter error"},
    {"viscosityTech", "kG*s/m2", "dynamic viscosity"},
    {"viscosityPaS", "Pa*s", "dynamic viscosity"},
    {"flowUnitFactor", "-", "flowrate in flowUnit per 1 kg/h"},
    {"massFlowKgH", "kg/h", "mass flowrate (task 1: upper-range)"},
    {"nominalPercent", "%", "nominal flowrate, % of the upper-range flowrate"},
    {"pipeExpansionFactor", "-", "thermal expansion factor of D from 20 \u00B0C to t"},
    {"deviceExpansionFactor", "-", "thermal expansion factor of d from 20 \u00B0C to t"},
    {"drainHoleFactor", "-", "drain-hole correction of d"},

    {"pipeDiameter", "mm", "pipe diameter D at t"},
    {"deviceDiameter", "mm", "orifice or throat diameter d at t, drain-hole corrected"},
    {"beta", "-", "diameter ratio beta = d/D"},
    {"quarterCircleRadiusRatio", "-", "profile radius r/d of a quarter-circle orifice"},
    {"dpKPa", "kPa", "differential pressure (task 2)"},
    {"dischargeCoefficient", "-", "discharge coefficient C"},
    {"expansibility", "-", "expansibility (expansion) factor epsilon"},
    {"cUncertainty", "%", "uncertainty of C"},
    {"expansibilityUncertainty", "%", "uncertainty of epsilon"},
    {"flowUncertainty", "%", "uncertainty of the flowrate at the calculated point"},
    {"pressureLoss", "-", "permanent pressure loss divided by the differential pressure"},
    {"reynolds", "-", "pipe Reynolds number ReD (task 1: at the upper-range flowrate)"},
    {"reynoldsMin", "-", "lower limit of ReD for the device at this beta"},
    {"reynoldsMax", "-", "upper limit of ReD for the device at this beta"},
    {"roughnessLimitFactor", "-", "upper limit of 10^4 k/D (small-bore orifices: of k in mm)"},
    {"upstreamLengthRequired", "D",
     "required upstream straight length, pipe diameters (zero additional uncertainty)"},
    {"upstreamLengthB", "D",
     "required upstream straight length, pipe diameters (0.5 % additional uncertainty)"},
    {"downstreamLengthRequired", "D", "required downstream straight length, pipe diameters"},
    {"downstreamLengthB", "D",
     "downstream straight length, pipe diameters (0.5 % additional uncertainty)"},

    {"lowerRangeFlowrate", "{flowUnit}", "flowrate at the lower Reynolds-number limit"},
    {"reynoldsLimitFlowrate", "{flowUnit}", "flowrate at the upper Reynolds-number limit"},
    {"edgeRadiusLimit", "mm", "upper limit of the orifice edge radius"},
    {"roughnessLimit", "mm", "upper limit of the pipe equivalent roughness k"},

    {"caseModified", "", "the case was changed since it was read or saved"},
    {"rangeMode", "", "set during the range table and graph sweeps"},
    {"humidityCorrected", "", "the reference density is valid and printed with the results"},
    {"rangePartlyOutside", "", "results lie outside the standard's limits"},
    {"warnReynoldsHigh", "", "warning: Reynolds number above the device's limit"},
    {"warnReynoldsLow", "", "warning: Reynolds number below the device's limit"},
    {"warnDpRatio", "", "warning: differential pressure not below 0.25 p1"},
    {"warnPipeTooLarge", "", "warning: pipe diameter above the device's range"},
    {"warnPipeTooSmall", "", "warning: pipe diameter below the device's range"},
    {"warnDeviceTooSmall", "", "warning: orifice or throat diameter too small"},
    {"warnVaporization", "", "warning: the liquid vaporizes"},
    {"warnAsmeRange", "", "warning: pipe diameter outside the small-bore range"},
    {"warnDrainHolePipe", "", "warning: drain hole in an orifice plate with D20 <= 100 mm"},
    {"warnDrainHoleBeta", "", "warning: drain hole in a nozzle with beta >= 0.625"},
    {"warnDrainHoleSize", "", "warning: drain hole larger than 0.1 d20"},
    {"asmeFittingListShown", "", "the small-bore fitting list is in use"},
};

using Codes = std::vector<FieldCode>;

// A fitting list's codes, named as the input page lists them.
Codes fittingCodes(LengthTable list) {
  Codes codes;
  for (int code = 1; code <= fittingCount(list); ++code)
    codes.push_back({code, fittingListItem(list, code)});
  return codes;
}

const std::vector<std::pair<std::string_view, Codes>>& codeTable() {
  static const std::vector<std::pair<std::string_view, Codes>> table = {
      {"task",
       {{1, "Primary device diameter calculation"},
        {2, "Differential pressure calculation"},
        {3, "Flowrate calculation"}}},
      {"fluidKind",
       {{1, "Water"},
        {2, "Other liquid"},
        {3, "Steam"},
        {4, "Air"},
        {5, "Other gas"},
        {6, "Liquid ammonia"},
        {7, "Coke-oven gas or town gas"},
        {8, "Natural gas (old files)"},
        {9, "Natural gas"},
        {13, "Steam (old files)"}}},
      {"deviceType",
       {{1, "Orifice plate with corner tappings"},
        {2, "Orifice plate with D and D/2 tappings"},
        {3, "Orifice plate with flange tappings"},
        {4, "ISA 1932 nozzle"},
        {5, "Long radius nozzle"},
        {6, "Venturi nozzle"},
        {7, "Eccentric orifice plate (ISO/TR 15377)"},
        {8, "Quarter-circle orifice plate (ISO/TR 15377)"},
        {9, "Classical Venturi tube with \"as cast\" inlet"},
        {10, "Classical Venturi tube with machined inlet"},
        {11, "Classical Venturi tube with rough-welded inlet"},
        {12, "Conical entrance orifice plate (ISO/TR 15377)"}}},
      {"pipeMaterial",
       {{1, "300 stainless steel (CrNi)"},
        {2, "Carbon steel"},
        {3, "400 stainless steel (Cr)"},
        {4, "Bronze"},
        {5, "Monel"},
        {6, "Aluminium"},
        {7, "Hot-rolled brass"}}},
      {"fittingOrifice", fittingCodes(LengthTable::Orifice)},
      {"fittingAsme", fittingCodes(LengthTable::SmallBore)},
      {"fittingNozzle", fittingCodes(LengthTable::Nozzle)},
      {"fittingVenturi", fittingCodes(LengthTable::Venturi)},
      {"pressureUnit", {{1, "kG/cm2"}, {2, "kPa"}, {3, "MPa"}, {4, "bar"}}},
      {"flowUnit",
       {{1, "kg/h"},
        {2, "kg/s"},
        {3, "t/h"},
        {4, "m3/h (working conditions)"},
        {5, "m3/h (reference conditions)"}}},
      {"dpUnit",
       {{1, "mm H2O"},
        {2, "kPa"},
        {3, "Mercury manometer (old files)"},
        {4, "Liquid manometer (old files)"}}},
      {"viscosityUnit", {{1, "kG*s/m2"}, {2, "kg/(m*h)"}, {3, "Pa*s"}, {4, "cP"}}},
      {"densityKind", {{1, "Working density entered"}, {2, "Reference density entered"}}},
      {"naturalGasEquation",
       {{1, "SGERG-88 (ISO 12213-3)"},
        {2, "AGA8-92DC (ISO 12213-2)"},
        {3, "GERG-2008 (ISO 20765-2)"}}},
  };
  return table;
}

// Lower case, blanks dropped: "Natural gas" and "natural  GAS" are one name.
std::string folded(std::string_view s) {
  std::string out;
  for (unsigned char ch : s)
    if (!std::isspace(ch)) out += static_cast<char>(std::tolower(ch));
  return out;
}

const Info* findInfo(std::string_view name) {
  for (const Info& i : kInfo)
    if (i.name == name) return &i;
  return nullptr;
}

}  // namespace

std::string_view fieldUnit(std::string_view name) {
  const Info* i = findInfo(name);
  return i ? i->unit : std::string_view();
}

std::string_view fieldMeaning(std::string_view name) {
  const Info* i = findInfo(name);
  return i ? i->meaning : std::string_view();
}

const std::vector<FieldCode>& fieldCodes(std::string_view name) {
  static const std::vector<FieldCode> none;
  // The device material takes the pipe's list.
  if (name == "deviceMaterial") name = "pipeMaterial";
  for (const auto& [field, codes] : codeTable())
    if (field == name) return codes;
  return none;
}

std::string unitText(std::string_view unitField, int code) {
  if (unitField == "dpUnit") return code == 1 ? "mm H2O" : "kPa";
  if (unitField == "flowUnit" && code == 4) return "m3/h";
  if (unitField == "flowUnit" && code == 5) return "m3/h ref.cond.";
  for (const FieldCode& fc : fieldCodes(unitField))
    if (fc.code == code) return std::string(fc.name);
  return {};
}

std::string unitTextFor(std::string_view unitField, int code, const CalculationCase& c) {
  if (unitField == "flowUnit" && code == 5)
    return referenceVolumeFlowUnit(c.refTemperature, c.refPressure);
  return unitText(unitField, code);
}

namespace {

std::string resolvedUnit(std::string_view u, const CalculationCase& c) {
  if (u.size() < 2 || u.front() != '{') return std::string(u);
  const std::string_view unitField = u.substr(1, u.size() - 2);
  const CaseField* f = findCaseField(unitField);
  if (!f) return {};
  const auto* m = std::get_if<int CalculationCase::*>(&f->member);
  return m ? unitTextFor(unitField, c.**m, c) : std::string();
}

}  // namespace

std::string fieldUnitFor(std::string_view name, const CalculationCase& c) {
  return resolvedUnit(fieldUnit(name), c);
}

std::string fieldUnitFor(const CaseField& field, const CalculationCase& c) {
  // The units of the registry's fields, looked up once: the JSON output asks
  // for the unit of every numeric field of every case.
  static const std::vector<std::string_view> units = [] {
    std::vector<std::string_view> v;
    for (const CaseField& f : caseFields()) v.push_back(fieldUnit(f.name));
    return v;
  }();
  const std::vector<CaseField>& fields = caseFields();
  if (&field >= fields.data() && &field < fields.data() + fields.size())
    return resolvedUnit(units[static_cast<size_t>(&field - fields.data())], c);
  return fieldUnitFor(field.name, c);
}

bool codeFromName(std::string_view field, std::string_view text, int& code) {
  const std::string wanted = folded(text);
  if (wanted.empty()) return false;
  for (const FieldCode& fc : fieldCodes(field))
    if (folded(fc.name) == wanted) {
      code = fc.code;
      return true;
    }
  // A name without its bracketed addition ("GERG-2008" for "GERG-2008 (ISO
  // 20765-2)") when only one code has it.
  int found = 0, matches = 0;
  for (const FieldCode& fc : fieldCodes(field)) {
    const size_t open = fc.name.find(" (");
    if (open != std::string_view::npos && folded(fc.name.substr(0, open)) == wanted) {
      found = fc.code;
      ++matches;
    }
  }
  if (matches != 1) return false;
  code = found;
  return true;
}

}  // namespace dorvel
