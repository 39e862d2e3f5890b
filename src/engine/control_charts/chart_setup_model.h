#pragma once
// Everything the variables chart setup window holds and decides, without widgets: the
// three variable lists, the sample and set variables, the layout, the type, calculation,
// centerline and axis label lists with their selections, the edit fields, which controls
// are shown and whether Action is enabled. The window forwards every click to one of the
// operations below and then shows what the model holds.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/control_charts/chart_column_source.h"

namespace vostrel {

enum class SetupList { DataVariables, Measures, ChartGroups };

// The user-defined limit check boxes and edits, location then dispersion.
enum UserLimit { UserLocUCL = 0, UserLocCL, UserLocLCL, UserDispUCL, UserDispCL, UserDispLCL };
inline constexpr int UserLimitCount = 6;

// A drop-down list: its items and the selected item (-1 for none).
struct ComboList {
    std::vector<std::string> Items;
    int ItemIndex = -1;

    std::string Text() const;
    void Select(int index);  // an index outside the list is ignored
};

// Which controls are shown (or enabled, for buttons) after the last refresh.
struct SetupVisibility {
    bool ChartGroups = false;     // the chart group list, its buttons and label
    bool Sets = false;            // the set variable field, button and label
    bool SampleCheck = false;     // "Constant Sample Size"
    bool SampleSize = false;      // the sample size spin edit
    bool SampleVariable = false;  // the sample variable field and button
    bool SampleLabel = false;
    bool Mu = false;
    bool Sigma = false;
    bool LocUserLimits = false;  // the group as a whole
    bool DispUserLimits = false;
    std::array<bool, UserLimitCount> UserLimitEdits{};  // each edit: group shown and box checked
    bool Layout = false;
    bool LocCalc = false;
    bool LocCenterline = false;
    bool PositiveLimits = false;
    bool DispCalc = false;
    bool DispCenterline = false;
    bool StdErr = false;
    bool MRSpan = false;
    bool IncludeMeasures = false;  // ">" of the measures
    bool ExcludeMeasures = false;  // "<" and "<<" of the measures
    bool IncludeChartGroups = false;
    bool ExcludeChartGroups = false;
    bool ActionEnabled = false;
};

class ChartSetupModel {
  public:
    static constexpr int MinSampleSize = 2;
    static constexpr int MaxSampleSize = 999;
    static constexpr int MinMRSpan = 2;
    static constexpr int MaxMRSpan = 30;
    static inline const std::string OrderNumberEntry = "        (Use Order Number)";

    ChartSetupModel();

    // Called whenever the chart on screen no longer belongs to the setup: the window then
    // closes and frees the chart window.
    std::function<void()> OnChartInvalidated;

    // Rebuilds the lists from the data table's columns (opening the window on new data,
    // New Data, Open Data File).
    void ResetChartSetup(const ChartColumnSource& columns);

    // --- Variable lists (column numbers in list order) ---
    const std::vector<int>& Items(SetupList list) const;
    const std::vector<int>& Selection(SetupList list) const;
    void Select(SetupList list, const std::vector<int>& columns);
    std::string ColumnName(int column) const;
    int ColumnCount() const { return static_cast<int>(names_.size()); }

    void IncludeMeasures();
    void ExcludeMeasures();
    void ExcludeAllMeasures();
    void IncludeChartGroups();
    void ExcludeChartGroups();
    void ExcludeAllChartGroups();

    // The ">"/"<" buttons of the sample and set variables.
    void ToggleSampleVariable();
    void ToggleSetVariable();
    int SampleColumn() const { return sampleColumn_; }
    int SetColumn() const { return setColumn_; }
    std::string SampleText() const { return ColumnName(sampleColumn_); }
    std::string SetText() const { return ColumnName(setColumn_); }
    std::string SampleButtonCaption() const { return sampleColumn_ > 0 ? "<" : ">"; }
    std::string SetButtonCaption() const { return setColumn_ > 0 ? "<" : ">"; }

