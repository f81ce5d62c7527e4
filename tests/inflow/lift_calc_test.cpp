// Lift shaft pressurisation: input checks, shaft types, exit floors, the floor pass and the report.
#include <cmath>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <algorithm>

#include "core/notifier.h"
#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/inflow_calc.h"
#include "inflow/inflow_charts.h"
#include "inflow_test_support.h"
#include "report/rtf_writer.h"

#include "inflow_test_support.h"

namespace orvane::inflow {
namespace {

// One press of "Расчет" on the lift page, starting from the window's start values.
struct LiftRun : InflowRun {
    LiftRun() : InflowRun(ctl::rbLift) {}
    std::vector<int> floorNums() const {
        std::vector<int> v;
        for (const auto &f : calc.Lift().Results().Floors)
            v.push_back(f.FloorNumber);
        return v;
    }
    const LiftFloor &floor(int num) const {
        for (const auto &f : calc.Lift().Results().Floors)
            if (f.FloorNumber == num)
                return f;
        throw std::runtime_error("no such floor");
    }
};

class SupplyLiftTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_F(SupplyLiftTest, ShaftTypeFollowsFloorCounts) {
    struct Case {
        const char *og, *ug;
        int shaft;
        const char *supplyLine;
        std::vector<int> floors;
    } cases[] = {
        {"3", "0", 1, "    Подача в верхнюю часть шахты.\\par ", {3, 2, 1}},
        {"3", "2", 2, "    Подача в верхнюю часть шахты.\\par ", {3, 2, 1, -1, -2}},
        {"1", "2", 3, "    Подача в нижнюю часть шахты.\\par ", {1, -1, -2}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.og) + "/" + c.ug);
        LiftRun r;
        r.set(ctl::EditLiftOGFloorQty, c.og).set(ctl::EditLiftUGFloorQty, c.ug).run();
        ASSERT_EQ(r.outcome, RunOutcome::ok);
        EXPECT_EQ(static_cast<int>(r.calc.Lift().Inputs().Shaft), c.shaft);
        EXPECT_TRUE(r.has(c.supplyLine));
        EXPECT_EQ(r.floorNums(), c.floors);
    }
}

TEST_F(SupplyLiftTest, BottomSupplyShaftSkipsUpperFloorInputsAndPrintsUndergroundPressure) {
    LiftRun r;
    r.set(ctl::EditLiftOGFloorQty, "1").set(ctl::EditLiftUGFloorQty, "2").run();
    ASSERT_EQ(r.outcome, RunOutcome::ok);
    // h(2) stays: the open doorway's pressure Pl(1) is reckoned from it
    EXPECT_TRUE(r.has("Отметка уровня второго этажа"));
    EXPECT_FALSE(r.has("Высота вышележащих этажей"));
    EXPECT_TRUE(r.has("Высота подземных этажей (от пола до пола):"));
    EXPECT_FALSE(r.has("Выходы на")); // the exit floors belong to top-supplied shafts
    EXPECT_TRUE(r.has("\\par Расчётное давление в подземной части ЛШ"));
    EXPECT_FALSE(r.has("\\par Расчётное давление в надземной части ЛШ"));
    EXPECT_FALSE(r.has("закрытых дверей надземной части"));
    EXPECT_TRUE(r.has("закрытых дверей подземной части"));
    // The air of the floors below passes the cage once, raising the pressure from floor 1 on.
    EXPECT_GT(r.floor(1).ShaftPressure, r.floor(-1).ShaftPressure);
    EXPECT_EQ(r.floor(-1).ShaftPressure, r.floor(-2).ShaftPressure);
}

// A shaft fed from below (one storey above ground) takes h(2) from its inputs, not from the
// model's start value. Hand check, no wind, P⁺ = 20 Па, hd = 2 м, ta = −26, tr = 18, tl = −4 °C:
// ρa = 353/247,15 = 1,428282, ρr = 353/291,15 = 1,212433, ρl = 353/269,15 = 1,311536 кг/м³;
// Pl(1) = 20 − 9,81·(1 + h2)·0,099103 + 9,81·0,116746
//   h2 = 3,87: 20 − 4,734593 + 1,145279 = 16,41 Па;  h2 = 9: 20 − 9,722004 + 1,145279 = 11,42 Па.
// With the doorway closed (method 3) no formula uses h(2): it is read but not printed.
TEST_F(SupplyLiftTest, BottomSupplyShaftTakesTheSecondFloorLevelItIsGiven) {
    const struct {
        const char *h2;
        const char *printed;
        double pl1;
    } cases[] = {{"3,87", "3,87", 16.41}, {"9", "9,00", 11.42}};
    double fanPress[2] = {};
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].h2);
        LiftRun r;
        r.set(ctl::EditLiftOGFloorQty, "1").set(ctl::EditLiftUGFloorQty, "2");
        r.set(ctl::EditLiftSecondFloorLevel, cases[i].h2).run();
        ASSERT_EQ(r.outcome, RunOutcome::ok);
        ASSERT_EQ(r.calc.Lift().Inputs().Shaft, LiftShaft::fedFromBelow);
        EXPECT_TRUE(r.has(std::string("h\\sub (2)\\nosupersub  = ") + cases[i].printed + " м"));
        EXPECT_DOUBLE_EQ(PrintedNumber(r.body(), "Расчётное давление на уровне 1-го этажа"),
                         cases[i].pl1);
        fanPress[i] = r.calc.FanPressure;
    }
    EXPECT_NE(fanPress[0], fanPress[1]);

    LiftRun closed;
    closed.in.Check(ctl::rbLiftMethodClosed);
    closed.set(ctl::EditLiftOGFloorQty, "1").set(ctl::EditLiftUGFloorQty, "2");
    closed.set(ctl::EditLiftSecondFloorLevel, "9").run();
    ASSERT_EQ(closed.outcome, RunOutcome::ok);
    EXPECT_EQ(closed.calc.Lift().Inputs().SecondFloorLevel, 9);
    EXPECT_FALSE(closed.has("Отметка уровня второго этажа"));
    EXPECT_FALSE(closed.has("Расчётное давление на уровне 1-го этажа"));
}

