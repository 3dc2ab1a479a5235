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
#include <QAccessible>
#include <algorithm>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QHeaderView>
#include <QTreeView>
#include <QDir>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QPainter>
#include <QPolygonF>
#include <QSettings>
#include <QTabBar>
#include <QWhatsThis>
#include <QWindow>

#include "base/format.h"
#include "calc/limits.h"
#include "base/shared.h"
#include "files/case_file.h"
#include "files/settings.h"
#include "ui/texts/language.h"
#include "ui/dialogs.h"
#include "ui/help_viewer.h"
#include "ui/page_edit.h"
#include "ui/qt_interaction.h"
#include "ui/results_hookup.h"  // results page and help
#include "ui/results_page.h"

#include "version.h"

// The icon resource of the static library (Q_INIT_RESOURCE cannot stand in
// a namespace).
static void initDesktopResources() { Q_INIT_RESOURCE(dorvel_ui); }

namespace dorvel::ui {

namespace {

// The tab bar of the page control asks before the current page changes, so
// that a refused change never shows the other page: a click, the arrow
// keys, the mouse wheel and a mnemonic all go through `allow`.
class GatedTabBar : public QTabBar {
 public:
  std::function<bool(int)> allow;

 protected:
  bool permitted(int target) {
    if (target < 0 || target >= count() || target == currentIndex()) return true;
    return !allow || allow(target);
  }
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && !permitted(tabAt(e->position().toPoint()))) {
      e->accept();
      return;
    }
    QTabBar::mousePressEvent(e);
  }
  void keyPressEvent(QKeyEvent* e) override {
    int target = -1;
    switch (e->key()) {
      case Qt::Key_Left: case Qt::Key_Up: target = currentIndex() - 1; break;
      case Qt::Key_Right: case Qt::Key_Down: target = currentIndex() + 1; break;
      case Qt::Key_Home: target = 0; break;
      case Qt::Key_End: target = count() - 1; break;
      default: break;
    }
    if (!permitted(target)) {
      e->accept();
      return;
    }
    QTabBar::keyPressEvent(e);
  }
#if QT_CONFIG(wheelevent)
  void wheelEvent(QWheelEvent* e) override {
    const int step = e->angleDelta().y() > 0 ? -1 : 1;
    if (!permitted(currentIndex() + step)) {
      e->accept();
      return;
    }
    QTabBar::wheelEvent(e);
  }
#endif
  bool event(QEvent* e) override {
    if (e->type() == QEvent::Shortcut) {
      // A tab's mnemonic: the tab whose text carries it.
      auto* se = static_cast<QShortcutEvent*>(e);
      for (int i = 0; i < count(); ++i)
        if (QKeySequence::mnemonic(tabText(i)) == se->key() && !permitted(i)) return true;
    }
    return QTabBar::event(e);
  }
};

// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgUp and Ctrl+PgDn of the page control go
// through the same question.
class GatedTabWidget : public QTabWidget {
 public:
  GatedTabWidget() {
    bar_ = new GatedTabBar;
    setTabBar(bar_);
  }
  void setAllow(std::function<bool(int)> allow) { bar_->allow = std::move(allow); }

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    int target = -1;
    if (e->modifiers() & Qt::ControlModifier) {
      const bool back = e->key() == Qt::Key_Backtab || e->key() == Qt::Key_PageUp ||
                        (e->key() == Qt::Key_Tab && (e->modifiers() & Qt::ShiftModifier));
      const bool forward = !back && (e->key() == Qt::Key_Tab || e->key() == Qt::Key_PageDown);
      if (back) target = (currentIndex() + count() - 1) % count();
      if (forward) target = (currentIndex() + 1) % count();
    }
    if (target >= 0 && target != currentIndex() && bar_->allow && !bar_->allow(target)) {
      e->accept();
      return;
    }
    QTabWidget::keyPressEvent(e);
  }

 private:
  GatedTabBar* bar_;
};

