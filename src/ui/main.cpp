// dorvel: the desktop program.
//   dorvel [--lang pl|en] [FILE]
// The interface language is the one given, else the one remembered in the
// program's settings, else English.
#include <QApplication>
#include <cstdio>

#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Dorvel"));
  QApplication::setApplicationDisplayName(QStringLiteral("Dorvel"));
  using dorvel::ui::Language;
  Language language = dorvel::ui::rememberedLanguage();
  QString file;
  const QStringList args = QApplication::arguments();
  for (int i = 1; i < args.size(); ++i) {
    const QString& a = args.at(i);
    QString code;
    if (a == QLatin1String("--lang") && i + 1 < args.size())
      code = args.at(++i);
    else if (a.startsWith(QLatin1String("--lang=")))
      code = a.mid(7);
    else if (file.isEmpty()) {
      file = a;
      continue;
    } else {
      continue;
    }
    if (!dorvel::ui::languageFromCode(code, language))
      std::fprintf(stderr, "dorvel: unknown language \"%s\" (use pl or en)\n",
                   code.toLocal8Bit().constData());
  }
  dorvel::ui::installWindowTranslator();
  dorvel::ui::TDanegl window;
  window.startUp(file);
  window.setLanguage(language);
  window.show();
  return QApplication::exec();
}
