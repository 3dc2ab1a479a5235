#include "ui/field_focus.h"

#include <QTabWidget>
#include <QWidget>

#include "ui/main_window.h"

namespace dorvel::ui {

QString controlOfMessage(Msg m, int task) {
  // The task rows: Edit5 holds the upper-range flowrate (task 1) or the
  // device diameter (tasks 2, 3); Edit6 the nominal flowrate, the flowrate
  // or the differential pressure; Edit7 the differential pressure of task 1.
  const QString flowrate = QLatin1String(task == 1 ? "Edit5" : "Edit6");
  const QString dp = QLatin1String(task == 1 ? "Edit7" : "Edit6");
  switch (m) {
    case Msg::PipeDiameterTooLarge:
    case Msg::PipeDiameterTooSmall:
    case Msg::PipeTooSmallContinue:
    case Msg::PipeTooLargeContinue:
    case Msg::FlangeGapContinue:
      return QStringLiteral("EdD20");
    case Msg::ThroatDiameterTooSmall:
    case Msg::ThroatTooSmallContinue:
    case Msg::BetaTooSmall:
    case Msg::BetaTooLarge:
      return QStringLiteral("Edit5");
    case Msg::NominalFlowrateTooSmall:
    case Msg::NominalAboveUpperRange:
      return QStringLiteral("Edit6");
    case Msg::NoFlowrate:
      return flowrate;
    case Msg::NoDifferentialPressure:
    case Msg::PressureRatioTooLarge:
    case Msg::DifferentialPressureTooHigh:
    case Msg::DpRatioContinue:
    case Msg::DpAboveLimit:
    case Msg::DpBelowLimit:
      return dp;
    case Msg::UpstreamTooShort:
    case Msg::BothLengthsTooShort:
      return QStringLiteral("EdDlu1");
    case Msg::DownstreamTooShort:
      return QStringLiteral("EdDlu2");
    case Msg::FittingListChanged:
      return QStringLiteral("CBkolanoASME");
    // The property checks of water, steam and liquid ammonia name the
    // temperature first, else the absolute pressure.
    case Msg::TemperatureTooLow:
    case Msg::TemperatureTooHigh:
    case Msg::WaterTemperatureTooHigh:
    case Msg::WaterSteamTemperatureTooLow:
    case Msg::SteamOutsideSubregion2:
    case Msg::SteamTooCold:
    case Msg::WaterTooHot:
    case Msg::AmmoniaTemperature:
      return QStringLiteral("Edtc");
    case Msg::AbsolutePressureTooLow:
    case Msg::VaporizationContinue:
    case Msg::VaporizationWarning:
    case Msg::NoAbsolutePressure:
    case Msg::WaterSteamPressureTooHigh:
    case Msg::GasPressureTooHigh:
      return QStringLiteral("Edp");
    default:
      return {};
  }
}

void FirstMessage::showMessage(const Message& m) {
  if (!first_) first_ = m.id;
  inner_.showMessage(m);
}

bool FirstMessage::askQuestion(const Message& m) {
  const bool yes = inner_.askQuestion(m);
  // A deviation accepted is no refusal.
  if (!yes && !first_) first_ = m.id;
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
