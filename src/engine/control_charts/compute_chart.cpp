#include "engine/control_charts/compute_chart.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <utility>
#include <vector>

#include "engine/control_charts/chart_names.h"
#include "engine/control_charts/chart_sets.h"
#include "engine/control_charts/compute_limits.h"
#include "engine/report/number_format.h"
#include "engine/stats/sample_statistics.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

using Row = ChartArrayType::Row;

bool LayoutUsesRuns(int layout) { return layout >= 8 && layout <= 14; }

class PointExtractor {
  public:
    explicit PointExtractor(Workspace& ws)
        : ws_(ws),
          chart_(ws.chart),
          d_(ws.chart.Definition),
          data_(ws.data),
          a_(ws.chart.Points),
          column_(ValidColumn(ws.chart.CurrentColumn)),
          setColumn_(ValidColumn(ws.chart.Definition.ChartSetColumn)),
          mrSpan_(std::max(ws.chart.Definition.MRSpan, 2)) {}

    int Run() {
        Start();
        switch (d_.LayoutType) {
            case 1:
            case 5:
                for (int row = 1; row <= data_.Ncount; ++row) Individual(row);
                break;
            case 8:
            case 12:
                for (int row : RunRows()) Individual(row);
                break;
            case 2:
                for (int row = 1; row <= data_.Ncount; ++row) RowSubgroup(row);
                break;
            case 9:
                for (int row : RunRows()) RowSubgroup(row);
                break;
            case 4:
            case 7:
                Blocks();
                break;
            case 11:
            case 14:
                BlocksOfRun();
                break;
            case 3:
            case 6:
                Samples(AllRows());
                break;
            case 10:
            case 13: {
                const std::span<const int> rows = RunRows();
                Samples(std::vector<int>(rows.begin(), rows.end()));
                break;
            }
            default:
                break;
        }
        Finish();
        return chart_.PointCount;
    }

  private:
    int ValidColumn(int column) const {
        return column >= 1 && column <= data_.MaxCol() ? column : 0;
    }

    std::span<const int> RunRows() const { return chart_.GroupRows.Rows(chart_.CurrentRun); }

    std::vector<int> AllRows() const {
        std::vector<int> rows(static_cast<std::size_t>(std::max(data_.Ncount, 0)));
        for (int r = 1; r <= data_.Ncount; ++r) rows[static_cast<std::size_t>(r - 1)] = r;
        return rows;
    }

    void Start() {
        a_.EnsureCapacity(data_.Ncount);
        chart_.PointCount = 0;
        chart_.SetMin = 0;
        chart_.SetMax = 0;
        setSeen_ = false;
        chart_.PointList.clear();
        if (chart_.View.ShowAllPoints) chart_.PointList.emplace_back();
        d2Span_ = static_cast<double>(chart_.Constants.ChartConstantD2(ws_.stat, mrSpan_));
    }

    void Finish() {
        if (chart_.PointCount > 0) a_(Row::BreakAfter, chart_.PointCount) = 0.0;
    }

    // The cell as a chart value: valid under the missing-value rules, then transformed.
    bool Take(int column, int row, double& x) {
        x = data_.Value(column, row);
        if (!data_.DataValid(x)) return false;
        x = TransformValue(ws_, x);
        return true;
    }

    // Missing data after the last point: a gap on the chart while breaks are shown.
    void MarkBreak() {
        if (chart_.View.ShowBreaks && chart_.PointCount > 0) {
            a_(Row::BreakAfter, chart_.PointCount) = 1.0;
        }
    }

    // A new point whose label and set come from its first data row; the limit rows start
    // missing.
    int RecordPoint(int firstRow) {
        const int p = ++chart_.PointCount;
        for (int row = 0; row < ChartArrayType::RowCount; ++row) a_(row, p) = MissingValue;
        a_(Row::LabelRow, p) = d_.LabelColumn == 0 ? p : firstRow;
        a_(Row::SetNumber, p) = SetOf(firstRow);
        a_(Row::BreakAfter, p) = 0.0;
        return p;
    }

