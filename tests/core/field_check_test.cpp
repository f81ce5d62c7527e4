// What a number field accepts, and what it says when it refuses.
#include "core/field_check.h"
#include "core/number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

using namespace orvane;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

ORVANE_CONTROL_NAME(EditFloors)

// a floor count of the supply window, a signed level, a temperature, a plain real
const FieldSpec kFloors{EditFloors,
                        FieldKind::integer,
                        "Building",
                        "FloorQty",
                        12,
                        9,
                        "Число надземных этажей, Nнэ:",
                        "",
                        1,
                        300};
constexpr NumberRule kCount{FieldKind::integer};
constexpr NumberRule kLevel{FieldKind::signedInteger};
constexpr NumberRule kTemperature{FieldKind::real, kAbsoluteZeroC};
constexpr NumberRule kReal{FieldKind::real};
constexpr NumberRule kOptionalPositive{FieldKind::real, 0, kInf, true, true};

struct Case {
    const char *text;
    NumberRule rule;
    bool valid;
};

TEST(FieldCheckTest, TextsAcceptedByEachKind) {
    const NumberRule floors = RuleOf(kFloors);
    const std::vector<Case> cases = {
        // the texts that were turned into other numbers without a word
        {"17.5", floors, false},
        {"-5", floors, false},
        {"1e9", floors, false},
        {"abc", floors, false},
        {"", floors, false},
        {"5o", kReal, false},
        {"4,0.5", kReal, false},
        {"abc", kReal, false},
        {"", kReal, false},
        // what a field does accept
        {"17", floors, true},
        {" 300 ", floors, true},
        {"301", floors, false},
        {"0", floors, false},
        {"4,05", kReal, true},
        {"4.05", kReal, true},
        {"-0,6", kReal, true},
        {",5", kReal, true},
        {"5.", kReal, true},
        {"1,5E-5", kReal, true},
        {"2e3", kReal, true},
        {"1e", kReal, false},
        {"1e999", kReal, false},
        {"+5", kReal, false},
        {"-", kReal, false},
        {"--1", kReal, false},
        {"1 000", kReal, false},
        {"-3", kCount, false},
        {"99999999999", kCount, false},
        {"-3", kLevel, true},
        {"-3,5", kLevel, false},
        {"-273,15", kTemperature, true},
        {"-300", kTemperature, false},
        {"", kOptionalPositive, true},
        {"0", kOptionalPositive, false},
        {"0,001", kOptionalPositive, true},
        {"-1", kOptionalPositive, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(IsValidNumberText(c.rule, c.text), c.valid) << "«" << c.text << "»";
}

TEST(FieldCheckTest, ValueReadAsItStands) {
    EXPECT_DOUBLE_EQ(*ParseRealText("1,5E-5", true), 1.5e-5);
    EXPECT_DOUBLE_EQ(*ParseRealText(" -4.05 ", true), -4.05);
    EXPECT_FALSE(ParseRealText("-4.05", false));
    // the input steps read an exponent as a number, no longer as its digits ("1,5E-5" -> 1,55)
    EXPECT_DOUBLE_EQ(ReadRealInput("1,5E-5"), 1.5e-5);
    EXPECT_DOUBLE_EQ(ReadRealInput("4,05"), 4.05);
}

TEST(FieldCheckTest, MessagesNameTheFieldAndWhatItExpects) {
    SetDecimalSeparator(',');
    EXPECT_EQ(InvalidFieldMessage(kFloors, "17.5"),
              "Поле «Число надземных этажей»: нужно целое число от 1 до 300, введено «17.5».");
    EXPECT_EQ(InvalidFieldMessage(kFloors, ""),
              "Поле «Число надземных этажей»: нужно целое число от 1 до 300, поле не заполнено.");
    EXPECT_EQ(InvalidFileValueMessage(kFloors, "17.5"),
              "Поле «Число надземных этажей» ([Building] FloorQty): нужно целое число от 1 до "
              "300, в файле «17.5».");
    // the file's text is quoted as it is, but for control characters, shown by their pictures
    EXPECT_EQ(InvalidFileValueMessage(kFloors, std::string("5\0x\x01\x1b[31m\t\x7f\xc2\x9bЖ", 15)),
              "Поле «Число надземных этажей» ([Building] FloorQty): нужно целое число от 1 до "
              "300, в файле «5␀x␁␛[31m␉␡�Ж».");
    EXPECT_EQ(InvalidFieldMessage(kFloors, "\t"),
              "Поле «Число надземных этажей»: нужно целое число от 1 до 300, поле не заполнено.");
    EXPECT_EQ(ExpectedTip(RuleOf(kFloors)), "Целое число от 1 до 300");
    EXPECT_EQ(ExpectedTip(kTemperature), "Число не меньше -273,15");
    EXPECT_EQ(ExpectedText(kOptionalPositive), "число больше 0 или пустое поле");
    EXPECT_EQ(ExpectedText(kCount), "целое число не меньше 0");
    EXPECT_EQ(ExpectedText(kReal), "число");
}

// A table row's range: a size greater than 0, a temperature above absolute zero; a number read
// from a file is held to the same range.
TEST(FieldCheckTest, RowRangeWithItsLowerBoundRefused) {
    SetDecimalSeparator(',');
    const FieldSpec area{EditFloors,
                         FieldKind::real,
                         "StairWell",
                         "ProjArea",
                         18,
                         16.84,
                         "Площадь горизонтальной проекции маршей и площадок, FS:",
                         "м²",
                         0,
                         kNoMax,
                         kAboveMin};
    const NumberRule rule = RuleOf(area);
    EXPECT_FALSE(IsValidNumberText(rule, "0"));
    EXPECT_FALSE(IsValidNumberText(rule, "-5"));
    EXPECT_TRUE(IsValidNumberText(rule, "0,01"));
    EXPECT_FALSE(IsInRange(rule, 0));
    EXPECT_TRUE(IsInRange(rule, 18));
    EXPECT_FALSE(IsInRange(rule, kInf));
    EXPECT_EQ(InvalidFileValueMessage(area, "-5"),
              "Поле «Площадь горизонтальной проекции маршей и площадок» ([StairWell] ProjArea): "
              "нужно число больше 0, в файле «-5».");
    const NumberRule above{FieldKind::real, kAbsoluteZeroC, kNoMax, kAboveMin};
    EXPECT_FALSE(IsValidNumberText(above, "-273,15"));
    EXPECT_TRUE(IsValidNumberText(above, "-273,1"));
    EXPECT_EQ(InvalidFileTextMessage("Участок сети 3, поле «Клапан: ширина»",
                                     NumberRule{FieldKind::integer, 1}, "Shaft2", "ValveW", ""),
              "Участок сети 3, поле «Клапан: ширина» ([Shaft2] ValveW): нужно целое число не "
              "меньше 1, поле не заполнено.");
}

TEST(FieldCheckTest, TitleDropsColonAndSymbol) {
    const std::vector<std::pair<const char *, const char *>> cases = {
        {"Число надземных этажей, Nнэ:", "Число надземных этажей"},
        {"Длина, a:", "Длина"},
        {"Размер A (диаметр):", "Размер A (диаметр)"},
        {"Выходы в ЛШ: с этажа", "Выходы в ЛШ: с этажа"},
        {"Макс. периметр горизонтального сечения дымового слоя, lsm (пусто - вычислить):",
         "Макс. периметр горизонтального сечения дымового слоя"},
        {"Суммарное сопротивление\nприсоединительных воздуховодов, Pd:",
         "Суммарное сопротивление присоединительных воздуховодов"},
    };
    for (const auto &[caption, title] : cases)
        EXPECT_EQ(FieldTitle(caption), title);
}

TEST(FieldCheckTest, FirstInvalidFieldFollowsTheGivenOrderAndSkipsOthers) {
    ControlState state;
    state.SetText(EditFloors, "17.5");
    const FieldSpec table[] = {kFloors};
    const ControlName none[] = {EditFloors};
    const std::optional<FieldProblem> problem = FirstInvalidField(table, state, none);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->text, "17.5");
    EXPECT_FALSE(FirstInvalidField(table, state, {}));
    state.SetText(EditFloors, "17");
    EXPECT_FALSE(FirstInvalidField(table, state, none));
}

TEST(FieldCheckTest, ReadsAreRecordedOnlyWhileAsked) {
    ControlState state;
    std::vector<ControlName> read;
    state.RecordReads(&read);
    (void)state.Text(EditFloors);
    const ControlState copy = state; // a copy does not record into the same log
    (void)copy.Text(EditFloors);
    state.RecordReads(nullptr);
    (void)state.Text(EditFloors);
    EXPECT_EQ(read.size(), 1u);
}

// A name longer than a project holds is refused naming the field, where the file keeps it and
// how long it is there; characters are counted, not bytes.
TEST(FieldCheckTest, TextLongerThanAProjectHoldsIsRefusedWithItsLength) {
    EXPECT_EQ(TextLength("Ёлка 1"), 6u);
    EXPECT_EQ(TextLength("中 €"), 3u);
    std::string cyrillic;
    for (size_t i = 0; i < kMaxTextLength; ++i)
        cyrillic += "Ж"; // two bytes each
    EXPECT_EQ(TooLongFileText("Наименование проекта", "Project", "Name", cyrillic), std::nullopt);
    const struct {
        size_t length;
        const char *inFile;
    } cases[] = {{1001, "1001 знак"},   {1002, "1002 знака"},  {1004, "1004 знака"},
                 {1005, "1005 знаков"}, {1011, "1011 знаков"}, {1012, "1012 знаков"},
                 {1022, "1022 знака"},  {1111, "1111 знаков"}, {200000, "200000 знаков"}};
    for (const auto &c : cases)
        EXPECT_EQ(TooLongFileText("Название участка 3, Nу:", "Shaft2", "Storey",
                                  std::string(c.length, 'x')),
                  "Поле «Название участка 3» ([Shaft2] Storey): нужен текст не длиннее 1000 "
                  "знаков, в файле " +
                      std::string(c.inFile) + ".");
}

} // namespace
