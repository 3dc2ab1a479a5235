// The page "Fluid Properties": one panel per fluid kind, computed at once
// for water, steam and liquid ammonia, on request for the gases, typed in
// for other liquids (and, if wished, other gases).
#include <QButtonGroup>
#include <QFrame>
#include <algorithm>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <cstdio>

#include "base/format.h"
#include "base/shared.h"
#include "props/air.h"
#include "props/natural_gas_eos.h"
#include "props/properties.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/page_edit.h"

namespace dorvel::ui {

namespace {

QString general(Real x, int digits) { return QString::fromStdString(formatGeneral(x, digits)); }
// "fixed w.d": at most w significant digits, d decimals (123.456789 in
// fixed 6.4 is 123.4570).
QString fixed(Real x, int precision, int decimals) {
  return QString::fromStdString(pageFixed(x, decimals, precision));
}
// Scientific with `digits` significant digits and the shortest signed
// exponent: 1.002E-3, 2.5E+2.
QString exponent(Real x, int digits) { return QString::fromStdString(formatExponent(x, digits)); }

QLabel* caption(const char* name, const QString& text) {
  auto* l = new QLabel(text);
  if (name) l->setObjectName(QString::fromLatin1(name));
  return l;
}

// A unit caption that later gets the reference conditions ("kg/m3 (0 °C,
// 101.325 kPa)") is as wide as that from the start, so that the columns
// beside it do not move when the results fill in.
QLabel* conditionsUnit(QLabel* l) {
  l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("kg/m3 (20 °C, 101.325 kPa)")));
  return l;
}

QLabel* value(const char* name) {
  auto* l = new QLabel;
  l->setObjectName(QString::fromLatin1(name));
  l->setFrameShape(QFrame::Panel);
  l->setFrameShadow(QFrame::Sunken);
  l->setMinimumWidth(120);
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return l;
}

QPushButton* button(const char* name, const QString& text, const QString& hint = {}) {
  auto* b = new QPushButton(text);
  b->setObjectName(QString::fromLatin1(name));
  if (!hint.isEmpty()) b->setToolTip(hint);
  return b;
}

QGroupBox* radioGroup(const char* name, const QString& title, const QStringList& items,
                      QButtonGroup*& group) {
  auto* box = new QGroupBox(title);
  box->setObjectName(QString::fromLatin1(name));
  auto* h = new QHBoxLayout(box);
  group = new QButtonGroup(box);
  for (int i = 0; i < items.size(); ++i) {
    auto* rb = new QRadioButton(items[i]);
    rb->setObjectName(QString::fromLatin1(name) + QStringLiteral("_%1").arg(i));
    group->addButton(rb, i);
    h->addWidget(rb);
  }
  return box;
}

const QStringList kViscosityUnits = {"kg.s/m2", "kg/m.h", "Pa.s", "cP"};
const QStringList kMoleVolume = {"mole %", "volume %"};

int panelOf(int kind) {
  switch (kind) {
    case FluidWater: return 0;
    case FluidSteam: case FluidSteam13: return 1;
    case FluidOtherLiquid: case FluidLiquidAmmonia: return 2;
    case FluidAir: return 3;
    case FluidOtherGas: return 4;
    case FluidCokeGas: return 5;
    case FluidNaturalGas: case FluidNaturalGas8: return 6;
    default: return 0;
  }
}

}  // namespace

// ---- building the panels -------------------------------------------------------------

QWidget* TDanegl::buildPropertyPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabSheetWlasciwosci"));
  auto* v = new QVBoxLayout(page);
  auto* stack = new QStackedWidget;
  stack->setObjectName(QStringLiteral("PropertyPanels"));
  panels_ = {buildWaterPanel(),    buildSteamPanel(),    buildLiquidPanel(), buildAirPanel(),
             buildOtherGasPanel(), buildCokeGasPanel(),  buildNaturalGasPanel()};
  const char* names[7] = {"PanelWody",    "PanelPary",   "PanelInnaCiecz", "PanelPowietrze",
                          "PanelInnyGaz", "PanelGazKoks", "PanelGazZiem"};
  for (size_t i = 0; i < panels_.size(); ++i) {
    QWidget* panel = panels_[i];
    panel->setObjectName(QString::fromLatin1(names[i]));
    auto* holder = new QWidget;
    auto* hv = new QVBoxLayout(holder);
    panelTitles_[i] = caption(nullptr, QString());
    panelTitles_[i]->setObjectName(QString::fromLatin1(names[i]) + QStringLiteral("Title"));
    QFont f = panelTitles_[i]->font();
    f.setBold(true);
    panelTitles_[i]->setFont(f);
    hv->addWidget(panelTitles_[i]);
    hv->addWidget(panel);
    hv->addStretch(1);
    stack->addWidget(holder);
  }
  v->addWidget(stack);
  return page;
}

static QGridLayout* resultGrid(QWidget* panel) {
  auto* g = new QGridLayout(panel);
  g->setColumnStretch(3, 1);
  return g;
}

QWidget* TDanegl::buildWaterPanel() {
  auto* p = new QWidget;
  auto* g = resultGrid(p);
  laWodyGes_ = value("LaWody2");
  laWodyLep_ = value("LaWody4");
  laWodyEnt_ = value("LaWody6");
  g->addWidget(caption("LaWody1", "Density"), 0, 0);
  g->addWidget(laWodyGes_, 0, 1);
  g->addWidget(caption(nullptr, "kg/m3"), 0, 2);
  g->addWidget(caption("LaWody3", "Dynamic viscosity"), 1, 0);
  g->addWidget(laWodyLep_, 1, 1);
  g->addWidget(caption(nullptr, "Pa*s"), 1, 2);
  g->addWidget(caption("LaWody5", "Specific enthalpy"), 2, 0);
  g->addWidget(laWodyEnt_, 2, 1);
  g->addWidget(caption(nullptr, "kJ/kg"), 2, 2);
  resultLabels_.insert(resultLabels_.end(), {laWodyGes_, laWodyLep_, laWodyEnt_});
  return p;
}

