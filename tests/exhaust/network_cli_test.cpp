// orvane-calc on exhaust projects whose network decides the outcome.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include <nlohmann/json.hpp>

#include "cli/cli_options.h"
#include "core/file_io.h"
#include "core/number_text.h"
#include "exhaust/exhaust_project.h"
#include "exhaust_test_support.h"

namespace orvane::exhaust {
namespace {

class ExhaustNetworkCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        dir = orvane::test::MakeTempFolder("orvane_network_");
        ASSERT_FALSE(dir.empty());
        options.reportPath = dir + "/report.rtf";
        options.jsonPath = dir + "/result.json";
        options.decimalSeparator = ',';
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    int Run(const ExhaustInputs &in) {
        options.projectPath = dir + "/project.smkprj";
        EXPECT_TRUE(SaveProject(options.projectPath, in).ok);
        return cli::RunExhaustProject(options, out, err);
    }
    nlohmann::json Json() const {
        std::string bytes;
        EXPECT_TRUE(ReadFileBytes(options.jsonPath, bytes).ok);
        return nlohmann::json::parse(bytes);
    }

    std::string dir;
    cli::CliOptions options;
    std::ostringstream out, err;
};

TEST_F(ExhaustNetworkCliTest, DefaultNetworkGivesTheDutyPointAndEverySegmentBottomFirst) {
    ExhaustInputs in = ExhaustInputs::Defaults();
    in.Segments[0].StoreyName = "Первый";
    options.brief = true;
    ASSERT_EQ(Run(in), cli::kExitOk);
    EXPECT_EQ(out.str(), "L = 17565 м³/ч, P = 593 Па\n");
    EXPECT_EQ(err.str(), "");
    const nlohmann::json json = Json();
    EXPECT_TRUE(json["ok"]);
    ASSERT_EQ(json["segments"].size(), 2u);
    EXPECT_EQ(json["segments"][0]["StoreyName"], "Первый");
    EXPECT_EQ(json["segments"][0].size(), 58u); // every field of the segment record
    EXPECT_DOUBLE_EQ(json["segments"][1]["h"].get<double>(), 6);
    EXPECT_LT(json["segments"][1]["Psh"].get<double>(), json["segments"][0]["Psh"].get<double>());
    // --brief: the short report keeps the losses, not the intermediate formulas
    std::string rtf;
    ASSERT_TRUE(ReadFileBytes(options.reportPath, rtf).ok);
    EXPECT_EQ(rtf.find(test::Rtf("Скорость продуктов горения в клапане")), std::string::npos);
}

TEST_F(ExhaustNetworkCliTest, UnsolvableNetworkExitsThreeWithOneMessageAndZeroDutyPoint) {
    ExhaustInputs in = ExhaustInputs::Defaults();
    // the fire storey's branch: a 10 x 10 mm duct 1 km long carries no smoke flow
    in.Segments[0].Aww = 0.01;
    in.Segments[0].Bww = 0.01;
    in.Segments[0].Lww = 1000;
    ASSERT_EQ(Run(in), cli::kExitNoDutyPoint);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(),
              "Ошибка: Не удалось рассчитать сеть: рабочая точка вентилятора не определена. "
              "Не удалось рассчитать участок 1.\n");
    const nlohmann::json json = Json();
    EXPECT_FALSE(json["ok"]);
    ASSERT_EQ(json["messages"].size(), 1u);
    EXPECT_EQ(json["messages"][0]["kind"], "error");
    EXPECT_EQ(json["results"]["FanGasVolumeExps"], 0);
    EXPECT_EQ(json["results"]["FanPressure"], 0);
    std::string rtf;
    ASSERT_TRUE(ReadFileBytes(options.reportPath, rtf).ok);
    EXPECT_NE(rtf.find(test::Rtf("Не удалось рассчитать!")), std::string::npos);
}

} // namespace
} // namespace orvane::exhaust
