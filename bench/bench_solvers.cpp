// Cost of one call of each solver.
#include <benchmark/benchmark.h>

#include "calc/solvers.h"

using namespace dorvel;

namespace {

// Arg 0: water, 1: air (expansibility iterated).
CalculationCase benchCase(int device, bool gas) {
  CalculationCase c;
  c.task = TaskFlowrate;
  c.deviceType = device;
  c.fluidKind = gas ? FluidAir : FluidWater;
  c.pipeDiameter = c.pipeDiameter20 = 150;
  c.density = gas ? 6.0L : 998.2L;
  c.viscosityPaS = gas ? 1.8e-5L : 1.002e-3L;
  c.viscosityTech = c.viscosityPaS * kPaToKgm2;
  c.isentropicExponent = 1.4L;
  c.pressureAt = 5.0986L;
  c.reynoldsMax = 1e9L;
  c.upstreamLengthActual = 3;
  return c;
}

Real benchDp(bool gas) { return gas ? 2549.3L : 20394.4L; }  // x = 0.05 / 200 kPa

void BM_SolveFlowrate(benchmark::State& state) {
  const bool gas = state.range(1) != 0;
  CalculationCase c = benchCase(static_cast<int>(state.range(0)), gas);
  Real dp = benchDp(gas);
  const DeviceSetup device = deviceSetupOf(c);
  const FluidState fluid = fluidStateOf(c);
  const TaskContext task = taskContextOf(c);
  int passes = 0;
  for (auto _ : state) {
    const SolveResult r = solveFlowrate(device, fluid, task, dp, 0.55L);
    benchmark::DoNotOptimize(r);
    passes = r.passes;
    dp += 0.001L;
  }
  state.counters["passes"] = passes;
}
BENCHMARK(BM_SolveFlowrate)->Args({3, 0})->Args({3, 1})->Args({4, 0})->Args({9, 1});

void BM_SolveDifferentialPressure(benchmark::State& state) {
  const bool gas = state.range(1) != 0;
  CalculationCase c = benchCase(static_cast<int>(state.range(0)), gas);
  c.task = TaskDifferentialPressure;
  Real m = gas ? 8000 : 150000;
  const DeviceSetup device = deviceSetupOf(c);
  const FluidState fluid = fluidStateOf(c);
  const TaskContext task = taskContextOf(c);
  int passes = 0;
  for (auto _ : state) {
    const SolveResult r = solveDifferentialPressure(device, fluid, task, m, 0.55L);
    benchmark::DoNotOptimize(r);
    passes = r.passes;
    m += 0.001L;
  }
  state.counters["passes"] = passes;
}
BENCHMARK(BM_SolveDifferentialPressure)->Args({3, 0})->Args({3, 1})->Args({4, 1});

void BM_SolveBeta(benchmark::State& state) {
  const bool gas = state.range(1) != 0;
  CalculationCase c = benchCase(static_cast<int>(state.range(0)), gas);
  c.task = TaskDiameter;
  c.nominalPercent = 70;
  const Real dp = benchDp(gas);
  Real re = gas ? 1e6L : 3e5L;
  const DeviceSetup device = deviceSetupOf(c);
  const FluidState fluid = fluidStateOf(c);
  const TaskContext task = taskContextOf(c);
  int passes = 0;
  for (auto _ : state) {
    const SolveResult r = solveBeta(device, fluid, task, dp, re);
    benchmark::DoNotOptimize(r);
    passes = r.passes;
    re += 0.01L;
  }
  state.counters["passes"] = passes;
}
BENCHMARK(BM_SolveBeta)->Args({3, 0})->Args({3, 1})->Args({4, 1});

void BM_CheckBetaWindow(benchmark::State& state) {
  CalculationCase c = benchCase(DevOrificeFlange, false);
  c.task = TaskDiameter;
  c.massFlowKgH = 150000;
  const Real re = 4 * (c.massFlowKgH / 3600) / (kPi * c.viscosityPaS * 0.15L);
  RecordingInteraction ui(true);
  const DeviceSetup device = deviceSetupOf(c);
  const FluidState fluid = fluidStateOf(c);
  const TaskContext task = taskContextOf(c);
  for (auto _ : state)
    benchmark::DoNotOptimize(
        checkBetaWindow(device, fluid, task, ui, benchDp(false), c.massFlowKgH, re, c.dpUnit));
}
BENCHMARK(BM_CheckBetaWindow);

}  // namespace
