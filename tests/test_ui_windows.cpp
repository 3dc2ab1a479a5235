// The output windows, the print preview, the clipboard picture, the help
// window and the about window, offscreen.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>
#include <string>
#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBrowser>

#include <set>

#include "base/case.h"
#include "files/case_file.h"
#include "support/ui_window.h"
#include "ui/about_window.h"
#include "ui/main_window.h"
#include "version.h"
#include <QHelpEngine>

#include "ui/help_viewer.h"
#include "ui/output_windows.h"
#include "ui/print_commands.h"
#include "ui/results_page.h"

using namespace dorvel;
using namespace dorvel::ui;

namespace {

QApplication& app() {
  QApplication& a = dorvel::testing::testApplication();
  return a;
}

// The water example, computed as the results page computes it.
CalculationCase computedExample() {
  CalculationCase c;
  resetCase(c);
  c.task = TaskFlowrate;
  RecordingInteraction rec;
  EXPECT_TRUE(readCaseFile(std::string(DORVEL_SOURCE_DIR) + "/examples/water-orifice-flange.dvl",
                           c, rec));
  ResultsPage page(c, rec);
  EXPECT_EQ(page.enter(), EnterOutcome::ResultsShown);
  return c;
}

int pixelsNot(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) != (colour & 0xFFFFFF)) ++n;
  return n;
}

int pixelsOf(const QImage& image, QRgb colour) {
  return image.width() * image.height() - pixelsNot(image, colour);
}

}  // namespace

TEST(UiWindows, TableWindowDrawsInBothLanguages) {
  app();
  CalculationCase c = computedExample();
  const CalculationCase before = c;
  for (bool english : {true, false}) {
    TTabela window(c, english, nullptr);
    window.show();
    EXPECT_EQ(window.windowTitle(),
              "Measurement uncertainty and pressure loss as a function of flowrate");
    EXPECT_EQ(window.table().headings[0], english ? "Reading" : "Punkt na skali");
    EXPECT_EQ(window.table().headings[6], english ? "Relative uncertainty" : "Niepewno\u015B\u0107");
    EXPECT_GE(window.table().filledColumns(), 9);  // q(min) is 1 % of q100
    const QImage shot = window.paintBox()->grab().toImage();
    EXPECT_GT(pixelsNot(shot, qRgb(255, 255, 255)), shot.width() * 10) << english;
    // The paint box takes the window's geometry rules.
    EXPECT_EQ(window.paintBox()->y(), window.height() / 10);
    EXPECT_EQ(window.paintBox()->x(), window.width() / 40);
    window.close();
  }
  EXPECT_EQ(c.flowrateInput, before.flowrateInput);  // the sweep leaves the case as it was
  EXPECT_FALSE(c.rangeMode);
}

TEST(UiWindows, GraphsWindowDrawsGreyEnvelopeAndRedErrorCurve) {
  app();
  CalculationCase c = computedExample();
  Twykresy window(c, nullptr);
  window.resize(1100, 640);
  window.show();
  for (const QImage* image : {&window.absoluteImage(), &window.relativeImage()}) {
    EXPECT_EQ(image->width(), 1100 / 2 - 15);
    EXPECT_EQ(image->height(), 640 * 3 / 4);
    EXPECT_GT(pixelsOf(*image, qRgb(192, 192, 192)), 500);  // the envelope
    EXPECT_GT(pixelsOf(*image, qRgb(255, 0, 0)), 50);       // the bias error curve
  }
  const QImage shot = window.grab().toImage();
  EXPECT_GT(pixelsOf(shot, qRgb(192, 192, 192)), 1000);
}

