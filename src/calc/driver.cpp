#include "calc/driver.h"

#include <cmath>
#include <string>

#include "calc/coefficients.h"
#include "base/format.h"
#include "calc/limits.h"
#include "calc/loss_uncertainty.h"
#include "base/shared.h"
#include "calc/solvers.h"
#include "props/ammonia.h"
#include "props/water_steam.h"

namespace dorvel {

// The case fields of a coefficient evaluation: a NoSolution clears C, u(C),
// the roughness limit and the lengths and leaves the Reynolds limits as they
// were; the orifice plates keep the driver's upper limit.
void storeCoefficients(CalculationCase& c, const Coefficients& k) {
  c.dischargeCoefficient = k.C;
  c.cUncertainty = k.uC;
  c.roughnessLimitFactor = k.roughnessLimitFactor;
  c.upstreamLengthRequired = k.lengths.upstreamA;
  c.upstreamLengthB = k.lengths.upstreamB;
  c.downstreamLengthRequired = k.lengths.downstreamA;
  c.downstreamLengthB = k.lengths.downstreamB;
  if (k.status == SolverStatus::NoSolution) return;
  c.reynoldsMin = k.reynoldsLimits.min;
  if (k.reynoldsLimits.hasMax) c.reynoldsMax = k.reynoldsLimits.max;
}

// What a solve leaves in the case besides its unknown: the last coefficients,
// and on success epsilon.
void storeSolve(CalculationCase& c, const SolveResult& r) {
  if (r.coefficientsEvaluated) storeCoefficients(c, r.coefficients);
  if (r.status != SolverStatus::NoSolution) c.expansibility = r.expansibility;
}

namespace {

bool finite(Real x) { return std::isfinite(x); }


// One run of the driver: the case, the user and the error bookkeeping of the
// checkpoints.
class Run {
 public:
  Run(CalculationCase& c, Interaction& ui, bool& nonConforming)
      : c_(c), ui_(ui), nonConforming_(nonConforming) {}

  bool execute();

 private:
  // An error: shown now, counted at the next checkpoint.
  void error(const Message& m) {
    ui_.showMessage(m);
    failed_ = true;
  }
  // A warning that lets the calculation go on.
  void warn(bool& flag, const Message& m) {
    ui_.showMessage(m);
    flag = true;
    nonConforming_ = true;
  }
  // A question; Yes accepts the deviation and sets the flag.
  bool accept(bool& flag, Msg id) {
    if (!ui_.askQuestion(id)) return false;
    flag = true;
    nonConforming_ = true;
    return true;
  }
  bool checkpoint() const { return !failed_; }

  // dp/p1 with dp in kG/m2 and p1 in kG/cm2.  A zero or negative absolute
  // pressure makes every differential pressure too large for it.
  Real dpRatio() const {
    if (!(c_.pressureAt > 0)) return c_.dpMmH2O > 0 ? INFINITY : 0;
    return c_.dpMmH2O * 0.0001L / c_.pressureAt;
  }

  // Vaporization behind the device, and the liquid-ammonia properties the
  // check computes on the way.
  struct Vaporization {
    bool occurs = false;
    bool ammonia = false;
    Real density = 0, viscosity = 0;  // liquid ammonia at t, p1 [kg/m3, viscosityUnit]
  };
  Vaporization vaporization() const;
  // The step that checks for vaporization goes on with the ammonia
  // properties of the check.
  bool vaporizes() {
    const Vaporization v = vaporization();
    if (v.ammonia) {
      c_.density = v.density;
      c_.viscosityEntered = v.viscosity;
    }
    return v.occurs;
  }
  bool otherGasChecks();
  void rangeChecks();
  bool solve();
  bool lengthsTooShort(SolverStatus status);
  void drainHoleChecks();
  bool resultsFinite() const;
  bool resultIsPossible();

