#pragma once
// A workspace with a small table for the tests of derived variables, and a user interface
// that answers the Bartlett-Kendall-Box questions from a script.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/workspace.h"
#include "support/scripted_ui.h"
#include "support/table_builder.h"

namespace vostrel::testing {

class DerivedUserInterface : public ScriptedUserInterface {
  public:
    std::optional<int> AskSubgroupsPerRun(const SubgroupsQuestion& question) override {
        subgroupQuestions.push_back(question);
        return subgroups;
    }
    std::optional<double> AskMinimumRange(const std::string& label) override {
        rangeLabels.push_back(label);
        return minimumRange;
    }

    std::optional<int> subgroups;
    std::optional<double> minimumRange;
    std::vector<SubgroupsQuestion> subgroupQuestions;
    std::vector<std::string> rangeLabels;
};

class DerivedTest : public ::testing::Test {
  protected:
    void Fill(const std::vector<std::string>& names,
              const std::vector<std::vector<std::string>>& rows) {
        FillTable(ws, names, rows);
    }
    // The cells of the column named `name`, rows 1..last.
    std::vector<std::string> Cells(const std::string& name) const {
        const int c = ColumnOf(name);
        std::vector<std::string> cells;
        for (int r = 1; r <= ws.table.CaseRows(); ++r)
            cells.push_back(ws.table.DataGrid.CellString(c, r));
        return cells;
    }
    // The cell read as a number; NaN when empty.
    double Number(const std::string& name, int row) const {
        const std::string text = ws.table.DataGrid.CellString(ColumnOf(name), row);
        return text.empty() ? std::nan("") : std::stod(text);
    }
    int ColumnOf(const std::string& name) const {
        for (int c = 1; c <= ws.table.MaxCol(); ++c)
            if (ws.table.ColumnName(c) == name) return c;
        ADD_FAILURE() << "no column " << name;
        return 0;
    }
    // Every cell of the data grid, names included, for comparing whole tables.
    std::vector<std::vector<std::string>> Grid() const {
        std::vector<std::vector<std::string>> grid;
        for (int r = 0; r < ws.table.DataGrid.RowCount(); ++r) {
            std::vector<std::string> row;
            for (int c = 1; c < ws.table.DataGrid.ColCount(); ++c)
                row.push_back(ws.table.DataGrid.CellString(c, r));
            grid.push_back(row);
        }
        return grid;
    }

    DerivedUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws{ui, settings};
};

}  // namespace vostrel::testing