// An arrow with a question mark, in the palette's button-text colour.
QIcon whatsThisIcon(const QPalette& palette) {
  QIcon icon;
  for (int size : {16, 24, 32, 48}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette.color(QPalette::ButtonText);
    const qreal u = size / 16.0;
    // The pointer: a small arrow at the top left.
    QPolygonF arrow;
    arrow << QPointF(1 * u, 1 * u) << QPointF(1 * u, 9 * u) << QPointF(3.2 * u, 7 * u)
          << QPointF(5 * u, 10.5 * u) << QPointF(6.4 * u, 9.8 * u) << QPointF(4.6 * u, 6.4 * u)
          << QPointF(7.4 * u, 6.2 * u);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(arrow);
    // The question mark at the right.
    QFont f;
    f.setBold(true);
    f.setPixelSize(int(12 * u));
    p.setFont(f);
    p.setPen(ink);
    p.drawText(QRectF(6 * u, 3 * u, 10 * u, 13 * u), Qt::AlignCenter, QStringLiteral("?"));
    icon.addPixmap(pixmap);
  }
  return icon;
}

// Keeps the messages of a file command to add the file and the reason to
// them before they are shown.
class HeldMessages : public Interaction {
 public:
  void showMessage(const Message& m) override { held.push_back(m); }
  bool askQuestion(const Message&) override { return false; }
  std::vector<Message> held;
};

// Why a case file could not be read: the system's reason for a file that
// cannot be opened, else what is wrong with it (English; tx() turns it).
std::string readProblem(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return std::strerror(errno);
  struct stat st {};
  const bool examined = ::fstat(fd, &st) == 0;
  ::close(fd);
  if (!examined) return std::strerror(errno);
  if (S_ISDIR(st.st_mode)) return std::strerror(EISDIR);
  if (!S_ISREG(st.st_mode)) return "not a regular file";
  return "not a Dorvel case file, or a case file that breaks off";
}

const char* const kStandardNames[3] = {"LaISO", "LaISO_TR", "LaASME"};
constexpr std::array<Standard, 3> kStandards = {Standard::Iso5167, Standard::IsoTr15377,
                                                Standard::AsmeMfc14M};
}  // namespace

TDanegl::TDanegl(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("TDanegl"));
  initDesktopResources();
  // The desktop file's icon, for this window and the dialogs it owns.
  setWindowIcon(applicationIcon());
  if (QApplication::windowIcon().isNull()) QApplication::setWindowIcon(applicationIcon());
  qtUi_ = std::make_unique<QtInteraction>(this);
  langUi_ = std::make_unique<LanguageInteraction>(qtUi_.get());
  ui_ = langUi_.get();

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
  auto* gated = new GatedTabWidget;
  gated->setAllow([this](int index) { return PageControl1Changing(index); });
  pageControl_ = gated;
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
  // Pages from anywhere in the window (an edit, a list, the task panel):
  // Ctrl+Tab / Ctrl+PgDn forward, Ctrl+Shift+Tab / Ctrl+PgUp back, F9 to
  // the results (which calculates).  Every change goes through the check.
  auto pageKey = [this](QKeySequence key, const char* name, std::function<int()> target) {
    auto* k = new QShortcut(key, this);
    k->setObjectName(QString::fromLatin1(name));
    connect(k, &QShortcut::activated, this, [this, target] {
      settleNumberEdits();
      setCurrentPage(static_cast<Page>(target()));
    });
  };
  auto step = [this](int by) {
    return [this, by] {
      const int n = pageControl_->count();
      return (pageControl_->currentIndex() + by + n) % n;
    };
  };
  pageKey(QKeySequence(Qt::CTRL | Qt::Key_Tab), "KeyNextPage", step(1));
  pageKey(QKeySequence(Qt::CTRL | Qt::Key_PageDown), "KeyNextPage2", step(1));
  pageKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), "KeyPreviousPage", step(-1));
  pageKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), "KeyPreviousPage2", step(-1));
  pageKey(QKeySequence(Qt::CTRL | Qt::Key_PageUp), "KeyPreviousPage3", step(-1));
  pageKey(QKeySequence(Qt::Key_F9), "KeyResults", [] { return int(PageResults); });
  // Ctrl+S on a case without a file: Save As (the Save item is disabled
  // until the case has a file).
  auto* saveAs = new QShortcut(QKeySequence::Save, this);
  saveAs->setObjectName(QStringLiteral("KeySaveUntitled"));
  connect(saveAs, &QShortcut::activated, this, [this] { fileSaveAs(); });
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

  buildFileDialogs();
  assignHelpTopics();
  assignBuddies();
  watchModifications();
  setAcceptDrops(true);
  updateCaption(false);
}

