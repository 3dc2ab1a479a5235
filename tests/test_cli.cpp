// The dorvel-cli program, run as a separate process.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <map>

#include "base/case.h"
#include "calc/driver.h"
#include "base/format.h"
#include "base/shared.h"
#include "files/case_file.h"
#include "files/text_encoding.h"
#include "support/json_mini.h"
#include "support/run_program.h"
#include "support/temp_dir.h"
#include "version.h"

using namespace dorvel;
using dorvel::testing::JsonMini;
using dorvel::testing::readBytes;
using dorvel::testing::TempDir;
using dorvel::testing::writeBytes;

namespace {

using CliRun = dorvel::testing::ProgramRun;

CliRun run(const std::vector<std::string>& args) { return dorvel::testing::runCli(args); }

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t eol = text.find('\n', pos);
    if (eol == std::string::npos) eol = text.size();
    out.push_back(text.substr(pos, eol - pos));
    pos = eol + 1;
  }
  return out;
}

Real jsonReal(const std::string& raw) {
  long double v = 0;
  auto r = std::from_chars(raw.data(), raw.data() + raw.size(), v);
  EXPECT_TRUE(r.ec == std::errc{} && r.ptr == raw.data() + raw.size()) << raw;
  return v;
}

// An oil line: other liquid through flange tappings, flowrate task.
const std::vector<std::string> kOil = {
    "--set", "fluidKind=2",        "--set", "density=870",        "--set", "viscosityEntered=0.01",
    "--set", "pipeDiameter20=100", "--set", "deviceDiameter20=50", "--set", "dpInput=20",
    "--set", "temperature=20",     "--set", "pressureInput=0.5",  "--set", "deviceType=3"};

std::vector<std::string> with(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

CalculationCase oilCase() {
  CalculationCase c;
  resetCase(c);
  c.task = 3;
  c.fluidKind = 2;
  c.density = 870;
  c.viscosityEntered = 0.01L;
  c.pipeDiameter20 = 100;
  c.deviceDiameter20 = 50;
  c.dpInput = 20;
  c.temperature = 20;
  c.pressureInput = 0.5L;
  c.deviceType = 3;
  return c;
}

}  // namespace

TEST(Cli, VersionIsTheProjectVersion) {
  const auto r = run({"--version"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, std::string("dorvel-cli ") + kVersion + "\n");
  EXPECT_EQ(std::string(kVersion), "1.0.0");
}

TEST(Cli, HelpDescribesTheCommands) {
  CliRun r = run({"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* word : {"calc", "convert", "--json", "--set NAME=VALUE", "--accept-deviations",
                           "Exit status"})
    EXPECT_NE(r.out.find(word), std::string::npos) << word;
  EXPECT_EQ(run({"calc", "--help"}).status, 0);
}

TEST(Cli, UsageErrorsExitWithTwo) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"frobnicate"},
      {"calc", "--no-such-option"},
      {"calc", "--set"},
      {"calc", "--set", "temperature"},
      {"calc", "--set", "noSuchField=1"},
      {"calc", "--set", "temperature=1,5"},
      {"calc", "--set", "fluidKind=42"},
      {"calc", "--set", "fluidKind=11"},  // 10 to 12 name no fluid
      {"calc", "--set", "naturalGasComposition[31]=1"},
      {"convert", "only-one"},
      {"calc", "a", "b", "--save", "c"},
  };
  for (const auto& args : bad) {
    CliRun r = run(args);
    EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args[0]) << " " << args.size();
    EXPECT_NE(r.err.find("dorvel-cli: "), std::string::npos);
    EXPECT_EQ(r.out, "");
  }
}

