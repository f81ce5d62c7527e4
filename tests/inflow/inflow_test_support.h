#pragma once
// Shared set-up of the supply engine tests.

#include <optional>
#include <string>
#include <string_view>

#include "inflow/inflow_project.h"

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

} // namespace orvane::inflow
