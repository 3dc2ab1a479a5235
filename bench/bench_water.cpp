// Cost of one water property evaluation (IFC-67 subregion 1 plus IAPS 1985
// viscosity, as the property page and the range sweeps call them) and of one
// steam evaluation (subregion 2 plus viscosity), and of the liquid-ammonia
// table lookup.
#include <benchmark/benchmark.h>

#include "base/interaction.h"
#include "props/ammonia.h"
#include "props/water_steam.h"

using namespace dorvel;

static void BM_WaterPropertiesAndViscosity(benchmark::State& state) {
  Real t = 20, p = 1e5L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(t);
    benchmark::DoNotOptimize(p);
    WaterState s = waterProperties(t, p);
    Real eta = waterViscosity(t, s.specificVolume);
    benchmark::DoNotOptimize(s);
    benchmark::DoNotOptimize(eta);
  }
}
BENCHMARK(BM_WaterPropertiesAndViscosity);

static void BM_WaterProperties(benchmark::State& state) {
  Real t = 150, p = 5e6L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(t);
    WaterState s = waterProperties(t, p);
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_WaterProperties);

static void BM_SteamProperties(benchmark::State& state) {
  Real t = 250, p = 1e6L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(t);
    benchmark::DoNotOptimize(p);
    WaterState s = steamProperties(t, p);
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_SteamProperties);

static void BM_SteamPropertiesAndViscosity(benchmark::State& state) {
  Real t = 250, p = 1e6L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(t);
    WaterState s = steamProperties(t, p);
    Real eta = waterViscosity(t, s.specificVolume);
    benchmark::DoNotOptimize(eta);
  }
}
BENCHMARK(BM_SteamPropertiesAndViscosity);

static void BM_LiquidAmmonia(benchmark::State& state) {
  RecordingInteraction ui;
  Real t = 20, p = 10;
  for (auto _ : state) {
    benchmark::DoNotOptimize(t);
    AmmoniaProperties a = liquidAmmoniaProperties(t, p, 0, ui);
    benchmark::DoNotOptimize(a);
  }
}
BENCHMARK(BM_LiquidAmmonia);
