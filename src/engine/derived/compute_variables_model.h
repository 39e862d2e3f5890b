#pragma once
// What the compute-variables window shows and allows, without the widgets: its variable
// lists on both pages, the dependent variable, the chosen statistics, the proposed names,
// which buttons are enabled, and when the lists or the log are stale.

#include <array>
#include <string>
#include <vector>

#include "engine/analysis/analysis_settings.h"
#include "engine/derived/derived_columns.h"
#include "engine/derived/derived_statistics.h"
#include "engine/data/run_info.h"

namespace vostrel {

class Workspace;
class ReportDocument;
class UserInterface;

enum class ComputePage { ByIndependentVariables = 0, AcrossRows = 1 };

class ComputeVariablesModel {
  public:
    // Page "By Independent Variables".
    VariableList DataVarList;   // "Data Variables"
    VariableList IndVarList;    // "Independent Variables"
    std::string DependentItem;  // Edit_Measure's item (code letters and name); empty: none
    int Statistic = SampleMean;

    // Page "Across Rows".
    VariableList DataVarList2;  // "Data Variables"
    VariableList SelectedVar;   // "Selected Variables"
    int AcrossStatistic = AcrossMean;
    std::array<int, AcrossRowsStatisticCount> Counters{};  // per statistic, for default names

    ComputePage Page = ComputePage::ByIndependentVariables;
    std::string NewName;  // Edit_NewName

    // On activation: rebuilds the lists when the table's data changed since they were built.
    // Returns true when the table itself changed, so that the log is to be cleared.
    bool Activate(const Workspace& ws);
    // Lists every data column again and empties the chosen variables.
    void Rebuild(const Workspace& ws);

    int Dependent() const;  // the dependent column; 0 when none
    std::string DependentName() const;
    // SpeedButton_IndVar: ">" moves the first selected item of DataVarList into the
    // dependent box; "<" puts it back. True when something moved.
    bool ToggleDependent(const std::vector<int>& selected);
    std::string DependentButtonText() const { return DependentItem.empty() ? ">" : "<"; }

    // ">", ">>", "<", "<<" of both pages; each returns the item to select afterwards.
    int IncludeIndependent(const std::vector<int>& selected);
    int IncludeAllIndependent();
    int ExcludeIndependent(const std::vector<int>& selected);
    int ExcludeAllIndependent();
    int IncludeSelected(const std::vector<int>& selected);
    int IncludeAllSelected();
    int ExcludeSelected(const std::vector<int>& selected);
    int ExcludeAllSelected();

    void SetStatistic(int code);
    void SetAcrossStatistic(int item);
    void SetPage(ComputePage page);
    // What the name box keeps of typed text: spaces become "_".
    void SetNewName(const std::string& text) { NewName = NewVariableName(text); }
    // The name the current page proposes (empty when it proposes none).
    std::string ProposedName() const;

    bool ActionEnabled() const;
    // "&Action" on the current page. On success the new column joins the data lists and the
    // next name is proposed.
    DeriveResult Action(Workspace& ws, ReportDocument* log);

    TRunInfo Run;  // the window's run description for its samples
    // Who answers the Bartlett-Kendall-Box questions; the workspace's user interface when
    // none is set.
    UserInterface* Questions = nullptr;

  private:
    void ProposeName();

    int seenDataGeneration_ = -1;
    int seenTableGeneration_ = -1;
};

}  // namespace vostrel
