// dorvel: the desktop program.
#include <QApplication>

#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The application title; no display name, which the window system would
  // append to every caption.
  QApplication::setApplicationName(QStringLiteral("Dorvel"));
  dorvel::ui::TDanegl window;
  const QStringList args = QApplication::arguments();
  window.startUp(args.size() > 1 ? args.at(1) : QString());
  window.restoreWindowGeometry();
  window.show();
  return QApplication::exec();
}
