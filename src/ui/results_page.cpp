#include "ui/results_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "calc/driver.h"
#include "base/shared.h"
#include "calc/results_view.h"
#include "output/page_output.h"
#include "props/properties.h"
#include "ui/copy_text.h"
#include "ui/output_windows.h"
#include "ui/texts/language.h"
#include "ui/print_commands.h"
#include "ui/texts/language.h"

namespace dorvel::ui {

QColor statusColour(StatusKind kind) {
  switch (kind) {
    case StatusKind::PropertiesRequest: return QColor(Qt::red);
    case StatusKind::Warning: return QColor(Qt::magenta);
    case StatusKind::Normal: break;
  }
  return QGuiApplication::palette().color(QPalette::Window);
}

void setStatusBarState(QStatusBar* bar, StatusKind kind, const QString& text) {
  if (bar == nullptr) return;
  QPalette palette = bar->palette();
  palette.setColor(QPalette::Window, statusColour(kind));
  bar->setPalette(palette);
  bar->setAutoFillBackground(kind != StatusKind::Normal);
  bar->showMessage(text);
}

QColor statusBarColour(const QStatusBar* bar) {
  return bar == nullptr ? QColor() : bar->palette().color(QPalette::Window);
}

namespace {

const char* const kBasicNames[][3] = {
    {"Labe1", "Labe201", "Labe301"},
    {"Labe2", "Labe202", "Labe302"},
    {"Labe3", "Labe203", "Label303"},
};
const char* const kIntermediateNames[][3] = {
    {"Labe4", "Labe204", "Labe304"},  {"Labe5", "Labe205", "Labe305"},
    {"Labe6", "Labe206", "Labe306"},  {"Label8", "Labe207", "Labe307"},
    {"Label22", "Labe208", "Labe308"}, {"Label23", "Labe209", "Labe309"},
};
const char* const kLimitNames[][3] = {
    {"Labe11", "Labe211", "Labe311"}, {"Labe12", "Labe212", "Labe312"},
    {"Labe13", "Labe213", "Labe313"}, {"Labe14", "Labe214", "Labe314"},
    {"Labe15", "Labe215", "Labe315"}, {"Labe16", "Labe216", "Labe316"},
};

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

ResultsPage::ResultsPage(CalculationCase& c, Interaction& ui, QWidget* parent)
    : QWidget(parent), case_(c), ui_(&ui) {
  setObjectName("ResultsPage");
  panel_ = new QWidget;
  panel_->setObjectName("PanelWyniki");

  auto* groups = new QVBoxLayout(panel_);
  groups->setContentsMargins(0, 0, 0, 0);
  groups->addWidget(makeGroup("Basic results", kBasicNames, 3, basic_));
  groups->addWidget(makeGroup("Intermediate results", kIntermediateNames, 6, intermediate_));
  groups->addWidget(makeGroup("Limits of use", kLimitNames, 6, limits_));
  groups->itemAt(0)->widget()->setObjectName("GroupBox2");
  groups->itemAt(1)->widget()->setObjectName("GroupBox3");
  groups->itemAt(2)->widget()->setObjectName("GroupBox4");
  // Natural gas by AGA8-92DC or GERG-2008: the equation and its standard.
  auto* equation = new QLabel(panel_);
  equation->setObjectName("LaRownanieStanu");
  equation->hide();
  groups->addWidget(equation);

  // Fixed captions and units of the rows that do not change.
  setRow(basic_[2], "Measurement uncertainty", "", "%");
  setRow(intermediate_[2], "Fluid velocity (in pipe)", "", "m/s");
  setRow(intermediate_[3], "Discharge coefficient C", "", " -");
  setRow(intermediate_[4], "Expansion factor", "", " -");
  setRow(intermediate_[5], "Diameter ratio beta=d/D", "", " -");
  setRow(limits_[0], "Lower range flowrate", "", "");
  setRow(limits_[1], "Upper limit flowrate", "", "");
  setRow(limits_[2], "Upper limit of sharp edge radius", "", "mm");
  setRow(limits_[3], "Upper limit of upstream pipe roughness", "", "mm");
  setRow(limits_[4], "Required upstream straight length", "", "m");
  setRow(limits_[5], "Required downstream straight length", "", "m");

  print_ = new QPushButton("&Print...", this);
  print_->setObjectName("BBWydrukiAn");
  printPolish_ = new QPushButton("Wydruki po&lskie...", this);
  printPolish_->setObjectName("BBWydrukiPolskie");
  printPolish_->hide();  // the English interface offers the English printouts only
  table_ = new QPushButton("&Table", this);
  table_->setObjectName("BBTabela");
  table_->setToolTip("Uncertainty,error,pressure loss values");
  graphs_ = new QPushButton("&Graphs", this);
  graphs_->setObjectName("BBWykres");
  graphs_->setToolTip("Uncertainty and error graphs");
  exit_ = new QPushButton("E&xit...", this);
  exit_->setObjectName("BuKoniec2");

  menu_ = new QMenu(this);
  menu_->setObjectName("PopupMenu1");
  auto addItem = [this](const char* name, const QString& text, auto action) {
    QAction* a = menu_->addAction(text);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, action);
  };
  using output::PageKind;
  addItem("WydrukProtoko", "Print the calculation report", [this] {
    printPageWithDialog(this, case_, PageKind::CalculationReport, reportEnglish_);
  });
  addItem("WydrukWykres", "Print the graphs and table", [this] {
    printPageWithDialog(this, case_, PageKind::UncertaintyAnalysis, reportEnglish_);
  });
  addItem("WydrukOba", desktopText("WydrukOba"), [this] {
    printPagesWithDialog(this, case_, {PageKind::CalculationReport, PageKind::UncertaintyAnalysis},
                         reportEnglish_);
  });
  addItem("Podgldwydruku1", "Print preview",
          [this] { showPrintPreview(case_, reportEnglish_, window()); });
  auto screenWidth = [this] {
    QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    return s != nullptr ? s->size().width() : 1280;
  };
  addItem("Wydrukdoschowka1", "Print the calculation report to Clipboard", [=, this] {
    copyPageToClipboard(case_, PageKind::CalculationReport, reportEnglish_, screenWidth());
  });
  addItem("Wydrukdoschowka2", "Print the graphs and table to Clipboard", [=, this] {
    copyPageToClipboard(case_, PageKind::UncertaintyAnalysis, reportEnglish_, screenWidth());
  });