TEST(Cli, SetOnADefaultCaseGivesTheEngineResultAsText) {
  CliRun r = run(with({"calc"}, kOil));
  ASSERT_EQ(r.status, 0) << r.err;
  CalculationCase c = oilCase();
  RecordingInteraction ui;
  rememberPropertyInputs(c);
  bool nonConforming = false;
  ASSERT_TRUE(runCalculation(c, ui, nonConforming));
  storeTaskResult(c);
  auto out = lines(r.out);
  ASSERT_GE(out.size(), 5u);
  EXPECT_EQ(out[0], "== (case from the command line)");
  EXPECT_EQ(out[1], "Standard: ISO 5167 : 2022");
  EXPECT_EQ(out[2], "Basic results");
  const std::string flow = "  Mass flowrate";
  ASSERT_EQ(out[3].rfind(flow, 0), 0u) << out[3];
  EXPECT_EQ(out[3].substr(out[3].size() - 5), " kg/h");
  EXPECT_NE(out[3].find(" " + formatFixed(c.flowrateInput, 0, 2) + " kg/h"), std::string::npos);
  EXPECT_NE(r.out.find("Limits of use"), std::string::npos);
  EXPECT_NE(r.out.find("  Upper limit flowrate"), std::string::npos);
  EXPECT_EQ(r.err, "");
}

TEST(Cli, JsonCarriesEveryFieldToFullPrecision) {
  CliRun r = run(with({"calc", "--json"}, kOil));
  ASSERT_EQ(r.status, 0) << r.err;
  auto out = lines(r.out);
  ASSERT_EQ(out.size(), 1u);
  std::map<std::string, std::string> m;
  ASSERT_TRUE(JsonMini::topLevel(out[0], m)) << out[0];
  CalculationCase c = oilCase();
  RecordingInteraction ui;
  rememberPropertyInputs(c);
  bool nonConforming = false;
  ASSERT_TRUE(runCalculation(c, ui, nonConforming));
  storeTaskResult(c);
  EXPECT_EQ(m["ok"], "true");
  EXPECT_EQ(m["nonConforming"], "false");
  EXPECT_EQ(m["conforming"], "true");
  EXPECT_EQ(m["warnings"], "[]");
  EXPECT_EQ(m["file"], "null");
  EXPECT_EQ(m["fluidKind"], "2");
  EXPECT_EQ(jsonReal(m["flowrateInput"]), c.flowrateInput);  // bit for bit
  EXPECT_EQ(jsonReal(m["dischargeCoefficient"]), c.dischargeCoefficient);
  EXPECT_EQ(jsonReal(m["flowUncertainty"]), c.flowUncertainty);
  EXPECT_EQ(jsonReal(m["edgeRadiusLimit"]), c.edgeRadiusLimit);
  EXPECT_EQ(jsonReal(m["reynoldsLimitFlowrate"]), c.reynoldsLimitFlowrate);
  for (const char* key : {"lowerRangeFlowrate", "roughnessLimit", "warnDpRatio", "warnVaporization",
                          "mixtureComposition", "naturalGasComposition", "pressureAt", "beta",
                          "messages", "questions", "caseTitle", "balanceNumber"})
    EXPECT_TRUE(m.count(key)) << key;
  EXPECT_EQ(m["naturalGasComposition"].front(), '[');
  EXPECT_EQ(m["messages"], "[]");
  EXPECT_EQ(r.err, "");  // JSON mode: messages go into the object
}

TEST(Cli, RefusedCaseExitsWithOneAndShowsTheMessage) {
  CliRun r = run(with(with({"calc"}, kOil), {"--set", "pipeDiameter20=5000"}));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("dorvel: Pipe diameter too large"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("No results"), std::string::npos);
  CliRun j = run(with(with({"calc", "--json"}, kOil), {"--set", "pipeDiameter20=5000"}));
  EXPECT_EQ(j.status, 1);
  std::map<std::string, std::string> m;
  ASSERT_TRUE(JsonMini::topLevel(lines(j.out)[0], m));
  EXPECT_EQ(m["ok"], "false");
  EXPECT_NE(m["messages"].find("Pipe diameter too large"), std::string::npos);
}