QWidget* TDanegl::buildSteamPanel() {
  auto* p = new QWidget;
  auto* g = resultGrid(p);
  laParyTs_ = value("LaPary2");
  laParyV_ = value("LaPary4");
  laParyGes_ = value("LaPary6");
  laParyLep_ = value("LaPary8");
  laParyKapa_ = value("LaPary10");
  laParyEnt_ = value("LaPary12");
  const struct {
    const char* name;
    const char* text;
    QLabel* value;
    const char* unit;
  } rows[] = {
      {"LaPary1", "Saturation line temperature", laParyTs_, "°C"},
      {"LaPary3", "Specific volume", laParyV_, "m3/kg"},
      {"LaPary5", "Density", laParyGes_, "kg/m3"},
      {"LaPary7", "Dynamic viscosity", laParyLep_, "Pa*s"},
      {"LaPary9", "Isentropic exponent", laParyKapa_, ""},
      {"LaPary11", "Specific enthalpy", laParyEnt_, "kJ/kg"},
  };
  int r = 0;
  for (const auto& row : rows) {
    g->addWidget(caption(row.name, row.text), r, 0);
    g->addWidget(row.value, r, 1);
    g->addWidget(caption(nullptr, QString::fromUtf8(row.unit)), r++, 2);
    resultLabels_.push_back(row.value);
  }
  return p;
}

QWidget* TDanegl::buildLiquidPanel() {
  auto* p = new QWidget;
  auto* v = new QVBoxLayout(p);
  v->setContentsMargins(0, 0, 0, 0);
  liquidEditsBox_ = new QWidget;
  auto* g = new QGridLayout(liquidEditsBox_);
  edGamaCieczy_ = numberEdit("EdGamaInnejCieczy", &CalculationCase::density, 0);
  edLepCieczy_ = numberEdit("EdLepInnejCieczy", &CalculationCase::viscosityEntered, 0);
  edGamaCieczy_->setShowStored([this] {
    const bool was = filling_;
    filling_ = true;
    edGamaCieczy_->setText(general(case_.density, 10));
    filling_ = was;
  });
  edLepCieczy_->setShowStored([this] {
    const bool was = filling_;
    filling_ = true;
    edLepCieczy_->setText(exponent(case_.viscosityEntered, 6));
    filling_ = was;
  });
  cbjLep2_ = new QComboBox;
  cbjLep2_->setObjectName(QStringLiteral("CBjLep2"));
  cbjLep2_->addItems(kViscosityUnits);
  connect(cbjLep2_, &QComboBox::currentIndexChanged, this, [this](int item) {
    if (!filling_ && item >= 0) case_.viscosityUnit = item + 1;
  });
  g->addWidget(caption("LaInnaCie1", "Density"), 0, 0);
  g->addWidget(edGamaCieczy_, 0, 1);
  g->addWidget(caption(nullptr, "kg/m3"), 0, 2);
  g->addWidget(caption("LaInnaCie3", "Dynamic viscosity"), 1, 0);
  g->addWidget(edLepCieczy_, 1, 1);
  g->addWidget(cbjLep2_, 1, 2);
  buPodpowie_ = button("BuPodpowie", "Density table");
  buAkceptuj2_ = button("BuAkceptuj2", "OK");
  connect(buPodpowie_, &QPushButton::clicked, this, [this] { liquidsTable_->exec(); });
  connect(buAkceptuj2_, &QPushButton::clicked, this, [this] { rememberPropertyInputs(case_); });
  auto* h = new QHBoxLayout;
  h->addWidget(buPodpowie_);
  h->addWidget(buAkceptuj2_);
  h->addStretch(1);
  g->addLayout(h, 2, 0, 1, 3);
  g->setColumnStretch(3, 1);
  v->addWidget(liquidEditsBox_);

  ammoniaBox_ = new QWidget;
  auto* a = resultGrid(ammoniaBox_);
  laGamaAmoniaku_ = value("LaGamaamoniaku");
  laLepAmoniaku_ = value("Lalepamoniaku");
  a->addWidget(caption(nullptr, "Density"), 0, 0);
  a->addWidget(laGamaAmoniaku_, 0, 1);
  a->addWidget(caption(nullptr, "kg/m3"), 0, 2);
  a->addWidget(caption(nullptr, "Dynamic viscosity"), 1, 0);
  a->addWidget(laLepAmoniaku_, 1, 1);
  a->addWidget(caption(nullptr, "Pa.s"), 1, 2);
  resultLabels_.insert(resultLabels_.end(), {laGamaAmoniaku_, laLepAmoniaku_});
  v->addWidget(ammoniaBox_);
  return p;
}

// Relative humidity and reference conditions of air, other gas, coke-oven gas.
static void addConditionRows(QGridLayout* g, int row, QWidget* fi, QWidget* t, QWidget* p,
                             const char* fiName, const char* tName, const char* pName) {
  g->addWidget(caption(fiName, "Relative humidity"), row, 0);
  g->addWidget(fi, row, 1);
  g->addWidget(caption(nullptr, "%"), row, 2);
  g->addWidget(caption(tName, "Reference temperature"), row + 1, 0);
  g->addWidget(t, row + 1, 1);
  g->addWidget(caption(nullptr, QString::fromUtf8("°C")), row + 1, 2);
  g->addWidget(caption(pName, "Reference pressure"), row + 2, 0);
  g->addWidget(p, row + 2, 1);
  g->addWidget(caption(nullptr, "kPa"), row + 2, 2);
}