  addItem("MnPopCopyResults", desktopText("MnPopCopyResults"), [this] { copyResultsText(); });
  // Ctrl+C over the page copies the results as text as well.
  addCopyTextAction(this, [this] { copyResultsText(); });

  menu_->addSeparator();
  addItem("MnPopExportPdfReport", desktopText("MnPopExportPdfReport"),
          [this] { exportPdf(PageKind::CalculationReport); });
  addItem("MnPopExportPdfGraphs", desktopText("MnPopExportPdfGraphs"),
          [this] { exportPdf(PageKind::UncertaintyAnalysis); });
  addItem("MnPopExportPdfBoth", desktopText("MnPopExportPdfBoth"), [this] {
    exportPdf(std::vector<PageKind>{PageKind::CalculationReport, PageKind::UncertaintyAnalysis});
  });

  connect(print_, &QPushButton::clicked, this, [this] { popUpPrintMenu(print_, true); });
  connect(printPolish_, &QPushButton::clicked, this,
          [this] { popUpPrintMenu(printPolish_, false); });
  // The table speaks the interface language, as the graphs window does; the
  // report-language flag stays as the interface or the printouts button set it.
  connect(table_, &QPushButton::clicked, this,
          [this] { showTableWindow(case_, !polishInterface(), window()); });
  connect(graphs_, &QPushButton::clicked, this,
          [this] { showGraphsWindow(case_, window()); });
  connect(exit_, &QPushButton::clicked, this, &ResultsPage::exitRequested);

  // The output commands stand in a column beside the groups, at their top:
  // reachable without scrolling on a low (laptop, scaled) screen.
  auto* buttons = new QVBoxLayout;
  buttons->setContentsMargins(0, 0, 0, 0);
  for (QPushButton* b : {printPolish_, print_, table_, graphs_}) buttons->addWidget(b);
  buttons->addSpacing(16);
  buttons->addWidget(exit_);
  buttons->addStretch();
  // The groups keep the width of a form: captions stay near their values
  // on a wide window.
  auto* content = new QWidget(this);
  content->setMinimumWidth(620);
  content->setMaximumWidth(760);
  auto* column = new QVBoxLayout(content);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(panel_);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(content, 0, Qt::AlignLeft | Qt::AlignTop);
  layout->addLayout(buttons);
  layout->addStretch();