TEST(Cli, JsonNumbersEveryMessage) {
  // A refused case: the text and its row number side by side.
  CliRun j = run(with(with({"calc", "--json"}, kOil), {"--set", "pipeDiameter20=5000"}));
  std::map<std::string, std::string> m;
  ASSERT_TRUE(JsonMini::topLevel(lines(j.out)[0], m));
  EXPECT_EQ(m["messages"], "[\"Pipe diameter too large\"]");
  EXPECT_EQ(m["messageCodes"], "[1410]");
  // A file that breaks off: the read error is its number, 1600 + 6.
  TempDir dir;
  writeBytes(dir.file("broken.dvl"), " L  3   3  2  1\r\ntitle\r\n0 0\r\n100 2 50\r\n");
  CliRun broken = run({"calc", "--json", dir.file("broken.dvl")});
  ASSERT_TRUE(JsonMini::topLevel(lines(broken.out)[0], m)) << broken.out;
  EXPECT_EQ(m["messages"], "[\"Input error\"]");
  EXPECT_EQ(m["messageCodes"], "[1606]");
}

// An impossible number is no result, deviations accepted or not: a drain
// hole that leaves no bore of the sized nozzle.
TEST(Cli, ImpossibleResultExitsWithOne) {
  const std::string file = std::string(DORVEL_SOURCE_DIR) + "/examples/steam-nozzle-isa1932.dvl";
  for (bool accept : {false, true}) {
    std::vector<std::string> args = {"calc", "--json", file, "--set", "drainHoleDiameter=200"};
    if (accept) args.push_back("--accept-deviations");
    CliRun r = run(args);
    EXPECT_EQ(r.status, 1);
    std::map<std::string, std::string> m;
    ASSERT_TRUE(JsonMini::topLevel(lines(r.out)[0], m));
    EXPECT_EQ(m["ok"], "false");
    EXPECT_EQ(m["uncertainty"], "null");
    EXPECT_NE(m["messages"].find("The drain hole is too large"), std::string::npos) << m["messages"];
  }
}

TEST(Cli, QuestionsAreAnsweredNoUnlessDeviationsAreAccepted) {
  // Flange tappings in a 45 mm pipe: no standard covers it, the program asks.
  auto args = with(kOil, {"--set", "pipeDiameter20=45", "--set", "deviceDiameter20=22"});
  CliRun no = run(with({"calc", "--json"}, args));
  EXPECT_EQ(no.status, 1);
  std::map<std::string, std::string> m;
  ASSERT_TRUE(JsonMini::topLevel(lines(no.out)[0], m));
  EXPECT_NE(m["questions"].find("\"answer\":false"), std::string::npos) << m["questions"];
  EXPECT_NE(m["questions"].find("40mm<D<50mm"), std::string::npos);

  CliRun yes = run(with({"calc", "--json", "--accept-deviations"}, args));
  EXPECT_EQ(yes.status, 0) << yes.out;
  ASSERT_TRUE(JsonMini::topLevel(lines(yes.out)[0], m));
  EXPECT_EQ(m["ok"], "true");
  EXPECT_EQ(m["warnAsmeRange"], "true");
  EXPECT_EQ(m["nonConforming"], "true");
  EXPECT_EQ(m["conforming"], "false");
  EXPECT_EQ(m["warnings"], "[\"Pipe diameter D out of range.\"]");

  CliRun text = run(with({"calc"}, args));
  EXPECT_NE(text.err.find(" -> No"), std::string::npos) << text.err;
  CliRun accepted = run(with({"calc", "--accept-deviations"}, args));
  EXPECT_NE(accepted.out.find("\nWarning: Pipe diameter D out of range.\n"), std::string::npos)
      << accepted.out;
  EXPECT_NE(accepted.out.find("  Measurement uncertainty                        Not known %"),
            std::string::npos)
      << accepted.out;
}

