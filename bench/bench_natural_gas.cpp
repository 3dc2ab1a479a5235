// Per-call cost of the natural-gas and coke-oven gas property routines.
#include <benchmark/benchmark.h>

#include "base/interaction.h"
#include "props/coke_gas.h"
#include "props/components.h"
#include "props/natural_gas.h"
#include "props/sgerg88.h"

using namespace dorvel;

namespace {

// A rich gas (ISO 12213-3 Annex C gas 3 pseudo-composition, CH4/C2H6 split).
Composition richGas() {
  Composition y{};
  y[kNgSlotCH4] = 81.99L;
  y[kNgSlotC2H6] = 15.53L;
  y[kNgSlotN2] = 0.98L;
  y[kNgSlotCO2] = 1.5L;
  return y;
}

void BM_NaturalGasFromComposition(benchmark::State& state) {
  const Composition y = richGas();
  RecordingInteraction ui;
  Real t = -3.15L;
  for (auto _ : state) {
    NaturalGasResult r = naturalGasFromComposition(y, 0, t, 12000, ui);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_NaturalGasFromComposition);

void BM_NaturalGasFromProperties(benchmark::State& state) {
  for (auto _ : state) {
    NaturalGasResult r = naturalGasFromProperties(43.53L, 0.650L, 0, 1.5L, 0, -3.15L, 12000);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_NaturalGasFromProperties);

void BM_SgergCompressibility(benchmark::State& state) {
  const SgergComposition x{0.975211L, 0.009789L, 0.015L, 0.0L, 0.0L};
  for (auto _ : state) {
    SgergResult r = sgergCompressibility(x, 997.285L, 12000, 270);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_SgergCompressibility);

void BM_CokeGasProperties(benchmark::State& state) {
  Composition y{};
  y[kSlotH2] = 55;
  y[kSlotCH4] = 25;
  y[kSlotCO] = 6;
  y[kSlotN2] = 8;
  y[kSlotCO2] = 3;
  y[kSlotO2] = 1;
  for (auto _ : state) {
    CokeGasResult r = cokeGasProperties(y, 2, 50, 20, 3000, 0, 101.325L);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_CokeGasProperties);

}  // namespace