// The "Results" group of air, coke-oven gas and natural gas.
// `names` are the five captions and the unit of the reference density.
static QGroupBox* gasResults(const char* name, std::array<QLabel*, 6> labels,
                             const QString& refUnit, const std::array<const char*, 6>& names) {
  auto* box = new QGroupBox("Results");
  box->setObjectName(QString::fromLatin1(name));
  auto* g = new QGridLayout(box);
  const char* captions[5] = {"Density at reference cond.", "Density at working cond.",
                             "Dynamic viscosity", "Isentropic exponent", "Compression factor K1"};
  const QString units[5] = {refUnit, "kg/m3", "Pa*s", "", ""};
  for (int i = 0; i < 5; ++i) {
    auto* c = caption(names[static_cast<size_t>(i)], captions[i]);
    if (i == 4) c->setToolTip("K1=Z1/Zs");
    g->addWidget(c, i, 0);
    g->addWidget(labels[static_cast<size_t>(i)], i, 1);
    g->addWidget(caption(i == 0 ? names[5] : nullptr, units[i]), i, 2);
  }
  g->addWidget(labels[5], 0, 3);  // reference conditions text
  g->setColumnStretch(4, 1);
  return box;
}

QWidget* TDanegl::buildAirPanel() {
  auto* p = new QWidget;
  auto* g = new QGridLayout(p);
  auto bound = [this](const char* name, Real CalculationCase::*field, int digits,
                      std::function<void()> after = {}) {
    PageEdit* e = numberEdit(name, field, 0, after);
    boundEdits_.push_back({e, field, nullptr, 0, digits, false});
    return e;
  };
  addConditionRows(g, 0, bound("EdFiPow", &CalculationCase::relativeHumidity, 5),
                   bound("Edtnormal4", &CalculationCase::refTemperature, 4,
                         [this] { refConditionsChanged(); }),
                   bound("EdPnormal4", &CalculationCase::refPressure, 6,
                         [this] { refConditionsChanged(); }),
                   "LaPowWilgo", "LaTnormal4", "LaPnormal4");
  auto* h = gasButtonRow({"LiczWlPow", "&Calculate air properties", "BuPrzeliczWilgo4", "BuPyt4",
                          "BuKoment4"},
                         450, [this] {
                           setAirComposition(case_);
                           if (computeFluidProperties(case_, FluidAir, *ui_)) {
                             showProperties();
                             setStatusNormal();
                           }
                         });
  g->addLayout(h, 3, 0, 1, 4);
  laPowRomNor_ = value("LaPow6");
  laPowGama_ = value("LaPow7");
  laPowLep_ = value("LaPow8");
  laPowKapa_ = value("LaPow10");
  laPowK1_ = value("LaPow11");
  laWarNormal4_ = caption("LaWarNormal4", QString());
  g->addWidget(gasResults("GroupBox4Pow", {laPowRomNor_, laPowGama_, laPowLep_, laPowKapa_,
                                           laPowK1_, laWarNormal4_},
                          "kg/Nm3", {"LaPow1", "Lapow2", "Lapow3", "Lapow4", "LaPow5", "LaPow9"}),
               4, 0, 1, 4);
  g->setColumnStretch(3, 1);
  resultLabels_.insert(resultLabels_.end(),
                       {laPowRomNor_, laPowGama_, laPowLep_, laPowKapa_, laPowK1_});
  return p;
}

