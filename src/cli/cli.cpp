#include "cli/cli.h"

#include <algorithm>
#include <atomic>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <optional>
#include <sstream>
#include <thread>

#include "base/case.h"
#include "calc/driver.h"
#include "base/interaction.h"
#include "cli/json_output.h"
#include "calc/results_view.h"
#include "files/case_fields.h"
#include "files/case_file.h"
#include "props/properties.h"
#include "version.h"

namespace dorvel::cli {

namespace {

// Messages of the engine: shown on stderr in text mode, collected for the
// JSON object in JSON mode.  Questions are answered by the policy of the
// command line.
class CliInteraction : public Interaction {
 public:
  CliInteraction(std::ostream* err, bool acceptDeviations)
      : err_(err), accept_(acceptDeviations) {}

  void showMessage(const Message& m) override {
    const std::string text = m.shownText();
    shown.push_back({false, false, text, m.number()});
    if (err_) *err_ << "dorvel: " << indented(text) << '\n';
  }
  bool askQuestion(const Message& m) override {
    const std::string text = m.shownText();
    shown.push_back({true, accept_, text, m.number()});
    if (err_) *err_ << "dorvel: " << indented(text) << " -> " << (accept_ ? "Yes" : "No") << '\n';
    return accept_;
  }

  std::vector<ShownText> shown;

 private:
  static std::string indented(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r') continue;
      out += text[i];
      if (text[i] == '\n') out += "  ";
    }
    return out;
  }
  std::ostream* err_;
  bool accept_;
};

struct Assignment {
  std::string name;
  std::string value;
};

struct Options {
  std::vector<std::string> files;
  std::vector<Assignment> sets;
  bool json = false;
  bool acceptDeviations = false;
  std::string saveTo;
  size_t jobs = 0;  // calc -j N; 0: one per processor core
};

// The number of processor cores, at least 1.
size_t defaultJobs() {
  const unsigned n = std::thread::hardware_concurrency();
  return n > 0 ? n : 1;
}

// The N of -j N: a whole number from 1 to 1024.
bool parseJobs(const std::string& text, size_t& jobs) {
  if (text.empty() || text.size() > 4) return false;
  size_t n = 0;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return false;
    n = n * 10 + static_cast<size_t>(ch - '0');
  }
  if (n < 1 || n > 1024) return false;
  jobs = n;
  return true;
}

// What each read error means, for the command line's own error line.
std::string readErrorMeaning(int error) {
  switch (error) {
    case 1: return "the file cannot be opened";
    case 2: return "the first line of data cannot be read";
    case 4: return "the balance number cannot be read";
    case 5: return "the first line of real numbers cannot be read";
    case 6: return "a later line of real numbers cannot be read";
    case 7: return "the gas composition cannot be read";
    default: return "";
  }
}

// Reads a case file into a fresh case; on failure `error` says why.
bool readFreshCase(const std::string& path, CalculationCase& c, std::string& error,
                   std::vector<ShownText>& shown) {
  resetCase(c);
  c.task = TaskFlowrate;  // as the program starts; versions before F carry no task
  RecordingInteraction rec;
  bool ok = readCaseFile(path, c, rec);
  for (const auto& e : rec.log()) shown.push_back({e.question, e.answer, e.text, e.number});
  if (ok) return true;
  error = "not a case file (no version marker)";
  for (const auto& e : rec.log())
    if (const int n = caseFileReadErrorOf(e.number))
      error = e.english + " (read error " + std::to_string(n) + ": " + readErrorMeaning(n) + ")";
  return false;
}

bool applySets(CalculationCase& c, const std::vector<Assignment>& sets, std::string& error) {
  for (const auto& s : sets)
    if (!setCaseField(c, s.name, s.value, error)) return false;
  return true;
}

// A computed case whose results go beyond the range of a double (an input
// near the limit, e.g. a density of 1e300 with a viscosity of 1e-300, gives
// a Reynolds number of 5E450 in extended precision) is refused: such a
// number is no result, and no JSON reader takes it back.
bool resultsWithinRange(const CalculationCase& c, Interaction& ui) {
  const auto beyond = [](Real x) {
    return std::isfinite(x) && std::fabs(x) > static_cast<Real>(DBL_MAX);
  };
  for (const auto& f : caseFields()) {
    bool out = false;
    std::visit(
        [&](auto member) {
          using M = decltype(member);
          if constexpr (std::is_same_v<M, Real CalculationCase::*>) {
            out = beyond(c.*member);
          } else if constexpr (std::is_same_v<M, Composition CalculationCase::*> ||
                               std::is_same_v<M, std::array<Real, 2> CalculationCase::*>) {
            for (Real v : c.*member) out = out || beyond(v);
          }
        },
        f.member);
    if (out) {
      ui.showMessage({Msg::ResultBeyondRange, {std::string(f.name)}});
      return false;
    }
  }
  return true;
}

