#pragma once
// The rows of every chart group run, in row order. Charts of a run visit only its rows,
// so a chart list over many groups does not scan the whole table once per group.

#include <cstdint>
#include <span>
#include <vector>

namespace vostrel {

class TDataList;
class TRunInfo;

class ChartGroupRows {
  public:
    // Groups the rows by the run codes that TDataList::SetRunData left for the run
    // description; a row whose group values are not all present belongs to no run.
    void Build(const TDataList& data, const TRunInfo& runInfo);
    void Clear();

    // The rows of run 1..RunCount(), in row order; none for any other run.
    std::span<const int> Rows(int run) const;
    int RunCount() const { return start_.empty() ? 0 : static_cast<int>(start_.size()) - 2; }

    // The data's derivation count the rows were found for; 0 when never built.
    std::uint64_t Derivation = 0;

  private:
    std::vector<int> start_;  // rows of run r: rows_[start_[r]] .. rows_[start_[r + 1] - 1]
    std::vector<int> rows_;
};

}  // namespace vostrel
