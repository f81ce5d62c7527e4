#include <gtest/gtest.h>

#include <string>

#include "core/number_text.h"
#include "inflow/inflow_calc.h"
#include "inflow_test_support.h"

using namespace orvane;
using namespace orvane::inflow;

namespace {

struct SupplyInputStepsTest : ::testing::Test {
    void SetUp() override { SetDecimalSeparator(','); }
    InflowInputs in = InflowInputs::Defaults();
    RecordingNotifier notifier;
    InflowCalc calc{&notifier};
    const std::string &body() const { return calc.Report.RTBody; }
    bool contains(const std::string &rtf) const { return body().find(rtf) != std::string::npos; }
};

} // namespace

TEST_F(SupplyInputStepsTest, ZoneFloorsAreClampedIntoTheBuilding) {
    struct Case {
        const char *floors, *n1, *n2;
        int N1, N2;
        const char *shown;
    } cases[] = {
        {"12", "", "", 1, 12, "1 - 12"},
        {"12", "5", "", 5, 12, "5 - 12"},
        {"12", "7", "7", 7, 7, "7\\b0"},
        {"12", "20", "", 12, 12, "12\\b0"},
        {"12", "9", "4", 9, 9, "9\\b0"},
        {"0", "", "", 0, 0, "0\\b0"},
        {"12", "99999999999", "", 12, 12, "12\\b0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.n1) + "/" + c.n2);
        in.SetText(ctl::EditOGFloorQty, c.floors);
        in.SetText(ctl::EditSWN1z, c.n1);
        in.SetText(ctl::EditSWN2z, c.n2);
        ASSERT_NE(calc.Run(in), RunOutcome::inputStopped);
        EXPECT_EQ(calc.AboveGroundStair().Inputs().ZoneFirstFloor, c.N1);
        EXPECT_EQ(calc.AboveGroundStair().Inputs().ZoneLastFloor, c.N2);
        EXPECT_TRUE(contains(Rtf("Этажи выделенной зоны:    \\b ") + c.shown));
    }
}

TEST_F(SupplyInputStepsTest, CountsBeyondTheLimitsStopWithAWarningOnTheField) {
    const char *const floorLimit = "Число этажей должно быть не более 300.";
    const char *const stairLimit = "Количество лестничных клеток должно быть не более 100.";
    const char *const buildingHeading =
        "\\par{\\s3\\outlinelevel2\\b Характеристики здания\\b0\\par}";
    const char *const undergroundHeading =
        "\\par{\\s3\\outlinelevel2\\b Характеристики подземной части здания\\b0\\par}";
    const char *const upperFloors = "    Высота вышележащих этажей (от пола до пола):    \\b "
                                    "\\u0916?h\\sub НЭ\\nosupersub  = 4,00 м\\b0\\par ";
    const char *const lowerFloors =
        "    Высота подземных этажей:    \\b \\u0916?h\\sub ПЭ\\nosupersub  = 3,00 м\\b0\\par ";
    struct Case {
        SupplyVariant variant;
        ControlName control;
        const char *text, *message;
        const char *lastLine; // the report's input lines end with it
    } cases[] = {
        {SupplyVariant::aboveGroundStair, ctl::EditOGFloorQty, "301", floorLimit, buildingHeading},
        {SupplyVariant::aboveGroundStair, ctl::EditOGFloorQty, "4294967308", floorLimit,
         buildingHeading},
        {SupplyVariant::aboveGroundStair, ctl::EditOGStairWellQty, "101", stairLimit, upperFloors},
        {SupplyVariant::undergroundStair, ctl::EditUGFloorQty, "12345678901234567890", floorLimit,
         undergroundHeading},
        {SupplyVariant::undergroundStair, ctl::EditUGFloorQty, "0",
         "Число подземных этажей должно быть не менее одного:\r    Nпэ ≥ 1", undergroundHeading},
        {SupplyVariant::undergroundStair, ctl::EditUGStairWellQty, "1000", stairLimit, lowerFloors},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.control.Str() + "=" + c.text);
        InflowInputs input = InflowInputs::Defaults();
        input.Check(c.variant == SupplyVariant::aboveGroundStair ? ctl::rbOverGndStair
                                                                 : ctl::rbUnderGndStair);
        input.SetText(c.control, c.text);
        RecordingNotifier n;
        InflowCalc run(&n);
        EXPECT_EQ(run.Run(input), RunOutcome::inputStopped);
        ASSERT_EQ(n.messages.size(), 1u);
        EXPECT_EQ(n.messages[0].kind, "warning");
        EXPECT_EQ(n.messages[0].text, c.message);
        EXPECT_TRUE(EndsAtTheStop(run.Report.RTBody, c.lastLine, c.message));
        EXPECT_EQ(n.messages[0].control, c.control.Str());
    }
    // the limits themselves are accepted
    in.SetText(ctl::EditOGFloorQty, "300");
    in.SetText(ctl::EditOGStairWellQty, "100");
    EXPECT_EQ(calc.Run(in), RunOutcome::ok);
    EXPECT_EQ(calc.AboveGroundStair().Results().Floors.size(), 300u);
}

