#pragma once
// The Workspace owns the state that the whole program shares: the one data table,
// the shared analysis array, the rules, the settings of the analysis and the charts.
// main() creates one and hands it by reference to every window; the command-line
// tool and every test build their own. There are no mutable globals.

#include "engine/control_charts/chart_state.h"
#include "engine/settings_store.h"
#include "engine/stats/sample_array.h"
#include "engine/stats/stat_context.h"
#include "engine/user_interface.h"

namespace vostrel {

class Workspace {
  public:
    Workspace(UserInterface& ui, SettingsStore& settings) : ui(ui), settings(settings) {
        stat.ui = &ui;
    }
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    UserInterface& ui;
    SettingsStore& settings;

    StatContext stat;    // StatErrorCode
    SampleArray sample;  // A_Array and SampleCount
    ChartState chart;    // the current control chart and the control test settings
};

}  // namespace vostrel
