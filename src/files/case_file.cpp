#include "files/case_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <cerrno>
#include <limits>
#include <string_view>

#include "base/format.h"
#include "calc/limits.h"
#include "files/atomic_write.h"
#include "files/text_encoding.h"
#include "props/mixture.h"
#include "props/natural_gas_eos.h"

namespace dorvel {

namespace {

// Larger files are no case files: a measuring point takes well under 4 kB.
constexpr std::size_t kMaxFileSize = 16u << 20;

// Relative density of natural gas from its reference density: the density of
// dry air at 0 degC and 101.325 kPa, kg/m3.
constexpr Real kAirReferenceDensity = 1.292923L;

constexpr Real kDefaultRefPressure = 101.325L;  // kPa

// Natural gas computed by another equation than SGERG-88 ends its
// composition block with the line "31 code" (2 AGA8-92DC, 3 GERG-2008).
// Every earlier reader takes composition indices 1 to 30 only and refuses
// the file at this line ("Input error"), so an older installation never
// computes such a case with SGERG-88.  An SGERG-88 case has no such line.
constexpr int kEquationLineIndex = kCompositionSlots + 1;

bool isSteamKind(int k) { return k == FluidSteam || k == FluidSteam13; }

// The upstream-fitting field that the file stores for the device: the code
// of the fitting list in force (the orifice list for codes no list offers).
int& fittingField(CalculationCase& c) {
  return c.*fittingFieldOf(straightLengthTable(c.deviceType, c.pipeDiameter20));
}

// ---- reading ----------------------------------------------------------------

bool isBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r'; }

bool parseInteger(std::string_view t, int& out) {
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  if (t.empty() || t.front() == '+') return false;
  long long v = 0;
  auto r = std::from_chars(t.data(), t.data() + t.size(), v);
  if (r.ec != std::errc{} || r.ptr != t.data() + t.size()) return false;
  if (v < -2147483647LL || v > 2147483647LL) return false;
  out = static_cast<int>(v);
  return true;
}

// The numbers of one line, read one after the other as the text-file reads
// of the format do: blanks separate them, the rest of the line is ignored.
// A failed read raises the shared error flag; once it is raised nothing more
// is read, so the fields keep what they had until the next check reports it.
class LineCursor {
 public:
  LineCursor(std::string_view line, bool& error) : line_(line), error_(error) {}

  void integer(int& v) {
    std::string_view t;
    int parsed = 0;
    if (token(t) && parseInteger(t, parsed))
      v = parsed;
    else
      error_ = true;
  }
  void real(Real& v) {
    std::string_view t;
    Real parsed = 0;
    if (token(t) && parseReal(t, parsed))
      v = parsed;
    else
      error_ = true;
  }
  void skipReal() {
    Real ignored = 0;
    real(ignored);
  }
  std::string_view rest() const { return line_.substr(pos_); }

 private:
  bool token(std::string_view& t) {
    if (error_) return false;
    while (pos_ < line_.size() && isBlank(line_[pos_])) ++pos_;
    size_t start = pos_;
    while (pos_ < line_.size() && !isBlank(line_[pos_])) ++pos_;
    t = line_.substr(start, pos_ - start);
    return !t.empty();
  }

  std::string_view line_;
  size_t pos_ = 0;
  bool& error_;
};

class TextLines {
 public:
  explicit TextLines(std::string_view text) : text_(text) {}

  bool atEnd() const { return pos_ >= text_.size(); }
  void skipTo(size_t pos) { pos_ = pos; }

  // The next line without its CR LF; at the end of the text the error flag
  // is raised and the line is empty.
  std::string_view line() {
    if (error || atEnd()) {
      error = true;
      return {};
    }
    size_t eol = text_.find('\n', pos_);
    size_t end = (eol == std::string_view::npos) ? text_.size() : eol;
    std::string_view l = text_.substr(pos_, end - pos_);
    pos_ = (eol == std::string_view::npos) ? text_.size() : eol + 1;
    if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
    return l;
  }
  LineCursor numbers() { return LineCursor(line(), error); }

