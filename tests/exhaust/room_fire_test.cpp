#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "exhaust_test_support.h"

namespace orvane::exhaust::test {
namespace {

class ExhaustRoomFireTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator(','); }
    std::string Body() const { return DecodeRtf(calc.Report.RTBody); }
    ExhaustInputs in = DefaultsFor(ctl::rbCalcRoom);
    RecordingNotifier notifier;
    ExhaustCalc calc{&notifier};
};

TEST_F(ExhaustRoomFireTest, DefaultHallReachesTheWallsAndSolvesBothBalances) {
    ASSERT_EQ(RunWithoutNetwork(calc, in), RunOutcome::ok);
    EXPECT_NEAR(calc.FireRadius, 9.24, 1e-9);
    EXPECT_DOUBLE_EQ(calc.FireArea, 20);
    EXPECT_NEAR(calc.FireHeatPower, 3110.4, 1e-9);
    EXPECT_NEAR(calc.FlameTongueHeight, 3.69, 0.005);
    EXPECT_NEAR(calc.GasMassFlow, 0.032 * std::pow(2332.8, 0.6) * 2.5, 1e-12);
    EXPECT_NEAR(calc.GasMassFlow, 8.39, 0.005);
    EXPECT_EQ(calc.ConvectTemp, 542.28515625);
    EXPECT_NEAR(calc.SpecConvectHeat, 1.1151, 0.00005);
    EXPECT_EQ(calc.MeanSmokeTemp, 529.98046875);
    EXPECT_EQ(calc.ResultX, 529.98046875);
    EXPECT_NEAR(calc.MeanGasDensity, 0.67, 0.005);
    EXPECT_NEAR(calc.GasVolumeFlow, 45353, 0.5);
    EXPECT_DOUBLE_EQ(calc.MaxSmokePerimeter, 18);
    EXPECT_DOUBLE_EQ(calc.SmokeEquiArea, 20);
    const std::string body = Body();
    EXPECT_NE(body.find("Очаг пожара достигнет стен помещения"), std::string::npos);
    EXPECT_NE(body.find("F\\sub o\\nosupersub  = \\b 3110 кВт"), std::string::npos);
    EXPECT_NE(body.find("(r \\u8729? Q\\sub f\\nosupersub )\\super 2/5\\nosupersub  = \\b 3,69 м"),
              std::string::npos);
    EXPECT_NE(
        body.find(
            "R\\b0  = [(1 - r) \\u8729? Q\\sub f\\nosupersub  / (4\\u8729?\\u0960?\\u8729?qr\")]"
            "\\super 0,5\\nosupersub  = \\b 2,49 м"),
        std::string::npos);
    EXPECT_NE(body.find("(C\\sub pk\\nosupersub  \\u8729? G\\sub k\\nosupersub ) = \\b 542 К"),
              std::string::npos);
    EXPECT_NE(body.find(" = \\b 530 К\\par\\par\\b Массовый расход"), std::string::npos);
    EXPECT_NE(body.find("\\par L\\sub ПГ\\nosupersub\\b0  = G\\sub ПГ\\nosupersub  / "),
              std::string::npos);
    EXPECT_EQ(body.find("Внимание"), std::string::npos);
    EXPECT_TRUE(notifier.messages.empty());
}

struct FireAreaCase {
    const char *name;
    const char *fireArea; // EditFireArea
    ControlName sprinkler;
    bool inTown;
    const char *roomWidth;
    double expectedArea;
    const char *reportLine;
};

class ExhaustRoomFireAreaTest : public ExhaustRoomFireTest,
                                public ::testing::WithParamInterface<FireAreaCase> {};

TEST_P(ExhaustRoomFireAreaTest, ChoosesTheFireArea) {
    const FireAreaCase &c = GetParam();
    in.SetText(ctl::EditFireArea, c.fireArea);
    in.Check(c.sprinkler);
    in.Check(c.inTown ? ctl::rbInTownBuilding : ctl::rbOutTownBuilding);
    in.SetText(ctl::EditRoomLength, "100");
    in.SetText(ctl::EditRoomWidth, c.roomWidth);
    ASSERT_EQ(RunWithoutNetwork(calc, in), RunOutcome::ok);
    EXPECT_NEAR(calc.FireArea, c.expectedArea, 1e-9);
    EXPECT_NE(Body().find(c.reportLine), std::string::npos) << Body();
}

