#pragma once
// The run's model fields as JSON, for the batch calculator.

#include <nlohmann/json.hpp>

#include "exhaust/exhaust_calc.h"

namespace orvane::exhaust {

// Every value of the run under its documented key (an explicit table, exhaust_json.cpp); a
// value that is not finite is written as null.
nlohmann::json ExhaustResultsJson(const ExhaustCalc &calc);
// Every field of each segment, bottom segment first.
nlohmann::json ExhaustSegmentsJson(const NetworkSegments &segments);

} // namespace orvane::exhaust
