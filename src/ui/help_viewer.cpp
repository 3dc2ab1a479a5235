#include "ui/help_viewer.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpEvent>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>
#include <QWhatsThis>

#include <memory>

#include "ui/page_edit.h"

namespace dorvel::ui {

namespace {

const char* const kTopicProperty = "dorvelHelpTopic";
const char* const kMessageProperty = "dorvelHelpMessage";

QString& folderOverride() {
  static QString folder;
  return folder;
}

QPointer<HelpWindow>& helpWindowPointer() {
  static QPointer<HelpWindow> window;
  return window;
}

// The private copies of the collections: the search index is written beside
// the collection file, which may lie in a read-only prefix, and two windows
// (or two programs) must not index into one folder at once.
QTemporaryDir& workRoot() {
  static QTemporaryDir dir(QDir::tempPath() + "/dorvel-help-XXXXXX");
  return dir;
}

// Qt's own texts of the help widgets (the search button, the count of hits)
// in the language of the window: Qt's Polish translation of its help module
// (qt6-translations-l10n) while a Polish help window is made.  Without the
// file they stay English.
void followHelpTranslation(Language language) {
  static QPointer<QTranslator> translator;
  if (QCoreApplication::instance() == nullptr) return;
  if (language == Language::Polish) {
    if (!translator.isNull()) return;
    auto* t = new QTranslator(QCoreApplication::instance());
    if (t->load(QStringLiteral("qt_help_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(t);
      translator = t;
    } else {
      delete t;
    }
  } else if (!translator.isNull()) {
    QCoreApplication::removeTranslator(translator);
    delete translator.data();
  }
}

QString docPath(const QString& file, Language language) {
  return QStringLiteral("qthelp://%1/doc/%2").arg(helpNamespace(language), file);
}

}  // namespace

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
#ifdef DORVEL_HELP_BUILD_DIR
  candidates << QStringLiteral(DORVEL_HELP_BUILD_DIR);
#endif
  for (const QString& c : candidates)
    if (QFileInfo::exists(c + "/dorvel-en.qhc")) return QDir::cleanPath(c);
  return {};
}

void setHelpFolder(const QString& folder) { folderOverride() = folder; }

QString helpCollection(Language language) {
  const QString folder = helpFolder();
  if (folder.isEmpty()) return {};
  const QString file = folder + "/dorvel-" + languageCode(language) + ".qhc";
  return QFileInfo::exists(file) ? file : QString();
}

QString helpNamespace(Language language) {
  return "org.dorvel.manual." + languageCode(language);
}

QUrl topicUrl(int number, Language language) {
  const HelpTopic* topic = findHelpTopic(number);
  if (topic == nullptr) return {};
  QUrl url(docPath(QString::fromLatin1(topic->file), language));
  if (*topic->anchor != '\0') url.setFragment(QString::fromLatin1(topic->anchor));
  return url;
}

QUrl messageUrl(int number, Language language) {
  QUrl url(docPath(QString::fromLatin1(kMessagesPage), language));
  url.setFragment(QStringLiteral("message-%1").arg(number));
  return url;
}

QUrl fieldUrl(const QString& name, Language language) {
  QUrl url(docPath(QString::fromLatin1(kFieldsPage), language));
  url.setFragment("field-" + name);
  return url;
}

QString popupText(int number) {
  const QString folder = helpFolder();
  if (folder.isEmpty()) return {};
  QFile file(folder + "/popups-" + languageCode(currentLanguage()) + ".txt");
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

void setHelpMessage(QWidget* widget, int number) {
  if (widget != nullptr) widget->setProperty(kMessageProperty, number);
}

int helpMessageFor(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    const QVariant v = w->property(kMessageProperty);
    if (v.isValid() && v.toInt() > 0) return v.toInt();
  }
  return 0;
}

HelpBrowser::HelpBrowser(QHelpEngine* engine, QWidget* parent)
    : QTextBrowser(parent), engine_(engine) {
  setOpenLinks(true);
  setOpenExternalLinks(true);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  if (name.scheme() == QLatin1String("qthelp")) {
    const QByteArray data = engine_->fileData(name);
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
      return QString::fromUtf8(data);
    return data;
  }
  return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(QWidget* parent) : HelpWindow(currentLanguage(), parent) {}

HelpWindow::HelpWindow(Language language, QWidget* parent)
    : QDialog(parent, Qt::Window), language_(language) {
  setObjectName("HelpWindow");
  setModal(false);
  // Closing the main window ends the program even while the help is open.
  setAttribute(Qt::WA_QuitOnClose, false);
  const auto text = [language](const char* english) {
    return textIn(QString::fromUtf8(english), language);
  };
  setWindowTitle(text("Dorvel Help"));
  followHelpTranslation(language);

  // A private copy of the collection and its documentation file.
  const QString collection = helpCollection(language);
  QString work;
  if (!collection.isEmpty() && workRoot().isValid()) {
    static int serial = 0;
    work = workRoot().path() + QStringLiteral("/%1-%2").arg(languageCode(language)).arg(++serial);
    QDir().mkpath(work);
    const QString base = QFileInfo(collection).completeBaseName();
    const QString folder = QFileInfo(collection).absolutePath();
    if (QFile::copy(collection, work + "/" + base + ".qhc") &&
        QFile::copy(folder + "/" + base + ".qch", work + "/" + base + ".qch"))
      workFolder_ = work;
  }
  engine_ = new QHelpEngine(workFolder_.isEmpty() ? QString() : workFolder_ + "/dorvel-" +
                                                                    languageCode(language) + ".qhc",
                            this);
  valid_ = !workFolder_.isEmpty() && engine_->setupData();

  browser_ = new HelpBrowser(engine_, this);
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName("HelpTabs");
  // Contents.
  QHelpContentWidget* contents = engine_->contentWidget();
  tabs->addTab(contents, text("Contents"));
  connect(contents, &QHelpContentWidget::linkActivated, this,
          [this](const QUrl& url) { showUrl(url); });
  // Index: the keywords, narrowed as the user types.
  auto* indexPage = new QWidget(this);
  auto* indexLayout = new QVBoxLayout(indexPage);
  indexLayout->setContentsMargins(2, 2, 2, 2);
  auto* lookFor = new QLabel(text("Look for:"), indexPage);
  auto* filter = new QLineEdit(indexPage);
  filter->setObjectName("HelpIndexFilter");
  lookFor->setBuddy(filter);
  QHelpIndexWidget* index = engine_->indexWidget();
  indexLayout->addWidget(lookFor);
  indexLayout->addWidget(filter);
  indexLayout->addWidget(index);
  connect(filter, &QLineEdit::textChanged, index,
          [index](const QString& t) { index->filterIndices(t); });
  connect(filter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
  connect(index, &QHelpIndexWidget::documentActivated, this,
          [this](const QHelpLink& link, const QString&) { showUrl(link.url); });
  connect(index, &QHelpIndexWidget::documentsActivated, this,
          [this](const QList<QHelpLink>& links, const QString&) {
            if (!links.isEmpty()) showUrl(links.first().url);
          });
  tabs->addTab(indexPage, text("Index"));
  // Search: the full text of the pages.
  auto* searchPage = new QWidget(this);
  auto* searchLayout = new QVBoxLayout(searchPage);
  searchLayout->setContentsMargins(2, 2, 2, 2);
  QHelpSearchEngine* search = engine_->searchEngine();
  QHelpSearchQueryWidget* query = search->queryWidget();
  QHelpSearchResultWidget* results = search->resultWidget();
  searchLayout->addWidget(query);
  searchLayout->addWidget(results, 1);
  connect(query, &QHelpSearchQueryWidget::search, search,
          [search, query] { search->search(query->searchInput()); });
  connect(results, &QHelpSearchResultWidget::requestShowLink, this,
          [this](const QUrl& url) { showUrl(url); });
  tabs->addTab(searchPage, text("Search"));

  auto* splitter = new QSplitter(this);
  splitter->addWidget(tabs);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({240, 560});

  auto* home = new QPushButton(text("Contents"), this);
  home->setObjectName("HelpHome");
  auto* back = new QPushButton(text("Back"), this);
  back->setObjectName("HelpBack");
  auto* forward = new QPushButton(text("Forward"), this);
  forward->setObjectName("HelpForward");
  auto* close = new QPushButton(text("Close"), this);
  close->setObjectName("HelpClose");
  connect(home, &QPushButton::clicked, this, [this] { showTopic(kHelpContents); });
  // Back and Forward never lead into a page of the other language: after a
  // switch the window is made again in the new language first.
  connect(back, &QPushButton::clicked, this, [this] {
    if (!followingLanguage()) browser_->backward();
  });
  connect(forward, &QPushButton::clicked, this, [this] {
    if (!followingLanguage()) browser_->forward();
  });
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  // The contents follow the page shown.
  connect(browser_, &QTextBrowser::sourceChanged, this, [this, contents](const QUrl& url) {
    QUrl page = url;
    page.setFragment({});
    const QModelIndex at = contents->indexOf(page);
    if (at.isValid()) contents->setCurrentIndex(at);
  });
  if (search != nullptr) search->scheduleIndexDocumentation();

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(home);
  buttons->addWidget(back);
  buttons->addWidget(forward);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter, 1);
  layout->addLayout(buttons);
  resize(860, 600);
}

HelpWindow::~HelpWindow() {
  // The engine's widgets and their models go before the engine.
  if (engine_ != nullptr) {
    engine_->searchEngine()->cancelIndexing();
    engine_->searchEngine()->cancelSearching();
  }
  const QList<QWidget*> children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  qDeleteAll(children);
  delete engine_;
  if (!workFolder_.isEmpty()) QDir(workFolder_).removeRecursively();
}

bool HelpWindow::followingLanguage() {
  if (language_ == currentLanguage() || HelpSystem::instance().window() != this) return false;
  QTimer::singleShot(0, [] { HelpSystem::instance().followLanguage(); });
  return true;
}

bool HelpWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate || event->type() == QEvent::LanguageChange)
    followingLanguage();
  return QDialog::event(event);
}

bool HelpWindow::showUrl(const QUrl& url) {
  if (!valid_ || !url.isValid() || url.host() != helpNamespace(language_)) return false;
  QUrl page = url;
  page.setFragment({});
  const QByteArray data = engine_->fileData(page);
  if (data.isEmpty()) return false;
  if (url.hasFragment() && !data.contains("id=\"" + url.fragment().toUtf8() + "\"")) return false;
  browser_->setSource(url);
  topic_ = 0;
  return true;
}

bool HelpWindow::showTopic(int number) {
  if (!showUrl(topicUrl(number, language_))) return false;
  topic_ = number;
  return true;
}

HelpSystem& HelpSystem::instance() {
  static HelpSystem system;
  return system;
}

namespace {

// Hands the help window back to no owner when the modal window it was lent
// to closes, so it stays open and usable beside the main window.
class ModalHostWatcher : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide && watched->isWidgetType()) {
      HelpWindow* w = helpWindowPointer().data();
      if (w != nullptr && w->parentWidget() == watched) {
        const QRect place = w->geometry();
        const bool visible = w->isVisible();
        w->setParent(nullptr, Qt::Window);
        w->setGeometry(place);
        if (visible) w->show();
      }
      watched->removeEventFilter(this);
      deleteLater();
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

HelpWindow* HelpSystem::windowForRequest() {
  if (helpCollection(currentLanguage()).isEmpty()) return nullptr;
  followLanguage();
  QPointer<HelpWindow>& w = helpWindowPointer();
  if (w.isNull()) w = new HelpWindow(currentLanguage(), nullptr);
  // A modal window (the table, the graphs, a message box) blocks every
  // window but its own: the help asked from it is lent to it while it is
  // open.
  QWidget* modal = QApplication::activeModalWidget();
  if (modal != nullptr && modal != w && w->parentWidget() != modal) {
    const QRect place = w->geometry();
    const bool visible = w->isVisible();
    w->setParent(modal, Qt::Window);
    if (visible) w->setGeometry(place);
    modal->installEventFilter(new ModalHostWatcher(modal));
  }
  return w;
}

bool HelpSystem::handleHelp(HelpCommand command, int number, QPoint point) {
  switch (command) {
    case HelpCommand::ShowContext: {
      if (findHelpTopic(number) == nullptr) return false;
      HelpWindow* w = windowForRequest();
      if (w != nullptr && w->showTopic(number)) {
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

bool HelpSystem::showMessageHelp(int number) {
  HelpWindow* w = windowForRequest();
  if (w == nullptr || !w->showUrl(messageUrl(number, w->language()))) return false;
  w->show();
  w->raise();
  w->activateWindow();
  return true;
}

void HelpSystem::setOwner(QWidget* owner) {
  if (owner_ == owner) return;
  owner_ = owner;
  if (owner == nullptr) return;
  // The help window is no child of the main window (it must not stay on top
  // of it); it goes with it.
  QObject::connect(owner, &QObject::destroyed, [] {
    if (HelpWindow* w = helpWindowPointer().data(); w != nullptr && w->parentWidget() == nullptr)
      delete w;
  });
  for (const char* name : {"MnLangEn", "MnLangPl"})
    if (auto* a = owner->findChild<QAction*>(QString::fromLatin1(name)))
      QObject::connect(a, &QAction::toggled, owner, [](bool on) {
        if (on) QTimer::singleShot(0, [] { HelpSystem::instance().followLanguage(); });
      });
}

void HelpSystem::followLanguage() {
  QPointer<HelpWindow>& w = helpWindowPointer();
  if (w.isNull() || w->language() == currentLanguage()) return;
  const QRect place = w->geometry();
  const bool visible = w->isVisible();
  QWidget* parent = w->parentWidget();
  const int topic = w->currentTopic();
  QUrl page = w->browser()->source();
  delete w.data();
  w = new HelpWindow(currentLanguage(), parent);
  w->setGeometry(place);
  // The same page in the new language (both manuals have the same pages).
  page.setHost(helpNamespace(currentLanguage()));
  if (!(topic > 0 && w->showTopic(topic)) && !w->showUrl(page)) w->showTopic(kHelpContents);
  if (visible) w->show();
}

HelpWindow* HelpSystem::window() const { return helpWindowPointer().data(); }

void showHelpTopic(int number) {
  HelpSystem::instance().handleHelp(HelpCommand::ShowContext, number);
}

namespace {

// F1 opens the topic of the focused control (in a message box: the message's
// topic); "What's this?" on a control with a topic number shows its pop-up
// text where it was asked.
class HelpKeyFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr) focus = QApplication::activeModalWidget();
        if (const int message = helpMessageFor(focus); message > 0) {
          HelpSystem::instance().showMessageHelp(message);
          return true;
        }
        int topic = helpTopicFor(focus);
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