TEST(Cli, LiquidLikeGasIsAQuestionOfTheSamePolicy) {
  // Pure CO2 at 20 degC and 65 bar: liquid by the equation of state.
  const std::vector<std::string> co2 = {
      "calc",  "--set", "fluidKind=5",         "--set", "compositionInMolePercent=1",
      "--set", "mixtureComposition[11]=100",   "--set", "temperature=20",
      "--set", "pressureUnit=4",               "--set", "pressureInput=65",
      "--set", "pipeDiameter20=100",           "--set", "deviceDiameter20=50",
      "--set", "dpInput=40",                   "--set", "deviceType=3"};
  CliRun no = run(co2);
  EXPECT_EQ(no.status, 1);
  EXPECT_NE(no.err.find("The gas may be liquid or condensing at these conditions; its computed "
                        "properties are not valid. Continue? -> No"),
            std::string::npos)
      << no.err;
  CliRun yes = run(with(co2, {"--accept-deviations"}));
  EXPECT_EQ(yes.status, 0) << yes.err;
}

TEST(Cli, FilesMissingBadOrBrokenExitWithTwo) {
  TempDir dir;
  writeBytes(dir.file("not a case.txt"), "hello\n");
  writeBytes(dir.file("broken.dvl"), " L  3   3  2  1\r\ntitle\r\n0 0\r\n100 2 50\r\n");
  CliRun missing = run({"calc", dir.file("missing.dvl")});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("missing.dvl: Input error (read error 1: the file cannot be opened)"),
            std::string::npos)
      << missing.err;
  CliRun bad = run({"calc", dir.file("not a case.txt")});
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("not a case file (no version marker)"), std::string::npos) << bad.err;
  CliRun broken = run({"calc", "--json", dir.file("broken.dvl")});
  EXPECT_EQ(broken.status, 2);
  std::map<std::string, std::string> m;
  ASSERT_TRUE(JsonMini::topLevel(lines(broken.out)[0], m)) << broken.out;
  EXPECT_EQ(m["ok"], "false");
  EXPECT_NE(m["fileError"].find("read error 6"), std::string::npos);
}

TEST(Cli, ConvertAndCalcPathsWithBlanks) {
  TempDir dir;
  // An old version-M file with the oil case.
  std::string old = dir.file("old oil case.dat");
  writeBytes(old,
             " M  3  2  1\r\nOil\r\n 0.0000  0.0000\r\n"
             "  100.0000  2    50.0000   20.0000000    20.0000  2\r\n"
             "3      0.0000000  1  870.0000000  3 1.0E-02\r\n"
             "3      0.5000000     0.0000     0.0000    0.0000000\r\n"
             "1     0.0000     0.0000     0.0000    100.0000000\r\n");
  std::string converted = dir.file("oil case L.dvl");
  CliRun conv = run({"convert", old, converted});
  ASSERT_EQ(conv.status, 0) << conv.err;
  std::string text = readBytes(converted);
  EXPECT_EQ(text.substr(0, 5), " L  3");
  CalculationCase c;
  resetCase(c);
  RecordingInteraction ui;
  ASSERT_TRUE(readCaseFile(converted, c, ui));
  EXPECT_EQ(c.flowUnit, 4);  // old code 3
  EXPECT_EQ(c.density, 870);

  CliRun both = run({"calc", "--json", old, converted});
  EXPECT_EQ(both.status, 0) << both.err;
  auto out = lines(both.out);
  ASSERT_EQ(out.size(), 2u);
  std::map<std::string, std::string> a, b;
  ASSERT_TRUE(JsonMini::topLevel(out[0], a));
  ASSERT_TRUE(JsonMini::topLevel(out[1], b));
  EXPECT_EQ(JsonMini::unquote(a["file"]), old);
  EXPECT_EQ(JsonMini::unquote(b["file"]), converted);
  EXPECT_EQ(a["flowrateInput"], b["flowrateInput"]);
  EXPECT_EQ(a["flowUnit"], "4");

  // A missing file among good ones: the good ones are still computed.
  CliRun mixed = run({"calc", converted, dir.file("nope.dvl")});
  EXPECT_EQ(mixed.status, 2);
  EXPECT_NE(mixed.out.find("== " + converted), std::string::npos);
}

