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

// The report's text without its markup: control words and symbols are dropped (each leaves a
// space, so no word is joined across them) and so is the \info group (the document's
// properties), so that neither "\info" nor a property is taken for a number of the report.
inline std::string ReportText(std::string_view rtf) {
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    std::string text;
    int depth = 0;
    int infoDepth = -1; // the depth of the \info group while inside it
    size_t i = 0;
    while (i < rtf.size()) {
        const char c = rtf[i];
        if (c == '\\' && i + 1 < rtf.size() && letter(rtf[i + 1])) {
            size_t j = i + 1;
            while (j < rtf.size() && letter(rtf[j]))
                ++j;
            if (rtf.substr(i + 1, j - i - 1) == "info" && infoDepth < 0)
                infoDepth = depth;
            if (j < rtf.size() && (rtf[j] == '-' || digit(rtf[j])))
                for (++j; j < rtf.size() && digit(rtf[j]);)
                    ++j;
            if (j < rtf.size() && rtf[j] == ' ')
                ++j;
            text.push_back(' ');
            i = j;
        } else if (c == '\\') {
            // a control symbol: \'hh stands for one character, \{ \} \\ for themselves
            const bool hex = i + 1 < rtf.size() && rtf[i + 1] == '\'';
            if (!hex && i + 1 < rtf.size() && infoDepth < 0)
                text.push_back(rtf[i + 1]);
            else
                text.push_back(' ');
            i += hex ? 4 : 2;
        } else {
            if (c == '{') {
                ++depth;
            } else if (c == '}') {
                if (depth == infoDepth)
                    infoDepth = -1;
                --depth;
            } else if (infoDepth < 0 && c != '\r' && c != '\n') {
                text.push_back(c);
            }
            ++i;
        }
    }
    return text;
}

// Names from the file go into the report as written, so a file that itself holds the words
// cannot be judged by a search.
inline void CheckReportFinite(std::string_view input, std::string_view report) {
    const std::string in = Lower(input);
    const std::string out = Lower(ReportText(report));
    for (const char *word : {"nan", "inf"})
        if (in.find(word) == std::string::npos)
            Check(out.find(word) == std::string::npos);
}

} // namespace orvane::fuzz
