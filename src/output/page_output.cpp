#include "output/page_output.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <QGuiApplication>
#include <QPageLayout>
#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "files/atomic_write.h"
#include "output/calculation_report.h"
#include "output/page_draw.h"
#include "output/range_table.h"
#include "output/report_texts.h"
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

// Device units per millimetre of a paint device (A4 width when the device
// does not say).
double dotsPerMm(QPaintDevice* device, int pageWidth) {
  const int dpi = device != nullptr ? device->logicalDpiX() : 0;
  return dpi > 0 ? dpi / 25.4 : pageWidth / 210.0;
}

PageContext drawPage(QPainter& painter, int pageWidth, int pageHeight, bool english, bool bitmap,
                     PageKind kind, CalculationCase& c, const std::string& today, int pageNumber,
                     int pageCount) {
  ensureGuiApplication();
  PageContext ctx;
  const double mm = dotsPerMm(painter.device(), pageWidth);
  if (bitmap)
    setupBitmapPage(ctx, pageWidth, pageHeight);
  else
    setupPrinterPage(ctx, pageWidth, pageHeight, printerAverageCharWidth(painter.device()),
                     static_cast<int>(std::lround(kPrintedLeftMarginMm * mm)));
  ctx.english = english;
  ctx.today = today.empty() ? todayText() : today;
  ctx.pageNumber = pageNumber;
  ctx.pageCount = pageCount;
  // Texts are measured in the fonts and on the device they are drawn with,
  // so that wrapping and shortening decide as the drawing will look.
  useFontMetrics(ctx, painter.device());
  if (kind == PageKind::CalculationReport) {
    fitReport(ctx, c, bitmap);
    writeCalculationReport(ctx, c);
  } else {
    writeUncertaintyPage(ctx, c);
  }
  if (!bitmap) fitGridToMargins(ctx, kPrintedTopBottomMarginMm * mm);
  drawPageItems(painter, ctx);
  if (kind == PageKind::UncertaintyAnalysis && bitmap)
    drawGraphsAndTable(painter, pageWidth, pageHeight, c, english, ctx.yOffset);
  return ctx;
}

double graphsShift(const PageContext& ctx, bool bitmap) {
  if (bitmap) return 0;
  return std::max(0L, ctx.leftMargin - std::lround(ctx.pageWidth / 14.0));
}

void drawGraphsAndTable(QPainter& painter, int pageWidth, int pageHeight, CalculationCase& c,
                        bool english, double yOffset, double xOffset) {
  painter.save();
  painter.translate(xOffset, yOffset);
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
  painter.restore();
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
                     bool english, const std::string& today, int pageNumber, int pageCount) {
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  const PageContext ctx = drawPage(painter, W, H, english, false, kind, c, today, pageNumber,
                                   pageCount);
  if (kind == PageKind::UncertaintyAnalysis)
    drawGraphsAndTable(painter, W, H, c, english, ctx.yOffset, graphsShift(ctx, false));
}

// Draws the pages one after the other on a paged device that has begun.
template <typename Device>
bool drawPrinterPages(QPainter& painter, Device& device, CalculationCase& c,
                      const std::vector<PageKind>& pages, bool english,
                      const std::string& today) {
  const int count = static_cast<int>(pages.size());
  for (int i = 0; i < count; ++i) {
    if (i > 0 && !device.newPage()) return false;
    drawPrinterPage(painter, device.width(), device.height(), c, pages[static_cast<size_t>(i)],
                    english, today, i + 1, count);
  }
  return true;
}

