#pragma once
// The supply run's per-floor records as charts (pressures and flows by floor).

#include "report/chart_data.h"

#include <vector>

namespace orvane::inflow {

class InflowCalc;

// The charts of whichever records the last run filled; none before a run.
std::vector<ChartData> InflowCharts(const InflowCalc &calc);

} // namespace orvane::inflow
