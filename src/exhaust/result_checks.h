#pragma once
// The plausibility checks of a solved smoke exhaust network.

#include "exhaust/exhaust_calc.h"
#include "report/result_check.h"

namespace orvane::exhaust {

// The highest gas velocity in each kind of element with its segment: the open valve of the fire
// storey, the horizontal ducts (where a segment has one), the shaft (when the network has it).
ResultChecks NetworkChecks(const ExhaustCalc &calc);

} // namespace orvane::exhaust
