// Cost of the gas-mixture property routines.
#include <benchmark/benchmark.h>

#include "base/interaction.h"
#include "base/shared.h"
#include "props/air.h"
#include "props/mixture.h"

using namespace dorvel;

namespace {

CalculationCase airCase(Real t, Real pKPa) {
  CalculationCase c;
  c.fluidKind = FluidAir;
  c.temperature = t;
  c.pressureUnit = 2;
  c.pressureInput = pKPa;
  convertPressureUnits(c);
  setAirComposition(c);
  return c;
}

// One air property computation as the property page runs it: dry gas at
// reference and working conditions, humid gas with isentropic exponent and
// viscosity.
void BM_GasMixturePropertiesAir(benchmark::State& state) {
  CalculationCase c = airCase(20, 1000);
  const Real phi = static_cast<Real>(state.range(0));
  RecordingInteraction ui;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        gasMixtureProperties(c, c.mixtureMolePercent, phi, c.temperature, c.pressureBar, ui));
    benchmark::DoNotOptimize(c.density);
  }
}
BENCHMARK(BM_GasMixturePropertiesAir)->Arg(0)->Arg(50)->Unit(benchmark::kMicrosecond);

// A rich natural-gas-like mixture of 12 components: the Wilke sum is quadratic.
void BM_MixtureStateFull12(benchmark::State& state) {
  MoleFractions y{};
  const int slots[] = {kSlotN2,   kSlotO2,    kSlotH2,    kSlotAr,   kSlotHe,   kSlotCO,
                       kSlotCO2,  kSlotCH4,   kSlotC2H6,  kSlotC3H8, kSlotC4H10, kSlotC5H12};
  for (int s : slots) y[static_cast<std::size_t>(s)] = 1.0L / 12;
  const MixtureParameters mix = mixtureParameters(y);
  for (auto _ : state) {
    benchmark::DoNotOptimize(mixtureStateProperties(StateDetail::Full, 20, 40, mix));
  }
}
BENCHMARK(BM_MixtureStateFull12)->Unit(benchmark::kMicrosecond);

void BM_SolveCompressibility(benchmark::State& state) {
  const ComponentParameters& cp = componentParameters();
  Real p = 1e6L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(solveCompressibility(cp.b[kSlotN2], cp.a[kSlotN2][kSlotN2],
                                                  kGasConstant, p, 293.15L));
  }
}
BENCHMARK(BM_SolveCompressibility);

}  // namespace