TDanegl::~TDanegl() = default;

QIcon applicationIcon() {
  initDesktopResources();
  return QIcon(QStringLiteral(":/icons/dorvel.png"));
}

void TDanegl::startUp(const QString& fileArgument, bool useLastFileRecord) {
  // 6. The file to open: the argument, else the last-file record.
  std::string path = fileArgument.toStdString();
  if (path.empty() && useLastFileRecord) path = recallDataFile(*ui_);
  // 7. Read it; the fields read before a failure stay.
  if (!path.empty()) {
    if (readCaseFile(path, case_, *ui_)) {
      updateCaption(true);
      setSaveEnabled(true);
      // A case opened from the command line is a recent file like any other.
      if (!fileArgument.isEmpty()) addRecentFile(fileArgument);
    } else {
      // The fields read so far stay, but the file is not this case's: no
      // caption with its path, and Save never writes over it.
      case_.dataFilePath.clear();
      updateCaption(false);
    }
  }
  // 8. Show the case.
  showCase();
  // 9. The reference conditions are the file's, as File > Open keeps them
  // (a case without a file has the defaults 0 degC, 101.325 kPa).
  case_.refConditionsText = referenceConditionsText(case_.refTemperature, case_.refPressure);
  refreshNumberEdits();
  fillFlowUnits();
  case_.caseModified = false;
  // 10. Size to the screen, at its top-left corner.
  fitToScreen(true);
}

QSize TDanegl::wantedSize() const {
  // Height: three status-bar heights, the bottom of the "Limits of use"
  // group in its page, the top of the page control and two tool-bar
  // heights.  Width: the widest page and 20 pixels.
  const int statusH = statusBar()->sizeHint().height();
  const auto* tools = findChild<QToolBar*>(QStringLiteral("ToolBar1"));
  const int toolH = tools ? tools->sizeHint().height() : 0;
  const auto* panel1 = findChild<QWidget*>(QStringLiteral("Panel1"));
  const auto* central = qobject_cast<QScrollArea*>(centralWidget())->widget();
  const int spacing = central->layout()->spacing();
  const QMargins cm = central->layout()->contentsMargins();
  const int pageTop = menuBar()->sizeHint().height() + toolH + cm.top() +
                      (panel1 ? panel1->sizeHint().height() : 0) + spacing;
  int limitsBottom = pageControl_->tabBar()->sizeHint().height();
  if (const auto* results = findChild<QWidget*>(QStringLiteral("PanelWyniki"))) {
    const QMargins pm = tabResults_->layout()->contentsMargins();
    limitsBottom += pm.top() + 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) +
                    results->sizeHint().height();
  }
  const int height = 3 * statusH + limitsBottom + pageTop + 2 * toolH;
  const int width = cm.left() + central->sizeHint().width() + 20;
  return {width, height};
}

void TDanegl::fitToScreen(bool wanted) {
  QScreen* s = screen();
  if (s == nullptr) return;
  // The whole window, frame included, on the available area (panels and
  // docks excluded); the pages scroll when the screen is lower or narrower.
  const QRect avail = s->availableGeometry();
  QMargins frame;
  if (QWindow* w = windowHandle(); w && isVisible()) frame = w->frameMargins();
  if (frame.isNull()) {
    // Before the window manager has framed the window: a usual frame.
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int border = 4;
    frame = QMargins(border, std::max(title, 24) + border, border, border);
  }
  const QSize room(avail.width() - frame.left() - frame.right(),
                   avail.height() - frame.top() - frame.bottom());
  const QSize size = (wanted ? wantedSize() : this->size()).boundedTo(room);
  resize(size);
  if (wanted) {
    move(avail.topLeft());
  } else {
    // Keep the place, but inside the available area.
    QPoint p = pos();
    p.setX(std::clamp(p.x(), avail.left(), avail.right() - size.width() - frame.left() - frame.right() + 1));
    p.setY(std::clamp(p.y(), avail.top(), avail.bottom() - size.height() - frame.top() - frame.bottom() + 1));
    move(p);
  }
}

