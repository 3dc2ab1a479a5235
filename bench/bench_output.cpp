// Page output: one calculation report drawn on a 1280-pixel-wide page
// bitmap, the graphs page, and the values of the range table and graphs.
#include <benchmark/benchmark.h>

#include <QImage>

#include "base/case.h"
#include "calc/driver.h"
#include "base/interaction.h"
#include "output/calculation_report.h"
#include "output/page_output.h"
#include "output/range_table.h"
#include "output/uncertainty_graphs.h"

namespace {

using namespace dorvel;

// Water at 20 degC, 5 bar, flange-tapped orifice D = 100 mm, d = 50 mm,
// 20 kPa: the flowrate task, calculated.
CalculationCase waterCase() {
  CalculationCase c;
  resetCase(c);
  c.task = TaskFlowrate;
  c.fluidKind = FluidWater;
  c.deviceType = DevOrificeFlange;
  c.caseTitle = "Feed water FT-204";
  c.temperature = 20;
  c.pressureUnit = 4;
  c.pressureInput = 5;
  c.pipeDiameter20 = 100;
  c.deviceDiameter20 = 50;
  c.dpUnit = 2;
  c.dpInput = 20;
  c.flowUnit = 1;
  c.density = 998.2L;
  c.enteredDensity = 998.2L;
  c.viscosityUnit = 3;
  c.viscosityEntered = 1.002e-3L;
  c.specificEnthalpy = 84.01L;
  c.dpTransmitterError = 0.1L;
  c.dpTransmitterReference = 20;
  c.densityUncertainty = 0.05L;
  RecordingInteraction ui(true);
  bool nonConforming = false;
  runCalculation(c, ui, nonConforming);
  storeTaskResult(c);
  return c;
}

void BM_ReportPageBitmap(benchmark::State& state) {
  CalculationCase c = waterCase();
  for (auto _ : state) {
    QImage image = output::renderPageImage(c, output::PageKind::CalculationReport, true, 1280,
                                           "08.12.2026");
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_ReportPageBitmap)->Unit(benchmark::kMillisecond);

void BM_ReportLines(benchmark::State& state) {
  CalculationCase c = waterCase();
  for (auto _ : state) {
    output::PageContext ctx = output::buildCalculationReport(c, true, "08.12.2026");
    benchmark::DoNotOptimize(ctx.items.data());
  }
}
BENCHMARK(BM_ReportLines)->Unit(benchmark::kMicrosecond);

void BM_GraphsPageBitmap(benchmark::State& state) {
  CalculationCase c = waterCase();
  for (auto _ : state) {
    QImage image = output::renderPageImage(c, output::PageKind::UncertaintyAnalysis, true, 1280,
                                           "08.12.2026");
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_GraphsPageBitmap)->Unit(benchmark::kMillisecond);

void BM_RangeTableValues(benchmark::State& state) {
  CalculationCase c = waterCase();
  c.reynoldsMin = 0;  // all ten columns
  for (auto _ : state) {
    output::RangeTable t = output::computeRangeTable(c, true);
    benchmark::DoNotOptimize(t.columns.data());
  }
}
BENCHMARK(BM_RangeTableValues)->Unit(benchmark::kMicrosecond);

void BM_GraphValues(benchmark::State& state) {
  CalculationCase c = waterCase();
  c.reynoldsMin = 0.1L * c.reynolds;
  for (auto _ : state) {
    output::GraphData g = output::computeGraphData(c);
    benchmark::DoNotOptimize(g.points.data());
  }
}
BENCHMARK(BM_GraphValues)->Unit(benchmark::kMicrosecond);

}  // namespace