TEST(UiWindows, PreviewDrawsTheReportAndScrollsByPages) {
  app();
  CalculationCase c = computedExample();
  TPodWyd preview(c, true, QSize(1280, 1024), nullptr);
  EXPECT_EQ(preview.windowTitle(), "Print preview");
  EXPECT_EQ(preview.image().width(), 1200);                 // 15/16 of the screen
  EXPECT_EQ(preview.image().height(), 2240);                // 2.5 x 7/8 of 1024
  EXPECT_GT(pixelsNot(preview.image(), qRgb(255, 255, 255)), 20000);
  preview.show();
  QScrollBar* bar = preview.scrollArea()->verticalScrollBar();
  QKeyEvent up(QEvent::KeyPress, Qt::Key_PageUp, Qt::NoModifier);
  QApplication::sendEvent(&preview, &up);
  EXPECT_EQ(bar->value(), 0);  // Page Up at the top stays at the top
  QKeyEvent down(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
  QApplication::sendEvent(&preview, &down);
  EXPECT_EQ(bar->value(), 10 * bar->singleStep());
}

TEST(UiWindows, PreviewZoomsFitsPagesAndPrints) {
  app();
  CalculationCase c = computedExample();
  TPodWyd preview(c, true, QSize(1280, 1024), nullptr);
  int printed = 0;
  preview.onPrint = [&] { ++printed; };
  preview.show();
  auto click = [&](const char* name) {
    auto* b = preview.findChild<QPushButton*>(name);
    ASSERT_NE(b, nullptr) << name;
    b->click();
  };
  click("BuZoomIn");
  EXPECT_DOUBLE_EQ(preview.zoom(), 1.25);
  EXPECT_EQ(preview.scrollArea()->widget()->width(), 1500);
  click("BuZoomOut");
  click("BuZoomOut");
  EXPECT_DOUBLE_EQ(preview.zoom(), 0.8);
  // Fit: the whole page in the view.
  click("BuFit");
  const QSize view = preview.scrollArea()->viewport()->size();
  const QSize page = preview.scrollArea()->widget()->size();
  EXPECT_LE(page.width(), view.width());
  EXPECT_LE(page.height(), view.height());
  EXPECT_TRUE(page.width() >= view.width() - 1 || page.height() >= view.height() - 1);
  // ... centred in it.
  QApplication::processEvents();
  const QRect placed = preview.scrollArea()->widget()->geometry();
  EXPECT_LE(std::abs(placed.left() - (view.width() - placed.right() - 1)), 1);
  EXPECT_LE(std::abs(placed.top() - (view.height() - placed.bottom() - 1)), 1);
  // One page: nothing to page through; Page Down / Up still scroll.
  EXPECT_FALSE(preview.findChild<QPushButton*>("BuPageNext")->isEnabled());
  EXPECT_FALSE(preview.findChild<QPushButton*>("BuPagePrev")->isEnabled());
  preview.setZoom(1.0);
  QScrollBar* bar = preview.scrollArea()->verticalScrollBar();
  preview.pageDown();
  EXPECT_EQ(bar->value(), 10 * bar->singleStep());
  preview.pageUp();
  EXPECT_EQ(bar->value(), 0);
  click("BuPreviewPrint");
  EXPECT_EQ(printed, 1);
}

TEST(UiWindows, AboutShowsTheVersionAndTheIconExists) {
  app();
  Ttelefon about(nullptr);
  auto* version = about.findChild<QLabel*>("LaWersja");
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version->text(), QString("Version ") + dorvel::kVersion);
  EXPECT_FALSE(applicationIcon().isNull());
  EXPECT_EQ(applicationIcon().availableSizes().value(0), QSize(256, 256));
}

TEST(UiWindows, ClipboardPictureHasTheProportionOfAnASheet) {
  app();
  CalculationCase c = computedExample();
  const QImage image =
      copyPageToClipboard(c, dorvel::output::PageKind::CalculationReport, true, 1280);
  EXPECT_EQ(image.size(), QSize(1280, 1810));
  EXPECT_GT(pixelsNot(image, qRgb(255, 255, 255)), 20000);
  EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(1280, 1810));
}

TEST(UiHelp, EveryContextNumberOpensAnExistingTopic) {
  app();
  // The topic numbers of the commands, the pages' controls and the panels.
  const std::set<int> numbers = {5,   20,  30,  35,  60,  70,  80,  90,  100, 102, 104, 106,
                                 108, 110, 112, 114, 116, 118, 120, 150, 160, 170, 175, 180,
                                 190, 191, 192, 200, 210, 220, 230, 240, 270, 280, 410, 420,
                                 450, 460, 470, 480};
  ASSERT_FALSE(helpFolder().isEmpty());
  HelpWindow window;
  for (int n : numbers) {
    const HelpTopic* topic = findHelpTopic(n);
    ASSERT_NE(topic, nullptr) << n;
    QUrl page = topicUrl(n, window.language());
    page.setFragment({});
    const QString html = QString::fromUtf8(window.engine()->fileData(page));
    ASSERT_FALSE(html.isEmpty()) << n << " " << topic->file;
    if (*topic->anchor != '\0') {
      EXPECT_TRUE(html.contains(QString("id=\"%1\"").arg(topic->anchor))) << n;
    }
    EXPECT_TRUE(window.showTopic(n)) << n;
    EXPECT_FALSE(window.browser()->toPlainText().isEmpty()) << n;
    // The controls' numbers (below 300, but for the window topics) have pop-up texts.
    if (n < 270 && n != 5) {
      EXPECT_FALSE(popupText(n).isEmpty()) << n;
    }
  }
  EXPECT_FALSE(window.showTopic(999));
  EXPECT_EQ(window.currentTopic(), 480);
  EXPECT_EQ(findHelpTopic(999), nullptr);
}

