// Cost of one coefficient evaluation: what every solver pass pays.
#include <benchmark/benchmark.h>

#include "calc/coefficients.h"
#include "calc/device_terms.h"

using namespace dorvel;

namespace {

CalculationCase benchCase(int device) {
  CalculationCase c;
  c.task = TaskFlowrate;
  c.deviceType = device;
  c.pipeDiameter = c.pipeDiameter20 = 150;
  c.eccentricRoughness = 0.3L;
  c.upstreamLengthActual = 3;
  c.downstreamLengthActual = 1;
  return c;
}

void BM_DeviceCoefficients(benchmark::State& state) {
  const CalculationCase c = benchCase(static_cast<int>(state.range(0)));
  const DeviceSetup device = deviceSetupOf(c);
  const TaskContext task = taskContextOf(c);
  Real re = 2e5L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(deviceCoefficients(device, task, 0.55L, re));
    re += 1;
  }
}
// 1 corner, 3 flange (Reader-Harris/Gallagher), 4 ISA 1932, 6 Venturi nozzle,
// 7 eccentric, 10 machined Venturi.
BENCHMARK(BM_DeviceCoefficients)->Arg(1)->Arg(3)->Arg(4)->Arg(6)->Arg(7)->Arg(10);

// The Reynolds-dependent part alone, as a flowrate pass pays it.
void BM_DeviceCoefficientsPrepared(benchmark::State& state) {
  CalculationCase c = benchCase(static_cast<int>(state.range(0)));
  detail::GeometryTerms g;
  detail::BetaTerms t;
  detail::ReynoldsTerms r;
  detail::prepareGeometry(deviceSetupOf(c), taskContextOf(c), g);
  detail::prepareBeta(g, 0.55L, true, t);
  Real re = 2e5L;
  for (auto _ : state) {
    detail::prepareReynolds(g, re, r);
    benchmark::DoNotOptimize(detail::evaluateCoefficients(g, t, r));
    re += 1;
  }
}
BENCHMARK(BM_DeviceCoefficientsPrepared)->Arg(3)->Arg(4)->Arg(6);

void BM_Expansibility(benchmark::State& state) {
  CalculationCase c = benchCase(static_cast<int>(state.range(0)));
  Real dp = 2000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        expansibilityFactor(c.deviceType, taskContextOf(c), 1.4L, 0.55L, dp, 5.0986L));
    dp += 0.001L;
  }
}
// 3 orifice family, 4 nozzle family, 12 conical entrance (both).
BENCHMARK(BM_Expansibility)->Arg(3)->Arg(4)->Arg(12);

}  // namespace
