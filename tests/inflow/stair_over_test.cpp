#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/inflow_calc.h"
#include "inflow/inflow_charts.h"
#include "inflow_test_support.h"

#include "inflow_test_support.h"

using namespace orvane;
using namespace orvane::inflow;

namespace {

struct SupplyAboveGroundStairTest : ::testing::Test {
    void SetUp() override { SetDecimalSeparator(','); }
    InflowInputs in = InflowInputs::Defaults();
    RecordingNotifier notifier;
    InflowCalc calc{&notifier};
    RunOutcome run() { return calc.Run(in); }
    const AboveGroundStairResults &res() const { return calc.AboveGroundStair().Results(); }
    const StairwellResults &stair() const { return res().Stairwell; }
    const AboveGroundStairFloor &floor(int k) const {
        for (const auto &f : res().Floors)
            if (f.FloorNumber == k)
                return f;
        throw std::runtime_error("no floor");
    }
    bool contains(std::string_view utf8) const {
        return calc.Report.RTBody.find(Rtf(utf8)) != std::string::npos;
    }
};

} // namespace

TEST_F(SupplyAboveGroundStairTest, DefaultsGiveTheWorkedExample) {
    ASSERT_EQ(run(), RunOutcome::ok);
    EXPECT_NEAR(stair().Air.OutsideAirDensity, 1.4283, 1e-4);
    EXPECT_NEAR(stair().Air.InsideAirDensity, 1.2124, 1e-4);
    EXPECT_NEAR(stair().StairAirDensity, 1.3115, 1e-4);
    EXPECT_EQ(stair().Air.WindPressure, 0);
    EXPECT_DOUBLE_EQ(res().BuildingHeight, 49);
    EXPECT_NEAR(res().NormPressureDiff, 57.07, 0.005);
    EXPECT_NEAR(res().WindowNormResist, 3.4593, 1e-4);
    EXPECT_NEAR(res().DesignPressure, 14.07, 0.005);
    EXPECT_EQ(stair().CountedStairwells, 2);
    EXPECT_DOUBLE_EQ(stair().DesignFlow, 1.5);

    const auto &floors = res().Floors;
    ASSERT_EQ(floors.size(), 12u);
    EXPECT_EQ(floors.back().FloorNumber, 1);
    EXPECT_EQ(floors.back().Level, 0);
    EXPECT_EQ(floors.front().FloorNumber, 12);
    EXPECT_NEAR(floor(2).DoorPressureDiff, 20.00, 0.005);
    EXPECT_NEAR(floor(2).StairPressure, res().DesignPressure, 1e-12);
    EXPECT_NEAR(floor(3).DoorLeak, 0.1407, 1e-4);
    EXPECT_NEAR(floors.front().StairFlow, 3.461, 1e-3);

    EXPECT_NEAR(res().HeadPressure, 18.84, 0.005);
    EXPECT_DOUBLE_EQ(res().ServedHeight, 49);
    EXPECT_EQ(FormatRoundedInt(res().Duct.EquivDiameter), "686");
    EXPECT_NEAR(res().Duct.Friction, 0.0159, 5e-5);
    EXPECT_NEAR(res().Duct.Loss, 44.83, 0.005);
    EXPECT_EQ(FormatRoundedInt(calc.FanVolumeFlow), "8723");
    EXPECT_EQ(FormatRoundedInt(calc.FanPressure), "127");
}

// The whole report of a default run, reviewed line by line.
TEST_F(SupplyAboveGroundStairTest, DefaultReportMatchesTheReviewedFixture) {
    ASSERT_EQ(run(), RunOutcome::ok);
    EXPECT_EQ(calc.Report.RTFull,
              ReportFixture(TEST_DATA_DIR "/inflow/data/sw_og_default.rtf", calc.Report.RTFull));
}

// The default stairwell is inside every limit: the checks close the report with "в пределах",
// and there is no warning.
TEST_F(SupplyAboveGroundStairTest, DefaultRunEndsWithItsChecksWithinLimits) {
    ASSERT_EQ(run(), RunOutcome::ok);
    EXPECT_TRUE(contains("Проверка результатов\\par"));
    EXPECT_TRUE(contains("Перепад давления на закрытых дверях лестничной клетки: \\b от 20,00 до "
                         "62,81 Па\\b0  (допустимо от 20 до 150 Па, СП 7.13130.2013, п. 7.16 б) — "
                         "в пределах"));
    EXPECT_TRUE(contains("Скорость воздуха в приточном воздуховоде: \\b 5,05 м/с"));
    ASSERT_EQ(calc.Checks.size(), 2u);
    EXPECT_TRUE(calc.Messages.empty());
    EXPECT_TRUE(notifier.messages.empty());
}

