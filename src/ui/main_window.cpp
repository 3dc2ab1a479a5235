// The frame of the main window: menu, tool bar, task panel, page control,
// status bar, start-up and the file commands.
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "calc/format.h"
#include "calc/limits.h"
#include "calc/shared.h"
#include "files/case_file.h"
#include "files/settings.h"
#include "ui/dialogs.h"
#include "ui/page_edit.h"
#include "ui/qt_interaction.h"
#include "ui/results_hookup.h"  // results page and help
#include "version.h"

namespace dorvel::ui {

namespace {
const char* const kStandardTexts[3] = {"ISO 5167:2022", "ISO/TR 15377:2018", "ASME-MFC-14M-2003"};
const char* const kStandardNames[3] = {"LaISO", "LaISO_TR", "LaASME"};
}  // namespace

TDanegl::TDanegl(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("TDanegl"));
  qtUi_ = std::make_unique<QtInteraction>(this);
  ui_ = qtUi_.get();

  // 2. task 3; the decimal separator is always the point (format.h).
  case_.task = TaskFlowrate;
  // 3. caption and idle status text.
  baseCaption_ = QStringLiteral("Dorvel  Flow Measurement Edition  ") + QString::fromLatin1(kVersion);
  idleStatus_ = QStringLiteral(
      "Differential-pressure flow measurement: ISO 5167, ISO/TR 15377, ASME MFC-14M");
  setWindowTitle(baseCaption_);

  buildMenuAndToolBar();
  auto* central = new QWidget;
  auto* v = new QVBoxLayout(central);
  v->setContentsMargins(4, 4, 4, 4);
  buildTaskPanel();
  v->addWidget(findChild<QWidget*>(QStringLiteral("Panel1")));
  pageControl_ = new QTabWidget;
  pageControl_->setObjectName(QStringLiteral("PageControl1"));
  pageControl_->addTab(buildBasicPage(), QString());
  pageControl_->addTab(buildUncertaintyPage(), QString());
  pageControl_->addTab(buildPropertyPage(), QString());
  tabResults_ = new QWidget;
  tabResults_->setObjectName(QStringLiteral("TabSheetWyniki"));
  resultsLayout_ = new QVBoxLayout(tabResults_);
  pageControl_->addTab(tabResults_, QString());
  v->addWidget(pageControl_, 1);
  auto* scroll = new QScrollArea;
  scroll->setWidget(central);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  setCentralWidget(scroll);

  auto* bar = new QStatusBar;
  bar->setObjectName(QStringLiteral("StatusBar1"));
  statusLabel_ = new QLabel;
  statusLabel_->setObjectName(QStringLiteral("StatusText"));
  statusLabel_->setAutoFillBackground(true);
  bar->addWidget(statusLabel_, 1);
  setStatusBar(bar);
  setStatusNormal();

  humidityDialog_ = new TFWilgo(this);
  liquidsTable_ = new TWLcie(this);

  connect(pageControl_, &QTabWidget::currentChanged, this, &TDanegl::PageControl1Change);
  // 1. Help on the focused control.
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(f1, &QShortcut::activated, this,
          [this] { showHelpTopic(helpTopicOf(QApplication::focusWidget())); });

  // 4. English texts; 5. Save disabled, no file, default case.
  applyEnglishTexts();
  setSaveEnabled(false);
  resetCase(case_);
  case_.dataFilePath.clear();
  showCase();
  case_.caseModified = false;

  // >>> results page, output windows and help (results_hookup.cpp)
  attachResultsAndHelp(*this);
  // <<<
}

TDanegl::~TDanegl() = default;

