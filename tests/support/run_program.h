// Runs dorvel-cli as a separate process and collects its output.
#pragma once

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace dorvel::testing {

struct ProgramRun {
  int status = -1;  // exit status, -1 when killed by a signal
  std::string out;
  std::string err;
};

inline const std::string& cliBinary() {
  static const std::string path = std::string(DORVEL_BINARY_DIR) + "/src/cli/dorvel-cli";
  return path;
}

// Limits of one run: a file-size limit in bytes (writes beyond it fail as
// on a full disk) and a time limit in seconds after which the program is
// killed (status -1); 0 for none.
struct RunLimits {
  long fileSizeBytes = 0;
  unsigned seconds = 0;
};

// Runs the program with `args`, in folder `workDir` when given.
inline ProgramRun runCli(const std::vector<std::string>& args, const std::string& workDir = {},
                         RunLimits limits = {}) {
  TempDir dir;
  std::string outPath = dir.file("out"), errPath = dir.file("err");
  pid_t pid = ::fork();
  if (pid == 0) {
    int o = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int e = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(o, 1);
    ::dup2(e, 2);
    if (!workDir.empty() && ::chdir(workDir.c_str()) != 0) ::_exit(126);
    if (limits.fileSizeBytes > 0) {
      // No signal handling here: the program itself must turn SIGXFSZ into
      // a failed write, as it does for a user under ulimit -f.
      struct rlimit lim {};
      lim.rlim_cur = lim.rlim_max = static_cast<rlim_t>(limits.fileSizeBytes);
      ::setrlimit(RLIMIT_FSIZE, &lim);
    }
    if (limits.seconds > 0) ::alarm(limits.seconds);  // kept across exec
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(cliBinary().c_str()));
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(cliBinary().c_str(), argv.data());
    ::_exit(127);
  }
  ProgramRun r;
  int status = 0;
  ::waitpid(pid, &status, 0);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = readBytes(outPath);
  r.err = readBytes(errPath);
  return r;
}

}  // namespace dorvel::testing