// A 1st floor shut off from the stairwell has no door of its own: the chart's door differences
// start on the 2nd floor, as the check's; with the 1st floor joined they start on the 1st.
TEST_F(SupplyAboveGroundStairTest, ChartedDoorsLeaveOutAClosedFirstFloor) {
    for (const bool closed : {true, false}) {
        SCOPED_TRACE(closed);
        in.SetText(ctl::EditOGFloorQty, "4");
        in.CheckPair(ctl::rbFirstFloorNotJoinSW, ctl::rbFirstFloorJoinSW, closed);
        ASSERT_EQ(run(), RunOutcome::ok);
        const std::vector<ChartData> charts = InflowCharts(calc);
        ASSERT_FALSE(charts.empty());
        ASSERT_EQ(charts[0].series.size(), 2u);
        std::vector<int> floors;
        for (const ChartPoint &p : charts[0].series[1].points)
            floors.push_back(static_cast<int>(p.y));
        const std::vector<int> expected =
            closed ? std::vector<int>{4, 3, 2} : std::vector<int>{4, 3, 2, 1}; // top down
        EXPECT_EQ(floors, expected);
    }
}

// 30 floors: the stack effect takes the top doors above 150 Pa; the warning names those floors
// with their ΔPd and nothing below them.
TEST_F(SupplyAboveGroundStairTest, DoorDifferenceAbove150WarnsNamingTheFloors) {
    in.SetText(ctl::EditOGFloorQty, "30");
    ASSERT_EQ(run(), RunOutcome::ok);
    ASSERT_EQ(calc.Messages.size(), 1u);
    EXPECT_EQ(calc.Messages[0].kind, "warning");
    EXPECT_EQ(calc.Messages[0].text,
              "Перепад давления на закрытых дверях лестничной клетки: от 20,00 до 182,85 Па — "
              "выше 150 Па на этажах 30 (182,85 Па), 29 (173,17 Па), 28 (164,01 Па), "
              "27 (155,31 Па): двери могут не открыться.");
    EXPECT_LT(floor(26).DoorPressureDiff, 150); // just inside, so not named
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(SupplyAboveGroundStairTest, ZoneAboveTheFirstFloorStartsAtItsLowestFloor) {
    in.SetText(ctl::EditSWN1z, "5");
    ASSERT_EQ(run(), RunOutcome::ok);
    EXPECT_NEAR(res().DesignPressure, 2.40, 0.005);
    ASSERT_EQ(res().Floors.size(), 8u);
    EXPECT_DOUBLE_EQ(floor(5).Level, 17);
    EXPECT_NEAR(floor(5).DoorPressureDiff, 20, 1e-9);
    EXPECT_DOUBLE_EQ(res().ServedHeight, 32);
    EXPECT_TRUE(contains("P\\sub s(1s)\\nosupersub"));
}

// Every scheme D = 1..16 picks its design pressure and exit flow from the right candidate.
TEST_F(SupplyAboveGroundStairTest, SchemeTableChoosesTheDesignPressure) {
    in.SetText(ctl::EditWindSpeed, "5"); // a wind term that tells P1 from P1W
    // T1 windows in an outside wall, T2 an outside exit, T3 the 1st floor closed to the
    // stairwell, T4 floor exits through tambour-airlocks; the design door is on the 2nd floor
    // exactly when T3, the wind counts in schemes 11 and 13..16
    struct Scheme {
        int D;
        bool t1, t2, t3, t4;
        const char *pressure;
    };
    const Scheme schemes[] = {
        {1, 0, 0, 0, 0, "P1"},   {2, 0, 0, 0, 1, "P1"},   {3, 0, 0, 1, 0, "P2"},
        {4, 0, 0, 1, 1, "P2"},   {5, 0, 1, 0, 0, "P1"},   {6, 0, 1, 0, 1, "P1"},
        {7, 0, 1, 1, 0, "P2"},   {8, 0, 1, 1, 1, "P2"},   {9, 1, 0, 0, 0, "P1"},
        {10, 1, 0, 0, 1, "P1"},  {11, 1, 0, 1, 0, "P2W"}, {12, 1, 0, 1, 1, "P2"},
        {13, 1, 1, 0, 0, "P1W"}, {14, 1, 1, 0, 1, "P1W"}, {15, 1, 1, 1, 0, "P2W"},
        {16, 1, 1, 1, 1, "P2W"},
    };
    for (const auto &[D, t1, t2, t3, t4, pressure] : schemes) {
        SCOPED_TRACE(D);
        in.CheckPair(ctl::rbSWJoinWall, ctl::rbSWNotJoinWall, t1);
        in.CheckPair(ctl::rbSWWithExit, ctl::rbSWWOExit, t2);
        in.CheckPair(ctl::rbFirstFloorNotJoinSW, ctl::rbFirstFloorJoinSW, t3);
        in.CheckPair(ctl::rbExitsToSWViaTambour, ctl::rbExitsToSWViaDoor, t4);
        ASSERT_EQ(run(), RunOutcome::ok);
        EXPECT_EQ(StairSchemeNumber(t1, t2, t3, t4), D);

        const double g = 9.81, hd = 2.2, h2 = 5, P = 20;
        const double dRho = stair().StairAirDensity - stair().Air.InsideAirDensity;
        const double Pw = stair().Air.WindPressure;
        ASSERT_GT(Pw, 1);
        const std::string name = pressure;
        double want = name[1] == '2' ? P - g * (0.5 * hd + h2) * dRho : P - 4.905 * hd * dRho;
        if (name.size() == 3)
            want += Pw;
        EXPECT_NEAR(res().DesignPressure, want, 1e-9) << name;

        // the exit flow: none without an exit, else the candidate of the design door's floor
        if (!t2) {
            EXPECT_EQ(stair().ExitFlow, 0);
        } else {
            const double rhoS = stair().StairAirDensity, rhoA = stair().Air.OutsideAirDensity;
            double S = (1 * 2.44 + 4 + 1) / 4.0;
            double X = Pw + P + 4.905 * 2.2 * (rhoA - rhoS);
            if (t3) {
                S += 60.0 / (18 * 18);
                X -= g * (0.5 * hd + h2) * dRho;
            }
            EXPECT_NEAR(stair().ExitFlow, std::sqrt(2 * rhoS / S * X), 1e-9);
        }
        const double GsF = (t3 && t4) ? 0 : 1.5;
        EXPECT_DOUBLE_EQ(stair().DesignFlow, std::max(GsF, stair().ExitFlow));
    }
}

TEST_F(SupplyAboveGroundStairTest, TambourExitsAndClosedFirstFloorLeaveOnlyLeakages) {
    in.Check(ctl::rbExitsToSWViaTambour); // T3 true by default, T2 false
    ASSERT_EQ(run(), RunOutcome::ok);
    EXPECT_EQ(stair().DesignFlow, 0);
    EXPECT_EQ(stair().ExitFlow, 0);
    EXPECT_FALSE(contains("Количество лестничных клеток, принятое к расчёту"));
    EXPECT_GT(res().Floors.front().StairFlow, 0);

    in.SetText(ctl::EditSWN1z, "3");
    ASSERT_EQ(run(), RunOutcome::ok);
    // the flow is set to 0, not shared out: the line states it alone
    EXPECT_TRUE(contains("\\par Расход воздуха через открытый проём лестничной клетки\\par\\b "
                         "G\\sub s(F)\\nosupersub\\b0  = \\b 0,00 кг/с\\b0\\par "));
    EXPECT_FALSE(contains("G\\sub sm\\nosupersub  / q = "));
}

TEST_F(SupplyAboveGroundStairTest, CentralCoreHasNoWindowsAndNoWindTerm) {
    in.Check(ctl::rbSWNotJoinWall);
    in.SetText(ctl::EditWindSpeed, "5");
    ASSERT_EQ(run(), RunOutcome::ok);
    EXPECT_EQ(res().WindowCoef, 0);
    for (const auto &f : res().Floors) {
        EXPECT_EQ(f.WindowLeak, 0);
        EXPECT_EQ(f.WindowLeakPerArea, 0);
    }
    EXPECT_FALSE(contains("Ветровое давление внутри здания"));
    EXPECT_FALSE(contains("Нормированная разность давлений"));
    EXPECT_FALSE(contains(" - P\\sub w\\nosupersub ]\\super 1/2"));
    EXPECT_TRUE(contains("\\u0961?\\sub r\\nosupersub )]\\super 1/2\\nosupersub \\par "));
}

TEST_F(SupplyAboveGroundStairTest, OneFloorAndNoFloors) {
    in.SetText(ctl::EditOGFloorQty, "1");
    ASSERT_EQ(run(), RunOutcome::ok);
    ASSERT_EQ(res().Floors.size(), 1u);
    EXPECT_DOUBLE_EQ(res().ServedHeight, 5);

    in.SetText(ctl::EditOGFloorQty, "0");
    ASSERT_EQ(run(), RunOutcome::ok);
    EXPECT_TRUE(res().Floors.empty());
    EXPECT_EQ(res().HeadFlow, 0);
    EXPECT_EQ(res().HeadPressure, 0);
    EXPECT_EQ(res().ServedHeight, 0);
    EXPECT_EQ(calc.FanVolumeFlow, 0);
    EXPECT_TRUE(contains("Таблица 1. Давление и расходы воздуха по этажам\\b0\\par\\par "));
}

// The four ways of stating window permeation size the same window when they say the same thing:
// a resistance is the reciprocal of a permeability, and a volumetric value is a mass one over ρa.
TEST_F(SupplyAboveGroundStairTest, WindowRowsAgreeByTheirUnits) {
    ASSERT_EQ(run(), RunOutcome::ok);
    const double rhoA = stair().Air.OutsideAirDensity;
    const double kwQ100 = res().WindowCoef; // ΔQ100 = 3 (m3/h)/m2
    const double massAt100 = 3 * rhoA;      // kg/(h·m2) at 100 Pa
    const double massAt10 = massAt100 * std::pow(10.0 / 100.0, 2.0 / 3.0);
    struct Case {
        int row;
        double value;
    } cases[] = {{3, 1.0 / 3}, {0, massAt10}, {2, 1 / massAt10}};
    const double topGs = res().Floors.front().StairFlow;
    // the normalised resistance is defined by the mass permeability at 10 Pa, Gн
    EXPECT_NEAR(res().WindowNormPermeability, massAt10, 1e-12);
    const double Rn = std::pow(res().NormPressureDiff / 10, 2.0 / 3.0) / massAt10;
    EXPECT_NEAR(res().WindowNormResist, Rn, 1e-12);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.row);
        in.SetComboIndex(ctl::cbWinPenetrationVar, c.row);
        in.SetText(ctl::EditWinPenetration, FormatGeneral(c.value));
        ASSERT_EQ(run(), RunOutcome::ok);
        EXPECT_NEAR(res().WindowCoef, kwQ100, 1e-9 * kwQ100);
        EXPECT_NEAR(res().Floors.front().StairFlow, topGs, 1e-9);
        EXPECT_NEAR(res().WindowNormPermeability, massAt10, 1e-9 * massAt10);
        EXPECT_NEAR(res().WindowNormResist, Rn, 1e-9 * Rn);
    }
}

