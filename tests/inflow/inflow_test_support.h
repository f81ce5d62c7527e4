#pragma once
// Shared set-up of the supply engine tests.

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/notifier.h"
#include "core/number_text.h"
#include "inflow/inflow_calc.h"
#include "inflow/inflow_inputs.h"
#include "inflow/inflow_project.h"
#include "test_support.h"

namespace orvane::inflow {

using orvane::test::ReadFile;
using orvane::test::ReportFixture;
using orvane::test::Rtf;

// Edits typed before a run, in order.
using Edits = std::vector<std::pair<ControlName, std::string>>;

// A project's bytes with a fixed header date, or nullopt with `error` set.
inline std::optional<std::string> ProjectBytesOf(const InflowInputs &in, std::string_view date,
                                                 std::string *error = nullptr) {
    std::string bytes;
    const ProjectResult made = ProjectBytes(in, date, bytes);
    if (error)
        *error = made.error;
    return made.ok ? std::optional<std::string>(bytes) : std::nullopt;
}

// The window's start values with the page of `variantRadio` chosen.
inline InflowInputs DefaultsFor(ControlName variantRadio) {
    InflowInputs in = InflowInputs::Defaults();
    in.Check(variantRadio);
    return in;
}

// One press of "Расчет" on a variant page, starting from the window's start values.
struct InflowRun {
    explicit InflowRun(ControlName variantRadio) : in(DefaultsFor(variantRadio)) {}
    InflowInputs in;
    RecordingNotifier notes;
    InflowCalc calc{&notes};
    RunOutcome outcome = RunOutcome::ok;

    InflowRun &set(ControlName control, std::string text) {
        in.SetText(control, std::move(text));
        return *this;
    }
    InflowRun &run() {
        outcome = calc.Run(in);
        return *this;
    }
    const std::string &body() const { return calc.Report.RTBody; }
    bool has(std::string_view utf8) const { return body().find(Rtf(utf8)) != std::string::npos; }
    // The input section ends where the calculation heading begins.
    std::string inputSection() const { return body().substr(0, body().find(Rtf("РАСЧЁТ\\par"))); }
    std::string calcSection() const { return body().substr(body().find(Rtf("РАСЧЁТ\\par"))); }
};

// The supply control named `name` (a key of the state's maps, a column of a case table); an
// unknown name throws, so the test that asked fails.
inline ControlName InflowControl(std::string_view name) {
    if (const auto control = orvane::test::ControlNamed(ctl::kAll, name))
        return *control;
    throw std::invalid_argument("no supply control " + std::string(name));
}

// The number a report prints after `marker`, first met after the line that starts with `head`
// (UTF-8, written to RTF as the report writes it); NaN when either is missing. A formula line
// ends "= \\b value unit", an input line "= value unit".
inline double PrintedNumber(const std::string &rtf, std::string_view head,
                            std::string_view marker = "= \\b ") {
    const std::string headRtf = Rtf(head);
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

// Whether a stopped run's report ends with `lastLine` (UTF-8, as the report writes it), then the
// line that says the run was stopped by `message`: the input lines up to the refused value and
// not one more.
inline bool EndsAtTheStop(const std::string &body, std::string_view lastLine, std::string message) {
    std::replace(message.begin(), message.end(), '\r', ' ');
    const std::string end =
        Rtf(lastLine) + Rtf("\\par\\b Расчёт прерван: " + message + "\\b0\\par ");
    return body.size() >= end.size() &&
           body.compare(body.size() - end.size(), end.size(), end) == 0;
}

// A value as the report prints it with two decimals.
inline double Printed2(double x) {
    return std::round(x * 100) / 100;
}

} // namespace orvane::inflow