TEST_F(SupplyLiftTest, ExitFloorsAreClampedIntoTheBuilding) {
    const std::string all = "    Выходы на \\b всех\\b0  этажах\\b0\\par ";
    struct Case {
        const char *start, *finish, *ug;
        int expStart, expFinish;
        std::string line;
    } cases[] = {
        {"", "", "4", -4, 12, all},
        {"", "", "0", 1, 12, all},
        {"-9", "99", "4", -4, 12, all},
        {"5", "3", "4", 5, 5, "    Выходы на этажах:    \\b 5\\b0\\par "},
        {"-2", "7", "4", -2, 7, "    Выходы на этажах:    \\b с -2 по 7\\b0\\par "},
        {"99999999999", "", "4", 12, 12, "    Выходы на этажах:    \\b 12\\b0\\par "},
        {"-99999999999", "3", "4", -4, 3, "    Выходы на этажах:    \\b с -4 по 3\\b0\\par "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.start) + ".." + c.finish);
        LiftRun r;
        r.set(ctl::EditLiftLevelStart, c.start)
            .set(ctl::EditLiftLevelFinish, c.finish)
            .set(ctl::EditLiftUGFloorQty, c.ug)
            .run();
        ASSERT_EQ(r.outcome, RunOutcome::ok);
        EXPECT_EQ(r.calc.Lift().Inputs().ExitsFrom, c.expStart);
        EXPECT_EQ(r.calc.Lift().Inputs().ExitsTo, c.expFinish);
        EXPECT_TRUE(r.has(c.line));
    }
}

TEST_F(SupplyLiftTest, FloorsOutsideTheExitRangeShowOnlyLevelPressureAndRunningFlow) {
    LiftRun r;
    r.set(ctl::EditLiftLevelStart, "-2").set(ctl::EditLiftLevelFinish, "7").run();
    ASSERT_EQ(r.outcome, RunOutcome::ok);
    for (int num : {-4, -3, 8, 12}) {
        const LiftFloor &f = r.floor(num);
        EXPECT_EQ(f.DoorPressureDiff, 0) << num;
        EXPECT_EQ(f.Leak, 0) << num;
    }
    const LiftFloor &f9 = r.floor(9);
    const std::string row = "\\pard\\intbl 9\\cell " + FormatFixed2(f9.Level) + "\\cell " +
                            FormatFixed2(f9.ShaftPressure) + "\\cell \\cell \\cell " +
                            FormatGeneral(RoundHalfEven(f9.ShaftFlow, 3)) + "\\cell \\row ";
    EXPECT_NE(r.body().find(row), std::string::npos) << row;
    EXPECT_GT(f9.ShaftFlow, 0);
    EXPECT_EQ(f9.ShaftFlow, r.floor(7).ShaftFlow); // nothing leaves above the last exit floor
    EXPECT_GT(r.floor(-2).Leak, 0);
}