void TDanegl::startUp(const QString& fileArgument, bool useLastFileRecord) {
  // 6. The file to open: the argument, else the last-file record.
  std::string path = fileArgument.toStdString();
  if (path.empty() && useLastFileRecord) path = recallDataFile(*ui_);
  // 7. Read it; the fields read before a failure stay.
  if (!path.empty()) {
    if (readCaseFile(path, case_, *ui_)) {
      updateCaption(true);
      setSaveEnabled(true);
    }
  }
  // 8. Show the case.
  showCase();
  // 9. Reference conditions back to 0 degC, 101.325 kPa.
  case_.refTemperature = 0;
  case_.refPressure = 101.325L;
  case_.refConditionsText = referenceConditionsText(case_.refTemperature, case_.refPressure);
  refreshNumberEdits();
  fillFlowUnits();
  case_.caseModified = false;
  // 10. Size to the screen, at its top-left corner; the scroll area takes
  // over when the screen is smaller.
  QSize wanted = sizeHint().expandedTo(QSize(980, 800));
  if (QScreen* s = screen()) {
    const QRect avail = s->availableGeometry();
    wanted = wanted.boundedTo(avail.size());
    move(avail.topLeft());
  }
  resize(wanted);
}

void TDanegl::setInteraction(Interaction* ui) { ui_ = ui ? ui : qtUi_.get(); }

// ---- status bar -------------------------------------------------------------

static void paintStatus(QLabel* label, const QColor& background, const QColor& text) {
  QPalette p = label->palette();
  p.setColor(QPalette::Window, background);
  p.setColor(QPalette::WindowText, text);
  label->setPalette(p);
}

void TDanegl::setStatusNormal() {
  statusLabel_->setText(idleStatus_);
  paintStatus(statusLabel_, palette().color(QPalette::Window), palette().color(QPalette::WindowText));
}

void TDanegl::setStatusRequest(const QString& text) {
  statusLabel_->setText(text);
  paintStatus(statusLabel_, Qt::red, Qt::white);
}

void TDanegl::setStatusWarning(const QString& text) {
  statusLabel_->setText(text);
  paintStatus(statusLabel_, Qt::magenta, Qt::white);
}

QString TDanegl::statusText() const { return statusLabel_->text(); }

// ---- menu, tool bar, task panel ---------------------------------------------------

void TDanegl::buildMenuAndToolBar() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  QMenu* file = bar->addMenu(QString());
  file->setObjectName(QStringLiteral("Plik1"));
  auto add = [this](QMenu* menu, const char* name, QKeySequence key, auto slot) {
    QAction* a = menu->addAction(QString());
    a->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty()) a->setShortcut(key);
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  add(file, "Nowy1", QKeySequence::New, [this] { fileNew(); });
  add(file, "Czytajdanezpliku1", QKeySequence::Open, [this] { fileOpen(); });
  actSave_ = add(file, "Zapiszdanedopliku1", QKeySequence::Save, [this] { fileSave(); });
  add(file, "Zapiszjako1", QKeySequence(), [this] { fileSaveAs(); });
  file->addSeparator();
  add(file, "Koniecpracy1", QKeySequence(), [this] { close(); });
  QMenu* help = bar->addMenu(QString());
  help->setObjectName(QStringLiteral("Pomoc1"));
  add(help, "Spistreci1", QKeySequence(), [this] { showHelpTopic(5); });
  add(help, "Autorprogramu1", QKeySequence(), [this] { showHelpTopic(-1); });

  QToolBar* tools = addToolBar(QString());
  tools->setObjectName(QStringLiteral("ToolBar1"));
  tools->setMovable(false);
  QStyle* st = style();
  auto tool = [&](const char* name, QStyle::StandardPixmap icon, auto slot) {
    QAction* a = tools->addAction(st->standardIcon(icon), QString());
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  tool("ToolButton1", QStyle::SP_FileIcon, [this] { fileNew(); });
  tool("ToolButton2", QStyle::SP_DialogOpenButton, [this] { fileOpen(); });
  toolSave_ = tool("ToolButton3", QStyle::SP_DialogSaveButton, [this] { fileSave(); });
  tool("ToolButton5", QStyle::SP_DialogHelpButton, [this] { showHelpTopic(5); });
}

