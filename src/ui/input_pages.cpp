// The pages "Basic Input Data" and "Uncertainty Sources": every control
// writes its case field at once; lists store codes.
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/format.h"
#include "base/shared.h"
#include "calc/coefficients.h"
#include "calc/limits.h"
#include "ui/texts/language.h"
#include "ui/main_window.h"
#include "ui/page_edit.h"

namespace dorvel::ui {

namespace {

const QStringList kFluidItems = {"Water",        "Steam",        "Air",
                                 "Natural gas",  "Coke-oven gas or town gas",
                                 "Other gas",    "Other liquid", "Liquid ammonia"};
const QStringList kDeviceItems = {
    "Orifice plate with corner tappings",
    "Orifice plate with D and D/2 tappings",
    "Orifice plate with flange tappings",
    "ISA 1932 nozzle",
    "Long radius nozzle",
    "Venturi nozzle",
    "Classical Venturi tube with \"as cast\" inlet",
    "Classical Venturi tube with machined inlet",
    "Classical Venturi tube with rough-welded inlet",
    "Quarter-circle orifice plate (ISO/TR 15377)",
    "Conical entrance orifice plate (ISO/TR 15377)",
    "Eccentric orifice plate (ISO/TR 15377)"};
const QStringList kMaterialItems = {"300 stainless steel (CrNi)", "Carbon steel",
                                    "400 stainless steel (Cr)",   "Bronze",
                                    "Monel",                      "Aluminium",
                                    "Hot-rolled brass"};
// The items of a fitting list as the engine names them.
QStringList fittingItems(LengthTable list) {
  QStringList items;
  for (int code = 1; code <= fittingCount(list); ++code)
    items << QString::fromUtf8(fittingListItem(list, code));
  return items;
}
const QStringList kFlowUnits = {"kg/h", "kg/s", "t/h", "m3/h (working conditions)",
                                "m3/h (reference conditions)"};

QLabel* label(const char* name, const QString& text) {
  auto* l = new QLabel(text);
  if (name) l->setObjectName(QString::fromLatin1(name));
  return l;
}

QComboBox* list(const char* name, const QStringList& items) {
  auto* b = new QComboBox;
  b->setObjectName(QString::fromLatin1(name));
  b->addItems(items);
  b->setEditable(false);
  // Long items (the fittings) must not widen the window.
  b->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  b->setMinimumContentsLength(12);
  return b;
}

}  // namespace

// ---- edits bound to the case ------------------------------------------------------

PageEdit* TDanegl::numberEdit(const char* name, Real CalculationCase::*field, int helpTopic,
                              std::function<void()> after) {
  auto* e = new PageEdit(name, true);
  e->setMaximumWidth(170);
  e->helpTopic = helpTopic;
  e->onEnter = [this] { enterPressed(); };
  if (field) {
    e->bindNumber(
        [this, field](const std::string& text, Interaction& ui) {
          return readNumber(case_, case_.*field, text, ui);
        },
        [this, e, field] { showStoredValue(e, case_.*field); }, [this]() -> Interaction& { return *ui_; },
        std::move(after));
  }
  return e;
}

PageEdit* TDanegl::slotEdit(const char* name, Composition CalculationCase::*array, int slot,
                            std::function<void()> after) {
  auto* e = new PageEdit(name, true);
  e->onEnter = [this] { enterPressed(); };
  const auto index = static_cast<size_t>(slot - 1);
  e->bindNumber(
      [this, array, index](const std::string& text, Interaction& ui) {
        return readNumber(case_, (case_.*array)[index], text, ui);
      },
      [this, e, array, index] { showStoredValue(e, (case_.*array)[index]); },
      [this]() -> Interaction& { return *ui_; }, std::move(after));
  boundEdits_.push_back({e, nullptr, array, slot, 8, false});
  return e;
}

void TDanegl::showStoredValue(QLineEdit* edit, Real value) {
  const bool was = filling_;
  filling_ = true;
  int digits = 8;
  bool blank = false;
  for (const BoundEdit& b : boundEdits_)
    if (b.edit == edit) {
      digits = b.digits;
      blank = b.leadingBlank;
    }
  setEditNumber(edit, value, digits, blank);
  filling_ = was;
}

bool TDanegl::settleNumberEdits() {
  bool any = false;
  for (PageEdit* e : findChildren<PageEdit*>())
    if (e->hasPendingError()) any = e->settle() || any;
  return any;
}

void TDanegl::setEditNumber(QLineEdit* edit, Real value, int digits, bool leadingBlank) {
  if (auto* page = qobject_cast<PageEdit*>(edit)) page->clearPending();
  const QString text = QString::fromStdString(formatGeneral(value, digits));
  edit->setText(leadingBlank ? QStringLiteral(" ") + text : text);
}

void TDanegl::refreshNumberEdits() {
  const bool was = filling_;
  filling_ = true;
  for (const BoundEdit& b : boundEdits_) {
    if (b.field)
      setEditNumber(b.edit, case_.*(b.field), b.digits, b.leadingBlank);
    else
      setEditNumber(b.edit, (case_.*(b.array))[static_cast<size_t>(b.slot - 1)], b.digits);
  }
  filling_ = was;
}

void TDanegl::enterPressed() {
  ui_->showMessage(Msg::UseTab);
}

void TDanegl::comboCode(QComboBox* box, int& field) {
  connect(box, &QComboBox::currentIndexChanged, this, [this, &field](int item) {
    if (filling_ || item < 0) return;
    if (field != item + 1) {
      field = item + 1;
      case_.caseModified = true;
    }
  });
}

// ---- page "Basic Input Data" ---------------------------------------------------------

QWidget* TDanegl::buildBasicPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabSheetDane"));
  auto* grid = new QGridLayout(page);
  basicGrid_ = grid;
  int row = 0;

