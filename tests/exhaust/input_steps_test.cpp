#include <gtest/gtest.h>

#include <functional>

#include "exhaust/exhaust_report.h"
#include "exhaust_test_support.h"

namespace orvane::exhaust::test {
namespace {

// Every refused input: the message, its box, the field to focus and the report's last line.
struct StopCase {
    const char *name;
    ControlName variant;
    std::function<void(ExhaustInputs &)> edit;
    const char *kind;
    const char *text;
    ControlName control;
    const char *reportEnd; // decoded tail of the report at the stop
};

class ExhaustInputStopTest : public ::testing::TestWithParam<StopCase> {
protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_P(ExhaustInputStopTest, StopsWithItsMessageAfterItsLines) {
    const StopCase &c = GetParam();
    ExhaustInputs in = DefaultsFor(c.variant);
    c.edit(in);
    RecordingNotifier notifier;
    ExhaustCalc calc(&notifier);
    ASSERT_EQ(RunWithoutNetwork(calc, in), RunOutcome::inputStopped);
    ASSERT_FALSE(notifier.messages.empty());
    const auto &m = notifier.messages.back();
    EXPECT_EQ(m.kind, c.kind);
    EXPECT_EQ(m.text, c.text);
    EXPECT_EQ(m.control, c.control.Str());
    const std::string body = DecodeRtf(calc.Report.RTBody);
    const std::string end = c.reportEnd;
    ASSERT_GE(body.size(), end.size());
    EXPECT_EQ(body.substr(body.size() - end.size()), end);
    EXPECT_EQ(body.find("РАСЧЁТНЫЕ ВЕЛИЧИНЫ"), std::string::npos);
}

const auto set = [](ControlName control, const char *text) {
    return [=](ExhaustInputs &in) { in.SetText(control, text); };
};

INSTANTIATE_TEST_SUITE_P(FailureTable, ExhaustInputStopTest,
                         ::testing::
                             Values(
                                 StopCase{"RoomSmokeFreeHeightNegative", ctl::rbCalcRoom,
                                          set(ctl::EditNoSmokeHeight, "-0,1"), "warning",
                                          "Высота незадымляемой зоны должна быть\rне менее 0 и не "
                                          "более высоты помещения.",
                                          ctl::EditNoSmokeHeight,
                                          "(h - H\\sub НЗ\\nosupersub ):    4 м\\b0\\par "},
                                 StopCase{"ParkingSmokeFreeHeightAboveRoom", ctl::rbCalcParking,
                                          set(ctl::EditNoSmokeHeight, "4"), "warning",
                                          "Высота незадымляемой зоны должна быть\rне менее 0 и не "
                                          "более высоты помещения.",
                                          ctl::EditNoSmokeHeight,
                                          "(h - H\\sub НЗ\\nosupersub ):    -0,1 м\\b0\\par "},
                                 StopCase{"CorridorSmokeFreeHeightZero", ctl::rbCalcCorridor,
                                          set(ctl::EditCrdrNoSmokeHeight, "0"), "error",
                                          "Высота незадымляемой зоны Hнз должна быть > 0 и\rне "
                                          "более высоты потолка "
                                          "коридора hк.",
                                          ctl::EditCrdrNoSmokeHeight,
                                          "H\\sub НЗ\\nosupersub :    0 м\\b0\\par "},
                                 StopCase{"CorridorSmokeFreeHeightAboveCeiling",
                                          ctl::rbCalcCorridor,
                                          set(ctl::EditCrdrNoSmokeHeight, "5,1"), "error",
                                          "Высота незадымляемой зоны Hнз должна быть > 0 и\rне "
                                          "более высоты потолка "
                                          "коридора hк.",
                                          ctl::EditCrdrNoSmokeHeight,
                                          "H\\sub НЗ\\nosupersub :    5,1 м\\b0\\par "},
                                 StopCase{"CombustionAboveOne", ctl::rbCalcRoom,
                                          set(ctl::EditBurningFullness, "1,01"), "error",
                                          "Полнота сгорания должна быть в диапазоне от 0 до 1.",
                                          ctl::EditBurningFullness,
                                          "Полнота сгорания, \\u0951?:    1,01\\b0\\par "},
                                 StopCase{"RadiationNegative", ctl::rbCalcGallery,
                                          set(ctl::EditHeatRadiation, "-0,5"), "error",
                                          "Коэффициент теплопотерь на излучение\rдолжен быть в "
                                          "диапазоне от 0 до 1.",
                                          ctl::EditHeatRadiation,
                                          "на излучение, r:    -0,5\\b0\\par "},
                                 StopCase{"ShaftWithOneSegment", ctl::rbCalcCorridor,
                                          [](ExhaustInputs &in) { in.Segments.resize(1); },
                                          "warning", "Необходимо задать хотя бы 2 участка сети.",
                                          ctl::ListBoxYchastki,
                                          "V\\sub В\\nosupersub :    2 м/с\\b0\\par "},
                                 StopCase{"NoShaftNoSegment", ctl::rbCalcParking,
                                          [](ExhaustInputs &in) {
                                              in.Check(ctl::cbShaft, false);
                                              in.Segments.clear();
                                          },
                                          "warning", "Необходимо задать хотя бы 1 участок сети.",
                                          ctl::ListBoxYchastki,
                                          "V\\sub В\\nosupersub :    2 м/с\\b0\\par "},
                                 // checks the model needs beyond the classic ones
                                 StopCase{"NegativeRoomSize", ctl::rbCalcRoom,
                                          set(ctl::EditRoomWidth, "-4"), "error",
                                          "Размеры помещения не могут быть отрицательными.",
                                          ctl::EditRoomWidth,
                                          "(h - H\\sub НЗ\\nosupersub ):    1,4 м\\b0\\par "},
                                 StopCase{"NegativeAreaFormSize", ctl::rbCalcCorridor,
                                          [](ExhaustInputs &in) {
                                              in.SetComboIndex(ctl::cbRoomSizeVariant, 1);
                                              in.SetText(ctl::EditFloorAreaSH, "-20");
                                          },
                                          "error",
                                          "Размеры помещения не могут быть отрицательными.",
                                          ctl::EditFloorAreaSH, "\\tab\\tab 1 x 2,1 м\\par "},
                                 StopCase{"OpeningsFillTheEnclosure", ctl::rbCalcCorridor,
                                          [](ExhaustInputs &in) {
                                              in.DoorGrid[1] = {"50", "2,2"};
                                          },
                                          "error",
                                          "Суммарная площадь проемов должна быть меньше\rплощади "
                                          "ограждающих "
                                          "конструкций помещения.",
                                          ctl::sgDoorSizes, "\\tab\\tab 50 x 2,2 м\\par "},
                                 StopCase{"NegativeCorridorArea", ctl::rbCalcCorridor,
                                          set(ctl::EditCorridorArea, "-90"), "error",
                                          "Длина и площадь коридора, высота двери\rне могут быть "
                                          "отрицательными.",
                                          ctl::EditCorridorArea,
                                          "H\\sub НЗ\\nosupersub :    2,5 м\\b0\\par "},
                                 StopCase{"ParkingRadiationAboveOne", ctl::rbCalcParking,
                                          set(ctl::EditParkHRadiation, "1,5"), "error",
                                          "Коэффициент теплопотерь на излучение\rдолжен быть в "
                                          "диапазоне от 0 до 1.",
                                          ctl::EditParkHRadiation,
                                          "на излучение, r:    1,5\\b0\\par "},
                                 StopCase{"ParkingPerimeterNegative", ctl::rbCalcParking,
                                          set(ctl::EditParkMaxSmkPerim, "-18"), "error",
                                          "Периметр и площадь дымового слоя не могут быть "
                                          "отрицательными.",
                                          ctl::EditParkMaxSmkPerim,
                                          "на излучение, r:    0,75\\b0\\par "},
                                 StopCase{"ParkingLayerAreaNegative", ctl::rbCalcParking,
                                          [](ExhaustInputs &in) {
                                              in.SetText(ctl::EditSmokeEquArea, "-20");
                                              in.SetText(ctl::EditParkHRadiation, "0,5");
                                          },
                                          "error",
                                          "Периметр и площадь дымового слоя не могут быть "
                                          "отрицательными.",
                                          ctl::EditSmokeEquArea,
                                          "на излучение, r:    0,5\\b0\\par "},
                                 StopCase{"ParkingNoHeat", ctl::rbCalcParking,
                                          set(ctl::EditFireHeatPower, "0"), "error",
                                          "Мощность тепловыделения должна быть больше 0.",
                                          ctl::EditFireHeatPower,
                                          "t\\sub r\\nosupersub :    20 °C\\b0\\par "},
                                 StopCase{
                                     "CorridorNegativeLoadDensity", ctl::rbCalcCorridor,
                                     [](ExhaustInputs &in) { in.FireLoadDensity.FLDensity = -600; },
                                     "error",
                                     "Характеристики пожарной нагрузки\rне могут быть "
                                     "отрицательными.",
                                     ctl::PanFLDensity, "\\b0 (константа)\\b0\\par "},
                                 StopCase{
                                     "RoomNegativeFlameSpeed", ctl::rbCalcRoom,
                                     [](ExhaustInputs &in) { in.FireLoad.FireSpeed = -0.0154; },
                                     "error",
                                     "Характеристики пожарной нагрузки\rне могут быть "
                                     "отрицательными.",
                                     ctl::PanFireLoad, "t\\sub r\\nosupersub :    20 °C\\b0\\par "},
                                 StopCase{"GalleryNegativeBurnRate", ctl::rbCalcGallery,
                                          [](ExhaustInputs &in) {
                                              in.FireLoad.SBurnSpeed = -0.0135;
                                          },
                                          "error",
                                          "Характеристики пожарной нагрузки\rне могут быть "
                                          "отрицательными.",
                                          ctl::PanFireLoad, "t\\sub r\\nosupersub :    20 °C\\b0\\par "},
                                 StopCase{
                                     "GalleryStreamWidthZero",
                                     ctl::rbCalcGallery, set(ctl::EditInitSmkWidth, "0"),
                                     "error", "Начальная ширина струи дыма W должна быть больше 0.",
                                     ctl::
                                         EditInitSmkWidth,
                                     "H\\sub g\\nosupersub :    3 м\\b0\\par "},
                                 StopCase{"GalleryHeightNegative", ctl::rbCalcGallery,
                                          set(ctl::EditGalleryTopHeight, "-3"),
                                          "error", "Высоты Zb и Hg не могут быть отрицательными.",
                                          ctl::EditGalleryTopHeight,
                                          "H\\sub g\\nosupersub :    -3 м\\b0\\par "},
                                 StopCase{
                                     "ValveNotInCatalogue", ctl::rbCalcCorridor,
                                     [](ExhaustInputs &in) {
                                         in.Segments[0].ValveWidth = 600;
                                         in.Segments[0].ValveHeight = 800;
                                     },
                                     "error",
                                     "Клапан 600 x 800 мм участка 1 отсутствует в каталоге.",
                                     ctl::ListBoxYchastki,
                                     "Z\\sub Ш\\nosupersub  = 0,     Металл\\par "}),
                         orvane::test::ParamName());

class ExhaustInputStepsTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator(','); }
    std::string Body() const { return DecodeRtf(calc.Report.RTBody); }
    RecordingNotifier notifier;
    ExhaustCalc calc{&notifier};
};

TEST_F(ExhaustInputStepsTest, CommaSizesEchoAndMultiply) {
    ExhaustInputs in = DefaultsFor(ctl::rbCalcRoom);
    in.SetText(ctl::EditRoomLength, "12,5");
    in.SetText(ctl::EditRoomWidth, "4");
    in.SetText(ctl::EditRoomHeight, "3");
    ASSERT_TRUE(calc.InputRoomTerms(in));
    EXPECT_NE(Body().find("Размеры помещения, a x b x h:    12,5 x 4 x 3 м\\b0\\par "),
              std::string::npos);
    EXPECT_DOUBLE_EQ(calc.FloorArea, 50);
    EXPECT_DOUBLE_EQ(calc.RoomVolume, 150);
}

TEST_F(ExhaustInputStepsTest, PointSeparatorReadsTheSameNumbers) {
    SetDecimalSeparator('.');
    ExhaustInputs in = DefaultsFor(ctl::rbCalcRoom);
    in.SetText(ctl::EditRoomLength, "12.5");
    ASSERT_TRUE(calc.InputRoomTerms(in));
    EXPECT_DOUBLE_EQ(calc.RoomLength, 12.5);
    EXPECT_NE(Body().find("12.5 x 4 x 3.9 м"), std::string::npos);
}

TEST_F(ExhaustInputStepsTest, AreaFormWithZeroWidthHasNoLength) {
    ExhaustInputs in = DefaultsFor(ctl::rbCalcRoom);
    in.SetComboIndex(ctl::cbRoomSizeVariant, 1);
    in.SetText(ctl::EditFloorAreaSH, "30");
    in.SetText(ctl::EditRoomWidthSH, "0");
    in.SetText(ctl::EditRoomHeightSH, "3");
    ASSERT_TRUE(calc.InputRoomTerms(in));
    EXPECT_EQ(calc.RoomLength, 0);
    EXPECT_DOUBLE_EQ(calc.RoomVolume, 90);
    WriteRoomSize(calc.Report.RTBody, calc);
    EXPECT_NE(Body().find("V\\b0  = F\\sub f\\nosupersub  \\u8729? h = 30 \\u8729? 3 = \\b 90 м"),
              std::string::npos);
}

TEST_F(ExhaustInputStepsTest, OpeningWithoutHeightIsNeitherEchoedNorKept) {
    ExhaustInputs in = DefaultsFor(ctl::rbCalcCorridor);
    in.DoorGrid[1] = {"1,2", ""};
    ASSERT_TRUE(calc.InputRoomTerms(in));
    EXPECT_EQ(calc.DoorSizes[1], (std::array<double, 2>{0, 0}));
    EXPECT_EQ(Body().find("1,2 x"), std::string::npos);
}

TEST_F(ExhaustInputStepsTest, SmokeFreeHeightEqualToRoomPasses) {
    ExhaustInputs in = DefaultsFor(ctl::rbCalcRoom);
    in.SetText(ctl::EditNoSmokeHeight, "3,9");
    ASSERT_TRUE(calc.InputRoomTerms(in));
    EXPECT_EQ(calc.SmokeThickness, 0);
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(ExhaustInputStepsTest, CorridorHeightOutsideRecommendationWarnsAndGoesOn) {
    ExhaustInputs in = DefaultsFor(ctl::rbCalcCorridor);
    in.SetText(ctl::EditCrdrNoSmokeHeight, "2,6");
    ASSERT_EQ(RunWithoutNetwork(calc, in), RunOutcome::ok);
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].kind, "warning");
    EXPECT_EQ(notifier.messages[0].text, "Высота незадымляемой зоны Hнз задана вне "
                                         "рекомендованного диапазона\r0.4-0.5 от высоты коридора.");
}

