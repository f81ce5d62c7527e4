#pragma once
// The lines most of a report is made of: a label with a formula, its value and unit. Both modules
// write their input and calculation lines through these two.

#include <string_view>

#include "report/rtf_writer.h"

namespace orvane {

// A line as it stands: RTF control words pass, other characters are escaped (RtfText).
void ReportLine(RtfStream &report, std::string_view text);

// `label` (what the value is, often "symbol = formula = \b"), the value and its unit, then the
// bold run is closed and the paragraph ended: "label value unit\b0\par ".
void ValueLine(RtfStream &report, std::string_view label, std::string_view value,
               std::string_view unit = {});

} // namespace orvane