TEST_F(SupplyLiftTest, EmptyResistancesAreComputedAndPrintedInTheCalculation) {
    LiftRun r;
    r.run();
    ASSERT_EQ(r.outcome, RunOutcome::ok);
    const double rhoL = AirDensity(-4);
    EXPECT_NEAR(r.calc.Lift().Results().ShaftDoorResist, 2600 / rhoL, 1e-9);
    EXPECT_NEAR(r.calc.Lift().Results().HallDoorResist, 5300 / rhoL, 1e-9);
    EXPECT_NEAR(r.calc.Lift().Results().CageXi, 4.3 + 3 / 4.6, 1e-12);
    EXPECT_EQ(r.inputSection().find(Rtf("Сопротивление воздухопроницанию дверей")),
              std::string::npos);
    EXPECT_NE(r.calcSection().find(Rtf("dl\\nosupersub\\b0  = 2600 / \\u0961?\\sub l\\nosupersub "
                                       " = \\b 1982,41 м\\super 3\\nosupersub /кг\\b0\\par ")),
              std::string::npos);
    EXPECT_NE(r.calcSection().find(Rtf("dr\\nosupersub\\b0  = 5300 / \\u0961?\\sub l\\nosupersub "
                                       " = \\b 4041,06 м\\super 3\\nosupersub /кг\\b0\\par ")),
              std::string::npos);
    EXPECT_NE(r.calcSection().find(Rtf("= 4,3 + F\\sub lc\\nosupersub  / F\\sub ls\\nosupersub  "
                                       "= \\b 4,95\\b0\\par ")),
              std::string::npos);

    LiftRun e;
    e.set(ctl::EditLiftShaftDoorSpecResist, "2000")
        .set(ctl::EditLiftHallDoorSpecResist, "4000")
        .set(ctl::EditLiftCageKoefXil, "5")
        .run();
    ASSERT_EQ(e.outcome, RunOutcome::ok);
    EXPECT_EQ(e.calc.Lift().Results().ShaftDoorResist, 2000);
    EXPECT_EQ(e.calc.Lift().Results().HallDoorResist, 4000);
    EXPECT_EQ(e.calc.Lift().Results().CageXi, 5);
    EXPECT_NE(e.inputSection().find(Rtf("шахты:    \\b S\\sub dl\\nosupersub  = 2000,00")),
              std::string::npos);
    EXPECT_NE(e.inputSection().find(Rtf("холла:    \\b S\\sub dr\\nosupersub  = 4000,00")),
              std::string::npos);
    EXPECT_NE(e.inputSection().find(Rtf("\\b \\u0958?\\sub l\\nosupersub  = 5,00\\b0")),
              std::string::npos);
    EXPECT_EQ(e.calcSection().find(Rtf("= 2600 /")), std::string::npos);
    EXPECT_EQ(e.calcSection().find(Rtf("= 5300 /")), std::string::npos);
    EXPECT_EQ(e.calcSection().find(Rtf("= 4,3 +")), std::string::npos);
}

