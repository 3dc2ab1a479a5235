// dorvel-cli calc --json over many case files in one process: reading each
// file, computing the properties and the task, and writing the JSON object,
// on one core (-j 1) and on two (-j 2).  The goal: 40,000 liquid cases per
// second on a two-core machine.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "base/case.h"
#include "base/interaction.h"
#include "cli/cli.h"
#include "files/case_file.h"

namespace {

namespace fs = std::filesystem;

class CountingBuffer : public std::streambuf {
 public:
  size_t count = 0;

 protected:
  std::streamsize xsputn(const char*, std::streamsize n) override {
    count += static_cast<size_t>(n);
    return n;
  }
  int_type overflow(int_type ch) override {
    ++count;
    return ch;
  }
};

// 1000 liquid cases (other liquid or water; orifice plates, nozzles and a
// Venturi tube; all three tasks), each computing without a question, written
// to a scratch folder once.
const std::vector<std::string>& caseFiles(int fluidKind) {
  static std::vector<std::string> files[16];
  auto& list = files[fluidKind];
  if (!list.empty()) return list;
  fs::path dir = fs::temp_directory_path() / ("dorvel-bench-cases-" + std::to_string(fluidKind));
  fs::create_directories(dir);
  std::mt19937 rng(1234);
  std::uniform_real_distribution<double> u(0.0, 1.0);
  const int devices[] = {1, 2, 3, 4, 5, 10};
  // Only cases that compute without a question or a refusal are kept.
  CountingBuffer sink;
  std::ostream quiet(&sink);
  for (int i = 0; list.size() < 1000 && i < 100000; ++i) {
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
    if (dorvel::cli::runCli({"calc", path}, quiet, quiet) == dorvel::cli::kExitOk)
      list.push_back(path);
    else
      fs::remove(path);
  }
  return list;
}

// Arg: the number of jobs of calc -j (the rate is per second of wall-clock
// time, so that the threads' work counts once).
void calcJson(benchmark::State& state, int fluidKind) {
  const auto& files = caseFiles(fluidKind);
  std::vector<std::string> args = {"calc", "--json", "-j", std::to_string(state.range(0))};
  args.insert(args.end(), files.begin(), files.end());
  // The output is counted and dropped, as when it goes to a pipe.
  CountingBuffer outBuf, errBuf;
  std::ostream out(&outBuf), err(&errBuf);
  for (auto _ : state) {
    int status = dorvel::cli::runCli(args, out, err);
    benchmark::DoNotOptimize(status);
  }
  state.counters["bytes/case"] =
      static_cast<double>(outBuf.count) / static_cast<double>(files.size()) /
      static_cast<double>(state.iterations());
  state.counters["cases/s"] = benchmark::Counter(
      static_cast<double>(files.size()) * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate);
}

void BM_CalcJsonOtherLiquid(benchmark::State& state) { calcJson(state, dorvel::FluidOtherLiquid); }
void BM_CalcJsonWater(benchmark::State& state) { calcJson(state, dorvel::FluidWater); }

}  // namespace

BENCHMARK(BM_CalcJsonOtherLiquid)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalcJsonWater)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);
