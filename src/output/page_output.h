// The page-drawing entry and the rendering of pages to images and PDF files.
//
// One page is drawn at a time, on a bitmap (print preview, clipboard, PNG)
// or on a printer (here QPrinter's PDF output):
//   bitmap page set-up: 70 lines per page from line 1, font H/70;
//   printer page set-up: the column unit from the printer font, and for the
//     report a dry run that picks the lines per page (n + 5, or 85 from
//     line 1 beyond 80).
// The pages are the calculation report and the uncertainty-analysis page
// with the two graphs and the range table.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <string>
#include <vector>

#include "base/case.h"
#include "output/page_context.h"

namespace dorvel::output {

enum class PageKind { CalculationReport, UncertaintyAnalysis };

// Print-job titles.
inline constexpr const char* kReportJobTitle = "Dorvel - report";
inline constexpr const char* kGraphsJobTitle = "Dorvel - graphs";
// Both pages printed or exported together as one numbered document.
inline constexpr const char* kBothJobTitle = "Dorvel - report and graphs";

// The print-job title of a page, or of both together.
const char* jobTitle(const std::vector<PageKind>& pages);

// Margins of a printed sheet, mm: the line grid keeps 10 mm from the top and
// the bottom edge (inside the unprintable zone of common printers), the left
// margin is at least 20 mm (room for punching).
inline constexpr double kPrintedTopBottomMarginMm = 10.0;
inline constexpr double kPrintedLeftMarginMm = 20.0;

// The document information of a PDF: title (the page's name and the case
// title), subject (the measuring point's device and fluid), keywords (the
// standard in force), creator (the program and its version).
struct PdfInfo {
  std::string title, subject, keywords, creator;
};
PdfInfo pdfInfo(const CalculationCase& c, const std::vector<PageKind>& pages, bool english);

// Adds the document information to a finished PDF as an incremental update
// (a new information dictionary, cross-reference section and trailer after
// the end of the file, ISO 32000-1 7.5.6): the file written before stays
// byte for byte.  False when the file's trailer cannot be read.
bool addPdfInfo(QByteArray& pdf, const PdfInfo& info);

// Page-drawing entry: draws one page on `painter` (device W x H).  With
// `bitmap` the bitmap page set-up runs and the uncertainty page also gets its
// graphs and table; without it the printer page set-up runs and the caller
// draws the graphs and table afterwards (drawGraphsAndTable).  `today` is the
// date printed ("" for today's date).  Returns the context that was drawn.
// `pageNumber` of `pageCount` is printed under the header ("Page 1/2").  On
// the printer the left margin is at least 20 mm and the line grid keeps
// 10 mm from the top and bottom edges (the context's yOffset and yScale).
PageContext drawPage(QPainter& painter, int pageWidth, int pageHeight, bool english, bool bitmap,
                     PageKind kind, CalculationCase& c, const std::string& today = {},
                     int pageNumber = 1, int pageCount = 1);

// The two graphs and the range table of the uncertainty page, at their places
// on a page of W x H (line unit L' = H/70): graphs at 2(W/21) and
// W - 2(W/21) - 3(W/8), top 15 L', 3(W/8) x 18 L'; table at 2(W/21), top
// 39 L', W - 4(W/21) wide and (H - H/7) - 40 L' high.
// `yOffset` moves them down with the page's line grid (PageContext::yOffset),
// `xOffset` right by as much as the printed left margin was widened.
void drawGraphsAndTable(QPainter& painter, int pageWidth, int pageHeight, CalculationCase& c,
                        bool english, double yOffset = 0, double xOffset = 0);

// How far a page's graphs and table move right: the widening of its left
// margin beyond round(W/14) (printer pages only).
double graphsShift(const PageContext& ctx, bool bitmap);

// Lines-per-page set-up of the report on a page already set up: a dry run
// from the start line, then the rule of fitReportToPage().  On a bitmap the
// rule only applies when the report would not fit 70 lines.
void fitReport(PageContext& ctx, const CalculationCase& c, bool bitmap);

// Height of a page bitmap of the given width: round(width * 1.4142857), the
// proportion of an A-series sheet (1280 -> 1810).
int bitmapPageHeight(int width);

// The page drawn on a white bitmap `width` pixels wide.
QImage renderPageImage(CalculationCase& c, PageKind kind, bool english, int width = 1280,
                       const std::string& today = {});
// The page as a PNG file `width` pixels wide.  The file is written whole to
// a temporary file in the target folder and renamed over `path` only on
// success: a failure (a full disk, a folder that cannot be written) leaves
// an old file as it was and gives false, with `reason` naming the file.
bool renderPagePng(CalculationCase& c, PageKind kind, bool english, const std::string& path,
                   int width = 1280, const std::string& today = {},
                   std::string* reason = nullptr);

// Prints one page on a printer that is set up (printer dialog, or PDF
// output): sets the print-job title of the page, begins the document, draws
// with the printer page set-up (and the graphs and table of the uncertainty
// page), and ends the document whatever happened while drawing.  False when
// the printer cannot be started.
bool printPage(QPrinter& printer, CalculationCase& c, PageKind kind, bool english,
               const std::string& today = {});
// Several pages as one document, numbered "1/2", "2/2".
bool printPages(QPrinter& printer, CalculationCase& c, const std::vector<PageKind>& pages,
                bool english, const std::string& today = {});

// The page as a one-page A4 PDF file at 300 dpi (printer page set-up), with
// the print-job title of the page as the document title.  Written like
// renderPagePng: whole or not at all, an old file untouched on failure,
// false with `reason` naming the file.
bool renderPagePdf(CalculationCase& c, PageKind kind, bool english, const std::string& path,
                   const std::string& today = {}, std::string* reason = nullptr);
// Several pages in one PDF, numbered "1/2", "2/2", with the document
// information of pdfInfo().
bool renderPagesPdf(CalculationCase& c, const std::vector<PageKind>& pages, bool english,
                    const std::string& path, const std::string& today = {},
                    std::string* reason = nullptr);

// Print preview: the window's client area is 15/16 of the screen width and
// 7/8 of its height; the image fills the client width and is round(2.5 x
// client height) high; the report is drawn on it with W = 15/16 of the image
// width and H = 7/8 of the image height.
struct PreviewLayout {
  int clientWidth = 0, clientHeight = 0;
  int imageWidth = 0, imageHeight = 0;
  int pageWidth = 0, pageHeight = 0;
};
PreviewLayout previewLayout(int screenWidth, int screenHeight);

// Drawing text needs a QGuiApplication.  Creates one when none exists, on the
// offscreen platform when no display is set; harmless when one exists.
void ensureGuiApplication();

}  // namespace dorvel::output
