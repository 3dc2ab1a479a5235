// Applying the text table and the phrases to the windows.
#include "ui/texts/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QTranslator>
#include <QLabel>
#include <QActionGroup>
#include <QMenuBar>
#include <QSettings>
#include <QMenu>
#include <QPointer>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "props/liquids.h"

namespace dorvel::ui {

namespace {

Language gLanguage = Language::English;

QString u8(const char* s) { return QString::fromUtf8(s); }
QString u8(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

struct PhraseIndex {
  QHash<QString, QString> toPolish, toEnglish;
  std::vector<std::pair<QString, QString>> prefixes;  // English, Polish
};

const PhraseIndex& index() {
  static const PhraseIndex idx = [] {
    PhraseIndex i;
    auto add = [&i](const QString& pl, const QString& en) {
      if (!i.toPolish.contains(en)) i.toPolish.insert(en, pl);
      if (!i.toEnglish.contains(pl)) i.toEnglish.insert(pl, en);
    };
    for (const Phrase& p : phraseTable()) {
      add(u8(p.polish), u8(p.english));
      if (p.prefix) i.prefixes.emplace_back(u8(p.english), u8(p.polish));
    }
    // The names of the liquids table.
    for (const LiquidReference& l : kLiquidsTable) add(u8(l.polishName), u8(l.englishName));
    return i;
  }();
  return idx;
}

QStringList items(const char* text) { return u8(text).split(QLatin1Char('\n')); }

const char* rowText(const TextRow& r, Language l) {
  return l == Language::Polish ? r.polish : r.english;
}

// A guarded row applies only while the control shows one of its texts.
bool shows(const QString& current, const TextRow& r) {
  return current == u8(r.polish) || current == u8(r.english);
}

QTabWidget* tabOwner(QWidget* page, int& index) {
  auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
  auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
  index = tabs ? tabs->indexOf(page) : -1;
  return index >= 0 ? tabs : nullptr;
}

void refillList(QComboBox* box, const QStringList& all) {
  const QSignalBlocker block(box);
  const int current = box->currentIndex();
  const int count = box->count();
  // A list that shows only the first items for this case (the flow units)
  // keeps its length.
  const QStringList wanted = count > 0 && count < all.size() ? all.mid(0, count) : all;
  box->clear();
  box->addItems(wanted);
  box->setCurrentIndex(current < box->count() ? current : -1);
}

void applyRow(QObject* o, const TextRow& r, Language l) {
  const QString text = u8(rowText(r, l));
  switch (r.property) {
    case TextProperty::Caption:
    case TextProperty::MenuCaption:
      if (auto* a = qobject_cast<QAction*>(o)) {
        if (!r.guarded || shows(a->text(), r)) a->setText(text);
      } else if (auto* m = qobject_cast<QMenu*>(o)) {
        if (!r.guarded || shows(m->title(), r)) m->setTitle(text);
      } else if (auto* b = qobject_cast<QAbstractButton*>(o)) {
        if (!r.guarded || shows(b->text(), r)) b->setText(text);
      } else if (auto* g = qobject_cast<QGroupBox*>(o)) {
        if (!r.guarded || shows(g->title(), r)) g->setTitle(text);
      } else if (auto* la = qobject_cast<QLabel*>(o)) {
        if (!r.guarded || shows(la->text(), r)) la->setText(text);
      } else if (auto* w = qobject_cast<QWidget*>(o)) {
        int i = -1;
        if (QTabWidget* tabs = tabOwner(w, i)) {
          if (!r.guarded || shows(tabs->tabText(i), r)) tabs->setTabText(i, text);
        } else if (w->isWindow() && (!r.guarded || shows(w->windowTitle(), r))) {
          w->setWindowTitle(text);
        }
      }
      break;
    case TextProperty::Hint:
      if (auto* a = qobject_cast<QAction*>(o)) {
        if (!r.guarded || shows(a->toolTip(), r)) a->setToolTip(text);
      } else if (auto* w = qobject_cast<QWidget*>(o)) {
        if (!r.guarded || shows(w->toolTip(), r)) w->setToolTip(text);
      }
      break;
    case TextProperty::Items:
      if (auto* box = qobject_cast<QComboBox*>(o)) {
        refillList(box, items(rowText(r, l)));
      } else if (auto* w = qobject_cast<QWidget*>(o)) {
        // A radio group: its buttons are named after it, "_0", "_1"...
        const QStringList list = items(rowText(r, l));
        for (int i = 0; i < list.size(); ++i)
          if (auto* b = w->findChild<QAbstractButton*>(o->objectName() + QStringLiteral("_%1").arg(i)))
            b->setText(list[i]);
      }
      break;
    case TextProperty::DialogTitle:
    case TextProperty::DialogFilter:
      break;  // read by controlText() when the dialog opens
    case TextProperty::AccessibleName:
      if (auto* w = qobject_cast<QWidget*>(o)) w->setAccessibleName(text);
      break;
  }
}

// The phrases for the widgets that no row names, and for the window titles.
void applyPhrases(QWidget* root, Language l) {
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  widgets.prepend(root);
  for (QWidget* w : widgets) {
    if (!w->toolTip().isEmpty()) w->setToolTip(textIn(w->toolTip(), l));
    if (w->isWindow() && !w->windowTitle().isEmpty())
      w->setWindowTitle(textIn(w->windowTitle(), l));
    if (auto* la = qobject_cast<QLabel*>(w)) {
      if (!la->text().isEmpty()) la->setText(textIn(la->text(), l));
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
      if (!b->text().isEmpty()) b->setText(textIn(b->text(), l));
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
      if (!g->title().isEmpty()) g->setTitle(textIn(g->title(), l));
    } else if (auto* t = qobject_cast<QTableWidget*>(w)) {
      for (int c = 0; c < t->columnCount(); ++c)
        if (QTableWidgetItem* h = t->horizontalHeaderItem(c)) h->setText(textIn(h->text(), l));
      for (int r = 0; r < t->rowCount(); ++r)
        if (QTableWidgetItem* it = t->item(r, 0)) it->setText(textIn(it->text(), l));
    }
  }
}

void applyRows(QWidget* root, Language l) {
  for (const TextRow& r : textTable()) {
    const QString name = QString::fromLatin1(r.control);
    QList<QObject*> found = root->findChildren<QObject*>(name);
    if (root->objectName() == name) found.prepend(root);
    for (QObject* o : found) applyRow(o, r, l);
  }
}

class WindowTranslator : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      auto* w = qobject_cast<QWidget*>(watched);
      if (w && w->isWindow() && !qobject_cast<QMenu*>(w)) {
        translateWindow(w, gLanguage);
        // A window that sets its texts while it is being shown is turned
        // over once more right after.
        QPointer<QWidget> guard(w);
        QTimer::singleShot(0, w, [guard] {
          if (guard) translateWindow(guard, gLanguage);
        });
      }
    }
    return false;
  }
};

}  // namespace

