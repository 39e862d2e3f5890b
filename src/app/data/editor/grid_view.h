#pragma once
// A grid of the data editor: spreadsheet keys (Tab and Shift+Tab along the row, Enter down,
// Del to clear, Ctrl+arrows over runs of filled cells, with Shift to extend the selection),
// whole rows and columns selected from the headers, column names edited in place over the
// header, and columns widened to the texts drawn in them. What the keys do to the table is
// the editor window's business: the view only says what was asked.

#include <QPointer>
#include <QTableView>

#include <map>

#include "engine/data/grid/editor_state.h"

#include <QLineEdit>

namespace vostrel::app {

class GridModel;

class GridView : public QTableView {
    Q_OBJECT
  public:
    explicit GridView(QWidget* parent = nullptr);

    GridModel* Model() const;
    void SetModel(GridModel* model);

    // The current cell in grid coordinates (column and row 1..).
    int CurrentCol() const;
    int CurrentRow() const;
    void SetCurrentCell(int col, int row);
    // The selection's bounding rectangle in grid coordinates; the current cell when empty.
    GridRect SelectionRect() const;
    void SelectRect(const GridRect& rect);

    // What the last mouse press selected (cells, whole columns, whole rows).
    PressedOn LastPress() const { return lastPress_; }

    // Puts an editor over the header of a column; Enter ends it on row 1 of the column,
    // Tab goes on to the next column's name, Esc leaves the name as it was.
    void EditColumnName(int col);
    bool EditingName() const { return nameEditor_ != nullptr; }
    bool Editing() const { return state() == QAbstractItemView::EditingState || EditingName(); }

    // The default width of every column: 50 or, to fit the columns to their texts, 5.
    void SetDefaultWidth(int width);
    int DefaultWidth() const { return defaultWidth_; }
    // After the model was reset: columns keep their widths and the texts' needs.
    void RestoreWidths();
    void WantWidth(int column, int width);

  signals:
    void TabPastLastColumn(int row);
    void EnterOnLastRow(int col);
    void ClearRequested();
    void CellPressed();
    void ContextMenuAt(const QPoint& globalPos, PressedOn on);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    enum class Move { Next, Previous, Down };
    void Navigate(Move move);
    void Jump(int dCol, int dRow, bool extend);
    void EndNameEdit(bool commit, Move then);
    void ApplyWantedWidths();

    PressedOn lastPress_ = PressedOn::Cells;
    QPointer<QLineEdit> nameEditor_;
    int nameCol_ = 0;
    int defaultWidth_ = 50;
    std::vector<int> widths_;    // each column's width before the model was reset
    std::map<int, int> wanted_;  // columns to widen once drawing is done
    bool widenQueued_ = false;
};

}  // namespace vostrel::app
