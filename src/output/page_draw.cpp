#include "output/page_draw.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPen>

#include <algorithm>
#include <cmath>

#include "output/page_output.h"
#include "output/report_texts.h"
#include "version.h"

namespace dorvel::output {

namespace {

// Em size over cell height of Arial and of the metric-compatible Liberation
// Sans: units per em 2048, ascent 1854 + descent 434.
constexpr double kEmPerCell = 2048.0 / 2288.0;

int roundToInt(double x) { return static_cast<int>(std::lround(x)); }

class ItemPainter {
 public:
  ItemPainter(QPainter& p, const PageContext& ctx) : p_(p), ctx_(ctx) {}

  void draw(const PageItem& it) {
    pitch_ = it.linesPerPage > 0 ? roundToInt(double(ctx_.pageHeight) / it.linesPerPage)
                                 : ctx_.pageHeight;
    p_.setFont(font(it.font));
    const int y = yOf(it.line);
    switch (it.kind) {
      case ItemKind::ReportLine: reportLine(it, y); break;
      case ItemKind::LeftText: text(it.text, column(it.column), y); break;
      case ItemKind::RightText:
        rightAligned(it.text, it.rightX - ctx_.columnUnit / 2, y);
        break;
      case ItemKind::CentredText: {
        const int w = p_.fontMetrics().horizontalAdvance(qs(it.text));
        text(it.text, (ctx_.leftMargin + ctx_.rightEdge - w) / 2, y);
        break;
      }
      case ItemKind::Frame: frame(it); break;
      case ItemKind::HeaderBlock: header(it); break;
    }
  }

  // Decimal point of the value column: the widest whole part of the page's
  // values starts at the value column; pushed left when the widest decimal
  // part would otherwise pass the right edge.
  void placeDecimalPoint() {
    int wholeWidth = 0, fractionWidth = 0;
    for (const PageItem& it : ctx_.items) {
      if (it.kind != ItemKind::ReportLine || it.lineCode == 0 || it.unit.empty() ||
          it.value.empty())
        continue;
      p_.setFont(font(it.font));
      std::string whole, fraction;
      if (!splitNumber(it.value, whole, fraction)) continue;
      wholeWidth = std::max(wholeWidth, p_.fontMetrics().horizontalAdvance(qs(whole)));
      fractionWidth = std::max(fractionWidth, p_.fontMetrics().horizontalAdvance(qs(fraction)));
    }
    decimalX_ = column(kValueColumn) + wholeWidth;
    const int limit = ctx_.rightEdge - ctx_.columnUnit / 2;
    if (decimalX_ + fractionWidth > limit) decimalX_ = limit - fractionWidth;
  }

 private:
  int column(double col) const { return ctx_.leftMargin + roundToInt(col * ctx_.columnUnit); }
  // y of the top of a line of the current item's pitch, placed on the sheet.
  int yOf(int line) const {
    return roundToInt(ctx_.yOffset + ctx_.yScale * static_cast<double>(line) * pitch_);
  }
  QFont font(const FontSpec& style) const {
    const int div = style.heightDivisor > 0 ? style.heightDivisor : 78;
    return pageFont(roundToInt(ctx_.yScale * (ctx_.pageHeight / div)), style.bold, style.italic,
                    style.underline);
  }
  QFont font(int heightDivisor, bool bold = false) const {
    return font(FontSpec{heightDivisor, bold, false, false});
  }

  // A value text as its whole part (up to the decimal point, or the
  // exponent) and the rest; false for a word ("not declared", "NOT KNOWN").
  static bool splitNumber(const std::string& value, std::string& whole, std::string& fraction) {
    const size_t b = value.find_first_not_of(' ');
    if (b == std::string::npos) return false;
    const std::string v = value.substr(b, value.find_last_not_of(' ') - b + 1);
    size_t i = (v[0] == '-' || v[0] == '+') ? 1 : 0;
    if (i >= v.size() || v[i] < '0' || v[i] > '9') return false;
    size_t cut = v.find('.');
    if (cut == std::string::npos) cut = v.find_first_of("eE");
    if (cut == std::string::npos) cut = v.size();
    whole = v.substr(0, cut);
    fraction = v.substr(cut);
    return true;
  }

  void text(const std::string& s, int x, int y) {
    if (s.empty()) return;
    p_.drawText(QPointF(x, y + p_.fontMetrics().ascent()), qs(s));
  }
  void rightAligned(const std::string& s, int xEnd, int y) {
    if (s.empty()) return;
    text(s, xEnd - p_.fontMetrics().horizontalAdvance(qs(s)), y);
  }
  // A value of the value column: numbers with their decimal points one
  // above the other, words from the column's start.
  void value(const std::string& s, int y) {
    std::string whole, fraction;
    if (decimalX_ > 0 && splitNumber(s, whole, fraction))
      text(whole + fraction, decimalX_ - p_.fontMetrics().horizontalAdvance(qs(whole)), y);
    else
      text(s.substr(std::min(s.size(), s.find_first_not_of(' '))), column(kValueColumn), y);
  }

  static bool isSelector(const std::string& unit) {
    return unit.size() == 1 && unit[0] >= 'A' && unit[0] <= 'Z';
  }

  void reportLine(const PageItem& it, int y) {
    if (it.captionCode > 1)
      text(it.caption,
           column(it.captionCode == kShiftedCaptionCode ? kCaptionColumnShifted : kCaptionColumn),
           y);
    if (it.lineCode == 0) {
      text(it.symbol, column(kLabelColumn), y);
      return;
    }
    text(it.label, column(kLabelColumn), y);
    if (it.unit.empty()) return;
    if (it.symbol == "-" && isSelector(it.unit)) {
      rightAligned("-", column(kDescriptiveDashEnd), y);
      text(it.value, column(kDescriptiveValueColumn), y);
      return;
    }
    rightAligned(it.symbol, column(kSymbolEnd), y);
    text(it.unit, column(kUnitColumn), y);
    value(it.value, y);
  }

