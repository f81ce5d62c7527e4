#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "exhaust_test_support.h"
#include "report/rtf_writer.h"

namespace orvane::exhaust::test {
namespace {

class ExhaustCorridorTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator(','); }
    ExhaustInputs in = DefaultsFor(ctl::rbCalcCorridor);
    RecordingNotifier notifier;
    ExhaustCalc calc{&notifier};
};

TEST_F(ExhaustCorridorTest, DefaultRoomIsVentilationControlled) {
    ASSERT_EQ(RunWithoutNetwork(calc, in), RunOutcome::ok);
    EXPECT_DOUBLE_EQ(calc.RoomVolume, 78);
    EXPECT_NEAR(calc.BarrierArea, 109.53, 0.005);
    EXPECT_DOUBLE_EQ(calc.TotalDoorsArea, 2.1);
    EXPECT_NEAR(calc.DoorRate, 2.1 * std::sqrt(2.1) / std::pow(78, 2.0 / 3.0), 1e-12);
    EXPECT_NEAR(calc.DoorRate, 0.1667, 0.0001);
    EXPECT_NEAR(calc.NecSpecAirAmount, 3.7872, 1e-12);
    EXPECT_NEAR(calc.FireLoadSpecFloor, 43.48, 0.005);
    EXPECT_NEAR(calc.FireLoadSpecBarrier, 8.09, 0.005);
    EXPECT_NEAR(calc.FireLoadCritical, 6.47, 0.005);
    // ventilation controlled (8,09 >= 6,47), 600 MJ/m2 of furniture as wood of 13,8 MJ/kg:
    // Tmax = 293 + 940 exp(0,0047 * 600 / 13,8 - 0,141) = 1294,4735 K, the outlet 0,8 of it
    EXPECT_NEAR(calc.MaxMeanGasTemp, 1294.4735, 1e-4);
    EXPECT_NEAR(calc.OutletGasTemp, 1035.5788, 1e-4);
    EXPECT_NEAR(calc.MeanSmokeTemp, 507, 0.5);
    EXPECT_DOUBLE_EQ(calc.GasMassFlow, 1.2 * 2 * std::sqrt(2.0));
    EXPECT_NEAR(calc.MeanGasDensity, 0.70, 0.005);
    EXPECT_NEAR(calc.GasVolumeFlow, 17554, 0.5);
    EXPECT_TRUE(notifier.messages.empty());
}

// The whole input and calculation report of the default corridor, up to the network section.
TEST_F(ExhaustCorridorTest, DefaultReportMatchesReviewedFixture) {
    ASSERT_EQ(RunWithoutNetwork(calc, in), RunOutcome::ok);
    if (std::getenv("ORVANE_WRITE_FIXTURES"))
        WriteReportFixture("default_corridor_body.txt", calc.Report.RTBody);
    const std::string readable = ReadReportFixture("default_corridor_body.txt");
    ASSERT_FALSE(readable.empty()) << "fixture missing";
    const std::string expected = Rtf(readable);
    EXPECT_EQ(calc.Report.RTBody, expected);
}

TEST_F(ExhaustCorridorTest, RoomOfExactly1000CubicMetresDividesByFloorArea) {
    in.SetText(ctl::EditRoomLength, "10");
    in.SetText(ctl::EditRoomWidth, "10");
    in.SetText(ctl::EditRoomHeight, "10");
    ASSERT_EQ(RunWithoutNetwork(calc, in), RunOutcome::ok);
    EXPECT_NEAR(calc.DoorRate, 2.1 * std::sqrt(2.1) / 100, 1e-12);
    EXPECT_NE(DecodeRtf(calc.Report.RTBody).find("Проемность помещения (объем \\u8805? 1000 м"),
              std::string::npos);
}

TEST_F(ExhaustCorridorTest, ZeroCorridorLengthKeepsRoomTemperature) {
    in.SetText(ctl::EditCorridorLength, "0");
    ASSERT_EQ(RunWithoutNetwork(calc, in), RunOutcome::ok);
    EXPECT_DOUBLE_EQ(calc.MeanSmokeTemp, 293);
    EXPECT_DOUBLE_EQ(calc.MeanGasDensity, 353.0 / 293);
}

TEST_F(ExhaustCorridorTest, NoOpeningsLeaveOnlyTheVolumeTermOfTheCriticalLoad) {
    in.DoorGrid[0] = {"", ""};
    ASSERT_EQ(RunWithoutNetwork(calc, in), RunOutcome::ok);
    EXPECT_EQ(calc.TotalDoorsArea, 0);
    EXPECT_EQ(calc.DoorRate, 0);
    EXPECT_DOUBLE_EQ(calc.FireLoadCritical, std::cbrt(78.0) / (6 * 0.263 * 14.4));
}

TEST_F(ExhaustCorridorTest, LightLoadIsLoadControlled) {
    in.FireLoadDensity.FLDensity = 50;
    ASSERT_EQ(RunWithoutNetwork(calc, in), RunOutcome::ok);
    EXPECT_LT(calc.FireLoadSpecBarrier, calc.FireLoadCritical);
    EXPECT_DOUBLE_EQ(calc.MaxMeanGasTemp, 293 + 224 * std::pow(calc.FireLoadSpecBarrier, 0.528));
    EXPECT_NE(DecodeRtf(calc.Report.RTBody).find("=>  пожар, регулируемый нагрузкой"),
              std::string::npos);
}

// No smoke layer and no corridor area: the layer temperature tends to the room's.
TEST_F(ExhaustCorridorTest, ZeroLayerAndAreaTakeTheLimitInsteadOfDividingByZero) {
    in.SetText(ctl::EditCorridorArea, "0");
    in.SetText(ctl::EditCorridorHeight, "2,5");
    ASSERT_EQ(RunWithoutNetwork(calc, in), RunOutcome::ok);
    EXPECT_DOUBLE_EQ(calc.MeanSmokeTemp, 293);
}

} // namespace
} // namespace orvane::exhaust::test
