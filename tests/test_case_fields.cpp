// The field registry behind --set and the JSON output.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "base/case.h"
#include "files/case_fields.h"

using namespace dorvel;

TEST(CaseFields, NamesAreUniqueAndFindable) {
  std::set<std::string_view> seen;
  for (const auto& f : caseFields()) {
    EXPECT_TRUE(seen.insert(f.name).second) << f.name;
    EXPECT_EQ(findCaseField(f.name), &f);
  }
  EXPECT_EQ(findCaseField("noSuchField"), nullptr);
}

// Every member of the case record (read from its header) is in the registry,
// so a field added later cannot be missed by --set and the JSON output.
TEST(CaseFields, EveryMemberOfTheRecordIsRegistered) {
  std::ifstream in(std::string(DORVEL_SOURCE_DIR) + "/src/base/case.h");
  std::stringstream ss;
  ss << in.rdbuf();
  std::string text = ss.str();
  size_t begin = text.find("struct CalculationCase {");
  size_t end = text.find("void clearWarnings", begin);
  ASSERT_NE(begin, std::string::npos);
  ASSERT_NE(end, std::string::npos);
  std::string body = text.substr(begin + 24, end - begin - 24);
  body = std::regex_replace(body, std::regex("//[^\n]*"), "");
  body = std::regex_replace(body, std::regex("<[^>]*>"), "");
  body = std::regex_replace(body, std::regex("\\{[^}]*\\}"), "");
  body = std::regex_replace(body, std::regex("=[^,;]*"), "");
  std::vector<std::string> members;
  std::stringstream statements(body);
  std::string statement;
  const std::regex identifier("[A-Za-z_][A-Za-z0-9_]*");
  while (std::getline(statements, statement, ';')) {
    std::stringstream parts(statement);
    std::string part;
    bool first = true;
    while (std::getline(parts, part, ',')) {
      std::vector<std::string> ids;
      for (std::sregex_iterator it(part.begin(), part.end(), identifier), e; it != e; ++it)
        ids.push_back(it->str());
      if (ids.empty()) continue;
      if (first && ids.size() < 2) break;  // not a declaration
      members.push_back(ids.back());
      first = false;
    }
  }
  EXPECT_GT(members.size(), 120u);
  for (const auto& m : members) {
    if (m == "lastPropertyInputs") continue;  // the property snapshot, not a case value
    // The main result's uncertainty budget: a record of its own, given in
    // the JSON as "uncertainty".
    if (m == "uncertaintyBudget") continue;
    EXPECT_NE(findCaseField(m), nullptr) << "case field not registered: " << m;
  }
  EXPECT_EQ(caseFields().size() + 2, members.size());
}

TEST(CaseFields, EveryFieldCanBeSetAndReadBack) {
  // Each field gets a value unlike its default, through text, and the text
  // read back is the text written: no two names share one member.
  CalculationCase c;
  int n = 0;
  for (const auto& f : caseFields()) {
    for (int i = 1; i <= f.size(); ++i) {
      std::string name = std::string(f.name) + (f.isArray() ? "[" + std::to_string(i) + "]" : "");
      std::string value;
      if (std::holds_alternative<int CalculationCase::*>(f.member))
        value = std::to_string(f.maxValue >= f.minValue ? f.maxValue : 7);
      else if (std::holds_alternative<bool CalculationCase::*>(f.member))
        value = "1";
      else if (std::holds_alternative<std::string CalculationCase::*>(f.member))
        value = "text " + name;
      else if (std::holds_alternative<std::time_t CalculationCase::*>(f.member))
        value = "1700000000";
      else
        value = std::to_string(1000 + ++n) + ".125";
      std::string error;
      ASSERT_TRUE(setCaseField(c, name, value, error)) << name << ": " << error;
      std::string back;
      ASSERT_TRUE(caseFieldText(c, name, back)) << name;
      EXPECT_EQ(back, value) << name;
    }
  }
  // All values are still in place after every other field was set.
  n = 0;
  for (const auto& f : caseFields()) {
    if (!std::holds_alternative<Real CalculationCase::*>(f.member) &&
        !std::holds_alternative<Composition CalculationCase::*>(f.member) &&
        !std::holds_alternative<std::array<Real, 2> CalculationCase::*>(f.member))
      continue;
    for (int i = 1; i <= f.size(); ++i) {
      std::string name = std::string(f.name) + (f.isArray() ? "[" + std::to_string(i) + "]" : "");
      std::string back;
      caseFieldText(c, name, back);
      EXPECT_EQ(back, std::to_string(1000 + ++n) + ".125") << name;
    }
  }
  EXPECT_EQ(c.naturalGasComposition[2] > 0, true);
}

