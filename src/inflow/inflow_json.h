#pragma once
// The batch calculator's JSON of a supply run: every scalar field the variant's run writes and
// the per-floor records.

#include <nlohmann/json.hpp>

#include "inflow/inflow_calc.h"

namespace orvane::inflow {

// {"GasMassExps": 3, ...}: inputs as held after the steps, intermediate values and results of
// the run's variant. A value that is not finite is written as null.
nlohmann::json InflowResultsJson(const InflowCalc &calc);
// The per-floor records of the run's variant, in their array order.
nlohmann::json InflowFloorsJson(const InflowCalc &calc);

} // namespace orvane::inflow
