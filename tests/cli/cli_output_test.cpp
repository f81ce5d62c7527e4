#include "test_support.h"
#include "cli/cli_output.h"

#include "core/file_io.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <filesystem>
#include <limits>
#include <sstream>
#include <stdlib.h>

using namespace orvane;
using namespace orvane::cli;

namespace {

TEST(CliOutput, MessagesKeepTheirOrderAndKind) {
    const std::vector<RunMessage> messages = {
        {"warning", "Температура\rвне диапазона"}, {"error", "Высота должна быть больше 0"}};
    EXPECT_EQ(MessagesJson(messages), nlohmann::json::parse(R"([
        {"kind": "warning", "text": "Температура\rвне диапазона"},
        {"kind": "error", "text": "Высота должна быть больше 0"}])"));
    std::ostringstream err;
    PrintMessages(messages, err);
    EXPECT_EQ(err.str(), "Предупреждение: Температура\nвне диапазона\n"
                         "Ошибка: Высота должна быть больше 0\n");
    EXPECT_EQ(MessagesJson({}), nlohmann::json::array());
}

TEST(CliOutput, DutyPointIsWholeNumbersWithHalvesToEven) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<std::tuple<double, double, const char *>> cases = {
        {17565.4, 593.2, "L = 17565 м³/ч, P = 593 Па"},
        {17565.5, 592.5, "L = 17566 м³/ч, P = 592 Па"},
        {-0.3, 0, "L = 0 м³/ч, P = 0 Па"},
        {nan, HUGE_VAL, "L = 0 м³/ч, P = 0 Па"},
    };
    for (const auto &[l, p, line] : cases)
        EXPECT_EQ(DutyPointLine(l, p), line);
    std::ostringstream out;
    PrintDutyPoint(out, 18000.5, 251.3);
    EXPECT_EQ(out.str(), "L = 18000 м³/ч, P = 251 Па\n");
}

TEST(CliOutput, RealsReadBackIdentically) {
    const double values[] = {0.1,     1.0 / 3, 1e-300, 123456.789, -2.5e-7,
                             DBL_MAX, 5e-324,  0.0,    17565.455};
    for (double x : values) {
        const nlohmann::json back = nlohmann::json::parse(JsonText({{"x", JsonReal(x)}}));
        EXPECT_EQ(back["x"].get<double>(), x);
    }
    EXPECT_TRUE(JsonReal(std::numeric_limits<double>::infinity()).is_null());
    EXPECT_TRUE(JsonReal(std::nan("")).is_null());
}

TEST(CliOutput, JsonTextSurvivesBytesThatAreNotUtf8) {
    const std::string text = JsonText({{"Name", "Склад\xFF"}});
    EXPECT_EQ(nlohmann::json::parse(text)["Name"], "Склад\xEF\xBF\xBD");
    EXPECT_EQ(text.back(), '\n');
}

TEST(CliOutput, OutputsAreWrittenOrTheFailureNamesTheFile) {
    const std::string dir = orvane::test::MakeTempFolder("orvane_cli_");
    ASSERT_FALSE(dir.empty());
    CliOptions o;
    o.reportPath = dir + "/отчёт.rtf";
    o.jsonPath = dir + "/r.json";
    std::ostringstream out, err;
    EXPECT_EQ(WriteOutputs(o, "{\\rtf1}", {{"ok", true}}, out, err), kExitOk);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "");
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(o.reportPath, bytes).ok);
    EXPECT_EQ(bytes, "{\\rtf1}");
    ASSERT_TRUE(ReadFileBytes(o.jsonPath, bytes).ok);
    EXPECT_EQ(nlohmann::json::parse(bytes), nlohmann::json({{"ok", true}}));

    o.reportPath = dir + "/нет/отчёт.rtf";
    EXPECT_EQ(WriteOutputs(o, "{\\rtf1}", {}, out, err), kExitUsage);
    EXPECT_EQ(err.str(),
              "Не удалось записать файл " + o.reportPath + ": нет такого файла или папки\n");

    std::ostringstream none;
    EXPECT_EQ(WriteOutputs(CliOptions(), "", {}, none, none), kExitOk);
    std::filesystem::remove_all(dir);
}

} // namespace
