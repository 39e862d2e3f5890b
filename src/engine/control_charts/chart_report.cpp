#include "engine/control_charts/chart_report.h"

#include <cmath>
#include <map>
#include <string_view>

#include "engine/control_charts/chart_names.h"
#include "engine/control_charts/chart_sets.h"
#include "engine/control_charts/compute_limits.h"
#include "engine/control_charts/subgroup_anova.h"
#include "engine/data/data_list.h"
#include "engine/report/column_width.h"
#include "engine/report/number_format.h"
#include "engine/stats/correlation.h"

namespace vostrel {

namespace {

using Row = ChartArrayType::Row;

std::string TypeName(int type) {
    if (type < 0 || type >= ChartTypeCount) return std::string(ChartTypeNames[ChartNone]);
    return std::string(ChartTypeNames[static_cast<std::size_t>(type)]);
}

bool Contains(const std::string& text, std::string_view part) {
    return !part.empty() && text.find(part) != std::string::npos;
}

// Puts the writer back on its previous document and style, however writing ends.
class TargetGuard {
  public:
    TargetGuard(ReportWriter& writer, ReportDocument& document)
        : writer_(writer), previous_(writer.Target()), font_(writer.ReportFont) {
        writer.SetReportEdit(document);
    }
    ~TargetGuard() {
        writer_.SetReportEdit(previous_);
        writer_.ReportFont = font_;
    }
    TargetGuard(const TargetGuard&) = delete;
    TargetGuard& operator=(const TargetGuard&) = delete;

  private:
    ReportWriter& writer_;
    ReportDocument& previous_;
    ReportStyle font_;
};

class ChartReport {
  public:
    ChartReport(ReportWriter& writer, ChartState& chart, StatContext& stat,
                const ChartReportSource& source)
        : w_(writer),
          chart_(chart),
          d_(chart.Definition),
          info_(chart.Info),
          stat_(stat),
          source_(source),
          decimals_(chart.Info.InfoDecimals),
          sets_(PointsBySet(chart)),
          severalSets_(chart.SetMin < chart.SetMax) {}

    void Write() {
        Title();
        Description("Title", source_.DataTitle);
        Description("Data File", source_.DataFileName);
        Description("File Modifications", source_.FileModifications);
        Specifications();
        LimitCalculations();
        for (const auto& [set, points] : sets_) ControlAnalysis(set, points);
        if (source_.BothChartsShown && d_.LocChartType != ChartNone &&
            d_.DispChartType != ChartNone) {
            for (const auto& [set, points] : sets_) Correlation(set, points);
        }
        for (const auto& [set, points] : sets_) Anova(set, points);
    }

  private:
    std::string Number(int decimals, long double x) const {
        return FormatReportNumber(w_.numberLocale, decimals, x);
    }
    std::string SetSuffix(double set) const {
        if (!severalSets_) return std::string();
        const auto name = source_.SetNames.find(set);
        return " - Set " + (name != source_.SetNames.end() ? name->second
                                                           : FormatGeneral(w_.numberLocale, set));
    }

    void SectionTitle(const std::string& text) {
        w_.SetTitleFont(info_.InfoTitleSize);
        w_.AddReportLine(text);
    }
    void Body() { w_.SetBodyFont(info_.InfoBodySize); }
    // A tab, then the text underlined.
    void UnderlinedLine(const std::string& text) {
        w_.AddReportText("\t");
        w_.SetFontUnderline();
        w_.AddReportLine(text);
        Body();
    }

    void Title() {
        const bool both = d_.LocChartType != ChartNone && d_.DispChartType != ChartNone;
        std::string title;
        if (both) {
            title = TypeName(d_.LocChartType) + " and " + TypeName(d_.DispChartType);
        } else {
            title = TypeName(d_.LocChartType != ChartNone ? d_.LocChartType : d_.DispChartType);
        }
        title += " Chart: " + source_.ColumnTitle;
        if (d_.LayoutType > 7) title += " (" + source_.RunName + ")";
        chart_.ReportTitle = title;
        w_.SetHeadingFont(info_.InfoHeadingSize);
        w_.AddReportLine(title);
        Body();
        w_.AddBlankLine();
    }

    void Description(const std::string& heading, const std::string& text) {
        if (text.empty()) return;
        SectionTitle(heading);
        w_.AddBlankLine();
        Body();
        w_.AddReportLine("\t" + text);
        w_.AddBlankLine();
    }

