// dorvel-cli report and table, run as a separate process: the printed pages
// of a case file as PDF and PNG, and the range table as text and JSON, the
// same as the library gives for the case computed in this process.
#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "output/range_table.h"
#include "support/run_program.h"
#include "support/temp_dir.h"
#include "support/testing.h"

namespace dorvel::output {
namespace {

using dorvel::testing::readBytes;
using dorvel::testing::runCli;
using dorvel::testing::TempDir;

const std::string kWater = std::string(DORVEL_SOURCE_DIR) + "/examples/water-orifice-flange.dvl";
const std::string kGas = std::string(DORVEL_SOURCE_DIR) + "/examples/naturalgas-orifice-corner.dvl";

CalculationCase computed(const std::string& file) {
  CalculationCase c;
  std::ostringstream err;
  EXPECT_EQ(cli::computeCaseFile(file, {}, false, c, err), cli::kExitOk) << err.str();
  return c;
}

TEST(CliTable, TextAndJsonAreTheLibrarysTable) {
  for (const std::string& file : {kWater, kGas}) {
    CalculationCase c = computed(file);
    const RangeTable table = computeRangeTable(c, true);
    ASSERT_FALSE(table.failed) << file;
    auto text = runCli({"table", file});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, rangeTableText(table));
    auto json = runCli({"table", file, "--json"});
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out, rangeTableJson(table) + "\n");
  }
  // Polish headings on request.
  auto pl = runCli({"table", kWater, "--lang", "pl"});
  EXPECT_EQ(pl.status, 0);
  EXPECT_NE(pl.out.find("Punkt na skali"), std::string::npos);
  // An assignment changes the case before the calculation.
  auto set = runCli({"table", kWater, "--json", "--set", "dpInput=10"});
  EXPECT_EQ(set.status, 0) << set.err;
  EXPECT_NE(set.out, runCli({"table", kWater, "--json"}).out);
}

TEST(CliReport, PdfAndPngPages) {
  TempDir dir;
  const std::string pdf = dir.file("water.pdf");
  auto r = runCli({"report", kWater, "--out", pdf});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string bytes = readBytes(pdf);
  EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
  if (std::system("command -v pdftotext >/dev/null 2>&1") == 0) {
    ASSERT_EQ(std::system(("pdftotext '" + pdf + "' '" + pdf + ".txt'").c_str()), 0);
    const std::string text = readBytes(pdf + ".txt");
    EXPECT_NE(text.find("CALCULATION"), std::string::npos) << text;
    EXPECT_NE(text.find("Water"), std::string::npos);
  }
  for (const char* page : {"report", "graphs"})
    for (const char* lang : {"en", "pl"}) {
      const std::string png = dir.file(std::string(page) + "_" + lang + ".png");
      auto p = runCli({"report", kGas, "--page", page, "--lang", lang, "--out", png});
      ASSERT_EQ(p.status, 0) << p.err;
      EXPECT_TRUE(p.out.empty());
      QImage image(QString::fromStdString(png));
      EXPECT_EQ(image.width(), 1280) << png;
      EXPECT_EQ(image.height(), 1810) << png;
    }
  const std::string graphs = dir.file("graphs.pdf");
  EXPECT_EQ(runCli({"report", kGas, "--page=graphs", "--out=" + graphs}).status, 0);
  EXPECT_EQ(readBytes(graphs).substr(0, 5), "%PDF-");
}

TEST(CliReport, UsageErrorsAndRefusedCases) {
  TempDir dir;
  const std::string out = dir.file("x.pdf");
  EXPECT_EQ(runCli({"report", kWater}).status, cli::kExitUsage);
  EXPECT_EQ(runCli({"report", "--out", out}).status, cli::kExitUsage);
  EXPECT_EQ(runCli({"report", kWater, kGas, "--out", out}).status, cli::kExitUsage);
  EXPECT_EQ(runCli({"report", kWater, "--out", dir.file("x.txt")}).status, cli::kExitUsage);
  EXPECT_EQ(runCli({"report", kWater, "--page", "table", "--out", out}).status, cli::kExitUsage);
  EXPECT_EQ(runCli({"report", kWater, "--lang", "de", "--out", out}).status, cli::kExitUsage);
  EXPECT_EQ(runCli({"report", kWater, "--json", "--out", out}).status, cli::kExitUsage);
  EXPECT_EQ(runCli({"table", kWater, "--out", out}).status, cli::kExitUsage);
  EXPECT_EQ(runCli({"table", dir.file("missing.dvl")}).status, cli::kExitUsage);
  EXPECT_EQ(runCli({"report", kWater, "--out", "/nonexistent-dir/x.pdf"}).status, cli::kExitUsage);
  // A case the calculation refuses draws nothing.
  auto refused = runCli({"report", kWater, "--set", "pipeDiameter20=0", "--out", out});
  EXPECT_EQ(refused.status, cli::kExitRefused);
  EXPECT_NE(refused.err.find("nothing drawn"), std::string::npos) << refused.err;
  EXPECT_TRUE(readBytes(out).empty());
  EXPECT_EQ(runCli({"table", kWater, "--set", "pipeDiameter20=0"}).status, cli::kExitRefused);
  // The help names both commands.
  const std::string help = runCli({"--help"}).out;
  EXPECT_NE(help.find("dorvel-cli report [FILE]"), std::string::npos);
  EXPECT_NE(help.find("dorvel-cli table [FILE]"), std::string::npos);
}

