#pragma once
// The exhaust network's segment records as charts: the stack-and-wind diagram and the gas flow
// up the shaft, against the storey level.

#include "exhaust/segment.h"
#include "report/chart_data.h"

#include <vector>

namespace orvane::exhaust {

// The segments that took part in the run: all of them with the shaft, the fire storey's alone
// without it. None for an empty network.
std::vector<ChartData> ExhaustCharts(const NetworkSegments &segments, bool withShaft);

} // namespace orvane::exhaust
