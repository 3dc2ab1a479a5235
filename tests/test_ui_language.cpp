// The interface language: every text on every window has a row in the
// Polish/English table, nothing of the other language is left after a
// switch, and switching changes neither the case nor the list codes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <set>
#include <string>

#include "base/case.h"
#include "base/shared.h"
#include "files/case_file.h"
#include "support/ui_window.h"
#include "props/liquids.h"
#include "props/natural_gas.h"
#include "ui/about_window.h"
#include "ui/dialogs.h"
#include "ui/help_viewer.h"
#include "ui/main_window.h"
#include "ui/output_windows.h"
#include "ui/print_commands.h"
#include "ui/results_page.h"

using namespace dorvel;
using namespace dorvel::ui;

namespace {

QApplication& app() {
  QApplication& a = dorvel::testing::testApplication();
  installWindowTranslator();
  return a;
}

QString example(const char* name) {
  return QString(DORVEL_SOURCE_DIR) + "/examples/" + name;
}

// Every text the table and the phrases give, by language.
struct Known {
  std::set<QString> polish, english;
  std::vector<std::pair<QString, QString>> prefixes;  // Polish, English
};

const Known& known() {
  static const Known k = [] {
    Known k;
    for (const TextRow& r : textTable()) {
      if (r.property == TextProperty::Items) {
        for (const QString& s : QString::fromUtf8(r.polish).split('\n')) k.polish.insert(s);
        for (const QString& s : QString::fromUtf8(r.english).split('\n')) k.english.insert(s);
      } else {
        k.polish.insert(QString::fromUtf8(r.polish));
        k.english.insert(QString::fromUtf8(r.english));
      }
    }
    for (const Phrase& p : phraseTable()) {
      k.polish.insert(QString::fromUtf8(p.polish));
      k.english.insert(QString::fromUtf8(p.english));
      if (p.prefix) k.prefixes.emplace_back(QString::fromUtf8(p.polish), QString::fromUtf8(p.english));
    }
    for (const LiquidReference& l : kLiquidsTable) {
      k.polish.insert(QString::fromUtf8(l.polishName.data(), qsizetype(l.polishName.size())));
      k.english.insert(QString::fromUtf8(l.englishName.data(), qsizetype(l.englishName.size())));
    }
    return k;
  }();
  return k;
}

// The verdict on one shown text: "" when it belongs to `language`.
QString judge(QString text, Language language) {
  // Reference conditions and file paths are data, not interface texts.
  static const QRegularExpression conditions(QStringLiteral("\\(-?[0-9.]+ °C, [0-9.]+ kPa\\)"));
  text.remove(conditions);
  // The window system's modified marker of the caption.
  if (text.endsWith(QStringLiteral("[*]"))) text.chop(3);
  // The caption of a window with a file: the path, " - ", the base caption.
  if (const qsizetype dash = text.lastIndexOf(QStringLiteral(" - ")); dash > 0 && text.startsWith('/'))
    text = text.mid(dash + 3);
  if (isNeutralText(text)) return {};
  const Known& k = known();
  const bool polish = language == Language::Polish;
  const std::set<QString>& mine = polish ? k.polish : k.english;
  const std::set<QString>& other = polish ? k.english : k.polish;
  if (mine.count(text) || mine.count(text.trimmed())) return {};
  for (const auto& [pl, en] : k.prefixes)
    if (text.startsWith(polish ? pl : en)) return {};
  if (other.count(text) || other.count(text.trimmed())) return QStringLiteral("other language: ");
  for (const auto& [pl, en] : k.prefixes)
    if (text.startsWith(polish ? en : pl)) return QStringLiteral("other language: ");
  return QStringLiteral("no row: ");
}

// Walks the visible widgets of a window and returns every fault.
QStringList faults(QWidget* window, Language language) {
  QStringList out;
  auto check = [&](const QObject* o, const QString& what, const QString& text) {
    // The recent files show file names and paths.
    static const QRegularExpression recent(QStringLiteral("^MnRecent[0-9]+$"));
    if (text.isEmpty() || recent.match(o->objectName()).hasMatch()) return;
    const QString verdict = judge(text, language);
    if (!verdict.isEmpty())
      out << verdict + o->metaObject()->className() + " " + o->objectName() + " " + what + " \"" +
                 text + "\"";
  };
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  widgets.prepend(window);
  for (QWidget* w : widgets) {
    const bool visible = w == window || w->isVisibleTo(window);
    if (!visible && !qobject_cast<QMenu*>(w)) continue;
    if (w->isWindow() && w != window && !qobject_cast<QMenu*>(w)) continue;  // its own window
    check(w, "hint", w->toolTip());
    if (w == window) check(w, "title", w->windowTitle());
    if (auto* l = qobject_cast<QLabel*>(w)) {
      check(w, "caption", l->text());
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
      check(w, "caption", b->text());
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
      check(w, "caption", g->title());
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
      for (int i = 0; i < c->count(); ++i) check(w, "item", c->itemText(i));
    } else if (auto* t = qobject_cast<QTabWidget*>(w)) {
      for (int i = 0; i < t->count(); ++i) check(w, "tab", t->tabText(i));
    } else if (auto* m = qobject_cast<QMenu*>(w)) {
      check(w, "menu caption", m->title());
      for (QAction* a : m->actions())
        if (!a->isSeparator() && a->isVisible()) check(a, "menu caption", a->text());
    } else if (auto* tw = qobject_cast<QTableWidget*>(w)) {
      for (int c = 0; c < tw->columnCount(); ++c)
        if (tw->horizontalHeaderItem(c)) check(w, "heading", tw->horizontalHeaderItem(c)->text());
      for (int r = 0; r < tw->rowCount(); ++r)
        if (tw->item(r, 0)) check(w, "item", tw->item(r, 0)->text());
    }
  }
  for (QAction* a : window->findChildren<QAction*>())
    if (!a->isSeparator()) {
      // An action without a hint of its own shows its caption as the hint.
      const QString own = QString(a->text()).remove('&').remove(QStringLiteral("..."));
      check(a, "hint", a->toolTip() == own ? QString() : a->toolTip());
    }
  return out;
}

// Shows every page of the window for every fluid and task, collecting the
// faults; the results page with a finished case.
QStringList walkMainWindow(TDanegl& w, Language language) {
  QStringList out;
  CalculationCase& c = w.caseRef();
  for (int fluid : {FluidWater, FluidSteam, FluidAir, FluidNaturalGas, FluidCokeGas,
                    FluidOtherGas, FluidOtherLiquid, FluidLiquidAmmonia}) {
    for (int task : {TaskDiameter, TaskDifferentialPressure, TaskFlowrate}) {
      c.fluidKind = fluid;
      c.task = task;
      c.deviceType = task == TaskDiameter ? DevEccentricOrifice : DevOrificeCorner;
      c.flowUnit = 5;
      w.showCase();
      for (TDanegl::Page p : {TDanegl::PageBasic, TDanegl::PageUncertainty,
                              TDanegl::PageProperties}) {
        w.setCurrentPage(p);
        out << faults(&w, language);
      }
    }
  }
  return out;
}

}  // namespace

