#pragma once
// After "Расчет": the plausibility warnings of the run in one message, not one box each.

#include "core/notifier.h"
#include "report/run_frame.h"

namespace orvane {

// One warning listing every check of `run` outside its limits; nothing when all are within.
void ShowResultWarnings(Notifier &notifier, const RunFrame &run);

} // namespace orvane
