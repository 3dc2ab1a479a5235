// The output commands of the results page: the two printed pages on a
// printer chosen in the printer dialog, the print preview of the calculation
// report, and either page as a picture on the clipboard.
#pragma once

#include <QDialog>
#include <QImage>
#include <functional>
#include <vector>

#include "base/case.h"
#include "output/page_output.h"

class QLabel;
class QScrollArea;

namespace dorvel::ui {

// Printer dialog, then on OK the page on the chosen printer under its job
// title ("Dorvel - report" / "Dorvel - graphs").  Cancelling prints nothing.
// False when cancelled or the printer cannot be started.
bool printPageWithDialog(QWidget* parent, CalculationCase& c, output::PageKind kind, bool english);
// The same for several pages printed as one job ("Dorvel - report and
// graphs"), numbered 1/2, 2/2.
bool printPagesWithDialog(QWidget* parent, CalculationCase& c,
                          const std::vector<output::PageKind>& pages, bool english);

// The page drawn on a picture as wide as the screen and round(1.4142857 x)
// as high, put on the clipboard as an image.  Returns the picture (null when
// there is no clipboard).
QImage copyPageToClipboard(CalculationCase& c, output::PageKind kind, bool english,
                           int screenWidth);

// Print preview of the calculation report: at the screen's top-left corner,
// the client area 15/16 of the screen width and 7/8 of its height, the image
// as wide as the client area and 2.5 times its height in a vertically
// scrolling view.  Page Down and Page Up scroll ten steps.
class TPodWyd : public QDialog {
  Q_OBJECT
 public:
  TPodWyd(CalculationCase& c, bool english, QSize screen, QWidget* parent = nullptr);
  const QImage& image() const { return image_; }
  QScrollArea* scrollArea() const { return scroll_; }
  const output::PreviewLayout& layoutUsed() const { return layout_; }

  // Zoom of the page picture (1 = the picture as drawn, as wide as the
  // client area); "Fit" shows the whole page.
  double zoom() const { return zoom_; }
  void setZoom(double zoom);
  void zoomIn() { setZoom(zoom_ * 1.25); }
  void zoomOut() { setZoom(zoom_ / 1.25); }
  void fitPage();
  // Page Up / Page Down: ten scroll steps.
  void pageUp();
  void pageDown();
  // "Print..." from the preview: the printer dialog, then the report.
  std::function<void()> onPrint;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  CalculationCase& case_;
  bool english_;
  double zoom_ = 1.0;
  output::PreviewLayout layout_;
  QImage image_;
  QScrollArea* scroll_;
  QLabel* picture_;
};

// Opens the preview modally for the screen of `parent` and releases it when
// it closes.
void showPrintPreview(CalculationCase& c, bool english, QWidget* parent);

}  // namespace dorvel::ui
