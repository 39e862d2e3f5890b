#include "engine/control_charts/chart_picture.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "engine/control_charts/chart_enumeration.h"
#include "engine/control_charts/chart_names.h"
#include "engine/control_charts/chart_view_menu.h"
#include "engine/data/rule_descriptions.h"
#include "engine/report/number_format.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

using Row = ChartArrayType::Row;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// A stored value as drawn: missing values and anything not finite are not drawn.
double Drawn(double value) { return IsPresent(value) && std::isfinite(value) ? value : NaN; }
bool Has(double value) { return !std::isnan(value); }

std::string TypeName(int type) {
    if (type < 0 || type >= ChartTypeCount) return {};
    return std::string(ChartTypeNames[static_cast<std::size_t>(type)]);
}

std::string DispersionAxisTitle(int type) {
    switch (type) {
        case ChartMovingRange:
            return "MR";
        case ChartRange:
            return "R";
        case ChartStdDev:
            return "s";
        case ChartVariance:
            return "s²";
        default:
            return {};
    }
}

// The smallest and largest of the values offered.
class ValueRange {
  public:
    void Add(double value) {
        if (!Has(value)) return;
        if (!low_ || value < *low_) low_ = value;
        if (!high_ || value > *high_) high_ = value;
    }
    bool Exists() const { return low_.has_value(); }
    // Padded by the span over `parts` on both sides; a range of one value is widened so
    // that the axis never has an empty range. With notBelowZero, a range that starts at or
    // above zero does not reach below it.
    std::pair<double, double> Padded(double parts, bool notBelowZero) const {
        if (!Exists()) return {0.0, 1.0};
        double pad = (*high_ - *low_) / parts;
        if (pad <= 0.0) pad = *high_ != 0.0 ? std::fabs(*high_) / 20.0 : 1.0;
        double low = *low_ - pad;
        if (notBelowZero && *low_ >= 0.0 && low < 0.0) low = 0.0;
        return {low, *high_ + pad};
    }

  private:
    std::optional<double> low_;
    std::optional<double> high_;
};

class PictureBuilder {
  public:
    explicit PictureBuilder(const Workspace& ws)
        : ws_(ws),
          chart_(ws.chart),
          d_(chart_.Definition),
          a_(chart_.Points),
          o_(chart_.Display),
          locShown_(chart_.View.LocShown(d_)),
          dispShown_(chart_.View.DispShown(d_)) {}

    ChartPicture Build() {
        p_.Display = o_;
        p_.BlackWhite = ws_.graphWindows.BlackWhiteMode;
        p_.Colours = ChartColoursFor(p_.BlackWhite);
        p_.SliderPosition = chart_.View.SliderPosition;
        if (!locShown_ && !dispShown_) return std::move(p_);
        p_.BothShown = locShown_ && dispShown_;
        Positions();
        Titles();
        if (locShown_) LocationPanel(p_.Upper);
        if (dispShown_) DispersionPanel(p_.BothShown ? p_.Lower : p_.Upper);
        LabelsAndCodes();
        Separators();
        Specifications();
        Foot();
        return std::move(p_);
    }

  private:
    int Points() const { return chart_.PointCount; }

    // Point i at i - 1 plus the breaks before it; a break after a point (but the last)
    // leaves an empty position.
    void Positions() {
        x_.assign(static_cast<std::size_t>(Points()) + 1, 0);
        int x = 0;
        for (int i = 1; i <= Points(); ++i) {
            x_[static_cast<std::size_t>(i)] = x++;
            p_.PointAt.push_back(i);
            if (i < Points() && a_(Row::BreakAfter, i) == 1.0) {
                p_.PointAt.push_back(0);
                ++x;
            }
        }
        p_.PositionCount = x;
    }
    std::size_t X(int point) const {
        return static_cast<std::size_t>(x_[static_cast<std::size_t>(point)]);
    }

    std::vector<double> Gaps() const {
        return std::vector<double>(static_cast<std::size_t>(p_.PositionCount), NaN);
    }

    void Titles() {
        const std::string& dataTitle = ws_.analysis.Settings.Title;
        if (!dataTitle.empty()) p_.TitleLines.push_back(dataTitle);
        std::string line;
        if (p_.BothShown) {
            line = TypeName(d_.LocChartType) + " and " + TypeName(d_.DispChartType) + " Chart: ";
        } else {
            line = TypeName(locShown_ ? d_.LocChartType : d_.DispChartType) + " Chart: ";
        }
        line += ws_.data.ColumnTitleOrName(chart_.CurrentColumn);
        if (d_.LayoutType > 7) line += " (" + ChartRunName(ws_, chart_.CurrentRun) + ")";
        p_.TitleLines.push_back(line);
        if (d_.LabelColumn > 0) {
            p_.BottomTitle = ws_.data.ColumnTitleOrName(d_.LabelColumn);
            p_.LabelsRotated = true;
        } else {
            p_.BottomTitle = "Point";
        }
    }