    void Specifications() {
        chart_.SpecsUsable = SpecsUsableFor(source_.USL, source_.Target, source_.LSL);
        if (!chart_.SpecsUsable) return;
        SectionTitle("Specifications");
        Body();
        w_.AddBlankLine();
        if (IsPresent(source_.USL))
            w_.AddReportLine("\t   USL = " + Number(decimals_, source_.USL));
        if (IsPresent(source_.Target)) {
            w_.AddReportLine("\tTarget = " + Number(decimals_, source_.Target));
        }
        if (IsPresent(source_.LSL))
            w_.AddReportLine("\t   LSL = " + Number(decimals_, source_.LSL));
        w_.AddBlankLine();
    }

    void ChartLimits(int type, int calc, int centerline) {
        if (type == ChartNone) return;
        w_.AddBlankLine();
        UnderlinedLine(TypeName(type) + " Chart");
        w_.AddReportLine("\t    Limits: " + LimitCalcName(calc, d_.DispChartType));
        const std::string name = CenterlineName(centerline, type);
        w_.AddReportLine("\tCenterline: " + (name.empty() ? std::string("None") : name));
    }

    void LimitCalculations() {
        SectionTitle("Limit Calculations");
        Body();
        ChartLimits(d_.LocChartType, d_.LocLimitCalc, d_.LocCenterline);
        ChartLimits(d_.DispChartType, d_.DispLimitCalc, d_.DispCenterline);
        w_.AddBlankLine();
        w_.AddReportLine("\tσ Estimate Using: " +
                         LimitCalcName(chart_.SigmaSource, d_.DispChartType));
        w_.AddReportLine("\t" + FormatGeneral(w_.numberLocale, d_.StdErrMultiplier) +
                         " Standard Errors Used");
    }

    void ChartAnalysis(int chart, int type, int calc, const std::vector<int>& points) {
        if (type == ChartNone) return;
        UnderlinedLine(TypeName(type) + " Chart Analysis");
        w_.AddBlankLine();
        if (calc == CalcNone) {
            w_.AddReportLine("\tNo Control Tests Performed");
        } else if (LimitsLackDispersion(chart_, chart, points)) {
            w_.AddReportLine("\tNo Control Limits - No Dispersion Estimate Found!");
        } else {
            const TestSignalCounts counts = CountTestSignals(chart_.Codes, chart, points);
            if (!counts.AnyCode) w_.AddReportLine("\tControl Tests - OK");
            for (int t = 1; t <= ControlTestCount; ++t) {
                const int count = counts.Count[static_cast<std::size_t>(t)];
                if (count <= 0) continue;
                w_.AddReportLine("\t" + PadLeft(std::to_string(count), 4) +
                                 " Found: " + TestName(chart_.TestSettings, t));
            }
        }
        w_.AddBlankLine();
    }

    void ControlAnalysis(double set, const std::vector<int>& points) {
        w_.AddBlankLine();
        SectionTitle("Control Analysis" + SetSuffix(set));
        Body();
        w_.AddBlankLine();
        ChartAnalysis(LocationChart, d_.LocChartType, d_.LocLimitCalc, points);
        ChartAnalysis(DispersionChart, d_.DispChartType, d_.DispLimitCalc, points);
    }

    void Correlation(double set, const std::vector<int>& points) {
        w_.AddBlankLine();
        SectionTitle(TypeName(d_.LocChartType) + "/" + TypeName(d_.DispChartType) + " Correlation" +
                     SetSuffix(set));
        Body();
        w_.AddBlankLine();
        TCorr corr;
        corr.Init();
        for (int p : points) {
            corr.AddPair(chart_.Points(Row::LocStat, p), chart_.Points(Row::DispStat, p));
        }
        const long double r = corr.PearsonR();
        if (corr.Error) {
            w_.AddReportLine("\tCorrelation Cannot be Calculated!");
        } else {
            w_.AddReportLine("\tr = " + Number(3, r) + "   p = " + Number(3, corr.pvalue));
        }
    }

