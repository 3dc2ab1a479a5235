#include "ui/qt_interaction.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QString>

#include <vector>

#include "base/messages.h"
#include "ui/help_viewer.h"
#include "ui/texts/language.h"

namespace dorvel::ui {

namespace {

QString plain(const std::string& text) {
  return QString::fromStdString(text).remove(QLatin1Char('\r'));
}

// A row of the message table as a pattern: its text with any value in place
// of %1 to %9, in either language.
struct MessagePattern {
  int number;
  QRegularExpression polish, english;
};

QRegularExpression patternOf(const char* text) {
  QString expression;
  const QStringList parts = plain(text).split(QRegularExpression(QStringLiteral("%[1-9]")));
  for (qsizetype i = 0; i < parts.size(); ++i) {
    if (i > 0) expression += QStringLiteral("(.*)");
    expression += QRegularExpression::escape(parts[i]);
  }
  return QRegularExpression(QRegularExpression::anchoredPattern(expression),
                            QRegularExpression::DotMatchesEverythingOption);
}

const std::vector<MessagePattern>& patterns() {
  static const std::vector<MessagePattern> list = [] {
    std::vector<MessagePattern> out;
    for (const MessageRow& row : messageTable())
      out.push_back({row.number, patternOf(row.polish), patternOf(row.english)});
    return out;
  }();
  return list;
}

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

int messageNumberOf(const std::string& polishText, const std::string& englishText) {
  const QString polish = plain(polishText), english = plain(englishText);
  // Both texts first: several read errors share the English "Input error".
  for (const MessagePattern& p : patterns())
    if (p.english.match(english).hasMatch() && p.polish.match(polish).hasMatch()) return p.number;
  for (const MessagePattern& p : patterns())
    if ((!english.isEmpty() && p.english.match(english).hasMatch()) ||
        (!polish.isEmpty() && p.polish.match(polish).hasMatch()))
      return p.number;
  return 0;
}

void QtInteraction::showMessage(bool polish, const std::string& polishText,
                                const std::string& englishText) {
  QMessageBox box(QMessageBox::Information, QStringLiteral("Dorvel"),
                  QString::fromStdString(chosen(polish, polishText, englishText)),
                  QMessageBox::Ok, parent_);
  box.setEscapeButton(QMessageBox::Ok);
  offerHelp(box, messageNumberOf(polishText, englishText));
  box.exec();
}

bool QtInteraction::askQuestion(bool polish, const std::string& polishText,
                                const std::string& englishText) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Dorvel"),
                  QString::fromStdString(chosen(polish, polishText, englishText)),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setEscapeButton(QMessageBox::No);
  offerHelp(box, messageNumberOf(polishText, englishText));
  return box.exec() == QMessageBox::Yes;
}

}  // namespace dorvel::ui
