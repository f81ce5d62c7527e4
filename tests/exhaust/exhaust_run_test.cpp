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
    EXPECT_EQ(FormatRoundedInt(calc.FanVolumeFlow), "17565");
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

// One line of the report's check section as the RTF writes it.
std::string CheckLine(std::string_view subject, std::string_view value, std::string_view verdict) {
    return orvane::test::Rtf(std::string(subject) + ": ") + "\\b " + orvane::test::Rtf(value) +
           "\\b0 " +
           orvane::test::Rtf(std::string(" (допустимо не более 20 м/с) — ") + std::string(verdict));
}

// The report's last section lists every check of the network; a case inside every limit has it
// too, with "в пределах", and gives no warning.
TEST_F(ExhaustRunTest, DefaultCorridorEndsWithItsChecksAllWithinLimits) {
    ExhaustInputs in = DefaultsFor(ctl::rbCalcCorridor);
    ASSERT_EQ(calc.Run(in), RunOutcome::ok);
    const std::string &rtf = calc.Report.RTFull;
    const size_t section = rtf.rfind(orvane::test::Rtf("Проверка результатов\\par"));
    ASSERT_NE(section, std::string::npos);
    EXPECT_NE(rtf.find(CheckLine("Скорость газов в открытом клапане (участок 1)", "11,82 м/с",
                                 "в пределах"),
                       section),
              std::string::npos);
    EXPECT_NE(rtf.find(CheckLine("Наибольшая скорость газов в шахте (участок 2)", "10,16 м/с",
                                 "в пределах"),
                       section),
              std::string::npos);
    ASSERT_EQ(calc.Checks.size(), 2u); // no horizontal duct in the default network
    EXPECT_TRUE(calc.Messages.empty());
    EXPECT_TRUE(notifier.messages.empty());
}

// The gallery's default network: 74 kg/s through an 800 x 600 valve and shaft. Both speeds are
// warnings in the message list; the notifier is not called for them (the window shows them in
// one box after the report).
TEST_F(ExhaustRunTest, GalleryDefaultNetworkWarnsOnValveAndShaftSpeeds) {
    ExhaustInputs in = DefaultsFor(ctl::rbCalcGallery);
    ASSERT_EQ(calc.Run(in), RunOutcome::ok);
    ASSERT_EQ(calc.Messages.size(), 2u);
    EXPECT_EQ(calc.Messages[0].kind, "warning");
    EXPECT_EQ(calc.Messages[0].text, "Скорость газов в открытом клапане (участок 1): 163,79 м/с — "
                                     "выше 20 м/с, проверьте сечения.");
    EXPECT_EQ(calc.Messages[1].kind, "warning");
    EXPECT_EQ(calc.Messages[1].text, "Наибольшая скорость газов в шахте (участок 2): 141,02 м/с — "
                                     "выше 20 м/с, проверьте сечения.");
    EXPECT_TRUE(notifier.messages.empty());
    EXPECT_NE(calc.Report.RTFull.find(CheckLine("Скорость газов в открытом клапане (участок 1)",
                                                "163,79 м/с", "выше 20 м/с, проверьте сечения")),
              std::string::npos);
}

// A horizontal duct counts where a segment has one; the check names the fastest segment.
TEST_F(ExhaustRunTest, FastestHorizontalDuctIsNamedWithItsStorey) {
    ExhaustInputs in = DefaultsFor(ctl::rbCalcCorridor);
    in.Segments[1].StoreyName = "Кровля";
    in.Segments[1].Lww = 4;
    in.Segments[1].Aww = 0.5;
    in.Segments[1].Bww = 0.4;
    ASSERT_EQ(calc.Run(in), RunOutcome::ok);
    ASSERT_EQ(calc.Checks.size(), 3u);
    EXPECT_EQ(calc.Checks[1].subject,
              "Наибольшая скорость газов в горизонтальных воздуховодах (участок 2 - Кровля)");
    EXPECT_EQ(calc.Checks[1].value, F62(calc.Segments[1].Vww) + " м/с");
    EXPECT_GT(calc.Segments[1].Vww, 20);
    EXPECT_FALSE(calc.Checks[1].withinLimits);
    ASSERT_EQ(calc.Messages.size(), 1u);
}

