#include "core/ini_file.h"

#include "core/codepage.h"
#include "core/file_io.h"
#include "core/number_text.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace orvane;

namespace {

const std::string kFixture = std::string(TEST_DATA_DIR) + "/core/data/project_cp1251_crlf.smkprj";

std::string ReadFixture() {
    std::string bytes;
    FileResult r = ReadFileBytes(kFixture, bytes);
    EXPECT_TRUE(r.ok) << r.error;
    return bytes;
}

class IniRealTest : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override { SetDecimalSeparator(GetParam()); }
    void TearDown() override { SetDecimalSeparator(','); }
};

INSTANTIATE_TEST_SUITE_P(BothSeparators, IniRealTest, ::testing::Values(',', '.'),
                         test::ParamName());

TEST_P(IniRealTest, WindowsFileReadsWithAnyCaseAndAnySeparator) {
    const IniFile ini = IniFile::FromBytes(ReadFixture());
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"Project", "Room", "FLoad"}));
    EXPECT_EQ(ini.readString("project", "NAME"), "Торговый центр «Север»");
    EXPECT_EQ(ini.readString("FLOAD", "fldname"), "Мебель + бытовые изделия");
    EXPECT_DOUBLE_EQ(ReadIniReal(ini, "Room", "RoomL", 0), 12.5);
    EXPECT_DOUBLE_EQ(ReadIniReal(ini, "room", "RoomW", 0), 8.25);
    EXPECT_DOUBLE_EQ(ReadIniReal(ini, "ROOM", "roomh", 0), 3.9);
    EXPECT_DOUBLE_EQ(ReadIniReal(ini, "Room", "AirTmp", 0), -26);
    EXPECT_DOUBLE_EQ(ReadIniReal(ini, "FLoad", "FLDensity", 0), 1.5e-5);
    EXPECT_DOUBLE_EQ(ReadIniReal(ini, "Room", "Missing", 7), 7);
    EXPECT_DOUBLE_EQ(ReadIniReal(ini, "Nowhere", "RoomL", 7), 7);
    EXPECT_FALSE(ini.hasSection("Shaft"));
}

TEST_P(IniRealTest, ReadIniRealTakesBothSeparatorsAndFallsBackOnText) {
    IniFile ini;
    const std::vector<std::pair<const char *, double>> cases = {
        {"1.5", 1.5}, {"1,5", 1.5}, {"-0,25", -0.25}, {"x", 9},
        {"", 9},      {"1,5,5", 9}, {"1e999", 9},     {" 2,5 ", 2.5},
    };
    for (const auto &[text, expected] : cases) {
        ini.setValue("S", "K", text);
        EXPECT_DOUBLE_EQ(ReadIniReal(ini, "S", "K", 9), expected) << text;
    }
}

TEST(IniFile, WindowsFileRoundTripIsByteIdentical) {
    const std::string bytes = ReadFixture();
    std::string error;
    const std::optional<std::string> out = IniFile::FromBytes(bytes).toBytes(&error);
    ASSERT_TRUE(out) << error;
    EXPECT_EQ(*out, bytes);
}

TEST(IniFile, ReadingRules) {
    // LF lines, blanks, lines outside sections, repeated sections and keys, padded names.
    const std::string text = "orphan=1\n"
                             "[A]\n"
                             "\n"
                             "  Key = first \n"
                             "KEY=second\n"
                             "; note\n"
                             "[ b ]\r\n"
                             "x=1\r\n"
                             "[a]\n"
                             "other=3\n"
                             "[Ключи]\n"
                             "Имя=Ёлка\n";
    const IniFile ini = IniFile::FromBytes(*Utf8ToCp1251(text));
    EXPECT_EQ(ini.readString("a", "key"), "first");
    EXPECT_EQ(ini.value("A", "other"), std::nullopt); // the first [A] wins
    EXPECT_EQ(ini.readString("B", "X"), "1");
    EXPECT_EQ(ini.value("A", "orphan"), std::nullopt);
    EXPECT_EQ(ini.readString("A", "missing", "dflt"), "dflt");
    EXPECT_EQ(ini.readString("кЛЮЧИ", "ИМЯ"), "Ёлка");
}

