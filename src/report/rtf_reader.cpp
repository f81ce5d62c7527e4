#include "report/rtf_reader.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>

namespace orvane {

std::string RtfParagraph::Text() const {
    std::string out;
    for (const RtfRun &run : runs)
        out += run.text;
    return out;
}

namespace {

// Windows-1251, bytes 0x80..0xFF (0x98 has no character)
constexpr std::array<char16_t, 64> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

char32_t Cp1251ToUnicode(unsigned char byte) {
    if (byte < 0x80)
        return byte;
    if (byte >= 0xC0)
        return 0x0410 + (byte - 0xC0);
    return kCp1251High[byte - 0x80];
}

void AppendUtf8(std::string &out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

enum class Dest { Text, FontTable, Skip };

struct ParaProps {
    RtfAlign align = RtfAlign::Left;
    int firstIndent = 0;
    int leftIndent = 0;
    int rightIndent = 0;
    bool inTable = false;
    bool keepNext = false;
};

struct GroupState {
    RtfCharFormat chr;
    ParaProps para;
    int uc = 1;
    Dest dest = Dest::Text;
};

struct CellEdge {
    int right = 0;
    bool bordered = false;
};

// Word processors stop at 63 columns; more would only let hostile input blow up the table grid.
constexpr size_t kMaxCellsPerRow = 63;

// Destinations that hold no text of the document: skipped with everything inside.
bool IsSkippedDestination(std::string_view word) {
    static constexpr std::string_view kWords[] = {"colortbl",  "stylesheet",   "info",
                                                  "pict",      "header",       "headerl",
                                                  "headerr",   "headerf",      "footer",
                                                  "footerl",   "footerr",      "footerf",
                                                  "object",    "listtable",    "listoverridetable",
                                                  "revtbl",    "rsidtbl",      "generator",
                                                  "xmlnstbl",  "themedata",    "colorschememapping",
                                                  "datastore", "latentstyles", "fldinst",
                                                  "footnote",  "annotation",   "atnid",
                                                  "atnauthor", "author",       "operator",
                                                  "title",     "subject",      "keywords",
                                                  "comment",   "doccomm",      "pn",
                                                  "filetbl",   "mmathPr",      "userprops",
                                                  "bkmkstart", "bkmkend",      "nonshppict",
                                                  "shp",       "private"};
    return std::find(std::begin(kWords), std::end(kWords), word) != std::end(kWords);
}

class Parser {
public:
    explicit Parser(std::string_view in) : in_(in) { stack_.push_back(GroupState{}); }

    RtfDocument Run() {
        while (pos_ < in_.size()) {
            const char c = in_[pos_++];
            switch (c) {
            case '{':
                OpenGroup();
                break;
            case '}':
                CloseGroup();
                break;
            case '\\':
                ControlSequence();
                break;
            case '\r':
            case '\n':
                break;
            case '\t':
                if (!SkippingFallback())
                    Character(U'\t');
                break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20 && !SkippingFallback())
                    Character(Cp1251ToUnicode(static_cast<unsigned char>(c)));
                break;
            }
        }
        Finish();
        return std::move(doc_);
    }

private:
    GroupState &State() { return stack_.back(); }

    void OpenGroup() {
        skipChars_ = 0;
        FlushFontName();
        if (stack_.size() < static_cast<size_t>(kRtfMaxGroupDepth))
            stack_.push_back(State());
        else
            ++overflowDepth_;
    }

    void CloseGroup() {
        skipChars_ = 0;
        FlushFontName();
        if (overflowDepth_ > 0)
            --overflowDepth_;
        else if (stack_.size() > 1)
            stack_.pop_back();
    }

    // \uN fallback characters are skipped one control word, symbol or character at a time.
    bool SkippingFallback() {
        if (skipChars_ > 0) {
            --skipChars_;
            return true;
        }
        return false;
    }

    void ControlSequence() {
        if (pos_ >= in_.size())
            return;
        const char c = in_[pos_];
        if (IsLetter(c)) {
            ControlWord();
            return;
        }
        ++pos_;
        if (c == '\'') {
            int hi = pos_ < in_.size() ? HexValue(in_[pos_]) : -1;
            int lo = pos_ + 1 < in_.size() ? HexValue(in_[pos_ + 1]) : -1;
            if (hi < 0 || lo < 0)
                return;
            pos_ += 2;
            if (SkippingFallback())
                return;
            Character(Cp1251ToUnicode(static_cast<unsigned char>(hi * 16 + lo)));
            return;
        }
        if (SkippingFallback())
            return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            Character(static_cast<unsigned char>(c));
            break;
        case '~':
            Character(0x00A0);
            break;
        case '_':
            Character(0x2011);
            break;
        case '*':
            State().dest = Dest::Skip;
            break;
        case '\r':
        case '\n':
            Word("par", false, 0);
            break;
        default: // \- optional hyphen, \| \: and the rest: nothing to show
            break;
        }
    }

