#include "catalogs/fire_load_catalog.h"

#include "core/file_io.h"
#include "core/number_text.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;

// UTF-16LE bytes of ASCII text, for hand-built fixtures.
std::string Utf16Ascii(const std::string &ascii) {
    std::string bytes;
    for (char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

const std::string kBom("\xFF\xFE", 2);

class CatalogFileTest : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override {
        SetDecimalSeparator(GetParam());
        dir_ = orvane::test::MakeTempFolder("orvane-catalogs-");
        ASSERT_FALSE(dir_.empty());
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, ec);
        fs::remove_all(dir_, ec);
        SetDecimalSeparator(',');
    }
    std::string Path(const char *name = FireLoadsFileName) const {
        return (fs::path(dir_) / name).string();
    }
    void Write(const std::string &bytes, const char *name = FireLoadsFileName) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }
    std::string Read(const char *name = FireLoadsFileName) const {
        std::ifstream in(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::string dir_;
};

TEST_P(CatalogFileTest, MissingFileGivesTheBuiltInListSilently) {
    FireLoadCatalog loads;
    EXPECT_FALSE(loads.load(Path()));
    EXPECT_EQ(loads.Items, BuiltInFireLoads());
    EXPECT_FALSE(loads.Modified);
    EXPECT_FALSE(loads.LoadFailed());
    EXPECT_FALSE(loads.takeLoadWarning());

    FireLoadDensityCatalog densities;
    EXPECT_FALSE(densities.load(Path(FLDensitiesFileName)));
    EXPECT_EQ(densities.Items, BuiltInFireLoadDensities());
}

TEST_P(CatalogFileTest, SavedFileIsUtf16WithCrLfAndDotDecimals) {
    FireLoadCatalog loads;
    loads.Items = {{"\xD0\x91", 14.4, 0.0154, 0.0135}, {"A b", 20, 0, -1.5}}; // "Б"
    loads.Modified = true;
    ASSERT_TRUE(loads.save(Path()).ok);
    EXPECT_FALSE(loads.Modified);
    EXPECT_EQ(Read(), kBom + std::string("\x11\x04", 2) + Utf16Ascii(";14.4;0.0154;0.0135\r\n") +
                          Utf16Ascii("A b;20;0;-1.5\r\n"));

    FireLoadDensityCatalog densities;
    densities.Items = {{"q", 16800}, {"", 0.5}};
    ASSERT_TRUE(densities.save(Path(FLDensitiesFileName)).ok);
    EXPECT_EQ(Read(FLDensitiesFileName), kBom + Utf16Ascii("q;16800\r\n;0.5\r\n"));
}

TEST_P(CatalogFileTest, BuiltInListsSurviveASaveAndLoad) {
    FireLoadCatalog loads;
    loads.Items = BuiltInFireLoads();
    ASSERT_TRUE(loads.save(Path()).ok);
    FireLoadCatalog reread;
    EXPECT_TRUE(reread.load(Path()));
    EXPECT_EQ(reread.Items, BuiltInFireLoads());

    FireLoadDensityCatalog densities;
    densities.Items = BuiltInFireLoadDensities();
    ASSERT_TRUE(densities.save(Path(FLDensitiesFileName)).ok);
    FireLoadDensityCatalog rereadDensities;
    EXPECT_TRUE(rereadDensities.load(Path(FLDensitiesFileName)));
    EXPECT_EQ(rereadDensities.Items, BuiltInFireLoadDensities());
}

TEST_P(CatalogFileTest, LinesBecomeRecordsWhateverTheDecimalSeparator) {
    Write(kBom + Utf16Ascii("a;1.5;0.01;0.02\r\n\r\nb;1,5;0,01\r\nc;x;;12abc\nd\r\n"));
    FireLoadCatalog loads;
    EXPECT_TRUE(loads.load(Path()));
    const std::vector<TFireLoad> expected = {{"a", 1.5, 0.01, 0.02},
                                             {"", 0, 0, 0},
                                             {"b", 1.5, 0.01, 0},
                                             {"c", 0, 0, 12},
                                             {"d", 0, 0, 0}};
    EXPECT_EQ(loads.Items, expected);
    EXPECT_FALSE(loads.LoadFailed());
}

TEST_P(CatalogFileTest, EmptyListSavedStaysEmptyOnReload) {
    FireLoadDensityCatalog densities;
    ASSERT_TRUE(densities.save(Path(FLDensitiesFileName)).ok);
    EXPECT_EQ(Read(FLDensitiesFileName), kBom);
    EXPECT_TRUE(densities.load(Path(FLDensitiesFileName)));
    EXPECT_TRUE(densities.Items.empty());
}

TEST_P(CatalogFileTest, HandEditedEncodingsStillReadTheirNames) {
    const std::string nameUtf8 =
        "\xD0\x9F\xD0\xB0\xD1\x80\xD0\xBA\xD0\xB8\xD0\xBD\xD0\xB3"; // Паркинг
    const std::string nameCp1251 = "\xCF\xE0\xF0\xEA\xE8\xED\xE3";
    std::string utf16;
    for (char16_t u : std::u16string(u"Паркинг;400\r\n")) {
        utf16 += static_cast<char>(u & 0xFF);
        utf16 += static_cast<char>(u >> 8);
    }
    const std::string files[] = {
        nameUtf8 + ";400\r\n",
        "\xEF\xBB\xBF" + nameUtf8 + ";400\r\n",
        nameCp1251 + ";400\r\n",
        utf16,
    };
    for (const std::string &bytes : files) {
        Write(bytes, FLDensitiesFileName);
        FireLoadDensityCatalog densities;
        EXPECT_TRUE(densities.load(Path(FLDensitiesFileName)));
        EXPECT_EQ(densities.Items, (std::vector<TFireLoadDensity>{{nameUtf8, 400}}));
        EXPECT_FALSE(densities.takeLoadWarning());
    }
}

TEST_P(CatalogFileTest, UnreadableFileFallsBackAndWarnsOnce) {
    const std::string junk[] = {std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16),
                                kBom + std::string("\x01\x00\x02\x00", 4),
                                std::string("abc\0\x01\x02\x03\x04\x05", 10)};
    for (const std::string &bytes : junk) {
        Write(bytes);
        FireLoadCatalog loads;
        EXPECT_FALSE(loads.load(Path()));
        EXPECT_EQ(loads.Items, BuiltInFireLoads());
        EXPECT_TRUE(loads.LoadFailed());
        EXPECT_EQ(loads.takeLoadWarning(),
                  "Файл FireLoads.csv не удалось прочитать, загружен встроенный список.");
        EXPECT_FALSE(loads.takeLoadWarning());
    }

    fs::create_directory(Path(FLDensitiesFileName));
    FireLoadDensityCatalog densities;
    EXPECT_FALSE(densities.load(Path(FLDensitiesFileName)));
    EXPECT_EQ(densities.Items, BuiltInFireLoadDensities());
    EXPECT_EQ(densities.takeLoadWarning(), "Файл FLDensities.csv не удалось прочитать (это папка, "
                                           "а не файл), загружен встроенный список.");

    // a file far bigger than any catalogue is not read at all
    Write(kBom);
    fs::resize_file(Path(), kMaxReadBytes + 2);
    FireLoadCatalog huge;
    EXPECT_FALSE(huge.load(Path()));
    EXPECT_EQ(huge.Items, BuiltInFireLoads());
    EXPECT_EQ(huge.takeLoadWarning(), "Файл FireLoads.csv не удалось прочитать (файл больше 8 МБ), "
                                      "загружен встроенный список.");
}

