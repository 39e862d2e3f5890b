#pragma once
// What the engine asks of the person in front of the program. The desktop program
// answers with message boxes and a progress window, the command-line tool from its
// options and standard error, the tests from a script. The engine never shows a
// dialog of its own and never blocks on one.

#include <optional>
#include <string>

namespace vostrel {

enum class Answer { Yes, No, Cancel };

// What the "Generate BKB" question shows when it asks for the number of subgroups per run.
struct SubgroupsQuestion {
    std::string AverageText;  // "Avg Sample Size per Run = " + the average, 1 decimal
    std::string MinimumText;  // "Min Sample Size per Run = " + the smallest
    std::string MaximumText;  // "Max Sample Size per Run = " + the largest
    int Largest = 1;          // answers range over 1..Largest
    int Proposed = 1;
};

class UserInterface {
  public:
    virtual ~UserInterface() = default;

    // A user error: beep, then a modal error box with an OK button.
    virtual void ErrorBox(const std::string& text) = 0;
    // A warning box with an OK button (for example a truncated file).
    virtual void Warning(const std::string& text) = 0;
    // A Yes/No question, or Yes/No/Cancel when withCancel is set.
    virtual Answer Confirm(const std::string& text, bool withCancel) = 0;

    virtual void Beep() {}

    // The two questions of the Bartlett-Kendall-Box scores ("Generate BKB"): the number of
    // subgroups per run, and the minimum range to use for a zero variance (label: "Zero
    // Variance in Run " + the run's name). Nothing when the user cancels.
    virtual std::optional<int> AskSubgroupsPerRun(const SubgroupsQuestion& /*question*/) {
        return std::nullopt;
    }
    virtual std::optional<double> AskMinimumRange(const std::string& /*label*/) {
        return std::nullopt;
    }

    // Asks for a file name and the save options and saves the data table ("Save As").
    // False when the user cancelled or the save failed.
    virtual bool RequestSaveAs() { return false; }
    // Asks for a data file to open (the data editor's open dialog); empty when cancelled.
    virtual std::string RequestOpenFileName() { return {}; }

    // Long work: a progress window with a caption and a gauge of 0..100 percent.
    virtual void ProgressStart(const std::string& /*caption*/) {}
    virtual void Progress(int /*percent*/) {}
    virtual void ProgressEnd() {}
    // Whether the user asked the long work to stop (the progress window's Cancel).
    virtual bool ProgressCancelled() { return false; }

    // The hourglass cursor while the engine works; every BusyStart has its BusyEnd.
    virtual void BusyStart() {}
    virtual void BusyEnd() {}

    // Lets the windows repaint between the steps of long work.
    virtual void ProcessPendingMessages() {}
};

// Shows the hourglass for the lifetime of the object, and always restores the cursor.
class BusyCursor {
  public:
    explicit BusyCursor(UserInterface& ui) : ui_(ui) { ui_.BusyStart(); }
    ~BusyCursor() { ui_.BusyEnd(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    UserInterface& ui_;
};

// Answers every question with a fixed answer and forgets every message; for work
// that runs without anybody to ask.
class SilentUserInterface : public UserInterface {
  public:
    explicit SilentUserInterface(Answer answer = Answer::No) : answer_(answer) {}
    void ErrorBox(const std::string&) override {}
    void Warning(const std::string&) override {}
    Answer Confirm(const std::string&, bool) override { return answer_; }

  private:
    Answer answer_;
};

}  // namespace vostrel
