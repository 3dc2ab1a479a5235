#include "output/report_texts.h"

#include <array>

#include "calc/limits.h"

namespace dorvel::output {

namespace {

struct Pair {
  const char* en;
  const char* pl;
};

template <size_t N>
std::string pick(const std::array<Pair, N>& table, int code, bool english) {
  if (code < 1 || code > static_cast<int>(N)) return {};
  const Pair& p = table[static_cast<size_t>(code - 1)];
  return english ? p.en : p.pl;
}

constexpr std::array<Pair, 12> kDevices{{
    {"Orifice plate with corner tappings", "Kryza z odbiorem przytarczowym"},
    {"Orifice plate with D and D/2 tappings", "Kryza z odbiorem typu D i D/2"},
    {"Orifice plate with flange tappings", "Kryza z odbiorem kołnierzowym"},
    {"ISA 1932 nozzle", "Dysza ISA 1932"},
    {"Long radius nozzle", "Dysza o dużych promieniach"},
    {"Venturi nozzle", "Dysza Venturiego"},
    {"Eccentric orifice plate", "Kryza mimośrodowa"},
    {"Quarter-circle orifice plate", "Kryza kwadrantowa"},
    {"Classical Venturi tube with \"as cast\" inlet", "Klasyczna zwężka Venturiego (odlew)"},
    {"Classical Venturi tube with machined inlet", "Klasyczna zwężka Venturiego (skraw)"},
    {"Classical Venturi tube with rough-welded inlet", "Klasyczna zwężka Venturiego (spaw.)"},
    {"Conical entrance orifice plate", "Kryza z wlotem stożkowym"},
}};

constexpr std::array<Pair, 7> kMaterials{{
    {"300 stainless steel", "Stal kwasoodporna (Cr-Ni)"},
    {"Carbon steel", "Stal węglowa"},
    {"400 stainless steel", "Stal chromowa"},
    {"Bronze", "Brąz"},
    {"Monel", "Stop Monela"},
    {"Aluminium", "Aluminium"},
    {"Hot-rolled brass", "Mosiądz walcowany na gorąco"},
}};


}  // namespace

std::string fluidName(const CalculationCase& c, bool english) {
  switch (c.fluidKind) {
    case FluidWater: return english ? "Water" : "Woda";
    case FluidOtherLiquid:
    case FluidOtherGas: return c.fluidName;
    case FluidSteam:
    case FluidSteam13: return english ? "Steam" : "Para wodna";
    case FluidAir: return english ? "Air" : "Powietrze";
    case FluidLiquidAmmonia: return english ? "Liquid ammonia" : "Amoniak ciekły";
    case FluidCokeGas: return english ? "Coke-oven or town gas" : "Gaz sztuczny";
    case FluidNaturalGas8:
    case FluidNaturalGas: return english ? "Natural gas" : "Gaz ziemny";
    default: return {};
  }
}

std::string deviceName(int deviceType, bool english) { return pick(kDevices, deviceType, english); }

std::string materialName(int material, bool english) {
  return pick(kMaterials, material, english);
}

std::string fittingName(const CalculationCase& c, bool english) {
  // The list in force; a device no list offers names its orifice-list code.
  LengthTable list = straightLengthTable(c.deviceType, c.pipeDiameter20);
  if (list == LengthTable::None) list = LengthTable::Orifice;
  return fittingItemName(list, c.*fittingFieldOf(list), english);
}

std::string selectorName(const CalculationCase& c, char selector, bool english) {
  switch (selector) {
    case 'Y': return c.caseTitle;
    case 'P': return fluidName(c, english);
    case 'T': return deviceName(c.deviceType, english);
    case 'R': return materialName(c.pipeMaterial, english);
    case 'Z': return materialName(c.deviceMaterial, english);
    case 'E': return fittingName(c, english);
    default: return {};
  }
}

HeaderStandardLine headerStandardLine(const CalculationCase& c) {
  const Standard standard = governingStandard(c.deviceType, c.pipeDiameter20);
  return {standardLabel(standard, StandardLabelUse::Printed),
          standard == Standard::Iso5167 ? 40 : 46};
}

SignOffLabels signOffLabels(bool english) {
  if (english) return {"Tag", "Rev.", "Date", "Prepared", "Checked", "Approved"};
  return {"Nr punktu", "Wyd.", "Data", "Opracował", "Sprawdził", "Zatwierdził"};
}

// The engine's pipe-diameter range of the device (whole millimetres).
int minimumPipeDiameter(int deviceType) {
  return static_cast<int>(pipeDiameterRange(deviceType).min);
}

int maximumPipeDiameter(int deviceType) {
  return static_cast<int>(pipeDiameterRange(deviceType).max);
}

std::string reportFlowUnitText(int flowUnit, Real refTemperature, Real refPressure) {
  switch (flowUnit) {
    case 1: return "kg/h";
    case 2: return "kg/s";
    case 3: return "t/h";
    case 4: return "m3/h  ";
    case 5: return referenceVolumeFlowUnit(refTemperature, refPressure) + " ";
    default: return {};
  }
}

std::string rangeFlowUnitText(int flowUnit, Real refTemperature, Real refPressure) {
  switch (flowUnit) {
    case 1: return "kg/h";
    case 2: return "kg/s";
    case 3: return "t/h";
    case 4: return "m3/h";
    case 5: return referenceVolumeFlowUnit(refTemperature, refPressure);
    default: return {};
  }
}

}  // namespace dorvel::output
