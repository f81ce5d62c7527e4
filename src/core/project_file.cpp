#include "core/project_file.h"

#include <cstdio>
#include <ctime>

#include "core/file_io.h"
#include "core/ini_file.h"

namespace orvane {

ProjectResult WriteProjectFile(const std::string &path, const std::string &bytes) {
    const FileResult written = WriteFileAtomic(path, bytes);
    if (!written.ok)
        return {false, written.error};
    return {};
}

ProjectResult ReadProjectFile(const std::string &path, std::string_view kind, std::string &bytes) {
    const FileResult read = ReadFileBytes(path, bytes);
    if (!read.ok)
        return {false, "Файл проекта " + std::string(kind) + " не может быть прочитан (" +
                           read.reason + "):\r" + path};
    return {};
}

ProjectModule ProjectModuleOf(std::string_view bytes) {
    // the header: comment lines before the first section
    for (size_t start = 0; start < bytes.size();) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        const std::string_view line = bytes.substr(start, end - start);
        if (line.substr(0, 1) == "[")
            break;
        if (line.substr(0, 31) == "# Revirid Smoke Removal Project")
            return ProjectModule::exhaust;
        if (line.substr(0, 30) == "# Inflow Smoke Removal Project")
            return ProjectModule::supply;
        start = end + 1;
    }
    const IniFile ini = IniFile::FromBytes(bytes);
    int exhaust = 0;
    int supply = 0;
    for (const char *section : {"Room", "FLoad", "Corridor", "FPlace", "Outside", "ShaftEnd",
                                "Shaft0"})
        exhaust += ini.hasSection(section) ? 1 : 0;
    for (const char *section :
         {"Terms", "Building", "Air", "FanData", "StairWell", "Tambour", "Valve", "Pipe"})
        supply += ini.hasSection(section) ? 1 : 0;
    if (exhaust > supply)
        return ProjectModule::exhaust;
    if (supply > exhaust)
        return ProjectModule::supply;
    return ProjectModule::unknown;
}

std::tm CalendarTime(std::time_t seconds, bool utc) {
    std::tm t{};
#ifdef _WIN32
    if (utc)
        gmtime_s(&t, &seconds);
    else
        localtime_s(&t, &seconds);
#else
    if (utc)
        gmtime_r(&seconds, &t);
    else
        localtime_r(&seconds, &t);
#endif
    return t;
}

std::string ProjectDateTimeText() {
    const std::tm local = CalendarTime(std::time(nullptr));
    char text[96];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %d:%02d:%02d", local.tm_mday, local.tm_mon + 1,
                  local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

} // namespace orvane
