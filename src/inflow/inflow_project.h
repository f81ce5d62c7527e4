#pragma once
// The supply project file (.isrprj): a comment header, [Project] and the sections of one
// variant's layout, Windows-1251 and CR LF on disk.

#include <string>
#include <string_view>

#include "core/project_file.h"
#include "inflow/inflow_calc.h"
#include "inflow/inflow_inputs.h"

namespace orvane::inflow {

inline constexpr std::string_view kProjectOpenError =
    "Файл не является проектом приточного ДУ или не может быть прочитан:\r";

// The file's bytes for the variant selected in `in`, values cleaned as a run cleans them;
// `dateTime` goes into the header. Fails, writing nothing, when a name cannot be held by
// Windows-1251.
ProjectResult ProjectBytes(const InflowInputs &in, std::string_view dateTime, std::string &bytes);
// Saves through the atomic write, the header stamped with the current local time.
ProjectResult SaveProject(const std::string &path, const InflowInputs &in);
// Reads a project into the controls. A file that cannot be read (the reason named) or bytes without a [Project] section are refused and `in` is
// left as it was. The other variants' controls are never touched.
ProjectResult ReadProjectBytes(std::string_view bytes, InflowInputs &in,
                               const std::string &fileName = {});
ProjectResult LoadProject(const std::string &path, InflowInputs &in);

// The name a save dialog's choice becomes: ".isrprj" appended when it has no extension.
std::string WithProjectExtension(const std::string &chosen);

} // namespace orvane::inflow