// A run that reached no duty point has no checks: nothing is judged from unsolved values.
TEST_F(ExhaustRunTest, StoppedRunHasNoChecks) {
    ExhaustInputs in = DefaultsFor(ctl::rbCalcRoom);
    in.SetText(ctl::EditBurningFullness, "2");
    ASSERT_EQ(calc.Run(in), RunOutcome::inputStopped);
    EXPECT_TRUE(calc.Checks.empty());
    EXPECT_EQ(DecodeRtf(calc.Report.RTFull).find("Проверка результатов"), std::string::npos);
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
        in.Check(ctl::cbDetailed, tc.detailed);
        RecordingNotifier n;
        ExhaustCalc c(&n);
        ASSERT_EQ(c.Run(in), RunOutcome::ok);
        EXPECT_TRUE(n.messages.empty());
        EXPECT_EQ(FormatRoundedInt(c.FanVolumeFlow), tc.flow);
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
    in.SetText(ctl::EditBurningFullness, "2");
    EXPECT_EQ(calc.Run(in), RunOutcome::inputStopped);
    ASSERT_EQ(calc.Messages.size(), 1u);
    EXPECT_EQ(calc.Messages[0].kind, "error");
    EXPECT_EQ(calc.Report.RTFull.back(), '}');
    EXPECT_EQ(DecodeRtf(calc.Report.RTFull).find("РАСЧЁТНЫЕ ВЕЛИЧИНЫ"), std::string::npos);
    // the partial report says it is one, ending with the stopping message
    const std::string body = DecodeRtf(calc.Report.RTBody);
    const std::string last = "Расчёт прерван: Полнота сгорания должна быть в диапазоне от 0 до 1.";
    const size_t at = body.rfind(last);
    ASSERT_NE(at, std::string::npos) << body.substr(body.size() - 200);
    EXPECT_EQ(body.substr(at + last.size()), "\\b0\\par ");
}

TEST_F(ExhaustRunTest, RefusedFieldIsFoundOnlyWhereTheVariantReadsIt) {
    ExhaustInputs in = DefaultsFor(ctl::rbCalcParking);
    in.SetText(ctl::EditCorridorLength, "5o"); // the corridor's field: not read by the car park
    EXPECT_FALSE(FindInvalidInput(in));
    in.SetText(ctl::EditRoomHeight, "");
    const std::optional<FieldProblem> problem = FindInvalidInput(in);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field->control, ctl::EditRoomHeight);
    EXPECT_EQ(InvalidFieldMessage(*problem->field, problem->text),
              "Поле «Высота»: нужно число больше 0, поле не заполнено.");
    in.Check(ctl::rbCalcCorridor);
    ASSERT_TRUE(FindInvalidInput(in));
    EXPECT_EQ(FindInvalidInput(in)->field->control, ctl::EditRoomHeight);
    in.SetText(ctl::EditRoomHeight, "3,9");
    ASSERT_TRUE(FindInvalidInput(in));
    EXPECT_EQ(FindInvalidInput(in)->field->control, ctl::EditCorridorLength);
    // the door grid is read by the corridor alone
    in.SetText(ctl::EditCorridorLength, "30");
    in.DoorGrid[1] = {"-2", "2"};
    ASSERT_TRUE(FindInvalidInput(in));
    EXPECT_EQ(InvalidFileValueMessage(*FindInvalidInput(in)->field, "-2"),
              "Поле «Ширина проема 2» ([Room] Door1W): нужно число не меньше 0 или пустое поле, "
              "в файле «-2».");
    in.Check(ctl::rbCalcRoom);
    EXPECT_FALSE(FindInvalidInput(in));
}

struct AbsurdCase {
    const char *name;
    ControlName variant;
    ControlName control;
    const char *text;
    std::optional<ControlName> control2; // a second field, same text
};

class ExhaustAbsurdInputTest : public ExhaustRunTest,
                               public ::testing::WithParamInterface<AbsurdCase> {};

// Finite but absurd numbers end in the one guard: no NaN or infinity in the report or the JSON.
TEST_P(ExhaustAbsurdInputTest, StopsOnTheGuardWithAZeroDutyPoint) {
    const AbsurdCase &c = GetParam();
    ExhaustInputs in = DefaultsFor(c.variant);
    in.SetText(c.control, c.text);
    if (c.control2)
        in.SetText(*c.control2, c.text);
    EXPECT_EQ(calc.Run(in), RunOutcome::noDutyPoint);
    EXPECT_TRUE(calc.NonFiniteStop);
    EXPECT_EQ(calc.FanVolumeFlow, 0);
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
        ExhaustResultsJson(calc).dump() + ExhaustSegmentsJson(calc.Segments).dump();
    EXPECT_EQ(json.find("NaN"), std::string::npos);
    EXPECT_EQ(json.find("Infinity"), std::string::npos);
}

const std::string kHuge = "1" + std::string(300, '0');

INSTANTIATE_TEST_SUITE_P(
    Cases, ExhaustAbsurdInputTest,
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
    in.SetText(ctl::EditRoomLength, kHuge);
    EXPECT_EQ(calc.Run(in), RunOutcome::ok);
    EXPECT_EQ(FormatRoundedInt(calc.FanVolumeFlow), "17565");
}

} // namespace
} // namespace orvane::exhaust::test