// A page that cannot be written whole (a file-size limit fails the writes
// as a full disk does) exits 2 naming the file and leaves the old one as it
// was, or no file at all; nothing temporary stays in the folder.
TEST(CliReport, FullDiskNeverGivesAPageOrLosesTheOldOne) {
  TempDir dir;
  const std::string old = "an old page that must survive\n";
  for (const char* name : {"old.pdf", "old.png", "new.pdf", "new.png"}) {
    const std::string out = dir.file(name);
    const bool hadOld = std::string(name).rfind("old", 0) == 0;
    if (hadOld) dorvel::testing::writeBytes(out, old);
    auto r = runCli({"report", kWater, "--out", out}, {}, {1024, 60});
    EXPECT_EQ(r.status, cli::kExitUsage) << name << ": " << r.err;
    EXPECT_NE(r.err.find(out), std::string::npos) << r.err;
    EXPECT_EQ(std::filesystem::exists(out), hadOld) << name;
    if (hadOld) {
      EXPECT_EQ(readBytes(out), old) << name;
    }
  }
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 2);
  // Without the limit the same command replaces the old file.
  ASSERT_EQ(runCli({"report", kWater, "--out", dir.file("old.pdf")}).status, 0);
  EXPECT_EQ(readBytes(dir.file("old.pdf")).substr(0, 5), "%PDF-");
}

// A title written by an earlier Windows installation (Windows-1250) prints
// with its Polish letters.
TEST(CliReport, Windows1250TitleShowsItsPolishLetters) {
  if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) GTEST_SKIP() << "no pdftotext";
  TempDir dir;
  std::string text = readBytes(kWater);
  const size_t first = text.find("\r\n") + 2;
  text.replace(first, text.find("\r\n", first) - first, "Wod\xEA zasilaj\xB9" "c\xB9 \xA3\xF3" "d\x9F");
  const std::string file = dir.file("windows.dvl"), pdf = dir.file("windows.pdf");
  dorvel::testing::writeBytes(file, text);
  ASSERT_EQ(runCli({"report", file, "--lang", "pl", "--out", pdf}).status, 0);
  ASSERT_EQ(std::system(("pdftotext '" + pdf + "' '" + pdf + ".txt'").c_str()), 0);
  EXPECT_NE(readBytes(pdf + ".txt").find("Wod\u0119 zasilaj\u0105c\u0105 \u0141\u00F3d\u017A"),
            std::string::npos)
      << readBytes(pdf + ".txt");
}

}  // namespace
// Without a file, report and table make the case from the defaults and the
// --set values, as calc does: the same table as from a file of that case.
TEST(CliTable, SetWithoutAFileIsTheSameCaseAsCalcMakes) {
  TempDir dir;
  const std::string saved = dir.file("oil.dvl");
  const std::vector<std::string> sets = {
      "--set", "fluidKind=Other liquid", "--set", "density=870", "--set", "viscosityEntered=0.01",
      "--set", "pipeDiameter20=100", "--set", "deviceDiameter20=50", "--set", "dpInput=20",
      "--set", "temperature=20", "--set", "pressureInput=0.5", "--set", "deviceType=3"};
  std::vector<std::string> calc = {"calc", "--save", saved};
  calc.insert(calc.end(), sets.begin(), sets.end());
  ASSERT_EQ(runCli(calc).status, cli::kExitOk);
  std::vector<std::string> table = {"table", "--json"};
  table.insert(table.end(), sets.begin(), sets.end());
  const auto fromSets = runCli(table);
  ASSERT_EQ(fromSets.status, cli::kExitOk) << fromSets.err;
  EXPECT_EQ(fromSets.out, runCli({"table", "--json", saved}).out);
  std::vector<std::string> report = {"report", "--out", dir.file("oil.png")};
  report.insert(report.end(), sets.begin(), sets.end());
  EXPECT_EQ(runCli(report).status, cli::kExitOk);
  EXPECT_FALSE(readBytes(dir.file("oil.png")).empty());
}

}  // namespace dorvel::output
