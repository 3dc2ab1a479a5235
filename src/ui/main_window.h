// The main window TDanegl: task panel, menu, tool bar, the four pages
// ("Basic Input Data", "Uncertainty Sources", "Fluid Properties", "Results")
// and the status bar.  Every edit writes its case field at once through
// readNumber; nothing is calculated until the property or results page is
// entered.
//
// HOOKS FOR THE RESULTS PAGE, THE OUTPUT WINDOWS AND HELP
//   - resultsPage() is the plain QWidget "TabSheetWyniki" with an empty
//     QVBoxLayout (resultsLayout()) that the results view fills.
//   - onEnterResults is called by PageControl1Change every time the
//     "Results" page becomes current (after the status bar was reset).  It
//     may switch the page back (e.g. to the property page for stale gas
//     properties) with setCurrentPage().
//   - onLeaveResults (optional) is called when the "Results" page is left.
//   - onHelpTopic (optional) is called with the help topic of a help button
//     or of the focused control (F1); without it help does nothing.
//   - standardLabel(0..2) are LaISO, LaISO_TR, LaASME of the task panel;
//     resetStandardLabels() restores their white, default texts.
#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

#include "base/case.h"
#include "base/interaction.h"
#include "ui/texts/language.h"

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QFileDialog;
class QMenu;
class QButtonGroup;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QVBoxLayout;
class QWidget;

namespace dorvel::ui {

class QtInteraction;
class PageEdit;
class TFWilgo;
class TWLcie;

// The program's icon (the same as the desktop file's).
QIcon applicationIcon();

class TDanegl : public QMainWindow {
  Q_OBJECT

 public:
  enum Page { PageBasic = 0, PageUncertainty = 1, PageProperties = 2, PageResults = 3 };

  // Builds the window with the English texts and a default case (start-up
  // steps 1 to 5).  Call startUp() to open the start-up file.
  explicit TDanegl(QWidget* parent = nullptr);
  ~TDanegl() override;

  // Start-up steps 6 to 10: the file named by `fileArgument`, else (when
  // `useLastFileRecord`) the remembered one, is read and shown.
  void startUp(const QString& fileArgument, bool useLastFileRecord = true);

  // The window size wanted for the pages; fitted to the screen's available
  // area, frame included (`wanted`: the wanted size at the top-left corner;
  // otherwise the present size and place, kept on the screen).
  QSize wantedSize() const;
  void fitToScreen(bool wanted);
  // The geometry of the last run (desktop settings), kept on the screen.
  void restoreWindowGeometry();

  CalculationCase& caseRef() { return case_; }
  // Messages and questions go here; `ui` is not owned.  nullptr restores
  // the message boxes.
  void setInteraction(Interaction* ui);
  Interaction& interaction() { return *ui_; }

  // Status bar: idle text on the normal background; a red request; a
  // magenta warning.
  void setStatusNormal();
  void setStatusRequest(const QString& text);
  void setStatusWarning(const QString& text);
  QString statusText() const;

  // Pages.
  QTabWidget* pageControl() const { return pageControl_; }
  QWidget* resultsPage() const { return tabResults_; }
  QVBoxLayout* resultsLayout() const { return resultsLayout_; }
  // Changes the page through the before-change check; false when refused.
  bool setCurrentPage(Page page);
  QLabel* standardLabel(int i) const { return standardLabels_[static_cast<size_t>(i)]; }
  void resetStandardLabels();

  std::function<void()> onEnterResults;
  std::function<void()> onLeaveResults;
  std::function<void(int topic)> onHelpTopic;
  // The file dialogs and the yes/no/cancel question of closing; replaceable
  // for tests.  Empty string = cancelled; question: 1 yes, 0 no, -1 cancel.
  std::function<QString(const QString& initial)> chooseOpenFile;
  std::function<QString(const QString& initial)> chooseSaveFile;
  std::function<int(const QString& text)> askYesNoCancel;

  // Fills every control from the case.
  void showCase();
  // Property page: shows the stored properties of the current fluid.
  void showProperties();

  // File commands (the dialogs are asked through chooseOpenFile/SaveFile).
  void fileNew();
  void fileOpen();
  bool openDataFile(const QString& path);  // Open after the dialog
  bool fileSave();
  bool fileSaveAs();
  // "Save changes ?" for a modified case (Yes saves through the save
  // dialog); false when the user cancels or the case could not be saved.
  bool offerToSaveChanges();
  // Open a case (dropped, recent): the question first, then the file.
  void openWithQuestion(const QString& path);
  // Recent files (the desktop settings file, not the last-file record).
  static constexpr int kMaxRecentFiles = 8;
  QStringList recentFiles() const;
  void addRecentFile(const QString& path);
  // The File menu's "Export PDF..." (enabled while results are shown).
  std::function<void()> onExportPdf;
  QAction* exportPdfAction() const { return actExportPdf_; }
  QString baseCaption() const { return baseCaption_; }

