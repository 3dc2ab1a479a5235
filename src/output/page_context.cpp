#include "output/page_context.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace dorvel::output {

namespace {

int roundToInt(double x) { return static_cast<int>(std::lround(x)); }

// Byte offsets of the code points of a UTF-8 text, and its length at the end.
std::vector<size_t> codePointStarts(const std::string& s) {
  std::vector<size_t> starts;
  for (size_t i = 0; i < s.size(); ++i)
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) starts.push_back(i);
  starts.push_back(s.size());
  return starts;
}

std::string trimRight(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

}  // namespace

int PageContext::columnX(double column) const {
  return leftMargin + roundToInt(column * columnUnit);
}

double PageContext::textWidth(const std::string& text, const FontSpec& f) const {
  if (measure) return measure(text, f);
  const int div = f.heightDivisor > 0 ? f.heightDivisor : 78;
  return 0.6 * (static_cast<double>(pageHeight) / div) *
         static_cast<double>(codePointStarts(text).size() - 1);
}

std::string PageContext::elideRight(const std::string& text, const FontSpec& f,
                                    double width) const {
  if (textWidth(text, f) <= width) return text;
  const std::vector<size_t> cp = codePointStarts(text);
  // The longest beginning that still fits with the ellipsis after it.
  size_t lo = 0, hi = cp.size() - 1;
  while (lo < hi) {
    const size_t mid = (lo + hi + 1) / 2;
    if (textWidth(trimRight(text.substr(0, cp[mid])) + kEllipsis, f) <= width)
      lo = mid;
    else
      hi = mid - 1;
  }
  return trimRight(text.substr(0, cp[lo])) + kEllipsis;
}

std::vector<std::string> PageContext::wrapText(const std::string& text, const FontSpec& f,
                                               double width, int maxLines) const {
  std::vector<std::string> lines;
  if (maxLines < 1) maxLines = 1;
  // Leading blanks indent the first line and stay with the first word.
  const size_t firstNonBlank = text.find_first_not_of(' ');
  if (firstNonBlank == std::string::npos) return {text};
  const std::string indent = text.substr(0, firstNonBlank);
  std::vector<std::string> words;
  std::string word;
  for (size_t i = firstNonBlank; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == ' ') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += text[i];
    }
  }
  if (words.empty()) return {text};
  words.front() = indent + words.front();

  std::string current;
  for (std::string w : words) {
    const std::string candidate = current.empty() ? w : current + " " + w;
    if (textWidth(candidate, f) <= width) {
      current = candidate;
      continue;
    }
    if (!current.empty()) lines.push_back(current);
    current.clear();
    // A word wider than the line is broken where it reaches the edge.
    while (codePointStarts(w).size() > 2 && textWidth(w, f) > width) {
      const std::vector<size_t> cp = codePointStarts(w);
      size_t n = 1;
      while (n + 1 < cp.size() && textWidth(w.substr(0, cp[n + 1]), f) <= width) ++n;
      lines.push_back(w.substr(0, cp[n]));
      w = w.substr(cp[n]);
    }
    current = w;
  }
  if (!current.empty()) lines.push_back(current);

  if (static_cast<int>(lines.size()) > maxLines) {
    std::string rest;
    for (size_t i = static_cast<size_t>(maxLines - 1); i < lines.size(); ++i)
      rest += (rest.empty() ? "" : " ") + lines[i];
    lines.resize(static_cast<size_t>(maxLines - 1));
    std::string last = elideRight(rest, f, width);
    if (last.size() < 3 || last.compare(last.size() - 3, 3, kEllipsis) != 0)
      last = elideRight(rest + " " + kEllipsis, f, width);
    lines.push_back(last);
  }
  return lines;
}

std::string PageContext::shortenPath(const std::string& before, const std::string& path,
                                     const std::string& after, const FontSpec& f,
                                     double width) const {
  const std::string whole = before + path + after;
  if (textWidth(whole, f) <= width) return whole;
  const size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  // Leave out ever more characters in the middle of the folders.
  const std::vector<size_t> cp = codePointStarts(folder);
  const size_t n = cp.size() - 1;
  for (size_t keep = n; keep-- > 0;) {
    const size_t head = (keep + 1) / 2, tail = keep - head;
    const std::string shortFolder =
        folder.substr(0, cp[head]) + kEllipsis + folder.substr(cp[n - tail]);
    const std::string line = before + shortFolder + name + after;
    if (textWidth(line, f) <= width) return line;
  }
  // The file name alone is too long: its middle goes too, its end (the
  // extension) stays.
  const std::vector<size_t> np = codePointStarts(name);
  const size_t m = np.size() - 1;
  for (size_t keep = m; keep-- > 0;) {
    const size_t tail = std::min<size_t>(keep / 2, 12), head = keep - tail;
    const std::string shortName = name.substr(0, np[head]) + kEllipsis + name.substr(np[m - tail]);
    const std::string line = before + (folder.empty() ? "" : std::string(kEllipsis) + "/") +
                             shortName + after;
    if (textWidth(line, f) <= width) return line;
  }
  return elideRight(whole, f, width);
}

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

int printerColumnUnit(int pageWidth, int averageCharWidth, int& leftMargin, int& rightEdge,
                      int minLeftMargin) {
  leftMargin = std::max(roundToInt(pageWidth / 14.0), minLeftMargin);
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

void setupPrinterPage(PageContext& ctx, int pageWidth, int pageHeight, int averageCharWidth,
                      int minLeftMargin) {
  ctx.pageWidth = pageWidth;
  ctx.pageHeight = pageHeight;
  ctx.columnUnit = printerColumnUnit(pageWidth, averageCharWidth, ctx.leftMargin, ctx.rightEdge,
                                     minLeftMargin);
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

void gridExtent(const PageContext& ctx, int& top, int& bottom) {
  top = ctx.pageHeight;
  bottom = 0;
  for (const PageItem& it : ctx.items) {
    const int pitch = it.linesPerPage > 0
                          ? roundToInt(static_cast<double>(ctx.pageHeight) / it.linesPerPage)
                          : ctx.pageHeight;
    const int y = it.line * pitch;
    int end = y + pitch;
    if (it.kind == ItemKind::Frame) end = (it.bottomLine + 1) * pitch;
    if (it.kind == ItemKind::HeaderBlock) end = y + 5 * pitch;
    const int div = it.font.heightDivisor > 0 ? it.font.heightDivisor : 78;
    if (it.kind != ItemKind::Frame) end = std::max(end, y + ctx.pageHeight / div);
    top = std::min(top, y);
    bottom = std::max(bottom, end);
  }
  if (bottom < top) top = bottom = 0;
}

void fitGridToMargins(PageContext& ctx, double margin) {
  int top = 0, bottom = 0;
  gridExtent(ctx, top, bottom);
  ctx.yOffset = 0;
  ctx.yScale = 1;
  const double H = ctx.pageHeight;
  if (bottom <= top || (top >= margin && bottom <= H - margin)) return;
  const double extent = bottom - top;
  const double room = H - 2 * margin;
  const double scale = room > 0 ? std::min(1.0, room / extent) : 1.0;
  double newTop = std::max(margin, static_cast<double>(top));
  if (newTop + extent * scale > H - margin) newTop = H - margin - extent * scale;
  ctx.yScale = scale;
  ctx.yOffset = newTop - scale * top;
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
