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

constexpr std::array<Pair, 12> kFittingsOrifice{{
    {"Single 90° bend. Two 90° bends in any plane (S>30D)",
     "Pojedyncze kolano 90°, dwa kolana 90° w odstępie >30D"},
    {"Two 90° bends in the same plane:S-conf.(30D>S>10D)",
     "Dwa kolana 90° w jednej płaszcz. w odstępie 30D do 10D"},
    {"Two 90° bends in the same plane: S-conf.(10D>S)",
     "Dwa kolana 90° w jednej płaszczyźnie w odstępie <10D"},
    {"Two 90° bends in perpendicular planes (30D>S>5D)",
     "Dwa kolana 90° w różnych płaszcz. w odstępie 30D do 5D"},
    {"Two 90° bends in perpendicular planes (5D>S)",
     "Dwa kolana 90° w różnych płaszczyznach w odstępie <5D"},
    {"Single 90° tee. Mitre 90° bend.", "Trójnik 90°, kolano segmentowe 90°"},
    {"Single 45° bend. Two bends 45° in the same plane S>2D",
     "Jedno lub dwa kolana 45° w tej samej płaszczyźnie"},
    {"Concentric reducer 2D to D over a length of 1.5D to 3D",
     "Konfuzor 2D do D na długości 1.5D do 3D"},
    {"Concentric expander 0.5D to D over a length of D to 2D",
     "Dyfuzor z 0.5D do D na długości D do 2D"},
    {"Full bore ball or gate valve fully open", "Zawór kulowy lub zasuwa całkowicie otwarte"},
    {"Abrupt symmetrical reduction", "Skokowe zwężenie symetryczne"},
    {"Thermometer pocket or well of diameter < 0.03D",
     "Tuleja lub gniazdo termometru o średnicy <0.03D"},
}};

constexpr std::array<Pair, 9> kFittingsSmallBore{{
    {"Single 90° bend or tee (flow from one branch only)",
     "Pojedyncze kolano 90° lub trójnik (przepływ jedną gałęzią)"},
    {"Two or more 90° bends in the same plane",
     "Dwa lub więcej kolan 90° w tej samej płaszczyźnie"},
    {"Two or more 90° bends in different planes",
     "Dwa lub więcej kolan 90° w różnych płaszczyznach"},
    {"Reducer 2D to D over a length of 1.5D to 3D", "Konfuzor z 2D do D na długości 1.5D do 3D"},
    {"Expander 0.5D to D over a length of D to 2D", "Dyfuzor z 0.5D do D na długości D do 2D"},
    {"Globe valve fully open", "Zawór grzybkowy całkowicie otwarty"},
    {"Full bore ball or gate valve fully open",
     "Zawór kulowy lub zasuwa pełnootworowe całkowicie otwarte"},
    {"Abrupt symmetrical reduction", "Nagła symetryczna redukcja"},
    {"Thermometer pocket or well", "Osłona lub gniazdo czujnika termometrycznego"},
}};

constexpr std::array<Pair, 10> kFittingsNozzle{{
    {"Single 90° bend or tee (flow from one branch only)",
     "Pojedyncze kolano 90° lub trójnik (przepływ jedną gałęzią)"},
    {"Two or more 90° bends in the same plane",
     "Dwa lub więcej kolan 90° w tej samej płaszczyźnie"},
    {"Two or more 90° bends in different planes",
     "Dwa lub więcej kolan 90° w różnych płaszczyznach"},
    {"Reducer 2D to D over a length of 1.5D to 3D", "Konfuzor z 2D do D na długości 1.5D do 3D"},
    {"Expander 0.5D to D over a length of D to 2D", "Dyfuzor 0.5D do D na długości D do 2D"},
    {"Globe valve fully open", "Zawór grzybkowy całkowicie otwarty"},
    {"Full bore ball or gate valve fully open",
     "Zawór kulowy lub zasuwa pełnootworowe całkowicie otwarte"},
    {"Abrupt symmetrical reduction", "Nagła symetryczna redukcja"},
    {"Thermometer pocket or well of diameter <=0.03D", "Osłona lub gniazdo termometru o d<=0.03D"},
    {"Thermometer pocket or well of 0.03D<d<0.13D",
     "Osłona lub gniazdo termometru o 0.03D<d<0.13D"},
}};

