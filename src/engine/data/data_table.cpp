#include "engine/data/data_table.h"

#include <algorithm>
#include <cctype>

namespace vostrel {

namespace {

const char* const kDescLabels[] = {"", "Title:", "USL:", "Target:", "LSL:"};

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

}  // namespace

DataTable::DataTable() { Clear(); }

bool DataTable::HaveData() const { return !(DataGrid.ColCount() == 2 && DataGrid.RowCount() == 2); }

void DataTable::Clear() {
    DataGrid.Reset(2, 2);
    DescGrid.Reset(2, 5);
    for (int r = DescTitleRow; r <= DescLSLRow; ++r) DescGrid.SetCell(0, r, kDescLabels[r]);
    SetColumnName(1, DefaultName(1));
    DataFilename.clear();
    Modified = false;
    HasNames = false;
    HasDescriptions = false;
    Selection = GridRect{};
}

void DataTable::SetMaxCol(int maxCol) {
    const int old = MaxCol();
    DataGrid.SetColCount(maxCol + 1);
    DescGrid.SetColCount(maxCol + 1);
    for (int c = old + 1; c <= maxCol; ++c) SetColumnName(c, DefaultName(c));
}

void DataTable::SetColumnName(int c, std::string_view name) {
    DataGrid.SetCell(c, 0, name);
    DescGrid.SetCell(c, 0, name);
}

bool DataTable::HasOwnNames() const {
    for (int c = 1; c <= MaxCol(); ++c)
        if (!EqualIgnoringCase(DataGrid.Cell(c, 0), DefaultName(c))) return true;
    return false;
}

bool DataTable::HasAnyDescription() const {
    for (int r = DescTitleRow; r <= DescLSLRow; ++r)
        for (int c = 1; c <= MaxCol(); ++c)
            if (!DescGrid.Cell(c, r).empty()) return true;
    return false;
}

}  // namespace vostrel
