#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "core/number_text.h"
#include "inflow/inflow_calc.h"
#include "inflow_test_support.h"

using namespace orvane;
using namespace orvane::inflow;

namespace {

struct UnderGroundTest : ::testing::Test {
    void SetUp() override {
        SetDecimalSeparator(',');
        in.check(ctl::rbUnderGndStair);
    }
    InflowInputs in = InflowInputs::Defaults();
    RecordingNotifier notifier;
    InflowCalc calc{&notifier};
    RunOutcome run() { return calc.Run(in); }
};

} // namespace

TEST_F(UnderGroundTest, DefaultsGiveTheWorkedExample) {
    ASSERT_EQ(run(), RunOutcome::ok);
    EXPECT_DOUBLE_EQ(calc.UGHBottom, -12);
    EXPECT_NEAR(calc.OpenSWPress, 27.68, 0.005);
    EXPECT_NEAR(calc.ExitAirExps, 7.399, 5e-4);
    EXPECT_EQ(calc.CalculatedSWQty, 2);
    EXPECT_DOUBLE_EQ(calc.OpenSWAirExps, 1.5);
    EXPECT_DOUBLE_EQ(calc.SWAirExps, calc.ExitAirExps);

    const auto &floors = calc.UnderGndStairResult;
    ASSERT_EQ(floors.size(), 4u);
    EXPECT_EQ(floors.front().FloorNum, -1);
    EXPECT_EQ(floors.back().FloorNum, -4);
    // Only the lowest floor carries the fan's values, and the fan command sends them.
    for (size_t i = 0; i + 1 < floors.size(); ++i)
        EXPECT_EQ(floors[i].Lv, 0);
    EXPECT_EQ(calc.VolumeAirExps, floors.back().Lv);
    EXPECT_EQ(calc.FanPress, floors.back().Psv);
    EXPECT_EQ(calc.MassAirExps, floors.back().Gs);
    EXPECT_EQ(calc.AirPressure, floors.back().Ps);
}

// The whole report of a default run, reviewed line by line.
TEST_F(UnderGroundTest, DefaultReportMatchesTheReviewedFixture) {
    ASSERT_EQ(run(), RunOutcome::ok);
    EXPECT_EQ(calc.Report.RTFull, ReadFile(TEST_DATA_DIR "/inflow/data/sw_ug_default.rtf"));
}

// The door of floor -j sees P - g·(h(-n) - (h(-j) - 0.5·hd))·(ρs - ρr), levels negative.
TEST_F(UnderGroundTest, DoorPressureUsesNegativeLevels) {
    TUnderGndStairPassArgs a;
    a.G0 = 2;
    a.Ps1 = 30;
    a.UGFloorQty = 3;
    a.Sd = 4000;
    a.Fd = 2;
    a.RhoA = 1.4;
    a.RhoR = 1.2;
    a.RhoS = 1.3;
    a.hd = 2.2;
    a.dhPE = 3;
    a.hBottom = -9;
    a.XiS = 60;
    a.FS = 18;
    const auto floors = InflowCalc::CalcUnderGndStairFloors(a);
    ASSERT_EQ(floors.size(), 3u);
    const double v1 = 2 / 1.3 / 18;
    const double P2 = 30 + 0.5 * 60 * 1.3 * v1 * v1;
    const double dPd2 = P2 - 9.81 * (-9 - (-6 - 1.1)) * (1.3 - 1.2);
    EXPECT_NEAR(floors[1].Ps, dPd2, 1e-12);
    EXPECT_NEAR(floors[1].dGs, 2 * std::sqrt(dPd2 / 4000), 1e-12);
    EXPECT_NEAR(floors[1].Gs, 2 + floors[1].dGs, 1e-12);
    EXPECT_EQ(floors[0].dGs, 0);
}

TEST_F(UnderGroundTest, OneAndNoUndergroundFloors) {
    in.setText(ctl::EditUGFloorQty, "1");
    ASSERT_EQ(run(), RunOutcome::ok);
    ASSERT_EQ(calc.UnderGndStairResult.size(), 1u);
    const auto &only = calc.UnderGndStairResult[0];
    EXPECT_EQ(only.dGs, 0);
    EXPECT_DOUBLE_EQ(only.Gs, calc.SWAirExps);
    EXPECT_GT(only.Lv, 0);
    EXPECT_GT(only.Psv, 0);

    in.setText(ctl::EditUGFloorQty, "0");
    ASSERT_EQ(run(), RunOutcome::ok);
    EXPECT_TRUE(calc.UnderGndStairResult.empty());
    EXPECT_EQ(calc.MassAirExps, 0);
    EXPECT_EQ(calc.AirPressure, 0);
    EXPECT_EQ(calc.VolumeAirExps, 0);
    EXPECT_EQ(calc.FanPress, 0);
}

TEST_F(UnderGroundTest, NoFlightSectionMeansUnitExitResistanceAndNoFlightLoss) {
    in.setText(ctl::EditSWProjArea, "0");
    ASSERT_EQ(run(), RunOutcome::ok);
    const double X = calc.WindPress + calc.OpenSWPress -
                     9.81 * (calc.UGHBottom - 1.1) * (calc.OutsideAirDensity - calc.SWAirDensity);
    EXPECT_NEAR(calc.ExitAirExps, std::sqrt(std::fabs(2 * calc.SWAirDensity * X)), 1e-12);
    // with no flight loss every door sees the same running pressure P = Ps(-1)
    const auto &f = calc.UnderGndStairResult;
    const double dRho = calc.SWAirDensity - calc.InsideAirDensity;
    EXPECT_NEAR(f[1].Ps, calc.OpenSWPress - 9.81 * (-12 - (-6 - 1.1)) * dRho, 1e-12);
}

TEST_F(UnderGroundTest, NegativeDoorPressureGivesNoLeakage) {
    TUnderGndStairPassArgs a;
    a.G0 = 2;
    a.Ps1 = 20;
    a.UGFloorQty = 10;
    a.Sd = 4000;
    a.Fd = 2;
    a.RhoA = 1.4;
    a.RhoR = 3; // inside air far heavier than the stairwell's
    a.RhoS = 1.3;
    a.hd = 2.2;
    a.dhPE = 3;
    a.hBottom = -30;
    a.XiS = 60;
    a.FS = 18;
    const auto floors = InflowCalc::CalcUnderGndStairFloors(a);
    ASSERT_LT(floors[1].Ps, 0);
    EXPECT_EQ(floors[1].dGs, 0);
    EXPECT_EQ(floors[1].Gs, 2);
}
