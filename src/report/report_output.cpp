#include "report/report_output.h"

#include "core/number_text.h"

#include <cmath>

namespace orvane {

namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ' || c == 0x7F;
}

bool IsPathDelimiter(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

} // namespace

std::string DefaultFileName(std::string_view projectName, std::string_view systemName) {
    std::string name(projectName);
    if (!systemName.empty()) {
        if (!name.empty())
            name += '_';
        name += systemName;
    }
    name = SafeFileName(name);
    size_t b = 0;
    size_t e = name.size();
    while (b < e && IsBlankOrControl(name[b]))
        ++b;
    while (e > b && IsBlankOrControl(name[e - 1]))
        --e;
    return name.substr(b, e - b);
}

std::string EnsureRtfExtension(std::string_view path) {
    return EnsureExtension(path, "rtf");
}

std::string EnsureExtension(std::string_view path, std::string_view extension) {
    size_t nameStart = 0;
    for (size_t i = path.size(); i > 0; --i) {
        if (IsPathDelimiter(path[i - 1])) {
            nameStart = i;
            break;
        }
    }
    std::string out(path);
    const size_t dot = out.rfind('.');
    if (dot != std::string::npos && dot >= nameStart && dot + 1 < out.size())
        return out;
    // "report." has no extension either: the lone dot is not kept before the extension
    while (out.size() > nameStart && out.back() == '.')
        out.pop_back();
    return out + "." + std::string(extension);
}

std::string FanProgramPath(std::string_view programFolder) {
    const std::string parent = ParentFolder(programFolder);
    if (parent.empty())
        return {};
#ifdef _WIN32
    return parent + "Brisko\\Brisko.exe";
#else
    return parent + "Brisko/Brisko";
#endif
}

std::optional<std::vector<std::string>> FanArguments(std::string_view kind, double volumeFlow,
                                                     double pressure) {
    if (!std::isfinite(volumeFlow) || !std::isfinite(pressure))
        return std::nullopt;
    return std::vector<std::string>{"-F=" + std::string(kind), "-L=" + FormatRoundedInt(volumeFlow),
                                    "-P=" + FormatRoundedInt(pressure)};
}

std::string FanCommandLine(std::string_view program, const std::vector<std::string> &arguments) {
    std::string line(program);
    for (const std::string &argument : arguments)
        line += ' ' + argument;
    return line;
}

} // namespace orvane