    double SetOf(int row) {
        if (setColumn_ == 0) return 0.0;
        const double value = data_.Value(setColumn_, row);
        // A row without a set value belongs to no set: its point gets no limits. Sets are
        // the values themselves, as in the analysis, so 1.5 and 2.5 are two sets.
        if (value == MissingValue) return MissingValue;
        if (!setSeen_ || value < chart_.SetMin) chart_.SetMin = value;
        if (!setSeen_ || value > chart_.SetMax) chart_.SetMax = value;
        setSeen_ = true;
        return value;
    }

    void AddToPointList(const std::string& text) {
        if (chart_.View.ShowAllPoints) chart_.PointList.push_back(text);
    }
    std::string ValueText(double x) const {
        return FormatGeneral(ws_.report.numberLocale, x) + " ";
    }

    void Individual(int row) {
        if (column_ == 0 || !data_.ProcessOK(row)) return;
        double x = 0.0;
        if (!Take(column_, row, x)) {
            MarkBreak();
            return;
        }
        const int p = RecordPoint(row);
        a_(Row::PointN, p) = 1.0;
        a_(Row::LocStat, p) = x;
        a_(Row::SubgroupMean, p) = x;
        a_(Row::SubgroupStdDev, p) = 0.0;
        const double range = MovingRange(p);
        a_(Row::DispStat, p) = range;
        a_(Row::SigmaFromRange, p) = IsPresent(range) ? range / d2Span_ : MissingValue;
        if (chart_.View.ShowAllPoints) AddToPointList(ValueText(x));
    }

    // The range of the last MRSpan values; missing until the set has that many points, so
    // the moving range starts again after a change of set.
    double MovingRange(int p) const {
        if (p < mrSpan_) return MissingValue;
        const double set = a_(Row::SetNumber, p);
        double low = a_(Row::LocStat, p);
        double high = low;
        for (int j = p - mrSpan_ + 1; j < p; ++j) {
            if (a_(Row::SetNumber, j) != set) return MissingValue;
            low = std::min(low, a_(Row::LocStat, j));
            high = std::max(high, a_(Row::LocStat, j));
        }
        return high - low;
    }

    // Starts a subgroup in the shared sample array.
    void BeginSubgroup() {
        ws_.sample.Clear();
        firstRow_ = 0;
        values_.clear();
    }
    void AddValue(int row) {
        double x = 0.0;
        if (!data_.ProcessOK(row) || !Take(column_, row, x)) return;
        AddTaken(row, x);
    }
    void AddTaken(int row, double x) {
        if (firstRow_ == 0) firstRow_ = row;
        ws_.sample.Append(x);
        if (chart_.View.ShowAllPoints) values_ += ValueText(x);
    }

    // The subgroup gathered in the sample array becomes a point; an empty one is a break.
    void EndSubgroup(bool block) {
        const int k = ws_.sample.SampleCount;
        if (k == 0) {
            MarkBreak();
            return;
        }
        SampleStats& s = ws_.sampleStats;
        ComputeAbsDeviations(ws_.sample, s);
        const int p = RecordPoint(firstRow_);
        a_(Row::PointN, p) = k;
        a_(Row::LocStat, p) = d_.LocChartType == ChartMean     ? static_cast<double>(s.Mean)
                              : d_.LocChartType == ChartMedian ? static_cast<double>(s.Median)
                                                               : MissingValue;
        a_(Row::SubgroupMean, p) = static_cast<double>(s.Mean);
        double dispersion = MissingValue;
        if (d_.DispChartType == ChartRange) dispersion = static_cast<double>(s.Range);
        if (d_.DispChartType == ChartStdDev) dispersion = static_cast<double>(s.StdDev);
        if (d_.DispChartType == ChartVariance) dispersion = static_cast<double>(s.Variance);
        // A block of one value has no spread to show.
        a_(Row::DispStat, p) = block && k == 1 ? MissingValue : dispersion;
        a_(Row::SigmaFromRange, p) =
            k == 1
                ? 0.0
                : static_cast<double>(chart_.Constants.SigmaFromRangeValue(ws_.stat, k, s.Range));
        a_(Row::SubgroupStdDev, p) = static_cast<double>(s.StdDev);
        AddToPointList(values_);
    }

