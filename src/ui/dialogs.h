// The humidity-correction dialog TFWilgo and the liquids-table window TWLcie.
#pragma once

#include <QDialog>
#include <functional>

#include "base/case.h"
#include "base/interaction.h"

class QLabel;

namespace dorvel::ui {

class PageEdit;

// Relative humidity measured at other conditions, brought to the flowing
// conditions of the case (props/air.h correctHumidity).  Showing it and
// typing into it do not mark the case modified; "Calculate" does when the
// humidity changed.
class TFWilgo : public QDialog {
  Q_OBJECT

 public:
  explicit TFWilgo(QWidget* parent = nullptr);
  // Fills the dialog from the case (before it is shown).
  void prepare(CalculationCase& c, Interaction& ui);
  // Button1: computes and shows the corrected humidity; true on success.
  bool calculate();
  // The "Pressure too low" box titled "Humidity correction"; replaceable.
  std::function<void(const QString& text)> onMessage;

 private:
  CalculationCase* case_ = nullptr;
  Interaction* ui_ = nullptr;
  PageEdit *edTem_, *edCi_, *edWil_;
  QLabel *unitLabel_, *line1_, *line2_;
  bool filling_ = false;
};

// Reference values of common liquids at 20 degC (props/liquids.h).
class TWLcie : public QDialog {
  Q_OBJECT

 public:
  explicit TWLcie(QWidget* parent = nullptr);
};

}  // namespace dorvel::ui
