#pragma once
// The run's model fields as JSON, for the batch calculator.

#include <nlohmann/json.hpp>

#include "exhaust/exhaust_calc.h"

namespace orvane::exhaust {

// Every scalar field of the model by its name; a value that is not finite is written as null.
nlohmann::json ExhaustResultsJson(const ExhaustCalc &calc);
// Every field of each segment, bottom segment first.
nlohmann::json ExhaustSegmentsJson(const TYchastki &segments);

} // namespace orvane::exhaust
