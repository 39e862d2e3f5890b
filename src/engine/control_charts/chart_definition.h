#pragma once
// What the setup window's Action hands to the chart computation: the chosen chart types,
// limit calculations, centerlines, widths and layout of one variables control chart.

#include <string>
#include <vector>

#include "engine/core/missing_value.h"

namespace vostrel {

struct ChartDefinition {
    int LocChartType = 0;   // ChartTypeNames index: 0, 1, 2 or 3
    int DispChartType = 0;  // 0, 4, 5, 6 or 7
    int LocLimitCalc = 0;   // LimitCalcNames index
    int DispLimitCalc = 0;
    int LocCenterline = 0;   // 1..3, 0 when LocLimitCalc is 0
    int DispCenterline = 0;  // 4..6, 0 when DispLimitCalc is 0
    int LabelColumn = 0;     // 0 = order numbers, k = data column k
    bool PositiveLimitsOnly = false;
    double StdErrMultiplier = 3.0;
    std::string StdErrText = "3";
    int ConstantSampleSize = 0;  // 0 when subgroups do not have a constant size
    int MRSpan = 2;              // values spanned by one moving range, 2..30
    bool UseKnownSigma = false;
    double KnownSigma = 0.0;
    bool UseKnownMean = false;
    double KnownMean = 0.0;
    double UserLocUCL = MissingValue;
    double UserLocCL = MissingValue;
    double UserLocLCL = MissingValue;
    double UserDispUCL = MissingValue;
    double UserDispCL = MissingValue;
    double UserDispLCL = MissingValue;
    int LayoutType = 0;      // 1..14, 0 = nothing is charted
    int SampleColumn = 0;    // 0 = no sample variable
    int ChartSetColumn = 0;  // 0 = no analysis set variable
    int FirstRun = 0;
    int LastRun = 0;
};

// The columns the chart run description is filled from: the chart groups, the measures
// (to be marked as included) and the first and last measure column.
struct ChartRunChoice {
    std::vector<int> GroupColumns;
    std::vector<int> MeasureColumns;
    int ColFirst = 0;
    int ColLast = 0;
    std::string GroupName;
    std::string MeasureName = "Value";
};

// The layout choices that decide how data rows become chart points.
struct LayoutChoice {
    bool ChartGroups = false;
    bool SeveralMeasures = false;
    bool SampleVariable = false;
    bool ConstantSampleSize = false;
    bool SubgroupsInRows = false;  // only counts while the layout choice is offered
};

// LayoutType 1..14 for a combination of choices, 0 for a combination that charts nothing.
int LayoutTypeFor(const LayoutChoice& choice);

}  // namespace vostrel
