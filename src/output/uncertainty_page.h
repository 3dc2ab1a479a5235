// The text of the uncertainty-analysis page: header block, title, the case
// title, notes on missing uncertainty data, the legend of the graph markers
// and the note on the reference-volume unit, around the two uncertainty
// graphs and the range table.
#pragma once

#include <string>

#include "base/case.h"
#include "output/page_context.h"

namespace dorvel::output {

// Lines of the page where the legend and the closing note stand (the graphs
// occupy lines 15 to 33 and the table starts at line 39).
inline constexpr int kLegendLine = 33;
inline constexpr int kClosingNoteLine = 60;
inline constexpr int kUncertaintyFrameBottom = 63;

// Writes the page's text through ctx (70 lines per page).
void writeUncertaintyPage(PageContext& ctx, const CalculationCase& c);

// The page's items on a bitmap-like page (W 1280, H 1810, from line 1).
PageContext buildUncertaintyPage(const CalculationCase& c, bool english, const std::string& today);

}  // namespace dorvel::output
