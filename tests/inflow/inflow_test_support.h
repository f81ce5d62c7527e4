#pragma once
// Shared set-up of the supply engine tests.

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "core/number_text.h"
#include "inflow/inflow_project.h"
#include "report/rtf_writer.h"

namespace orvane::inflow {

// A project's bytes with a fixed header date, or nullopt with `error` set.
inline std::optional<std::string> ProjectBytesOf(const InflowInputs &in, std::string_view date,
                                                  std::string *error = nullptr) {
    std::string bytes;
    const ProjectResult made = ProjectBytes(in, date, bytes);
    if (error)
        *error = made.error;
    return made.ok ? std::optional<std::string>(bytes) : std::nullopt;
}

// The number a report prints after `marker`, first met after the line that starts with `head`
// (UTF-8, written to RTF as the report writes it); NaN when either is missing. A formula line
// ends "= \\b value unit", an input line "= value unit".
inline double PrintedNumber(const std::string &rtf, std::string_view head,
                            std::string_view marker = "= \\b ") {
    std::string headRtf;
    RtfText(headRtf, head);
    const size_t at = rtf.find(headRtf);
    if (at == std::string::npos)
        return std::numeric_limits<double>::quiet_NaN();
    const size_t value = rtf.find(marker, at + headRtf.size());
    if (value == std::string::npos)
        return std::numeric_limits<double>::quiet_NaN();
    const size_t from = value + marker.size();
    const size_t to = rtf.find_first_not_of("-0123456789,.", from);
    return ReadRealInput(rtf.substr(from, to - from));
}

// A value as the report prints it with two decimals.
inline double Printed2(double x) {
    return std::round(x * 100) / 100;
}

} // namespace orvane::inflow
