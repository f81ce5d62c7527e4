#include "core/unicode_stream.h"

#include "core/codepage.h"

namespace orvane {

void StreamStartUnicode(ByteStream &stream) {
    stream.assign("\xFF\xFE", 2);
}

void StreamAppendUnicode(ByteStream &stream, std::string_view utf8) {
    for (char16_t unit : Utf8ToUtf16(utf8)) {
        stream.push_back(static_cast<char>(unit & 0xFF));
        stream.push_back(static_cast<char>(unit >> 8));
    }
}

bool StreamReadUnicodeLine(const ByteStream &stream, int64_t &pos, std::string &line) {
    line.clear();
    if (pos < 0)
        return false;
    if (pos < 2)
        pos = 2;
    const auto size = static_cast<int64_t>(stream.size());
    if (pos >= size)
        return false;
    if (pos + 1 >= size) {
        // guard: a lone trailing byte is no code unit; consuming it ends the reader's loop
        pos = size;
        return false;
    }
    std::u16string units;
    while (pos + 1 < size) {
        const auto lo = static_cast<unsigned char>(stream[static_cast<size_t>(pos)]);
        const auto hi = static_cast<unsigned char>(stream[static_cast<size_t>(pos + 1)]);
        const auto unit = static_cast<char16_t>(lo | (hi << 8));
        pos += 2;
        if (unit == u'\n')
            break;
        if (unit == u'\r') {
            if (pos + 1 < size && stream[static_cast<size_t>(pos)] == '\n' &&
                stream[static_cast<size_t>(pos + 1)] == '\0')
                pos += 2;
            break;
        }
        units.push_back(unit);
    }
    line = Utf16ToUtf8(units);
    return true;
}

bool StreamAppendAnsi(ByteStream &stream, std::string_view utf8) {
    std::optional<std::string> bytes = Utf8ToCp1251(utf8);
    if (!bytes)
        return false;
    stream += *bytes;
    return true;
}

} // namespace orvane
