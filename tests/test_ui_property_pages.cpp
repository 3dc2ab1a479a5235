// The "Fluid Properties" page: computed on entry for water and steam, on
// request for the gases, typed in for other gases; the humidity dialog.
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "base/format.h"
#include "base/shared.h"
#include "props/properties.h"
#include "support/ui_window.h"
#include "ui/dialogs.h"

namespace dorvel {
namespace {

using testing::UiWindowTest;

Real number(const QString& s) {
  Real x = -1;
  EXPECT_TRUE(parseReal(s.toStdString(), x)) << s.toStdString();
  return x;
}

TEST_F(UiWindowTest, WaterIsComputedOnEntry) {
  // IFC-67 water at 20 degC and 0.101325 MPa: 998.323288 kg/m3, IAPS 1985
  // viscosity 1001.98812 uPa*s (verification table of the formulations).
  type("Edtc", "20");
  type("Edp", "0.101325");
  window->setCurrentPage(ui::TDanegl::PageProperties);
  EXPECT_EQ(text("LaWody2"), "998.32");
  EXPECT_EQ(text("LaWody4"), "1.002E-3");
  EXPECT_TRUE(text("PanelWodyTitle").startsWith(QString::fromUtf8("Water properties ( 20°C ,  0.101325 MPa ).")));
  EXPECT_TRUE(ui.log().empty());
}

TEST_F(UiWindowTest, SteamAbove210BarHasNoSaturationTemperature) {
  choose("CBPlyn", 1);
  choose("CBjcs", 3);  // bar
  type("Edtc", "300");
  type("Edp", "10");
  window->setCurrentPage(ui::TDanegl::PageProperties);
  EXPECT_NEAR(static_cast<double>(number(text("LaPary2"))), 179.9, 0.2);  // ts at 10 bar
  window->setCurrentPage(ui::TDanegl::PageBasic);
  type("Edtc", "450");
  type("Edp", "250");
  window->setCurrentPage(ui::TDanegl::PageProperties);
  EXPECT_EQ(text("LaPary2"), QString::fromUtf8("—"));
  EXPECT_FALSE(text("LaPary6").isEmpty());
}

TEST_F(UiWindowTest, AirPropertiesFromTheBuiltInComposition) {
  choose("CBPlyn", 2);
  choose("CBjcs", 1);  // kPa
  type("Edtc", "0");
  type("Edp", "101.325");
  c().mixtureComposition[9] = 40;  // an earlier mixture is replaced
  c().compositionInMolePercent = 0;
  window->setCurrentPage(ui::TDanegl::PageProperties);
  EXPECT_TRUE(text("LaPow7").isEmpty());  // not computed yet
  type("EdFiPow", "0");
  window->setStatusRequest("stale");
  find<QPushButton>("LiczWlPow")->click();
  EXPECT_NEAR(static_cast<double>(compositionSum(c().mixtureComposition)), 100.0, 1e-12);
  EXPECT_EQ(c().mixtureComposition[1], 78.104L);
  EXPECT_EQ(c().mixtureComposition[9], 0.0L);
  EXPECT_EQ(c().compositionInMolePercent, 1);
  // Dry air at 0 degC, 101.325 kPa: 1.2929 kg/m3, K1 = 1.
  EXPECT_NEAR(static_cast<double>(number(text("LaPow7"))), 1.2929, 0.002);
  EXPECT_EQ(text("LaPow6"), text("LaPow7"));
  EXPECT_EQ(text("LaPow11"), "1.0000");
  EXPECT_NE(window->statusText(), "stale");
}

TEST_F(UiWindowTest, OtherGasPanel) {
  choose("CBPlyn", 5);
  window->setCurrentPage(ui::TDanegl::PageProperties);
  type("Ed5N2", "79");
  type("Ed5O2", "21");
  EXPECT_EQ(text("La5Suma"), "100");
  EXPECT_EQ(c().mixtureComposition[1], 79.0L);
  // Reference density: the unit names the reference conditions.
  choose("Cbges", 1);
  EXPECT_EQ(c().densityKind, 2);
  EXPECT_EQ(text("La5kg"), QString::fromUtf8("kg/m3 (0 °C, 101.325 kPa)"));
  // Hand-typed values taken over by the "<-" buttons.
  type("Ed5ges", "1,5");
  find<QPushButton>("Bu5wpisz1")->click();
  EXPECT_EQ(c().refDensity, 1.5L);
  EXPECT_EQ(c().density, 0.0L);
  EXPECT_EQ(c().densityEnteredByHand, 1);
  EXPECT_EQ(text("La5ges"), "1.50000");
  type("Ed5K1", "0.98");
  find<QPushButton>("Bu5wpisz2")->click();
  EXPECT_EQ(c().compressibilityK1, 0.98L);
  EXPECT_EQ(text("La5K1"), "0.98000");
  // A new humidity empties the four results.
  type("EdFiInnyGaz", "50");
  EXPECT_EQ(c().relativeHumidity, 50.0L);
  EXPECT_TRUE(text("La5ges").isEmpty());
  EXPECT_TRUE(text("La5K1").isEmpty());
  find<QPushButton>("Bu5KasujSklad")->click();
  EXPECT_EQ(compositionSum(c().mixtureComposition), 0.0L);
  EXPECT_EQ(text("Ed5N2"), "0");
}

// "fixed w.d" on the property panels keeps at most w significant digits and
// fills the remaining decimals with zeros: a dense gas of 123.456789 kg/m3
// shows 123.4570 in a fixed 6.4 label, not 123.4568.
TEST_F(UiWindowTest, FixedLabelsKeepTheirSignificantDigits) {
  choose("CBPlyn", 3);  // natural gas
  c().refDensity = 0.7812345678L;
  c().density = 123.456789L;
  c().viscosityEntered = 1.1e-5L;
  c().isentropicExponent = 1.3L;
  c().compressibilityK1 = 0.912345678L;
  window->showProperties();
  EXPECT_EQ(text("La91v"), "0.7812");
  EXPECT_EQ(text("La92v"), "123.4570");
  EXPECT_EQ(text("La95v"), "0.9123");
  // Other gas, a declared density taken over by "<-": fixed 8.5.
  choose("CBPlyn", 5);
  window->setCurrentPage(ui::TDanegl::PageProperties);
  type("Ed5ges", "1234.567891");
  find<QPushButton>("Bu5wpisz1")->click();
  EXPECT_EQ(text("La5ges"), "1234.56790");
}

// The four "<-" buttons of the other gas take the hand-typed values as the
// command line takes them (the property routines' transfer): the same case.
TEST_F(UiWindowTest, OtherGasButtonsTakeWhatTheCommandLineTakes) {
  choose("CBPlyn", 5);
  window->setCurrentPage(ui::TDanegl::PageProperties);
  type("Ed5ges", "1.25");
  type("Ed5Lep", "1.7e-5");
  type("Ed5kapa", "1.31");
  type("Ed5K1", "0.97");
  CalculationCase commandLine = c();
  takeManualGasProperties(commandLine);
  for (const char* b : {"Bu5wpisz1", "Bu5wpisz2", "Bu5wpisz3", "Bu5wpisz4"})
    find<QPushButton>(b)->click();
  EXPECT_EQ(c().enteredDensity, commandLine.enteredDensity);
  EXPECT_EQ(c().density, commandLine.density);
  EXPECT_EQ(c().refDensity, commandLine.refDensity);
  EXPECT_EQ(c().densityEnteredByHand, commandLine.densityEnteredByHand);
  EXPECT_EQ(c().viscosityEntered, 1.7e-5L);
  EXPECT_EQ(c().viscosityEntered, commandLine.viscosityEntered);
  EXPECT_EQ(c().isentropicExponent, commandLine.isentropicExponent);
  EXPECT_EQ(c().compressibilityK1, commandLine.compressibilityK1);
  EXPECT_TRUE(propertiesCurrent(c(), FluidOtherGas));
}

TEST_F(UiWindowTest, NaturalGasInputChoiceEnablesItsGroup) {
  choose("CBPlyn", 3);
  window->setCurrentPage(ui::TDanegl::PageProperties);
  find<QRadioButton>("RadioGroupJakieDane_1")->click();
  EXPECT_EQ(c().naturalGasInputIsComposition, 0);
  EXPECT_FALSE(find<QLineEdit>("Ed9CH4")->isEnabled());
  EXPECT_TRUE(find<QLineEdit>("EdCO22")->isEnabled());
  find<QRadioButton>("RadioGroupJakieDane_0")->click();
  EXPECT_TRUE(find<QLineEdit>("Ed9CH4")->isEnabled());
  type("Ed9CH4", "95");
  type("Ed9N2", "5");
  EXPECT_EQ(c().naturalGasComposition[26], 5.0L);
  EXPECT_EQ(text("La9SUMA"), "100");
}

TEST_F(UiWindowTest, NaturalGasEquationListFollowsTheInputSet) {
  choose("CBPlyn", 3);
  type("Edtc", "10");
  type("Edp", "4");
  window->setCurrentPage(ui::TDanegl::PageProperties);
  auto* list = find<QComboBox>("CB9Rownanie");
  EXPECT_TRUE(list->isEnabled());
  EXPECT_EQ(list->count(), 3);
  c().caseModified = false;
  choose("CB9Rownanie", 2);
  EXPECT_EQ(c().naturalGasEquation, 3);
  EXPECT_TRUE(c().caseModified);
  EXPECT_TRUE(text("PanelGazZiemTitle").startsWith("Calculations of natural gas properties (GERG-2008) ( "))
      << text("PanelGazZiemTitle").toStdString();
  type("Ed9CH4", "74");
  type("Ed9C2H6", "6");
  type("Ed9H2", "20");
  find<QPushButton>("BuLiczWlGazZiem")->click();
  EXPECT_TRUE(ui.log().empty());
  EXPECT_FALSE(text("La92v").isEmpty());
  // Another equation empties the results until the next calculation.
  choose("CB9Rownanie", 1);
  EXPECT_EQ(c().naturalGasEquation, 2);
  EXPECT_TRUE(text("La92v").isEmpty());
  // The physical-property input is SGERG-88's own.
  find<QRadioButton>("RadioGroupJakieDane_1")->click();
  EXPECT_FALSE(list->isEnabled());
  EXPECT_TRUE(text("PanelGazZiemTitle").startsWith("Calculations of natural gas properties (SGERG-88) ( "));
}

TEST_F(UiWindowTest, ReferenceConditionsRebuildTheirText) {
  choose("CBPlyn", 6 - 1);  // other gas
  window->setCurrentPage(ui::TDanegl::PageProperties);
  type("Edtnormal5", "20");
  EXPECT_EQ(c().refConditionsText, referenceConditionsText(20, 101.325L));
}

TEST_F(UiWindowTest, HumidityDialogKeepsTheCaseUnmodified) {
  ui::TFWilgo dialog;
  QString message;
  dialog.onMessage = [&](const QString& m) { message = m; };
  c().caseModified = false;
  c().humidityMeasTemperature = 20;
  c().humidityMeasPressure = 0;
  c().humidityMeasured = 60;
  dialog.prepare(c(), ui);
  EXPECT_EQ(dialog.findChild<QLineEdit*>("EdWil")->text(), "60.0");
  QTest::keyClicks(dialog.findChild<QLineEdit*>("EdTem"), "5");
  EXPECT_EQ(c().humidityMeasTemperature, 20.05L);
  EXPECT_FALSE(c().caseModified);
  EXPECT_FALSE(dialog.calculate());
  EXPECT_EQ(message, "Pressure too low");
  // Measured at the flowing conditions: the humidity stays as measured.
  c().temperature = 20.05L;
  c().pressureInput = 0.1L;
  c().pressureUnit = 3;
  c().humidityMeasPressure = 0.1L;
  dialog.prepare(c(), ui);
  ASSERT_TRUE(dialog.calculate());
  EXPECT_NEAR(static_cast<double>(c().relativeHumidity), 60.0, 1e-9);
  EXPECT_TRUE(c().caseModified);
}

TEST_F(UiWindowTest, MoleOrVolumePercentIsOneChoiceForAllGases) {
  choose("CBPlyn", 4);  // coke-oven gas
  window->setCurrentPage(ui::TDanegl::PageProperties);
  find<QRadioButton>("RadioGroup7_1")->click();
  EXPECT_EQ(c().compositionInMolePercent, 0);
  EXPECT_TRUE(find<QRadioButton>("RadioGroup5_1")->isChecked());
  find<QRadioButton>("RadioGroup7_0")->click();
  EXPECT_EQ(c().compositionInMolePercent, 1);
  type("Ed7H2", "55");
  type("Ed7CnHm", "2.5");
  EXPECT_EQ(c().mixtureComposition[3], 55.0L);
  EXPECT_EQ(text("La7Suma"), "57.5");
}

TEST_F(UiWindowTest, LiquidsTableListsTheReferenceLiquids) {
  ui::TWLcie table;
  auto* grid = table.findChild<QTableWidget*>("TabelaCieczy");
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->rowCount(), 11);
  EXPECT_EQ(grid->item(4, 0)->text(), "Glycerine");
  EXPECT_EQ(grid->item(4, 3)->text(), "1.41");
  EXPECT_EQ(grid->item(10, 0)->text(), "Carbon tetrachloride");
}

TEST_F(UiWindowTest, HelpTopicsOfControls) {
  std::vector<int> topics;
  window->onHelpTopic = [&](int t) { topics.push_back(t); };
  EXPECT_EQ(window->helpTopicOf(find<QWidget>("EdD20")), 90);
  EXPECT_EQ(window->helpTopicOf(find<QWidget>("EdDlu2")), 120);
  EXPECT_EQ(window->helpTopicOf(find<QWidget>("CBTyp")), 60);
  EXPECT_EQ(window->helpTopicOf(find<QWidget>("RadioButton2")), 20);
  EXPECT_EQ(window->helpTopicOf(find<QWidget>("Ed5N2")), 200);
  // The buttons open the topics of their commands, the F1 numbers of the
  // panels are for the controls.
  for (const char* name : {"BBPomoc", "BuKomentNiepe", "BuKoment4", "BitBtn1", "Bu5Koment",
                           "BitBtn2", "BuPyt4", "Bu5Pyt", "BuPyt7"})
    find<QPushButton>(name)->click();
  EXPECT_EQ(topics, (std::vector<int>{410, 420, 450, 460, 470, 480, 210, 210, 210}));
}

// Pictures of the pages for a look by eye (build/ui_shots).
TEST_F(UiWindowTest, PagesRenderForEveryFluid) {
  const QString dir = QStringLiteral(DORVEL_BINARY_DIR "/ui_shots");
  QDir().mkpath(dir);
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  // As started: sized to the screen, scrolling when the screen is small.
  EXPECT_TRUE(window->grab().save(dir + QStringLiteral("/startup.png")));
  window->resize(1100, 820);
  ASSERT_TRUE(window->openDataFile(QStringLiteral(DORVEL_SOURCE_DIR "/examples/water-orifice-flange.dvl")));
  for (int page = 0; page < 2; ++page) {
    window->setCurrentPage(static_cast<ui::TDanegl::Page>(page));
    EXPECT_TRUE(window->grab().save(dir + QStringLiteral("/page%1.png").arg(page)));
  }
  for (int item = 0; item < 8; ++item) {
    window->setCurrentPage(ui::TDanegl::PageBasic);
    choose("CBPlyn", item);
    window->setCurrentPage(ui::TDanegl::PageProperties);
    QApplication::processEvents();
    QWidget* page = window->pageControl()->currentWidget();
    EXPECT_TRUE(page->grab(QRect(0, 0, page->width(), 420)).save(dir + QStringLiteral("/fluid%1.png").arg(item)));
  }
}

}  // namespace
}  // namespace dorvel
