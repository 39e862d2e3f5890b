#pragma once
// The transform equation Y = f(X): one of twelve kinds with up to three constants A, B
// and C. While it is on, every value extracted for analysis or plotted on a control chart
// is replaced by f(value); the grid text stays as it is. Four kinds ignore X and draw
// random numbers instead.

#include <optional>
#include <string>
#include <vector>

namespace vostrel {

class Workspace;

inline constexpr int TransformKindCount = 13;  // 0 "No Transform" .. 12

struct TransformRec {
    int no = 0;  // the kind, 0 = off
    long double A = 1, B = 0, C = 1;
    std::string astr = "1", Bstr = "0", Cstr = "1";  // the constants as typed
    bool Error = false;
    std::string ErrorString;  // "Error: " + the failure text
    bool NORMFirst = false;   // replace each value by a random normal (10, 1) first

    bool On() const { return no != 0; }
};

// The item text of a kind in the transform dialog.
std::string TransformKindName(int no);

// The display text ("None", "2X + 3", "LN(X -3)", ...).
std::string TransformText(const TransformRec& t);
// The status bar text: "Transform: " + the text, or "Transform Off".
std::string TransformStatusText(const TransformRec& t);

// Applies the current transform to one value. On a domain failure the value is returned
// unchanged and the record's Error and ErrorString are set.
double ApplyTransform(Workspace& ws, double x);
// Applies the transform to A_Array[1..n] in order, stopping at the first failure.
void ApplyTransformToArray(Workspace& ws, int n);
// Shows "Transform Error - Turning Off Transform!" with the failure, then switches the
// transform off.
void TransformFailed(Workspace& ws);
// One value through the transform when it is on (control chart points); a failure is
// reported with TransformFailed and the value is returned untransformed.
double TransformValue(Workspace& ws, double x);

// Sets every field, as a configuration file does.
void SetTransform(TransformRec& t, int no, const std::string& astr, const std::string& bstr,
                  const std::string& cstr, long double a, long double b, long double c);

// The transform dialog's rules.
bool TransformConstantsVisible(int no);  // kinds 1..12
bool TransformCVisible(int no);          // kinds 2, 3, 4 and 12
bool TransformNormFirstEnabled(int no);  // kinds 1..12
// A constant as typed; nothing when it does not read as a number.
std::optional<long double> ReadTransformConstant(const std::string& text);
// OK needs every visible constant to read as a number (the C box only where it shows).
bool TransformOkEnabled(int no, const std::string& a, const std::string& b, const std::string& c);
// OK: the record takes the kind, the texts and their values.
void AcceptTransformDialog(TransformRec& t, int no, const std::string& a, const std::string& b,
                           const std::string& c, bool normFirst);

// "Add New Variable" / "Modify Existing Variable": writes the transformed values of the
// ticked columns into the table, as new columns "f(" + name + ")" or over the columns
// themselves. Rows excluded by Process If or missing get empty cells. Returns false when
// nothing could be done ("Maximum Number of Columns Exceeded.").
bool TransformColumns(Workspace& ws, const std::vector<int>& columns, bool addNew, bool turnOff);

}  // namespace vostrel
