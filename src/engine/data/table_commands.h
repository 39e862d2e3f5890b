#pragma once
// Commands on the whole data table.

namespace vostrel {

class Workspace;

// Starts a new, empty table. A modified table is offered for saving first
// ("File Not Saved.  Save?"): No discards it, Cancel keeps it and returns false, and so
// does Yes when the save did not happen, so that nothing is lost unasked.
bool NewTable(Workspace& ws);

}  // namespace vostrel
