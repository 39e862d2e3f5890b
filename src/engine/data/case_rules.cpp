#include "engine/data/case_rules.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "engine/core/missing_value.h"
#include "engine/data/text_rules.h"
#include "engine/helpers/text_helpers.h"

namespace vostrel {

std::string RelationText(int sign) {
    switch (sign) {
        case 2:
            return ">";
        case 3:
            return ">=";
        case 4:
            return "<";
        case 5:
            return "<=";
        case 6:
            return "<>";
        case 7:
            return "in";
        case 8:
            return "Not in";
        default:
            return "=";
    }
}

namespace {

std::string MissingRuleText(int sign, const std::string& signText, const std::string& valueText) {
    return sign != 0 ? "X " + signText + " " + valueText : std::string();
}

bool MeetsMissingRule(double x, int sign, double value) {
    switch (sign) {
        case 1:
            return x == value;
        case 2:
            return x > value;
        case 3:
            return x >= value;
        case 4:
            return x < value;
        case 5:
            return x <= value;
        default:
            return false;
    }
}

std::string JoinList(const std::vector<std::string>& texts) { return JoinStrings(texts, ","); }

bool IsListSeparator(char c) { return c == ',' || c == ' ' || c == '\t'; }

// The text between the brackets of a stored list ("[1,,3]"), or nothing when the text is
// not in brackets.
std::optional<std::string_view> BracketedList(std::string_view text) {
    text = TrimSpaces(text);
    if (text.empty() || text.front() != '[') return std::nullopt;
    text.remove_prefix(1);
    return text.substr(0, text.find(']'));
}

// The entries of a list separated by commas, spaces or tabs, appended to entries.
void ListWords(std::string_view text, std::vector<std::string_view>& entries) {
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsListSeparator(text[i])) ++i;
        const std::size_t start = i;
        while (i < text.size() && !IsListSeparator(text[i])) ++i;
        if (i > start) entries.push_back(text.substr(start, i - start));
    }
}

// The entries of a stored list. In brackets, as the program writes it, every comma
// separates entries and an empty one stands for a missing value ("[1,,3]"); without
// brackets ("1 3") the list is its words.
std::vector<std::string_view> ListEntries(std::string_view text) {
    std::vector<std::string_view> entries;
    const std::optional<std::string_view> inner = BracketedList(text);
    if (!inner) {
        ListWords(text, entries);
        return entries;
    }
    if (TrimSpaces(*inner).empty()) return entries;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = inner->find(',', start);
        const std::string_view piece = TrimSpaces(inner->substr(start, comma - start));
        if (piece.empty())
            entries.push_back(piece);
        else
            ListWords(piece, entries);
        if (comma == std::string_view::npos) return entries;
        start = comma + 1;
    }
}

}  // namespace

std::string MissingRec::MissingText1() const { return MissingRuleText(Sign1, Signtext1, Xstr1); }
std::string MissingRec::MissingText2() const { return MissingRuleText(Sign2, Signtext2, Xstr2); }

bool ProcessIfCondition::Holds(double c) const {
    switch (Sign) {
        case 1:
            return c == X;
        case 2:
            return c > X;
        case 3:
            return c >= X;
        case 4:
            return c < X;
        case 5:
            return c <= X;
        case 6:
            return c != X;
        case 7:
            return std::find(LA.begin(), LA.end(), c) != LA.end();
        case 8:
            return std::find(LA.begin(), LA.end(), c) == LA.end();
        default:
            return true;
    }
}

std::string ProcessIfCondition::Text() const {
    if (!On()) return {};
    return Xstr + " " + RelationText(Sign) + " " + XV;
}

bool ProcessIfRec::Passes(double c1, double c2) const {
    const bool on1 = Condition1.On();
    const bool on2 = Condition2.On();
    if (on1 && on2) {
        const bool h1 = Condition1.Holds(c1);
        const bool h2 = Condition2.Holds(c2);
        return AndOr == 1 ? (h1 || h2) : (h1 && h2);
    }
    if (on1) return Condition1.Holds(c1);
    if (on2) return Condition2.Holds(c2);
    return true;
}