Language currentLanguage() { return gLanguage; }

bool languageFromCode(const QString& code, Language& language) {
  const QString c = code.trimmed().toLower();
  if (c == QLatin1String("pl")) {
    language = Language::Polish;
    return true;
  }
  if (c == QLatin1String("en")) {
    language = Language::English;
    return true;
  }
  return false;
}

QString languageCode(Language language) {
  return language == Language::Polish ? QStringLiteral("pl") : QStringLiteral("en");
}

QString textIn(const QString& text, Language language) {
  const PhraseIndex& i = index();
  const bool polish = language == Language::Polish;
  const QHash<QString, QString>& exact = polish ? i.toPolish : i.toEnglish;
  if (auto it = exact.constFind(text); it != exact.constEnd()) return it.value();
  // A value shown with its blank ("Not known ") turns over like the bare
  // phrase; the blanks stay where they were.
  const QString core = text.trimmed();
  if (!core.isEmpty() && core.size() != text.size()) {
    if (auto it = exact.constFind(core); it != exact.constEnd()) {
      const qsizetype lead = text.indexOf(core);
      return text.left(lead) + it.value() + text.mid(lead + core.size());
    }
  }
  // The longest prefix wins ("Volume flowrate " + conditions).
  qsizetype best = 0;
  QString result = text;
  for (const auto& [en, pl] : i.prefixes) {
    const QString& from = polish ? en : pl;
    const QString& to = polish ? pl : en;
    if (from.size() > best && text.startsWith(from)) {
      best = from.size();
      result = to + text.mid(from.size());
    }
  }
  return result;
}