    // Layout 2 and 9: the values of all chosen measures in one row. A row that case
    // selection leaves out is no unit, as with single values.
    void RowSubgroup(int row) {
        if (!data_.ProcessOK(row)) return;
        BeginSubgroup();
        for (int column : chart_.MeasureColumns) {
            if (ValidColumn(column) == 0) continue;
            double x = 0.0;
            if (Take(column, row, x)) AddTaken(row, x);
        }
        EndSubgroup(false);
    }

    int SampleSize() const { return std::max(d_.ConstantSampleSize, 1); }

    // Layouts 4 and 7: rows (k - 1)s + 1 .. ks.
    void Blocks() {
        if (column_ == 0) return;
        const int s = SampleSize();
        for (int first = 1; first <= data_.Ncount; first += s) {
            BeginSubgroup();
            const int last = std::min(data_.Ncount, first + s - 1);
            for (int row = first; row <= last; ++row) AddValue(row);
            EndSubgroup(true);
        }
    }

    // Layouts 11 and 14: consecutive groups of s valid values of the run. There are as many
    // units as the run has blocks of rows; those beyond the valid values are empty.
    void BlocksOfRun() {
        if (column_ == 0) return;
        const int s = SampleSize();
        const std::span<const int> rows = RunRows();
        std::vector<std::pair<int, double>> values;
        for (int row : rows) {
            double x = 0.0;
            if (data_.ProcessOK(row) && Take(column_, row, x)) values.emplace_back(row, x);
        }
        const std::size_t units =
            (rows.size() + static_cast<std::size_t>(s) - 1) / static_cast<std::size_t>(s);
        for (std::size_t k = 0; k < units; ++k) {
            BeginSubgroup();
            const std::size_t first = k * static_cast<std::size_t>(s);
            const std::size_t last = std::min(values.size(), first + static_cast<std::size_t>(s));
            for (std::size_t i = first; i < last; ++i) AddTaken(values[i].first, values[i].second);
            EndSubgroup(true);
        }
    }

    // Layouts 3, 6, 10 and 13: one unit per whole number v from the rounded lowest to the
    // rounded highest sample value, holding the rows whose sample value rounds to v. The
    // rows are sorted by unit once; a stretch of empty units acts as one (a break).
    void Samples(const std::vector<int>& rows) {
        const int sampleColumn = ValidColumn(d_.SampleColumn);
        const auto sc = static_cast<std::size_t>(sampleColumn);
        if (column_ == 0 || sampleColumn == 0 || !data_.Highlow[sc]) return;
        // Rounded as doubles: sample numbers beyond 32 bits (serial numbers) stay apart.
        const double low = std::nearbyint(data_.ColumnLow[sc]);
        const double high = std::nearbyint(data_.ColumnHigh[sc]);
        std::vector<std::pair<double, int>> units;  // (v, row)
        units.reserve(rows.size());
        for (int row : rows) {
            const double value = data_.Value(sampleColumn, row);
            if (value == MissingValue) continue;
            const double v = std::nearbyint(value);
            if (v >= low && v <= high) units.emplace_back(v, row);
        }
        std::stable_sort(units.begin(), units.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        long double expected = low;  // the next unit in order
        std::size_t i = 0;
        while (i < units.size()) {
            const double v = units[i].first;
            if (v > expected) EndEmptyUnit();
            BeginSubgroup();
            for (; i < units.size() && units[i].first == v; ++i) AddValue(units[i].second);
            EndSubgroup(false);
            expected = static_cast<long double>(v) + 1;
        }
    }
    void EndEmptyUnit() {
        BeginSubgroup();
        EndSubgroup(false);
    }

    Workspace& ws_;
    ChartState& chart_;
    const ChartDefinition& d_;
    TDataList& data_;
    ChartArrayType& a_;
    const int column_;
    const int setColumn_;
    const int mrSpan_;
    double d2Span_ = 1.0;
    bool setSeen_ = false;
    int firstRow_ = 0;
    std::string values_;
};

}  // namespace

