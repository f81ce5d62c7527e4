#include "report/result_check.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

// A value as the report shows it: the verdict never contradicts the printed digits.
double Shown(double x) {
    return std::round(x * 100) / 100;
}

const std::string kSpeedLimit = "не более 20 м/с";
const std::string kDoorLimit = "от 20 до 150 Па, СП 7.13130.2013, п. 7.16 б";

// "на этаже 12 (160,40 Па)", "на этажах 11 (151,20 Па), 12 (160,40 Па)"; "" for a room.
std::string FloorList(const std::vector<DoorPressure> &doors, NumberFormat format) {
    if (doors.empty() || !doors.front().floor)
        return {};
    std::string text = doors.size() == 1 ? " на этаже " : " на этажах ";
    for (size_t i = 0; i < doors.size(); ++i) {
        if (i > 0)
            text += ", ";
        text += std::to_string(doors[i].floor.value_or(0)) + " (" + format(doors[i].value) + " Па)";
    }
    return text;
}

} // namespace

ResultCheck SpeedCheck(std::string subject, double speed, NumberFormat format) {
    ResultCheck check{std::move(subject), format(speed) + " м/с", kSpeedLimit,
                      std::string(kWithinLimits), true};
    if (Shown(speed) > kMaxDuctSpeed) {
        check.withinLimits = false;
        check.verdict = "выше 20 м/с, проверьте сечения";
    }
    return check;
}

void AddDoorPressureCheck(ResultChecks &checks, std::string subject,
                          const std::vector<DoorPressure> &doors, NumberFormat format) {
    if (doors.empty())
        return;
    std::vector<DoorPressure> above, below;
    double lo = doors.front().value;
    double hi = lo;
    for (const DoorPressure &d : doors) {
        lo = std::min(lo, d.value);
        hi = std::max(hi, d.value);
        if (Shown(d.value) > kMaxDoorPressure)
            above.push_back(d);
        else if (Shown(d.value) < kMinDoorPressure)
            below.push_back(d);
    }
    ResultCheck check{std::move(subject),
                      doors.size() == 1 ? format(lo) + " Па"
                                        : "от " + format(lo) + " до " + format(hi) + " Па",
                      kDoorLimit, std::string(kWithinLimits), above.empty() && below.empty()};
    if (!check.withinLimits) {
        std::vector<std::string> parts;
        if (!above.empty())
            parts.push_back("выше 150 Па" + FloorList(above, format) +
                            ": двери могут не открыться");
        if (!below.empty())
            parts.push_back("ниже 20 Па" + FloorList(below, format) +
                            ": дым может проникнуть через двери");
        check.verdict = parts.front();
        for (size_t i = 1; i < parts.size(); ++i)
            check.verdict += "; " + parts[i];
    }
    checks.push_back(std::move(check));
}

std::string CheckWarningText(const ResultCheck &check) {
    return check.subject + ": " + check.value + " — " + check.verdict + ".";
}

std::string CheckWarningsText(const ResultChecks &checks) {
    std::string text;
    for (const ResultCheck &check : checks)
        if (!check.withinLimits)
            text += "\r" + CheckWarningText(check);
    return text.empty() ? text : std::string(kResultChecksHeading) + ":\r" + text;
}

void WriteResultChecks(RtfStream &stream, const ResultChecks &checks) {
    RtfHeading(stream, kResultChecksHeading);
    for (const ResultCheck &check : checks) {
        RtfRaw(stream, "\\par ");
        RtfUserText(stream, check.subject + ": ");
        RtfRaw(stream, "\\b ");
        RtfUserText(stream, check.value);
        RtfRaw(stream, "\\b0 ");
        RtfUserText(stream, " (допустимо " + check.limit + ") — " + check.verdict);
    }
    RtfRaw(stream, "\\par ");
}

} // namespace orvane
