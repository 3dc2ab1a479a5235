#include "output/page_draw.h"

#include <QFontMetrics>
#include <QPen>

#include <algorithm>
#include <cmath>

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

  // Name in bold at H/40 from the start line down, the description at H/78
  // three lines lower, and a rule with a 3-pixel pen beside the wider one.
  void header(const PageItem& it) {
    const int H = ctx_.pageHeight;
    const int x = column(1.0);
    const int top = it.line * pitch_;
    QFont nameFont = pageFont(H / 40, true);
    QFont descFont = pageFont(H / 78);
    const QString name = qs(headerName());
    const QString desc = qs(headerDescription(it.english));
    p_.setFont(nameFont);
    const int nameWidth = p_.fontMetrics().horizontalAdvance(name);
    p_.drawText(QPointF(x, top + pitch_ / 2 + p_.fontMetrics().ascent()), name);
    p_.setFont(descFont);
    const int descWidth = p_.fontMetrics().horizontalAdvance(desc);
    p_.drawText(QPointF(x, top + 3 * pitch_ + p_.fontMetrics().ascent()), desc);
    const int ruleX = x + std::max(nameWidth, descWidth) + ctx_.columnUnit;
    const QPen old = p_.pen();
    p_.setPen(QPen(Qt::black, 3));
    if (ruleX < ctx_.rightEdge) p_.drawLine(ruleX, top, ruleX, top + 5 * pitch_);
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
