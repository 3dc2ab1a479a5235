// The edit box of the input pages: a typed comma becomes a decimal point in
// numeric edits, and Enter calls onEnter instead of anything else (without
// onEnter, Enter goes to the dialog, which presses its default button).
//
// A numeric edit bound to a value stores every text that is a number at
// once, while the user types.  A text that is not (yet) a number ("1e",
// ".", "-1e-") leaves the value unchanged without a word; the number-error
// message comes once, when the edit is settled (editing finished, page
// change, calculation), and the edit then shows the stored value again.
#pragma once

#include <QKeyEvent>
#include <QLineEdit>
#include <functional>
#include <string>

#include "base/interaction.h"

namespace dorvel::ui {

// Swallows the messages of a parse made while the user is still typing.
class SilentInteraction : public Interaction {
 public:
  void showMessage(const Message&) override {}
  bool askQuestion(const Message&) override { return false; }
};

class PageEdit : public QLineEdit {
  Q_OBJECT

 public:
  PageEdit(const char* name, bool numeric, QWidget* parent = nullptr)
      : QLineEdit(parent), numeric_(numeric) {
    setObjectName(QString::fromLatin1(name));
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
      if (!store_) return;
      SilentInteraction quiet;
      pending_ = !store_(text.toStdString(), quiet);
      if (afterStore_) afterStore_();
    });
    connect(this, &QLineEdit::editingFinished, this, [this] { settle(); });
  }
  std::function<void()> onEnter;
  int helpTopic = 0;

  // Binds the edit to a value.  `store` parses a text into the value and
  // reports through the interaction it is given (readNumber); it returns
  // false for a text that is not a number.  `show` puts the stored value
  // back into the edit; `ui` is where the settled error is reported;
  // `after` runs after every stored keystroke.
  using Store = std::function<bool(const std::string& text, Interaction& ui)>;
  void bindNumber(Store store, std::function<void()> show, std::function<Interaction&()> ui,
                  std::function<void()> after = {}) {
    store_ = std::move(store);
    show_ = std::move(show);
    ui_ = std::move(ui);
    afterStore_ = std::move(after);
  }
  bool isBound() const { return static_cast<bool>(store_); }
  // The edit's own format of the stored value.
  void setShowStored(std::function<void()> show) { show_ = std::move(show); }

  // The text typed last was not a number and has not been reported yet.
  bool hasPendingError() const { return pending_; }
  // Reports a pending text once ("Number error " + text) and shows the
  // stored value again.  True when there was one.
  bool settle() {
    if (!pending_ || !store_) return false;
    pending_ = false;  // the message box takes the focus: report once
    const std::string text = this->text().toStdString();
    if (ui_) store_(text, ui_());
    if (show_) show_();
    return true;
  }
  // Forgets a pending text (the edit is being filled from the case).
  void clearPending() { pending_ = false; }

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
      if (onEnter) {
        onEnter();
        e->accept();
        return;
      }
      // Finishes the editing and leaves the key to the dialog, which
      // presses its default button.
      QLineEdit::keyPressEvent(e);
      return;
    }
    if (numeric_ && e->text() == QStringLiteral(",")) {
      QKeyEvent point(e->type(), Qt::Key_Period, e->modifiers(), QStringLiteral("."));
      QLineEdit::keyPressEvent(&point);
      return;
    }
    QLineEdit::keyPressEvent(e);
  }

 private:
  bool numeric_;
  bool pending_ = false;
  Store store_;
  std::function<void()> show_;
  std::function<Interaction&()> ui_;
  std::function<void()> afterStore_;
};

}  // namespace dorvel::ui