bool CaseRules::DataValid(double x) const {
    if (x == MissingValue) return false;
    if (Missing.Active && (MeetsMissingRule(x, Missing.Sign1, Missing.X1) ||
                           MeetsMissingRule(x, Missing.Sign2, Missing.X2)))
        return false;
    return true;
}

void CaseRules::SetMissingRule(int k, int sign, const std::string& valueText, double value) {
    int& ruleSign = k == 2 ? Missing.Sign2 : Missing.Sign1;
    ruleSign = sign;
    (k == 2 ? Missing.Signtext2 : Missing.Signtext1) = RelationText(sign);
    (k == 2 ? Missing.X2 : Missing.X1) = value;
    (k == 2 ? Missing.Xstr2 : Missing.Xstr1) = valueText;
    if (sign != 0) Missing.Active = true;
}

bool IsNumberListText(std::string_view text) {
    const std::optional<std::string_view> inner = BracketedList(text);
    // A stored list may hold blank entries only ("[,]"); a typed one needs a number.
    bool entry = inner && !TrimSpaces(*inner).empty();
    std::vector<std::string_view> words;
    ListWords(inner ? *inner : text, words);
    for (std::string_view word : words) {
        if (!ReadNumber(word)) return false;
        entry = true;
    }
    return entry;
}

bool CaseRules::SetProcessIfRule(int k, int column, int sign, const std::string& name, double value,
                                 const std::string& valueText) {
    ProcessIfCondition& condition = k == 1 ? ProcessIf.Condition1 : ProcessIf.Condition2;
    if (k == 2) ProcessIf.AndOr = 0;
    if (k == 3) ProcessIf.AndOr = 1;
    const bool list = sign == 7 || sign == 8;
    if (list && !IsNumberListText(valueText)) {
        // A list of no numbers would select nothing (or everything) unseen.
        condition = ProcessIfCondition();
        return false;
    }
    condition.Sign = sign;
    condition.Signtext = RelationText(sign);
    condition.X = value;
    condition.Xstr = name;
    condition.PiIndex = column;
    condition.LA.clear();
    condition.SLA.clear();
    if (list) {
        for (std::string_view field : ListEntries(valueText)) {
            condition.LA.push_back(field.empty() ? MissingValue : ReadNumber(field).value_or(0));
            condition.SLA.emplace_back(field);
        }
        condition.XV = "[" + JoinList(condition.SLA) + "]";
    } else {
        condition.XV = valueText.empty() ? ShortestText(value) : valueText;
    }
    if (sign != 0) ProcessIf.Active = true;
    return true;
}

void CaseRules::ProcessIfOff() {
    ProcessIf.Active = false;
    for (ProcessIfCondition* condition : {&ProcessIf.Condition1, &ProcessIf.Condition2}) {
        condition->Sign = 0;
        condition->Signtext = RelationText(0);
        condition->Xstr = "0";
        condition->X = 0;
        condition->PiIndex = 0;
    }
}

void CaseRules::ClearMissingRules() { Missing = MissingRec(); }

std::string CaseRules::MissingStatusText() const {
    if (!Missing.Active) return "Missing Off";
    const std::string t1 = Missing.MissingText1();
    const std::string t2 = Missing.MissingText2();
    return "Missing: " + t1 + (!t1.empty() && !t2.empty() ? ", " : "") + t2;
}

std::string CaseRules::ProcessIfStatusText() const {
    if (!ProcessIf.Active) return "Process If Off";
    const std::string t1 = ProcessIf.ProcessIfText1();
    const std::string t2 = ProcessIf.ProcessIfText2();
    const char* join = ProcessIf.AndOr == 1 ? " or " : " and ";
    return "Process If: " + t1 + (!t1.empty() && !t2.empty() ? join : "") + t2;
}