  panel_->hide();
  for (QPushButton* b : {print_, printPolish_, table_, graphs_}) b->setEnabled(false);
}

QGroupBox* ResultsPage::makeGroup(const QString& title, const char* const names[][3], int count,
                                  std::array<Row, 6>& rows) {
  auto* group = new QGroupBox(title, panel_);
  auto* grid = new QGridLayout(group);
  grid->setHorizontalSpacing(12);
  grid->setColumnStretch(0, 1);
  grid->setColumnMinimumWidth(1, 120);
  grid->setColumnMinimumWidth(2, 110);
  for (int i = 0; i < count; ++i) {
    Row row{new QLabel(group), new QLabel(group), new QLabel(group)};
    row.caption->setObjectName(names[i][0]);
    row.value->setObjectName(names[i][1]);
    row.unit->setObjectName(names[i][2]);
    row.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = row.value->font();
    bold.setBold(true);
    row.value->setFont(bold);
    grid->addWidget(row.caption, i, 0);
    grid->addWidget(row.value, i, 1);
    grid->addWidget(row.unit, i, 2);
    rows[static_cast<size_t>(i)] = row;
  }
  return group;
}

void ResultsPage::setRow(const Row& row, const QString& caption, const QString& value,
                         const QString& unit) {
  if (row.caption == nullptr) return;
  row.caption->setText(tx(caption));
  // Values are followed by one blank, as the page always showed them.
  row.value->setText(value.isEmpty() ? QString() : tx(value) + " ");
  row.unit->setText(tx(unit));
}

QLabel* ResultsPage::label(const QString& name) const {
  return panel_->findChild<QLabel*>(name);
}

QPushButton* ResultsPage::button(const QString& name) const {
  return findChild<QPushButton*>(name);
}

void ResultsPage::setStatusBar(QStatusBar* bar, const QString& idleText) {
  statusBar_ = bar;
  idleText_ = idleText;
}

void ResultsPage::setStandardLabels(QLabel* iso, QLabel* isoTr, QLabel* asme) {
  standardLabels_[0] = iso;
  standardLabels_[1] = isoTr;
  standardLabels_[2] = asme;
}

EnterOutcome ResultsPage::enter() {
  // No commands over an empty page.
  panel_->hide();
  for (QPushButton* b : {print_, printPolish_, table_, graphs_}) b->setEnabled(false);
  emit resultsAvailable(false);
  // The property routines and the driver convert the pressure units
  // themselves.
  const int kind = case_.fluidKind;
  if (!propertiesCurrent(case_, kind)) {
    const bool computedHere = kind == FluidWater || kind == FluidSteam ||
                              kind == FluidLiquidAmmonia || kind == FluidSteam13;
    if (!computedHere) {
      setStatus(StatusKind::PropertiesRequest, kPropertiesRequest);
      return EnterOutcome::BackToProperties;
    }
    if (!computeFluidProperties(case_, kind, *ui_)) return EnterOutcome::BackToBasicInput;
  }
  bool nonConforming = false;
  if (!runCalculation(case_, *ui_, nonConforming)) return EnterOutcome::BackToBasicInput;
  storeTaskResult(case_);
  showResults();
  return EnterOutcome::ResultsShown;
}

void ResultsPage::showResults() {
  panel_->show();
  const std::vector<ResultRow> rows = resultsPage(case_);
  std::vector<const ResultRow*> basic, intermediate, limits;
  for (const ResultRow& r : rows) {
    if (r.group == "Basic results") basic.push_back(&r);
    else if (r.group == "Intermediate results") intermediate.push_back(&r);
    else limits.push_back(&r);
  }
  auto fill = [this](const std::array<Row, 6>& target, size_t first,
                     const std::vector<const ResultRow*>& source) {
    for (size_t i = 0; i < source.size() && first + i < target.size(); ++i)
      setRow(target[first + i], qs(source[i]->caption), qs(source[i]->value),
             source[i]->unit == "-" ? QString(" -") : qs(source[i]->unit));
  };
  fill(basic_, 0, basic);
  // The fluid-dependent row is cleared first; it is filled only when the
  // fluid has such a value.
  setRow(intermediate_[0], "", "", "");
  fill(intermediate_, intermediate.size() == 6 ? 0 : 1, intermediate);
  fill(limits_, 0, limits);

  markStandard(governingStandard(case_.deviceType, case_.pipeDiameter20));
  if (auto* equation = panel_->findChild<QLabel*>(QStringLiteral("LaRownanieStanu"))) {
    const std::string name = equationOfState(case_);
    const bool named = !name.empty() && name.rfind("SGERG-88", 0) != 0;
    equation->setText(named ? tx("Equation of state: ") + qs(name) : QString());
    equation->setVisible(named);
  }
  for (QPushButton* b : {print_, printPolish_, table_, graphs_}) b->setEnabled(true);
  emit resultsAvailable(true);
  setStatus(StatusKind::Normal, {});
  const std::string warning = statusWarning(case_);
  if (case_.hasWarnings() && !warning.empty()) setStatus(StatusKind::Warning, qs(warning));
}

void ResultsPage::setStatus(StatusKind kind, const QString& text) {
  if (onStatus) {
    onStatus(kind, text);
    return;
  }
  setStatusBarState(statusBar_, kind, kind == StatusKind::Normal ? idleText_ : text);
}

void ResultsPage::markStandard(Standard standard) {
  const int which = standard == Standard::AsmeMfc14M   ? 2
                    : standard == Standard::IsoTr15377 ? 1
                                                       : 0;
  for (int i = 0; i < 3; ++i) {
    QLabel* l = standardLabels_[i];
    if (l == nullptr) continue;
    if (i == which) l->setText(tx(qs(standardLabel(standard, StandardLabelUse::Results))));
    QPalette palette = l->palette();
    palette.setColor(QPalette::Window, i == which ? QColor(Qt::yellow) : QColor(Qt::white));
    l->setPalette(palette);
    l->setAutoFillBackground(true);
  }
}

void ResultsPage::popUpPrintMenu(QPushButton* at, bool english) {
  reportEnglish_ = english;
  if (english) {
    // Right-aligned: the menu ends at the button's top-left corner.
    const QPoint corner = at->mapToGlobal(QPoint(0, 0));
    menu_->popup(QPoint(corner.x() - menu_->sizeHint().width(), corner.y()));
  } else {
    menu_->popup(at->mapToGlobal(QPoint(0, at->height())));
  }
}

}  // namespace dorvel::ui

