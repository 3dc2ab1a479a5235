#include "output/page_draw.h"

#include <QFontMetrics>
#include <QPen>

#include <algorithm>
#include <cmath>

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
    p_.setFont(pageFont(it.font, ctx_.pageHeight));
    const int y = it.line * pitch_;
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

 private:
  int column(double col) const { return ctx_.leftMargin + roundToInt(col * ctx_.columnUnit); }

  void text(const std::string& s, int x, int y) {
    if (s.empty()) return;
    p_.drawText(QPointF(x, y + p_.fontMetrics().ascent()), qs(s));
  }
  void rightAligned(const std::string& s, int xEnd, int y) {
    if (s.empty()) return;
    text(s, xEnd - p_.fontMetrics().horizontalAdvance(qs(s)), y);
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
    text(it.value, column(kValueColumn), y);
  }

  void frame(const PageItem& it) {
    const QPen old = p_.pen();
    QPen pen(Qt::black, 3);
    pen.setCapStyle(Qt::SquareCap);
    p_.setPen(pen);
    const int top = it.line * pitch_;
    const int bottom = (it.bottomLine + 1) * pitch_;
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
    const int H = ctx_.pageHeight;
    const int x = column(1.0);
    const int top = it.line * pitch_;
    const int bottom = top + 5 * pitch_;
    const int divisor = it.font.heightDivisor > 0 ? it.font.heightDivisor : 40;
    const QString first = qs(it.text);
    const QString name = qs(headerName() + " " + kVersion);
    const QString desc = qs(headerDescription(it.english));
    p_.setFont(pageFont(H / divisor, true));
    const int firstWidth = p_.fontMetrics().horizontalAdvance(first);
    p_.drawText(QPointF(x, top + pitch_ / 4 + p_.fontMetrics().ascent()), first);
    p_.setFont(pageFont(H / 78));
    const int nameWidth = p_.fontMetrics().horizontalAdvance(name);
    const int descWidth = p_.fontMetrics().horizontalAdvance(desc);
    p_.drawText(QPointF(x, top + 2 * pitch_ + p_.fontMetrics().ascent()), name);
    p_.drawText(QPointF(x, top + 3 * pitch_ + p_.fontMetrics().ascent()), desc);
    const int ruleX = x + std::max({firstWidth, nameWidth, descWidth}) + ctx_.columnUnit;
    if (ruleX >= ctx_.rightEdge) return;
    const QPen old = p_.pen();
    p_.setPen(QPen(Qt::black, 3));
    p_.drawLine(ruleX, top, ruleX, bottom);

    // Sign-off cells: three columns, rows on the line grid (2 + 3 lines).
    p_.setPen(QPen(Qt::black, 1));
    const int mid = top + 2 * pitch_;
    const int width = ctx_.rightEdge - ruleX;
    const int col1 = ruleX + width / 3;
    const int col2 = ruleX + 2 * width / 3;
    p_.drawLine(ruleX, mid, ctx_.rightEdge, mid);
    p_.drawLine(col1, top, col1, bottom);
    p_.drawLine(col2, top, col2, bottom);
    const SignOffLabels l = signOffLabels(it.english);
    p_.setFont(pageFont(H / 100));
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

void drawPageItems(QPainter& painter, const PageContext& ctx) {
  painter.save();
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  ItemPainter ip(painter, ctx);
  for (const PageItem& it : ctx.items) ip.draw(it);
  painter.restore();
}

std::string headerName() { return "Dorvel"; }

std::string headerDescription(bool english) {
  return english ? "Flow measurement with differential-pressure devices"
                 : "Pomiar strumienia płynów zwężkami pomiarowymi";
}

}  // namespace dorvel::output