QWidget* TDanegl::buildOtherGasPanel() {
  auto* p = new QWidget;
  auto* top = new QHBoxLayout(p);
  auto sum = [this] { showCompositionSums(); };
  // Composition, two groups of eleven.
  auto* comp = new QGroupBox("Composition");
  auto* cg = new QGridLayout(comp);
  const struct {
    const char* name;
    const char* text;
  } comps[22] = {{"Ed5H2O", "H2O"},    {"Ed5N2", "N2"},         {"Ed5O2", "O2"},
                 {"Ed5H2", "H2"},      {"Ed5Ar", "Ar"},         {"Ed5He", "He"},
                 {"Ed5NO", "NO"},      {"Ed5H2S", "H2S"},       {"Ed5SO2", "SO2"},
                 {"Ed5CO", "CO"},      {"Ed5CO2", "CO2"},       {"Ed5CH4", "CH4"},
                 {"Ed5C2H6", "C2H6"},  {"Ed5C3H8", "C3H8"},     {"Ed5C4H10", "n-C4H10"},
                 {"Ed5C5H12", "n-C5H12"}, {"Ed5C2H4", "C2H4"},  {"Ed5C2H2", "C2H2"},
                 {"Ed5C6H6", "C6H6"},  {"Ed5Cl2", "Cl2"},       {"Ed5C2H3Cl", "C2H3Cl"},
                 {"Ed5NH3", "NH3"}};
  for (int i = 0; i < 22; ++i) {
    const int col = i < 11 ? 0 : 2;
    const int row = i % 11;
    cg->addWidget(caption(nullptr, comps[i].text), row, col);
    PageEdit* e = slotEdit(comps[i].name, &CalculationCase::mixtureComposition, i + 1, sum);
    e->setMaximumWidth(110);
    cg->addWidget(e, row, col + 1);
  }
  la5Suma_ = value("La5Suma");
  cg->addWidget(caption("La5SumaSkladu", "SUM"), 11, 0);
  cg->addWidget(la5Suma_, 11, 1);
  auto* del = button("Bu5KasujSklad", "Delete", "All fractions are set to zero");
  connect(del, &QPushButton::clicked, this, [this] {
    case_.mixtureComposition.fill(0);
    refillCompositionEdits();
  });
  cg->addWidget(del, 11, 3);
  auto* rg = radioGroup("RadioGroup5", QString(), kMoleVolume, radioGroup5_);
  connectMoleVolume(radioGroup5_);
  cg->addWidget(rg, 12, 0, 1, 4);
  top->addWidget(comp);

  // Conditions, calculation, hand entry and results.
  auto* right = new QVBoxLayout;
  auto* cond = new QGridLayout;
  auto bound = [this](const char* name, Real CalculationCase::*field, int digits,
                      std::function<void()> after = {}) {
    PageEdit* e = numberEdit(name, field, 0, after);
    boundEdits_.push_back({e, field, nullptr, 0, digits, false});
    return e;
  };
  addConditionRows(cond, 0,
                   bound("EdFiInnyGaz", &CalculationCase::relativeHumidity, 8,
                         [this] {
                           for (QLabel* l : {la5ges_, la5lep_, la5kapa_, la5K1_}) l->clear();
                         }),
                   bound("Edtnormal5", &CalculationCase::refTemperature, 4,
                         [this] { refConditionsChanged(); }),
                   bound("Edpnormal5", &CalculationCase::refPressure, 6,
                         [this] { refConditionsChanged(); }),
                   "Lfi", "Latnormal5", "Lapnormal5");
  right->addLayout(cond);
  auto* h = gasButtonRow({"Bu5liczWl", "&Calculate properties", "Bu5PrzeliczWilgo", "Bu5Pyt",
                          "Bu5Koment"},
                         470, [this] {
                           if (computeFluidProperties(case_, FluidOtherGas, *ui_)) {
                             case_.densityEnteredByHand = 0;
                             showProperties();
                             setStatusNormal();
                           }
                         });
  right->addLayout(h);

  auto* manual = new QGroupBox("Enter properties manually");
  manual->setObjectName("La5GazWpisz");
  auto* mg = new QGridLayout(manual);
  cbjLep5_ = new QComboBox;
  cbjLep5_->setObjectName(QStringLiteral("CBjLep5"));
  cbjLep5_->addItems(kViscosityUnits);
  connect(cbjLep5_, &QComboBox::currentIndexChanged, this, [this](int item) {
    if (!filling_ && item >= 0) case_.viscosityUnit = item + 1;
  });
  PageEdit* eds[4] = {bound("Ed5ges", &CalculationCase::manualDensity, 8),
                      bound("Ed5Lep", &CalculationCase::manualViscosity, 5),
                      bound("Ed5kapa", &CalculationCase::manualIsentropicExponent, 8),
                      bound("Ed5K1", &CalculationCase::manualK1, 8)};
  const char* mcaps[4] = {"Density", "Dynamic viscosity", "Isentropic exponent",
                          "Compression factor K1"};
  // Buttons: 1 density, 2 K1, 3 viscosity, 4 isentropic exponent.
  const char* bnames[4] = {"Bu5wpisz1", "Bu5wpisz3", "Bu5wpisz4", "Bu5wpisz2"};
  QPushButton* bus[4];
  for (int i = 0; i < 4; ++i) {
    mg->addWidget(caption(nullptr, mcaps[i]), i, 0);
    eds[i]->setMinimumWidth(110);
    mg->addWidget(eds[i], i, 1);
    if (i == 0) mg->addWidget(caption(nullptr, "kg/m3"), i, 2);
    if (i == 1) mg->addWidget(cbjLep5_, i, 2);
    bus[i] = button(bnames[i], "<-", "To enter declared value");
    // A button's width, not a squeezed arrow.
    bus[i]->setMinimumWidth(std::max(bus[i]->sizeHint().width(), 48));
    bus[i]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    mg->addWidget(bus[i], i, 3);
  }
  // The transfer itself is the property routines' (the command line takes
  // all four the same way); the page shows what was taken.
  connect(bus[0], &QPushButton::clicked, this, [this] {
    takeManualGasProperty(case_, ManualGasProperty::Density);
    la5ges_->setText(fixed(case_.enteredDensity, 8, 5));
  });
  connect(bus[3], &QPushButton::clicked, this, [this] {
    takeManualGasProperty(case_, ManualGasProperty::K1);
    la5K1_->setText(fixed(case_.compressibilityK1, 6, 5));
  });
  connect(bus[1], &QPushButton::clicked, this, [this] {
    takeManualGasProperty(case_, ManualGasProperty::Viscosity);
    la5lep_->setText(general(case_.viscosityEntered, 5));
  });
  connect(bus[2], &QPushButton::clicked, this, [this] {
    takeManualGasProperty(case_, ManualGasProperty::IsentropicExponent);
    la5kapa_->setText(fixed(case_.isentropicExponent, 5, 3));
  });

  auto* res = new QGroupBox("Results");
  res->setObjectName("GB5wyniki");
  auto* rg2 = new QGridLayout(res);
  cbges_ = new QComboBox;
  cbges_->setObjectName(QStringLiteral("Cbges"));
  cbges_->addItems({"Density at working", "Density at reference"});
  la5ges_ = value("La5ges");
  la5kg_ = conditionsUnit(caption("La5kg", "kg/m3"));
  la5lep_ = value("La5lep");
  la5kapa_ = value("La5kapa");
  la5K1_ = value("La5K1");
  rg2->addWidget(cbges_, 0, 0);
  rg2->addWidget(la5ges_, 0, 1);
  rg2->addWidget(la5kg_, 0, 2);
  rg2->addWidget(caption("Llep", "Dynamic viscosity"), 1, 0);
  rg2->addWidget(la5lep_, 1, 1);
  // The viscosity is stored in the unit of the list beside the typed value.
  auto* lepUnit = caption("La5lepJed", cbjLep5_->currentText());
  rg2->addWidget(lepUnit, 1, 2);
  connect(cbjLep5_, &QComboBox::currentTextChanged, lepUnit, &QLabel::setText);
  rg2->addWidget(caption("Lkapa", "Isentropic exponent"), 2, 0);
  rg2->addWidget(la5kapa_, 2, 1);
  auto* k1 = caption("Lk1", "Compression factor K1");
  k1->setToolTip("K1=Z1/Zs");
  rg2->addWidget(k1, 3, 0);
  rg2->addWidget(la5K1_, 3, 1);
  connect(cbges_, &QComboBox::currentIndexChanged, this, [this](int item) {
    if (filling_ || item < 0) return;
    case_.densityKind = item + 1;
    showOtherGasDensity(!la5ges_->text().isEmpty());
  });
  right->addWidget(manual);
  right->addWidget(res);
  right->addStretch(1);
  top->addLayout(right, 1);
  resultLabels_.insert(resultLabels_.end(), {la5ges_, la5lep_, la5kapa_, la5K1_});
  return p;
}

