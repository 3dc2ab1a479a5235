// The calculation report's lines: titles, the descriptive block, the
// conditional lines of every section, fallback words, warnings, padding and
// the lines-per-page rule of the printer page.
#include <cmath>
#include <string>
#include <vector>

#include "base/format.h"
#include "calc/limits.h"
#include "calc/results_view.h"
#include "output/calculation_report.h"
#include "output/page_context.h"
#include "output/page_output.h"
#include "output/report_texts.h"
#include "support/output_cases.h"
#include "support/testing.h"

namespace dorvel::output {
namespace {

using testing::naturalGasDiameterCase;
using testing::storeUncertaintyBudget;
using testing::waterFlowrateCase;

const std::string kToday = "08.12.2026";

PageContext report(const CalculationCase& c, bool english = true) {
  return buildCalculationReport(c, english, kToday);
}

const PageItem* lineWithCode(const PageContext& ctx, int code) {
  for (const PageItem& it : ctx.items)
    if (it.kind == ItemKind::ReportLine && it.lineCode == code) return &it;
  return nullptr;
}

std::vector<std::string> freeLines(const PageContext& ctx) {
  std::vector<std::string> out;
  for (const PageItem& it : ctx.items)
    if (it.kind == ItemKind::ReportLine && it.lineCode == kFreeLine) out.push_back(it.symbol);
  return out;
}

const PageItem* textItem(const PageContext& ctx, const std::string& text) {
  for (const PageItem& it : ctx.items)
    if (it.kind != ItemKind::ReportLine && it.text == text) return &it;
  return nullptr;
}

bool contains(const std::vector<std::string>& v, const std::string& s) {
  for (const auto& x : v)
    if (x == s) return true;
  return false;
}

// ---- title, date and source file -------------------------------------------

TEST(ReportTitle, ByTaskInBothLanguages) {
  struct Case {
    int task;
    const char* en;
    const char* pl;
  };
  const Case cases[] = {
      {TaskFlowrate, "FLUID  FLOWRATE  CALCULATION  REPORT", "PROTOKÓŁ Z OBLICZANIA STRUMIENIA"},
      {TaskDiameter, "DEVICE  DIAMETER  CALCULATION  REPORT",
       "PROTOKÓŁ Z OBLICZANIA ŚREDNICY OTWORU ZWĘŻKI"},
      {TaskDifferentialPressure, "DIFFERENTIAL  PRESSURE  CALCULATION  REPORT",
       "PROTOKÓŁ Z OBLICZANIA CIŚNIENIA RÓŻNICOWEGO"},
  };
  for (const Case& k : cases) {
    CalculationCase c = waterFlowrateCase();
    c.task = k.task;
    for (bool en : {true, false}) {
      PageContext ctx = report(c, en);
      const PageItem* title = textItem(ctx, en ? k.en : k.pl);
      ASSERT_NE(title, nullptr) << k.en;
      EXPECT_EQ(title->kind, ItemKind::LeftText);
      EXPECT_EQ(title->column, kLabelColumn);
      EXPECT_EQ(title->font, (FontSpec{60, true, false, false}));
      // Start line 1 + five empty lines + two empty lines (no data file).
      EXPECT_EQ(title->line, 8);
      const PageItem* date = textItem(ctx, kToday);
      ASSERT_NE(date, nullptr);
      EXPECT_EQ(date->kind, ItemKind::RightText);
      EXPECT_EQ(date->line, title->line);
      EXPECT_EQ(date->rightX, ctx.rightEdge);
      EXPECT_EQ(date->font, kRegularFont);
    }
  }
}

TEST(ReportTitle, DataFileLineAtSmallFontMovesTheTitleDown) {
  CalculationCase c = waterFlowrateCase();
  c.dataFilePath = "/plant/ft101.dvl";
  std::tm tm{};
  tm.tm_year = 2024 - 1900;
  tm.tm_mon = 2;
  tm.tm_mday = 5;
  tm.tm_hour = 12;
  c.dataFileDate = std::mktime(&tm);
  c.dataFileDateKnown = true;
  PageContext en = report(c, true);
  const PageItem* file = textItem(en, "Data from file: /plant/ft101.dvl, dated: 05.03.2024");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->line, 6);
  EXPECT_EQ(file->font.heightDivisor, 90);
  EXPECT_EQ(file->column, kLabelColumn);
  EXPECT_EQ(textItem(en, "FLUID  FLOWRATE  CALCULATION  REPORT")->line, 9);
  PageContext pl = report(c, false);
  EXPECT_NE(textItem(pl, "Dane z pliku: /plant/ft101.dvl, z dnia: 05.03.2024"), nullptr);
}

TEST(ReportDates, DayAndMonthWithTwoDigits) {
  std::tm tm{};
  tm.tm_year = 2009 - 1900;
  tm.tm_mon = 0;
  tm.tm_mday = 7;
  tm.tm_hour = 12;
  EXPECT_EQ(formatDate(std::mktime(&tm)), "07.01.2009");
  tm.tm_mon = 11;
  tm.tm_mday = 31;
  EXPECT_EQ(formatDate(std::mktime(&tm)), "31.12.2009");
}

// ---- descriptive block -----------------------------------------------------

TEST(ReportDescriptive, SelectorLettersAndNames) {
  CalculationCase c = waterFlowrateCase();
  PageContext en = report(c, true);
  struct Row {
    int code;
    const char* label;
    const char* selector;
    const char* value;
  };
  const Row rows[] = {
      {kLineDescription, "Description", "Y", "Cooling water FT-101"},
      {kLineFluid, "Fluid", "P", "Water"},
      {kLineDevice, "Primary device", "T", "Orifice plate with flange tappings"},
      {kLinePipeMaterial, "Pipe material", "R", "Carbon steel"},
      {kLineDeviceMaterial, "Primary device material", "Z", "300 stainless steel"},
      {kLineFitting, "Upstream fittings", "E", "Single 90° tee. Mitre 90° bend."},
  };
  int line = -1;
  for (const Row& r : rows) {
    const PageItem* it = lineWithCode(en, r.code);
    ASSERT_NE(it, nullptr) << r.label;
    EXPECT_EQ(it->label, r.label);
    EXPECT_EQ(it->symbol, "-");
    EXPECT_EQ(it->unit, r.selector);
    EXPECT_EQ(it->value, r.value);
    EXPECT_EQ(it->captionCode, 0);
    if (line >= 0) {
      EXPECT_EQ(it->line, line + 1);
    }
    line = it->line;
  }
  // Title on line 8, two empty lines, one more before the block.
  EXPECT_EQ(lineWithCode(en, kLineDescription)->line, 12);

  PageContext pl = report(c, false);
  EXPECT_EQ(lineWithCode(pl, kLineDescription)->label, "Tytuł");
  EXPECT_EQ(lineWithCode(pl, kLineFluid)->value, "Woda");
  EXPECT_EQ(lineWithCode(pl, kLineDevice)->value, "Kryza z odbiorem kołnierzowym");
  EXPECT_EQ(lineWithCode(pl, kLinePipeMaterial)->value, "Stal węglowa");
  EXPECT_EQ(lineWithCode(pl, kLineDeviceMaterial)->value, "Stal kwasoodporna (Cr-Ni)");
  EXPECT_EQ(lineWithCode(pl, kLineFitting)->label, "Element przed zwężką");
  EXPECT_EQ(lineWithCode(pl, kLineFitting)->value, "Trójnik 90°, kolano segmentowe 90°");
}

TEST(ReportDescriptive, FluidNamesOfEveryKind) {
  CalculationCase c = waterFlowrateCase();
  c.fluidName = "Glycol 30 %";
  struct K {
    int kind;
    const char* en;
    const char* pl;
  };
  const K kinds[] = {{FluidWater, "Water", "Woda"},
                     {FluidOtherLiquid, "Glycol 30 %", "Glycol 30 %"},
                     {FluidSteam, "Steam", "Para wodna"},
                     {FluidAir, "Air", "Powietrze"},
                     {FluidOtherGas, "Glycol 30 %", "Glycol 30 %"},
                     {FluidLiquidAmmonia, "Liquid ammonia", "Amoniak ciekły"},
                     {FluidCokeGas, "Coke-oven or town gas", "Gaz sztuczny"},
                     {FluidNaturalGas, "Natural gas", "Gaz ziemny"}};
  for (const K& k : kinds) {
    c.fluidKind = k.kind;
    EXPECT_EQ(selectorName(c, 'P', true), k.en);
    EXPECT_EQ(selectorName(c, 'P', false), k.pl);
  }
}

TEST(ReportDescriptive, FittingListFollowsDeviceAndPipe) {
  CalculationCase c = waterFlowrateCase();
  c.fittingOrifice = 1;
  c.fittingAsme = 6;
  c.fittingNozzle = 10;
  c.fittingVenturi = 8;
  c.deviceType = DevOrificeCorner;
  c.pipeDiameter20 = 24.9L;
  EXPECT_EQ(fittingName(c, true), "Globe valve fully open");
  c.pipeDiameter20 = 25;
  EXPECT_EQ(fittingName(c, true), "Single 90° bend. Two 90° bends in any plane (S>30D)");
  c.deviceType = DevOrificeFlange;
  c.pipeDiameter20 = 49.9L;
  EXPECT_EQ(fittingName(c, false), "Zawór grzybkowy całkowicie otwarty");
  c.pipeDiameter20 = 50;
  EXPECT_EQ(fittingName(c, false), "Pojedyncze kolano 90°, dwa kolana 90° w odstępie >30D");
  c.deviceType = DevOrificeDD2;  // no small-bore list for D and D/2 tappings
  c.pipeDiameter20 = 20;
  EXPECT_EQ(straightLengthTable(c.deviceType, c.pipeDiameter20), LengthTable::Orifice);
  for (int d : {4, 5, 6, 8}) {
    c.deviceType = d;
    EXPECT_EQ(fittingName(c, true), "Thermometer pocket or well of 0.03D<d<0.13D") << d;
  }
  for (int d : {9, 10, 11}) {
    c.deviceType = d;
    EXPECT_EQ(fittingName(c, true), "Thermometer pocket or well of d<0.13D") << d;
  }
  for (int d : {7, 12}) EXPECT_EQ(straightLengthTable(d, 20), LengthTable::Orifice);
}

TEST(ReportDescriptive, TitleOf61CharactersMovesToAFreeLine) {
  CalculationCase c = waterFlowrateCase();
  c.caseTitle = std::string(60, 'x');
  EXPECT_NE(lineWithCode(report(c), kLineDescription), nullptr);
  EXPECT_TRUE(freeLines(report(c)).empty());

  c.caseTitle = std::string(61, 'x');
  PageContext en = report(c, true);
  EXPECT_EQ(lineWithCode(en, kLineDescription), nullptr);
  ASSERT_EQ(freeLines(en).size(), 1u);
  EXPECT_EQ(freeLines(en)[0], "Description: " + c.caseTitle);
  EXPECT_EQ(freeLines(report(c, false))[0], "Tytuł: " + c.caseTitle);
  // The free line takes the place of the Y line: the fluid line stays put.
  EXPECT_EQ(lineWithCode(en, kLineFluid)->line, 13);

  // Characters, not bytes: 60 Polish letters are still a short title.
  std::string polish;
  for (int i = 0; i < 60; ++i) polish += "ł";
  c.caseTitle = polish;
  EXPECT_NE(lineWithCode(report(c), kLineDescription), nullptr);
}

// ---- basic parameters ------------------------------------------------------

TEST(ReportBasic, FlowDecimalsBySize) {
  EXPECT_EQ(reportFlowDecimals(9.9999L), 4);
  EXPECT_EQ(reportFlowDecimals(10), 3);
  EXPECT_EQ(reportFlowDecimals(99.99L), 3);
  EXPECT_EQ(reportFlowDecimals(100), 2);
  EXPECT_EQ(reportFlowDecimals(999.9L), 2);
  EXPECT_EQ(reportFlowDecimals(1000), 1);

  CalculationCase c = waterFlowrateCase();
  c.flowrateInput = 999.9L;
  EXPECT_EQ(lineWithCode(report(c), kLineFlowrate)->value, "999.90");
  c.flowrateInput = 1000;
  EXPECT_EQ(lineWithCode(report(c), kLineFlowrate)->value, "1000.0");
  c.flowrateInput = 5.5L;
  EXPECT_EQ(lineWithCode(report(c), kLineFlowrate)->value, "5.5000");
  // The nominal flowrate takes the decimals of the upper range flowrate.
  c.task = TaskDiameter;
  c.flowrateInput = 1000;
  c.nominalFlowrate = 999.9L;
  EXPECT_EQ(lineWithCode(report(c), kLineNominalFlowrate)->value, " 999.9");
}

TEST(ReportBasic, DifferentialPressureDecimalsAndUnits) {
  CalculationCase c = waterFlowrateCase();
  c.dpInput = 25;
  EXPECT_EQ(lineWithCode(report(c), kLineDifferentialPressure)->value, "25.000");
  c.task = TaskDifferentialPressure;
  c.dpInput = 1234.5L;
  EXPECT_EQ(lineWithCode(report(c), kLineDifferentialPressure)->value, "1234.5");
  c.dpInput = 25;
  EXPECT_EQ(lineWithCode(report(c), kLineDifferentialPressure)->value, "25.000");
  EXPECT_EQ(lineWithCode(report(c), kLineDifferentialPressure)->unit, "kPa  ");
  EXPECT_EQ(lineWithCode(report(c), kLinePressureLoss)->unit, "kPa  ");
  c.dpUnit = 1;
  EXPECT_EQ(lineWithCode(report(c, true), kLineDifferentialPressure)->unit, "mmH2O*)");
  EXPECT_EQ(lineWithCode(report(c, false), kLineDifferentialPressure)->unit, "mmH2O");
  EXPECT_EQ(lineWithCode(report(c, true), kLinePressureLoss)->unit, "mmH2O");
  EXPECT_EQ(lineWithCode(report(c, true), kLineDpTransmitterReference)->unit, "mmH2O");
  // Pressure loss = dp x loss ratio, 6:3.
  c.dpInput = 2500;
  c.pressureLoss = 0.7345L;
  EXPECT_EQ(lineWithCode(report(c), kLinePressureLoss)->value, "1836.250");
}

TEST(ReportBasic, FlowLinesByTaskAndUnit) {
  CalculationCase c = waterFlowrateCase();
  c.task = TaskDiameter;
  c.flowUnit = 4;
  PageContext en = report(c, true);
  const PageItem* upper = lineWithCode(en, kLineUpperFlowrate);
  ASSERT_NE(upper, nullptr);
  EXPECT_EQ(upper->label, "Upper range volume flowrate");
  EXPECT_EQ(upper->symbol, "qv");
  EXPECT_EQ(upper->unit, "m3/h  ");
  const PageItem* nominal = lineWithCode(en, kLineNominalFlowrate);
  ASSERT_NE(nominal, nullptr);
  EXPECT_EQ(nominal->label, "Nominal (average) volume flowrate");
  EXPECT_EQ(nominal->symbol, "");
  EXPECT_EQ(nominal->line, upper->line + 1);
  EXPECT_EQ(lineWithCode(en, kLineFlowrate), nullptr);
  EXPECT_EQ(lineWithCode(en, kLineDifferentialPressure)->label, "Upper range differential pressure");
  EXPECT_EQ(lineWithCode(en, kLinePressureLoss)->label, "Upper range permanent pressure loss");

  c.flowUnit = 5;
  c.refTemperature = 15;
  c.refConditionsText = referenceConditionsText(15, 101.325L);
  en = report(c, true);
  EXPECT_EQ(lineWithCode(en, kLineUpperFlowrate)->label,
            "Upper range volume flowrate (15 °C, 101.325 kPa)");
  EXPECT_EQ(lineWithCode(en, kLineUpperFlowrate)->unit, "Sm3/h ");
  PageContext pl = report(c, false);
  EXPECT_EQ(lineWithCode(pl, kLineUpperFlowrate)->label,
            "Maksymalny strumień objętości (15 °C, 101.325 kPa)");
  EXPECT_EQ(lineWithCode(pl, kLineUpperFlowrate)->unit, "Sm3/h ");
  EXPECT_EQ(lineWithCode(pl, kLineNominalFlowrate)->label, "Nominalny strumień objętości");

  c.flowUnit = 3;
  en = report(c, true);
  EXPECT_EQ(lineWithCode(en, kLineUpperFlowrate)->label, "Upper range mass flowrate");
  EXPECT_EQ(lineWithCode(en, kLineUpperFlowrate)->symbol, "qm");
  EXPECT_EQ(lineWithCode(en, kLineNominalFlowrate)->label, "Nominal (average) mass flowrate");

  c.task = TaskFlowrate;
  c.flowUnit = 2;
  en = report(c, true);
  EXPECT_EQ(lineWithCode(en, kLineFlowrate)->label, "Mass flowrate");
  EXPECT_EQ(lineWithCode(en, kLineFlowrate)->unit, "kg/s");
  EXPECT_EQ(lineWithCode(en, kLineUpperFlowrate), nullptr);
  EXPECT_EQ(lineWithCode(en, kLineNominalFlowrate), nullptr);
  c.flowUnit = 5;
  EXPECT_EQ(lineWithCode(report(c, false), kLineFlowrate)->label,
            "Strumień objętości (15 °C, 101.325 kPa)");
}

TEST(ReportBasic, DrainHoleRoughnessAndHeatLines) {
  CalculationCase c = waterFlowrateCase();
  for (int d : {1, 2, 3, 4}) {
    c.deviceType = d;
    c.drainHoleDiameter = 0;
    PageContext ctx = report(c);
    const PageItem* none = lineWithCode(ctx, kLineNoDrainHole);
    ASSERT_NE(none, nullptr) << d;
    EXPECT_EQ(none->label, "There is no drain hole available.");
    EXPECT_EQ(none->unit, "");
    c.drainHoleDiameter = 1.5L;
    ctx = report(c);
    EXPECT_EQ(lineWithCode(ctx, kLineNoDrainHole), nullptr);
    ASSERT_NE(lineWithCode(ctx, kLineDrainHole), nullptr);
    EXPECT_EQ(lineWithCode(ctx, kLineDrainHole)->value, "  1.50");
    EXPECT_EQ(lineWithCode(ctx, kLineDrainHole)->symbol, "d");
  }
  EXPECT_EQ(lineWithCode(report(c, false), kLineNoDrainHole), nullptr);
  c.drainHoleDiameter = 0;
  EXPECT_EQ(lineWithCode(report(c, false), kLineNoDrainHole)->label, "Otworu spustowego nie ma.");
  for (int d : {5, 6, 7, 8, 9, 12}) {
    c.deviceType = d;
    EXPECT_EQ(lineWithCode(report(c), kLineNoDrainHole), nullptr) << d;
    EXPECT_EQ(lineWithCode(report(c), kLineRoughness) != nullptr, d == 7) << d;
  }
  c.deviceType = DevEccentricOrifice;
  c.eccentricRoughness = 0.05L;
  EXPECT_EQ(lineWithCode(report(c), kLineRoughness)->value, "  0.05");

  // Heat flowrate = h [kJ/kg] x 1e-6 x qm [kg/h] in GJ/h, water and steam only.
  c = waterFlowrateCase();
  EXPECT_EQ(lineWithCode(report(c), kLineHeatFlowrate)->value,
            formatFixed(84.01L * 1e-6L * 31226.4L, 6, 3));
  EXPECT_EQ(lineWithCode(report(c), kLineHeatFlowrate)->value, " 2.623");
  c.fluidKind = FluidSteam;
  EXPECT_NE(lineWithCode(report(c), kLineHeatFlowrate), nullptr);
  c.fluidKind = FluidLiquidAmmonia;
  EXPECT_EQ(lineWithCode(report(c), kLineHeatFlowrate), nullptr);
}

TEST(ReportBasic, LegacyManometerLines) {
  CalculationCase c = waterFlowrateCase();
  c.dpUnit = 4;
  c.dpUnit4Values = {250, 1.595L};
  PageContext ctx = report(c);
  const PageItem* dp = lineWithCode(ctx, kLineDifferentialPressure);
  std::vector<std::string> free = freeLines(ctx);
  ASSERT_EQ(free.size(), 1u);
  EXPECT_EQ(free[0], "( 250.0 mm cieczy manometrycznej  1.595 g/cm3)");
  EXPECT_EQ(lineWithCode(ctx, kLinePressureLoss)->line, dp->line + 2);

  c.dpUnit = 3;
  c.dpUnit3Values = {120, 20};
  free = freeLines(report(c, false));
  ASSERT_EQ(free.size(), 1u);
  // Mercury under water at 20 degC: 13.5951 / (1 + 1.8144e-4 * 20) g/cm3.
  EXPECT_EQ(free[0], "( 120.0 mm Hg-H2O w temp.  20.0 C, 13.546g/cm3 )");
}

// ---- uncertainty analysis ------------------------------------------------

TEST(ReportUncertainty, NoTransmitterErrorsGivePartialUncertainty) {
  CalculationCase c = waterFlowrateCase();
  PageContext ctx = report(c);
  for (int code : {kLinePressureTransmitterError, kLineTemperatureTransmitterError,
                   kLineK1Uncertainty, kLineRefDensityUncertainty, kLineDpUncertainty,
                   kLineExpansibilityUncertainty})
    EXPECT_EQ(lineWithCode(ctx, code), nullptr) << code;
  EXPECT_EQ(lineWithCode(ctx, kLineFlowUncertainty)->label,
            "Partial uncertainty of flowrate measurement");
  // u(C) 0.5 % and the diameters at beta 0.5: sqrt(0.25 + 0.05333^2 + 0.14933^2).
  EXPECT_EQ(lineWithCode(ctx, kLineFlowUncertainty)->value, " 0.525");
  EXPECT_EQ(lineWithCode(report(c, false), kLineFlowUncertainty)->label,
            "Częściowa niepewność pomiaru strumienia");
  // A density uncertainty alone is not enough for the overall figure.
  c.densityUncertainty = 0.1L;
  storeUncertaintyBudget(c);
  EXPECT_EQ(lineWithCode(report(c), kLineFlowUncertainty)->label,
            "Partial uncertainty of flowrate measurement");
  // Nor is a transmitter error without its reference value: not declared.
  c.dpTransmitterError = 0.1L;
  storeUncertaintyBudget(c);
  EXPECT_EQ(lineWithCode(report(c), kLineFlowUncertainty)->label,
            "Partial uncertainty of flowrate measurement");
  EXPECT_EQ(lineWithCode(report(c), kLineDpUncertainty), nullptr);
  c.dpTransmitterReference = 25;
  c.dpTransmitterReferenceMmH2O = 25 / kKgm2ToKPa;
  storeUncertaintyBudget(c);
  EXPECT_EQ(lineWithCode(report(c), kLineFlowUncertainty)->label,
            "Overall uncertainty of flowrate measurement");
  EXPECT_EQ(lineWithCode(report(c), kLineDpUncertainty)->value, formatFixed(0.11547L, 6, 3));
}

TEST(ReportUncertainty, ValuesOfTheDerivedLines) {
  CalculationCase c = naturalGasDiameterCase();
  c.rangePartlyOutside = false;
  c.clearWarnings();
  c.dpTransmitterReference = 3000;  // referenced to a value other than dp
  c.dpTransmitterReferenceMmH2O = 3000;
  storeUncertaintyBudget(c);
  PageContext ctx = report(c);
  // 0.1 x 1.1547 x 3000 / 2500.
  EXPECT_EQ(lineWithCode(ctx, kLineDpUncertainty)->value, formatFixed(0.138564L, 6, 3));
  // sqrt(0.1^2 + (1.1547*0.2)^2 + (1.1547*0.1)^2 + 0.1^2 + 0.05^2) = 0.29886...
  const Real uRho = std::sqrt(0.01L + 0.23094L * 0.23094L + 0.11547L * 0.11547L + 0.01L + 0.0025L);
  EXPECT_EQ(lineWithCode(ctx, kLineDensityUncertainty)->value, formatFixed(uRho, 6, 3));
  EXPECT_EQ(lineWithCode(ctx, kLineDensityUncertainty)->value, " 0.299");
  EXPECT_EQ(lineWithCode(ctx, kLineCUncertainty)->value, " 0.500");
  // Corner tappings, D 200 mm: 3.5 x/kappa with x = 2500/(10000 x 25 bar in kG/cm2).
  const Real uEps = 3.5L * (2500 / (10000 * 25 * kBarToAt)) / 1.318L;
  EXPECT_EQ(lineWithCode(ctx, kLineExpansibilityUncertainty)->value, formatFixed(uEps, 6, 3));
  const Real b4 = std::pow(0.5617L, 4);
  const Real uD = 0.4L * 2 * b4 / (1 - b4), ud = 0.07L * 2 / (1 - b4);
  EXPECT_EQ(lineWithCode(ctx, kLinePipeDiameterUncertainty)->value, formatFixed(uD, 6, 3));
  EXPECT_EQ(lineWithCode(ctx, kLineDeviceDiameterUncertainty)->value, formatFixed(ud, 6, 3));
  EXPECT_EQ(lineWithCode(ctx, kLineFlowUncertainty)->label,
            "Overall uncertainty of flowrate measurement");
  const Real total = std::sqrt(0.25L + uEps * uEps + uD * uD + ud * ud +
                               0.138564L * 0.138564L / 4 + uRho * uRho / 4);
  EXPECT_EQ(lineWithCode(ctx, kLineFlowUncertainty)->value, formatFixed(total, 6, 3));
  c.extraCUncertainty = 0.25L;
  storeUncertaintyBudget(c);
  EXPECT_EQ(lineWithCode(report(c), kLineCUncertainty)->value, " 0.750");
  for (int code : {kLinePressureTransmitterError, kLineTemperatureTransmitterError,
                   kLineK1Uncertainty, kLineRefDensityUncertainty})
    EXPECT_NE(lineWithCode(ctx, code), nullptr) << code;
  EXPECT_EQ(lineWithCode(ctx, kLineRefDensityUncertainty)->label,
            "Uncertainty of density at reference conditions ");
  EXPECT_EQ(lineWithCode(ctx, kLineK1Uncertainty)->label,
            "Uncertainty of compressibility factor K1");
}

TEST(ReportUncertainty, LiquidDensityTermIsTheEnteredOneAlone) {
  // The gas sources of a density uncertainty do not enter a liquid's total,
  // so the report prints neither them nor a density term made of them.
  CalculationCase c = waterFlowrateCase();
  c.pressureTransmitterError = 0.25L;
  c.temperatureTransmitterError = 0.5L;
  c.densityUncertainty = 0.1L;
  storeUncertaintyBudget(c);
  PageContext ctx = report(c);
  EXPECT_EQ(lineWithCode(ctx, kLinePressureTransmitterError), nullptr);
  EXPECT_EQ(lineWithCode(ctx, kLineTemperatureTransmitterError), nullptr);
  EXPECT_EQ(lineWithCode(ctx, kLineDensityUncertainty)->value, " 0.100");
}

TEST(ReportUncertainty, LinesAreTheBudgetRowsInBothLanguages) {
  CalculationCase c = naturalGasDiameterCase();
  c.clearWarnings();
  c.rangePartlyOutside = false;
  for (bool en : {true, false}) {
    const PageContext ctx = report(c, en);
    const std::vector<UncertaintyRow> rows = uncertaintyRows(c, en);
    ASSERT_EQ(rows.size(), 7u);
    const PageItem* first = lineWithCode(ctx, kLineCUncertainty);
    ASSERT_NE(first, nullptr);
    // One line per row, in order, label and value as the rows give them.
    for (size_t i = 0; i < rows.size(); ++i) {
      const PageItem* it = nullptr;
      for (const PageItem& p : ctx.items)
        if (p.kind == ItemKind::ReportLine && p.line == first->line + static_cast<int>(i))
          it = &p;
      ASSERT_NE(it, nullptr) << i;
      EXPECT_EQ(it->label, rows[i].caption);
      EXPECT_EQ(it->value, rows[i].text);
    }
  }
}

TEST(ReportUncertainty, NotKnownAndNotDeclared) {
  CalculationCase c = naturalGasDiameterCase();
  ASSERT_TRUE(c.rangePartlyOutside);
  PageContext en = report(c, true);
  EXPECT_EQ(lineWithCode(en, kLineCUncertainty)->value, "NOT KNOWN");
  EXPECT_EQ(lineWithCode(en, kLineFlowUncertainty)->value, "NOT KNOWN");
  EXPECT_EQ(lineWithCode(en, kLineUpstreamLength)->value, " 8.500");
  EXPECT_EQ(lineWithCode(en, kLineDownstreamLength)->value, "not declared");
  EXPECT_EQ(lineWithCode(en, kLineDownstreamLength)->unit, "m");
  PageContext pl = report(c, false);
  EXPECT_EQ(lineWithCode(pl, kLineCUncertainty)->value, "NIE ZNANA");
  EXPECT_EQ(lineWithCode(pl, kLineFlowUncertainty)->value, "NIE ZNANA");
  EXPECT_EQ(lineWithCode(pl, kLineDownstreamLength)->value, "nie podano");
  // The downstream length is followed by an empty line.
  EXPECT_EQ(lineWithCode(en, kLineCUncertainty)->line,
            lineWithCode(en, kLineDownstreamLength)->line + 2);
}

// ---- fluid properties -------------------------------------------------------

TEST(ReportFluid, WaterLines) {
  CalculationCase c = waterFlowrateCase();
  PageContext ctx = report(c);
  EXPECT_EQ(lineWithCode(ctx, kLineTemperature)->value, " 20.00");
  EXPECT_EQ(lineWithCode(ctx, kLineTemperature)->unit, "C");
  EXPECT_EQ(lineWithCode(ctx, kLinePressure)->unit, "MPa   ");
  EXPECT_EQ(lineWithCode(ctx, kLinePressure)->value, " 0.500");
  EXPECT_EQ(lineWithCode(ctx, kLineDensity)->label, "Density");
  EXPECT_EQ(lineWithCode(ctx, kLineDensity)->value, "998.2000");
  EXPECT_EQ(lineWithCode(ctx, kLineDensity)->unit, "kg/m3  ");
  EXPECT_EQ(lineWithCode(ctx, kLineViscosity)->value, "0.001002");
  EXPECT_EQ(lineWithCode(ctx, kLineViscosity)->unit, "Pa.s");
  EXPECT_EQ(lineWithCode(ctx, kLineEnthalpy)->value, "  84.0");
  for (int code : {kLineHumidity, kLineSteamMoleFraction, kLineCompositionHeading,
                   kLineCompositionNotDeclared, kLineSpecificVolume, kLineRefDensity,
                   kLineCalorificValue, kLineIsentropicExponent, kLineK1})
    EXPECT_EQ(lineWithCode(ctx, code), nullptr) << code;
  const char* pUnits[] = {"kG/cm2", "kPa   ", "MPa   ", "BAR   "};
  const char* muUnits[] = {"kG.s/m2", "kg/m.h", "Pa.s", "cP"};
  for (int u = 1; u <= 4; ++u) {
    c.pressureUnit = u;
    c.viscosityUnit = u;
    ctx = report(c);
    EXPECT_EQ(lineWithCode(ctx, kLinePressure)->unit, pUnits[u - 1]);
    EXPECT_EQ(lineWithCode(ctx, kLineViscosity)->unit, muUnits[u - 1]);
  }
}

TEST(ReportFluid, SteamLines) {
  CalculationCase c = waterFlowrateCase();
  c.fluidKind = FluidSteam;
  c.density = 4.8543L;
  c.isentropicExponent = 1.295L;
  c.specificEnthalpy = 2912.3L;
  c.expansibilityUncertainty = 0.0301L;
  PageContext ctx = report(c);
  EXPECT_EQ(lineWithCode(ctx, kLineDensity)->label, "Density");
  EXPECT_EQ(lineWithCode(ctx, kLineSpecificVolume)->value, formatFixed(1 / 4.8543L, 6, 4));
  EXPECT_EQ(lineWithCode(ctx, kLineSpecificVolume)->symbol, "v1");
  EXPECT_EQ(lineWithCode(ctx, kLineIsentropicExponent)->value, " 1.295");
  EXPECT_EQ(lineWithCode(ctx, kLineEnthalpy)->value, "2912.3");
  EXPECT_NE(lineWithCode(ctx, kLineExpansibilityUncertainty), nullptr);
  for (int code : {kLineHumidity, kLineCompositionHeading, kLineCompositionNotDeclared,
                   kLineRefDensity, kLineK1})
    EXPECT_EQ(lineWithCode(ctx, code), nullptr) << code;
}

TEST(ReportFluid, AirWithHumidityAndComposition) {
  CalculationCase c = waterFlowrateCase();
  c.fluidKind = FluidAir;
  c.relativeHumidity = 60;
  c.steamMoleFraction = 0.01402L;
  c.compositionInMolePercent = 1;
  c.mixtureComposition[1] = 78.084L;  // N2
  c.mixtureComposition[2] = 20.946L;  // O2
  c.mixtureComposition[4] = 0.934L;   // Ar
  c.mixtureComposition[10] = 0.036L;  // CO2
  c.mixtureComposition[3] = 0;        // H2 absent
  c.humidityCorrected = true;
  c.refDensity = 1.2930L;
  c.compressibilityK1 = 0.9987L;
  c.isentropicExponent = 1.401L;
  c.refConditionsText = referenceConditionsText(0, 101.325L);
  PageContext ctx = report(c, true);
  EXPECT_EQ(lineWithCode(ctx, kLineHumidity)->value, "60.000");
  EXPECT_EQ(lineWithCode(ctx, kLineHumidity)->symbol, "fi");
  EXPECT_EQ(lineWithCode(ctx, kLineSteamMoleFraction)->value, " 1.402");
  EXPECT_EQ(lineWithCode(ctx, kLineCompositionHeading)->label,
            "Dry gas composition in mole fraction [%] :");
  std::vector<std::string> free = freeLines(ctx);
  ASSERT_EQ(free.size(), 1u);
  EXPECT_EQ(free[0], "N2: 78.0840   O2: 20.9460   Ar: 0.9340   CO2: 0.0360");
  EXPECT_EQ(lineWithCode(ctx, kLineDensity)->label, "Density at working conditions");
  const PageItem* ref = lineWithCode(ctx, kLineRefDensity);
  ASSERT_NE(ref, nullptr);
  EXPECT_EQ(ref->label, "Density at reference conditions (0 °C, 101.325 kPa)");
  // The reference-volume name of the page, in both languages.
  EXPECT_EQ(ref->unit, "kg/Nm3");
  EXPECT_EQ(ref->symbol, "");
  {
    // With the flowrate at reference conditions the conditions stand once,
    // on the flowrate line.
    CalculationCase v = c;
    v.flowUnit = 5;
    v.refTemperature = 15;
    v.refConditionsText = referenceConditionsText(15, 101.325L);
    const PageContext vc = report(v, true);
    EXPECT_EQ(lineWithCode(vc, kLineRefDensity)->label, "Density at reference conditions");
    EXPECT_EQ(lineWithCode(vc, kLineRefDensity)->unit, "kg/Sm3");
    EXPECT_EQ(lineWithCode(vc, kLineFlowrate)->label, "Volume flowrate (15 °C, 101.325 kPa)");
    EXPECT_EQ(lineWithCode(vc, kLineFlowrate)->unit, "Sm3/h ");
    int stated = 0;
    for (const PageItem& it : vc.items)
      if ((it.label + it.symbol + it.text).find("(15 °C, 101.325 kPa)") != std::string::npos) ++stated;
    EXPECT_EQ(stated, 1);
  }
  EXPECT_EQ(lineWithCode(ctx, kLineK1)->symbol, "K1=Z1/Zn");
  EXPECT_EQ(lineWithCode(ctx, kLineK1)->value, "0.9987");
  EXPECT_EQ(lineWithCode(ctx, kLineEnthalpy), nullptr);
  EXPECT_EQ(lineWithCode(ctx, kLineCalorificValue), nullptr);

  PageContext pl = report(c, false);
  EXPECT_EQ(lineWithCode(pl, kLineCompositionHeading)->label, "Skład gazu suchego [% molowy] :");
  EXPECT_EQ(lineWithCode(pl, kLineRefDensity)->unit, "kg/Nm3");
  EXPECT_EQ(lineWithCode(pl, kLineRefDensity)->symbol, "ron");

  c.relativeHumidity = 0;
  c.compositionInMolePercent = 0;
  c.humidityCorrected = false;
  ctx = report(c, true);
  EXPECT_EQ(lineWithCode(ctx, kLineCompositionHeading)->label,
            "Gas composition in volume fraction [%] :");
  EXPECT_EQ(lineWithCode(ctx, kLineSteamMoleFraction), nullptr);
  EXPECT_EQ(lineWithCode(ctx, kLineRefDensity), nullptr);
  EXPECT_EQ(lineWithCode(report(c, false), kLineCompositionHeading)->label,
            "Skład gazu [% objętościowy] :");
}

TEST(ReportFluid, CompositionFourToALineAndCokeGas) {
  CalculationCase c = waterFlowrateCase();
  c.fluidKind = FluidCokeGas;
  // H2, CO, CO2, CH4, N2 and O2, then CnHm at the end.
  c.mixtureComposition[3] = 57.0L;
  c.mixtureComposition[9] = 6.5L;
  c.mixtureComposition[10] = 2.0L;
  c.mixtureComposition[11] = 25.5L;
  c.mixtureComposition[1] = 5.5L;
  c.mixtureComposition[2] = 0.5L;
  c.cokeGasCnHm = 3.0L;
  std::vector<std::string> free = freeLines(report(c));
  ASSERT_EQ(free.size(), 2u);
  EXPECT_EQ(free[0], "N2: 5.5000   O2: 0.5000   H2: 57.0000   CO: 6.5000");
  EXPECT_EQ(free[1], "CO2: 2.0000   CH4: 25.5000   CnHm: 3.0000");
  c.cokeGasCnHm = 1e-6L;
  EXPECT_EQ(freeLines(report(c))[1], "CO2: 2.0000   CH4: 25.5000");

  // A gas without any composition.
  c.mixtureComposition = {};
  c.cokeGasCnHm = 0;
  PageContext ctx = report(c);
  EXPECT_EQ(lineWithCode(ctx, kLineCompositionNotDeclared)->label,
            "Composition of gas mixture not declared");
  EXPECT_EQ(lineWithCode(report(c, false), kLineCompositionNotDeclared)->label,
            "Składu gazu nie podano");
  EXPECT_EQ(lineWithCode(ctx, kLineCompositionHeading), nullptr);
}

TEST(ReportFluid, NaturalGasLines) {
  CalculationCase c = naturalGasDiameterCase();
  c.humidityCorrected = false;  // the report counts natural gas as corrected
  PageContext ctx = report(c);
  EXPECT_EQ(lineWithCode(ctx, kLineHumidity), nullptr);
  EXPECT_NE(lineWithCode(ctx, kLineRefDensity), nullptr);
  EXPECT_EQ(lineWithCode(ctx, kLineRefDensity)->value, "0.7335");
  EXPECT_EQ(lineWithCode(ctx, kLineCalorificValue)->value, "40.1200");
  EXPECT_EQ(lineWithCode(ctx, kLineCalorificValue)->symbol, "Hs");
  EXPECT_EQ(lineWithCode(ctx, kLineCompositionHeading)->label, "Gas composition in mole fraction [%] :");
  std::vector<std::string> free = freeLines(report(c));
  // The two warnings are free lines too (rangePartlyOutside is set).
  ASSERT_EQ(free.size(), 4u);
  EXPECT_EQ(free[2], "CH4: 95.5000   C2H6: 2.2000   C3H8: 0.5000   n-C4H10: 0.1000");
  EXPECT_EQ(free[3], "i-C4H10: 0.1000   N2: 1.1000   CO2: 0.5000");
  // Given by its physical properties, its composition is not declared.
  c.naturalGasInputIsComposition = 0;
  EXPECT_NE(lineWithCode(report(c), kLineCompositionNotDeclared), nullptr);
  // A legacy code 8 case has the humidity line.
  c.fluidKind = FluidNaturalGas8;
  EXPECT_NE(lineWithCode(report(c), kLineHumidity), nullptr);
  EXPECT_EQ(lineWithCode(report(c), kLineFluid)->value, "Natural gas");
}

// ---- intermediate results and limits ----------------------------------------

TEST(ReportIntermediate, ReynoldsLinesByTask) {
  CalculationCase c = naturalGasDiameterCase();
  PageContext en = report(c, true);
  EXPECT_EQ(lineWithCode(en, kLineReynoldsHeading), nullptr);
  EXPECT_EQ(lineWithCode(en, kLineReynoldsUpper)->value, "3.12E6");
  const PageItem* nominal = lineWithCode(en, kLineReynoldsNominal);
  EXPECT_EQ(nominal->symbol, "0.67*Re");
  EXPECT_EQ(nominal->value, formatGeneral(8000 / 12000.0L * 3.12e6L, 4));
  EXPECT_EQ(nominal->label, "Reynolds number for nominal (average) flowrate");
  PageContext pl = report(c, false);
  const PageItem* heading = lineWithCode(pl, kLineReynoldsHeading);
  ASSERT_NE(heading, nullptr);
  EXPECT_EQ(heading->label, "Liczby Reynoldsa odniesione do D dla:");
  EXPECT_EQ(lineWithCode(pl, kLineReynoldsUpper)->line, heading->line + 1);
  EXPECT_EQ(lineWithCode(pl, kLineReynoldsUpper)->label, "strumienia maksymalnego");
  EXPECT_EQ(lineWithCode(pl, kLinePipeExpansion)->symbol, "kr");
  EXPECT_EQ(lineWithCode(pl, kLineDeviceExpansion)->symbol, "kz");

  c = waterFlowrateCase();
  en = report(c, true);
  EXPECT_EQ(lineWithCode(en, kLineReynolds)->label, "Pipe Reynolds number");
  EXPECT_EQ(lineWithCode(en, kLineReynolds)->value, "1.102E5");
  EXPECT_EQ(lineWithCode(en, kLineReynoldsUpper), nullptr);
  EXPECT_EQ(lineWithCode(report(c, false), kLineReynoldsHeading), nullptr);
}

TEST(ReportIntermediate, VelocityAndCoefficients) {
  CalculationCase c = waterFlowrateCase();
  PageContext ctx = report(c);
  // 31226.4 kg/h through D = 100 mm of water at 998.2 kg/m3.
  const Real v = 31226.4L / 3600 / (kPi / 4 * 0.01L) / 998.2L;
  EXPECT_EQ(lineWithCode(ctx, kLineVelocity)->value, formatFixed(v, 6, 3));
  EXPECT_EQ(lineWithCode(ctx, kLineVelocity)->value, " 1.106");
  EXPECT_EQ(lineWithCode(ctx, kLineDischargeCoefficient)->value, "0.6055");
  EXPECT_EQ(lineWithCode(ctx, kLineExpansibility)->symbol, "epsilon");
  EXPECT_EQ(lineWithCode(ctx, kLineBeta)->symbol, "beta=d/D");
  EXPECT_EQ(lineWithCode(ctx, kLineInletRadius), nullptr);
  c.deviceType = DevQuarterCircle;
  c.quarterCircleRadiusRatio = 0.1234L;
  EXPECT_EQ(lineWithCode(report(c), kLineInletRadius)->value, "  6.17");
}

TEST(ReportLimits, LinesByDeviceType) {
  CalculationCase c = waterFlowrateCase();
  PageContext ctx = report(c, true);
  const PageItem* qmin = lineWithCode(ctx, kLineLowerRange);
  EXPECT_EQ(qmin->symbol, "qm(min)");
  EXPECT_EQ(qmin->label, "Lower range flowrate ");
  EXPECT_EQ(qmin->value, formatFixed(5000 / 110150.0L * 31226.4L, 1, 3));
  EXPECT_EQ(qmin->unit, "kg/h");
  EXPECT_EQ(lineWithCode(ctx, kLineEdgeRadiusLimit)->value, " 0.020");
  EXPECT_EQ(lineWithCode(ctx, kLineRoughnessLimit)->value, "0.0381");
  EXPECT_EQ(lineWithCode(ctx, kLineReynoldsLimitFlowrate), nullptr);
  EXPECT_EQ(lineWithCode(ctx, kLineUpstreamRequired)->value, " 2.200");
  EXPECT_EQ(lineWithCode(ctx, kLineDownstreamRequired)->value, " 0.600");
  EXPECT_EQ(lineWithCode(report(c, false), kLineRoughnessLimit)->label,
            "Górna granica chropowatości równoważnej");

  c.deviceType = DevVenturiMachined;
  c.flowUnit = 4;
  c.reynoldsLimitFlowrate = 123456.7L;
  ctx = report(c, true);
  EXPECT_EQ(lineWithCode(ctx, kLineLowerRange)->symbol, "qv(min)");
  EXPECT_EQ(lineWithCode(ctx, kLineEdgeRadiusLimit), nullptr);
  EXPECT_EQ(lineWithCode(ctx, kLineReynoldsLimitFlowrate)->value, "123457");
  EXPECT_EQ(lineWithCode(ctx, kLineReynoldsLimitFlowrate)->unit, "m3/h  ");
  PageContext pl = report(c, false);
  // Without the edge-radius line the roughness line carries the second
  // caption (spelt as with the edge-radius line).
  const PageItem* k = lineWithCode(pl, kLineRoughnessLimit);
  EXPECT_EQ(k->label, "Górna granica chropowatości równoważnej");
  EXPECT_EQ(k->caption, "STOSOWANIA");
  for (int d : {1, 2, 3, 7}) {
    c.deviceType = d;
    EXPECT_NE(lineWithCode(report(c), kLineEdgeRadiusLimit), nullptr) << d;
    EXPECT_EQ(lineWithCode(report(c), kLineReynoldsLimitFlowrate) != nullptr, d == 7) << d;
  }
}

// ---- section captions ------------------------------------------------------

TEST(ReportCaptions, FirstTwoLinesOfEverySection) {
  CalculationCase c = waterFlowrateCase();
  struct S {
    int first, second;
    const char *en1, *en2, *pl1, *pl2;
  };
  const S sections[] = {
      {kLinePipeDiameter, kLineDeviceDiameter, "BASIC", "PARAMETERS", "WIELKOŚCI", "PODSTAWOWE"},
      {kLineDpTransmitterError, kLineDpTransmitterReference, "UNCERTAINTY", "ANALYSIS", "ANALIZA",
       "NIEPEWNOŚCI"},
      {kLineTemperature, kLinePressure, "FLUID", "PROPERTIES", "WŁAŚCIWOŚCI", "PŁYNU"},
      {kLineExpansionHeading, kLinePipeExpansion, "INTERMEDIATE", "RESULTS", "WYNIKI", "POŚREDNIE"},
      {kLineLowerRange, kLineEdgeRadiusLimit, "LIMITS", "OF USE", "GRANICE", "STOSOWANIA"},
  };
  PageContext en = report(c, true), pl = report(c, false);
  for (const S& s : sections) {
    EXPECT_EQ(lineWithCode(en, s.first)->caption, s.en1);
    EXPECT_EQ(lineWithCode(en, s.second)->caption, s.en2);
    EXPECT_EQ(lineWithCode(pl, s.first)->caption, s.pl1);
    EXPECT_EQ(lineWithCode(pl, s.second)->caption, s.pl2);
    EXPECT_GT(lineWithCode(en, s.first)->captionCode, 1);
  }
  // Only the Polish "PODSTAWOWE" stands half a column further left.
  EXPECT_EQ(lineWithCode(pl, kLineDeviceDiameter)->captionCode, kShiftedCaptionCode);
  for (const PageItem& it : en.items) EXPECT_NE(it.captionCode, kShiftedCaptionCode);
  EXPECT_EQ(lineWithCode(en, kLineNoDrainHole)->captionCode, 0);
  // An empty line ends every section.
  EXPECT_EQ(lineWithCode(en, kLineDpTransmitterError)->line,
            lineWithCode(en, kLinePressureLoss)->line + 2);
  EXPECT_EQ(lineWithCode(en, kLineTemperature)->line,
            lineWithCode(en, kLineFlowUncertainty)->line + 2);
  EXPECT_EQ(lineWithCode(en, kLineExpansionHeading)->line,
            lineWithCode(en, kLineEnthalpy)->line + 2);
  EXPECT_EQ(lineWithCode(en, kLineLowerRange)->line, lineWithCode(en, kLineBeta)->line + 2);
}

// ---- warnings and the closing part -------------------------------------------

TEST(ReportWarnings, EverySetFlagPrintedInTableOrder) {
  CalculationCase c = waterFlowrateCase();
  c.deviceType = DevOrificeCorner;
  c.pipeDiameter20 = 10;
  c.reynoldsMax = 1e7L;
  c.reynoldsMin = 5000;
  c.rangePartlyOutside = true;  // alone (no flag) it marks nothing
  EXPECT_TRUE(freeLines(report(c)).empty());
  EXPECT_EQ(textItem(report(c), "Results exceeded the standard ranges."), nullptr);
  c.rangePartlyOutside = false;  // the flags alone are enough
  c.warnDpRatio = c.warnPipeTooLarge = c.warnPipeTooSmall = c.warnDeviceTooSmall = true;
  c.warnReynoldsHigh = c.warnReynoldsLow = c.warnVaporization = c.warnAsmeRange = true;
  c.warnDrainHoleSize = c.warnDrainHolePipe = c.warnDrainHoleBeta = true;
  const std::vector<std::string> en = {
      "Results out of range.  Differential pressure must be < 0.25*P1.",
      "Data out of range.  Pipe diameter D must be < 1000 mm.",
      "Data out of range.  Pipe diameter D must be >12 mm.",
      "must be flow calibrated",
      "Data out of range.  Orifice or throat diameter d too small. ",
      "Results out of range.  Pipe Reynolds number must be < 1E7.",
      "Results out of range.  Pipe Reynolds number must be > 5000.",
      "Results out of range.  Liquid vaporization occurs.",
      "Pipe diameter D out of range.",
      "The diameter of the drain hole should not exceed 0.1*d20.",
      "If a drain hole is drilled through the orifice plate, D20 should be > 100 mm.",
      "If a drain hole is drilled through the nozzle - beta=d/D should be < 0.625.",
  };
  PageContext ctx = report(c, true);
  EXPECT_EQ(freeLines(ctx), en);
  const PageItem* first = nullptr;
  for (const PageItem& it : ctx.items)
    if (it.kind == ItemKind::ReportLine && it.lineCode == kFreeLine) {
      if (!first) first = &it;
      EXPECT_EQ(it.font, (FontSpec{78, false, true, true}));
    }
  EXPECT_EQ(first->line, 11);  // two empty lines after the title on line 8
  EXPECT_EQ(lineWithCode(ctx, kLineDescription)->line, 11 + 12 + 1);

  const std::vector<std::string> pl = {
      "Przekroczenie zakresu!  Ciśnienie różnicowe ma być < 0.25*P1.",
      "Przekroczenie zakresu!  Średnica rurociągu D ma być < 1000 mm !",
      "Przekroczenie zakresu!  Średnica rurociągu D ma być > 12 mm !",
      "Zwężka wymaga kalibracji.",
      "Przekroczenie zakresu!  Średnica otworu zwężki d za mała ",
      "Przekroczenie zakresu!  Liczba Reynoldsa ma być <1E7 !",
      "Przekroczenie zakresu!  Liczba Reynoldsa ma być >5000 !",
      "Przekroczenie zakresu!  Za zwężką może nastąpić odparowanie.",
      "Uwaga! Średnica rurociągu D spoza zakresów norm.",
      "Średnica otworu spustowego powinna być mniejsza lub równa 0.1*d20.",
      "Otwór spustowy można stosować dla średnic rurociągu > 100 mm.",
      "Otwór spustowy można stosować gdy wartość beta=d/D <0.625.",
  };
  EXPECT_EQ(freeLines(report(c, false)), pl);

  // The calibration remark needs corner tappings above 6 mm.
  c.pipeDiameter20 = 6;
  EXPECT_FALSE(contains(freeLines(report(c)), "must be flow calibrated"));
  c.pipeDiameter20 = 10;
  c.deviceType = DevOrificeFlange;
  EXPECT_FALSE(contains(freeLines(report(c)), "must be flow calibrated"));
  EXPECT_TRUE(contains(freeLines(report(c)), "Data out of range.  Pipe diameter D must be >25 mm."));
}

TEST(ReportClosing, ShortReportPaddedTo57And60) {
  CalculationCase c = waterFlowrateCase();
  c.warnReynoldsLow = true;
  c.dpUnit = 1;
  PageContext en = report(c, true);
  const PageItem* warning = textItem(en, "Results exceeded the standard ranges.");
  ASSERT_NE(warning, nullptr);
  EXPECT_EQ(warning->kind, ItemKind::CentredText);
  EXPECT_EQ(warning->font, (FontSpec{78, false, true, true}));
  EXPECT_GE(warning->line, 57);
  const PageItem* footnote = textItem(en, "*) 1 mmH2O=9.80665 Pa");
  ASSERT_NE(footnote, nullptr);
  EXPECT_EQ(footnote->line, warning->line + 1);
  EXPECT_EQ(footnote->column, kCaptionColumn);

  // Without the warnings and the footnote the page is padded all the same
  // (an other liquid: no heat flowrate and enthalpy lines, a short report).
  c = waterFlowrateCase();
  c.fluidKind = FluidOtherLiquid;
  c.fluidName = "Brine";
  PageContext plain = report(c, true);
  EXPECT_LT(lineWithCode(plain, kLineDownstreamRequired)->line, 57);
  EXPECT_EQ(plain.currentLine, 60);
  const PageItem* frame = nullptr;
  for (const PageItem& it : plain.items)
    if (it.kind == ItemKind::Frame && !it.topEdge) frame = &it;
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->line, plain.startLine);
  EXPECT_EQ(frame->bottomLine, 60);  // edge on line 61
  EXPECT_EQ(frame->frameLeft, plain.leftMargin);
  EXPECT_EQ(frame->frameRight, plain.rightEdge);

