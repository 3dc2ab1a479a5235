// The calculation case: the one record of a measuring point.
//
// Every routine of the engine reads and writes this record by field name.
// Reals are long double (80-bit extended on x86-64) and are never narrowed
// inside a computation.  Codes are small integers starting at 1.
//
// Internal unit system (technical, kilogram-force):
//   absolute pressure kG/cm2, differential pressure kG/m2 (= mm H2O),
//   dynamic viscosity kG*s/m2, mass flow kg/h, lengths mm, straight lengths m,
//   temperatures degC (kelvin = t + 273.15).
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <string>

#include "base/uncertainty_budget.h"

namespace dorvel {

using Real = long double;

// ---- conversion constants, used exactly as written everywhere ----------
inline constexpr Real kBarToAt = 1.01972L;             // kG/cm2 per bar
inline constexpr Real kPaToKgm2 = 0.101972L;            // kG/m2 per Pa
inline constexpr Real kKgm2ToKPa = 0.009806613580198485L; // kPa per kG/m2 (unit factor)
inline constexpr Real kKgmhToTech = 35320.0L;          // kg/(m*h) per kG*s/m2
inline constexpr Real kCpToTech = 0.000101972L;        // kG*s/m2 per cP
inline constexpr Real kKelvin = 273.15L;
inline constexpr Real kPi = 3.141592653589793238462643383279502884L;

// ---- codes ----------------------------------------------------------------
enum Task : int { TaskDiameter = 1, TaskDifferentialPressure = 2, TaskFlowrate = 3 };

enum FluidKind : int {
  FluidWater = 1,
  FluidOtherLiquid = 2,
  FluidSteam = 3,
  FluidAir = 4,
  FluidOtherGas = 5,
  FluidLiquidAmmonia = 6,
  FluidCokeGas = 7,
  FluidNaturalGas8 = 8,  // legacy files: handled with the natural-gas data
  FluidNaturalGas = 9,
  FluidSteam13 = 13,     // legacy files: handled with the steam data
};

enum DeviceType : int {
  DevOrificeCorner = 1,
  DevOrificeDD2 = 2,
  DevOrificeFlange = 3,
  DevIsa1932Nozzle = 4,
  DevLongRadiusNozzle = 5,
  DevVenturiNozzle = 6,
  DevEccentricOrifice = 7,
  DevQuarterCircle = 8,
  DevVenturiAsCast = 9,
  DevVenturiMachined = 10,
  DevVenturiRoughWelded = 11,
  DevConicalEntrance = 12,
};

enum Material : int {
  MatStainless = 1, MatCarbonSteel = 2, MatChromiumSteel = 3, MatBronze = 4,
  MatMonel = 5, MatAluminium = 6, MatBrass = 7,
};

// Compressible kinds: the expansibility factor is computed and the gas-only
// checks apply.
bool isCompressible(int fluidKind);
// The fluid codes a case may hold: the eight kinds of the fluid list and the
// older files' natural-gas (8) and steam (13) codes.  10 to 12 name no fluid.
bool isFluidKindCode(int fluidKind);
// Natural gas: code 9, and 8 of the legacy files.
bool isNaturalGasKind(int fluidKind);
// Device families.
bool isOrificePlate(int deviceType);  // codes 1-3

// Combobox item (0-based) -> code, and back.  The fluid and device lists are
// not in code order.  Out-of-range items/codes give 0 / -1.
int fluidKindFromItem(int item);
int fluidItemFromKind(int kind);
int deviceTypeFromItem(int item);
int deviceItemFromType(int type);

// Number of flowrate units offered for a fluid kind (4 liquids, 3 steam, 5 gases).
int flowUnitCount(int fluidKind);
// Selecting a fluid: resets flowUnit to 1 when it exceeds the list length.
void applyFluidKind(struct CalculationCase& c, int fluidKind);

inline constexpr int kCompositionSlots = 30;
using Composition = std::array<Real, kCompositionSlots>;

// Inputs from which the fluid properties were last computed.
struct PropertySnapshot {
  int fluidKind = 0;
  Real temperature = 0, pressureInput = 0;
  int pressureUnit = 0;
  Real density = 0, viscosityEntered = 0;
  Real refTemperature = 0, refPressure = 0, relativeHumidity = 0;
  Real co2Percent = 0, h2Percent = 0, relativeDensity = 0, calorificValue = 0;
  int compositionInMolePercent = 0;
  int naturalGasInputIsComposition = 0;
  int naturalGasEquation = 0;
  Composition composition{};
};

struct CalculationCase {
  // ---- codes ----
  int task = TaskDiameter;
  int fluidKind = FluidWater;
  int deviceType = DevOrificeCorner;
  int pipeMaterial = MatCarbonSteel;
  int deviceMaterial = MatStainless;
  int fittingOrifice = 1;
  int fittingAsme = 1;
  int fittingNozzle = 1;
  int fittingVenturi = 1;
  int pressureUnit = 3;   // 1 kG/cm2, 2 kPa, 3 MPa, 4 bar
  int flowUnit = 1;       // 1 kg/h, 2 kg/s, 3 t/h, 4 m3/h working, 5 m3/h reference
  int dpUnit = 2;         // 1 mm H2O, 2 kPa (3, 4 legacy manometer units)
  int viscosityUnit = 3;  // 1 kG*s/m2, 2 kg/(m*h), 3 Pa*s, 4 cP
  int densityKind = 1;    // 1 working density entered, 2 reference density entered

