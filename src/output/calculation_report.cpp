#include "output/calculation_report.h"

#include <array>
#include <cmath>
#include <vector>

#include "base/format.h"
#include "calc/results_view.h"
#include "output/page_draw.h"
#include "output/report_texts.h"

namespace dorvel::output {

namespace {

constexpr FontSpec kTitleFont{60, true, false, false};
constexpr FontSpec kWarningFont{78, false, true, true};

// Number of characters of a UTF-8 text (code points).
size_t characterCount(const std::string& s) {
  size_t n = 0;
  for (unsigned char ch : s)
    if ((ch & 0xC0) != 0x80) ++n;
  return n;
}

std::string fixed(Real x, int width, int decimals) { return formatFixed(x, width, decimals); }

bool isSteamKind(int k) { return k == FluidSteam || k == FluidSteam13; }
// The gas kinds of the report: air, other gas, coke-oven gas, natural gas.
bool isReportGas(int k) {
  return k == FluidAir || k == FluidOtherGas || k == FluidCokeGas || isNaturalGasKind(k);
}

// Component names of the 22-slot mixture order.
constexpr std::array<const char*, 22> kMixtureNames{
    "H2O", "N2",   "O2",   "H2",    "Ar",    "He",   "NO",    "H2S",   "SO2", "CO",     "CO2",
    "CH4", "C2H6", "C3H8", "C4H10", "C5H12", "C2H4", "C2H2", "C6H6 ", "Cl2", "C2H3Cl", "NH3"};

// Component names of the 30-slot natural-gas order.
constexpr std::array<const char*, 30> kNaturalGasNames{
    "CH4",   "C2H6", "C3H8", "n-C4H10", "i-C4H10", "n-C5H12", "i-C5H12", "C6H14",
    "C7H16", "C8H18+", "C9H20", "C10H22", "C2H4", "C3H6",  "C4H8",    "C4H6",
    "C5H10", "C6H6", "C7H8", "CH3OH",   "H2",     "H2S",    "CO",      "He",
    "Ne",    "Ar",   "N2",   "O2",      "CO2",    "SO2"};

// One component of a composition line: the name, a colon and the share,
// "C6H6: 0.2000" (a dash between them read as a minus sign: "C6H6 -0.2000").
std::string compositionEntry(const char* name, Real share) {
  std::string n = name;
  while (!n.empty() && n.back() == ' ') n.pop_back();
  std::string v = formatFixed(share, 1, 4);
  return n + ": " + v + "   ";
}

// Density of mercury, g/cm3, at t degC (thermal expansion of mercury
// 1.8144e-4 1/K from 13.5951 g/cm3 at 0 degC): the manometer liquid of the
// legacy "mm Hg-H2O" differential-pressure unit.
Real mercuryDensity(Real t) { return 13.5951L / (1.0L + 1.8144e-4L * t); }

class ReportWriter {
 public:
  ReportWriter(PageContext& ctx, const CalculationCase& c)
      : ctx_(ctx), c_(c), en_(ctx.english) {}

  void write();

 private:
  const char* t(const char* english, const char* polish) const { return en_ ? english : polish; }

  // A section: its two caption lines stand on the first two lines written.
  void section(const char* en1, const char* en2, const char* pl1, const char* pl2, int codeBase) {
    captions_.clear();
    const int base = en_ ? codeBase + 100 : codeBase;
    captions_.push_back({en_ ? en1 : pl1, base});
    captions_.push_back({en_ ? en2 : pl2, base + 1});
    nextCaption_ = 0;
  }
  void endSection() {
    captions_.clear();
    ctx_.nextLine();
  }

  void line(const std::string& label, const std::string& value, const std::string& unit,
            const std::string& symbol, int code) {
    std::string caption;
    int captionCode = 0;
    if (nextCaption_ < captions_.size()) {
      caption = captions_[nextCaption_].first;
      captionCode = captions_[nextCaption_].second;
      ++nextCaption_;
    }
    ctx_.reportLine(caption, captionCode, label, value, unit, symbol, code);
    ctx_.nextLine();
  }
  void labelOnly(const std::string& label, int code) { line(label, "", "", "", code); }
  void freeLine(const std::string& text) { line("", "", "", text, kFreeLine); }

