#pragma once
// The command-line tool's user interface: messages go to standard error, questions get
// the answer the options chose (No unless told otherwise), nothing waits for a person.

#include <iostream>
#include <string>

#include "engine/core/user_interface.h"

namespace vostrel::cli {

class CliUserInterface : public UserInterface {
  public:
    explicit CliUserInterface(std::ostream& err = std::cerr) : err_(err) {}

    void ErrorBox(const std::string& text) override {
        err_ << "vostrel-cli: " << text << "\n";
        ++errorCount_;
    }
    void Warning(const std::string& text) override {
        err_ << "vostrel-cli: warning: " << text << "\n";
    }
    Answer Confirm(const std::string& /*text*/, bool /*withCancel*/) override { return answer_; }

    void SetAnswer(Answer answer) { answer_ = answer; }
    int ErrorCount() const { return errorCount_; }

  private:
    std::ostream& err_;
    Answer answer_ = Answer::No;
    int errorCount_ = 0;
};

}  // namespace vostrel::cli
