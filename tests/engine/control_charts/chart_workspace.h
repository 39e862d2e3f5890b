#pragma once
// A workspace with a small table and the chart setup over it, for tests that take charts
// through the setup's Action and the extraction from real rows.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/control_charts/chart_action.h"
#include "engine/control_charts/chart_enumeration.h"
#include "engine/control_charts/chart_names.h"
#include "engine/control_charts/compute_chart.h"
#include "engine/workspace.h"
#include "support/scripted_ui.h"
#include "support/table_builder.h"

namespace vostrel::testing {

class ChartWorkspaceTest : public ::testing::Test {
  protected:
    using Row = ChartArrayType::Row;

    void Table(const std::vector<std::string>& names,
               const std::vector<std::vector<std::string>>& rows) {
        FillTable(ws_, names, rows);
        setup_.ResetChartSetup(DataColumnSource(ws_.data));
    }

    void Take(std::vector<int> columns, void (ChartSetupModel::*include)()) {
        setup_.Select(SetupList::DataVariables, std::move(columns));
        (setup_.*include)();
    }
    void Measures(std::vector<int> columns) {
        Take(std::move(columns), &ChartSetupModel::IncludeMeasures);
    }
    void Groups(std::vector<int> columns) {
        Take(std::move(columns), &ChartSetupModel::IncludeChartGroups);
    }
    void Sets(int column) { Take({column}, &ChartSetupModel::ToggleSetVariable); }
    void SampleColumn(int column) { Take({column}, &ChartSetupModel::ToggleSampleVariable); }
    void SampleSize(int size) {
        setup_.SetConstantSampleSize(true);
        setup_.SetSampleSize(size);
    }
    void SelectByText(const ComboList& list, void (ChartSetupModel::*select)(int),
                      const std::string& text) {
        for (std::size_t i = 0; i < list.Items.size(); ++i) {
            if (list.Items[i] == text) return (setup_.*select)(static_cast<int>(i));
        }
        ADD_FAILURE() << "no item " << text;
    }
    void Location(const std::string& type) {
        SelectByText(setup_.LocChartTypes(), &ChartSetupModel::SelectLocChartType, type);
    }
    void Dispersion(const std::string& type) {
        SelectByText(setup_.DispChartTypes(), &ChartSetupModel::SelectDispChartType, type);
    }

    bool Action() {
        const ChartActionResult result = ChartSetupAction(ws_, setup_);
        EXPECT_TRUE(result.Accepted);
        return result.ChartFound;
    }

    double At(int row, int point) const { return ws_.chart.Points(row, point); }
    // A row of the point arrays over points 1..PointCount.
    std::vector<double> Values(int row) const {
        std::vector<double> values;
        for (int p = 1; p <= ws_.chart.PointCount; ++p) values.push_back(At(row, p));
        return values;
    }
    std::vector<std::string> Codes(int chart) const {
        std::vector<std::string> codes;
        for (int p = 1; p <= ws_.chart.PointCount; ++p) {
            codes.push_back(CodesOfPoint(ws_.chart.Codes, chart, p));
        }
        return codes;
    }

    ScriptedUserInterface ui_;
    MemorySettingsStore settings_;
    Workspace ws_{ui_, settings_};
    ChartSetupModel setup_;
};

}  // namespace vostrel::testing
