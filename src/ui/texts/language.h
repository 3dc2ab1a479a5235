// The interface language: one text table for the main window and its
// auxiliary windows, the texts the windows compose while they run, and the
// message selector.
//
// Rows of the table name a control and one of its properties (caption,
// hint, list items, menu caption, dialog title, dialog filter) and give the
// Polish and the English text.  A list row holds all items of the list, one
// per line; applying it clears the list and adds every item in order, so
// item positions - and the codes stored in the case - stay the same.
//
// Phrases are the texts that belong to no single control: the task rows,
// the flow-unit names, the property-page titles, the results captions and
// warnings, and the captions of unnamed labels of the auxiliary windows.  A
// phrase marked as a prefix also translates a text that starts with it (a
// warning followed by a limit, a title followed by the working conditions).
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "base/interaction.h"

class QMenu;
class QSettings;
class QMenuBar;
class QWidget;

namespace dorvel::ui {

enum class Language { English, Polish };

Language currentLanguage();
inline bool polishInterface() { return currentLanguage() == Language::Polish; }
// "pl" / "en" (case-insensitive); false for anything else.
bool languageFromCode(const QString& code, Language& language);
QString languageCode(Language language);

enum class TextProperty { Caption, Hint, Items, MenuCaption, DialogTitle, DialogFilter, AccessibleName };

struct TextRow {
  const char* control;
  TextProperty property;
  const char* polish;   // list items: one per line
  const char* english;
  // A guarded row is applied only while the control shows one of the two
  // texts: names shared by controls of different windows ("Button1") and
  // the captions of grouped result rows stay with the control they belong to.
  bool guarded = true;
};
const std::vector<TextRow>& textTable();

struct Phrase {
  const char* polish;
  const char* english;
  bool prefix = false;
};
const std::vector<Phrase>& phraseTable();

// Texts that read the same in both languages: units, chemical formulas,
// standard names, "Aluminium", "OK", "?".
bool isNeutralText(const QString& text);

// The text of a phrase in the current language; an unknown text is returned
// unchanged.  Works from either language, so a shown text can be turned over.
QString tx(const char* english);
QString tx(const QString& text);
QString textIn(const QString& text, Language language);

// A table text of a control in the current language (dialog titles and
// filters, which are read when the dialog opens); "" when there is no row.
QString controlText(const char* control, TextProperty property);
// The first table text of a control in the current language, whatever its
// property ("" when there is none): the captions, hints and filters of the
// desktop conveniences, which are set while the windows are built.
QString desktopText(const char* control);
// "Any file [*.*]|*.*" -> "Any file [*.*] (*)": the filter written for the
// file dialogs of the window system.
QString dialogFilter(const QString& pipeFilter);

// Sets the current language and applies the table to `window` and every
// widget under it: captions, hints, menu captions, list items; then the
// phrases to the unnamed captions.  The Polish-printouts button is shown in
// Polish only; the description's hint only in Polish (it has no English).
// `refConditionsText` completes the hint of the reference density.
void applyLanguage(QWidget* window, Language language, const QString& refConditionsText = {});
// Loads or removes Qt's own Polish texts (qtbase_pl from Qt's translations
// folder) for the dialogs Qt draws itself; applyLanguage calls it.
void applyQtTranslations(Language language);
// Applies the phrases (and the guarded rows) to a window of its own (the
// auxiliary windows, which are built when they open).
void translateWindow(QWidget* window, Language language);
// Installs an application-wide filter that translates every auxiliary
// window when it is shown.  Harmless twice.
void installWindowTranslator();

// The "Language / Język" menu with "English" and "Polski" (checkable, one
// chosen); `choose` is called with the picked language.
QMenu* addLanguageMenu(QMenuBar* bar, std::function<void(Language)> choose);
// Marks the menu item of `language`.
void markLanguageMenu(QWidget* window, Language language);

// The desktop program's settings file (Dorvel/dorvel-gui.conf in the XDG
// configuration folder).  It is opened only when it is missing or a regular
// file; anything else (a FIFO, a folder, a device) is left alone and the
// settings start from their defaults, in memory for the run.
QString desktopSettingsPath();
bool desktopSettingsUsable();
std::unique_ptr<QSettings> openDesktopSettings();

// The language remembered in the desktop program's settings file
// (Dorvel/dorvel-gui.conf, key ui/language); English when none.
Language rememberedLanguage();
void rememberLanguage(Language language);

// The desktop program's command line, "dorvel [--lang pl|en] [FILE]":
// `language` is left as it was when no --lang is given.  False, with
// `error` set, for a --lang without a valid code; the file is still taken.
bool parseCommandLine(const QStringList& arguments, Language& language, QString& file,
                      QString& error);

// Messages follow the interface language: in Polish each message is marked
// Polish on its way to the box (a prepared English text stays English), in
// English the English text is shown.
class LanguageInteraction : public Interaction {
 public:
  explicit LanguageInteraction(Interaction* inner) : inner_(inner) {}
  void setInner(Interaction* inner) { inner_ = inner; }
  Interaction* inner() const { return inner_; }
  void showMessage(const Message& message) override;
  bool askQuestion(const Message& message) override;

 private:
  Interaction* inner_;
};

}  // namespace dorvel::ui