namespace dorvel::ui {

bool ResultsPage::hasResults() const { return !panel_->isHidden(); }

QString ResultsPage::resultsText() const {
  QStringList lines;
  for (const std::array<Row, 6>* group : {&basic_, &intermediate_, &limits_})
    for (const Row& row : *group)
      if (row.caption != nullptr && !row.caption->text().trimmed().isEmpty())
        lines << QStringList{row.caption->text().trimmed(), row.value->text().trimmed(),
                             row.unit->text().trimmed()}
                     .join(QLatin1Char('\t'));
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void ResultsPage::copyResultsText() {
  if (!hasResults()) return;
  copyTextToClipboard(this, resultsText(), "Results copied to the clipboard as tab-separated text");
}

QString ResultsPage::suggestedPdfPath(output::PageKind kind) const {
  return suggestedPdfPath(std::vector<output::PageKind>{kind});
}

bool ResultsPage::exportPdf(output::PageKind kind) {
  return exportPdf(std::vector<output::PageKind>{kind});
}

bool ResultsPage::exportPdf(const std::vector<output::PageKind>& pages) {
  return exportPdf(pages, reportEnglish_);
}

QString ResultsPage::suggestedPdfPath(const std::vector<output::PageKind>& pages) const {
  const QString suffix = pages.size() > 1 ? QStringLiteral("report-graphs")
                         : !pages.empty() && pages[0] == output::PageKind::UncertaintyAnalysis
                             ? QStringLiteral("graphs")
                             : QStringLiteral("report");
  if (!case_.dataFilePath.empty()) {
    const QFileInfo file(QString::fromStdString(case_.dataFilePath));
    return file.absolutePath() + QLatin1Char('/') + file.completeBaseName() + QLatin1Char('-') +
           suffix + QStringLiteral(".pdf");
  }
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  return folder + QStringLiteral("/Dorvel-") + suffix + QStringLiteral(".pdf");
}

bool ResultsPage::exportPdf(const std::vector<output::PageKind>& pages, bool english) {
  if (!hasResults() || pages.empty()) return false;
  const QString suggested = suggestedPdfPath(pages);
  const QString path =
      chooseExportFile ? chooseExportFile(suggested)
                       : QFileDialog::getSaveFileName(window(), desktopText("ExportPdfTitle"),
                                                      suggested, desktopText("PdfFilter"));
  if (path.isEmpty()) return false;
  if (!output::renderPagesPdf(case_, pages, english, path.toStdString())) {
    const std::string shown = path.toStdString();
    ui_->showMessage({Msg::PdfNotWritten, {shown}});
    return false;
  }
  return true;
}

}  // namespace dorvel::ui