const double kTownRadius = 0.0154 * 600;
INSTANTIATE_TEST_SUITE_P(
    Cases, ExhaustRoomFireAreaTest,
    ::testing::Values(
        FireAreaCase{"UserAreaAboveFloorIsCapped", "5000", ctl::rbAUPTNo, true, "4", 400,
                     "Площадь очага пожара задана пользователем\\par F\\sub o\\nosupersub\\b0  = "
                     "\\b 400 м"},
        FireAreaCase{"UserAreaKept", "12,5", ctl::rbAUPTSprinkler3x3, true, "4", 12.5,
                     "задана пользователем"},
        FireAreaCase{"Sprinklers3x3", "", ctl::rbAUPTSprinkler3x3, true, "4", 9,
                     "принята по параметрам АУПТ\\par F\\sub o\\nosupersub\\b0  = \\b 9 м"},
        FireAreaCase{"Sprinklers4x4", "", ctl::rbAUPTSprinkler4x4, true, "4", 16,
                     "Система АУПТ:    спринклеры 4 x 4 м"},
        FireAreaCase{"WideRoomKeepsTheCircle", "", ctl::rbAUPTNo, true, "30",
                     std::numbers::pi *kTownRadius *kTownRadius, "не достигнет стен"},
        FireAreaCase{"WidthOfExactlyTwoRadiiTakesTheFloor", "", ctl::rbAUPTNo, true, "18,48", 1848,
                     "достигнет стен помещения"},
        FireAreaCase{"OutsideTownDoublesTheRadius", "", ctl::rbAUPTNo, false, "30", 3000,
                     "\\u0964?\\sub o\\nosupersub  = \\b 18,48 м"}),
    orvane::test::ParamName());

// R = [(1 − r)·Qf/(4·π·qr")]^0,5: the radiant part of the fire's power, as printed and computed.
TEST_F(ExhaustRoomFireTest, SafeDistanceIsThePrintedFormulaOfThePrintedNumbers) {
    ASSERT_EQ(RunWithoutNetwork(calc, in), RunOutcome::ok);
    const std::string body = Body();
    // printed (the line itself is checked with the default hall above): Qf = 3110 kW, qr" = 10
    // kW/m2; r is the convective share the plume lines print
    ASSERT_NE(body.find("Критическая плотность теплового потока, qr\":    10 кВт/м"),
              std::string::npos);
    const double r = calc.HeatRadiationCoef;
    EXPECT_NEAR(std::sqrt((1 - r) * 3110 / (4 * std::numbers::pi * 10)), 2.49, 0.005);
    EXPECT_GT(std::fabs(std::sqrt(3110 / (4 * std::numbers::pi * 10)) - 2.49),
              2); // without (1 − r)
}

TEST_F(ExhaustRoomFireTest, UnderGalleryIgnoresTheFlameHeightInTheMassFlow) {
    in.Check(ctl::rbCalcGallery);
    ASSERT_EQ(RunWithoutNetwork(calc, in), RunOutcome::ok);
    const double rq = 0.75 * calc.FireHeatPower;
    EXPECT_NEAR(calc.GasMassFlow, 0.36 * std::cbrt(rq * 4) * (9 + 0.25 * 3), 1e-12);
    EXPECT_GT(calc.FlameTongueHeight, 0);
    const std::string body = Body();
    EXPECT_NE(body.find("(Z\\sub b\\nosupersub  + 0,25 \\u8729? H\\sub g\\nosupersub ) = \\b "),
              std::string::npos);
    EXPECT_NE(body.find("Высота до потолка галереи, H\\sub g\\nosupersub :    3 м"),
              std::string::npos);
    // the gallery variant has no flame spread lines
    EXPECT_EQ(body.find("Линейная скорость распространения пламени"), std::string::npos);
}