  // ---- inputs ----
  Real temperature = 0;             // degC
  Real pressureInput = 0;           // pressureUnit
  Real pipeDiameter20 = 0;          // mm at 20 degC
  Real deviceDiameter20 = 0;        // mm at 20 degC (task 1: result)
  Real flowrateInput = 0;           // flowUnit
  Real nominalFlowrate = 0;         // flowUnit
  Real dpInput = 0;                 // dpUnit
  Real drainHoleDiameter = 0;       // mm
  Real eccentricRoughness = 0;      // mm
  Real upstreamLengthActual = 0;    // m
  Real downstreamLengthActual = 0;  // m
  Real extraCUncertainty = 0;       // %
  Real dpTransmitterError = 0;      // %
  Real dpTransmitterReference = 0;  // dpUnit
  Real densityUncertainty = 0;      // %
  Real pressureTransmitterError = 0;     // %
  Real temperatureTransmitterError = 0;  // %
  Real k1Uncertainty = 0;           // %
  Real refDensityUncertainty = 0;   // %
  Real relativeHumidity = 0;        // %
  Real refTemperature = 0;          // degC
  Real refPressure = 101.325L;      // kPa

  // ---- fluid properties ----
  Real enteredDensity = 0;     // kg/m3, as shown/typed on the fluid page
  Real density = 0;            // working density, kg/m3
  Real refDensity = 0;         // density at reference conditions, kg/m3
  Real viscosityEntered = 0;   // viscosityUnit
  Real isentropicExponent = 0; // kappa
  Real compressibilityK1 = 0;  // Z(working)/Z(reference) ratio K1
  Real satPressure = 0;        // saturation pressure of water vapour at t, kG/cm2
  Real satVapourDensity = 0;   // density of saturated water vapour at t, kg/m3
  int densityEnteredByHand = 0;
  Real specificVolume = 0;     // m3/kg
  Real specificEnthalpy = 0;   // kJ/kg
  Real saturationTemperature = 0;  // degC (steam; none at 220 bar or more)
  bool saturationTemperatureKnown = false;
  Real compressibilityZ = 0;
  Real steamMoleFraction = 0;
  Composition mixtureComposition{};     // 22 used, component order of the mixture table
  Composition mixtureMolePercent{};
  Composition naturalGasComposition{};  // 30 components, natural-gas order
  Composition naturalGasMolePercent{};
  Real cokeGasCnHm = 0;
  Real cokeGasCnHmMole = 0;
  int compositionInMolePercent = 1;
  int naturalGasInputIsComposition = 1;
  // Natural gas by composition: 1 SGERG-88 (ISO 12213-3), 2 AGA8-92DC
  // (ISO 12213-2), 3 GERG-2008 (ISO 20765-2).
  int naturalGasEquation = 1;
  Real calorificValue = 0;    // MJ/m3, superior
  Real relativeDensity = 0;
  Real co2Percent = 0;
  Real h2Percent = 0;
  std::string refConditionsText;

  // humidity-correction dialog
  Real humidityMeasTemperature = 0;
  Real humidityMeasPressure = 0;
  Real humidityMeasured = 0;

