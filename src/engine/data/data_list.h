#pragma once
// The numeric side of the data table, derived from the grid text on demand: the value of
// every cell, the range of every column, the coding of text columns into levels, the run
// codes of a multi-way grouping and the values of the analysis-set column.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/data/case_rules.h"
#include "engine/data/data_table.h"
#include "engine/data/large_array_allocator.h"
#include "engine/core/missing_value.h"
#include "engine/data/run_info.h"
#include "engine/stats/sample_array.h"

namespace vostrel {

class UserInterface;

// Per-column arrays, indexed 0..MaxColumns + 3: column 0 carries no data, the three
// places after the last possible data column leave room for the derived row statistics.
template <typename T>
using TColArray = std::array<T, MaxColumns + DerivedColumnCount + 1>;
using TColArrayOfDouble = TColArray<double>;
using TColArrayOfBoolean = TColArray<bool>;
using TColArrayOfInteger = TColArray<int>;

// The values of a table's cells as the file reader found them while it split the lines,
// so that they need not be read from the text again: columns[c][row] for data columns
// 1.. and rows 1.. (index 0 unused; a column may stop short, its later rows are missing),
// and textColumns[c] set when a cell of column c is text (its value is then TextMarker).
struct LoadedValues {
    std::vector<std::vector<double, LargeArrayAllocator<double>>> columns;
    std::vector<char> textColumns;
};

// Rounds to the nearest integer, halves to the even neighbour.
int RoundHalfEven(double x);

// Whether the rounded values from low to high can be walked as unit numbers (layouts 2, 6
// and 9): each of them and its neighbours fit an int. Group codes beyond (lot or serial
// numbers of ten digits) are analysed as runs instead.
bool FitsUnitNumbers(double low, double high);

class TDataList {
  public:
    TDataList(DataTable& table, SampleArray& sample, const CaseRules& rules, UserInterface& ui);

    TColArrayOfDouble ColumnHigh{};   // largest non-missing value (text columns: highest level)
    TColArrayOfDouble ColumnLow{};    // smallest non-missing value
    TColArrayOfBoolean Highlow{};     // the column has a value, so its range is valid
    TColArrayOfBoolean IncludeCol{};  // the column is a measure of the current run
    TColArrayOfBoolean StringVar{};   // the column is a text variable
    double GrandHigh = 0;
    double GrandLow = 0;
    int Ncount = 0;  // data rows
    int Ccount = 0;  // never raised, so every allocation test finds the columns grown
    int Rcount = 0;  // rows the per-row stores are allocated for
    bool MaxSizeCellChange = false;
    int DescCol = 0;  // the column whose title and limits describe the values last extracted

    // CellValues[column][row]: columns 0..MaxCol + 3, rows 0..row count - 1.
    using ValueColumn = std::vector<double, LargeArrayAllocator<double>>;
    std::vector<ValueColumn> CellValues;
    // LevelFirstRow[column][level]: the row where a text level first occurs (text columns only).
    std::vector<std::vector<int>> LevelFirstRow;
    std::vector<std::uint8_t> RowModified;
    std::vector<std::int64_t, LargeArrayAllocator<std::int64_t>>
        RowRunCode;  // 0: a group value missing
    std::vector<std::int64_t, LargeArrayAllocator<std::int64_t>>
        RunCodes;              // 1..MaxRun after SetRunData
    std::vector<int> RunRows;  // a row of each run

    // Analysis sets: SetColumn 0 means no sets; SetIndex 0 means no set filter. A set is
    // one distinct value of the set column (exactly; the missing-value marker is one too).
    int SetColumn = 0;
    std::vector<double> SetValues{0.0};  // 1-based
    int SetCount = 0;
    int SetIndex = 0;

    bool DataChanged = false;

    void InitData();
    // Releases the derived stores; the table starts over.
    void Cleardata();

    int MaxCol() const { return table_.MaxCol(); }
    std::string ColumnName(int c) const;
    std::string ColumnTitle(int c) const;
    std::string ColumnTitleOrName(int c) const;
    double ColumnUSL(int c) const { return DescNumber(c, DescUSLRow); }
    double ColumnTarget(int c) const { return DescNumber(c, DescTargetRow); }
    double ColumnLSL(int c) const { return DescNumber(c, DescLSLRow); }

    void SetRowModifiedTrue(int r);
    // Records the row range that the next SetRowsModified marks.
    void RecordModifiedRows(int first, int last);
    void SetRowsModified();
    void SetAllRowsModified();

    void SetRow(int row);
    // Derives the numbers of every row from the text.
    void UpdateData();
    // What UpdateData gives, with every cell's value taken from `loaded` instead of its
    // text; the values must be those the text derives to (text levels are coded as usual).
    void UpdateDataFromValues(LoadedValues loaded);
    // The same result when every change of the text since the last derivation marked its
    // rows (as the undoable table edits do): after edits that moved no row or column only
    // the marked rows are read again, text columns are coded afresh and ranges taken again.
    // Otherwise every row is read.
    void UpdateEditedRows();
    // Rows or columns moved: the next UpdateData reads every row.
    void ForgetDerivedShape() { derivedCols_ = -1; }
    void MaxSizeCellArray();

    int Acount() const { return sample_.Acount(); }
    void MaxSizeA_Array(int nA) { sample_.MaxSizeA_Array(nA); }
    void CreateA_Array(int nA) { sample_.CreateA_Array(nA); }
    void DisposeA_Array() { sample_.DisposeA_Array(); }

    void SetHighLow(double x, int i);

    void SetRunData(TRunInfo& runInfo);
    // The run code of row r under the run description's grouping (0 when a value is missing).
    std::int64_t CalcLineRun(int r, const TRunInfo& runInfo) const;
    std::string GetRunName(int rn, const TRunInfo& runInfo) const;

    void SetGlobalIndexData();
    bool FirstGlobalSet() const { return SetColumn == 0 || SetIndex == 1; }

    std::string GetLevelName(int c, int level) const;

    // Case selection: a value takes part when it is not missing and meets no missing-value
    // rule; a row when it belongs to the current analysis set and meets the Process If
    // conditions.
    bool DataValid(double x) const { return rules_.DataValid(x); }
    bool ProcessOK(int row) const;

    // Counts every re-derivation of values or runs; indexes built over the table compare it.
    std::uint64_t DerivationCount() const { return derivationCount_; }

    double Value(int col, int row) const {
        return CellValues[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)];
    }
    double& Value(int col, int row) {
        return CellValues[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)];
    }

    const DataTable& Table() const { return table_; }

  private:
    double DescNumber(int c, int descRow) const;
    double DeriveCell(int col, int row);
    void DeriveColumn(int col, int rows);
    void FinishColumn(int col, int rows);
    void ClearColumnFlags(int cols);
    void FinishDerivation(int rows);
    void CodeTextColumn(int col, int rows);
    void NumberRunsByCode(TRunInfo& runInfo, int n, bool groupsFit);
    bool UpdateModifiedRows();
    void RederiveColumn(int col, const std::vector<int>& modified, int rows);

    DataTable& table_;
    SampleArray& sample_;
    const CaseRules& rules_;
    UserInterface& ui_;
    std::uint64_t derivationCount_ = 0;
    int modifiedFirst_ = 0;
    int modifiedLast_ = -1;
    int derivedCols_ = -1;  // the shape the numbers were last derived for
    int derivedRows_ = -1;
};

}  // namespace vostrel