TEST(UiLanguage, EveryShownTextHasARowInEitherLanguage) {
  app();
  RecordingInteraction rec;
  TDanegl w;
  w.setInteraction(&rec);
  w.startUp(example("water-orifice-flange.dvl"), false);
  w.show();
  for (Language language : {Language::Polish, Language::English, Language::Polish}) {
    w.setLanguage(language);
    QStringList out = walkMainWindow(w, language);
    // Results, then a case with a warning.
    ASSERT_TRUE(w.openDataFile(example("water-orifice-flange.dvl")));
    w.setCurrentPage(TDanegl::PageResults);
    ASSERT_EQ(w.pageControl()->currentIndex(), TDanegl::PageResults);
    out << faults(&w, language);
    // The results page hands its warnings over in English, a limit appended.
    w.setStatusWarning("Data out of range.  Pipe diameter D must be < 1000 mm !");
    EXPECT_EQ(w.statusText(), language == Language::Polish
                                  ? QString::fromUtf8("Przekroczenie zakresu!  Średnica rurociągu D "
                                                      "ma być < 1000 mm !")
                                  : QString("Data out of range.  Pipe diameter D must be < 1000 mm !"));
    out << faults(&w, language);
    ASSERT_TRUE(w.openDataFile(example("naturalgas-orifice-corner.dvl")));
    w.setCurrentPage(TDanegl::PageResults);
    out << faults(&w, language);
    w.setCurrentPage(TDanegl::PageBasic);
    out.removeDuplicates();
    EXPECT_TRUE(out.isEmpty()) << out.join('\n').toStdString();
  }
  w.setLanguage(Language::English);
}

