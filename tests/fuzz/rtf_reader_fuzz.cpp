// libFuzzer target: any bytes must parse without a crash, a leak or undefined behaviour, and
// user text written by the report writer must read back unchanged.

#include "report/rtf_reader.h"
#include "report/rtf_writer.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Strict UTF-8 check (no overlongs, no surrogates), the same rules the writer applies.
bool IsValidUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        const auto lead = static_cast<unsigned char>(s[i]);
        size_t len = 0;
        uint32_t cp = 0, min = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            len = 2, cp = lead & 0x1F, min = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            len = 3, cp = lead & 0x0F, min = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            len = 4, cp = lead & 0x07, min = 0x10000;
        } else {
            return false;
        }
        if (i + len > s.size())
            return false;
        for (size_t k = 1; k < len; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

void Check(bool condition) {
    if (!condition)
        std::abort();
}

std::string AllText(const orvane::RtfDocument &doc) {
    std::string out;
    for (const orvane::RtfBlock &block : doc.blocks) {
        if (const auto *p = std::get_if<orvane::RtfParagraph>(&block)) {
            out += p->Text();
            continue;
        }
        for (const orvane::RtfTableRow &row : std::get<orvane::RtfTableBlock>(block).rows) {
            Check(row.cells.size() <= 63);
            for (const orvane::RtfTableCell &cell : row.cells) {
                Check(cell.width >= 0);
                for (const orvane::RtfParagraph &p : cell.paragraphs)
                    out += p.Text();
            }
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);

    // any bytes: a document of valid UTF-8 text
    Check(IsValidUtf8(AllText(orvane::ParseRtf(bytes))));

    // the writer's output is 7-bit whatever it is given
    orvane::RtfStream written;
    orvane::RtfUserText(written, bytes);
    for (char c : written)
        Check(static_cast<unsigned char>(c) < 0x80);

    // printable user text survives the trip through the writer and the reader
    bool printable = IsValidUtf8(bytes);
    for (char c : bytes)
        printable = printable && static_cast<unsigned char>(c) >= 0x20;
    if (printable) {
        const std::string doc = "{\\rtf1 " + written + "}";
        Check(AllText(orvane::ParseRtf(doc)) == bytes);
    }
    return 0;
}
