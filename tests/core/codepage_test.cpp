#include "core/codepage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace orvane;

namespace {

TEST(Codepage, Windows1251RoundTripsEveryDefinedByte) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        if (b != 0x98) // the one byte without a character
            all.push_back(static_cast<char>(b));
    }
    const std::string utf8 = Cp1251ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    const std::optional<std::string> back = Utf8ToCp1251(utf8);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, all);
}

TEST(Codepage, EachMappedByteIsOneCharacterAndComesBack) {
    std::vector<std::string> seen;
    for (int b = 1; b < 256; ++b) {
        if (b == 0x98)
            continue;
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = Cp1251ToUtf8(byte);
        // one character, never the replacement mark, never shared with another byte
        EXPECT_EQ(Utf8ToUtf16(utf8).size(), 1u) << b;
        EXPECT_NE(utf8, "\xEF\xBF\xBD") << b;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), utf8), 0) << b;
        seen.push_back(utf8);
        EXPECT_EQ(Utf8ToCp1251(utf8), byte) << b;
    }
    // table corners: the first high byte, the gap neighbours, the letter block edges
    EXPECT_EQ(Cp1251ToUtf8("\x80\x97\x99\xBF\xC0\xFF"), "Ђ—™їАя");
    EXPECT_FALSE(Utf8ToCp1251("\xC2\x98")); // U+0098 has no byte: 0x98 stays a hole
}

TEST(Codepage, KnownLetters) {
    EXPECT_EQ(Cp1251ToUtf8("\xC0\xE1\xE2 \xA8\xB8 \xB9"), "Абв Ёё №");
    EXPECT_EQ(Utf8ToCp1251("Расчет «Ъ»"), std::string("\xD0\xE0\xF1\xF7\xE5\xF2 \xAB\xDA\xBB"));
    // The undefined byte is kept visible, never dropped.
    EXPECT_EQ(Cp1251ToUtf8("a\x98z"), "a\xEF\xBF\xBDz");
}

TEST(Codepage, UnrepresentableCharacterIsReportedNotReplaced) {
    struct Case {
        std::string text;
        std::string bad;
    };
    const std::vector<Case> cases = {
        {"Склад 仓库", "仓"},
        {"abc€x😀", "😀"},
        {"ü", "ü"},
        {"ok\xFF", "\xFF"},
    };
    for (const auto &c : cases) {
        std::string bad;
        EXPECT_FALSE(Utf8ToCp1251(c.text, &bad)) << c.text;
        EXPECT_EQ(bad, c.bad) << c.text;
    }
    EXPECT_TRUE(Utf8ToCp1251("€"));
    EXPECT_EQ(Utf8ToCp1251(""), std::string());
}

TEST(Codepage, Utf8Validation) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"", true},
        {"Дым", true},
        {"😀", true},
        {"\xC0\xAF", false},
        {"\xED\xA0\x80", false},
        {"\xD0", false},
        {"\x80", false},
        {"\xF4\x90\x80\x80", false},
    };
    for (const auto &[text, ok] : cases)
        EXPECT_EQ(IsValidUtf8(text), ok);
}

TEST(Codepage, Utf16WithSurrogatePairs) {
    const std::string text = "Дым 😀 x";
    const std::u16string u = Utf8ToUtf16(text);
    EXPECT_EQ(u, u"Дым 😀 x");
    EXPECT_EQ(Utf16ToUtf8(u), text);
    // Lone surrogates and malformed bytes become U+FFFD instead of breaking the text.
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800)) + u"a"), "\xEF\xBF\xBD"
                                                                       "a");
    EXPECT_EQ(Utf8ToUtf16("a\xFFz"), u"a\xFFFDz");
}

} // namespace
