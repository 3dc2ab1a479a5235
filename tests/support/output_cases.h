// Finished calculation cases filled in by hand for the report and page tests.
//
// The values are those a calculation would leave in the case (results,
// limits, properties); they are plausible for the measuring point but are
// not checked against the solvers here: the report only formats them.
#pragma once

#include "base/case.h"
#include "calc/loss_uncertainty.h"

namespace dorvel::testing {

// The uncertainty budget the driver stores with the results, made by the
// same routine from the case's values, with its total and expansibility
// term in their fields.  Call it again after changing an uncertainty source.
inline void storeUncertaintyBudget(CalculationCase& c) {
  c.uncertaintyBudget = flowUncertaintyOf(uncertaintyInputsOf(c, c.dpMmH2O, c.cUncertainty));
  c.flowUncertainty = c.uncertaintyBudget.total;
  c.expansibilityUncertainty = c.uncertaintyBudget.expansibility;
}

// Water through a flange-tapped orifice, flowrate task, kg/h and kPa.
inline CalculationCase waterFlowrateCase() {
  CalculationCase c;
  resetCase(c);
  c.task = TaskFlowrate;
  c.fluidKind = FluidWater;
  c.deviceType = DevOrificeFlange;
  c.pipeMaterial = MatCarbonSteel;
  c.deviceMaterial = MatStainless;
  c.fittingOrifice = 6;
  c.caseTitle = "Cooling water FT-101";
  c.temperature = 20;
  c.pressureUnit = 3;
  c.pressureInput = 0.5L;
  c.pipeDiameter20 = 100;
  c.deviceDiameter20 = 50;
  c.flowUnit = 1;
  c.dpUnit = 2;
  c.dpInput = 25;
  c.dpUnitFactor = kKgm2ToKPa;
  c.dpMmH2O = 25 / kKgm2ToKPa;
  c.flowrateInput = 31226.4L;
  c.massFlowKgH = 31226.4L;
  c.flowUnitFactor = 1;
  c.density = 998.2L;
  c.viscosityUnit = 3;
  c.viscosityEntered = 0.001002L;
  c.viscosityPaS = 0.001002L;
  c.viscosityTech = 0.001002L * kPaToKgm2;
  c.specificEnthalpy = 84.01L;
  c.pressureAt = 0.5L * 10 * kBarToAt;
  c.pipeExpansionFactor = 1;
  c.deviceExpansionFactor = 1;
  c.pipeDiameter = 100;
  c.deviceDiameter = 50;
  c.beta = 0.5L;
  c.dischargeCoefficient = 0.6055L;
  c.expansibility = 1;
  c.cUncertainty = 0.5L;
  c.pressureLoss = 0.7345L;
  c.reynolds = 110150;
  c.reynoldsMin = 5000;
  c.reynoldsMax = 1e9L;
  c.lowerRangeFlowrate = 5000 / 110150.0L * 31226.4L;
  c.edgeRadiusLimit = 0.02L;
  c.roughnessLimit = 0.0381L;
  c.upstreamLengthRequired = 22;
  c.downstreamLengthRequired = 6;
  storeUncertaintyBudget(c);
  return c;
}

// Natural gas by composition, diameter task in m3/h at reference conditions,
// with transmitter errors and an accepted Reynolds-number warning.
inline CalculationCase naturalGasDiameterCase() {
  CalculationCase c;
  resetCase(c);
  c.task = TaskDiameter;
  c.fluidKind = FluidNaturalGas;
  c.deviceType = DevOrificeCorner;
  c.fittingOrifice = 2;
  c.caseTitle = "Gas inlet station, line 2";
  c.temperature = 8;
  c.pressureUnit = 4;
  c.pressureInput = 25;
  c.pipeDiameter20 = 200;
  c.deviceDiameter20 = 112.34L;
  c.flowUnit = 5;
  c.refConditionsText = referenceConditionsText(0, 101.325L);
  c.flowrateInput = 12000;
  c.nominalFlowrate = 8000;
  c.nominalPercent = 8000 / 120.0L;
  c.dpUnit = 1;
  c.dpInput = 2500;
  c.dpUnitFactor = 1;
  c.dpMmH2O = 2500;
  c.flowUnitFactor = 1 / 0.7335L;
  c.massFlowKgH = 12000 * 0.7335L;
  c.dpTransmitterError = 0.1L;
  c.dpTransmitterReference = 2500;
  c.dpTransmitterReferenceMmH2O = 2500;
  c.densityUncertainty = 0.1L;
  c.pressureTransmitterError = 0.2L;
  c.temperatureTransmitterError = 0.1L;
  c.k1Uncertainty = 0.1L;
  c.refDensityUncertainty = 0.05L;
  c.upstreamLengthActual = 8.5L;
  c.naturalGasInputIsComposition = 1;
  c.compositionInMolePercent = 1;
  c.naturalGasComposition[0] = 95.5L;   // CH4
  c.naturalGasComposition[1] = 2.2L;    // C2H6
  c.naturalGasComposition[2] = 0.5L;    // C3H8
  c.naturalGasComposition[3] = 0.1L;    // n-C4H10
  c.naturalGasComposition[4] = 0.1L;    // i-C4H10
  c.naturalGasComposition[26] = 1.1L;   // N2
  c.naturalGasComposition[28] = 0.5L;   // CO2
  c.density = 20.21L;
  c.refDensity = 0.7335L;
  c.calorificValue = 40.12L;
  c.viscosityUnit = 3;
  c.viscosityEntered = 1.07e-5L;
  c.isentropicExponent = 1.318L;
  c.compressibilityK1 = 0.9512L;
  c.pressureAt = 25 * kBarToAt;
  c.pipeExpansionFactor = 0.99986L;
  c.deviceExpansionFactor = 0.99980L;
  c.pipeDiameter = 199.97L;
  c.deviceDiameter = 112.32L;
  c.beta = 0.5617L;
  c.dischargeCoefficient = 0.6031L;
  c.expansibility = 0.9961L;
  c.cUncertainty = 0.5L;
  c.pressureLoss = 0.6612L;
  c.reynolds = 3.12e6L;
  c.reynoldsMin = 5000;
  c.reynoldsMax = 1e9L;
  c.rangePartlyOutside = true;
  c.warnReynoldsLow = true;
  c.warnDpRatio = true;
  c.lowerRangeFlowrate = 5000 / 3.12e6L * 12000;
  c.edgeRadiusLimit = 0.0449L;
  c.roughnessLimit = 0.0765L;
  c.upstreamLengthRequired = 44;
  c.downstreamLengthRequired = 7;
  storeUncertaintyBudget(c);
  return c;
}

}  // namespace dorvel::testing
