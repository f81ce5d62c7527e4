#include "report/rtf_writer.h"

#include "report/report_page.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace orvane {

const std::string_view kRtfPrologue =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl"
    "{\\f0\\fswiss\\fprq2\\fcharset204{\\*\\fname Arial;}Arial CYR;}"
    "{\\f1\\froman\\fprq2\\fcharset204{\\*\\fname Times New Roman;}Times New Roman CYR;}"
    "{\\f2\\froman\\fprq2\\fcharset161{\\*\\fname Times New Roman;}Times New Roman Greek;}"
    "{\\f3\\fswiss\\fcharset204{\\*\\fname Arial;}Arial CYR;}}\\viewkind4";

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Tables stand 500 twips in from the margin and end at the text's right edge at the latest.
constexpr int64_t kTableLeft = 500;
constexpr int64_t kTableMaxRight = kTextWidth;

// Decodes one UTF-8 character at `i` and advances past it. A malformed sequence yields U+FFFD
// and advances one byte, so a broken name still gives a well-formed report.
char32_t NextCodePoint(std::string_view s, size_t &i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    size_t len = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if ((lead & 0xE0) == 0xC0) {
        len = 2, cp = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        len = 3, cp = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        len = 4, cp = lead & 0x07, min = 0x10000;
    } else {
        ++i;
        return kReplacement;
    }
    if (i + len > s.size()) {
        ++i;
        return kReplacement;
    }
    for (size_t k = 1; k < len; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return kReplacement;
    }
    i += len;
    return cp;
}

// Writes "\uN?" for one UTF-16 unit at `out` (at most 9 bytes); returns the end.
char *PutUnitEscape(char *out, char16_t unit) {
    // RTF reads \u as a signed 16-bit number
    const int value = static_cast<int16_t>(unit);
    *out++ = '\\';
    *out++ = 'u';
    out = std::to_chars(out, out + 6, value).ptr;
    *out++ = '?';
    return out;
}

// Ready escapes of the two-byte UTF-8 range (Cyrillic, Greek, Latin-1...), the bulk of a report.
struct UnitEscapeText {
    char text[8]; // the escape, then padding; size in the last byte
};

constexpr std::array<UnitEscapeText, 0x800> kTwoByteEscapes = [] {
    std::array<UnitEscapeText, 0x800> table{};
    for (int cp = 0x80; cp < 0x800; ++cp) {
        UnitEscapeText &e = table[static_cast<size_t>(cp)];
        int n = 0;
        e.text[n++] = '\\';
        e.text[n++] = 'u';
        if (cp >= 1000)
            e.text[n++] = static_cast<char>('0' + cp / 1000);
        e.text[n++] = static_cast<char>('0' + cp / 100 % 10);
        e.text[n++] = static_cast<char>('0' + cp / 10 % 10);
        e.text[n++] = static_cast<char>('0' + cp % 10);
        e.text[n++] = '?';
        e.text[7] = static_cast<char>(n);
    }
    return table;
}();

// Bytes copied into the report as they are: ASCII without the C0 control characters, which a
// reader could take for the end of the text (TAB, LF and CR are harmless and kept).
constexpr std::array<bool, 256> kPlainByte = [] {
    std::array<bool, 256> table{};
    for (int c = 0x20; c < 0x80; ++c)
        table[static_cast<size_t>(c)] = true;
    table['\t'] = table['\n'] = table['\r'] = true;
    return table;
}();

// A C0 control character as "\'hh"; NUL is dropped. Returns the end.
char *PutControlEscape(char *out, unsigned char c) {
    if (c == 0)
        return out;
    constexpr char kHex[] = "0123456789abcdef";
    *out++ = '\\';
    *out++ = '\'';
    *out++ = kHex[c >> 4];
    *out++ = kHex[c & 0xF];
    return out;
}

} // namespace

void RtfStart(RtfStream &stream) {
    stream.clear();
    stream.append(kRtfPrologue);
}

void RtfRaw(RtfStream &stream, std::string_view text) {
    stream.append(text);
}

void RtfText(RtfStream &stream, std::string_view utf8) {
    const char *const data = utf8.data();
    const size_t size = utf8.size();
    size_t i = 0;
    while (i < size) {
        // ASCII runs go in whole; only the rest is decoded
        size_t run = i;
        while (run < size && kPlainByte[static_cast<unsigned char>(data[run])])
            ++run;
        if (run > i) {
            stream.append(data + i, run - i);
            i = run;
            if (i == size)
                break;
        }
        // then the run of other characters, through a small buffer
        char buf[256];
        char *out = buf;
        constexpr size_t kMaxPerCharacter = 18; // a surrogate pair: two escapes of 9 bytes
        while (i < size && !kPlainByte[static_cast<unsigned char>(data[i])] &&
               out + kMaxPerCharacter <= buf + sizeof buf) {
            const auto lead = static_cast<unsigned char>(data[i]);
            if (lead < 0x20) {
                out = PutControlEscape(out, lead);
                ++i;
                continue;
            }
            if (lead >= 0xC2 && lead <= 0xDF && i + 1 < size &&
                (static_cast<unsigned char>(data[i + 1]) & 0xC0) == 0x80) {
                const size_t cp = (static_cast<size_t>(lead & 0x1F) << 6) |
                                  (static_cast<unsigned char>(data[i + 1]) & 0x3F);
                const UnitEscapeText &e = kTwoByteEscapes[cp];
                std::memcpy(out, e.text, sizeof e.text); // whole, to keep it a plain copy
                out += e.text[7];
                i += 2;
                continue;
            }
            const char32_t cp = NextCodePoint(utf8, i);
            if (cp < 0x10000) {
                out = PutUnitEscape(out, static_cast<char16_t>(cp));
            } else {
                const char32_t v = cp - 0x10000;
                out = PutUnitEscape(out, static_cast<char16_t>(0xD800 + (v >> 10)));
                out = PutUnitEscape(out, static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
            }
        }
        stream.append(buf, static_cast<size_t>(out - buf));
    }
}

std::string RtfEscapeUserText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char c : utf8) {
        if (c == '\\' || c == '{' || c == '}')
            out += '\\';
        out += c;
    }
    return out;
}