  PageContext pl = report(waterFlowrateCase(), false);
  c = waterFlowrateCase();
  c.warnPipeTooLarge = true;  // a question answered Yes, no Reynolds warning
  c.dpUnit = 1;
  pl = report(c, false);
  const PageItem* plWarning = textItem(pl, "Uwaga! Wyniki nie zgodne z normą!");
  ASSERT_NE(plWarning, nullptr);
  EXPECT_EQ(plWarning->kind, ItemKind::LeftText);
  EXPECT_EQ(plWarning->column, kLabelColumn);
  EXPECT_GE(plWarning->line, 57);
  // The accepted deviation is also printed at the top, and the totals are
  // not known.
  EXPECT_TRUE(contains(freeLines(pl), "Przekroczenie zakresu!  Średnica rurociągu D ma być < 1000 mm !"));
  EXPECT_EQ(lineWithCode(pl, kLineFlowUncertainty)->value, "NIE ZNANA");
  EXPECT_EQ(textItem(pl, "*) 1 mmH2O=9.80665 Pa"), nullptr);  // English only
}

TEST(ReportClosing, HeaderBlockInAClosedFrame) {
  PageContext ctx = report(waterFlowrateCase());
  int headers = 0, closed = 0;
  for (const PageItem& it : ctx.items) {
    if (it.kind == ItemKind::HeaderBlock) {
      ++headers;
      EXPECT_EQ(it.line, ctx.startLine);
      EXPECT_GE(it.linesPerPage, 70);
    }
    if (it.kind == ItemKind::Frame && it.topEdge) {
      ++closed;
      EXPECT_EQ(it.line, ctx.startLine);
      EXPECT_EQ(it.bottomLine + 1, ctx.startLine + 5);
    }
  }
  EXPECT_EQ(headers, 1);
  EXPECT_EQ(closed, 1);
}