  // Numeric edits whose text is not a number report it now, once, and show
  // their stored value again (page change, calculation).  True when one did.
  bool settleNumberEdits();

  void showHelpTopic(int topic);

  // Interface language: the window texts, the message selector, the help
  // topics and the report language switch at once; the case is untouched.
  void setLanguage(Language language);
  // Help topic of a control (F1 and pop-ups): its own topic, else that of
  // the nearest enclosing control or panel that has one; 0 for none.
  int helpTopicOf(const QWidget* w) const;

 protected:
  bool event(QEvent* e) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildMenuAndToolBar();
  void buildTaskPanel();
  QWidget* buildBasicPage();
  QWidget* buildUncertaintyPage();
  QWidget* buildPropertyPage();
  QWidget* buildWaterPanel();
  QWidget* buildSteamPanel();
  QWidget* buildLiquidPanel();
  QWidget* buildAirPanel();
  QWidget* buildOtherGasPanel();
  QWidget* buildCokeGasPanel();
  QWidget* buildNaturalGasPanel();
  void applyEnglishTexts();

  // Edits bound to case fields.
  PageEdit* numberEdit(const char* name, Real CalculationCase::*field, int helpTopic,
                       std::function<void()> after = {});
  PageEdit* slotEdit(const char* name, Composition CalculationCase::*array, int slot,
                     std::function<void()> after);
  void setEditNumber(QLineEdit* edit, Real value, int digits, bool leadingBlank = false);
  void refreshNumberEdits();
  void showStoredValue(QLineEdit* edit, Real value);
  void enterPressed();

  // Basic page.
  void selectTask(int task);
  void fillFlowUnits();
  void layoutTaskRows();
  void showFittingList();
  void showDrainHoleRow();
  void showNameRow();
  void comboCode(QComboBox* box, int& field);
  void CBPlynChange(int item);
  void CBTypChange(int item);
  Real* rowField(int row);  // the case field of task row 0..2 (Edit5..Edit7)
  bool rowChange(int row, const std::string& text, Interaction& ui);

  // Pages.
  // Before-change check of the page control: true when the page may change.
  bool PageControl1Changing(int index);
  void PageControl1Change(int index);
  void enterPropertyPage();
  void clearPropertyResults();
  void propertyTitle();
  void showCompositionSums();
  void refillCompositionEdits();
  void computeProperties();
  void refConditionsChanged();
  void openHumidityDialog();
  // The button row of a humid-gas panel: calculate, humidity correction,
  // "?" (the humidity-correction topic) and Help (the panel's topic).
  struct GasButtonNames {
    const char* calculate;
    const char* calculateText;
    const char* humidity;
    const char* question;
    const char* help;
  };
  QHBoxLayout* gasButtonRow(const GasButtonNames& names, int helpTopic,
                            std::function<void()> compute);
  void showOtherGasDensity(bool showValue);
  void connectMoleVolume(QButtonGroup* group);
  void enableNaturalGasGroups();

  void updateCaption(bool withFile);
  void syncModified();
  void watchModifications();
  void buildFileDialogs();
  void assignHelpTopics();
  void assignBuddies();
  void setFileDialogTexts();
  QString askOpenFile(const QString& initial);
  QString askSaveFile(const QString& initial);
  int askSaveChanges();
  // Writes the case to dataFilePath; a failure is reported with the file
  // and the system's reason.
  bool writeCase();
  static std::unique_ptr<QSettings> desktopSettings();
  void refreshRecentMenu();
  void setSaveEnabled(bool on);

  CalculationCase case_;
  std::unique_ptr<QtInteraction> qtUi_;
  std::unique_ptr<LanguageInteraction> langUi_;  // the selector in front of ui_
  Interaction* ui_ = nullptr;
  QString baseCaption_;
  QString idleStatus_;
  bool filling_ = false;   // controls are being filled from the case
  int currentPage_ = 0;

  // frame
  QAction* actSave_ = nullptr;
  QAction* toolSave_ = nullptr;
  QAction* actExportPdf_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  bool frameFitted_ = false;
  QFileDialog* openDialog_ = nullptr;
  QFileDialog* saveDialog_ = nullptr;
  QTabWidget* pageControl_ = nullptr;
  QWidget* tabResults_ = nullptr;
  QVBoxLayout* resultsLayout_ = nullptr;
  QLabel* statusLabel_ = nullptr;
  std::array<QRadioButton*, 3> taskButtons_{};
  QLabel* laArrow_ = nullptr;
  std::array<QLabel*, 3> standardLabels_{};