TEST_F(SupplyLiftTest, FirstFloorFlowByMethod) {
    // Method 1 and 2 hold the 1st floor's doorway open whatever the exit range says; with
    // method 3 the 1st floor is a closed floor like the others, inside the range or not.
    struct Case {
        ControlName radio;
        const char *start;
        bool closedFloorFormula; // DG from the closed doors
        bool firstFloorLines;    // Pl(1) printed
    } cases[] = {
        {ctl::rbLiftMethodOpening, "2", false, true},
        {ctl::rbLiftMethodClosed, "", true, false},
        {ctl::rbLiftMethodClosed, "2", true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.radio.Str() + " start " + c.start);
        LiftRun r;
        r.in.Check(c.radio);
        r.set(ctl::EditLiftLevelStart, c.start).run();
        ASSERT_EQ(r.outcome, RunOutcome::ok);
        const LiftFloor &f1 = r.floor(1);
        EXPECT_EQ(r.has("\\par Расчётное давление на уровне 1-го этажа"), c.firstFloorLines);
        EXPECT_EQ(r.has("\\par Расчётный расход воздуха из ЛШ на 1-м этаже"), c.firstFloorLines);
        EXPECT_FALSE(r.has("\\par Расчётное давление в подземной части ЛШ"));
        if (!c.closedFloorFormula) {
            EXPECT_NEAR(f1.Leak, 4.1347, 5e-4); // G1 of the open doorway
            continue;
        }
        if (std::string(c.start) == "2") {
            EXPECT_EQ(f1.DoorPressureDiff, 0);
            EXPECT_EQ(f1.Leak, 0);
        } else {
            const double slr = r.calc.Lift().Results().ShaftDoorResist / (1.89 * 1.89) +
                               r.calc.Lift().Results().HallDoorResist / (1.89 * 1.89);
            EXPECT_NEAR(f1.Leak, std::sqrt(f1.DoorPressureDiff / slr), 1e-12);
        }
    }
}

// The chart's door differences are the closed doors the check reads: not the 1st floor's open
// doorway, not a level outside the calculated range (their rows hold no door difference).
TEST_F(SupplyLiftTest, ChartedDoorsAreTheClosedDoorsOfTheRange) {
    struct Case {
        ControlName radio;
        const char *start, *finish;
        std::vector<int> floors;
    } cases[] = {
        // (the records run top down)
        {ctl::rbLiftMethodOpening, "1", "4", {4, 3, 2}},
        {ctl::rbLiftMethodClosed, "1", "4", {4, 3, 2, 1}},
        {ctl::rbLiftMethodClosed, "2", "4", {4, 3, 2}},
        {ctl::rbLiftMethodSlot, "-2", "3", {3, 2, -1, -2}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.radio.Str() + " " + c.start + ".." + c.finish);
        LiftRun r;
        r.in.Check(c.radio);
        r.set(ctl::EditLiftLevelStart, c.start).set(ctl::EditLiftLevelFinish, c.finish).run();
        ASSERT_EQ(r.outcome, RunOutcome::ok);
        const std::vector<ChartData> charts = InflowCharts(r.calc);
        ASSERT_FALSE(charts.empty());
        ASSERT_EQ(charts[0].series.size(), 2u);
        const ChartSeries &doors = charts[0].series[1];
        EXPECT_EQ(doors.name, "ΔPd");
        std::vector<int> floors;
        for (const ChartPoint &p : doors.points) {
            floors.push_back(static_cast<int>(p.y));
            EXPECT_EQ(p.x, r.floor(floors.back()).DoorPressureDiff);
        }
        EXPECT_EQ(floors, c.floors);
    }
}

TEST_F(SupplyLiftTest, GapRowsGiveTheDischargeOfTheSlot) {
    LiftRun r;
    r.in.Check(ctl::rbLiftMethodSlot);
    r.set(ctl::EditLiftFmu1, "0,2").set(ctl::EditLiftUnit1Value, "0,5");
    r.in.SetComboIndex(ctl::cbLiftUnit2, 1); // ξ+1 = 4 is μ = 0.5
    r.set(ctl::EditLiftFmu2, "1").set(ctl::EditLiftUnit2Value, "4");
    r.set(ctl::EditLiftFmu3, "0").set(ctl::EditLiftCageQty, "2").run();
    ASSERT_EQ(r.outcome, RunOutcome::ok);
    EXPECT_TRUE(r.notes.messages.empty());
    // n·Σ(μ·F) = 2·(0.2·0.5 + 1·0.5)
    EXPECT_TRUE(r.has("\\nosupersub )\\b0  = \\b 1,20\\b0\\par "));
    const double pl1 = 20 - kG * (1 + 5) * (AirDensity(-4) - AirDensity(18)) +
                       0.5 * kG * 2 * (AirDensity(-26) - AirDensity(-4));
    EXPECT_NEAR(r.floor(1).Leak, 1.2 * std::sqrt(2 * AirDensity(-4) * pl1), 1e-12);
}

