#pragma once
// The point information grid of the current chart: one row per point with its statistics,
// limits, test codes and sigma estimate. The grid reads the chart's arrays when a cell is
// asked for, so a chart of a million points costs nothing until it is shown.

#include <string>
#include <vector>

#include "engine/control_charts/chart_state.h"
#include "engine/report/report_locale.h"

namespace vostrel {

enum class PointGridColumnKind {
    Point,      // the point number
    Labels,     // LabelRow
    Set,        // SetNumber
    N,          // PointN
    Statistic,  // LocStat or DispStat
    Limit,      // a limit or centerline
    Codes,      // the test codes of a chart
    SigmaEst,
};

struct PointGridColumn {
    std::string Header;
    PointGridColumnKind Kind;
    int Row = -1;   // the array row shown; -1 for the point number and the codes
    int Chart = 0;  // LocationChart or DispersionChart, for statistics, limits and codes
};

// How a data cell is coloured: a statistic whose point has codes and every non-empty codes
// cell are signalled (yellow), a statistic without codes is clear (lime).
enum class PointCellShade { Plain, Signalled, Clear };

class PointGrid {
  public:
    // The columns of the chart as it is now; the grid must not outlive the chart state.
    PointGrid(const ChartState& chart, const NumberLocale& locale);

    const std::vector<PointGridColumn>& Columns() const { return columns_; }
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    int RowCount() const { return chart_.PointCount; }  // data rows, point 1..PointCount

    // The stored text of a cell: numbers in the general format, empty when missing.
    std::string CellText(int point, int column) const;
    // The text as shown: the statistics, limits and sigma in fixed point with the given
    // decimals; the other columns as stored.
    std::string DisplayText(int point, int column, int decimals) const;
    PointCellShade Shade(int point, int column) const;

    // The status bar's first panel.
    std::string StatusText() const;

  private:
    double Value(int point, const PointGridColumn& column) const;
    bool HasCodesColumn(int chart) const;
    void AddChartColumns(int chart, int type, int calc);

    const ChartState& chart_;
    NumberLocale locale_;
    std::vector<PointGridColumn> columns_;
};

// The grid of the current chart as the information window fills it.
inline PointGrid FillPointGrid(const ChartState& chart, const NumberLocale& locale) {
    return PointGrid(chart, locale);
}

}  // namespace vostrel
