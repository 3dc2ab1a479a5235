// The table and graphs windows of the results page: the measurement-range
// table and the two uncertainty graphs of the finished case, drawn by the
// page-output routines.  Both are opened modally.
#pragma once

#include <QDialog>
#include <QImage>
#include <QWidget>

#include "base/case.h"
#include "output/range_table.h"
#include "output/uncertainty_graphs.h"

class QLabel;
class QPushButton;

namespace dorvel::ui {

// The surface the range table is painted on; it repaints from the table
// computed when the window opened.
class RangeTableBox : public QWidget {
  Q_OBJECT
 public:
  explicit RangeTableBox(QWidget* parent = nullptr);
  void setTable(const output::RangeTable& table);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  output::RangeTable table_;
  bool hasTable_ = false;
};

// "Measurement uncertainty and pressure loss as a function of flowrate".
// `english` is the report-language flag: it chooses the table headings.
class TTabela : public QDialog {
  Q_OBJECT
 public:
  TTabela(CalculationCase& c, bool english, QWidget* parent = nullptr);
  RangeTableBox* paintBox() const { return box_; }
  const output::RangeTable& table() const { return table_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void placeControls();
  CalculationCase& case_;
  output::RangeTable table_;
  RangeTableBox* box_;
  QPushButton* ok_;
  QPushButton* help_;
};

// "Measurement uncertainty and bias "linear scale" error as a function of
// flowrate": the absolute graph left, the relative graph right.
class Twykresy : public QDialog {
  Q_OBJECT
 public:
  Twykresy(CalculationCase& c, QWidget* parent = nullptr);
  const QImage& absoluteImage() const { return bitmap1_; }
  const QImage& relativeImage() const { return bitmap2_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void drawGraphs();
  output::GraphData data_;
  QImage bitmap1_, bitmap2_;
  QLabel *image1_, *image2_, *label1_, *label2_;
  QWidget* legend_;
  QPushButton* ok_;
  QPushButton* help_;
};

// The commands of the results page: open the window modally, release it on
// return.
void showTableWindow(CalculationCase& c, bool english, QWidget* parent);
void showGraphsWindow(CalculationCase& c, QWidget* parent);

}  // namespace dorvel::ui
