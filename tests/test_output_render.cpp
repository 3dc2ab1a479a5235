// Drawing the pages: every page in both languages on page bitmaps and
// through QPrinter's PDF output; the pictures are not blank, nothing is
// drawn outside the page or outside the page frame, and the PDF carries the
// report's title and main result as text.
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>

#include "base/format.h"
#include "output/page_output.h"
#include "output/range_table.h"
#include "output/uncertainty_graphs.h"
#include "version.h"
#include "support/driven_cases.h"
#include "support/output_cases.h"
#include "support/testing.h"

namespace dorvel::output {
namespace {

using testing::calculated;

std::string outDir() {
  const std::string dir = std::string(DORVEL_BINARY_DIR) + "/test_output_pages";
  std::filesystem::create_directories(dir);
  return dir;
}

bool ink(QRgb p) { return qGray(p) < 200; }

struct InkBox {
  int count = 0;
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

InkBox inkBox(const QImage& image) {
  InkBox b;
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (ink(line[x])) {
        ++b.count;
        b.left = std::min(b.left, x);
        b.right = std::max(b.right, x);
        b.top = std::min(b.top, y);
        b.bottom = std::max(b.bottom, y);
      }
  }
  return b;
}

struct NamedCase {
  std::string name;
  CalculationCase c;
};

std::vector<NamedCase> cases() {
  std::vector<NamedCase> v;
  v.push_back({"water_flowrate", calculated(testing::waterInput(TaskFlowrate))});
  CalculationCase diameter = testing::waterInput(TaskDiameter);
  diameter.nominalFlowrate = 14000;
  diameter.drainHoleDiameter = 2;
  v.push_back({"water_diameter", calculated(diameter)});
  CalculationCase dp = testing::gasInput(TaskDifferentialPressure);
  dp.dpUnit = 1;
  dp.dpTransmitterReference = 2500;
  dp.flowUnit = 3;
  dp.flowrateInput = 2.5L;
  v.push_back({"gas_dp", calculated(dp)});
  v.push_back({"natural_gas_by_hand", testing::naturalGasDiameterCase()});
  return v;
}

// A page drawn on a canvas with a 100-pixel border all round: the ink must
// stay on the page, and inside the page frame from the left margin to the
// right edge.
void expectInsideThePage(CalculationCase c, PageKind kind, bool english, bool bitmap,
                         const std::string& what) {
  const int W = bitmap ? 1280 : 2480;
  const int H = bitmap ? bitmapPageHeight(W) : 3508;
  const int border = 100;
  QImage canvas(W + 2 * border, H + 2 * border, QImage::Format_RGB32);
  if (!bitmap) {
    canvas.setDotsPerMeterX(11811);  // 300 dpi, as the PDF printer
    canvas.setDotsPerMeterY(11811);
  }
  canvas.fill(Qt::white);
  QPainter painter(&canvas);
  painter.translate(border, border);
  const PageContext ctx = drawPage(painter, W, H, english, bitmap, kind, c, "08.12.2026");
  if (!bitmap && kind == PageKind::UncertaintyAnalysis)
    drawGraphsAndTable(painter, W, H, c, english, ctx.yOffset, graphsShift(ctx, false));
  painter.end();
  const InkBox box = inkBox(canvas);
  ASSERT_GT(box.count, 5000) << what;
  // The frame's 3-pixel pen straddles the margin lines.
  EXPECT_GE(box.left, border + ctx.leftMargin - 2) << what;
  EXPECT_LE(box.right, border + ctx.rightEdge + 2) << what;
  EXPECT_GE(box.top, border) << what;
  EXPECT_LE(box.bottom, border + H - 1) << what;
  // The lowest ink is the bottom edge of the page frame.
  int frameBottom = -1;
  for (const PageItem& it : ctx.items)
    if (it.kind == ItemKind::Frame && !it.topEdge)
      frameBottom = static_cast<int>(std::lround(
          ctx.yOffset + ctx.yScale * (it.bottomLine + 1) *
                            static_cast<int>(std::lround(double(H) / it.linesPerPage))));
  ASSERT_GT(frameBottom, 0) << what;
  EXPECT_LE(box.bottom, border + frameBottom + 2) << what;
  EXPECT_GE(box.bottom, border + frameBottom - 2) << what;
}

TEST(RenderPages, BitmapsInBothLanguagesStayInsideThePage) {
  for (const NamedCase& k : cases())
    for (PageKind kind : {PageKind::CalculationReport, PageKind::UncertaintyAnalysis})
      for (bool en : {true, false})
        expectInsideThePage(k.c, kind, en, true,
                            k.name + (kind == PageKind::CalculationReport ? " report " : " graphs ") +
                                (en ? "en" : "pl"));
}

TEST(RenderPages, PrinterPagesInBothLanguagesStayInsideThePage) {
  for (const NamedCase& k : cases())
    for (PageKind kind : {PageKind::CalculationReport, PageKind::UncertaintyAnalysis})
      for (bool en : {true, false})
        expectInsideThePage(k.c, kind, en, false,
                            k.name + (kind == PageKind::CalculationReport ? " report " : " graphs ") +
                                (en ? "en" : "pl"));
}

TEST(RenderPages, PageBitmapOfAnASheet) {
  EXPECT_EQ(bitmapPageHeight(1280), 1810);
  EXPECT_EQ(bitmapPageHeight(1920), 2715);
  CalculationCase c = calculated(testing::waterInput(TaskFlowrate));
  const QImage image = renderPageImage(c, PageKind::CalculationReport, true);
  EXPECT_EQ(image.width(), 1280);
  EXPECT_EQ(image.height(), 1810);
  EXPECT_GT(inkBox(image).count, 5000);
  const std::string path = outDir() + "/water_graphs_pl.png";
  ASSERT_TRUE(renderPagePng(c, PageKind::UncertaintyAnalysis, false, path));
  QImage back(QString::fromStdString(path));
  EXPECT_EQ(back.width(), 1280);
  EXPECT_EQ(back.height(), 1810);
  EXPECT_FALSE(c.rangeMode);
}

TEST(RenderPages, EnvelopeGreyOnScreenOnly) {
  // The page bitmaps draw the graphs as on paper (markers, no grey fill).
  CalculationCase c = calculated(testing::waterInput(TaskFlowrate));
  const QImage page = renderPageImage(c, PageKind::UncertaintyAnalysis, true);
  int grey = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (page.pixel(x, y) == qRgb(192, 192, 192)) ++grey;
  // (Anti-aliased text may hit that grey on a few pixels.)
  EXPECT_LT(grey, 1000);
  grey = 0;
  // A graph window (printing off) fills the envelope grey.
  QImage window(600, 450, QImage::Format_RGB32);
  window.fill(Qt::white);
  QPainter painter(&window);
  const GraphData data = computeGraphData(c);
  drawGraph(painter, layoutGraph(data, GraphKind::Relative, 450, 600), 0, 0, false);
  painter.end();
  for (int y = 0; y < window.height(); ++y)
    for (int x = 0; x < window.width(); ++x)
      if (window.pixel(x, y) == qRgb(192, 192, 192)) ++grey;
  EXPECT_GT(grey, 5000);
}

TEST(RenderPages, BadValuesAndTinySurfacesDoNotBreakTheDrawing) {
  CalculationCase c = testing::waterFlowrateCase();
  c.density = std::numeric_limits<Real>::quiet_NaN();
  c.flowrateInput = std::numeric_limits<Real>::infinity();
  c.pressureUnit = 9;
  c.viscosityUnit = 0;
  c.deviceType = 42;
  c.flowUnit = 7;
  c.fittingOrifice = -3;
  for (PageKind kind : {PageKind::CalculationReport, PageKind::UncertaintyAnalysis})
    for (bool en : {true, false}) {
      const QImage image = renderPageImage(c, kind, en, 1280);
      EXPECT_GT(inkBox(image).count, 1000);
      EXPECT_FALSE(c.rangeMode);
    }
  // Surfaces far too small for the page still draw without failing.
  CalculationCase water = calculated(testing::waterInput(TaskFlowrate));
  for (int w : {1, 10, 40}) {
    QImage small(w, w, QImage::Format_RGB32);
    small.fill(Qt::white);
    QPainter painter(&small);
    drawPage(painter, w, w, true, true, PageKind::UncertaintyAnalysis, water);
    drawRangeTable(painter, computeRangeTable(water, true), 0, 0, true, w, w);
    drawGraph(painter, layoutGraph(computeGraphData(water), GraphKind::Absolute, w, w), 0, 0, false);
    painter.end();
  }
  EXPECT_FALSE(water.rangeMode);
}

TEST(RenderPages, PreviewLayout) {
  const PreviewLayout p = previewLayout(1280, 1024);
  EXPECT_EQ(p.clientWidth, 1200);
  EXPECT_EQ(p.clientHeight, 896);
  EXPECT_EQ(p.imageWidth, 1200);
  EXPECT_EQ(p.imageHeight, 2240);
  EXPECT_EQ(p.pageWidth, 1125);
  EXPECT_EQ(p.pageHeight, 1960);
}

bool haveTool(const char* tool) {
  const std::string cmd = std::string("command -v ") + tool + " >/dev/null 2>&1";
  return std::system(cmd.c_str()) == 0;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::string squeezeSpaces(const std::string& s) {
  std::string out;
  for (char ch : s) {
    const bool space = ch == ' ' || ch == '\n' || ch == '\t' || ch == '\f';
    if (space) {
      if (!out.empty() && out.back() != ' ') out += ' ';
    } else {
      out += ch;
    }
  }
  return out;
}

TEST(RenderPdf, EveryPageInBothLanguages) {
  for (const NamedCase& k : cases())
    for (PageKind kind : {PageKind::CalculationReport, PageKind::UncertaintyAnalysis})
      for (bool en : {true, false}) {
        CalculationCase c = k.c;
        const std::string path = outDir() + "/" + k.name +
                                 (kind == PageKind::CalculationReport ? "_report_" : "_graphs_") +
                                 (en ? "en" : "pl") + ".pdf";
        std::filesystem::remove(path);
        ASSERT_TRUE(renderPagePdf(c, kind, en, path)) << path;
        const std::string pdf = readFile(path);
        EXPECT_EQ(pdf.substr(0, 5), "%PDF-") << path;
        EXPECT_GT(pdf.size(), 2000u) << path;
        EXPECT_FALSE(c.rangeMode);
      }
  CalculationCase fresh;
  resetCase(fresh);
  EXPECT_FALSE(renderPagePdf(fresh, PageKind::CalculationReport, true, "/nonexistent-dir/x.pdf"));
}

TEST(RenderPdf, TextOfTheReportFoundByPdftotext) {
  if (!haveTool("pdftotext")) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  CalculationCase c = calculated(testing::waterInput(TaskFlowrate));
  const std::string flow = formatFixed(c.flowrateInput, 6, 1);
  for (bool en : {true, false}) {
    const std::string pdf = outDir() + (en ? "/text_en.pdf" : "/text_pl.pdf");
    const std::string txt = pdf + ".txt";
    ASSERT_TRUE(renderPagePdf(c, PageKind::CalculationReport, en, pdf));
    ASSERT_EQ(std::system(("pdftotext -layout '" + pdf + "' '" + txt + "'").c_str()), 0);
    const std::string text = squeezeSpaces(readFile(txt));
    EXPECT_NE(text.find(en ? "FLUID FLOWRATE CALCULATION REPORT" : "PROTOKÓŁ Z OBLICZANIA STRUMIENIA"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(en ? "Mass flowrate" : "Strumień masy"), std::string::npos);
    EXPECT_NE(text.find(flow), std::string::npos) << flow;
    EXPECT_NE(text.find("Dorvel"), std::string::npos);
  }
  // The graphs page carries its title and the table's readings.
  const std::string pdf = outDir() + "/text_graphs.pdf";
  ASSERT_TRUE(renderPagePdf(c, PageKind::UncertaintyAnalysis, true, pdf));
  ASSERT_EQ(std::system(("pdftotext '" + pdf + "' '" + pdf + ".txt'").c_str()), 0);
  const std::string text = squeezeSpaces(readFile(pdf + ".txt"));
  EXPECT_NE(text.find("OVER THE MEASUREMENT RANGE"), std::string::npos);
  EXPECT_NE(text.find("Exact value q"), std::string::npos);
}

TEST(RenderPdf, A4PageWithTheJobTitle) {
  if (!haveTool("pdfinfo")) GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
  CalculationCase c = calculated(testing::waterInput(TaskFlowrate));
  for (PageKind kind : {PageKind::CalculationReport, PageKind::UncertaintyAnalysis}) {
    const std::string pdf = outDir() + "/info.pdf";
    ASSERT_TRUE(renderPagePdf(c, kind, true, pdf));
    ASSERT_EQ(std::system(("pdfinfo '" + pdf + "' > '" + pdf + ".txt'").c_str()), 0);
    const std::string info = squeezeSpaces(readFile(pdf + ".txt"));
    EXPECT_NE(info.find("A4"), std::string::npos) << info;
    EXPECT_NE(info.find("Pages: 1 "), std::string::npos) << info;
    // Title: the page's name and the case title; subject: device and
    // fluid; keywords: the standard; creator: the program and its version.
    EXPECT_NE(info.find(std::string("Title: ") +
                        (kind == PageKind::CalculationReport ? "Calculation report - "
                                                             : "Uncertainty analysis - ") +
                        c.caseTitle),
              std::string::npos)
        << info;
    EXPECT_NE(info.find("Subject: Orifice plate with flange tappings, Water"), std::string::npos)
        << info;
    EXPECT_NE(info.find("Keywords: ISO 5167:2022"), std::string::npos) << info;
    EXPECT_NE(info.find(std::string("Creator: Dorvel ") + kVersion), std::string::npos) << info;
  }
}

TEST(RenderPdf, RasterisedPdfIsInsideThePaper) {
  if (!haveTool("pdftoppm")) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
  CalculationCase c = testing::naturalGasDiameterCase();
  const std::string pdf = outDir() + "/raster.pdf";
  ASSERT_TRUE(renderPagePdf(c, PageKind::CalculationReport, true, pdf));
  const std::string png = outDir() + "/raster";
  ASSERT_EQ(std::system(("pdftoppm -r 50 -png -singlefile '" + pdf + "' '" + png + "'").c_str()), 0);
  QImage image(QString::fromStdString(png + ".png"));
  ASSERT_FALSE(image.isNull());
  const InkBox box = inkBox(image.convertToFormat(QImage::Format_RGB32));
  EXPECT_GT(box.count, 2000);
  // Margins of W/14 on the left and about W*8/105 on the right.
  EXPECT_GT(box.left, image.width() / 20);
  EXPECT_LT(box.right, image.width() - image.width() / 30);
  EXPECT_LT(box.bottom, image.height() - 2);
}

}  // namespace
}  // namespace dorvel::output
