#include "ui/results_hookup.h"

#include <QAction>
#include <QVBoxLayout>

#include "ui/about_window.h"
#include "ui/field_focus.h"
#include "ui/help_viewer.h"
#include "ui/main_window.h"
#include "ui/results_page.h"
#include "ui/texts/language.h"

namespace dorvel::ui {

ResultsPage* attachResultsAndHelp(TDanegl& window) {
  auto* page = new ResultsPage(window.caseRef(), window.interaction(), window.resultsPage());
  window.resultsLayout()->addWidget(page);
  page->setStandardLabels(window.standardLabel(0), window.standardLabel(1),
                          window.standardLabel(2));
  TDanegl* w = &window;
  page->onStatus = [w](StatusKind kind, const QString& text) {
    switch (kind) {
      case StatusKind::Normal: w->setStatusNormal(); break;
      case StatusKind::PropertiesRequest: w->setStatusRequest(text); break;
      case StatusKind::Warning: w->setStatusWarning(text); break;
    }
  };
  QObject::connect(page, &ResultsPage::exitRequested, w, &QWidget::close);
  // File > "Export PDF...": the report and the uncertainty page as one
  // document, numbered 1/2, 2/2, in the interface language, whatever an
  // earlier printouts command chose.
  window.onExportPdf = [page] {
    page->exportPdf(std::vector<output::PageKind>{output::PageKind::CalculationReport,
                                                  output::PageKind::UncertaintyAnalysis},
                    !polishInterface());
  };
  QObject::connect(page, &ResultsPage::resultsAvailable, w->exportPdfAction(),
                   &QAction::setEnabled);
  // Results stay exportable from the File menu only while they are on view.
  window.onLeaveResults = [w] { w->exportPdfAction()->setEnabled(false); };

  window.onEnterResults = [w, page] {
    // The first message of a refused calculation names the input it is about.
    FirstMessage first(w->interaction());
    page->setInteraction(first);
    const EnterOutcome outcome = page->enter();
    page->setInteraction(w->interaction());
    switch (outcome) {
      case EnterOutcome::ResultsShown:
        break;
      case EnterOutcome::BackToBasicInput:
        w->setCurrentPage(TDanegl::PageBasic);
        if (first.first()) focusControl(*w, controlOfMessage(*first.first(), w->caseRef().task));
        break;
      case EnterOutcome::BackToProperties:
        // Changing the page resets the status bar: the request comes after.
        w->setCurrentPage(TDanegl::PageProperties);
        w->setStatusRequest(kPropertiesRequest);
        break;
    }
  };

  // Help: topic numbers from the buttons, menu items and F1 (the window's own
  // shortcut); -1 is the "Author" menu item.  The application's key handler
  // serves F1 in the other windows (table, graphs, help).
  HelpSystem& help = HelpSystem::instance();
  help.setOwner(w);
  help.installKeyHandler();
  window.onHelpTopic = [w](int topic) {
    if (topic == -1)
      showAboutWindow(w);
    else
      showHelpTopic(topic > 0 ? topic : kHelpContents);  // F1 on a control without a topic
  };
  QObject::connect(w, &QObject::destroyed, [] {
    HelpSystem::instance().removeKeyHandler();
    HelpSystem::instance().setOwner(nullptr);
  });
  return page;
}

}  // namespace dorvel::ui
