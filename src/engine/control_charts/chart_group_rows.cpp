#include "engine/control_charts/chart_group_rows.h"

#include <algorithm>
#include <unordered_map>

#include "engine/data/data_list.h"
#include "engine/data/run_info.h"

namespace vostrel {

namespace {

bool GroupValuesPresent(const TDataList& data, const TRunInfo& runInfo, int row) {
    for (int i = 1; i <= runInfo.RefArray[0]; ++i) {
        const int column = runInfo.RefArray[static_cast<std::size_t>(i)];
        if (column < 1 || column > data.MaxCol() || data.Value(column, row) == MissingValue) {
            return false;
        }
    }
    return true;
}

// The run of every row, 0 for none.
std::vector<int> RunOfRows(const TDataList& data, const TRunInfo& runInfo, int runs) {
    const int rows = std::min(data.Ncount, static_cast<int>(data.RowRunCode.size()) - 1);
    std::vector<int> runOf(static_cast<std::size_t>(std::max(rows, 0)) + 1, 0);
    if (rows < 2) {
        // A table of one row is one run, without run codes.
        if (rows == 1 && runs >= 1 && GroupValuesPresent(data, runInfo, 1)) runOf[1] = 1;
        return runOf;
    }
    const auto first = data.RunCodes.begin() + 1;
    const auto last = first + runs;
    if (std::is_sorted(first, last)) {
        for (int r = 1; r <= rows; ++r) {
            const std::int64_t code = data.RowRunCode[static_cast<std::size_t>(r)];
            if (code == 0) continue;
            const auto it = std::lower_bound(first, last, code);
            if (it != last && *it == code)
                runOf[static_cast<std::size_t>(r)] = static_cast<int>(it - first) + 1;
        }
        return runOf;
    }
    std::unordered_map<std::int64_t, int> runOfCode;
    for (int run = runs; run >= 1; --run)
        runOfCode[data.RunCodes[static_cast<std::size_t>(run)]] = run;
    for (int r = 1; r <= rows; ++r) {
        const std::int64_t code = data.RowRunCode[static_cast<std::size_t>(r)];
        if (code == 0) continue;
        const auto it = runOfCode.find(code);
        if (it != runOfCode.end()) runOf[static_cast<std::size_t>(r)] = it->second;
    }
    return runOf;
}

}  // namespace

void ChartGroupRows::Build(const TDataList& data, const TRunInfo& runInfo) {
    const int runs =
        std::clamp(runInfo.MaxRun, 0, std::max(static_cast<int>(data.RunCodes.size()) - 1, 0));
    const std::vector<int> runOf = RunOfRows(data, runInfo, runs);

    start_.assign(static_cast<std::size_t>(runs) + 2, 0);
    for (std::size_t r = 1; r < runOf.size(); ++r) {
        if (runOf[r] > 0) ++start_[static_cast<std::size_t>(runOf[r]) + 1];
    }
    for (std::size_t run = 1; run < start_.size(); ++run) start_[run] += start_[run - 1];
    rows_.assign(static_cast<std::size_t>(start_.back()), 0);
    std::vector<int> next(start_.begin(), start_.end());
    for (std::size_t r = 1; r < runOf.size(); ++r) {
        if (runOf[r] == 0) continue;
        rows_[static_cast<std::size_t>(next[static_cast<std::size_t>(runOf[r])]++)] =
            static_cast<int>(r);
    }
    Derivation = data.DerivationCount();
}

void ChartGroupRows::Clear() {
    start_.clear();
    rows_.clear();
    Derivation = 0;
}

std::span<const int> ChartGroupRows::Rows(int run) const {
    if (run < 1 || run > RunCount()) return {};
    const auto first = static_cast<std::size_t>(start_[static_cast<std::size_t>(run)]);
    const auto last = static_cast<std::size_t>(start_[static_cast<std::size_t>(run) + 1]);
    return std::span<const int>(rows_).subspan(first, last - first);
}

}  // namespace vostrel
