#include "ui/qt_interaction.h"

#include <QMessageBox>
#include <QString>

namespace dorvel::ui {

void QtInteraction::showMessage(const Message& message) {
  QMessageBox box(QMessageBox::Information, QStringLiteral("Dorvel"),
                  QString::fromStdString(message.shownText()),
                  QMessageBox::Ok, parent_);
  box.exec();
}

bool QtInteraction::askQuestion(const Message& message) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Dorvel"),
                  QString::fromStdString(message.shownText()),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace dorvel::ui