  edTytu_ = new PageEdit("EdTytu", false);
  edTytu_->helpTopic = 30;
  edTytu_->onEnter = [this] { enterPressed(); };
  connect(edTytu_, &QLineEdit::textEdited, this, [this](const QString& t) {
    case_.caseTitle = t.toStdString();
    case_.caseModified = true;
  });
  grid->addWidget(label("LaOpis", "Description"), row, 0);
  grid->addWidget(edTytu_, row++, 1, 1, 3);

  laNazwaGazu_ = label("LaNazwaGazu", "Gas name");
  edNazwaGazu_ = new PageEdit("EdNazwaGazu", false);
  edNazwaGazu_->helpTopic = 35;
  edNazwaGazu_->onEnter = [this] { enterPressed(); };
  connect(edNazwaGazu_, &QLineEdit::textEdited, this, [this](const QString& t) {
    case_.fluidName = t.toStdString();
    case_.caseModified = true;
  });
  grid->addWidget(laNazwaGazu_, row, 0);
  grid->addWidget(edNazwaGazu_, row++, 1, 1, 3);

  cbPlyn_ = list("CBPlyn", kFluidItems);
  connect(cbPlyn_, &QComboBox::currentIndexChanged, this, &TDanegl::CBPlynChange);
  grid->addWidget(label("LaPlyn", "Fluid"), row, 0);
  grid->addWidget(cbPlyn_, row++, 1, 1, 3);

  cbTyp_ = list("CBTyp", kDeviceItems);
  connect(cbTyp_, &QComboBox::currentIndexChanged, this, &TDanegl::CBTypChange);
  grid->addWidget(label("LaTyp", "Primary Device"), row, 0);
  grid->addWidget(cbTyp_, row++, 1, 1, 3);

  cbMatRur_ = list("CBMatRur", kMaterialItems);
  comboCode(cbMatRur_, case_.pipeMaterial);
  grid->addWidget(label("LaMatRur", "Pipe Material"), row, 0);
  grid->addWidget(cbMatRur_, row++, 1, 1, 3);

  cbMatZwe_ = list("CBMatZwe", kMaterialItems);
  comboCode(cbMatZwe_, case_.deviceMaterial);
  grid->addWidget(label("LaMatZwe", "Primary Device Material"), row, 0);
  grid->addWidget(cbMatZwe_, row++, 1, 1, 3);