TEST_F(SupplyAboveGroundStairTest, ValueThatWouldNotBeFiniteStopsWithTheGuardLine) {
    in.SetText(ctl::EditWindSpeed, "1" + std::string(200, '0'));
    EXPECT_EQ(run(), RunOutcome::noDutyPoint);
    EXPECT_TRUE(calc.NonFiniteStop);
    EXPECT_EQ(calc.FanVolumeFlow, 0);
    EXPECT_EQ(calc.FanPressure, 0);
    ASSERT_FALSE(notifier.messages.empty());
    EXPECT_EQ(notifier.messages.back().kind, "error");
    EXPECT_EQ(notifier.messages.back().text, kNonFiniteMessage);
    EXPECT_TRUE(contains("\\par\\b Расчёт прерван: получено недопустимое значение. Проверьте "
                         "исходные данные.\\b0\\par "));
    // the numbers are the body's ("\\info" of the document properties is no number)
    for (const char *bad : {"nan", "inf", "NaN", "INF"})
        EXPECT_EQ(calc.Report.RTBody.find(bad), std::string::npos) << bad;
}

// The design-door block prints the lines of its scheme, in order: the pressure candidate of the
// design door (with the wind term only when there is an exit), the exit flow (with the flights'
// term when the door is on the 2nd floor), the stairwell count and the larger of the two flows.
TEST_F(SupplyAboveGroundStairTest, DesignDoorBlockPrintsTheLinesOfItsScheme) {
    const std::string Ps2 = "\\par Давление на уровне двери ЛК 2-го этажа\\par\\b P\\sub "
                            "s(2)\\nosupersub\\b0  = ";
    const std::string Ps1 = "\\par Давление на уровне двери ЛК 1-го этажа\\par\\b P\\sub "
                            "s(1)\\nosupersub\\b0  = ";
    const std::string wind = "P\\super +\\nosupersub  + P\\sub w\\nosupersub  - ";
    const std::string calm = "P\\super +\\nosupersub  - ";
    const std::string exitHead = "\\par Расход воздуха через наружный выход лестничной клетки";
    const std::string exitEnd = "F\\sub da\\nosupersub\\super 2\\nosupersub ]\\}";
    const std::string exitFlights =
        "F\\sub da\\nosupersub\\super 2\\nosupersub  + \\u0958?\\sub s\\nosupersub  / F\\sub "
        "s\\nosupersub\\super 2\\nosupersub ]\\}";
    const std::map<std::string, std::string> pieces = {
        {"P2W", Ps2 + wind},
        {"P2", Ps2 + calm},
        {"P1W", Ps1 + wind},
        {"P1", Ps1 + calm},
        {"P1s", "\\par Давление на уровне двери ЛК нижнего этажа зоны"},
        {"exit", exitHead},
        {"GA", exitFlights},
        {"GB", exitEnd},
        {"q", "\\par Количество лестничных клеток, принятое к расчёту"},
        {"GsF", "\\par Расход воздуха через открытый проём лестничной клетки"},
        {"max", "\\par Расход воздуха, принятый к расчёту"},
    };
    struct Case {
        bool t1, t2, t3, t4;
        const char *zoneFrom;
        std::vector<std::string> lines;
    } cases[] = {
        {false, false, false, false, "", {"P1", "q", "GsF"}},
        {false, false, true, true, "", {"P2"}},
        {false, true, false, false, "", {"P1W", "exit", "GB", "q", "GsF", "max"}},
        {false, true, true, true, "", {"P2W", "exit", "GA"}},
        {true, false, true, false, "", {"P2", "q", "GsF"}},
        {true, true, true, false, "", {"P2W", "exit", "GA", "q", "GsF", "max"}},
        {true, true, false, true, "", {"P1W", "exit", "GB", "q", "GsF"}},
        {true, true, true, true, "5", {"P1s", "q", "GsF"}},
    };
    in.SetText(ctl::EditWindSpeed, "5");
    for (const auto &c : cases) {
        SCOPED_TRACE(StairSchemeNumber(c.t1, c.t2, c.t3, c.t4));
        in.CheckPair(ctl::rbSWJoinWall, ctl::rbSWNotJoinWall, c.t1);
        in.CheckPair(ctl::rbSWWithExit, ctl::rbSWWOExit, c.t2);
        in.CheckPair(ctl::rbFirstFloorNotJoinSW, ctl::rbFirstFloorJoinSW, c.t3);
        in.CheckPair(ctl::rbExitsToSWViaTambour, ctl::rbExitsToSWViaDoor, c.t4);
        in.SetText(ctl::EditSWN1z, c.zoneFrom);
        ASSERT_EQ(run(), RunOutcome::ok);

        const std::string from = Rtf("Плотность воздуха в лестничной клетке");
        const std::string to = Rtf("Расчётные зависимости давления");
        const std::string &body = calc.Report.RTBody;
        const size_t begin = body.find(from);
        ASSERT_NE(begin, std::string::npos);
        const std::string block = body.substr(begin, body.find(to, begin) - begin);
        std::vector<std::pair<size_t, std::string>> found;
        for (const auto &[name, text] : pieces) {
            if (const size_t at = block.find(Rtf(text)); at != std::string::npos)
                found.emplace_back(at, name);
        }
        std::sort(found.begin(), found.end());
        std::vector<std::string> printed;
        for (const auto &f : found)
            printed.push_back(f.second);
        EXPECT_EQ(printed, c.lines);
    }
}

