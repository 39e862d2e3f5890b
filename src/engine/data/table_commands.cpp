#include "engine/data/table_commands.h"

#include "engine/workspace.h"

namespace vostrel {

bool NewTable(Workspace& ws) {
    DataTable& table = ws.table;
    if (table.Modified) {
        switch (ws.ui.Confirm("File Not Saved.  Save?", true)) {
            case Answer::Yes:
                if (!ws.ui.RequestSaveAs()) return false;
                break;
            case Answer::No:
                break;
            case Answer::Cancel:
                return false;
        }
    }
    ws.data.Cleardata();
    table.Clear();
    ws.rules.ProcessIfOff();  // the missing-value rules stay
    ws.transform.no = 0;
    table.LayoutEdited = true;
    table.DataEdited = true;
    ++table.TableGeneration;
    ws.history.Reset();
    return true;
}

}  // namespace vostrel
