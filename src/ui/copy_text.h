// Copies for a spreadsheet: the results page, the measurement-range table and
// the graphs' points as tab-separated text (one row a line, numbers with a
// decimal point as shown), beside the picture copies of the print menu.
#pragma once

#include <QString>
#include <functional>

#include "output/range_table.h"
#include "output/uncertainty_graphs.h"

class QAction;
class QWidget;

namespace dorvel::ui {

// Rows 1 to 8 of the range table: heading, unit, then the ten cells.
QString rangeTableTsv(const output::RangeTable& table);
// A heading line, then one line per valid point: flowrate, differential
// pressure, relative uncertainty, absolute uncertainty (% of q100), bias
// "linear scale" error (% of q and of q100).
QString graphPointsTsv(const output::GraphData& data);
// Puts `text` on the clipboard and confirms it for a few seconds in the
// status bar of the main window that `from` belongs to (`what`: the phrase
// of the confirmation).
void copyTextToClipboard(QWidget* from, const QString& text, const char* what);
// The "Copy as text" action (Ctrl+C) of a window: on `owner`'s context menu
// and its keys.
QAction* addCopyTextAction(QWidget* owner, std::function<void()> copy);

}  // namespace dorvel::ui