// A PDF text string: UTF-16BE with its byte-order mark, in hexadecimal.
QByteArray pdfString(const std::string& utf8) {
  const QString s = QString::fromStdString(utf8);
  QByteArray out = "<FEFF";
  for (const QChar ch : s) out += QByteArray::number(ch.unicode(), 16).rightJustified(4, '0').toUpper();
  return out + ">";
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

const char* jobTitle(const std::vector<PageKind>& pages) {
  if (pages.size() > 1) return kBothJobTitle;
  return !pages.empty() && pages[0] == PageKind::UncertaintyAnalysis ? kGraphsJobTitle
                                                                      : kReportJobTitle;
}

PdfInfo pdfInfo(const CalculationCase& c, const std::vector<PageKind>& pages, bool english) {
  PdfInfo info;
  std::string name;
  if (pages.size() > 1)
    name = english ? "Calculation report and uncertainty analysis"
                   : "Protokół obliczeń i analiza niepewności";
  else if (!pages.empty() && pages[0] == PageKind::UncertaintyAnalysis)
    name = english ? "Uncertainty analysis" : "Analiza niepewności";
  else
    name = english ? "Calculation report" : "Protokół obliczeń";
  info.title = c.caseTitle.empty() ? name : name + " - " + c.caseTitle;
  info.subject = deviceName(c.deviceType, english);
  const std::string fluid = fluidName(c, english);
  if (!fluid.empty()) info.subject += (info.subject.empty() ? "" : ", ") + fluid;
  info.keywords = headerStandardLine(c).text;
  info.creator = creatorText().toStdString();
  return info;
}

bool addPdfInfo(QByteArray& pdf, const PdfInfo& info) {
  // The trailer of the last cross-reference section: its size, the catalogue
  // and where that section starts.
  const int trailerAt = pdf.lastIndexOf("trailer");
  const int startAt = pdf.lastIndexOf("startxref");
  if (trailerAt < 0 || startAt < trailerAt) return false;
  const QString tail = QString::fromLatin1(pdf.mid(trailerAt));
  const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("/Size\\s+(\\d+)")).match(tail);
  const QRegularExpressionMatch root =
      QRegularExpression(QStringLiteral("/Root\\s+(\\d+\\s+\\d+\\s+R)")).match(tail);
  const QRegularExpressionMatch prev =
      QRegularExpression(QStringLiteral("startxref\\s+(\\d+)")).match(tail);
  if (!size.hasMatch() || !root.hasMatch() || !prev.hasMatch()) return false;
  const int object = size.captured(1).toInt();
  const QRegularExpressionMatch created =
      QRegularExpression(QStringLiteral("/CreationDate\\s*\\((D:[^)]*)\\)"))
          .match(QString::fromLatin1(pdf.left(4096)));

  if (!pdf.endsWith('\n')) pdf += '\n';
  const qsizetype objectAt = pdf.size();
  pdf += QByteArray::number(object) + " 0 obj\n<<\n";
  pdf += "/Title " + pdfString(info.title) + "\n";
  pdf += "/Subject " + pdfString(info.subject) + "\n";
  pdf += "/Keywords " + pdfString(info.keywords) + "\n";
  pdf += "/Creator " + pdfString(info.creator) + "\n";
  pdf += "/Producer " + pdfString(std::string("Qt ") + qVersion()) + "\n";
  if (created.hasMatch()) pdf += "/CreationDate (" + created.captured(1).toLatin1() + ")\n";
  pdf += ">>\nendobj\n";
  const qsizetype xrefAt = pdf.size();
  pdf += "xref\n" + QByteArray::number(object) + " 1\n";
  pdf += QByteArray::number(objectAt).rightJustified(10, '0') + " 00000 n \n";
  pdf += "trailer\n<<\n/Size " + QByteArray::number(object + 1) + "\n/Info " +
         QByteArray::number(object) + " 0 R\n/Root " + root.captured(1).toLatin1() + "\n/Prev " +
         prev.captured(1).toLatin1() + "\n>>\nstartxref\n" + QByteArray::number(xrefAt) +
         "\n%%EOF\n";
  return true;
}

bool printPage(QPrinter& printer, CalculationCase& c, PageKind kind, bool english,
               const std::string& today) {
  return printPages(printer, c, {kind}, english, today);
}

bool printPages(QPrinter& printer, CalculationCase& c, const std::vector<PageKind>& pages,
                bool english, const std::string& today) {
  ensureGuiApplication();
  if (pages.empty()) return false;
  printer.setDocName(jobTitle(pages));
  printer.setCreator(creatorText());
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const bool drawn = drawPrinterPages(painter, printer, c, pages, english, today);
  return painter.end() && drawn;
}

bool renderPagePdf(CalculationCase& c, PageKind kind, bool english, const std::string& path,
                   const std::string& today, std::string* reason) {
  return renderPagesPdf(c, {kind}, english, path, today, reason);
}

bool renderPagesPdf(CalculationCase& c, const std::vector<PageKind>& pages, bool english,
                    const std::string& path, const std::string& today, std::string* reason) {
  ensureGuiApplication();
  if (pages.empty()) {
    if (reason) *reason = "no page to draw for " + path;
    return false;
  }
  const PdfInfo info = pdfInfo(c, pages, english);
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
    writer.setTitle(QString::fromStdString(info.title));
    writer.setCreator(creatorText());
    QPainter painter;
    bool drawn = painter.begin(&writer);
    if (drawn) {
      drawn = drawPrinterPages(painter, writer, c, pages, english, today);
      drawn = painter.end() && drawn;
    }
    if (!drawn) {
      if (reason) *reason = "cannot draw the page for " + path;
      return false;
    }
  }
  // Qt's writer has no subject and keywords: they come in an update of the
  // document information.
  if (!addPdfInfo(bytes, info)) {
    if (reason) *reason = "cannot complete the PDF for " + path;
    return false;
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