    // --- Subgrouping ---
    void SetConstantSampleSize(bool checked);
    bool ConstantSampleSizeChecked() const { return constantSize_; }
    void SetSampleSize(int size);
    int SampleSize() const { return sampleSize_; }
    void SetSubgroupsInRows(bool rows);
    bool SubgroupsInRows() const { return rows_; }
    bool IndividualsMode() const;
    std::string MeasuresCaption() const;
    std::string SampleLabelCaption() const;

    // --- Type, calculation and centerline lists ---
    const ComboList& LocChartTypes() const { return locType_; }
    const ComboList& DispChartTypes() const { return dispType_; }
    const ComboList& LocLimitCalcs() const { return locCalc_; }
    const ComboList& DispCalcs() const { return dispCalc_; }
    const ComboList& LocCenterlines() const { return locCL_; }
    const ComboList& DispCenterlines() const { return dispCL_; }
    const ComboList& AxisLabels() const { return axisLabels_; }

    void SelectLocChartType(int index);
    void SelectDispChartType(int index);
    void SelectLocLimitCalc(int index);
    void SelectDispCalc(int index);
    void SelectLocCenterline(int index);
    void SelectDispCenterline(int index);
    void SelectAxisLabel(int index);

    // --- Plain fields ---
    void SetPositiveLimitsOnly(bool checked) { positiveLimits_ = checked; }
    bool PositiveLimitsOnly() const { return positiveLimits_; }
    void SetStdErrText(std::string text) { stdErrText_ = std::move(text); }
    const std::string& StdErrText() const { return stdErrText_; }
    void SetMRSpan(int span);
    void SetMRSpanText(const std::string& text);  // an empty field puts 2 back
    int MRSpan() const { return mrSpan_; }
    void SetSigmaText(std::string text) { sigmaText_ = std::move(text); }
    const std::string& SigmaText() const { return sigmaText_; }
    void SetMuText(std::string text) { muText_ = std::move(text); }
    const std::string& MuText() const { return muText_; }
    void SetUserLimitChecked(UserLimit limit, bool checked);
    bool UserLimitChecked(UserLimit limit) const;
    void SetUserLimitText(UserLimit limit, std::string text);
    const std::string& UserLimitText(UserLimit limit) const;

    // Refills the lists when the subgrouping mode changed, renames the location
    // centerlines, applies the visibility rules and Action's enabling.
    void RefreshSetupControls();
    const SetupVisibility& Visibility() const { return visible_; }

  private:
    enum class FillMode { None, Individuals, Subgroups };

    template <class Self>
    static auto& ListOf(Self& self, SetupList list);
    template <class Self>
    static auto& SelectionOf(Self& self, SetupList list);
    std::vector<int>& ListRef(SetupList list);
    std::vector<int>& SelectionRef(SetupList list);
    void MoveSelected(SetupList from, SetupList to);
    void MoveAll(SetupList from, SetupList to);
    void ReturnToDataVariables(int column);
    void GiveBackSampleVariable();
    void InvalidateChart();

    void FillLists(FillMode mode);
    void RelabelCenterlineList();
    void RelabelLocationLists();
    void RelabelDispersionLists();
    void ApplyLayout(bool rows);
    void ApplyVisibilityRules();

    std::vector<std::string> names_;  // names_[c - 1] is column c
    std::vector<int> dataVars_, measures_, chartGroups_;
    std::vector<int> dataVarsSel_, measuresSel_, chartGroupsSel_;
    int sampleColumn_ = 0;
    int setColumn_ = 0;
    bool constantSize_ = false;
    int sampleSize_ = 5;
    bool rows_ = false;

    ComboList locType_, dispType_, locCalc_, dispCalc_, locCL_, dispCL_, axisLabels_;
    FillMode lastFill_ = FillMode::None;

    bool positiveLimits_ = false;
    std::string stdErrText_ = "3";
    int mrSpan_ = 2;
    std::string sigmaText_;
    std::string muText_;
    std::array<bool, UserLimitCount> limitChecked_{true, true, true, true, true, true};
    std::array<std::string, UserLimitCount> limitText_{};

    SetupVisibility visible_;
};

}  // namespace vostrel
