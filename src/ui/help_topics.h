// The help topics by number: the place of every topic number the program
// uses (buttons, menu items, F1 on a control, What's This) in the manual.
//
// Plain C++ so that the manual's build can list them and fail when a number
// named here has no page or no anchor in the manual.
#pragma once

#include <vector>

namespace dorvel::ui {

// One topic: its number, the page of the manual and the anchor in it ("" for
// the top of the page).
struct HelpTopic {
  int number;
  const char* file;
  const char* anchor;
};

// Every topic number the program uses, with its place.
const std::vector<HelpTopic>& helpTopics();
// The topic of a number; nullptr when the number has none.
const HelpTopic* findHelpTopic(int number);

// The generated pages: a message by its number, a case field by its name.
inline constexpr const char* kMessagesPage = "messages.html";
inline constexpr const char* kFieldsPage = "fields.html";

}  // namespace dorvel::ui