  fittingLists_ = {list("CBKolanoISO", fittingItems(LengthTable::Orifice)),
                   list("CBkolanoASME", fittingItems(LengthTable::SmallBore)),
                   list("CBkolanoDysz", fittingItems(LengthTable::Nozzle)),
                   list("CBkolanoVent", fittingItems(LengthTable::Venturi))};
  comboCode(fittingLists_[0], case_.fittingOrifice);
  comboCode(fittingLists_[1], case_.fittingAsme);
  comboCode(fittingLists_[2], case_.fittingNozzle);
  comboCode(fittingLists_[3], case_.fittingVenturi);
  auto* fittings = new QWidget;
  auto* fh = new QHBoxLayout(fittings);
  fh->setContentsMargins(0, 0, 0, 0);
  for (QComboBox* b : fittingLists_) fh->addWidget(b);
  grid->addWidget(label("LaElement", "Upstream Fittings"), row, 0);
  grid->addWidget(fittings, row++, 1, 1, 3);

  auto* edtc = numberEdit("Edtc", &CalculationCase::temperature, 70);
  boundEdits_.push_back({edtc, &CalculationCase::temperature, nullptr, 0, 8, false});
  grid->addWidget(label("LaTemp", "Fluid Temperature"), row, 0);
  grid->addWidget(edtc, row, 1);
  grid->addWidget(label(nullptr, QString::fromUtf8("°C")), row++, 2);

  auto* edp = numberEdit("Edp", &CalculationCase::pressureInput, 80);
  boundEdits_.push_back({edp, &CalculationCase::pressureInput, nullptr, 0, 8, false});
  cbjcs_ = list("CBjcs", {"kg/cm2", "kPa", "MPa", "BAR"});
  comboCode(cbjcs_, case_.pressureUnit);
  grid->addWidget(label("LaCis", "Upstream Absolute Pressure"), row, 0);
  grid->addWidget(edp, row, 1);
  grid->addWidget(cbjcs_, row++, 2);

  auto* edD20 = numberEdit("EdD20", &CalculationCase::pipeDiameter20, 90,
                           [this] { showFittingList(); });
  boundEdits_.push_back({edD20, &CalculationCase::pipeDiameter20, nullptr, 0, 8, false});
  grid->addWidget(label("LaDrury", QString::fromUtf8("Pipe Internal Diameter (at 20°C)")), row, 0);
  grid->addWidget(edD20, row, 1);
  grid->addWidget(label(nullptr, " mm"), row++, 2);

  // Task rows 5, 6, 7; the unit lists move between them.
  cbjnp_ = list("CBjnp", {});
  // Wide enough for its longest item, "m3/h (reference conditions)".
  cbjnp_->setMinimumContentsLength(static_cast<int>(kFlowUnits.last().size()) + 1);
  connect(cbjnp_, &QComboBox::currentIndexChanged, this, [this](int item) {
    if (filling_ || item < 0) return;
    if (case_.flowUnit != item + 1) {
      case_.flowUnit = item + 1;
      case_.caseModified = true;
    }
    laStruNormal_->setText(case_.flowUnit == 5 ? QString::fromStdString(case_.refConditionsText)
                                               : QString());
  });
  cbgm_ = list("CBgm", {"mm H2O", "kPa"});
  connect(cbgm_, &QComboBox::currentIndexChanged, this, [this](int item) {
    if (filling_ || item < 0) return;
    if (case_.dpUnit != item + 1) {
      case_.dpUnit = item + 1;
      case_.caseModified = true;
    }
    laniepegm_->setText(case_.dpUnit == 1 ? QStringLiteral("mm H2O") : QStringLiteral("kPa"));
  });
  laStruNormal_ = label("LaStruNormal", QString());
  for (int i = 0; i < 3; ++i) {
    const auto k = static_cast<size_t>(i);
    rowLabels_[k] = label(QStringLiteral("Label%1").arg(5 + i).toLatin1().constData(), QString());
    rowLabels_[k]->setObjectName(QStringLiteral("Label%1").arg(5 + i));
    rowEdits_[k] = numberEdit("", nullptr, 0);
    rowEdits_[k]->setObjectName(QStringLiteral("Edit%1").arg(5 + i));
    rowEdits_[k]->bindNumber(
        [this, i](const std::string& text, Interaction& ui) { return rowChange(i, text, ui); },
        [this, i] {
          const bool was = filling_;
          filling_ = true;
          if (Real* f = rowField(i)) setEditNumber(rowEdits_[static_cast<size_t>(i)], *f, 8);
          filling_ = was;
        },
        [this]() -> Interaction& { return *ui_; });
    rowUnits_[k] = label(nullptr, QString());
    rowUnits_[k]->setObjectName(QStringLiteral("LaJed%1").arg(5 + i));
    grid->addWidget(rowLabels_[k], row, 0);
    grid->addWidget(rowEdits_[k], row, 1);
    grid->addWidget(rowUnits_[k], row, 2);
    ++row;
  }

