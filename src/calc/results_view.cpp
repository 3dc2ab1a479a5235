#include "calc/results_view.h"

#include "base/format.h"
#include "calc/limits.h"
#include "props/natural_gas_eos.h"

#include <cstdlib>
#include <limits>

namespace dorvel {

namespace {

std::string dpUnitText(int dpUnit) { return dpUnit == 1 ? "mm H2O" : "kPa"; }

std::string flowUnitText(int flowUnit) {
  switch (flowUnit) {
    case 1: return "kg/h";
    case 2: return "kg/s";
    case 3: return "t/h";
    case 4: return "m3/h";
    default: return "";
  }
}

std::string flowUnitText(const CalculationCase& c) {
  if (c.flowUnit == 5) return referenceVolumeFlowUnit(c.refTemperature, c.refPressure);
  return flowUnitText(c.flowUnit);
}

}  // namespace

std::vector<UncertaintyRow> uncertaintyRows(const CalculationCase& c, bool en) {
  const UncertaintyBudget& b = c.uncertaintyBudget;
  const bool known = !c.hasWarnings();
  std::vector<UncertaintyRow> rows;
  auto add = [&](const char* name, const char* english, const char* polish, Real v, bool isKnown) {
    UncertaintyRow r;
    r.name = name;
    r.caption = en ? english : polish;
    r.known = isKnown;
    if (isKnown) {
      r.text = formatFixed(v, 6, 3);
      r.value = std::strtold(r.text.c_str(), nullptr);
    } else {
      r.text = en ? "NOT KNOWN" : "NIE ZNANA";
      r.value = std::numeric_limits<Real>::quiet_NaN();
    }
    rows.push_back(std::move(r));
  };
  add("dischargeCoefficient", "Overall uncertainty of discharge coefficient C",
      "Ca\u0142kowita niepewno\u015B\u0107 wsp\u00F3\u0142czynnika C", b.dischargeCoefficient, known);
  if (isCompressible(c.fluidKind))
    add("expansibility", "Uncertainty of expansibility factor",
        "Niepewno\u015B\u0107 liczby ekspansji", b.expansibility, true);
  add("pipeDiameter", "Uncertainty due to pipe diameter D",
      "Niepewno\u015B\u0107 od \u015Brednicy ruroci\u0105gu D", b.pipeDiameter, true);
  add("deviceDiameter", "Uncertainty due to primary device diameter d",
      "Niepewno\u015B\u0107 od \u015Brednicy otworu zw\u0119\u017Cki d", b.deviceDiameter, true);
  if (b.dpDeclared)
    add("differentialPressure", "Uncertainty of differential pressure",
        "Niepewno\u015B\u0107 pomiaru DELTAp", b.differentialPressure, true);
  add("density", "Uncertainty of density determination",
      "Niepewno\u015B\u0107 wyznaczenia g\u0119sto\u015Bci", b.density, true);
  if (b.complete())
    add("flowrate", "Overall uncertainty of flowrate measurement",
        "Ca\u0142kowita niepewno\u015B\u0107 pomiaru strumienia", b.total, known);
  else
    add("flowrate", "Partial uncertainty of flowrate measurement",
        "Cz\u0119\u015Bciowa niepewno\u015B\u0107 pomiaru strumienia", b.total, known);
  return rows;
}

std::vector<ResultRow> resultsPage(const CalculationCase& c) {
  std::vector<ResultRow> rows;
  rows.reserve(24);
  const std::string basic = "Basic results", inter = "Intermediate results",
                    limits = "Limits of use";
  const bool task1 = c.task == TaskDiameter;

  switch (c.task) {
    case TaskDiameter:
      rows.push_back({basic, "Primary device diameter (20\u00B0C)", pageFixed(c.deviceDiameter20, 2),
                      "mm", "deviceDiameter20"});
      break;
    case TaskDifferentialPressure:
      rows.push_back({basic, "Differential pressure", pageFixed(c.dpInput, 2), dpUnitText(c.dpUnit),
                      "dpInput"});
      break;
    default: {
      std::string caption = c.flowUnit <= 3   ? "Mass flowrate"
                            : c.flowUnit == 4 ? "Volume flowrate"
                                              : "Volume flowrate " + c.refConditionsText;
      rows.push_back({basic, caption, pageFixed(c.flowrateInput, 2), flowUnitText(c),
                      "flowrateInput"});
      break;
    }
  }
  rows.push_back({basic, task1 ? "Pressure loss (for upper range)" : "Pressure loss",
                  pageFixed(c.dpInput * c.pressureLoss, 3), dpUnitText(c.dpUnit), "pressureLoss"});
  rows.push_back({basic,
                  task1 ? "Measurement uncertainty (for upper range)" : "Measurement uncertainty",
                  c.hasWarnings() ? "Not known" : pageFixed(c.flowUncertainty, 3), "%",
                  "flowUncertainty"});

  const int k = c.fluidKind;
  if (k == FluidWater || k == FluidSteam || k == FluidSteam13) {
    rows.push_back({inter, "Heat flowrate", pageFixed(c.specificEnthalpy * 1e-6L * c.massFlowKgH, 4),
                    "GJ/h", "heatFlowrate"});
  } else if ((k == FluidAir || k == FluidOtherGas || k == FluidCokeGas) && c.relativeHumidity > 0) {
    rows.push_back({inter, "Steam mole fraction in gas mixture",
                    pageFixed(100 * c.steamMoleFraction, 3), "%", "steamMolePercent"});
  } else if (isNaturalGasKind(k)) {
    rows.push_back({inter, "Calorific value", pageFixed(c.calorificValue, 3), "MJ/m3",
                    "calorificValue"});
  }
  rows.push_back({inter, task1 ? "Reynolds number (max)" : "Reynolds number",
                  formatGeneral(c.reynolds, 4), "-", "reynolds"});
  const Real area = kPi * c.pipeDiameter * c.pipeDiameter / 4 * 1e-6L;
  const Real velocity = (area > 0 && c.density > 0) ? c.massFlowKgH / 3600 / area / c.density : 0;
  rows.push_back({inter, "Fluid velocity (in pipe)", pageFixed(velocity, 3), "m/s", "velocity"});
  rows.push_back({inter, "Discharge coefficient C", pageFixed(c.dischargeCoefficient, 4), "-",
                  "dischargeCoefficient"});
  rows.push_back({inter, "Expansion factor", pageFixed(c.expansibility, 4), "-",
                  "expansibility"});
  rows.push_back({inter, "Diameter ratio beta=d/D", pageFixed(c.beta, 4), "-", "beta"});

  rows.push_back({limits, "Lower range flowrate", pageFixed(c.lowerRangeFlowrate, 3),
                  flowUnitText(c), "lowerRangeFlowrate"});
  // Devices with an upper Reynolds-number limit (not the orifice plates).
  if (reynoldsLimitsOf(c.deviceType, c.beta, c.pipeDiameter, c.pipeDiameter20).hasMax)
    rows.push_back({limits, "Flowrate for Reynolds number upper limit",
                    pageFixed(c.reynoldsLimitFlowrate, 0), flowUnitText(c),
                    "reynoldsLimitFlowrate"});
  else
    rows.push_back({limits, "Upper limit flowrate", "-", "", "reynoldsLimitFlowrate"});
  const bool edge = c.deviceType == 1 || c.deviceType == 2 || c.deviceType == 3 || c.deviceType == 7;
  rows.push_back({limits, "Upper limit of sharp edge radius",
                  edge ? pageFixed(c.edgeRadiusLimit, 3) : "-", edge ? "mm" : "", "edgeRadiusLimit"});
  rows.push_back({limits, "Upper limit of upstream pipe roughness",
                  formatGeneral(c.roughnessLimit, 3), "mm", "roughnessLimit"});
  rows.push_back({limits, "Required upstream straight length",
                  pageFixed(c.upstreamLengthRequired * c.pipeDiameter20 * 0.001L, 3), "m",
                  "upstreamLength"});
  rows.push_back({limits, "Required downstream straight length",
                  pageFixed(c.downstreamLengthRequired * c.pipeDiameter20 * 0.001L, 3), "m",
                  "downstreamLength"});
  return rows;
}

std::string standardInForce(const CalculationCase& c) {
  return standardLabel(governingStandard(c.deviceType, c.pipeDiameter20),
                       StandardLabelUse::Results);
}

std::string equationOfState(const CalculationCase& c) {
  if (!isNaturalGasKind(c.fluidKind)) return {};
  return std::string(naturalGasEquationName(naturalGasEquationInForce(c)));
}

std::vector<std::string> statusWarnings(const CalculationCase& c) {
  const LimitRange pipe = pipeDiameterRange(c.deviceType);
  std::vector<std::string> texts;
  if (c.warnDpRatio) texts.push_back("Results out of range.  Differential pressure must be < 0.25*P1.");
  if (c.warnPipeTooLarge)
    texts.push_back("Data out of range.  Pipe diameter D must be < " + formatGeneral(pipe.max, 6) +
                    " mm !");
  if (c.warnPipeTooSmall)
    texts.push_back((c.deviceType == DevOrificeCorner && c.pipeDiameter20 > 6)
                        ? "Flow calibration is recommended."
                        : "Data out of range.  Pipe diameter D must be >" +
                              formatGeneral(pipe.min, 6) + " mm !");
  if (c.warnDeviceTooSmall)
    texts.push_back("Data out of range.  Orifice or throat diameter d too small. ");
  if (c.warnReynoldsHigh)
    texts.push_back("Results out of range.  Pipe Reynolds number must be < " +
                    formatGeneral(c.reynoldsMax, 4) + " !");
  if (c.warnReynoldsLow)
    texts.push_back("Results out of range.  Pipe Reynolds number must be > " +
                    formatGeneral(c.reynoldsMin, 4) + " !");
  if (c.warnVaporization) texts.push_back("Results out of range.  Liquid vaporization occurs.");
  if (c.warnAsmeRange) texts.push_back("Pipe diameter D out of range.");
  if (c.warnDrainHoleSize)
    texts.push_back("The diameter of the drain hole should not exceed 0.1*d20.");
  if (c.warnDrainHolePipe)
    texts.push_back("If a drain hole is drilled through the orifice plate, D20 should be > 100 mm.");
  if (c.warnDrainHoleBeta)
    texts.push_back("If a drain hole is drilled through the nozzle - beta=d/D should be < 0.625.");
  return texts;
}

std::string statusWarning(const CalculationCase& c) {
  const std::vector<std::string> texts = statusWarnings(c);
  return texts.empty() ? std::string() : texts.back();
}

}  // namespace dorvel