TEST_F(SupplyLiftTest, SlotMethodWithoutGapAreaWarnsAndGoesOn) {
    LiftRun r;
    r.in.Check(ctl::rbLiftMethodSlot);
    r.set(ctl::EditLiftFmu1, "0").set(ctl::EditLiftFmu2, "0,3").run();
    EXPECT_EQ(r.outcome, RunOutcome::ok);
    ASSERT_EQ(r.notes.messages.size(), 1u);
    EXPECT_EQ(r.notes.messages[0].kind, "warning");
    EXPECT_EQ(r.notes.messages[0].text, "Не задана площадь щели в открытом проёме ЛШ.");
    EXPECT_EQ(r.notes.messages[0].control, ctl::EditLiftFmu1.Str());
    EXPECT_TRUE(r.has("Таблица 1."));
}

TEST_F(SupplyLiftTest, RefusedInputsStopTheRunAtTheirField) {
    const std::string floorLimit(kFloorCountLimitMessage);
    struct Case {
        Edits edits;
        std::optional<ControlName> radio;
        int unit3;
        std::string message;
        ControlName control;
        const char *lastLine; // the report ends with it
    } cases[] = {
        {{{ctl::EditLiftOGFloorQty, "0"}},
         std::nullopt,
         0,
         "Число надземных этажей должно быть не менее одного:\r    Nнэ ≥ 1",
         ctl::EditLiftOGFloorQty,
         "Подача воздуха в лифтовую шахту\\b0\\par "},
        {{{ctl::EditLiftOGFloorQty, ""}},
         std::nullopt,
         0,
         "Число надземных этажей должно быть не менее одного:\r    Nнэ ≥ 1",
         ctl::EditLiftOGFloorQty,
         "Подача воздуха в лифтовую шахту\\b0\\par "},
        {{{ctl::EditLiftOGFloorQty, "301"}},
         std::nullopt,
         0,
         floorLimit,
         ctl::EditLiftOGFloorQty,
         "Подача воздуха в лифтовую шахту\\b0\\par "},
        {{{ctl::EditLiftOGFloorQty, "99999999999"}},
         std::nullopt,
         0,
         floorLimit,
         ctl::EditLiftOGFloorQty,
         "Подача воздуха в лифтовую шахту\\b0\\par "},
        {{{ctl::EditLiftUGFloorQty, "4294967297"}},
         std::nullopt,
         0,
         floorLimit,
         ctl::EditLiftUGFloorQty,
         "Подача воздуха в лифтовую шахту\\b0\\par "},
        {{{ctl::EditLiftPplus, "19,99"}},
         std::nullopt,
         0,
         "Избыточное давление должно быть не менее 20 Па:\r    P⁺ ≥ 20",
         ctl::EditLiftPplus,
         "\\par{\\s3\\outlinelevel2\\b Система приточной противодымной вентиляции\\b0\\par}"},
        {{{ctl::EditLiftUnit1Value, "-0,1"}},
         ctl::rbLiftMethodSlot,
         0,
         "Необходимо выполнить условие\r0 ≤ μ ≤ 1",
         ctl::EditLiftUnit1Value,
         "\\b \\u0956?\\sub gap\\nosupersub  = 0,65\\b0\\par "},
        {{{ctl::EditLiftUnit2Value, "1,5"}},
         ctl::rbLiftMethodSlot,
         0,
         "Необходимо выполнить условие\r0 ≤ μ ≤ 1",
         ctl::EditLiftUnit2Value,
         "\\b \\u0956?\\sub gap\\nosupersub  = 0,65\\b0\\par "},
        {{{ctl::EditLiftUnit3Value, "0,5"}},
         ctl::rbLiftMethodSlot,
         1,
         "Необходимо выполнить условие\r(ξ+1) ≥ 1",
         ctl::EditLiftUnit3Value,
         "\\b \\u0956?\\sub gap\\nosupersub  = 0,65\\b0\\par "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.control.Str() + " " + c.edits[0].second);
        LiftRun r;
        for (const auto &[k, v] : c.edits)
            r.set(k, v);
        if (c.radio)
            r.in.Check(*c.radio);
        r.in.SetComboIndex(ctl::cbLiftUnit3, c.unit3);
        r.run();
        EXPECT_EQ(r.outcome, RunOutcome::inputStopped);
        ASSERT_EQ(r.notes.messages.size(), 1u);
        EXPECT_EQ(r.notes.messages[0].kind, "warning");
        EXPECT_EQ(r.notes.messages[0].text, c.message);
        EXPECT_EQ(r.notes.messages[0].control, c.control.Str());
        EXPECT_TRUE(EndsAtTheStop(r.body(), c.lastLine, c.message));
        EXPECT_EQ(r.calc.Lift().Results().Floors.size(), 0u);
    }
}

