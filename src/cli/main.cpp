#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#ifdef DORVEL_WITH_PAGE_OUTPUT
#include "cli/page_commands.h"
#endif

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
#ifdef DORVEL_WITH_PAGE_OUTPUT
  dorvel::cli::setPageCommand(&dorvel::cli::pageCommand);
#endif
  std::vector<std::string> args(argv + 1, argv + argc);
  int status = dorvel::cli::runCli(args, std::cout, std::cerr);
  std::cout.flush();
  return status;
}
