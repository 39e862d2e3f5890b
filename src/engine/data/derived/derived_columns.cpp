#include "engine/data/derived/derived_columns.h"

#include <cmath>

#include "engine/data/missing_value.h"
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

int AppendDerivedColumn(Workspace& ws, const std::string& name,
                        const std::vector<std::string>& texts) {
    DataTable& table = ws.table;
    const int column = table.MaxCol() + 1;
    table.SetMaxCol(column);
    table.SetColumnName(column, name);
    const int rows = std::min(static_cast<int>(texts.size()) - 1, table.CaseRows());
    for (int row = 1; row <= rows; ++row)
        table.DataGrid.SetCell(column, row, texts[static_cast<std::size_t>(row)]);
    return column;
}

void FinishDerivedEdit(Workspace& ws) {
    ws.table.Modified = true;
    ws.data.SetAllRowsModified();
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