QWidget* TDanegl::buildCokeGasPanel() {
  auto* p = new QWidget;
  auto* top = new QHBoxLayout(p);
  auto sum = [this] { showCompositionSums(); };
  auto* comp = new QGroupBox("Composition");
  comp->setObjectName("GroupBox1");
  auto* cg = new QGridLayout(comp);
  const struct {
    const char* name;
    const char* text;
    int slot;
  } comps[6] = {{"Ed7H2", "H2", 4},  {"Ed7CH4", "CH4", 12}, {"Ed7CO", "CO", 10},
                {"Ed7N2", "N2", 2},  {"Ed7CO2", "CO2", 11}, {"Ed7O2", "O2", 3}};
  int row = 0;
  for (const auto& s : comps) {
    cg->addWidget(caption(nullptr, s.text), row, 0);
    cg->addWidget(slotEdit(s.name, &CalculationCase::mixtureComposition, s.slot, sum), row++, 1);
  }
  PageEdit* cnhm = numberEdit("Ed7CnHm", &CalculationCase::cokeGasCnHm, 0, sum);
  boundEdits_.push_back({cnhm, &CalculationCase::cokeGasCnHm, nullptr, 0, 8, false});
  cg->addWidget(caption(nullptr, "CnHm"), row, 0);
  cg->addWidget(cnhm, row++, 1);
  la7Suma_ = value("La7Suma");
  cg->addWidget(caption("LaSuma7", "SUM"), row, 0);
  cg->addWidget(la7Suma_, row++, 1);
  auto* del = button("BuKasujSklad7", "Delete", "All fractions are set to zero");
  connect(del, &QPushButton::clicked, this, [this] {
    for (int slot : {2, 3, 4, 10, 11, 12}) case_.mixtureComposition[static_cast<size_t>(slot - 1)] = 0;
    case_.cokeGasCnHm = 0;
    refillCompositionEdits();
  });
  cg->addWidget(del, row++, 1);
  cg->addWidget(radioGroup("RadioGroup7", QString(), kMoleVolume, radioGroup7_), row, 0, 1, 2);
  connectMoleVolume(radioGroup7_);
  top->addWidget(comp);

  auto* right = new QVBoxLayout;
  auto* cond = new QGridLayout;
  auto bound = [this](const char* name, Real CalculationCase::*field, int digits,
                      std::function<void()> after = {}) {
    PageEdit* e = numberEdit(name, field, 0, after);
    boundEdits_.push_back({e, field, nullptr, 0, digits, false});
    return e;
  };
  addConditionRows(cond, 0, bound("EdFiGazKoks", &CalculationCase::relativeHumidity, 5),
                   bound("Edtnormal7", &CalculationCase::refTemperature, 4,
                         [this] { refConditionsChanged(); }),
                   bound("Edpnormal7", &CalculationCase::refPressure, 6,
                         [this] { refConditionsChanged(); }),
                   "LaKoksWilgo", "Latnormal7", "Lapnormal7");
  right->addLayout(cond);
  auto* h = gasButtonRow({"BuLiczGazKoks", "&Calculate properties", "Button1", "BuPyt7", "BitBtn1"},
                         460, [this] {
                           if (computeFluidProperties(case_, FluidCokeGas, *ui_)) {
                             showProperties();
                             setStatusNormal();
                           }
                         });
  right->addLayout(h);
  laRomnor7_ = value("LaRomnor7");
  laGama7_ = value("LaGama7");
  laLepko7_ = value("LaLepko7");
  laKapa7_ = value("LaKapa7");
  la7K1_ = value("La7K1");
  laWarNormal7_ = caption("LaWarNormal7", QString());
  right->addWidget(gasResults("GroupBox7", {laRomnor7_, laGama7_, laLepko7_, laKapa7_, la7K1_,
                                            laWarNormal7_},
                              "kg/Nm3",
                              {"LaKoks1", "LaKoks2", "LaKoks3", "LaKoks4", "LaKoks5", "LaKoks6"}));
  right->addStretch(1);
  top->addLayout(right, 1);
  resultLabels_.insert(resultLabels_.end(), {laRomnor7_, laGama7_, laLepko7_, laKapa7_, la7K1_});
  return p;
}

