// dorvel-cli calc --json over many case files in one process: reading each
// file, computing the properties and the task, and writing the JSON object.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "calc/case.h"
#include "calc/interaction.h"
#include "cli/cli.h"
#include "files/case_file.h"

namespace {

namespace fs = std::filesystem;

// 1000 liquid cases (other liquid and water, orifice plates and nozzles)
// written to a scratch folder once.
const std::vector<std::string>& caseFiles(int fluidKind) {
  static std::vector<std::string> files[16];
  auto& list = files[fluidKind];
  if (!list.empty()) return list;
  fs::path dir = fs::temp_directory_path() / ("dorvel-bench-cases-" + std::to_string(fluidKind));
  fs::create_directories(dir);
  std::mt19937 rng(1234);
  std::uniform_real_distribution<double> u(0.0, 1.0);
  const int devices[] = {1, 2, 3, 4, 5, 10};
  for (int i = 0; i < 1000; ++i) {
    dorvel::CalculationCase c;
    dorvel::resetCase(c);
    c.task = 1 + i % 3;
    c.fluidKind = fluidKind;
    c.deviceType = devices[i % 6];
    c.pipeDiameter20 = 100 + 200 * static_cast<dorvel::Real>(u(rng));
    c.deviceDiameter20 = c.pipeDiameter20 * (0.4L + 0.2L * static_cast<dorvel::Real>(u(rng)));
    c.temperature = 20 + 60 * static_cast<dorvel::Real>(u(rng));
    c.pressureInput = 0.5L + static_cast<dorvel::Real>(u(rng));
    c.dpInput = 10 + 40 * static_cast<dorvel::Real>(u(rng));
    c.flowrateInput = 20000 + 100000 * static_cast<dorvel::Real>(u(rng));
    c.nominalFlowrate = c.flowrateInput * 0.7L;
    c.density = 870;
    c.viscosityEntered = 0.01L;
    c.fittingOrifice = c.fittingNozzle = c.fittingVenturi = 1;
    std::string path = (dir / ("case-" + std::to_string(i) + ".dvl")).string();
    dorvel::RecordingInteraction ui;
    dorvel::writeCaseFile(path, c, ui);
    list.push_back(path);
  }
  return list;
}

void calcJson(benchmark::State& state, int fluidKind) {
  const auto& files = caseFiles(fluidKind);
  std::vector<std::string> args = {"calc", "--json", "--accept-deviations"};
  args.insert(args.end(), files.begin(), files.end());
  for (auto _ : state) {
    std::ostringstream out, err;
    int status = dorvel::cli::runCli(args, out, err);
    benchmark::DoNotOptimize(status);
    benchmark::DoNotOptimize(out.str().size());
  }
  state.counters["cases/s"] = benchmark::Counter(
      static_cast<double>(files.size()) * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate);
}

void BM_CalcJsonOtherLiquid(benchmark::State& state) { calcJson(state, dorvel::FluidOtherLiquid); }
void BM_CalcJsonWater(benchmark::State& state) { calcJson(state, dorvel::FluidWater); }

}  // namespace

BENCHMARK(BM_CalcJsonOtherLiquid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalcJsonWater)->Unit(benchmark::kMillisecond);
