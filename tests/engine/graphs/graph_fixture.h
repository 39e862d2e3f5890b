#pragma once
// A workspace with a table of groups, prepared as the main window prepares the graphs.

#include <string>
#include <vector>

#include "engine/analysis/analysis_driver.h"
#include "engine/analysis/analysis_fixture.h"

namespace vostrel::testing {

class GraphTest : public AnalysisTest {
  protected:
    // Columns "Head" and "X": one row per value, the group number in front.
    void Groups(const std::vector<std::vector<double>>& groups) {
        std::vector<std::vector<std::string>> rows;
        for (std::size_t g = 0; g < groups.size(); ++g)
            for (double v : groups[g]) rows.push_back({std::to_string(g + 1), Text(v)});
        Table({"Head", "X"}, rows);
        Measures({2});
        Streams({1});
    }
    // One column X.
    void Values(const std::vector<double>& values) {
        std::vector<std::string> texts;
        for (double v : values) texts.push_back(Text(v));
        Column(texts);
        Measures({1});
    }
    bool Prepare(bool checkLimits = true) { return PrepareGraphRun(ws, checkLimits); }
    TRunInfo& Run() { return ws.analysis.GraphRunInfo; }

    static std::string Text(double v) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.17g", v);
        return buffer;
    }
};

}  // namespace vostrel::testing
