#include "output/page_output.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageLayout>
#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

#include "files/atomic_write.h"
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

namespace {

// The printer page set-up and the page on a paged device that has begun
// (the printer, or the PDF writer); on the uncertainty page the graphs and
// table come after the page entry, as on the printer.
void drawPrinterPage(QPainter& painter, int W, int H, CalculationCase& c, PageKind kind,
                     bool english, const std::string& today) {
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  drawPage(painter, W, H, english, false, kind, c, today);
  if (kind == PageKind::UncertaintyAnalysis) drawGraphsAndTable(painter, W, H, c, english);
}

const char* jobTitle(PageKind kind) {
  return kind == PageKind::CalculationReport ? kReportJobTitle : kGraphsJobTitle;
}

// The creator field of a PDF names the program and its version.
QString creatorText() { return QStringLiteral("Dorvel ") + QString::fromLatin1(kVersion); }

// A page file is put in place only when all of it was made: the bytes are
// written to a temporary file in the target folder and renamed over the
// target on success, so a failure leaves an old file as it was.
bool writePageFile(const QByteArray& bytes, const std::string& path, std::string* reason) {
  std::string why;
  const bool ok = replaceFileContent(
      path, std::string(bytes.constData(), static_cast<size_t>(bytes.size())), why);
  if (reason) *reason = ok ? std::string() : why;
  return ok;
}

}  // namespace

bool printPage(QPrinter& printer, CalculationCase& c, PageKind kind, bool english,
               const std::string& today) {
  ensureGuiApplication();
  printer.setDocName(jobTitle(kind));
  printer.setCreator(creatorText());
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  drawPrinterPage(painter, printer.width(), printer.height(), c, kind, english, today);
  return painter.end();
}

bool renderPagePdf(CalculationCase& c, PageKind kind, bool english, const std::string& path,
                   const std::string& today, std::string* reason) {
  ensureGuiApplication();
  // The PDF is made in memory with the printer page set-up of an A4 sheet
  // at 300 dpi, then written out as one file.
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(300);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(QString::fromLatin1(jobTitle(kind)));
    writer.setCreator(creatorText());
    QPainter painter;
    bool drawn = painter.begin(&writer);
    if (drawn) {
      drawPrinterPage(painter, writer.width(), writer.height(), c, kind, english, today);
      drawn = painter.end();
    }
    if (!drawn) {
      if (reason) *reason = "cannot draw the page for " + path;
      return false;
    }
  }
  return writePageFile(bytes, path, reason);
}

bool renderPagePng(CalculationCase& c, PageKind kind, bool english, const std::string& path,
                   int width, const std::string& today, std::string* reason) {
  const QImage image = renderPageImage(c, kind, english, width, today);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) {
    if (reason) *reason = "cannot encode the picture for " + path;
    return false;
  }
  buffer.close();
  return writePageFile(bytes, path, reason);
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
