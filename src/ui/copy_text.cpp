#include "ui/copy_text.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QStatusBar>

#include "base/format.h"
#include "ui/texts/language.h"

namespace dorvel::ui {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s).trimmed(); }

QString number(Real x, int decimals) { return qs(formatFixed(x, 1, decimals)); }

}  // namespace

QString rangeTableTsv(const output::RangeTable& table) {
  QStringList lines;
  for (int row = 1; row <= 8; ++row) {
    QStringList cells{qs(table.headings[static_cast<size_t>(row - 1)]),
                      qs(table.units[static_cast<size_t>(row - 1)])};
    for (int column = 0; column < 10; ++column) cells << qs(table.cell(row, column));
    lines << cells.join(QLatin1Char('\t'));
  }
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString graphPointsTsv(const output::GraphData& data) {
  const QString flow = QString::fromStdString(data.flowUnitText);
  QStringList lines;
  lines << QStringList{tx("Flowrate") + QStringLiteral(" [") + flow + QLatin1Char(']'),
                       tx("DELTA p"), tx("Relative uncertainty") + QStringLiteral(" [%]"),
                       tx("Absolute uncertainty") + QStringLiteral(" [% q100]"),
                       tx("Bias \"linear scale\" error") + QStringLiteral(" [%]"),
                       tx("Bias \"linear scale\" error") + QStringLiteral(" [% q100]")}
               .join(QLatin1Char('\t'));
  for (size_t i = 0; i < data.points.size(); ++i) {
    const output::GraphPoint& p = data.points[i];
    if (!p.valid) continue;
    lines << QStringList{number(p.q, 4), number(p.dp, 4),
                         number(data.envelope(output::GraphKind::Relative, i), 4),
                         number(data.envelope(output::GraphKind::Absolute, i), 4),
                         number(p.errorOfQ, 4), number(p.errorOfQ100, 4)}
                 .join(QLatin1Char('\t'));
  }
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void copyTextToClipboard(QWidget* from, const QString& text, const char* what) {
  if (QClipboard* clipboard = QApplication::clipboard()) clipboard->setText(text);
  // The main window behind a dialog carries the status bar.
  for (QWidget* w = from; w != nullptr; w = w->parentWidget()) {
    if (auto* main = qobject_cast<QMainWindow*>(w)) {
      main->statusBar()->showMessage(tx(what), 4000);
      break;
    }
  }
}

QAction* addCopyTextAction(QWidget* owner, std::function<void()> copy) {
  auto* action = new QAction(desktopText("MnCopyText"), owner);
  action->setObjectName(QStringLiteral("MnCopyText"));
  action->setShortcut(QKeySequence::Copy);
  // The whole window while `owner` is shown (a line edit keeps its own copy).
  action->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(action, &QAction::triggered, owner, std::move(copy));
  owner->addAction(action);
  owner->setContextMenuPolicy(Qt::ActionsContextMenu);
  return action;
}

}  // namespace dorvel::ui