TEST_F(SupplyLiftTest, ExcessPressureOfExactly20IsAccepted) {
    LiftRun r;
    r.set(ctl::EditLiftPplus, "20").run();
    EXPECT_EQ(r.outcome, RunOutcome::ok);
    EXPECT_TRUE(r.notes.messages.empty());
    EXPECT_TRUE(r.has("\\b P\\super +\\nosupersub  = 20,00 Па\\b0\\par "));
}

TEST_F(SupplyLiftTest, NegativeFirstFloorPressureGivesNegativeFlows) {
    // Wind on the wrong side pulls the 1st floor below the outside pressure.
    LiftRun r;
    r.set(ctl::EditLiftKoefWW, "-0,8")
        .set(ctl::EditLiftKoefW0, "0,6")
        .set(ctl::EditLiftWindSpeed, "20");
    r.run();
    ASSERT_EQ(r.outcome, RunOutcome::ok);
    EXPECT_TRUE(r.notes.messages.empty());
    EXPECT_LT(r.calc.Lift().Results().Air.WindPressure, -100);
    EXPECT_LT(r.floor(1).Leak, 0);
    EXPECT_LT(r.floor(12).Leak, 0);
    EXPECT_TRUE(r.has("\\par Расчётный расход воздуха из ЛШ на 1-м этаже"));
    EXPECT_TRUE(std::isfinite(r.calc.FanPressure));
}

TEST_F(SupplyLiftTest, DegenerateInputsGiveAFiniteReport) {
    const std::vector<Edits> cases = {
        {{ctl::EditLiftOutsideAirTemp, "-273,15"}, {ctl::EditLiftInsideAirTemp, "-273,15"}},
        {{ctl::EditLiftOutsideAirTemp, "-400"}},
        {{ctl::EditLiftCageArea, "4,6"}},
        {{ctl::EditLiftShaftArea, "0"}, {ctl::EditLiftCageArea, "0"}},
        {{ctl::EditLiftShaftDoorArea, "0"}, {ctl::EditLiftHallDoorArea, "0"}},
        {{ctl::EditLiftCageQty, "0"}, {ctl::EditLiftHallDoorQty, "0"}, {ctl::EditLiftMuGap, "0"}},
        {{ctl::EditLiftHallDoorKoefXid, "-50"}},
        {{ctl::EditLiftSizeA, "0"}, {ctl::EditLiftSizeB, "0"}},
        {{ctl::EditLiftShaftDoorHeight, "0"}, {ctl::EditLiftSecondFloorLevel, "0"}},
    };
    for (const auto &edits : cases) {
        SCOPED_TRACE(edits[0].first.Str() + "=" + edits[0].second);
        LiftRun r;
        for (const auto &[k, v] : edits)
            r.set(k, v);
        r.run();
        EXPECT_EQ(r.outcome, RunOutcome::ok);
        EXPECT_TRUE(std::isfinite(r.calc.FanVolumeFlow));
        EXPECT_TRUE(std::isfinite(r.calc.FanPressure));
        for (const auto &f : r.calc.Lift().Results().Floors)
            EXPECT_TRUE(std::isfinite(f.ShaftFlow) && std::isfinite(f.ShaftPressure))
                << f.FloorNumber;
    }
}

TEST_F(SupplyLiftTest, ValueThatWouldNotBeFiniteStopsTheRun) {
    LiftRun r;
    r.set(ctl::EditLiftWindSpeed, "1" + std::string(200, '0')).run();
    EXPECT_EQ(r.outcome, RunOutcome::noDutyPoint);
    EXPECT_EQ(r.calc.FanVolumeFlow, 0);
    EXPECT_EQ(r.calc.FanPressure, 0);
    EXPECT_TRUE(r.has(kNonFiniteMessage));
    EXPECT_EQ(r.body().find("inf"), std::string::npos);
    EXPECT_EQ(r.body().find("nan"), std::string::npos);
}

