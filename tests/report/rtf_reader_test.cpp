#include "report/rtf_reader.h"

#include "core/codepage.h"
#include "sample_report.h"

#include <gtest/gtest.h>

#include <random>

namespace orvane {
namespace {

std::string CellText(const RtfTableCell &cell) {
    std::string out;
    for (const RtfParagraph &p : cell.paragraphs)
        out += (out.empty() ? "" : "+") + p.Text();
    return out;
}

// Paragraphs joined by "|", a table as [cell;cell/cell;cell].
std::string Flatten(const RtfDocument &doc) {
    std::string out;
    bool first = true;
    for (const RtfBlock &block : doc.blocks) {
        if (const auto *p = std::get_if<RtfParagraph>(&block); p && !first)
            out += '|';
        first = false;
        if (const auto *p = std::get_if<RtfParagraph>(&block)) {
            out += p->Text();
            continue;
        }
        out += '[';
        const RtfTableBlock &t = std::get<RtfTableBlock>(block);
        for (size_t r = 0; r < t.rows.size(); ++r) {
            out += r ? "/" : "";
            for (size_t c = 0; c < t.rows[r].cells.size(); ++c)
                out += (c ? ";" : "") + CellText(t.rows[r].cells[c]);
        }
        out += ']';
    }
    return out;
}

const RtfParagraph *FindParagraph(const RtfDocument &doc, const std::string &text) {
    for (const RtfBlock &block : doc.blocks)
        if (const auto *p = std::get_if<RtfParagraph>(&block); p && p->Text() == text)
            return p;
    return nullptr;
}

TEST(RtfReaderTest, ReportFromTheWriterReadsBackTextLayoutAndTable) {
    const RtfDocument doc = ParseRtf(test::SampleReport());

    EXPECT_EQ(
        Flatten(doc),
        "||Программа \"Орвейн\" разработана на основании"
        "|Методических рекомендаций к СП 7.13130.2013 (Расчётное определение"
        "|основных параметров противодымной вентиляции зданий, ВНИИПО, 2013)."
        "|Программа предназначена для расчёта основных параметров противодымной вентиляции"
        "|зданий различного назначения - жилых и общественных, производственных и складских, "
        "а также"
        "|многофункциональных зданий и комплексов, закрытых подземных и надземных автостоянок."
        "||РАСЧЁТ СИСТЕМЫ ВЫТЯЖНОЙ\nПРОТИВОДЫМНОЙ ВЕНТИЛЯЦИИ"
        "||ИСХОДНЫЕ ДАННЫЕ"
        "||Объект: Офис {1}|Температура T0 = 293 K"
        "|РАСЧЁТНЫЕ ВЕЛИЧИНЫ"
        "||L = 1000 м3/ч, ∑ζ = 2,5"
        "[Участок;L, м3/ч;ΔP, Па/Шахта;18000;251]"
        "||Итого");

    const RtfParagraph *note = FindParagraph(doc, "Программа \"Орвейн\" разработана на основании");
    ASSERT_TRUE(note);
    EXPECT_EQ(note->align, RtfAlign::Center);
    EXPECT_EQ(note->runs.at(0).format.fontSize, 16);

    // the title is one paragraph, its lines broken
    const RtfParagraph *title =
        FindParagraph(doc, "РАСЧЁТ СИСТЕМЫ ВЫТЯЖНОЙ\nПРОТИВОДЫМНОЙ ВЕНТИЛЯЦИИ");
    ASSERT_TRUE(title);
    EXPECT_TRUE(title->keepNext);
    EXPECT_EQ(title->align, RtfAlign::Center);
    EXPECT_TRUE(title->runs.at(0).format.bold);
    EXPECT_EQ(title->runs.at(0).format.fontSize, 20);

    const RtfParagraph *heading = FindParagraph(doc, "ИСХОДНЫЕ ДАННЫЕ");
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->align, RtfAlign::Left);
    EXPECT_EQ(heading->firstIndent, 708);
    EXPECT_TRUE(heading->runs.at(0).format.bold);

    // a line takes the paragraph settings in force at its closing \par
    const RtfParagraph *name = FindParagraph(doc, "Объект: Офис {1}");
    ASSERT_TRUE(name);
    EXPECT_EQ(name->firstIndent, 118);
    const RtfParagraph *line = FindParagraph(doc, "Температура T0 = 293 K");
    ASSERT_TRUE(line);
    ASSERT_EQ(line->runs.size(), 4u);
    EXPECT_TRUE(line->runs[0].format.bold);
    EXPECT_EQ(line->runs[1].text, " T");
    EXPECT_FALSE(line->runs[1].format.bold);
    EXPECT_EQ(line->runs[2].text, "0");
    EXPECT_EQ(line->runs[2].format.vAlign, RtfVAlign::Sub);
    EXPECT_EQ(line->runs[3].format.vAlign, RtfVAlign::Normal);

