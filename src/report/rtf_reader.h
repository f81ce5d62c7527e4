#pragma once
// A small reader of the RTF this program writes (and of plain RTF from word processors, as far
// as reports need): text, paragraphs, character formats and tables. It never fails: unknown
// control words are skipped and any byte sequence yields some document.

#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orvane {

enum class RtfVAlign { Normal, Sub, Super };
enum class RtfAlign { Left, Center, Right, Justify };

struct RtfCharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int fontSize = 24; // half-points, as \fs counts them
    int font = 0;      // index into RtfDocument::fonts
    RtfVAlign vAlign = RtfVAlign::Normal;
    bool operator==(const RtfCharFormat &) const = default;
};

struct RtfRun {
    std::string text; // UTF-8
    RtfCharFormat format;
};

struct RtfParagraph {
    std::vector<RtfRun> runs;
    RtfAlign align = RtfAlign::Left;
    int firstIndent = 0;   // twips, \fi
    int leftIndent = 0;    // twips, \li
    int rightIndent = 0;   // twips, \ri
    bool keepNext = false; // \keepn: on the page of the paragraph after it
    RtfCharFormat mark;    // the format at its end: an empty line takes its height from it
    std::string Text() const;
};

struct RtfTableCell {
    int width = 0; // twips, from the row's \cellx edges
    bool bordered = false;
    std::vector<RtfParagraph> paragraphs;
};

struct RtfTableRow {
    int left = 0;        // \trleft
    int gap = 0;         // \trgaph
    bool header = false; // \trhdr: repeated at the top of every page the table runs onto
    std::vector<RtfTableCell> cells;
};

struct RtfTableBlock {
    std::vector<RtfTableRow> rows;
};

using RtfBlock = std::variant<RtfParagraph, RtfTableBlock>;

struct RtfFont {
    std::string name;   // as the font table gives it, e.g. "Arial CYR"
    std::string family; // the family keyword without "f": "swiss", "roman", "modern", "nil"...
};

struct RtfDocument {
    std::vector<RtfBlock> blocks;
    std::map<int, RtfFont> fonts;
};

// Limits that keep hostile input cheap: deeper groups share their parent's state, and a \uc or
// \bin count is clamped to the bytes that remain.
inline constexpr int kRtfMaxGroupDepth = 200;

RtfDocument ParseRtf(std::string_view bytes);

} // namespace orvane
