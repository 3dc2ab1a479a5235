#include "ui/field_focus.h"

#include <QTabWidget>
#include <QWidget>

#include "ui/main_window.h"

namespace dorvel::ui {

namespace {

bool startsWith(const std::string& text, const char* start) { return text.rfind(start, 0) == 0; }

}  // namespace

QString controlOfMessage(const std::string& en, int task) {
  // The task rows: Edit5 holds the upper-range flowrate (task 1) or the
  // device diameter (tasks 2, 3); Edit6 the nominal flowrate, the flowrate
  // or the differential pressure; Edit7 the differential pressure of task 1.
  const char* flowrate = task == 1 ? "Edit5" : "Edit6";
  const char* dp = task == 1 ? "Edit7" : "Edit6";
  static const struct {
    const char* start;
    const char* control;  // "" = by task: flowrate ("q") or differential pressure ("dp")
  } kMap[] = {
      {"Pipe diameter", "EdD20"},
      {"Orifice diameter (throat) too small", "Edit5"},
      {"Device diameter too small", "Edit5"},
      {"Diameter ratio beta", "Edit5"},
      {"Nominal fluid flowrate too small", "Edit6"},
      {"Nominal flowrate should be", "Edit6"},
      {"Enter the fluid flowrate", "q"},
      {"Temperature too", "Edtc"},
      {"Absolute pressure too low", "Edp"},
      {"Vaporization occurs", "Edp"},
      {"Enter the differential pressure", "dp"},
      {"The pressure ratio p2/p1", "dp"},
      {"Differential pressure too high", "dp"},
      {"Differential pressur greater than 0.25", "dp"},
      {"Differential pressure should be", "dp"},
      {"Upstream straight length too short", "EdDlu1"},
      {"Upstream and downstream straigth lengths", "EdDlu1"},
      {"Downstream straight length too short", "EdDlu2"},
      {"That change of input data causes a change of the set of upstream fittings",
       "CBkolanoASME"},
  };
  for (const auto& m : kMap) {
    if (!startsWith(en, m.start)) continue;
    const std::string c = m.control;
    if (c == "q") return QString::fromLatin1(flowrate);
    if (c == "dp") return QString::fromLatin1(dp);
    return QString::fromStdString(c);
  }
  // The property checks of water, steam and liquid ammonia name the
  // temperature first ("Water temperature too high", "Ammonia temperature
  // should be..."), else the absolute pressure ("Enter absolute pressure").
  const std::string first = en.substr(0, en.find_first_of("\r\n"));
  if (first.find("temperature") != std::string::npos) return QStringLiteral("Edtc");
  if (first.find("bsolute pressure") != std::string::npos ||
      first.find("team pressure") != std::string::npos)
    return QStringLiteral("Edp");
  return {};
}

void FirstMessage::showMessage(bool polish, const std::string& polishText,
                               const std::string& englishText) {
  if (english_.empty()) english_ = englishText.empty() ? polishText : englishText;
  inner_.showMessage(polish, polishText, englishText);
}

bool FirstMessage::askQuestion(bool polish, const std::string& polishText,
                               const std::string& englishText) {
  const bool yes = inner_.askQuestion(polish, polishText, englishText);
  // A deviation accepted is no refusal.
  if (!yes && english_.empty()) english_ = englishText.empty() ? polishText : englishText;
  return yes;
}

bool focusControl(TDanegl& window, const QString& name) {
  if (name.isEmpty()) return false;
  auto* control = window.findChild<QWidget*>(name);
  if (control == nullptr) return false;
  QTabWidget* pages = window.pageControl();
  for (QWidget* w = control; w != nullptr; w = w->parentWidget()) {
    const int index = pages->indexOf(w);
    if (index < 0) continue;
    if (!window.setCurrentPage(static_cast<TDanegl::Page>(index))) return false;
    break;
  }
  if (!control->isVisibleTo(&window)) return false;
  control->setFocus(Qt::OtherFocusReason);
  return true;
}

}  // namespace dorvel::ui
