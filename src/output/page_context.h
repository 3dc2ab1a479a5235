// The page-drawing context and the line routines of the printed pages.
//
// Every printed page (the calculation report and the uncertainty-analysis
// page) is written line by line through a PageContext.  The line routines do
// not paint: with the draw flag on they record what is to be drawn as
// PageItems (line number, texts, font), with the draw flag off they only
// count lines (the dry run that sizes the report).  drawPageItems() in
// page_draw.h then walks the recorded items on any QPainter.  So the dry
// run, the real run and the tests all go through the same line code.
//
// Geometry is in device units of the page: W x H, the left margin, the right
// edge and the column unit f (the report's horizontal grid).  A text line is
// drawn at y = line * round(H / linesPerPage).
#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace dorvel::output {

// A font of the printed pages: "Arial" (Liberation Sans here) with a cell
// height of H / heightDivisor device units (the page height divided).
struct FontSpec {
  int heightDivisor = 78;
  bool bold = false;
  bool italic = false;
  bool underline = false;

  bool operator==(const FontSpec&) const = default;
};

inline constexpr FontSpec kRegularFont{78, false, false, false};
// The identity line and the page number under the header block.
inline constexpr FontSpec kIdentityFont{90, false, false, false};

// The ellipsis that ends a shortened text.
inline constexpr const char* kEllipsis = "\u2026";

enum class ItemKind {
  ReportLine,   // one line of the report-line grid
  LeftText,     // text starting at a column of the grid
  RightText,    // text ending at a given x - f/2
  CentredText,  // text centred between the left margin and the right edge
  Frame,        // 3-pixel frame between two x positions over a range of lines
  HeaderBlock,  // the program's header block inside the top frame
};

struct PageItem {
  ItemKind kind = ItemKind::ReportLine;
  int line = 0;          // line number the item stands on (the frame's top line)
  int linesPerPage = 70; // line pitch in force: round(H / linesPerPage)
  FontSpec font;

  // ReportLine: the arguments of the report-line routine.  A line code of 0
  // marks a free text line whose text is given in `symbol`.  A descriptive
  // line has the symbol "-" and a selector letter in `unit`; its `value` is
  // the case's name for that letter.
  std::string caption;
  int captionCode = 0;
  std::string label;
  std::string value;
  std::string unit;
  std::string symbol;
  int lineCode = 0;

  // LeftText, RightText, CentredText.
  std::string text;
  double column = 1.0;  // LeftText: grid column in units f from the left margin
  int rightX = 0;       // RightText: device x; the text ends at rightX - f/2

  // Frame.
  int frameLeft = 0;
  int frameRight = 0;
  int bottomLine = 0;   // edges run down to the line below this one
  bool topEdge = false;

  // HeaderBlock: its first line is `text`, in bold at H / font.heightDivisor.
  bool english = true;
};

// Grid columns of a report line, in units f from the left margin.
inline constexpr double kCaptionColumn = 1.0;
inline constexpr double kCaptionColumnShifted = 0.5;  // caption code 1511
inline constexpr int kShiftedCaptionCode = 1511;
inline constexpr double kLabelColumn = 13.5;
inline constexpr double kSymbolEnd = 53.5;
inline constexpr double kUnitColumn = 55.5;
inline constexpr double kValueColumn = 67.5;
inline constexpr double kDescriptiveDashEnd = 33.5;
inline constexpr double kDescriptiveValueColumn = 34.5;

struct PageContext {
  int pageWidth = 0;     // W, device units
  int pageHeight = 0;    // H, device units
  int leftMargin = 0;
  int rightEdge = 0;
  int columnUnit = 1;    // f
  int linesPerPage = 70;
  int startLine = 1;
  int currentLine = 1;
  bool draw = true;      // off: count lines only (dry run)
  bool english = true;   // report language
  std::string flowUnitText;
  std::string today;     // "dd.mm.yyyy"
  FontSpec font = kRegularFont;
  std::vector<PageItem> items;

  // Width of a text in a page font, in device units: set by the page entry
  // from the font metrics of the surface; without it a rough estimate of
  // 0.6 of the font's cell height per character is used.
  std::function<double(const std::string&, const FontSpec&)> measure;

  // Number of this page in the document printed or exported together (the
  // report and the uncertainty page: 1/2 and 2/2; a page alone: 1/1).
  int pageNumber = 1;
  int pageCount = 1;