    // The series of one chart from its rows of the point arrays.
    struct PanelRows {
        int Stat, LCL, CL, UCL, StdError;
        int Chart;  // LocationChart or DispersionChart
    };

    void FillPanel(ChartPanel& panel, const PanelRows& rows, bool statisticDrawn,
                   bool limitsShown) {
        panel.Shown = true;
        panel.Statistic = Gaps();
        panel.Signalled.assign(panel.Statistic.size(), 0);
        panel.JoinedToPrevious.assign(panel.Statistic.size(), 0);
        panel.LCL = Gaps();
        panel.CL = Gaps();
        panel.UCL = Gaps();
        panel.StdError = Gaps();
        panel.LimitsShown = limitsShown;
        panel.ZonesShown = o_.DisplayZones && statisticDrawn;
        if (!statisticDrawn) return;
        const std::vector<std::string>& codes =
            chart_.Codes.Codes[static_cast<std::size_t>(rows.Chart)];
        for (int i = 1; i <= Points(); ++i) {
            const std::size_t x = X(i);
            panel.Statistic[x] = Drawn(a_(rows.Stat, i));
            panel.LCL[x] = Drawn(a_(rows.LCL, i));
            panel.CL[x] = Drawn(a_(rows.CL, i));
            panel.UCL[x] = Drawn(a_(rows.UCL, i));
            if (panel.ZonesShown && Has(panel.CL[x]))
                panel.StdError[x] = Drawn(a_(rows.StdError, i));
            const bool hasCodes = static_cast<std::size_t>(i) < codes.size() &&
                                  !codes[static_cast<std::size_t>(i)].empty();
            panel.Signalled[x] = o_.DisplayViolations && hasCodes ? 1 : 0;
            if (o_.ConnectPoints && i > 1 && X(i - 1) + 1 == x && Has(panel.Statistic[x]) &&
                Has(panel.Statistic[x - 1]) && a_(Row::SetNumber, i) == a_(Row::SetNumber, i - 1)) {
                panel.JoinedToPrevious[x] = 1;
            }
        }
        const std::vector<std::string>& texts =
            rows.Chart == LocationChart ? chart_.LocPointText : chart_.DispPointText;
        // The texts are numbered from 1: position x has entry x + 1.
        for (std::size_t x = 0; x + 1 < texts.size() && x < panel.Statistic.size(); ++x) {
            if (!texts[x + 1].empty())
                panel.PointTexts.emplace_back(static_cast<int>(x), texts[x + 1]);
        }
        bool anyZone = false;
        for (double se : panel.StdError) anyZone = anyZone || Has(se);
        panel.ZonesShown = panel.ZonesShown && anyZone;
    }

    void LocationPanel(ChartPanel& panel) {
        panel.Kind = ChartKind::Location;
        panel.AxisTitle = TypeName(d_.LocChartType);
        const bool drawn = !o_.RemoveLocPlot;
        FillPanel(
            panel,
            {Row::LocStat, Row::LocLCL, Row::LocCL, Row::LocUCL, Row::LocStdError, LocationChart},
            drawn, LocLimitsShown(chart_));
        if (o_.ShowSigmaLines) SigmaLines(panel);
        AllPoints();

        ValueRange range;
        for (int i = 1; i <= Points(); ++i) {
            range.Add(Drawn(a_(Row::LocStat, i)));
            if (drawn) {
                range.Add(Drawn(a_(Row::LocLCL, i)));
                range.Add(Drawn(a_(Row::LocCL, i)));
                range.Add(Drawn(a_(Row::LocUCL, i)));
            }
        }
        for (double value : panel.PlusSigma) range.Add(value);
        for (double value : panel.MinusSigma) range.Add(value);
        for (const auto& point : p_.AllPoints) range.Add(point.second);
        if (o_.ShowSpecs) {
            for (double limit : SpecValues()) range.Add(limit);
        }
        std::tie(panel.AxisMin, panel.AxisMax) = range.Padded(20.0, d_.PositiveLimitsOnly);
    }

    // The grand mean plus and minus three sigma where the sigma estimate is present.
    void SigmaLines(ChartPanel& panel) {
        panel.PlusSigma = Gaps();
        panel.MinusSigma = Gaps();
        for (int i = 1; i <= Points(); ++i) {
            const double mean = Drawn(a_(Row::GrandMean, i));
            const double sigma = Drawn(a_(Row::SigmaEst, i));
            if (!Has(mean) || !Has(sigma)) continue;
            panel.PlusSigma[X(i)] = mean + 3.0 * sigma;
            const double minus = mean - 3.0 * sigma;
            if (!(minus < 0.0 && d_.PositiveLimitsOnly)) panel.MinusSigma[X(i)] = minus;
        }
    }

