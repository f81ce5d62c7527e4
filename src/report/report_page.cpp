#include "report/report_page.h"

#include "core/project_file.h"
#include "orvane/version.h"
#include "report/rtf_writer.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace orvane {

namespace {

std::string DateText(const std::tm &t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900);
    return buf;
}

// SOURCE_DATE_EPOCH as seconds; false when unset or not a whole non-negative number.
bool SourceDateEpoch(std::time_t &seconds) {
    const char *text = std::getenv("SOURCE_DATE_EPOCH");
    if (text == nullptr || *text == '\0')
        return false;
    long long value = 0;
    for (const char *p = text; *p; ++p) {
        if (!std::isdigit(static_cast<unsigned char>(*p)) || value > 253402300799LL) // year 9999
            return false;
        value = value * 10 + (*p - '0');
    }
    seconds = static_cast<std::time_t>(value);
    return true;
}

// The paragraph props a report writes, so a kept paragraph's props can be given back after it.
bool IsParagraphWord(std::string_view w) {
    return w == "fi" || w == "li" || w == "ri" || w == "qc" || w == "ql" || w == "qr" ||
           w == "qj" || w == "s" || w == "outlinelevel" || w == "keepn" || w == "keep" ||
           w == "sb" || w == "sa";
}

// One paragraph of the body, up to and including the "\par" that ends it.
struct Paragraph {
    size_t parEnd = 0;      // offset just past the letters of its "\par"; 0 for the last piece
    std::string propsAfter; // the paragraph props in effect at its "\par", without \keepn
    bool visible = false;   // holds a character other than blanks
    size_t textStart = 0;   // offset of its first character of text, blanks included
    bool textAtParLevel = false; // that character is in the group of the "\par"
    bool hasEquals = false; // a "=" in its text
    bool endsInEquals = false;
    bool table = false; // holds table rows
    bool underlined = false; // an underlined heading ("\ul")
};

std::vector<Paragraph> SplitParagraphs(std::string_view body) {
    std::vector<Paragraph> out;
    Paragraph cur;
    std::string props;
    std::vector<std::string> outerProps; // a group's end gives back the props at its start
    size_t textDepth = 0;
    bool textSeen = false;
    // text starts the paragraph for a word processor: its props must come before it
    const auto text = [&](size_t at) {
        if (!textSeen) {
            textSeen = true;
            cur.textStart = at;
            textDepth = outerProps.size();
        }
    };
    const auto seen = [&](size_t at) {
        text(at);
        cur.visible = true;
    };
    char lastVisible = 0;
    const size_t n = body.size();
    size_t i = 0;
    while (i < n) {
        const char c = body[i];
        if (c == '{') {
            outerProps.push_back(props);
        } else if (c == '}' && !outerProps.empty()) {
            props = outerProps.back();
            outerProps.pop_back();
        }
        if (c != '\\') {
            if (c == ' ' || c == '\t')
                text(i);
            if (c != '{' && c != '}' && c != ' ' && c != '\r' && c != '\n' && c != '\t') {
                seen(i);
                lastVisible = c;
                if (c == '=')
                    cur.hasEquals = true;
            }
            ++i;
            continue;
        }
        if (i + 1 >= n)
            break;
        const char next = body[i + 1];
        if (!std::isalpha(static_cast<unsigned char>(next))) {
            // a control symbol: "\\", "\{", "\}" are text; "\'hh" a character
            if (next == '\\' || next == '{' || next == '}' || next == '\'') {
                seen(i);
                lastVisible = next;
            }
            i += next == '\'' ? 4 : 2;
            continue;
        }
        size_t j = i + 1;
        while (j < n && std::isalpha(static_cast<unsigned char>(body[j])))
            ++j;
        const std::string_view word = body.substr(i + 1, j - i - 1);
        const size_t wordEnd = j;
        if (j < n && (body[j] == '-' || std::isdigit(static_cast<unsigned char>(body[j])))) {
            ++j;
            while (j < n && std::isdigit(static_cast<unsigned char>(body[j])))
                ++j;
        }
        const std::string_view token = body.substr(i, j - i);
        if (j < n && body[j] == ' ')
            ++j;
        if (word == "par") {
            cur.parEnd = wordEnd;
            cur.propsAfter = props;
            cur.endsInEquals = lastVisible == '=';
            cur.textAtParLevel = cur.visible && textDepth == outerProps.size();
            textSeen = false;
            out.push_back(cur);
            cur = Paragraph{};
            lastVisible = 0;
        } else if (word == "pard") {
            props.clear();
        } else if (word == "u") {
            seen(i);
        } else if (word == "tab" || word == "line") {
            text(i);
            lastVisible = 'u';
        } else if (word == "trowd" || word == "intbl") {
            cur.table = true;
        } else if (word == "ul") {
            cur.underlined = true;
        } else if (IsParagraphWord(word) && word != "keepn") {
            props += token;
        }
        i = j;
    }
    out.push_back(cur);
    return out;
}

} // namespace