QString tx(const QString& text) { return textIn(text, gLanguage); }
QString tx(const char* english) { return textIn(u8(english), gLanguage); }

QString controlText(const char* control, TextProperty property) {
  for (const TextRow& r : textTable())
    if (r.property == property && qstrcmp(r.control, control) == 0) return u8(rowText(r, gLanguage));
  return {};
}

QString desktopText(const char* control) {
  for (const TextRow& r : textTable())
    if (qstrcmp(r.control, control) == 0) return u8(rowText(r, gLanguage));
  return {};
}

QString dialogFilter(const QString& pipeFilter) {
  const QStringList parts = pipeFilter.split(QLatin1Char('|'));
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString pattern = parts[i + 1];
    pattern.replace(QStringLiteral("*.*"), QStringLiteral("*"));
    out << parts[i] + QStringLiteral(" (") + pattern.replace(QLatin1Char(';'), QLatin1Char(' ')) +
               QLatin1Char(')');
  }
  return out.isEmpty() ? pipeFilter : out.join(QStringLiteral(";;"));
}

void translateWindow(QWidget* window, Language language) {
  if (window == nullptr) return;
  applyRows(window, language);
  applyPhrases(window, language);
}

void applyQtTranslations(Language language) {
  // Qt's own texts (file and print dialogs, the overwrite question, the
  // standard buttons) come from Debian's qt6-translations-l10n.
  static QPointer<QTranslator> qt;
  static bool installed = false;
  if (QCoreApplication::instance() == nullptr) return;
  const bool polish = language == Language::Polish;
  if (polish == installed) return;
  if (!qt) {
    qt = new QTranslator(QCoreApplication::instance());
    if (!qt->load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      delete qt;  // not installed: Qt's texts stay English
      return;
    }
  }
  if (polish)
    QCoreApplication::installTranslator(qt);
  else
    QCoreApplication::removeTranslator(qt);
  installed = polish;
}

void applyLanguage(QWidget* window, Language language, const QString& refConditionsText) {
  gLanguage = language;
  applyQtTranslations(language);
  installWindowTranslator();
  translateWindow(window, language);
  // Windows already open (the help window) turn over with the main window.
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top != window && top->isVisible() && !qobject_cast<QMenu*>(top)) translateWindow(top, language);
  if (window == nullptr) return;
  // The Polish printouts are offered by the Polish interface only.
  if (auto* b = window->findChild<QWidget*>(QStringLiteral("BBWydrukiPolskie")))
    b->setVisible(language == Language::Polish);
  // The hint of the reference density names the conditions in force.
  if (auto* la91 = window->findChild<QWidget*>(QStringLiteral("La91")))
    la91->setToolTip(controlText("La91", TextProperty::Hint) +
                     (language == Language::Polish ? QStringLiteral(" ") : QString()) +
                     refConditionsText);
}

