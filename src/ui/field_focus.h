// A calculation refused over an input leads the user to that input: the
// page that holds it is shown and the control takes the focus.
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "base/interaction.h"

namespace dorvel::ui {

class TDanegl;

// The control (object name) a message of the calculation is about, from the
// message's number and the task; "" when it names no one input.
QString controlOfMessage(Msg message, int task);

// Passes every message and question on and keeps the first one (the one
// that refused the calculation comes first).
class FirstMessage : public Interaction {
 public:
  explicit FirstMessage(Interaction& inner) : inner_(inner) {}
  void showMessage(const Message& m) override;
  bool askQuestion(const Message& m) override;
  //! The first message, when there was one.
  const std::optional<Msg>& first() const { return first_; }

 private:
  Interaction& inner_;
  std::optional<Msg> first_;
};

// Shows the page of the control `name` (through the page-change check) and
// puts the focus on it; false when there is no such visible control.
bool focusControl(TDanegl& window, const QString& name);

}  // namespace dorvel::ui
