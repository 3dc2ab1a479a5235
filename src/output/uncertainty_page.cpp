#include "output/uncertainty_page.h"

#include "calc/loss_uncertainty.h"
#include "output/calculation_report.h"
#include "output/page_draw.h"
#include "output/report_texts.h"

#include <algorithm>
#include <vector>

namespace dorvel::output {

void writeUncertaintyPage(PageContext& ctx, const CalculationCase& c) {
  const bool en = ctx.english;
  auto t = [en](const char* english, const char* polish) { return std::string(en ? english : polish); };

  ctx.frame(ctx.leftMargin, ctx.rightEdge, ctx.startLine, false, ctx.linesPerPage,
            kUncertaintyFrameBottom);
  ctx.frame(ctx.leftMargin, ctx.rightEdge, ctx.startLine, true, ctx.linesPerPage,
            ctx.startLine + 4);
  const HeaderStandardLine standard = headerStandardLine(c);
  ctx.headerBlock(standard.text, standard.heightDivisor);

  // Under the header: which case the page belongs to, and its page number.
  ctx.nextLine(5);
  writeIdentityLine(ctx, c, kCaptionColumn);
  ctx.nextLine();
  ctx.rightText(ctx.today, ctx.rightEdge);
  ctx.centredTitle(t("UNCERTAINTY ENVELOPES AND BIAS \"LINEAR SCALE\" ERROR",
                     "ANALIZA NIEPEWNOŚCI POMIARU STRUMIENIA"));
  ctx.nextLine();
  ctx.centredTitle(t("OVER THE MEASUREMENT RANGE", "W CAŁYM ZAKRESIE POMIAROWYM"));

  ctx.nextLine(2);
  {
    // The title runs on to a second line under itself, then ends with an
    // ellipsis.
    const std::string label = t("  Description: ", "  Dla obliczenia: ");
    const double labelWidth = ctx.textWidth(label, ctx.font);
    const double width =
        ctx.rightEdge - ctx.columnUnit / 2 - ctx.columnX(kCaptionColumn) - labelWidth;
    const std::vector<std::string> lines = ctx.wrapText(c.caseTitle, ctx.font, width, 2);
    ctx.leftText(label + (lines.empty() ? std::string() : lines[0]));
    for (size_t i = 1; i < lines.size(); ++i) {
      ctx.nextLine();
      ctx.leftText(lines[i], kCaptionColumn + labelWidth / std::max(1, ctx.columnUnit));
    }
    ctx.nextLine();
  }
  // The same rules as the uncertainty budget: a transmitter error without
  // its reference value is not declared.
  UncertaintySources sources;
  sources.densityUncertainty = c.densityUncertainty;
  sources.pressureTransmitterError = c.pressureTransmitterError;
  sources.temperatureTransmitterError = c.temperatureTransmitterError;
  sources.k1Uncertainty = c.k1Uncertainty;
  sources.refDensityUncertainty = c.refDensityUncertainty;
  if (!dpTransmitterDeclared(c.dpTransmitterError, c.dpTransmitterReference)) {
    ctx.leftText(t("  Error of differential pressure transmitter not declared",
                   "  Błędu przetwornika ciśnienia różnicowego nie podano"));
    ctx.nextLine();
  }
  if (!densityUncertaintyDeclared(sources, isCompressible(c.fluidKind))) {
    ctx.leftText(t("  Uncertainty of density determination not declared",
                   "  Niepewności wyznaczenia gęstości nie podano"));
    ctx.nextLine();
  }

  ctx.currentLine = kLegendLine;
  ctx.leftText(t("  1 - absolute and relative uncertainty envelopes",
                 "  1 - niepewność pomiaru (bezwzględna i względna)"));
  ctx.nextLine();
  // Results outside the standard: the envelopes are not drawn.
  if (c.hasWarnings())
    ctx.leftText(t("      (rows 7 and 8 of the table; not known, not drawn)",
                   "      (wiersze 7 i 8 w tabeli; nie znana, nie narysowana)"));
  else
    ctx.leftText(t("      (rows 7 and 8 of the table)", "      (wiersze 7 i 8 w tabeli)"));
  ctx.nextLine();
  ctx.leftText(t("  2 - absolute and relative bias \"linear scale\" error",
                 "  2 - błąd skali liniowej (proporcjonalnej do pierwiastka z delta p)"));
  ctx.nextLine();
  ctx.leftText(t("      (row 4 of the table)", "      (wiersz 4 w tabeli)"));
  ctx.nextLine();

  ctx.currentLine = kClosingNoteLine;
  // The one statement of the reference conditions on this page, in both
  // languages, naming the unit as the table and the graphs do.
  if (c.flowUnit == 5) {
    const std::string unit = referenceVolumeFlowUnit(c.refTemperature, c.refPressure);
    ctx.leftText("  " + unit + t(" = m3/h at reference conditions ", " = m3/h w warunkach odniesienia ") +
                 referenceConditionsText(c.refTemperature, c.refPressure) + ".");
  }

  // Results outside the standard: the page carries the calculation report's
  // closing warning below the table, so that it cannot pass for a conforming
  // one on its own.
  if (c.hasWarnings()) {
    const FontSpec regular = ctx.font;
    ctx.currentLine = kClosingNoteLine + 1;
    ctx.font = FontSpec{regular.heightDivisor, false, true, true};
    ctx.centredTitle(t("Results exceeded the standard ranges.", "Uwaga! Wyniki nie zgodne z normą!"));
    ctx.font = regular;
    ctx.currentLine = kClosingNoteLine;
  }
}

PageContext buildUncertaintyPage(const CalculationCase& c, bool english, const std::string& today) {
  PageContext ctx;
  setupBitmapPage(ctx, 1280, 1810);
  useFontMetrics(ctx);
  ctx.english = english;
  ctx.today = today;
  writeUncertaintyPage(ctx, c);
  return ctx;
}

}  // namespace dorvel::output