void installWindowTranslator() {
  static QPointer<WindowTranslator> filter;
  if (filter || QCoreApplication::instance() == nullptr) return;
  filter = new WindowTranslator(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(filter);
}

namespace {
// The message marked Polish when the interface speaks Polish.
Message inInterfaceLanguage(const Message& message) {
  Message m = message;
  if (polishInterface()) m.polish = true;
  return m;
}
}  // namespace

void LanguageInteraction::showMessage(const Message& message) {
  if (inner_ == nullptr) return;
  inner_->showMessage(inInterfaceLanguage(message));
}

bool LanguageInteraction::askQuestion(const Message& message) {
  if (inner_ == nullptr) return false;
  return inner_->askQuestion(inInterfaceLanguage(message));
}

bool parseCommandLine(const QStringList& arguments, Language& language, QString& file,
                      QString& error) {
  file.clear();
  error.clear();
  for (int i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments.at(i);
    QString code;
    if (a == QLatin1String("--lang")) {
      if (i + 1 >= arguments.size()) {
        error = QStringLiteral("--lang needs pl or en");
        return false;
      }
      code = arguments.at(++i);
    } else if (a.startsWith(QLatin1String("--lang="))) {
      code = a.mid(7);
    } else {
      if (file.isEmpty()) file = a;  // the first file; further ones are ignored
      continue;
    }
    if (!languageFromCode(code, language)) {
      error = QStringLiteral("unknown language \"%1\" (use pl or en)").arg(code);
      return false;
    }
  }
  return true;
}

QMenu* addLanguageMenu(QMenuBar* bar, std::function<void(Language)> choose) {
  QMenu* menu = bar->addMenu(QStringLiteral("Language / J\u0119zyk"));
  menu->setObjectName(QStringLiteral("MnJezyk"));
  auto* group = new QActionGroup(menu);
  group->setExclusive(true);
  const struct {
    const char* name;
    const char* text;
    Language language;
  } items[] = {{"MnLangEn", "English", Language::English}, {"MnLangPl", "Polski", Language::Polish}};
  for (const auto& item : items) {
    QAction* a = menu->addAction(QString::fromLatin1(item.text));
    a->setObjectName(QString::fromLatin1(item.name));
    a->setCheckable(true);
    a->setChecked(item.language == gLanguage);
    group->addAction(a);
    const Language l = item.language;
    QObject::connect(a, &QAction::triggered, menu, [choose, l] { choose(l); });
  }
  return menu;
}

void markLanguageMenu(QWidget* window, Language language) {
  if (window == nullptr) return;
  const char* name = language == Language::Polish ? "MnLangPl" : "MnLangEn";
  if (auto* a = window->findChild<QAction*>(QString::fromLatin1(name))) a->setChecked(true);
}

QString desktopSettingsPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Dorvel/dorvel-gui.conf");
}

bool desktopSettingsUsable() {
  const QByteArray path = QFile::encodeName(desktopSettingsPath());
  // As the case reader does: opened without blocking (a FIFO without a
  // writer would wait forever inside QSettings), and only a regular file
  // is read.  A missing file is made on the first write.
  const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return errno != ENXIO;  // ENXIO: a FIFO or socket without a peer
  struct stat st {};
  const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  ::close(fd);
  return regular;
}

std::unique_ptr<QSettings> openDesktopSettings() {
  if (desktopSettingsUsable())
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Dorvel"), QStringLiteral("dorvel-gui"));
  static bool told = false;
  if (!told) {
    told = true;
    std::fprintf(stderr, "dorvel: %s is not a regular file; the settings start from defaults\n",
                 QFile::encodeName(desktopSettingsPath()).constData());
  }
  // A path that cannot exist (below /dev/null): the settings of this run
  // stay in memory and the odd file is never opened.
  return std::make_unique<QSettings>(QStringLiteral("/dev/null/dorvel-gui.conf"),
                                     QSettings::IniFormat);
}

Language rememberedLanguage() {
  Language l = Language::English;
  languageFromCode(openDesktopSettings()->value(QStringLiteral("ui/language")).toString(), l);
  return l;
}

void rememberLanguage(Language language) {
  openDesktopSettings()->setValue(QStringLiteral("ui/language"), languageCode(language));
}

}  // namespace dorvel::ui