TEST(UiLanguage, RowsThatReadTheSameInBothLanguagesAreUnitsOrNames) {
  // A row whose Polish equals its English is a text that is the same in
  // both languages; anything else is an untranslated row.
  for (const TextRow& r : textTable()) {
    if (qstrcmp(r.polish, r.english) != 0) continue;
    for (const QString& item : QString::fromUtf8(r.polish).split('\n'))
      EXPECT_TRUE(isNeutralText(item)) << r.control << ": " << item.toStdString();
  }
}

TEST(UiLanguage, AuxiliaryWindowsFollowTheLanguage) {
  app();
  CalculationCase c;
  resetCase(c);
  RecordingInteraction rec;
  ASSERT_TRUE(readCaseFile(example("water-orifice-flange.dvl").toStdString(), c, rec));
  ResultsPage page(c, rec);
  ASSERT_EQ(page.enter(), EnterOutcome::ResultsShown);
  for (Language language : {Language::Polish, Language::English}) {
    QWidget holder;
    applyLanguage(&holder, language);
    TFWilgo humidity;
    humidity.prepare(c, rec);
    TWLcie liquids;
    TTabela table(c, true);
    Twykresy graphs(c);
    Ttelefon about;
    HelpWindow help;
    for (QWidget* win : std::initializer_list<QWidget*>{&humidity, &liquids, &table, &graphs,
                                                        &about, &help}) {
      win->show();
      QCoreApplication::processEvents();
      if (language == Language::Polish) {
        // Something to judge: the windows carry Polish texts now.
        EXPECT_FALSE(win->windowTitle().isEmpty());
        EXPECT_EQ(win->windowTitle(), tx(win->windowTitle()));
      }
      const QStringList out = faults(win, language);
      EXPECT_TRUE(out.isEmpty()) << win->objectName().toStdString() << ":\n"
                                 << out.join('\n').toStdString();
      win->hide();
    }
    // Translated when shown: the humidity dialog's button.
    EXPECT_EQ(humidity.findChild<QPushButton*>("Button1")->text(),
              language == Language::Polish
                  ? QString::fromUtf8("Oblicz wilgotność skorygowaną do warunków przepływu")
                  : QString("Calculate humidity corrected to the flowing conditions"));
  }
  applyLanguage(nullptr, Language::English);
}

TEST(UiLanguage, SwitchingKeepsTheCaseAndTheListCodes) {
  app();
  RecordingInteraction rec;
  TDanegl w;
  w.setInteraction(&rec);
  w.startUp(example("naturalgas-orifice-corner.dvl"), false);
  // Start-up is English: "Water" first, the description has no hint.
  auto* fluid = w.findChild<QComboBox*>("CBPlyn");
  EXPECT_EQ(fluid->itemText(0), "Water");
  EXPECT_TRUE(w.findChild<QWidget*>("EdTytu")->toolTip().isEmpty());
  const CalculationCase before = w.caseRef();
  const std::string file = std::string(DORVEL_BINARY_DIR) + "/ui_language_before.dvl",
                    after = std::string(DORVEL_BINARY_DIR) + "/ui_language_after.dvl";
  ASSERT_TRUE(writeCaseFile(file, w.caseRef(), rec));
  const int device = w.findChild<QComboBox*>("CBTyp")->currentIndex();
  const int flowUnits = w.findChild<QComboBox*>("CBjnp")->count();

  w.setLanguage(Language::Polish);
  EXPECT_EQ(fluid->currentIndex(), fluidItemFromKind(before.fluidKind));
  EXPECT_EQ(fluid->currentText(), QString::fromUtf8("Gaz ziemny (wysokometanowy, zaazotowany)"));
  EXPECT_EQ(w.findChild<QComboBox*>("CBTyp")->currentIndex(), device);
  EXPECT_EQ(w.findChild<QComboBox*>("CBjnp")->count(), flowUnits);
  EXPECT_EQ(w.caseRef().caseModified, before.caseModified);
  ASSERT_TRUE(writeCaseFile(after, w.caseRef(), rec));
  // The case, written out, is the same byte for byte.
  QFile a(QString::fromStdString(file)), b(QString::fromStdString(after));
  ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
  EXPECT_EQ(a.readAll(), b.readAll());

  // The Polish list gives the same codes: "Natural gas" is kind 9, water 1.
  fluid->setCurrentIndex(0);
  EXPECT_EQ(w.caseRef().fluidKind, FluidWater);
  fluid->setCurrentIndex(3);
  EXPECT_EQ(w.caseRef().fluidKind, FluidNaturalGas);
  EXPECT_EQ(w.findChild<QComboBox*>("CBTyp")->currentIndex(), device);

  // Back to English: the English items at the same positions.
  w.setLanguage(Language::English);
  EXPECT_EQ(fluid->currentText(), "Natural gas");
  EXPECT_EQ(fluid->itemText(0), "Water");
  std::remove(file.c_str());
  std::remove(after.c_str());
}

