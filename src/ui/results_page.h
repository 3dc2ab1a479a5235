// The "Results" page: entering it runs the calculation; it shows the basic
// and intermediate results and the limits of use, the standard in force and
// the last warning, and offers the table, graphs and printing commands.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

#include "base/case.h"
#include "base/interaction.h"
#include "calc/limits.h"
#include "output/page_output.h"

class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;

namespace dorvel::ui {

// The three states of the status bar: normal with the idle text, red with the
// request to compute the properties, magenta with a warning.
enum class StatusKind { Normal, PropertiesRequest, Warning };
QColor statusColour(StatusKind kind);
// Sets the text and the background colour of the status bar.
void setStatusBarState(QStatusBar* bar, StatusKind kind, const QString& text);
// The colour the status bar shows (its background role).
QColor statusBarColour(const QStatusBar* bar);

// The red request shown when gas properties are stale.
inline constexpr const char* kPropertiesRequest =
    "Fluid properties have not been calculated or have been changed. Click \"Calculate "
    "properties\" or enter properties manually.";

// Where entering the page leaves the user.
enum class EnterOutcome {
  ResultsShown,      // results on the page
  BackToBasicInput,  // the driver or the property computation refused
  BackToProperties,  // stale gas properties: the red request is shown
};

class ResultsPage : public QWidget {
  Q_OBJECT
 public:
  ResultsPage(CalculationCase& c, Interaction& ui, QWidget* parent = nullptr);

  // Messages and questions of the calculation go to `ui` (not owned).
  void setInteraction(Interaction& ui) { ui_ = &ui; }

  // The status bar: either a window's own setter (onStatus, which gets the
  // idle state with an empty text) or a plain QStatusBar with its idle text.
  std::function<void(StatusKind kind, const QString& text)> onStatus;
  void setStatusBar(QStatusBar* bar, const QString& idleText);
  // The three standard labels of the task panel (LaISO, LaISO_TR, LaASME);
  // any may be null.
  void setStandardLabels(QLabel* iso, QLabel* isoTr, QLabel* asme);

  // Entering the page: checks that the fluid properties are current
  // (recomputing water, steam and liquid ammonia), runs the calculation and
  // shows the results.  The caller switches the page by the outcome.
  EnterOutcome enter();

  // Fills the page from the case after a successful calculation.
  void showResults();

  // The report-language flag: English after "Print..." and "Table"; a new
  // case clears it.
  bool reportEnglish() const { return reportEnglish_; }
  void setReportEnglish(bool english) { reportEnglish_ = english; }

  // The value, caption and unit labels of a row, by their control names
  // ("Labe201", "Labe1", "Labe301" ...); nullptr for an unknown name.
  QLabel* label(const QString& name) const;
  QWidget* resultsPanel() const { return panel_; }
  QMenu* printMenu() const { return menu_; }
  QPushButton* button(const QString& name) const;
  bool hasResults() const;
  // The shown rows as tab-separated text (caption, value, unit), and its
  // copy to the clipboard (Ctrl+C and the print menu).
  QString resultsText() const;
  void copyResultsText();

  // "Export PDF...": the page through the same drawing as printing, into a
  // PDF file chosen in a save dialog (suggested beside the case file, else
  // in the documents folder).  False when cancelled or not written.
  // The print menu's items write the language its button chose; File >
  // "Export PDF..." passes the interface language.
  bool exportPdf(output::PageKind kind);
  QString suggestedPdfPath(output::PageKind kind) const;
  // Several pages in one PDF, numbered 1/2, 2/2 (File > Export PDF... and
  // the print menu's item for both pages).
  bool exportPdf(const std::vector<output::PageKind>& pages);
  bool exportPdf(const std::vector<output::PageKind>& pages, bool english);
  QString suggestedPdfPath(const std::vector<output::PageKind>& pages) const;
  // The save dialog; replaceable for tests ("" = cancelled).
  std::function<QString(const QString& suggested)> chooseExportFile;

 signals:
  // Results are shown (true) or the page was emptied (false).
  void resultsAvailable(bool available);
  // "Exit..." closes the main window.
  void exitRequested();

 private:
  struct Row {
    QLabel* caption;
    QLabel* value;
    QLabel* unit;
  };
  QGroupBox* makeGroup(const QString& title, const char* const names[][3], int count,
                       std::array<Row, 6>& rows);
  void setRow(const Row& row, const QString& caption, const QString& value, const QString& unit);
  void popUpPrintMenu(QPushButton* at, bool english);
  void markStandard(Standard standard);
  void setStatus(StatusKind kind, const QString& text);

  CalculationCase& case_;
  Interaction* ui_;
  bool reportEnglish_ = false;
  QStatusBar* statusBar_ = nullptr;
  QString idleText_;
  QLabel* standardLabels_[3] = {nullptr, nullptr, nullptr};
  QWidget* panel_;
  std::array<Row, 6> basic_{}, intermediate_{}, limits_{};
  QMenu* menu_;
  QPushButton *print_, *printPolish_, *table_, *graphs_, *exit_;
};

}  // namespace dorvel::ui
