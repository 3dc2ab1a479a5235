// The main window's input pages: edits write their case fields, lists store
// codes, the file commands read and write the case file.
#include <QAction>
#include <QFile>
#include <QRadioButton>

#include <sys/stat.h>
#include <unistd.h>

#include "base/format.h"
#include "calc/limits.h"
#include "files/case_file.h"
#include "support/ui_window.h"
#include "version.h"

namespace dorvel {
namespace {

using testing::UiWindowTest;

const QString kExample = QStringLiteral(DORVEL_SOURCE_DIR "/examples/water-orifice-flange.dvl");

TEST_F(UiWindowTest, StartUpShowsEnglishDefaults) {
  EXPECT_EQ(window->windowTitle(), window->baseCaption() + "[*]");
  EXPECT_EQ(window->baseCaption(), QStringLiteral("Dorvel  Flow Measurement Edition  ") + kVersion);
  EXPECT_EQ(c().task, TaskFlowrate);
  EXPECT_TRUE(find<QRadioButton>("RadioButton3")->isChecked());
  EXPECT_EQ(find<QComboBox>("CBPlyn")->itemText(0), "Water");
  EXPECT_EQ(window->pageControl()->tabText(0), "Basic Input Data");
  EXPECT_EQ(window->pageControl()->tabText(3), "Results");
  EXPECT_TRUE(find<QLineEdit>("EdTytu")->toolTip().isEmpty());
  EXPECT_FALSE(window->findChild<QAction*>("Zapiszdanedopliku1")->isEnabled());
  EXPECT_FALSE(c().caseModified);
  // Task 3 rows: d at 20 degC, differential pressure, flow-unit list only.
  EXPECT_EQ(text("Label5"), QString::fromUtf8("Primary device diameter (20°C)"));
  EXPECT_EQ(text("Label6"), "Differential pressure");
  EXPECT_TRUE(find<QLineEdit>("Edit7")->isHidden());
}

TEST_F(UiWindowTest, TypingWritesTheFieldWithCommaAsPoint) {
  type("Edtc", "12,5");
  EXPECT_EQ(c().temperature, 12.5L);
  EXPECT_EQ(text("Edtc"), "12.5");
  EXPECT_TRUE(c().caseModified);
  type("EdKlasa1", "0,25");
  EXPECT_EQ(c().dpTransmitterError, 0.25L);
  type("EdTytu", "FT-7, line 2");  // free text keeps its comma
  EXPECT_EQ(c().caseTitle, "FT-7, line 2");
  EXPECT_TRUE(ui.log().empty());
}

TEST_F(UiWindowTest, BadNumberShowsTheMessageAndKeepsTheField) {
  type("EdD20", "100");
  ASSERT_EQ(c().pipeDiameter20, 100.0L);
  QTest::keyClicks(find<QLineEdit>("EdD20"), "x");
  emit find<QLineEdit>("EdD20")->editingFinished();
  EXPECT_TRUE(ui.saw("Number error 100x"));
  EXPECT_EQ(c().pipeDiameter20, 100.0L);
}

TEST_F(UiWindowTest, EnterKeyAsksForTab) {
  QTest::keyClick(find<QLineEdit>("Edp"), Qt::Key_Return);
  EXPECT_TRUE(ui.saw("Use TAB or Shift+TAB"));
}

TEST_F(UiWindowTest, ListItemsMapToCodes) {
  choose("CBTyp", 9);
  EXPECT_EQ(c().deviceType, DevQuarterCircle);
  EXPECT_FALSE(find<QComboBox>("CBkolanoDysz")->isHidden());
  EXPECT_TRUE(find<QComboBox>("CBKolanoISO")->isHidden());
  EXPECT_TRUE(find<QLineEdit>("Edotworuspust")->isHidden());
  choose("CBTyp", 6);
  EXPECT_EQ(c().deviceType, DevVenturiAsCast);
  EXPECT_FALSE(find<QComboBox>("CBkolanoVent")->isHidden());
  choose("CBTyp", 11);
  EXPECT_EQ(c().deviceType, DevEccentricOrifice);
  EXPECT_FALSE(find<QLineEdit>("EdchropdlaMimo")->isHidden());
  EXPECT_EQ(text("LaSpust"), "Pipe roughness");
  choose("CBPlyn", 3);
  EXPECT_EQ(c().fluidKind, FluidNaturalGas);
  choose("CBPlyn", 5);
  EXPECT_EQ(c().fluidKind, FluidOtherGas);
  EXPECT_EQ(c().fluidName, "Other gas");
  EXPECT_FALSE(find<QLineEdit>("EdNazwaGazu")->isHidden());
  EXPECT_EQ(text("LaNazwaGazu"), "Gas name");
  choose("CBPlyn", 0);
  EXPECT_TRUE(find<QLineEdit>("EdNazwaGazu")->isHidden());
  choose("CBMatRur", 6);
  EXPECT_EQ(c().pipeMaterial, MatBrass);
}

TEST_F(UiWindowTest, SameItemDoesNotMarkModified) {
  c().caseModified = false;
  choose("CBMatRur", c().pipeMaterial - 1);
  choose("CBjcs", 1);
  choose("CBjcs", 1);  // no change signal at all
  EXPECT_EQ(c().pressureUnit, 2);
  c().caseModified = false;
  find<QComboBox>("CBgm")->setCurrentIndex(0);
  EXPECT_TRUE(c().caseModified);
  EXPECT_EQ(text("Laniepegm"), "mm H2O");
}

TEST_F(UiWindowTest, FittingListFollowsPipeDiameter) {
  choose("CBTyp", 0);  // corner tappings
  type("EdD20", "24.9");
  EXPECT_FALSE(find<QComboBox>("CBkolanoASME")->isHidden());
  EXPECT_TRUE(find<QComboBox>("CBKolanoISO")->isHidden());
  type("EdD20", "25");
  EXPECT_FALSE(find<QComboBox>("CBKolanoISO")->isHidden());
  type("EdD20", "5");  // the engine's small-bore rule has no lower bound
  EXPECT_FALSE(find<QComboBox>("CBkolanoASME")->isHidden());
  choose("CBTyp", 2);  // flange tappings: small bore below 50 mm
  type("EdD20", "40");
  EXPECT_FALSE(find<QComboBox>("CBkolanoASME")->isHidden());
  // Below 25 mm as well (a deviation the calculation asks about): the window
  // shows the list the engine reads, the small-bore one.
  type("EdD20", "20");
  EXPECT_FALSE(find<QComboBox>("CBkolanoASME")->isHidden());
  EXPECT_TRUE(find<QComboBox>("CBKolanoISO")->isHidden());
  EXPECT_TRUE(c().asmeFittingListShown);
  choose("CBkolanoASME", 4);
  EXPECT_EQ(c().fittingAsme, 5);
}

// The four fitting lists offer the engine's items, in English again after a
// turn through Polish.
TEST_F(UiWindowTest, FittingListsOfferTheEnginesItems) {
  const std::pair<const char*, LengthTable> lists[] = {{"CBKolanoISO", LengthTable::Orifice},
                                                       {"CBkolanoASME", LengthTable::SmallBore},
                                                       {"CBkolanoDysz", LengthTable::Nozzle},
                                                       {"CBkolanoVent", LengthTable::Venturi}};
  using ui::Language;
  for (Language language : {Language::English, Language::Polish, Language::English}) {
    window->setLanguage(language);
    for (const auto& [name, list] : lists) {
      auto* box = find<QComboBox>(name);
      ASSERT_EQ(box->count(), fittingCount(list)) << name;
      if (language == Language::Polish) continue;
      for (int code = 1; code <= fittingCount(list); ++code)
        EXPECT_EQ(box->itemText(code - 1), QString::fromUtf8(fittingListItem(list, code))) << name;
    }
  }
}

TEST_F(UiWindowTest, FluidChangeResetsTheFlowUnit) {
  choose("CBPlyn", 2);  // air
  EXPECT_EQ(find<QComboBox>("CBjnp")->count(), 5);
  choose("CBjnp", 4);
  EXPECT_EQ(c().flowUnit, 5);
  EXPECT_EQ(text("LaStruNormal"), QString::fromStdString(c().refConditionsText));
  choose("CBPlyn", 1);  // steam
  EXPECT_EQ(c().flowUnit, 1);
  EXPECT_EQ(find<QComboBox>("CBjnp")->count(), 3);
  EXPECT_EQ(find<QComboBox>("CBjnp")->currentText(), "kg/h");
  EXPECT_TRUE(text("LaStruNormal").isEmpty());
}

TEST_F(UiWindowTest, TaskRowsWriteTheirFields) {
  find<QRadioButton>("RadioButton1")->click();
  EXPECT_EQ(c().task, TaskDiameter);
  EXPECT_TRUE(find<QRadioButton>("RadioButton1")->font().underline());
  EXPECT_EQ(text("Label7"), "Upper range differential pressure");
  type("Edit5", "1000");
  type("Edit6", "800");
  type("Edit7", "25");
  EXPECT_EQ(c().flowrateInput, 1000.0L);
  EXPECT_EQ(c().nominalFlowrate, 800.0L);
  EXPECT_EQ(c().dpInput, 25.0L);
  EXPECT_EQ(c().dpTransmitterReference, 25.0L);
  EXPECT_EQ(text("EdKlasa2"), " 25");
  find<QRadioButton>("RadioButton2")->click();
  EXPECT_EQ(text("Edit6"), "1000");
  type("Edit5", "50");
  type("Edit6", "1200");
  EXPECT_EQ(c().deviceDiameter20, 50.0L);
  EXPECT_EQ(c().flowrateInput, 1200.0L);
  find<QRadioButton>("RadioButton3")->click();
  type("Edit6", "30");
  EXPECT_EQ(c().dpInput, 30.0L);
}

TEST_F(UiWindowTest, LeavingUncertaintyNeedsTheReference) {
  window->setCurrentPage(ui::TDanegl::PageUncertainty);
  type("EdKlasa1", "0.5");
  window->setCurrentPage(ui::TDanegl::PageBasic);
  EXPECT_EQ(window->pageControl()->currentIndex(), ui::TDanegl::PageUncertainty);
  EXPECT_TRUE(ui.saw("Enter the reference value of transducer error."));
  type("EdKlasa1", "0");
  window->setCurrentPage(ui::TDanegl::PageBasic);
  EXPECT_EQ(window->pageControl()->currentIndex(), ui::TDanegl::PageBasic);
}

TEST_F(UiWindowTest, ResultsHookAndStatusBar) {
  int entered = 0;
  window->onEnterResults = [&] {
    ++entered;
    window->setStatusRequest("Calculate the fluid properties");
  };
  window->setStatusWarning("warn");
  window->setCurrentPage(ui::TDanegl::PageResults);
  EXPECT_EQ(entered, 1);
  EXPECT_EQ(window->statusText(), "Calculate the fluid properties");
  window->setCurrentPage(ui::TDanegl::PageBasic);
  EXPECT_NE(window->statusText(), "Calculate the fluid properties");
  EXPECT_EQ(window->standardLabel(0)->text(), "ISO 5167:2022");
}

TEST_F(UiWindowTest, OpenShowsTheFileValues) {
  CalculationCase expected;
  RecordingInteraction quiet;
  ASSERT_TRUE(readCaseFile(kExample.toStdString(), expected, quiet));
  window->chooseOpenFile = [](const QString&) { return kExample; };
  window->fileOpen();
  EXPECT_TRUE(ui.log().empty());
  EXPECT_FALSE(c().caseModified);
  EXPECT_EQ(c().pipeDiameter20, expected.pipeDiameter20);
  EXPECT_EQ(text("EdTytu"), QString::fromStdString(expected.caseTitle));
  EXPECT_EQ(text("EdD20"), QString::fromStdString(formatGeneral(expected.pipeDiameter20, 8)));
  EXPECT_EQ(find<QComboBox>("CBTyp")->currentText(), "Orifice plate with flange tappings");
  EXPECT_EQ(find<QComboBox>("CBPlyn")->currentText(), "Water");
  EXPECT_EQ(window->windowTitle(), kExample + " - " + window->baseCaption() + "[*]");
  EXPECT_TRUE(window->findChild<QAction*>("Zapiszdanedopliku1")->isEnabled());
}

TEST_F(UiWindowTest, OpenOfAForeignFileGivesDefaults) {
  const QString bad = QStringLiteral(DORVEL_BINARY_DIR "/ui_not_a_case.txt");
  QFile f(bad);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("hello\r\n");
  f.close();
  type("EdD20", "77");
  ASSERT_TRUE(window->openDataFile(bad) == false);
  EXPECT_EQ(ui.messages().back(), "Input error\n" + bad.toStdString() +
                                      "\nnot a Dorvel case file, or a case file that breaks off");
  EXPECT_EQ(c().pipeDiameter20, 0.0L);
  EXPECT_EQ(window->windowTitle(), window->baseCaption() + "[*]");
  EXPECT_FALSE(c().caseModified);
}

TEST_F(UiWindowTest, SaveAsWritesAndReadsBack) {
  const QString path = QStringLiteral(DORVEL_BINARY_DIR "/ui_saved_case.dvl");
  QFile::remove(path);
  choose("CBPlyn", 1);
  choose("CBTyp", 3);
  type("EdTytu", "saved by the window");
  type("Edtc", "250.5");
  type("EdD20", "80.25");
  window->chooseSaveFile = [&](const QString&) { return path; };
  ASSERT_TRUE(window->fileSaveAs());
  EXPECT_FALSE(c().caseModified);
  CalculationCase back;
  RecordingInteraction quiet;
  ASSERT_TRUE(readCaseFile(path.toStdString(), back, quiet));
  EXPECT_EQ(back.caseTitle, "saved by the window");
  EXPECT_EQ(back.fluidKind, FluidSteam);
  EXPECT_EQ(back.deviceType, DevIsa1932Nozzle);
  EXPECT_EQ(back.temperature, 250.5L);
  EXPECT_EQ(back.pipeDiameter20, 80.25L);
  // A fresh window opens it and shows the same.
  ui::TDanegl other;
  other.setInteraction(&ui);
  ASSERT_TRUE(other.openDataFile(path));
  EXPECT_EQ(other.findChild<QLineEdit*>("Edtc")->text(), "250.5");
}

TEST_F(UiWindowTest, NewAsksAndClears) {
  type("EdD20", "80");
  ui.script({false});
  window->fileNew();
  EXPECT_EQ(c().pipeDiameter20, 80.0L);
  ui.script({true});
  window->fileNew();
  EXPECT_TRUE(ui.saw("Delete all data?"));
  EXPECT_EQ(c().pipeDiameter20, 0.0L);
  EXPECT_EQ(text("EdD20"), "0");
  EXPECT_FALSE(c().caseModified);
}

TEST_F(UiWindowTest, ClosingAsksToSaveChanges) {
  type("EdD20", "80");
  QString asked;
  window->askYesNoCancel = [&](const QString& q) {
    asked = q;
    return -1;
  };
  EXPECT_FALSE(window->close());
  EXPECT_EQ(asked, "Save changes ?");
  window->askYesNoCancel = [](const QString&) { return 0; };
  EXPECT_TRUE(window->close());
}


// A title in Windows-1250 (earlier Windows installations) shows its Polish
// letters; a FIFO given to Open is refused at once instead of hanging.
TEST_F(UiWindowTest, OpenShowsWindows1250TitlesAndRefusesAFifo) {
  QFile example(kExample);
  ASSERT_TRUE(example.open(QIODevice::ReadOnly));
  QByteArray bytes = example.readAll();
  const qsizetype first = bytes.indexOf("\r\n") + 2;
  bytes.replace(first, bytes.indexOf("\r\n", first) - first, "Zw\xEA\xBF" "ka \xA3\xF3" "d\x9F");
  const QString path = QStringLiteral(DORVEL_BINARY_DIR "/ui_windows1250_case.dvl");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
  file.close();
  ASSERT_TRUE(window->openDataFile(path));
  EXPECT_EQ(text("EdTytu"), QString::fromUtf8("Zw\u0119\u017Cka \u0141\u00F3d\u017A"));
  QFile::remove(path);

  const QByteArray fifo = DORVEL_BINARY_DIR "/ui_open_fifo.dvl";
  ::unlink(fifo.constData());
  ASSERT_EQ(::mkfifo(fifo.constData(), 0644), 0);
  ::alarm(20);  // a blocking open ends the test program instead of hanging it
  EXPECT_FALSE(window->openDataFile(QString::fromUtf8(fifo)));
  ::alarm(0);
  EXPECT_EQ(ui.messages().back(), "Input error\n" + fifo.toStdString() + "\nnot a regular file");
  ::unlink(fifo.constData());
}

}  // namespace
}  // namespace dorvel