  laSpust_ = label("LaSpust", "Drain Hole Diameter");
  edOtwor_ = numberEdit("Edotworuspust", &CalculationCase::drainHoleDiameter, 100);
  boundEdits_.push_back({edOtwor_, &CalculationCase::drainHoleDiameter, nullptr, 0, 8, false});
  edChropow_ = numberEdit("EdchropdlaMimo", &CalculationCase::eccentricRoughness, 191);
  boundEdits_.push_back({edChropow_, &CalculationCase::eccentricRoughness, nullptr, 0, 8, false});
  laSpustUnit_ = label(nullptr, " mm");
  laSpustNote_ = label("LaSpustNote", "(ISO/TR 15377:2018)");
  auto* drainEdits = new QWidget;
  auto* dh = new QHBoxLayout(drainEdits);
  dh->setContentsMargins(0, 0, 0, 0);
  dh->addWidget(edOtwor_);
  dh->addWidget(edChropow_);
  grid->addWidget(laSpust_, row, 0);
  grid->addWidget(drainEdits, row, 1);
  grid->addWidget(laSpustUnit_, row, 2);
  grid->addWidget(laSpustNote_, row++, 3);

  // Help and Exit stand at the right of the short rows (temperature,
  // pressure, diameters), where the page has room, not below its last row:
  // reachable without scrolling on a low (laptop, scaled) screen.
  auto* buttons = new QVBoxLayout;
  auto* help = new QPushButton("Hel&p");
  help->setObjectName("BBPomoc");
  help->setToolTip("How to enter data?");
  connect(help, &QPushButton::clicked, this, [this] { showHelpTopic(410); });
  auto* exit = new QPushButton("E&xit...");
  exit->setObjectName("BuKoniec");
  exit->setToolTip("Exit Dorvel");
  connect(exit, &QPushButton::clicked, this, [this] { close(); });
  buttons->addWidget(help);
  buttons->addWidget(exit);
  buttons->addStretch(1);
  int shortRow = 0, column = 0, rows = 0, columns = 0;
  grid->getItemPosition(grid->indexOf(edtc), &shortRow, &column, &rows, &columns);
  grid->addLayout(buttons, shortRow, 3, 3, 1, Qt::AlignRight | Qt::AlignTop);
  grid->setRowStretch(row, 1);
  grid->setColumnStretch(3, 1);
  grid->setColumnMinimumWidth(1, 170);
  return page;
}

// ---- page "Uncertainty Sources" -----------------------------------------------------