int usage(std::ostream& err, const std::string& problem) {
  err << "dorvel-cli: " << problem << "\nTry 'dorvel-cli --help'.\n";
  return kExitUsage;
}

// Parses the options of calc and convert; `files` receives the rest.
bool parseOptions(const std::vector<std::string>& args, size_t first, Options& o,
                  std::string& problem) {
  bool optionsEnded = false;
  for (size_t i = first; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (optionsEnded || a.empty() || a[0] != '-' || a == "-") {
      o.files.push_back(a);
    } else if (a == "--") {
      optionsEnded = true;
    } else if (a == "--json") {
      o.json = true;
    } else if (a == "--accept-deviations") {
      o.acceptDeviations = true;
    } else if (a == "--set" || a.rfind("--set=", 0) == 0) {
      std::string s;
      if (a == "--set") {
        if (i + 1 >= args.size()) {
          problem = "--set needs NAME=VALUE";
          return false;
        }
        s = args[++i];
      } else {
        s = a.substr(6);
      }
      size_t eq = s.find('=');
      if (eq == std::string::npos || eq == 0) {
        problem = "--set needs NAME=VALUE, got '" + s + "'";
        return false;
      }
      Assignment as{s.substr(0, eq), s.substr(eq + 1)};
      CalculationCase scratch;
      if (!setCaseField(scratch, as.name, as.value, problem)) return false;
      o.sets.push_back(as);
    } else if (a == "-j" || a == "--jobs" || a.rfind("--jobs=", 0) == 0 ||
               (a.size() > 2 && a.rfind("-j", 0) == 0)) {
      std::string n;
      if (a == "-j" || a == "--jobs") {
        if (i + 1 >= args.size()) {
          problem = a + " needs a number of jobs";
          return false;
        }
        n = args[++i];
      } else {
        n = a.rfind("--jobs=", 0) == 0 ? a.substr(7) : a.substr(2);
      }
      if (!parseJobs(n, o.jobs)) {
        problem = "the number of jobs must be a whole number from 1 to 1024, got '" + n + "'";
        return false;
      }
    } else if (a == "--save") {
      if (i + 1 >= args.size()) {
        problem = "--save needs a file name";
        return false;
      }
      o.saveTo = args[++i];
    } else {
      problem = "unknown option " + a;
      return false;
    }
  }
  return true;
}

// The caption filled with blanks to `width` characters (not bytes: the
// captions hold UTF-8 degree signs).
std::string padded(const std::string& text, size_t width) {
  size_t chars = 0;
  for (unsigned char ch : text)
    if ((ch & 0xC0) != 0x80) ++chars;
  return chars < width ? text + std::string(width - chars, ' ') : text;
}

void printTextResults(std::ostream& out, const CalculationCase& c, bool nonConforming) {
  out << "Standard: " << standardInForce(c) << '\n';
  // Natural gas computed by another equation than SGERG-88 names it (the
  // SGERG-88 output stays as it always was).
  const std::string equation = equationOfState(c);
  if (!equation.empty() && equation.rfind("SGERG-88", 0) != 0)
    out << "Equation of state: " << equation << '\n';
  std::string group;
  for (const auto& row : resultsPage(c)) {
    if (row.group != group) {
      group = row.group;
      out << group << '\n';
    }
    out << "  " << padded(row.caption, 46) << ' ' << row.value;
    if (!row.unit.empty()) out << ' ' << row.unit;
    out << '\n';
  }
  for (const std::string& warning : statusWarnings(c)) out << "Warning: " << warning << '\n';
  if (nonConforming || c.hasWarnings()) out << "The results do not conform to the standard.\n";
}

// One file of `calc`: its standard output and error text, and what it
// contributes to the exit status.  The files are independent: each has its
// own case and its own answers to the questions, so they may be computed on
// several threads and printed in the order of the command line.
struct CalcOutcome {
  std::string out;
  std::string err;       // messages of the calculation, before its results
  std::string errAfter;  // a failed --save, after them
  bool unreadable = false;  // a read error (or a failed --save): exit 2
  bool refused = false;     // the calculation was refused: exit 1
};

