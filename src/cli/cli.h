// dorvel-cli: computes case files as the results page would, converts case
// files to the current version, prints text or JSON.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "base/case.h"

namespace dorvel::cli {

// Exit statuses.
inline constexpr int kExitOk = 0;       // every case computed
inline constexpr int kExitRefused = 1;  // a case was refused by the checks
inline constexpr int kExitUsage = 2;    // bad command line or a file error

// Runs one command line (without the program name); results go to `out`,
// messages and errors to `err`.  Returns the exit status.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// One case file computed as `calc` computes it (an empty `file`: a new case
// of the defaults, task 3, as calc makes it): read (any version), the
// NAME=VALUE assignments applied, the fluid properties computed as the
// "Fluid Properties" page would, the calculation run and its result stored.
// Messages go to `err`; questions are answered Yes with `acceptDeviations`.
// Returns kExitOk, kExitRefused (the calculation was refused) or kExitUsage
// (the file cannot be read, or a bad assignment).
int computeCaseFile(const std::string& file, const std::vector<std::string>& sets,
                    bool acceptDeviations, CalculationCase& c, std::ostream& err);

// The page commands `report` and `table` live in page_commands.cpp, which is
// built (with the Qt page output) into the program only; the program hands
// them to runCli here.  Without them the two commands say that this build has
// no page output.  `args` starts with the command's name.
using PageCommand = int (*)(const std::vector<std::string>& args, std::ostream& out,
                            std::ostream& err);
void setPageCommand(PageCommand command);
int runPageCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The text of `dorvel-cli --help`.
std::string helpText();

}  // namespace dorvel::cli
