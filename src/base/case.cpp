#include "base/case.h"

#include "base/format.h"

namespace dorvel {

bool isCompressible(int k) {
  return k == FluidSteam || k == FluidAir || k == FluidOtherGas || k == FluidCokeGas ||
         k == FluidNaturalGas8 || k == FluidNaturalGas || k == FluidSteam13;
}

bool isFluidKindCode(int k) { return (k >= FluidWater && k <= FluidNaturalGas) || k == FluidSteam13; }
bool isNaturalGasKind(int k) { return k == FluidNaturalGas || k == FluidNaturalGas8; }

bool isOrificePlate(int t) { return t >= DevOrificeCorner && t <= DevOrificeFlange; }

namespace {
constexpr int kFluidByItem[] = {1, 3, 4, 9, 7, 5, 2, 6};
constexpr int kDeviceByItem[] = {1, 2, 3, 4, 5, 6, 9, 10, 11, 8, 12, 7};
}  // namespace

int fluidKindFromItem(int item) {
  if (item < 0 || item >= static_cast<int>(std::size(kFluidByItem))) return 0;
  return kFluidByItem[item];
}

int fluidItemFromKind(int kind) {
  for (int i = 0; i < static_cast<int>(std::size(kFluidByItem)); ++i)
    if (kFluidByItem[i] == kind) return i;
  return -1;
}

int deviceTypeFromItem(int item) {
  if (item < 0 || item >= static_cast<int>(std::size(kDeviceByItem))) return 0;
  return kDeviceByItem[item];
}

int deviceItemFromType(int type) {
  for (int i = 0; i < static_cast<int>(std::size(kDeviceByItem)); ++i)
    if (kDeviceByItem[i] == type) return i;
  return -1;
}

int flowUnitCount(int fluidKind) {
  switch (fluidKind) {
    case FluidWater:
    case FluidOtherLiquid:
    case FluidLiquidAmmonia:
      return 4;
    case FluidSteam:
    case FluidSteam13:
      return 3;
    default:
      return 5;
  }
}

void applyFluidKind(CalculationCase& c, int fluidKind) {
  c.fluidKind = fluidKind;
  if (c.flowUnit > flowUnitCount(fluidKind)) c.flowUnit = 1;
}

void CalculationCase::clearWarnings() {
  warnReynoldsHigh = warnReynoldsLow = warnDpRatio = false;
  warnPipeTooLarge = warnPipeTooSmall = warnDeviceTooSmall = false;
  warnVaporization = warnAsmeRange = false;
  warnDrainHolePipe = warnDrainHoleBeta = warnDrainHoleSize = false;
}

bool CalculationCase::hasWarnings() const {
  return warnReynoldsHigh || warnReynoldsLow || warnDpRatio || warnPipeTooLarge ||
         warnPipeTooSmall || warnDeviceTooSmall || warnVaporization || warnAsmeRange ||
         warnDrainHolePipe || warnDrainHoleBeta || warnDrainHoleSize;
}

std::string referenceConditionsText(Real refTemperature, Real refPressure) {
  return "(" + formatGeneral(refTemperature, 4) + " \u00B0C, " + formatGeneral(refPressure, 6) +
         " kPa)";
}

namespace {
bool normalConditions(Real refTemperature, Real refPressure) {
  return refTemperature == 0 && refPressure == 101.325L;
}
}  // namespace

std::string referenceVolumeFlowUnit(Real refTemperature, Real refPressure) {
  return normalConditions(refTemperature, refPressure) ? "Nm3/h" : "Sm3/h";
}

std::string referenceDensityUnit(Real refTemperature, Real refPressure) {
  return normalConditions(refTemperature, refPressure) ? "kg/Nm3" : "kg/Sm3";
}

void resetCase(CalculationCase& c) {
  CalculationCase fresh;
  fresh.task = c.task;
  fresh.lastPropertyInputs = c.lastPropertyInputs;
  fresh.asmeFittingListShown = c.asmeFittingListShown;
  fresh.refConditionsText = referenceConditionsText(fresh.refTemperature, fresh.refPressure);
  c = std::move(fresh);
}

}  // namespace dorvel
