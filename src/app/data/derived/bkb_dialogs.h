#pragma once
// The two questions of the Bartlett-Kendall-Box scores: the number of subgroups per run
// (TGetSubgroups_Form) and the minimum range for a zero variance (TMinVar_Form), and the
// user interface that asks them while the compute-variables window works.

#include <QDialog>
#include <QPointer>

#include "engine/core/user_interface.h"

namespace Ui {
class TGetSubgroups_Form;
class TMinVar_Form;
}  // namespace Ui

namespace vostrel::app {

class TGetSubgroups_Form : public QDialog {
    Q_OBJECT
  public:
    TGetSubgroups_Form(const SubgroupsQuestion& question, QWidget* parent = nullptr);
    ~TGetSubgroups_Form() override;

    int Subgroups() const;

  private:
    void UpdateOk();

    Ui::TGetSubgroups_Form* ui_;
};

class TMinVar_Form : public QDialog {
    Q_OBJECT
  public:
    TMinVar_Form(const QString& label, QWidget* parent = nullptr);
    ~TMinVar_Form() override;

    // The range typed; valid once OK is enabled.
    double MinimumRange() const;

  private:
    void UpdateOk();

    Ui::TMinVar_Form* ui_;
};

// Asks the two questions with the dialogs above; everything else goes to `base`.
class BkbQuestions : public UserInterface {
  public:
    BkbQuestions(UserInterface& base, QWidget* parent) : base_(base), parent_(parent) {}

    std::optional<int> AskSubgroupsPerRun(const SubgroupsQuestion& question) override;
    std::optional<double> AskMinimumRange(const std::string& label) override;

    void ErrorBox(const std::string& text) override { base_.ErrorBox(text); }
    void Warning(const std::string& text) override { base_.Warning(text); }
    Answer Confirm(const std::string& text, bool withCancel) override {
        return base_.Confirm(text, withCancel);
    }
    void Beep() override { base_.Beep(); }
    bool RequestSaveAs() override { return base_.RequestSaveAs(); }
    std::string RequestOpenFileName() override { return base_.RequestOpenFileName(); }
    void ProgressStart(const std::string& caption) override { base_.ProgressStart(caption); }
    void Progress(int percent) override { base_.Progress(percent); }
    void ProgressEnd() override { base_.ProgressEnd(); }
    bool ProgressCancelled() override { return base_.ProgressCancelled(); }
    void BusyStart() override { base_.BusyStart(); }
    void BusyEnd() override { base_.BusyEnd(); }
    void ProcessPendingMessages() override { base_.ProcessPendingMessages(); }

  private:
    UserInterface& base_;
    QPointer<QWidget> parent_;
};

}  // namespace vostrel::app
