#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "core/number_text.h"
#include "inflow/inflow_calc.h"
#include "inflow_test_support.h"

#include "inflow_test_support.h"

using namespace orvane;
using namespace orvane::inflow;

namespace {

struct SupplyUndergroundStairTest : ::testing::Test {
    void SetUp() override {
        SetDecimalSeparator(',');
        in.Check(ctl::rbUnderGndStair);
    }
    InflowInputs in = InflowInputs::Defaults();
    RecordingNotifier notifier;
    InflowCalc calc{&notifier};
    RunOutcome run() { return calc.Run(in); }
    const UndergroundStairResults &res() const { return calc.UndergroundStair().Results(); }
    const StairwellResults &stair() const { return res().Stairwell; }
};

} // namespace

TEST_F(SupplyUndergroundStairTest, DefaultsGiveTheWorkedExample) {
    ASSERT_EQ(run(), RunOutcome::ok);
    EXPECT_DOUBLE_EQ(res().BottomLevel, -12);
    EXPECT_NEAR(res().TopDoorPressure, 27.68, 0.005);
    EXPECT_NEAR(stair().ExitFlow, 7.399, 5e-4);
    EXPECT_EQ(stair().CountedStairwells, 2);
    EXPECT_DOUBLE_EQ(res().DoorwayShareFlow, 1.5);
    EXPECT_DOUBLE_EQ(stair().DesignFlow, stair().ExitFlow);

    const auto &floors = res().Floors;
    ASSERT_EQ(floors.size(), 4u);
    EXPECT_EQ(floors.front().FloorNumber, -1);
    EXPECT_EQ(floors.back().FloorNumber, -4);
    // Only the lowest floor carries the fan's values, and the fan command sends them.
    for (size_t i = 0; i + 1 < floors.size(); ++i)
        EXPECT_EQ(floors[i].FanVolumeFlow, 0);
    EXPECT_EQ(calc.FanVolumeFlow, floors.back().FanVolumeFlow);
    EXPECT_EQ(calc.FanPressure, floors.back().FanPressure);
    EXPECT_EQ(res().BottomFlow, floors.back().StairFlow);
    EXPECT_EQ(res().BottomPressure, floors.back().DoorPressureDiff);
}

// The whole report of a default run, reviewed line by line.
TEST_F(SupplyUndergroundStairTest, DefaultReportMatchesTheReviewedFixture) {
    ASSERT_EQ(run(), RunOutcome::ok);
    EXPECT_EQ(calc.Report.RTFull,
              ReportFixture(TEST_DATA_DIR "/inflow/data/sw_ug_default.rtf", calc.Report.RTFull));
}

// The door of floor -j sees P - g·(h(-n) - (h(-j) - 0.5·hd))·(ρs - ρr), levels negative.
TEST_F(SupplyUndergroundStairTest, DoorPressureUsesNegativeLevels) {
    UndergroundStairPass a;
    a.DesignFlow = 2;
    a.TopDoorPressure = 30;
    a.FloorCount = 3;
    a.DoorResist = 4000;
    a.DoorArea = 2;
    a.OutsideDensity = 1.4;
    a.InsideDensity = 1.2;
    a.StairDensity = 1.3;
    a.DoorHeight = 2.2;
    a.FloorHeight = 3;
    a.BottomLevel = -9;
    a.FlightsXi = 60;
    a.FlightsArea = 18;
    const auto floors = UndergroundStairFloorPass(a);
    ASSERT_EQ(floors.size(), 3u);
    const double v1 = 2 / 1.3 / 18;
    const double P2 = 30 + 0.5 * 60 * 1.3 * v1 * v1;
    const double dPd2 = P2 - 9.81 * (-9 - (-6 - 1.1)) * (1.3 - 1.2);
    EXPECT_NEAR(floors[1].DoorPressureDiff, dPd2, 1e-12);
    EXPECT_NEAR(floors[1].DoorLeak, 2 * std::sqrt(dPd2 / 4000), 1e-12);
    EXPECT_NEAR(floors[1].StairFlow, 2 + floors[1].DoorLeak, 1e-12);
    EXPECT_EQ(floors[0].DoorLeak, 0);
}

