// The text of the uncertainty-analysis page: title, case title, the notes on
// missing uncertainty data, the legend under the graphs and the closing note.
#include <string>

#include "output/page_context.h"
#include "output/report_texts.h"
#include "output/uncertainty_page.h"
#include "support/output_cases.h"
#include "support/testing.h"

namespace dorvel::output {
namespace {

using testing::naturalGasDiameterCase;
using testing::waterFlowrateCase;

const PageItem* textItem(const PageContext& ctx, const std::string& text) {
  for (const PageItem& it : ctx.items)
    if (it.text == text) return &it;
  return nullptr;
}

TEST(UncertaintyPage, TitleDateAndFrames) {
  PageContext en = buildUncertaintyPage(waterFlowrateCase(), true, "08.12.2026");
  const PageItem* date = textItem(en, "08.12.2026");
  ASSERT_NE(date, nullptr);
  EXPECT_EQ(date->kind, ItemKind::RightText);
  EXPECT_EQ(date->line, en.startLine + 6);
  const PageItem* t1 = textItem(en, "UNCERTAINTY ENVELOPES AND BIAS \"LINEAR SCALE\" ERROR");
  const PageItem* t2 = textItem(en, "OVER THE MEASUREMENT RANGE");
  ASSERT_NE(t1, nullptr);
  ASSERT_NE(t2, nullptr);
  EXPECT_EQ(t1->kind, ItemKind::CentredText);
  EXPECT_EQ(t1->line, date->line);
  EXPECT_EQ(t2->line, t1->line + 1);
  const PageItem* title = textItem(en, "  Description: Cooling water FT-101");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->line, t2->line + 2);
  EXPECT_EQ(title->column, kCaptionColumn);

  int open = 0, closed = 0, headers = 0;
  for (const PageItem& it : en.items) {
    if (it.kind == ItemKind::Frame && !it.topEdge) {
      ++open;
      EXPECT_EQ(it.line, en.startLine);
      EXPECT_EQ(it.bottomLine, 63);
    }
    if (it.kind == ItemKind::Frame && it.topEdge) {
      ++closed;
      EXPECT_EQ(it.bottomLine + 1, en.startLine + 5);
    }
    if (it.kind == ItemKind::HeaderBlock) {
      ++headers;
      EXPECT_EQ(it.text, "ISO 5167:2022");  // the standard heads this page too
    }
    EXPECT_EQ(it.linesPerPage, 70);
  }
  EXPECT_EQ(open, 1);
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(headers, 1);

