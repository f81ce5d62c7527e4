#pragma once
// What the two modules' project files share: the result of a read or write, the date line of
// the file header, and the save and load around each module's own bytes.

#include <ctime>
#include <string>
#include <string_view>

namespace orvane {

struct ProjectResult {
    bool ok = true;
    std::string error; // the message to show, in Russian, when !ok
    // !ok because the file holds a value its place refuses ("VL=-3", a name too long), not
    // because it could not be read: the message names the field, the section and the key, and
    // the batch calculator stops as for a refused field
    bool valueRefused = false;
};

// Writes a project's bytes through the atomic write; a failure names the file and the reason.
ProjectResult WriteProjectFile(const std::string &path, const std::string &bytes);
// Reads a project file's bytes (a regular file of sensible size). A failure says
// "Файл проекта <kind> не может быть прочитан (<reason>):\r<path>".
ProjectResult ReadProjectFile(const std::string &path, std::string_view kind, std::string &bytes);

// Which module wrote a project: the header line each module writes says it; a file without one
// (written by hand) is judged by the sections only one module writes. `unknown` when neither
// tells, and the module's own reader then decides.
enum class ProjectModule { unknown, exhaust, supply };
ProjectModule ProjectModuleOf(std::string_view bytes);

// The current local date and time as the header writes it: "10.12.2026 4:27:05".
std::string ProjectDateTimeText();
// The calendar time of `seconds` in the local time zone, or in UTC when `utc` (thread-safe on
// every platform).
std::tm CalendarTime(std::time_t seconds, bool utc = false);

// A module's project written to `path`: its bytes, made by the module's
// `ProjectBytes(inputs, dateTime, bytes)` (found by the inputs' type) and stamped now, then
// written through the atomic write.
template <class Inputs>
ProjectResult SaveProjectFile(const std::string &path, const Inputs &inputs) {
    std::string bytes;
    const ProjectResult made = ProjectBytes(inputs, ProjectDateTimeText(), bytes);
    return made.ok ? WriteProjectFile(path, bytes) : made;
}

// A module's project read from `path` into `inputs` by the module's
// `ReadProjectBytes(bytes, inputs, path)`; `kind` names the project in the failure message.
template <class Inputs>
ProjectResult LoadProjectFile(const std::string &path, std::string_view kind, Inputs &inputs) {
    std::string bytes;
    const ProjectResult read = ReadProjectFile(path, kind, bytes);
    return read.ok ? ReadProjectBytes(bytes, inputs, path) : read;
}

} // namespace orvane
