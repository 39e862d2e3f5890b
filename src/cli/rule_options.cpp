#include "cli/rule_options.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <sstream>

#include "engine/data/case_rules.h"
#include "engine/data/text_rules.h"
#include "engine/data/transform.h"
#include "engine/workspace.h"

namespace vostrel::cli {

namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A relation at the start of the text: its code and the rest of the text.
std::optional<std::pair<int, std::string>> SplitRelation(const std::string& text, bool lists) {
    const std::string trimmed(TrimSpaces(text));
    const std::string lower = Lower(trimmed);
    static const std::vector<std::pair<std::string, int>> symbols = {
        {">=", 3}, {"<=", 5}, {"<>", 6}, {"=", 1}, {">", 2}, {"<", 4}};
    for (const auto& [symbol, code] : symbols)
        if (lower.rfind(symbol, 0) == 0 && (lists || code != 6))
            return std::make_pair(
                code, std::string(TrimSpaces(std::string_view(trimmed).substr(symbol.size()))));
    if (!lists) return std::nullopt;
    for (const auto& [word, code] :
         std::vector<std::pair<std::string, int>>{{"not in", 8}, {"in", 7}})
        if (lower.rfind(word + " ", 0) == 0 || lower.rfind(word + "[", 0) == 0)
            return std::make_pair(
                code, std::string(TrimSpaces(std::string_view(trimmed).substr(word.size()))));
    return std::nullopt;
}

}  // namespace

int WithUsageErrors(const std::string& command, const std::function<int()>& body) {
    try {
        return body();
    } catch (const UsageError& e) {
        std::cerr << "vostrel-cli " << command << ": " << e.message << "\n";
        std::cerr << "Try vostrel-cli " << command << " --help.\n";
        return 2;
    }
}

CommandArgument SplitArgument(const std::string& arg) {
    CommandArgument split{arg, std::nullopt};
    const std::size_t equals = arg.find('=');
    if (arg.rfind("--", 0) == 0 && equals != std::string::npos) {
        split.inlineValue = arg.substr(equals + 1);
        split.name.resize(equals);
    }
    return split;
}

std::string OptionValue(const Arguments& args, std::size_t& i, const CommandArgument& option) {
    if (option.inlineValue) return *option.inlineValue;
    if (i + 1 >= args.size()) throw UsageError{option.name + " needs a value"};
    return args[++i];
}

bool AllDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A column by its name, or by its 1-based number when no column has that name.
int FindColumn(const Workspace& ws, const std::string& token) {
    const std::string name(TrimSpaces(token));
    for (int c = 1; c <= ws.table.MaxCol(); ++c)
        if (ws.table.ColumnName(c) == name) return c;
    if (AllDigits(name) && name.size() <= 6) {
        const int c = std::stoi(name);
        if (c >= 1 && c <= ws.table.MaxCol()) return c;
    }
    throw UsageError{"no column \"" + name + "\" in the data file"};
}

std::vector<int> FindColumns(const Workspace& ws, const std::string& list,
                             const std::string& option) {
    std::vector<int> columns;
    for (std::string_view token : SplitAt(list, ',')) {
        if (token.empty()) throw UsageError{option + ": an empty column name"};
        columns.push_back(FindColumn(ws, std::string(token)));
    }
    if (columns.empty()) throw UsageError{option + " names no column"};
    std::sort(columns.begin(), columns.end());
    columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
    return columns;
}

double NumberOption(const std::string& text, const std::string& option) {
    const std::optional<double> value = ReadNumber(TrimSpaces(text));
    if (!value) throw UsageError{option + ": \"" + text + "\" is not a number"};
    return *value;
}

void ApplyMissing(Workspace& ws, const std::vector<std::string>& rules) {
    MissingDialogInput input;
    for (std::size_t k = 0; k < rules.size(); ++k) {
        const auto relation = SplitRelation(rules[k], false);
        if (!relation || relation->second.empty())
            throw UsageError{"--missing \"" + rules[k] +
                             "\": expected a relation (= > >= < <=) and a value"};
        NumberOption(relation->second, "--missing");
        (k == 0 ? input.Sign1 : input.Sign2) = relation->first;
        (k == 0 ? input.Text1 : input.Text2) = relation->second;
    }
    ApplyMissingDialog(ws.rules, input);
}

void ApplyProcessIf(Workspace& ws, const std::vector<std::string>& conditions, bool orJoin) {
    if (orJoin && conditions.size() < 2) throw UsageError{"--or needs two --process-if conditions"};
    ProcessIfDialogInput input;
    input.AndOr = orJoin ? 1 : 0;
    for (std::size_t k = 0; k < conditions.size(); ++k) {
        const std::string text(TrimSpaces(conditions[k]));
        const std::size_t space = text.find_first_of(" \t<>=");
        if (space == std::string::npos || space == 0)
            throw UsageError{"--process-if \"" + text + "\": expected COLUMN REL VALUE"};
        const int column = FindColumn(ws, text.substr(0, space));
        const auto relation = SplitRelation(text.substr(space), true);
        if (!relation || relation->second.empty())
            throw UsageError{"--process-if \"" + text + "\": expected COLUMN REL VALUE"};
        if (relation->first != 7 && relation->first != 8)
            NumberOption(relation->second, "--process-if");
        else if (!IsNumberListText(relation->second))
            throw UsageError{"--process-if \"" + text + "\": \"" + relation->second +
                             "\" is not a list of numbers"};
        ProcessIfDialogCondition& c = k == 0 ? input.Condition1 : input.Condition2;
        c.Column = column;
        c.Name = ws.table.ColumnName(column);
        c.Sign = relation->first;
        c.ValueText = relation->second;
    }
    ApplyProcessIfDialog(ws.rules, input, ws.ui, ws.blankCommas);
}

void ApplyTransformOption(Workspace& ws, const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> fields;
    for (std::string field; in >> field;) fields.push_back(field);
    if (fields.empty() || fields.size() > 4 || !AllDigits(fields[0]) || fields[0].size() > 2)
        throw UsageError{"--transform \"" + text + "\": expected KIND A B C"};
    const int kind = std::stoi(fields[0]);
    const std::string a = fields.size() > 1 ? fields[1] : "1";
    const std::string b = fields.size() > 2 ? fields[2] : "0";
    const std::string c = fields.size() > 3 ? fields[3] : "1";
    if (kind >= TransformKindCount || !TransformOkEnabled(kind, a, b, c))
        throw UsageError{"--transform \"" + text +
                         "\": not a transform kind 0 to 12 with numeric constants"};
    AcceptTransformDialog(ws.transform, kind, a, b, c, false);
}

void ApplyRuleOptions(Workspace& ws, const RuleOptions& rules) {
    ApplyMissing(ws, rules.missing);
    ApplyProcessIf(ws, rules.processIf, rules.orJoin);
    if (rules.transform) ApplyTransformOption(ws, *rules.transform);
}

}  // namespace vostrel::cli