void TDanegl::restoreWindowGeometry() {
  // The place of the frame and the size of the client area, as they were
  // left.  (A restored frame geometry drifts by the frame's border on every
  // restart while the window manager has not yet framed the window.)
  const auto settings = desktopSettings();
  const QPoint place = settings->value(QStringLiteral("window/position")).toPoint();
  const QSize size = settings->value(QStringLiteral("window/size")).toSize();
  if (!size.isValid() || size.isEmpty()) return;
  resize(size);
  move(place);
  fitToScreen(false);
  if (settings->value(QStringLiteral("window/maximized")).toBool()) setWindowState(Qt::WindowMaximized);
}

bool TDanegl::event(QEvent* e) {
  const bool result = QMainWindow::event(e);
  // Once the window manager has put its frame around the window, the frame
  // is known: the window is fitted again, frame included.
  if (!frameFitted_ && isVisible() &&
      (e->type() == QEvent::Move || e->type() == QEvent::Resize || e->type() == QEvent::Show)) {
    if (QWindow* w = windowHandle(); w && !w->frameMargins().isNull()) {
      frameFitted_ = true;
      fitToScreen(false);
    }
  }
  return result;
}

void TDanegl::setInteraction(Interaction* ui) { langUi_->setInner(ui ? ui : qtUi_.get()); }

void TDanegl::setLanguage(Language language) {
  applyLanguage(this, language, QString::fromStdString(case_.refConditionsText));
  markLanguageMenu(this, language);
  setFileDialogTexts();
  // The names read from the captions and hints follow them.
  assignBuddies();
  baseCaption_ = tx(baseCaption_);
  idleStatus_ = tx(idleStatus_);
  updateCaption(!case_.dataFilePath.empty());
  // The printouts follow the interface; "Wydruki angielskie..." still gives
  // the English ones in Polish.
  if (auto* results = findChild<ResultsPage*>()) results->setReportEnglish(language == Language::English);
}

// ---- status bar -------------------------------------------------------------

// The colour fills the whole bar, not only the text field.
static void paintStatus(QLabel* label, const QColor& background, const QColor& text) {
  for (QWidget* w : {static_cast<QWidget*>(label), label->parentWidget()}) {
    if (w == nullptr) continue;
    QPalette p = w->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    w->setPalette(p);
    w->setAutoFillBackground(true);
  }
}

void TDanegl::setStatusNormal() {
  statusLabel_->setText(idleStatus_);
  paintStatus(statusLabel_, palette().color(QPalette::Window), palette().color(QPalette::WindowText));
}

void TDanegl::setStatusRequest(const QString& text) {
  statusLabel_->setText(tx(text));
  paintStatus(statusLabel_, Qt::red, Qt::white);
}