    // The individual values of subgroups of more than one value.
    void AllPoints() {
        const auto& ends = chart_.AllPointValueEnd;
        const auto& values = chart_.AllPointValues;
        if (!chart_.View.ShowAllPoints || ends.size() < static_cast<std::size_t>(Points()) + 1) {
            return;
        }
        for (int i = 1; i <= Points(); ++i) {
            const std::size_t begin = ends[static_cast<std::size_t>(i - 1)];
            const std::size_t end = std::min(ends[static_cast<std::size_t>(i)], values.size());
            if (end < begin + 2) continue;
            for (std::size_t k = begin; k < end; ++k) {
                const double y = Drawn(values[k]);
                if (Has(y)) p_.AllPoints.emplace_back(static_cast<double>(X(i)), y);
            }
        }
    }

    void DispersionPanel(ChartPanel& panel) {
        panel.Kind = ChartKind::Dispersion;
        panel.AxisTitle = DispersionAxisTitle(d_.DispChartType);
        panel.ZonesCutAtZero = true;
        FillPanel(panel,
                  {Row::DispStat, Row::DispLCL, Row::DispCL, Row::DispUCL, Row::DispStdError,
                   DispersionChart},
                  true, DispLimitsShown(chart_));
        ValueRange range;
        for (int i = 1; i <= Points(); ++i) {
            for (int row : {Row::DispStat, Row::DispLCL, Row::DispCL, Row::DispUCL}) {
                range.Add(Drawn(a_(row, i)));
            }
        }
        std::tie(panel.AxisMin, panel.AxisMax) = range.Padded(p_.BothShown ? 10.0 : 20.0, true);
    }

    std::vector<double> SpecValues() const {
        const int column = chart_.CurrentColumn;
        return {Drawn(ws_.data.ColumnUSL(column)), Drawn(ws_.data.ColumnTarget(column)),
                Drawn(ws_.data.ColumnLSL(column))};
    }

    std::string CodesOf(int chart, int point) const {
        const std::vector<std::string>& codes = chart_.Codes.Codes[static_cast<std::size_t>(chart)];
        return static_cast<std::size_t>(point) < codes.size()
                   ? codes[static_cast<std::size_t>(point)]
                   : std::string();
    }

    void LabelsAndCodes() {
        p_.Labels.assign(static_cast<std::size_t>(p_.PositionCount), " ");
        p_.CodesShown = o_.DisplayCodes;
        if (p_.CodesShown) p_.Codes.assign(static_cast<std::size_t>(p_.PositionCount), " ");
        for (int i = 1; i <= Points(); ++i) {
            p_.Labels[X(i)] = PointLabel(i);
            if (!p_.CodesShown) continue;
            const std::string disp = dispShown_ ? CodesOf(DispersionChart, i) : std::string();
            const std::string loc = locShown_ ? CodesOf(LocationChart, i) : std::string();
            std::string text = disp;
            if (!disp.empty() && !loc.empty()) text += " | ";
            text += loc;
            p_.Codes[X(i)] = text.empty() ? " " : text;
        }
    }

    std::string PointLabel(int point) const {
        const double row = a_(Row::LabelRow, point);
        if (d_.LabelColumn == 0 || !IsPresent(row)) {
            return FormatGeneral(ws_.report.numberLocale, IsPresent(row) ? row : point);
        }
        return ws_.table.DataGrid.CellString(d_.LabelColumn, static_cast<int>(row));
    }

    std::string SetLabel(int set) const {
        const int column = d_.ChartSetColumn;
        const std::string level = ws_.data.StringVar[static_cast<std::size_t>(column)]
                                      ? ws_.data.GetLevelName(column, set)
                                      : std::to_string(set);
        return " " + ws_.data.ColumnTitleOrName(column) + "=" + level + " ";
    }

    // A line between the last point of a set and the first of the next, and the set's
    // label; the first label at the left edge.
    void Separators() {
        if (d_.ChartSetColumn <= 0 || d_.ChartSetColumn > ws_.data.MaxCol() || Points() < 2) return;
        std::optional<int> current;
        int lastPoint = 0;
        for (int i = 1; i <= Points(); ++i) {
            const double set = a_(Row::SetNumber, i);
            if (!IsPresent(set)) continue;
            const int s = static_cast<int>(set);
            if (!current) {
                p_.Separators.push_back({-0.5, false, SetLabel(s)});
            } else if (s != *current) {
                const double x =
                    (static_cast<double>(X(lastPoint)) + static_cast<double>(X(i))) / 2.0;
                p_.Separators.push_back({x, true, SetLabel(s)});
            }
            current = s;
            lastPoint = i;
        }
    }

