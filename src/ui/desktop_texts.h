// English texts of the desktop conveniences beyond the original window:
// What's This, PDF export, recent files, the print-preview buttons, the case
// filter of the file dialogs, and the hints and accessible names that the
// original form left without a text.  One list, by control name.
#pragma once

#include <QString>
#include <string_view>

namespace dorvel::ui {

struct DesktopText {
  const char* name;  // objectName of the control ("" for a plain text)
  const char* text;  // English caption or hint
};

inline constexpr DesktopText kDesktopTexts[] = {
    {"MnWhatsThis", "What's This?"},
    {"SbWhatsThis", "What's This?"},
    {"MnExportPdf", "Export PDF..."},
    {"MnPopExportPdfReport", "Export PDF (calculation report)..."},
    {"MnPopExportPdfGraphs", "Export PDF (graphs and table)..."},
    {"MnRecent", "Recent Files"},
    {"BuZoomIn", "Zoom In"},
    {"BuZoomOut", "Zoom Out"},
    {"BuFit", "Fit"},
    {"BuPagePrev", "Previous Page"},
    {"BuPageNext", "Next Page"},
    {"BuPreviewPrint", "Print..."},
    {"LaWersja", "Version "},
    {"CaseFilter", "Dorvel cases (*.dvl)"},
    {"ExportPdfTitle", "Export PDF"},
    {"PdfFilter", "PDF files (*.pdf)"},
    // Hints switched on by the English texts whose wording the form left open.
    {"Cbges", "Density shown: at working or at reference conditions"},
    {"La92", "Density at working conditions"},
    {"La93", "Dynamic viscosity"},
    {"La94", "Isentropic exponent"},
    // Accessible names of lists that stand without a caption of their own.
    {"CBjcs", "Pressure unit"},
    {"CBjLep2", "Viscosity unit"},
    {"CBjLep5", "Viscosity unit"},
    // The "more" buttons of a menu bar or tool bar too narrow for its items.
    {"qt_menubar_ext_button", "More"},
    {"qt_toolbar_ext_button", "More"},
};

// The text of a control by its name; "" when there is none.
inline QString desktopText(std::string_view name) {
  for (const DesktopText& t : kDesktopTexts)
    if (name == t.name) return QString::fromUtf8(t.text);
  return {};
}

}  // namespace dorvel::ui