// The window lines and the fan pressure: each printed formula, evaluated with the run's values,
// gives the printed value to its printed rounding.
TEST_F(SupplyAboveGroundStairTest, PrintedWindowAndFanFormulasGiveThePrintedValues) {
    ASSERT_EQ(run(), RunOutcome::ok);
    const std::string &b = calc.Report.RTBody;
    const double g = 9.81;
    const double rhoA = stair().Air.OutsideAirDensity, rhoR = stair().Air.InsideAirDensity,
                 rhoS = stair().StairAirDensity;

    // Rп = (Δp/Δp0)^(2/3)/Gн with Gн = Kw·10^(2/3), Kw as printed beside ΔG_sw
    const double dp = PrintedNumber(b, "Нормированная разность давлений воздуха");
    const double Gn = PrintedNumber(b, "G\\sub Н\\nosupersub  = K", "= ");
    const double Kw = PrintedNumber(b, "где K\\sub w\\nosupersub ", "= ");
    const double Rn = PrintedNumber(b, "\\b R\\sub п\\nosupersub");
    EXPECT_NEAR(Rn, 3.46, 0.005);
    EXPECT_NEAR(Kw * std::pow(10.0, 2.0 / 3.0), Gn, 0.005);
    EXPECT_NEAR(std::pow(dp / 10, 2.0 / 3.0) / Gn, Rn, 0.01 * Rn);

    // ΔG_sw(i) = Fw·Kw/3600·[Ps(i) + g·h(i)·(ρs − ρr)]^(2/3) above the design floor
    const auto &f = floor(5);
    EXPECT_NEAR(calc.AboveGroundStair().Inputs().WindowArea * res().WindowCoef / 3600 *
                    std::pow(f.StairPressure + g * f.Level * (rhoS - rhoR), 2.0 / 3.0),
                f.WindowLeak, 1e-12);
    // the design floor of a stairwell whose 1st floor is shut off takes (ρa − ρs), as noted
    const AboveGroundStairInputs &entered = calc.AboveGroundStair().Inputs();
    ASSERT_TRUE(entered.AdjoinsOutsideWall && entered.FirstFloorSeparate &&
                entered.ZoneFirstFloor < 2);
    EXPECT_TRUE(contains("\\tab на 2-м этаже (\\u0961?\\sub a\\nosupersub  - \\u0961?\\sub "
                         "s\\nosupersub ) вместо (\\u0961?\\sub s\\nosupersub  - \\u0961?\\sub "
                         "r\\nosupersub )\\par "));
    const auto &design = floor(2);
    EXPECT_NEAR(res().WindowCoef *
                    std::pow(design.StairPressure + g * design.Level * (rhoA - rhoS), 2.0 / 3.0),
                design.WindowLeakPerArea, 1e-12);

    // Psv = 1,2·{PsN + g·hsN·(ρa − ρs) + g·h0l·(ρa − ρr) + Pвв}/ρa, each term as printed
    const double PsN = PrintedNumber(b, "Давление в оголовке ЛК");
    const double hsN = PrintedNumber(b, "Высота обслуживаемой зоны ЛК");
    const double Pvv = PrintedNumber(b, "Потери давления в сети от ВПУ до оголовка ЛК");
    EXPECT_TRUE(contains("\\b P\\sub sN\\nosupersub\\b0  = \\b "));
    const double psv = PrintedNumber(b, "Статическое давление вентилятора");
    EXPECT_NEAR(
        1.2 *
            (PsN + g * hsN * (rhoA - rhoS) + g * entered.IntakeToHeadHeight * (rhoA - rhoR) + Pvv) /
            rhoA,
        psv, 0.52);
}

TEST_F(SupplyAboveGroundStairTest, NoDesignFloorNoteWithoutAClosedFirstFloor) {
    in.CheckPair(ctl::rbFirstFloorNotJoinSW, ctl::rbFirstFloorJoinSW, false);
    ASSERT_EQ(run(), RunOutcome::ok);
    EXPECT_FALSE(contains("на 2-м этаже"));
    EXPECT_TRUE(contains("где K\\sub w\\nosupersub  = "));
}
