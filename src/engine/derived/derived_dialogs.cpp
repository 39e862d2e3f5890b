#include "engine/derived/derived_dialogs.h"

#include "engine/data/data_table.h"
#include "engine/helpers/column_code.h"

namespace vostrel {

namespace {

void ListColumns(const DataTable& table, VariableList& list) {
    list.Clear();
    if (!table.HaveData()) return;
    for (int c = 1; c <= table.MaxCol(); ++c) list.Add(ColumnItem(c, table.ColumnName(c)));
}

}  // namespace

bool ToggleChosenItem(VariableList& list, std::string& chosen, const std::vector<int>& selected) {
    if (!chosen.empty()) {
        list.Add(chosen);
        chosen.clear();
        return true;
    }
    int first = -1;
    for (int i : selected)
        if (i >= 0 && i < list.Count() && (first < 0 || i < first)) first = i;
    if (first < 0) return false;
    chosen = list.Take(first);
    return true;
}

PickerTexts PickerTextsFor(PickPurpose purpose) {
    if (purpose == PickPurpose::AutoRecode)
        return {"Auto Recode", "Select Variables to Recode\r(lowest =1 to highest, increment by 1)",
                "Recoded Variables"};
    return {"Generate Run Numbers", "Select Independent Variables to Compute Run Numbers",
            "Selected Variables"};
}

void VariablePicker::Fill(const DataTable& table) {
    ListColumns(table, SrcList);
    DstList.Clear();
}

int VariablePicker::Include(const std::vector<int>& selected) {
    return AnalysisSettings::MoveSelected(SrcList, DstList, selected);
}
int VariablePicker::IncludeAll() { return AnalysisSettings::MoveAll(SrcList, DstList); }
int VariablePicker::Exclude(const std::vector<int>& selected) {
    return AnalysisSettings::MoveSelected(DstList, SrcList, selected);
}
int VariablePicker::ExcludeAll() { return AnalysisSettings::MoveAll(DstList, SrcList); }

void WeightPicker::Fill(const DataTable& table) {
    ListColumns(table, DataVarList);
    WeightItem.clear();
}

bool WeightPicker::ToggleSelect(const std::vector<int>& selected) {
    return ToggleChosenItem(DataVarList, WeightItem, selected);
}

int WeightPicker::WeightColumn() const {
    return WeightItem.empty() ? 0 : DecodeColumnCode(WeightItem);
}

std::string WeightPicker::WeightName() const { return std::string(ColumnItemName(WeightItem)); }

}  // namespace vostrel
