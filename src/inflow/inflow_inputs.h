#pragma once
// The state of the supply window's controls on all four variant pages: what a project file
// holds and what a run reads.

#include "core/control_state.h"
#include "inflow/inflow_controls.h"

namespace orvane::inflow {

struct InflowInputs : ControlState {
    InflowInputs() : ControlState(ctl::kRadioGroups) {}

    // The window as it starts: every page's start value from the field table, empty edits where
    // the window leaves them empty, the first radio button of each group as designed.
    static InflowInputs Defaults();
};

} // namespace orvane::inflow