    void ControlWord() {
        const size_t start = pos_;
        while (pos_ < in_.size() && IsLetter(in_[pos_]))
            ++pos_;
        // RTF words are at most 32 letters; a longer run is nothing we know
        std::string_view word = in_.substr(start, std::min<size_t>(pos_ - start, 32));
        bool hasParam = false;
        bool negative = false;
        long long param = 0;
        if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() &&
            IsDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && IsDigit(in_[pos_])) {
            hasParam = true;
            if (param < INT_MAX)
                param = param * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        if (pos_ < in_.size() && in_[pos_] == ' ')
            ++pos_;
        param = std::min<long long>(param, INT_MAX);
        int value = static_cast<int>(negative ? -param : param);
        if (word == "bin") {
            // binary data: its bytes are never text, whatever the destination
            const size_t n = std::min<size_t>(hasParam && value > 0 ? value : 0, in_.size() - pos_);
            pos_ += n;
            return;
        }
        if (SkippingFallback())
            return;
        Word(word, hasParam, value);
    }

    void Word(std::string_view w, bool hasParam, int value) {
        GroupState &st = State();
        if (st.dest == Dest::Skip)
            return;
        if (w == "fonttbl") {
            st.dest = Dest::FontTable;
            return;
        }
        if (IsSkippedDestination(w)) {
            st.dest = Dest::Skip;
            return;
        }
        if (st.dest == Dest::FontTable) {
            FontTableWord(w, value);
            return;
        }
        RtfCharFormat &chr = st.chr;
        ParaProps &para = st.para;
        const bool on = !hasParam || value != 0;
        if (w == "par") {
            FlushParagraph(false);
        } else if (w == "pard") {
            para = ParaProps{};
        } else if (w == "plain") {
            chr = RtfCharFormat{};
            chr.font = defaultFont_;
        } else if (w == "b") {
            chr.bold = on;
        } else if (w == "i") {
            chr.italic = on;
        } else if (w == "ul") {
            chr.underline = on;
        } else if (w == "ulnone") {
            chr.underline = false;
        } else if (w == "fs") {
            chr.fontSize = hasParam && value > 0 ? std::min(value, 3276) : 24;
        } else if (w == "f") {
            chr.font = value;
        } else if (w == "deff") {
            defaultFont_ = value;
            chr.font = value;
        } else if (w == "sub") {
            chr.vAlign = RtfVAlign::Sub;
        } else if (w == "super") {
            chr.vAlign = RtfVAlign::Super;
        } else if (w == "nosupersub") {
            chr.vAlign = RtfVAlign::Normal;
        } else if (w == "ql") {
            para.align = RtfAlign::Left;
        } else if (w == "qc") {
            para.align = RtfAlign::Center;
        } else if (w == "qr") {
            para.align = RtfAlign::Right;
        } else if (w == "qj") {
            para.align = RtfAlign::Justify;
        } else if (w == "fi") {
            para.firstIndent = value;
        } else if (w == "li") {
            para.leftIndent = value;
        } else if (w == "ri") {
            para.rightIndent = value;
        } else if (w == "intbl") {
            para.inTable = true;
        } else if (w == "keepn") {
            para.keepNext = true;
        } else if (w == "tab") {
            Character(U'\t');
        } else if (w == "line") {
            Character(U'\n');
        } else if (w == "emdash") {
            Character(0x2014);
        } else if (w == "endash") {
            Character(0x2013);
        } else if (w == "bullet") {
            Character(0x2022);
        } else if (w == "lquote") {
            Character(0x2018);
        } else if (w == "rquote") {
            Character(0x2019);
        } else if (w == "ldblquote") {
            Character(0x201C);
        } else if (w == "rdblquote") {
            Character(0x201D);
        } else if (w == "u") {
            UnicodeChar(value);
        } else if (w == "uc") {
            st.uc = std::max(0, value);
        } else if (w == "trowd") {
            rowLeft_ = 0;
            rowGap_ = 0;
            rowHeader_ = false;
            edges_.clear();
            pendingBorder_ = false;
        } else if (w == "trgaph") {
            rowGap_ = value;
        } else if (w == "trleft") {
            rowLeft_ = value;
        } else if (w == "trhdr") {
            rowHeader_ = true;
        } else if (w == "clbrdrt" || w == "clbrdrl" || w == "clbrdrb" || w == "clbrdrr") {
            pendingBorder_ = true;
        } else if (w == "cellx") {
            if (edges_.size() < kMaxCellsPerRow)
                edges_.push_back({value, pendingBorder_});
            pendingBorder_ = false;
        } else if (w == "cell") {
            FlushParagraph(true);
            EndCell();
        } else if (w == "row") {
            if (!cell_.paragraphs.empty())
                EndCell();
            EndRow();
        }
    }

