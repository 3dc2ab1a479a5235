// Messages and Yes/No questions of the engine.
//
// The engine never talks to a screen: every information box and every
// question goes through this interface, so the same code runs under the
// window system (message boxes), the command line (printed, questions
// answered by a policy) and the tests (scripted answers, recorded messages).
//
// Each call names a numbered row of the message table (base/messages.h) and
// the values to fill in.  The English text is shown unless the window, whose
// language is Polish, marks the message Polish on its way to the box.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "base/messages.h"

namespace dorvel {

class Interaction {
 public:
  virtual ~Interaction() = default;
  // Information box titled "Dorvel" with an OK button.
  virtual void showMessage(const Message& message) = 0;
  // Question box titled "Dorvel" with Yes and No; true for Yes.
  virtual bool askQuestion(const Message& message) = 0;
};

// Records every message and question; answers questions from a script, then
// with a default answer once the script is used up.
class RecordingInteraction : public Interaction {
 public:
  struct Entry {
    bool question = false;
    bool answer = false;
    std::string text;    // the text that would be shown
    std::string polish;  // the Polish text of the pair
    std::string english; // the English text of the pair
    int number = 0;      // the row of the message table
  };

  explicit RecordingInteraction(bool defaultAnswer = false) : defaultAnswer_(defaultAnswer) {}

  void script(std::initializer_list<bool> answers) { answers_.insert(answers_.end(), answers); }
  void setDefaultAnswer(bool a) { defaultAnswer_ = a; }

  void showMessage(const Message& m) override { log_.push_back(entry(m, false, false)); }
  bool askQuestion(const Message& m) override {
    bool a = defaultAnswer_;
    if (!answers_.empty()) {
      a = answers_.front();
      answers_.pop_front();
    }
    log_.push_back(entry(m, true, a));
    return a;
  }

  const std::vector<Entry>& log() const { return log_; }
  std::vector<std::string> messages() const {
    std::vector<std::string> out;
    for (const auto& e : log_)
      if (!e.question) out.push_back(e.text);
    return out;
  }
  std::vector<std::string> questions() const {
    std::vector<std::string> out;
    for (const auto& e : log_)
      if (e.question) out.push_back(e.text);
    return out;
  }
  bool saw(const std::string& text) const {
    for (const auto& e : log_)
      if (e.text == text) return true;
    return false;
  }
  void clear() { log_.clear(); }

 private:
  static Entry entry(const Message& m, bool question, bool answer) {
    return {question, answer, m.shownText(), m.text(true), m.text(false), m.number()};
  }
  std::vector<Entry> log_;
  std::deque<bool> answers_;
  bool defaultAnswer_;
};

}  // namespace dorvel
