#pragma once
// The supply project file (.isrprj): a comment header, [Project] and the sections of one
// variant's layout, Windows-1251 and CR LF on disk.

#include <optional>
#include <string>
#include <string_view>

#include "inflow/inflow_calc.h"
#include "inflow/inflow_inputs.h"

namespace orvane::inflow {

struct ProjectFileResult {
    bool ok = true;
    std::string error; // the message to show, in Russian, when !ok
};

inline constexpr std::string_view kProjectOpenError =
    "Файл не является проектом приточного ДУ или не может быть прочитан:\r";

// The date and time of the header line: "10.12.2026 4:27:05" (short date, long time).
std::string ProjectDateTimeText();

// The file's bytes for the variant selected in `in`. Values are cleaned as a run cleans them;
// the cleaned values are stored into `calc`'s fields when given (as saving does in the window).
// nullopt with `error` set when a text cannot be held by Windows-1251 (nothing is written then).
std::optional<std::string> InflowProjectBytes(const InflowInputs &in, InflowCalc *calc,
                                              std::string_view dateTime,
                                              std::string *error = nullptr);
// Saves through the atomic write; a failure names the file and the reason.
ProjectFileResult SaveInflowProject(const std::string &path, const InflowInputs &in,
                                    InflowCalc *calc, std::string_view dateTime);

// Opens a project into the controls (and `calc`'s fields when given). A file that cannot be read
// (the reason named) or has no [Project] section (kProjectOpenError + path) leaves both untouched.
// The other variants' controls are never touched.
ProjectFileResult OpenInflowProject(const std::string &path, InflowInputs &in,
                                    InflowCalc *calc = nullptr);
ProjectFileResult OpenInflowProjectBytes(std::string_view bytes, const std::string &path,
                                         InflowInputs &in, InflowCalc *calc = nullptr);

// The name a save dialog's choice becomes: ".isrprj" appended when it has no extension.
std::string WithProjectExtension(const std::string &chosen);

} // namespace orvane::inflow
