#include "ui/help_viewer.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextStream>
#include <QUrl>
#include <QVBoxLayout>
#include <QWhatsThis>

#include "ui/page_edit.h"
#include "ui/texts/language.h"

namespace dorvel::ui {

namespace {

const char* const kTopicProperty = "dorvelHelpTopic";

QString& folderOverride() {
  static QString folder;
  return folder;
}

QPointer<HelpWindow>& helpWindowPointer() {
  static QPointer<HelpWindow> window;
  return window;
}

}  // namespace

const std::vector<HelpTopic>& helpTopics() {
  static const std::vector<HelpTopic> topics = {
      {1, "index.html", ""},  // the main window's Contents command
      {5, "index.html", ""},
      {20, "task.html", ""},
      {30, "basic_input.html", "description"},
      {35, "basic_input.html", "fluid-name"},
      {60, "basic_input.html", "lists"},
      {70, "basic_input.html", "temperature"},
      {80, "basic_input.html", "pressure"},
      {90, "basic_input.html", "pipe-diameter"},
      {100, "basic_input.html", "drain-hole"},
      {150, "basic_input.html", "device-diameter"},
      {160, "basic_input.html", "upper-range-flowrate"},
      {170, "basic_input.html", "nominal-flowrate"},
      {175, "basic_input.html", "upper-range-dp"},
      {180, "basic_input.html", "differential-pressure"},
      {190, "basic_input.html", "flowrate"},
      {191, "basic_input.html", "roughness"},
      {410, "basic_input.html", ""},
      {102, "uncertainty_sources.html", "transmitter-error"},
      {104, "uncertainty_sources.html", "transmitter-reference"},
      {106, "uncertainty_sources.html", "density-overall"},
      {108, "uncertainty_sources.html", "density-pressure"},
      {110, "uncertainty_sources.html", "density-temperature"},
      {112, "uncertainty_sources.html", "density-k1"},
      {114, "uncertainty_sources.html", "density-reference"},
      {116, "uncertainty_sources.html", "extra-c"},
      {118, "uncertainty_sources.html", "straight-lengths"},
      {120, "uncertainty_sources.html", "straight-lengths"},
      {420, "uncertainty_sources.html", ""},
      {192, "fluid_properties.html", "other-gas-questions"},
      {200, "fluid_properties.html", "other-gas"},
      {220, "fluid_properties.html", "natural-gas"},
      {230, "fluid_properties.html", "coke-gas"},
      {240, "fluid_properties.html", "air"},
      {450, "fluid_properties.html", "air"},
      {460, "fluid_properties.html", "coke-gas"},
      {470, "fluid_properties.html", "other-gas"},
      {480, "fluid_properties.html", "natural-gas"},
      {210, "humidity.html", ""},
      {270, "graphs.html", ""},
      {280, "table.html", ""},
  };
  return topics;
}

const HelpTopic* findHelpTopic(int number) {
  for (const HelpTopic& t : helpTopics())
    if (t.number == number) return &t;
  return nullptr;
}

QString helpFolder() {
  if (!folderOverride().isEmpty()) return folderOverride();
  QStringList candidates;
  if (QCoreApplication::instance() != nullptr)
    candidates << QCoreApplication::applicationDirPath() + "/help";
#ifdef DORVEL_HELP_INSTALL_RELATIVE
  // Installed: share/dorvel/help under the prefix the program runs from.
  if (QCoreApplication::instance() != nullptr)
    candidates << QCoreApplication::applicationDirPath() + "/" DORVEL_HELP_INSTALL_RELATIVE;
#endif
#ifdef DORVEL_HELP_SOURCE_DIR
  candidates << QStringLiteral(DORVEL_HELP_SOURCE_DIR);
#endif
  for (const QString& c : candidates)
    if (QFileInfo::exists(c + "/index.html")) return QDir::cleanPath(c);
  return {};
}

void setHelpFolder(const QString& folder) { folderOverride() = folder; }

// The topics and pop-ups of the interface language: the Polish ones live in
// "pl" inside the help folder.
static QString languageFolder() {
  const QString folder = helpFolder();
  if (!folder.isEmpty() && polishInterface() && QFileInfo::exists(folder + "/pl/index.html"))
    return folder + "/pl";
  return folder;
}

QString popupText(int number) {
  const QString folder = languageFolder();
  if (folder.isEmpty()) return {};
  QFile file(folder + "/popups.txt");
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  QTextStream in(&file);
  const QString wanted = QStringLiteral("[%1]").arg(number);
  QStringList lines;
  bool inEntry = false;
  while (!in.atEnd()) {
    const QString line = in.readLine();
    if (line.startsWith('[') && line.trimmed().endsWith(']')) {
      if (inEntry) break;
      inEntry = line.trimmed() == wanted;
      continue;
    }
    if (inEntry) lines << line;
  }
  return lines.join('\n').trimmed();
}

void setHelpTopic(QWidget* widget, int number) {
  if (widget != nullptr) widget->setProperty(kTopicProperty, number);
}

int helpTopicOf(const QWidget* widget) {
  if (widget == nullptr) return 0;
  if (auto* edit = qobject_cast<const PageEdit*>(widget); edit != nullptr && edit->helpTopic > 0)
    return edit->helpTopic;
  const QVariant v = widget->property(kTopicProperty);
  return v.isValid() ? v.toInt() : 0;
}

int helpTopicFor(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (int n = helpTopicOf(w); n > 0) return n;
    // The lists of the input page share one topic, the task panel another.
    if (qobject_cast<const QComboBox*>(w) != nullptr) return 60;
    if (w->objectName() == QLatin1String("Panel1")) return kHelpTask;
  }
  return 0;
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("HelpWindow");
  setWindowTitle("Dorvel Help");
  setModal(false);
  browser_ = new QTextBrowser(this);
  browser_->setOpenLinks(true);
  browser_->setOpenExternalLinks(false);
  auto* contents = new QPushButton("Contents", this);
  auto* back = new QPushButton("Back", this);
  auto* close = new QPushButton("Close", this);
  connect(contents, &QPushButton::clicked, this, [this] { showTopic(kHelpContents); });
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  back->setEnabled(false);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(back);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_);
  layout->addLayout(buttons);
  resize(640, 560);
}

