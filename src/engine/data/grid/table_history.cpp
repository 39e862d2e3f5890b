#include "engine/data/grid/table_history.h"

#include <algorithm>
#include <new>

#include "engine/data/case_rules.h"
#include "engine/data/data_list.h"
#include "engine/data/data_table.h"

namespace vostrel {

std::size_t TableStep::HeldBytes() const {
    std::size_t bytes = Label.capacity() + Changes.capacity() * sizeof(GridChange);
    for (const GridChange& change : Changes) bytes += vostrel::HeldBytes(change);
    return bytes;
}

bool TableStep::ChangesShape() const {
    return std::any_of(Changes.begin(), Changes.end(),
                       [](const GridChange& c) { return vostrel::ChangesShape(c); });
}

TableHistory::TableHistory(DataTable& table, TDataList& data, CaseRules& rules)
    : table_(table), data_(data), rules_(rules) {}

std::string TableHistory::UndoLabel() const {
    return CanUndo() ? steps_[position_ - 1].Label : std::string();
}

std::string TableHistory::RedoLabel() const {
    return CanRedo() ? steps_[position_].Label : std::string();
}

// The table is not modified only right after it was loaded or saved; the position it was
// saved at is where undo makes it unmodified again.
void TableHistory::NoteCleanState() {
    if (!table_.Modified) clean_ = position_;
}

void TableHistory::Record(TableStep&& step) {
    NoteCleanState();
    while (steps_.size() > position_) {
        heldBytes_ -= steps_.back().HeldBytes();
        steps_.pop_back();
    }
    if (clean_ != kNoClean && clean_ > position_) clean_ = kNoClean;
    heldBytes_ += step.HeldBytes();
    steps_.push_back(std::move(step));
    ++position_;
    table_.Modified = true;
    const TableStep& recorded = steps_.back();
    DropOldSteps();
    Changed(recorded);
}

void TableHistory::DropOldSteps() {
    while (steps_.size() > 1 && (steps_.size() > maxSteps_ || heldBytes_ > maxBytes_)) {
        if (position_ > 0) {
            heldBytes_ -= steps_.front().HeldBytes();
            steps_.pop_front();
            --position_;
            clean_ = clean_ == 0 || clean_ == kNoClean ? kNoClean : clean_ - 1;
        } else {
            heldBytes_ -= steps_.back().HeldBytes();
            steps_.pop_back();
        }
    }
}

const TableStep* TableHistory::Undo() {
    if (!CanUndo()) return nullptr;
    NoteCleanState();
    TableStep& step = steps_[position_ - 1];
    heldBytes_ -= step.HeldBytes();
    try {
        FlipAllReversed(step.Changes, table_);
    } catch (const std::bad_alloc&) {
        Reset();  // the step is half undone: no step can be trusted any more
        throw;
    }
    heldBytes_ += step.HeldBytes();
    --position_;
    table_.Modified = position_ != clean_;
    Changed(step);
    return &step;
}

const TableStep* TableHistory::Redo() {
    if (!CanRedo()) return nullptr;
    NoteCleanState();
    TableStep& step = steps_[position_];
    heldBytes_ -= step.HeldBytes();
    try {
        FlipAll(step.Changes, 0, table_);
    } catch (const std::bad_alloc&) {
        Reset();
        throw;
    }
    heldBytes_ += step.HeldBytes();
    ++position_;
    table_.Modified = position_ != clean_;
    Changed(step);
    return &step;
}

void TableHistory::Changed(const TableStep& step) {
    if (step.Effects.Layout) table_.LayoutEdited = true;
    if (step.Effects.Data) table_.DataEdited = true;
    if (step.Effects.ColumnsMoved) rules_.ProcessIfOff();
    const bool shape = step.ChangesShape();
    if (shape) {
        // Rows or columns moved: every row is derived again, when the numbers are next
        // needed; until then they keep the old shape (and Ncount the old row count).
        data_.SetAllRowsModified();
        data_.ForgetDerivedShape();
        data_.DataChanged = true;
    } else {
        for (const GridChange& change : step.Changes) {
            const RowSpan rows = TouchedDataRows(change, table_);
            for (int r = rows.First; r <= rows.Last; ++r) data_.SetRowModifiedTrue(r);
            if (rows.Last >= rows.First) data_.DataChanged = true;
        }
    }
    ++revision_;
    Notify(TableChange{shape ? TableChange::Kind::Shape : TableChange::Kind::Cells, step.Page,
                       step.Area});
}

void TableHistory::Reset() {
    steps_.clear();
    position_ = 0;
    clean_ = 0;
    heldBytes_ = 0;
    ++revision_;
    Notify(TableChange{TableChange::Kind::Table, GridId::Data, GridRect{}});
}

void TableHistory::SetLimits(std::size_t maxSteps, std::size_t maxBytes) {
    maxSteps_ = std::max<std::size_t>(maxSteps, 1);
    maxBytes_ = maxBytes;
    DropOldSteps();
}

int TableHistory::Subscribe(Listener listener) {
    listeners_.emplace_back(nextListener_, std::move(listener));
    return nextListener_++;
}

void TableHistory::Unsubscribe(int id) {
    listeners_.erase(std::remove_if(listeners_.begin(), listeners_.end(),
                                    [id](const auto& entry) { return entry.first == id; }),
                     listeners_.end());
}

void TableHistory::Notify(const TableChange& change) {
    // A listener may subscribe or unsubscribe while it is told.
    const std::vector<std::pair<int, Listener>> listeners = listeners_;
    for (const auto& entry : listeners) entry.second(change);
}

}  // namespace vostrel