QWidget* TDanegl::buildUncertaintyPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabSheetNiepewn"));
  auto* v = new QVBoxLayout(page);
  auto bound = [this](const char* name, Real CalculationCase::*field, int topic) {
    PageEdit* e = numberEdit(name, field, topic);
    boundEdits_.push_back({e, field, nullptr, 0, 8, true});
    e->setFixedWidth(160);
    return e;
  };

  auto* gbKlasa = new QGroupBox("Uncertainty of differential pressure measurement");
  gbKlasa->setObjectName("GBKlasa");
  auto* g1 = new QGridLayout(gbKlasa);
  g1->addWidget(label("Laklasa1", "Error of differential pressure transmitter"), 0, 0);
  g1->addWidget(label("LaKlasa1a", "- as a percentage of reference value"), 1, 0);
  g1->addWidget(bound("EdKlasa1", &CalculationCase::dpTransmitterError, 102), 1, 1);
  g1->addWidget(label(nullptr, "%"), 1, 2);
  g1->addWidget(label("LaKlasa2", "The differential pressure reference value"), 2, 0);
  edKlasa2_ = bound("EdKlasa2", &CalculationCase::dpTransmitterReference, 104);
  g1->addWidget(edKlasa2_, 2, 1);
  laniepegm_ = label("Laniepegm", "kPa");
  g1->addWidget(laniepegm_, 2, 2);
  g1->setColumnStretch(0, 1);
  v->addWidget(gbKlasa);

  auto* gbGesto = new QGroupBox(
      "Uncertainty of density determination  (fill the position 1 OR positions 2-5.)");
  gbGesto->setObjectName("GBgesto");
  auto* g2 = new QGridLayout(gbGesto);
  const struct {
    const char* label;
    const char* text;
    const char* edit;
    Real CalculationCase::*field;
    int topic;
  } rows[] = {
      {"La1niepeges", "1. The overall uncertainty of density determination", "Edniepe1",
       &CalculationCase::densityUncertainty, 106},
      {"La2niepeges", "2. Error of static pressure transmitter as % of measured value",
       "Edniepe2", &CalculationCase::pressureTransmitterError, 108},
      {"La3niepeges", "3. Error of temperature transmitter as % of measured value", "Edniepe3",
       &CalculationCase::temperatureTransmitterError, 110},
      {"La4niepeges", "4. Uncertainty of compression factor K1", "EdNiepe4",
       &CalculationCase::k1Uncertainty, 112},
      {"La5niepeges", "5. Uncertainty of density at reference conditions", "Edniepe5",
       &CalculationCase::refDensityUncertainty, 114},
  };
  int r = 0;
  for (const auto& row : rows) {
    g2->addWidget(label(row.label, row.text), r, 0);
    g2->addWidget(bound(row.edit, row.field, row.topic), r, 1);
    g2->addWidget(label(nullptr, "%"), r++, 2);
  }
  g2->setColumnStretch(0, 1);
  v->addWidget(gbGesto);

  auto* gbDoda = new QGroupBox("Additional uncertainty of discharge coefficient C");
  gbDoda->setObjectName("GBDoda");
  auto* g3 = new QGridLayout(gbDoda);
  g3->addWidget(label("LaDodaNiepe1", "Cases described in chapters 6.4.4 and 6.5.3 of ISO 5167-2"),
                0, 0);
  g3->addWidget(bound("EdDodaNiepe1", &CalculationCase::extraCUncertainty, 116), 0, 1);
  g3->addWidget(label(nullptr, "%"), 0, 2);
  g3->addWidget(label("LaDlu1", "Existing upstream straight length"), 1, 0);
  g3->addWidget(bound("EdDlu1", &CalculationCase::upstreamLengthActual, 118), 1, 1);
  g3->addWidget(label(nullptr, "m"), 1, 2);
  g3->addWidget(label("LaDlu2", "Existing downstream straight length"), 2, 0);
  g3->addWidget(bound("EdDlu2", &CalculationCase::downstreamLengthActual, 120), 2, 1);
  g3->addWidget(label(nullptr, "m"), 2, 2);
  g3->setColumnStretch(0, 1);
  v->addWidget(gbDoda);
  // The edit and unit columns of the three groups line up: the same widths
  // in every group, the widest unit ("mm H2O") included.
  const int unitWidth = laniepegm_->fontMetrics().horizontalAdvance(QStringLiteral("mm H2O")) + 12;
  for (QGridLayout* g : {g1, g2, g3}) {
    g->setColumnMinimumWidth(1, 160);
    g->setColumnMinimumWidth(2, unitWidth);
  }

  auto* h = new QHBoxLayout;
  auto* help = new QPushButton("Hel&p");
  help->setObjectName("BuKomentNiepe");
  connect(help, &QPushButton::clicked, this, [this] { showHelpTopic(420); });
  h->addStretch(1);
  h->addWidget(help);
  v->addLayout(h);
  v->addStretch(1);
  return page;
}

