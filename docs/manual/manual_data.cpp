// Lists what the manual's build checks and generates from the program
// itself: every help topic number with its page and anchor, and every
// message by number with its two texts.
//
//   dorvel-manual-data topics     number<TAB>page<TAB>anchor, one a line
//   dorvel-manual-data messages   number<TAB>polish<TAB>english, one a line
//                                 (tabs and line breaks inside a text are
//                                 written as \t and \n)
#include <iostream>
#include <string>
#include <string_view>

#include "ui/help_topics.h"
#include "base/messages.h"

namespace {

std::string escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') out += "\\\\";
    else if (c == '\t') out += "\\t";
    else if (c == '\n') out += "\\n";
    else if (c != '\r') out += c;
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view what = argc > 1 ? argv[1] : "";
  if (what == "topics") {
    for (const auto& t : dorvel::ui::helpTopics())
      std::cout << t.number << '\t' << t.file << '\t' << t.anchor << '\n';
    return 0;
  }
  if (what == "messages") {
    for (const auto& m : dorvel::messageTable())
      std::cout << m.number << '\t' << escaped(m.polish) << '\t' << escaped(m.english) << '\n';
    return 0;
  }
  std::cerr << "usage: dorvel-manual-data topics|messages\n";
  return 2;
}
