// dorvel-cli report and table, built with the Qt page output: the program
// hands pageCommand to runCli through setPageCommand.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace dorvel::cli {

int pageCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace dorvel::cli
