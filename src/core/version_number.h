#pragma once
// The program's version numbers, free of any library, for the windows and the reports alike.

#include <string>

namespace orvane {

inline constexpr int kVersionMajor = 5;
inline constexpr int kVersionMinor = 1;
inline constexpr int kVersionYear = 2024;
inline constexpr int kVersionMonth = 2;

// "5.1"
inline std::string VersionNumberText() {
    return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor);
}

} // namespace orvane
