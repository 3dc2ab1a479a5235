// Calculation cases computed by the calculation driver, for the range
// table, graph and page tests.
#pragma once

#include "base/case.h"
#include "calc/driver.h"
#include "base/interaction.h"

namespace dorvel::testing {

// Water at 20 degC, 5 bar, through a flange-tapped orifice D = 100 mm,
// d = 50 mm, 20 kPa; density and viscosity as the property page gives them.
inline CalculationCase waterInput(int task) {
  CalculationCase c;
  resetCase(c);
  c.task = task;
  c.fluidKind = FluidWater;
  c.deviceType = DevOrificeFlange;
  c.caseTitle = "Feed water FT-204";
  c.temperature = 20;
  c.pressureUnit = 4;  // bar
  c.pressureInput = 5;
  c.pipeDiameter20 = 100;
  c.deviceDiameter20 = 50;
  c.dpUnit = 2;  // kPa
  c.dpInput = 20;
  c.flowUnit = 1;  // kg/h
  c.flowrateInput = 20000;
  c.nominalFlowrate = 20000;
  c.density = 998.2L;
  c.enteredDensity = 998.2L;
  c.viscosityUnit = 3;  // Pa*s
  c.viscosityEntered = 1.002e-3L;
  c.specificEnthalpy = 84.01L;
  c.dpTransmitterError = 0.1L;
  c.dpTransmitterReference = 20;
  c.densityUncertainty = 0.05L;
  return c;
}

// A gas typed in by hand: 10 bar, 20 degC, air-like.
inline CalculationCase gasInput(int task) {
  CalculationCase c = waterInput(task);
  c.fluidKind = FluidOtherGas;
  c.fluidName = "Process air";
  c.caseTitle = "Compressed air header";
  c.pressureInput = 10;
  c.density = 11.9L;
  c.enteredDensity = 11.9L;
  c.viscosityEntered = 1.82e-5L;
  c.isentropicExponent = 1.4L;
  c.compressibilityK1 = 1;
  c.dpInput = 25;
  c.dpTransmitterReference = 25;
  c.flowrateInput = 2500;
  c.nominalFlowrate = 2500;
  return c;
}

// Runs the driver (questions answered Yes) and writes the task's result back
// as the results page does.  False when the driver refused the case.
inline bool calculate(CalculationCase& c) {
  RecordingInteraction ui(true);
  bool nonConforming = false;
  if (!runCalculation(c, ui, nonConforming)) return false;
  storeTaskResult(c);
  return true;
}

inline CalculationCase calculated(CalculationCase c) {
  calculate(c);
  return c;
}

}  // namespace dorvel::testing