constexpr std::array<Pair, 8> kFittingsVenturi{{
    {"Single 90° bend", "Pojedyncze kolano 90°"},
    {"Two or more 90° bends in the same plane or differ.planes",
     "Dwa lub więcej kolan 90° w tej samej lub różnych płaszcz."},
    {"Reducer 1.33D to D over a length of 2.3D", "Konfuzor z 1.33D do D na długości 2.3D"},
    {"Expander 0.67D to D over a length of 2.5D", "Dyfuzor 0.67D do D na długości 2.5D"},
    {"Reducer 3D to D over a length of 3.5D", "Konfuzor 3D do D na długości 3.5D"},
    {"Expander 0.75D to D over a length of D", "Dyfuzor z 0.75D do D na długości D"},
    {"Full bore ball or gate valve fully open",
     "Zawór kulowy lub zasuwa pełnootworowe całkowicie otwarte"},
    {"Thermometer pocket or well of d<0.13D",
     "Osłona lub gniazdo czujnika termometrycznego o d<0.13D"},
}};

// Pipe-diameter limits of the device types 1..12, mm.
constexpr std::array<int, 12> kMinimumD{12, 50, 25, 50, 50, 65, 100, 25, 100, 50, 200, 25};
constexpr std::array<int, 12> kMaximumD{1000, 1000, 1000, 500, 630, 500,
                                        1000, 500,  800,  350, 1200, 500};

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

FittingList fittingListFor(int deviceType, Real pipeDiameter20) {
  switch (deviceType) {
    case DevOrificeCorner:
      return pipeDiameter20 < 25.0L ? FittingList::SmallBore : FittingList::Orifice;
    case DevOrificeFlange:
      return pipeDiameter20 < 50.0L ? FittingList::SmallBore : FittingList::Orifice;
    case DevIsa1932Nozzle:
    case DevLongRadiusNozzle:
    case DevVenturiNozzle:
    case DevQuarterCircle: return FittingList::Nozzle;
    case DevVenturiAsCast:
    case DevVenturiMachined:
    case DevVenturiRoughWelded: return FittingList::Venturi;
    default: return FittingList::Orifice;  // 2, 7, 12
  }
}

std::string fittingName(const CalculationCase& c, bool english) {
  switch (fittingListFor(c.deviceType, c.pipeDiameter20)) {
    case FittingList::Orifice: return pick(kFittingsOrifice, c.fittingOrifice, english);
    case FittingList::SmallBore: return pick(kFittingsSmallBore, c.fittingAsme, english);
    case FittingList::Nozzle: return pick(kFittingsNozzle, c.fittingNozzle, english);
    case FittingList::Venturi: return pick(kFittingsVenturi, c.fittingVenturi, english);
  }
  return {};
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
  switch (governingStandard(c.deviceType, c.pipeDiameter20)) {
    case Standard::AsmeMfc14M: return {"ASME MFC-14M-2003", 46};
    case Standard::IsoTr15377: return {"ISO/TR 15377:2018", 46};
    default: return {"ISO 5167:2022", 40};
  }
}

SignOffLabels signOffLabels(bool english) {
  if (english) return {"Tag", "Rev.", "Date", "Prepared", "Checked", "Approved"};
  return {"Nr punktu", "Wyd.", "Data", "Opracował", "Sprawdził", "Zatwierdził"};
}

int minimumPipeDiameter(int deviceType) {
  if (deviceType < 1 || deviceType > 12) return 0;
  return kMinimumD[static_cast<size_t>(deviceType - 1)];
}

int maximumPipeDiameter(int deviceType) {
  if (deviceType < 1 || deviceType > 12) return 0;
  return kMaximumD[static_cast<size_t>(deviceType - 1)];
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
