// One state (density, Z and the isentropic exponent) of a natural gas by
// AGA8-92DC and by GERG-2008, composition set-up included and the energies
// left out, as the natural-gas property routine computes it.  Targets on the project's
// machine: AGA8-92DC at most 30 us, GERG-2008 at most 100 us.
#include <benchmark/benchmark.h>

#include "props/aga8_92dc.h"
#include "props/gerg2008.h"

using namespace dorvel;

namespace {

// A high-methane gas with 20 % hydrogen (11 components).
GasComposition blend() {
  GasComposition x{};
  x[kGcMethane] = 0.7024L;
  x[kGcNitrogen] = 0.016L;
  x[kGcCarbonDioxide] = 0.012L;
  x[kGcEthane] = 0.048L;
  x[kGcPropane] = 0.012L;
  x[kGcIsobutane] = 0.0016L;
  x[kGcNButane] = 0.0024L;
  x[kGcIsopentane] = 0.0008L;
  x[kGcNPentane] = 0.0008L;
  x[kGcNHexane] = 0.0040L;
  x[kGcHydrogen] = 0.2L;
  return x;
}

template <class Mixture>
void oneState(benchmark::State& state) {
  const GasComposition x = blend();
  for (auto _ : state) {
    const Mixture gas(x);
    const GasState s = gas.state(288.15L, 5000, false);
    benchmark::DoNotOptimize(s.molarDensity);
    benchmark::DoNotOptimize(s.z);
    benchmark::DoNotOptimize(s.kappa);
  }
}

void BM_Aga8_92dcOneState(benchmark::State& state) { oneState<Aga8Mixture>(state); }
void BM_Gerg2008OneState(benchmark::State& state) { oneState<Gerg2008Mixture>(state); }

}  // namespace

BENCHMARK(BM_Aga8_92dcOneState)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Gerg2008OneState)->Unit(benchmark::kMicrosecond);
