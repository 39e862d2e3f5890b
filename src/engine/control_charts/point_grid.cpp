#include "engine/control_charts/point_grid.h"

#include "engine/control_charts/chart_names.h"
#include "engine/report/number_format.h"

namespace vostrel {

namespace {

using Row = ChartArrayType::Row;
using Kind = PointGridColumnKind;

}  // namespace

PointGrid::PointGrid(const ChartState& chart, const NumberLocale& locale)
    : chart_(chart), locale_(locale) {
    const ChartDefinition& d = chart.Definition;
    columns_.push_back({"Point", Kind::Point});
    if (d.LabelColumn > 0) columns_.push_back({"Labels", Kind::Labels, Row::LabelRow});
    if (d.ChartSetColumn > 0) columns_.push_back({"Set", Kind::Set, Row::SetNumber});
    if (d.LocChartType != ChartX) columns_.push_back({"n", Kind::N, Row::PointN});
    AddChartColumns(LocationChart, d.LocChartType, d.LocLimitCalc);
    AddChartColumns(DispersionChart, d.DispChartType, d.DispLimitCalc);
    columns_.push_back({"Sigma Est", Kind::SigmaEst, Row::SigmaEst});
}

// The statistic of a chart that is drawn, and the limits and codes of one whose limits are
// calculated.
void PointGrid::AddChartColumns(int chart, int type, int calc) {
    if (type == ChartNone || type < 0 || type >= ChartTypeCount) return;
    const bool location = chart == LocationChart;
    columns_.push_back({std::string(ChartTypeNames[static_cast<std::size_t>(type)]),
                        Kind::Statistic, location ? Row::LocStat : Row::DispStat, chart});
    if (calc == CalcNone) return;
    const std::string suffix = location ? "(Loc)" : "(Disp)";
    const bool limits = calc != CalcCenterlineOnly;
    if (limits) {
        columns_.push_back(
            {"LCL" + suffix, Kind::Limit, location ? Row::LocLCL : Row::DispLCL, chart});
    }
    columns_.push_back({"CL" + suffix, Kind::Limit, location ? Row::LocCL : Row::DispCL, chart});
    if (limits) {
        columns_.push_back(
            {"UCL" + suffix, Kind::Limit, location ? Row::LocUCL : Row::DispUCL, chart});
        columns_.push_back({"Codes " + suffix, Kind::Codes, -1, chart});
    }
}

double PointGrid::Value(int point, const PointGridColumn& column) const {
    if (column.Kind == Kind::Point) return point;
    if (column.Row < 0 || point > chart_.Points.Capacity()) return MissingValue;
    return chart_.Points(column.Row, point);
}

std::string PointGrid::CellText(int point, int column) const {
    if (point < 1 || point > RowCount() || column < 0 || column >= ColumnCount()) return {};
    const PointGridColumn& c = columns_[static_cast<std::size_t>(column)];
    if (c.Kind == Kind::Codes) return CodesOfPoint(chart_.Codes, c.Chart, point);
    const double value = Value(point, c);
    return IsPresent(value) ? FormatGeneral(locale_, value) : std::string();
}

std::string PointGrid::DisplayText(int point, int column, int decimals) const {
    if (point < 1 || point > RowCount() || column < 0 || column >= ColumnCount()) return {};
    const PointGridColumn& c = columns_[static_cast<std::size_t>(column)];
    switch (c.Kind) {
        case Kind::Statistic:
        case Kind::Limit:
        case Kind::SigmaEst: {
            const double value = Value(point, c);
            return IsPresent(value) ? FormatReportNumber(locale_, decimals, value) : std::string();
        }
        default:
            return CellText(point, column);
    }
}

bool PointGrid::HasCodesColumn(int chart) const {
    for (const PointGridColumn& c : columns_) {
        if (c.Kind == Kind::Codes && c.Chart == chart) return true;
    }
    return false;
}

PointCellShade PointGrid::Shade(int point, int column) const {
    if (point < 1 || point > RowCount() || column < 0 || column >= ColumnCount()) {
        return PointCellShade::Plain;
    }
    const PointGridColumn& c = columns_[static_cast<std::size_t>(column)];
    if (c.Kind == Kind::Codes) {
        return CodesOfPoint(chart_.Codes, c.Chart, point).empty() ? PointCellShade::Plain
                                                                  : PointCellShade::Signalled;
    }
    if (c.Kind != Kind::Statistic) return PointCellShade::Plain;
    const bool signalled =
        HasCodesColumn(c.Chart) && !CodesOfPoint(chart_.Codes, c.Chart, point).empty();
    return signalled ? PointCellShade::Signalled : PointCellShade::Clear;
}

std::string PointGrid::StatusText() const {
    return "Point Count: " + std::to_string(chart_.PointCount);
}

}  // namespace vostrel
