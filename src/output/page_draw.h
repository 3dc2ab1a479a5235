// Drawing the recorded page items on a QPainter.
#pragma once

#include <QFont>
#include <QPainter>
#include <QString>

#include <string>
#include <vector>

#include "output/page_context.h"

namespace dorvel::output {

// The pages ask for "Arial"; Liberation Sans has the same metrics and is what
// a Debian machine has.  Falls back on any sans-serif face.
QStringList pageFontFamilies();

// A page font whose character cell (ascent + descent, as a printer font's
// height is given) is `cellHeight` device pixels.
QFont pageFont(int cellHeight, bool bold = false, bool italic = false, bool underline = false);

// The font of an item on a page of height H.
QFont pageFont(const FontSpec& style, int pageHeight);

inline QString qs(const std::string& s) { return QString::fromStdString(s); }

// Measures the page's texts with the font metrics of `device` (the page
// fonts at the sizes drawn; nullptr: the fonts' own metrics).
void useFontMetrics(PageContext& ctx, QPaintDevice* device = nullptr);

// Draws every item of ctx.items with the geometry of ctx (margins, f, W, H).
void drawPageItems(QPainter& painter, const PageContext& ctx);

// Header texts of the pages: the program's name and a one-line description.
std::string headerName();
std::string headerDescription(bool english);

}  // namespace dorvel::output