TEST(IniFile, WritingKeepsOrderRewritesInPlaceAndAppendsNewKeys) {
    IniFile ini = IniFile::FromBytes("[One]\r\na=1\r\nb=2\r\n[Two]\r\nc=3\r\n");
    ini.setValue("one", "A", "10");        // in place, the stored spelling of the key kept
    ini.setValue("One", "d", "4");         // end of its section
    ini.setValue("Three", "Имя", "Дом");   // new section at the end
    ini.setValue("THREE", "имя", "Склад"); // ...found again by any spelling
    ini.setPreamble("\r\n# header\r\n\r\n");
    const std::optional<std::string> out = ini.toBytes();
    ASSERT_TRUE(out);
    EXPECT_EQ(*out, "\r\n# header\r\n\r\n[One]\r\na=10\r\nb=2\r\nd=4\r\n[Two]\r\nc=3\r\n[Three]\r\n"
                    "\xC8\xEC\xFF=\xD1\xEA\xEB\xE0\xE4\r\n");
}

TEST(IniFile, TextWindows1251CannotHoldStopsTheWriteWithItsKey) {
    IniFile ini;
    ini.setValue("Project", "Name", "Склад 仓库");
    std::string error;
    EXPECT_FALSE(ini.toBytes(&error));
    EXPECT_NE(error.find("仓"), std::string::npos) << error;
    EXPECT_NE(error.find("Name"), std::string::npos) << error;
    EXPECT_NE(error.find("[Project]"), std::string::npos) << error;
}

TEST(IniFile, Utf8FileWithByteOrderMarkReads) {
    const IniFile ini = IniFile::FromBytes("\xEF\xBB\xBF[Project]\r\nName=Север\r\n");
    EXPECT_EQ(ini.readString("Project", "Name"), "Север");
}

TEST(IniFile, WrittenFileReadsBackToTheSameBytes) {
    // Random INI-like Windows-1251 texts: what is written once is a fixed point of read-write.
    const std::string alphabet = "[]=; \r\n\r\naAbB1,\xC0\xE0\xA8\xB8#";
    std::mt19937 rng(7);
    for (int i = 0; i < 2000; ++i) {
        std::string bytes;
        const int length = static_cast<int>(rng() % 60);
        for (int k = 0; k < length; ++k)
            bytes.push_back(alphabet[rng() % alphabet.size()]);
        const std::optional<std::string> once = IniFile::FromBytes(bytes).toBytes();
        ASSERT_TRUE(once) << bytes;
        const IniFile again = IniFile::FromBytes(*once);
        EXPECT_EQ(again.toBytes(), once) << bytes;
        const IniFile first = IniFile::FromBytes(bytes);
        for (const std::string &section : first.sectionNames())
            EXPECT_EQ(again.value(section, "a"), first.value(section, "a")) << bytes;
    }
}

TEST(IniFile, HeaderIsWrittenBackByteForByte) {
    // 0x98 has no Windows-1251 character, and a UTF-8 header read as Windows-1251 is full of it:
    // the header must not grow or change on every open and save. A header of a UTF-8 file that
    // opens with a second mark must not make the written file look like UTF-8 either.
    struct Case {
        std::string read, written;
    };
    for (const Case &c :
         {Case{"# \x98 hole\r\n", "# \x98 hole\r\n"},
          Case{"\\par \xD0\x98\xD0\x9F\n# \xC0\r\n", "\\par \xD0\x98\xD0\x9F\r\n# \xC0\r\n"},
          Case{"\xEF\xBB\xBF\xEF\xBB\xBF# \xF3\r\n", "# \xF3\r\n"}}) {
        SCOPED_TRACE(c.read);
        const std::optional<std::string> once =
            IniFile::FromBytes(c.read + "[A]\r\nk=1\r\n").toBytes();
        ASSERT_TRUE(once);
        EXPECT_EQ(*once, c.written + "[A]\r\nk=1\r\n");
        EXPECT_EQ(IniFile::FromBytes(*once).toBytes(), once);
    }
}

// Bytes that are no INI at all are kept line by line: written back with CR LF, read again to the
// same sections, and written again to the same bytes (opening and saving never loses them).
TEST(IniFile, GarbageLinesSurviveAWrite) {
    const struct {
        std::string bytes, written;
    } cases[] = {
        {std::string("\0\0[\0]=\xFF\x98\n", 9), std::string("\0\0[\0]=\xFF\x98\r\n", 10)},
        {"[", "[\r\n"},
        {"]", "]\r\n"},
        {"=", "=\r\n"},
        {"[]\n=\n", "[]\r\n=\r\n"},
        {std::string(1000, '['), std::string(1000, '[') + "\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes.substr(0, 10));
        const IniFile ini = IniFile::FromBytes(c.bytes);
        std::string error;
        const std::optional<std::string> written = ini.toBytes(&error);
        ASSERT_TRUE(written.has_value()) << error;
        EXPECT_EQ(*written, c.written);
        const IniFile reread = IniFile::FromBytes(*written);
        EXPECT_EQ(reread.sectionNames(), ini.sectionNames());
        EXPECT_EQ(reread.toBytes(), written);
    }
}

} // namespace