void TDanegl::setStatusWarning(const QString& text) {
  statusLabel_->setText(tx(text));
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
  actExportPdf_ = add(file, "MnExportPdf", QKeySequence(), [this] {
    if (onExportPdf) onExportPdf();
  });
  actExportPdf_->setText(desktopText("MnExportPdf"));
  actExportPdf_->setEnabled(false);
  recentMenu_ = file->addMenu(desktopText("MnRecent"));
  recentMenu_->setObjectName(QStringLiteral("MnRecent"));
  file->addSeparator();
  add(file, "Koniecpracy1", QKeySequence(), [this] { close(); });
  QMenu* help = bar->addMenu(QString());
  help->setObjectName(QStringLiteral("Pomoc1"));
  add(help, "Spistreci1", QKeySequence(), [this] { showHelpTopic(5); });
  QAction* whatsThis = add(help, "MnWhatsThis", QKeySequence(Qt::SHIFT | Qt::Key_F1),
                           [] { QWhatsThis::enterWhatsThisMode(); });
  whatsThis->setText(desktopText("MnWhatsThis"));
  add(help, "Autorprogramu1", QKeySequence(), [this] { showHelpTopic(-1); });
  addLanguageMenu(bar, [this](Language l) { setLanguage(l); rememberLanguage(l); });

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
  QAction* whatsThisTool = tool("SbWhatsThis", QStyle::SP_TitleBarContextHelpButton,
                            [] { QWhatsThis::enterWhatsThisMode(); });
  // The style's title-bar "?" is drawn black whatever the theme: on a dark
  // one it vanishes.  Drawn here in the text colour of the tool bar.
  whatsThisTool->setIcon(whatsThisIcon(tools->palette()));
  whatsThisTool->setToolTip(desktopText("SbWhatsThis"));
  refreshRecentMenu();
}

void TDanegl::buildTaskPanel() {
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameShape(QFrame::StyledPanel);
  auto* grid = new QGridLayout(panel);
  // Tight rows: on a low (laptop, scaled) screen every pixel of height goes
  // to the pages.
  grid->setContentsMargins(8, 3, 8, 3);
  grid->setVerticalSpacing(2);
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
    l->setText(QString::fromLatin1(
        dorvel::standardLabel(kStandards[static_cast<size_t>(i)], StandardLabelUse::Window)));
    QPalette p = l->palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(p);
  }
}

bool TDanegl::setCurrentPage(Page page) {
  if (page != pageControl_->currentIndex() && !PageControl1Changing(page)) return false;
  pageControl_->setCurrentIndex(page);
  return true;
}

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

// Topic numbers for F1 and the pop-ups of What's This on the controls that
// have no edit of their own: the task panel, the lists of the basic page, the
// property panels and the other-gas "?" button.
void TDanegl::assignHelpTopics() {
  static const struct {
    const char* name;
    int topic;
  } kTopics[] = {{"Panel1", 20},        {"RadioButton1", 20},   {"RadioButton2", 20},
                 {"RadioButton3", 20},  {"PanelInnyGaz", 200},  {"PanelGazZiem", 220},
                 {"PanelGazKoks", 230}, {"PanelPowietrze", 240}, {"Bu5Pyt", 192}};
  for (const auto& t : kTopics)
    if (auto* w = findChild<QWidget*>(QString::fromLatin1(t.name))) setHelpTopic(w, t.topic);
  if (auto* basic = findChild<QWidget*>(QStringLiteral("TabSheetDane")))
    for (QComboBox* b : basic->findChildren<QComboBox*>()) setHelpTopic(b, 60);
}

// A caption beside an edit or a list in a grid is its buddy: a screen reader
// reads the caption as the control's name, and it follows the caption when
// the texts change.  Lists without a caption of their own get a name.
void TDanegl::assignBuddies() {
  for (QGridLayout* grid : findChildren<QGridLayout*>()) {
    for (int i = 0; i < grid->count(); ++i) {
      auto* label = qobject_cast<QLabel*>(grid->itemAt(i)->widget());
      if (label == nullptr || label->text().isEmpty()) continue;
      int row = 0, col = 0, rs = 0, cs = 0;
      grid->getItemPosition(i, &row, &col, &rs, &cs);
      QLayoutItem* next = grid->itemAtPosition(row, col + cs);
      QWidget* w = next ? next->widget() : nullptr;
      if (w && !w->layout() && (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)))
        label->setBuddy(w);
      else if (w && w->layout())  // the drain-hole and fitting rows hold their edits in a box
        for (QWidget* inner : w->findChildren<QWidget*>())
          if (qobject_cast<QLineEdit*>(inner) || qobject_cast<QComboBox*>(inner))
            inner->setAccessibleName(label->text());
    }
  }
  for (const char* name : {"CBjcs", "CBjLep2", "CBjLep5", "Cbges", "CBgm", "CBjnp",
                           "qt_menubar_ext_button", "qt_toolbar_ext_button"})
    if (auto* w = findChild<QWidget*>(QString::fromLatin1(name)))
      w->setAccessibleName(controlText(name, TextProperty::AccessibleName));
  // The drain-hole row holds two edits: each is named after its own quantity.
  if (edOtwor_ != nullptr) edOtwor_->setAccessibleName(tx("Drain Hole Diameter"));
  if (edChropow_ != nullptr) edChropow_->setAccessibleName(tx("Pipe roughness"));
  // Icon-only tool buttons: their hints are their names.
  for (QAction* a : findChild<QToolBar*>(QStringLiteral("ToolBar1"))->actions())
    if (QWidget* b = findChild<QToolBar*>(QStringLiteral("ToolBar1"))->widgetForAction(a))
      b->setAccessibleName(a->toolTip());
}