QWidget* TDanegl::buildNaturalGasPanel() {
  auto* p = new QWidget;
  auto* top = new QHBoxLayout(p);
  auto* left = new QVBoxLayout;
  auto* which = radioGroup("RadioGroupJakieDane", "Select input data set:",
                           {"gas composition", "physical properties"}, radioGroupJakieDane_);
  connect(radioGroupJakieDane_, &QButtonGroup::idClicked, this, [this](int id) {
    if (filling_) return;
    case_.naturalGasInputIsComposition = id == 0 ? 1 : 0;
    enableNaturalGasGroups();
    propertyTitle();
  });
  left->addWidget(which);
  // The equation of state of a gas given by its composition; the
  // physical-property input is SGERG-88's own.
  auto* equationRow = new QHBoxLayout;
  equationRow->addWidget(caption("La9Rownanie", "Equation of state"));
  auto* equation = new QComboBox;
  equation->setObjectName(QStringLiteral("CB9Rownanie"));
  equation->addItems({QString::fromUtf8(naturalGasEquationName(kEquationSgerg88).data()),
                      QString::fromUtf8(naturalGasEquationName(kEquationAga8_92dc).data()),
                      QString::fromUtf8(naturalGasEquationName(kEquationGerg2008).data())});
  connect(equation, &QComboBox::currentIndexChanged, this, [this](int item) {
    if (filling_ || item < 0) return;
    case_.naturalGasEquation = item + 1;
    case_.caseModified = true;  // the file stores the equation
    // Results of another equation are not the gas's until the next calculation.
    clearPropertyResults();
    propertyTitle();
  });
  equationRow->addWidget(equation, 1);
  left->addLayout(equationRow);
  gb9Composition_ = new QGroupBox("Composition");
  gb9Composition_->setObjectName("GB9Sklad");
  auto* cg = new QGridLayout(gb9Composition_);
  auto sum = [this] { showCompositionSums(); };
  const struct {
    const char* name;
    const char* text;
    int slot;
  } comps[15] = {{"Ed9CH4", "CH4", 1},       {"Ed9C2H6", "C2H6", 2},     {"Ed9C3H8", "C3H8", 3},
                 {"Ed9nC4H10", "n-C4H10", 4}, {"Ed9iC4H10", "i-C4H10", 5}, {"Ed9nC5H12", "n-C5H12", 6},
                 {"Ed9iC5H12", "i-C5H12", 7}, {"Ed9C6H14", "C6H14", 8},   {"Ed9C7H16", "C7H16", 9},
                 {"Ed9C8H18", "C8H18+", 10},  {"Ed9H2", "H2", 21},        {"Ed9N2", "N2", 27},
                 {"Ed9CO2", "CO2", 29},       {"Ed9CO", "CO", 23},        {"Ed9He", "He", 24}};
  for (int i = 0; i < 15; ++i) {
    const int col = i < 8 ? 0 : 2;
    const int row = i % 8;
    cg->addWidget(caption(nullptr, comps[i].text), row, col);
    PageEdit* e = slotEdit(comps[i].name, &CalculationCase::naturalGasComposition, comps[i].slot, sum);
    e->setMaximumWidth(110);
    cg->addWidget(e, row, col + 1);
  }
  la9Suma_ = value("La9SUMA");
  cg->addWidget(caption("La9SumaSkladu", "SUM"), 8, 0);
  cg->addWidget(la9Suma_, 8, 1);
  auto* del = button("BuKasuj9", "Delete", "All fractions are set to zero");
  connect(del, &QPushButton::clicked, this, [this] {
    case_.naturalGasComposition.fill(0);
    refillCompositionEdits();
  });
  cg->addWidget(del, 8, 3);
  cg->addWidget(radioGroup("RadioGroupProc9", QString(), kMoleVolume, radioGroupProc9_), 9, 0, 1, 4);
  connectMoleVolume(radioGroupProc9_);
  left->addWidget(gb9Composition_);
  top->addLayout(left);

  auto* right = new QVBoxLayout;
  // The panel PaWlFiz with its caption La9WlaFiz.
  auto* phys = new QFrame;
  phys->setObjectName("PaWlFiz");
  phys->setFrameShape(QFrame::StyledPanel);
  paWlFiz_ = phys;
  auto* pv = new QVBoxLayout(phys);
  auto* physCaption = caption("La9WlaFiz", "Physical properties");
  QFont bold = physCaption->font();
  bold.setBold(true);
  physCaption->setFont(bold);
  pv->addWidget(physCaption);
  auto* pg = new QGridLayout;
  pv->addLayout(pg);
  auto bound = [this](const char* name, Real CalculationCase::*field, int digits) {
    PageEdit* e = numberEdit(name, field, 0);
    boundEdits_.push_back({e, field, nullptr, 0, digits, false});
    return e;
  };
  pg->addWidget(caption("LaCO22", "CO2 content"), 0, 0);
  pg->addWidget(bound("EdCO22", &CalculationCase::co2Percent, 10), 0, 1);
  pg->addWidget(caption("LaCO22jed", "[mole %]"), 0, 2);
  pg->addWidget(caption("LaH22", "H2 content"), 1, 0);
  pg->addWidget(bound("EdH22", &CalculationCase::h2Percent, 10), 1, 1);
  pg->addWidget(caption("LaH22jed", "[mole %]"), 1, 2);
  pg->addWidget(caption("Lad", "Relative density"), 2, 0);
  PageEdit* edd = numberEdit("Edd", &CalculationCase::relativeDensity, 0);
  edd->setShowStored([this, edd] {
    const bool was = filling_;
    filling_ = true;
    edd->setText(fixed(case_.relativeDensity, 12, 7));
    filling_ = was;
  });
  pg->addWidget(edd, 2, 1);
  pg->addWidget(caption("LaHs", "Superior calorific value"), 3, 0);
  pg->addWidget(bound("EdHs", &CalculationCase::calorificValue, 10), 3, 1);
  pg->addWidget(caption(nullptr, "MJ/m3"), 3, 2);
  right->addWidget(phys);
  auto* calc = button("BuLiczWlGazZiem", "&Calculate properties");
  auto* help = button("BitBtn2", "Hel&p");
  connect(calc, &QPushButton::clicked, this, [this] {
    if (computeFluidProperties(case_, FluidNaturalGas, *ui_)) {
      showProperties();
      setStatusNormal();
    }
  });
  connect(help, &QPushButton::clicked, this, [this] { showHelpTopic(480); });
  auto* h = new QHBoxLayout;
  h->addWidget(calc);
  h->addWidget(help);
  h->addStretch(1);
  right->addLayout(h);
  la9RomNor_ = value("La91v");
  la9RomNorUnit_ = conditionsUnit(caption("La9jed", "kg/m3"));
  la9Gama_ = value("La92v");
  la9Lep_ = value("La93v");
  la9Kapa_ = value("La94v");
  la9K1_ = value("La95v");
  auto* res = new QGroupBox("Results");
  res->setObjectName("GroupBox9");
  auto* rg = new QGridLayout(res);
  const char* names[5] = {"La91", "La92", "La93", "La94", "La95"};
  const char* caps[5] = {"Density at reference", "Density at working", "Dynamic viscosity",
                         "Isentropic exponent", "Compression factor K1"};
  QLabel* vals[5] = {la9RomNor_, la9Gama_, la9Lep_, la9Kapa_, la9K1_};
  for (int i = 0; i < 5; ++i) {
    rg->addWidget(caption(names[i], caps[i]), i, 0);
    rg->addWidget(vals[i], i, 1);
  }
  rg->addWidget(la9RomNorUnit_, 0, 2);
  rg->addWidget(caption("La96", "kg/m3"), 1, 2);
  rg->addWidget(caption(nullptr, "Pa*s"), 2, 2);
  right->addWidget(res);
  right->addStretch(1);
  top->addLayout(right, 1);
  resultLabels_.insert(resultLabels_.end(), {la9RomNor_, la9Gama_, la9Lep_, la9Kapa_, la9K1_});
  return p;
}