TEST_F(SupplyLiftTest, ThreeHundredFloorsEachWayIsTheLargestShaft) {
    LiftRun r;
    r.set(ctl::EditLiftOGFloorQty, "300").set(ctl::EditLiftUGFloorQty, "300").run();
    ASSERT_EQ(r.outcome, RunOutcome::ok);
    ASSERT_EQ(r.calc.Lift().Results().Floors.size(), 600u);
    EXPECT_EQ(r.calc.Lift().Results().Floors.front().FloorNumber, 300);
    EXPECT_EQ(r.calc.Lift().Results().Floors.back().FloorNumber, -300);
}

TEST_F(SupplyLiftTest, DefaultReportMatchesTheReviewedFixture) {
    LiftRun r;
    r.run();
    ASSERT_EQ(r.outcome, RunOutcome::ok);
    EXPECT_EQ(FormatRoundedInt(r.calc.FanVolumeFlow), "17095");
    EXPECT_EQ(FormatRoundedInt(r.calc.FanPressure), "222");
    const std::string expected =
        ReportFixture(TEST_DATA_DIR "/inflow/data/lift_default.rtf", r.calc.Report.RTFull);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(r.calc.Report.RTFull, expected);
}

// A shaft of type 1 starts its floor pass from Pl(2), which holds the wind: the wind enters the
// door differences once, so the 2nd floor's door sees exactly P⁺ + Pw.
TEST_F(SupplyLiftTest, ShaftOneTakesTheWindOnce) {
    LiftRun r;
    r.set(ctl::EditLiftUGFloorQty, "0").set(ctl::EditLiftWindSpeed, "5").run();
    ASSERT_EQ(r.outcome, RunOutcome::ok);
    ASSERT_EQ(r.calc.Lift().Inputs().Shaft, LiftShaft::aboveGroundOnly);
    ASSERT_GT(r.calc.Lift().Results().Air.WindPressure, 0);
    EXPECT_NEAR(r.floor(2).DoorPressureDiff,
                r.calc.Lift().Inputs().ExcessPressure + r.calc.Lift().Results().Air.WindPressure,
                1e-9);
    EXPECT_NEAR(r.floor(2).DoorPressureDiff, 32.5, 0.005);
    EXPECT_EQ(FormatRoundedInt(r.calc.FanVolumeFlow), "18876");
    EXPECT_EQ(FormatRoundedInt(r.calc.FanPressure), "249");

    // shafts fed from below keep the wind on their underground doors: floor -1 sees P⁺ + Pw too
    LiftRun deep;
    deep.set(ctl::EditLiftWindSpeed, "5").run();
    ASSERT_EQ(deep.calc.Lift().Inputs().Shaft, LiftShaft::withUnderground);
    EXPECT_NEAR(deep.floor(-1).DoorPressureDiff,
                deep.calc.Lift().Inputs().ExcessPressure +
                    deep.calc.Lift().Results().Air.WindPressure,
                1e-9);
}

