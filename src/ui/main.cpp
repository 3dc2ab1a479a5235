// dorvel: the desktop program.
#include <QApplication>

#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Dorvel"));
  QApplication::setApplicationDisplayName(QStringLiteral("Dorvel"));
  dorvel::ui::TDanegl window;
  const QStringList args = QApplication::arguments();
  window.startUp(args.size() > 1 ? args.at(1) : QString());
  window.show();
  return QApplication::exec();
}