TEST(CaseFields, SlotsAreNumberedFromOne) {
  CalculationCase c;
  std::string error;
  ASSERT_TRUE(setCaseField(c, "naturalGasComposition[3]", "4.5", error));
  EXPECT_EQ(c.naturalGasComposition[2], 4.5L);
  ASSERT_TRUE(setCaseField(c, "mixtureComposition[22]", "1", error));
  EXPECT_EQ(c.mixtureComposition[21], 1);
  ASSERT_TRUE(setCaseField(c, "balanceNumber[2]", "-7.25", error));
  EXPECT_EQ(c.balanceNumber[1], -7.25L);
}

TEST(CaseFields, BadAssignmentsLeaveTheCaseUnchanged) {
  const std::pair<const char*, const char*> bad[] = {
      {"noSuchField", "1"},
      {"fluidKind", "99"},           // code out of range
      {"fluidKind", "0"},
      {"task", "1.5"},               // not whole
      {"temperature", "abc"},
      {"temperature", "1,5"},        // the decimal separator is a point
      {"temperature", "nan"},
      {"temperature", "inf"},
      {"temperature", ""},
      {"naturalGasComposition", "1"},     // no slot
      {"naturalGasComposition[0]", "1"},  // slots start at 1
      {"naturalGasComposition[31]", "1"},
      {"naturalGasComposition[x]", "1"},
      {"naturalGasComposition[3", "1"},
      {"temperature[1]", "1"},            // not an array
      {"balanceNumber[3]", "1"},
      {"rangeMode", "maybe"},
      {"compositionInMolePercent", "2"},
  };
  for (const auto& [name, value] : bad) {
    CalculationCase c;
    CalculationCase before = c;
    std::string error;
    EXPECT_FALSE(setCaseField(c, name, value, error)) << name << "=" << value;
    EXPECT_FALSE(error.empty()) << name;
    EXPECT_EQ(c.temperature, before.temperature);
    EXPECT_EQ(c.fluidKind, before.fluidKind);
    EXPECT_EQ(c.naturalGasComposition, before.naturalGasComposition);
  }
}

TEST(CaseFields, CodeRangesMatchTheLists) {
  CalculationCase c;
  std::string problem;
  EXPECT_TRUE(caseCodesValid(c, problem)) << problem;
  for (const auto& [name, lo, hi] : std::initializer_list<std::tuple<const char*, int, int>>{
           {"task", 1, 3}, {"deviceType", 1, 12}, {"pipeMaterial", 1, 7},
           {"fittingOrifice", 1, 12}, {"fittingAsme", 1, 9}, {"fittingNozzle", 1, 10},
           {"fittingVenturi", 1, 8}, {"pressureUnit", 1, 4}, {"flowUnit", 1, 5},
           {"viscosityUnit", 1, 4}, {"densityKind", 1, 2}}) {
    const CaseField* f = findCaseField(name);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->minValue, lo) << name;
    EXPECT_EQ(f->maxValue, hi) << name;
  }
  c.deviceType = 13;
  EXPECT_FALSE(caseCodesValid(c, problem));
  EXPECT_EQ(problem, "deviceType = 13");
  // The fluid codes have a gap: 10 to 12 name no fluid; 8 and 13 are the
  // older files' natural gas and steam.
  c = CalculationCase();
  std::string error;
  for (int k = 0; k <= 14; ++k) {
    const bool listed = (k >= 1 && k <= 9) || k == 13;
    c.fluidKind = k;
    EXPECT_EQ(caseCodesValid(c, problem), listed) << k;
    EXPECT_EQ(isFluidKindCode(k), listed) << k;
    CalculationCase s;
    EXPECT_EQ(setCaseField(s, "fluidKind", std::to_string(k), error), listed) << k;
    EXPECT_EQ(s.fluidKind, listed ? k : FluidWater) << k;
  }
}

