// Whole calculations: the property dispatcher per fluid kind, and the
// properties plus the driver for a water measurement.
#include <benchmark/benchmark.h>

#include "calc/driver.h"
#include "props/air.h"
#include "props/components.h"
#include "props/properties.h"

using namespace dorvel;

namespace {

// Discards everything; the benchmarked cases raise no message anyway.
class Silent : public Interaction {
 public:
  void showMessage(const Message&) override {}
  bool askQuestion(const Message&) override { return false; }
};

CalculationCase waterFlowCase() {
  CalculationCase c;
  resetCase(c);
  c.task = 3;
  c.fluidKind = FluidWater;
  c.deviceType = DevOrificeFlange;
  c.temperature = 20;
  c.pressureUnit = 4;
  c.pressureInput = 5;
  c.pipeDiameter20 = 100;
  c.deviceDiameter20 = 50;
  c.dpInput = 20;
  c.dpTransmitterError = 0.1L;
  c.dpTransmitterReference = 20;
  return c;
}

CalculationCase gasCase(int kind) {
  CalculationCase c;
  resetCase(c);
  c.fluidKind = kind;
  c.temperature = 15;
  c.pressureUnit = 4;
  c.pressureInput = 20;
  switch (kind) {
    case FluidSteam:
      c.temperature = 300;
      break;
    case FluidLiquidAmmonia:
      c.pressureInput = 10;
      break;
    case FluidAir:
      setAirComposition(c);
      c.relativeHumidity = 50;
      break;
    case FluidOtherGas:
      c.mixtureComposition[kSlotN2] = 10;
      c.mixtureComposition[kSlotCH4] = 85;
      c.mixtureComposition[kSlotCO2] = 5;
      break;
    case FluidCokeGas:
      c.pressureInput = 2;
      c.mixtureComposition[kSlotH2] = 55;
      c.mixtureComposition[kSlotCH4] = 25;
      c.mixtureComposition[kSlotCO] = 6;
      c.mixtureComposition[kSlotN2] = 8;
      c.mixtureComposition[kSlotCO2] = 3;
      c.mixtureComposition[kSlotO2] = 1;
      c.cokeGasCnHm = 2;
      break;
    case FluidNaturalGas:
      c.naturalGasComposition[kNgSlotCH4] = 90;
      c.naturalGasComposition[kNgSlotC2H6] = 5;
      c.naturalGasComposition[kNgSlotN2] = 3;
      c.naturalGasComposition[kNgSlotCO2] = 2;
      break;
    default:
      break;
  }
  return c;
}

void BM_Properties(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  const CalculationCase base = gasCase(kind);
  Silent ui;
  for (auto _ : state) {
    CalculationCase c = base;
    bool ok = computeFluidProperties(c, kind, ui);
    if (!ok) state.SkipWithError("properties failed");
    benchmark::DoNotOptimize(c.density);
  }
}
BENCHMARK(BM_Properties)->ArgName("fluidKind")->Arg(1)->Arg(3)->Arg(4)->Arg(5)->Arg(6)->Arg(7)->Arg(9);

void BM_WaterCalculation(benchmark::State& state) {
  const CalculationCase base = waterFlowCase();
  Silent ui;
  for (auto _ : state) {
    CalculationCase c = base;
    bool nonConforming = false;
    bool ok = computeFluidProperties(c, FluidWater, ui) && runCalculation(c, ui, nonConforming);
    if (!ok) state.SkipWithError("calculation failed");
    benchmark::DoNotOptimize(c.massFlowKgH);
  }
}
BENCHMARK(BM_WaterCalculation);

}  // namespace
