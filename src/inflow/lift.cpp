// Air supply into a lift shaft: the lift page's input steps, the shaft pressures floor by floor,
// the supply duct and the fan duty point.
#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/inflow_calc.h"
#include "inflow/inflow_report.h"
#include "inflow/input_read.h"

namespace orvane::inflow {

namespace {

// Digits and a leading minus; beyond 32 bits the value is held at the limit of its sign, which
// the exit-floor clamps then bring back into the building.
int SignedSaturated(const InflowInputs &in, ControlName control) {
    const std::string text = SanitizeIntegerText(in.text(control));
    int value = 0;
    if (TryTextToInt(text, value))
        return value;
    if (text.size() <= 1) // "" or a lone "-"
        return 0;
    return text.front() == '-' ? INT_MIN : INT_MAX;
}

} // namespace

bool InflowCalc::InputLiftTerms(InflowInputs &in) {
    // a digit string beyond 32 bits reads as the largest count, which the limit then refuses
    int og = ReadIntInput(in, ctl::EditLiftOGFloorQty);
    if (og < 1) {
        OGFloorQty = og;
        Warn("Число надземных этажей должно быть не менее одного:\r    Nнэ ≥ 1",
             ctl::EditLiftOGFloorQty);
        return false;
    }
    if (!ReadCountInput(*this, in, ctl::EditLiftOGFloorQty, kMaxFloorQty, kFloorQtyLimitMessage, og))
        return false;
    // guard: both counts are checked before anything is written or allocated
    int ug = 0;
    if (!ReadCountInput(*this, in, ctl::EditLiftUGFloorQty, kMaxFloorQty, kFloorQtyLimitMessage, ug))
        return false;
    OGFloorQty = og;

    Line("\\par\\b Условия:\\b0\\par ");
    UGFloorQty = ug;
    LiftTerm1Shaft = UGFloorQty == 0 ? 1 : (OGFloorQty < 2 ? 3 : 2);
    // the window keeps these fields in step with its radio buttons
    LiftTerm2Wind = in.isChecked(ctl::rbLiftJoinWall);
    LiftTerm3Hall1 = in.isChecked(ctl::rbLiftHall1);
    LiftTerm4HallAbove = in.isChecked(ctl::rbLiftHallAbove);
    LiftTerm5HallBelow = in.isChecked(ctl::rbLiftHallBelow);
    LiftMethod = in.isChecked(ctl::rbLiftMethodSlot) ? 2 : in.isChecked(ctl::rbLiftMethodClosed) ? 3 : 1;

    auto term = [this](std::string_view text) {
        std::string line("    ");
        line += text;
        line += ".\\par ";
        Line(line);
    };
    term(LiftTerm1Shaft == 3 ? "Подача в нижнюю часть шахты" : "Подача в верхнюю часть шахты");
    term(LiftTerm2Wind ? "Надземная часть лифтовой шахты примыкает к наружной стене"
                       : "Лифтовая шахта центрального ядра надземной части");
    term(LiftTerm3Hall1 ? "Выгороженный лифтовой холл на основном посадочном этаже"
                        : "Без выгороженного лифтового холла на основном посадочном этаже");
    term(LiftTerm4HallAbove ? "Выгороженные лифтовые холлы на вышележащих надземных этажах"
                            : "Без выгороженных лифтовых холлов на вышележащих надземных этажах");
    term(LiftTerm5HallBelow ? "Выгороженные лифтовые холлы на нижележащих подземных этажах"
                            : "Без выгороженных лифтовых холлов на нижележащих подземных этажах");
    switch (LiftMethod) {
    case 1:
        term("Расчёт по расходу в открытом проёме");
        break;
    case 2:
        term("Расчёт по расходу в щели между кабиной и шахтой");
        break;
    case 3:
        term("Расчёт на закрытые двери ЛШ на всех этажах");
        break;
    default:
        term("?");
    }

    Line(RtfGroupHeading("Параметры воздуха"));
    OutsideAirTemp = ReadRealControl(in, ctl::EditLiftOutsideAirTemp);
    Put(*this, "    Температура наружного воздуха:    \\b t\\sub a\\nosupersub  = ",
        FormatFixed2(OutsideAirTemp), " °C");
    InsideAirTemp = ReadRealControl(in, ctl::EditLiftInsideAirTemp);
    Put(*this, "    Температура воздуха во внутренних помещениях:    \\b t\\sub r\\nosupersub  = ",
        FormatFixed2(InsideAirTemp), " °C");
    LiftShaftAirTemp = (OutsideAirTemp + InsideAirTemp) / 2;
    Put(*this, "    Температура воздуха в лифтовой шахте:    \\b t\\sub l\\nosupersub  = ",
        FormatFixed2(LiftShaftAirTemp), " °C");
    WindSpeed = ReadRealControl(in, ctl::EditLiftWindSpeed);
    Put(*this, "    Скорость ветра:    \\b v\\sub a\\nosupersub  = ", FormatFixed2(WindSpeed),
        " м/с");
    Line(RtfGroupHeading("Коэффициенты ветрового напора"));
    KoefWW = ReadRealControl(in, ctl::EditLiftKoefWW);
    Put(*this, "    Наветренная сторона:    \\b K\\sub WW\\nosupersub  = ", FormatFixed2(KoefWW));
    KoefW0 = ReadRealControl(in, ctl::EditLiftKoefW0);
    Put(*this, "    Заветренная сторона:    \\b K\\sub W0\\nosupersub  = ", FormatFixed2(KoefW0));

    Line(RtfGroupHeading("Характеристики здания"));
    Put(*this, "    Число надземных этажей:    \\b N\\sub НЭ\\nosupersub  = ", IntText(OGFloorQty));
    Put(*this, "    Число подземных этажей:    \\b N\\sub ПЭ\\nosupersub  = ", IntText(UGFloorQty));
    // h(2) is read for every shaft, so the model holds what the project and the window show;
    // it is printed where a formula uses it: the upper floors' levels (supply to the top) and
    // the 1st floor's pressure Pl(1) with the doorway open (supply to the bottom as well)
    SecondFloorLevel = ReadRealControl(in, ctl::EditLiftSecondFloorLevel);
    if (LiftTerm1Shaft != 3 || LiftMethod != 3)
        Put(*this,
            "    Отметка уровня второго этажа (от пола 1-го до пола 2-го):    \\b "
            "h\\sub (2)\\nosupersub  = ",
            FormatFixed2(SecondFloorLevel), kM);
    if (LiftTerm1Shaft != 3) {
        OGFloorHeight = ReadRealControl(in, ctl::EditLiftOGFloorHeight);
        Put(*this,
            "    Высота вышележащих этажей (от пола до пола):    \\b \\u0916?h\\sub "
            "НЭ\\nosupersub  = ",
            FormatFixed2(OGFloorHeight), kM);
    }
    if (LiftTerm1Shaft != 1) {
        UGFloorHeight = std::fabs(ReadRealControl(in, ctl::EditLiftUGFloorHeight));
        Put(*this,
            "    Высота подземных этажей (от пола до пола):    \\b \\u0916?h\\sub "
            "ПЭ\\nosupersub  = ",
            FormatFixed2(UGFloorHeight), kM);
    }
    return true;
}

bool InflowCalc::InputLiftShaft(InflowInputs &in) {
    Line(RtfGroupHeading("Характеристики лифтовой шахты"));

    const int lowest = UGFloorQty < 1 ? 1 : -UGFloorQty;
    LiftLevelStart = SignedSaturated(in, ctl::EditLiftLevelStart);
    if (LiftLevelStart == 0) {
        LiftLevelStart = lowest;
    } else {
        LiftLevelStart = std::max(LiftLevelStart, lowest);
        LiftLevelStart = std::min(LiftLevelStart, OGFloorQty);
    }
    LiftLevelFinish = SignedSaturated(in, ctl::EditLiftLevelFinish);
    if (LiftLevelFinish == 0) {
        LiftLevelFinish = OGFloorQty;
    } else {
        LiftLevelFinish = std::min(LiftLevelFinish, OGFloorQty);
        LiftLevelFinish = std::max(LiftLevelFinish, LiftLevelStart);
    }
    if (LiftTerm1Shaft != 3) {
        if (LiftLevelStart == lowest && LiftLevelFinish == OGFloorQty)
            Line("    Выходы на \\b всех\\b0  этажах\\b0\\par ");
        else if (LiftLevelFinish == LiftLevelStart)
            Put(*this, "    Выходы на этажах:    \\b ", IntText(LiftLevelStart));
        else
            Put(*this, "    Выходы на этажах:    \\b с ",
                IntText(LiftLevelStart) + " по " + IntText(LiftLevelFinish));
    }

    LiftShaftDoorArea = ReadRealControl(in, ctl::EditLiftShaftDoorArea);
    Put(*this, "    Площадь дверей лифтовой шахты:    \\b F\\sub dl\\nosupersub  = ",
        FormatFixed2(LiftShaftDoorArea), kM2);
    LiftHallDoorArea = ReadRealControl(in, ctl::EditLiftHallDoorArea);
    Put(*this, "    Площадь дверей лифтовых холлов:    \\b F\\sub dr\\nosupersub  = ",
        FormatFixed2(LiftHallDoorArea), kM2);
    LiftShaftDoorHeight = ReadRealControl(in, ctl::EditLiftShaftDoorHeight);
    Put(*this, "    Высота дверей лифтовой шахты:    \\b h\\sub dl\\nosupersub  = ",
        FormatFixed2(LiftShaftDoorHeight), kM);
    LiftCageQty = ReadIntInput(in, ctl::EditLiftCageQty);
    Put(*this, "    Количество кабин лифтов в шахте:    \\b n = ", IntText(LiftCageQty));
    LiftHallDoorQty = ReadIntInput(in, ctl::EditLiftHallDoorQty);
    Put(*this,
        "    Количество дверей каждого лифтового холла:    \\b m = ", IntText(LiftHallDoorQty));
    LiftCageArea = ReadRealControl(in, ctl::EditLiftCageArea);
    Put(*this,
        "    Площадь поперечного сечения кабины лифта по внешнему контуру ограждений:    "
        "\\b F\\sub lc\\nosupersub  = ",
        FormatFixed2(LiftCageArea), kM2);
    LiftShaftArea = ReadRealControl(in, ctl::EditLiftShaftArea);
    Put(*this,
        "    Площадь поперечного сечения шахты лифта по внутреннему контуру ограждений:    "
        "\\b F\\sub ls\\nosupersub  = ",
        FormatFixed2(LiftShaftArea), kM2);
    LiftShaftDoorSpecResist = ReadRealControl(in, ctl::EditLiftShaftDoorSpecResist);
    if (!IsZeroReal(LiftShaftDoorSpecResist))
        Put(*this,
            "    Сопротивление воздухопроницанию дверей лифтовой шахты:    \\b S\\sub "
            "dl\\nosupersub  = ",
            FormatFixed2(LiftShaftDoorSpecResist), kM3PerKg);
    LiftHallDoorSpecResist = ReadRealControl(in, ctl::EditLiftHallDoorSpecResist);
    if (!IsZeroReal(LiftHallDoorSpecResist))
        Put(*this,
            "    Сопротивление воздухопроницанию дверей лифтового холла:    \\b S\\sub "
            "dr\\nosupersub  = ",
            FormatFixed2(LiftHallDoorSpecResist), kM3PerKg);
    LiftHallDoorKoefXid = ReadRealControl(in, ctl::EditLiftHallDoorKoefXid);
    Put(*this,
        "    КМС проема дверей выгороженного лифтового холла на основном посадочном этаже:  "
        "  \\b \\u0958?\\sub d\\nosupersub  = ",
        FormatFixed2(LiftHallDoorKoefXid));
    LiftCageKoefXil = ReadRealControl(in, ctl::EditLiftCageKoefXil);
    if (!IsZeroReal(LiftCageKoefXil) && LiftMethod == 1)
        Put(*this,
            "    КМС узла \"кабина-шахта\" при открытых дверях:    \\b \\u0958?\\sub "
            "l\\nosupersub  = ",
            FormatFixed2(LiftCageKoefXil));
    LiftMuGap = ReadRealControl(in, ctl::EditLiftMuGap);
    Put(*this,
        "    Коэффициент расхода зазора между кабиной и шахтой:    \\b \\u0956?\\sub "
        "gap\\nosupersub  = ",
        FormatFixed2(LiftMuGap));

    // The gap rows enter the calculation with every method; only the slot method checks them.
    for (int i = 0; i < 3; ++i) {
        const ctl::LiftGapControls &gap = ctl::kLiftGapControls[i];
        LiftGapRows[i].F = ReadRealControl(in, gap.area);
        LiftGapRows[i].Unit = in.comboIndex(gap.unit) == 1 ? 1 : 0;
        LiftGapRows[i].Value = ReadRealControl(in, gap.value);
    }
    if (LiftMethod == 2) {
        for (int i = 0; i < 3; ++i) {
            const TLiftGapRow &row = LiftGapRows[i];
            if (row.Unit == 0 && (row.Value < 0 || row.Value > 1)) {
                Warn("Необходимо выполнить условие\r0 ≤ μ ≤ 1",
                     ctl::kLiftGapControls[i].value);
                return false;
            }
            if (row.Unit == 1 && row.Value < 1) {
                Warn("Необходимо выполнить условие\r(ξ+1) ≥ 1",
                     ctl::kLiftGapControls[i].value);
                return false;
            }
        }
    }
    return true;
}

bool InflowCalc::InputLiftSupply(InflowInputs &in) {
    Line(RtfGroupHeading("Система приточной противодымной вентиляции"));
    LiftPplus = ReadRealControl(in, ctl::EditLiftPplus);
    if (LiftPplus < 20) {
        Warn("Избыточное давление должно быть не менее 20 Па:\r    P⁺ ≥ 20", ctl::EditLiftPplus);
        return false;
    }
    Put(*this, "    Избыточное давление, принятое к расчёту:    \\b P\\super +\\nosupersub  = ",
        FormatFixed2(LiftPplus), kPa);
    LiftH0s = ReadRealControl(in, ctl::EditLiftH0s);
    Put(*this,
        "    Разность уровней воздухоприёмного устройства и оголовка ЛШ:    \\b h\\sub "
        "0s\\nosupersub  = h\\sub ВПУ\\nosupersub  - h\\sub оголовка\\nosupersub  = ",
        FormatFixed2(LiftH0s), kM);
    APipeSizeA = ReadRealControl(in, ctl::EditLiftSizeA);
    APipeSizeB = ReadRealControl(in, ctl::EditLiftSizeB);
    APipeLen = ReadRealControl(in, ctl::EditLiftAPipeLen);
    APipeIsRect = in.isChecked(ctl::rbLiftRectAPipe);
    if (APipeIsRect)
        Put(*this, "    Воздуховоды прямоугольного сечения:    \\b AxB = ",
            FormatRoundedInt(APipeSizeA) + "x" + FormatRoundedInt(APipeSizeB), " мм");
    else
        Put(*this,
            "    Воздуховоды круглого сечения:    \\b диаметр = ", FormatRoundedInt(APipeSizeA),
            " мм");
    Put(*this, "    Длина воздуховодов:    \\b l\\sub вв\\nosupersub  = ", FormatFixed2(APipeLen),
        kM);
    APipeEpsilon = ReadRealControl(in, ctl::EditLiftAPipeEpsilon);
    Put(*this, "    Абсолютная эквивалентная шероховатость воздуховодов:    \\b \\u0949? = ",
        FormatFixed2(APipeEpsilon), " мм");
    APipeXi = ReadRealControl(in, ctl::EditLiftAPipeXi);
    Put(*this,
        "    Сумма коэффициентов местных сопротивлений:    \\b \\u0958?\\sub вв\\nosupersub "
        " = ",
        FormatFixed2(APipeXi));
    return true;
}

void InflowCalc::RunCalcCommonLiftInit() {
    const bool cageXiComputed = IsZeroReal(LiftCageKoefXil);
    if (cageXiComputed)
        LiftCageKoefXil = LiftShaftArea == 0 ? 4.3 : 4.3 + LiftCageArea / LiftShaftArea;
    WriteLiftAirTemps(*this, cageXiComputed);

    OutsideAirDensity = AirDensity(OutsideAirTemp);
    InsideAirDensity = AirDensity(InsideAirTemp);
    RhoL = AirDensity(LiftShaftAirTemp);
    WriteLiftDensities(*this);

    WindPress = WindPressure(KoefWW, KoefW0, OutsideAirDensity, WindSpeed);
    WriteLiftWind(*this);
}

// Each step computes, then its lines are written (lift_report.cpp), in the order the report
// shows them: a run stopped by a value that cannot be written has computed and written exactly
// what came before it.
void InflowCalc::RunCalcLift() {
    LiftShaftResult.clear();
    RunCalcCommonLiftInit();

    const double g = kG;
    const double rhoA = OutsideAirDensity;
    const double rhoR = InsideAirDensity;
    const double rhoL = RhoL;
    const double hdl = LiftShaftDoorHeight;
    const double h2 = SecondFloorLevel;
    const double Pplus = LiftPplus;
    const int shaft = LiftTerm1Shaft;
    const int method = LiftMethod;
    TLiftValues v;

    // 1. Door resistances left empty follow from the shaft air density.
    if (IsZeroReal(LiftShaftDoorSpecResist)) {
        LiftShaftDoorSpecResist = rhoL == 0 ? 0 : 2600 / rhoL;
        WriteLiftShaftDoorResist(*this);
    }
    if (IsZeroReal(LiftHallDoorSpecResist)) {
        LiftHallDoorSpecResist = rhoL == 0 ? 0 : 5300 / rhoL;
        WriteLiftHallDoorResist(*this);
    }

    // 2. Closed doors of the floors above and below ground.
    const double nFdl2 = std::pow(LiftCageQty * LiftShaftDoorArea, 2);
    const double mFdr2 = std::pow(LiftHallDoorQty * LiftHallDoorArea, 2);
    const double a = IsZeroReal(nFdl2) ? 0 : LiftShaftDoorSpecResist / nFdl2;
    const double b = IsZeroReal(mFdr2) ? 0 : LiftHallDoorSpecResist / mFdr2;
    v.slrAbove = LiftTerm4HallAbove ? a + b : a;
    v.slrBelow = LiftTerm5HallBelow ? a + b : a;
    WriteLiftClosedDoors(*this, v);

    // 3. Gap openings of the open doorway.
    double gapSum = 0;
    for (const TLiftGapRow &row : LiftGapRows) {
        double mu = row.Value;
        if (row.Unit == 1) {
            const double r = std::sqrt(std::fabs(row.Value));
            mu = r == 0 ? 0 : 1 / r;
        }
        gapSum += std::fabs(row.F) * mu;
    }
    if (method == 2 && LiftGapRows[0].F == 0)
        Warn("Не задана площадь щели в открытом проёме ЛШ.", ctl::EditLiftFmu1);
    v.sigma = LiftCageQty * gapSum;

    // 4. Pressure on the 1st floor.
    v.pl1 =
        Pplus - g * (0.5 * hdl + h2) * (rhoL - rhoR) + 0.5 * g * hdl * (rhoA - rhoL) + WindPress;

    // 5. Flow through the 1st floor limited by the gap between cage and shaft.
    const double sign1 = v.pl1 < 0 ? -1 : 1;
    v.gSlot = v.sigma * std::sqrt(std::fabs(2 * rhoL * v.pl1)) * sign1;

    // 6. Flow through the open doorway limited by the door openings.
    double D = IsZeroReal(nFdl2) ? 0 : LiftCageKoefXil / nFdl2;
    if (LiftTerm3Hall1 && mFdr2 != 0)
        D += (LiftHallDoorKoefXid + 1) / mFdr2;
    // guard: a negative coefficient sum is taken by its size, never as a root of a negative
    v.gOpen = IsZeroReal(D) ? 0 : std::sqrt(std::fabs(2 * rhoL * v.pl1 / D)) * sign1;

    // 7.
    const double g1 = method == 1 ? v.gOpen : method == 2 ? v.gSlot : 0;

    // 8. Underground part (shafts 2 and 3).
    const double hMinusN = -UGFloorHeight * UGFloorQty;
    const double hMinus1 = -UGFloorHeight;
    v.plM1 = Pplus + g * (hMinusN - (hMinus1 + 0.5 * hdl)) * (rhoL - rhoR);

    // 9. Above-ground part (shaft 1).
    v.pl2 = Pplus + WindPress - g * (hdl / 2 + h2) * (rhoL - rhoR);
    WriteLiftFirstFloor(*this, v);

    // 10. Floor by floor.
    TLiftPassArgs pass;
    pass.OGCount = shaft == 3 ? 0 : OGFloorQty;
    pass.UGCount = shaft == 1 ? 0 : UGFloorQty;
    pass.LevelStart = LiftLevelStart;
    pass.LevelFinish = LiftLevelFinish;
    pass.DoorwayOpen = method < 3;
    pass.G1 = g1;
    pass.h2 = h2;
    pass.RhoL = rhoL;
    pass.RhoR = rhoR;
    pass.dhNE = OGFloorHeight;
    pass.dhPE = UGFloorHeight;
    pass.hdl = hdl;
    pass.SlrAbove = v.slrAbove;
    pass.SlrBelow = v.slrBelow;
    pass.Pplus = Pplus;
    pass.MuGap = LiftMuGap;
    pass.Flc = LiftCageArea;
    pass.Fls = LiftShaftArea;
    pass.Pl2 = v.pl2;
    pass.PlM1 = v.plM1;
    // shaft 1 starts the pass from Pl(2), which already holds the wind: it enters once
    pass.Pw = shaft == 1 ? 0 : WindPress;
    LiftShaftResult = CalcLiftShaftFloors(pass);
    const TLiftShaftResult &floors = LiftShaftResult;

    // 11. Air passing the cage on its way up from the underground part.
    if (shaft != 1) {
        const size_t k = static_cast<size_t>(std::max(OGFloorQty - 1, 0));
        const double gap = LiftShaftArea - LiftCageArea;
        if (k < floors.size() && rhoL != 0 && LiftMuGap != 0 && gap != 0)
            v.vcs = floors[k].G / rhoL / LiftMuGap / gap;
    }
    v.dPcs = 0.5 * rhoL * v.vcs * v.vcs;

    // 12. Pressure at the shaft head.
    v.PL = shaft == 1 ? v.pl2 : v.plM1 + v.dPcs;
    WriteLiftShaftHead(*this, v);

    // 14. Supply system.
    double hlN = 0;
    if (shaft == 1)
        hlN = (OGFloorQty - 1) * OGFloorHeight + h2;
    else if (shaft == 2)
        hlN = UGFloorQty * UGFloorHeight + h2 + (OGFloorQty - 1) * OGFloorHeight;
    else
        hlN = UGFloorQty * UGFloorHeight;

    const DuctSectionResult section = DuctSection(APipeIsRect, APipeSizeA, APipeSizeB);
    APipeArea = section.F;
    APipeDiamEq = section.De;
    v.Gs = floors.empty() ? 0 : floors.front().G;
    WriteLiftDuctSection(*this, v);

    const DuctLossResult loss =
        DuctNetworkLoss(v.Gs, rhoA, APipeArea, APipeDiamEq, APipeEpsilon, APipeLen, APipeXi);
    APipeSpeed = loss.v;
    APipeDynPress = loss.Pd;
    APipeRe = loss.Re;
    APipeLambda = loss.f;
    APipeSpecFriction = loss.dPf;
    APipeLoss = loss.P;
    VolumeAirExps = rhoA == 0 ? 0 : 3600 * v.Gs / rhoA;
    FanPress = rhoA == 0
                   ? 0
                   : kNormalAirDensity *
                         (g * hlN * (rhoA - rhoL) + v.PL + g * LiftH0s * (rhoA - rhoR) + loss.P) /
                         rhoA;
    WriteLiftDuctAndFan(*this);
}

TLiftShaftResult InflowCalc::CalcLiftShaftFloors(const TLiftPassArgs &a) {
    // Counts beyond the run's limits never reach here; the clamp keeps the pass bounded anyway.
    const int N = std::clamp(a.OGCount, 1, kMaxFloorQty);
    const int U = std::clamp(a.UGCount, 0, kMaxFloorQty);
    const int total = N + U;
    TLiftShaftResult result(static_cast<size_t>(total));
    const double g = kG;
    const double hBottom = U == 0 ? 0 : -a.dhPE * U;
    double Pg = U == 0 ? a.Pl2 : a.PlM1;
    double h = 0;
    double step = 0;
    double G = 0;
    for (int i = total; i >= 1; --i) {
        const bool first = i == total;
        const int J = i <= N ? N + 1 - i : N - i;
        if (first)
            h = hBottom;
        else if (J == 1)
            h = 0;
        else
            h += step;
        step = J == 1 ? a.h2 : (J < 0 ? a.dhPE : a.dhNE);
        const double S = J > 0 ? a.SlrAbove : a.SlrBelow;

        double PL = 0;
        double DG = 0;
        if (J == 1 && a.DoorwayOpen) {
            PL = a.Pplus - 0.5 * g * a.hdl * (a.RhoL - a.RhoR);
            DG = a.G1;
        } else if (J >= a.LevelStart && J <= a.LevelFinish) {
            PL = Pg + a.Pw + g * (0.5 * a.hdl + h - hBottom) * (a.RhoL - a.RhoR);
            DG = S == 0 ? 0 : std::sqrt(std::fabs(PL / S)) * (PL < 0 ? -1 : 1);
        }
        G = first ? DG : G + DG;
        if (!first && J == 1) {
            // the air of the floors below passes the cage and raises the pressure above it
            const double gap = a.Fls - a.Flc;
            const double X = (a.MuGap == 0 || gap == 0) ? 0 : std::pow(G / a.MuGap / gap, 2);
            Pg = a.RhoL == 0 ? 0 : Pg + X / (2 * a.RhoL);
        }
        TLiftShaftFloor &rec = result[static_cast<size_t>(i - 1)];
        rec.FloorNum = J;
        rec.h = h;
        rec.Pg = Pg;
        rec.PL = PL;
        rec.DG = DG;
        rec.G = G;
    }
    return result;
}

} // namespace orvane::inflow
