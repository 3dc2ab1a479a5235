// Help: the manual as one Qt Help collection per language ("dorvel-en.qhc",
// "dorvel-pl.qhc" in the help folder beside the program), opened by topic
// number in a help window with contents, index and search, and short
// numbered pop-up texts ("popups-en.txt", "popups-pl.txt").
//
// Every control that has help carries a topic number (setHelpTopic); F1 on a
// focused control opens the topic of the nearest widget that has one, and a
// "What's this?" request on it shows the pop-up text of that number.  A
// message box carries its message number: F1 or its Help button opens the
// message's topic.  All help requests of the application go to one handler,
// handleHelp().
#pragma once

#include <QDialog>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTextBrowser>
#include <QUrl>

#include "ui/help_topics.h"
#include "ui/texts/language.h"

class QHelpEngine;
class QWidget;

namespace dorvel::ui {

// The topic numbers of the commands and controls.
inline constexpr int kHelpContents = 5;
inline constexpr int kHelpTask = 20;
inline constexpr int kHelpBasicInput = 410;
inline constexpr int kHelpUncertaintySources = 420;
inline constexpr int kHelpAir = 450;
inline constexpr int kHelpCokeGas = 460;
inline constexpr int kHelpOtherGas = 470;
inline constexpr int kHelpNaturalGas = 480;
inline constexpr int kHelpHumidity = 210;
inline constexpr int kHelpGraphs = 270;
inline constexpr int kHelpTable = 280;

// The help folder: "help" beside the program, the installed
// share/dorvel/help relative to the program, else the build tree's.  Empty
// when none holds the collections.
QString helpFolder();
// Overrides the help folder (tests; "" restores the search).
void setHelpFolder(const QString& folder);
// The collection file of a language in the help folder ("" without one).
QString helpCollection(Language language);
// The namespace of a language's manual: "org.dorvel.manual.en" / ".pl".
QString helpNamespace(Language language);

// Addresses in the manual: a topic number (empty when the number has none),
// a message by its number, a case field by its name.
QUrl topicUrl(int number, Language language);
QUrl messageUrl(int number, Language language);
QUrl fieldUrl(const QString& name, Language language);

// The pop-up texts of the interface language: entries "[number]" followed by
// their lines.  "" when the number has none.
QString popupText(int number);

// Attaches a topic number to a control (F1 and pop-ups) and reads it back
// (an input page's edit carries its own; 0: none, the parents are not
// searched).
void setHelpTopic(QWidget* widget, int number);
int helpTopicOf(const QWidget* widget);
// The topic of the widget or of its nearest parent that has one (a list
// without its own topic: 60, the task panel: 20); 0 if none.
int helpTopicFor(const QWidget* widget);
// Attaches a message number to a message box (F1 opens the message's topic).
void setHelpMessage(QWidget* widget, int number);
// The message number of the widget or of its nearest parent; 0 if none.
int helpMessageFor(const QWidget* widget);

// Shows the pages of a collection: qthelp:// addresses are read from it.
class HelpBrowser : public QTextBrowser {
  Q_OBJECT
 public:
  HelpBrowser(QHelpEngine* engine, QWidget* parent);
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  QHelpEngine* engine_;
};

// The help window of one language: contents, index and search beside the
// page, with Back, Forward, Contents and Close.  Its history holds pages of
// its language only; a language switch makes a new window.  A window of its
// own (no owner), so it does not stay on top of the main window.
class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  // In the current interface language.
  explicit HelpWindow(QWidget* parent = nullptr);
  HelpWindow(Language language, QWidget* parent);
  ~HelpWindow() override;
  Language language() const { return language_; }
  // Shows the topic; false (and nothing changes) when the number or its page
  // is unknown.
  bool showTopic(int number);
  // Shows any page of the collection; false when it has no such page.
  bool showUrl(const QUrl& url);
  int currentTopic() const { return topic_; }
  HelpBrowser* browser() const { return browser_; }
  QHelpEngine* engine() const { return engine_; }
  // The collection could be opened.
  bool isValid() const { return valid_; }

 protected:
  bool event(QEvent* event) override;

 private:
  // The program's help window of a language no longer spoken: asks the help
  // system to make it again (later) and returns true.
  bool followingLanguage();
  Language language_;
  QHelpEngine* engine_ = nullptr;
  HelpBrowser* browser_ = nullptr;
  QString workFolder_;  // the private copy of the collection
  int topic_ = 0;
  bool valid_ = false;
};

// The application's help handler.
enum class HelpCommand {
  ShowContext,       // open the topic in the help window
  ShowPopup,         // show the pop-up text at the stored position
  SetPopupPosition,  // store the point for the next pop-up
  Other,
};

class HelpSystem {
 public:
  static HelpSystem& instance();

  // Handles a help request; returns whether the default handling should
  // still run (only for commands it does not know).  A missing help folder
  // or topic shows nothing.
  bool handleHelp(HelpCommand command, int number, QPoint point = {});
  // Opens the topic of a message number; false when the manual has none.
  bool showMessageHelp(int number);

  // The main window owns the pop-ups; the help window closes with it.  The
  // help window follows the owner's language menu.
  void setOwner(QWidget* owner);
  QPoint popupPosition() const { return popupPosition_; }
  // The last pop-up: its number, text and place (tests, and the viewer).
  int lastPopupNumber() const { return lastPopup_; }
  QPoint lastPopupPosition() const { return lastPopupPosition_; }
  HelpWindow* window() const;
  // After a language switch: an open help window is made again in the new
  // language at the same page and place, with a history of that language.
  void followLanguage();

  // F1 on a focused control and "What's this?" on a control with a topic:
  // an application-wide event filter.  Installed once; harmless twice.
  void installKeyHandler();
  void removeKeyHandler();

 private:
  HelpSystem() = default;
  // The window for the current language, made when needed, usable beside
  // the modal window that is open (if any).
  HelpWindow* windowForRequest();
  QPointer<QWidget> owner_;
  QPoint popupPosition_;
  int lastPopup_ = 0;
  QPoint lastPopupPosition_;
  class QObject* filter_ = nullptr;
};

// Shorthand for the buttons and menu items: opens the topic.
void showHelpTopic(int number);

}  // namespace dorvel::ui