  bool error = false;

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

bool reportReadError(Interaction& ui, int error) {
  ui.showMessage(caseFileReadErrorMessage(error));
  return false;
}

// ---- writing ----------------------------------------------------------------

// Values that are not finite, or beyond the range of a double, cannot be
// read back (the reader refuses them as no number): they are written as 0.
Real writable(Real x) {
  return std::isfinite(x) && std::fabs(x) <= static_cast<Real>(DBL_MAX) ? x : 0.0L;
}

std::string fixed(Real x, int width, int decimals) {
  return formatFixed(writable(x), width, decimals);
}

std::string integer(int v, int width) {
  std::string s = std::to_string(v);
  if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<size_t>(width) - s.size(), ' ');
  return s;
}

// R*: a blank and the value in scientific notation with the fewest digits
// that read back to exactly the same long double.  Subnormal values, which
// no reader accepts, are written as 0.
std::string fullPrecision(Real x) {
  x = writable(x);
  if (x != 0 && std::fabs(x) < std::numeric_limits<Real>::min()) x = 0;
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
  std::string s(buf, r.ec == std::errc{} ? r.ptr : buf);
  for (char& ch : s)
    if (ch == 'e') ch = 'E';
  return " " + s;
}

// One line of the file.  A number that would touch the one before it (a
// value too wide for its field) gets a separating blank, so the line stays
// readable; the value itself is written in full, never cut.
class Line {
 public:
  Line& num(const std::string& field) {
    if (!text_.empty() && text_.back() != ' ' && !field.empty() && field.front() != ' ')
      text_ += ' ';
    text_ += field;
    return *this;
  }
  Line& blank() {
    text_ += ' ';
    return *this;
  }
  Line& text(const std::string& s) {
    text_ += s;
    return *this;
  }
  const std::string& str() const { return text_; }

