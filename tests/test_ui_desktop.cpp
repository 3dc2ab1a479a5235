// The main window as a desktop user meets it: quiet number entry, refused
// page changes that never show the other page, no lost edits, names and
// hints, accessible names, What's This, screen fitting and PDF export.
#include <QAccessible>
#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QHelpEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QWhatsThis>

#include "output/uncertainty_graphs.h"
#include "support/ui_window.h"
#include "ui/dialogs.h"
#include "ui/help_viewer.h"
#include "ui/page_edit.h"
#include "ui/results_page.h"

namespace dorvel {
namespace {

using testing::UiWindowTest;

const QString kExample = QStringLiteral(DORVEL_SOURCE_DIR "/examples/water-orifice-flange.dvl");

TEST_F(UiWindowTest, NumberEntryIsQuietWhileTypingAndReportsOnce) {
  // Half-typed numbers ("1e", ".", "-1e-") are not errors yet.
  type("Edp", "1e5");
  EXPECT_EQ(c().pressureInput, 1e5L);
  type("Edtc", ".5");
  EXPECT_EQ(c().temperature, 0.5L);
  type("EdD20", "-1e-5");
  EXPECT_EQ(c().pipeDiameter20, -1e-5L);
  EXPECT_TRUE(ui.log().empty());
  // A text that stays wrong: the last number is kept, one message when the
  // page changes, and the edit shows the stored value again.
  type("EdD20", "80");
  QTest::keyClicks(find<QLineEdit>("EdD20"), QString(2000, QLatin1Char('x')));
  EXPECT_TRUE(ui.log().empty());
  EXPECT_EQ(c().pipeDiameter20, 80.0L);
  window->setCurrentPage(ui::TDanegl::PageUncertainty);
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0], "Number error 80" + std::string(2000, 'x'));
  EXPECT_EQ(text("EdD20"), "80");
  // Editing finished reports it too, once; a task row edit as well.
  type("EdKlasa1", "0.2q");
  emit find<QLineEdit>("EdKlasa1")->editingFinished();
  emit find<QLineEdit>("EdKlasa1")->editingFinished();
  EXPECT_EQ(ui.messages().size(), 2u);
  EXPECT_EQ(text("EdKlasa1"), " 0.2");
  window->setCurrentPage(ui::TDanegl::PageBasic);
  type("Edit6", "3..");
  emit find<QLineEdit>("Edit6")->editingFinished();
  EXPECT_EQ(ui.messages().back(), "Number error 3..");
  EXPECT_EQ(text("Edit6"), "3");
  EXPECT_EQ(c().dpInput, 3.0L);
}

TEST_F(UiWindowTest, RefusedPageChangeNeverShowsTheOtherPage) {
  window->show();
  window->setCurrentPage(ui::TDanegl::PageUncertainty);
  type("EdKlasa1", "0.5");
  QSignalSpy changes(window->pageControl(), &QTabWidget::currentChanged);
  QTabBar* bar = window->pageControl()->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(ui::TDanegl::PageBasic).center());
  QTest::keyClick(window->pageControl(), Qt::Key_PageDown, Qt::ControlModifier);
  find<QRadioButton>("RadioButton1")->click();  // a task change also leaves the page
  EXPECT_EQ(changes.count(), 0);
  EXPECT_EQ(window->pageControl()->currentIndex(), ui::TDanegl::PageUncertainty);
  EXPECT_EQ(ui.messages().size(), 3u);
  EXPECT_EQ(ui.messages().back(), "Enter the reference value of transducer error.");
  type("EdKlasa2", "2500");
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(ui::TDanegl::PageBasic).center());
  EXPECT_EQ(window->pageControl()->currentIndex(), ui::TDanegl::PageBasic);
}

TEST_F(UiWindowTest, ClosingKeepsTheCaseWhenItIsNotSaved) {
  type("EdD20", "80");
  window->askYesNoCancel = [](const QString&) { return 1; };
  // Cancel in the save dialog.
  window->chooseSaveFile = [](const QString&) { return QString(); };
  EXPECT_FALSE(window->close());
  // A write that fails: "Output error" and the window stays.
  window->chooseSaveFile = [](const QString&) {
    return QStringLiteral(DORVEL_BINARY_DIR "/no-such-folder/case.dvl");
  };
  EXPECT_FALSE(window->close());
  // The first line, the file and the system's reason.
  const QStringList lines = QString::fromStdString(ui.messages().back()).split('\n');
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0], "Output error");
  EXPECT_EQ(lines[1], DORVEL_BINARY_DIR "/no-such-folder/case.dvl");
  EXPECT_TRUE(lines[2].contains("No such file or directory")) << lines[2].toStdString();
  EXPECT_TRUE(c().caseModified);
  EXPECT_EQ(c().pipeDiameter20, 80.0L);
  // A write that works closes it.
  const QString path = QStringLiteral(DORVEL_BINARY_DIR "/ui_closing_case.dvl");
  window->chooseSaveFile = [&](const QString&) { return path; };
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(QFile::exists(path));
}

