#include "core/project_file.h"

#include <cstdio>
#include <ctime>

#include "core/file_io.h"

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

std::string ProjectDateTimeText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[96];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %d:%02d:%02d", local.tm_mday, local.tm_mon + 1,
                  local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

} // namespace orvane