TEST(ReportClosing, HeaderNamesTheStandardInForce) {
  struct Row {
    int device;
    Real D;
    const char* text;
    int divisor;
  };
  const Row rows[] = {{DevOrificeFlange, 100, "ISO 5167:2022", 40},
                      {DevOrificeFlange, 45, "ASME MFC-14M-2003", 46},
                      {DevOrificeCorner, 40, "ISO/TR 15377:2018", 46},
                      {DevQuarterCircle, 100, "ISO/TR 15377:2018", 46},
                      {DevVenturiMachined, 100, "ISO 5167:2022", 40}};
  for (const Row& r : rows) {
    CalculationCase c = waterFlowrateCase();
    c.deviceType = r.device;
    c.pipeDiameter20 = r.D;
    for (bool en : {true, false}) {
      const PageContext ctx = report(c, en);
      const PageItem* header = nullptr;
      for (const PageItem& it : ctx.items)
        if (it.kind == ItemKind::HeaderBlock) header = &it;
      ASSERT_NE(header, nullptr);
      EXPECT_EQ(header->text, r.text) << r.device << " " << static_cast<double>(r.D);
      EXPECT_EQ(header->font, (FontSpec{r.divisor, true, false, false}));
      EXPECT_EQ(header->english, en);
    }
  }
}

