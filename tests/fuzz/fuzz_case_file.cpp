// libFuzzer target for the case-file reader.
//
// Oracles: no crash or hang (the sanitizers watch memory and undefined
// behaviour); a read never leaves a real field that is not finite; a failed
// read shows at most one message and a successful one none; the text written
// from a successfully read case reads back and writes the very same text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/case.h"
#include "files/case_fields.h"
#include "files/case_file.h"

namespace {

void requireFinite(const dorvel::CalculationCase& c) {
  using dorvel::CalculationCase;
  using dorvel::Real;
  for (const auto& f : dorvel::caseFields()) {
    if (const auto* m = std::get_if<Real CalculationCase::*>(&f.member)) {
      if (!std::isfinite(c.**m)) std::abort();
    } else if (const auto* a = std::get_if<dorvel::Composition CalculationCase::*>(&f.member)) {
      for (Real v : c.**a)
        if (!std::isfinite(v)) std::abort();
    } else if (const auto* p = std::get_if<std::array<Real, 2> CalculationCase::*>(&f.member)) {
      for (Real v : c.**p)
        if (!std::isfinite(v)) std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace dorvel;
  std::string text(reinterpret_cast<const char*>(data), size);
  CalculationCase c;
  resetCase(c);
  RecordingInteraction ui;
  bool ok = readCaseText(text, c, ui);
  requireFinite(c);
  if (!ok) {
    if (ui.log().size() > 1) std::abort();
    return 0;
  }
  if (!ui.log().empty()) std::abort();

  CalculationCase first = c;
  std::string written = caseFileText(first);
  CalculationCase again;
  resetCase(again);
  RecordingInteraction ui2;
  if (!readCaseText(written, again, ui2)) std::abort();
  requireFinite(again);
  // The reader skips the computed specific volume and enthalpy.
  again.specificVolume = first.specificVolume;
  again.specificEnthalpy = first.specificEnthalpy;
  if (caseFileText(again) != written) std::abort();
  return 0;
}
