// The results page: entering it computes an example case and shows the
// captions and formats of the page; stale water properties are recomputed on
// the way, stale gas properties send the user back with the red request; a
// result outside the limits colours the status bar magenta.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>
#include <string>
#include <QKeyEvent>
#include <QTabWidget>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>

#include "base/case.h"
#include "base/shared.h"
#include "files/case_file.h"
#include "support/temp_dir.h"
#include "support/ui_window.h"
#include "ui/help_viewer.h"
#include "ui/main_window.h"
#include "ui/results_page.h"

using namespace dorvel;
using namespace dorvel::ui;

namespace {

QApplication& app() {
  QApplication& a = dorvel::testing::testApplication();
  return a;
}

CalculationCase example(const std::string& name) {
  CalculationCase c;
  resetCase(c);
  c.task = TaskFlowrate;
  RecordingInteraction rec;
  EXPECT_TRUE(readCaseFile(std::string(DORVEL_SOURCE_DIR) + "/examples/" + name, c, rec)) << name;
  return c;
}

QString text(const ResultsPage& page, const char* name) {
  QLabel* l = page.label(name);
  EXPECT_NE(l, nullptr) << name;
  return l != nullptr ? l->text() : QString();
}

bool fixedWith(const QString& s, int decimals) {
  return QRegularExpression(QString("^-?\\d+\\.\\d{%1} $").arg(decimals)).match(s).hasMatch();
}

struct Page {
  RecordingInteraction rec{true};
  QStatusBar bar;
  QLabel iso{"ISO 5167:2022"}, isoTr{"ISO/TR 15377:2018"}, asme{"ASME-MFC-14M-2003"};
  ResultsPage page;
  explicit Page(CalculationCase& c) : page(c, rec) {
    page.setStatusBar(&bar, "Ready");
    page.setStandardLabels(&iso, &isoTr, &asme);
  }
};

}  // namespace