void PrepareChartData(Workspace& ws) {
    TDataList& data = ws.data;
    ChartState& chart = ws.chart;
    if (data.DataChanged) data.UpdateData();
    if (!LayoutUsesRuns(chart.Definition.LayoutType) || chart.RunInfo.RefArray[0] == 0) return;
    if (chart.GroupRows.Derivation != 0 && chart.GroupRows.Derivation == data.DerivationCount()) {
        return;
    }
    // Deriving the table again, or another run description, replaced the run codes.
    data.SetRunData(chart.RunInfo);
    chart.Definition.FirstRun = chart.RunInfo.MinRun;
    chart.Definition.LastRun = chart.RunInfo.MaxRun;
    chart.GroupRows.Build(data, chart.RunInfo);
}

int ExtractChartPoints(Workspace& ws) {
    PrepareChartData(ws);
    // The chart has its own set variable: the analysis set the main analysis left current
    // does not filter its rows.
    const int analysisSet = std::exchange(ws.data.SetIndex, 0);
    const bool transformOn = ws.transform.On();
    PointExtractor(ws).Run();
    // A transform that failed part way was switched off: no chart mixes transformed and
    // untransformed values.
    if (transformOn && !ws.transform.On()) PointExtractor(ws).Run();
    ws.data.SetIndex = analysisSet;
    return ws.chart.PointCount;
}

void ComputeChart(Workspace& ws) {
    ExtractChartPoints(ws);
    ChartState& chart = ws.chart;
    ComputeLimits(chart, ws.stat, ws.sample);
    for (std::vector<std::string>& codes : chart.Codes.Codes) codes.clear();
    const ChartDefinition& d = chart.Definition;
    if (d.LocChartType != ChartNone) EvaluateControlTests(chart, LocationChart, false);
    if (d.DispChartType != ChartNone) {
        EvaluateControlTests(chart, DispersionChart, d.DispChartType == ChartMovingRange);
    }
    // A chart without limits for want of a dispersion estimate is not tested.
    for (const auto& [set, points] : PointsBySet(chart)) {
        for (int which : {LocationChart, DispersionChart}) {
            if (!LimitsLackDispersion(chart, which, points)) continue;
            std::vector<std::string>& codes = chart.Codes.Codes[static_cast<std::size_t>(which)];
            for (int p : points)
                if (p < static_cast<int>(codes.size())) codes[static_cast<std::size_t>(p)].clear();
        }
    }
    chart.Points.StoreRowExtremes(chart.PointCount);
    chart.BreakCount = 0;
    for (int p = 1; p <= chart.PointCount; ++p) {
        if (chart.Points(Row::BreakAfter, p) == 1.0) ++chart.BreakCount;
    }
    const auto positions =
        static_cast<std::size_t>(chart.PointCount) + static_cast<std::size_t>(chart.BreakCount) + 1;
    chart.LocPointText.resize(positions);
    chart.DispPointText.resize(positions);
}

void SetShowBreaks(Workspace& ws, bool on) {
    ChartState& chart = ws.chart;
    chart.View.ShowBreaks = on;
    chart.LocPointText.clear();
    chart.DispPointText.clear();
    ComputeChart(ws);
}

void SetShowAllPoints(Workspace& ws, bool on) {
    ws.chart.View.ShowAllPoints = on;
    if (on) {
        ComputeChart(ws);
    } else {
        ws.chart.PointList.clear();
    }
}

}  // namespace vostrel
