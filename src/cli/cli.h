// dorvel-cli: computes case files as the results page would, converts case
// files to the current version, prints text or JSON.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace dorvel::cli {

// Exit statuses.
inline constexpr int kExitOk = 0;       // every case computed
inline constexpr int kExitRefused = 1;  // a case was refused by the checks
inline constexpr int kExitUsage = 2;    // bad command line or a file error

// Runs one command line (without the program name); results go to `out`,
// messages and errors to `err`.  Returns the exit status.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The text of `dorvel-cli --help`.
std::string helpText();

}  // namespace dorvel::cli