void TDanegl::connectMoleVolume(QButtonGroup* group) {
  connect(group, &QButtonGroup::idClicked, this, [this](int id) {
    if (filling_) return;
    case_.compositionInMolePercent = id == 0 ? 1 : 0;
    const bool was = filling_;
    filling_ = true;
    for (QButtonGroup* g : {radioGroup5_, radioGroup7_, radioGroupProc9_})
      if (g) g->button(id)->setChecked(true);
    filling_ = was;
  });
}

// ---- behaviour -----------------------------------------------------------------------------

void TDanegl::propertyTitle() {
  static const char* starts[7] = {
      "Water properties ( ",
      "Steam properties ( ",
      "Enter liquid properties ( ",
      "Air properties calculation ( ",
      "Gas properties calculation or declaration( ",
      "Calculation of Coke-oven gas properties ( ",
      "Calculations of natural gas properties (SGERG-88) ( "};
  static const char* units[5] = {"", " kg/cm2 ", " kPa ", " MPa ", " BAR "};
  const int panel = panelOf(case_.fluidKind);
  QString start = tx(starts[panel]);
  if (case_.fluidKind == FluidLiquidAmmonia) start = tx("Liquid ammonia properties ( ");
  if (naturalGasEquationInForce(case_) == kEquationAga8_92dc)
    start = tx("Calculations of natural gas properties (AGA8-92DC) ( ");
  if (naturalGasEquationInForce(case_) == kEquationGerg2008)
    start = tx("Calculations of natural gas properties (GERG-2008) ( ");
  const int u = case_.pressureUnit >= 1 && case_.pressureUnit <= 4 ? case_.pressureUnit : 0;
  QString title = start + general(case_.temperature, 6) + QString::fromUtf8("°C ,  ") +
                  general(case_.pressureInput, 10) + QString::fromLatin1(units[u]) +
                  (case_.fluidKind == FluidOtherGas ? QStringLiteral(")") : QStringLiteral(")."));
  panelTitles_[static_cast<size_t>(panel)]->setText(title);
}

void TDanegl::clearPropertyResults() {
  for (QLabel* l : resultLabels_) l->clear();
}

void TDanegl::showCompositionSums() {
  la5Suma_->setText(general(compositionSum(case_.mixtureComposition), 8));
  la7Suma_->setText(general(cokeGasCompositionSum(case_.mixtureComposition, case_.cokeGasCnHm), 8));
  la9Suma_->setText(general(compositionSum(case_.naturalGasComposition), 8));
}

void TDanegl::refillCompositionEdits() {
  refreshNumberEdits();
  showCompositionSums();
}

void TDanegl::refConditionsChanged() {
  case_.refConditionsText = referenceConditionsText(case_.refTemperature, case_.refPressure);
}

void TDanegl::enableNaturalGasGroups() {
  const bool composition = case_.naturalGasInputIsComposition != 0;
  gb9Composition_->setEnabled(composition);
  paWlFiz_->setEnabled(!composition);
  if (auto* equation = findChild<QComboBox*>(QStringLiteral("CB9Rownanie")))
    equation->setEnabled(composition);
}

void TDanegl::openHumidityDialog() {
  settleNumberEdits();
  const Real before = case_.relativeHumidity;
  humidityDialog_->prepare(case_, *ui_);
  humidityDialog_->exec();
  refreshNumberEdits();
  // Results of another humidity are no longer the gas's: they go until the
  // next calculation.
  if (!(case_.relativeHumidity == before)) clearPropertyResults();
  syncModified();
}

void TDanegl::showOtherGasDensity(bool showValue) {
  if (case_.densityKind == 2) {
    case_.enteredDensity = case_.refDensity;
    la5kg_->setText(QStringLiteral("kg/m3 ") + QString::fromStdString(case_.refConditionsText));
  } else {
    case_.enteredDensity = case_.density;
    la5kg_->setText(QStringLiteral("kg/m3"));
  }
  if (showValue && case_.enteredDensity > 0)
    la5ges_->setText(fixed(case_.enteredDensity, 8, 5));
  else
    la5ges_->clear();
}

void TDanegl::enterPropertyPage() {
  auto* stack = findChild<QStackedWidget*>(QStringLiteral("PropertyPanels"));
  const int kind = case_.fluidKind;
  const int panel = panelOf(kind);
  stack->setCurrentIndex(panel);
  propertyTitle();
  filling_ = true;
  refreshNumberEdits();
  const bool mole = case_.compositionInMolePercent != 0;
  for (QButtonGroup* g : {radioGroup5_, radioGroup7_, radioGroupProc9_}) g->button(mole ? 0 : 1)->setChecked(true);
  radioGroupJakieDane_->button(case_.naturalGasInputIsComposition ? 0 : 1)->setChecked(true);
  if (auto* equation = findChild<QComboBox*>(QStringLiteral("CB9Rownanie")))
    equation->setCurrentIndex(case_.naturalGasEquation >= 1 && case_.naturalGasEquation <= 3
                                  ? case_.naturalGasEquation - 1
                                  : 0);
  const int vu = case_.viscosityUnit >= 1 && case_.viscosityUnit <= 4 ? case_.viscosityUnit : 3;
  cbjLep2_->setCurrentIndex(vu - 1);
  cbjLep5_->setCurrentIndex(vu - 1);
  cbges_->setCurrentIndex(case_.densityKind == 2 ? 1 : 0);
  findChild<QLineEdit*>(QStringLiteral("Edd"))->setText(fixed(case_.relativeDensity, 12, 7));
  filling_ = false;
  enableNaturalGasGroups();
  showCompositionSums();
  const bool liquid = kind == FluidOtherLiquid;
  liquidEditsBox_->setVisible(liquid);
  ammoniaBox_->setVisible(kind == FluidLiquidAmmonia);

  switch (kind) {
    case FluidWater: case FluidSteam: case FluidSteam13: case FluidLiquidAmmonia:
      clearPropertyResults();
      if (computeFluidProperties(case_, kind, *ui_)) showProperties();
      break;
    case FluidOtherLiquid:
      showProperties();
      edGamaCieczy_->setFocus();
      break;
    default: {
      if (kind == FluidOtherGas) {
        // The density shown follows the chosen kind, working or reference.
        case_.enteredDensity = case_.densityKind == 2 ? case_.refDensity : case_.density;
        la5kg_->setText(case_.densityKind == 2 ? QStringLiteral("kg/m3 ") +
                                                     QString::fromStdString(case_.refConditionsText)
                                               : QStringLiteral("kg/m3"));
      }
      if (propertiesCurrent(case_, kind))
        showProperties();
      else
        clearPropertyResults();
      const char* focus = kind == FluidAir        ? "EdFiPow"
                          : kind == FluidOtherGas ? "Ed5H2O"
                          : kind == FluidCokeGas  ? "Ed7H2"
                          : case_.naturalGasInputIsComposition ? "Ed9CH4"
                                                               : "EdCO22";
      if (auto* w = findChild<QWidget*>(QString::fromLatin1(focus))) w->setFocus();
      break;
    }
  }
}

