#include "engine/data/grid/find_replace.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "engine/data/grid/clipboard_text.h"
#include "engine/data/grid/table_edit.h"
#include "engine/data/text_rules.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

template <typename T>
bool Relates(int relation, const T& cell, const T& value) {
    switch (relation) {
        case 1:
            return cell == value;
        case 2:
            return cell > value;
        case 3:
            return cell >= value;
        case 4:
            return cell < value;
        case 5:
            return cell <= value;
        default:
            return false;
    }
}

// The criteria, read once: both in text mode or both in numeric mode. A criterion whose
// value box is empty has nothing to compare with and matches no cell.
class Matcher {
  public:
    Matcher(const FindRequest& request, const DataTable& table, const TDataList& data)
        : table_(table), data_(data) {
        const FindCriterion* criteria[] = {&request.First, &request.Second};
        for (const FindCriterion* c : criteria) {
            const std::string_view value = TrimSpaces(c->Value);
            if (!value.empty() && IsText(value)) textMode_ = true;
        }
        for (int i = 0; i < 2; ++i) {
            const std::string_view value = TrimSpaces(criteria[i]->Value);
            relation_[i] = value.empty() ? 0 : criteria[i]->Relation;
            text_[i] = std::string(value);
            number_[i] = ReadNumber(value).value_or(MissingValue);
        }
    }

    bool TextMode() const { return textMode_; }

    bool Matches(int col, int row) const {
        if (textMode_) {
            const std::string_view cell = table_.DataGrid.Cell(col, row);
            if (cell.empty()) return false;
            return Relates<std::string_view>(relation_[0], cell, text_[0]) ||
                   Relates<std::string_view>(relation_[1], cell, text_[1]);
        }
        const double cell = data_.Value(col, row);
        if (cell == MissingValue) return false;
        return (number_[0] != MissingValue && Relates(relation_[0], cell, number_[0])) ||
               (number_[1] != MissingValue && Relates(relation_[1], cell, number_[1]));
    }

  private:
    const DataTable& table_;
    const TDataList& data_;
    bool textMode_ = false;
    int relation_[2] = {0, 0};
    std::string text_[2];
    double number_[2] = {MissingValue, MissingValue};
};

// The cells searched, in order: down the column from the beginning cell, then each next
// column from the area's top row.
struct SearchArea {
    GridRect Rect;
    CellPos Begin;
};

SearchArea AreaOf(const FindRequest& request, const DataTable& table) {
    const int rows = table.CaseRows();
    const int cols = table.MaxCol();
    if (request.SelectionOnly && request.Selection.MoreThanOneCell()) {
        const GridRect& s = request.Selection;
        GridRect r{std::max(s.Left, 1), std::max(s.Top, 1), std::min(s.Right, cols),
                   std::min(s.Bottom, rows)};
        return {r, CellPos{r.Left, r.Top}};
    }
    const CellPos begin{std::clamp(request.Current.Col, 1, cols),
                        std::clamp(request.Current.Row, 1, rows)};
    return {GridRect{begin.Col, 1, cols, rows}, begin};
}

// Calls visit(col, firstRow, lastRow) for the runs of the area from `start` on; stops when
// it returns false.
template <typename Visit>
void WalkFrom(const SearchArea& area, CellPos start, Visit visit) {
    const GridRect& r = area.Rect;
    if (start.Row > r.Bottom) {
        ++start.Col;
        start.Row = r.Top;
    }
    for (int col = start.Col; col <= r.Right; ++col) {
        const int first = col == start.Col ? start.Row : r.Top;
        if (!visit(col, first, r.Bottom)) return;
    }
}

std::optional<CellPos> FirstMatch(const Matcher& matcher, const SearchArea& area, CellPos start) {
    std::optional<CellPos> found;
    WalkFrom(area, start, [&](int col, int first, int last) {
        for (int row = first; row <= last; ++row) {
            if (matcher.Matches(col, row)) {
                found = CellPos{col, row};
                return false;
            }
        }
        return true;
    });
    return found;
}

bool NothingToFind(const FindRequest& request) {
    return TrimSpaces(request.First.Value).empty() && TrimSpaces(request.Second.Value).empty();
}

// The numbers are compared, so they must be current.
void DeriveWhenChanged(Workspace& ws) {
    if (ws.data.DataChanged || ws.data.Ncount != ws.table.CaseRows() ||
        ws.data.CellValues.size() < static_cast<std::size_t>(ws.table.MaxCol()) + 1)
        ws.data.UpdateEditedRows();
}

}  // namespace

FindOutcome FindNext(Workspace& ws, const FindRequest& request) {
    if (NothingToFind(request)) return {};
    DeriveWhenChanged(ws);
    const Matcher matcher(request, ws.table, ws.data);
    const SearchArea area = AreaOf(request, ws.table);
    const std::optional<CellPos> found =
        FirstMatch(matcher, area, CellPos{area.Begin.Col, area.Begin.Row + 1});
    if (!found) return {};
    return {true, *found, 0};
}

FindOutcome ReplaceNext(Workspace& ws, const FindRequest& request, std::string_view replacement) {
    if (NothingToFind(request)) return {};
    DeriveWhenChanged(ws);
    const Matcher matcher(request, ws.table, ws.data);
    const SearchArea area = AreaOf(request, ws.table);
    const std::optional<CellPos> found = FirstMatch(matcher, area, area.Begin);
    if (!found) return {};
    TableEdit edit(ws.history, "Replace");
    edit.SetCell(GridId::Data, found->Col, found->Row, CellTextOf(replacement));
    edit.SetArea(GridId::Data, GridRect{found->Col, found->Row, found->Col, found->Row});
    edit.Commit();
    return {true, *found, 1};
}

FindOutcome ReplaceAll(Workspace& ws, const FindRequest& request, std::string_view replacement) {
    if (NothingToFind(request)) return {};
    BusyCursor busy(ws.ui);
    DeriveWhenChanged(ws);
    const Matcher matcher(request, ws.table, ws.data);
    const SearchArea area = AreaOf(request, ws.table);
    const std::string text = CellTextOf(replacement);
    // Every match is found first (the comparisons read the table as it was), then each
    // column's matches are replaced in one pass.
    std::vector<std::pair<int, std::vector<int>>> matches;
    WalkFrom(area, area.Begin, [&](int col, int first, int last) {
        std::vector<int> rows;
        for (int row = first; row <= last; ++row)
            if (matcher.Matches(col, row)) rows.push_back(row);
        if (!rows.empty()) matches.emplace_back(col, std::move(rows));
        return true;
    });
    if (matches.empty()) return {};
    FindOutcome outcome{true, CellPos{}, 0};
    outcome.Cell = CellPos{matches.back().first, matches.back().second.back()};
    std::vector<TableEdit::ColumnCells> columns;
    for (auto& [col, rows] : matches) {
        TableEdit::ColumnCells cells{col, std::move(rows), {}};
        cells.Rows.shrink_to_fit();
        cells.Texts.reserve(cells.Rows.size(), cells.Rows.size() * text.size());
        for (std::size_t i = 0; i < cells.Rows.size(); ++i) cells.Texts.push_back(text);
        outcome.Replaced += static_cast<int>(cells.Rows.size());
        columns.push_back(std::move(cells));
    }
    TableEdit edit(ws.history, "Replace All");
    edit.ReplaceCells(GridId::Data, std::move(columns));
    edit.SetArea(GridId::Data,
                 GridRect{outcome.Cell.Col, outcome.Cell.Row, outcome.Cell.Col, outcome.Cell.Row});
    edit.Commit();
    return outcome;
}

}  // namespace vostrel
