// The edit box of the input pages: a typed comma becomes a decimal point in
// numeric edits, and Enter calls onEnter instead of anything else.
#pragma once

#include <QKeyEvent>
#include <QLineEdit>
#include <functional>

namespace dorvel::ui {

class PageEdit : public QLineEdit {
  Q_OBJECT

 public:
  PageEdit(const char* name, bool numeric, QWidget* parent = nullptr)
      : QLineEdit(parent), numeric_(numeric) {
    setObjectName(QString::fromLatin1(name));
  }
  std::function<void()> onEnter;
  int helpTopic = 0;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
      if (onEnter) onEnter();
      e->accept();
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
};

}  // namespace dorvel::ui
