// Messages and questions of the engine as message boxes of the window system.
#pragma once

#include <string>

#include "calc/interaction.h"

class QWidget;

namespace dorvel::ui {

// Information box titled "Dorvel" with an OK button; Yes/No question box
// titled "Dorvel".  The text of the pair chosen by the selector is shown.
// Both offer the message's topic of the manual (a Help button and F1).
// The number of a message from its texts (either language, any values in
// place of %1 to %9); 0 when the message table has no such row.
int messageNumberOf(const std::string& polishText, const std::string& englishText);

class QtInteraction : public Interaction {
 public:
  explicit QtInteraction(QWidget* parent = nullptr) : parent_(parent) {}
  void showMessage(bool polish, const std::string& polishText,
                   const std::string& englishText) override;
  bool askQuestion(bool polish, const std::string& polishText,
                   const std::string& englishText) override;

 private:
  QWidget* parent_;
};

}  // namespace dorvel::ui
