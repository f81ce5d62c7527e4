#pragma once
// The plausibility checks an experienced engineer makes on a finished result: gas and air
// velocities against 20 м/с, pressure differences on closed doors against 20…150 Па. Each module
// computes its checks from its records (exhaust/result_checks.cpp, inflow/result_checks.cpp); the
// run frame writes them as the report's last section and keeps a warning for each one outside.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/rtf_writer.h"

namespace orvane {

// One check as the report and the message list show it. Every text is plain UTF-8 (a storey name
// typed by the user may be among it); the writer escapes it.
struct ResultCheck {
    std::string subject; // what was checked: "Наибольшая скорость газов в шахте (участок 2)"
    std::string value;   // in the module's number format: "14,12 м/с", "от 21,30 до 96,02 Па"
    std::string limit;   // "не более 20 м/с"
    std::string verdict; // "в пределах", or what is wrong and what it means
    bool withinLimits = true;
};
using ResultChecks = std::vector<ResultCheck>;

// How a module writes its report numbers (F62 for the exhaust, FormatFixed2 for the supply).
using NumberFormat = std::string (*)(double);

inline constexpr double kMaxDuctSpeed = 20;    // m/s, ducts, shafts, channels and open valves
inline constexpr double kMinDoorPressure = 20; // Pa, below: smoke may pass a closed door
inline constexpr double kMaxDoorPressure = 150; // Pa, above: a closed door may not open

inline constexpr std::string_view kResultChecksHeading = "Проверка результатов";
inline constexpr std::string_view kWithinLimits = "в пределах";

// A speed against kMaxDuctSpeed, judged as the report shows it (rounded to 2 decimals).
ResultCheck SpeedCheck(std::string subject, double speed, NumberFormat format);

// The pressure difference on a closed door: of one floor, or of one room (no floor).
struct DoorPressure {
    std::optional<int> floor;
    double value = 0; // Pa
};
// Adds the check of these doors against kMinDoorPressure…kMaxDoorPressure: the value is their
// range, the verdict names the floors outside with their values. Nothing without doors.
void AddDoorPressureCheck(ResultChecks &checks, std::string subject,
                          const std::vector<DoorPressure> &doors, NumberFormat format);

// "subject: value — verdict.", the text of the warning a check outside its limits gives.
std::string CheckWarningText(const ResultCheck &check);
// Every warning of `checks` in one text, one per line ("\r" breaks), headed by the section's
// name; empty when every check is within its limits.
std::string CheckWarningsText(const ResultChecks &checks);

// The report's last section: the heading and one paragraph per check.
void WriteResultChecks(RtfStream &stream, const ResultChecks &checks);

} // namespace orvane
