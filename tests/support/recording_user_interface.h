#pragma once
// A user interface for tests: remembers every message and answers questions from a script.

#include <deque>
#include <string>
#include <vector>

#include "engine/core/user_interface.h"

namespace vostrel::testing {

class RecordingUserInterface : public UserInterface {
  public:
    void ErrorBox(const std::string& text) override { errors.push_back(text); }
    void Warning(const std::string& text) override { warnings.push_back(text); }
    Answer Confirm(const std::string& text, bool) override {
        questions.push_back(text);
        if (answers.empty()) return Answer::No;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }

    std::vector<std::string> errors;
    std::vector<std::string> warnings;
    std::vector<std::string> questions;
    std::deque<Answer> answers;
};

}  // namespace vostrel::testing
