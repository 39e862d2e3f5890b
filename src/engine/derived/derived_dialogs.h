#pragma once
// The rules of the small dialogs of the data editor's Data menu, without the widgets: the
// variable picker of "Generate Run Numbers" and "Auto Recode", and the weight variable
// chooser of "Weight Cases".

#include <string>
#include <vector>

#include "engine/analysis/analysis_settings.h"

namespace vostrel {

class DataTable;

// A ">" / "<" button that moves one variable between a list and a box: with the box empty
// the first selected item of the list goes into it; else the box's item goes back. True
// when something moved.
bool ToggleChosenItem(VariableList& list, std::string& chosen, const std::vector<int>& selected);

enum class PickPurpose { RunNumbers, AutoRecode };

// The captions of the picker for its purpose.
struct PickerTexts {
    std::string Caption;
    std::string Title;
    std::string RightListLabel;
};
PickerTexts PickerTextsFor(PickPurpose purpose);

// Two lists of variables, both in column order, and the buttons between them.
class VariablePicker {
  public:
    VariableList SrcList;  // "Data Variables"
    VariableList DstList;  // the chosen variables

    // Lists every data column of the table as a source.
    void Fill(const DataTable& table);

    int Include(const std::vector<int>& selected);
    int IncludeAll();
    int Exclude(const std::vector<int>& selected);
    int ExcludeAll();

    bool OkEnabled() const { return !DstList.Empty(); }
};

// "Weight Cases By:": the data variables and the one chosen weight variable.
class WeightPicker {
  public:
    VariableList DataVarList;
    std::string WeightItem;  // Edit_Weight's item; empty: none chosen

    void Fill(const DataTable& table);
    // Button_Select: ">" takes the first selected variable, "<" puts it back. True when
    // something moved.
    bool ToggleSelect(const std::vector<int>& selected);
    std::string ButtonText() const { return WeightItem.empty() ? ">" : "<"; }
    int WeightColumn() const;
    std::string WeightName() const;
    bool OkEnabled() const { return !WeightItem.empty(); }
};

}  // namespace vostrel
