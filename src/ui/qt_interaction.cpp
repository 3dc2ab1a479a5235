#include "ui/qt_interaction.h"

#include <QMessageBox>
#include <QString>

namespace dorvel::ui {

void QtInteraction::showMessage(bool polish, const std::string& polishText,
                                const std::string& englishText) {
  QMessageBox box(QMessageBox::Information, QStringLiteral("Dorvel"),
                  QString::fromStdString(chosen(polish, polishText, englishText)),
                  QMessageBox::Ok, parent_);
  box.exec();
}

bool QtInteraction::askQuestion(bool polish, const std::string& polishText,
                                const std::string& englishText) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Dorvel"),
                  QString::fromStdString(chosen(polish, polishText, englishText)),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace dorvel::ui