CalcOutcome calcOne(const Options& o, const std::string& file, bool fromCommandLine) {
  CalcOutcome r;
  std::ostringstream err;
  CalculationCase c;
  CliInteraction ui(o.json ? nullptr : &err, o.acceptDeviations);
  if (fromCommandLine) {
    resetCase(c);
    c.task = TaskFlowrate;  // as the program starts
  } else {
    std::string error;
    std::vector<ShownText> shown;
    if (!readFreshCase(file, c, error, shown)) {
      if (o.json) {
        appendFileErrorJson(r.out, file, error, shown);
        r.out += '\n';
      } else {
        err << "dorvel-cli: " << file << ": " << error << '\n';
      }
      r.unreadable = true;
      r.err = err.str();
      return r;
    }
  }
  std::string problem;
  applySets(c, o.sets, problem);  // checked while parsing

  bool nonConforming = false;
  bool ok = false;
  if (!caseCodesValid(c, problem)) {
    ui.showMessage({Msg::CodeOutOfRange, {problem}});
  } else if (preparePropertiesAsPage(c, ui)) {
    ok = runCalculation(c, ui, nonConforming);
    if (ok) storeTaskResult(c);
    if (ok) ok = resultsWithinRange(c, ui);
  }
  r.refused = !ok;

  if (o.json) {
    r.out.reserve(12288);  // a computed case's object is about 8 KB
    appendCaseJson(r.out, c, file, ok, nonConforming, ui.shown,
                   ok ? standardInForce(c) : std::string(), ok ? statusWarning(c) : std::string(),
                   ok ? statusWarnings(c) : std::vector<std::string>());
    r.out += '\n';
  } else {
    std::ostringstream text;
    text << "== " << (fromCommandLine ? std::string("(case from the command line)") : file);
    if (!c.caseTitle.empty()) text << "  " << c.caseTitle;
    text << '\n';
    if (ok)
      printTextResults(text, c, nonConforming);
    else
      text << "No results: the calculation was refused.\n";
    r.out = text.str();
  }

  if (!o.saveTo.empty()) {
    RecordingInteraction rec;
    std::string reason;
    if (!writeCaseFile(o.saveTo, c, rec, &reason)) {
      r.errAfter = "dorvel-cli: " + o.saveTo + ": Output error (" + reason + ")\n";
      r.unreadable = true;
    }
  }
  r.err = err.str();
  return r;
}

int runCalc(const Options& o, std::ostream& out, std::ostream& err) {
  if (!o.saveTo.empty() && o.files.size() > 1)
    return usage(err, "--save takes the result of one case only");
  std::vector<std::string> files = o.files;
  const bool fromCommandLine = files.empty();
  if (fromCommandLine) files.push_back({});

  int status = kExitOk;
  const auto emit = [&](const CalcOutcome& r) {
    err << r.err;
    out << r.out;
    err << r.errAfter;
    if (r.unreadable) status = kExitUsage;
    if (r.refused && status == kExitOk) status = kExitRefused;
  };
  const size_t jobs = std::min(files.size(), o.jobs > 0 ? o.jobs : defaultJobs());
  if (jobs <= 1) {
    for (const std::string& file : files) emit(calcOne(o, file, fromCommandLine));
    return status;
  }

  // Every thread, this one among them, takes the next file; the thread that
  // completes the first file not yet printed prints it and every finished
  // file after it, in order.  Nobody waits for anybody but at the lock.
  std::vector<std::optional<CalcOutcome>> outcomes(files.size());
  std::mutex mutex;
  size_t printed = 0;
  std::atomic<size_t> next{0};
  const auto work = [&] {
    for (size_t i = next++; i < files.size(); i = next++) {
      CalcOutcome r = calcOne(o, files[i], fromCommandLine);
      const std::lock_guard<std::mutex> lock(mutex);
      outcomes[i] = std::move(r);
      for (; printed < files.size() && outcomes[printed]; ++printed) {
        emit(*outcomes[printed]);
        outcomes[printed].reset();
      }
    }
  };
  std::vector<std::thread> workers;
  workers.reserve(jobs - 1);
  for (size_t j = 1; j < jobs; ++j) workers.emplace_back(work);
  work();
  for (std::thread& t : workers) t.join();
  return status;
}

int runConvert(const Options& o, std::ostream& err) {
  if (o.files.size() != 2) return usage(err, "convert needs IN and OUT");
  if (o.json || o.acceptDeviations || !o.saveTo.empty())
    return usage(err, "convert takes only --set");
  CalculationCase c;
  std::string error;
  std::vector<ShownText> shown;
  if (!readFreshCase(o.files[0], c, error, shown)) {
    err << "dorvel-cli: " << o.files[0] << ": " << error << '\n';
    return kExitUsage;
  }
  applySets(c, o.sets, error);
  RecordingInteraction rec;
  std::string reason;
  if (!writeCaseFile(o.files[1], c, rec, &reason)) {
    err << "dorvel-cli: " << o.files[1] << ": Output error (" << reason << ")\n";
    return kExitUsage;
  }
  return kExitOk;
}

