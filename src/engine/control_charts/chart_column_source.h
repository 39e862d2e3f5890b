#pragma once
// The little the chart setup needs to know about the data table: how many data columns
// it has and what they are called.

#include <string>
#include <utility>
#include <vector>

namespace vostrel {

class ChartColumnSource {
  public:
    virtual ~ChartColumnSource() = default;
    // Data columns are numbered 1..ColumnCount().
    virtual int ColumnCount() const = 0;
    // The name of a data column as the data grid shows it in row 0.
    virtual std::string ColumnName(int column) const = 0;
};

// A fixed list of names: names[0] is column 1.
class NameListColumnSource : public ChartColumnSource {
  public:
    explicit NameListColumnSource(std::vector<std::string> names) : names_(std::move(names)) {}
    int ColumnCount() const override { return static_cast<int>(names_.size()); }
    std::string ColumnName(int column) const override {
        if (column < 1 || column > ColumnCount()) return {};
        return names_[static_cast<std::size_t>(column - 1)];
    }

  private:
    std::vector<std::string> names_;
};

}  // namespace vostrel
