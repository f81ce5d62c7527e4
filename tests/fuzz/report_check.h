#pragma once
// Shared checks of the project targets: a report never shows "nan" or "inf".

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>
#include <string_view>

namespace orvane::fuzz {

inline void Check(bool condition) {
    if (!condition)
        std::abort();
}

inline std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// Names from the file go into the report as written, so a file that itself holds the words
// cannot be judged by a search.
inline void CheckReportFinite(std::string_view input, std::string_view report) {
    const std::string in = Lower(input);
    const std::string out = Lower(report);
    for (const char *word : {"nan", "inf"})
        if (in.find(word) == std::string::npos)
            Check(out.find(word) == std::string::npos);
}

} // namespace orvane::fuzz
