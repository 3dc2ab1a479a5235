// dorvel: the desktop program.
//   dorvel [--lang pl|en] [FILE]
// The interface language is the one given, else the one remembered in the
// program's settings, else English.
#include <QApplication>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "ui/help_viewer.h"
#include "ui/main_window.h"
#include "version.h"

namespace {

// What was printed must have reached standard output (not a full disk).
int printed(int status) {
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "dorvel: write error: %s\n", std::strerror(errno));
    return 2;
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  // A file-size limit (ulimit -f) met by a save is an error of that write
  // (EFBIG): the save reports "Output error", the old file stays and the
  // window keeps the case, instead of the signal killing the program.
  std::signal(SIGXFSZ, SIG_IGN);
  // Answered before the window system is opened, so that it works without a
  // display (packaging checks, scripts).
  if (argc == 2 && (std::strcmp(argv[1], "--version") == 0 || std::strcmp(argv[1], "-V") == 0)) {
    std::printf("dorvel %s\n", dorvel::kVersion);
    return printed(0);
  }
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    QCoreApplication core(argc, argv);
    const QString help = dorvel::ui::helpFolder();
    std::printf(
        "Usage: dorvel [--lang pl|en] [FILE]\n"
        "       dorvel --version | --help\n\n"
        "Opens the case file FILE, or without it the case file used last.\n"
        "Help topics: %s\n",
        help.isEmpty() ? "(not found)" : help.toLocal8Bit().constData());
    return printed(0);
  }
  QApplication app(argc, argv);
  // The application title; no display name, which the window system would
  // append to every caption.
  QApplication::setApplicationName(QStringLiteral("Dorvel"));
  dorvel::ui::Language language = dorvel::ui::rememberedLanguage();
  QString file, error;
  if (!dorvel::ui::parseCommandLine(QApplication::arguments(), language, file, error))
    std::fprintf(stderr, "dorvel: %s\n", error.toLocal8Bit().constData());
  QApplication::setApplicationVersion(QString::fromLatin1(dorvel::kVersion));
  dorvel::ui::TDanegl window;
  window.startUp(file);
  window.setLanguage(language);
  window.restoreWindowGeometry();
  window.show();
  return QApplication::exec();
}
