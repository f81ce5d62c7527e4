#include "report/report_document.h"
#include "report/rtf_writer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace orvane {
namespace {

std::string Fixture(const std::string &name) {
    std::ifstream in(std::string(TEST_DATA_DIR) + "/report/data/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::string kBorders = "\\clbrdrt\\brdrs\\brdrw10 \\clbrdrl\\brdrs\\brdrw10 "
                             "\\clbrdrb\\brdrs\\brdrw10 \\clbrdrr\\brdrs\\brdrw10 ";

TEST(RtfWriterTest, StartWritesThe325BytePrologueOverAnyContent) {
    RtfStream s = "old content";
    RtfStart(s);
    EXPECT_EQ(s.size(), 325u);
    EXPECT_EQ(s, kRtfPrologue);
    EXPECT_TRUE(s.starts_with("{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl"));
    EXPECT_TRUE(s.ends_with("Arial CYR;}}\\viewkind4"));
}

struct TextCase {
    const char *utf8;
    const char *rtf;
};

TEST(RtfWriterTest, TextEscapesEveryUtf16UnitAbove127AsSignedDecimal) {
    const TextCase cases[] = {
        {"", ""},
        {"Па", "\\u1055?\\u1072?"},
        {"\\u8729?", "\\u8729?"},                    // typed escape passes unchanged
        {"{\\b x}\\par", "{\\b x}\\par"},            // ASCII acts as RTF
        {"м³/ч", "\\u1084?\\u179?/\\u1095?"},        // units >= 128 but < 256 too
        {"\xC2\x80", "\\u128?"},                     // the first escaped unit
        {"\x7F", "\x7F"},                            // the last copied one
        {"\xE8\x80\x80", "\\u-32768?"},              // U+8000 wraps to negative
        {"\xEF\xBF\xBD", "\\u-3?"},                  // U+FFFD
        {"\xF0\x9F\x98\x80", "\\u-10179?\\u-8704?"}, // U+1F600 as a surrogate pair
        {"a\xFF"
         "b",
         "a\\u-3?b"},       // broken UTF-8 becomes U+FFFD
        {"\xD0", "\\u-3?"}, // truncated sequence
        {"\xD0"
         "A",
         "\\u-3?A"},                                  // a lead byte without its continuation
        {"\xC1\xBF", "\\u-3?\\u-3?"},                 // overlong two-byte form
        {"\xDF\xBF\xE0\xA0\x80", "\\u2047?\\u2048?"}, // the last two-byte character, the next
    };
    for (const TextCase &c : cases) {
        RtfStream s = "X";
        RtfText(s, c.utf8);
        EXPECT_EQ(s, std::string("X") + c.rtf) << c.utf8;
    }
    // a long run of non-ASCII text, written through a buffer in pieces, loses nothing
    std::string text;
    std::string expected = "X";
    for (int i = 0; i < 300; ++i) {
        text += i % 7 == 0 ? "\xF0\x9F\x98\x80" : "Я";
        expected += i % 7 == 0 ? "\\u-10179?\\u-8704?" : "\\u1071?";
    }
    RtfStream s = "X";
    RtfText(s, text);
    EXPECT_EQ(s, expected);
}

TEST(RtfWriterTest, UserTextEscapesBracesAndBackslashBeforeCyrillic) {
    const TextCase cases[] = {
        {"", ""},
        {"Офис {1}", "\\u1054?\\u1092?\\u1080?\\u1089? \\{1\\}"},
        {"C:\\par\\b", "C:\\\\par\\\\b"},
        {"}}{", "\\}\\}\\{"},
    };
    for (const TextCase &c : cases) {
        RtfStream s;
        RtfUserText(s, c.utf8);
        EXPECT_EQ(s, c.rtf) << c.utf8;
        // the escaped form for table cells is the same text before the \u escaping
        RtfStream viaCell;
        RtfText(viaCell, RtfEscapeUserText(c.utf8));
        EXPECT_EQ(viaCell, c.rtf) << c.utf8;
    }
}

TEST(RtfWriterTest, ControlCharactersNeverReachTheReportRaw) {
    const struct {
        std::string utf8;
        std::string rtf;
    } cases[] = {
        {std::string("a\0b", 3), "ab"},
        {"\x01\x1f", "\\'01\\'1f"},
        {"Этаж\x07", "\\u1069?\\u1090?\\u1072?\\u1078?\\'07"},
        {"\x1b\xd0\xad", "\\'1b\\u1069?"},
        {"tab\tlf\ncr\r", "tab\tlf\ncr\r"},
    };
    for (const auto &c : cases) {
        RtfStream s;
        RtfUserText(s, c.utf8);
        EXPECT_EQ(s, c.rtf) << c.utf8;
    }
    // a long run of them, past the escape buffer
    RtfStream s;
    RtfText(s, std::string(1000, '\x02') + std::string(1000, '\0'));
    EXPECT_EQ(s.size(), 4000u);
}

TEST(RtfWriterTest, TitleAndHeadingFrameTheirTextWithFixedControlWords) {
    RtfStream s;
    RtfTitle(s, "Тест");
    EXPECT_EQ(s, "\\pard\\b\\f0\\fs20\\par\\qc \\u1058?\\u1077?\\u1089?\\u1090?"
                 "\\par\\pard\\fi118\\b0");
    s.clear();
    RtfHeading(s, "A\\par B");
    EXPECT_EQ(s, "\\pard\\fi708\\b\\f0\\fs20\\par A\\par B\\par\\pard\\fi118\\b0");
}

TEST(RtfWriterTest, BeginReportAndFullDocumentMatchTheReferenceBytes) {
    struct {
        std::string_view title;
        const char *fixture;
    } cases[] = {{kExhaustReportTitle, "begin_report_exhaust.rtf"},
                 {kSupplyReportTitle, "begin_report_supply.rtf"}};
    for (const auto &c : cases) {
        ReportDocument doc;
        doc.BeginReport(c.title);
        doc.BuildFullReport();
        const std::string expected = Fixture(c.fixture);
        ASSERT_FALSE(expected.empty()) << c.fixture;
        EXPECT_EQ(doc.RTFull, expected) << c.fixture;
        // the body is 7-bit: nothing depends on a code page
        for (char ch : doc.RTFull)
            ASSERT_LT(static_cast<unsigned char>(ch), 0x80);
    }
}

TEST(RtfWriterTest, EmptyBodyGivesPrologueParAndClosingBrace) {
    ReportDocument doc;
    doc.BuildFullReport();
    EXPECT_EQ(doc.RTFull, std::string(kRtfPrologue) + "\\par }");
}

TEST(RtfWriterTest, RunningTwiceGivesTheSameReportNotTwoAppended) {
    ReportDocument doc;
    doc.BeginReport(kExhaustReportTitle);
    RtfText(doc.RTBody, "\\par \\bL\\b0  = 1");
    doc.BuildFullReport();
    const std::string first = doc.RTFull;
    doc.BeginReport(kExhaustReportTitle);
    RtfText(doc.RTBody, "\\par \\bL\\b0  = 1");
    doc.BuildFullReport();
    EXPECT_EQ(doc.RTFull, first);
    EXPECT_EQ(doc.RTFull.back(), '}');
}

TEST(RtfWriterTest, TableUsesTheShortestRowAndEachRowsOwnWidths) {
    auto row = [](int n, int width) {
        TRTFTableRow r;
        for (int i = 0; i < n; ++i)
            r.push_back({width, std::string(1, char('a' + i)), TRTFHorJustify::horjLeft, false});
        return r;
    };
    RtfStream s;
    RtfTable(s, {row(5, 100), row(4, 200), row(5, 300)});
    std::string expected;
    for (int width : {100, 200, 300}) {
        expected += "\\trowd\\trgaph108\\trleft500";
        for (int i = 1; i <= 4; ++i)
            expected += kBorders + "\\cellx" + std::to_string(500 + i * width) + " ";
        expected += "\\pard\\intbl a\\cell b\\cell c\\cell d\\cell \\row ";
    }
    expected += "\\pard ";
    EXPECT_EQ(s, expected);
}

TEST(RtfWriterTest, HeaderRowOfFiveBoldCyrillicCellsHasEdgesEvery1200Twips) {
    TRTFTableRow header;
    for (int i = 0; i < 5; ++i)
        header.push_back({1200, "Ш\\sub 1\\nosupersub ", TRTFHorJustify::horjCenter, true});
    RtfStream s = "\\par ";
    RtfTable(s, {header});
    std::string expected = "\\par \\trowd\\trgaph108\\trleft500";
    for (int edge : {1700, 2900, 4100, 5300, 6500})
        expected += kBorders + "\\cellx" + std::to_string(edge) + " ";
    expected += "\\pard\\intbl ";
    for (int i = 0; i < 5; ++i)
        expected += "\\b \\u1064?\\sub 1\\nosupersub \\b0 \\cell ";
    expected += "\\row \\pard ";
    EXPECT_EQ(s, expected);
}

TEST(RtfWriterTest, TableWithoutRowsOrColumnsWritesNothing) {
    RtfStream s = "x";
    RtfTable(s, {});
    RtfTable(s, {{}, {}});
    RtfTable(s, {{{100, "a", TRTFHorJustify::horjLeft, false}}, {}});
    EXPECT_EQ(s, "x");
}

} // namespace
} // namespace orvane
