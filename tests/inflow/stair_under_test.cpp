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
    EXPECT_EQ(calc.Report.RTFull, ReportFixture(TEST_DATA_DIR "/inflow/data/sw_ug_default.rtf", calc.Report.RTFull));
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
    EXPECT_TRUE(notifier.messages.empty());

    // without an underground floor there is nothing to size: the run stops at the count
    for (const char *typed : {"0", "00"}) {
        SCOPED_TRACE(typed);
        notifier.messages.clear();
        in.setText(ctl::EditUGFloorQty, typed);
        InflowCalc fresh{&notifier};
        EXPECT_EQ(fresh.Run(in), RunOutcome::inputStopped);
        ASSERT_EQ(notifier.messages.size(), 1u);
        EXPECT_EQ(notifier.messages[0].kind, "warning");
        EXPECT_EQ(notifier.messages[0].text,
                  "Число подземных этажей должно быть не менее одного:\r    Nпэ ≥ 1");
        EXPECT_EQ(ControlName(notifier.messages[0].control), ctl::EditUGFloorQty);
        EXPECT_TRUE(fresh.UnderGndStairResult.empty());
        EXPECT_EQ(fresh.VolumeAirExps, 0);
        EXPECT_EQ(fresh.FanPress, 0);
        std::string table;
        RtfText(table, "Таблица 1");
        EXPECT_EQ(fresh.Report.RTBody.find(table), std::string::npos);
    }
}

// The printed fan pressure is the one the fan receives, and both printed formulas evaluate to
// their printed values.
TEST_F(UnderGroundTest, PrintedFormulasGiveThePrintedValues) {
    ASSERT_EQ(run(), RunOutcome::ok);
    const std::string &b = calc.Report.RTBody;
    const double g = 9.81, hd = 2.2;
    const double rhoA = calc.OutsideAirDensity, rhoR = calc.InsideAirDensity;
    const double dh = calc.UGFloorHeight, hN = PrintedNumber(b, "Отметка уровня нижнего подземного");
    EXPECT_EQ(hN, -12);

    // Ps(-1) = 20 + g·(h(-1) − h(-n) − 0,5·hd)·(ρs − ρr), levels negative
    EXPECT_NEAR(20 + g * (-dh - hN - 0.5 * hd) * (calc.SWAirDensity - rhoR),
                PrintedNumber(b, "Минимально необходимое давление на уровне двери 1-го"), 0.0051);

    // Psv = 1,2·[Ps + g·(h0s + ΔhПЭ)·(ρa − ρr) + Pds]/ρa
    const double Ps = PrintedNumber(b, "Давление воздуха на нижнем подземном этаже");
    const double psv = PrintedNumber(b, "Статическое давление вентилятора");
    EXPECT_NEAR(1.2 * (Ps + g * (calc.UGH0Below + dh) * (rhoA - rhoR) + calc.UGPdsBelow) / rhoA, psv,
                0.01);
    EXPECT_EQ(psv, 139.76);
    EXPECT_EQ(FormatFixed2(calc.FanPress), "139,76");
    EXPECT_EQ(FormatRoundedInt(calc.FanPress), "140");
    EXPECT_EQ(FormatRoundedInt(calc.VolumeAirExps), "20106");
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