// ---- dry run and page set-ups -------------------------------------------------

TEST(ReportDryRun, SameLineCountAsTheRealRun) {
  for (CalculationCase c : {waterFlowrateCase(), naturalGasDiameterCase()}) {
    for (bool en : {true, false}) {
      PageContext dry;
      setupPrinterPage(dry, 2480, 3508, 20);
      dry.english = en;
      dry.draw = false;
      writeCalculationReport(dry, c);
      EXPECT_TRUE(dry.items.empty());
      PageContext real;
      setupPrinterPage(real, 2480, 3508, 20);
      real.english = en;
      writeCalculationReport(real, c);
      EXPECT_FALSE(real.items.empty());
      EXPECT_EQ(dry.currentLine, real.currentLine);
    }
  }
}

TEST(PageSetup, LinesPerPageRule) {
  PageContext ctx;
  setupPrinterPage(ctx, 2480, 3508, 20);
  fitReportToPage(ctx, 60);
  EXPECT_EQ(ctx.linesPerPage, 65);
  EXPECT_EQ(ctx.startLine, 2);
  setupPrinterPage(ctx, 2480, 3508, 20);
  fitReportToPage(ctx, 75);
  EXPECT_EQ(ctx.linesPerPage, 80);
  EXPECT_EQ(ctx.startLine, 2);
  setupPrinterPage(ctx, 2480, 3508, 20);
  fitReportToPage(ctx, 78);
  EXPECT_EQ(ctx.linesPerPage, 85);
  EXPECT_EQ(ctx.startLine, 1);
}