TEST_P(CatalogFileTest, OverlongDigitRunReadsAsZeroNotInfinity) {
    Write(kBom + Utf16Ascii("big;" + std::string(400, '9') + "\r\n"), FLDensitiesFileName);
    FireLoadDensityCatalog densities;
    EXPECT_TRUE(densities.load(Path(FLDensitiesFileName)));
    ASSERT_EQ(densities.Items.size(), 1u);
    EXPECT_EQ(densities.Items[0].FLDensity, 0);
}

TEST_P(CatalogFileTest, ValuesWrittenWithAnExponentReadBackUnchanged) {
    FireLoadCatalog loads;
    loads.Items = {{"a", 5.2e22, 1.2e-5, -3.5e-7}};
    ASSERT_TRUE(loads.save(Path()).ok);
    ASSERT_NE(Read().find(Utf16Ascii("E-5")), std::string::npos); // the case at stake
    EXPECT_TRUE(loads.load(Path()));
    EXPECT_EQ(loads.Items, (std::vector<TFireLoad>{{"a", 5.2e22, 1.2e-5, -3.5e-7}}));
}

TEST_P(CatalogFileTest, NamesCannotSplitTheirRecord) {
    FireLoadDensityCatalog densities;
    densities.Items = {{"a;b\r\nc", 1}};
    ASSERT_TRUE(densities.save(Path(FLDensitiesFileName)).ok);
    EXPECT_TRUE(densities.load(Path(FLDensitiesFileName)));
    EXPECT_EQ(densities.Items, (std::vector<TFireLoadDensity>{{"a b  c", 1}}));
}

