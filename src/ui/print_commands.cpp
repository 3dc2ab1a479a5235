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
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/texts/language.h"

namespace dorvel::ui {

bool printPageWithDialog(QWidget* parent, CalculationCase& c, output::PageKind kind,
                         bool english) {
  return printPagesWithDialog(parent, c, {kind}, english);
}

bool printPagesWithDialog(QWidget* parent, CalculationCase& c,
                          const std::vector<output::PageKind>& pages, bool english) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(output::jobTitle(pages));
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  return output::printPages(printer, c, pages, english);
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
    : QDialog(parent), case_(c), english_(english) {
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
  scroll_->setAlignment(Qt::AlignCenter);  // a fitted page stands in the middle
  // Zoom, page and print buttons above the page.
  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(6, 4, 6, 4);
  auto addButton = [&](const char* name, auto slot) {
    auto* b = new QPushButton(desktopText(name), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::TabFocus);
    connect(b, &QPushButton::clicked, this, slot);
    buttons->addWidget(b);
    return b;
  };
  addButton("BuZoomIn", [this] { zoomIn(); })->setShortcut(QKeySequence::ZoomIn);
  addButton("BuZoomOut", [this] { zoomOut(); })->setShortcut(QKeySequence::ZoomOut);
  addButton("BuFit", [this] { fitPage(); });
  // The preview holds the one page of the report: nothing to page through.
  const bool severalPages = false;
  addButton("BuPagePrev", [this] { pageUp(); })->setEnabled(severalPages);
  addButton("BuPageNext", [this] { pageDown(); })->setEnabled(severalPages);
  buttons->addStretch(1);
  addButton("BuPreviewPrint", [this] {
    if (onPrint)
      onPrint();
    else
      printPageWithDialog(this, case_, output::PageKind::CalculationReport, english_);
  })->setShortcut(QKeySequence::Print);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addLayout(buttons);
  layout->addWidget(scroll_);
  // The picture fills the client width; the vertical scroll bar takes its
  // place beside it.
  resize(layout_.clientWidth + scroll_->verticalScrollBar()->sizeHint().width() +
             2 * scroll_->frameWidth(),
         layout_.clientHeight);
  move(0, 0);
  setWindowTitle("Print preview");
}

void TPodWyd::pageDown() {
  QScrollBar* bar = scroll_->verticalScrollBar();
  bar->setValue(bar->value() + 10 * bar->singleStep());
}

void TPodWyd::pageUp() {
  QScrollBar* bar = scroll_->verticalScrollBar();
  bar->setValue(bar->value() - 10 * bar->singleStep());
}

void TPodWyd::setZoom(double zoom) {
  zoom_ = std::clamp(zoom, 0.1, 4.0);
  const QSize size = (QSizeF(image_.size()) * zoom_).toSize().expandedTo(QSize(1, 1));
  picture_->setPixmap(QPixmap::fromImage(
      zoom_ == 1.0 ? image_ : image_.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  picture_->setFixedSize(size);
  // Wider than the window: the page scrolls sideways too.
  scroll_->setHorizontalScrollBarPolicy(zoom_ > 1.0 ? Qt::ScrollBarAsNeeded
                                                    : Qt::ScrollBarAlwaysOff);
}

void TPodWyd::fitPage() {
  // The whole page picture in the view.
  const QSize view = scroll_->viewport()->size();
  if (image_.isNull() || view.isEmpty()) return;
  setZoom(std::min(double(view.width()) / image_.width(), double(view.height()) / image_.height()));
}

void TPodWyd::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_PageDown) {
    pageDown();
    return;
  }
  if (event->key() == Qt::Key_PageUp) {
    pageUp();
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
