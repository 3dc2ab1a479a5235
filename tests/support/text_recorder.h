// A paint device that records every text drawn on it, with the rectangle the
// text takes on the device (its advance width, ascent and descent, through
// the painter's transformation) and its font.  Lines and shapes are taken
// and forgotten.  Tests measure with it what the pages really draw.
#pragma once

#include <QFont>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRectF>
#include <QString>
#include <QTextItem>
#include <QTransform>

#include <vector>

namespace dorvel::testing {

struct DrawnText {
  QString text;
  QRectF rect;   // device units
  QFont font;
  QPointF origin;  // baseline start, device units
};

class TextRecordingEngine : public QPaintEngine {
 public:
  TextRecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState& state) override {
    if (state.state() & QPaintEngine::DirtyTransform) transform_ = state.transform();
  }
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  void drawPath(const QPainterPath&) override {}
  void drawTextItem(const QPointF& p, const QTextItem& item) override {
    const QRectF r(p.x(), p.y() - item.ascent(), item.width(), item.ascent() + item.descent());
    texts.push_back({item.text(), transform_.mapRect(r), item.font(), transform_.map(p)});
  }
  Type type() const override { return QPaintEngine::User; }

  std::vector<DrawnText> texts;

 private:
  QTransform transform_;
};

// A page of W x H device units at `dpi` dots per inch (300: the PDF printer).
class TextRecordingDevice : public QPaintDevice {
 public:
  TextRecordingDevice(int width, int height, int dpi = 300) : w_(width), h_(height), dpi_(dpi) {}
  QPaintEngine* paintEngine() const override { return &engine_; }
  const std::vector<DrawnText>& texts() const { return engine_.texts; }

 protected:
  int metric(PaintDeviceMetric m) const override {
    switch (m) {
      case PdmWidth: return w_;
      case PdmHeight: return h_;
      case PdmWidthMM: return static_cast<int>(w_ * 25.4 / dpi_);
      case PdmHeightMM: return static_cast<int>(h_ * 25.4 / dpi_);
      case PdmNumColors: return 1 << 24;
      case PdmDepth: return 32;
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY: return dpi_;
      case PdmDevicePixelRatio: return 1;
      case PdmDevicePixelRatioScaled: return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
      default: return 0;
    }
  }

 private:
  int w_, h_, dpi_;
  mutable TextRecordingEngine engine_;
};

}  // namespace dorvel::testing