// Every value line whose formula names its terms: the formula, evaluated with the run's values,
// gives the printed value to its printed rounding.
TEST_F(SupplyLiftTest, PrintedFormulasGiveThePrintedValues) {
    for (const char *ug : {"4", "0"}) {
        SCOPED_TRACE(ug);
        LiftRun r;
        r.set(ctl::EditLiftUGFloorQty, ug).set(ctl::EditLiftWindSpeed, "5").run();
        ASSERT_EQ(r.outcome, RunOutcome::ok);
        const LiftInputs &c = r.calc.Lift().Inputs();
        const LiftResults &res = r.calc.Lift().Results();
        const std::string &b = r.body();
        const double rhoA = res.Air.OutsideAirDensity, rhoR = res.Air.InsideAirDensity,
                     rhoL = res.ShaftAirDensity;
        const double hd = c.ShaftDoorHeight, h2 = c.SecondFloorLevel;
        const double stack = kG * (h2 + 0.5 * hd) * (rhoL - rhoR);

        EXPECT_TRUE(r.has("+ 0,5 \\u8729? g \\u8729? h\\sub d\\nosupersub  \\u8729? "
                          "(\\u0961?\\sub a\\nosupersub  - \\u0961?\\sub l\\nosupersub ) + P"));
        EXPECT_NEAR(PrintedNumber(b, "Расчётное давление на уровне 1-го этажа"),
                    c.ExcessPressure - stack + 0.5 * kG * hd * (rhoA - rhoL) + res.Air.WindPressure,
                    0.0051);

        const double head = PrintedNumber(b, "Давление в оголовке лифтовой шахты");
        if (c.Shaft == LiftShaft::aboveGroundOnly) {
            const double pl2 = PrintedNumber(b, "Расчётное давление в надземной части ЛШ");
            EXPECT_NEAR(pl2, c.ExcessPressure - stack + res.Air.WindPressure, 0.0051);
            EXPECT_TRUE(r.has("\\b P\\sub l(n)\\nosupersub\\b0  = P\\sub l(2)\\nosupersub  +"));
            EXPECT_NEAR(head, pl2, 0.0051);
        } else {
            // the head is reached from the underground part: Pl(n) = Pl(-1) + ΔPcs
            EXPECT_TRUE(r.has("\\b P\\sub l(n)\\nosupersub\\b0  = P\\sub l(-1)\\nosupersub  +"));
            const double dPcs = PrintedNumber(b, "Потери давления в зазоре между шахтой и кабиной");
            EXPECT_NEAR(head, res.Floors.back().ShaftPressure + dPcs, 0.011);
        }

        const double Gs = res.Floors.front().ShaftFlow;
        EXPECT_TRUE(r.has("L\\sub V\\nosupersub\\b0  = 3600\\u8729?G\\sub s\\nosupersub  / "));
        EXPECT_NEAR(PrintedNumber(b, "Объёмный расход вентилятора"), 3600 * Gs / rhoA, 0.5);
    }
}

// The hall doors' term of S_dlr is printed, and counted, exactly where the halls are.
TEST_F(SupplyLiftTest, ClosedDoorResistancePrintsOnlyTheTermsUsed) {
    const std::string hallTerm = " + S\\sub dr\\nosupersub  / (m \\u8729? F\\sub dr\\nosupersub )";
    const std::string doorTerm =
        "ЛШ\\par\\b S\\sub dlr\\nosupersub\\b0  = S\\sub dl\\nosupersub  / (n \\u8729? F\\sub "
        "dl\\nosupersub )\\super 2\\nosupersub ";
    for (bool halls : {false, true}) {
        SCOPED_TRACE(halls);
        LiftRun r;
        r.in.CheckPair(ctl::rbLiftHallAbove, ctl::rbLiftHallAboveNot, halls);
        r.in.CheckPair(ctl::rbLiftHallBelow, ctl::rbLiftHallBelowNot, halls);
        r.run();
        ASSERT_EQ(r.outcome, RunOutcome::ok);
        const LiftInputs &c = r.calc.Lift().Inputs();
        const LiftResults &res = r.calc.Lift().Results();
        const double nFdl = c.CageCount * c.ShaftDoorArea;
        const double mFdr = c.HallDoorCount * c.HallDoorArea;
        const double slr =
            res.ShaftDoorResist / (nFdl * nFdl) + (halls ? res.HallDoorResist / (mFdr * mFdr) : 0);
        for (const char *part : {"надземной части ", "подземной части "}) {
            SCOPED_TRACE(part);
            const std::string head = std::string(part) + doorTerm;
            EXPECT_TRUE(r.has(head + (halls ? hallTerm : std::string(" = \\b "))));
            EXPECT_NEAR(PrintedNumber(r.body(), std::string("закрытых дверей ") + part), slr,
                        0.0051);
        }
    }
}

TEST_F(SupplyLiftTest, DecimalPointLocaleWritesPoints) {
    SetDecimalSeparator('.');
    LiftRun r;
    r.set(ctl::EditLiftShaftDoorArea, "1,89").run();
    SetDecimalSeparator(',');
    ASSERT_EQ(r.outcome, RunOutcome::ok);
    EXPECT_TRUE(r.has("\\b F\\sub dl\\nosupersub  = 1.89 м\\super 2\\nosupersub \\b0\\par "));
}

} // namespace
} // namespace orvane::inflow
