#pragma once
// Reading the supply window's controls the way every input step reads them.

#include <string>
#include <string_view>

#include "inflow/inflow_inputs.h"
#include "inflow/inflow_records.h"
#include "report/run_frame.h"

namespace orvane::inflow {

// A count (floors, stairwells): digits only. A value above `limit` or beyond 32 bits stops the
// run with `message` as a warning focused on the control (false); otherwise sets `value`.
bool ReadCountInput(RunFrame &frame, const InflowInputs &in, ControlName control, int limit,
                    std::string_view message, int &value);
// Digits only; a digit string beyond 32 bits reads as the largest integer.
int ReadIntInput(const InflowInputs &in, ControlName control);
// SanitizeNumberText and the locale conversion.
double ReadRealControl(const InflowInputs &in, ControlName control);
std::string IntText(int v);

// The controls of a page's supply duct.
struct DuctControls {
    ControlName sizeA, sizeB, length, rectangular, roughness, xiSum;
};
// The duct's fields in the order the page shows them.
DuctInputs ReadDuctInputs(const InflowInputs &in, const DuctControls &controls);

} // namespace orvane::inflow
