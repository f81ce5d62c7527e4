#include "core/codepage.h"

#include <cerrno>
#include <iconv.h>

namespace orvane {

namespace {

// One iconv conversion; returns false at the first character the target cannot hold (or at
// malformed input), leaving in `failedAt` the input offset of that character.
bool Convert(const char *to, const char *from, std::string_view in, std::string &out,
             size_t &failedAt) {
    out.clear();
    failedAt = 0;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    char *inPtr = const_cast<char *>(in.data());
    size_t inLeft = in.size();
    char buffer[1024];
    bool ok = true;
    while (inLeft > 0) {
        char *outPtr = buffer;
        size_t outLeft = sizeof buffer;
        size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        if (rc == static_cast<size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            ok = false;
            break;
        }
        if (rc > 0) {
            // glibc counts irreversible conversions here; treat them as unrepresentable
            ok = false;
            break;
        }
    }
    failedAt = in.size() - inLeft;
    iconv_close(cd);
    return ok;
}

size_t Utf8Length(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

// Decodes one UTF-8 character at `i`; false when malformed (overlong, surrogate, out of range).
bool DecodeUtf8(std::string_view s, size_t &i, char32_t &cp) {
    const unsigned char lead = static_cast<unsigned char>(s[i]);
    if (lead < 0x80) {
        cp = lead;
        ++i;
        return true;
    }
    size_t len = 0;
    char32_t min = 0;
    if ((lead & 0xE0) == 0xC0) {
        len = 2;
        cp = lead & 0x1F;
        min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        len = 3;
        cp = lead & 0x0F;
        min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        len = 4;
        cp = lead & 0x07;
        min = 0x10000;
    } else {
        return false;
    }
    if (i + len > s.size())
        return false;
    for (size_t k = 1; k < len; ++k) {
        const unsigned char c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80)
            return false;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return false;
    i += len;
    return true;
}

void AppendUtf8(std::string &out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

} // namespace

std::optional<std::string> Utf8ToCp1251(std::string_view utf8, std::string *badChar) {
    std::string out;
    size_t failedAt = 0;
    if (Convert("WINDOWS-1251", "UTF-8", utf8, out, failedAt))
        return out;
    if (badChar) {
        if (failedAt < utf8.size()) {
            size_t len = Utf8Length(static_cast<unsigned char>(utf8[failedAt]));
            *badChar = std::string(utf8.substr(failedAt, len));
        } else {
            badChar->clear();
        }
    }
    return std::nullopt;
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
    std::string out;
    out.reserve(cp1251.size() * 2);
    size_t failedAt = 0;
    // Every byte but 0x98 has a character; the one hole is kept as U+FFFD rather than lost.
    while (!cp1251.empty()) {
        std::string part;
        if (Convert("UTF-8", "WINDOWS-1251", cp1251, part, failedAt)) {
            out += part;
            break;
        }
        out += part;
        if (failedAt >= cp1251.size())
            break;
        out += "\xEF\xBF\xBD";
        cp1251.remove_prefix(failedAt + 1);
    }
    return out;
}

bool IsValidUtf8(std::string_view text) {
    size_t i = 0;
    char32_t cp = 0;
    while (i < text.size()) {
        if (!DecodeUtf8(text, i, cp))
            return false;
    }
    return true;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        if (!DecodeUtf8(utf8, i, cp)) {
            cp = 0xFFFD; // malformed byte: one replacement character, then go on
            ++i;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size() * 2);
    for (size_t i = 0; i < utf16.size(); ++i) {
        char32_t cp = utf16[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD; // a lone surrogate has no UTF-8 form
        }
        AppendUtf8(out, cp);
    }
    return out;
}

} // namespace orvane
