// A day's work in the window: Qt's own dialogs in the interface language,
// the table window and File > Export PDF in that language, texts turned over
// on a switch, a refused calculation leading to its field, the page keys,
// copies as tab-separated text and a settings file that is no file.
#include <QAction>
#include <QDir>
#include <QMenu>
#include <cmath>
#include <QClipboard>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>

#include <sys/stat.h>
#include <unistd.h>

#include "support/ui_window.h"
#include "ui/copy_text.h"
#include "ui/output_windows.h"
#include "ui/results_page.h"
#include "ui/texts/language.h"

namespace dorvel {
namespace {

using testing::UiWindowTest;
using ui::Language;

const QString kExample = QStringLiteral(DORVEL_SOURCE_DIR "/examples/water-orifice-flange.dvl");

class UiDailyTest : public UiWindowTest {
 protected:
  void TearDown() override {
    window->setLanguage(Language::English);
    UiWindowTest::TearDown();
  }
  ui::ResultsPage* results() { return window->findChild<ui::ResultsPage*>(); }
  // Runs `inside` on the modal window that `open` shows, then closes it.
  template <class W>
  void whileOpen(const std::function<void()>& open, const std::function<void(W*)>& inside) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
      auto* w = qobject_cast<W*>(QApplication::activeModalWidget());
      ASSERT_NE(w, nullptr);
      seen = true;
      inside(w);
      w->close();
    });
    open();
    EXPECT_TRUE(seen);
  }
};

// The text of a PDF (poppler-utils' pdftotext); "" when it cannot be read.
QString pdfText(const QString& path) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
  if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