bool HelpWindow::showTopic(int number) {
  const HelpTopic* topic = findHelpTopic(number);
  const QString folder = languageFolder();
  if (topic == nullptr || folder.isEmpty()) return false;
  const QString path = folder + "/" + topic->file;
  if (!QFileInfo::exists(path)) return false;
  browser_->setSearchPaths({folder});
  QUrl url = QUrl::fromLocalFile(path);
  if (*topic->anchor != '\0') url.setFragment(topic->anchor);
  browser_->setSource(url);
  topic_ = number;
  return true;
}

HelpSystem& HelpSystem::instance() {
  static HelpSystem system;
  return system;
}

bool HelpSystem::handleHelp(HelpCommand command, int number, QPoint point) {
  switch (command) {
    case HelpCommand::ShowContext: {
      if (findHelpTopic(number) == nullptr || helpFolder().isEmpty()) return false;
      QPointer<HelpWindow>& w = helpWindowPointer();
      if (w.isNull()) w = new HelpWindow(owner_);
      if (w->showTopic(number)) {
        w->show();
        w->raise();
        w->activateWindow();
      }
      return false;
    }
    case HelpCommand::ShowPopup: {
      const QString text = popupText(number);
      if (text.isEmpty()) return false;
      lastPopup_ = number;
      lastPopupPosition_ = popupPosition_;
      QWhatsThis::showText(popupPosition_, text, owner_);
      return false;
    }
    case HelpCommand::SetPopupPosition:
      popupPosition_ = point;
      return false;
    case HelpCommand::Other:
      break;
  }
  return true;
}

HelpWindow* HelpSystem::window() const { return helpWindowPointer().data(); }

void showHelpTopic(int number) {
  HelpSystem::instance().handleHelp(HelpCommand::ShowContext, number);
}

namespace {

// F1 opens the topic of the focused control; "What's this?" on a control
// with a topic number shows its pop-up text where it was asked.
class HelpKeyFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
        int topic = helpTopicFor(QApplication::focusWidget());
        if (topic == 0) topic = kHelpContents;
        showHelpTopic(topic);
        return true;
      }
    } else if (event->type() == QEvent::WhatsThis && watched->isWidgetType()) {
      const int topic = helpTopicOf(static_cast<QWidget*>(watched));
      if (topic > 0 && !popupText(topic).isEmpty()) {
        auto* help = static_cast<QHelpEvent*>(event);
        HelpSystem& system = HelpSystem::instance();
        system.handleHelp(HelpCommand::SetPopupPosition, 0, help->globalPos());
        system.handleHelp(HelpCommand::ShowPopup, topic);
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void HelpSystem::installKeyHandler() {
  if (filter_ != nullptr || QCoreApplication::instance() == nullptr) return;
  filter_ = new HelpKeyFilter(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(filter_);
}

void HelpSystem::removeKeyHandler() {
  if (filter_ == nullptr) return;
  if (QCoreApplication::instance() != nullptr)
    QCoreApplication::instance()->removeEventFilter(filter_);
  delete filter_;
  filter_ = nullptr;
}

}  // namespace dorvel::ui
