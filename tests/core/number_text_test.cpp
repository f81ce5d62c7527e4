#include "core/number_text.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace orvane;

namespace {

// Expected texts are written with ","; the "." run swaps it in.
std::string WithSeparator(std::string s, char separator) {
    for (char &c : s) {
        if (c == ',')
            c = separator;
    }
    return s;
}

class NumberTextTest : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override { SetDecimalSeparator(GetParam()); }
    void TearDown() override { SetDecimalSeparator(','); }
    std::string Sep(const std::string &s) const { return WithSeparator(s, GetParam()); }
};

INSTANTIATE_TEST_SUITE_P(BothSeparators, NumberTextTest, ::testing::Values(',', '.'),
                         test::ParamName());

struct TextCase {
    const char *in;
    const char *out;
};

TEST_P(NumberTextTest, SanitizeKeepsDigitsFirstSeparatorAndLeadingMinus) {
    const std::vector<TextCase> cases = {
        {"12,5", "12,5"},      {"12.5", "12,5"}, {"1.2.3", "1,23"}, {" -3 м", "3"}, {"-3", "-3"},
        {"--3", "-3"},         {"", "0"},        {"abc", "0"},      {"-", "-0"},    {".5", ",5"},
        {"1 000,5", "1000,5"}, {"5,", "5,"},     {"3e5", "35"},
    };
    for (const auto &c : cases) {
        std::string out = SanitizeNumberText(c.in);
        EXPECT_EQ(out, Sep(c.out)) << c.in;
        double v = 7;
        EXPECT_TRUE(TryTextToReal(out, v)) << "sanitised text must convert: " << out;
    }
}