TEST_F(ExhaustInputStepsTest, CombustionOfOneAndNoRadiationPass) {
    ExhaustInputs in = DefaultsFor(ctl::rbCalcRoom);
    in.SetText(ctl::EditBurningFullness, "1");
    in.SetText(ctl::EditHeatRadiation, "0");
    ASSERT_TRUE(calc.InputRoomTerms(in) && calc.InputFireLoad(in));
    EXPECT_TRUE(calc.InputRoomFire(in));
}

TEST_F(ExhaustInputStepsTest, NoShaftEchoesOnlyTheFireStoreyBranch) {
    ExhaustInputs in = DefaultsFor(ctl::rbCalcCorridor);
    in.Check(ctl::cbShaft, false);
    in.Segments.resize(1);
    in.Segments[0].Lww = 4;
    in.Segments[0].ZETAww = 1.5;
    ASSERT_TRUE(calc.InputOutsideAndNetwork(in));
    EXPECT_NE(Body().find("\\par{\\s3\\outlinelevel2\\b Сеть вытяжной противодымной "
                          "вентиляции\\b0\\par}    Клапан "
                          "800 x 600 мм,     Сечение 0,412 м\\super 2\\nosupersub \\par     "
                          "Горизонтальный участок\\par \\tab F\\sub ВВ\\nosupersub  = 0,48 м"
                          "\\super 2\\nosupersub ,     L\\sub ВВ\\nosupersub  = 4 м,     "
                          "Z\\sub ВВ\\nosupersub  = 1,5,     Металл\\par "),
              std::string::npos);
    EXPECT_EQ(Body().find("Участок 1"), std::string::npos);
}