  CalculationCase& c_;
  Interaction& ui_;
  bool& nonConforming_;
  bool failed_ = false;
  // The humidity correction of a hand-typed density gave no usable density.
  bool humidityFactorUnusable_ = false;
};

// Vaporization behind the device (water and liquid ammonia): the pressure
// after the device, p1 - dp, at or below the saturation pressure.
Run::Vaporization Run::vaporization() const {
  Vaporization v;
  if (c_.fluidKind == FluidWater) {
    const Real ps = saturationPressure(c_.temperature);  // Pa
    const Real p2 = (c_.pressureAt - c_.dpMmH2O * 0.0001L) * 100000 / kBarToAt;
    v.occurs = p2 <= ps;
    return v;
  }
  if (c_.fluidKind == FluidLiquidAmmonia) {
    const AmmoniaProperties r =
        liquidAmmoniaProperties(c_.temperature, c_.pressureAt, c_.dpMmH2O, ui_);
    v.ammonia = true;
    v.density = r.density;
    v.viscosity = r.viscosity;
    v.occurs = r.status == AmmoniaEvaporation;
  }
  return v;
}

// Other gas: pressure, completeness of the typed properties and the humidity
// correction of a hand-typed density.
bool Run::otherGasChecks() {
  if (!(c_.pressureBar >= 0.006L)) {
    ui_.showMessage(Msg::AbsolutePressureTooLow);
    return false;
  }
  const bool needK1 = (c_.densityKind == 2 || c_.flowUnit == 5);
  if (!(c_.enteredDensity * c_.viscosityEntered * c_.isentropicExponent != 0) ||
      (needK1 && !(c_.compressibilityK1 != 0))) {
    ui_.showMessage(Msg::MissingProperties);
    return false;
  }
  if (c_.densityEnteredByHand) {
    const Real phi = c_.relativeHumidity;
    const SaturationState s = waterSaturation(c_.temperature);
    c_.satPressure = s.pressureAt;
    c_.satVapourDensity = s.vapourDensity;
    if (!(c_.pressureAt - phi / 100 * c_.satPressure > 0) || !(phi >= 0) || !(phi <= 100)) {
      ui_.showMessage(Msg::OtherGasHumidityTooHigh);
      return false;
    }
    // Dry part of the working density over the reference density:
    // (p - phi*ps) * Tref / (T * pref * K1).
    const Real F = humidityCorrectionFactor(c_);
    // A factor that is not finite and positive (K1 = 0, a temperature below
    // absolute zero, odd reference conditions) is refused only where it
    // spoils the density the calculation goes on with, and only after the
    // range checks have had their say (a temperature of -275 degC is "too
    // low").  A working density with K1 = 0 gives a reference density of 0.
    if (c_.densityKind == 2) {
      const Real rho = c_.refDensity * F + phi / 100 * c_.satVapourDensity;
      if (finite(rho) && rho > 0)
        c_.density = rho;
      else
        humidityFactorUnusable_ = true;
    } else {
      const Real rhoRef = (c_.density - phi / 100 * c_.satVapourDensity) / F;
      if (finite(rhoRef))
        c_.refDensity = rhoRef;
      else
        humidityFactorUnusable_ = true;
    }
    c_.humidityCorrected = !humidityFactorUnusable_;
  }
  return true;
}

// The range checks of the inputs; each failure is an error.
void Run::rangeChecks() {
  const Real D = c_.pipeDiameter20;
  const Real d = c_.deviceDiameter20;
  const bool task23 = (c_.task == 2 || c_.task == 3);
  if (!(D <= 3000)) error(Msg::PipeDiameterTooLarge);
  if (!(D >= 6)) error(Msg::PipeDiameterTooSmall);
  if (task23 && !(d >= 0.6L)) error(Msg::ThroatDiameterTooSmall);
  if (c_.task == 1 && !(c_.nominalPercent >= 10)) error(Msg::NominalFlowrateTooSmall);
  if ((c_.task == 1 || c_.task == 2) && !(c_.flowrateInput > 0)) error(Msg::NoFlowrate);
  const auto steel = [](int m) { return m >= 1 && m <= 3; };
  const Real lowest = (steel(c_.pipeMaterial) && steel(c_.deviceMaterial)) ? -270 : -70;
  if (!(c_.temperature >= lowest)) error(Msg::TemperatureTooLow);
  if (!(c_.temperature <= 650)) error(Msg::TemperatureTooHigh);
  if (c_.task == 3 && !(c_.dpInput > 0)) error(Msg::NoDifferentialPressure);
  // With no upper-range flowrate the excess is not within 1 % of it: an
  // error as well.  A negative upper-range flowrate is refused above and
  // does not pull the nominal flowrate down to it.
  if (c_.task == 1 && c_.nominalFlowrate > c_.flowrateInput && c_.flowrateInput >= 0) {
    if (c_.flowrateInput > 0 &&
        (c_.nominalFlowrate - c_.flowrateInput) / c_.flowrateInput < 0.01L) {
      // Within 1 %: a rounding of the user's, the nominal flow is the upper
      // range flow (and so 100 % of it).
      c_.nominalFlowrate = c_.flowrateInput;
      c_.nominalPercent = 100;
    } else {
      error(Msg::NominalAboveUpperRange);
    }
  }
  if (isCompressible(c_.fluidKind) && c_.task == 1 && dpRatio() > 0.25L)
    error(Msg::PressureRatioTooLarge);
  if ((c_.task == 1 || c_.task == 3) && dpRatio() > 0.5L) error(Msg::DifferentialPressureTooHigh);
}

// A discharge coefficient outside (0, 1] is no result: only an equation
// extrapolated far outside its range (after accepted deviations) gives one.
bool Run::resultIsPossible() {
  const Real C = c_.dischargeCoefficient;
  if (!std::isfinite(C) || (C > 0 && C <= 1)) return true;  // not finite: "No solution" below
  const std::string text = formatGeneral(C, 6);
  ui_.showMessage({Msg::DischargeCoefficientImpossible, {text}});
  return false;
}

bool Run::resultsFinite() const {
  for (Real x : {c_.pipeDiameter, c_.deviceDiameter, c_.deviceDiameter20, c_.beta,
                 c_.massFlowKgH, c_.dpMmH2O, c_.dischargeCoefficient, c_.expansibility,
                 c_.cUncertainty, c_.flowUncertainty, c_.expansibilityUncertainty, c_.pressureLoss,
                 c_.reynolds, c_.density, c_.viscosityPaS})
    if (!finite(x)) return false;
  return true;
}

void Run::drainHoleChecks() {
  const Real dh = c_.drainHoleDiameter;
  if (!(dh > 0)) return;
  const Real d20 = c_.deviceDiameter20;
  if (dh > 0.1L * d20)
    warn(c_.warnDrainHoleSize, Msg::DrainHoleTooLarge);
  if (isOrificePlate(c_.deviceType) && c_.pipeDiameter20 <= 100)
    warn(c_.warnDrainHolePipe, Msg::DrainHolePipeTooSmall);
  if (c_.deviceType == DevIsa1932Nozzle && c_.beta >= 0.625L)
    warn(c_.warnDrainHoleBeta, Msg::DrainHoleBetaTooLarge);
  // The increment of u(C) for the drain hole enters with the uncertainty
  // budget (step 18), so that every reading of the range carries it too.
}

// Step 16: the solver of the task.
bool Run::solve() {
  SolverStatus status = SolverStatus::Ok;
  const DeviceSetup device = deviceSetupOf(c_);
  const FluidState fluid = fluidStateOf(c_);
  const TaskContext task = taskContextOf(c_);
  if (c_.task == 1) {
    const BetaWindowResult w = checkBetaWindow(device, fluid, task, ui_, c_.dpMmH2O,
                                               c_.massFlowKgH, c_.reynolds, c_.dpUnit);
    if (w.hasReynoldsMax) c_.reynoldsMax = w.reynoldsMax;
    if (w.acceptedLow || w.acceptedHigh) c_.rangePartlyOutside = true;
    if (w.acceptedLow) c_.warnReynoldsLow = true;
    if (w.acceptedHigh) c_.warnReynoldsHigh = true;
    if (w.status != SolverStatus::Ok) {
      const std::string limit =
          formatFixedReadable(w.limit, 8, 2) + (c_.dpUnit == 1 ? " mmH20" : " kPa");
      switch (w.status) {
        case SolverStatus::DpAboveLimit:
          ui_.showMessage({Msg::DpAboveLimit, {limit}});
          break;
        case SolverStatus::DpBelowLimit:
          ui_.showMessage({Msg::DpBelowLimit, {limit}});
          break;
        case SolverStatus::BetaWindowTooNarrow:
          ui_.showMessage(Msg::BetaWindowTooNarrow);
          break;
        case SolverStatus::ReynoldsLowDeclined:
        case SolverStatus::ReynoldsHighDeclined:
          break;  // the user said No: nothing more to say
        case SolverStatus::DownstreamTooShort:
        case SolverStatus::UpstreamTooShort:
        case SolverStatus::BothLengthsTooShort:
          lengthsTooShort(w.status);
          break;
        default:
          ui_.showMessage(Msg::NoSolution);
          break;
      }
      return false;
    }
    if (c_.rangePartlyOutside) nonConforming_ = true;
    const SolveResult r = solveBeta(device, fluid, task, c_.dpMmH2O, c_.reynolds);
    storeSolve(c_, r);
    c_.beta = r.value;
    status = r.status;
    if (status == SolverStatus::NoSolution) {
      ui_.showMessage(Msg::NoSolution);
      return false;
    }
    c_.deviceDiameter = c_.beta * c_.pipeDiameter;
    const Real dh = c_.drainHoleDiameter;
    const Real k = c_.drainHoleFactor;
    c_.deviceDiameter20 = c_.deviceDiameter *
                          (1 - k * (dh / c_.deviceDiameter) * (dh / c_.deviceDiameter)) /
                          c_.deviceExpansionFactor;
    // A drain hole so large that no bore is left: no plate can be made.
    if (!(c_.deviceDiameter20 > 0)) {
      ui_.showMessage(Msg::DrainHoleLeavesNoBore);
      return false;
    }
    if (c_.deviceType == DevQuarterCircle)
      c_.quarterCircleRadiusRatio = quarterCircleRadiusRatio(c_.beta);
    if (c_.deviceDiameter20 < minimumThroatDiameter(c_.deviceType, c_.pipeDiameter20)) {
      c_.warnDeviceTooSmall = true;
      nonConforming_ = true;
    }
  } else if (c_.task == 2) {
    const SolveResult r = solveDifferentialPressure(device, fluid, task, c_.massFlowKgH, c_.beta);
    storeSolve(c_, r);
    if (r.reynoldsKnown) c_.reynolds = r.reynolds;
    c_.dpMmH2O = r.value;
    c_.dpKPa = r.dpKPa;
    status = r.status;
    // Re_D above 1e9: no coefficient there; the Reynolds window below says so.
    if (status == SolverStatus::NoSolution && !(c_.reynolds > 1e9L)) {
      ui_.showMessage(Msg::NoSolution);
      return false;
    }
    if (status == SolverStatus::NoSolution) status = SolverStatus::Ok;
  } else {
    const SolveResult r = solveFlowrate(device, fluid, task, c_.dpMmH2O, c_.beta);
    storeSolve(c_, r);
    if (r.reynoldsKnown) c_.reynolds = r.reynolds;
    c_.massFlowKgH = r.value;
    status = r.status;
    if (status == SolverStatus::NoSolution) {
      ui_.showMessage(Msg::NoSolution);
      return false;
    }
  }
  return !lengthsTooShort(status);
}

// Straight-length statuses refuse the calculation with their message.
bool Run::lengthsTooShort(SolverStatus status) {
  switch (status) {
    case SolverStatus::DownstreamTooShort:
      ui_.showMessage(Msg::DownstreamTooShort);
      return true;
    case SolverStatus::UpstreamTooShort:
      ui_.showMessage(Msg::UpstreamTooShort);
      return true;
    case SolverStatus::BothLengthsTooShort:
      ui_.showMessage(Msg::BothLengthsTooShort);
      return true;
    default:
      return false;
  }
}

bool Run::execute() {
  // 1-2. Units first, then a clean slate of warnings.
  convertPressureUnits(c_);
  c_.clearWarnings();
  c_.rangePartlyOutside = false;
  nonConforming_ = false;

  // 3. Nominal percentage.
  if (c_.task == 1) {
    c_.nominalPercent = c_.flowrateInput > 0 ? c_.nominalFlowrate / c_.flowrateInput * 100 : 0;
  } else {
    c_.nominalPercent = 100;
    c_.nominalFlowrate = c_.flowrateInput;
  }
  if (c_.task < 1 || c_.task > 3) {
    ui_.showMessage(Msg::NoSolution);
    return false;
  }

  // 4. Other gas: typed properties and the humidity correction.
  if (c_.fluidKind == FluidOtherGas && !otherGasChecks()) return false;

  // 5. Ranges.
  rangeChecks();
  if (!checkpoint()) return false;
  if (humidityFactorUnusable_) {
    ui_.showMessage(Msg::MissingProperties);
    return false;
  }

  // 6. Small-bore pipe: the upstream fittings come from the ASME list.
  if (!c_.asmeFittingListShown && isSmallBoreOrifice(c_.deviceType, c_.pipeDiameter20) &&
      c_.fittingOrifice > 1 && c_.fittingAsme == 1) {
    c_.asmeFittingListShown = true;
    ui_.showMessage(Msg::FittingListChanged);
    return false;
  }

  // 7. Vaporization behind the device.
  if ((c_.task == 1 || c_.task == 3) &&
      (c_.fluidKind == FluidWater || c_.fluidKind == FluidLiquidAmmonia) && vaporizes()) {
    if (!accept(c_.warnVaporization, Msg::VaporizationContinue))
      return false;
  }

  // 8. Pipe diameter against the device's range.
  const LimitRange range = pipeDiameterRange(c_.deviceType);
  if (c_.pipeDiameter20 < range.min) {
    if (!accept(c_.warnPipeTooSmall, Msg::PipeTooSmallContinue))
      failed_ = true;
  } else if (c_.pipeDiameter20 > range.max) {
    if (!accept(c_.warnPipeTooLarge, Msg::PipeTooLargeContinue))
      failed_ = true;
  }

  // 9. Minimum throat diameter.
  if ((c_.task == 2 || c_.task == 3) &&
      c_.deviceDiameter20 < minimumThroatDiameter(c_.deviceType, c_.pipeDiameter20)) {
    if (!accept(c_.warnDeviceTooSmall, Msg::ThroatTooSmallContinue))
      failed_ = true;
  }

  // 10. Flange tappings between 40 and 50 mm: no standard covers them.
  if (c_.deviceType == DevOrificeFlange && c_.pipeDiameter20 > 40 && c_.pipeDiameter20 < 50) {
    if (!accept(c_.warnAsmeRange, Msg::FlangeGapContinue))
      failed_ = true;
  }
  if (!checkpoint()) return false;

  // 11. Gas, flowrate task, dp above a quarter of p1.
  if (isCompressible(c_.fluidKind) && c_.task == 3 && dpRatio() > 0.25L) {
    if (!accept(c_.warnDpRatio, Msg::DpRatioContinue))
      return false;
  }

  // 12. Geometry at the working temperature.
  const ThermalExpansion te =
      expansionFactors(c_.pipeMaterial, c_.deviceMaterial, c_.temperature, c_.pipeDiameter20);
  c_.pipeExpansionFactor = te.pipeFactor;
  c_.deviceExpansionFactor = te.deviceFactor;
  c_.pipeDiameter = te.pipeDiameter;
  if (c_.task == 2 || c_.task == 3) {
    const DeviceGeometry g = deviceGeometry(c_.deviceType, c_.deviceDiameter20,
                                            c_.drainHoleDiameter, te.deviceFactor, te.pipeDiameter);
    c_.drainHoleFactor = g.drainHoleFactor;
    c_.drainHoleDiameter = g.drainHoleDiameter;
    c_.deviceDiameter = g.deviceDiameter;
    c_.beta = g.beta;
    const LimitRange br = betaRange(c_.deviceType, c_.pipeDiameter20);
    const std::string b = formatGeneral(c_.beta, 8);
    if (!(c_.beta >= br.min)) {
      error({Msg::BetaTooSmall, {b}});
    } else if (!(c_.beta <= br.max)) {
      error({Msg::BetaTooLarge, {b}});
    }
    if (!failed_ && c_.deviceType == DevQuarterCircle)
      c_.quarterCircleRadiusRatio = quarterCircleRadiusRatio(c_.beta);
  } else {
    // The diameter task applies the drain-hole correction the other way
    // round after solving; a device without a drain-hole factor has no
    // drain hole.
    c_.drainHoleFactor = drainHoleFactorOf(c_.deviceType);
    if (c_.drainHoleFactor == 0) c_.drainHoleDiameter = 0;
  }
  if (!checkpoint()) return false;

  // 13. Viscosity in kG*s/m2 and Pa*s.
  const Real v = c_.viscosityEntered;
  switch (c_.viscosityUnit) {
    case 1:
      c_.viscosityTech = v;
      c_.viscosityPaS = v / kPaToKgm2;
      break;
    case 2:
      c_.viscosityTech = v / kKgmhToTech;
      c_.viscosityPaS = v / kKgmhToTech / kPaToKgm2;
      break;
    case 3:
      c_.viscosityTech = kPaToKgm2 * v;
      c_.viscosityPaS = v;
      break;
    case 4:
      c_.viscosityTech = kCpToTech * v;
      c_.viscosityPaS = 0.001L * v;
      break;
    default:
      c_.viscosityTech = c_.viscosityPaS = 0;
      break;
  }
  // Every solver divides by the density and the viscosity.
  if (!(c_.density > 0) || !finite(c_.density) || !(c_.viscosityPaS > 0) ||
      !finite(c_.viscosityPaS)) {
    ui_.showMessage(Msg::MissingProperties);
    return false;
  }

  // 14. Flowrate unit.
  switch (c_.flowUnit) {
    case 1: c_.flowUnitFactor = 1; break;
    case 2: c_.flowUnitFactor = 1.0L / 3600; break;
    case 3: c_.flowUnitFactor = 0.001L; break;
    case 4: c_.flowUnitFactor = 1 / c_.density; break;
    case 5: {
      c_.flowUnitFactor = humidityCorrectionFactor(c_) / c_.density;
      break;
    }
    default: c_.flowUnitFactor = 0; break;
  }
  if (!finite(c_.flowUnitFactor) || !(c_.flowUnitFactor > 0)) {
    ui_.showMessage(Msg::MissingProperties);
    return false;
  }
  c_.massFlowKgH = c_.flowrateInput / c_.flowUnitFactor;
  c_.reynoldsMax = 1e9L;

  // 15. Reynolds number of the given flow.
  if (c_.task == 1 || c_.task == 2) {
    c_.reynolds = 4 * (c_.massFlowKgH / 3600) / (kPi * c_.viscosityPaS * c_.pipeDiameter * 0.001L);
    if (!(c_.reynolds <= c_.reynoldsMax)) {
      const std::string re = formatGeneral(c_.reynolds, 4);
      ui_.showMessage({Msg::ReynoldsTooLarge, {re}});
      return false;
    }
  }

  // 16. Solve.
  if (!solve()) return false;
  // The differential-pressure task is held to the limit that the other two
  // tasks apply to an entered differential pressure.
  if (c_.task == 2 && dpRatio() > 0.5L) {
    ui_.showMessage(Msg::DifferentialPressureTooHigh);
    return false;
  }
  if (!resultIsPossible()) return false;

  // 17. Drain hole.
  drainHoleChecks();

  // 18. Uncertainty and pressure loss.  The budget takes the equation's u(C)
  // and adds the drain-hole increment; `cUncertainty` keeps the sum.
  c_.pressureLoss = pressureLossOf(c_.deviceType, c_.pipeDiameter20, c_.dischargeCoefficient,
                                   c_.beta);
  const UncertaintyBudget u =
      flowUncertaintyOf(uncertaintyInputsOf(c_, c_.dpMmH2O, c_.cUncertainty));
  c_.uncertaintyBudget = u;
  c_.cUncertainty += drainHoleUncertaintyIncrement(c_.drainHoleFactor, c_.drainHoleDiameter,
                                                   c_.deviceDiameter20);
  c_.expansibilityUncertainty = u.expansibility;
  c_.flowUncertainty = u.total;
  if (!(c_.pressureLoss >= 0)) {
    ui_.showMessage(Msg::NegativePressureLoss);
    return false;
  }

  // 19. Reynolds number against the device's window.
  if (c_.task == 2 || c_.task == 3) {
    const std::string re = formatFixedReadable(c_.reynolds, 10, 0);
    if (c_.reynoldsMin > c_.reynolds)
      warn(c_.warnReynoldsLow, {Msg::ReynoldsBelowDevice, {re}});
    else if (c_.reynolds > c_.reynoldsMax)
      warn(c_.warnReynoldsHigh, {Msg::ReynoldsAboveDevice, {re}});
  }

  // 20. Differential-pressure task: warnings on the computed dp.
  if (c_.task == 2) {
    if (isCompressible(c_.fluidKind) && dpRatio() > 0.25L)
      warn(c_.warnDpRatio, Msg::DpRatioWarning);
    if ((c_.fluidKind == FluidWater || c_.fluidKind == FluidLiquidAmmonia) && vaporizes())
      warn(c_.warnVaporization, Msg::VaporizationWarning);
  }

  // Nothing that is not a number leaves the driver as a result.
  if (!resultsFinite()) {
    ui_.showMessage(Msg::NoSolution);
    return false;
  }
  computeLimitValues(c_);
  return true;
}

}  // namespace

Real humidityCorrectionFactor(const CalculationCase& c) {
  const Real phi = c.relativeHumidity;
  return (c.pressureKPa - phi * c.satPressure / kBarToAt) * (c.refTemperature + kKelvin) /
         ((c.temperature + kKelvin) * c.refPressure * c.compressibilityK1);
}

bool runCalculation(CalculationCase& c, Interaction& ui, bool& nonConforming) {
  nonConforming = false;
  Run run(c, ui, nonConforming);
  return run.execute();
}

void storeTaskResult(CalculationCase& c) {
  if (c.task == 2) c.dpInput = c.dpMmH2O * c.dpUnitFactor;
  if (c.task == 3) c.flowrateInput = c.massFlowKgH * c.flowUnitFactor;
}

}  // namespace dorvel
