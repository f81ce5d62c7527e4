#include "core/unicode_stream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace orvane;

namespace {

ByteStream Utf16Le(std::u16string_view text) {
    ByteStream s("\xFF\xFE", 2);
    for (char16_t c : text) {
        s.push_back(static_cast<char>(c & 0xFF));
        s.push_back(static_cast<char>(c >> 8));
    }
    return s;
}

std::vector<std::string> ReadAll(const ByteStream &s, int64_t pos = 0) {
    std::vector<std::string> lines;
    std::string line;
    while (StreamReadUnicodeLine(s, pos, line))
        lines.push_back(line);
    EXPECT_EQ(line, "");
    return lines;
}

TEST(UnicodeStream, WritesByteOrderMarkAndLittleEndianUnits) {
    ByteStream s = "old content";
    StreamStartUnicode(s);
    EXPECT_EQ(s, std::string("\xFF\xFE", 2));
    StreamAppendUnicode(s, "");
    StreamAppendUnicode(s, "Aж😀\r\n");
    EXPECT_EQ(s, std::string("\xFF\xFE"
                             "A\x00\x36\x04\x3D\xD8\x00\xDE\r\x00\n\x00",
                             14));
}

TEST(UnicodeStream, ReadsLinesEndedByCrLfCrOrLf) {
    EXPECT_EQ(ReadAll(Utf16Le(u"a\r\nb\rc\n")), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(ReadAll(Utf16Le(u"Дерево;13.8\r\n\r\nласт 😀")),
              (std::vector<std::string>{"Дерево;13.8", "", "ласт 😀"}));
    EXPECT_TRUE(ReadAll(Utf16Le(u"")).empty());
}

TEST(UnicodeStream, PositionRules) {
    const ByteStream s = Utf16Le(u"ab\ncd");
    std::string line = "x";
    int64_t pos = -1;
    EXPECT_FALSE(StreamReadUnicodeLine(s, pos, line));
    EXPECT_EQ(line, "");
    pos = 0; // raised past the byte-order mark
    ASSERT_TRUE(StreamReadUnicodeLine(s, pos, line));
    EXPECT_EQ(line, "ab");
    EXPECT_EQ(pos, 8);
    ASSERT_TRUE(StreamReadUnicodeLine(s, pos, line));
    EXPECT_EQ(line, "cd");
    EXPECT_EQ(pos, static_cast<int64_t>(s.size()));
    EXPECT_FALSE(StreamReadUnicodeLine(s, pos, line));
    // A lone trailing byte ends the reading instead of yielding empty lines for ever.
    const ByteStream odd = Utf16Le(u"z") + "\x41";
    EXPECT_EQ(ReadAll(odd), (std::vector<std::string>{"z"}));
    pos = 4;
    EXPECT_FALSE(StreamReadUnicodeLine(odd, pos, line));
    EXPECT_EQ(pos, 5);
}

TEST(UnicodeStream, WrittenTextReadsBack) {
    ByteStream s;
    StreamStartUnicode(s);
    StreamAppendUnicode(s, "Мебель;13.8;0.0145\r\n");
    StreamAppendUnicode(s, "Бумага «А4»;13.4;0.008\r\n");
    EXPECT_EQ(ReadAll(s),
              (std::vector<std::string>{"Мебель;13.8;0.0145", "Бумага «А4»;13.4;0.008"}));
}

TEST(UnicodeStream, AnsiAppendAllOrNothing) {
    ByteStream s = "x";
    EXPECT_TRUE(StreamAppendAnsi(s, "# Дым\r\n"));
    EXPECT_EQ(s, "x# \xC4\xFB\xEC\r\n");
    EXPECT_FALSE(StreamAppendAnsi(s, "Склад 仓库"));
    EXPECT_EQ(s, "x# \xC4\xFB\xEC\r\n");
}

} // namespace
