// The printed pages as a document an engineer files: which case they belong
// to, page numbers, long texts kept inside the frame, margins of the sheet,
// figures on their decimal point, the graphs' scale labels and markers.
// Texts are measured as drawn, on a device that records them.
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "output/calculation_report.h"
#include "output/page_draw.h"
#include "output/page_output.h"
#include "output/uncertainty_graphs.h"
#include "output/uncertainty_page.h"
#include "support/driven_cases.h"
#include "support/output_cases.h"
#include "support/run_program.h"
#include "support/temp_dir.h"
#include "support/testing.h"
#include "support/text_recorder.h"

namespace dorvel::output {
namespace {

using dorvel::testing::DrawnText;
using dorvel::testing::TempDir;
using dorvel::testing::TextRecordingDevice;

const std::string kExamples = std::string(DORVEL_SOURCE_DIR) + "/examples/";
const std::string kWater = kExamples + "water-orifice-flange.dvl";

CalculationCase computed(const std::string& file, const std::vector<std::string>& sets = {}) {
  CalculationCase c;
  std::ostringstream err;
  EXPECT_EQ(cli::computeCaseFile(file, sets, true, c, err), cli::kExitOk) << file << err.str();
  return c;
}

std::vector<std::string> examples() {
  std::vector<std::string> v;
  for (const auto& e : std::filesystem::directory_iterator(kExamples))
    if (e.path().extension() == ".dvl") v.push_back(e.path().string());
  std::sort(v.begin(), v.end());
  return v;
}

// The texts of one printed A4 page at 300 dpi (printer page set-up, the
// graphs and table of the uncertainty page included), and its context.
struct DrawnPage {
  PageContext ctx;
  std::vector<DrawnText> texts;
};

DrawnPage drawPrinted(CalculationCase& c, PageKind kind, bool english, int number = 1,
                      int count = 1) {
  ensureGuiApplication();
  TextRecordingDevice device(2480, 3508);
  QPainter painter(&device);
  DrawnPage page;
  page.ctx = drawPage(painter, 2480, 3508, english, false, kind, c, "09.12.2026", number, count);
  if (kind == PageKind::UncertaintyAnalysis)
    drawGraphsAndTable(painter, 2480, 3508, c, english, page.ctx.yOffset,
                       graphsShift(page.ctx, false));
  painter.end();
  page.texts = device.texts();
  return page;
}

const DrawnText* findText(const DrawnPage& page, const std::string& part) {
  for (const DrawnText& t : page.texts)
    if (t.text.toStdString().find(part) != std::string::npos) return &t;
  return nullptr;
}

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool haveTool(const char* name) {
  return std::system((std::string("command -v ") + name + " > /dev/null 2>&1").c_str()) == 0;
}

// ---- identity line --------------------------------------------------------

TEST(PrintIdentity, BothPagesNameTheFileItsDateAndTheTitle) {
  CalculationCase c = computed(kWater);
  EXPECT_FALSE(c.caseModified);
  const std::string date = formatDate(c.dataFileDate);
  for (bool en : {true, false})
    for (PageKind kind : {PageKind::CalculationReport, PageKind::UncertaintyAnalysis}) {
      const DrawnPage page = drawPrinted(c, kind, en);
      const std::string line = std::string(en ? "Data from file: " : "Dane z pliku: ") + kWater +
                               (en ? ", dated: " : ", z dnia: ") + date;
      const DrawnText* identity = findText(page, line);
      ASSERT_NE(identity, nullptr) << line;
      EXPECT_EQ(identity->text.toStdString(), line);
      EXPECT_NE(findText(page, c.caseTitle), nullptr) << c.caseTitle;
      // Under the header frame, above the page title.
      const DrawnText* title = findText(page, en ? "REPORT" : "PROTOKÓŁ");
      if (kind == PageKind::UncertaintyAnalysis) title = findText(page, en ? "UNCERTAINTY" : "ANALIZA");
      ASSERT_NE(title, nullptr);
      EXPECT_LT(identity->rect.top(), title->rect.top());
    }
}

TEST(PrintIdentity, InputsChangedAfterReadingAreNotCreditedToTheFile) {
  // A --set is a change of the file's inputs.
  CalculationCase c = computed(kWater, {"dpInput=30"});
  EXPECT_TRUE(c.caseModified);
  for (bool en : {true, false})
    for (PageKind kind : {PageKind::CalculationReport, PageKind::UncertaintyAnalysis}) {
      const DrawnPage page = drawPrinted(c, kind, en);
      const DrawnText* identity = findText(page, en ? "Data from file: " : "Dane z pliku: ");
      ASSERT_NE(identity, nullptr);
      const std::string text = identity->text.toStdString();
      const std::string note = en ? "inputs changed after reading" : "dane zmienione po odczycie";
      EXPECT_NE(text.find(note), std::string::npos) << text;
      EXPECT_NE(text.find("water-orifice-flange.dvl"), std::string::npos) << text;
    }
  // A case made on the command line alone is credited to no file.
  CalculationCase typed =
      computed("", {"task=1", "deviceType=3", "pipeDiameter20=100", "temperature=80",
                    "pressureInput=0.5", "flowUnit=t/h", "flowrateInput=30",
                    "nominalFlowrate=20", "dpInput=40"});
  EXPECT_NE(findText(drawPrinted(typed, PageKind::CalculationReport, true), "Data not saved in a file"),
            nullptr);
  EXPECT_NE(findText(drawPrinted(typed, PageKind::UncertaintyAnalysis, false),
                     "Dane nie zapisane w pliku"),
            nullptr);
  // Every example read and computed as it is stays unchanged.
  for (const std::string& file : examples()) EXPECT_FALSE(computed(file).caseModified) << file;
}

// ---- page numbers ---------------------------------------------------------

TEST(PrintPageNumbers, OneDocumentOfTwoPagesOrOnePageAlone) {
  CalculationCase c = computed(kWater);
  const DrawnPage first = drawPrinted(c, PageKind::CalculationReport, true, 1, 2);
  const DrawnPage second = drawPrinted(c, PageKind::UncertaintyAnalysis, true, 2, 2);
  const DrawnPage alone = drawPrinted(c, PageKind::UncertaintyAnalysis, false);
  ASSERT_NE(findText(first, "Page 1/2"), nullptr);
  ASSERT_NE(findText(second, "Page 2/2"), nullptr);
  ASSERT_NE(findText(alone, "str. 1/1"), nullptr);
  // At the right edge.
  EXPECT_NEAR(findText(first, "Page 1/2")->rect.right(),
              first.ctx.rightEdge - first.ctx.columnUnit / 2, 2);

  if (!haveTool("pdftotext") || !haveTool("pdfinfo")) GTEST_SKIP() << "poppler-utils missing";
  TempDir dir;
  const std::string pdf = dir.file("both.pdf");
  ASSERT_TRUE(renderPagesPdf(c, {PageKind::CalculationReport, PageKind::UncertaintyAnalysis},
                             false, pdf));
  ASSERT_EQ(std::system(("pdfinfo '" + pdf + "' > '" + pdf + ".info'").c_str()), 0);
  const std::string info = readAll(pdf + ".info");
  EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
  EXPECT_NE(info.find("Protokół obliczeń i analiza niepewności - " + c.caseTitle),
            std::string::npos)
      << info;
  for (int n : {1, 2}) {
    const std::string txt = pdf + std::to_string(n) + ".txt";
    ASSERT_EQ(std::system(("pdftotext -f " + std::to_string(n) + " -l " + std::to_string(n) +
                           " '" + pdf + "' '" + txt + "'")
                              .c_str()),
              0);
    const std::string text = readAll(txt);
    EXPECT_NE(text.find("str. " + std::to_string(n) + "/2"), std::string::npos) << text;
    EXPECT_NE(text.find(n == 1 ? "PROTOKÓŁ" : "ANALIZA NIEPEWNOŚCI"), std::string::npos);
  }
}

TEST(PrintPageNumbers, CliReportBothIsOnePdfOfTwoPages) {
  if (!haveTool("pdfinfo")) GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
  TempDir dir;
  const std::string pdf = dir.file("both.pdf");
  auto r = testing::runCli({"report", kWater, "--page", "both", "--out", pdf});
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(std::system(("pdfinfo '" + pdf + "' > '" + pdf + ".info'").c_str()), 0);
  const std::string info = readAll(pdf + ".info");
  EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
  EXPECT_NE(info.find("Title:           Calculation report and uncertainty analysis - "),
            std::string::npos)
      << info;
  // A picture is one page: both pages need a PDF.
  auto png = testing::runCli({"report", kWater, "--page", "both", "--out", dir.file("x.png")});
  EXPECT_EQ(png.status, 2);
  EXPECT_NE(png.err.find("--page both"), std::string::npos) << png.err;
}

// ---- long texts, margins ----------------------------------------------------

// Every text of a printed page lies between the page frame's edges, and the
// whole grid keeps 10 mm from the top and bottom and 20 mm on the left.
void expectInsideTheFrame(const DrawnPage& page, const std::string& what) {
  const double mm = 300 / 25.4;
  ASSERT_FALSE(page.texts.empty()) << what;
  for (const DrawnText& t : page.texts) {
    EXPECT_GE(t.rect.left(), page.ctx.leftMargin) << what << ": " << t.text.toStdString();
    EXPECT_LE(t.rect.right(), page.ctx.rightEdge) << what << ": " << t.text.toStdString();
    EXPECT_GE(t.rect.top(), 10 * mm) << what << ": " << t.text.toStdString();
    EXPECT_LE(t.rect.bottom(), 3508 - 10 * mm) << what << ": " << t.text.toStdString();
  }
  EXPECT_GE(page.ctx.leftMargin, 20 * mm - 1) << what;
  int top = 0, bottom = 0;
  gridExtent(page.ctx, top, bottom);
  EXPECT_GE(page.ctx.yOffset + page.ctx.yScale * top, 10 * mm - 1) << what;
  EXPECT_LE(page.ctx.yOffset + page.ctx.yScale * bottom, 3508 - 10 * mm + 1) << what;
}

TEST(PrintLongTexts, TitlesWrapThenEndWithAnEllipsisPathsLoseTheirMiddle) {
  CalculationCase c = computed(kWater);
  const std::string title122 =
      "Feed water to boiler No. 3 after the economiser, flange tappings, orifice plate FT-301 "
      "of the revamped line, checked 2026.";
  ASSERT_EQ(title122.size(), 122u);
  const std::string folders = "/srv/plant/measurements/boiler-house/feed-water/2026/";
  c.dataFilePath = folders + std::string(130 - folders.size() - 8, 'f') + "-301.dvl";
  ASSERT_EQ(c.dataFilePath.size(), 130u);
  for (const std::string& title :
       {title122, std::string(30, 'W'), std::string(60, 'W'), std::string(400, 'W'),
        title122 + " " + title122 + " " + title122})
    for (bool en : {true, false})
      for (PageKind kind : {PageKind::CalculationReport, PageKind::UncertaintyAnalysis}) {
        c.caseTitle = title;
        const DrawnPage page = drawPrinted(c, kind, en);
        const std::string what = std::to_string(title.size()) + (en ? " en " : " pl ") +
                                 (kind == PageKind::CalculationReport ? "report" : "graphs");
        expectInsideTheFrame(page, what);
        // The path keeps its file name and the date.
        const DrawnText* identity = findText(page, en ? "Data from file: " : "Dane z pliku: ");
        ASSERT_NE(identity, nullptr) << what;
        const std::string line = identity->text.toStdString();
        EXPECT_NE(line.find("-301.dvl" + std::string(en ? ", dated: " : ", z dnia: ")),
                  std::string::npos)
            << line;
        EXPECT_NE(line.find("/srv/"), std::string::npos) << line;
        // The title's words are all there, or it ends with the ellipsis.
        std::string shown;
        for (const DrawnText& t : page.texts) {
          const std::string s = t.text.toStdString();
          if (&t == identity) continue;
          if (s.find("WWW") != std::string::npos || s.find("water") != std::string::npos ||
              s.find("revamped") != std::string::npos || s.find("checked") != std::string::npos)
            shown += s + "|";
        }
        if (title.size() > 300) {
          EXPECT_NE(shown.find(kEllipsis), std::string::npos) << what << ": " << shown;
        }
        if (title == title122) {
          EXPECT_NE(shown.find("checked 2026"), std::string::npos) << what << ": " << shown;
          EXPECT_EQ(shown.find(kEllipsis), std::string::npos) << what << ": " << shown;
        }
      }
}

TEST(PrintLongTexts, EveryExampleInBothLanguagesStaysInsideTheFrame) {
  // A long report (85 lines to the page, from line 1) too.
  CalculationCase tall = testing::naturalGasDiameterCase();
  tall.warnDpRatio = tall.warnDeviceTooSmall = tall.warnAsmeRange = tall.warnVaporization = true;
  const DrawnPage page = drawPrinted(tall, PageKind::CalculationReport, true);
  EXPECT_EQ(page.ctx.linesPerPage, 85);
  expectInsideTheFrame(page, "natural gas, 85 lines");
  for (const std::string& file : examples()) {
    CalculationCase c = computed(file);
    for (bool en : {true, false})
      for (PageKind kind : {PageKind::CalculationReport, PageKind::UncertaintyAnalysis})
        expectInsideTheFrame(drawPrinted(c, kind, en), file + (en ? " en" : " pl"));
  }
}

TEST(PrintLongTexts, ShortenedPathKeepsBothEnds) {
  PageContext ctx;
  setupBitmapPage(ctx, 1280, 1810);
  useFontMetrics(ctx);
  const std::string path = "/home/engineer/projects/" + std::string(200, 'x') + "/case.dvl";
  const double width = 600;
  const std::string line = ctx.shortenPath("Data from file: ", path, ", dated: 01.02.2026",
                                           kIdentityFont, width);
  EXPECT_LE(ctx.textWidth(line, kIdentityFont), width);
  EXPECT_EQ(line.rfind("Data from file: /home/", 0), 0u) << line;
  EXPECT_NE(line.find(std::string(kEllipsis)), std::string::npos) << line;
  EXPECT_NE(line.find("/case.dvl, dated: 01.02.2026"), std::string::npos) << line;
  // A path that fits is left whole.
  EXPECT_EQ(ctx.shortenPath("A ", "/a/b.dvl", " B", kIdentityFont, width), "A /a/b.dvl B");
}

// ---- figures on their decimal point ----------------------------------------

TEST(PrintAlignment, ValuesOfTheReportStandOnOneDecimalPoint) {
  for (const std::string& file : {kWater, kExamples + "naturalgas-orifice-corner.dvl"}) {
    CalculationCase c = computed(file);
    const DrawnPage page = drawPrinted(c, PageKind::CalculationReport, true);
    const double valueColumn = page.ctx.columnX(kValueColumn);
    std::vector<double> points;
    for (const DrawnText& t : page.texts) {
      const std::string s = t.text.toStdString();
      // Values: from the value column on, numbers (the date has two points).
      if (t.rect.left() < valueColumn - 1 || s.empty() || !(std::isdigit(s[0]) || s[0] == '-') ||
          std::count(s.begin(), s.end(), '.') > 1)
        continue;
      size_t cut = s.find('.');
      if (cut == std::string::npos) cut = s.find_first_of("eE");
      if (cut == std::string::npos) cut = s.size();
      points.push_back(t.origin.x() +
                       QFontMetricsF(t.font, nullptr).horizontalAdvance(t.text.left(int(cut))));
    }
    ASSERT_GT(points.size(), 20u) << file;
    const auto [lo, hi] = std::minmax_element(points.begin(), points.end());
    EXPECT_LT(*hi - *lo, 2.0) << file;
  }
}

// ---- graphs ---------------------------------------------------------------

TEST(PrintGraphs, ScaleLabelsHaveTheDecimalsTheyNeedToDiffer) {
  EXPECT_EQ(scaleLabelDecimals(1.74L, 2), 3);
  EXPECT_EQ(scaleLabelDecimals(0.45L, 2), 3);
  EXPECT_EQ(scaleLabelDecimals(150, 2), 2);  // 0.75, 1.50, 2.25, 3.00
  EXPECT_EQ(scaleLabelDecimals(30380.7L, 1), 1);
  for (Real q100 : {1.74L, 0.45L, 0.0123L, 150.0L, 2000.0L, 30380.7L}) {
    GraphData d;
    d.q100 = q100;
    d.qMin = q100 / 10;
    d.flowUnitText = "t/h";
    const GraphLayout L = layoutGraph(d, GraphKind::Absolute, 400, 900);
    std::vector<std::string> labels = L.gridLabels;
    std::sort(labels.begin(), labels.end());
    EXPECT_EQ(std::adjacent_find(labels.begin(), labels.end()), labels.end()) << double(q100);
    EXPECT_NE(L.qMinText.find_first_of("123456789"), std::string::npos) << L.qMinText;
  }
}

TEST(PrintGraphs, LabelsInsideTheFramesAndMarkersApart) {
  for (const std::string& file : examples()) {
    CalculationCase c = computed(file);
    const GraphData data = computeGraphData(c);
    for (GraphKind kind : {GraphKind::Absolute, GraphKind::Relative}) {
      const int w = 930, h = 18 * (3508 / 70);
      TextRecordingDevice device(w + 200, h + 200);
      QPainter painter(&device);
      drawGraph(painter, layoutGraph(data, kind, h, w), 100, 100, true);
      painter.end();
      const QRectF frame(100 + 3, 100 + 3, w - 6, h - 6);
      std::vector<QRectF> markers;
      for (const DrawnText& t : device.texts()) {
        EXPECT_TRUE(frame.contains(t.rect))
            << file << " " << t.text.toStdString() << " " << t.rect.x() << "," << t.rect.y();
        if (t.text == "1" || t.text == "2") markers.push_back(t.rect);
      }
      ASSERT_EQ(markers.size(), 2u) << file;
      // The markers' letters (ascent, without the descent) apart from every
      // other text.
      for (const DrawnText& t : device.texts())
        for (const QRectF& m : markers)
          if (t.rect != m) {
            EXPECT_FALSE(t.rect.intersects(m)) << file << " " << t.text.toStdString();
          }
    }
  }
}

}  // namespace
}  // namespace dorvel::output
