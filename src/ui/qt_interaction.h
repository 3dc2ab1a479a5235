// Messages and questions of the engine as message boxes of the window system.
#pragma once

#include "base/interaction.h"

class QWidget;

namespace dorvel::ui {

// Information box titled "Dorvel" with an OK button; Yes/No question box
// titled "Dorvel".  The message's text in the language it is marked with is
// shown.  Both offer the message's topic of the manual (a Help button and
// F1).
class QtInteraction : public Interaction {
 public:
  explicit QtInteraction(QWidget* parent = nullptr) : parent_(parent) {}
  void showMessage(const Message& message) override;
  bool askQuestion(const Message& message) override;

 private:
  QWidget* parent_;
};

}  // namespace dorvel::ui
