#include "ui/print_commands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace dorvel::ui {

bool printPageWithDialog(QWidget* parent, CalculationCase& c, output::PageKind kind,
                         bool english) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(kind == output::PageKind::CalculationReport ? output::kReportJobTitle
                                                                  : output::kGraphsJobTitle);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  return output::printPage(printer, c, kind, english);
}

QImage copyPageToClipboard(CalculationCase& c, output::PageKind kind, bool english,
                           int screenWidth) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr || screenWidth <= 0) return {};
  QImage image = output::renderPageImage(c, kind, english, screenWidth);
  clipboard->setImage(image);
  return image;
}

TPodWyd::TPodWyd(CalculationCase& c, bool english, QSize screen, QWidget* parent)
    : QDialog(parent) {
  setObjectName("TPodWyd");
  setModal(true);
  layout_ = output::previewLayout(screen.width(), screen.height());

  image_ = QImage(std::max(layout_.imageWidth, 1), std::max(layout_.imageHeight, 1),
                  QImage::Format_RGB32);
  image_.fill(Qt::white);
  {
    QPainter painter(&image_);
    output::drawPage(painter, layout_.pageWidth, layout_.pageHeight, english, true,
                     output::PageKind::CalculationReport, c);
  }

  picture_ = new QLabel;
  picture_->setPixmap(QPixmap::fromImage(image_));
  picture_->setFixedSize(image_.size());
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName("ScrollBox1");
  scroll_->setWidget(picture_);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll_->setFocusPolicy(Qt::NoFocus);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll_);
  // The picture fills the client width; the vertical scroll bar takes its
  // place beside it.
  resize(layout_.clientWidth + scroll_->verticalScrollBar()->sizeHint().width() +
             2 * scroll_->frameWidth(),
         layout_.clientHeight);
  move(0, 0);
  setWindowTitle("Print preview");
}

void TPodWyd::keyPressEvent(QKeyEvent* event) {
  QScrollBar* bar = scroll_->verticalScrollBar();
  if (event->key() == Qt::Key_PageDown) {
    bar->setValue(bar->value() + 10 * bar->singleStep());
    return;
  }
  if (event->key() == Qt::Key_PageUp) {
    bar->setValue(bar->value() - 10 * bar->singleStep());
    return;
  }
  QDialog::keyPressEvent(event);
}

void showPrintPreview(CalculationCase& c, bool english, QWidget* parent) {
  QScreen* screen = parent != nullptr && parent->screen() != nullptr
                        ? parent->screen()
                        : QGuiApplication::primaryScreen();
  const QSize size = screen != nullptr ? screen->size() : QSize(1280, 1024);
  TPodWyd preview(c, english, size, parent);
  preview.exec();
}

}  // namespace dorvel::ui
