#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/number_text.h"
#include "report/result_check.h"
#include "report/rtf_writer.h"

namespace orvane {
namespace {

class ResultCheckTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

// A speed is judged as printed: 20,004 shows as 20,00 and is within, 20,006 is not.
TEST_F(ResultCheckTest, SpeedIsJudgedAsTheReportPrintsIt) {
    struct Case {
        double speed;
        bool within;
    };
    for (const Case &c : {Case{0, true}, Case{19.99, true}, Case{20.004, true},
                          Case{20.006, false}, Case{163.79, false}}) {
        SCOPED_TRACE(c.speed);
        const ResultCheck check = SpeedCheck("Скорость", c.speed, FormatFixed2);
        EXPECT_EQ(check.withinLimits, c.within);
        EXPECT_EQ(check.verdict == "в пределах", c.within);
    }
    EXPECT_EQ(CheckWarningText(SpeedCheck("Скорость газов в шахте (участок 2)", 141.016, F62)),
              "Скорость газов в шахте (участок 2): 141,02 м/с — выше 20 м/с, проверьте сечения.");
}

TEST_F(ResultCheckTest, DoorVerdictNamesTheFloorsOutsideWithTheirValues) {
    struct Case {
        const char *name;
        std::vector<DoorPressure> doors;
        const char *value;
        const char *verdict;
    };
    const Case cases[] = {
        {"inside", {{2, 20}, {3, 64.5}, {4, 150}}, "от 20,00 до 150,00 Па", "в пределах"},
        {"one above",
         {{11, 149.99}, {12, 160.4}},
         "от 149,99 до 160,40 Па",
         "выше 150 Па на этаже 12 (160,40 Па): двери могут не открыться"},
        {"both sides",
         {{-2, 17.08}, {-3, 14.17}, {1, 30}, {9, 151}, {10, 152.5}},
         "от 14,17 до 152,50 Па",
         "выше 150 Па на этажах 9 (151,00 Па), 10 (152,50 Па): двери могут не открыться; "
         "ниже 20 Па на этажах -2 (17,08 Па), -3 (14,17 Па): дым может проникнуть через двери"},
        {"a room", {{std::nullopt, 17.67}}, "17,67 Па",
         "ниже 20 Па: дым может проникнуть через двери"},
        {"negative", {{5, -3.2}}, "-3,20 Па",
         "ниже 20 Па на этаже 5 (-3,20 Па): дым может проникнуть через двери"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ResultChecks checks;
        AddDoorPressureCheck(checks, "Перепад", c.doors, FormatFixed2);
        ASSERT_EQ(checks.size(), 1u);
        EXPECT_EQ(checks[0].value, c.value);
        EXPECT_EQ(checks[0].verdict, c.verdict);
        EXPECT_EQ(checks[0].withinLimits, std::string(c.verdict) == "в пределах");
    }
    ResultChecks none;
    AddDoorPressureCheck(none, "Перепад", {}, FormatFixed2);
    EXPECT_TRUE(none.empty());
}

// The window's one box: every warning on its own line under the section's name; nothing when
// every check is within its limits.
TEST_F(ResultCheckTest, WarningsTextListsOnlyTheChecksOutside) {
    const ResultCheck inside = SpeedCheck("В", 5, FormatFixed2);
    const ResultCheck fast = SpeedCheck("Клапан", 30, FormatFixed2);
    const ResultCheck faster = SpeedCheck("Шахта", 40, FormatFixed2);
    EXPECT_EQ(CheckWarningsText({inside}), "");
    EXPECT_EQ(CheckWarningsText({fast, inside, faster}),
              "Проверка результатов:\r\r" + CheckWarningText(fast) + "\r" +
                  CheckWarningText(faster));
}

// A storey name typed by the user reaches the section escaped, like every user text.
TEST_F(ResultCheckTest, SectionEscapesUserTextAndEndsItsLastParagraph) {
    RtfStream rtf;
    WriteResultChecks(rtf, {SpeedCheck("Участок {1}\\", 5, FormatFixed2)});
    EXPECT_NE(rtf.find("\\{1\\}\\\\: \\b 5,00 "), std::string::npos) << rtf;
    EXPECT_EQ(rtf.substr(rtf.size() - 5), "\\par ");
}

} // namespace
} // namespace orvane
