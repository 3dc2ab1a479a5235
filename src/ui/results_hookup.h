// Plugs the results page, the output windows and the help handler into the
// main window.
#pragma once

namespace dorvel::ui {

class TDanegl;
class ResultsPage;

// Fills the "Results" page, sets the main window's results and help hooks
// and installs the application's F1 handler (removed again when the window
// is destroyed).  Returns the page (owned by the window).
ResultsPage* attachResultsAndHelp(TDanegl& window);

}  // namespace dorvel::ui