TEST(PageSetup, ShortAndLongReportsOnThePrinter) {
  // The short water report ends at line 60 when run from line 2: 65 lines
  // per page from line 2.
  PageContext dry;
  setupPrinterPage(dry, 2480, 3508, 20);
  dry.draw = false;
  writeCalculationReport(dry, waterFlowrateCase());
  EXPECT_EQ(dry.currentLine, 60);
  PageContext printer;
  setupPrinterPage(printer, 2480, 3508, 20);
  fitReport(printer, waterFlowrateCase(), false);
  EXPECT_EQ(printer.linesPerPage, 65);
  EXPECT_EQ(printer.startLine, 2);
  EXPECT_EQ(printer.currentLine, 2);
  EXPECT_TRUE(printer.draw);

  // The gas report with warnings, transmitter errors and a composition ends
  // at line 80 (with the D and d terms of the uncertainty budget): 85 lines
  // per page from line 1.
  CalculationCase gas = naturalGasDiameterCase();
  gas.warnDrainHoleSize = gas.warnDrainHolePipe = gas.warnAsmeRange = true;
  PageContext dryGas;
  setupPrinterPage(dryGas, 2480, 3508, 20);
  dryGas.draw = false;
  writeCalculationReport(dryGas, gas);
  EXPECT_EQ(dryGas.currentLine, 80);
  setupPrinterPage(printer, 2480, 3508, 20);
  fitReport(printer, gas, false);
  EXPECT_EQ(printer.linesPerPage, 85);
  EXPECT_EQ(printer.startLine, 1);
  EXPECT_EQ(printer.currentLine, 1);
  // Drawn from line 1 the report still fits: it ends at line 79.
  writeCalculationReport(printer, gas);
  EXPECT_EQ(printer.currentLine, 79);

  // A bitmap page keeps its 70 lines for the short report and takes the same
  // rule for the long one rather than running off the picture.
  PageContext bitmap;
  setupBitmapPage(bitmap, 1280, 1810);
  fitReport(bitmap, waterFlowrateCase(), true);
  EXPECT_EQ(bitmap.linesPerPage, 70);
  EXPECT_EQ(bitmap.startLine, 1);
  setupBitmapPage(bitmap, 1280, 1810);
  fitReport(bitmap, gas, true);
  EXPECT_EQ(bitmap.linesPerPage, 85);
  EXPECT_EQ(bitmap.startLine, 1);
}