std::string CalculationDateText() {
    std::time_t seconds = 0;
    if (SourceDateEpoch(seconds))
        return DateText(CalendarTime(seconds, true));
    return DateText(CalendarTime(std::time(nullptr)));
}

std::string ProgramVersionText() {
    return std::string(kVersionBanner);
}

std::string FooterLead(const ReportPageInfo &info) {
    std::string text;
    for (const std::string *field : {&info.projectName, &info.systemName, &info.projectFile}) {
        if (field->empty())
            continue;
        text += *field;
        text += " · ";
    }
    text += ProgramVersionText();
    if (!info.date.empty())
        text += " · " + info.date;
    return text;
}

std::string PageNumberText(int page, int pages) {
    return "стр. " + std::to_string(page) + " из " + std::to_string(pages);
}

std::string RtfHeaderTables(std::string_view title) {
    std::string plainTitle(title);
    for (size_t at = plainTitle.find("\\par "); at != std::string::npos;
         at = plainTitle.find("\\par ", at))
        plainTitle.replace(at, 5, " ");
    const std::string program = ProgramVersionText();
    std::string head;
    // the heading styles keep the look the headings always had; Word and LibreOffice show
    // them in their navigation pane
    head += "{\\stylesheet{\\s0\\snext0 Normal;}"
            "{\\s1\\qc\\keepn\\outlinelevel0\\b\\f0\\fs20\\sbasedon0\\snext0 heading 1;}"
            "{\\s2\\fi708\\keepn\\outlinelevel1\\b\\f0\\fs20\\sbasedon0\\snext0 heading 2;}"
            "{\\s3\\fi118\\keepn\\outlinelevel2\\b\\f0\\fs20\\sbasedon0\\snext0 heading 3;}}";
    head += "{\\*\\generator " + program + ";}";
    head += "{\\info{\\title " + plainTitle + "}{\\doccomm " + program + "}}";
    RtfStream out;
    RtfText(out, head);
    return out;
}

std::string RtfPageSetup(const ReportPageInfo &info) {
    std::string head;
    head += "\\paperw" + std::to_string(kPaperWidth) + "\\paperh" + std::to_string(kPaperHeight) +
            "\\margl" + std::to_string(kMarginLeft) + "\\margr" + std::to_string(kMarginRight) +
            "\\margt" + std::to_string(kMarginTop) + "\\margb" + std::to_string(kMarginBottom) +
            "\\widowctrl";
    // the footer names what users type: their braces and backslashes are escaped
    head += "{\\footer\\pard\\qc\\f0\\fs16 " + RtfEscapeUserText(FooterLead(info)) +
            " · стр. \\chpgn  из {\\field{\\*\\fldinst NUMPAGES }{\\fldrslt 1}}\\par}";
    RtfStream out;
    RtfText(out, head);
    return out;
}

std::string KeepLabelsWithValues(std::string_view body) {
    const std::vector<Paragraph> paragraphs = SplitParagraphs(body);
    const auto isLabel = [](const Paragraph &p) {
        return p.visible && !p.table && (!p.hasEquals || p.endsInEquals);
    };
    std::vector<bool> keep(paragraphs.size(), false);
    for (size_t k = 0; k + 1 < paragraphs.size(); ++k) {
        const Paragraph &p = paragraphs[k];
        const Paragraph &next = paragraphs[k + 1];
        if (p.parEnd == 0 || !isLabel(p))
            continue;
        if (next.visible && !next.table) {
            keep[k] = true;
        } else if (!next.visible && !next.table && k + 2 < paragraphs.size() &&
                   (paragraphs[k + 2].table || (p.underlined && paragraphs[k + 2].visible)) &&
                   next.parEnd != 0) {
            // a table's caption (or an underlined heading), the empty line and the table's first
            // row (the heading's first line) stay together
            keep[k] = true;
            keep[k + 1] = true;
        }
    }
    std::string out;
    out.reserve(body.size() + body.size() / 16);
    size_t from = 0;
    for (size_t k = 0; k < paragraphs.size(); ++k) {
        if (!keep[k])
            continue;
        const Paragraph &p = paragraphs[k];
        const size_t parStart = p.parEnd - 4; // the "\par" itself
        // LibreOffice takes \keepn only where it comes before the text, Word anywhere in the
        // paragraph: it goes before the first character unless a group closes in between
        if (p.textAtParLevel) {
            out.append(body.substr(from, p.textStart - from));
            out += "\\keepn ";
            from = p.textStart;
        }
        out.append(body.substr(from, parStart - from));
        out += p.textAtParLevel ? "\\par\\pard" : "\\keepn\\par\\pard";
        out += p.propsAfter;
        from = p.parEnd;
    }
    out.append(body.substr(from));
    return out;
}

} // namespace orvane
