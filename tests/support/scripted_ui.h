#pragma once
// A user interface for tests: answers questions from a script and records every message.

#include <deque>
#include <string>
#include <vector>

#include "engine/core/user_interface.h"

namespace vostrel::testing {

class ScriptedUserInterface : public UserInterface {
  public:
    void ErrorBox(const std::string& text) override { errors.push_back(text); }
    void Warning(const std::string& text) override { warnings.push_back(text); }
    Answer Confirm(const std::string& text, bool withCancel) override {
        questions.push_back(text);
        (void)withCancel;
        if (answers.empty()) return defaultAnswer;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    void Beep() override { ++beeps; }
    bool RequestSaveAs() override {
        ++saveAsRequests;
        return saveAsSucceeds;
    }
    std::string RequestOpenFileName() override {
        ++openRequests;
        return openFileName;
    }
    void ProgressStart(const std::string& caption) override { progressCaptions.push_back(caption); }
    void Progress(int percent) override { progress.push_back(percent); }
    void ProgressEnd() override { ++progressEnds; }
    bool ProgressCancelled() override { return cancelProgress; }
    void BusyStart() override { ++busyDepth; }
    void BusyEnd() override { --busyDepth; }

    std::deque<Answer> answers;
    Answer defaultAnswer = Answer::No;
    bool saveAsSucceeds = false;
    std::string openFileName;     // what the open dialog returns; empty: cancelled
    bool cancelProgress = false;  // the progress window's Cancel was pressed

    std::vector<std::string> errors;
    std::vector<std::string> warnings;
    std::vector<std::string> questions;
    std::vector<std::string> progressCaptions;
    std::vector<int> progress;
    int progressEnds = 0;
    int beeps = 0;
    int busyDepth = 0;
    int saveAsRequests = 0;
    int openRequests = 0;
};

}  // namespace vostrel::testing