  // Where the line grid lands on the sheet: a line at y = line * pitch is
  // drawn at yOffset + yScale * y, its letters yScale times their height.
  // Set by fitGridToMargins(); 0 and 1 leave the grid as it was written.
  double yOffset = 0;
  double yScale = 1;

  // Line pitch in device units.
  int linePitch() const;
  // y of the top of a line.
  int lineY(int line) const { return line * linePitch(); }

  // next-line: the current line advances by n (also during a dry run).
  void nextLine(int n = 1) { currentLine += n; }
  // Text at a grid column (default: left margin + f).
  void leftText(const std::string& text, double column = kCaptionColumn);
  // Text ending at x - f/2.
  void rightText(const std::string& text, int x);
  // Text centred between the left margin and the right edge.
  void centredTitle(const std::string& text);
  // One line of the report-line grid (does not advance the current line).
  void reportLine(const std::string& caption, int captionCode, const std::string& label,
                  const std::string& value, const std::string& unit, const std::string& symbol,
                  int lineCode);
  // Frame with a 3-pixel pen from topLine to the line below bottomLine.
  void frame(int left, int right, int topLine, bool topEdge, int linesPerPageForFrame,
             int bottomLine);
  // x of a grid column (units f from the left margin).
  int columnX(double column) const;
  // Width of a text in a page font (see `measure`).
  double textWidth(const std::string& text, const FontSpec& font) const;
  // A text broken at blanks into lines no wider than `width`; at most
  // `maxLines` lines, the last of them ended with "..." (the ellipsis) when
  // the text goes on.  A word wider than a line is broken inside.
  std::vector<std::string> wrapText(const std::string& text, const FontSpec& font, double width,
                                    int maxLines) const;
  // A text no wider than `width`: cut at the end with an ellipsis.
  std::string elideRight(const std::string& text, const FontSpec& font, double width) const;
  // A file path no wider than `width` once `before` and `after` stand on
  // either side of it: characters of the folders are left out in the middle
  // ("/home/…/plant/case.dvl"), the file name is kept whole as long as it
  // fits alone.  Returns the whole line.
  std::string shortenPath(const std::string& before, const std::string& path,
                          const std::string& after, const FontSpec& font, double width) const;

  // The header block in the closed frame from the start line to start + 5;
  // its first line names the standard of the case (headerStandardLine).
  void headerBlock(const std::string& firstLine, int firstLineHeightDivisor);

 private:
  PageItem makeItem(ItemKind kind) const;
};

// ---- page set-ups -----------------------------------------------------------

// Bitmap page (print preview, clipboard): 70 lines per page from line 1,
// left margin round(W/42), f = (right edge - left margin) / 75, font H/70.
void setupBitmapPage(PageContext& ctx, int pageWidth, int pageHeight);

// Column unit of a printer page: grow a factor x from 1.33 by 0.01 until 78
// columns of round(averageCharWidth * x) from the left margin round(W/14)
// pass the right limit W - round(W * 8/105): the first f whose 78 columns
// pass it.  Fills the left margin and the right edge (78 f + left margin).
// When the font's first unit is already past the limit (a large printer
// font) or the font has no width, the first passing f is taken directly.
// `minLeftMargin` raises the left margin (device units) for punching.
int printerColumnUnit(int pageWidth, int averageCharWidth, int& leftMargin, int& rightEdge,
                      int minLeftMargin = 0);

// Printer page: the column unit above, 70 lines per page from line 2,
// font H/78.  The report's own lines-per-page rule is applied afterwards by
// fitReportToPage().
void setupPrinterPage(PageContext& ctx, int pageWidth, int pageHeight, int averageCharWidth,
                      int minLeftMargin = 0);

// Lines-per-page rule of a report whose dry run ended at `endLine`: n + 5
// lines per page from the current start line, or 85 from line 1 when n + 5
// exceeds 80.
void fitReportToPage(PageContext& ctx, int endLine);

// Vertical placement of a written page on a sheet of `pageHeight` device
// units: the lines from the top of the header frame to the bottom of the
// lowest frame or text keep at least `margin` device units from the top and
// the bottom edge; the grid moves down and, when it is taller than the room
// left, its line height is scaled down (with its letters).  The lines stay
// the same lines.
void fitGridToMargins(PageContext& ctx, double margin);

// Extent of the written page on the sheet before placement, device units.
void gridExtent(const PageContext& ctx, int& top, int& bottom);

// ---- dates ------------------------------------------------------------------

// "dd.mm.yyyy" (day and month with two digits, the year in full), local time.
std::string formatDate(std::time_t t);
std::string todayText();

}  // namespace dorvel::output
