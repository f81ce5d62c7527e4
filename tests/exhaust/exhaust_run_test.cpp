#include <gtest/gtest.h>

#include <string>

#include "exhaust/exhaust_json.h"
#include "exhaust_test_support.h"
#include "report/report_page.h"
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
    ExhaustInputs in = DefaultsFor(ctl::rbCalcCorridor);
    ASSERT_EQ(calc.Run(in), RunOutcome::ok);
    EXPECT_EQ(FormatRoundedInt(calc.FanGasVolumeExps), "17565");
    EXPECT_EQ(FormatRoundedInt(calc.FanPressure), "593");
    // the font table, the page, then the body with its labels kept with their values
    const std::string_view fonts = kRtfPrologue.substr(0, kRtfPrologue.find("\\viewkind4"));
    EXPECT_EQ(calc.Report.RTFull.substr(0, fonts.size()), fonts);
    EXPECT_EQ(calc.Report.RTFull.back(), '}');
    EXPECT_NE(calc.Report.RTFull.find(RtfPageSetup(calc.Report.Page) + "\\par " +
                                      KeepLabelsWithValues(calc.Report.RTBody)),
              std::string::npos);
    EXPECT_TRUE(calc.Messages.empty());
}

// The whole report of each hall variant's defaults, inputs to duty point, against a reviewed
// fixture; the short report keeps only the segment headers and the loss lines.
TEST_F(ExhaustRunTest, DefaultReportsOfTheHallVariantsMatchReviewedFixtures) {
    struct Case {
        ControlName variant;
        bool detailed;
        const char *fixture;
        const char *flow;
        const char *pressure;
    };
    for (const Case &tc :
         {Case{ctl::rbCalcRoom, true, "default_room_report.txt", "45389", "1635"},
          Case{ctl::rbCalcGallery, true, "default_gallery_report.txt", "243676", "35190"},
          Case{ctl::rbCalcParking, true, "default_parking_report.txt", "65886", "2996"},
          Case{ctl::rbCalcParking, false, "default_parking_report_short.txt", "65886", "2996"}}) {
        SCOPED_TRACE(tc.fixture);
        ExhaustInputs in = DefaultsFor(tc.variant);
        in.check(ctl::cbDetailed, tc.detailed);
        RecordingNotifier n;
        ExhaustCalc c(&n);
        ASSERT_EQ(c.Run(in), RunOutcome::ok);
        EXPECT_TRUE(n.messages.empty());
        EXPECT_EQ(FormatRoundedInt(c.FanGasVolumeExps), tc.flow);
        EXPECT_EQ(FormatRoundedInt(c.FanPressure), tc.pressure);
        if (std::getenv("ORVANE_WRITE_FIXTURES"))
            WriteReportFixture(tc.fixture, c.Report.RTBody);
        ReportDocument expected = c.Report; // its title and page
        expected.RTBody.clear();
        RtfText(expected.RTBody, ReadReportFixture(tc.fixture));
        expected.BuildFullReport();
        EXPECT_EQ(c.Report.RTFull, expected.RTFull);
    }
}

TEST_F(ExhaustRunTest, StoppedInputLeavesTheFullReportUpToTheStop) {
    ExhaustInputs in = DefaultsFor(ctl::rbCalcRoom);
    in.setText(ctl::EditBurningFullness, "2");
    EXPECT_EQ(calc.Run(in), RunOutcome::inputStopped);
    ASSERT_EQ(calc.Messages.size(), 1u);
    EXPECT_EQ(calc.Messages[0].kind, "error");
    EXPECT_EQ(calc.Report.RTFull.back(), '}');
    EXPECT_EQ(DecodeRtf(calc.Report.RTFull).find("РАСЧЁТНЫЕ ВЕЛИЧИНЫ"), std::string::npos);
}

struct AbsurdCase {
    const char *name;
    ControlName variant;
    ControlName control;
    const char *text;
    std::optional<ControlName> control2; // a second field, same text
};

class AbsurdInputTest : public ExhaustRunTest, public ::testing::WithParamInterface<AbsurdCase> {};

// Finite but absurd numbers end in the one guard: no NaN or infinity in the report or the JSON.
TEST_P(AbsurdInputTest, StopsOnTheGuardWithAZeroDutyPoint) {
    const AbsurdCase &c = GetParam();
    ExhaustInputs in = DefaultsFor(c.variant);
    in.setText(c.control, c.text);
    if (c.control2)
        in.setText(*c.control2, c.text);
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
    // the numbers are the body's ("\\info" of the document properties is no number)
    for (const char *bad : {"nan", "NaN", "inf", "INF"})
        EXPECT_EQ(calc.Report.RTBody.find(bad), std::string::npos) << bad;
    const std::string json =
        ExhaustResultsJson(calc).dump() + ExhaustSegmentsJson(calc.Ychastki).dump();
    EXPECT_EQ(json.find("NaN"), std::string::npos);
    EXPECT_EQ(json.find("Infinity"), std::string::npos);
}

const std::string kHuge = "1" + std::string(300, '0');

INSTANTIATE_TEST_SUITE_P(
    Cases, AbsurdInputTest,
    ::testing::Values(AbsurdCase{"CorridorRoomSize", ctl::rbCalcCorridor, ctl::EditRoomLength,
                                 kHuge.c_str(), ctl::EditRoomWidth},
                      AbsurdCase{"RoomWidth", ctl::rbCalcRoom, ctl::EditRoomWidth, kHuge.c_str(),
                                 std::nullopt},
                      AbsurdCase{"GalleryInitialSmokeWidth", ctl::rbCalcGallery,
                                 ctl::EditInitSmkWidth, kHuge.c_str(), std::nullopt},
                      AbsurdCase{"ParkingFireHeatPower", ctl::rbCalcParking, ctl::EditFireHeatPower,
                                 kHuge.c_str(), std::nullopt}),
    orvane::test::ParamName());

// A room of 1e300 m is absurd but finite: the corridor's flow does not depend on it.
TEST_F(ExhaustRunTest, HugeButFiniteCorridorRoomStillComputes) {
    ExhaustInputs in = DefaultsFor(ctl::rbCalcCorridor);
    in.setText(ctl::EditRoomLength, kHuge);
    EXPECT_EQ(calc.Run(in), RunOutcome::ok);
    EXPECT_EQ(FormatRoundedInt(calc.FanGasVolumeExps), "17565");
}

} // namespace
} // namespace orvane::exhaust::test