TEST(UiHelp, F1OnAFocusedControlOpensItsTopic) {
  app();
  HelpSystem& help = HelpSystem::instance();
  help.installKeyHandler();
  QWidget owner;
  help.setOwner(&owner);
  auto* pressure = new QLineEdit(&owner);
  pressure->setObjectName("Edp");
  setHelpTopic(pressure, 80);
  owner.show();
  QApplication::setActiveWindow(&owner);
  pressure->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), pressure);
  QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QApplication::sendEvent(pressure, &f1);
  ASSERT_NE(help.window(), nullptr);
  EXPECT_EQ(help.window()->currentTopic(), 80);
  EXPECT_TRUE(help.window()->browser()->toPlainText().contains("Upstream Absolute Pressure"));
  EXPECT_EQ(help.window()->browser()->source().fragment(), "pressure");
  help.removeKeyHandler();
  help.setOwner(nullptr);
}

TEST(UiHelp, PopupGoesToTheLastStoredPosition) {
  app();
  HelpSystem& help = HelpSystem::instance();
  EXPECT_FALSE(help.handleHelp(HelpCommand::SetPopupPosition, 0, QPoint(10, 20)));
  help.handleHelp(HelpCommand::ShowPopup, 80);
  EXPECT_EQ(help.lastPopupNumber(), 80);
  EXPECT_EQ(help.lastPopupPosition(), QPoint(10, 20));
  help.handleHelp(HelpCommand::SetPopupPosition, 0, QPoint(300, 400));
  help.handleHelp(HelpCommand::ShowPopup, 30);
  EXPECT_EQ(help.lastPopupNumber(), 30);
  EXPECT_EQ(help.lastPopupPosition(), QPoint(300, 400));
  EXPECT_TRUE(help.handleHelp(HelpCommand::Other, 0));  // the default handling runs
}

TEST(UiWindows, AboutWindowHasOkAndNoMoreButton) {
  app();
  Ttelefon about;
  about.show();
  ASSERT_NE(about.okButton(), nullptr);
  EXPECT_EQ(about.okButton()->text(), "OK");
  auto* more = about.findChild<QPushButton*>("BuWiecej");
  ASSERT_NE(more, nullptr);
  EXPECT_FALSE(more->isVisible());
  about.okButton()->click();
  EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(UiHelp, MissingHelpFolderShowsNothing) {
  app();
  setHelpFolder("/nonexistent/dorvel-help");
  EXPECT_TRUE(popupText(80).isEmpty());
  HelpSystem& help = HelpSystem::instance();
  const int before = help.lastPopupNumber();
  EXPECT_FALSE(help.handleHelp(HelpCommand::ShowContext, 80));
  help.handleHelp(HelpCommand::ShowPopup, 30);
  EXPECT_EQ(help.lastPopupNumber(), before);
  if (help.window() != nullptr) {
    EXPECT_FALSE(help.window()->isVisible());
  }
  setHelpFolder({});
  EXPECT_FALSE(helpFolder().isEmpty());
}

TEST(UiWindows, PrintMenuPutsEitherPageOnTheClipboard) {
  app();
  CalculationCase c = computedExample();
  RecordingInteraction rec;
  ResultsPage page(c, rec);
  ASSERT_EQ(page.enter(), EnterOutcome::ResultsShown);
  const QStringList items = {"WydrukProtoko", "WydrukWykres", "Podgldwydruku1",
                             "Wydrukdoschowka1", "Wydrukdoschowka2"};
  for (const QString& name : items) EXPECT_NE(page.printMenu()->findChild<QAction*>(name), nullptr);
  page.printMenu()->findChild<QAction*>("Wydrukdoschowka2")->trigger();
  const QImage image = QApplication::clipboard()->image();
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.height(), dorvel::output::bitmapPageHeight(image.width()));
  // The uncertainty page with its graphs and table: far more ink than an
  // empty page.
  EXPECT_GT(pixelsNot(image, qRgb(255, 255, 255)), 20000);
}