 private:
  std::string text_;
};

bool isAscii(const std::string& s) {
  for (unsigned char ch : s)
    if (ch >= 0x80) return false;
  return true;
}

// Free texts stay on their one line.
std::string oneLine(const std::string& s) {
  std::string out = s;
  for (char& ch : out)
    if (ch == '\r' || ch == '\n') ch = ' ';
  return out;
}

}  // namespace

Message caseFileReadErrorMessage(int error, const std::string& path) {
  return {static_cast<Msg>(kReadErrorMessageBase + error), {path}};
}

int caseFileReadErrorOf(int messageNumber) {
  const int error = messageNumber - kReadErrorMessageBase;
  return isCaseFileReadError(error) ? error : 0;
}

ReadErrorText caseFileReadError(int error, const std::string& path) {
  if (!isCaseFileReadError(error)) return {};
  const Message m = caseFileReadErrorMessage(error, path);
  return {m.text(true), m.text(false)};
}

bool readCaseText(const std::string& text, CalculationCase& c, Interaction& ui) {
  // The version marker: the last non-blank of the first two characters.
  size_t eol = text.find('\n');
  std::string_view first(text.data(), eol == std::string::npos ? text.size() : eol);
  if (!first.empty() && first.back() == '\r') first.remove_suffix(1);
  char marker = 0;
  for (size_t i = 0; i < first.size() && i < 2; ++i)
    if (first[i] != ' ') marker = first[i];
  if (marker == 0 || std::strchr("FLMNUWZ", marker) == nullptr) return false;

  const bool current = (marker == 'F' || marker == 'L');
  const bool old = (marker == 'M' || marker == 'N');

  TextLines in(text);
  in.skipTo(eol == std::string::npos ? text.size() : eol + 1);

  // Line 1: codes (the oldest versions have no task).
  LineCursor line1(first.substr(first.size() < 2 ? first.size() : 2), in.error);
  if (current) line1.integer(c.task);
  line1.integer(c.deviceType);
  line1.integer(c.pipeMaterial);
  line1.integer(c.deviceMaterial);
  // The encoding of the free texts, named after the codes by this version;
  // the earlier installations wrote none and skip it.
  const FileTextEncoding encoding =
      in.error ? FileTextEncoding::Unnamed : fileTextEncoding(line1.rest());

  if (in.error) return reportReadError(ui, 2);
  std::string_view title = in.line();
  if (!in.error) c.caseTitle = fileTextAsUtf8(title, encoding);

  if (in.error) return reportReadError(ui, 4);
  {
    LineCursor l = in.numbers();
    l.real(c.balanceNumber[0]);
    l.real(c.balanceNumber[1]);
  }

  if (in.error) return reportReadError(ui, 5);
  {
    LineCursor l = in.numbers();
    l.real(c.pipeDiameter20);
    l.integer(c.dpUnit);
    l.real(c.deviceDiameter20);
    l.real(c.dpInput);
    l.real(c.temperature);
    l.integer(c.fluidKind);
    if (marker == 'L') l.real(c.deviceType == DevEccentricOrifice ? c.eccentricRoughness
                                                                  : c.drainHoleDiameter);
  }
  // Codes 10 to 12 name no fluid (13 is the older files' steam): a line that
  // holds one is not read as a case.
  if (!in.error && c.fluidKind >= 10 && c.fluidKind <= 12) return reportReadError(ui, 5);

  if (in.error) return reportReadError(ui, 6);
  if (c.dpUnit == 3) {
    LineCursor l = in.numbers();
    l.real(c.dpUnit3Values[0]);
    l.real(c.dpUnit3Values[1]);
  }
  if (c.dpUnit == 4) {
    LineCursor l = in.numbers();
    l.real(c.dpUnit4Values[0]);
    l.real(c.dpUnit4Values[1]);
  }

  if (in.error) return reportReadError(ui, 5);
  {
    LineCursor l = in.numbers();
    l.integer(c.flowUnit);
    l.real(c.flowrateInput);
    l.integer(c.densityKind);
    l.real(c.enteredDensity);
    l.integer(c.viscosityUnit);
    l.real(c.viscosityEntered);
  }

  if (in.error) return reportReadError(ui, 6);
  {
    LineCursor l = in.numbers();
    l.integer(c.pressureUnit);
    l.real(c.pressureInput);
    l.real(c.relativeHumidity);
    l.real(c.isentropicExponent);
    l.real(c.compressibilityK1);
  }
  if (in.error) return reportReadError(ui, 6);
  {
    LineCursor l = in.numbers();
    l.integer(fittingField(c));
    l.real(c.upstreamLengthActual);
    l.real(c.downstreamLengthActual);
    l.real(c.extraCUncertainty);
    l.real(c.nominalPercent);  // the nominal flowrate; old versions: its percentage
  }

  if (c.densityKind == 1) {
    c.density = c.enteredDensity;
    c.humidityCorrected = false;
  } else if (c.densityKind == 2) {
    c.refDensity = c.enteredDensity;
    c.humidityCorrected = true;
    c.density = 0;
  }

  c.calorificValue = 0;
  if (isNaturalGasKind(c.fluidKind) && marker != 'N') {
    if (in.error) return reportReadError(ui, 6);
    LineCursor l = in.numbers();
    l.real(c.refDensity);
    l.real(c.calorificValue);
    c.relativeDensity = c.refDensity / kAirReferenceDensity;
  }

  if (c.fluidKind == FluidNaturalGas && current) {
    if (in.error) return reportReadError(ui, 6);
    LineCursor l = in.numbers();
    l.real(c.co2Percent);
    l.real(c.h2Percent);
    l.real(c.relativeDensity);
  }

  if (c.fluidKind == FluidOtherGas) {
    if (current) {
      if (in.error) return reportReadError(ui, 6);
      LineCursor l = in.numbers();
      l.real(c.manualDensity);
      l.real(c.manualViscosity);
      l.real(c.manualIsentropicExponent);
      l.real(c.manualK1);
    } else {
      c.manualDensity = c.enteredDensity;
      c.manualViscosity = c.viscosityEntered;
      c.manualIsentropicExponent = c.isentropicExponent;
      c.manualK1 = c.compressibilityK1;
    }
  }

  if (!old) {
    if (in.error) return reportReadError(ui, 6);
    {
      LineCursor l = in.numbers();
      l.real(c.dpTransmitterError);
      l.skipReal();  // a literal 0
      l.real(c.dpTransmitterReference);
      l.skipReal();  // three unused zeros
      l.skipReal();
      l.skipReal();
      l.real(c.densityUncertainty);
      if (!in.error) {
        std::string_view rest = l.rest();
        if (rest == "   0.00") {
          // Older files hold a number where the fluid name now stands.
          c.fluidName = (c.fluidKind == FluidOtherLiquid) ? "Other liquid" : "Other gas";
        } else {
          if (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
          c.fluidName = fileTextAsUtf8(rest, encoding);
        }
      }
    }
    {
      LineCursor l = in.numbers();
      l.real(c.pressureTransmitterError);
      l.real(c.temperatureTransmitterError);
      l.real(c.k1Uncertainty);
      l.real(c.refDensityUncertainty);
    }
    // Specific volume and enthalpy are computed results: skipped.
    if (isSteamKind(c.fluidKind) || c.fluidKind == FluidWater) in.line();
  } else {
    c.dpTransmitterError = 0;
    c.dpTransmitterReference = 0;
    c.densityUncertainty = 0;
    c.pressureTransmitterError = 0;
    c.temperatureTransmitterError = 0;
    c.k1Uncertainty = 0;
    c.refDensityUncertainty = 0;
    c.specificVolume = 0;
    c.specificEnthalpy = 0;
  }

  const bool composed = c.fluidKind == FluidOtherGas || c.fluidKind == FluidCokeGas ||
                        c.fluidKind == FluidNaturalGas;
  if (current && composed) {
    std::string_view l = in.line();
    if (!in.error) {
      while (!l.empty() && isBlank(l.front())) l.remove_prefix(1);
      while (!l.empty() && isBlank(l.back())) l.remove_suffix(1);
      c.compositionInMolePercent = (l == "1") ? 1 : 0;
    }
  }

  const bool withReference =
      (current && (c.fluidKind == FluidAir || c.fluidKind == FluidOtherGas ||
                   c.fluidKind == FluidCokeGas)) ||
      (marker == 'Z' && c.fluidKind == FluidOtherGas);
  if (withReference) {
    LineCursor l = in.numbers();
    l.real(c.refTemperature);
    l.real(c.refPressure);
  } else {
    c.refTemperature = 0;
    c.refPressure = kDefaultRefPressure;
  }
  c.refConditionsText = referenceConditionsText(c.refTemperature, c.refPressure);

  if (c.fluidKind == FluidCokeGas && current) {
    if (in.error) return reportReadError(ui, 6);
    LineCursor l = in.numbers();
    l.real(c.cokeGasCnHm);
  }

  // The composition block, "index value" per line to the end of the file.
  c.mixtureComposition.fill(0);
  c.naturalGasComposition.fill(0);
  if (in.error) return reportReadError(ui, 6);
  const bool naturalGasOrder = isNaturalGasKind(c.fluidKind) &&
                               (current || marker == 'U' || marker == 'Z');
  Composition& target = naturalGasOrder ? c.naturalGasComposition : c.mixtureComposition;
  if (isNaturalGasKind(c.fluidKind)) c.naturalGasEquation = kEquationSgerg88;
  while (!in.atEnd() && !in.error) {
    std::string_view raw = in.line();
    if (raw.find_first_not_of(" \t\r") == std::string_view::npos) continue;  // empty line
    LineCursor l(raw, in.error);
    int index = 0;
    Real value = 0;
    l.integer(index);
    l.real(value);
    if (in.error) break;
    if (index == kEquationLineIndex && naturalGasOrder &&
        (value == Real(kEquationAga8_92dc) || value == Real(kEquationGerg2008))) {
      c.naturalGasEquation = static_cast<int>(value);
      c.naturalGasInputIsComposition = 1;
      continue;
    }
    if (index < 1 || index > kCompositionSlots) {
      in.error = true;
      break;
    }
    target[static_cast<size_t>(index - 1)] = value;
  }
  if (naturalGasOrder)
    copyNaturalGasToMixture(c);
  else
    copyMixtureToNaturalGas(c);

  if (in.error) return reportReadError(ui, 7);
  if (old) {
    // Old versions hold the nominal flowrate as a percentage, and number
    // the flowrate units differently.
    c.nominalFlowrate = c.flowrateInput * c.nominalPercent / 100;
    if (!std::isfinite(c.nominalFlowrate)) {
      c.nominalFlowrate = 0;  // two absurd numbers: no nominal flowrate to read
      return reportReadError(ui, 6);
    }
    switch (c.flowUnit) {
      case 3: c.flowUnit = 4; break;
      case 4: c.flowUnit = 5; break;
      case 5: c.flowUnit = 1; break;
      case 6: c.flowUnit = 3; break;
      default: break;
    }
  } else {
    c.nominalFlowrate = c.nominalPercent;
  }
  return true;
}

bool readCaseFile(const std::string& path, CalculationCase& c, Interaction& ui) {
  c.dataFilePath = path;
  auto cannotOpen = [&]() {
    ui.showMessage(caseFileReadErrorMessage(1, path));
    return false;
  };
  // Opened without blocking and checked to be a regular file before a byte
  // is read: a FIFO, a device or a folder is no case file.
  std::string text, reason;
  std::time_t modified = 0;
  bool tooLarge = false;
  if (!readRegularFile(path, kMaxFileSize, text, reason, &modified, &tooLarge))
    return tooLarge ? false : cannotOpen();  // a huge file is no case file
  if (!readCaseText(text, c, ui)) return false;
  c.dataFileDate = modified;
  c.dataFileDateKnown = true;
  return true;
}

std::string caseFileText(CalculationCase& c) {
  c.enteredDensity = (c.densityKind == 1) ? c.density : c.refDensity;
  if (c.fluidKind != FluidOtherLiquid && c.fluidKind != FluidOtherGas) c.fluidName.clear();
  const int fk = c.fluidKind;

  // The two free texts in Windows-1250 when both have a form there, so the
  // Windows installations read them back; otherwise in UTF-8.  Text beyond
  // ASCII names its encoding at the end of line 1, where the earlier
  // installations skip the rest of the line: some Windows-1250 texts are
  // also valid UTF-8 ("SPÓŁKA" holds the UTF-8 sequence of U+04E3), so
  // the bytes alone cannot always say which was written.
  std::string title = oneLine(textAsUtf8(c.caseTitle));
  std::string name = oneLine(textAsUtf8(c.fluidName));
  const bool ascii = isAscii(title) && isAscii(name);
  std::string title1250, name1250;
  const bool windows1250 =
      encodeWindows1250(title, title1250) && encodeWindows1250(name, name1250);
  if (windows1250) {
    title = std::move(title1250);
    name = std::move(name1250);
  }

  std::string out;
  auto put = [&out](const Line& l) {
    out += l.str();
    out += "\r\n";
  };

  Line first;
  first.text(" L").num(integer(c.task, 3)).num(integer(c.deviceType, 4))
      .num(integer(c.pipeMaterial, 3)).num(integer(c.deviceMaterial, 3));
  if (!ascii) first.blank().text(windows1250 ? kWindows1250Name : kUtf8Name);
  put(first);
  put(Line().text(title));
  put(Line().num(fixed(c.balanceNumber[0], 7, 4)).blank().num(fixed(c.balanceNumber[1], 7, 4)));
  put(Line().num(fixed(c.pipeDiameter20, 10, 4)).blank().num(integer(c.dpUnit, 2)).blank()
          .num(fixed(c.deviceDiameter20, 10, 4)).blank().num(fixed(c.dpInput, 12, 7)).blank()
          .num(fixed(c.temperature, 10, 4)).num(integer(fk, 3)).blank()
          .num(fixed(c.deviceType == DevEccentricOrifice ? c.eccentricRoughness
                                                         : c.drainHoleDiameter,
                     10, 4)));
  if (c.dpUnit == 3)
    put(Line().num(fullPrecision(c.dpUnit3Values[0])).num(fullPrecision(c.dpUnit3Values[1])));
  if (c.dpUnit == 4)
    put(Line().num(fullPrecision(c.dpUnit4Values[0])).num(fullPrecision(c.dpUnit4Values[1])));
  put(Line().num(integer(c.flowUnit, 0)).blank().num(fixed(c.flowrateInput, 14, 7))
          .num(integer(c.densityKind, 3)).blank().num(fixed(c.enteredDensity, 12, 7))
          .num(integer(c.viscosityUnit, 3)).num(fullPrecision(c.viscosityEntered)));
  put(Line().num(integer(c.pressureUnit, 0)).blank().num(fixed(c.pressureInput, 14, 7)).blank()
          .num(fixed(c.relativeHumidity, 10, 4)).blank().num(fixed(c.isentropicExponent, 10, 4))
          .blank().num(fixed(c.compressibilityK1, 12, 7)));
  put(Line().num(integer(fittingField(c), 0)).blank().num(fixed(c.upstreamLengthActual, 10, 4))
          .blank().num(fixed(c.downstreamLengthActual, 10, 4)).blank()
          .num(fixed(c.extraCUncertainty, 10, 4)).blank().num(fixed(c.nominalFlowrate, 14, 7)));
  if (isNaturalGasKind(fk))
    put(Line().num(fixed(c.refDensity, 12, 7)).blank().num(fixed(c.calorificValue, 12, 7)));
  if (fk == FluidNaturalGas)
    put(Line().num(fixed(c.co2Percent, 12, 7)).blank().num(fixed(c.h2Percent, 12, 7)).blank()
            .num(fixed(c.relativeDensity, 12, 7)));
  if (fk == FluidOtherGas)
    put(Line().num(fullPrecision(c.manualDensity)).num(fullPrecision(c.manualViscosity))
            .num(fullPrecision(c.manualIsentropicExponent)).num(fullPrecision(c.manualK1)));
  put(Line().num(fixed(c.dpTransmitterError, 4, 2)).blank().num("0").blank()
          .num(fixed(c.dpTransmitterReference, 12, 5)).num(fixed(0, 7, 2)).num(fixed(0, 7, 2))
          .num(fixed(0, 7, 2)).num(fixed(c.densityUncertainty, 7, 2)).blank()
          .text(name));
  put(Line().num(fixed(c.pressureTransmitterError, 7, 2))
          .num(fixed(c.temperatureTransmitterError, 7, 2)).num(fixed(c.k1Uncertainty, 7, 2))
          .num(fixed(c.refDensityUncertainty, 7, 2)));
  if (isSteamKind(fk))
    put(Line().num(fixed(c.specificVolume, 12, 7)).blank().num(fixed(c.specificEnthalpy, 12, 5)));
  if (fk == FluidWater) put(Line().num(fixed(c.specificEnthalpy, 12, 5)));
  if (fk == FluidOtherGas || fk == FluidCokeGas || fk == FluidNaturalGas)
    put(Line().text(c.compositionInMolePercent ? "1" : "2"));
  if (fk == FluidAir || fk == FluidOtherGas || fk == FluidCokeGas)
    put(Line().num(fixed(c.refTemperature, 7, 2)).blank().num(fixed(c.refPressure, 12, 5)));
  if (fk == FluidCokeGas) put(Line().num(fullPrecision(c.cokeGasCnHm)));
  // Slots holding a value above 0, each "index value" with R:10.5.  A value
  // so small that five decimals show 0.00000 would only come back as 0: it
  // is left out like a zero slot.
  auto composition = [&](const Composition& slots, int count) {
    for (int i = 1; i <= count; ++i) {
      Real v = slots[static_cast<size_t>(i - 1)];
      if (!(v > 0)) continue;
      std::string value = fixed(v, 10, 5);
      if (value.find_first_of("123456789") == std::string::npos) continue;
      put(Line().num(integer(i, 0)).blank().num(value));
    }
  };
  if (isNaturalGasKind(fk)) {
    composition(c.naturalGasComposition, kCompositionSlots);
    const int equation = naturalGasEquationInForce(c);
    if (equation != kEquationSgerg88)
      put(Line().num(integer(kEquationLineIndex, 0)).blank().num(integer(equation, 0)));
  }
  if (fk == FluidOtherGas || fk == FluidCokeGas) composition(c.mixtureComposition, 22);
  return out;
}

bool writeCaseFile(const std::string& path, CalculationCase& c, Interaction& ui,
                   std::string* reason) {
  std::string text = caseFileText(c);
  std::string why;
  if (!replaceFileContent(path, text, why)) {
    if (reason) *reason = why;
    ui.showMessage(Msg::CaseNotWritten);
    return false;
  }
  if (reason) reason->clear();
  // Saved as the case's own file: the printed pages now credit the inputs
  // to this file, with its new date.
  struct stat st {};
  if (path == c.dataFilePath && ::stat(path.c_str(), &st) == 0) {
    c.dataFileDate = st.st_mtime;
    c.dataFileDateKnown = true;
  }
  return true;
}

}  // namespace dorvel
