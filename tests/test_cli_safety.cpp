// Writing that never goes where it must not, run as users run the programs:
// through the shell, with their limits (ulimit -f), redirections and
// permissions, and no signal handling of the test's own.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>

#include "support/temp_dir.h"

using dorvel::testing::readBytes;
using dorvel::testing::TempDir;
using dorvel::testing::writeBytes;

namespace {

const std::string kCli = std::string(DORVEL_BINARY_DIR) + "/src/cli/dorvel-cli";
const std::string kGui = std::string(DORVEL_BINARY_DIR) + "/src/ui/dorvel";
const std::string kWater = std::string(DORVEL_SOURCE_DIR) + "/examples/water-orifice-flange.dvl";

struct Shell {
  int status = -1;  // the exit status the shell reports (128 + n for signal n)
  std::string output;  // standard output and error
};

// Runs `command` with bash, standard error joined to standard output through
// a pipe (which no file-size limit touches).
Shell sh(const std::string& command) {
  Shell r;
  const std::string line = "bash -c '" + std::regex_replace(command, std::regex("'"), "'\\''") + "' 2>&1";
  FILE* p = ::popen(line.c_str(), "r");
  if (!p) return r;
  char buf[4096];
  size_t n = 0;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.output.append(buf, n);
  const int status = ::pclose(p);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return r;
}

std::string q(const std::string& s) { return "\"" + s + "\""; }

bool isRoot() { return ::geteuid() == 0; }

// What convert writes for the water example, as a fresh file.
std::string convertedWater() {
  TempDir dir;
  const std::string out = dir.file("fresh.dvl");
  if (sh(q(kCli) + " convert " + q(kWater) + " " + q(out)).status != 0) return "convert fails";
  return readBytes(out);
}

}  // namespace

// A link another user planted in a shared sticky folder is never followed,
// whatever fs.protected_symlinks says: nothing written, "Output error" and
// the reason, exit 2.  The caller's own link there is followed.
TEST(CliSafety, LinksOfOtherUsersInSharedStickyFoldersAreRefused) {
  if (!isRoot()) GTEST_SKIP() << "giving a link to another user needs root";
  TempDir dir;
  const std::string shared = dir.file("shared"), priv = dir.file("private");
  std::filesystem::create_directory(shared);
  std::filesystem::create_directory(priv);
  ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
  const std::string secret = priv + "/root.dvl";
  writeBytes(secret, "root's own case\r\n");
  ASSERT_EQ(::chmod(secret.c_str(), 0600), 0);
  const uid_t nobody = 65534;
  struct Planted {
    std::string link, points, command;
  };
  std::vector<Planted> planted = {
      {shared + "/case.dvl", secret, "convert " + q(kWater) + " " + q(shared + "/case.dvl")},
      {shared + "/new.dvl", priv + "/new.dvl",
       "calc " + q(kWater) + " --save " + q(shared + "/new.dvl")},
      {shared + "/folder", priv, "convert " + q(kWater) + " " + q(shared + "/folder/via.dvl")}};
  // A page drawn through a dangling link (with the Qt page output only).
  if (sh(q(kCli) + " table " + q(kWater) + " >/dev/null").status == 0)
    planted.push_back({shared + "/page.pdf", priv + "/page.pdf",
                       "report " + q(kWater) + " --out " + q(shared + "/page.pdf")});
  for (const Planted& p : planted) {
    ASSERT_EQ(::symlink(p.points.c_str(), p.link.c_str()), 0);
    ASSERT_EQ(::lchown(p.link.c_str(), nobody, nobody), 0);
    const Shell r = sh(q(kCli) + " " + p.command);
    EXPECT_EQ(r.status, 2) << r.output;
    EXPECT_NE(r.output.find("Output error (cannot follow the link " + p.link), std::string::npos)
        << r.output;
    EXPECT_NE(r.output.find("belongs to another user"), std::string::npos) << r.output;
  }
  EXPECT_EQ(readBytes(secret), "root's own case\r\n");
  EXPECT_FALSE(std::filesystem::exists(priv + "/new.dvl"));
  EXPECT_FALSE(std::filesystem::exists(priv + "/via.dvl"));
  EXPECT_FALSE(std::filesystem::exists(priv + "/page.pdf"));
  // The caller's own link in the same folder is followed.
  const std::string mine = shared + "/mine.dvl";
  ASSERT_EQ(::symlink(secret.c_str(), mine.c_str()), 0);
  const Shell r = sh(q(kCli) + " convert " + q(kWater) + " " + q(mine));
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(readBytes(secret), convertedWater());
}

