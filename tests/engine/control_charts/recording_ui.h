#pragma once
// A user interface that remembers the error boxes it was asked to show.

#include <string>
#include <vector>

#include "engine/core/user_interface.h"

namespace vostrel {

class RecordingUserInterface : public UserInterface {
  public:
    void ErrorBox(const std::string& text) override { errors.push_back(text); }
    void Warning(const std::string& text) override { warnings.push_back(text); }
    Answer Confirm(const std::string&, bool) override { return Answer::No; }

    std::vector<std::string> errors;
    std::vector<std::string> warnings;
};

}  // namespace vostrel
