#pragma once
// What the main window holds for an analysis: the title, the decimals, the three variable
// lists, the multiple-measure choice, the user-set standard deviations and the analysis set
// column, with the operations that change them. The window binds its controls to this
// object; the configuration file reads and writes it; the Action reads it.

#include <string>
#include <vector>

namespace vostrel {

class TDataList;
class UserInterface;
struct CaseRules;
struct TransformRec;

inline constexpr int kMaxTitleLength = 80;
inline constexpr int kMaxDecimals = 9;

// The "Multiple Measures Represent" radio buttons; the numbers are the configuration codes.
enum class MultipleMeasures { SampleItems = 0, RepeatedMeasures = 1, MultipleStreams = 2 };

// One box of the user-set standard deviation dialog. InUse and Value are what the
// analysis reads (UseMeasurementSD / MeasurementSD and their kin); Text is what the
// report header and the configuration file show.
struct UserSetSD {
    std::string Text = "0";
    bool Checked = false;
    bool Visible = false;
    double Value = 0;
    bool InUse = false;

    // Hidden, "0", unchecked, value 0, not in use.
    void Reset() { *this = UserSetSD(); }
    // Visible and checked with the text and value, in use.
    void Set(const std::string& text, double value);
};

// A variable list: items are ColumnCode + column name, kept sorted, so columns stay in
// data order.
class VariableList {
  public:
    const std::vector<std::string>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    void Clear() { items_.clear(); }
    void Add(std::string item);
    // Removes and returns the item at index i.
    std::string Take(int i);
    // The column numbers of the items, in list order.
    std::vector<int> Columns() const;
    int ColumnAt(int i) const;
    // The index of the item of column c; -1 when there is none.
    int IndexOfColumn(int c) const;
    // Removes the items whose column is outside 1..maxCol.
    void DropColumnsBeyond(int maxCol);
    // Gives the item of column c the name.
    void Rename(int c, const std::string& name);

  private:
    std::vector<std::string> items_;
};

// Which list buttons and choices the main window enables or shows.
struct ListButtonState {
    bool IncludeMeasures = false, ExcludeMeasures = false, ExcludeAllMeasures = false;
    bool IncludeStreams = false, ExcludeStreams = false, ExcludeAllStreams = false;
    bool MultipleBoxVisible = false;      // two or more measures
    bool MultipleStreamsVisible = false;  // no stream variable
};

// Whether the table's columns are those seen before with more appended at the end.
bool ColumnsAppended(const std::vector<std::string>& before, const std::vector<std::string>& after);

// Which of the main window's command buttons are enabled.
struct CommandButtonState {
    bool Action = false, BoxPlots = false, Histogram = false, FrequencyPlots = false;
    bool ControlCharts = false;
    bool TextOutput = false, PerformanceCharts = false;
};

// The three values the user-set standard deviation dialog hands back on OK.
struct UserSetDialogInput {
    bool WantMeasurement = false, WantStream = false, WantPotential = false;
    std::string MeasurementText = "0", StreamText = "0", PotentialText = "0";
};

class AnalysisSettings {
  public:
    std::string Title;
    int DecimalsBox = 4;  // the decimals spin edit, 0..9
    VariableList DataVariables, Measures, Streams;
    MultipleMeasures Multiple = MultipleMeasures::SampleItems;
    UserSetSD Measurement, Stream, Potential;
    int SetColumn = 0;    // the analysis set column, 0 = none
    std::string SetName;  // what the analysis set box shows

    // The title box takes at most 80 characters and no line breaks.
    void SetTitle(const std::string& text);
    // The spin edit's range.
    void SetDecimals(int decimals);

    // Empties the lists and, when the table has data, lists every data column under
    // "Data Variables"; clears the analysis set column.
    void RebuildVariableLists(const TDataList& data, bool haveData);

    // After columns were appended to the table (a transformed copy, a computed variable):
    // lists columns firstNew..MaxCol under "Data Variables" and keeps every choice made.
    void AddDataVariables(const TDataList& data, int firstNew);

    // ">" and "<": moves the selected items (indexes into `from`) to `to`. Returns the item
    // of `from` to select afterwards (-1 when `from` is empty).
    int IncludeMeasures(const std::vector<int>& selected);
    int IncludeStreams(const std::vector<int>& selected);
    int ExcludeMeasures(const std::vector<int>& selected);
    int ExcludeStreams(const std::vector<int>& selected);
    // "<<": moves every measure (or stream variable) back; returns the item to select.
    int ExcludeAllMeasures();
    int ExcludeAllStreams();

    // The analysis set button: ">" takes the selected data variable (index, -1 for none)
    // as the set column; "<" puts it back. True when something changed.
    bool ToggleSetColumn(int selectedDataVariable);
    bool SetButtonShowsInclude() const { return SetColumn == 0; }

    // Forgets list items and the set column that name no column of a table with maxCol
    // columns (the lists are rebuilt when the table changes; this keeps a stale list harmless).
    void DropColumnsBeyond(int maxCol);

    // A stream variable rules out "Multiple Streams".
    void ApplyListRules();
    ListButtonState ListButtons() const;
    // The Action and the graph buttons need a measure.
    bool ActionEnabled() const { return !Measures.Empty(); }
    // The Action and the graphs need a measure, the control charts a table; the text
    // output and the performance charts have something to show after the first Action.
    CommandButtonState CommandButtons(bool haveData, bool haveResults) const;

    // "New": empty title, user-set values reset, all rules and the transform cleared, the
    // lists emptied.
    void ResetForNew(CaseRules& rules, TransformRec& transform);

    // The settings memo: one line for each user-set value, rule and transform in use.
    std::vector<std::string> MemoLines(const CaseRules& rules, const TransformRec& transform) const;

    // OK of the user-set dialog. Refuses ("Measurement must be < Potential") when both
    // measurement and potential are wanted and the measurement is larger, and refuses a
    // wanted value that is not a number of 0 or more.
    bool AcceptUserSetDialog(const UserSetDialogInput& input, UserInterface& ui);

    // Moves the selected items (indexes into `from`) to `to`, or every item; returns the item
    // of `from` to select afterwards (-1 when `from` is empty). Shared by every window with
    // ">" and "<" buttons between two variable lists.
    static int MoveSelected(VariableList& from, VariableList& to, const std::vector<int>& selected);
    static int MoveAll(VariableList& from, VariableList& to);
};

}  // namespace vostrel
