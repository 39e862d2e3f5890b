#pragma once
// A table of 1,000,000 rows of normal measurements (mean 500, standard deviation 2) with
// limits 492, 500, 508, optionally with a stream column of 1,000 codes, and the analysis
// settings that choose them; shared by the benchmarks of the Action.

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "engine/workspace.h"

namespace vostrel_bench {

constexpr int kRows = 1000000;
constexpr int kStreams = 1000;

inline std::string Value(std::mt19937& random) {
    std::normal_distribution<double> normal(500, 2);
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", normal(random));
    return text;
}

// columns: measures, then (when streams) one stream column of codes 1..kStreams.
struct MillionRowSetup {
    vostrel::SilentUserInterface ui;
    vostrel::MemorySettingsStore settings;
    vostrel::Workspace ws{ui, settings};

    MillionRowSetup(int measures, bool streams) {
        vostrel::DataTable& table = ws.table;
        table.SetMaxCol(measures + (streams ? 1 : 0));
        table.SetCaseRows(kRows);
        for (int c = 1; c <= measures; ++c) {
            table.SetColumnName(c, "M" + std::to_string(c));
            table.DescGrid.SetCell(c, vostrel::DescUSLRow, "508");
            table.DescGrid.SetCell(c, vostrel::DescTargetRow, "500");
            table.DescGrid.SetCell(c, vostrel::DescLSLRow, "492");
        }
        if (streams) table.SetColumnName(measures + 1, "Head");
        std::mt19937 random(7);
        for (int r = 1; r <= kRows; ++r) {
            for (int c = 1; c <= measures; ++c) table.DataGrid.SetCell(c, r, Value(random));
            if (streams)
                table.DataGrid.SetCell(measures + 1, r,
                                       std::to_string(1 + static_cast<int>(random() % kStreams)));
        }
        ws.data.UpdateData();
        vostrel::AnalysisSettings& s = ws.analysis.Settings;
        s.RebuildVariableLists(ws.data, true);
        std::vector<int> items;
        for (int i = 0; i < measures; ++i) items.push_back(i);
        s.IncludeMeasures(items);
        if (streams) s.IncludeStreams({0});
        s.Multiple = vostrel::MultipleMeasures::SampleItems;
    }
};

}  // namespace vostrel_bench