// ---- pages -------------------------------------------------------------------------

bool TDanegl::PageControl1Changing(int index) {
  // Texts that are not numbers are reported before anything else happens.
  settleNumberEdits();
  // Leaving "Uncertainty Sources" needs the reference value of the
  // transmitter error.
  if (currentPage_ == PageUncertainty && index != PageUncertainty &&
      case_.dpTransmitterError > 0 && case_.dpTransmitterReference == 0) {
    ui_->showMessage(Msg::NoTransmitterReference);
    return false;
  }
  return true;
}

void TDanegl::PageControl1Change(int index) {
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
  // "[*]" is where the window system shows the modified marker.
  if (withFile && !case_.dataFilePath.empty())
    setWindowTitle(QString::fromStdString(case_.dataFilePath) + QStringLiteral(" - ") +
                   baseCaption_ + QStringLiteral("[*]"));
  else
    setWindowTitle(baseCaption_ + QStringLiteral("[*]"));
  syncModified();
}

void TDanegl::syncModified() { setWindowModified(case_.caseModified); }

void TDanegl::watchModifications() {
  // Every change handler runs before these (they were connected first), so
  // the marker follows caseModified after each user action.
  for (QLineEdit* e : findChildren<QLineEdit*>())
    connect(e, &QLineEdit::textEdited, this, [this] { syncModified(); });
  for (QComboBox* b : findChildren<QComboBox*>())
    connect(b, &QComboBox::currentIndexChanged, this, [this] { syncModified(); });
  for (QAbstractButton* b : findChildren<QAbstractButton*>())
    connect(b, &QAbstractButton::clicked, this, [this] { syncModified(); });
  for (QButtonGroup* g : findChildren<QButtonGroup*>())
    connect(g, &QButtonGroup::idClicked, this, [this] { syncModified(); });
}

void TDanegl::setSaveEnabled(bool on) {
  actSave_->setEnabled(on);
  toolSave_->setEnabled(on);
  if (auto* saveAs = findChild<QShortcut*>(QStringLiteral("KeySaveUntitled")))
    saveAs->setEnabled(!on);
}

void TDanegl::buildFileDialogs() {
  openDialog_ = new QFileDialog(this);
  openDialog_->setObjectName(QStringLiteral("OpenDialog1"));
  openDialog_->setAcceptMode(QFileDialog::AcceptOpen);
  openDialog_->setFileMode(QFileDialog::ExistingFile);
  saveDialog_ = new QFileDialog(this);
  saveDialog_->setObjectName(QStringLiteral("SaveDialog1"));
  saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
  saveDialog_->setFileMode(QFileDialog::AnyFile);
  // Large enough for the name, size, type and date columns in full; the
  // size and the column widths the user leaves are used the next time.
  for (QFileDialog* d : {openDialog_, saveDialog_}) {
    d->setViewMode(QFileDialog::Detail);
    d->resize(860, 520);
    const QString key = QStringLiteral("dialogs/") + d->objectName();
    const auto settings = desktopSettings();
    d->restoreState(settings->value(key + QStringLiteral("/state")).toByteArray());
    const QByteArray geometry = settings->value(key + QStringLiteral("/geometry")).toByteArray();
    if (!geometry.isEmpty()) d->restoreGeometry(geometry);

    connect(d, &QDialog::finished, this, [d] {
      const QString k = QStringLiteral("dialogs/") + d->objectName();
      const auto s = desktopSettings();
      s->setValue(k + QStringLiteral("/state"), d->saveState());
      s->setValue(k + QStringLiteral("/geometry"), d->saveGeometry());
    });
  }
  setFileDialogTexts();
}

