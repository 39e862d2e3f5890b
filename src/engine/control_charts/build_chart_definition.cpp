#include "engine/control_charts/build_chart_definition.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "engine/control_charts/chart_names.h"
#include "engine/core/missing_value.h"

namespace vostrel {

std::optional<double> ReadSetupNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    std::string number(text);
    if (!number.empty() && number.front() == '+') number.erase(0, 1);
    if (number.find('.') == std::string::npos) {
        const std::size_t comma = number.find(',');
        if (comma != std::string::npos && number.find(',', comma + 1) == std::string::npos) {
            number[comma] = '.';
        }
    }
    if (!number.empty() && number.back() == '.') number.pop_back();
    if (!number.empty() && number.front() == '.') number.insert(0, "0");
    if (number.size() >= 2 && number[0] == '-' && number[1] == '.') number.insert(1, "0");
    if (number.empty()) return std::nullopt;

    double value = 0.0;
    const char* first = number.data();
    const char* last = first + number.size();
    auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
    return value;
}

namespace {

bool Fail(UserInterface& ui, StatContext& stat, std::string_view message) {
    stat.StatErrorCode = 1;
    ui.ErrorBox(std::string(message));
    return false;
}

int DispersionCalcIndex(const std::string& text, int dispType) {
    for (int i = 0; i < LimitCalcCount; ++i) {
        if (LimitCalcName(i, dispType) == text) return i;
    }
    // With the type set to "None" the entries still carry the last type's name.
    for (int type = ChartMovingRange; type <= ChartVariance; ++type) {
        for (int i = CalcAverageMROfDisp; i <= CalcStdDevOfDisp; ++i) {
            if (LimitCalcName(i, type) == text) return i;
        }
    }
    return CalcNone;
}

// Reads the three checked limits (UCL, CL, LCL from `first` on); false when a checked one
// is not a number or the checked ones are out of order. Equal values are accepted.
bool ReadUserLimits(const ChartSetupModel& setup, UserLimit first, double& ucl, double& cl,
                    double& lcl) {
    double* targets[3] = {&ucl, &cl, &lcl};
    for (int i = 0; i < 3; ++i) {
        const auto limit = static_cast<UserLimit>(first + i);
        *targets[i] = MissingValue;
        if (!setup.UserLimitChecked(limit)) continue;
        const std::optional<double> value = ReadSetupNumber(setup.UserLimitText(limit));
        if (!value) return false;
        *targets[i] = *value;
    }
    const bool hasU = ucl != MissingValue, hasC = cl != MissingValue, hasL = lcl != MissingValue;
    if (hasC && hasL && cl < lcl) return false;
    if (hasC && hasU && cl > ucl) return false;
    if (hasL && hasU && lcl > ucl) return false;
    return true;
}

}  // namespace

bool BuildChartDefinition(const ChartSetupModel& setup, UserInterface& ui, StatContext& stat,
                          ChartDefinition& definition, ChartRunChoice& run) {
    const SetupVisibility& shown = setup.Visibility();
    ChartDefinition& d = definition;

    d.LocChartType = std::max(ChartTypeIndex(setup.LocChartTypes().Text()), 0);
    d.DispChartType = std::max(ChartTypeIndex(setup.DispChartTypes().Text()), 0);
    d.LocLimitCalc = std::max(LimitCalcIndex(setup.LocLimitCalcs().Text()), 0);
    d.DispLimitCalc = DispersionCalcIndex(setup.DispCalcs().Text(), d.DispChartType);
    d.LocCenterline = d.LocLimitCalc == CalcNone ? 0 : setup.LocCenterlines().ItemIndex + 1;
    d.DispCenterline = d.DispLimitCalc == CalcNone ? 0 : setup.DispCenterlines().ItemIndex + 4;
    d.LabelColumn = std::max(setup.AxisLabels().ItemIndex, 0);
    d.PositiveLimitsOnly = setup.PositiveLimitsOnly();
    d.StdErrText = setup.StdErrText();
    // The multiplier only matters while some limits are calculated.
    const std::optional<double> stdErr = ReadSetupNumber(setup.StdErrText());
    if (shown.StdErr && (!stdErr || *stdErr <= 0.0)) return Fail(ui, stat, StdErrNotValid);
    d.StdErrMultiplier = stdErr && *stdErr > 0.0 ? *stdErr : 3.0;
    // A hidden "Constant Sample Size" box (subgroups in rows) does not count.
    d.ConstantSampleSize = shown.SampleSize ? setup.SampleSize() : 0;
    d.MRSpan = setup.MRSpan();
    d.SampleColumn = setup.SampleColumn();
    d.ChartSetColumn = setup.SetColumn();

    d.UseKnownSigma = false;
    if (shown.Sigma) {
        const std::optional<double> sigma = ReadSetupNumber(setup.SigmaText());
        if (!sigma || *sigma <= 0.0) return Fail(ui, stat, KnownSigmaNotValid);
        d.KnownSigma = *sigma;
        d.UseKnownSigma = true;
    }

    d.UseKnownMean = false;
    if (shown.Mu) {
        const std::optional<double> mu = ReadSetupNumber(setup.MuText());
        if (!mu) return Fail(ui, stat, KnownMeanNotValid);
        d.KnownMean = *mu;
        d.UseKnownMean = true;
    }

    d.UserLocUCL = d.UserLocCL = d.UserLocLCL = MissingValue;
    if (d.LocLimitCalc == CalcUserDefined && shown.LocUserLimits) {
        if (!ReadUserLimits(setup, UserLocUCL, d.UserLocUCL, d.UserLocCL, d.UserLocLCL)) {
            return Fail(ui, stat, UserLocLimitsNotValid);
        }
    }
    d.UserDispUCL = d.UserDispCL = d.UserDispLCL = MissingValue;
    if (d.DispLimitCalc == CalcUserDefined && shown.DispUserLimits) {
        if (!ReadUserLimits(setup, UserDispUCL, d.UserDispUCL, d.UserDispCL, d.UserDispLCL)) {
            return Fail(ui, stat, UserDispLimitsNotValid);
        }
    }

    const std::vector<int>& measures = setup.Items(SetupList::Measures);
    const std::vector<int>& groups = setup.Items(SetupList::ChartGroups);
    LayoutChoice layout;
    layout.ChartGroups = !groups.empty();
    layout.SeveralMeasures = measures.size() > 1;
    layout.SampleVariable = setup.SampleColumn() > 0;
    layout.ConstantSampleSize = d.ConstantSampleSize > 0;
    layout.SubgroupsInRows = shown.Layout && setup.SubgroupsInRows();
    d.LayoutType = LayoutTypeFor(layout);

    run = ChartRunChoice{};
    run.GroupColumns = groups;
    run.MeasureColumns = measures;
    run.ColFirst = measures.empty() ? 0 : measures.front();
    run.ColLast = measures.empty() ? 0 : measures.back();
    d.FirstRun = 0;
    d.LastRun = 0;

    stat.StatErrorCode = 0;
    return true;
}

}  // namespace vostrel
