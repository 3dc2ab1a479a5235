// Help: HTML topics in the "help" folder beside the program, opened by topic
// number in a help window, and short numbered pop-up texts.
//
// Every control that has help carries a topic number (setHelpTopic); F1 on a
// focused control opens the topic of the nearest widget that has one, and a
// "What's this?" request on it shows the pop-up text of that number.  All
// help requests of the application go to one handler, handleHelp().
#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>

#include <vector>

class QTextBrowser;
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

// One topic: its number, the HTML file in the help folder and the anchor in
// it ("" for the top of the file).
struct HelpTopic {
  int number;
  const char* file;
  const char* anchor;
};

// Every topic number the program uses, with its place.
const std::vector<HelpTopic>& helpTopics();
// The topic of a number; nullptr when the number has none.
const HelpTopic* findHelpTopic(int number);

// The help folder: "help" beside the program, else the folder of the sources
// (a program run from the build tree).  Empty when neither exists.
QString helpFolder();
// Overrides the help folder (tests; "" restores the search).
void setHelpFolder(const QString& folder);

// The pop-up texts of the file "popups.txt" in the help folder: entries
// "[number]" followed by their lines.  "" when the number has none.
QString popupText(int number);

// Attaches a topic number to a control (F1 and pop-ups) and reads it back
// (an input page's edit carries its own; 0: none, the parents are not
// searched).
void setHelpTopic(QWidget* widget, int number);
int helpTopicOf(const QWidget* widget);
// The topic of the widget or of its nearest parent that has one (a list
// without its own topic: 60, the task panel: 20); 0 if none.
int helpTopicFor(const QWidget* widget);

// The help window: the topic pages in a text browser with Contents, Back and
// Close.  One window for the program, shown without blocking.
class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  // Shows the topic; false (and nothing changes) when the number or its file
  // is unknown.
  bool showTopic(int number);
  int currentTopic() const { return topic_; }
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
  int topic_ = 0;
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

  // The main window owns the pop-ups and the help window.
  void setOwner(QWidget* owner) { owner_ = owner; }
  QPoint popupPosition() const { return popupPosition_; }
  // The last pop-up: its number, text and place (tests, and the viewer).
  int lastPopupNumber() const { return lastPopup_; }
  QPoint lastPopupPosition() const { return lastPopupPosition_; }
  HelpWindow* window() const;

  // F1 on a focused control and "What's this?" on a control with a topic:
  // an application-wide event filter.  Installed once; harmless twice.
  void installKeyHandler();
  void removeKeyHandler();

 private:
  HelpSystem() = default;
  QWidget* owner_ = nullptr;
  QPoint popupPosition_;
  int lastPopup_ = 0;
  QPoint lastPopupPosition_;
  class QObject* filter_ = nullptr;
};

// Shorthand for the buttons and menu items: opens the topic.
void showHelpTopic(int number);

}  // namespace dorvel::ui
