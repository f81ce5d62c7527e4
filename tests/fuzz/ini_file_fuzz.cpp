// libFuzzer target: any bytes parse; whatever the writer accepts reads back and writes again to
// the same bytes, so opening and saving a file never drifts it.

#include "core/ini_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    orvane::IniFile ini = orvane::IniFile::FromBytes(bytes);
    for (const std::string &name : ini.sectionNames())
        Check(ini.hasSection(name));

    const std::optional<std::string> written = ini.toBytes();
    if (!written)
        return 0;
    const orvane::IniFile reread = orvane::IniFile::FromBytes(*written);
    Check(reread.sectionNames() == ini.sectionNames());
    const std::optional<std::string> again = reread.toBytes();
    Check(again && *again == *written);

    // a key set through the API reads back as set
    orvane::IniFile edited = reread;
    edited.setValue("Project", "Name", "Проект 1");
    Check(edited.readString("project", "NAME") == "Проект 1");
    return 0;
}