void TDanegl::buildTaskPanel() {
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameShape(QFrame::StyledPanel);
  auto* grid = new QGridLayout(panel);
  laArrow_ = new QLabel(QStringLiteral("\u25B6"));
  laArrow_->setObjectName(QStringLiteral("LaArrow"));
  auto* group = new QButtonGroup(panel);
  for (int i = 0; i < 3; ++i) {
    auto* rb = new QRadioButton;
    rb->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
    taskButtons_[static_cast<size_t>(i)] = rb;
    group->addButton(rb, i + 1);
    grid->addWidget(rb, i, 1);
    auto* std = new QLabel;
    std->setObjectName(QString::fromLatin1(kStandardNames[i]));
    std->setAutoFillBackground(true);
    std->setFrameShape(QFrame::Panel);
    std->setAlignment(Qt::AlignCenter);
    std->setMinimumWidth(180);
    standardLabels_[static_cast<size_t>(i)] = std;
    grid->addWidget(std, i, 3);
  }
  grid->addWidget(laArrow_, 2, 0);
  grid->setColumnStretch(2, 1);
  connect(group, &QButtonGroup::idClicked, this, [this](int id) {
    if (!filling_) selectTask(id);
  });
  resetStandardLabels();
}

void TDanegl::resetStandardLabels() {
  for (int i = 0; i < 3; ++i) {
    QLabel* l = standardLabels_[static_cast<size_t>(i)];
    l->setText(QString::fromLatin1(kStandardTexts[i]));
    QPalette p = l->palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(p);
  }
}

void TDanegl::setCurrentPage(Page page) { pageControl_->setCurrentIndex(page); }

void TDanegl::showHelpTopic(int topic) {
  if (onHelpTopic) onHelpTopic(topic);
}

int TDanegl::helpTopicOf(const QWidget* w) const {
  static const struct {
    const char* name;
    int topic;
  } kTopics[] = {{"Panel1", 20},         {"PanelInnyGaz", 200}, {"PanelGazZiem", 220},
                 {"PanelGazKoks", 230},  {"PanelPowietrze", 240}, {"Bu5Pyt", 192}};
  for (; w; w = w->parentWidget()) {
    if (auto* e = qobject_cast<const PageEdit*>(w); e && e->helpTopic > 0) return e->helpTopic;
    if (qobject_cast<const QComboBox*>(w) && w->parentWidget() &&
        (w->parentWidget()->objectName() == QLatin1String("TabSheetDane") ||
         w->parentWidget()->parentWidget() == findChild<QWidget*>(QStringLiteral("TabSheetDane"))))
      return 60;
    for (const auto& t : kTopics)
      if (w->objectName() == QLatin1String(t.name)) return t.topic;
  }
  return 0;
}

// ---- pages -------------------------------------------------------------------------

void TDanegl::PageControl1Change(int index) {
  if (switchingBack_) return;
  // Leaving "Uncertainty Sources" needs the reference value of the
  // transmitter error.
  if (currentPage_ == PageUncertainty && index != PageUncertainty &&
      case_.dpTransmitterError > 0 && case_.dpTransmitterReference == 0) {
    ui_->showMessage(false,
                     "Poda\u0107 ci\u015Bnienie r\u00F3\u017Cnicowe, do kt\u00F3rego odniesiony "
                     "jest \u0142\u0105czny b\u0142\u0105d przetwornika.",
                     "Enter the reference value of transducer error.");
    switchingBack_ = true;
    pageControl_->setCurrentIndex(PageUncertainty);
    switchingBack_ = false;
    return;
  }
  const int previous = currentPage_;
  currentPage_ = index;
  if (previous == PageResults && index != PageResults && onLeaveResults) onLeaveResults();
  setStatusNormal();
  if (index != PageResults) resetStandardLabels();
  switch (index) {
    case PageBasic:
      layoutTaskRows();
      edTytu_->setFocus();
      break;
    case PageUncertainty:
      findChild<QWidget*>(QStringLiteral("EdKlasa1"))->setFocus();
      break;
    case PageProperties:
      enterPropertyPage();
      break;
    case PageResults:
      if (onEnterResults) onEnterResults();
      break;
    default:
      break;
  }
}

