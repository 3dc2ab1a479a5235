// Air and other humid gases given by composition, and the humidity
// correction (relative humidity measured at other conditions, brought to the
// flowing conditions).
//
// The dry composition goes through the Redlich-Kwong mixture method
// (props/mixture.h) at reference and at working conditions; water vapour is
// added from the relative humidity; the working density is the dry part by
// the gas law with K1 plus the vapour at its partial saturation density.
#pragma once

#include <string>

#include "base/case.h"
#include "base/interaction.h"
#include "props/components.h"

namespace dorvel {

//! Dry air, mole %, in the mixture order: N2 78.104, O2 20.946, Ar 0.9165,
//! He 0.0005, CO2 0.033; every other slot 0.
Composition dryAirComposition();

//! What the air page does before it computes: composition entered in mole %,
//! the 22 mixture slots cleared and set to dry air, and copied into
//! `mixtureMolePercent`.  (The property dispatcher is then called for air.)
void setAirComposition(CalculationCase& c);

enum class GasMixtureStatus : int {
  Ok = 0,
  BadComposition,  //!< a share negative or not finite, or all shares 0
  BadHumidity,     //!< phi outside 0..100 or vapour pressure >= total pressure
  BadState,        //!< t, p or the reference conditions unusable (T <= 0 K, p <= 0, NaN)
  NoSolution,      //!< the equation of state gave no physical result
  Declined,        //!< liquid-like by the equation of state, and the user said No
};

//! Properties of a humid gas mixture.
//! @param molePercent dry composition, mole %, mixture order (mixtureMolePercent)
//! @param relativeHumidity phi [%]   @param t temperature [degC]   @param pBar pressure [bar]
//! Reads `refTemperature` [degC], `refPressure` [kPa] and `pressureKPa`; on
//! success writes `refDensity`, `density` [kg/m3], `steamMoleFraction`,
//! `compressibilityZ` (dry gas), `compressibilityK1` = Z1/Zn (dry gas),
//! `isentropicExponent`, `viscosityEntered` [Pa*s], `satPressure` [kG/cm2]
//! and `satVapourDensity` [kg/m3].  On failure the case is left unchanged.
//! When the equation of state finds the dry gas at reference or at working
//! conditions, or the humid gas at working conditions, liquid-like
//! (redlichKwongLiquidLike), `ui` is asked whether to go on with properties
//! that are not valid; No gives Declined.
GasMixtureStatus gasMixtureProperties(CalculationCase& c, const Composition& molePercent,
                                      Real relativeHumidity, Real t, Real pBar, Interaction& ui);

// ---- humidity correction (dialog TFWilgo) ---------------------------------------

//! Caption of the humidity-correction dialog and of its message box.
inline constexpr const char* kHumidityCorrectionCaption = "Humidity correction";
//! Text of the message box when a pressure is not above 0.
inline constexpr const char* kHumidityPressureTooLow = "Pressure too low";

//! Pressure-unit label of the dialog: 1 "KG/cm2", 2 "KPa", 3 "MPa", 4 "BAR";
//! "" for any other code.
std::string humidityPressureUnitLabel(int pressureUnit);

//! First result line before the value: "Corrected relative humidity in flowing
//! conditions (" + t (2 decimals) + " °C, " + pressureInput (2 decimals) + " "
//! + unit label + ") =".
std::string humidityResultPrefix(const CalculationCase& c);
//! Second result line before the value.
inline constexpr const char* kSteamMoleFractionPrefix = "Steam mole fraction in gas mixture =";

enum class HumidityCorrectionStatus : int {
  Ok = 0,
  PressureTooLow,  //!< measurement or working pressure not above 0: "Pressure too low"
  OutOfRange,      //!< an input not finite or a temperature without saturation data
};

struct HumidityCorrection {
  HumidityCorrectionStatus status = HumidityCorrectionStatus::OutOfRange;
  Real relativeHumidity = 0;     //!< corrected phi [%], at most 100
  Real moleFractionPercent = 0;  //!< steam mole fraction [%]
  std::string humidityLine;      //!< first result line, value and " [%]" appended
  std::string moleFractionLine;  //!< second result line, value and " [%]" appended
};

//! The dialog's "Calculate" button: converts the pressure units, then
//!   phi = humidityMeasured * ps(humidityMeasTemperature) / ps(temperature)
//!         * pressureInput / humidityMeasPressure,   limited to 100 %,
//! stores it in `relativeHumidity` (setting `caseModified` only when it
//! changed) and `satPressure`/`satVapourDensity` at the working temperature.
//! With a pressure not above 0 nothing changes and the status is
//! PressureTooLow (the dialog shows kHumidityPressureTooLow).
HumidityCorrection correctHumidity(CalculationCase& c);

}  // namespace dorvel