TEST_F(SupplyUndergroundStairTest, OneAndNoUndergroundFloors) {
    in.SetText(ctl::EditUGFloorQty, "1");
    ASSERT_EQ(run(), RunOutcome::ok);
    ASSERT_EQ(res().Floors.size(), 1u);
    const auto &only = res().Floors[0];
    EXPECT_EQ(only.DoorLeak, 0);
    EXPECT_DOUBLE_EQ(only.StairFlow, stair().DesignFlow);
    EXPECT_GT(only.FanVolumeFlow, 0);
    EXPECT_GT(only.FanPressure, 0);
    EXPECT_TRUE(notifier.messages.empty());

    // without an underground floor there is nothing to size: the run stops at the count
    for (const char *typed : {"0", "00"}) {
        SCOPED_TRACE(typed);
        notifier.messages.clear();
        in.SetText(ctl::EditUGFloorQty, typed);
        InflowCalc fresh{&notifier};
        EXPECT_EQ(fresh.Run(in), RunOutcome::inputStopped);
        ASSERT_EQ(notifier.messages.size(), 1u);
        EXPECT_EQ(notifier.messages[0].kind, "warning");
        EXPECT_EQ(notifier.messages[0].text,
                  "Число подземных этажей должно быть не менее одного:\r    Nпэ ≥ 1");
        EXPECT_EQ(ControlName(notifier.messages[0].control), ctl::EditUGFloorQty);
        EXPECT_TRUE(fresh.UndergroundStair().Results().Floors.empty());
        EXPECT_EQ(fresh.FanVolumeFlow, 0);
        EXPECT_EQ(fresh.FanPressure, 0);
        std::string table;
        RtfText(table, "Таблица 1");
        EXPECT_EQ(fresh.Report.RTBody.find(table), std::string::npos);
    }
}

// The printed fan pressure is the one the fan receives, and both printed formulas evaluate to
// their printed values.
TEST_F(SupplyUndergroundStairTest, PrintedFormulasGiveThePrintedValues) {
    ASSERT_EQ(run(), RunOutcome::ok);
    const std::string &b = calc.Report.RTBody;
    const double g = 9.81, hd = 2.2;
    const double rhoA = stair().Air.OutsideAirDensity, rhoR = stair().Air.InsideAirDensity;
    const double dh = calc.UndergroundStair().Inputs().FloorHeight,
                 hN = PrintedNumber(b, "Отметка уровня нижнего подземного");
    EXPECT_EQ(hN, -12);

    // Ps(-1) = 20 + g·(h(-1) − h(-n) − 0,5·hd)·(ρs − ρr), levels negative
    EXPECT_NEAR(20 + g * (-dh - hN - 0.5 * hd) * (stair().StairAirDensity - rhoR),
                PrintedNumber(b, "Минимально необходимое давление на уровне двери 1-го"), 0.0051);

    // Psv = 1,2·[Ps + g·(h0s + ΔhПЭ)·(ρa − ρr) + Pds]/ρa
    const double Ps = PrintedNumber(b, "Давление воздуха на нижнем подземном этаже");
    const double psv = PrintedNumber(b, "Статическое давление вентилятора");
    EXPECT_NEAR(
        1.2 *
            (Ps + g * (calc.UndergroundStair().Inputs().IntakeToHeadHeight + dh) * (rhoA - rhoR) +
             calc.UndergroundStair().Inputs().IntakeDuctLoss) /
            rhoA,
        psv, 0.01);
    EXPECT_EQ(psv, 139.76);
    EXPECT_EQ(FormatFixed2(calc.FanPressure), "139,76");
    EXPECT_EQ(FormatRoundedInt(calc.FanPressure), "140");
    EXPECT_EQ(FormatRoundedInt(calc.FanVolumeFlow), "20106");
}

TEST_F(SupplyUndergroundStairTest, NoFlightSectionMeansUnitExitResistanceAndNoFlightLoss) {
    in.SetText(ctl::EditSWProjArea, "0");
    ASSERT_EQ(run(), RunOutcome::ok);
    const double X = stair().Air.WindPressure + res().TopDoorPressure -
                     9.81 * (res().BottomLevel - 1.1) *
                         (stair().Air.OutsideAirDensity - stair().StairAirDensity);
    EXPECT_NEAR(stair().ExitFlow, std::sqrt(std::fabs(2 * stair().StairAirDensity * X)), 1e-12);
    // with no flight loss every door sees the same running pressure P = Ps(-1)
    const auto &f = res().Floors;
    const double dRho = stair().StairAirDensity - stair().Air.InsideAirDensity;
    EXPECT_NEAR(f[1].DoorPressureDiff, res().TopDoorPressure - 9.81 * (-12 - (-6 - 1.1)) * dRho,
                1e-12);
}

TEST_F(SupplyUndergroundStairTest, NegativeDoorPressureGivesNoLeakage) {
    UndergroundStairPass a;
    a.DesignFlow = 2;
    a.TopDoorPressure = 20;
    a.FloorCount = 10;
    a.DoorResist = 4000;
    a.DoorArea = 2;
    a.OutsideDensity = 1.4;
    a.InsideDensity = 3; // inside air far heavier than the stairwell's
    a.StairDensity = 1.3;
    a.DoorHeight = 2.2;
    a.FloorHeight = 3;
    a.BottomLevel = -30;
    a.FlightsXi = 60;
    a.FlightsArea = 18;
    const auto floors = UndergroundStairFloorPass(a);
    ASSERT_LT(floors[1].DoorPressureDiff, 0);
    EXPECT_EQ(floors[1].DoorLeak, 0);
    EXPECT_EQ(floors[1].StairFlow, 2);
}