// ---- showing the case -----------------------------------------------------------------

void TDanegl::showCase() {
  filling_ = true;
  const int t = case_.task >= 1 && case_.task <= 3 ? case_.task : TaskFlowrate;
  taskButtons_[static_cast<size_t>(t - 1)]->setChecked(true);
  cbPlyn_->setCurrentIndex(fluidItemFromKind(case_.fluidKind));
  cbTyp_->setCurrentIndex(deviceItemFromType(case_.deviceType));
  cbMatRur_->setCurrentIndex(case_.pipeMaterial - 1);
  cbMatZwe_->setCurrentIndex(case_.deviceMaterial - 1);
  fittingLists_[0]->setCurrentIndex(case_.fittingOrifice - 1);
  fittingLists_[1]->setCurrentIndex(case_.fittingAsme - 1);
  fittingLists_[2]->setCurrentIndex(case_.fittingNozzle - 1);
  fittingLists_[3]->setCurrentIndex(case_.fittingVenturi - 1);
  cbjcs_->setCurrentIndex(case_.pressureUnit - 1);
  cbgm_->setCurrentIndex(case_.dpUnit - 1);
  laniepegm_->setText(case_.dpUnit == 1 ? QStringLiteral("mm H2O") : QStringLiteral("kPa"));
  edTytu_->setText(QString::fromStdString(case_.caseTitle));
  edNazwaGazu_->setText(QString::fromStdString(case_.fluidName));
  filling_ = false;
  refreshNumberEdits();
  showNameRow();
  showFittingList();
  showDrainHoleRow();
  fillFlowUnits();
  selectTask(t);
  const bool modified = case_.caseModified;
  case_.task = t;
  case_.caseModified = modified;
}

void TDanegl::showNameRow() {
  const bool named = case_.fluidKind == FluidOtherLiquid || case_.fluidKind == FluidOtherGas;
  laNazwaGazu_->setVisible(named);
  edNazwaGazu_->setVisible(named);
  edNazwaGazu_->setFocusPolicy(named ? Qt::StrongFocus : Qt::NoFocus);
  if (case_.fluidKind == FluidOtherLiquid) {
    laNazwaGazu_->setText(tx("Liquid name"));
    edNazwaGazu_->setToolTip(tx("Enter liquid name"));
  } else {
    laNazwaGazu_->setText(tx("Gas name"));
    edNazwaGazu_->setToolTip(tx("Enter gas name"));
  }
}

void TDanegl::selectTask(int task) {
  if (task < 1 || task > 3) return;
  if (case_.task != task) case_.task = task;
  for (int i = 0; i < 3; ++i) {
    QRadioButton* rb = taskButtons_[static_cast<size_t>(i)];
    QFont f = rb->font();
    f.setUnderline(i + 1 == task);
    rb->setFont(f);
  }
  auto* grid = qobject_cast<QGridLayout*>(laArrow_->parentWidget()->layout());
  grid->addWidget(laArrow_, task - 1, 0);
  // The rows are laid out also when leaving the current page is refused.
  if (!filling_ && pageControl_->currentIndex() != PageBasic) setCurrentPage(PageBasic);
  layoutTaskRows();
}

void TDanegl::fillFlowUnits() {
  const int count = flowUnitCount(case_.fluidKind);
  if (case_.flowUnit > count || case_.flowUnit < 1) case_.flowUnit = 1;
  const bool was = filling_;
  filling_ = true;
  cbjnp_->clear();
  for (const QString& unit : kFlowUnits.mid(0, count)) cbjnp_->addItem(tx(unit));
  cbjnp_->setCurrentIndex(case_.flowUnit - 1);
  filling_ = was;
  laStruNormal_->setText(case_.flowUnit == 5 ? QString::fromStdString(case_.refConditionsText)
                                             : QString());
}

