// The "Author" window: the program's name and the maker's contact lines.
#pragma once

#include <QDialog>

class QPushButton;

namespace dorvel::ui {

class Ttelefon : public QDialog {
  Q_OBJECT
 public:
  explicit Ttelefon(QWidget* parent = nullptr);
  QPushButton* okButton() const { return ok_; }

 private:
  QPushButton* ok_;
};

// Opens the window modally and releases it when it closes.
void showAboutWindow(QWidget* parent);

}  // namespace dorvel::ui