TEST_P(NumberTextTest, TextToRealAcceptsOnlyTheCurrentSeparatorAndWholeText) {
    struct Case {
        const char *text;
        bool ok;
        double value;
    };
    const std::vector<Case> cases = {
        {"1,5", true, 1.5},  {"-0,25", true, -0.25}, {"5,", true, 5},     {",5", true, 0.5},
        {"1e3", true, 1000}, {"42", true, 42},       {"", false, 0},      {"abc", false, 0},
        {"1,5x", false, 0},  {"inf", false, 0},      {"nan", false, 0},   {"1e400", false, 0},
        {"-", false, 0},     {",", false, 0},        {"1,2,3", false, 0},
    };
    for (const auto &c : cases) {
        double v = -99;
        EXPECT_EQ(TryTextToReal(Sep(c.text), v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        }
    }
    const std::string other = GetParam() == ',' ? "1.5" : "1,5";
    double v = 0;
    EXPECT_FALSE(TryTextToReal(other, v));
}

TEST_P(NumberTextTest, ReadRealInputNeverYieldsNonFinite) {
    EXPECT_DOUBLE_EQ(ReadRealInput("12,5 м"), 12.5);
    EXPECT_DOUBLE_EQ(ReadRealInput("1.2.3"), 1.23);
    EXPECT_DOUBLE_EQ(ReadRealInput("abc"), 0);
    EXPECT_DOUBLE_EQ(ReadRealInput("-7.5"), -7.5);
    EXPECT_DOUBLE_EQ(ReadRealInput(std::string(400, '9')), 0); // beyond double: 0, not inf
}

TEST_P(NumberTextTest, GeneralFormatBoundariesAndRounding) {
    struct Case {
        double x;
        int significant;
        const char *out;
    };
    const std::vector<Case> cases = {
        {0.0, 15, "0"},
        {-0.0, 15, "0"},
        {1, 15, "1"},
        {-1.5, 15, "-1,5"},
        {0.0001, 15, "0,0001"},
        {0.00001, 15, "1E-5"},
        {-0.000099, 15, "-9,9E-5"},
        {1.5e-10, 15, "1,5E-10"},
        {999999999999999.0, 15, "999999999999999"},
        {1e15, 15, "1E15"},
        {9.999999999999999e14, 15, "1E15"}, // rounding carries into the next exponent
        {123456789012345678.0, 15, "1,23456789012346E17"},
        {0.1 + 0.2, 15, "0,3"},
        {1.0 / 3, 15, "0,333333333333333"},
        {2.0 / 3, 15, "0,666666666666667"},
        {123456789012344.5, 15, "123456789012345"}, // exact tie: away from zero
        {-123456789012344.5, 15, "-123456789012345"},
        {0.125, 2, "0,13"},
        {2.5, 1, "3"},
        {0.15, 1, "0,1"},                                 // the double is just below 0.15
        {0.45, 1, "0,5"},                                 // the double is just above 0.45
        {12345678901234550.0, 15, "1,23456789012346E16"}, // exact tie above 10^15
        {12345678901234548.0, 15, "1,23456789012345E16"},
        {2.5e23, 1, "2E23"}, // the double is just below 2.5e23
        {1.5e23, 1, "2E23"}, // and this one just above 1.5e23
        {1e300, 15, "1E300"},
        {5e-324, 15, "4,94065645841247E-324"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatGeneral(c.x, c.significant), Sep(c.out)) << c.x;
}

TEST_P(NumberTextTest, BankersFormatsRoundTiesToEvenInExtendedPrecision) {
    struct Case {
        std::string (*format)(double);
        double x;
        const char *out;
    };
    // Only exact ties go to even: 0.00015, 0.0000125 and 0.0001235 are not ties as doubles.
    const std::vector<Case> cases = {
        {F62, 0.125, "0,12"},
        {F62, 0.375, "0,38"},
        {F62, 2, "2"},
        {F62, 1234.5, "1234,5"},
        {F62, 0.135, "0,14"},
        {F62, 2.5, "2,5"},
        {F62, -0.125, "-0,12"},
        {F62, -0.001, "0"},
        {F62, 0.015, "0,01"},
        {F62, 1e20, "1E20"},
        {F62, 17565.455, "17565,46"},
        {F63, 1.0005, "1"},
        {F63, 0.0625, "0,062"},
        {F63, 2.0 / 3, "0,667"},
        {F64, 0.00005, "0,0001"},
        {F64, 0.00015, "0,0001"},
        {F64, 1.23456, "1,2346"},
        {F66, 0.0000123, "1,2E-5"},
        {F66, 0.0000125, "1,3E-5"},
        {F66, 1e-7, "0"},
        {F66, 0.0001235, "0,000123"},
        // x * 10^6 lies just off the tie but its extended product lands on it: then to even
        {F66, 55.5311515, "55,531152"},
        {F66, 70.0861345, "70,086134"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.format(c.x), Sep(c.out)) << c.x;
}

TEST_P(NumberTextTest, FixedFormatsRoundHalfAwayToSixSignificantDigits) {
    struct Case {
        std::string (*format)(double);
        double x;
        const char *out;
    };
    const std::vector<Case> cases = {
        {FormatFixed2, 2, "2,00"},
        {FormatFixed2, 0.005, "0,01"},
        {FormatFixed2, 1.125, "1,13"}, // exact tie
        {FormatFixed2, -1.125, "-1,13"},
        {FormatFixed2, -0.004, "0,00"},
        {FormatFixed2, -0.0, "0,00"},
        {FormatFixed2, 0.0001, "0,00"},
        {FormatFixed2, 1234.567, "1234,57"},
        {FormatFixed2, 12345.678, "12345,70"},
        {FormatFixed2, 123456.789, "123457,00"},
        {FormatFixed2, 999999.4, "999999,00"},
        {FormatFixed2, 999999.6, "1E06"},
        {FormatFixed2, 9799934.2, "9,79993E06"},
        {FormatFixed2, 1000000, "1E06"},
        {FormatFixed2, -15000000, "-1,5E07"},
        {FormatFixed2, 1.5e120, "1,5E120"},
        {FormatFixed4, 0.12345, "0,1235"},
        {FormatFixed4, 2, "2,0000"},
        {FormatFixed4, 12.345678, "12,3457"},
        {FormatFixed4, 0.00005, "0,0001"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.format(c.x), Sep(c.out)) << c.x;
}

TEST_P(NumberTextTest, FloatToDotStrAlwaysWritesADot) {
    EXPECT_EQ(FloatToDotStr(1.5), "1.5");
    EXPECT_EQ(FloatToDotStr(-0.00001), "-1E-5");
    EXPECT_EQ(FloatToDotStr(1e15), "1E15");
    EXPECT_EQ(FloatToDotStr(42), "42");
}

TEST(NumberText, RoundedIntTakesHalvesToEven) {
    const std::vector<std::pair<double, const char *>> cases = {
        {17565.5, "17566"}, {17564.5, "17564"}, {593.4, "593"},
        {2.5, "2"},         {-2.5, "-2"},       {-0.4, "0"},
        {-0.5, "0"},        {0.5000001, "1"},   {1e20, "100000000000000000000"},
    };
    for (const auto &[x, out] : cases)
        EXPECT_EQ(FormatRoundedInt(x), out) << x;
}

TEST(NumberText, RoundHalfEvenReturnsTheRoundedNumber) {
    EXPECT_DOUBLE_EQ(RoundHalfEven(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(RoundHalfEven(0.135, 2), 0.14);
    EXPECT_DOUBLE_EQ(RoundHalfEven(2.5, 0), 2);
    EXPECT_DOUBLE_EQ(RoundHalfEven(-3.5, 0), -4);
}

TEST(NumberText, EveryReportFormatRefusesNonFiniteValues) {
    const double bad[] = {std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity()};
    for (double x : bad) {
        EXPECT_THROW(FormatGeneral(x), NonFiniteValue);
        EXPECT_THROW(FormatFixed2(x), NonFiniteValue);
        EXPECT_THROW(FormatFixed4(x), NonFiniteValue);
        EXPECT_THROW(F62(x), NonFiniteValue);
        EXPECT_THROW(F63(x), NonFiniteValue);
        EXPECT_THROW(F64(x), NonFiniteValue);
        EXPECT_THROW(F66(x), NonFiniteValue);
        EXPECT_THROW(FormatRoundedInt(x), NonFiniteValue);
        EXPECT_THROW(FloatToDotStr(x), NonFiniteValue);
    }
    // The largest double stays finite through the extended-precision rounding.
    EXPECT_EQ(F62(std::numeric_limits<double>::max()), "1,79769313486232E308");
}

TEST(NumberText, IntegerTexts) {
    const std::vector<TextCase> sanitize = {{"12a3", "123"}, {"-5", "-5"}, {"", "0"},
                                            {"-", "-"},      {"x-5", "5"}, {"1,5", "15"}};
    for (const auto &c : sanitize)
        EXPECT_EQ(SanitizeIntegerText(c.in), c.out) << c.in;
    const std::vector<TextCase> digits = {{"a1b2", "12"}, {"", "0"}, {"-3", "3"}, {"1.5", "15"}};
    for (const auto &c : digits)
        EXPECT_EQ(DigitsOnly(c.in), c.out) << c.in;

    struct Case {
        const char *text;
        bool ok;
        int value;
    };
    const std::vector<Case> cases = {
        {"2147483647", true, 2147483647},
        {"2147483648", false, 0},
        {"-2147483648", true, -2147483647 - 1},
        {"-2147483649", false, 0},
        {"-", false, 0},
        {"", false, 0},
        {"12a", false, 0},
        {"007", true, 7},
        {"99999999999999999999", false, 0},
    };
    for (const auto &c : cases) {
        int v = -1;
        EXPECT_EQ(TryTextToInt(c.text, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.text;
        }
    }
}

TEST(NumberText, IsZeroRealUsesOneTrillionth) {
    EXPECT_TRUE(IsZeroReal(0));
    EXPECT_TRUE(IsZeroReal(1e-12));
    EXPECT_TRUE(IsZeroReal(-1e-12));
    EXPECT_FALSE(IsZeroReal(1.1e-12));
    EXPECT_FALSE(IsZeroReal(std::numeric_limits<double>::quiet_NaN()));
}

TEST(NumberText, CsvFieldCountsSemicolonsFromZero) {
    const std::vector<std::pair<int, const char *>> cases = {{-1, "a"}, {0, "a"}, {1, "b"},
                                                             {2, "c"},  {3, ""},  {10, ""}};
    for (const auto &[n, out] : cases)
        EXPECT_EQ(CsvField("a;b;c", n), out) << n;
    EXPECT_EQ(CsvField("Дерево;13,8;;", 2), "");
    EXPECT_EQ(CsvField("Дерево;13,8;;", 1), "13,8");
    EXPECT_EQ(CsvField("", 0), "");
}

TEST(NumberText, SafeFileNameBlanksReservedCharacters) {
    EXPECT_EQ(SafeFileName("a\"b*c/d:e<f>g?h\\i|j"), "a b c d e f g h i j");
    EXPECT_EQ(SafeFileName("Склад №2 (корпус 1)"), "Склад №2 (корпус 1)");
}

TEST(NumberText, ParentFolderIgnoresOneTrailingDelimiter) {
    const std::vector<TextCase> cases = {
        {"/opt/orvane/bin/", "/opt/orvane/"},
        {"/opt/orvane/bin", "/opt/orvane/"},
        {"bin", ""},
        {"/bin", "/"},
        {"", ""},
        {"/", ""},
        {"a//", "a/"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ParentFolder(c.in), c.out) << c.in;
#ifdef _WIN32
    EXPECT_EQ(ParentFolder("C:\\Orvane\\bin\\"), "C:\\Orvane\\");
    EXPECT_EQ(ParentFolder("C:\\Orvane/bin"), "C:\\Orvane/");
    EXPECT_EQ(PathDelimiter(), '\\');
#else
    EXPECT_EQ(ParentFolder("C:\\Orvane\\bin"), ""); // a name like any other here
    EXPECT_EQ(PathDelimiter(), '/');
#endif
}

} // namespace