TEST_P(CatalogFileTest, FailedSaveKeepsTheListModifiedAndTheFileWhole) {
    // the target's folder is a plain file: no write can succeed, whoever runs the test
    Write("keep", "blocker");
    FireLoadCatalog loads;
    loads.Items = BuiltInFireLoads();
    loads.Modified = true;
    const std::string target = (fs::path(Path("blocker")) / FireLoadsFileName).string();
    const FileResult result = loads.save(target);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("FireLoads.csv"), std::string::npos) << result.error;
    EXPECT_TRUE(loads.Modified);
    EXPECT_EQ(Read("blocker"), "keep");
}

INSTANTIATE_TEST_SUITE_P(Separators, CatalogFileTest, ::testing::Values(',', '.'),
                         test::ParamName());

TEST(BuiltInCatalogTest, ListsHoldTheirEntriesInOrder) {
    const auto &loads = BuiltInFireLoads();
    ASSERT_EQ(loads.size(), 24u);
    EXPECT_EQ(loads.front(),
              (TFireLoad{"Здания I и II степени огнестойкости: мебель + бытовые изделия", 13.8,
                         0.0108, 0.0145}));
    EXPECT_EQ(loads.back(), (TFireLoad{"Клееные стройматериалы: фанера", 18.4, 0.0167, 0.0089}));
    EXPECT_EQ(DefaultFireLoad(), (TFireLoad{"Мебель: дерево + облицовка", 14.4, 0.0154, 0.0135}));
    EXPECT_EQ(DefaultFireLoad(), loads[14]);

    const auto &densities = BuiltInFireLoadDensities();
    ASSERT_EQ(densities.size(), 17u);
    EXPECT_EQ(densities.front(), (TFireLoadDensity{"Книгохранилище, архив (Н=2 м)", 16800}));
    EXPECT_EQ(densities.back(), (TFireLoadDensity{"Гардероб (с деревянными шкафами)", 800}));
    EXPECT_EQ(DefaultFireLoadDensity(),
              (TFireLoadDensity{"Многоквартирные жилые дома: квартира до 100 кв.м", 600}));
}

TEST(BuiltInCatalogTest, FilePathJoinsTheDataFolder) {
    EXPECT_EQ(FireLoadCatalog::FilePath("/opt/orvane/"), "/opt/orvane/FireLoads.csv");
    EXPECT_EQ(FireLoadDensityCatalog::FilePath("/opt/orvane"),
              std::string("/opt/orvane") + PathDelimiter() + "FLDensities.csv");
}

} // namespace
} // namespace orvane