TEST(UiResults, WaterExampleComputedOnEnteringWithThePageFormats) {
  app();
  CalculationCase c = example("water-orifice-flange.dvl");
  ASSERT_FALSE(propertiesCurrent(c, c.fluidKind));  // a file brings no computed properties
  Page p(c);
  ASSERT_EQ(p.page.enter(), EnterOutcome::ResultsShown);
  EXPECT_TRUE(propertiesCurrent(c, c.fluidKind));
  EXPECT_TRUE(p.rec.log().empty());
  EXPECT_TRUE(p.page.resultsPanel()->isVisibleTo(&p.page));

  // The same figures as the command line prints for this file (golden text).
  EXPECT_EQ(text(p.page, "Labe1"), "Mass flowrate");
  EXPECT_EQ(text(p.page, "Labe201"), "48.23 ");
  EXPECT_EQ(text(p.page, "Labe301"), "t/h");
  EXPECT_EQ(text(p.page, "Labe2"), "Pressure loss");
  EXPECT_EQ(text(p.page, "Labe202"), "15.674 ");
  EXPECT_EQ(text(p.page, "Labe302"), "kPa");
  EXPECT_EQ(text(p.page, "Labe203"), "0.550 ");
  EXPECT_EQ(text(p.page, "Label303"), "%");
  EXPECT_EQ(text(p.page, "Labe4"), "Heat flowrate");
  EXPECT_EQ(text(p.page, "Labe204"), "21.2821 ");
  EXPECT_EQ(text(p.page, "Labe304"), "GJ/h");
  EXPECT_EQ(text(p.page, "Labe5"), "Reynolds number");
  EXPECT_EQ(text(p.page, "Labe205"), "6.22E5 ");
  EXPECT_EQ(text(p.page, "Labe305"), " -");
  EXPECT_EQ(text(p.page, "Labe206"), "1.704 ");
  for (const char* four : {"Labe207", "Labe208", "Labe209"})
    EXPECT_TRUE(fixedWith(text(p.page, four), 4)) << four;
  EXPECT_EQ(text(p.page, "Labe211"), "0.488 ");
  EXPECT_EQ(text(p.page, "Labe12"), "Upper limit flowrate");
  EXPECT_EQ(text(p.page, "Labe212"), "- ");
  EXPECT_EQ(text(p.page, "Labe312"), "");
  EXPECT_EQ(text(p.page, "Labe213"), "0.025 ");
  EXPECT_EQ(text(p.page, "Labe214"), "0.0422 ");
  EXPECT_EQ(text(p.page, "Labe215"), "4.300 ");
  EXPECT_EQ(text(p.page, "Labe216"), "0.716 ");
  EXPECT_EQ(text(p.page, "Labe16"), "Required downstream straight length");

  EXPECT_EQ(p.iso.text(), "ISO 5167 : 2022");
  EXPECT_EQ(p.iso.palette().color(QPalette::Window), QColor(Qt::yellow));
  EXPECT_EQ(p.asme.palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_EQ(p.bar.currentMessage(), "Ready");
  EXPECT_EQ(statusBarColour(&p.bar), statusColour(StatusKind::Normal));
  EXPECT_TRUE(p.page.button("BBTabela")->isEnabled());
  EXPECT_FALSE(p.page.button("BBWydrukiPolskie")->isVisibleTo(&p.page));
}

TEST(UiResults, StaleWaterPropertiesAreRecomputedOnEntering) {
  app();
  CalculationCase c = example("water-orifice-flange.dvl");
  Page p(c);
  ASSERT_EQ(p.page.enter(), EnterOutcome::ResultsShown);
  const Real hotDensity = c.density;
  c.temperature = 20;  // an edit on the input page: the properties are stale
  ASSERT_FALSE(propertiesCurrent(c, c.fluidKind));
  ASSERT_EQ(p.page.enter(), EnterOutcome::ResultsShown);
  EXPECT_TRUE(propertiesCurrent(c, c.fluidKind));
  // Cold water is denser than at 61.5 degC: 998.2 kg/m3 at 20 degC and
  // atmospheric pressure, about 1 kg/m3 more under the case's 25 kG/cm2.
  EXPECT_GT(c.density, hotDensity + 10);
  EXPECT_GT(c.density, 998.2L);
  EXPECT_LT(c.density, 999.5L);
}

TEST(UiResults, StaleGasPropertiesShowTheRedRequest) {
  app();
  CalculationCase c = example("naturalgas-orifice-corner.dvl");
  Page p(c);
  p.page.showResults();  // results of an earlier calculation were on the page
  EXPECT_EQ(p.page.enter(), EnterOutcome::BackToProperties);
  EXPECT_FALSE(p.page.resultsPanel()->isVisibleTo(&p.page));
  EXPECT_EQ(p.bar.currentMessage().toStdString(), kPropertiesRequest);
  EXPECT_EQ(statusBarColour(&p.bar), QColor(Qt::red));
  EXPECT_TRUE(p.rec.log().empty());
}

TEST(UiResults, AcceptedReynoldsDeviationColoursTheStatusBarMagenta) {
  app();
  CalculationCase c = example("water-orifice-flange.dvl");
  c.task = TaskDiameter;
  c.deviceType = DevVenturiNozzle;
  c.flowrateInput = 48;
  c.nominalFlowrate = 10;
  c.dpInput = 25;
  c.upstreamLengthActual = 0;
  Page p(c);
  ASSERT_EQ(p.page.enter(), EnterOutcome::ResultsShown);
  ASSERT_EQ(p.rec.log().size(), 1u);  // "Reynolds number of nominal flow too small ..." -> Yes
  EXPECT_TRUE(p.rec.log()[0].question);
  EXPECT_EQ(text(p.page, "Labe1"), "Primary device diameter (20\u00B0C)");
  EXPECT_EQ(text(p.page, "Labe3"), "Measurement uncertainty (for upper range)");
  EXPECT_EQ(text(p.page, "Labe203"), "Not known ");
  EXPECT_EQ(text(p.page, "Labe5"), "Reynolds number (max)");
  EXPECT_EQ(text(p.page, "Labe12"), "Flowrate for Reynolds number upper limit");
  EXPECT_TRUE(fixedWith(text(p.page, "Labe201"), 2));
  EXPECT_EQ(statusBarColour(&p.bar), QColor(Qt::magenta));
  EXPECT_EQ(p.bar.currentMessage(), "Results out of range.  Pipe Reynolds number must be > 1.5E5 !");
}

TEST(UiResults, AnyAcceptedDeviationColoursTheStatusBarMagenta) {
  // ISA 1932 nozzle in a 600 mm pipe, "Pipe diameter too large. Continue?"
  // answered Yes: no Reynolds-number question, but not conforming all the same.
  app();
  CalculationCase c = example("water-orifice-flange.dvl");
  c.deviceType = DevIsa1932Nozzle;
  c.pipeDiameter20 = 600;
  c.deviceDiameter20 = 300;
  c.upstreamLengthActual = c.downstreamLengthActual = 0;
  Page p(c);
  ASSERT_EQ(p.page.enter(), EnterOutcome::ResultsShown);
  ASSERT_EQ(p.rec.log().size(), 1u);
  EXPECT_EQ(p.rec.log()[0].text, "Pipe diameter too large. Continue? "
                                 "The results will not conform to the standard.");
  EXPECT_EQ(text(p.page, "Labe203"), "Not known ");
  EXPECT_EQ(statusBarColour(&p.bar), QColor(Qt::magenta));
  EXPECT_EQ(p.bar.currentMessage(), "Data out of range.  Pipe diameter D must be < 500 mm !");
}

TEST(UiResults, RefusedCalculationReturnsToBasicInput) {
  app();
  CalculationCase c = example("water-orifice-flange.dvl");
  c.pipeDiameter20 = 40;  // beta = d/D above 1
  Page p(c);
  EXPECT_EQ(p.page.enter(), EnterOutcome::BackToBasicInput);
  EXPECT_FALSE(p.rec.log().empty());
  EXPECT_FALSE(p.page.resultsPanel()->isVisibleTo(&p.page));
}

// The page inside the main window: the hook of the "Results" tab.
TEST(UiResults, MainWindowResultsTabRunsTheCalculationOrSendsBack) {
  app();
  RecordingInteraction rec(true);
  TDanegl window;
  window.setInteraction(&rec);
  window.startUp(QString(DORVEL_SOURCE_DIR) + "/examples/water-orifice-flange.dvl", false);
  window.setCurrentPage(TDanegl::PageResults);
  EXPECT_EQ(window.pageControl()->currentIndex(), TDanegl::PageResults);
  auto* panel = window.findChild<QWidget*>("PanelWyniki");
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->isVisibleTo(window.resultsPage()));
  EXPECT_EQ(window.findChild<QLabel*>("Labe201")->text(), "48.23 ");
  EXPECT_EQ(window.standardLabel(0)->palette().color(QPalette::Window), QColor(Qt::yellow));

  window.setCurrentPage(TDanegl::PageBasic);
  window.openDataFile(QString(DORVEL_SOURCE_DIR) + "/examples/naturalgas-orifice-corner.dvl");
  window.setCurrentPage(TDanegl::PageResults);
  EXPECT_EQ(window.pageControl()->currentIndex(), TDanegl::PageProperties);
  EXPECT_EQ(window.statusText().toStdString(), kPropertiesRequest);
}

