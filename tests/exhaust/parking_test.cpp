#include <gtest/gtest.h>

#include <cmath>

#include "exhaust_test_support.h"

namespace orvane::exhaust::test {
namespace {

class ExhaustParkingTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator(','); }
    ExhaustInputs in = DefaultsFor(ctl::rbCalcParking);
    RecordingNotifier notifier;
    ExhaustCalc calc{&notifier};
};

TEST_F(ExhaustParkingTest, DefaultCarPark) {
    ASSERT_EQ(RunWithoutNetwork(calc, in), RunOutcome::ok);
    EXPECT_NEAR(calc.FlameTongueHeight, 4.46, 0.005);
    EXPECT_NEAR(calc.GasMassFlow, 0.032 * std::pow(3750.0, 0.6) * 2.5, 1e-12);
    EXPECT_NEAR(calc.GasMassFlow, 11.16, 0.005);
    EXPECT_EQ(calc.ConvectTemp, 590.72265625);
    EXPECT_NEAR(calc.SpecConvectHeat, 1.1287, 0.00005);
    EXPECT_EQ(calc.MeanSmokeTemp, 578.61328125);
    EXPECT_NEAR(calc.MeanGasDensity, 0.61, 0.005);
    EXPECT_NEAR(calc.GasVolumeFlow, 65830, 0.5);
    const std::string body = DecodeRtf(calc.Report.RTBody);
    EXPECT_NE(body.find("\\par\\par\\b Высота факела пламени\\par z\\sub l\\nosupersub\\b0  = "
                        "0,166 \\u8729? (r \\u8729? Q\\sub f\\nosupersub )\\super 2/5\\nosupersub  "
                        "= \\b 4,46 м"),
              std::string::npos);
    EXPECT_NE(body.find("\\par L\\sub ПГ\\nosupersub\\b0  = G\\sub k\\nosupersub  / \\u0961?"),
              std::string::npos);
    EXPECT_NE(body.find(" = \\b 591 К"), std::string::npos);
    EXPECT_NE(body.find(" = \\b 579 К"), std::string::npos);
    EXPECT_NE(body.find(" = \\b 65830 м\\super 3\\nosupersub /ч"), std::string::npos);
}

TEST_F(ExhaustParkingTest, AreaFormProposesAFourByThreeRectangle) {
    in.SetComboIndex(ctl::cbRoomSizeVariant, 1);
    in.SetText(ctl::EditFloorAreaSH, "48");
    const ParkingSmokeProposal p = ProposeParkingSmoke(in);
    EXPECT_DOUBLE_EQ(p.MaxSmokePerimeter, 28);
    EXPECT_DOUBLE_EQ(p.SmokeEquiArea, 48);
    ApplyParkingSmokeProposal(in);
    EXPECT_EQ(in.Text(ctl::EditParkMaxSmkPerim), "28");
    EXPECT_EQ(in.Text(ctl::EditSmokeEquArea), "48");
}

TEST_F(ExhaustParkingTest, NoRadiatedShareMeansNoPlumeAndRoomTemperature) {
    in.SetText(ctl::EditParkHRadiation, "0");
    ASSERT_EQ(RunWithoutNetwork(calc, in), RunOutcome::ok);
    EXPECT_EQ(calc.FlameTongueHeight, 0);
    EXPECT_EQ(calc.GasMassFlow, 0);
    EXPECT_NEAR(calc.ConvectTemp, 293, 0.1);
    EXPECT_NEAR(calc.MeanSmokeTemp, 293, 0.1);
}

TEST_F(ExhaustParkingTest, ZeroSmokeLayerWithoutPlumeStopsNamingTheLayerFields) {
    in.SetText(ctl::EditParkMaxSmkPerim, "0");
    in.SetText(ctl::EditSmokeEquArea, "0");
    in.SetText(ctl::EditNoSmokeHeight, "0");
    EXPECT_EQ(RunWithoutNetwork(calc, in), RunOutcome::noDutyPoint);
    ASSERT_FALSE(notifier.messages.empty());
    EXPECT_EQ(notifier.messages.back().control, ctl::EditSmokeEquArea.Str());
    EXPECT_NE(notifier.messages.back().text.find("периметр и площадь дымового слоя"),
              std::string::npos);
}

} // namespace
} // namespace orvane::exhaust::test
