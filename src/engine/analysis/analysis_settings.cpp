#include "engine/analysis/analysis_settings.h"

#include <algorithm>

#include "engine/data/case_rules.h"
#include "engine/data/data_list.h"
#include "engine/data/text_rules.h"
#include "engine/data/transform.h"
#include "engine/helpers/column_code.h"
#include "engine/report/number_format.h"
#include "engine/core/user_interface.h"

namespace vostrel {

namespace {

// The first `count` characters as the program shows them: code points of valid UTF-8,
// bytes otherwise.
std::string FirstCharacters(const std::string& text, int count) {
    const int length = DisplayLength(text);
    if (length <= count) return text;
    // Plain ASCII and bytes that are not UTF-8 count one character per byte.
    if (length == static_cast<int>(text.size()))
        return text.substr(0, static_cast<std::size_t>(count));
    std::size_t i = 0;
    for (int seen = 0; i < text.size(); ++i) {
        const bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (starts && seen++ == count) break;
    }
    return text.substr(0, i);
}

double NumberOrZero(const std::string& text) {
    const std::optional<double> value = ReadNumber(TrimSpaces(text));
    return value ? *value : 0.0;
}

}  // namespace

void UserSetSD::Set(const std::string& text, double value) {
    Text = text;
    Checked = true;
    Visible = true;
    Value = value;
    InUse = true;
}

void VariableList::Add(std::string item) {
    const auto at = std::upper_bound(items_.begin(), items_.end(), item);
    items_.insert(at, std::move(item));
}

std::string VariableList::Take(int i) {
    std::string item = std::move(items_[static_cast<std::size_t>(i)]);
    items_.erase(items_.begin() + i);
    return item;
}

std::vector<int> VariableList::Columns() const {
    std::vector<int> columns;
    columns.reserve(items_.size());
    for (const std::string& item : items_) columns.push_back(DecodeColumnCode(item));
    return columns;
}

int VariableList::ColumnAt(int i) const {
    return DecodeColumnCode(items_[static_cast<std::size_t>(i)]);
}

int VariableList::IndexOfColumn(int c) const {
    for (int i = 0; i < Count(); ++i)
        if (ColumnAt(i) == c) return i;
    return -1;
}

void VariableList::DropColumnsBeyond(int maxCol) {
    std::erase_if(items_, [maxCol](const std::string& item) {
        const int c = DecodeColumnCode(item);
        return c < 1 || c > maxCol;
    });
}

void VariableList::Rename(int c, const std::string& name) {
    const int i = IndexOfColumn(c);
    if (i >= 0) items_[static_cast<std::size_t>(i)] = ColumnItem(c, name);
}

void AnalysisSettings::SetTitle(const std::string& text) {
    std::string title = text;
    std::replace(title.begin(), title.end(), '\r', ' ');
    std::replace(title.begin(), title.end(), '\n', ' ');
    Title = FirstCharacters(title, kMaxTitleLength);
}

void AnalysisSettings::SetDecimals(int decimals) {
    DecimalsBox = std::clamp(decimals, 0, kMaxDecimals);
}

void AnalysisSettings::RebuildVariableLists(const TDataList& data, bool haveData) {
    DataVariables.Clear();
    Measures.Clear();
    Streams.Clear();
    if (haveData)
        for (int c = 1; c <= data.MaxCol(); ++c)
            DataVariables.Add(ColumnItem(c, data.ColumnName(c)));
    SetColumn = 0;
    SetName.clear();
}

void AnalysisSettings::AddDataVariables(const TDataList& data, int firstNew) {
    for (int c = std::max(firstNew, 1); c <= data.MaxCol(); ++c)
        DataVariables.Add(ColumnItem(c, data.ColumnName(c)));
}

bool ColumnsAppended(const std::vector<std::string>& before,
                     const std::vector<std::string>& after) {
    return after.size() > before.size() && std::equal(before.begin(), before.end(), after.begin());
}

int AnalysisSettings::MoveSelected(VariableList& from, VariableList& to,
                                   const std::vector<int>& selected) {
    std::vector<int> indexes;
    for (int i : selected)
        if (i >= 0 && i < from.Count()) indexes.push_back(i);
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    const int remembered = indexes.empty() ? -1 : indexes.front();
    for (auto it = indexes.rbegin(); it != indexes.rend(); ++it) to.Add(from.Take(*it));
    if (from.Empty()) return -1;
    if (remembered < 0) return 0;
    return std::min(remembered, from.Count() - 1);
}

int AnalysisSettings::MoveAll(VariableList& from, VariableList& to) {
    while (!from.Empty()) to.Add(from.Take(from.Count() - 1));
    return 0;
}

int AnalysisSettings::IncludeMeasures(const std::vector<int>& selected) {
    const int next = MoveSelected(DataVariables, Measures, selected);
    ApplyListRules();
    return next;
}

int AnalysisSettings::IncludeStreams(const std::vector<int>& selected) {
    const int next = MoveSelected(DataVariables, Streams, selected);
    ApplyListRules();
    return next;
}

int AnalysisSettings::ExcludeMeasures(const std::vector<int>& selected) {
    const int next = MoveSelected(Measures, DataVariables, selected);
    ApplyListRules();
    return next;
}

int AnalysisSettings::ExcludeStreams(const std::vector<int>& selected) {
    const int next = MoveSelected(Streams, DataVariables, selected);
    ApplyListRules();
    return next;
}

int AnalysisSettings::ExcludeAllMeasures() {
    MoveAll(Measures, DataVariables);
    ApplyListRules();
    return DataVariables.Empty() ? -1 : 0;
}

int AnalysisSettings::ExcludeAllStreams() {
    MoveAll(Streams, DataVariables);
    ApplyListRules();
    return DataVariables.Empty() ? -1 : 0;
}

bool AnalysisSettings::ToggleSetColumn(int selectedDataVariable) {
    if (SetColumn == 0) {
        if (selectedDataVariable < 0 || selectedDataVariable >= DataVariables.Count()) return false;
        const std::string item = DataVariables.Take(selectedDataVariable);
        SetColumn = DecodeColumnCode(item);
        SetName = std::string(ColumnItemName(item));
        return true;
    }
    DataVariables.Add(ColumnItem(SetColumn, SetName));
    SetColumn = 0;
    SetName.clear();
    return true;
}

void AnalysisSettings::DropColumnsBeyond(int maxCol) {
    DataVariables.DropColumnsBeyond(maxCol);
    Measures.DropColumnsBeyond(maxCol);
    Streams.DropColumnsBeyond(maxCol);
    if (SetColumn > maxCol) {
        SetColumn = 0;
        SetName.clear();
    }
}

void AnalysisSettings::ApplyListRules() {
    if (!Streams.Empty() && Multiple == MultipleMeasures::MultipleStreams)
        Multiple = MultipleMeasures::SampleItems;
}

ListButtonState AnalysisSettings::ListButtons() const {
    ListButtonState s;
    s.IncludeMeasures = s.IncludeStreams = !DataVariables.Empty();
    s.ExcludeMeasures = s.ExcludeAllMeasures = !Measures.Empty();
    s.ExcludeStreams = s.ExcludeAllStreams = !Streams.Empty();
    s.MultipleBoxVisible = Measures.Count() >= 2;
    s.MultipleStreamsVisible = Streams.Empty();
    return s;
}

CommandButtonState AnalysisSettings::CommandButtons(bool haveData, bool haveResults) const {
    CommandButtonState s;
    s.Action = s.BoxPlots = s.Histogram = s.FrequencyPlots = ActionEnabled();
    s.ControlCharts = haveData;
    s.TextOutput = s.PerformanceCharts = haveResults;
    return s;
}

void AnalysisSettings::ResetForNew(CaseRules& rules, TransformRec& transform) {
    Title.clear();
    Measurement.Reset();
    Stream.Reset();
    Potential.Reset();
    rules.ClearMissingRules();
    rules.ProcessIfOff();
    rules.ProcessIf.AndOr = 0;
    transform = TransformRec();
    DataVariables.Clear();
    Measures.Clear();
    Streams.Clear();
    SetColumn = 0;
    SetName.clear();
}

std::vector<std::string> AnalysisSettings::MemoLines(const CaseRules& rules,
                                                     const TransformRec& transform) const {
    std::vector<std::string> lines;
    if (Measurement.InUse) lines.push_back("User-Set: Measurement = " + Measurement.Text);
    if (Potential.InUse) lines.push_back("User-Set: Potential = " + Potential.Text);
    if (Stream.InUse) lines.push_back("User-Set: Streams = " + Stream.Text);
    if (rules.Missing.Active)
        for (const std::string& text : {rules.Missing.MissingText1(), rules.Missing.MissingText2()})
            if (!text.empty()) lines.push_back("Missing When: " + text);
    if (rules.ProcessIf.Active)
        for (const std::string& text :
             {rules.ProcessIf.ProcessIfText1(), rules.ProcessIf.ProcessIfText2()})
            if (!text.empty()) lines.push_back("Process If: " + text);
    if (transform.On()) lines.push_back("Transform: " + TransformText(transform));
    return lines;
}

bool AnalysisSettings::AcceptUserSetDialog(const UserSetDialogInput& input, UserInterface& ui) {
    // Text pasted past the key filter: a wanted value must be a number of 0 or more, or
    // the analysis would silently use 0 in its place.
    const struct {
        bool want;
        const std::string& text;
        const char* name;
    } boxes[] = {{input.WantMeasurement, input.MeasurementText, "Measurement"},
                 {input.WantStream, input.StreamText, "Between Process Streams"},
                 {input.WantPotential, input.PotentialText, "Potential"}};
    for (const auto& box : boxes) {
        const std::optional<double> value = ReadNumber(TrimSpaces(box.text));
        if (box.want && (!value || *value < 0)) {
            ui.Beep();
            ui.ErrorBox(std::string(box.name) + " must be a number of 0 or more.");
            return false;
        }
    }
    const double measurement = NumberOrZero(input.MeasurementText);
    const double stream = NumberOrZero(input.StreamText);
    const double potential = NumberOrZero(input.PotentialText);
    if (input.WantMeasurement && input.WantPotential && measurement > potential) {
        ui.Beep();
        ui.ErrorBox("Measurement must be < Potential");
        return false;
    }
    auto take = [](UserSetSD& box, bool want, const std::string& text, double value) {
        box.Text = text;
        box.Checked = want;
        box.Visible = want;
        box.Value = value;
        box.InUse = want;
    };
    take(Measurement, input.WantMeasurement, input.MeasurementText, measurement);
    take(Stream, input.WantStream, input.StreamText, stream);
    take(Potential, input.WantPotential, input.PotentialText, potential);
    return true;
}

}  // namespace vostrel