TEST_F(UiDailyTest, QtsOwnDialogsSpeakTheInterfaceLanguage) {
  QTranslator reference;
  ASSERT_TRUE(reference.load(QStringLiteral("qtbase_pl"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      << "qt6-translations-l10n is not installed";
  const QString polishLookIn = reference.translate("QFileDialog", "Look in:");
  ASSERT_FALSE(polishLookIn.isEmpty());
  ASSERT_NE(polishLookIn, QStringLiteral("Look in:"));
  auto lookIn = [] {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* label = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    return label ? label->text() : QString();
  };
  window->setLanguage(Language::Polish);
  EXPECT_EQ(lookIn(), polishLookIn);
  window->setLanguage(Language::English);
  EXPECT_EQ(lookIn(), QStringLiteral("Look in:"));
}

TEST_F(UiDailyTest, TableWindowAndExportPdfFollowTheInterfaceLanguage) {
  ASSERT_TRUE(window->openDataFile(kExample));
  window->setLanguage(Language::Polish);
  window->show();
  window->setCurrentPage(ui::TDanegl::PageResults);
  ASSERT_TRUE(results()->hasResults());
  // "Wydruki angielskie..." chose English printouts; the table still speaks
  // Polish, and File > Export PDF writes the Polish report.
  results()->button("BBWydrukiAn")->click();
  results()->printMenu()->hide();
  whileOpen<ui::TTabela>([&] { results()->button("BBTabela")->click(); },
                         [](ui::TTabela* t) {
                           EXPECT_FALSE(t->table().english);
                           EXPECT_EQ(t->table().headings[0], "Punkt na skali");
                           EXPECT_EQ(t->table().headings[1], "Skala liniowa");
                           // A screen reader gets the rows.
                           EXPECT_TRUE(t->paintBox()->accessibleDescription().contains(
                               QStringLiteral("Punkt na skali")));
                         });
  const QString path = QStringLiteral(DORVEL_BINARY_DIR "/ui_daily_export.pdf");
  QFile::remove(path);
  results()->chooseExportFile = [&](const QString&) { return path; };
  window->exportPdfAction()->trigger();
  const QString polish = pdfText(path);
  ASSERT_FALSE(polish.isEmpty());
  EXPECT_TRUE(polish.contains(QStringLiteral("Średnica"), Qt::CaseInsensitive)) << polish.left(400).toStdString();
  // The print menu's own item still writes the language its button chose.
  QFile::remove(path);
  results()->exportPdf(output::PageKind::CalculationReport);
  EXPECT_FALSE(pdfText(path).contains(QStringLiteral("Średnica"), Qt::CaseInsensitive));
  // English interface: the English table.
  window->setLanguage(Language::English);
  whileOpen<ui::TTabela>([&] { results()->button("BBTabela")->click(); },
                         [](ui::TTabela* t) { EXPECT_EQ(t->table().headings[0], "Reading"); });
}

TEST_F(UiDailyTest, ShownResultsTurnOverOnASwitch) {
  ASSERT_TRUE(window->openDataFile(kExample));
  // A pipe beyond the orifice's range, accepted: results that do not
  // conform, with the uncertainty "Not known".
  ASSERT_EQ(c().task, 3);
  choose("CBTyp", 3);  // ISA 1932 nozzle: pipes up to 500 mm
  type("EdD20", "600");
  type("Edit5", "300");
  c().upstreamLengthActual = c().downstreamLengthActual = 0;
  window->setCurrentPage(ui::TDanegl::PageResults);
  ASSERT_TRUE(results()->hasResults());
  EXPECT_TRUE(ui.saw("Pipe diameter too large. Continue? "
                     "The results will not conform to the standard."));
  EXPECT_EQ(text("Labe203").trimmed(), "Not known");
  const QString warning = window->statusText();
  ASSERT_TRUE(warning.startsWith("Data out of range")) << warning.toStdString();
  window->setLanguage(Language::Polish);
  EXPECT_EQ(text("Labe203").trimmed(), "Nieznana");
  EXPECT_EQ(text("Labe3"), QString::fromUtf8("Niepewność pomiaru"));
  EXPECT_NE(window->statusText(), warning);
  EXPECT_EQ(window->statusText(), ui::textIn(warning, Language::Polish));
  window->setLanguage(Language::English);
  EXPECT_EQ(window->statusText(), warning);
  EXPECT_EQ(text("Labe203").trimmed(), "Not known");
  EXPECT_EQ(text("Labe3"), "Measurement uncertainty");
}

TEST_F(UiDailyTest, ARefusedCalculationLeadsToItsField) {
  ASSERT_TRUE(window->openDataFile(kExample));
  window->show();
  // Temperature beyond the range: back on "Basic Input Data" at the
  // temperature, not at the description.
  type("Edtc", "700");
  window->setCurrentPage(ui::TDanegl::PageResults);
  EXPECT_EQ(window->pageControl()->currentIndex(), ui::TDanegl::PageBasic);
  EXPECT_EQ(window->focusWidget(), find<QLineEdit>("Edtc"));
  type("Edtc", "20");
  // A straight length refused: the uncertainty page, at the length.
  ASSERT_EQ(c().task, 3);
  c().upstreamLengthActual = 0.01L;
  window->setCurrentPage(ui::TDanegl::PageResults);
  ASSERT_TRUE(ui.saw("Upstream straight length too short."));
  EXPECT_EQ(window->pageControl()->currentIndex(), ui::TDanegl::PageUncertainty);
  EXPECT_EQ(window->focusWidget(), find<QLineEdit>("EdDlu1"));
  c().upstreamLengthActual = 0;
  // A deviation answered No: the pipe diameter.
  ui.setDefaultAnswer(false);
  type("EdD20", "1100");
  window->setCurrentPage(ui::TDanegl::PageResults);
  EXPECT_EQ(window->pageControl()->currentIndex(), ui::TDanegl::PageBasic);
  EXPECT_EQ(window->focusWidget(), find<QLineEdit>("EdD20"));
}

TEST_F(UiDailyTest, KeysChangePagesSaveAndCalculateFromAnywhere) {
  window->show();
  QApplication::setActiveWindow(window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QLineEdit* d20 = find<QLineEdit>("EdD20");
  d20->setFocus();
  QTest::keyClick(d20, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(window->pageControl()->currentIndex(), ui::TDanegl::PageUncertainty);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(window->pageControl()->currentIndex(), ui::TDanegl::PageBasic);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(window->pageControl()->currentIndex(), ui::TDanegl::PageUncertainty);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                  Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(window->pageControl()->currentIndex(), ui::TDanegl::PageBasic);
  // F9: the results, calculated.
  ASSERT_TRUE(window->openDataFile(kExample));
  find<QLineEdit>("Edtc")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
  EXPECT_EQ(window->pageControl()->currentIndex(), ui::TDanegl::PageResults);
  EXPECT_TRUE(results()->hasResults());
  // Ctrl+S on a case without a file: the save dialog.
  window->askYesNoCancel = [](const QString&) { return 0; };
  ui.setDefaultAnswer(true);
  window->fileNew();
  int asked = 0;
  window->chooseSaveFile = [&](const QString&) {
    ++asked;
    return QString();
  };
  find<QLineEdit>("EdTytu")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(asked, 1);
  // The buttons carry mnemonics in both languages.
  for (Language l : {Language::English, Language::Polish}) {
    window->setLanguage(l);
    for (const char* name : {"BBWydrukiAn", "BBTabela", "BBWykres", "BuKoniec2", "BBPomoc",
                             "BuKoniec", "BuKomentNiepe"})
      EXPECT_TRUE(find<QPushButton>(name)->text().contains('&')) << name;
  }
}

TEST_F(UiDailyTest, ResultsTableAndGraphPointsCopyAsTabSeparatedText) {
  ASSERT_TRUE(window->openDataFile(kExample));
  window->show();
  window->setCurrentPage(ui::TDanegl::PageResults);
  ASSERT_TRUE(results()->hasResults());
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->clear();
  auto* copy = results()->printMenu()->findChild<QAction*>("MnPopCopyResults");
  ASSERT_NE(copy, nullptr);
  copy->trigger();
  const QStringList lines = clipboard->text().split('\n', Qt::SkipEmptyParts);
  ASSERT_GE(lines.size(), 12);
  // Caption, value and unit as the page shows them.
  EXPECT_EQ(lines[0], text("Labe1").trimmed() + '\t' + text("Labe201").trimmed() + '\t' +
                          text("Labe301").trimmed());
  for (const QString& line : lines) EXPECT_EQ(line.count('\t'), 2) << line.toStdString();
  EXPECT_FALSE(window->statusBar()->currentMessage().isEmpty());

  // The range table: eight rows of heading, unit and ten cells.
  clipboard->clear();
  ui::TTabela table(c(), true, window.get());
  table.show();
  auto* tableCopy = table.findChild<QAction*>("MnCopyText");
  ASSERT_NE(tableCopy, nullptr);
  EXPECT_EQ(tableCopy->shortcut(), QKeySequence(QKeySequence::Copy));
  tableCopy->trigger();
  const QStringList rows = clipboard->text().split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(rows.size(), 8);
  for (const QString& row : rows) EXPECT_EQ(row.split('\t').size(), 12) << row.toStdString();
  EXPECT_TRUE(rows[0].startsWith("Reading\t%qmax\t100\t90\t"));
  const QStringList exact = rows[2].split('\t');
  EXPECT_EQ(exact[2].toStdString(), QString::fromStdString(table.table().cell(3, 0)).trimmed().toStdString());
  // The cells read back as the numbers of the table.
  EXPECT_NEAR(exact[2].toDouble(), double(table.table().columns[0].qExact),
              std::pow(10.0, -table.table().columns[0].flowDecimals));
  table.close();

  // The graphs' points: a heading line and one line per point.
  clipboard->clear();
  ui::Twykresy graphs(c(), window.get());
  auto* graphCopy = graphs.findChild<QAction*>("MnCopyText");
  ASSERT_NE(graphCopy, nullptr);
  graphCopy->trigger();
  const QStringList points = clipboard->text().split('\n', Qt::SkipEmptyParts);
  ASSERT_GT(points.size(), 50);
  EXPECT_TRUE(points[0].startsWith("Flowrate ["));
  // The first point is the upper range: its uncertainty is the calculation's.
  const QStringList first = points[1].split('\t');
  ASSERT_EQ(first.size(), 6);
  EXPECT_NEAR(first[2].toDouble(), double(c().flowUncertainty), 1e-4);
}

TEST(UiDailyTheme, WhatsThisToolButtonShowsOnADarkTheme) {
  testing::testApplication();
  const QPalette before = QApplication::palette();
  QPalette dark = before;
  for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
    dark.setColor(role, QColor(0x20, 0x20, 0x20));
  for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
    dark.setColor(role, QColor(0xee, 0xee, 0xee));
  QApplication::setPalette(dark);
  {
    ui::TDanegl window;
    auto* tools = window.findChild<QToolBar*>("ToolBar1");
    auto* action = window.findChild<QAction*>("SbWhatsThis");
    ASSERT_TRUE(tools && action);
    const QImage image = action->icon().pixmap(24, 24).toImage();
    // Ink that stands out from the dark background: light, opaque pixels.
    int light = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        if (c.alpha() > 128 && c.lightness() > 160) ++light;
      }
    EXPECT_GT(light, 20);
    window.caseRef().caseModified = false;
  }
  QApplication::setPalette(before);
}

TEST(UiDailySettings, AFifoInPlaceOfTheSettingsFileNeverBlocks) {
  testing::testApplication();
  // A configuration folder of this test alone (the other window tests may
  // run beside it), for the program and for Qt's settings.
  QTemporaryDir config;
  ASSERT_TRUE(config.isValid());
  const QByteArray before = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
  const QString path = ui::desktopSettingsPath();
  ASSERT_TRUE(path.startsWith(config.path()));
  QDir().mkpath(QFileInfo(path).absolutePath());
  ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
  // A hang here fails the test instead of waiting forever.
  ::alarm(60);
  EXPECT_FALSE(ui::desktopSettingsUsable());
  EXPECT_EQ(ui::rememberedLanguage(), Language::English);
  ui::rememberLanguage(Language::Polish);
  {
    ui::TDanegl window;
    window.startUp(kExample, false);
    window.restoreWindowGeometry();
    EXPECT_TRUE(window.recentFiles().isEmpty());  // defaults: nothing remembered
    window.caseRef().caseModified = false;
    window.close();
  }
  ::alarm(0);
  struct stat st {};
  ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));  // left alone
  QFile::remove(path);
  EXPECT_TRUE(ui::desktopSettingsUsable());  // a missing file is made when needed
  qputenv("XDG_CONFIG_HOME", before);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromLocal8Bit(before));
}

TEST_F(UiDailyTest, PropertyColumnsStayWhenTheUnitsFillIn) {
  ASSERT_TRUE(window->openDataFile(QStringLiteral(DORVEL_SOURCE_DIR "/examples/naturalgas-orifice-corner.dvl")));
  window->show();
  window->setCurrentPage(ui::TDanegl::PageProperties);
  auto* unit = find<QLabel>("La9jed");
  auto* calculate = find<QPushButton>("BuLiczWlGazZiem");
  ASSERT_TRUE(unit->text() == "kg/m3");  // no results yet
  QApplication::processEvents();
  auto place = [&](const char* name) {
    QWidget* w = find<QWidget>(name);
    return w->mapTo(window.get(), QPoint(0, 0));
  };
  const QPoint valueBefore = place("La91v"), unitBefore = place("La9jed");
  calculate->click();
  QApplication::processEvents();
  ASSERT_TRUE(unit->text().contains("kPa")) << unit->text().toStdString();
  EXPECT_EQ(place("La91v"), valueBefore);
  EXPECT_EQ(place("La9jed"), unitBefore);
  EXPECT_GE(unit->width(), unit->sizeHint().width());
}

TEST_F(UiDailyTest, EditsAreNamedAfterTheirQuantityAndDialogsShowTheirColumns) {
  // The drain-hole row holds the eccentric orifice's pipe roughness too.
  choose("CBTyp", 11);  // eccentric orifice plate
  EXPECT_EQ(find<QLineEdit>("EdchropdlaMimo")->accessibleName(), "Pipe roughness");
  EXPECT_EQ(find<QLineEdit>("Edotworuspust")->accessibleName(), "Drain Hole Diameter");
  window->setLanguage(Language::Polish);
  EXPECT_EQ(find<QLineEdit>("EdchropdlaMimo")->accessibleName(),
            ui::textIn("Pipe roughness", Language::Polish));
  EXPECT_NE(find<QLineEdit>("EdchropdlaMimo")->accessibleName(), "Pipe roughness");
  // The file dialogs: the detail view, wide enough for its columns.
  for (const char* name : {"OpenDialog1", "SaveDialog1"}) {
    auto* dialog = find<QFileDialog>(name);
    EXPECT_EQ(dialog->viewMode(), QFileDialog::Detail) << name;
    EXPECT_GE(dialog->width(), 800) << name;
  }
}

TEST_F(UiDailyTest, ACaseFromTheCommandLineIsARecentFile) {
  // Out of the list first, so that only the start-up can bring it back.
  {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Dorvel", "dorvel-gui");
    QStringList files = s.value("recent/files").toStringList();
    files.removeAll(QFileInfo(kExample).absoluteFilePath());
    s.setValue("recent/files", files);
  }
  ui::TDanegl next;
  next.setInteraction(&ui);
  next.startUp(kExample, false);
  // (contains: window tests running beside this one add files too)
  EXPECT_TRUE(next.recentFiles().contains(QFileInfo(kExample).absoluteFilePath()));
  // A start-up file that cannot be read leaves no path in the caption.
  ui::TDanegl broken;
  broken.setInteraction(&ui);
  broken.startUp(QStringLiteral(DORVEL_BINARY_DIR "/no-such-case.dvl"), false);
  EXPECT_TRUE(broken.caseRef().dataFilePath.empty());
  EXPECT_FALSE(broken.windowTitle().contains("no-such-case"));
  next.caseRef().caseModified = false;
  broken.caseRef().caseModified = false;
}

}  // namespace
}  // namespace dorvel
