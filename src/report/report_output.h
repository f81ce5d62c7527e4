#pragma once
// The pure parts of the report output panel: the proposed file name, the saved file's extension
// and the fan selection program's path and arguments.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Project name, "_" and system name, with the characters a file name cannot hold blanked out
// and the blanks and control characters at both ends removed.
std::string DefaultFileName(std::string_view projectName, std::string_view systemName);

// The chosen file name with "." + `extension` appended when its name part has no extension.
std::string EnsureExtension(std::string_view path, std::string_view extension);
// EnsureExtension(path, "rtf").
std::string EnsureRtfExtension(std::string_view path);

// Where the fan selection program lives: beside the program's own folder, in "Brisko".
// Empty when `programFolder` has no parent.
std::string FanProgramPath(std::string_view programFolder);

// "-F=<kind>", "-L=<flow>", "-P=<pressure>", the numbers as whole numbers with halves to even.
// nullopt when a number is not finite.
std::optional<std::vector<std::string>> FanArguments(std::string_view kind, double volumeFlow,
                                                     double pressure);

// The program and its arguments as one line, blank-separated (for display and logs).
std::string FanCommandLine(std::string_view program, const std::vector<std::string> &arguments);

} // namespace orvane