TEST_F(UiWindowTest, OpenAndDropAskToSaveChangesFirst) {
  type("EdD20", "80");
  int asked = 0, dialogs = 0;
  window->askYesNoCancel = [&](const QString& q) {
    EXPECT_EQ(q, "Save changes ?");
    ++asked;
    return -1;
  };
  window->chooseOpenFile = [&](const QString&) {
    ++dialogs;
    return kExample;
  };
  window->fileOpen();
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(dialogs, 0);
  EXPECT_EQ(c().pipeDiameter20, 80.0L);
  // A case dropped on the window: the same question, then No opens it.
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(kExample)});
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  // (Delivered to the window directly: there is no drag in progress.)
  QObject* target = window.get();
  target->event(&drop);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(c().pipeDiameter20, 80.0L);
  window->askYesNoCancel = [&](const QString&) { return 0; };
  target->event(&drop);
  EXPECT_NE(c().pipeDiameter20, 80.0L);
  EXPECT_FALSE(c().caseModified);
  // It is the first of the recent files.
  EXPECT_EQ(window->recentFiles().value(0), QFileInfo(kExample).absoluteFilePath());
  auto* recent = find<QMenu>("MnRecent");
  ASSERT_FALSE(recent->actions().isEmpty());
  EXPECT_EQ(recent->actions().first()->text(), "&1 water-orifice-flange.dvl");
}

TEST_F(UiWindowTest, CaptionCarriesTheModifiedMarker) {
  EXPECT_EQ(window->windowTitle(), window->baseCaption() + "[*]");
  EXPECT_FALSE(window->isWindowModified());
  type("Edtc", "20");
  EXPECT_TRUE(window->isWindowModified());
  choose("CBMatRur", 3);
  window->chooseOpenFile = [](const QString&) { return kExample; };
  window->askYesNoCancel = [](const QString&) { return 0; };
  window->fileOpen();
  EXPECT_EQ(window->windowTitle(), kExample + " - " + window->baseCaption() + "[*]");
  EXPECT_FALSE(window->isWindowModified());
}

TEST_F(UiWindowTest, NamedControlsHintsAndStatusColour) {
  for (const char* name : {"LaPow1", "Lapow2", "Lapow3", "Lapow4", "LaPow5", "LaPow9", "LaKoks1",
                           "LaKoks2", "LaKoks3", "LaKoks4", "LaKoks5", "LaKoks6", "La9WlaFiz",
                           "La96", "PaWlFiz"})
    EXPECT_NE(window->findChild<QWidget*>(name), nullptr) << name;
  EXPECT_NE(window->findChild<QFileDialog*>("OpenDialog1"), nullptr);
  EXPECT_NE(window->findChild<QFileDialog*>("SaveDialog1"), nullptr);
  EXPECT_TRUE(window->findChild<QFileDialog*>("OpenDialog1")->nameFilters().contains(
      "Dorvel cases (*.dvl)"));
  for (const char* name : {"Llep", "Lkapa", "Cbges", "BuKasujSklad7", "BuKasuj9", "La91", "La92",
                           "La93", "La94"})
    EXPECT_FALSE(find<QWidget>(name)->toolTip().isEmpty()) << name;
  for (const char* name : {"MnWhatsThis", "MnExportPdf", "MnPopExportPdfReport",
                           "MnPopExportPdfGraphs", "SbWhatsThis"})
    EXPECT_NE(window->findChild<QAction*>(name), nullptr) << name;
  // The red request colours the whole bar, not only its text.
  window->setStatusRequest("request");
  EXPECT_EQ(window->statusBar()->palette().color(QPalette::Window), QColor(Qt::red));
  EXPECT_TRUE(window->statusBar()->autoFillBackground());
}

TEST_F(UiWindowTest, EveryControlHasAnAccessibleName) {
  EXPECT_EQ(QAccessible::queryAccessibleInterface(find<QLineEdit>("Edtc"))->text(QAccessible::Name),
            "Fluid Temperature");
  QStringList nameless;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (w->window() != window.get()) continue;  // the file dialogs' own controls
    if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QLineEdit*>(w) &&
        !qobject_cast<QComboBox*>(w))
      continue;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (a == nullptr || a->text(QAccessible::Name).trimmed().isEmpty())
      nameless << w->objectName() + "/" + w->metaObject()->className();
  }
  EXPECT_TRUE(nameless.isEmpty()) << nameless.join(", ").toStdString();
}