  // basic page
  QGridLayout* basicGrid_ = nullptr;
  PageEdit* edTytu_ = nullptr;
  QLabel* laNazwaGazu_ = nullptr;
  PageEdit* edNazwaGazu_ = nullptr;
  QComboBox* cbPlyn_ = nullptr;
  QComboBox* cbTyp_ = nullptr;
  QComboBox* cbMatRur_ = nullptr;
  QComboBox* cbMatZwe_ = nullptr;
  std::array<QComboBox*, 4> fittingLists_{};  // ISO, ASME, nozzle, Venturi
  QComboBox* cbjcs_ = nullptr;
  QComboBox* cbjnp_ = nullptr;
  QComboBox* cbgm_ = nullptr;
  std::array<QLabel*, 3> rowLabels_{};
  std::array<PageEdit*, 3> rowEdits_{};
  std::array<QLabel*, 3> rowUnits_{};
  QLabel* laStruNormal_ = nullptr;
  QLabel* laSpust_ = nullptr;
  QLabel* laSpustNote_ = nullptr;
  QLabel* laSpustUnit_ = nullptr;
  PageEdit* edOtwor_ = nullptr;
  PageEdit* edChropow_ = nullptr;

  // uncertainty page
  PageEdit* edKlasa2_ = nullptr;
  QLabel* laniepegm_ = nullptr;

  // every numeric edit bound to a field, for showCase
  struct BoundEdit {
    QLineEdit* edit;
    Real CalculationCase::*field;
    Composition CalculationCase::*array;
    int slot;
    int digits;
    bool leadingBlank;
  };
  std::vector<BoundEdit> boundEdits_;

  // property page
  std::array<QWidget*, 7> panels_{};  // water, steam, liquid, air, other gas, coke, natural
  std::array<QLabel*, 7> panelTitles_{};
  std::vector<QLabel*> resultLabels_;  // cleared together
  // water / steam
  QLabel *laWodyGes_ = nullptr, *laWodyLep_ = nullptr, *laWodyEnt_ = nullptr;
  QLabel *laParyTs_ = nullptr, *laParyV_ = nullptr, *laParyGes_ = nullptr,
         *laParyLep_ = nullptr, *laParyKapa_ = nullptr, *laParyEnt_ = nullptr;
  // other liquid / ammonia
  PageEdit *edGamaCieczy_ = nullptr, *edLepCieczy_ = nullptr;
  QComboBox* cbjLep2_ = nullptr;
  QPushButton *buPodpowie_ = nullptr, *buAkceptuj2_ = nullptr;
  QLabel *laGamaAmoniaku_ = nullptr, *laLepAmoniaku_ = nullptr;
  QWidget* liquidEditsBox_ = nullptr;
  QWidget* ammoniaBox_ = nullptr;
  // air
  QLabel *laPowRomNor_ = nullptr, *laPowGama_ = nullptr, *laPowLep_ = nullptr,
         *laPowKapa_ = nullptr, *laPowK1_ = nullptr, *laWarNormal4_ = nullptr;
  // other gas
  QLabel* la5Suma_ = nullptr;
  QButtonGroup* radioGroup5_ = nullptr;
  QComboBox* cbges_ = nullptr;
  QComboBox* cbjLep5_ = nullptr;
  QLabel *la5ges_ = nullptr, *la5kg_ = nullptr, *la5lep_ = nullptr, *la5kapa_ = nullptr,
         *la5K1_ = nullptr;
  // coke-oven gas
  QLabel* la7Suma_ = nullptr;
  QButtonGroup* radioGroup7_ = nullptr;
  QLabel *laRomnor7_ = nullptr, *laGama7_ = nullptr, *laLepko7_ = nullptr, *laKapa7_ = nullptr,
         *la7K1_ = nullptr, *laWarNormal7_ = nullptr;
  // natural gas
  QLabel* la9Suma_ = nullptr;
  QButtonGroup* radioGroupProc9_ = nullptr;
  QButtonGroup* radioGroupJakieDane_ = nullptr;
  QGroupBox* gb9Composition_ = nullptr;
  QWidget* paWlFiz_ = nullptr;
  QLabel *la9RomNor_ = nullptr, *la9RomNorUnit_ = nullptr, *la9Gama_ = nullptr,
         *la9Lep_ = nullptr, *la9Kapa_ = nullptr, *la9K1_ = nullptr;

  TFWilgo* humidityDialog_ = nullptr;
  TWLcie* liquidsTable_ = nullptr;
};

}  // namespace dorvel::ui
