#pragma once
// The samples of the compute-variables window: the rows of the dependent variable grouped
// by the values of the independent variables. Each sample is an analysis unit of a run
// (the whole column, one group variable through layout 20, or several through layout 3),
// so Process If, the missing-value rules and the transform apply as in every analysis.

#include <string>
#include <vector>

namespace vostrel {

class Workspace;
class TRunInfo;

struct DerivedSample {
    std::string Name;            // the unit's name (a column name or a run name)
    std::vector<int> Rows;       // the sample's rows that pass Process If, in table order
    std::vector<int> ValueRows;  // the row of each value
    std::vector<double> Values;  // the valid values, transformed, in table order

    int Count() const { return static_cast<int>(Values.size()); }
};

// Sets up the run: no independent variable makes the whole dependent column one sample
// (layout 1), one makes a sample of each of its values (layout 20), several a sample of
// each combination present (layout 3).
void SetupSampleRun(Workspace& ws, TRunInfo& run, int dependent,
                    const std::vector<int>& independent);

// Every sample of the run that has values, in unit order, extracted with GetAR.
std::vector<DerivedSample> CollectSamples(Workspace& ws, TRunInfo& run);

}  // namespace vostrel
