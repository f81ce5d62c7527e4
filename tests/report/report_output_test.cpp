#include "report/report_output.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orvane {
namespace {

TEST(ReportOutputTest, DefaultFileNameJoinsCleansAndTrims) {
    struct {
        const char *project, *system, *expected;
    } cases[] = {
        {"Офис 1", "П1", "Офис 1_П1"},
        {"", "П1", "П1"},
        {"Офис 1", "", "Офис 1"},
        {"", "", ""},
        {"Корпус 2/3: офис", "", "Корпус 2 3  офис"},
        {"a\"*<>?|\\b", "", "a       b"},
        {"  Офис  ", "\tП1 \r\n", "Офис  _\tП1"},
        {"Офис", "?", "Офис_"},
        {"/", "", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DefaultFileName(c.project, c.system), c.expected) << c.project << "|" << c.system;
}

TEST(ReportOutputTest, ChosenNameWithoutExtensionGetsRtf) {
    struct {
        const char *chosen, *expected;
    } cases[] = {
        {"/home/u/Офис 1_П1", "/home/u/Офис 1_П1.rtf"},
        {"/home/u/report.rtf", "/home/u/report.rtf"},
        {"/home/u/report.doc", "/home/u/report.doc"},
        {"/home/u/report.", "/home/u/report.rtf"},
        {"/home/v1.2/report", "/home/v1.2/report.rtf"}, // a dot in a folder is not an extension
        {"report", "report.rtf"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(EnsureRtfExtension(c.chosen), c.expected) << c.chosen;
}

TEST(ReportOutputTest, FanProgramSitsBesideTheProgramFolder) {
#ifdef _WIN32
    const std::string program = "Brisko\\Brisko.exe";
    EXPECT_EQ(FanProgramPath("C:\\Orvane\\bin"), "C:\\Orvane\\" + program);
#else
    const std::string program = "Brisko/Brisko";
#endif
    EXPECT_EQ(FanProgramPath("/opt/orvane/bin/"), "/opt/orvane/" + program);
    EXPECT_EQ(FanProgramPath("/opt/orvane/bin"), "/opt/orvane/" + program);
    EXPECT_EQ(FanProgramPath("/"), "");
    EXPECT_EQ(FanProgramPath(""), "");
}

TEST(ReportOutputTest, FanArgumentsRoundHalvesToEven) {
    struct {
        const char *kind;
        double flow, pressure;
        const char *line;
    } cases[] = {
        {"Sup", 12499.5, 214.5, "Brisko -F=Sup -L=12500 -P=214"},
        {"Smk", 17565.4, 593.5, "Brisko -F=Smk -L=17565 -P=594"},
        {"Smk", 0, 0, "Brisko -F=Smk -L=0 -P=0"},
        {"Sup", -0.5, -2.5, "Brisko -F=Sup -L=0 -P=-2"},
        {"Sup", 1.5, -120.51, "Brisko -F=Sup -L=2 -P=-121"},
    };
    for (const auto &c : cases) {
        const auto arguments = FanArguments(c.kind, c.flow, c.pressure);
        ASSERT_TRUE(arguments);
        EXPECT_EQ(FanCommandLine("Brisko", *arguments), c.line);
    }
}

TEST(ReportOutputTest, FanArgumentsRefuseValuesThatAreNotFinite) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(FanArguments("Smk", nan, 1));
    EXPECT_FALSE(FanArguments("Smk", 1, -inf));
}

} // namespace
} // namespace orvane