TEST(Cli, SaveWritesTheComputedCase) {
  TempDir dir;
  std::string path = dir.file("saved case.dvl");
  CliRun r = run(with({"calc", "--save", path}, kOil));
  ASSERT_EQ(r.status, 0) << r.err;
  CalculationCase c;
  resetCase(c);
  RecordingInteraction ui;
  ASSERT_TRUE(readCaseFile(path, c, ui));
  EXPECT_GT(c.flowrateInput, 0);  // the result stored back as the results page does
  CliRun again = run({"calc", "--json", path});
  EXPECT_EQ(again.status, 0);
  CliRun fail = run(with({"calc", "--save", dir.file("no/such/folder/x.dvl")}, kOil));
  EXPECT_EQ(fail.status, 2);
  EXPECT_NE(fail.err.find("Output error"), std::string::npos);
}

// Bytes that are not UTF-8 (a title in Windows-1250) never make the JSON
// invalid; a FIFO never makes the program wait, as input or as output.
TEST(CliFiles, JsonIsUtf8AndFifosNeitherBlockNorVanish) {
  CliRun r = dorvel::testing::runCli(with({"calc", "--json", "--set", "caseTitle=\xff\xfe\xb9"}, kOil));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(isValidUtf8(r.out));
  EXPECT_NE(r.out.find("\u02D9\u0163\u0105"), std::string::npos);  // the Windows-1250 letters
  TempDir dir;
  const std::string fifo = dir.file("fifo.dvl");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  const std::string in = dir.file("in.dvl");
  ASSERT_EQ(run(with({"convert", std::string(DORVEL_SOURCE_DIR) + "/examples/water-orifice-flange.dvl", in}, {})).status, 0);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"calc", fifo}, {"convert", fifo, in}, {"convert", in, fifo},
        with({"calc", in, "--save", fifo}, {})}) {
    CliRun f = dorvel::testing::runCli(args, {}, {0, 20});
    EXPECT_EQ(f.status, 2) << args[0] << " " << args[1] << ": " << f.err;
    EXPECT_NE(f.err.find(fifo), std::string::npos) << f.err;
    struct stat st {};
    ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
  }
}

TEST(Cli, JobsComputeInParallelAndPrintInTheOrderOfTheFiles) {
  // Every example, a missing file and a refused case between them, twice
  // over: -j 1, -j 2, -j 7 and the default give the same bytes, in the same
  // order, and the same exit status (2: the missing file).
  TempDir dir;
  std::vector<std::string> files;
  for (const auto& e : std::filesystem::directory_iterator(std::string(DORVEL_SOURCE_DIR) + "/examples"))
    if (e.path().extension() == ".dvl") files.push_back(e.path().string());
  std::sort(files.begin(), files.end());
  files.insert(files.begin() + 3, dir.file("missing.dvl"));
  files.insert(files.begin() + 5, files[0]);
  files.insert(files.end(), files.begin(), files.end());
  for (const char* mode : {"--json", "--accept-deviations"}) {
    const CliRun one = run(with({"calc", mode, "-j", "1"}, files));
    EXPECT_EQ(one.status, 2);
    EXPECT_NE((one.out + one.err).find("missing.dvl"), std::string::npos);
    for (const std::vector<std::string>& jobs :
         {std::vector<std::string>{"-j", "2"}, {"--jobs=7"}, {"-j3"}, {}}) {
      const CliRun many = run(with(with({"calc", mode}, jobs), files));
      EXPECT_EQ(many.status, one.status) << mode;
      EXPECT_EQ(many.out, one.out) << mode;
      EXPECT_EQ(many.err, one.err) << mode;
    }
  }
  // Each file's output is its own: the first object names the first file.
  const CliRun json = run(with({"calc", "--json", "-j", "2"}, files));
  std::map<std::string, std::string> m;
  ASSERT_TRUE(JsonMini::topLevel(lines(json.out)[0], m));
  EXPECT_NE(m["file"].find(std::filesystem::path(files[0]).filename().string()), std::string::npos);
  for (const char* bad : {"0", "x", "1025", "-1"})
    EXPECT_EQ(run({"calc", "-j", bad, files[0]}).status, 2) << bad;
  EXPECT_EQ(run({"convert", "-j", "2", files[0], dir.file("out.dvl")}).status, 2);
}
