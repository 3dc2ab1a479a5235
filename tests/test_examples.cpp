// The example cases: each file is exactly what the program writes for the
// case it holds, and each computes to the pinned output of tests/golden
// (re-bless with scripts/bless-golden.sh after an intended change).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <cmath>
#include <map>
#include <regex>

#include "base/case.h"
#include "files/case_file.h"
#include "support/case_compare.h"
#include "support/json_mini.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

using namespace dorvel;
using dorvel::testing::differingFields;
using dorvel::testing::readBytes;

namespace {

const std::filesystem::path kSource(DORVEL_SOURCE_DIR);

std::vector<std::string> exampleNames() {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(kSource / "examples"))
    if (e.path().extension() == ".dvl") names.push_back(e.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

TEST(Examples, OneForEveryFluidKindAndDeviceFamily) {
  std::set<int> fluids, devices;
  for (const auto& name : exampleNames()) {
    CalculationCase c;
    resetCase(c);
    RecordingInteraction ui;
    ASSERT_TRUE(readCaseFile((kSource / "examples" / (name + ".dvl")).string(), c, ui)) << name;
    fluids.insert(c.fluidKind);
    devices.insert(c.deviceType);
  }
  EXPECT_EQ(fluids, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 9}));
  EXPECT_EQ(devices, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
  EXPECT_TRUE(std::filesystem::exists(kSource / "examples" / "water-orifice-flange.dvl"));
}

TEST(Examples, WrittenAgainByteForByteAndReadBackFieldByField) {
  for (const auto& name : exampleNames()) {
    SCOPED_TRACE(name);
    std::string path = (kSource / "examples" / (name + ".dvl")).string();
    CalculationCase c;
    resetCase(c);
    RecordingInteraction ui;
    ASSERT_TRUE(readCaseFile(path, c, ui));
    CalculationCase original = c;
    // Computed specific volume and enthalpy are skipped by the reader: take
    // them from the file's own lines to write the same text.
    std::string bytes = readBytes(path);
    CalculationCase writing = c;
    std::string text = caseFileText(writing);
    if (c.fluidKind == FluidWater || c.fluidKind == FluidSteam) {
      // Compare all lines but the computed one(s), which the reader skips.
      auto cut = [](const std::string& t) { return t.substr(0, t.rfind("\r\n", t.size() - 3)); };
      EXPECT_EQ(cut(text), cut(bytes));
    } else {
      EXPECT_EQ(text, bytes);
    }
    dorvel::testing::TempDir dir;
    ASSERT_TRUE(writeCaseFile(dir.file("copy.dvl"), writing, ui));
    CalculationCase back;
    resetCase(back);
    ASSERT_TRUE(readCaseFile(dir.file("copy.dvl"), back, ui));
    EXPECT_EQ(differingFields(original, back, dorvel::testing::storedFieldNames()), "");
    EXPECT_TRUE(ui.log().empty());
  }
}

TEST(Examples, ComputeToThePinnedResults) {
  std::vector<std::string> args = {"calc", "--json"};
  for (const auto& name : exampleNames()) args.push_back("examples/" + name + ".dvl");
  auto json = dorvel::testing::runCli(args, kSource.string());
  EXPECT_EQ(json.status, 0) << json.err;
  size_t count = 0, pos = 0;
  while ((pos = json.out.find('\n', pos)) != std::string::npos) ++count, ++pos;
  EXPECT_EQ(count, exampleNames().size());
  std::map<std::string, std::string> m;
  size_t start = 0;
  while (start < json.out.size()) {
    size_t eol = json.out.find('\n', start);
    ASSERT_TRUE(dorvel::testing::JsonMini::topLevel(json.out.substr(start, eol - start), m));
    EXPECT_EQ(m["ok"], "true") << m["file"];
    EXPECT_EQ(m["nonConforming"], "false") << m["file"];
    start = eol + 1;
  }
  for (const auto& name : exampleNames()) {
    SCOPED_TRACE(name);
    auto text = dorvel::testing::runCli({"calc", "examples/" + name + ".dvl"}, kSource.string());
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.err, "");
    EXPECT_EQ(text.out, readBytes((kSource / "tests" / "golden" / (name + ".txt")).string()));
  }
}

// The uncertainty lines the report prints (and calc --json gives) are the
// terms that entered the total: recombined by ISO 5167-1 eq. (22),
//   u = sqrt(uC^2 + ueps^2 + uD^2 + ud^2 + udp^2/4 + urho^2/4),
// the printed terms give the printed total to the rounding of the print,
// for every example; and the total is the results page's figure.
TEST(Examples, PrintedUncertaintyTermsAddUpToThePrintedTotal) {
  std::vector<std::string> args = {"calc", "--json"};
  for (const auto& name : exampleNames()) args.push_back("examples/" + name + ".dvl");
  auto json = dorvel::testing::runCli(args, kSource.string());
  ASSERT_EQ(json.status, 0) << json.err;
  const std::regex row(
      "\\{\"name\":\"(\\w+)\",\"caption\":\"[^\"]*\",\"value\":([^,]+),\"text\":\"([^\"]*)\"\\}");
  const std::regex shown("\"name\":\"flowUncertainty\",\"caption\":\"[^\"]*\",\"value\":[^,]+,"
                         "\"text\":\"([^\"]*)\"");
  size_t start = 0, cases = 0;
  while (start < json.out.size()) {
    const size_t eol = json.out.find('\n', start);
    std::map<std::string, std::string> m;
    ASSERT_TRUE(dorvel::testing::JsonMini::topLevel(json.out.substr(start, eol - start), m));
    start = eol + 1;
    ++cases;
    SCOPED_TRACE(m["file"]);
    const std::string u = m["uncertainty"];
    std::map<std::string, double> terms;
    std::string totalText;
    for (auto it = std::sregex_iterator(u.begin(), u.end(), row); it != std::sregex_iterator(); ++it) {
      const std::string name = (*it)[1], value = (*it)[2], text = (*it)[3];
      if (value == "null") {
        EXPECT_EQ(text, "NOT KNOWN");
        continue;
      }
      EXPECT_EQ(std::stod(value), std::stod(text)) << name;  // the number is the printed one
      EXPECT_EQ(text.size() - text.find('.'), 4u) << text;  // three decimals, as printed
      if (name == "flowrate")
        totalText = text;
      else
        terms[name] = std::stod(text);
    }
    for (const char* name : {"dischargeCoefficient", "pipeDiameter", "deviceDiameter", "density"})
      EXPECT_EQ(terms.count(name), 1u) << name;
    if (totalText.empty()) continue;  // not known: results outside the standard
    auto sq = [&](const char* n) { return terms.count(n) ? terms[n] * terms[n] : 0.0; };
    const double recombined =
        std::sqrt(sq("dischargeCoefficient") + sq("expansibility") + sq("pipeDiameter") +
                  sq("deviceDiameter") + sq("differentialPressure") / 4 + sq("density") / 4);
    // Each printed value is within 0.0005 of its term; the total moves by at
    // most the sum of those times the (at most unit) sensitivities.
    EXPECT_NEAR(recombined, std::stod(totalText), 0.002) << u;
    std::smatch page;
    ASSERT_TRUE(std::regex_search(m["results"], page, shown));
    EXPECT_EQ(std::string(page[1]), totalText);
  }
  EXPECT_EQ(cases, exampleNames().size());
}