// Texts come back exactly through the programs: Windows-1250 texts that form
// UTF-8 sequences, texts only UTF-8 holds, and a file of an earlier
// installation (Windows-1250, no encoding named).
TEST(CliSafety, TextsComeBackExactly) {
  TempDir dir;
  const std::string out = dir.file("out.dvl");
  for (const std::string text :
       {"SP\u00D3\u0141KA WODNA", "\u0106\u015A-1", "\u0143\u015B", "\u017B\u00F3\u0142\u0107",
        "Q = 30 m\u00B3/h, \u0394p \u2264 40 kPa"}) {
    Shell r = sh(q(kCli) + " convert " + q(kWater) + " " + q(out) + " --set " + q("caseTitle=" + text));
    ASSERT_EQ(r.status, 0) << r.output;
    r = sh(q(kCli) + " calc --json " + q(out) + " 2>/dev/null");
    EXPECT_NE(r.output.find("\"caseTitle\":\"" + text + "\""), std::string::npos)
        << text << ": " << r.output.substr(0, 200);
  }
  std::string old = readBytes(kWater);
  const size_t first = old.find("\r\n") + 2;
  old.replace(first, old.find("\r\n", first) - first, "SP\xD3\xA3KA WODNA \xC6\x8C-1 \xD1\x9C");
  writeBytes(dir.file("old.dvl"), old);
  const Shell r = sh(q(kCli) + " calc --json " + q(dir.file("old.dvl")) + " 2>/dev/null");
  EXPECT_NE(r.output.find("\"caseTitle\":\"SP\u00D3\u0141KA WODNA \u0106\u015A-1 \u0143\u015B\""),
            std::string::npos)
      << r.output.substr(0, 200);
}

// Under a file-size limit (ulimit -f, in 1024-byte blocks) the program is not
// killed by SIGXFSZ: the write fails, "Output error", exit 2, the old file
// stays; standard output into a file fails the same way.
TEST(CliSafety, FileSizeLimitIsAnOutputErrorNotAKill) {
  TempDir dir;
  const std::string target = dir.file("case.dvl");
  const std::string old(4000, 'o');
  writeBytes(target, old);
  Shell r = sh("ulimit -f 0; exec " + q(kCli) + " convert " + q(kWater) + " " + q(target));
  EXPECT_EQ(r.status, 2) << r.output;
  EXPECT_NE(r.output.find("Output error"), std::string::npos) << r.output;
  EXPECT_EQ(readBytes(target), old);
  const std::string json = dir.file("all.json");
  r = sh("ulimit -f 4; exec " + q(kCli) + " calc --json " + std::string(DORVEL_SOURCE_DIR) +
         "/examples/*.dvl > " + q(json));
  EXPECT_EQ(r.status, 2) << r.output;
  EXPECT_NE(r.output.find("dorvel-cli: write error: File too large"), std::string::npos) << r.output;
}

// A failed write or close of standard output (a full disk) ends with a
// message on standard error and exit 2, for every command.
TEST(CliSafety, FullStandardOutputExitsWithTwo) {
  std::vector<std::string> commands = {"calc " + q(kWater), "calc --json " + q(kWater),
                                       "fields", "fields --json", "--version", "--help"};
  // table needs the page output of the Qt build.
  if (sh(q(kCli) + " table " + q(kWater) + " >/dev/null").status == 0) {
    commands.push_back("table " + q(kWater));
    commands.push_back("table --json " + q(kWater));
  }
  for (const std::string& command : commands) {
    const Shell r = sh(q(kCli) + " " + command + " > /dev/full");
    EXPECT_EQ(r.status, 2) << command << ": " << r.output;
    EXPECT_NE(r.output.find("write error: No space left on device"), std::string::npos)
        << command << ": " << r.output;
  }
  if (std::filesystem::exists(kGui)) {
    const Shell r = sh(q(kGui) + " --version > /dev/full");
    EXPECT_EQ(r.status, 2) << r.output;
  }
  // The same commands into a pipe succeed.
  EXPECT_EQ(sh(q(kCli) + " fields --json | wc -c >/dev/null; exit ${PIPESTATUS[0]}").status, 0);
}

