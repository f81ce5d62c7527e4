#pragma once
// The exhaust project file (.smkprj): a comment header, then INI sections in Windows-1251.

#include <string>
#include <string_view>

#include "core/project_file.h"
#include "exhaust/exhaust_inputs.h"

namespace orvane::exhaust {

inline constexpr int kMaxSegments = 500;

// The file's bytes; `dateTime` goes into the header ("10.12.2026 9:05:01").
// Fails (empty result, `error` set) when a name cannot be held by Windows-1251.
ProjectResult ProjectBytes(const ExhaustInputs &inputs, std::string_view dateTime,
                           std::string &bytes);
// Writes the project atomically, the header stamped with the current local time.
ProjectResult SaveProject(const std::string &path, const ExhaustInputs &inputs);

// Reads project bytes into `inputs`. Bytes that hold no exhaust project section, more segments
// than a building can have, or a segment value its row of kSegmentValues refuses (the message
// names the segment, its section and key, and the text; `valueRefused` set) are refused and
// `inputs` is left as it was. A field table key holding no number is shown in its field as read.
ProjectResult ReadProjectBytes(std::string_view bytes, ExhaustInputs &inputs,
                               const std::string &fileName = {});
ProjectResult LoadProject(const std::string &path, ExhaustInputs &inputs);

// The project's file name without extension: "Проект 1_Б 2" for "Проект:1" and "Б/2".
std::string DefaultProjectName(const ExhaustInputs &inputs);

} // namespace orvane::exhaust