TEST(PageSetup, BitmapPage) {
  PageContext ctx;
  setupBitmapPage(ctx, 1280, 1810);
  EXPECT_EQ(ctx.leftMargin, 30);
  EXPECT_EQ(ctx.rightEdge, 1250);
  EXPECT_EQ(ctx.columnUnit, 16);
  EXPECT_EQ(ctx.linesPerPage, 70);
  EXPECT_EQ(ctx.startLine, 1);
  EXPECT_EQ(ctx.font.heightDivisor, 70);
  EXPECT_EQ(ctx.linePitch(), 26);
  EXPECT_EQ(ctx.lineY(10), 260);
}

TEST(PageSetup, PrinterColumnUnitIsTheFirstToPassTheRightLimit) {
  for (int width : {2480, 4960, 4961, 1000}) {
    const int limit = width - static_cast<int>(std::lround(width * 8.0 / 105.0));
    for (int acw : {0, 3, 7, 12, 20, 25, 200}) {
      int left = 0, right = 0;
      const int f = printerColumnUnit(width, acw, left, right);
      EXPECT_EQ(left, static_cast<int>(std::lround(width / 14.0)));
      EXPECT_EQ(right, 78 * f + left);
      EXPECT_GT(78 * f + left, limit) << width << " " << acw;
      EXPECT_LE(78 * (f - 1) + left, limit) << width << " " << acw;
      EXPECT_LT(right, width);
    }
  }
}

