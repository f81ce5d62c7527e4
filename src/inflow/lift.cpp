// Air supply into a lift shaft: the lift page's input steps, the shaft pressures floor by floor,
// the supply duct and the fan duty point.
#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/inflow_calc.h"
#include "inflow/input_read.h"

namespace orvane::inflow {

namespace {

std::string Int(int v) {
    return std::to_string(v);
}

// One report line: text, value, unit, then the end of the bold value and the paragraph.
void Put(InflowCalc &c, std::string_view text, const std::string &value,
         std::string_view unit = {}) {
    c.ValueLine(text, value, unit);
}

constexpr std::string_view kM = " м";
constexpr std::string_view kM2 = " м\\super 2\\nosupersub ";
constexpr std::string_view kM3PerKg = " м\\super 3\\nosupersub /кг";
constexpr std::string_view kPa = " Па";
constexpr std::string_view kKgPerS = " кг/с";
constexpr std::string_view kKgPerM3 = " кг/м\\super 3\\nosupersub ";

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

// Rounds to 0.001 with halves to even and writes the shortest form (the table's flows).
std::string Flow3(double x) {
    return FormatGeneral(RoundHalfEven(x, 3));
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

    Line("\\par\\b Параметры воздуха\\b0\\par ");
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
    Line("\\par\\b Коэффициенты ветрового напора\\b0\\par ");
    KoefWW = ReadRealControl(in, ctl::EditLiftKoefWW);
    Put(*this, "    Наветренная сторона:    \\b K\\sub WW\\nosupersub  = ", FormatFixed2(KoefWW));
    KoefW0 = ReadRealControl(in, ctl::EditLiftKoefW0);
    Put(*this, "    Заветренная сторона:    \\b K\\sub W0\\nosupersub  = ", FormatFixed2(KoefW0));

    Line("\\par\\b Характеристики здания\\b0\\par ");
    Put(*this, "    Число надземных этажей:    \\b N\\sub НЭ\\nosupersub  = ", Int(OGFloorQty));
    Put(*this, "    Число подземных этажей:    \\b N\\sub ПЭ\\nosupersub  = ", Int(UGFloorQty));
    if (LiftTerm1Shaft != 3) {
        SecondFloorLevel = ReadRealControl(in, ctl::EditLiftSecondFloorLevel);
        Put(*this,
            "    Отметка уровня второго этажа (от пола 1-го до пола 2-го):    \\b "
            "h\\sub (2)\\nosupersub  = ",
            FormatFixed2(SecondFloorLevel), kM);
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
    Line("\\par\\b Характеристики лифтовой шахты\\b0\\par ");

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
            Put(*this, "    Выходы на этажах:    \\b ", Int(LiftLevelStart));
        else
            Put(*this, "    Выходы на этажах:    \\b с ",
                Int(LiftLevelStart) + " по " + Int(LiftLevelFinish));
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
    Put(*this, "    Количество кабин лифтов в шахте:    \\b n = ", Int(LiftCageQty));
    LiftHallDoorQty = ReadIntInput(in, ctl::EditLiftHallDoorQty);
    Put(*this, "    Количество дверей каждого лифтового холла:    \\b m = ", Int(LiftHallDoorQty));
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
    Line("\\par\\b Система приточной противодымной вентиляции\\b0\\par ");
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
    if (IsZeroReal(LiftCageKoefXil)) {
        LiftCageKoefXil = LiftShaftArea == 0 ? 4.3 : 4.3 + LiftCageArea / LiftShaftArea;
        if (LiftMethod == 1)
            Put(*this,
                "\\par КМС узла \"кабина-шахта\" при открытых дверях\\par\\b \\u0958?\\sub "
                "l\\nosupersub\\b0  = 4,3 + F\\sub lc\\nosupersub  / F\\sub ls\\nosupersub  "
                "= \\b ",
                FormatFixed2(LiftCageKoefXil));
    }
    Line("\\par\\b T\\sub a\\nosupersub\\b0  = t\\sub a\\nosupersub  + 273,15 = \\b " +
         FormatFixed2(OutsideAirTemp + kCelsiusZero) + " K\\b0 ");
    Line("\\par\\b T\\sub r\\nosupersub\\b0  = t\\sub r\\nosupersub  + 273,15 = \\b " +
         FormatFixed2(InsideAirTemp + kCelsiusZero) + " K\\b0 ");
    Put(*this, "\\par\\b T\\sub l\\nosupersub\\b0  = t\\sub l\\nosupersub  + 273,15 = \\b ",
        FormatFixed2(LiftShaftAirTemp + kCelsiusZero), " K");

    OutsideAirDensity = AirDensity(OutsideAirTemp);
    InsideAirDensity = AirDensity(InsideAirTemp);
    RhoL = AirDensity(LiftShaftAirTemp);
    Put(*this,
        "\\par Плотность наружного воздуха\\par\\b \\u0961?\\sub a\\nosupersub\\b0  = 353 / "
        "T\\sub a\\nosupersub  = \\b ",
        FormatFixed2(OutsideAirDensity), kKgPerM3);
    Put(*this,
        "\\par Плотность воздуха во внутренних помещениях\\par\\b \\u0961?\\sub "
        "r\\nosupersub\\b0  = 353 / T\\sub r\\nosupersub  = \\b ",
        FormatFixed2(InsideAirDensity), kKgPerM3);
    Put(*this,
        "\\par Плотность воздуха в лифтовой шахте\\par\\b \\u0961?\\sub l\\nosupersub\\b0  "
        "= 353 / T\\sub l\\nosupersub  = \\b ",
        FormatFixed2(RhoL), kKgPerM3);

    WindPress = WindPressure(KoefWW, KoefW0, OutsideAirDensity, WindSpeed);
    Put(*this,
        "\\par Ветровой напор\\par\\b P\\sub w\\nosupersub\\b0  = 0,25 \\u8729? (K\\sub "
        "WW\\nosupersub  - K\\sub W0\\nosupersub ) \\u8729? \\u0961?\\sub a\\nosupersub  "
        "\\u8729? v\\sub a\\nosupersub\\super 2\\nosupersub  = \\b ",
        FormatFixed2(WindPress), kPa);
}

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

    // 1. Door resistances left empty follow from the shaft air density.
    if (IsZeroReal(LiftShaftDoorSpecResist)) {
        LiftShaftDoorSpecResist = rhoL == 0 ? 0 : 2600 / rhoL;
        Put(*this,
            "\\par Сопротивление воздухопроницанию дверей лифтовой шахты\\par\\b S\\sub "
            "dl\\nosupersub\\b0  = 2600 / \\u0961?\\sub l\\nosupersub  = \\b ",
            FormatFixed2(LiftShaftDoorSpecResist), kM3PerKg);
    }
    if (IsZeroReal(LiftHallDoorSpecResist)) {
        LiftHallDoorSpecResist = rhoL == 0 ? 0 : 5300 / rhoL;
        Put(*this,
            "\\par Сопротивление воздухопроницанию дверей лифтового холла\\par\\b S\\sub "
            "dr\\nosupersub\\b0  = 5300 / \\u0961?\\sub l\\nosupersub  = \\b ",
            FormatFixed2(LiftHallDoorSpecResist), kM3PerKg);
    }

    // 2. Closed doors of the floors above and below ground.
    const double nFdl2 = std::pow(LiftCageQty * LiftShaftDoorArea, 2);
    const double mFdr2 = std::pow(LiftHallDoorQty * LiftHallDoorArea, 2);
    const double a = IsZeroReal(nFdl2) ? 0 : LiftShaftDoorSpecResist / nFdl2;
    const double b = IsZeroReal(mFdr2) ? 0 : LiftHallDoorSpecResist / mFdr2;
    const double slrAbove = LiftTerm4HallAbove ? a + b : a;
    const double slrBelow = LiftTerm5HallBelow ? a + b : a;
    const std::string_view slrFormula =
        "\\par\\b S\\sub dlr\\nosupersub\\b0  = S\\sub dl\\nosupersub  / (n \\u8729? F\\sub "
        "dl\\nosupersub )\\super 2\\nosupersub  + S\\sub dr\\nosupersub  / (m \\u8729? F\\sub "
        "dr\\nosupersub )\\super 2\\nosupersub  = \\b ";
    const std::string_view slrUnit = " \\super 1\\nosupersub /(кг\\u8729?м)";
    if (shaft != 3)
        Put(*this,
            std::string("\\par Характеристика сопротивления закрытых дверей надземной части "
                        "ЛШ") +
                std::string(slrFormula),
            FormatFixed2(slrAbove), slrUnit);
    if (shaft != 1)
        Put(*this,
            std::string("\\par Характеристика сопротивления закрытых дверей подземной части "
                        "ЛШ") +
                std::string(slrFormula),
            FormatFixed2(slrBelow), slrUnit);

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
    const double sigma = LiftCageQty * gapSum;
    if (method == 2)
        Put(*this,
            "\\par Общий коэффициент расхода\\par\\b n\\u8729?\\u0931?(\\u0956?\\sub "
            "i\\nosupersub \\u8729?F\\sub i\\nosupersub )\\b0  = \\b ",
            FormatFixed2(sigma));

    // 4. Pressure on the 1st floor.
    const double pl1 =
        Pplus - g * (0.5 * hdl + h2) * (rhoL - rhoR) + 0.5 * g * hdl * (rhoA - rhoL) + WindPress;
    if (method != 3)
        Put(*this,
            "\\par Расчётное давление на уровне 1-го этажа\\par\\b P\\sub "
            "l(1)\\nosupersub\\b0  = P\\super +\\nosupersub  - g \\u8729? (h\\sub "
            "(2)\\nosupersub  + 0.5 \\u8729? h\\sub d\\nosupersub ) \\u8729? (\\u0961?\\sub "
            "l\\nosupersub  - \\u0961?\\sub r\\nosupersub ) + 0.5 \\u8729? h\\sub "
            "d\\nosupersub  \\u8729? (\\u0961?\\sub a\\nosupersub  - \\u0961?\\sub "
            "r\\nosupersub ) + P\\sub w\\nosupersub  = \\b ",
            FormatFixed2(pl1), kPa);

    // 5. Flow through the 1st floor limited by the gap between cage and shaft.
    const double sign1 = pl1 < 0 ? -1 : 1;
    const double gSlot = sigma * std::sqrt(std::fabs(2 * rhoL * pl1)) * sign1;
    if (method == 2)
        Put(*this,
            "\\par Расчётный расход воздуха из ЛШ на 1-м этаже\\par\\b G\\sub "
            "(1)\\nosupersub\\b0  = n \\u8729? \\u0931?(\\u0956?\\sub i\\nosupersub  "
            "\\u8729? F\\sub i\\nosupersub ) \\u8729? (2 \\u8729? \\u0961?\\sub "
            "l\\nosupersub  \\u8729? P\\sub l(1)\\nosupersub )\\super 1/2\\nosupersub  = \\b ",
            FormatFixed2(gSlot), kKgPerS);

    // 6. Flow through the open doorway limited by the door openings.
    double D = IsZeroReal(nFdl2) ? 0 : LiftCageKoefXil / nFdl2;
    if (LiftTerm3Hall1 && mFdr2 != 0)
        D += (LiftHallDoorKoefXid + 1) / mFdr2;
    // guard: a negative coefficient sum is taken by its size, never as a root of a negative
    const double gOpen = IsZeroReal(D) ? 0 : std::sqrt(std::fabs(2 * rhoL * pl1 / D)) * sign1;
    if (method == 1)
        Put(*this,
            "\\par Расчётный расход воздуха из ЛШ на 1-м этаже\\par\\b G\\sub "
            "(1)\\nosupersub\\b0  = \\{ 2 \\u8729? \\u0961?\\sub l\\nosupersub  \\u8729? "
            "P\\sub l(1)\\nosupersub  / [\\u0958?\\sub l\\nosupersub  / (n\\sub "
            "dl\\nosupersub  \\u8729? F\\sub dl\\nosupersub )\\super 2\\nosupersub  + "
            "(\\u0958?\\sub d\\nosupersub  + 1) / (m\\sub dr\\nosupersub  \\u8729? F\\sub "
            "dr\\nosupersub )\\super 2\\nosupersub] \\}\\super 1/2\\nosupersub  = \\b ",
            FormatFixed2(gOpen), kKgPerS);

    // 7.
    const double g1 = method == 1 ? gOpen : method == 2 ? gSlot : 0;

    // 8. Underground part (shafts 2 and 3).
    const double hMinusN = -UGFloorHeight * UGFloorQty;
    const double hMinus1 = -UGFloorHeight;
    const double plM1 = Pplus + g * (hMinusN - (hMinus1 + 0.5 * hdl)) * (rhoL - rhoR);
    if (shaft == 3 && method != 3)
        Put(*this,
            "\\par Расчётное давление в подземной части ЛШ\\par\\b P\\sub "
            "l(-1)\\nosupersub\\b0  = P\\super +\\nosupersub  + g\\u8729?\\{h\\sub "
            "(-n)\\nosupersub  - (h\\sub (-1)\\nosupersub  + 0.5\\u8729?h\\sub "
            "d\\nosupersub )\\}\\u8729?(\\u0961?\\sub l\\nosupersub  - \\u0961?\\sub "
            "r\\nosupersub ) = \\b ",
            FormatFixed2(plM1), kPa);

    // 9. Above-ground part (shaft 1).
    const double pl2 = Pplus + WindPress - g * (hdl / 2 + h2) * (rhoL - rhoR);
    if (shaft == 1 && method != 3) {
        std::string text =
            "\\par Расчётное давление в надземной части ЛШ\\par\\b P\\sub l(2)\\nosupersub\\b0  = "
            "P\\super +\\nosupersub  - g\\u8729?(h\\sub (2)\\nosupersub  + 0,5\\u8729?h\\sub "
            "d\\nosupersub )\\u8729?(\\u0961?\\sub l\\nosupersub  - \\u0961?\\sub r\\nosupersub )";
        if (LiftTerm2Wind)
            text += " + P\\sub w\\nosupersub ";
        text += " = \\b ";
        Put(*this, text, FormatFixed2(pl2), kPa);
    }

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
    pass.SlrAbove = slrAbove;
    pass.SlrBelow = slrBelow;
    pass.Pplus = Pplus;
    pass.MuGap = LiftMuGap;
    pass.Flc = LiftCageArea;
    pass.Fls = LiftShaftArea;
    pass.Pl2 = pl2;
    pass.PlM1 = plM1;
    pass.Pw = WindPress;
    LiftShaftResult = CalcLiftShaftFloors(pass);
    const TLiftShaftResult &floors = LiftShaftResult;

    // 11. Air passing the cage on its way up from the underground part.
    double vcs = 0;
    if (shaft != 1) {
        const size_t k = static_cast<size_t>(std::max(OGFloorQty - 1, 0));
        const double gap = LiftShaftArea - LiftCageArea;
        if (k < floors.size() && rhoL != 0 && LiftMuGap != 0 && gap != 0)
            vcs = floors[k].G / rhoL / LiftMuGap / gap;
    }
    const double dPcs = 0.5 * rhoL * vcs * vcs;
    if (shaft != 1) {
        Put(*this,
            "\\par Скорость воздуха в зазоре между шахтой и кабиной лифта\\par\\b v\\sub "
            "cs\\nosupersub\\b0  = G\\sub l(1)\\nosupersub  / \\u0961?\\sub l\\nosupersub  "
            "/ \\u0956?\\sub gap\\nosupersub  / (F\\sub ls\\nosupersub  - F\\sub "
            "lc\\nosupersub ) = \\b ",
            FormatFixed2(vcs), " м/с");
        Put(*this,
            "\\par Потери давления в зазоре между шахтой и кабиной лифта\\par\\b \\u0916?P\\sub "
            "cs\\nosupersub\\b0  = 0,5 \\u8729? \\u0961?\\sub l\\nosupersub  \\u8729? v\\sub "
            "cs\\nosupersub\\super 2\\nosupersub  = \\b ",
            FormatFixed2(dPcs), kPa);
    }

    // 12. Pressure at the shaft head.
    const double PL = shaft == 1 ? pl2 : plM1 + dPcs;
    Put(*this,
        "\\par Давление в оголовке лифтовой шахты\\par\\b P\\sub l(n)\\nosupersub\\b0  = "
        "P\\sub l(2)\\nosupersub  + \\u0916?P\\sub cs\\nosupersub  = \\b ",
        FormatFixed2(PL), kPa);

    // 13. The relations the floor pass follows, as the method states them.
    Line("\\par\\b Расчётные зависимости давления и расхода воздуха на этажах\\b0\\par ");
    Line("\\par Утечки через неплотности (48), кг/с\\par\\b \\u0916?G\\sub l(i)\\nosupersub\\b0  = "
         "\\{ [P\\sub l(i)\\nosupersub  + g\\u8729?(h\\sub (i)\\nosupersub  + 0,5\\u8729?h\\sub "
         "dl\\nosupersub )\\u8729?(\\u0961?\\sub l\\nosupersub  - \\u0961?\\sub r\\nosupersub )] / "
         "S\\sub lr(i)\\nosupersub  \\}\\super 1/2\\nosupersub \\par ");
    Line("\\par Утечки через неплотности (53), кг/с\\par\\b \\u0916?G\\sub l(i)\\nosupersub\\b0  = "
         "\\{ [P\\sub l(i)\\nosupersub  + g\\u8729?(h\\sub (i)\\nosupersub  + 0,5\\u8729?h\\sub "
         "dl\\nosupersub )\\u8729?(\\u0961?\\sub l\\nosupersub  - \\u0961?\\sub r\\nosupersub ) - "
         "P\\sub w\\nosupersub ] / S\\sub lr(-i)\\nosupersub  \\}\\super 1/2\\nosupersub \\par ");
    Line("\\par Утечки через неплотности (58), кг/с\\par\\b G\\sub l\\nosupersub\\b0  = G\\sub "
         "l(1)\\nosupersub  + \\u0931?\\{ [P\\sub l(-i)\\nosupersub  + g\\u8729?(h\\sub "
         "(-n)\\nosupersub  - (h\\sub (-i)\\nosupersub  + 0,5\\u8729?h\\sub dl\\nosupersub "
         "))\\u8729?(\\u0961?\\sub l\\nosupersub  - \\u0961?\\sub r\\nosupersub )] / S\\sub "
         "lr(-i)\\nosupersub  \\}\\super 1/2\\nosupersub \\par ");

    // 14. Supply system.
    Line("\\par\\b Система приточной противодымной вентиляции\\b0\\par ");
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
    Put(*this, "\\par Площадь сечения воздуховодов\\par\\b F\\sub ВВ\\nosupersub\\b0  = \\b ",
        FormatFixed2(APipeArea), kM2);
    Put(*this, "\\par Эквивалентный диаметр воздуховодов\\par\\b D\\sub Э\\nosupersub\\b0  = \\b ",
        FormatRoundedInt(APipeDiamEq), " мм");

    const double Gs = floors.empty() ? 0 : floors.front().G;
    Put(*this, "\\par Массовый расход воздуха\\par\\b G\\sub s\\nosupersub\\b0  = \\b ",
        FormatFixed2(Gs), kKgPerS);
    const DuctLossResult loss =
        DuctNetworkLoss(Gs, rhoA, APipeArea, APipeDiamEq, APipeEpsilon, APipeLen, APipeXi);
    APipeSpeed = loss.v;
    APipeDynPress = loss.Pd;
    APipeRe = loss.Re;
    APipeLambda = loss.f;
    APipeSpecFriction = loss.dPf;
    APipeLoss = loss.P;
    Put(*this,
        "\\par Скорость воздуха\\par\\b v\\sub вв\\nosupersub\\b0  = G\\sub s\\nosupersub  / "
        "\\u0961?\\sub a\\nosupersub  / F\\sub вв\\nosupersub  = \\b ",
        FormatFixed2(loss.v), " м/с");
    Put(*this, "\\par Динамическое давление\\par\\b P\\sub d\\nosupersub\\b0  = \\b ",
        FormatFixed2(loss.Pd), kPa);
    Put(*this,
        "\\par Коэффициент сопротивления трению    1/\\u8730?f = -2\\u8729?log[\\u0949?/"
        "(3.7\\u8729?D\\sub э\\nosupersub ) + 2.51/(Re\\u8729?\\u8730?f)]\\par\\b f\\b0  = "
        "\\b ",
        FormatFixed4(loss.f));
    Put(*this,
        "\\par Удельное сопротивление трению\\par\\b \\u0916?P\\sub f\\nosupersub\\b0  = "
        "P\\sub d\\nosupersub \\u8729?f / D\\sub Э\\nosupersub  = \\b ",
        FormatFixed2(loss.dPf), " Па/м");
    Put(*this,
        "\\par Потери давления в сети от ВПУ до лифтовой шахты\\par\\b P\\sub "
        "вв\\nosupersub\\b0  = \\u0916?P\\sub f\\nosupersub \\u8729?I\\sub вв\\nosupersub  + "
        "\\u0958?\\sub вв\\nosupersub \\u8729?P\\sub d\\nosupersub  = \\b ",
        FormatFixed2(loss.P), kPa);

    VolumeAirExps = rhoA == 0 ? 0 : 3600 * Gs / rhoA;
    Put(*this,
        "\\par\\b\\ul Объёмный расход вентилятора\\ul0\\par L\\sub V\\nosupersub\\b0  = G\\sub "
        "L\\nosupersub  / \\u0961?\\sub a\\nosupersub  = \\b ",
        FormatRoundedInt(VolumeAirExps), " м\\super 3\\nosupersub /ч");
    FanPress = rhoA == 0
                   ? 0
                   : kNormalAirDensity *
                         (g * hlN * (rhoA - rhoL) + PL + g * LiftH0s * (rhoA - rhoR) + loss.P) /
                         rhoA;
    Put(*this,
        "\\par\\b\\ul Статическое давление вентилятора, приведённое к нормальным "
        "условиям\\ul0\\par P\\sub sv\\nosupersub\\b0  = 1,2\\u8729?\\{P\\sub L\\nosupersub  "
        "+ g\\u8729?h\\sub lN\\nosupersub \\u8729?(\\u0961?\\sub a\\nosupersub  - "
        "\\u0961?\\sub l\\nosupersub ) + g\\u8729?h\\sub 0s\\nosupersub \\u8729?(\\u0961?\\sub "
        "a\\nosupersub  - \\u0961?\\sub r\\nosupersub ) + P\\sub вв\\nosupersub \\} / "
        "\\u0961?\\sub a\\nosupersub  = \\b ",
        FormatRoundedInt(FanPress), kPa);

    // 15. Table of the floors, top floor first.
    Line("\\par\\b Таблица 1. Давление и расходы воздуха на этажах\\b0\\par\\par ");
    TRTFTable table;
    table.reserve(floors.size() + 1);
    auto cell = [](std::string text, bool bold) {
        TRTFTableCell c;
        c.Width = 1200;
        c.Text = std::move(text);
        c.HJfy = TRTFHorJustify::horjCenter;
        c.Bold = bold;
        return c;
    };
    table.push_back({cell("Этаж", true), cell("h\\sub э\\nosupersub , м", true),
                     cell("P\\sub ш\\nosupersub , Па", true),
                     cell("\\u0916?P\\sub d\\nosupersub , Па", true), cell("\\u0916?G, кг/с", true),
                     cell("G, кг/с", true)});
    for (const TLiftShaftFloor &f : floors) {
        table.push_back({cell(Int(f.FloorNum), false), cell(FormatFixed2(f.h), false),
                         cell(FormatFixed2(f.Pg), false),
                         cell(f.PL == 0 ? std::string() : FormatFixed2(f.PL), false),
                         cell(f.DG == 0 ? std::string() : Flow3(f.DG), false),
                         cell(Flow3(f.G), false)});
    }
    RtfTable(Report.RTBody, table);
    RtfRaw(Report.RTBody, "\\par ");
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
