#include "core/codepage.h"


namespace orvane {

namespace {

// Windows-1251 bytes 0x80..0xFF as Unicode code points; 0 marks 0x98, the one byte without a
// character. Bytes below 0x80 are ASCII.
constexpr char16_t kCp1251High[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// The Windows-1251 byte for a code point, or -1 when the code page has none.
int Cp1251Byte(char32_t cp) {
    if (cp < 0x80)
        return static_cast<int>(cp);
    for (int i = 0; i < 128; ++i) {
        if (kCp1251High[i] != 0 && kCp1251High[i] == cp)
            return 0x80 + i;
    }
    return -1;
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
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const size_t at = i;
        char32_t cp = 0;
        const int byte = DecodeUtf8(utf8, i, cp) ? Cp1251Byte(cp) : -1;
        if (byte < 0) {
            if (badChar)
                *badChar = std::string(
                    utf8.substr(at, Utf8Length(static_cast<unsigned char>(utf8[at]))));
            return std::nullopt;
        }
        out.push_back(static_cast<char>(byte));
    }
    return out;
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (const char c : cp1251) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out.push_back(c);
            continue;
        }
        const char16_t cp = kCp1251High[byte - 0x80];
        // the one hole (0x98) is kept as U+FFFD rather than lost
        AppendUtf8(out, cp != 0 ? cp : char32_t{0xFFFD});
    }
    return out;
}

std::string PrintableText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) {
            // U+2400 + c, or U+2421 for DEL, in UTF-8
            const char32_t picture = c == 0x7F ? 0x2421 : 0x2400 + c;
            out.push_back(static_cast<char>(0xE0 | (picture >> 12)));
            out.push_back(static_cast<char>(0x80 | ((picture >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (picture & 0x3F)));
        } else if (c == 0xC2 && i + 1 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            out += "\xEF\xBF\xBD"; // U+FFFD
            ++i;
        } else {
            out.push_back(text[i]);
        }
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