TEST(UiLanguage, MessagesReportAndHelpFollowTheLanguage) {
  app();
  RecordingInteraction rec;
  TDanegl w;
  w.setInteraction(&rec);
  w.startUp(example("water-orifice-flange.dvl"), false);
  w.show();
  auto* results = w.findChild<ResultsPage*>();
  ASSERT_NE(results, nullptr);
  QWidget* polishPrint = results->button("BBWydrukiPolskie");

  // English: the English text of each pair; no Polish printouts offered.
  w.setLanguage(Language::English);
  rec.script({false});
  w.fileNew();
  EXPECT_EQ(rec.questions().back(), "Delete all data?");
  w.setCurrentPage(TDanegl::PageResults);
  EXPECT_FALSE(polishPrint->isVisible());
  EXPECT_TRUE(results->reportEnglish());
  const QString englishPopup = popupText(80);

  // Polish: the Polish text of the pair, both printout buttons, Polish
  // printouts unless "Wydruki angielskie..." is pressed.
  w.setLanguage(Language::Polish);
  rec.script({false});
  w.fileNew();
  EXPECT_EQ(rec.questions().back(), "Czy wykasować dane?");
  w.findChild<QLineEdit*>("Edtc")->setFocus();
  QTest::keyClick(w.findChild<QLineEdit*>("Edtc"), Qt::Key_Return);
  EXPECT_TRUE(rec.saw("Zamiast klawisza ENTER użyj klawisz TAB, lub Shift+TAB w celu "
                      "przemieszczania się w dół i w górę do kolejnych pól edycji."));
  EXPECT_TRUE(polishPrint->isVisible());
  EXPECT_FALSE(results->reportEnglish());
  EXPECT_EQ(results->button("BBWydrukiAn")->text(), QString::fromUtf8("Wydruki &angielskie..."));
  results->button("BBWydrukiAn")->click();
  EXPECT_TRUE(results->reportEnglish());
  results->printMenu()->hide();
  results->button("BBWydrukiPolskie")->click();
  EXPECT_FALSE(results->reportEnglish());
  results->printMenu()->hide();
  // Polish pop-ups and topics.
  const QString polishPopup = popupText(80);
  EXPECT_FALSE(polishPopup.isEmpty());
  EXPECT_NE(polishPopup, englishPopup);
  HelpWindow help;
  ASSERT_TRUE(help.showTopic(410));
  EXPECT_EQ(help.browser()->source().host(), helpNamespace(Language::Polish));
  w.setLanguage(Language::English);
  EXPECT_FALSE(popupText(80) == polishPopup);
}

TEST(UiLanguage, CommandLineAndSettingsFileChooseTheLanguage) {
  app();
  Language l = Language::English;
  QString file, error;
  EXPECT_TRUE(parseCommandLine({"dorvel", "--lang", "pl", "case.dvl"}, l, file, error));
  EXPECT_EQ(l, Language::Polish);
  EXPECT_EQ(file, "case.dvl");
  EXPECT_TRUE(parseCommandLine({"dorvel", "case.dvl", "--lang=EN"}, l, file, error));
  EXPECT_EQ(l, Language::English);
  EXPECT_EQ(file, "case.dvl");
  // A bad or missing code leaves the language and says why; no crash.
  EXPECT_FALSE(parseCommandLine({"dorvel", "--lang", "de"}, l, file, error));
  EXPECT_EQ(l, Language::English);
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(parseCommandLine({"dorvel", "x.dvl", "--lang"}, l, file, error));
  EXPECT_EQ(file, "x.dvl");

  // The choice lives in Dorvel/dorvel-gui.conf of the config folder, key
  // ui/language, and the menu item remembers it.
  const QString conf = QString(DORVEL_BINARY_DIR) + "/ui_test_config/Dorvel/dorvel-gui.conf";
  QFile::remove(conf);
  EXPECT_EQ(rememberedLanguage(), Language::English);
  RecordingInteraction rec;
  TDanegl w;
  w.setInteraction(&rec);
  w.findChild<QAction*>("MnLangPl")->trigger();
  EXPECT_EQ(currentLanguage(), Language::Polish);
  EXPECT_EQ(w.pageControl()->tabText(TDanegl::PageBasic), QString("Dane podstawowe"));
  EXPECT_EQ(rememberedLanguage(), Language::Polish);
  QFile f(conf);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.readAll().contains("language=pl"));
  w.findChild<QAction*>("MnLangEn")->trigger();
  EXPECT_EQ(rememberedLanguage(), Language::English);
  EXPECT_EQ(w.pageControl()->tabText(TDanegl::PageBasic), QString("Basic Input Data"));
}