    void FontTableWord(std::string_view w, int value) {
        if (w == "f") {
            FlushFontName();
            fontId_ = value;
            doc_.fonts[fontId_];
        } else if (w.size() > 1 && w[0] == 'f' &&
                   (w == "fnil" || w == "froman" || w == "fswiss" || w == "fmodern" ||
                    w == "fscript" || w == "fdecor" || w == "ftech" || w == "fbidi")) {
            doc_.fonts[fontId_].family = std::string(w.substr(1));
        }
    }

    void FlushFontName() {
        if (State().dest != Dest::FontTable || fontName_.empty())
            return;
        const size_t b = fontName_.find_first_not_of(' ');
        const size_t e = fontName_.find_last_not_of(' ');
        if (b != std::string::npos)
            doc_.fonts[fontId_].name = fontName_.substr(b, e - b + 1);
        fontName_.clear();
    }

    void UnicodeChar(int value) {
        EmitUnit(value);
        skipChars_ = State().uc;
    }

    void EmitUnit(int value) {
        char32_t unit = static_cast<char16_t>(value); // negative values count from 65536
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (highSurrogate_ != 0)
                AppendText(State(), 0xFFFD);
            highSurrogate_ = unit;
            return;
        }
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            if (highSurrogate_ == 0) {
                Character(0xFFFD);
                return;
            }
            const char32_t cp = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00);
            highSurrogate_ = 0;
            Character(cp);
            return;
        }
        Character(unit);
    }

    void Character(char32_t cp) {
        GroupState &st = State();
        if (highSurrogate_ != 0) {
            // a high surrogate not followed by its low half
            highSurrogate_ = 0;
            AppendText(st, 0xFFFD);
        }
        AppendText(st, cp);
    }

    void AppendText(GroupState &st, char32_t cp) {
        if (st.dest == Dest::Skip)
            return;
        if (st.dest == Dest::FontTable) {
            if (cp == ';')
                FlushFontName();
            else
                AppendUtf8(fontName_, cp);
            return;
        }
        if (cp == 0)
            return;
        if (para_.runs.empty() || !(para_.runs.back().format == st.chr))
            para_.runs.push_back(RtfRun{{}, st.chr});
        AppendUtf8(para_.runs.back().text, cp);
    }

    void FlushParagraph(bool forceTable) {
        const ParaProps &p = State().para;
        para_.align = p.align;
        para_.firstIndent = p.firstIndent;
        para_.leftIndent = p.leftIndent;
        para_.rightIndent = p.rightIndent;
        para_.keepNext = p.keepNext;
        para_.mark = State().chr;
        if (p.inTable || forceTable) {
            cell_.paragraphs.push_back(std::move(para_));
        } else {
            CloseTable();
            doc_.blocks.emplace_back(std::move(para_));
        }
        para_ = RtfParagraph{};
    }

    void EndCell() {
        if (row_.cells.size() < kMaxCellsPerRow) {
            row_.cells.push_back(std::move(cell_));
        } else {
            // keep the text of surplus cells rather than drop it
            auto &last = row_.cells.back().paragraphs;
            std::move(cell_.paragraphs.begin(), cell_.paragraphs.end(), std::back_inserter(last));
        }
        cell_ = RtfTableCell{};
    }

    void EndRow() {
        row_.left = rowLeft_;
        row_.gap = rowGap_;
        row_.header = rowHeader_;
        int previous = rowLeft_;
        for (size_t i = 0; i < row_.cells.size() && i < edges_.size(); ++i) {
            const long long width = static_cast<long long>(edges_[i].right) - previous;
            row_.cells[i].width = static_cast<int>(std::clamp<long long>(width, 0, INT_MAX));
            row_.cells[i].bordered = edges_[i].bordered;
            previous = edges_[i].right;
        }
        table_.rows.push_back(std::move(row_));
        row_ = RtfTableRow{};
    }

    void CloseTable() {
        if (!cell_.paragraphs.empty())
            EndCell();
        if (!row_.cells.empty())
            EndRow();
        if (!table_.rows.empty())
            doc_.blocks.emplace_back(std::move(table_));
        table_ = RtfTableBlock{};
    }

    void Finish() {
        if (highSurrogate_ != 0) {
            highSurrogate_ = 0;
            AppendText(State(), 0xFFFD);
        }
        if (!para_.runs.empty())
            FlushParagraph(false);
        CloseTable();
    }

    std::string_view in_;
    size_t pos_ = 0;
    std::vector<GroupState> stack_;
    int overflowDepth_ = 0;
    int skipChars_ = 0;
    char32_t highSurrogate_ = 0;
    int defaultFont_ = 0;

    int fontId_ = 0;
    std::string fontName_;

    RtfDocument doc_;
    RtfParagraph para_;
    RtfTableCell cell_;
    RtfTableRow row_;
    RtfTableBlock table_;
    int rowLeft_ = 0;
    int rowGap_ = 0;
    bool rowHeader_ = false;
    bool pendingBorder_ = false;
    std::vector<CellEdge> edges_;
};

} // namespace

RtfDocument ParseRtf(std::string_view bytes) {
    return Parser(bytes).Run();
}

} // namespace orvane
