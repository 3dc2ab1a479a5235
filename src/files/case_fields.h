// Every field of the calculation case by its name, for the command line
// (--set NAME=VALUE) and the JSON output.
//
// Array fields are addressed slot by slot with a 1-based index in brackets,
// the slot numbers of the component tables and of the case file:
// "naturalGasComposition[3]" is slot 3 (propane), "balanceNumber[1]" the
// first value of the pair.
#pragma once

#include <array>
#include <ctime>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/case.h"

namespace dorvel {

enum class FieldGroup { Code, Input, Property, File, Derived, Result, Limit, Flag };

struct CaseField {
  using Member = std::variant<int CalculationCase::*, Real CalculationCase::*,
                              std::string CalculationCase::*, bool CalculationCase::*,
                              Composition CalculationCase::*,
                              std::array<Real, 2> CalculationCase::*,
                              std::time_t CalculationCase::*>;
  std::string_view name;
  FieldGroup group;
  Member member;
  // Integer fields: the values a case may hold (codes and byte switches).
  int minValue = 0;
  int maxValue = -1;  // below minValue: no range

  // Number of slots: 30 or 2 for arrays, 1 otherwise.
  int size() const;
  bool isArray() const { return size() > 1; }
};

// All fields, in the order of the case record.
const std::vector<CaseField>& caseFields();
// The field of that name (no index), or nullptr.
const CaseField* findCaseField(std::string_view name);

// Sets one field from text.  `name` is a field name or "name[i]" for a slot
// of an array field.  Integers must be whole numbers (codes within their
// range, or a code's name), reals decimal numbers with a point, flags 0/1/true/false/yes/no,
// texts anything.  On failure the case is unchanged, `error` says why and
// the result is false.
bool setCaseField(CalculationCase& c, std::string_view name, std::string_view value,
                  std::string& error);

// The value of a field or slot as text (reals to full precision); false for
// an unknown name or a bad index.
bool caseFieldText(const CalculationCase& c, std::string_view name, std::string& out);

// What a field means, e.g. "absolute pressure p1 upstream"; empty for an
// unknown name.
std::string_view fieldMeaning(std::string_view name);
// The unit of a field in the case's own units ("mm", "°C", "kG/cm2",
// "%", "-" for a ratio); a unit chosen by a unit code is written as that
// code's field name in braces ("{pressureUnit}"); empty for codes, flags and
// texts.
std::string_view fieldUnit(std::string_view name);
// The same with the unit code of `c` resolved ("MPa" for pressureInput when
// pressureUnit is 3); the unit texts of the results page.
std::string fieldUnitFor(std::string_view name, const CalculationCase& c);
std::string fieldUnitFor(const CaseField& field, const CalculationCase& c);
// The unit text of one code of a unit field ("MPa" for pressureUnit 3, "kPa"
// for every dpUnit but 1, "m3/h ref.cond." for flowUnit 5).
std::string unitText(std::string_view unitField, int code);
// The same for a case: the reference volume flowrate named by the case's
// reference conditions ("Nm3/h", "Sm3/h"; referenceVolumeFlowUnit).
std::string unitTextFor(std::string_view unitField, int code, const CalculationCase& c);

// The codes of a coded field with their English names (fluidKind: 1 Water,
// 2 Other liquid, ...); empty for other fields.
struct FieldCode {
  int code;
  std::string_view name;
};
const std::vector<FieldCode>& fieldCodes(std::string_view name);
// The code named `text` (case and blanks ignored), or whose name before a
// bracketed addition is `text` when only one is ("GERG-2008" for "GERG-2008
// (ISO 20765-2)"); false if none is.
bool codeFromName(std::string_view field, std::string_view text, int& code);

// Checks every code of the case against its range; `problem` names the first
// code out of range ("fluidKind = 99").
bool caseCodesValid(const CalculationCase& c, std::string& problem);

}  // namespace dorvel
