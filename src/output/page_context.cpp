#include "output/page_context.h"

#include <cmath>
#include <cstdio>

namespace dorvel::output {

namespace {

int roundToInt(double x) { return static_cast<int>(std::lround(x)); }

}  // namespace

int PageContext::linePitch() const {
  if (linesPerPage <= 0) return pageHeight;
  return roundToInt(static_cast<double>(pageHeight) / linesPerPage);
}

PageItem PageContext::makeItem(ItemKind kind) const {
  PageItem it;
  it.kind = kind;
  it.line = currentLine;
  it.linesPerPage = linesPerPage;
  it.font = font;
  it.english = english;
  return it;
}

void PageContext::leftText(const std::string& text, double column) {
  if (!draw) return;
  PageItem it = makeItem(ItemKind::LeftText);
  it.text = text;
  it.column = column;
  items.push_back(std::move(it));
}

void PageContext::rightText(const std::string& text, int x) {
  if (!draw) return;
  PageItem it = makeItem(ItemKind::RightText);
  it.text = text;
  it.rightX = x;
  items.push_back(std::move(it));
}

void PageContext::centredTitle(const std::string& text) {
  if (!draw) return;
  PageItem it = makeItem(ItemKind::CentredText);
  it.text = text;
  items.push_back(std::move(it));
}

void PageContext::reportLine(const std::string& caption, int captionCode, const std::string& label,
                             const std::string& value, const std::string& unit,
                             const std::string& symbol, int lineCode) {
  if (!draw) return;
  PageItem it = makeItem(ItemKind::ReportLine);
  it.caption = caption;
  it.captionCode = captionCode;
  it.label = label;
  it.value = value;
  it.unit = unit;
  it.symbol = symbol;
  it.lineCode = lineCode;
  items.push_back(std::move(it));
}

void PageContext::frame(int left, int right, int topLine, bool topEdge, int linesPerPageForFrame,
                        int bottomLine) {
  if (!draw) return;
  PageItem it = makeItem(ItemKind::Frame);
  it.line = topLine;
  it.linesPerPage = linesPerPageForFrame;
  it.frameLeft = left;
  it.frameRight = right;
  it.topEdge = topEdge;
  it.bottomLine = bottomLine;
  items.push_back(std::move(it));
}

void PageContext::headerBlock(const std::string& firstLine, int firstLineHeightDivisor) {
  if (!draw) return;
  PageItem it = makeItem(ItemKind::HeaderBlock);
  it.line = startLine;
  it.text = firstLine;
  it.font = FontSpec{firstLineHeightDivisor, true, false, false};
  items.push_back(std::move(it));
}

void setupBitmapPage(PageContext& ctx, int pageWidth, int pageHeight) {
  ctx.pageWidth = pageWidth;
  ctx.pageHeight = pageHeight;
  ctx.linesPerPage = 70;
  ctx.startLine = 1;
  ctx.currentLine = 1;
  ctx.draw = true;
  ctx.leftMargin = roundToInt(pageWidth / 42.0);
  ctx.rightEdge = pageWidth - ctx.leftMargin;
  ctx.columnUnit = (ctx.rightEdge - ctx.leftMargin) / 75;
  if (ctx.columnUnit < 1) ctx.columnUnit = 1;
  ctx.font = FontSpec{70, false, false, false};
  ctx.items.clear();
}

int printerColumnUnit(int pageWidth, int averageCharWidth, int& leftMargin, int& rightEdge) {
  leftMargin = roundToInt(pageWidth / 14.0);
  const int rightLimit = pageWidth - roundToInt(pageWidth * 8.0 / 105.0);
  // The first f whose 78 columns pass the right limit.
  const int firstPassing = (rightLimit - leftMargin) / 78 + 1;
  int f = firstPassing;
  if (averageCharWidth > 0) {
    // Grow the factor by 0.01 from the font's character width; f reaches any
    // page width within a few thousand passes, so the cap never ends a real
    // search.
    double x = 1.32;
    for (int pass = 0; pass < 1000000; ++pass) {
      x += 0.01;
      f = roundToInt(averageCharWidth * x);
      if (78 * f + leftMargin > rightLimit) {
        // A printer font so large that its very first column unit is past
        // the limit would push the report off the paper: take the first
        // passing unit instead.
        if (pass == 0) f = firstPassing;
        break;
      }
    }
  }
  if (78 * f + leftMargin <= rightLimit) f = firstPassing;
  rightEdge = 78 * f + leftMargin;
  return f;
}

void setupPrinterPage(PageContext& ctx, int pageWidth, int pageHeight, int averageCharWidth) {
  ctx.pageWidth = pageWidth;
  ctx.pageHeight = pageHeight;
  ctx.columnUnit = printerColumnUnit(pageWidth, averageCharWidth, ctx.leftMargin, ctx.rightEdge);
  ctx.linesPerPage = 70;
  ctx.startLine = 2;
  ctx.currentLine = 2;
  ctx.draw = true;
  ctx.font = kRegularFont;
  ctx.items.clear();
}

void fitReportToPage(PageContext& ctx, int endLine) {
  ctx.linesPerPage = endLine + 5;
  if (ctx.linesPerPage > 80) {
    ctx.linesPerPage = 85;
    ctx.startLine = 1;
  }
}

std::string formatDate(std::time_t t) {
  std::tm tm{};
  localtime_r(&t, &tm);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d.%02d.%d", tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900);
  return buf;
}

std::string todayText() { return formatDate(std::time(nullptr)); }

}  // namespace dorvel::output