// The desktop conveniences turn over with the rest: menus, hints, the file
// dialogs' titles and filters, and the names a screen reader reads.
TEST(UiLanguage, DesktopConveniencesFollowTheLanguage) {
  app();
  RecordingInteraction rec;
  TDanegl w;
  w.setInteraction(&rec);
  w.startUp(QString(), false);
  auto* exportPdf = w.findChild<QAction*>("MnExportPdf");
  auto* exportReport = w.findChild<QAction*>("MnPopExportPdfReport");
  auto* whatsThis = w.findChild<QAction*>("MnWhatsThis");
  auto* pressureUnit = w.findChild<QWidget*>("CBjcs");
  auto* open = w.findChild<QFileDialog*>("OpenDialog1");
  ASSERT_TRUE(exportPdf && exportReport && whatsThis && pressureUnit && open);
  for (Language language : {Language::Polish, Language::English}) {
    w.setLanguage(language);
    const bool pl = language == Language::Polish;
    EXPECT_EQ(exportPdf->text(), pl ? QString::fromUtf8("Eksport do &PDF...") : "Export PDF...");
    EXPECT_EQ(exportReport->text(), pl ? QString::fromUtf8("Eksport do PDF (protokół obliczeń)...")
                                       : "Export PDF (calculation report)...");
    EXPECT_EQ(whatsThis->text(), pl ? QString::fromUtf8("Co to jest?") : "What's This?");
    EXPECT_EQ(pressureUnit->accessibleName(),
              pl ? QString::fromUtf8("Jednostka ciśnienia") : "Pressure unit");
    EXPECT_EQ(open->windowTitle(), pl ? QString::fromUtf8("Odczyt danych z pliku") : "Open");
    // The case filter comes first and is the one chosen.
    EXPECT_EQ(open->nameFilters().value(0),
              pl ? QString::fromUtf8("Pliki danych Dorvel (*.dvl)") : "Dorvel cases (*.dvl)");
    EXPECT_EQ(open->selectedNameFilter(), open->nameFilters().value(0));
    EXPECT_EQ(tx("Version "), pl ? QString::fromUtf8("Wersja ") : "Version ");
    EXPECT_TRUE(w.windowTitle().startsWith(pl ? QString::fromUtf8("Dorvel  Przepływomierze zwężkowe  ")
                                              : "Dorvel  Flow Measurement Edition  "));
  }
}

TEST(UiLanguage, MessagesFollowTheInterfaceLanguage) {
  app();
  RecordingInteraction rec;
  LanguageInteraction ui(&rec);
  applyLanguage(nullptr, Language::Polish);
  ui.showMessage({Msg::ReynoldsTooLarge, {"1.2e+09"}});
  EXPECT_FALSE(ui.askQuestion(Msg::DeleteAllData));  // the recorder's default answer
  // The validity text that refuses the data stays the prepared English one.
  ui.showMessage(gasValidityNotice(kCokeH2Range));
  applyLanguage(nullptr, Language::English);
  ui.showMessage(Msg::NoSolution);
  ASSERT_EQ(rec.log().size(), 4u);
  EXPECT_EQ(rec.log()[0].text, "Za du\u017Ca liczba Reynoldsa Re = 1.2e+09");
  EXPECT_EQ(rec.log()[1].text, "Czy wykasowa\u0107 dane?");
  EXPECT_EQ(rec.log()[2].text, "Mole percent of H2 should be between 45% and 65%.");
  EXPECT_EQ(rec.log()[3].text, "No solution available");
  EXPECT_EQ(rec.log()[3].number, 1300);
}
