#include "output/page_output.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

#include "output/calculation_report.h"
#include "output/page_draw.h"
#include "output/range_table.h"
#include "output/uncertainty_graphs.h"
#include "output/uncertainty_page.h"
#include "version.h"

namespace dorvel::output {

namespace {

// The printer canvas's font before the pages set theirs: 10 pt sans serif at
// the printer's resolution.  Only its average character width is read, as
// the starting grain of the printer column unit.
int printerAverageCharWidth(QPaintDevice* device) {
  QFont f;
  f.setFamilies(pageFontFamilies());
  f.setPointSize(10);
  return QFontMetrics(f, device).averageCharWidth();
}

}  // namespace

int bitmapPageHeight(int width) { return static_cast<int>(std::lround(width * 1.4142857)); }

void fitReport(PageContext& ctx, const CalculationCase& c, bool bitmap) {
  PageContext dry = ctx;
  dry.draw = false;
  dry.items.clear();
  dry.currentLine = dry.startLine;
  writeCalculationReport(dry, c);
  const int endLine = dry.currentLine;
  // A bitmap page holds 70 lines; a longer report takes the printer's rule
  // rather than running off the bottom of the picture.
  if (!bitmap || endLine + 5 > ctx.linesPerPage) fitReportToPage(ctx, endLine);
  ctx.currentLine = ctx.startLine;
  ctx.draw = true;
}

PageContext drawPage(QPainter& painter, int pageWidth, int pageHeight, bool english, bool bitmap,
                     PageKind kind, CalculationCase& c, const std::string& today) {
  ensureGuiApplication();
  PageContext ctx;
  if (bitmap)
    setupBitmapPage(ctx, pageWidth, pageHeight);
  else
    setupPrinterPage(ctx, pageWidth, pageHeight, printerAverageCharWidth(painter.device()));
  ctx.english = english;
  ctx.today = today.empty() ? todayText() : today;
  if (kind == PageKind::CalculationReport) {
    fitReport(ctx, c, bitmap);
    writeCalculationReport(ctx, c);
  } else {
    writeUncertaintyPage(ctx, c);
  }
  drawPageItems(painter, ctx);
  if (kind == PageKind::UncertaintyAnalysis && bitmap)
    drawGraphsAndTable(painter, pageWidth, pageHeight, c, english);
  return ctx;
}

void drawGraphsAndTable(QPainter& painter, int pageWidth, int pageHeight, CalculationCase& c,
                        bool english) {
  const int W = pageWidth, H = pageHeight;
  const int line = H / 70;
  const int left = 2 * (W / 21);
  const int graphWidth = 3 * (W / 8);
  const GraphData data = computeGraphData(c);
  drawGraph(painter, layoutGraph(data, GraphKind::Absolute, 18 * line, graphWidth), left,
            15 * line, true);
  drawGraph(painter, layoutGraph(data, GraphKind::Relative, 18 * line, graphWidth),
            W - left - graphWidth, 15 * line, true);
  const RangeTable table = computeRangeTable(c, english);
  drawRangeTable(painter, table, left, 39 * line, true, (H - H / 7) - 40 * line, W - 2 * left);
}

QImage renderPageImage(CalculationCase& c, PageKind kind, bool english, int width,
                       const std::string& today) {
  ensureGuiApplication();
  if (width < 64) width = 64;
  QImage image(width, bitmapPageHeight(width), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  drawPage(painter, image.width(), image.height(), english, true, kind, c, today);
  painter.end();
  return image;
}

bool renderPagePng(CalculationCase& c, PageKind kind, bool english, const std::string& path,
                   int width, const std::string& today) {
  const QImage image = renderPageImage(c, kind, english, width, today);
  return image.save(qs(path), "PNG");
}

bool printPage(QPrinter& printer, CalculationCase& c, PageKind kind, bool english,
               const std::string& today) {
  ensureGuiApplication();
  printer.setDocName(kind == PageKind::CalculationReport ? kReportJobTitle : kGraphsJobTitle);
  printer.setCreator(QStringLiteral("Dorvel ") + QString::fromLatin1(kVersion));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  const int W = printer.width(), H = printer.height();
  drawPage(painter, W, H, english, false, kind, c, today);
  // On the printer the graphs and table come after the page entry.
  if (kind == PageKind::UncertaintyAnalysis) drawGraphsAndTable(painter, W, H, c, english);
  return painter.end();
}

bool renderPagePdf(CalculationCase& c, PageKind kind, bool english, const std::string& path,
                   const std::string& today) {
  ensureGuiApplication();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(qs(path));
  printer.setResolution(300);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setFullPage(true);
  return printPage(printer, c, kind, english, today);
}

PreviewLayout previewLayout(int screenWidth, int screenHeight) {
  PreviewLayout p;
  p.clientWidth = screenWidth * 15 / 16;
  p.clientHeight = screenHeight * 7 / 8;
  p.imageWidth = p.clientWidth;
  p.imageHeight = static_cast<int>(std::lround(2.5 * p.clientHeight));
  p.pageWidth = p.imageWidth * 15 / 16;
  p.pageHeight = p.imageHeight * 7 / 8;
  return p;
}

void ensureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  // Without a session (a terminal, CI) Qt makes its own runtime folder and
  // says so on stderr; make it quietly.
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    const std::string dir = "/tmp/runtime-" + std::to_string(::getuid());
    if (::mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST) qputenv("XDG_RUNTIME_DIR", dir.c_str());
  }
  static int argc = 1;
  static char name[] = "dorvel";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
}

}  // namespace dorvel::output
