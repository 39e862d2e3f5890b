#pragma once
// The rules that decide which values take part in an analysis: up to two missing-value
// relations that turn a value into "missing", and up to two Process If conditions on other
// variables that a case must meet. With the texts that show them in the status bar, in
// report headers and in configuration files.

#include <string>
#include <string_view>
#include <vector>

namespace vostrel {

class UserInterface;
class BlankCommasSetting;

// Relation codes of the missing-value rules: 0 none, 1 "=", 2 ">", 3 ">=", 4 "<", 5 "<=".
// Process If adds 6 "<>", 7 "in", 8 "Not in"; its code 0 is "All" (no condition).
std::string RelationText(int sign);  // "=" for codes 0 and 1

// Whether the text of an "in" / "Not in" list is a list: entries separated by commas,
// spaces or tabs, each a number, and at least one number (or, in the brackets of a stored
// list, at least one blank entry).
bool IsNumberListText(std::string_view text);

struct MissingRec {
    double X1 = 0, X2 = 0;
    std::string Xstr1 = "0", Xstr2 = "0";
    int Sign1 = 0, Sign2 = 0;
    std::string Signtext1 = "=", Signtext2 = "=";
    bool Active = false;

    // "X " + relation + " " + value when the rule is on, else empty.
    std::string MissingText1() const;
    std::string MissingText2() const;
};

struct ProcessIfCondition {
    double X = 0;            // comparison value
    std::string Xstr = "0";  // name of the tested variable
    std::string XV = "0";    // the value as typed, or "[" + list entries joined by "," + "]"
    int Sign = 0;            // 0 "All", 1..8
    std::string Signtext = "=";
    int PiIndex = 0;               // tested column; 0 none
    std::vector<double> LA;        // the values of an "in" / "Not in" list
    std::vector<std::string> SLA;  // their texts

    // The condition takes part when it has a relation and a variable.
    bool On() const { return Sign != 0 && PiIndex != 0; }
    // Whether a cell value meets the condition (exact comparison of doubles).
    bool Holds(double c) const;
    // Variable + relation + value, e.g. "Machine in [1,2]"; empty when the condition is off.
    std::string Text() const;
};

struct ProcessIfRec {
    ProcessIfCondition Condition1, Condition2;
    int AndOr = 0;  // 0 "And", 1 "Or"
    bool Active = false;

    std::string ProcessIfText1() const { return Condition1.Text(); }
    std::string ProcessIfText2() const { return Condition2.Text(); }
    // Whether a row with the given values of the two tested columns takes part.
    bool Passes(double c1, double c2) const;
};

struct CaseRules {
    MissingRec Missing;
    ProcessIfRec ProcessIf;

    // False for the missing-value marker and, while the missing rules are on, for a value
    // that meets one of them.
    bool DataValid(double x) const;

    // Setters used by configuration files and the data editor.
    void SetMissingRule(int k, int sign, const std::string& valueText, double value);
    // k = 1 condition 1; k = 2 condition 2 joined by "And"; k = 3 condition 2 joined by "Or".
    // The value text is what the condition shows; for "in" and "Not in" its numbers (with
    // or without brackets; in brackets an empty entry is a missing value) become the list.
    // A list text that is not a list of numbers clears the condition: false.
    bool SetProcessIfRule(int k, int column, int sign, const std::string& name, double value,
                          const std::string& valueText = std::string());
    void ProcessIfOff();
    void ClearMissingRules();

    // The status bar texts.
    std::string MissingStatusText() const;    // "Missing: ..." or "Missing Off"
    std::string ProcessIfStatusText() const;  // "Process If: ..." or "Process If Off"
};

// The "Missing Values" dialog: the relation chosen for each rule and the value texts typed.
struct MissingDialogInput {
    int Sign1 = 0, Sign2 = 0;
    std::string Text1 = "0", Text2 = "0";
};
// OK of the dialog: the rules take the input; a value that does not convert switches its
// rule off. Returns the status text the dialog shows.
std::string ApplyMissingDialog(CaseRules& rules, const MissingDialogInput& input);
// Why OK cannot take the input: a rule that is on needs a value that reads as a number.
// Empty when it can. The dialog says so instead of switching the rule off unseen.
std::string MissingDialogProblem(const MissingDialogInput& input);

// The "Process If..." dialog: per condition the chosen variable (column 0 for none), its
// name, the relation and the value text; and the And/Or choice.
struct ProcessIfDialogCondition {
    int Column = 0;
    std::string Name;
    int Sign = 0;
    std::string ValueText = "0";
};
struct ProcessIfDialogInput {
    ProcessIfDialogCondition Condition1, Condition2;
    int AndOr = 0;
};
// OK of the dialog: "in" / "Not in" lists are read with ParseNumberList (every entry, so
// that a list of any length is kept); other values are converted, a value that does not
// convert compares as 0.
// Returns the status text the dialog shows. A condition whose list is not a list of
// numbers is left off: the dialog refuses it first with ProcessIfDialogProblem.
std::string ApplyProcessIfDialog(CaseRules& rules, const ProcessIfDialogInput& input,
                                 UserInterface& ui, BlankCommasSetting& blankCommas);
// Why OK cannot take the input: a condition that is on needs a value that reads as a
// number, or for "in" / "Not in" a list of numbers ("Process If List Not Valid!" when it
// holds text). Empty when it can.
std::string ProcessIfDialogProblem(const ProcessIfDialogInput& input);
// The value a dialog shows for a condition: a list without its brackets.
std::string ProcessIfDialogValueText(const ProcessIfCondition& condition);

}  // namespace vostrel