void RtfUserText(RtfStream &stream, std::string_view utf8) {
    RtfText(stream, RtfEscapeUserText(utf8));
}

void RtfTitle(RtfStream &stream, std::string_view utf8) {
    // one paragraph in the heading 1 style: its lines are broken, not separate paragraphs, so
    // a navigation pane lists the title once
    std::string title(utf8);
    for (size_t at = title.find("\\par "); at != std::string::npos; at = title.find("\\par ", at))
        title.replace(at, 5, "\\line ");
    RtfRaw(stream, "\\pard\\b\\f0\\fs20\\par\\qc\\s1\\outlinelevel0\\keepn ");
    RtfText(stream, title);
    RtfRaw(stream, "\\par\\pard\\fi118\\b0");
}

void RtfHeading(RtfStream &stream, std::string_view utf8) {
    RtfRaw(stream, "\\pard\\fi708\\b\\f0\\fs20\\par\\s2\\outlinelevel1\\keepn ");
    RtfText(stream, utf8);
    RtfRaw(stream, "\\par\\pard\\fi118\\b0");
}

std::string RtfGroupHeading(std::string_view text) {
    return "\\par{\\s3\\outlinelevel2\\b " + std::string(text) + "\\b0\\par}";
}

void RtfProgramNote(RtfStream &stream) {
    RtfRaw(stream, "\\pard\\f0\\fs16\\par\\qc ");
    RtfText(stream, "Программа ");
    RtfText(stream, "\"Орвейн\"");
    RtfText(stream, " разработана на основании\\par ");
    RtfText(stream, "Методических рекомендаций к СП 7.13130.2013 (Расчётное определение\\par ");
    RtfText(stream, "основных параметров противодымной вентиляции зданий, ВНИИПО, 2013).\\par ");
    RtfText(
        stream,
        "Программа предназначена для расчёта основных параметров противодымной вентиляции\\par ");
    RtfText(stream, "зданий различного назначения - жилых и общественных, производственных и "
                    "складских, а также\\par ");
    RtfText(stream, "многофункциональных зданий и комплексов, закрытых подземных и надземных "
                    "автостоянок.\\par ");
}

void RtfTable(RtfStream &stream, const ReportTable &table) {
    if (table.empty())
        return;
    size_t columns = table.front().size();
    for (const ReportRow &row : table)
        columns = std::min(columns, row.size());
    if (columns == 0)
        return;
    // A row wider than the text is scaled down to it, its left indent and every cell edge in
    // proportion (header text may wrap). int64: a caller's absurd widths must not overflow into
    // a negative edge; a negative width counts as none.
    int64_t widest = kTableLeft;
    for (const ReportRow &row : table) {
        int64_t x = kTableLeft;
        for (size_t c = 0; c < columns; ++c)
            x += std::max(row[c].Width, 0);
        widest = std::max(widest, x);
    }
    const auto scaled = [widest](int64_t x) {
        return widest <= kTableMaxRight ? x : x * kTableMaxRight / widest;
    };
    std::string text;
    bool header = true;
    for (const ReportRow &row : table) {
        // the first row is the header: repeated on every page; no row is split across pages
        text += "\\trowd\\trgaph108\\trleft";
        text += std::to_string(scaled(kTableLeft));
        text += header ? "\\trhdr\\trkeep" : "\\trkeep";
        header = false;
        int64_t x = kTableLeft;
        for (size_t c = 0; c < columns; ++c) {
            x += std::max(row[c].Width, 0);
            text += "\\clbrdrt\\brdrs\\brdrw10 \\clbrdrl\\brdrs\\brdrw10 "
                    "\\clbrdrb\\brdrs\\brdrw10 \\clbrdrr\\brdrs\\brdrw10 ";
            text += "\\cellx";
            text += std::to_string(scaled(x));
            text += ' ';
        }
        text += "\\pard\\intbl ";
        for (size_t c = 0; c < columns; ++c) {
            if (row[c].Bold)
                text += "\\b ";
            text += row[c].Text;
            if (row[c].Bold)
                text += "\\b0 ";
            text += "\\cell ";
        }
        text += "\\row ";
    }
    text += "\\pard ";
    RtfText(stream, text);
}

} // namespace orvane
