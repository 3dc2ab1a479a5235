// dorvel-cli report and table: the printed pages and the measurement-range
// table of a computed case file.  Built only with the Qt page output.
#include <string>
#include <vector>

#include "base/case.h"
#include "cli/cli.h"
#include "cli/page_commands.h"
#include "output/page_output.h"
#include "output/range_table.h"

namespace dorvel::cli {

namespace {

struct PageOptions {
  std::string file;
  std::string page = "report";
  std::string lang = "en";
  std::string out;
  bool json = false;
  bool acceptDeviations = false;
  std::vector<std::string> sets;
};

int usage(std::ostream& err, const std::string& problem) {
  err << "dorvel-cli: " << problem << "\nTry 'dorvel-cli --help'.\n";
  return kExitUsage;
}

bool endsWith(const std::string& s, const std::string& tail) {
  if (s.size() < tail.size()) return false;
  std::string end = s.substr(s.size() - tail.size());
  for (char& ch : end)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  return end == tail;
}

// Options of report (`forReport`) and table.
bool parse(const std::vector<std::string>& args, bool forReport, PageOptions& o,
           std::string& problem) {
  auto value = [&](size_t& i, const std::string& name, std::string& into) {
    const std::string& a = args[i];
    if (a.rfind(name + "=", 0) == 0) {
      into = a.substr(name.size() + 1);
      return true;
    }
    if (i + 1 >= args.size()) {
      problem = name + " needs a value";
      return false;
    }
    into = args[++i];
    return true;
  };
  auto is = [](const std::string& a, const std::string& name) {
    return a == name || a.rfind(name + "=", 0) == 0;
  };
  std::vector<std::string> files;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.empty() || a[0] != '-') {
      files.push_back(a);
    } else if (a == "--accept-deviations") {
      o.acceptDeviations = true;
    } else if (is(a, "--set")) {
      std::string s;
      if (!value(i, "--set", s)) return false;
      o.sets.push_back(s);
    } else if (is(a, "--lang")) {
      if (!value(i, "--lang", o.lang)) return false;
      if (o.lang != "en" && o.lang != "pl") {
        problem = "--lang is en or pl, not '" + o.lang + "'";
        return false;
      }
    } else if (!forReport && a == "--json") {
      o.json = true;
    } else if (forReport && is(a, "--page")) {
      if (!value(i, "--page", o.page)) return false;
      if (o.page != "report" && o.page != "graphs" && o.page != "both") {
        problem = "--page is report, graphs or both, not '" + o.page + "'";
        return false;
      }
    } else if (forReport && is(a, "--out")) {
      if (!value(i, "--out", o.out)) return false;
    } else {
      problem = "unknown option " + a;
      return false;
    }
  }
  // Without a file the case is made of the defaults and the --set values, as
  // calc makes it.
  if (files.size() > 1 || (files.empty() && o.sets.empty())) {
    problem = std::string(forReport ? "report" : "table") + " needs one case file or --set";
    return false;
  }
  if (!files.empty()) o.file = files[0];
  if (forReport) {
    if (o.out.empty()) {
      problem = "report needs --out OUT.pdf or OUT.png";
      return false;
    }
    if (!endsWith(o.out, ".pdf") && !endsWith(o.out, ".png")) {
      problem = "--out must name a .pdf or a .png file";
      return false;
    }
    if (o.page == "both" && !endsWith(o.out, ".pdf")) {
      problem = "--page both makes one two-page document: --out must name a .pdf file";
      return false;
    }
  }
  return true;
}

}  // namespace

int pageCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const bool report = !args.empty() && args[0] == "report";
  PageOptions o;
  std::string problem;
  if (!parse(args, report, o, problem)) return usage(err, problem);

  CalculationCase c;
  const int status = computeCaseFile(o.file, o.sets, o.acceptDeviations, c, err);
  if (status != kExitOk) {
    if (status == kExitRefused)
      err << "dorvel-cli: " << (o.file.empty() ? std::string("(case from the command line)") : o.file)
          << ": no results, nothing drawn\n";
    return status;
  }
  const bool english = o.lang == "en";
  if (!report) {
    const output::RangeTable table = output::computeRangeTable(c, english);
    out << (o.json ? output::rangeTableJson(table) + "\n" : output::rangeTableText(table));
    return kExitOk;
  }
  std::vector<output::PageKind> pages;
  if (o.page != "graphs") pages.push_back(output::PageKind::CalculationReport);
  if (o.page != "report") pages.push_back(output::PageKind::UncertaintyAnalysis);
  std::string reason;
  const bool ok = endsWith(o.out, ".pdf")
                      ? output::renderPagesPdf(c, pages, english, o.out, {}, &reason)
                      : output::renderPagePng(c, pages.front(), english, o.out, 1280, {}, &reason);
  if (!ok) {
    err << "dorvel-cli: " << o.out << ": Output error (" << reason << ")\n";
    return kExitUsage;
  }
  return kExitOk;
}

}  // namespace dorvel::cli