  void warnings();
  void descriptiveBlock();
  void basicParameters();
  void uncertaintyAnalysis();
  void fluidProperties();
  void composition();
  void intermediateResults();
  void limitsOfUse();
  void closing();

  std::string flowUnit() const { return ctx_.flowUnitText; }
  std::string dpUnit(bool dpLine = false) const {
    if (c_.dpUnit == 1) return (dpLine && en_) ? "mmH2O*)" : "mmH2O";
    return "kPa  ";
  }
  std::string flowSymbol() const { return c_.flowUnit <= 3 ? "qm" : "qv"; }
  std::string notKnown() const { return t("NOT KNOWN", "NIE ZNANA"); }

  PageContext& ctx_;
  const CalculationCase& c_;
  bool en_;
  std::vector<std::pair<std::string, int>> captions_;
  size_t nextCaption_ = 0;
};

void ReportWriter::write() {
  // 1-3. Heading lines: the source data file and the page number.
  ctx_.nextLine(5);
  writeIdentityLine(ctx_, c_, kLabelColumn);
  if (!c_.dataFilePath.empty()) ctx_.nextLine();
  ctx_.nextLine(2);

  // 4. Title by task, today's date on the same line.
  ctx_.font = kTitleFont;
  const char* title = "";
  switch (c_.task) {
    case TaskDiameter:
      title = t("DEVICE  DIAMETER  CALCULATION  REPORT",
                "PROTOKÓŁ Z OBLICZANIA ŚREDNICY OTWORU ZWĘŻKI");
      break;
    case TaskDifferentialPressure:
      title = t("DIFFERENTIAL  PRESSURE  CALCULATION  REPORT",
                "PROTOKÓŁ Z OBLICZANIA CIŚNIENIA RÓŻNICOWEGO");
      break;
    default:
      title = t("FLUID  FLOWRATE  CALCULATION  REPORT", "PROTOKÓŁ Z OBLICZANIA STRUMIENIA");
      break;
  }
  ctx_.leftText(title, kLabelColumn);
  ctx_.font = kRegularFont;
  ctx_.rightText(ctx_.today, ctx_.rightEdge);
  ctx_.nextLine();
  ctx_.nextLine(2);

  // 6. Warnings of a calculation that does not conform to the standard.
  if (c_.hasWarnings()) {
    ctx_.font = kWarningFont;
    warnings();
    ctx_.font = kRegularFont;
  }

  // 7. Descriptive block, the four sections and the limits.
  ctx_.nextLine();
  descriptiveBlock();
  basicParameters();
  uncertaintyAnalysis();
  fluidProperties();
  intermediateResults();
  limitsOfUse();

  // 8-10. Closing warning, frame and header block.
  closing();
}

void ReportWriter::warnings() {
  const std::string maxD = std::to_string(maximumPipeDiameter(c_.deviceType));
  const std::string minD = std::to_string(minimumPipeDiameter(c_.deviceType));
  if (c_.warnDpRatio)
    freeLine(t("Results out of range.  Differential pressure must be < 0.25*P1.",
               "Przekroczenie zakresu!  Ciśnienie różnicowe ma być < 0.25*P1."));
  if (c_.warnPipeTooLarge)
    freeLine(en_ ? "Data out of range.  Pipe diameter D must be < " + maxD + " mm."
                 : "Przekroczenie zakresu!  Średnica rurociągu D ma być < " + maxD + " mm !");
  if (c_.warnPipeTooSmall) {
    freeLine(en_ ? "Data out of range.  Pipe diameter D must be >" + minD + " mm."
                 : "Przekroczenie zakresu!  Średnica rurociągu D ma być > " + minD + " mm !");
    if (c_.deviceType == DevOrificeCorner && c_.pipeDiameter20 > 6.0L)
      freeLine(t("must be flow calibrated", "Zwężka wymaga kalibracji."));
  }
  if (c_.warnDeviceTooSmall)
    freeLine(t("Data out of range.  Orifice or throat diameter d too small. ",
               "Przekroczenie zakresu!  Średnica otworu zwężki d za mała "));
  if (c_.warnReynoldsHigh)
    freeLine(en_ ? "Results out of range.  Pipe Reynolds number must be < " +
                       formatGeneral(c_.reynoldsMax, 4) + "."
                 : "Przekroczenie zakresu!  Liczba Reynoldsa ma być <" +
                       formatGeneral(c_.reynoldsMax, 4) + " !");
  if (c_.warnReynoldsLow)
    freeLine(en_ ? "Results out of range.  Pipe Reynolds number must be > " +
                       formatGeneral(c_.reynoldsMin, 4) + "."
                 : "Przekroczenie zakresu!  Liczba Reynoldsa ma być >" +
                       formatGeneral(c_.reynoldsMin, 4) + " !");
  if (c_.warnVaporization)
    freeLine(t("Results out of range.  Liquid vaporization occurs.",
               "Przekroczenie zakresu!  Za zwężką może nastąpić odparowanie."));
  if (c_.warnAsmeRange)
    freeLine(t("Pipe diameter D out of range.", "Uwaga! Średnica rurociągu D spoza zakresów norm."));
  if (c_.warnDrainHoleSize)
    freeLine(t("The diameter of the drain hole should not exceed 0.1*d20.",
               "Średnica otworu spustowego powinna być mniejsza lub równa 0.1*d20."));
  if (c_.warnDrainHolePipe)
    freeLine(t("If a drain hole is drilled through the orifice plate, D20 should be > 100 mm.",
               "Otwór spustowy można stosować dla średnic rurociągu > 100 mm."));
  if (c_.warnDrainHoleBeta)
    freeLine(t("If a drain hole is drilled through the nozzle - beta=d/D should be < 0.625.",
               "Otwór spustowy można stosować gdy wartość beta=d/D <0.625."));
}

void ReportWriter::descriptiveBlock() {
  auto descriptive = [&](const char* en, const char* pl, char selector, int code) {
    line(t(en, pl), selectorName(c_, selector, en_), std::string(1, selector), "-", code);
  };
  // A title runs on to a second line within its column and, longer still,
  // ends with an ellipsis.
  const double lineEnd = ctx_.rightEdge - ctx_.columnUnit / 2;
  if (characterCount(c_.caseTitle) >= 61) {
    const std::vector<std::string> lines =
        ctx_.wrapText(t("Description: ", "Tytuł: ") + c_.caseTitle, ctx_.font,
                      lineEnd - ctx_.columnX(kLabelColumn), 2);
    for (const std::string& l : lines) freeLine(l);
  } else {
    const std::vector<std::string> lines = ctx_.wrapText(
        c_.caseTitle, ctx_.font, lineEnd - ctx_.columnX(kDescriptiveValueColumn), 2);
    line(t("Description", "Tytuł"), lines.empty() ? std::string() : lines[0], "Y", "-",
         kLineDescription);
    for (size_t i = 1; i < lines.size(); ++i) {
      ctx_.leftText(lines[i], kDescriptiveValueColumn);
      ctx_.nextLine();
    }
  }
  {
    // A typed fluid name is cut to its column.
    const std::string fluid = ctx_.elideRight(selectorName(c_, 'P', en_), ctx_.font,
                                              lineEnd - ctx_.columnX(kDescriptiveValueColumn));
    line(t("Fluid", "Rodzaj płynu"), fluid, "P", "-", kLineFluid);
  }
  descriptive("Primary device", "Typ zwężki", 'T', kLineDevice);
  descriptive("Pipe material", "Materiał rurociągu", 'R', kLinePipeMaterial);
  descriptive("Primary device material", "Materiał zwężki", 'Z', kLineDeviceMaterial);
  descriptive("Upstream fittings", "Element przed zwężką", 'E', kLineFitting);
  ctx_.nextLine();
}

int flowDecimalsOf(Real x) { return reportFlowDecimals(x); }

void ReportWriter::basicParameters() {
  section("BASIC", "PARAMETERS", "WIELKOŚCI", "PODSTAWOWE", 1510);
  const int nq = flowDecimalsOf(c_.flowrateInput);
  const int ndp = c_.task == TaskDifferentialPressure ? flowDecimalsOf(c_.dpInput) : 3;

  line(t("Pipe internal diameter (at 20°C)", "Wewnętrzna średnica rurociągu (20°C)"),
       fixed(c_.pipeDiameter20, 6, 2), "mm", "D20", kLinePipeDiameter);
  line(t("Primary device diameter (at 20°C)", "Średnica otworu zwężki (20°C)"),
       fixed(c_.deviceDiameter20, 6, 2), "mm", "d20", kLineDeviceDiameter);
  if (c_.deviceType >= DevOrificeCorner && c_.deviceType <= DevIsa1932Nozzle) {
    if (c_.drainHoleDiameter > 0)
      line(t("Drain hole diameter (ISO/TR 15377:2018)",
             "Średnica otworu spustowego (ISO/TR 15377:2018)"),
           fixed(c_.drainHoleDiameter, 6, 2), "mm", "d", kLineDrainHole);
    else
      labelOnly(t("There is no drain hole available.", "Otworu spustowego nie ma."),
                kLineNoDrainHole);
  }
  if (c_.deviceType == DevEccentricOrifice)
    line(t("Pipe roughness", "Chropowatość rury"), fixed(c_.eccentricRoughness, 6, 2), "mm", "k",
         kLineRoughness);

  const std::string q = fixed(c_.flowrateInput, 6, nq);
  if (c_.task == TaskDiameter) {
    std::string label;
    if (c_.flowUnit <= 3)
      label = t("Upper range mass flowrate", "Maksymalny strumień masy");
    else if (c_.flowUnit == 4)
      label = t("Upper range volume flowrate", "Maksymalny strumień objętości");
    else
      label = t("Upper range volume flowrate ", "Maksymalny strumień objętości ") +
              c_.refConditionsText;
    line(label, q, flowUnit(), flowSymbol(), kLineUpperFlowrate);
    line(c_.flowUnit <= 3 ? t("Nominal (average) mass flowrate", "Nominalny strumień masy")
                          : t("Nominal (average) volume flowrate", "Nominalny strumień objętości"),
         fixed(c_.nominalFlowrate, 6, nq), flowUnit(), "", kLineNominalFlowrate);
  } else {
    std::string label;
    if (c_.flowUnit <= 3)
      label = t("Mass flowrate", "Strumień masy");
    else if (c_.flowUnit == 4)
      label = t("Volume flowrate", "Strumień objętości");
    else
      label = t("Volume flowrate ", "Strumień objętości ") + c_.refConditionsText;
    line(label, q, flowUnit(), flowSymbol(), kLineFlowrate);
  }
  if (c_.fluidKind == FluidWater || isSteamKind(c_.fluidKind))
    line(t("Heat flowrate", "Strumień ciepła (moc cieplna)"),
         fixed(c_.specificEnthalpy * 1e-6L * c_.massFlowKgH, 6, 3), "GJ/h", "",
         kLineHeatFlowrate);

  line(c_.task == TaskDiameter ? t("Upper range differential pressure", "Maksymalne ciśnienie różnicowe")
                               : t("Differential pressure", "Ciśnienie różnicowe"),
       fixed(c_.dpInput, 6, ndp), dpUnit(true), "DELTAp", kLineDifferentialPressure);
  if (c_.dpUnit == 3)
    freeLine("(" + fixed(c_.dpUnit3Values[0], 6, 1) + " mm Hg-H2O w temp." +
             fixed(c_.dpUnit3Values[1], 6, 1) + " C," +
             fixed(mercuryDensity(c_.dpUnit3Values[1]), 7, 3) + "g/cm3 )");
  else if (c_.dpUnit == 4)
    freeLine("(" + fixed(c_.dpUnit4Values[0], 6, 1) + " mm cieczy manometrycznej " +
             fixed(c_.dpUnit4Values[1], 6, 3) + " g/cm3)");

  line(c_.task == TaskDiameter ? t("Upper range permanent pressure loss", "Maksymalna strata ciśnienia")
                               : t("Permanent pressure loss", "Strata ciśnienia"),
       fixed(c_.dpInput * c_.pressureLoss, 6, 3), dpUnit(), "DELTAomega", kLinePressureLoss);
  endSection();
}

void ReportWriter::uncertaintyAnalysis() {
  section("UNCERTAINTY", "ANALYSIS", "ANALIZA", "NIEPEWNOŚCI", 1520);
  auto pct = [&](const char* en, const char* pl, Real v, int code) {
    line(t(en, pl), fixed(v, 6, 3), "%", "", code);
  };
  pct("Error of differential pressure transmitter -", "Błąd przetwornika różnicy ciśnień -",
      c_.dpTransmitterError, kLineDpTransmitterError);
  line(t("- as a percentage of reference value", "- jako procent wartości odniesienia"),
       fixed(c_.dpTransmitterReference, 6, 3), dpUnit(), "", kLineDpTransmitterReference);
  // The sources of a gas's density uncertainty; a liquid's density
  // uncertainty is the entered one alone.
  const bool gas = isCompressible(c_.fluidKind);
  if (gas && c_.pressureTransmitterError > 0)
    pct("Error of static pressure transmitter", "Błąd przetwornika ciśnienia",
        c_.pressureTransmitterError, kLinePressureTransmitterError);
  if (gas && c_.temperatureTransmitterError > 0)
    pct("Error of temperature transmitter", "Błąd przetwornika temperatury",
        c_.temperatureTransmitterError, kLineTemperatureTransmitterError);
  if (gas && c_.k1Uncertainty > 0)
    pct("Uncertainty of compressibility factor K1", "Niepewność wyznaczenia współcz. K1",
        c_.k1Uncertainty, kLineK1Uncertainty);
  if (gas && c_.refDensityUncertainty > 0)
    pct("Uncertainty of density at reference conditions ",
        "Niepewność wyznaczenia gęstości normalnej", c_.refDensityUncertainty,
        kLineRefDensityUncertainty);
  pct("Additional uncertainty of discharge coefficient C", "Dodatkowa niepewność współczynnika C",
      c_.extraCUncertainty, kLineExtraCUncertainty);
  auto length = [&](Real v) {
    return v == 0 ? std::string(t("not declared", "nie podano")) : fixed(v, 6, 3);
  };
  line(t("Existing upstream straight length", "Aktualny prosty odcinek przed zwężką"),
       length(c_.upstreamLengthActual), "m", "", kLineUpstreamLength);
  line(t("Existing downstream straight length", "Aktualny prosty odcinek za zwężką"),
       length(c_.downstreamLengthActual), "m", "", kLineDownstreamLength);
  ctx_.nextLine();

  // The terms of the uncertainty budget as they entered the total, and the
  // total: the same rows as the JSON's "uncertainty".
  for (const UncertaintyRow& r : uncertaintyRows(c_, en_)) {
    int code = kLineFlowUncertainty;
    if (r.name == "dischargeCoefficient") code = kLineCUncertainty;
    else if (r.name == "expansibility") code = kLineExpansibilityUncertainty;
    else if (r.name == "pipeDiameter") code = kLinePipeDiameterUncertainty;
    else if (r.name == "deviceDiameter") code = kLineDeviceDiameterUncertainty;
    else if (r.name == "differentialPressure") code = kLineDpUncertainty;
    else if (r.name == "density") code = kLineDensityUncertainty;
    line(r.caption, r.text, "%", "", code);
  }
  endSection();
}

void ReportWriter::composition() {
  const bool natural = isNaturalGasKind(c_.fluidKind);
  std::vector<std::string> parts;
  if (natural) {
    if (c_.naturalGasInputIsComposition == 1)
      for (size_t i = 0; i < kNaturalGasNames.size(); ++i)
        if (c_.naturalGasComposition[i] > 0)
          parts.push_back(compositionEntry(kNaturalGasNames[i], c_.naturalGasComposition[i]));
  } else {
    for (size_t i = 0; i < kMixtureNames.size(); ++i)
      if (c_.mixtureComposition[i] > 0)
        parts.push_back(compositionEntry(kMixtureNames[i], c_.mixtureComposition[i]));
    if (c_.fluidKind == FluidCokeGas && c_.cokeGasCnHm > 1e-5L)
      parts.push_back(compositionEntry("CnHm", c_.cokeGasCnHm));
  }
  if (parts.empty()) {
    labelOnly(t("Composition of gas mixture not declared", "Składu gazu nie podano"),
              kLineCompositionNotDeclared);
    return;
  }
  const bool mole = c_.compositionInMolePercent != 0;
  std::string heading;
  if (en_)
    heading = std::string(c_.relativeHumidity > 0 ? "Dry gas composition in " : "Gas composition in ") +
              (mole ? "mole" : "volume") + " fraction [%] :";
  else
    heading = std::string(c_.relativeHumidity > 0 ? "Skład gazu suchego " : "Skład gazu ") +
              (mole ? "[% molowy]" : "[% objętościowy]") + " :";
  labelOnly(heading, kLineCompositionHeading);
  std::string text;
  for (size_t i = 0; i < parts.size(); ++i) {
    text += parts[i];
    if (i % 4 == 3 || i + 1 == parts.size()) {
      while (!text.empty() && text.back() == ' ') text.pop_back();
      freeLine(text);
      text.clear();
    }
  }
}

void ReportWriter::fluidProperties() {
  section("FLUID", "PROPERTIES", "WŁAŚCIWOŚCI", "PŁYNU", 1530);
  const int k = c_.fluidKind;
  const bool gas = isReportGas(k);
  line(t("Temperature", "Temperatura płynu"), fixed(c_.temperature, 6, 2), "C", "t1",
       kLineTemperature);
  static constexpr std::array<const char*, 4> kPressureUnits{"kG/cm2", "kPa   ", "MPa   ",
                                                             "BAR   "};
  const std::string pUnit =
      (c_.pressureUnit >= 1 && c_.pressureUnit <= 4) ? kPressureUnits[static_cast<size_t>(c_.pressureUnit - 1)] : "";
  line(t("Absolute pressure", "Bezwzględne ciśnienie płynu"), fixed(c_.pressureInput, 6, 3), pUnit,
       "p1", kLinePressure);
  if (k == FluidAir || k == FluidOtherGas || k == FluidCokeGas || k == FluidNaturalGas8)
    line(t("Gas relative humidity", "Wilgotność względna gazu"), fixed(c_.relativeHumidity, 6, 3),
         "%", "fi", kLineHumidity);
  if (gas && c_.relativeHumidity > 0)
    line(t("Steam molar fraction", "Udział molowy pary wodnej w gazie"),
         fixed(c_.steamMoleFraction * 100, 6, 3), "%", "", kLineSteamMoleFraction);
  if (gas) composition();
  if (!gas)
    line(t("Density", "Gęstość"), fixed(c_.density, 6, 4), "kg/m3  ", "ro1", kLineDensity);
  else
    line(t("Density at working conditions", "Gęstość w warunkach pracy"), fixed(c_.density, 6, 4),
         "kg/m3  ", "ro1", kLineDensity);
  if (isSteamKind(k))
    line(t("Specific volume", "Objętość właściwa"), fixed(1 / c_.density, 6, 4), "m3/kg", "v1",
         kLineSpecificVolume);
  // Natural gas always carries a valid reference density (its properties
  // are computed at reference conditions).
  // The reference conditions are stated once on the page: with the volume
  // flowrate at reference conditions when it is printed, else here.
  if (gas && (c_.humidityCorrected || isNaturalGasKind(k)))
    line(c_.flowUnit == 5 ? t("Density at reference conditions", "Gęstość w warunkach odniesienia")
                          : t("Density at reference conditions ",
                              "Gęstość w warunkach odniesienia ") +
                                c_.refConditionsText,
         fixed(c_.refDensity, 6, 4), referenceDensityUnit(c_.refTemperature, c_.refPressure),
         t("", "ron"), kLineRefDensity);
  if (isNaturalGasKind(k))
    line(t("Calorific value", "Ciepło spalania"), fixed(c_.calorificValue, 6, 4), "MJ/m3", "Hs",
         kLineCalorificValue);
  static constexpr std::array<const char*, 4> kViscosityUnits{"kG.s/m2", "kg/m.h", "Pa.s", "cP"};
  const std::string muUnit = (c_.viscosityUnit >= 1 && c_.viscosityUnit <= 4)
                                 ? kViscosityUnits[static_cast<size_t>(c_.viscosityUnit - 1)]
                                 : "";
  line(t("Dynamic viscosity", "Lepkość dynamiczna"), formatGeneral(c_.viscosityEntered, 4), muUnit,
       "eta", kLineViscosity);
  if (isCompressible(k))
    line(t("Isentropic exponent", "Wykładnik izentropy"), fixed(c_.isentropicExponent, 6, 3), "-",
         "kappa", kLineIsentropicExponent);
  if (k == FluidWater || isSteamKind(k))
    line(t("Specific enthalpy", "Entalpia właściwa"), fixed(c_.specificEnthalpy, 6, 1), "kJ/kg",
         "h", kLineEnthalpy);
  if (gas)
    line(t("Relative compressibility factor", "Względny współczynnik ściśliwości"),
         fixed(c_.compressibilityK1, 6, 4), "-", "K1=Z1/Zn", kLineK1);
  // Natural gas computed by AGA8-92DC or GERG-2008 names its equation (an
  // SGERG-88 report stays as it was).
  const std::string equation = equationOfState(c_);
  if (!equation.empty() && equation.rfind("SGERG-88", 0) != 0)
    labelOnly(t("Equation of state: ", "Równanie stanu: ") + equation, kLineEquationOfState);
  endSection();
}

void ReportWriter::intermediateResults() {
  section("INTERMEDIATE", "RESULTS", "WYNIKI", "POŚREDNIE", 1540);
  labelOnly(t("Thermal expansion correction factors:", "Mnożniki korygujące:"),
            kLineExpansionHeading);
  line(t(" - for pipe", "rozszerzalności cieplnej rurociągu"), fixed(c_.pipeExpansionFactor, 6, 4),
       "-", t("kD", "kr"), kLinePipeExpansion);
  line(t(" - for primary device", "rozszerzalności cieplnej zwężki"),
       fixed(c_.deviceExpansionFactor, 6, 4), "-", t("kd", "kz"), kLineDeviceExpansion);
  if (c_.task == TaskDiameter) {
    if (!en_) labelOnly("Liczby Reynoldsa odniesione do D dla:", kLineReynoldsHeading);
    line(t("Pipe Reynolds number for upper range flowrate", "strumienia maksymalnego"),
         formatGeneral(c_.reynolds, 4), "-", "Re", kLineReynoldsUpper);
    const Real ratio = c_.nominalPercent / 100;
    line(t("Reynolds number for nominal (average) flowrate", "strumienia nominalnego"),
         formatGeneral(ratio * c_.reynolds, 4), "-", fixed(ratio, 4, 2) + "*Re",
         kLineReynoldsNominal);
  } else {
    line(t("Pipe Reynolds number", "Liczba Reynoldsa odniesiona do D"),
         formatGeneral(c_.reynolds, 4), "-", "Re", kLineReynolds);
  }
  const Real area = kPi / 4 * c_.pipeDiameter * c_.pipeDiameter * 1e-6L;
  line(t("Velocity of the fluid", "Prędkość osiowa"),
       fixed(c_.massFlowKgH / 3600 / area / c_.density, 6, 3), "m/s", "U", kLineVelocity);
  line(t("Discharge coefficient", "Współczynnik przepływu"), fixed(c_.dischargeCoefficient, 6, 4),
       "-", "C", kLineDischargeCoefficient);
  line(t("Expansibility factor", "Liczba ekspansji"), fixed(c_.expansibility, 6, 4), "-",
       "epsilon", kLineExpansibility);
  line(t("Diameter ratio", "Przewężenie"), fixed(c_.beta, 6, 4), "-", "beta=d/D", kLineBeta);
  if (c_.deviceType == DevQuarterCircle)
    line(t("Radius of rounded inlet", "Promień zaokrąglenia wlotu kryzy"),
         fixed(c_.quarterCircleRadiusRatio * c_.deviceDiameter20, 6, 2), "mm", "R",
         kLineInletRadius);
  endSection();
}

void ReportWriter::limitsOfUse() {
  section("LIMITS", "OF USE", "GRANICE", "STOSOWANIA", 1550);
  const bool sharpEdge = c_.deviceType == DevOrificeCorner || c_.deviceType == DevOrificeDD2 ||
                         c_.deviceType == DevOrificeFlange || c_.deviceType == DevEccentricOrifice;
  line(t("Lower range flowrate ", "Dolna granica pomiaru"), fixed(c_.lowerRangeFlowrate, 1, 3),
       flowUnit(), std::string("q") + (c_.flowUnit <= 3 ? "m" : "v") + "(min)", kLineLowerRange);
  if (sharpEdge)
    line(t("Upper limit of sharp edge radius", "Górna granica nieostrości"),
         fixed(c_.edgeRadiusLimit, 6, 3), "mm", "r(max)", kLineEdgeRadiusLimit);
  line(t("Upper limit of upstream pipe equivalent roughness",
         sharpEdge ? "Górna granica chropowatości równoważnej"
                   : "Górna granica chropowatości równoważnej"),
       formatGeneral(c_.roughnessLimit, 3), "mm", "k(max)", kLineRoughnessLimit);
  if (c_.deviceType >= DevIsa1932Nozzle)
    line(t("Flowrate for Reynolds number upper limit", "Strumień dla górnej granicy liczb Re"),
         fixed(c_.reynoldsLimitFlowrate, 1, 0), flowUnit(), "", kLineReynoldsLimitFlowrate);
  line(t("Required upstream straight length", "Wymagany prosty odcinek przed zwężką"),
       fixed(c_.upstreamLengthRequired * c_.pipeDiameter20 / 1000, 6, 3), "m", "",
       kLineUpstreamRequired);
  line(t("Required downstream straight length", "Wymagany prosty odcinek za zwężką"),
       fixed(c_.downstreamLengthRequired * c_.pipeDiameter20 / 1000, 6, 3), "m", "",
       kLineDownstreamRequired);
  captions_.clear();
}

void ReportWriter::closing() {
  if (ctx_.currentLine < 57) ctx_.currentLine = 57;
  if (c_.hasWarnings()) {
    ctx_.font = kWarningFont;
    if (en_)
      ctx_.centredTitle("Results exceeded the standard ranges.");
    else
      ctx_.leftText("Uwaga! Wyniki nie zgodne z normą!", kLabelColumn);
    ctx_.font = kRegularFont;
    ctx_.nextLine();
  }
  if (en_ && c_.dpUnit == 1) {
    ctx_.leftText("*) 1 mmH2O=9.80665 Pa", kCaptionColumn);
    ctx_.nextLine();
  }
  if (ctx_.currentLine < 60) ctx_.currentLine = 60;
  ctx_.frame(ctx_.leftMargin, ctx_.rightEdge, ctx_.startLine, false, ctx_.linesPerPage,
             ctx_.currentLine);
  if (ctx_.linesPerPage < 70) ctx_.linesPerPage = 70;
  ctx_.frame(ctx_.leftMargin, ctx_.rightEdge, ctx_.startLine, true, ctx_.linesPerPage,
             ctx_.startLine + 4);
  const HeaderStandardLine standard = headerStandardLine(c_);
  ctx_.headerBlock(standard.text, standard.heightDivisor);
}

}  // namespace

std::string pageNumberText(const PageContext& ctx) {
  const std::string n = std::to_string(ctx.pageNumber) + "/" + std::to_string(ctx.pageCount);
  return (ctx.english ? "Page " : "str. ") + n;
}

std::string identityText(const PageContext& ctx, const CalculationCase& c, double width) {
  const bool en = ctx.english;
  // A case typed in (or given on the command line) and never saved is
  // credited to no file.
  if (c.dataFilePath.empty()) return en ? "Data not saved in a file" : "Dane nie zapisane w pliku";
  std::string after;
  if (c.dataFileDateKnown)
    after = (en ? ", dated: " : ", z dnia: ") + formatDate(c.dataFileDate);
  // Inputs edited after the file was read are not the file's: say so.
  if (c.caseModified) after += en ? "; inputs changed after reading" : "; dane zmienione po odczycie";
  return ctx.shortenPath(en ? "Data from file: " : "Dane z pliku: ", c.dataFilePath, after,
                         kIdentityFont, width);
}

void writeIdentityLine(PageContext& ctx, const CalculationCase& c, double column) {
  const FontSpec previous = ctx.font;
  ctx.font = kIdentityFont;
  const std::string number = pageNumberText(ctx);
  const double end = ctx.rightEdge - ctx.columnUnit / 2 - ctx.textWidth(number, kIdentityFont) -
                     2 * ctx.columnUnit;
  const std::string identity = identityText(ctx, c, end - ctx.columnX(column));
  if (!identity.empty()) ctx.leftText(identity, column);
  ctx.rightText(number, ctx.rightEdge);
  ctx.font = previous;
}

int reportFlowDecimals(Real flowrate) {
  if (flowrate < 10) return 4;
  if (flowrate < 100) return 3;
  if (flowrate < 1000) return 2;
  return 1;
}

void writeCalculationReport(PageContext& ctx, const CalculationCase& c) {
  ctx.flowUnitText = reportFlowUnitText(c.flowUnit, c.refTemperature, c.refPressure);
  ReportWriter(ctx, c).write();
}

PageContext buildCalculationReport(const CalculationCase& c, bool english,
                                   const std::string& today) {
  PageContext ctx;
  setupBitmapPage(ctx, 1280, 1810);
  useFontMetrics(ctx);
  ctx.english = english;
  ctx.today = today;
  writeCalculationReport(ctx, c);
  return ctx;
}

}  // namespace dorvel::output