TEST(ReportTexts, FlowAndPipeDiameterTexts) {
  EXPECT_EQ(reportFlowUnitText(4, 0, 101.325L), "m3/h  ");
  // One name for the reference volume, in both languages and on both pages:
  // normal conditions only at 0 degC and 101.325 kPa.
  EXPECT_EQ(reportFlowUnitText(5, 0, 101.325L), "Nm3/h ");
  EXPECT_EQ(reportFlowUnitText(5, 15, 101.325L), "Sm3/h ");
  EXPECT_EQ(reportFlowUnitText(3, 0, 101.325L), "t/h");
  EXPECT_EQ(rangeFlowUnitText(5, 15, 101.325L), "Sm3/h");
  EXPECT_EQ(rangeFlowUnitText(5, 0, 101.325L), "Nm3/h");
  EXPECT_EQ(rangeFlowUnitText(5, 0, 100), "Sm3/h");
  EXPECT_EQ(rangeFlowUnitText(4, 15, 101.325L), "m3/h");
  EXPECT_EQ(referenceDensityUnit(0, 101.325L), "kg/Nm3");
  EXPECT_EQ(referenceDensityUnit(20, 101.325L), "kg/Sm3");
  EXPECT_EQ(minimumPipeDiameter(11), 200);
  EXPECT_EQ(maximumPipeDiameter(11), 1200);
  EXPECT_EQ(minimumPipeDiameter(13), 0);
  EXPECT_EQ(deviceName(9, true), "Classical Venturi tube with \"as cast\" inlet");
  EXPECT_EQ(deviceName(0, true), "");
  EXPECT_EQ(materialName(7, false), "Mosiądz walcowany na gorąco");
}

}  // namespace
}  // namespace dorvel::output
