#pragma once
// What the tests of both modules share: file contents, report text as RTF writes it, control
// names looked up from the strings of a case table, readable names of parameterised tests.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <span>
#include <sstream>
#include <string>
#include <string_view>

#include "core/control_state.h"
#include "report/rtf_writer.h"

namespace orvane::test {

// The bytes of a file; "" when it cannot be read.
inline std::string ReadFile(const std::string &path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

// Sets an environment variable for the rest of the test program.
inline void SetEnvironment(const char *name, const char *value) {
#ifdef _WIN32
    _putenv_s(name, value);
#else
    setenv(name, value, 1);
#endif
}

// A new empty folder of the test's own under the system's temporary folder, named `prefix` and a
// random tail (cases run in parallel); its UTF-8 path with "/" separators, "" when none was made.
inline std::string MakeTempFolder(std::string_view prefix) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path base = fs::temp_directory_path(ec);
    if (ec)
        return {};
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = std::string(prefix) + std::to_string(random() % 1000000000u);
        const fs::path folder = base / fs::path(std::u8string(name.begin(), name.end()));
        if (fs::create_directory(folder, ec)) {
            const std::u8string path = folder.generic_u8string();
            return std::string(path.begin(), path.end());
        }
    }
    return {};
}

// A whole-report fixture: the bytes of `path`. With ORVANE_WRITE_FIXTURES set in the environment
// the report `actual` is written there first (to be reviewed before it is kept).
inline std::string ReportFixture(const std::string &path, const std::string &actual) {
    if (std::getenv("ORVANE_WRITE_FIXTURES"))
        std::ofstream(path, std::ios::binary) << actual;
    return ReadFile(path);
}

// UTF-8 text as the report writes it (Cyrillic as \uN? escapes).
inline std::string Rtf(std::string_view utf8) {
    RtfStream s;
    RtfText(s, utf8);
    return s;
}

// The name a parameterised test shows (INSTANTIATE_TEST_SUITE_P's last argument): a case's own
// `name`, a control's name, "Comma" or "Dot" for a decimal separator.
struct ParamName {
    template <class Info> std::string operator()(const Info &info) const { return Of(info.param); }
    static std::string Of(char separator) { return separator == ',' ? "Comma" : "Dot"; }
    static std::string Of(ControlName control) { return control.Str(); }
    template <class Case>
        requires requires(const Case &c) { std::string(c.name); }
    static std::string Of(const Case &c) {
        return std::string(c.name);
    }
};

// The control of `all` (a module's ctl::kAll) whose name is `name`; nullopt for an unknown name.
inline std::optional<ControlName> ControlNamed(std::span<const ControlName> all,
                                               std::string_view name) {
    for (ControlName c : all)
        if (c.View() == name)
            return c;
    return std::nullopt;
}

} // namespace orvane::test
