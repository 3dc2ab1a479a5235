#include "ui/texts/language.h"
#include "ui/output_windows.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>

#include "ui/copy_text.h"
#include "ui/help_viewer.h"

namespace dorvel::ui {

RangeTableBox::RangeTableBox(QWidget* parent) : QWidget(parent) {
  setObjectName("PaintBox1");
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void RangeTableBox::setTable(const output::RangeTable& table) {
  table_ = table;
  hasTable_ = true;
  update();
}

void RangeTableBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (hasTable_) output::drawRangeTable(painter, table_, 0, 0, false, height(), width());
}

TTabela::TTabela(CalculationCase& c, bool english, QWidget* parent)
    : QDialog(parent), case_(c) {
  setObjectName("TTabela");
  setModal(true);
  setWindowTitle("Niepewno\u015B\u0107 pomiaru i strata ci\u015Bnienia w funkcji wskazania");
  box_ = new RangeTableBox(this);
  ok_ = new QPushButton("Koniec", this);
  ok_->setObjectName("BuKoniec");
  help_ = new QPushButton("Pomoc", this);
  help_->setObjectName("BuPomoc");
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(help_, &QPushButton::clicked, this, [] { showHelpTopic(kHelpTable); });
  setHelpTopic(this, kHelpTable);
  // The values are computed once: the case cannot change while the window
  // is open, and every repaint draws the same table.
  table_ = output::computeRangeTable(case_, english);
  box_->setTable(table_);
  // The table is a picture: a screen reader gets its rows as text.
  box_->setAccessibleName(
      tx("Measurement uncertainty and pressure loss as a function of flowrate"));
  box_->setAccessibleDescription(QString::fromStdString(output::rangeTableText(table_)));
  box_->setFocusPolicy(Qt::StrongFocus);
  addCopyTextAction(this, [this] {
    copyTextToClipboard(parentWidget(), rangeTableTsv(table_),
                        "Table copied to the clipboard as tab-separated text");
  });
  resize(900, 420);
  placeControls();
}

void TTabela::showEvent(QShowEvent* event) {
  setWindowTitle("Measurement uncertainty and pressure loss as a function of flowrate");
  ok_->setText("OK");
  help_->setText("Help");
  placeControls();
  QDialog::showEvent(event);
}

void TTabela::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  placeControls();
}

void TTabela::placeControls() {
  const int top = height() / 10;
  const int left = width() / 40;
  box_->setGeometry(left, top, width() - 2 * left, height() - 3 * top);
  const int bh = ok_->sizeHint().height();
  const int bw = std::max(ok_->sizeHint().width(), 90);
  const int y = box_->geometry().bottom() + 1 + (2 * top - bh) / 2;
  const int right = box_->geometry().right() + 1;
  help_->setGeometry(right - bw, y, bw, bh);
  ok_->setGeometry(right - 2 * bw - 10, y, bw, bh);
}

namespace {

// The legend: a red sample line and its text.
class LegendLine : public QWidget {
 public:
  LegendLine(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
    setObjectName("Legend");
  }
  QSize sizeHint() const override {
    return {40 + fontMetrics().horizontalAdvance(text_) + 4, fontMetrics().height() + 4};
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const int y = height() / 2;
    p.setPen(QPen(Qt::red, 2));
    p.drawLine(2, y, 34, y);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(40, 0, width() - 40, height()), Qt::AlignVCenter | Qt::AlignLeft, text_);
  }

 private:
  QString text_;
};

QImage graphImage(const output::GraphData& data, output::GraphKind kind, QSize size) {
  QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  const output::GraphLayout layout =
      output::layoutGraph(data, kind, image.height(), image.width());
  output::drawGraph(painter, layout, 0, 0, false);
  return image;
}

}  // namespace

Twykresy::Twykresy(CalculationCase& c, QWidget* parent) : QDialog(parent) {
  setObjectName("Twykresy");
  setModal(true);
  setWindowTitle(
      "Measurement uncertainty and bias \"linear scale\" error as a function of flowrate");
  image1_ = new QLabel(this);
  image1_->setObjectName("Image1");
  image2_ = new QLabel(this);
  image2_->setObjectName("Image2");
  label1_ = new QLabel("Absolute uncertainty", this);
  label1_->setObjectName("Label1");
  label2_ = new QLabel("Relative uncertainty", this);
  label2_->setObjectName("Label2");
  legend_ = new LegendLine(tx(" -- The bias \"linear scale\" error"), this);
  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("BuOK");
  help_ = new QPushButton("Help", this);
  help_->setObjectName("BuPomoc");
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(help_, &QPushButton::clicked, this, [] { showHelpTopic(kHelpGraphs); });
  setHelpTopic(this, kHelpGraphs);
  // One sweep of the range; the pictures are redrawn from it on resizing.
  data_ = output::computeGraphData(c);
  addCopyTextAction(this, [this] {
    copyTextToClipboard(parentWidget(), graphPointsTsv(data_),
                        "Graph points copied to the clipboard as tab-separated text");
  });
  resize(1000, 560);
  drawGraphs();
}

void Twykresy::showEvent(QShowEvent* event) {
  drawGraphs();
  QDialog::showEvent(event);
}

void Twykresy::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  drawGraphs();
}

void Twykresy::drawGraphs() {
  const int cw = width(), ch = height();
  const QSize size(std::max(cw / 2 - 15, 1), std::max(ch * 3 / 4, 1));
  image1_->setGeometry(10, 10, size.width(), size.height());
  image2_->setGeometry(cw / 2 + 5, 10, size.width(), size.height());
  bitmap1_ = graphImage(data_, output::GraphKind::Absolute, size);
  bitmap2_ = graphImage(data_, output::GraphKind::Relative, size);
  image1_->setPixmap(QPixmap::fromImage(bitmap1_));
  image2_->setPixmap(QPixmap::fromImage(bitmap2_));

  const int labelY = 10 + size.height() + 10;
  label1_->adjustSize();
  label2_->adjustSize();
  label1_->move(10 + (size.width() - label1_->width()) / 2, labelY);
  label2_->move(cw / 2 + 5 + (size.width() - label2_->width()) / 2, labelY);
  legend_->resize(legend_->sizeHint());
  legend_->move(10, labelY + (isMaximized() ? 40 : 30));

  const int bh = ok_->sizeHint().height();
  const int bw = std::max(ok_->sizeHint().width(), 90);
  const int by = std::max(ch * 7 / 8, legend_->geometry().bottom() + 6);
  ok_->setGeometry(label2_->x() + label2_->width() - bw, by, bw, bh);
  help_->setGeometry(ok_->x() + bw + 20, by, bw, bh);
}

void showTableWindow(CalculationCase& c, bool english, QWidget* parent) {
  TTabela window(c, english, parent);
  window.exec();
}

void showGraphsWindow(CalculationCase& c, QWidget* parent) {
  Twykresy window(c, parent);
  window.exec();
}

}  // namespace dorvel::ui
