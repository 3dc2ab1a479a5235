// Messages and questions of the engine as message boxes of the window system.
#pragma once

#include "base/interaction.h"

class QWidget;

namespace dorvel::ui {

// Information box titled "Dorvel" with an OK button; Yes/No question box
// titled "Dorvel".  The text of the pair chosen by the selector is shown.
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
