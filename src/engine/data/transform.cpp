#include "engine/data/transform.h"

#include <cmath>

#include "engine/data/grid/table_edit.h"
#include "engine/data/text_rules.h"
#include "engine/report/number_format.h"
#include "engine/stats/chi_square.h"
#include "engine/stats/elementary_functions.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

const char* const kKindNames[TransformKindCount] = {
    "No Transform",
    "LINEAR  Y = AX + B",
    "POWER1  Y = (AX + B)^C",
    "POWER2  Y = (AX + B)^1/C",
    "INV     Y = B/(AX)^C",
    "LOG     Y = Ln(AX + B)",
    "EXP     Y = Exp(AX + B)",
    "ARCSIN  Y = Arcsin(AX + B)",
    "SIN     Y = Sin(AX + B) Rad",
    "Random: Uniform (A, B)",
    "Random: Normal (A=mean, B=std)",
    "Random: Exponential (A=min, B=mean)",
    "Random: Chi-Square(A=df, B=scale, C=min)",
};

// The outcome of f(x): the value, or the failure text.
struct Outcome {
    long double y = 0;
    const char* failure = nullptr;
};

Outcome Fail(const char* text) { return {0, text}; }

// A power whose base is zero and whose exponent is negative divides by zero.
Outcome SafePower(long double base, long double exponent) {
    if (base == 0 && exponent < 0) return Fail("Division by 0");
    return {Power(base, exponent), nullptr};
}

// A uniform number in (0, 1): the logarithm of kind 11 needs it above 0.
long double PositiveUniform(RandomGenerator& rng) {
    double u = rng.Uniform();
    while (u == 0) u = rng.Uniform();
    return u;
}

Outcome Evaluate(const TransformRec& t, long double x, RandomGenerator& rng) {
    const long double ax = t.A * x;
    const long double lin = ax + t.B;
    switch (t.no) {
        case 1:
            return {lin, nullptr};
        case 2:
            if (lin < 0) return Fail("X < 0");
            return SafePower(lin, t.C);
        case 3:
            if (lin < 0) return Fail("X < 0");
            if (t.C == 0) return Fail("Division by 0");
            return SafePower(lin, 1 / t.C);
        case 4: {
            if (x <= 0) return Fail("X <= 0");
            Outcome power = SafePower(ax, t.C);
            if (power.failure) return power;
            if (power.y == 0) return Fail("Division by 0");
            return {t.B / power.y, nullptr};
        }
        case 5:
            if (lin <= 0) return Fail("X <= 0");
            return {std::log(lin), nullptr};
        case 6:
            return {std::exp(lin), nullptr};
        case 7:
            if (lin >= 1 || lin <= -1) return Fail("ABS(X) >= 1");
            return {std::atan(lin / std::sqrt(1 - lin * lin)), nullptr};
        case 8:
            return {std::sin(lin), nullptr};
        case 9:
            return {std::fmin(t.A, t.B) + rng.Uniform() * std::fabs(t.A - t.B), nullptr};
        case 10:
            return {NormalRandom(rng, t.A, t.B), nullptr};
        case 11:
            if (t.A >= t.B) return Fail("B <= A");
            return {t.A - std::log(PositiveUniform(rng)) * (t.B - t.A), nullptr};
        case 12:
            // A chi-square distribution needs degrees of freedom above 0.
            if (!(t.A > 0)) return Fail("A <= 0");
            return {ChiSquareInverse(1, t.A, rng.Uniform()) * t.B + t.C, nullptr};
        default:
            return {x, nullptr};
    }
}

std::string LinearText(const TransformRec& t) {
    const std::string a = t.astr == "1" ? std::string() : t.astr;
    std::string b;
    if (t.B != 0) b = t.B >= 0 ? " + " + t.Bstr : " " + t.Bstr;
    return a + "X" + b;
}

// Cell text of a transformed value: the general number format with "." as the decimal
// separator, so that the table reads it back as the same number.
std::string CellText(long double y) { return FormatGeneral(NumberLocale{}, y); }

}  // namespace

std::string TransformKindName(int no) {
    return no >= 0 && no < TransformKindCount ? kKindNames[no] : std::string();
}

std::string TransformText(const TransformRec& t) {
    switch (t.no) {
        case 1:
            return LinearText(t);
        case 2:
            return "(" + LinearText(t) + ")^" + t.Cstr;
        case 3:
            return "(" + LinearText(t) + ")^(1/" + t.Cstr + ")";
        case 4:
            return t.Bstr + "/(" + (t.astr == "1" ? std::string() : t.astr) + "X)^" + t.Cstr;
        case 5:
            return "LN(" + LinearText(t) + ")";
        case 6:
            return "EXP(" + LinearText(t) + ")";
        case 7:
            return "ARCSIN(" + LinearText(t) + ")";
        case 8:
            return "SIN(" + LinearText(t) + ")";
        case 9:
            return "Uniform(" + t.astr + "," + t.Bstr + ")";
        case 10:
            return "Normal(" + t.astr + "," + t.Bstr + ")";
        case 11:
            return "Exponential(" + t.astr + "," + t.Bstr + ")";
        case 12:
            return "Chi-Square(" + t.astr + "," + t.Bstr + "," + t.Cstr + ")";
        default:
            return "None";
    }
}