// Title and filters in the interface language: "Any file [*.*]|*.*" and the
// case filter.
void TDanegl::setFileDialogTexts() {
  for (QFileDialog* d : {openDialog_, saveDialog_}) {
    const QByteArray name = d->objectName().toLatin1();
    d->setWindowTitle(controlText(name.constData(), TextProperty::DialogTitle));
    // The case filter first and chosen; every file beside it.
    d->setNameFilters({desktopText("CaseFilter"),
                       dialogFilter(controlText(name.constData(), TextProperty::DialogFilter))});
    d->selectNameFilter(desktopText("CaseFilter"));
  }
}

static QString runFileDialog(QFileDialog* dialog, const QString& initial) {
  // Qt's own dialog (no native one on this desktop): size, type and date as
  // wide as their texts, the name takes the rest.
  if (auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"))) {
    QHeaderView* header = view->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < header->count(); ++column)
      header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  }
  if (!initial.isEmpty()) {
    const QFileInfo info(initial);
    dialog->setDirectory(info.absolutePath());
    dialog->selectFile(info.fileName());
  }
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
  return dialog->selectedFiles().constFirst();
}

QString TDanegl::askOpenFile(const QString& initial) {
  return chooseOpenFile ? chooseOpenFile(initial) : runFileDialog(openDialog_, initial);
}

QString TDanegl::askSaveFile(const QString& initial) {
  return chooseSaveFile ? chooseSaveFile(initial) : runFileDialog(saveDialog_, initial);
}

