#include "engine/control_charts/chart_setup_model.h"

#include <algorithm>

#include "engine/control_charts/chart_names.h"

namespace vostrel {

namespace {

const std::vector<std::string> IndividualLocTypes = {"X", "None"};
const std::vector<std::string> IndividualDispTypes = {"Moving Range", "None"};
const std::vector<std::string> IndividualCalcs = {
    "Average MR",      "Median MR",    "Std Dev", "Known Std Dev",
    "Centerline Only", "User Defined", "None"};
const std::vector<std::string> SubgroupLocTypes = {"Mean", "Median", "None"};
const std::vector<std::string> SubgroupDispTypes = {"Range", "Std Dev (s)", "Variance (s²)",
                                                    "None"};
const std::vector<std::string> SubgroupLocCalcs = {
    "Average Range",    "Median Range",        "Average Std Dev",    "Median Std Dev",
    "Average Variance", "Average MR of Means", "Median MR of Means", "Std Dev of Means",
    "Known Std Dev",    "Centerline Only",     "User Defined",       "None"};
// The "@" entries are named after the dispersion type when the list is filled.
const std::vector<std::string> SubgroupDispCalcs = {
    "Average Range",    "Median Range",    "Average Std Dev", "Median Std Dev",
    "Average Variance", "Average MR of @", "Median MR of @",  "Std Dev of @",
    "Known Std Dev",    "Centerline Only", "User Defined",    "None"};

bool Contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

void InsertSorted(std::vector<int>& list, int column) {
    list.insert(std::lower_bound(list.begin(), list.end(), column), column);
}

void Remove(std::vector<int>& list, int column) {
    list.erase(std::remove(list.begin(), list.end(), column), list.end());
}

int IndexOf(const std::vector<int>& list, int column) {
    auto it = std::find(list.begin(), list.end(), column);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

int TypeIndexOf(const ComboList& list) {
    const int index = ChartTypeIndex(list.Text());
    return index < 0 ? ChartNone : index;
}

}  // namespace

std::string ComboList::Text() const {
    if (ItemIndex < 0 || ItemIndex >= static_cast<int>(Items.size())) return {};
    return Items[static_cast<std::size_t>(ItemIndex)];
}

void ComboList::Select(int index) {
    if (index >= 0 && index < static_cast<int>(Items.size())) ItemIndex = index;
}

ChartSetupModel::ChartSetupModel() {
    axisLabels_.Items = {OrderNumberEntry};
    axisLabels_.ItemIndex = 0;
    RefreshSetupControls();
}

void ChartSetupModel::ResetChartSetup(const ChartColumnSource& columns) {
    names_.clear();
    for (int c = 1; c <= columns.ColumnCount(); ++c) names_.push_back(columns.ColumnName(c));

    sampleColumn_ = 0;
    setColumn_ = 0;
    dataVars_.clear();
    measures_.clear();
    chartGroups_.clear();
    dataVarsSel_.clear();
    measuresSel_.clear();
    chartGroupsSel_.clear();
    for (int c = 1; c <= ColumnCount(); ++c) dataVars_.push_back(c);

    axisLabels_.Items.assign(1, OrderNumberEntry);
    axisLabels_.Items.insert(axisLabels_.Items.end(), names_.begin(), names_.end());
    axisLabels_.ItemIndex = 0;

    InvalidateChart();
    RefreshSetupControls();
}

// --- Variable lists ---

template <class Self>
auto& ChartSetupModel::ListOf(Self& self, SetupList list) {
    switch (list) {
        case SetupList::Measures:
            return self.measures_;
        case SetupList::ChartGroups:
            return self.chartGroups_;
        default:
            return self.dataVars_;
    }
}

template <class Self>
auto& ChartSetupModel::SelectionOf(Self& self, SetupList list) {
    switch (list) {
        case SetupList::Measures:
            return self.measuresSel_;
        case SetupList::ChartGroups:
            return self.chartGroupsSel_;
        default:
            return self.dataVarsSel_;
    }
}

std::vector<int>& ChartSetupModel::ListRef(SetupList list) { return ListOf(*this, list); }
std::vector<int>& ChartSetupModel::SelectionRef(SetupList list) { return SelectionOf(*this, list); }
const std::vector<int>& ChartSetupModel::Items(SetupList list) const { return ListOf(*this, list); }
const std::vector<int>& ChartSetupModel::Selection(SetupList list) const {
    return SelectionOf(*this, list);
}

void ChartSetupModel::Select(SetupList list, const std::vector<int>& columns) {
    const std::vector<int>& items = ListRef(list);
    std::vector<int>& selection = SelectionRef(list);
    selection.clear();
    for (int column : columns) {
        if (IndexOf(items, column) >= 0 && IndexOf(selection, column) < 0) {
            InsertSorted(selection, column);
        }
    }
}

std::string ChartSetupModel::ColumnName(int column) const {
    if (column < 1 || column > ColumnCount()) return {};
    return names_[static_cast<std::size_t>(column - 1)];
}

void ChartSetupModel::MoveSelected(SetupList from, SetupList to) {
    std::vector<int>& source = ListRef(from);
    std::vector<int>& selection = SelectionRef(from);
    if (selection.empty()) return;
    const int firstPosition = IndexOf(source, selection.front());
    for (int column : selection) {
        Remove(source, column);
        InsertSorted(ListRef(to), column);
    }
    selection.clear();
    // The item that moved up into the first selected item's place keeps the focus.
    if (!source.empty()) {
        const int position = std::min(firstPosition, static_cast<int>(source.size()) - 1);
        selection.push_back(source[static_cast<std::size_t>(position)]);
    }
    InvalidateChart();
    RefreshSetupControls();
}

void ChartSetupModel::MoveAll(SetupList from, SetupList to) {
    std::vector<int>& source = ListRef(from);
    if (source.empty()) return;
    for (int column : source) InsertSorted(ListRef(to), column);
    source.clear();
    SelectionRef(from).clear();
    InvalidateChart();
    RefreshSetupControls();
}

void ChartSetupModel::IncludeMeasures() {
    MoveSelected(SetupList::DataVariables, SetupList::Measures);
}
void ChartSetupModel::ExcludeMeasures() {
    MoveSelected(SetupList::Measures, SetupList::DataVariables);
}
void ChartSetupModel::ExcludeAllMeasures() {
    MoveAll(SetupList::Measures, SetupList::DataVariables);
}
void ChartSetupModel::IncludeChartGroups() {
    MoveSelected(SetupList::DataVariables, SetupList::ChartGroups);
}
void ChartSetupModel::ExcludeChartGroups() {
    MoveSelected(SetupList::ChartGroups, SetupList::DataVariables);
}
void ChartSetupModel::ExcludeAllChartGroups() {
    MoveAll(SetupList::ChartGroups, SetupList::DataVariables);
}

void ChartSetupModel::ReturnToDataVariables(int column) {
    if (column > 0 && IndexOf(dataVars_, column) < 0) InsertSorted(dataVars_, column);
}

void ChartSetupModel::GiveBackSampleVariable() {
    if (sampleColumn_ == 0) return;
    ReturnToDataVariables(sampleColumn_);
    sampleColumn_ = 0;
    InvalidateChart();
}

void ChartSetupModel::ToggleSampleVariable() {
    if (sampleColumn_ > 0) {
        GiveBackSampleVariable();
    } else {
        if (dataVarsSel_.empty()) return;
        sampleColumn_ = dataVarsSel_.front();
        Remove(dataVars_, sampleColumn_);
        Remove(dataVarsSel_, sampleColumn_);
        InvalidateChart();
    }
    RefreshSetupControls();
    RelabelDispersionLists();
    RefreshSetupControls();
}

void ChartSetupModel::ToggleSetVariable() {
    if (setColumn_ > 0) {
        ReturnToDataVariables(setColumn_);
        setColumn_ = 0;
    } else {
        if (dataVarsSel_.empty()) return;
        setColumn_ = dataVarsSel_.front();
        Remove(dataVars_, setColumn_);
        Remove(dataVarsSel_, setColumn_);
    }
    InvalidateChart();
    RefreshSetupControls();
}

void ChartSetupModel::InvalidateChart() {
    if (OnChartInvalidated) OnChartInvalidated();
}

// --- Subgrouping ---

void ChartSetupModel::SetConstantSampleSize(bool checked) {
    constantSize_ = checked;
    if (checked) GiveBackSampleVariable();
    RefreshSetupControls();
}

void ChartSetupModel::SetSampleSize(int size) {
    sampleSize_ = std::clamp(size, MinSampleSize, MaxSampleSize);
}

void ChartSetupModel::SetSubgroupsInRows(bool rows) { ApplyLayout(rows); }

void ChartSetupModel::ApplyLayout(bool rows) {
    rows_ = rows;
    if (rows_) GiveBackSampleVariable();
    RefreshSetupControls();
    RelabelLocationLists();
    RelabelDispersionLists();
    RefreshSetupControls();
}

bool ChartSetupModel::IndividualsMode() const {
    return sampleColumn_ == 0 && !constantSize_ && !rows_;
}

std::string ChartSetupModel::MeasuresCaption() const {
    return rows_ ? "Subgroup Measures" : "     Chart Variables";
}

std::string ChartSetupModel::SampleLabelCaption() const {
    return constantSize_ ? "  Sample Size" : "Sample Variable";
}

// --- Lists and their names ---

void ChartSetupModel::FillLists(FillMode mode) {
    if (mode == FillMode::Individuals) {
        locType_.Items = IndividualLocTypes;
        dispType_.Items = IndividualDispTypes;
        locCalc_.Items = IndividualCalcs;
        dispCalc_.Items = IndividualCalcs;
    } else {
        locType_.Items = SubgroupLocTypes;
        dispType_.Items = SubgroupDispTypes;
        locCalc_.Items = SubgroupLocCalcs;
        dispCalc_.Items.clear();
        for (const std::string& name : SubgroupDispCalcs) {
            dispCalc_.Items.push_back(SubstituteDispersionCalc(name, SubgroupDispTypes.front()));
        }
    }
    const int locType = ChartTypeIndex(locType_.Items.front());
    const int dispType = ChartTypeIndex(dispType_.Items.front());
    locCL_.Items = {CenterlineName(1, locType), CenterlineName(2, locType),
                    CenterlineName(3, locType)};
    dispCL_.Items = {CenterlineName(4, dispType), CenterlineName(5, dispType),
                     CenterlineName(6, dispType)};
    for (ComboList* list : {&locType_, &dispType_, &locCalc_, &dispCalc_, &locCL_, &dispCL_}) {
        list->ItemIndex = 0;
    }
}

void ChartSetupModel::RelabelCenterlineList() {
    const int type = TypeIndexOf(locType_);
    locCL_.Items = {CenterlineName(1, type), CenterlineName(2, type), CenterlineName(3, type)};
}

void ChartSetupModel::RelabelLocationLists() {
    const std::string type = locType_.Text();
    if (type == "Mean" || type == "Median") {
        for (std::size_t i = 5; i <= 7 && i < locCalc_.Items.size(); ++i) {
            std::string& item = locCalc_.Items[i];
            const std::size_t of = item.find(" of ");
            if (of != std::string::npos) {
                item.resize(of + 4);
                item += type;
                item += "s";
            }
        }
    }
    locCalc_.Select(dispCalc_.ItemIndex);
    RelabelCenterlineList();
}

void ChartSetupModel::RelabelDispersionLists() {
    const std::string type = dispType_.Text();
    if (type.empty() || type == "None") return;
    const int typeIndex = TypeIndexOf(dispType_);
    dispCL_.Items = {CenterlineName(4, typeIndex), CenterlineName(5, typeIndex),
                     CenterlineName(6, typeIndex)};
    for (std::string& item : dispCalc_.Items) {
        const std::size_t of = item.find("of ");
        if (of != std::string::npos)
            item = SubstituteDispersionCalc(item.substr(0, of + 3) + "@", type);
    }
    // The default calculations follow the dispersion type; a median chart prefers medians.
    const int i = dispType_.ItemIndex;
    int position = 2 * i;
    if (locType_.Text() == "Median") {
        dispCL_.Select(1);
        if (i < 2) position = 2 * i + 1;
    } else {
        dispCL_.Select(0);
    }
    dispCalc_.Select(position);
    locCalc_.Select(position);
}

void ChartSetupModel::SelectLocChartType(int index) {
    locType_.Select(index);
    const std::string type = locType_.Text();
    if (type != "None") {
        locCL_.Select(std::string_view("MeanX").find(type) != std::string_view::npos ? 0 : 1);
        RelabelLocationLists();
        RelabelDispersionLists();
    }
    RefreshSetupControls();
}

void ChartSetupModel::SelectDispChartType(int index) {
    dispType_.Select(index);
    RelabelDispersionLists();
    RefreshSetupControls();
}

void ChartSetupModel::SelectLocLimitCalc(int index) {
    locCalc_.Select(index);
    RefreshSetupControls();
}

void ChartSetupModel::SelectDispCalc(int index) {
    dispCalc_.Select(index);
    if (dispType_.Text() != "None") {
        const std::string calc = dispCalc_.Text();
        dispCL_.Select(Contains(calc, "Median") && !Contains(calc, "of") ? 1 : 0);
        locCalc_.Select(dispCalc_.ItemIndex);
    }
    RefreshSetupControls();
}

void ChartSetupModel::SelectLocCenterline(int index) {
    locCL_.Select(index);
    RefreshSetupControls();
}

void ChartSetupModel::SelectDispCenterline(int index) {
    dispCL_.Select(index);
    RefreshSetupControls();
}

void ChartSetupModel::SelectAxisLabel(int index) { axisLabels_.Select(index); }

// --- Plain fields ---

void ChartSetupModel::SetMRSpan(int span) { mrSpan_ = std::clamp(span, MinMRSpan, MaxMRSpan); }

void ChartSetupModel::SetMRSpanText(const std::string& text) {
    int span = 0;
    for (char c : text) {
        if (c < '0' || c > '9') continue;
        span = std::min(span * 10 + (c - '0'), 1000);
    }
    SetMRSpan(text.empty() ? MinMRSpan : span);
}

void ChartSetupModel::SetUserLimitChecked(UserLimit limit, bool checked) {
    limitChecked_[static_cast<std::size_t>(limit)] = checked;
    ApplyVisibilityRules();
}

bool ChartSetupModel::UserLimitChecked(UserLimit limit) const {
    return limitChecked_[static_cast<std::size_t>(limit)];
}

void ChartSetupModel::SetUserLimitText(UserLimit limit, std::string text) {
    limitText_[static_cast<std::size_t>(limit)] = std::move(text);
}

const std::string& ChartSetupModel::UserLimitText(UserLimit limit) const {
    return limitText_[static_cast<std::size_t>(limit)];
}

// --- Refresh ---

void ChartSetupModel::RefreshSetupControls() {
    // Rows need several measures; falling back to columns also changes the mode and lists.
    if (rows_ && measures_.size() <= 1) {
        ApplyLayout(false);
        return;
    }
    const FillMode mode = IndividualsMode() ? FillMode::Individuals : FillMode::Subgroups;
    if (mode != lastFill_ || locType_.Items.empty()) {
        FillLists(mode);
        lastFill_ = mode;
    }
    RelabelCenterlineList();
    ApplyVisibilityRules();
}

void ChartSetupModel::ApplyVisibilityRules() {
    SetupVisibility v;
    const int columns = ColumnCount();

    v.ChartGroups = columns > 1;
    v.Sets = columns > 1;

    v.SampleCheck = columns == 1 || (columns >= 2 && !rows_);
    v.SampleSize = v.SampleCheck && constantSize_;
    v.SampleVariable = columns >= 2 && !rows_ && !constantSize_;
    v.SampleLabel = v.SampleVariable || v.SampleSize;

    const std::string locType = locType_.Text();
    const std::string dispType = dispType_.Text();
    const std::string locCalc = locCalc_.Text();
    const std::string dispCalc = dispCalc_.Text();
    v.LocCalc = locType != "None";
    v.DispCalc = dispType != "None";

    v.Mu = locCL_.Text() == "Known Mean" && locType != "None";
    v.Sigma = locCalc == "Known Std Dev" ||
              (v.DispCalc && (dispCalc == "Known Std Dev" || dispCL_.Text() == "Known Std Dev"));

    v.LocUserLimits = locType != "None" && locCalc == "User Defined";
    v.DispUserLimits = dispType != "None" && dispCalc == "User Defined";
    for (int i = 0; i < UserLimitCount; ++i) {
        const bool groupShown = i < UserDispUCL ? v.LocUserLimits : v.DispUserLimits;
        v.UserLimitEdits[static_cast<std::size_t>(i)] =
            groupShown && limitChecked_[static_cast<std::size_t>(i)];
    }

    v.Layout = measures_.size() > 1;

    v.LocCenterline = v.LocCalc && locCalc != "None" && locCalc != "User Defined";
    v.PositiveLimits = v.LocCenterline;
    v.DispCenterline = v.DispCalc && dispCalc != "None" && dispCalc != "User Defined";

    v.StdErr = (v.LocCalc && locCalc != "None") || (v.DispCalc && dispCalc != "None");
    v.MRSpan = (v.LocCalc && Contains(locCalc, "MR")) || (v.DispCalc && Contains(dispCalc, "MR")) ||
               dispType == "Moving Range";

    v.IncludeMeasures = !dataVars_.empty();
    v.IncludeChartGroups = !dataVars_.empty();
    v.ExcludeMeasures = !measures_.empty();
    v.ExcludeChartGroups = !chartGroups_.empty();

    v.ActionEnabled = (locType != "None" || dispType != "None") && !measures_.empty();
    visible_ = v;
}

}  // namespace vostrel