TEST_F(ExhaustInputStepsTest, MiddleBranchesEchoWithoutTheirCoefficient) {
    ExhaustInputs in = DefaultsFor(ctl::rbCalcCorridor);
    in.Segments.insert(in.Segments.begin() + 1, in.Segments[0]);
    for (auto &s : in.Segments)
        s.Lww = 2;
    in.Segments[1].StoreyName = "Этаж {2}";
    ASSERT_TRUE(calc.InputOutsideAndNetwork(in));
    const std::string body = Body();
    EXPECT_NE(body.find("Участок 2 - Этаж \\{2\\}:\\par     Клапан"), std::string::npos);
    EXPECT_NE(body.find("L\\sub ВВ\\nosupersub  = 2 м,     Металл"), std::string::npos);
    EXPECT_NE(body.find("L\\sub ВВ\\nosupersub  = 2 м,     Z\\sub ВВ"), std::string::npos);
}

TEST_F(ExhaustInputStepsTest, UserNamesCannotBreakTheReport) {
    ExhaustInputs in = DefaultsFor(ctl::rbCalcCorridor);
    in.SetText(ctl::EditProjectName, "Дом \\par {1}");
    in.FireLoad.Name = "Смесь }{";
    ASSERT_TRUE(calc.InputRoomTerms(in) && calc.InputFireLoad(in));
    const std::string body = Body();
    EXPECT_NE(body.find("Наименование проекта:  Дом \\\\par \\{1\\}\\b0\\par "), std::string::npos);
    EXPECT_NE(body.find("    Смесь \\}\\{\\par "), std::string::npos);
}

TEST_F(ExhaustInputStepsTest, VariantButtonsAreTestedInOrder) {
    ExhaustInputs in;
    EXPECT_EQ(calc.ReadVariant(in), ExhaustVariant::corridor);
    // a state without radio groups holds several checked variant buttons at once
    static_cast<ControlState &>(in) = ControlState();
    in.Check(ctl::rbCalcParking);
    EXPECT_EQ(calc.ReadVariant(in), ExhaustVariant::parking);
    in.Check(ctl::rbCalcGallery);
    EXPECT_EQ(calc.ReadVariant(in), ExhaustVariant::underGallery);
    ExhaustInputs grouped;
    grouped.Check(ctl::rbCalcGallery);
    grouped.Check(ctl::rbCalcRoom);
    EXPECT_EQ(calc.ReadVariant(grouped), ExhaustVariant::room);
    EXPECT_FALSE(grouped.IsChecked(ctl::rbCalcGallery));
}

} // namespace
} // namespace orvane::exhaust::test