    void Anova(double set, const std::vector<int>& points) {
        const AnovaResult a = SubgroupAnova(stat_, chart_.Points, points);
        w_.AddBlankLine();
        SectionTitle("Oneway ANOVA" + SetSuffix(set));
        Body();
        w_.AddBlankLine();
        if (a.Error == AnovaSingleGroup) {
            w_.AddReportLine("\tCannot Perform ANOVA - Single or No Groups Found!");
            return;
        }
        if (a.Error == AnovaNoWithin) {
            w_.AddReportLine("\tCannot Perform ANOVA - No Within Variation Found!");
            return;
        }
        const int d = decimals_;
        w_.AddReportLine(source_.ColumnTitle + " by " + source_.BottomAxisTitle);
        w_.AddBlankLine();
        std::string p = Number(3, a.p);
        if (a.p == 0) p += "*";
        const std::vector<std::vector<std::string>> rows = {
            {"Source", "df", "SS", "MS", "F", "p"},
            {"Between Samples", Number(0, a.dfB), Number(d, a.SSB), Number(d, a.MSB),
             Number(3, a.F), p},
            {"Within Samples", Number(0, a.dfW), Number(d, a.SSW), Number(d, a.MSW)},
            {"Total", Number(0, a.dfB + a.dfW), Number(d, a.SSB + a.SSW)}};
        const std::vector<int> widths = FittedWidths({16, 10, 12, 12, 10, 10}, rows);
        w_.SetFontUnderline();
        w_.AddReportLine(RightAlignedLine(rows[0], widths));
        Body();
        for (std::size_t r = 1; r < rows.size(); ++r)
            w_.AddReportLine(RightAlignedLine(rows[r], widths));
        w_.AddBlankLine();
        w_.SetFontUnderline();
        w_.AddReportLine("Random Effects Analysis:");
        Body();
        const std::vector<std::string> variances = {Number(d, a.VarBetween), Number(d, a.MSW),
                                                    Number(d, a.VarTotal)};
        const int width = FittedWidth(15, variances);
        VarianceLine(" Sample-to-Sample Variance = ", variances[0], width, a.VarBetween);
        VarianceLine("    Within-Sample Variance = ", variances[1], width, a.MSW);
        VarianceLine("            Total Variance = ", variances[2], width, a.VarTotal);
        w_.AddReportLine("    Intraclass Correlation = " + Number(2, 100 * a.ICC) + "%");
    }

    void VarianceLine(const std::string& label, const std::string& text, int width,
                      long double variance) {
        w_.AddReportLine(label + PadRight(text, width) +
                         "Std Dev = " + Number(decimals_, std::sqrt(variance)));
    }

    ReportWriter& w_;
    ChartState& chart_;
    const ChartDefinition& d_;
    const ChartInfoSettings& info_;
    StatContext& stat_;
    const ChartReportSource& source_;
    int decimals_;
    SetPoints sets_;
    bool severalSets_;
};

}  // namespace

void DescribeChartData(const TDataList& data, const ChartDefinition& definition, int column,
                       ChartReportSource& source) {
    source.DataFileName = data.Table().DataFilename;
    source.ColumnTitle = data.ColumnTitleOrName(column);
    source.USL = data.ColumnUSL(column);
    source.Target = data.ColumnTarget(column);
    source.LSL = data.ColumnLSL(column);
    source.BottomAxisTitle =
        definition.LabelColumn > 0 ? data.ColumnTitleOrName(definition.LabelColumn) : "Point";
}

bool SpecsUsableFor(double usl, double target, double lsl) {
    const bool hasUSL = IsPresent(usl);
    const bool hasTarget = IsPresent(target);
    const bool hasLSL = IsPresent(lsl);
    // A single limit counts only when the other is absent: a USL below the LSL is never
    // a usable specification, whatever the target.
    if (hasUSL && hasLSL) return usl > lsl;
    return (hasLSL && (!hasTarget || target > lsl)) || (hasUSL && (!hasTarget || target < usl));
}

TestSignalCounts CountTestSignals(const ControlCodes& codes, int chart,
                                  const std::vector<int>& points) {
    TestSignalCounts counts;
    std::array<bool, ControlTestCount + 1> patternSeen{};
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::string current = CodesOfPoint(codes, chart, points[i]);
        if (current.empty()) continue;
        counts.AnyCode = true;
        const std::string next =
            i + 1 < points.size() ? CodesOfPoint(codes, chart, points[i + 1]) : std::string();
        for (int t = 1; t <= ControlTestCount; ++t) {
            const std::size_t slot = static_cast<std::size_t>(t);
            const std::string code(1, TestCode(t));
            const bool signalled = Contains(current, code);
            if (t == 1 || t == ControlTestCount) {
                if (signalled) ++counts.Count[slot];
                continue;
            }
            // A pattern is counted once, at its last consecutive signalling point.
            const bool last = i + 1 == points.size() || !Contains(next, code);
            if (signalled && last && patternSeen[slot]) ++counts.Count[slot];
            if (Contains(current, TestContinuation(t))) patternSeen[slot] = true;
        }
    }
    return counts;
}

void WriteChartReport(ReportWriter& writer, ChartState& chart, StatContext& stat,
                      const ChartReportSource& source) {
    TargetGuard guard(writer, chart.InfoReport);
    chart.InfoReport.Clear();
    ChartReport(writer, chart, stat, source).Write();
}

}  // namespace vostrel