std::string TransformStatusText(const TransformRec& t) {
    return t.On() ? "Transform: " + TransformText(t) : "Transform Off";
}

double ApplyTransform(Workspace& ws, double x) {
    TransformRec& t = ws.transform;
    if (!t.On()) return x;
    long double value = x;
    if (t.NORMFirst) value = NormalRandom(ws.random, 10, 1);
    Outcome outcome = Evaluate(t, value, ws.random);
    // A result a double cannot hold would print as garbage in every report.
    if (!outcome.failure && !std::isfinite(static_cast<double>(outcome.y)))
        outcome = Fail("Overflow");
    if (outcome.failure) {
        t.Error = true;
        t.ErrorString = std::string("Error: ") + outcome.failure;
        return x;
    }
    return static_cast<double>(outcome.y);
}

void ApplyTransformToArray(Workspace& ws, int n) {
    TransformRec& t = ws.transform;
    t.Error = false;
    for (int i = 1; i <= n; ++i) {
        ws.sample[i] = ApplyTransform(ws, ws.sample[i]);
        if (t.Error) return;
    }
}

void TransformFailed(Workspace& ws) {
    TransformRec& t = ws.transform;
    ws.ui.ErrorBox("Transform Error - Turning Off Transform!\nTransform: " + TransformText(t) +
                   "\n" + t.ErrorString);
    t.no = 0;
}

double TransformValue(Workspace& ws, double x) {
    TransformRec& t = ws.transform;
    if (!t.On()) return x;
    t.Error = false;
    const double y = ApplyTransform(ws, x);
    if (t.Error) {
        TransformFailed(ws);
        return x;
    }
    return y;
}

void SetTransform(TransformRec& t, int no, const std::string& astr, const std::string& bstr,
                  const std::string& cstr, long double a, long double b, long double c) {
    t.no = no >= 0 && no < TransformKindCount ? no : 0;
    t.astr = astr;
    t.Bstr = bstr;
    t.Cstr = cstr;
    t.A = a;
    t.B = b;
    t.C = c;
    t.Error = false;
    t.ErrorString.clear();
}

bool TransformConstantsVisible(int no) { return no >= 1 && no <= 12; }
bool TransformCVisible(int no) { return no == 2 || no == 3 || no == 4 || no == 12; }
bool TransformNormFirstEnabled(int no) { return no >= 1 && no <= 12; }

std::optional<long double> ReadTransformConstant(const std::string& text) {
    if (std::optional<double> value = ReadNumber(TrimSpaces(text))) return *value;
    return std::nullopt;
}

bool TransformOkEnabled(int no, const std::string& a, const std::string& b, const std::string& c) {
    if (!TransformConstantsVisible(no)) return no == 0;
    if (!ReadTransformConstant(a) || !ReadTransformConstant(b)) return false;
    return !TransformCVisible(no) || ReadTransformConstant(c).has_value();
}

void AcceptTransformDialog(TransformRec& t, int no, const std::string& a, const std::string& b,
                           const std::string& c, bool normFirst) {
    SetTransform(t, no, a, b, c, ReadTransformConstant(a).value_or(0),
                 ReadTransformConstant(b).value_or(0), ReadTransformConstant(c).value_or(0));
    t.NORMFirst = normFirst;
}

bool TransformColumns(Workspace& ws, const std::vector<int>& columns, bool addNew, bool turnOff) {
    TransformRec& t = ws.transform;
    if (!t.On()) return false;
    DataTable& table = ws.table;
    TDataList& data = ws.data;
    BusyCursor busy(ws.ui);
    data.UpdateData();
    if (addNew && table.DataGrid.ColCount() + static_cast<int>(columns.size()) > MaxColumns) {
        ws.ui.ErrorBox("Maximum Number of Columns Exceeded.");
        return false;
    }
    TableEdit edit(ws.history, "Transform");
    for (int column : columns) {
        if (column < 1 || column > data.MaxCol()) continue;
        // The new texts of rows 1..Ncount; a failure leaves this column untouched.
        TextGrid texts(1, data.Ncount + 1, false);
        bool failed = false;
        t.Error = false;
        for (int row = 1; row <= data.Ncount && !failed; ++row) {
            const double x = data.Value(column, row);
            if (!data.ProcessOK(row) || !data.DataValid(x)) {
                // Modifying keeps what the rules left out: excluded rows are not lost.
                if (!addNew) texts.SetCell(0, row, table.DataGrid.Cell(column, row));
                continue;
            }
            const double y = ApplyTransform(ws, x);
            if (t.Error) failed = true;
            texts.SetCell(0, row, CellText(y));
        }
        if (failed) {
            ws.ui.ErrorBox("Transform Failed for: " + data.ColumnName(column));
            continue;
        }
        if (addNew) {
            texts.SetCell(0, 0, "f(" + data.ColumnName(column) + ")");
            edit.AppendColumns(std::move(texts));
        } else {
            texts.DeleteRows(0, 1);
            edit.ReplaceBlock(GridId::Data, column, 1, std::move(texts));
        }
    }
    if (turnOff) t.no = 0;
    edit.Effects().Data = true;
    edit.SetArea(GridId::Data, GridRect{1, 1, table.MaxCol(), table.CaseRows()});
    edit.Commit();
    data.UpdateData();
    return true;
}

}  // namespace vostrel