    const RtfParagraph *sum = FindParagraph(doc, "L = 1000 м3/ч, ∑ζ = 2,5");
    ASSERT_TRUE(sum);
    bool sawSuper = false, sawSum = false;
    for (const RtfRun &run : sum->runs) {
        sawSuper = sawSuper || (run.text == "3" && run.format.vAlign == RtfVAlign::Super);
        sawSum = sawSum || (run.text == "∑" && run.format.font == 1 && run.format.fontSize == 24);
    }
    EXPECT_TRUE(sawSuper);
    EXPECT_TRUE(sawSum);

    const RtfTableBlock *table = nullptr;
    for (const RtfBlock &block : doc.blocks)
        if (const auto *t = std::get_if<RtfTableBlock>(&block))
            table = t;
    ASSERT_TRUE(table);
    ASSERT_EQ(table->rows.size(), 2u);
    EXPECT_EQ(table->rows[0].left, 500);
    EXPECT_EQ(table->rows[0].gap, 108);
    const int widths[] = {1500, 1200, 1000};
    for (const RtfTableRow &row : table->rows) {
        ASSERT_EQ(row.cells.size(), 3u);
        for (size_t c = 0; c < 3; ++c) {
            EXPECT_EQ(row.cells[c].width, widths[c]);
            EXPECT_TRUE(row.cells[c].bordered);
        }
    }
    EXPECT_TRUE(table->rows[0].cells[0].paragraphs.at(0).runs.at(0).format.bold);
    EXPECT_FALSE(table->rows[1].cells[0].paragraphs.at(0).runs.at(0).format.bold);

