#pragma once
// What a graph window remembers of the data table when it is opened: its change counters.
// When any of them has moved by the time the window is activated again, the window clears
// what it shows instead of drawing stale numbers.

#include "engine/data/data_table.h"

namespace vostrel {

class GraphDataStamp {
  public:
    void Record(const DataTable& table) {
        table_ = table.TableGeneration;
        layout_ = table.LayoutGeneration;
        data_ = table.DataGeneration;
        recorded_ = true;
    }
    // True when nothing was recorded yet or the table changed since.
    bool Changed(const DataTable& table) const {
        return !recorded_ || table_ != table.TableGeneration || layout_ != table.LayoutGeneration ||
               data_ != table.DataGeneration;
    }

  private:
    int table_ = 0, layout_ = 0, data_ = 0;
    bool recorded_ = false;
};

}  // namespace vostrel
