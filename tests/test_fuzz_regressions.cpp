// Every input of the fuzzing corpus and every input that once crashed or
// broke an oracle of the fuzz target, read through readCaseFile with the
// target's oracles.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "base/case.h"
#include "files/case_fields.h"
#include "files/case_file.h"

using namespace dorvel;

namespace {

std::vector<std::filesystem::path> inputs() {
  std::vector<std::filesystem::path> files;
  for (const char* sub : {"corpus", "crashes"}) {
    std::filesystem::path dir = std::filesystem::path(DORVEL_SOURCE_DIR) / "tests" / "fuzz" / sub;
    if (!std::filesystem::is_directory(dir)) continue;
    for (const auto& e : std::filesystem::directory_iterator(dir))
      if (e.is_regular_file() && e.path().filename().string()[0] != '.') files.push_back(e.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string notFinite(const CalculationCase& c) {
  for (const auto& f : caseFields()) {
    std::string name(f.name);
    if (const auto* m = std::get_if<Real CalculationCase::*>(&f.member)) {
      if (!std::isfinite(c.**m)) return name;
    } else if (const auto* a = std::get_if<Composition CalculationCase::*>(&f.member)) {
      for (Real v : c.**a)
        if (!std::isfinite(v)) return name;
    } else if (const auto* p = std::get_if<std::array<Real, 2> CalculationCase::*>(&f.member)) {
      for (Real v : c.**p)
        if (!std::isfinite(v)) return name;
    }
  }
  return {};
}

}  // namespace

TEST(FuzzRegressions, EveryKeptInputKeepsTheOracles) {
  auto files = inputs();
  ASSERT_GE(files.size(), 10u);
  int accepted = 0;
  for (const auto& path : files) {
    SCOPED_TRACE(path.string());
    CalculationCase c;
    resetCase(c);
    RecordingInteraction ui;
    bool ok = readCaseFile(path.string(), c, ui);
    EXPECT_EQ(notFinite(c), "");
    if (!ok) {
      EXPECT_LE(ui.log().size(), 1u);
      continue;
    }
    ++accepted;
    EXPECT_TRUE(ui.log().empty());
    CalculationCase first = c;
    std::string written = caseFileText(first);
    CalculationCase again;
    resetCase(again);
    ASSERT_TRUE(readCaseText(written, again, ui));
    again.specificVolume = first.specificVolume;
    again.specificEnthalpy = first.specificEnthalpy;
    EXPECT_EQ(caseFileText(again), written);
  }
  EXPECT_GT(accepted, 0);
}
