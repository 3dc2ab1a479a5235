// A calculation refused over an input leads the user to that input: the
// page that holds it is shown and the control takes the focus.
#pragma once

#include <QString>
#include <string>

#include "calc/interaction.h"

namespace dorvel::ui {

class TDanegl;

// The control (object name) a message of the calculation is about, from the
// English text of the message and the task; "" when it names no one input.
QString controlOfMessage(const std::string& englishText, int task);

// Passes every message and question on and keeps the English text of the
// first one (the one that refused the calculation comes first).
class FirstMessage : public Interaction {
 public:
  explicit FirstMessage(Interaction& inner) : inner_(inner) {}
  void showMessage(bool polish, const std::string& polishText,
                   const std::string& englishText) override;
  bool askQuestion(bool polish, const std::string& polishText,
                   const std::string& englishText) override;
  const std::string& english() const { return english_; }

 private:
  Interaction& inner_;
  std::string english_;
};

// Shows the page of the control `name` (through the page-change check) and
// puts the focus on it; false when there is no such visible control.
bool focusControl(TDanegl& window, const QString& name);

}  // namespace dorvel::ui