  void frame(const PageItem& it) {
    const QPen old = p_.pen();
    QPen pen(Qt::black, 3);
    pen.setCapStyle(Qt::SquareCap);
    p_.setPen(pen);
    const int top = yOf(it.line);
    const int bottom = yOf(it.bottomLine + 1);
    p_.drawLine(it.frameLeft, top, it.frameLeft, bottom);
    p_.drawLine(it.frameRight, top, it.frameRight, bottom);
    p_.drawLine(it.frameLeft, bottom, it.frameRight, bottom);
    if (it.topEdge) p_.drawLine(it.frameLeft, top, it.frameRight, top);
    p_.setPen(old);
  }

  // The header block, in the closed frame of lines start to start + 4:
  // the standard in bold (H/40, or H/46 for the longer names) from the start
  // line down, the program with its version and the one-line description at
  // H/78 two and three lines lower, a rule with a 3-pixel pen beside the
  // widest of them, and right of the rule the sign-off fields an engineer
  // fills in by hand: tag, revision and date on the first two lines,
  // prepared, checked and approved on the other three, their labels at
  // H/100 in the top left corner of each cell.
  void header(const PageItem& it) {
    const int x = column(1.0);
    const int top = yOf(it.line);
    const int bottom = yOf(it.line + 5);
    const int pitch = yOf(it.line + 1) - top;
    const int divisor = it.font.heightDivisor > 0 ? it.font.heightDivisor : 40;
    const QString first = qs(it.text);
    const QString name = qs(headerName() + " " + kVersion);
    const QString desc = qs(headerDescription(it.english));
    p_.setFont(font(divisor, true));
    const int firstWidth = p_.fontMetrics().horizontalAdvance(first);
    p_.drawText(QPointF(x, top + pitch / 4 + p_.fontMetrics().ascent()), first);
    p_.setFont(font(78));
    const int nameWidth = p_.fontMetrics().horizontalAdvance(name);
    const int descWidth = p_.fontMetrics().horizontalAdvance(desc);
    p_.drawText(QPointF(x, top + 2 * pitch + p_.fontMetrics().ascent()), name);
    p_.drawText(QPointF(x, top + 3 * pitch + p_.fontMetrics().ascent()), desc);
    const int ruleX = x + std::max({firstWidth, nameWidth, descWidth}) + ctx_.columnUnit;
    if (ruleX >= ctx_.rightEdge) return;
    const QPen old = p_.pen();
    p_.setPen(QPen(Qt::black, 3));
    p_.drawLine(ruleX, top, ruleX, bottom);

    // Sign-off cells: three columns, rows on the line grid (2 + 3 lines).
    p_.setPen(QPen(Qt::black, 1));
    const int mid = top + 2 * pitch;
    const int width = ctx_.rightEdge - ruleX;
    const int col1 = ruleX + width / 3;
    const int col2 = ruleX + 2 * width / 3;
    p_.drawLine(ruleX, mid, ctx_.rightEdge, mid);
    p_.drawLine(col1, top, col1, bottom);
    p_.drawLine(col2, top, col2, bottom);
    const SignOffLabels l = signOffLabels(it.english);
    p_.setFont(font(100));
    const int inset = std::max(2, ctx_.columnUnit / 3);
    const int ascent = p_.fontMetrics().ascent();
    auto label = [&](const char* text, int left, int cellTop) {
      p_.drawText(QPointF(left + inset, cellTop + inset + ascent), qs(text));
    };
    label(l.tag, ruleX, top);
    label(l.revision, col1, top);
    label(l.date, col2, top);
    label(l.prepared, ruleX, mid);
    label(l.checked, col1, mid);
    label(l.approved, col2, mid);
    p_.setPen(old);
  }

  QPainter& p_;
  const PageContext& ctx_;
  int pitch_ = 1;
  int decimalX_ = 0;
};

}  // namespace

QStringList pageFontFamilies() {
  return {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
          QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")};
}

QFont pageFont(int cellHeight, bool bold, bool italic, bool underline) {
  QFont f;
  f.setFamilies(pageFontFamilies());
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(std::max(1, roundToInt(cellHeight * kEmPerCell)));
  f.setBold(bold);
  f.setItalic(italic);
  f.setUnderline(underline);
  return f;
}

QFont pageFont(const FontSpec& style, int pageHeight) {
  const int div = style.heightDivisor > 0 ? style.heightDivisor : 78;
  return pageFont(pageHeight / div, style.bold, style.italic, style.underline);
}

void useFontMetrics(PageContext& ctx, QPaintDevice* device) {
  ensureGuiApplication();
  const int H = ctx.pageHeight;
  ctx.measure = [device, H](const std::string& text, const FontSpec& f) {
    const QFont font = pageFont(f, H);
    return device != nullptr ? QFontMetricsF(font, device).horizontalAdvance(qs(text))
                             : QFontMetricsF(font).horizontalAdvance(qs(text));
  };
}

void drawPageItems(QPainter& painter, const PageContext& ctx) {
  painter.save();
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  ItemPainter ip(painter, ctx);
  ip.placeDecimalPoint();
  for (const PageItem& it : ctx.items) ip.draw(it);
  painter.restore();
}

std::string headerName() { return "Dorvel"; }

std::string headerDescription(bool english) {
  return english ? "Flow measurement with differential-pressure devices"
                 : "Pomiar strumienia płynów zwężkami pomiarowymi";
}

}  // namespace dorvel::output
