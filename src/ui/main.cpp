// dorvel: the desktop program.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "ui/help_viewer.h"
#include "ui/main_window.h"
#include "version.h"

int main(int argc, char** argv) {
  // Answered before the window system is opened, so that it works without a
  // display (packaging checks, scripts).
  if (argc == 2 && (std::strcmp(argv[1], "--version") == 0 || std::strcmp(argv[1], "-V") == 0)) {
    std::printf("dorvel %s\n", dorvel::kVersion);
    return 0;
  }
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    QCoreApplication core(argc, argv);
    const QString help = dorvel::ui::helpFolder();
    std::printf(
        "Usage: dorvel [FILE]\n"
        "       dorvel --version | --help\n\n"
        "Opens the case file FILE, or without it the case file used last.\n"
        "Help topics: %s\n",
        help.isEmpty() ? "(not found)" : help.toLocal8Bit().constData());
    return 0;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Dorvel"));
  QApplication::setApplicationDisplayName(QStringLiteral("Dorvel"));
  QApplication::setApplicationVersion(QString::fromLatin1(dorvel::kVersion));
  dorvel::ui::TDanegl window;
  const QStringList args = QApplication::arguments();
  window.startUp(args.size() > 1 ? args.at(1) : QString());
  window.show();
  return QApplication::exec();
}
