#include "engine/derived/derived_columns.h"

#include <algorithm>
#include <cmath>

#include "engine/data/grid/table_edit.h"
#include "engine/core/missing_value.h"
#include "engine/report/number_format.h"
#include "engine/workspace.h"

namespace vostrel {

bool RoomForColumns(Workspace& ws, int count) {
    if (ws.table.MaxCol() + count <= MaxColumns) return true;
    ws.ui.ErrorBox("Maximum Number of Columns Exceeded.");
    return false;
}

std::string DerivedCellText(long double value) {
    if (value == MissingValue || !std::isfinite(value)) return {};
    // "." as the decimal separator, so that the table reads the text back as the number.
    return FormatGeneral(NumberLocale{}, value);
}

std::vector<std::string> ColumnTexts(const DerivedColumn& column) {
    std::vector<std::string> texts(column.size());
    for (std::size_t row = 1; row < column.size(); ++row) texts[row] = DerivedCellText(column[row]);
    return texts;
}

void AppendDerivedColumns(Workspace& ws, const std::string& label,
                          const std::vector<NewColumnText>& columns) {
    if (columns.empty()) return;
    DataTable& table = ws.table;
    const int rows = table.CaseRows();
    TextGrid cells(static_cast<int>(columns.size()), rows + 1, false);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int c = static_cast<int>(i);
        cells.SetCell(c, 0, columns[i].Name);
        const std::vector<std::string>& texts = columns[i].Texts;
        const int last = std::min(static_cast<int>(texts.size()) - 1, rows);
        for (int row = 1; row <= last; ++row)
            cells.SetCell(c, row, texts[static_cast<std::size_t>(row)]);
    }
    const int first = table.MaxCol() + 1;
    TableEdit edit(ws.history, label);
    edit.AppendColumns(std::move(cells));
    edit.Effects().Data = true;
    edit.SetArea(GridId::Data, GridRect{first, 1, table.MaxCol(), std::max(rows, 1)});
    edit.Commit();
    ws.data.UpdateData();
}

void WriteDerivedLog(Workspace& ws, ReportDocument& log, const std::string& name,
                     const std::vector<std::string>& items) {
    ReportWriter& writer = ws.report;
    ReportDocument& previous = writer.Target();
    const ReportStyle font = writer.ReportFont;
    writer.SetReportEdit(log);
    writer.AddReportLine(name + " added to Data Editor");
    for (const std::string& item : items) writer.AddReportLine("\t* " + item);
    writer.AddBlankLine();
    writer.SetReportEdit(previous);
    writer.ReportFont = font;
}

}  // namespace vostrel