  PageContext pl = buildUncertaintyPage(waterFlowrateCase(), false, "08.12.2026");
  EXPECT_NE(textItem(pl, "ANALIZA NIEPEWNOŚCI POMIARU STRUMIENIA"), nullptr);
  EXPECT_NE(textItem(pl, "W CAŁYM ZAKRESIE POMIAROWYM"), nullptr);
  EXPECT_NE(textItem(pl, "  Dla obliczenia: Cooling water FT-101"), nullptr);
}

TEST(UncertaintyPage, BothNotDeclaredNotesThenTheLegendAtLine33) {
  CalculationCase c = waterFlowrateCase();
  ASSERT_EQ(c.dpTransmitterError, 0);
  PageContext en = buildUncertaintyPage(c, true, "01.01.2026");
  const PageItem* a = textItem(en, "  Error of differential pressure transmitter not declared");
  const PageItem* b = textItem(en, "  Uncertainty of density determination not declared");
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(a->line, textItem(en, "  Description: Cooling water FT-101")->line + 1);
  EXPECT_EQ(b->line, a->line + 1);
  const char* legend[] = {"  1 - absolute and relative uncertainty envelopes",
                          "      (rows 7 and 8 of the table)",
                          "  2 - absolute and relative bias \"linear scale\" error",
                          "      (row 4 of the table)"};
  for (int i = 0; i < 4; ++i) {
    const PageItem* it = textItem(en, legend[i]);
    ASSERT_NE(it, nullptr) << legend[i];
    EXPECT_EQ(it->line, 33 + i);
  }
  PageContext pl = buildUncertaintyPage(c, false, "01.01.2026");
  EXPECT_NE(textItem(pl, "  Błędu przetwornika ciśnienia różnicowego nie podano"), nullptr);
  EXPECT_NE(textItem(pl, "  Niepewności wyznaczenia gęstości nie podano"), nullptr);
  EXPECT_EQ(textItem(pl, "  1 - niepewność pomiaru (bezwzględna i względna)")->line, 33);
  EXPECT_EQ(textItem(pl, "      (wiersze 7 i 8 w tabeli)")->line, 34);
  EXPECT_EQ(
      textItem(pl, "  2 - błąd skali liniowej (proporcjonalnej do pierwiastka z delta p)")->line,
      35);
  EXPECT_EQ(textItem(pl, "      (wiersz 4 w tabeli)")->line, 36);

  // With the uncertainties given neither note is printed; any one of the
  // density terms is enough.
  c.dpTransmitterError = 0.1L;
  c.dpTransmitterReference = 25;
  c.densityUncertainty = 0.2L;
  en = buildUncertaintyPage(c, true, "01.01.2026");
  EXPECT_EQ(textItem(en, "  Error of differential pressure transmitter not declared"), nullptr);
  EXPECT_EQ(textItem(en, "  Uncertainty of density determination not declared"), nullptr);
  EXPECT_EQ(textItem(en, "  1 - absolute and relative uncertainty envelopes")->line, 33);
}

TEST(UncertaintyPage, TransmitterErrorWithoutItsReferenceIsNotDeclared) {
  CalculationCase c = waterFlowrateCase();
  c.densityUncertainty = 0.1L;
  c.dpTransmitterError = 0.1L;
  c.dpTransmitterReference = 0;
  const std::string note = "  Error of differential pressure transmitter not declared";
  EXPECT_NE(textItem(buildUncertaintyPage(c, true, "01.01.2026"), note), nullptr);
  c.dpTransmitterReference = 25;
  EXPECT_EQ(textItem(buildUncertaintyPage(c, true, "01.01.2026"), note), nullptr);
}

TEST(UncertaintyPage, NotKnownEnvelopesAreSaidNotDrawn) {
  CalculationCase c = waterFlowrateCase();
  c.warnReynoldsLow = true;
  PageContext en = buildUncertaintyPage(c, true, "01.01.2026");
  EXPECT_EQ(textItem(en, "      (rows 7 and 8 of the table)"), nullptr);
  ASSERT_NE(textItem(en, "      (rows 7 and 8 of the table; not known, not drawn)"), nullptr);
  EXPECT_NE(textItem(en, "Results exceeded the standard ranges."), nullptr);
}

TEST(UncertaintyPage, ReferenceVolumeNoteNamesTheTablesUnit) {
  CalculationCase c = naturalGasDiameterCase();
  ASSERT_EQ(c.flowUnit, 5);
  // The note defines the unit the table and the graphs use, in both
  // languages, and states the conditions once.
  const std::string note = "  Nm3/h = m3/h at reference conditions (0 °C, 101.325 kPa).";
  PageContext en = buildUncertaintyPage(c, true, "01.01.2026");
  ASSERT_NE(textItem(en, note), nullptr);
  EXPECT_EQ(textItem(en, note)->line, 60);
  EXPECT_EQ(en.currentLine, 60);
  EXPECT_EQ(rangeFlowUnitText(c.flowUnit, c.refTemperature, c.refPressure), "Nm3/h");
  PageContext pl = buildUncertaintyPage(c, false, "01.01.2026");
  EXPECT_NE(textItem(pl, "  Nm3/h = m3/h w warunkach odniesienia (0 °C, 101.325 kPa)."), nullptr);
  for (const PageItem& it : pl.items) EXPECT_EQ(it.text.find("Sm3/h"), std::string::npos);
  c.refTemperature = 15;
  en = buildUncertaintyPage(c, true, "01.01.2026");
  EXPECT_NE(textItem(en, "  Sm3/h = m3/h at reference conditions (15 °C, 101.325 kPa)."), nullptr);
  c.flowUnit = 4;
  en = buildUncertaintyPage(c, true, "01.01.2026");
  EXPECT_EQ(textItem(en, note), nullptr);
}

TEST(UncertaintyPage, CaseWithoutTitlePrintsTheLabelAlone) {
  CalculationCase c = waterFlowrateCase();
  c.caseTitle.clear();
  EXPECT_NE(textItem(buildUncertaintyPage(c, true, "x"), "  Description: "), nullptr);
  EXPECT_NE(textItem(buildUncertaintyPage(c, false, "x"), "  Dla obliczenia: "), nullptr);
}

TEST(UncertaintyPage, ClosingWarningBelowTheTableOnlyOutsideTheStandard) {
  CalculationCase c = waterFlowrateCase();
  EXPECT_EQ(textItem(buildUncertaintyPage(c, true, "08.12.2026"),
                     "Results exceeded the standard ranges."),
            nullptr);
  c.warnPipeTooLarge = true;
  for (bool en : {true, false}) {
    const PageContext ctx = buildUncertaintyPage(c, en, "08.12.2026");
    const PageItem* w = textItem(
        ctx, en ? "Results exceeded the standard ranges." : "Uwaga! Wyniki nie zgodne z normą!");
    ASSERT_NE(w, nullptr) << en;
    EXPECT_EQ(w->line, kClosingNoteLine + 1);  // between the table and the frame's bottom
    EXPECT_LT(w->line, kUncertaintyFrameBottom);
    EXPECT_TRUE(w->font.italic && w->font.underline);
  }
}

}  // namespace
}  // namespace dorvel::output