TEST_F(UiWindowTest, WhatsThisShowsTheControlsPopupAtThePoint) {
  window->show();
  ui::HelpSystem& help = ui::HelpSystem::instance();
  const QPoint at(123, 234);
  QHelpEvent onEdit(QEvent::WhatsThis, QPoint(3, 3), at);
  QApplication::sendEvent(find<QLineEdit>("Edp"), &onEdit);
  EXPECT_EQ(help.lastPopupNumber(), 80);
  EXPECT_EQ(help.lastPopupPosition(), at);
  QHelpEvent onList(QEvent::WhatsThis, QPoint(3, 3), at + QPoint(5, 5));
  QApplication::sendEvent(find<QComboBox>("CBTyp"), &onList);
  EXPECT_EQ(help.lastPopupNumber(), 60);
  EXPECT_EQ(help.lastPopupPosition(), at + QPoint(5, 5));
  QWhatsThis::hideText();
  auto* mode = window->findChild<QAction*>("MnWhatsThis");
  EXPECT_EQ(mode->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F1));
  mode->trigger();
  EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
  QWhatsThis::leaveWhatsThisMode();
}

TEST_F(UiWindowTest, WindowFitsTheAvailableAreaWithItsFrame) {
  const QRect avail = window->screen()->availableGeometry();
  window->fitToScreen(true);
  // The title bar and the borders are room too: the window never takes the
  // whole height.
  EXPECT_LE(window->height() + 24, avail.height());
  EXPECT_LE(window->width(), avail.width());
  EXPECT_EQ(window->pos(), avail.topLeft());
  // The wanted height holds the results up to the "Limits of use" group.
  EXPECT_GT(window->wantedSize().height(), window->findChild<QWidget*>("PanelWyniki")->sizeHint().height());
}

TEST_F(UiWindowTest, ClosedWindowsSizeComesBackNextTime) {
  // A size the user chose survives closing the window; a size larger than
  // the screen would not, it is fitted to the available area again.
  const QRect avail = window->screen()->availableGeometry();
  window->show();
  window->resize(700, 500);
  ASSERT_TRUE(window->close());
  ui::TDanegl next;
  next.restoreWindowGeometry();
  EXPECT_EQ(next.size(), QSize(700, 500));

  next.resize(avail.width() * 2, avail.height() * 2);
  ASSERT_TRUE(next.close());
  ui::TDanegl third;
  third.restoreWindowGeometry();
  EXPECT_LE(third.width(), avail.width());
  EXPECT_LE(third.height(), avail.height());
  third.caseRef().caseModified = false;
}

TEST_F(UiWindowTest, ResultsExportToPdfBesideTheCase) {
  window->askYesNoCancel = [](const QString&) { return 0; };
  ASSERT_TRUE(window->openDataFile(kExample));
  auto* page = window->findChild<ui::ResultsPage*>();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->suggestedPdfPath(output::PageKind::CalculationReport),
            QFileInfo(kExample).absolutePath() + "/water-orifice-flange-report.pdf");
  EXPECT_FALSE(window->exportPdfAction()->isEnabled());
  window->setCurrentPage(ui::TDanegl::PageResults);
  ASSERT_TRUE(page->hasResults());
  EXPECT_TRUE(window->exportPdfAction()->isEnabled());
  const QString path = QStringLiteral(DORVEL_BINARY_DIR "/ui_export_graphs.pdf");
  QFile::remove(path);
  page->chooseExportFile = [&](const QString&) { return path; };
  EXPECT_TRUE(page->exportPdf(output::PageKind::UncertaintyAnalysis));
  QFile pdf(path);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");
  pdf.close();
  // File > Export PDF...: the report and the uncertainty page as one
  // document of two pages.
  const QString both = QStringLiteral(DORVEL_BINARY_DIR "/ui_export_both.pdf");
  QFile::remove(both);
  page->chooseExportFile = [&](const QString& suggested) {
    EXPECT_TRUE(suggested.endsWith("water-orifice-flange-report-graphs.pdf")) << suggested.toStdString();
    return both;
  };
  window->exportPdfAction()->trigger();
  QFile twoPages(both);
  ASSERT_TRUE(twoPages.open(QIODevice::ReadOnly));
  EXPECT_EQ(twoPages.readAll().count("/Type /Page\n"), 2);
  EXPECT_NE(page->printMenu()->findChild<QAction*>("WydrukOba"), nullptr);
  EXPECT_NE(page->printMenu()->findChild<QAction*>("MnPopExportPdfBoth"), nullptr);
  page->chooseExportFile = [](const QString&) {
    return QStringLiteral(DORVEL_BINARY_DIR "/no-such-folder/x.pdf");
  };
  EXPECT_FALSE(page->exportPdf(output::PageKind::CalculationReport));
  EXPECT_EQ(ui.messages().back(), "Cannot write the PDF file " DORVEL_BINARY_DIR "/no-such-folder/x.pdf");
  // Leaving the page: nothing to export from the File menu; entering it
  // again with refused inputs leaves no command enabled over an empty page.
  window->setCurrentPage(ui::TDanegl::PageBasic);
  EXPECT_FALSE(window->exportPdfAction()->isEnabled());
  type("EdD20", "0");
  window->setCurrentPage(ui::TDanegl::PageResults);
  EXPECT_FALSE(page->hasResults());
  for (const char* name : {"BBWydrukiAn", "BBTabela", "BBWykres"})
    EXPECT_FALSE(page->button(name)->isEnabled()) << name;
}