void TDanegl::showProperties() {
  const QString refText = QString::fromStdString(case_.refConditionsText);
  switch (case_.fluidKind) {
    case FluidWater:
      laWodyGes_->setText(general(case_.density, 5));
      laWodyLep_->setText(exponent(case_.viscosityEntered, 4));
      laWodyEnt_->setText(general(case_.specificEnthalpy, 5));
      break;
    case FluidSteam: case FluidSteam13:
      laParyTs_->setText(case_.pressureBar > 210 || !case_.saturationTemperatureKnown
                             ? QString::fromUtf8("—")
                             : general(case_.saturationTemperature, 5));
      laParyV_->setText(general(case_.specificVolume, 5));
      laParyGes_->setText(general(case_.density, 5));
      laParyLep_->setText(exponent(case_.viscosityEntered, 4));
      laParyKapa_->setText(general(case_.isentropicExponent, 4));
      laParyEnt_->setText(general(case_.specificEnthalpy, 5));
      break;
    case FluidOtherLiquid:
      filling_ = true;
      edGamaCieczy_->setText(general(case_.density, 10));
      edLepCieczy_->setText(exponent(case_.viscosityEntered, 6));
      cbjLep2_->setCurrentIndex(case_.viscosityUnit - 1);
      filling_ = false;
      break;
    case FluidLiquidAmmonia:
      laGamaAmoniaku_->setText(general(case_.density, 10));
      laLepAmoniaku_->setText(exponent(case_.viscosityEntered, 6));
      break;
    case FluidAir:
      laPowRomNor_->setText(fixed(case_.refDensity, 6, 4));
      laWarNormal4_->setText(refText);
      laPowGama_->setText(fixed(case_.density, 6, 4));
      laPowLep_->setText(exponent(case_.viscosityEntered, 4));
      laPowKapa_->setText(fixed(case_.isentropicExponent, 4, 2));
      laPowK1_->setText(fixed(case_.compressibilityK1, 6, 4));
      break;
    case FluidOtherGas:
      filling_ = true;
      cbges_->setCurrentIndex(case_.densityKind == 2 ? 1 : 0);
      cbjLep5_->setCurrentIndex(case_.viscosityUnit - 1);
      filling_ = false;
      case_.enteredDensity = case_.densityKind == 2 ? case_.refDensity : case_.density;
      la5kg_->setText(case_.densityKind == 2 ? QStringLiteral("kg/m3 ") + refText
                                             : QStringLiteral("kg/m3"));
      la5ges_->setText(fixed(case_.enteredDensity, 8, 4));
      la5lep_->setText(exponent(case_.viscosityEntered, 4));
      la5kapa_->setText(fixed(case_.isentropicExponent, 4, 2));
      la5K1_->setText(fixed(case_.compressibilityK1, 6, 4));
      break;
    case FluidCokeGas:
      laRomnor7_->setText(fixed(case_.refDensity, 6, 4));
      laWarNormal7_->setText(refText);
      laGama7_->setText(fixed(case_.density, 6, 4));
      laLepko7_->setText(exponent(case_.viscosityEntered, 4));
      laKapa7_->setText(fixed(case_.isentropicExponent, 4, 2));
      la7K1_->setText(fixed(case_.compressibilityK1, 6, 4));
      break;
    case FluidNaturalGas: case FluidNaturalGas8: {
      la9RomNor_->setText(fixed(case_.refDensity, 6, 4));
      la9RomNorUnit_->setText(QStringLiteral("kg/m3 ") + refText);
      la9Gama_->setText(fixed(case_.density, 6, 4));
      la9Lep_->setText(exponent(case_.viscosityEntered, 4));
      la9Kapa_->setText(fixed(case_.isentropicExponent, 4, 2));
      la9K1_->setText(fixed(case_.compressibilityK1, 6, 4));
      filling_ = true;
      refreshNumberEdits();
      findChild<QLineEdit*>(QStringLiteral("Edd"))->setText(fixed(case_.relativeDensity, 12, 7));
      filling_ = false;
      break;
    }
    default:
      break;
  }
}

QHBoxLayout* TDanegl::gasButtonRow(const GasButtonNames& names, int helpTopic,
                                   std::function<void()> compute) {
  auto* calc = button(names.calculate, QString::fromUtf8(names.calculateText));
  auto* wilgo = button(names.humidity, "Humidity correction...");
  auto* pyt = button(names.question, "?", "What is humidity correction ?");
  auto* help = button(names.help, "Hel&p");
  connect(calc, &QPushButton::clicked, this, std::move(compute));
  connect(wilgo, &QPushButton::clicked, this, [this] { openHumidityDialog(); });
  connect(pyt, &QPushButton::clicked, this, [this] { showHelpTopic(210); });
  connect(help, &QPushButton::clicked, this, [this, helpTopic] { showHelpTopic(helpTopic); });
  auto* h = new QHBoxLayout;
  h->addWidget(calc);
  h->addWidget(wilgo);
  h->addWidget(pyt);
  h->addWidget(help);
  h->addStretch(1);
  return h;
}

}  // namespace dorvel::ui