std::string ApplyMissingDialog(CaseRules& rules, const MissingDialogInput& input) {
    MissingRec& m = rules.Missing;
    m.Sign1 = input.Sign1;
    m.Sign2 = input.Sign2;
    m.Signtext1 = RelationText(input.Sign1);
    m.Signtext2 = RelationText(input.Sign2);
    m.Xstr1 = input.Text1;
    m.Xstr2 = input.Text2;
    if (m.Sign1 == 0 && m.Sign2 == 0) {
        m.Active = false;
        return "Missing Off";
    }
    // A value that does not convert switches its rule off.
    auto convert = [](int& sign, std::string& signText, const std::string& text, double& x) {
        if (sign == 0) return;
        if (std::optional<double> value = ReadNumber(TrimSpaces(text))) {
            x = *value;
        } else {
            sign = 0;
            signText = RelationText(0);
        }
    };
    convert(m.Sign1, m.Signtext1, m.Xstr1, m.X1);
    convert(m.Sign2, m.Signtext2, m.Xstr2, m.X2);
    m.Active = true;
    std::string status;
    if (m.Sign1 != 0) status = "Missing: X " + m.Signtext1 + " " + m.Xstr1;
    if (m.Sign2 != 0) {
        status += status.empty() ? "Missing: X " : ", or X ";
        status += m.Signtext2 + " " + m.Xstr2;
    }
    if (status.empty()) {
        // Every rule failed to convert: nothing is left to apply.
        m.Active = false;
        return "Missing Off";
    }
    return status;
}

std::string ApplyProcessIfDialog(CaseRules& rules, const ProcessIfDialogInput& input,
                                 UserInterface& ui, BlankCommasSetting& blankCommas) {
    ProcessIfRec& p = rules.ProcessIf;
    const bool on1 = input.Condition1.Sign != 0 && input.Condition1.Column != 0;
    const bool on2 = input.Condition2.Sign != 0 && input.Condition2.Column != 0;
    if (!on1 && !on2) {
        rules.ProcessIfOff();
        return "Process If Off";
    }
    p.AndOr = input.AndOr;
    auto take = [&](ProcessIfCondition& condition, const ProcessIfDialogCondition& in, bool on) {
        condition = ProcessIfCondition();
        if (!on) {
            condition.Signtext = RelationText(0);
            return;
        }
        condition.Sign = in.Sign;
        condition.Signtext = RelationText(in.Sign);
        condition.PiIndex = in.Column;
        condition.Xstr = in.Name;
        if (in.Sign == 7 || in.Sign == 8) {
            // The dialog refuses such a list (ProcessIfDialogProblem); it never selects.
            if (!IsNumberListText(in.ValueText)) {
                condition = ProcessIfCondition();
                return;
            }
            for (const NumberField& field :
                 ParseNumberList(in.ValueText, ui, blankCommas, NoFieldLimit)) {
                condition.LA.push_back(field.value);
                condition.SLA.push_back(field.text);
            }
            condition.XV = "[" + JoinList(condition.SLA) + "]";
        } else {
            std::optional<double> value = ReadNumber(TrimSpaces(in.ValueText));
            condition.X = value.value_or(0.0);
            condition.XV = in.ValueText;
        }
    };
    take(p.Condition1, input.Condition1, on1);
    take(p.Condition2, input.Condition2, on2);
    p.Active = true;
    const std::string t1 = p.ProcessIfText1();
    const std::string t2 = p.ProcessIfText2();
    return "Process If: " + t1 + (!t1.empty() && !t2.empty() ? ", " : "") + t2;
}

std::string MissingDialogProblem(const MissingDialogInput& input) {
    const struct {
        int sign;
        const std::string& text;
    } rules[] = {{input.Sign1, input.Text1}, {input.Sign2, input.Text2}};
    for (const auto& rule : rules)
        if (rule.sign != 0 && !ReadNumber(TrimSpaces(rule.text)))
            return "Missing When: \"" + rule.text + "\" is not a number.";
    return {};
}

std::string ProcessIfDialogProblem(const ProcessIfDialogInput& input) {
    for (const ProcessIfDialogCondition* c : {&input.Condition1, &input.Condition2}) {
        if (c->Sign == 0 || c->Column == 0) continue;
        if (c->Sign == 7 || c->Sign == 8) {
            if (!IsNumberListText(c->ValueText)) return "Process If List Not Valid!";
        } else if (!ReadNumber(TrimSpaces(c->ValueText))) {
            return "Process If: \"" + c->ValueText + "\" is not a number.";
        }
    }
    return {};
}

std::string ProcessIfDialogValueText(const ProcessIfCondition& condition) {
    if (condition.Sign == 7 || condition.Sign == 8) return JoinList(condition.SLA);
    return condition.XV;
}

}  // namespace vostrel