void TDanegl::layoutTaskRows() {
  const bool was = filling_;
  filling_ = true;
  // Row r (0..2) of the grid: the rows follow EdD20.
  const int first = basicGrid_->indexOf(rowLabels_[0]);
  int row0 = 0, col = 0, rs = 0, cs = 0;
  basicGrid_->getItemPosition(first, &row0, &col, &rs, &cs);
  auto place = [&](QWidget* w, int r, int column = 2) {
    basicGrid_->removeWidget(w);
    basicGrid_->addWidget(w, row0 + r, column);
  };
  for (int i = 0; i < 3; ++i) rowUnits_[static_cast<size_t>(i)]->setText(QString());
  rowEdits_[2]->setVisible(true);
  switch (case_.task) {
    case TaskDiameter:
      rowLabels_[0]->setText(tx("Upper range flowrate"));
      rowLabels_[1]->setText(tx("Nominal (average) flowrate"));
      rowLabels_[2]->setText(tx("Upper range differential pressure"));
      setEditNumber(rowEdits_[0], case_.flowrateInput, 8);
      setEditNumber(rowEdits_[1], case_.nominalFlowrate, 8);
      setEditNumber(rowEdits_[2], case_.dpInput, 8);
      rowUnits_[1]->setText(QStringLiteral(" \""));
      place(cbjnp_, 0);
      place(cbgm_, 2);
      place(laStruNormal_, 0, 3);
      rowEdits_[0]->helpTopic = 160;
      rowEdits_[1]->helpTopic = 170;
      rowEdits_[2]->helpTopic = 175;
      break;
    case TaskDifferentialPressure:
      rowLabels_[0]->setText(tx("Primary device diameter (20°C)"));
      rowLabels_[1]->setText(tx("Flowrate"));
      rowLabels_[2]->setText(tx("Differential pressure unit"));
      setEditNumber(rowEdits_[0], case_.deviceDiameter20, 8);
      setEditNumber(rowEdits_[1], case_.flowrateInput, 8);
      rowEdits_[2]->setVisible(false);
      rowUnits_[0]->setText(" mm");
      place(cbjnp_, 1);
      place(cbgm_, 2);
      place(laStruNormal_, 1, 3);
      rowEdits_[0]->helpTopic = 150;
      rowEdits_[1]->helpTopic = 190;
      break;
    default:
      rowLabels_[0]->setText(tx("Primary device diameter (20°C)"));
      rowLabels_[1]->setText(tx("Differential pressure"));
      rowLabels_[2]->setText(tx("Flowrate unit"));
      setEditNumber(rowEdits_[0], case_.deviceDiameter20, 8);
      setEditNumber(rowEdits_[1], case_.dpInput, 8);
      rowEdits_[2]->setVisible(false);
      rowUnits_[0]->setText(" mm");
      place(cbgm_, 1);
      place(cbjnp_, 2);
      place(laStruNormal_, 2, 3);
      rowEdits_[0]->helpTopic = 150;
      rowEdits_[1]->helpTopic = 180;
      break;
  }
  for (QLabel* unit : rowUnits_) unit->setVisible(!unit->text().isEmpty());
  // Tab order follows the rows.
  QWidget* d20 = findChild<QWidget*>(QStringLiteral("EdD20"));
  QWidget* prev = d20;
  auto chain = [&](QWidget* w) {
    if (w->isHidden()) return;
    setTabOrder(prev, w);
    prev = w;
  };
  if (case_.task == TaskDiameter) {
    chain(rowEdits_[0]); chain(cbjnp_); chain(rowEdits_[1]); chain(rowEdits_[2]); chain(cbgm_);
  } else if (case_.task == TaskDifferentialPressure) {
    chain(rowEdits_[0]); chain(rowEdits_[1]); chain(cbjnp_); chain(cbgm_);
  } else {
    chain(rowEdits_[0]); chain(rowEdits_[1]); chain(cbgm_); chain(cbjnp_);
  }
  filling_ = was;
}