  // ---- fields kept for the case file ----
  std::string caseTitle;
  std::string fluidName;
  std::array<Real, 2> balanceNumber{};
  Real manualDensity = 0, manualViscosity = 0, manualIsentropicExponent = 0, manualK1 = 0;
  std::array<Real, 2> dpUnit3Values{};
  std::array<Real, 2> dpUnit4Values{};
  std::string dataFilePath;
  std::time_t dataFileDate = 0;
  bool dataFileDateKnown = false;

  // ---- derived (driver) ----
  Real pressureAt = 0;    // kG/cm2
  Real pressureBar = 0;   // bar
  Real pressureKPa = 0;   // kPa
  Real dpMmH2O = 0;       // kG/m2
  Real dpUnitFactor = 1;
  Real dpTransmitterReferenceMmH2O = 0;
  Real viscosityTech = 0;  // kG*s/m2
  Real viscosityPaS = 0;   // Pa*s
  Real flowUnitFactor = 1; // flowrate in flowUnit per 1 kg/h
  Real massFlowKgH = 0;
  Real nominalPercent = 100;
  Real pipeExpansionFactor = 1;
  Real deviceExpansionFactor = 1;
  Real drainHoleFactor = 0;

  // ---- results ----
  Real pipeDiameter = 0;    // D at t, mm
  Real deviceDiameter = 0;  // d at t, drain-hole corrected, mm
  Real beta = 0;
  Real quarterCircleRadiusRatio = 0;
  Real dpKPa = 0;
  Real dischargeCoefficient = 0;
  Real expansibility = 0;
  Real cUncertainty = 0;
  Real expansibilityUncertainty = 0;
  Real flowUncertainty = 0;
  Real pressureLoss = 0;
  // Every term of `flowUncertainty` (the main result's budget); the pages
  // print the terms from it.
  UncertaintyBudget uncertaintyBudget;
  Real reynolds = 0;
  Real reynoldsMin = 0;
  Real reynoldsMax = 0;
  Real roughnessLimitFactor = 0;
  Real upstreamLengthRequired = 0;
  Real upstreamLengthB = 0;
  Real downstreamLengthRequired = 0;
  Real downstreamLengthB = 0;
  // limit values for display and reports
  Real lowerRangeFlowrate = 0;
  Real reynoldsLimitFlowrate = 0;
  Real edgeRadiusLimit = 0;
  Real roughnessLimit = 0;

  // ---- flags ----
  bool caseModified = false;
  bool rangeMode = false;
  bool humidityCorrected = false;
  bool rangePartlyOutside = false;
  bool warnReynoldsHigh = false;
  bool warnReynoldsLow = false;
  bool warnDpRatio = false;
  bool warnPipeTooLarge = false;
  bool warnPipeTooSmall = false;
  bool warnDeviceTooSmall = false;
  bool warnVaporization = false;
  bool warnAsmeRange = false;
  bool warnDrainHolePipe = false;
  bool warnDrainHoleBeta = false;
  bool warnDrainHoleSize = false;
  // The small-bore (ASME) fitting list is shown instead of the ISO orifice
  // list; the driver switches it when the pipe becomes small-bore.
  bool asmeFittingListShown = false;

  // Inputs the stored properties were computed from.
  PropertySnapshot lastPropertyInputs;

  void clearWarnings();
  // Any warning flag set: the results do not conform to the standard (a
  // deviation was accepted or a warning raised), and the results page and
  // the printed pages say so.
  bool hasWarnings() const;
};

// New case: every default of a fresh measuring point.  `task` is kept, and so
// is the property snapshot (the zeroed properties make it stale anyway).
void resetCase(CalculationCase& c);

// "(" + t + " degC, " + p + " kPa)" from the reference conditions.
std::string referenceConditionsText(Real refTemperature, Real refPressure);

// The one name of the reference volume flowrate unit, on every page, window
// and in the JSON: "Nm3/h" at normal conditions (0 degC, 101.325 kPa),
// "Sm3/h" at any other reference conditions (stated beside it once per page).
std::string referenceVolumeFlowUnit(Real refTemperature, Real refPressure);
// The density unit at the same reference conditions: "kg/Nm3" or "kg/Sm3".
std::string referenceDensityUnit(Real refTemperature, Real refPressure);

}  // namespace dorvel
