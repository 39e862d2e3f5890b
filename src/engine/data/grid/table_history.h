#pragma once
// The undo history of the data table. Every edit of the table is recorded as a step that
// holds what it changed (never a copy of the table) and can be undone and redone. The
// history also tells the windows that show the table when it changed: each change advances
// Revision() and calls the listeners with what changed.
//
// A command records its step through a TableEdit (table_edit.h); New and loading a file
// Reset() the history, because they start a different table.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/data/grid/grid_change.h"

namespace vostrel {

class DataTable;
class TDataList;
struct CaseRules;

// What a command means for the change counters and the rules, as the editor's flags say it.
struct EditEffects {
    bool Layout = false;        // sets LayoutEdited: names, rows inserted or deleted
    bool Data = false;          // sets DataEdited: names, columns, whole-table changes
    bool ColumnsMoved = false;  // column numbers changed: Process If is switched off
};

// One undoable command.
struct TableStep {
    std::string Label;                // what the Undo and Redo menu items name, e.g. "Paste"
    std::vector<GridChange> Changes;  // in the order they were made
    EditEffects Effects;
    GridId Page = GridId::Data;  // where the command worked, and the cells it
    GridRect Area;               // covered: selected again after undo and redo

    std::size_t HeldBytes() const;
    bool ChangesShape() const;
};

// What the windows hear after every change of the table.
struct TableChange {
    enum class Kind {
        Cells,  // cells of Area in Page changed; the shape is the same
        Shape,  // rows or columns came or went: anything may have moved
        Table   // a different table (New, a file loaded)
    };
    Kind What = Kind::Table;
    GridId Page = GridId::Data;
    GridRect Area;
};

class TableHistory {
  public:
    static constexpr std::size_t kDefaultMaxSteps = 100;
    static constexpr std::size_t kDefaultMaxBytes = std::size_t{512} << 20;

    TableHistory(DataTable& table, TDataList& data, CaseRules& rules);
    TableHistory(const TableHistory&) = delete;
    TableHistory& operator=(const TableHistory&) = delete;

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ < steps_.size(); }
    // The label of the step Undo or Redo would take back or make again; empty when none.
    std::string UndoLabel() const;
    std::string RedoLabel() const;

    // Take back the last step, or make the last undone one again. Returns the step's
    // page and area so that the window can select them; nothing when there is no step.
    const TableStep* Undo();
    const TableStep* Redo();

    // A different table: forgets every step and tells the listeners.
    void Reset();

    // At most maxSteps steps and about maxBytes of held cells; the oldest steps go first,
    // the newest step is always kept.
    void SetLimits(std::size_t maxSteps, std::size_t maxBytes);
    std::size_t StepCount() const { return steps_.size(); }
    std::size_t HeldBytes() const { return heldBytes_; }

    // Advances with every change of the table made through the history.
    std::uint64_t Revision() const { return revision_; }
    using Listener = std::function<void(const TableChange&)>;
    int Subscribe(Listener listener);
    void Unsubscribe(int id);

    DataTable& Table() { return table_; }
    const DataTable& Table() const { return table_; }

    // Used by TableEdit: the table was changed by `step`, which is now recorded.
    void Record(TableStep&& step);
    // Used by TableEdit: brings the derived store, the flags and the listeners up to date
    // after the step's changes were made (or flipped back by undo and redo).
    void Changed(const TableStep& step);

  private:
    void NoteCleanState();
    void DropOldSteps();
    void Notify(const TableChange& change);

    DataTable& table_;
    TDataList& data_;
    CaseRules& rules_;
    std::deque<TableStep> steps_;
    std::size_t position_ = 0;  // steps_[0..position_) are done, the rest undone
    // The position whose table matches the file on disk (not modified); kNoClean when no
    // reachable position does.
    static constexpr std::size_t kNoClean = static_cast<std::size_t>(-1);
    std::size_t clean_ = 0;
    std::size_t maxSteps_ = kDefaultMaxSteps;
    std::size_t maxBytes_ = kDefaultMaxBytes;
    std::size_t heldBytes_ = 0;
    std::uint64_t revision_ = 0;
    int nextListener_ = 1;
    std::vector<std::pair<int, Listener>> listeners_;
};

}  // namespace vostrel