// Codes by name: case and blanks ignored, every listed name gives back its
// own code, and a name of another field's list is refused.
TEST(CaseFields, CodesByTheirNames) {
  CalculationCase c;
  std::string error;
  ASSERT_TRUE(setCaseField(c, "fluidKind", "  natural GAS ", error)) << error;
  EXPECT_EQ(c.fluidKind, 9);
  ASSERT_TRUE(setCaseField(c, "deviceType", "VenturiNozzle", error)) << error;
  EXPECT_EQ(c.deviceType, 6);
  ASSERT_TRUE(setCaseField(c, "deviceMaterial", "monel", error)) << error;
  EXPECT_EQ(c.deviceMaterial, 5);
  ASSERT_TRUE(setCaseField(c, "pressureUnit", "bar", error)) << error;
  EXPECT_EQ(c.pressureUnit, 4);
  EXPECT_FALSE(setCaseField(c, "fluidKind", "Gasoline", error));
  EXPECT_FALSE(setCaseField(c, "pressureUnit", "Water", error));
  EXPECT_FALSE(setCaseField(c, "fluidKind", "", error));
  EXPECT_EQ(c.fluidKind, 9);
  for (const auto& f : caseFields()) {
    std::set<int> codes;
    for (const FieldCode& fc : fieldCodes(f.name)) {
      EXPECT_TRUE(codes.insert(fc.code).second) << f.name << " " << fc.code;
      EXPECT_GE(fc.code, f.minValue) << f.name;
      EXPECT_LE(fc.code, f.maxValue) << f.name;
      CalculationCase d;
      ASSERT_TRUE(setCaseField(d, f.name, fc.name, error)) << f.name << " " << fc.name;
      std::string text;
      ASSERT_TRUE(caseFieldText(d, f.name, text));
      EXPECT_EQ(text, std::to_string(fc.code)) << fc.name;
    }
    // Every code a list offers is named (fluidKind: the eight of the list and 8, 13).
    if (!codes.empty() && f.name != "fluidKind") {
      EXPECT_EQ(static_cast<int>(codes.size()), f.maxValue - f.minValue + 1) << f.name;
    }
  }
  EXPECT_EQ(fieldCodes("fluidKind").size(), 10u);
}

// Every field says what it is; numbers carry a unit, resolved in the case's
// own unit codes.
TEST(CaseFields, MeaningsAndUnits) {
  for (const auto& f : caseFields()) {
    EXPECT_FALSE(fieldMeaning(f.name).empty()) << f.name;
    if (std::holds_alternative<Real CalculationCase::*>(f.member)) {
      EXPECT_FALSE(fieldUnit(f.name).empty()) << f.name;
    }
  }
  CalculationCase c;
  resetCase(c);
  c.pressureUnit = 1;
  c.dpUnit = 1;
  c.flowUnit = 5;
  EXPECT_EQ(fieldUnitFor("pressureInput", c), "kG/cm2");
  EXPECT_EQ(fieldUnitFor("dpInput", c), "mm H2O");
  EXPECT_EQ(fieldUnitFor("flowrateInput", c), "Nm3/h");
  c.refTemperature = 15;
  EXPECT_EQ(fieldUnitFor("flowrateInput", c), "Sm3/h");
  EXPECT_EQ(fieldUnitFor("pressureLoss", c), "-");
  EXPECT_EQ(fieldUnitFor("upstreamLengthRequired", c), "D");
  c.dpUnit = 3;  // legacy manometer files are computed in kPa
  EXPECT_EQ(fieldUnitFor("dpInput", c), "kPa");
  c.viscosityUnit = 4;
  EXPECT_EQ(fieldUnitFor("viscosityEntered", c), "cP");
}