TEST_F(UiWindowTest, HumidityDialogEnterCalculatesAndKeepsItsSize) {
  ui::TFWilgo dialog(window.get());
  c().fluidKind = FluidAir;
  c().temperature = 20;
  c().pressureInput = 5;
  c().pressureUnit = 4;
  c().humidityMeasTemperature = 20;
  c().humidityMeasPressure = 1;
  dialog.prepare(c(), ui);
  dialog.show();
  const QSize before = dialog.size();
  auto* phi = dialog.findChild<QLineEdit*>("EdWil");
  phi->selectAll();
  QTest::keyClicks(phi, "50");
  QTest::keyClick(phi, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_TRUE(dialog.findChild<QLabel*>("LaWynik1")->text().endsWith("[%]"));
  EXPECT_EQ(dialog.size(), before);
  EXPECT_TRUE(ui.log().empty());  // no "Use TAB" message in the dialog
}

TEST_F(UiWindowTest, HumidityCorrectionClearsTheAirResults) {
  window->show();
  choose("CBPlyn", 2);  // air
  type("Edtc", "25");
  type("Edp", "6");
  choose("CBjcs", 3);  // bar
  window->setCurrentPage(ui::TDanegl::PageProperties);
  find<QPushButton>("LiczWlPow")->click();
  ASSERT_FALSE(text("LaPow7").isEmpty());
  // The dialog: measured at the flowing conditions, 50 %; Calculate, OK.
  QTimer::singleShot(0, [this] {
    auto* dialog = window->findChild<ui::TFWilgo*>();
    ASSERT_NE(dialog, nullptr);
    const char* names[3] = {"EdTem", "EdCi", "EdWil"};
    const char* values[3] = {"25", "6", "50"};
    for (int i = 0; i < 3; ++i) {
      auto* e = dialog->findChild<QLineEdit*>(names[i]);
      e->selectAll();
      QTest::keyClicks(e, values[i]);
    }
    dialog->findChild<QPushButton*>("Button1")->click();
    dialog->accept();
  });
  find<QPushButton>("BuPrzeliczWilgo4")->click();
  EXPECT_GT(c().relativeHumidity, 0.0L);
  EXPECT_TRUE(text("LaPow7").isEmpty());
  EXPECT_TRUE(text("LaPow8").isEmpty());
}

TEST(UiGraphFrame, AbsoluteGraphFrameHasAllFourEdges) {
  // The rectangle around the whole graph area: the right and bottom edges lie
  // on the bitmap, not one pixel beyond it.
  output::GraphData data;
  data.failed = true;  // axes and frame only
  for (const QSize size : {QSize(700, 400), QSize(400, 300)}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    output::drawGraph(painter, output::layoutGraph(data, output::GraphKind::Absolute, size.height(), size.width()),
                      0, 0, false);
    painter.end();
    const int w = size.width(), h = size.height();
    int right = 0, bottom = 0;
    for (int y = 0; y < h; ++y) right += qGray(image.pixel(w - 1, y)) < 128;
    for (int x = 0; x < w; ++x) bottom += qGray(image.pixel(x, h - 1)) < 128;
    EXPECT_GT(right, h * 9 / 10) << w;
    EXPECT_GT(bottom, w * 9 / 10) << w;
  }
}

}  // namespace
}  // namespace dorvel