    ASSERT_EQ(doc.fonts.size(), 4u);
    EXPECT_EQ(doc.fonts.at(0).name, "Arial CYR");
    EXPECT_EQ(doc.fonts.at(0).family, "swiss");
    EXPECT_EQ(doc.fonts.at(2).name, "Times New Roman Greek");
    EXPECT_EQ(doc.fonts.at(2).family, "roman");
}

struct SnippetCase {
    const char *rtf;
    const char *text;
};

TEST(RtfReaderTest, SnippetsReadAsTheirVisibleText) {
    const SnippetCase cases[] = {
        {"{\\rtf1 a\\par b}", "a|b"},
        {"{\\rtf1 \\foo12 x\\barbaz-3 y}", "xy"}, // unknown words vanish
        {"{\\rtf1{\\*\\generator Me;}{\\colortbl;\\red0;}{\\info{\\title T}}a}", "a"},
        {"{\\rtf1{\\stylesheet{\\s0 Normal;}}{\\*\\unknown {x}y}a}", "a"},
        {"{\\rtf1 \\u1055?a}", "Пa"},               // fallback of one character
        {"{\\rtf1\\uc2 \\u1055\\'cf\\'cfa}", "Пa"}, // \uc2: two fallback characters
        {"{\\rtf1\\uc0 \\u1055 a}", "Пa"},
        {"{\\rtf1\\uc3 {\\u1055?}a}", "Пa"},             // a group ends the fallback
        {"{\\rtf1 \\u-10179?\\u-8704?}", "😀"},           // surrogate pair
        {"{\\rtf1 \\u-10179?x}", "\xEF\xBF\xBDx"},       // lone high surrogate
        {"{\\rtf1 \\u-8704?x}", "\xEF\xBF\xBDx"},        // lone low surrogate
        {"{\\rtf1 \\'cf\\'f0\\'e8 \xcf\xf0}", "При Пр"}, // hex and raw 8-bit are cp1251
        {"{\\rtf1 \\\\ \\{ \\}\\~x}", "\\ { }\xC2\xA0x"},
        {"{\\rtf1 a\\tab b\\line c}", "a\tb\nc"},
        {"{\\rtf1 a\\\nb}", "a|b"}, // backslash-newline is \par
        {"{\\rtf1 a}}}b", "ab"},    // stray closing braces
        {"{\\rtf1 a", "a"},         // unclosed document
        {"{\\rtf1 a\\", "a"},
        {"{\\rtf1 a\\'c", "ac"},
        {"{\\rtf1 a\\'zzb}", "azzb"},
        {"{\\rtf1 a{\\pict\\bin3 }}}}b}", "ab"}, // binary bytes are not text
        {"{\\rtf1 a\\bin99999999999999999999 }", "a"},
        {"{\\rtf1 a\\fs99999999999999999999 b}", "ab"},
        {"{\\rtf1 \\trowd\\cellx100 x\\cell y\\cell \\row z}", "[x;y]|z"},
        {"{\\rtf1 \\intbl x\\cell}", "[x]"}, // a row never closed
        {"{\\rtf1 \\intbl p1\\par p2\\cell\\row}", "[p1+p2]"},
        {"", ""},
    };
    for (const SnippetCase &c : cases)
        EXPECT_EQ(Flatten(ParseRtf(c.rtf)), c.text) << c.rtf;
}

TEST(RtfReaderTest, UserTextReadsBackExactlyAsTyped) {
    const char *names[] = {"Офис {1}", "C:\\par\\b0 }{", "ЖК «Север» № 2 — корпус ½",
                           "\\u1055? literal", "😀 ∑ζ Δ"};
    for (const char *name : names) {
        RtfStream s = "{\\rtf1 ";
        RtfUserText(s, name);
        s += "}";
        EXPECT_EQ(Flatten(ParseRtf(s)), name) << s;
    }
}

TEST(RtfReaderTest, ParagraphAndCharacterControlsSetTheModel) {
    const RtfDocument doc =
        ParseRtf("{\\rtf1\\pard\\qr\\fi-300\\li200\\ri100\\ul u\\ul0\\i i\\i0\\plain p\\par"
                 "\\pard\\qj j\\par}");
    ASSERT_EQ(doc.blocks.size(), 2u);
    const auto &p = std::get<RtfParagraph>(doc.blocks[0]);
    EXPECT_EQ(p.align, RtfAlign::Right);
    EXPECT_EQ(p.firstIndent, -300);
    EXPECT_EQ(p.leftIndent, 200);
    EXPECT_EQ(p.rightIndent, 100);
    ASSERT_EQ(p.runs.size(), 3u);
    EXPECT_TRUE(p.runs[0].format.underline);
    EXPECT_TRUE(p.runs[1].format.italic);
    EXPECT_FALSE(p.runs[1].format.underline);
    EXPECT_EQ(p.runs[2].format, RtfCharFormat{});
    const auto &j = std::get<RtfParagraph>(doc.blocks[1]);
    EXPECT_EQ(j.align, RtfAlign::Justify);
    EXPECT_EQ(j.firstIndent, 0);
}

TEST(RtfReaderTest, HexEscapesDecodeAsWindows1251) {
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        if (byte == 0x98) // no character in Windows-1251
            continue;
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\'%02x", byte);
        const std::string expected = Cp1251ToUtf8(std::string(1, static_cast<char>(byte)));
        EXPECT_EQ(Flatten(ParseRtf(std::string("{\\rtf1 ") + hex + "}")), expected) << byte;
    }
}

TEST(RtfReaderTest, RowsKeepAtMost63CellsAndTheSurplusTextGoesToTheLast) {
    std::string rtf = "{\\rtf1\\trowd";
    for (int i = 1; i <= 100; ++i)
        rtf += "\\cellx" + std::to_string(i * 10);
    for (int i = 0; i < 100; ++i)
        rtf += "\\intbl c" + std::to_string(i) + "\\cell ";
    rtf += "\\row}";
    const RtfDocument doc = ParseRtf(rtf);
    ASSERT_EQ(doc.blocks.size(), 1u);
    const RtfTableRow &row = std::get<RtfTableBlock>(doc.blocks[0]).rows.at(0);
    ASSERT_EQ(row.cells.size(), 63u);
    EXPECT_EQ(row.cells[0].width, 10);
    EXPECT_EQ(row.cells.back().paragraphs.size(), 38u);
    EXPECT_EQ(row.cells.back().paragraphs.back().Text(), "c99");
}

TEST(RtfReaderTest, HostileInputParsesWithoutCrashing) {
    // deep nesting far beyond the group limit, then back out
    std::string deep =
        "{\\rtf1 " + std::string(200000, '{') + "\\b x" + std::string(200000, '}') + " y}";
    const RtfDocument nested = ParseRtf(deep);
    EXPECT_EQ(Flatten(nested), "x y");

    std::mt19937 random(12345);
    const std::string alphabet = "{}\\'*uc0123456789-abx \r\n\t\x80\xff;";
    for (int round = 0; round < 200; ++round) {
        std::string bytes;
        for (int i = 0; i < 2000; ++i)
            bytes += alphabet[random() % alphabet.size()];
        ParseRtf(bytes);
    }
}

} // namespace
} // namespace orvane