// The JSON type of a field's value.
const char* fieldType(const CaseField& f) {
  return std::visit(
      [](auto member) -> const char* {
        using M = decltype(member);
        if constexpr (std::is_same_v<M, int CalculationCase::*> ||
                      std::is_same_v<M, std::time_t CalculationCase::*>)
          return "integer";
        else if constexpr (std::is_same_v<M, Real CalculationCase::*>)
          return "number";
        else if constexpr (std::is_same_v<M, std::string CalculationCase::*>)
          return "string";
        else if constexpr (std::is_same_v<M, bool CalculationCase::*>)
          return "boolean";
        else
          return "array";
      },
      f.member);
}

// Every field: name, type, unit, meaning and, for coded fields, the codes.
int listFields(std::ostream& out, bool json) {
  if (json) out << '[';
  bool first = true;
  for (const auto& f : caseFields()) {
    const std::string name =
        std::string(f.name) + (f.isArray() ? "[1.." + std::to_string(f.size()) + "]" : "");
    const std::vector<FieldCode>& codes = fieldCodes(f.name);
    if (json) {
      out << (first ? "" : ",") << "\n{\"name\":" << jsonString(std::string(f.name))
          << ",\"type\":\"" << fieldType(f) << '"';
      if (f.isArray()) out << ",\"slots\":" << f.size();
      out << ",\"unit\":" << jsonString(std::string(fieldUnit(f.name)))
          << ",\"meaning\":" << jsonString(std::string(fieldMeaning(f.name))) << ",\"codes\":[";
      for (size_t i = 0; i < codes.size(); ++i)
        out << (i ? "," : "") << "{\"code\":" << codes[i].code
            << ",\"name\":" << jsonString(std::string(codes[i].name)) << '}';
      out << "]}";
    } else {
      out << name << '\t' << fieldType(f) << '\t' << fieldUnit(f.name) << '\t'
          << fieldMeaning(f.name) << '\n';
      for (const FieldCode& fc : codes) out << "    " << fc.code << "  " << fc.name << '\n';
      if (codes.empty() && f.maxValue >= f.minValue)
        out << "    " << f.minValue << ".." << f.maxValue << '\n';
    }
    first = false;
  }
  if (json) out << "\n]\n";
  return kExitOk;
}

}  // namespace

int computeCaseFile(const std::string& file, const std::vector<std::string>& sets,
                    bool acceptDeviations, CalculationCase& c, std::ostream& err) {
  CliInteraction ui(&err, acceptDeviations);
  std::string error;
  std::vector<ShownText> shown;
  if (file.empty()) {
    resetCase(c);
    c.task = TaskFlowrate;  // as the program starts
  } else if (!readFreshCase(file, c, error, shown)) {
    err << "dorvel-cli: " << file << ": " << error << '\n';
    return kExitUsage;
  }
  for (const std::string& s : sets) {
    const size_t eq = s.find('=');
    if (eq == std::string::npos || eq == 0 ||
        !setCaseField(c, s.substr(0, eq), s.substr(eq + 1), error)) {
      err << "dorvel-cli: " << (eq == std::string::npos ? "--set needs NAME=VALUE, got '" + s + "'" : error)
          << '\n';
      return kExitUsage;
    }
  }
  // Values given on the command line are not the file's: the printed pages
  // say that the inputs were changed after reading.
  if (!sets.empty()) c.caseModified = true;
  std::string problem;
  bool nonConforming = false;
  if (!caseCodesValid(c, problem)) {
    ui.showMessage({Msg::CodeOutOfRange, {problem}});
    return kExitRefused;
  }
  if (!preparePropertiesAsPage(c, ui) || !runCalculation(c, ui, nonConforming)) return kExitRefused;
  storeTaskResult(c);
  return resultsWithinRange(c, ui) ? kExitOk : kExitRefused;
}

namespace {
PageCommand pageCommand = nullptr;
}  // namespace

void setPageCommand(PageCommand command) { pageCommand = command; }

int runPageCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (pageCommand != nullptr) return pageCommand(args, out, err);
  err << "dorvel-cli: " << (args.empty() ? std::string("report") : args[0])
      << " needs the page output, which this build does not have (Qt 6 was not found)\n";
  return kExitUsage;
}