// The reference conditions are the file's, whether the file is given at
// start-up or opened later.
TEST(UiResults, StartUpKeepsTheFilesReferenceConditions) {
  app();
  dorvel::testing::TempDir dir;
  CalculationCase gas = example("air-venturi-machined.dvl");
  gas.refTemperature = 20;
  RecordingInteraction rec(true);
  const std::string path = dir.file("ref20.dvl");
  ASSERT_TRUE(writeCaseFile(path, gas, rec));
  TDanegl started;
  started.setInteraction(&rec);
  started.startUp(QString::fromStdString(path), false);
  EXPECT_EQ(started.caseRef().refTemperature, 20);
  EXPECT_EQ(started.caseRef().refPressure, 101.325L);
  EXPECT_EQ(started.caseRef().refConditionsText, referenceConditionsText(20, 101.325L));
  TDanegl opened;
  opened.setInteraction(&rec);
  opened.startUp(QString(), false);
  opened.openDataFile(QString::fromStdString(path));
  EXPECT_EQ(opened.caseRef().refTemperature, started.caseRef().refTemperature);
  EXPECT_EQ(opened.caseRef().refPressure, started.caseRef().refPressure);
}

TEST(UiResults, F1OnThePressureEditAsksForTopic80) {
  app();
  RecordingInteraction rec(true);
  TDanegl window;
  window.setInteraction(&rec);
  window.show();
  QApplication::setActiveWindow(&window);
  for (auto [name, topic] : {std::pair{"Edp", 80}, std::pair{"EdTytu", 30}}) {
    auto* edit = window.findChild<QWidget*>(name);
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(edit, &f1);
    ASSERT_NE(HelpSystem::instance().window(), nullptr);
    EXPECT_EQ(HelpSystem::instance().window()->currentTopic(), topic) << name;
  }
}