int TDanegl::askSaveChanges() {
  if (askYesNoCancel) return askYesNoCancel(tx("Save changes ?"));
  const auto b = QMessageBox::question(this, QStringLiteral("Dorvel"), tx("Save changes ?"),
                                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  return b == QMessageBox::Yes ? 1 : b == QMessageBox::No ? 0 : -1;
}

bool TDanegl::offerToSaveChanges() {
  settleNumberEdits();
  if (!case_.caseModified) return true;
  const int answer = askSaveChanges();
  if (answer < 0) return false;
  if (answer == 0) return true;
  // Yes: the save dialog; cancelling it or a failed write keeps the case.
  const QString path = askSaveFile(QString::fromStdString(case_.dataFilePath));
  if (path.isEmpty()) return false;
  case_.dataFilePath = path.toStdString();
  if (!writeCase()) return false;
  case_.caseModified = false;
  rememberDataFile(case_.dataFilePath, *ui_);
  addRecentFile(path);
  updateCaption(true);
  setSaveEnabled(true);
  return true;
}

void TDanegl::fileNew() {
  settleNumberEdits();
  if (!ui_->askQuestion(Msg::DeleteAllData)) return;
  resetCase(case_);
  case_.dataFilePath.clear();
  showCase();
  case_.caseModified = false;
  updateCaption(false);
  setSaveEnabled(false);
}

void TDanegl::fileOpen() {
  if (!offerToSaveChanges()) return;
  const QString path = askOpenFile(QString::fromStdString(case_.dataFilePath));
  if (path.isEmpty()) return;
  openDataFile(path);
}

void TDanegl::openWithQuestion(const QString& path) {
  if (path.isEmpty() || !offerToSaveChanges()) return;
  openDataFile(path);
}

bool TDanegl::openDataFile(const QString& path) {
  case_.dataFilePath = path.toStdString();
  const bool ok = readCaseFile(case_.dataFilePath, case_, *ui_);
  if (ok) {
    showCase();
    rememberDataFile(case_.dataFilePath, *ui_);
    addRecentFile(path);
    setSaveEnabled(true);
  } else {
    resetCase(case_);
    case_.dataFilePath.clear();
    showCase();
    // The first line as always, then the file and the reason, the reason in
    // the interface language.
    const std::string file = QDir::toNativeSeparators(path).toStdString();
    const QString why = QString::fromLocal8Bit(readProblem(path.toStdString()).c_str());
    ui_->showMessage({Msg::NoValidData, {file, textIn(why, currentLanguage()).toStdString()}});
  }
  case_.caseModified = false;
  updateCaption(ok);
  return ok;
}

bool TDanegl::fileSave() {
  settleNumberEdits();
  if (case_.dataFilePath.empty()) return fileSaveAs();
  if (!writeCase()) return false;
  case_.caseModified = false;
  updateCaption(true);
  rememberDataFile(case_.dataFilePath, *ui_);
  addRecentFile(QString::fromStdString(case_.dataFilePath));
  return true;
}

bool TDanegl::writeCase() {
  // "Output error" keeps its first line and gets the file and the system's
  // reason below it.
  HeldMessages held;
  std::string reason;
  if (writeCaseFile(case_.dataFilePath, case_, held, &reason)) return true;
  const std::string file = QDir::toNativeSeparators(QString::fromStdString(case_.dataFilePath)).toStdString();
  for (const Message& m : held.held) {
    if (m.id == Msg::CaseNotWritten)
      ui_->showMessage({Msg::CaseNotWrittenTo, {file, reason}});
    else
      ui_->showMessage(m);
  }
  return false;
}

bool TDanegl::fileSaveAs() {
  const QString path = askSaveFile(QString::fromStdString(case_.dataFilePath));
  if (path.isEmpty()) return false;
  case_.dataFilePath = path.toStdString();
  const bool ok = fileSave();
  if (ok) setSaveEnabled(true);
  return ok;
}

void TDanegl::closeEvent(QCloseEvent* event) {
  if (!offerToSaveChanges()) {
    event->ignore();
    return;
  }
  const auto settings = desktopSettings();
  const bool maximized = isMaximized();
  const QRect normal = maximized ? normalGeometry() : geometry();
  settings->setValue(QStringLiteral("window/position"), maximized ? normal.topLeft() : pos());
  settings->setValue(QStringLiteral("window/size"), normal.size());
  settings->setValue(QStringLiteral("window/maximized"), maximized);
  event->accept();
}

// ---- desktop settings: recent files, window geometry ------------------------------

std::unique_ptr<QSettings> TDanegl::desktopSettings() {
  // The desktop program's own file beside, never inside, the last-file
  // record; checked before it is opened.
  return openDesktopSettings();
}

QStringList TDanegl::recentFiles() const {
  return desktopSettings()->value(QStringLiteral("recent/files")).toStringList();
}

void TDanegl::addRecentFile(const QString& path) {
  const QString full = QFileInfo(path).absoluteFilePath();
  QStringList files = recentFiles();
  files.removeAll(full);
  files.prepend(full);
  while (files.size() > kMaxRecentFiles) files.removeLast();
  desktopSettings()->setValue(QStringLiteral("recent/files"), files);
  refreshRecentMenu();
}

void TDanegl::refreshRecentMenu() {
  if (recentMenu_ == nullptr) return;
  recentMenu_->clear();
  const QStringList files = recentFiles();
  int n = 0;
  for (const QString& f : files) {
    ++n;
    QString name = QFileInfo(f).fileName();
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* a = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(n).arg(name));
    a->setObjectName(QStringLiteral("MnRecent%1").arg(n));
    a->setToolTip(f);
    a->setStatusTip(f);
    connect(a, &QAction::triggered, this, [this, f] { openWithQuestion(f); });
  }
  recentMenu_->setEnabled(!files.isEmpty());
}

// ---- dropping a case on the window ---------------------------------------------------

void TDanegl::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() == 1 && urls.first().isLocalFile()) event->acceptProposedAction();
}

void TDanegl::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() != 1 || !urls.first().isLocalFile()) return;
  event->acceptProposedAction();
  openWithQuestion(urls.first().toLocalFile());
}

}  // namespace dorvel::ui