std::string helpText() {
  return R"(Usage:
  dorvel-cli calc [FILE...] [--json] [--accept-deviations] [--set NAME=VALUE]...
                  [--save OUT] [-j N]
  dorvel-cli convert IN OUT [--set NAME=VALUE]...
  dorvel-cli fields [--json]
  dorvel-cli report [FILE] [--page report|graphs|both] [--lang en|pl] --out OUT.pdf|OUT.png
                  [--accept-deviations] [--set NAME=VALUE]...
  dorvel-cli table [FILE] [--json] [--lang en|pl] [--accept-deviations]
                  [--set NAME=VALUE]...
  dorvel-cli --version
  dorvel-cli --help

calc     Reads each case file (any version), computes the fluid properties as
         the "Fluid Properties" page would, runs the calculation and prints
         the values of the "Results" page.  Without FILE one new case is
         computed, made of the defaults (task 3, water) and the --set values.
           Water, steam, liquid ammonia, coke-oven and natural gas: computed
           from the inputs; air: dry air ("Calculate air properties");
           other gas: from its composition when it sums to 100 %, else the
           hand-typed values (manualDensity, manualViscosity,
           manualIsentropicExponent, manualK1); other liquid: the stored
           density and viscosity.
         --json               one JSON object per case and line: every case
                              field by name, "ok", "nonConforming",
                              "standard", "equationOfState" (natural gas),
                              "warning", "messages", "questions",
                              "results" (the rows of the results page:
                              name, caption, value, text, unit),
                              "uncertainty" (the report's uncertainty
                              terms and total, as printed) and "units"
                              (the unit of every numeric field); the schema
                              is docs/calc-output.schema.json
         --accept-deviations  answer Yes to the questions of the calculation
                              (results outside the standard); default No
         --set NAME=VALUE     sets a case field after the file is read;
                              slots of arrays as NAME[i], i from 1, e.g.
                              --set naturalGasComposition[3]=1.5
                              a code by its number or its name (case and
                              blanks ignored): --set fluidKind="Natural gas"
         --save OUT           writes the case after the calculation to OUT
                              (one case only)
         -j N, --jobs N       computes N files at a time (default: one per
                              processor core); the output keeps the order
                              of the files
convert  Reads a case file of any version and writes it as version L.
fields   Lists every case field: name (arrays with their slots), type, unit
         in the case's own units ({pressureUnit}: the unit chosen by that
         code), meaning, and for coded fields every code with its name.
         --json gives a JSON array of {name, type, unit, meaning, codes}.
report   Computes the case as calc does (without FILE: the defaults and the
         --set values) and draws a printed page: the
         calculation report (--page report, the default) or the uncertainty
         page with its graphs and range table (--page graphs), or both as
         one PDF numbered 1/2, 2/2 (--page both), in English
         (--lang en, the default) or Polish.  OUT.pdf is printed on A4
         through the PDF printer; OUT.png is a page bitmap 1280 pixels wide.
table    Computes the case as calc does (FILE or --set) and prints the measurement-range
         table: readings 100 % ... 10 %, linear and exact flowrate, their
         difference, DELTA p, pressure loss, relative and absolute
         uncertainty; --json gives the values in full precision.

Messages of the calculation go to stderr in text mode and into the JSON
object in JSON mode.  Numbers in JSON have the digits that give back the
same long double; values that are not finite are null.

Exit status: 0 every case computed, 1 a case was refused by the checks,
2 a usage error, a file that cannot be read or written, or standard output
that cannot be written (a full disk).
)";
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return usage(err, "no command given");
  const std::string& cmd = args[0];
  if (cmd == "--version" || cmd == "-V") {
    out << "dorvel-cli " << kVersion << '\n';
    return kExitOk;
  }
  if (cmd == "--help" || cmd == "-h" || cmd == "help") {
    out << helpText();
    return kExitOk;
  }
  for (const auto& a : args)
    if (a == "--help" || a == "-h") {
      out << helpText();
      return kExitOk;
    }
  if (cmd == "fields") {
    if (args.size() == 1) return listFields(out, false);
    if (args.size() == 2 && args[1] == "--json") return listFields(out, true);
    return usage(err, "fields takes only --json");
  }
  if (cmd == "report" || cmd == "table") return runPageCommand(args, out, err);
  if (cmd != "calc" && cmd != "convert") return usage(err, "unknown command " + cmd);
  Options o;
  std::string problem;
  if (!parseOptions(args, 1, o, problem)) return usage(err, problem);
  if (cmd == "convert" && o.jobs > 0) return usage(err, "-j is an option of calc");
  return cmd == "calc" ? runCalc(o, out, err) : runConvert(o, err);
}

}  // namespace dorvel::cli