TEST_F(SupplyInputStepsTest, ExcessPressureBelow20IsRaisedOnceWithAWarning) {
    for (const char *typed : {"15", "", "19,99"}) {
        SCOPED_TRACE(typed);
        InflowInputs input = InflowInputs::Defaults();
        input.SetText(ctl::EditOGPplus, typed);
        RecordingNotifier n;
        InflowCalc run(&n);
        EXPECT_EQ(run.Run(input), RunOutcome::ok);
        ASSERT_EQ(n.messages.size(), 1u);
        EXPECT_EQ(n.messages[0].text,
                  "Избыточное давление, принятое к расчёту изменено на 20 Па.\r    P⁺ ≥ 20");
        EXPECT_EQ(n.messages[0].control, ctl::EditOGPplus.Str());
        EXPECT_EQ(input.Text(ctl::EditOGPplus), "20");
        EXPECT_NE(run.Report.RTBody.find(Rtf("P\\super +\\nosupersub  = 20,00 Па")),
                  std::string::npos);
    }
    EXPECT_EQ(calc.Run(in), RunOutcome::ok);
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(SupplyInputStepsTest, ClosedDoorResistanceFollowsTheDoorType) {
    const auto resist = [this] {
        return calc.AboveGroundStair().Inputs().Stairwell.ClosedDoorResist;
    };
    ASSERT_EQ(calc.Run(in), RunOutcome::ok);
    EXPECT_NEAR(resist(), 4041.06, 0.005);
    EXPECT_TRUE(contains(Rtf("принято как для обычной двери:    \\b S\\sub d\\nosupersub \\b0  = "
                             "5300 / \\u0961?\\sub s\\nosupersub  = \\b 4041,06 м")));
    EXPECT_EQ(in.Text(ctl::EditClosedDoorSpecResist), ""); // the edit stays as entered

    in.Check(ctl::rbDoorIsGasProof);
    ASSERT_EQ(calc.Run(in), RunOutcome::ok);
    EXPECT_NEAR(resist(), 45747.88, 0.005);

    in.SetText(ctl::EditClosedDoorSpecResist, "3000");
    ASSERT_EQ(calc.Run(in), RunOutcome::ok);
    EXPECT_EQ(resist(), 3000);
    EXPECT_TRUE(
        contains(Rtf("согласно техническим данным изготовителя:    \\b S\\sub d\\nosupersub "
                     " = 3000,00 м")));
}

TEST_F(SupplyInputStepsTest, ExitTambourKindFollowsItsCoefficient) {
    in.Check(ctl::rbSWWithExit);
    for (auto [xi, kind] : {std::pair{"0", "прямой"}, std::pair{"0,99", "прямоугольный"},
                            std::pair{"3.5", "Z-образный"}}) {
        in.SetText(ctl::EditOutsideTambourKoefXir, xi);
        ASSERT_EQ(calc.Run(in), RunOutcome::ok);
        EXPECT_TRUE(contains(Rtf(std::string("КМС тамбура наружного выхода (") + kind + "):")))
            << xi;
    }
}

TEST_F(SupplyInputStepsTest, StairwellCountLineIsMissingWithTambourExitsButCountStillUsed) {
    in.Check(ctl::rbExitsToSWViaTambour);
    in.SetText(ctl::EditOGStairWellQty, "5");
    EXPECT_EQ(calc.Run(in), RunOutcome::ok);
    EXPECT_FALSE(contains(Rtf("Количество лестничных клеток:")));
    EXPECT_EQ(calc.AboveGroundStair().Results().Stairwell.CountedStairwells, 4);
}

TEST_F(SupplyInputStepsTest, UndergroundAlwaysWritesExitAndWindLines) {
    in.Check(ctl::rbUnderGndStair);
    in.Check(ctl::rbSWNotJoinWall);
    in.Check(ctl::rbSWWOExit);
    EXPECT_EQ(calc.Run(in), RunOutcome::ok);
    for (const char *line : {"Скорость ветра:", "Наветренная сторона:", "Заветренная сторона:",
                             "Площадь двери наружного выхода:", "Потери давления в сети"})
        EXPECT_TRUE(contains(Rtf(line))) << line;
    EXPECT_FALSE(contains(Rtf("Оконные проёмы")));
}

TEST_F(SupplyInputStepsTest, UserTypedNamesCannotInjectRtf) {
    in.SetText(ctl::EditProjectName, "Дом {1}\\par");
    EXPECT_EQ(calc.Run(in), RunOutcome::ok);
    EXPECT_TRUE(contains(Rtf("Наименование проекта:  Дом \\{1\\}\\\\par\\b0\\par ")));
}

TEST_F(SupplyInputStepsTest, ZeroWindowResistanceStopsOnlyWhenWindowsAreInPlay) {
    for (int row : {2, 3}) {
        SCOPED_TRACE(row);
        InflowInputs input = InflowInputs::Defaults();
        input.SetComboIndex(ctl::cbWinPenetrationVar, row);
        input.SetText(ctl::EditWinPenetration, row == 2 ? "0" : "-1");
        RecordingNotifier n;
        InflowCalc run(&n);
        EXPECT_EQ(run.Run(input), RunOutcome::inputStopped);
        ASSERT_EQ(n.messages.size(), 1u);
        const std::string refused =
            "Сопротивление воздухопроницанию оконных проёмов должно быть больше 0.";
        EXPECT_EQ(n.messages[0].text, refused);
        EXPECT_EQ(n.messages[0].control, ctl::EditWinPenetration.Str());
        // the window lines are the last input lines: the supply group is not reached
        EXPECT_TRUE(EndsAtTheStop(run.Report.RTBody,
                                  row == 2 ? " м\\super 2\\nosupersub /(кг/ч)\\b0\\par "
                                           : " м\\super 2\\nosupersub /(м\\super 3\\nosupersub "
                                             "/ч)\\b0\\par ",
                                  refused));

        input.Check(ctl::rbSWNotJoinWall);
        n.messages.clear();
        EXPECT_EQ(run.Run(input), RunOutcome::ok);
        EXPECT_TRUE(n.messages.empty());
        EXPECT_EQ(run.AboveGroundStair().Results().WindowCoef, 0);
    }
}
