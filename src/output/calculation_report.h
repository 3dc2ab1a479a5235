// The calculation report: a one-page summary of the finished case in English
// or Polish, written through the line routines of a PageContext.
#pragma once

#include <string>

#include "base/case.h"
#include "output/page_context.h"

namespace dorvel::output {

// Identifiers of the report lines (the line code of the report-line
// routine).  0 marks a free text line.
enum ReportLineCode : int {
  kFreeLine = 0,
  // descriptive block
  kLineDescription = 1,
  kLineFluid,
  kLineDevice,
  kLinePipeMaterial,
  kLineDeviceMaterial,
  kLineFitting,
  // basic parameters
  kLinePipeDiameter = 10,
  kLineDeviceDiameter,
  kLineDrainHole,
  kLineNoDrainHole,
  kLineRoughness,
  kLineUpperFlowrate,
  kLineNominalFlowrate,
  kLineFlowrate,
  kLineHeatFlowrate,
  kLineDifferentialPressure,
  kLinePressureLoss,
  // uncertainty analysis
  kLineDpTransmitterError = 30,
  kLineDpTransmitterReference,
  kLinePressureTransmitterError,
  kLineTemperatureTransmitterError,
  kLineK1Uncertainty,
  kLineRefDensityUncertainty,
  kLineExtraCUncertainty,
  kLineUpstreamLength,
  kLineDownstreamLength,
  kLineCUncertainty,
  kLineExpansibilityUncertainty,
  kLineDpUncertainty,
  kLineDensityUncertainty,
  kLineFlowUncertainty,
  kLinePipeDiameterUncertainty = 46,
  kLineDeviceDiameterUncertainty,
  // fluid properties
  kLineTemperature = 50,
  kLinePressure,
  kLineHumidity,
  kLineSteamMoleFraction,
  kLineCompositionHeading,
  kLineCompositionNotDeclared,
  kLineDensity,
  kLineSpecificVolume,
  kLineRefDensity,
  kLineCalorificValue,
  kLineViscosity,
  kLineIsentropicExponent,
  kLineEnthalpy,
  kLineK1,
  kLineEquationOfState,
  // intermediate results
  kLineExpansionHeading = 70,
  kLinePipeExpansion,
  kLineDeviceExpansion,
  kLineReynoldsHeading,
  kLineReynoldsUpper,
  kLineReynoldsNominal,
  kLineReynolds,
  kLineVelocity,
  kLineDischargeCoefficient,
  kLineExpansibility,
  kLineBeta,
  kLineInletRadius,
  // limits of use
  kLineLowerRange = 90,
  kLineEdgeRadiusLimit,
  kLineRoughnessLimit,
  kLineReynoldsLimitFlowrate,
  kLineUpstreamRequired,
  kLineDownstreamRequired,
};

// Writes the whole report through ctx, from ctx.currentLine on.  With the
// draw flag off this only counts lines (the dry run); ctx.currentLine is then
// the line the report ends at.  The case is only read.
void writeCalculationReport(PageContext& ctx, const CalculationCase& c);

// The report's items on a bitmap-like page (W 1280, H 1810, 70 lines per page
// from line 1) in the given language and with the given date text.
PageContext buildCalculationReport(const CalculationCase& c, bool english,
                                   const std::string& today);

// The page number of a page: "Page 1/2" / "str. 1/2".
std::string pageNumberText(const PageContext& ctx);

// What the page says of the case's source: "Data from file: PATH, dated:
// DATE" / "Dane z pliku: PATH, z dnia: DATE", followed by "; inputs changed
// after reading" / "; dane zmienione po odczycie" when the case was changed
// after it was read (an edit, a --set); the path shortened in its middle to
// fit `width` device units.  A case not read from a file: "Data not saved in
// a file" / "Dane nie zapisane w pliku".
std::string identityText(const PageContext& ctx, const CalculationCase& c, double width);

// The identity line of a page at the current line (letters H/90) from grid
// `column`, and the page number at the right edge.  Does not advance.
void writeIdentityLine(PageContext& ctx, const CalculationCase& c, double column);

// Number of decimals of flowrates on the report, from the flowrate value:
// below 10 four, below 100 three, below 1000 two, otherwise one.
int reportFlowDecimals(Real flowrate);

}  // namespace dorvel::output
