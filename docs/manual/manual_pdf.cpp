// Renders the built HTML manual of one language to one PDF on A4:
//   dorvel-manual-pdf HTMLDIR CONTENTS.txt OUT.pdf
// The pages are taken in the order of CONTENTS.txt, each on a new sheet,
// without their navigation lines.
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextStream>

#include <cstdio>

static QString readText(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll());
}

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: dorvel-manual-pdf HTMLDIR CONTENTS.txt OUT.pdf\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  const QString contents = readText(QString::fromLocal8Bit(argv[2]));
  static const QRegularExpression body("<body[^>]*>(.*)</body>",
                                       QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression nav("<p class=\"nav\">.*?</p>");
  QString html = "<html><body>";
  bool first = true;
  for (const QString& line : contents.split('\n')) {
    const QString name = line.trimmed();
    if (name.isEmpty() || name.startsWith('#')) continue;
    const QString page = readText(dir + "/" + name);
    if (page.isEmpty()) {
      std::fprintf(stderr, "dorvel-manual-pdf: cannot read %s\n", qPrintable(dir + "/" + name));
      return 1;
    }
    QString text = body.match(page).captured(1);
    text.remove(nav);
    html += first ? "<div>" : "<div style=\"page-break-before: always\">";
    html += text + "</div>";
    first = false;
  }
  html += "</body></html>";

  QTextDocument doc;
  doc.setDefaultStyleSheet(readText(dir + "/style.css"));
  doc.setHtml(html);
  QPdfWriter writer(QString::fromLocal8Bit(argv[3]));
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(20, 18, 18, 18), QPageLayout::Millimeter);
  writer.setTitle(QStringLiteral("Dorvel"));
  writer.setCreator(QStringLiteral("Dorvel"));
  doc.print(&writer);
  return 0;
}
