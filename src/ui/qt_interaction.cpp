#include "ui/qt_interaction.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

#include "ui/help_viewer.h"
#include "ui/texts/language.h"

namespace dorvel::ui {

namespace {

// Offers the message's topic of the manual: a Help button that leaves the box
// open, and F1 anywhere in the box.
void offerHelp(QMessageBox& box, int number) {
  if (number <= 0 || helpCollection(currentLanguage()).isEmpty()) return;
  setHelpMessage(&box, number);
  auto* buttons = box.findChild<QDialogButtonBox*>();
  if (buttons == nullptr) return;
  auto* help = new QPushButton(tx("Help"), &box);
  help->setObjectName(QStringLiteral("MessageHelp"));
  buttons->addButton(help, QDialogButtonBox::HelpRole);
  // The box closes on any button of its button box; this one only opens the
  // topic.
  QObject::disconnect(help, &QAbstractButton::clicked, buttons, nullptr);
  QObject::connect(help, &QAbstractButton::clicked, &box,
                   [number] { HelpSystem::instance().showMessageHelp(number); });
}

}  // namespace

void QtInteraction::showMessage(const Message& message) {
  QMessageBox box(QMessageBox::Information, QStringLiteral("Dorvel"),
                  QString::fromStdString(message.shownText()), QMessageBox::Ok, parent_);
  box.setEscapeButton(QMessageBox::Ok);
  offerHelp(box, message.number());
  box.exec();
}

bool QtInteraction::askQuestion(const Message& message) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Dorvel"),
                  QString::fromStdString(message.shownText()),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setEscapeButton(QMessageBox::No);
  offerHelp(box, message.number());
  return box.exec() == QMessageBox::Yes;
}

}  // namespace dorvel::ui