void TDanegl::showFittingList() {
  // The list in force is the engine's (the one the straight lengths are read
  // from): ISO orifice, small-bore (ASME), nozzle, Venturi.
  int shown = 0;
  switch (straightLengthTable(case_.deviceType, case_.pipeDiameter20)) {
    case LengthTable::Orifice: shown = 0; break;
    case LengthTable::SmallBore: shown = 1; break;
    case LengthTable::Nozzle: shown = 2; break;
    case LengthTable::Venturi: shown = 3; break;
    case LengthTable::None: return;  // unset device type: no change
  }
  for (int i = 0; i < 4; ++i) fittingLists_[static_cast<size_t>(i)]->setVisible(i == shown);
  case_.asmeFittingListShown = shown == 1;
}

void TDanegl::showDrainHoleRow() {
  const int t = case_.deviceType;
  const bool drain = drainHoleFactorOf(t) > 0;  // orifice plates and the ISA 1932 nozzle
  const bool rough = t == DevEccentricOrifice;
  laSpust_->setVisible(drain || rough);
  laSpustUnit_->setVisible(drain || rough);
  laSpustNote_->setVisible(drain);
  edOtwor_->setVisible(drain);
  edChropow_->setVisible(rough);
  laSpust_->setText(tx(rough ? "Pipe roughness" : "Drain Hole Diameter"));
}

// ---- change handlers ---------------------------------------------------------------------

void TDanegl::CBPlynChange(int item) {
  if (filling_ || item < 0) return;
  const int kind = fluidKindFromItem(item);
  if (kind <= 0) return;
  if (case_.fluidKind != kind) case_.caseModified = true;
  case_.fluidKind = kind;
  fillFlowUnits();
  if (kind == FluidOtherLiquid) case_.fluidName = tx("Other liquid").toStdString();
  if (kind == FluidOtherGas) case_.fluidName = tx("Other gas").toStdString();
  if (kind == FluidOtherLiquid || kind == FluidOtherGas)
    edNazwaGazu_->setText(QString::fromStdString(case_.fluidName));
  showNameRow();
}

void TDanegl::CBTypChange(int item) {
  if (filling_ || item < 0) return;
  const int type = deviceTypeFromItem(item);
  if (type <= 0) return;
  case_.deviceType = type;
  case_.caseModified = true;
  showFittingList();
  showDrainHoleRow();
}

Real* TDanegl::rowField(int row) {
  switch (row) {
    case 0:
      return case_.task == TaskDiameter ? &case_.flowrateInput : &case_.deviceDiameter20;
    case 1:
      return case_.task == TaskDiameter               ? &case_.nominalFlowrate
             : case_.task == TaskDifferentialPressure ? &case_.flowrateInput
                                                      : &case_.dpInput;
    case 2:
      return case_.task == TaskDiameter ? &case_.dpInput : nullptr;
    default:
      return nullptr;
  }
}

// Edit5: task 1 the upper-range flowrate, tasks 2 and 3 d at 20 degC; Edit6:
// nominal flowrate, flowrate or differential pressure; Edit7 (task 1 only):
// the upper-range differential pressure, which is also the reference value
// of the transmitter error.
bool TDanegl::rowChange(int row, const std::string& text, Interaction& ui) {
  Real* field = rowField(row);
  if (field == nullptr) return true;
  const bool ok = readNumber(case_, *field, text, ui);
  if (ok && row == 2) {
    case_.dpTransmitterReference = case_.dpInput;
    const bool was = filling_;
    filling_ = true;
    setEditNumber(edKlasa2_, case_.dpTransmitterReference, 8, true);
    filling_ = was;
  }
  return ok;
}

// ---- English texts --------------------------------------------------------------------------

void TDanegl::applyEnglishTexts() {
  applyLanguage(this, Language::English, QString::fromStdString(case_.refConditionsText.empty()
      ? referenceConditionsText(case_.refTemperature, case_.refPressure)
      : case_.refConditionsText));
}

}  // namespace dorvel::ui
