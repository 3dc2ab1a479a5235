// The message table: every row complete in both languages, every id a row,
// every number the engine hands out a row.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/messages.h"
#include "files/case_file.h"
#include "props/ammonia.h"
#include "props/natural_gas.h"

using namespace dorvel;

namespace {

// The placeholders %1..%9 of a text, in order of appearance.
std::multiset<std::string> placeholders(const std::string& text) {
  std::multiset<std::string> out;
  for (size_t i = 0; i + 1 < text.size(); ++i)
    if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') out.insert(text.substr(i, 2));
  return out;
}

}  // namespace

TEST(MessageTable, RowsAreCompleteAndUnique) {
  ASSERT_FALSE(messageTable().empty());
  int previous = 0;
  for (const MessageRow& r : messageTable()) {
    EXPECT_LT(previous, r.number) << "numbers unique and in order";
    previous = r.number;
    EXPECT_NE(std::string(r.polish), "") << r.number;
    EXPECT_NE(std::string(r.english), "") << r.number;
    EXPECT_NE(std::string(r.polish), r.english) << r.number << " untranslated";
    EXPECT_EQ(findMessage(r.number), &r);
    // The file-open error names the file in Polish only; its English text is
    // the file format's short "Input error".
    if (r.number == messageNumber(Msg::CannotOpenFile)) {
      EXPECT_EQ(placeholders(r.polish), std::multiset<std::string>{"%1"});
      EXPECT_TRUE(placeholders(r.english).empty());
    } else {
      EXPECT_EQ(placeholders(r.polish), placeholders(r.english)) << r.number;
    }
  }
  EXPECT_EQ(findMessage(0), nullptr);
  EXPECT_EQ(findMessage(1301), nullptr);
}

TEST(MessageTable, EveryIdIsARowAndEveryRowAnId) {
  std::vector<int> ids;
#define DORVEL_TEST_ID(name, number) ids.push_back(messageNumber(Msg::name));
  DORVEL_MESSAGE_IDS(DORVEL_TEST_ID)
#undef DORVEL_TEST_ID
  for (int n : ids) EXPECT_NE(findMessage(n), nullptr) << n;
  EXPECT_EQ(ids.size(), messageTable().size());
}

TEST(MessageTable, NumbersTheEngineReturnsAreRows) {
  // Validity codes of the gas equations, solver statuses, read errors and
  // the liquid ammonia statuses all reach the user through a row.
  for (int code = kGasTemperatureRange; code <= kCokeGasFailed; ++code) {
    if (code == 1269) continue;  // no code
    EXPECT_NE(findMessage(code), nullptr) << code;
    EXPECT_EQ(gasValidityNotice(code).text(true), findMessage(code)->english) << code;
  }
  for (int code = 1298; code <= 1307; ++code)
    if (code != 1301) {
      EXPECT_NE(findMessage(code), nullptr) << code;
    }
  for (int error : {1, 2, 4, 5, 6, 7}) {
    const Message m = caseFileReadErrorMessage(error, "/d/f.dvl");
    ASSERT_NE(findMessage(m.number()), nullptr) << error;
    EXPECT_EQ(caseFileReadErrorOf(m.number()), error);
  }
  EXPECT_EQ(caseFileReadErrorOf(messageNumber(Msg::CaseNotWritten)), 0);
  for (int status : {AmmoniaTemperatureOutOfTable, AmmoniaGaseousPhase, AmmoniaEvaporation})
    EXPECT_NE(ammoniaStatusText(false, status), "") << status;
}

TEST(MessageTable, ValuesFillThePlaceholdersOfEitherLanguage) {
  const Message m(Msg::LastFileNotWritten, {"/home/a/last", "No space left on device"});
  EXPECT_EQ(m.text(false), "Cannot write the last-file record /home/a/last\r\nNo space left on device");
  EXPECT_EQ(m.text(true), "B\u0142\u0105d zapisu pliku /home/a/last\r\nNo space left on device");
  EXPECT_EQ(m.shownText(), m.text(false));
  // A percent sign that is no placeholder stays; a missing value is empty.
  EXPECT_EQ(fillMessage("20% of %1%2", std::vector<std::string>{"D"}), "20% of D");
  EXPECT_EQ(Message(Msg::CokeH2Range).text(false), "Mole percent of H2 should be between 45% and 65%.");
}