TEST_F(ExhaustRoomFireTest, LowFlameUsesTheSmokeFreeHeightPowerForm) {
    in.SetText(ctl::EditNoSmokeHeight, "3,8");
    ASSERT_EQ(RunWithoutNetwork(calc, in), RunOutcome::ok);
    const double rq = 0.75 * 3110.4;
    EXPECT_NEAR(calc.GasMassFlow, 0.071 * std::cbrt(rq) * std::pow(3.8, 5.0 / 3.0) + 0.0018 * rq,
                1e-12);
    EXPECT_NE(Body().find("\\super 5/3\\nosupersub  + 0,0018"), std::string::npos);
}

// H_НЗ = 0 leaves no plume (G_k = 0): the column balance has no root below 1500 K.
TEST_F(ExhaustRoomFireTest, BalanceWithoutRootInRangeIsFlaggedNotPassedAsResult) {
    in.SetText(ctl::EditNoSmokeHeight, "0");
    ASSERT_EQ(RunWithoutNetwork(calc, in), RunOutcome::ok);
    EXPECT_EQ(calc.GasMassFlow, 0);
    EXPECT_GT(calc.ConvectTemp, 1499);
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].kind, "warning");
    EXPECT_EQ(notifier.messages[0].text, kTempRangeWarning);
    const std::string body = Body();
    const std::string flag = "\\par\\b\\ul Внимание: решение вне диапазона от -100 до 1500 К, "
                             "результат недостоверен.\\ul0\\b0 ";
    const size_t column =
        body.find("(C\\sub pk\\nosupersub  \\u8729? G\\sub k\\nosupersub ) = \\b ");
    ASSERT_NE(column, std::string::npos);
    EXPECT_EQ(body.find(" К" + flag, column), body.find(" К", column));
}

TEST_F(ExhaustRoomFireTest, EmptyRoomWithoutPlumeStopsWithAMessageInsteadOfDividingByZero) {
    in.SetComboIndex(ctl::cbRoomSizeVariant, 1);
    in.SetText(ctl::EditFloorAreaSH, "0");
    in.SetText(ctl::EditRoomWidthSH, "0");
    in.SetText(ctl::EditRoomHeightSH, "3");
    in.SetText(ctl::EditNoSmokeHeight, "0");
    in.Check(ctl::rbAUPTSprinkler3x3); // a fire of 9 m2 whatever the floor
    EXPECT_EQ(RunWithoutNetwork(calc, in), RunOutcome::noDutyPoint);
    ASSERT_FALSE(notifier.messages.empty());
    EXPECT_EQ(notifier.messages.back().kind, "error");
    EXPECT_EQ(notifier.messages.back().control, ctl::EditFloorAreaSH.Str());
    EXPECT_EQ(Body().find("nan"), std::string::npos);
}

TEST_F(ExhaustRoomFireTest, ZeroSmokeLayerAreaTakesTheLimitOfTheBalance) {
    calc.HeatRadiationCoef = 0.75;
    calc.FireHeatPower = 1000;
    calc.GasMassFlow = 2;
    calc.SpecConvectHeat = 1.1;
    calc.RoomAirTempK = 293;
    calc.SmokeThickness = 0;
    calc.MaxSmokePerimeter = 10;
    calc.SmokeEquiArea = 1e-7; // d -> 0 from above
    const double nearLimit = calc.SmokeLayerTemp(400);
    calc.SmokeEquiArea = 0;
    EXPECT_NEAR(calc.SmokeLayerTemp(400), 293 + 750 / (1.1 * 2), 1e-9);
    EXPECT_NEAR(calc.SmokeLayerTemp(400), nearLimit, 1e-3);
}

TEST(ExhaustRoomFirePropertyTest, BisectionStopsAfterThirteenHalvingsOnADyadicPoint) {
    ExhaustCalc calc;
    const double x = calc.BisectRoot([](double t) { return 700 - t; }, -100, 1500, 0.1, 0, 0);
    EXPECT_NEAR(x, 700, 0.1);
    EXPECT_EQ(std::fmod((x + 100) * 8192 / 1600, 1.0), 0.0);
    EXPECT_EQ(calc.ResultX, x);
    EXPECT_EQ(calc.ResultFDelta, 700 - x);
    EXPECT_NEAR(ExhaustCalc::SmokeHeatCapacity(542.28515625), 1.1151, 0.00005);
    EXPECT_DOUBLE_EQ(ExhaustCalc::WallHeatTransferCoef(273), 0.01163);
}

} // namespace
} // namespace orvane::exhaust::test