// Permissions mean what they say: a read-only file is refused, a file with
// several names keeps them, a writable file in a folder where no new file
// can be made is saved in place.
TEST(CliSafety, ReadOnlyHardLinkedAndClosedFolderFiles) {
  TempDir dir;
  const std::string ro = dir.file("read-only.dvl");
  writeBytes(ro, "keep\r\n");
  ASSERT_EQ(::chmod(ro.c_str(), 0444), 0);
  Shell r = sh(q(kCli) + " convert " + q(kWater) + " " + q(ro));
  EXPECT_EQ(r.status, 2) << r.output;
  EXPECT_NE(r.output.find("Output error (cannot write " + ro + ": the file is read-only)"),
            std::string::npos)
      << r.output;
  EXPECT_EQ(readBytes(ro), "keep\r\n");

  const std::string a = dir.file("a.dvl"), b = dir.file("b.dvl");
  writeBytes(a, "old\r\n");
  ASSERT_EQ(::link(a.c_str(), b.c_str()), 0);
  r = sh(q(kCli) + " convert " + q(kWater) + " " + q(a));
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(readBytes(b), convertedWater());
  struct stat sa {}, sb {};
  ASSERT_EQ(::stat(a.c_str(), &sa), 0);
  ASSERT_EQ(::stat(b.c_str(), &sb), 0);
  EXPECT_EQ(sa.st_ino, sb.st_ino);
  EXPECT_EQ(sa.st_nlink, 2u);

  if (!isRoot()) return;  // the closed folder needs a second user
  const std::string closed = dir.file("closed");
  std::filesystem::create_directory(closed);
  ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
  ASSERT_EQ(::chmod(closed.c_str(), 0755), 0);
  const std::string theirs = closed + "/theirs.dvl";
  writeBytes(theirs, "old\r\n");
  ASSERT_EQ(::chown(theirs.c_str(), 65534, 65534), 0);
  const std::string asNobody = "setpriv --reuid=65534 --regid=65534 --clear-groups " + q(kCli);
  r = sh(asNobody + " convert " + q(kWater) + " " + q(theirs));
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(readBytes(theirs), convertedWater());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(closed),
                          std::filesystem::directory_iterator()),
            1);
  // Where the folder refuses a new file and the file refuses the user,
  // nothing is written.
  ASSERT_EQ(::chmod(theirs.c_str(), 0444), 0);
  r = sh(asNobody + " convert " + q(kWater) + " " + q(theirs) + " --set caseTitle=X");
  EXPECT_EQ(r.status, 2) << r.output;
}

// Numbers beyond the range of a double (±1.7e308) are number errors on the
// command line and in files, and no result beyond it is printed.
TEST(CliSafety, NumbersBeyondTheDoubleRangeAreRefused) {
  Shell r = sh(q(kCli) + " calc --set temperature=1e4000");
  EXPECT_EQ(r.status, 2) << r.output;
  EXPECT_NE(r.output.find("Number error 1e4000"), std::string::npos) << r.output;
  r = sh(q(kCli) + " calc --set " + q("naturalGasComposition[2]=-1.8e308"));
  EXPECT_EQ(r.status, 2) << r.output;
  EXPECT_NE(r.output.find("Number error -1.8e308"), std::string::npos) << r.output;

  TempDir dir;
  std::string text = readBytes(kWater);
  const size_t at = text.find("  105.0000");
  ASSERT_NE(at, std::string::npos);
  text.replace(at, 10, "    1e4000");
  writeBytes(dir.file("huge.dvl"), text);
  r = sh(q(kCli) + " calc " + q(dir.file("huge.dvl")));
  EXPECT_EQ(r.status, 2) << r.output;
  EXPECT_NE(r.output.find("Input error"), std::string::npos) << r.output;

  // A density of 1e300 with a viscosity of 1e-300 gives a Reynolds number
  // of 5E450: the case is refused and every JSON number stays a double.
  r = sh(q(kCli) + " calc --json --accept-deviations " + q(kWater) +
         " --set fluidKind=2 --set density=1e300 --set viscosityEntered=1e-300");
  EXPECT_EQ(r.status, 1) << r.output;
  EXPECT_NE(r.output.find("\"ok\":false"), std::string::npos);
  EXPECT_NE(r.output.find("Result beyond the range of numbers (\u00B11.7E308): reynolds"),
            std::string::npos)
      << r.output;
  std::string numbers;  // the output without its strings
  bool inString = false;
  for (size_t i = 0; i < r.output.size(); ++i) {
    const char ch = r.output[i];
    if (inString && ch == '\\') {
      ++i;
    } else if (ch == '"') {
      inString = !inString;
    } else if (!inString) {
      numbers += ch;
    }
  }
  const std::regex exponent("[eE]\\+?([0-9]+)");
  for (std::sregex_iterator it(numbers.begin(), numbers.end(), exponent), end; it != end; ++it)
    EXPECT_LE(std::stoi((*it)[1]), 308) << it->str();
}