// ---- file commands ----------------------------------------------------------------

void TDanegl::updateCaption(bool withFile) {
  if (withFile && !case_.dataFilePath.empty())
    setWindowTitle(QString::fromStdString(case_.dataFilePath) + QStringLiteral(" - ") + baseCaption_);
  else
    setWindowTitle(baseCaption_);
}

void TDanegl::setSaveEnabled(bool on) {
  actSave_->setEnabled(on);
  toolSave_->setEnabled(on);
}

void TDanegl::fileNew() {
  if (!ui_->askQuestion(false, "Czy wykasowa\u0107 dane?", "Delete all data?")) return;
  updateCaption(false);
  resetCase(case_);
  case_.dataFilePath.clear();
  showCase();
  case_.caseModified = false;
  setSaveEnabled(false);
}

void TDanegl::fileOpen() {
  const QString initial = QString::fromStdString(case_.dataFilePath);
  QString path;
  if (chooseOpenFile)
    path = chooseOpenFile(initial);
  else
    path = QFileDialog::getOpenFileName(this, QStringLiteral("Open"), initial,
                                        QStringLiteral("Any file [*.*] (*)"));
  if (path.isEmpty()) return;
  openDataFile(path);
}

bool TDanegl::openDataFile(const QString& path) {
  case_.dataFilePath = path.toStdString();
  const bool ok = readCaseFile(case_.dataFilePath, case_, *ui_);
  if (ok) {
    showCase();
    updateCaption(true);
    rememberDataFile(case_.dataFilePath, *ui_);
    setSaveEnabled(true);
  } else {
    resetCase(case_);
    case_.dataFilePath.clear();
    updateCaption(false);
    showCase();
    ui_->showMessage(false, "Podany plik nie zawiera poprawnych danych", "Input error");
  }
  case_.caseModified = false;
  return ok;
}

bool TDanegl::fileSave() {
  if (case_.dataFilePath.empty()) return fileSaveAs();
  // writeCaseFile reports a failure itself ("Output error").
  if (!writeCaseFile(case_.dataFilePath, case_, *ui_)) return false;
  updateCaption(true);
  case_.caseModified = false;
  rememberDataFile(case_.dataFilePath, *ui_);
  return true;
}

bool TDanegl::fileSaveAs() {
  const QString initial = QString::fromStdString(case_.dataFilePath);
  QString path;
  if (chooseSaveFile)
    path = chooseSaveFile(initial);
  else
    path = QFileDialog::getSaveFileName(this, QStringLiteral("Save As"), initial,
                                        QStringLiteral("Any file [*.*] (*)"));
  if (path.isEmpty()) return false;
  case_.dataFilePath = path.toStdString();
  const bool ok = fileSave();
  if (ok) setSaveEnabled(true);
  return ok;
}

void TDanegl::closeEvent(QCloseEvent* event) {
  if (!case_.caseModified) {
    event->accept();
    return;
  }
  int answer;
  if (askYesNoCancel) {
    answer = askYesNoCancel(QStringLiteral("Save changes ?"));
  } else {
    const auto b = QMessageBox::question(this, QStringLiteral("Dorvel"),
                                         QStringLiteral("Save changes ?"),
                                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    answer = b == QMessageBox::Yes ? 1 : b == QMessageBox::No ? 0 : -1;
  }
  if (answer < 0) {
    event->ignore();
    return;
  }
  if (answer > 0) {
    const QString initial = QString::fromStdString(case_.dataFilePath);
    const QString path = chooseSaveFile
                             ? chooseSaveFile(initial)
                             : QFileDialog::getSaveFileName(this, QStringLiteral("Save As"), initial,
                                                            QStringLiteral("Any file [*.*] (*)"));
    if (!path.isEmpty()) {
      case_.dataFilePath = path.toStdString();
      if (writeCaseFile(case_.dataFilePath, case_, *ui_)) {
        case_.caseModified = false;
        rememberDataFile(case_.dataFilePath, *ui_);
      }
    }
  }
  event->accept();
}

}  // namespace dorvel::ui
