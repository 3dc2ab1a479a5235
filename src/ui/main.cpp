// dorvel: the desktop program.
//   dorvel [--lang pl|en] [FILE]
// The interface language is the one given, else the one remembered in the
// program's settings, else English.
#include <QApplication>
#include <cstdio>

#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The application title; no display name, which the window system would
  // append to every caption.
  QApplication::setApplicationName(QStringLiteral("Dorvel"));
  dorvel::ui::Language language = dorvel::ui::rememberedLanguage();
  QString file, error;
  if (!dorvel::ui::parseCommandLine(QApplication::arguments(), language, file, error))
    std::fprintf(stderr, "dorvel: %s\n", error.toLocal8Bit().constData());
  dorvel::ui::TDanegl window;
  window.startUp(file);
  window.setLanguage(language);
  window.restoreWindowGeometry();
  window.show();
  return QApplication::exec();
}
