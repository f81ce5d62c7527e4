#include "report/report_line.h"

namespace orvane {

void ReportLine(RtfStream &report, std::string_view text) {
    RtfText(report, text);
}

void ValueLine(RtfStream &report, std::string_view label, std::string_view value,
               std::string_view unit) {
    RtfText(report, label);
    RtfText(report, value);
    RtfText(report, unit);
    RtfRaw(report, "\\b0\\par ");
}

} // namespace orvane