    void Specifications() {
        if (!locShown_ || !o_.ShowSpecs) return;
        const std::vector<double> values = SpecValues();
        const char* titles[] = {"Upper Spec Limit", "Target", "Lower Spec Limit"};
        for (std::size_t k = 0; k < values.size(); ++k) {
            if (Has(values[k])) p_.Specs.push_back({titles[k], values[k], k == 1});
        }
    }

    std::string Significant(double value) const {
        return IsPresent(value) && std::isfinite(value)
                   ? FormatSignificant(ws_.report.numberLocale, 5, value)
                   : "None";
    }

    // The limits and centerline of the last point of one chart, as two lines or one.
    void LimitLines(bool dispersion, int titleWidth) {
        const std::string title =
            dispersion ? DispersionAxisTitle(d_.DispChartType) : TypeName(d_.LocChartType);
        const int calc = dispersion ? d_.DispLimitCalc : d_.LocLimitCalc;
        const int centerline = dispersion ? d_.DispCenterline : d_.LocCenterline;
        const int chartType = dispersion ? d_.DispChartType : d_.LocChartType;
        const bool limitsShown = dispersion ? DispLimitsShown(chart_) : LocLimitsShown(chart_);
        const int last = Points();
        const double ucl =
            last > 0 ? a_(dispersion ? Row::DispUCL : Row::LocUCL, last) : MissingValue;
        const double lcl =
            last > 0 ? a_(dispersion ? Row::DispLCL : Row::LocLCL, last) : MissingValue;
        const double cl = last > 0 ? a_(dispersion ? Row::DispCL : Row::LocCL, last) : MissingValue;
        std::string centerName = CenterlineName(centerline, chartType);
        if (centerName.empty()) centerName = "None";
        const int c = titleWidth + 11;
        const std::string centerText = "Centerline [" + Significant(cl) + "] using " + centerName;
        std::vector<std::string> lines;
        if (limitsShown) {
            lines.push_back(std::string(static_cast<std::size_t>(c), ' ') + centerText);
            lines.push_back(PadLeft(title + " Chart ", titleWidth + (dispersion ? 7 : 6)) +
                            "Control Limits [" + Significant(ucl) + ", " + Significant(lcl) +
                            "] from " + LimitCalcName(calc, d_.DispChartType));
        } else {
            lines.push_back(PadLeft(title + " Chart ", c) + centerText);
        }
        p_.FootLines.insert(p_.FootLines.begin(), lines.begin(), lines.end());
    }

    void Foot() {
        if (o_.AddLimitInfo) {
            int width = locShown_ ? DisplayLength(TypeName(d_.LocChartType)) : 0;
            if (dispShown_)
                width = std::max(width, DisplayLength(DispersionAxisTitle(d_.DispChartType)));
            if (locShown_ && d_.LocLimitCalc != CalcNone) LimitLines(false, width);
            if (dispShown_ && d_.DispLimitCalc != CalcNone) LimitLines(true, width);
        }
        if (o_.AddFileMods) {
            const FileModStrings mods = GetFileModString(ws_.rules, ws_.transform);
            if (mods.Any()) {
                if (!p_.FootLines.empty()) p_.FootLines.emplace_back();
                p_.FootLines.insert(p_.FootLines.begin(), mods.FileModStringLine);
            }
        }
    }

    const Workspace& ws_;
    const ChartState& chart_;
    const ChartDefinition& d_;
    const ChartArrayType& a_;
    const ChartDisplayOptions& o_;
    const bool locShown_;
    const bool dispShown_;
    std::vector<int> x_;  // the position of every point
    ChartPicture p_;
};

}  // namespace

ChartColours ChartColoursFor(bool blackWhite) {
    const RgbColour black{0, 0, 0};
    if (blackWhite) return {black, black, black, RgbColour{1, 0, 0}, black};
    return {RgbColour{255, 0, 0}, RgbColour{0, 128, 0}, RgbColour{0, 0, 255}, RgbColour{255, 0, 0},
            RgbColour{0, 0, 255}};
}

std::string ChartPanel::StatisticTitle() const {
    return Kind == ChartKind::Location ? "Location Statistic" : "Dispersion Statistic";
}
std::string ChartPanel::LCLTitle() const {
    return Kind == ChartKind::Location ? "Location LCL" : "Dispersion LCL";
}
std::string ChartPanel::CLTitle() const {
    return Kind == ChartKind::Location ? "Location Centerline" : "Dispersion Centerline";
}
std::string ChartPanel::UCLTitle() const {
    return Kind == ChartKind::Location ? "Location UCL" : "Dispersion UCL";
}

ChartPicture BuildChartPicture(const Workspace& ws) { return PictureBuilder(ws).Build(); }

}  // namespace vostrel
