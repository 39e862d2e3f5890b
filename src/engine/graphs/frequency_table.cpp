#include "engine/graphs/frequency_table.h"

#include <algorithm>
#include <optional>

#include "engine/data/extraction.h"
#include "engine/graphs/interval_rules.h"
#include "engine/report/number_format.h"
#include "engine/stats/sample_statistics.h"
#include "engine/stats/sample_values.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

// The interval size from the typed size (when used and not 0) or the automatic rule with
// 20 intervals; the smallest-gap rule only for positive data.
std::optional<double> TableIntervalSize(std::span<const double> sorted, double low, double high,
                                        const FrequencyOptions& options, bool& typed,
                                        IntervalError& error) {
    typed = false;
    if (options.UseIntervalSize) {
        const std::optional<double> size = ReadTypedIntervalSize(options.IntervalSizeText, error);
        if (!size) return std::nullopt;
        if (*size != 0) {
            typed = true;
            return size;
        }
    }
    return AutomaticIntervalSize(sorted, high - low, 20, low > 0);
}

FrequencyColumn CountGroup(std::span<const double> sorted, double c, double s, int rows,
                           std::string title) {
    FrequencyColumn column;
    column.Title = std::move(title);
    column.n = static_cast<int>(sorted.size());
    const double e = s / 10000;
    std::size_t j = 0;
    for (int r = 1; r <= rows && j < sorted.size(); ++r) {
        const double upper = c + (r - 0.5) * s + e;
        int count = 0;
        // The last row takes whatever rounding left above it, so no value is lost.
        while (j < sorted.size() && (sorted[j] < upper || r == rows)) {
            ++count;
            ++j;
        }
        if (count > 0) column.Cells.push_back({r, count, static_cast<int>(j)});
    }
    return column;
}

}  // namespace

const std::vector<std::string>& FrequencyTypeNames() {
    static const std::vector<std::string> names = {"Frequencies", "Relative Frequencies",
                                                   "Cumulative Frequencies"};
    return names;
}

std::string FrequencyTable::Cell(int column, int row) const {
    if (column == 0) {
        if (row == 0) return "MidPoint";
        return row <= static_cast<int>(Midpoints.size())
                   ? Midpoints[static_cast<std::size_t>(row) - 1]
                   : std::string();
    }
    if (column > static_cast<int>(Columns.size()) || row < 0) return {};
    const FrequencyColumn& group = Columns[static_cast<std::size_t>(column) - 1];
    if (row == 0) return group.Title;
    const auto it = std::lower_bound(group.Cells.begin(), group.Cells.end(), row,
                                     [](const FrequencyCell& cell, int r) { return cell.Row < r; });
    if (it == group.Cells.end() || it->Row != row) return {};
    switch (Type) {
        case FrequencyType::Frequencies:
            return std::to_string(it->Count);
        case FrequencyType::RelativeFrequencies:
            return FormatReportNumber(Locale, Decimals,
                                      static_cast<long double>(it->Count) / group.n);
        case FrequencyType::CumulativeFrequencies:
            return FormatReportNumber(Locale, Decimals,
                                      static_cast<long double>(it->Cumulative) / group.n);
    }
    return {};
}

std::string FrequencyTable::BlockText(int left, int top, int right, int bottom) const {
    std::string text;
    for (int r = top; r <= bottom; ++r) {
        for (int c = left; c <= right; ++c) {
            if (c > left) text += '\t';
            text += Cell(c, r);
        }
        text += "\r\n";
    }
    return text;
}

FrequencyTable BuildFrequencyTable(Workspace& ws, TRunInfo& run, const FrequencyOptions& options) {
    BusyCursor busy(ws.ui);
    FrequencyTable table;
    table.Type = options.Type;
    table.Decimals = std::clamp(options.Decimals, 0, 9);
    table.Locale = ws.report.numberLocale;
    ws.analysis.Decimals = table.Decimals;

    LoadAllToA_Array(ws, run);
    ComputeOrderStats(ws.sample, ws.sampleStats);
    const std::span<const double> all = SampleValues(ws.sample);
    if (all.empty()) return table;
    const double low = static_cast<double>(ws.sampleStats.Low);
    const double high = static_cast<double>(ws.sampleStats.High);

    IntervalError error;
    bool typedSize = false;
    const std::optional<double> size = TableIntervalSize(all, low, high, options, typedSize, error);
    std::optional<double> first =
        DefaultFirstMidpoint(low, size.value_or(1), static_cast<int>(all.size()));
    if (size && options.UseFirstMidpoint) {
        first = ReadTypedFirstMidpoint(options.FirstMidpointText, error);
        if (first) first = LowerFirstMidpoint(*first, low, *size);
    }
    if (!size || !first) {
        table.Error = error.Message;
        return table;
    }
    const double s = *size;
    const double c = *first;
    const double e = s / 10000;
    if (!IntervalCountAllowed((high + s / 2 - (c + e)) / s, error)) {
        table.Error = error.Message;
        return table;
    }
    table.IntervalSize = s;
    table.FirstMidpoint = c;
    table.MidpointDecimals = MidpointDecimals(s, options.IntervalSizeText, typedSize);

    for (int k = 0; k <= kMaxIntervals; ++k) {
        const double v = c + e + k * s;
        if (!(v < high + s / 2)) break;
        table.Midpoints.push_back(FormatReportNumber(table.Locale, table.MidpointDecimals, v));
    }
    const int rows = static_cast<int>(table.Midpoints.size());

    SetupIndex(run);
    while (true) {
        ws.ui.ProcessPendingMessages();
        if (!GetAR(ws, run)) break;
        SortSample(ws.sample);
        table.Columns.push_back(CountGroup(SampleValues(ws.sample), c, s, rows, run.CurrentTitle));
    }
    SetupIndex(run);
    return table;
}

}  // namespace vostrel
