#include <gtest/gtest.h>

#include <string>

#include "exhaust/exhaust_json.h"
#include "exhaust_test_support.h"
#include "report/rtf_writer.h"

namespace orvane::exhaust::test {
namespace {

class ExhaustRunTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator(','); }
    RecordingNotifier notifier;
    ExhaustCalc calc{&notifier};
};

TEST_F(ExhaustRunTest, DefaultCorridorRunsToTheFanDutyPoint) {
    ASSERT_EQ(calc.Run(DefaultsFor("rbCalcCorridor")), RunOutcome::ok);
    EXPECT_EQ(FormatRoundedInt(calc.FanGasVolumeExps), "17565");
    EXPECT_EQ(FormatRoundedInt(calc.FanPressure), "593");
    EXPECT_EQ(calc.Report.RTFull.substr(0, kRtfPrologue.size()), kRtfPrologue);
    EXPECT_EQ(calc.Report.RTFull.back(), '}');
    EXPECT_NE(calc.Report.RTFull.find(calc.Report.RTBody), std::string::npos);
    EXPECT_TRUE(calc.Messages.empty());
}

TEST_F(ExhaustRunTest, StoppedInputLeavesTheFullReportUpToTheStop) {
    ExhaustInputs in = DefaultsFor("rbCalcRoom");
    in.setText("EditBurningFullness", "2");
    EXPECT_EQ(calc.Run(in), RunOutcome::inputStopped);
    ASSERT_EQ(calc.Messages.size(), 1u);
    EXPECT_EQ(calc.Messages[0].kind, "error");
    EXPECT_EQ(calc.Report.RTFull.back(), '}');
    EXPECT_EQ(DecodeRtf(calc.Report.RTFull).find("РАСЧЁТНЫЕ ВЕЛИЧИНЫ"), std::string::npos);
}

struct AbsurdCase {
    const char *variant;
    const char *control;
    const char *text;
    const char *control2 = nullptr; // a second field, same text
};

class AbsurdInputTest : public ExhaustRunTest, public ::testing::WithParamInterface<AbsurdCase> {};

// Finite but absurd numbers end in the one guard: no NaN or infinity in the report or the JSON.
TEST_P(AbsurdInputTest, StopsOnTheGuardWithAZeroDutyPoint) {
    const AbsurdCase &c = GetParam();
    ExhaustInputs in = DefaultsFor(c.variant);
    in.setText(c.control, c.text);
    if (c.control2)
        in.setText(c.control2, c.text);
    EXPECT_EQ(calc.Run(in), RunOutcome::noDutyPoint);
    EXPECT_TRUE(calc.NonFiniteStop);
    EXPECT_EQ(calc.FanGasVolumeExps, 0);
    EXPECT_EQ(calc.FanPressure, 0);
    ASSERT_FALSE(notifier.messages.empty());
    EXPECT_EQ(notifier.messages.back().kind, "error");
    EXPECT_EQ(notifier.messages.back().text, kNonFiniteMessage);
    RtfStream sentence;
    RtfText(sentence, "\\par\\par\\b " + std::string(kNonFiniteMessage) + "\\b0\\par ");
    const std::string &full = calc.Report.RTFull;
    EXPECT_NE(full.find(sentence), std::string::npos);
    EXPECT_EQ(full.back(), '}');
    for (const char *bad : {"nan", "NaN", "inf", "INF"})
        EXPECT_EQ(full.find(bad), std::string::npos) << bad;
    const std::string json =
        ExhaustResultsJson(calc).dump() + ExhaustSegmentsJson(calc.Ychastki).dump();
    EXPECT_EQ(json.find("NaN"), std::string::npos);
    EXPECT_EQ(json.find("Infinity"), std::string::npos);
}

const std::string kHuge = "1" + std::string(300, '0');

INSTANTIATE_TEST_SUITE_P(
    Cases, AbsurdInputTest,
    ::testing::Values(AbsurdCase{"rbCalcCorridor", "EditRoomLength", kHuge.c_str(),
                                 "EditRoomWidth"},
                      AbsurdCase{"rbCalcRoom", "EditRoomWidth", kHuge.c_str()},
                      AbsurdCase{"rbCalcGallery", "EditInitSmkWidth", kHuge.c_str()},
                      AbsurdCase{"rbCalcParking", "EditFireHeatPower", kHuge.c_str()}));

// A room of 1e300 m is absurd but finite: the corridor's flow does not depend on it.
TEST_F(ExhaustRunTest, HugeButFiniteCorridorRoomStillComputes) {
    ExhaustInputs in = DefaultsFor("rbCalcCorridor");
    in.setText("EditRoomLength", kHuge);
    EXPECT_EQ(calc.Run(in), RunOutcome::ok);
    EXPECT_EQ(FormatRoundedInt(calc.FanGasVolumeExps), "17565");
}

} // namespace
} // namespace orvane::exhaust::test
