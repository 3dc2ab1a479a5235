#include "ui/dialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cstdlib>

#include "base/format.h"
#include "base/shared.h"
#include "props/air.h"
#include "props/liquids.h"
#include "ui/page_edit.h"
#include "ui/texts/language.h"

namespace dorvel::ui {

namespace {
// One decimal, as the dialog always showed its inputs; a stored value that
// one decimal would change (0.1013 MPa) is shown with its own digits, so
// that reopening the dialog shows what is stored.
QString oneDecimal(Real x) {
  const std::string one = formatFixed(x, 0, 1);
  if (std::strtold(one.c_str(), nullptr) == x) return QString::fromStdString(one).trimmed();
  return QString::fromStdString(formatGeneral(x, 8)).trimmed();
}
}  // namespace

TFWilgo::TFWilgo(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TFWilgo"));
  setWindowTitle(QString::fromLatin1(kHumidityCorrectionCaption));
  setModal(true);
  auto* v = new QVBoxLayout(this);
  v->addWidget(new QLabel(QStringLiteral("Enter relative humidity and its measurement conditions:")));
  auto* g = new QGridLayout;
  edTem_ = new PageEdit("EdTem", true);
  edCi_ = new PageEdit("EdCi", true);
  edWil_ = new PageEdit("EdWil", true);
  unitLabel_ = new QLabel;
  unitLabel_->setObjectName(QStringLiteral("LaJednCi"));
  g->addWidget(new QLabel(QStringLiteral("Temperature")), 0, 0);
  g->addWidget(edTem_, 0, 1);
  g->addWidget(new QLabel(QString::fromUtf8("°C")), 0, 2);
  g->addWidget(new QLabel(QStringLiteral("Absolute pressure")), 1, 0);
  g->addWidget(edCi_, 1, 1);
  g->addWidget(unitLabel_, 1, 2);
  g->addWidget(new QLabel(QStringLiteral("Relative humidity")), 2, 0);
  g->addWidget(edWil_, 2, 1);
  g->addWidget(new QLabel(QStringLiteral("%")), 2, 2);
  v->addLayout(g);
  auto* calc = new QPushButton(QStringLiteral("Calculate humidity corrected to the flowing conditions"));
  calc->setObjectName(QStringLiteral("Button1"));
  v->addWidget(calc);
  line1_ = new QLabel;
  line1_->setObjectName(QStringLiteral("LaWynik1"));
  line2_ = new QLabel;
  line2_->setObjectName(QStringLiteral("LaWynik2"));
  v->addWidget(line1_);
  v->addWidget(line2_);
  auto* ok = new QPushButton(QStringLiteral("OK"));
  ok->setObjectName(QStringLiteral("Button2"));
  auto* h = new QHBoxLayout;
  h->addStretch(1);
  h->addWidget(ok);
  v->addLayout(h);
  connect(calc, &QPushButton::clicked, this, [this] { calculate(); });
  // Enter in an edit presses "Calculate"; the result lines have their room
  // from the start, so the dialog keeps its size when they are filled.
  calc->setDefault(true);
  ok->setAutoDefault(false);
  const QFontMetrics fm(line1_->font());
  const int lineWidth =
      fm.horizontalAdvance(QString::fromUtf8("Corrected relative humidity in flowing conditions "
                                             "(-100.00 °C, 1000.00 kg/cm2) =100.00 [%]  "));
  line1_->setMinimumWidth(lineWidth);
  line2_->setMinimumWidth(lineWidth);
  line1_->setMinimumHeight(fm.height());
  line2_->setMinimumHeight(fm.height());
  setWindowFlag(Qt::WindowContextHelpButtonHint, true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  // The three inputs never mark the case modified.
  auto bind = [this](PageEdit* e, Real CalculationCase::*field) {
    e->bindNumber(
        [this, field](const std::string& text, Interaction& ui) {
          if (!case_ || filling_) return true;
          const bool modified = case_->caseModified;
          const bool ok = readNumber(*case_, case_->*field, text, ui);
          case_->caseModified = modified;
          return ok;
        },
        [this, e, field] {
          if (case_) e->setText(oneDecimal(case_->*field));
        },
        [this]() -> Interaction& {
          static SilentInteraction none;
          return ui_ ? *ui_ : none;
        });
  };
  bind(edTem_, &CalculationCase::humidityMeasTemperature);
  bind(edCi_, &CalculationCase::humidityMeasPressure);
  bind(edWil_, &CalculationCase::humidityMeasured);
}

void TFWilgo::prepare(CalculationCase& c, Interaction& ui) {
  case_ = &c;
  ui_ = &ui;
  filling_ = true;
  unitLabel_->setText(QString::fromStdString(humidityPressureUnitLabel(c.pressureUnit)));
  edTem_->setText(oneDecimal(c.humidityMeasTemperature));
  edCi_->setText(oneDecimal(c.humidityMeasPressure));
  edWil_->setText(oneDecimal(c.humidityMeasured));
  line1_->setText(tx(QString::fromStdString(humidityResultPrefix(c))));
  line2_->setText(tx(kSteamMoleFractionPrefix));
  filling_ = false;
}

bool TFWilgo::calculate() {
  if (!case_) return false;
  for (PageEdit* e : {edTem_, edCi_, edWil_}) e->settle();
  const HumidityCorrection r = correctHumidity(*case_);
  if (r.status == HumidityCorrectionStatus::PressureTooLow) {
    const QString text = tx(kHumidityPressureTooLow);
    if (onMessage)
      onMessage(text);
    else
      QMessageBox::information(this, tx(kHumidityCorrectionCaption), text);
    return false;
  }
  if (r.status != HumidityCorrectionStatus::Ok) return false;
  line1_->setText(tx(QString::fromStdString(r.humidityLine)));
  line2_->setText(tx(QString::fromStdString(r.moleFractionLine)));
  return true;
}

TWLcie::TWLcie(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TWLcie"));
  setWindowTitle(QStringLiteral("Liquid properties at 20 °C and 101.325 kPa"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, true);
  setModal(true);
  auto* v = new QVBoxLayout(this);
  auto* table = new QTableWidget(static_cast<int>(kLiquidsTable.size()), 5);
  table->setObjectName(QStringLiteral("TabelaCieczy"));
  table->setHorizontalHeaderLabels({QStringLiteral("Liquid"), QStringLiteral("Formula"),
                                    QStringLiteral("Density [kg/m3]"),
                                    QStringLiteral("Dynamic viscosity [Pa*s]"),
                                    QString::fromUtf8("Bt [1/°C]")});
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->verticalHeader()->hide();
  int row = 0;
  for (const LiquidReference& l : kLiquidsTable) {
    const std::string_view cells[5] = {l.englishName, l.formula, l.densityText, l.viscosityText,
                                       l.expansionText};
    for (int col = 0; col < 5; ++col)
      table->setItem(row, col, new QTableWidgetItem(QString::fromUtf8(
                                   cells[col].data(), static_cast<qsizetype>(cells[col].size()))));
    ++row;
  }
  table->resizeColumnsToContents();
  v->addWidget(table);
  v->addWidget(new QLabel(QString::fromUtf8(
      "Density at the working temperature t:   ρt = ρ20 / (1 + Bt · (t − 20))")));
  auto* ok = new QPushButton(QStringLiteral("OK"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* h = new QHBoxLayout;
  h->addStretch(1);
  h->addWidget(ok);
  v->addLayout(h);
  resize(720, 420);
}

}  // namespace dorvel::ui
