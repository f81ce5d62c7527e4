// The input steps shared by the stairwell variants and the project/variant lines of every run.
#include <climits>
#include <cmath>
#include <string>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/inflow_calc.h"
#include "inflow/input_read.h"

namespace orvane::inflow {

namespace {

const char *const kTermsOn[4] = {
    "Лестничная клетка примыкает к наружной стене с окнами на каждом этаже",
    "Лестничная клетка с обособленным наружным выходом",
    "Первый этаж не сообщается с лестничной клеткой, либо сообщается через тамбур-шлюзы, "
    "защищённые ППДВ",
    "Поэтажные выходы в лестничную клетку через тамбур-шлюзы, защищённые ППДВ",
};
const char *const kTermsOff[4] = {
    "Лестничная клетка в центральном ядре",
    "Лестничная клетка не имеет выхода наружу",
    "Первый этаж сообщается с лестничной клеткой через одинарную дверь",
    "Поэтажные выходы в лестничную клетку через одинарные двери",
};

} // namespace

bool ReadCountInput(InflowCalc &calc, const InflowInputs &in, ControlName control, int limit,
                    std::string_view message, int &value) {
    int v = 0;
    if (!TryTextToInt(DigitsOnly(in.text(control)), v) || v > limit) {
        calc.Warn(std::string(message), control);
        return false;
    }
    value = v;
    return true;
}

int ReadIntInput(const InflowInputs &in, ControlName control) {
    int v = 0;
    // guard: a digit string beyond 32 bits is the largest integer, never a wrapped one
    if (!TryTextToInt(DigitsOnly(in.text(control)), v))
        v = INT_MAX;
    return v;
}

double ReadRealControl(const InflowInputs &in, ControlName control) {
    return ReadRealInput(in.text(control));
}

std::string IntText(int v) {
    return std::to_string(v);
}

void InflowCalc::ValueLine(std::string_view text, const std::string &value, std::string_view unit) {
    Line(text);
    Line(value);
    Line(unit);
    Line("\\b0\\par ");
}

bool InflowCalc::InputProjectVariant(InflowInputs &in) {
    static const char *const kVariantLines[4] = {
        "Подача воздуха в надземную лестничную клетку типа Н2",
        "Подача воздуха в лестничную клетку подземной части",
        "Подача воздуха в лифтовую шахту",
        "Подача воздуха в тамбур-шлюзы, зоны безопасности",
    };
    ProjectName = in.text(ctl::EditProjectName);
    SystemName = in.text(ctl::EditSystemName);
    Line("\\par\\b Наименование проекта:  ");
    RtfUserText(Report.RTBody, ProjectName);
    Line("\\b0\\par ");
    Line("\\par\\b Наименование вентиляционной системы:  ");
    RtfUserText(Report.RTBody, SystemName);
    Line("\\b0\\par ");
    Line("\\par\\b Вариант:    ");
    auto index = static_cast<unsigned>(CalcVariant);
    if (index < 4)
        Line(kVariantLines[index]);
    Line("\\b0\\par ");
    return true;
}

bool InflowCalc::InputOGStairTerms(InflowInputs &in) {
    Line("\\par\\b Условия:\\b0\\par ");
    bool *terms[4] = {&SWTerm1, &SWTerm2, &SWTerm3, &SWTerm4};
    const ControlName radios[4] = {ctl::rbSWJoinWall, ctl::rbSWWithExit, ctl::rbFirstFloorNotJoinSW,
                             ctl::rbExitsToSWViaTambour};
    for (int i = 0; i < 4; ++i) {
        *terms[i] = in.isChecked(radios[i]);
        Line("    ");
        Line(*terms[i] ? kTermsOn[i] : kTermsOff[i]);
        Line(".\\par ");
    }
    Line(RtfGroupHeading("Характеристики здания"));
    if (!ReadCountInput(*this, in, ctl::EditOGFloorQty, kMaxFloorQty, kFloorQtyLimitMessage,
                        OGFloorQty))
        return false;
    ValueLine("    Число надземных этажей:    \\b N\\sub НЭ\\nosupersub  = ", IntText(OGFloorQty),
              "");

    int n1 = ReadIntInput(in, ctl::EditSWN1z);
    if (n1 < 1)
        n1 = 1;
    if (n1 > OGFloorQty)
        n1 = OGFloorQty;
    int n2 = ReadIntInput(in, ctl::EditSWN2z);
    if (n2 < 1)
        n2 = OGFloorQty;
    if (n2 > OGFloorQty)
        n2 = OGFloorQty;
    if (n2 < n1)
        n2 = n1;
    SWN1zone = n1;
    SWN2zone = n2;
    Line("    Этажи выделенной зоны:    \\b ");
    Line(IntText(n1));
    if (n2 != n1)
        Line(" - " + IntText(n2));
    Line("\\b0\\par ");

    SecondFloorLevel = ReadRealControl(in, ctl::EditSecondFloorLevel);
    ValueLine("    Отметка уровня второго этажа (от пола 1-го до пола 2-го):    \\b "
              "h\\sub (2)\\nosupersub  = ",
              FormatFixed2(SecondFloorLevel), " м");
    OGFloorHeight = ReadRealControl(in, ctl::EditOGFloorHeight);
    ValueLine("    Высота вышележащих этажей (от пола до пола):    \\b \\u0916?h\\sub "
              "НЭ\\nosupersub  = ",
              FormatFixed2(OGFloorHeight), " м");
    if (!ReadCountInput(*this, in, ctl::EditOGStairWellQty, kMaxStairWellQty,
                        kStairWellQtyLimitMessage, OGStairWellQty))
        return false;
    if (!SWTerm4)
        ValueLine("    Количество лестничных клеток:    \\b p = ", IntText(OGStairWellQty), "");
    return true;
}

bool InflowCalc::InputUGStairTerms(InflowInputs &in) {
    Line("\\par\\b Условия:\\b0\\par ");
    Line("    Лестничная клетка с изолированным выходом на уровне нижнего надземного этажа.\\par ");
    Line("    Открытый проём - на уровне верхнего подземного этажа.\\par ");
    Line(RtfGroupHeading("Характеристики подземной части здания"));
    if (!ReadCountInput(*this, in, ctl::EditUGFloorQty, kMaxFloorQty, kFloorQtyLimitMessage,
                        UGFloorQty))
        return false;
    // guard: without an underground floor there is no open doorway and no flow to size
    if (UGFloorQty < 1) {
        Warn("Число подземных этажей должно быть не менее одного:\r    Nпэ ≥ 1", ctl::EditUGFloorQty);
        return false;
    }
    ValueLine("    Число этажей:    \\b N\\sub ПЭ\\nosupersub  = ", IntText(UGFloorQty), "");
    UGFloorHeight = std::fabs(ReadRealControl(in, ctl::EditUGFloorHeight));
    ValueLine("    Высота подземных этажей:    \\b \\u0916?h\\sub ПЭ\\nosupersub  = ",
              FormatFixed2(UGFloorHeight), " м");
    if (!ReadCountInput(*this, in, ctl::EditUGStairWellQty, kMaxStairWellQty,
                        kStairWellQtyLimitMessage, UGStairWellQty))
        return false;
    ValueLine("    Количество лестничных клеток:    \\b p = ", IntText(UGStairWellQty), "");
    return true;
}

bool InflowCalc::InputStairAir(InflowInputs &in) {
    const bool windShown = CalcVariant == TCalcVariant::cvrntUnderGndStair || SWTerm1;
    Line(RtfGroupHeading("Параметры воздуха"));
    GasMassExps = ReadRealControl(in, ctl::EditGasMassExps);
    ValueLine("    Массовый расход удаляемых продуктов горения:    \\b G\\sub sm\\nosupersub  = ",
              FormatFixed2(GasMassExps), " кг/с");
    InsideAirTemp = ReadRealControl(in, ctl::EditInsideAirTemp);
    ValueLine("    Температура внутреннего воздуха:    \\b t\\sub r\\nosupersub  = ",
              FormatFixed2(InsideAirTemp), " °C");
    OutsideAirTemp = ReadRealControl(in, ctl::EditOutsideAirTemp);
    ValueLine("    Температура наружного воздуха:    \\b t\\sub a\\nosupersub  = ",
              FormatFixed2(OutsideAirTemp), " °C");
    WindSpeed = ReadRealControl(in, ctl::EditWindSpeed);
    if (windShown)
        ValueLine("    Скорость ветра:    \\b v\\sub a\\nosupersub  = ", FormatFixed2(WindSpeed),
                  " м/с");
    if (windShown)
        Line(RtfGroupHeading("Коэффициенты ветрового напора"));
    KoefWW = ReadRealControl(in, ctl::EditKoefWW);
    if (windShown)
        ValueLine("    Наветренная сторона:    \\b K\\sub WW\\nosupersub  = ", FormatFixed2(KoefWW),
                  "");
    KoefW0 = ReadRealControl(in, ctl::EditKoefW0);
    if (windShown)
        ValueLine("    Заветренная сторона:    \\b K\\sub W0\\nosupersub  = ", FormatFixed2(KoefW0),
                  "");
    Line(RtfGroupHeading("Лестничная клетка"));
    SWProjArea = ReadRealControl(in, ctl::EditSWProjArea);
    ValueLine(
        "    Площадь горизонтальной проекции маршей и площадок:    \\b F\\sub S\\nosupersub  = ",
        FormatFixed2(SWProjArea), " м\\super 2\\nosupersub ");
    SWKoefXis = ReadRealControl(in, ctl::EditSWKoefXis);
    ValueLine(
        "    Коэффициент местного сопротивления маршей:    \\b \\u0958?\\sub s\\nosupersub  = ",
        FormatFixed2(SWKoefXis), "");
    return true;
}

double InflowCalc::StairAirDensity() const {
    return AirDensity((InsideAirTemp + OutsideAirTemp) / 2);
}

bool InflowCalc::InputStairDoorsSupply(InflowInputs &in) {
    const bool under = CalcVariant == TCalcVariant::cvrntUnderGndStair;
    const bool exit = under || SWTerm2;
    if (exit) {
        Line(RtfGroupHeading("Наружный выход лестничной клетки"));
        OutsideDoorArea = ReadRealControl(in, ctl::EditOutsideDoorArea);
        ValueLine("    Площадь двери наружного выхода:    \\b F\\sub da\\nosupersub  = ",
                  FormatFixed2(OutsideDoorArea), " м\\super 2\\nosupersub ");
        OutsideDoorHeight = ReadRealControl(in, ctl::EditOutsideDoorHeight);
        ValueLine("    Высота двери наружного выхода:    \\b h\\sub da\\nosupersub  = ",
                  FormatFixed2(OutsideDoorHeight), " м");
        OutDoorSeriesQty = ReadIntInput(in, ctl::EditOutDoorSeriesQty);
        ValueLine(
            "    Количество последовательно расположенных дверей наружного выхода:    \\b n = ",
            IntText(OutDoorSeriesQty), "");
        OutsideDoorKoefXid = ReadRealControl(in, ctl::EditOutsideDoorKoefXid);
        ValueLine("    КМС проема дверей наружного выхода:    \\b \\u0958?\\sub d\\nosupersub  = ",
                  FormatFixed2(OutsideDoorKoefXid), "");
        OutsideTambourKoefXir = ReadRealControl(in, ctl::EditOutsideTambourKoefXir);
        const char *kind = IsZeroReal(OutsideTambourKoefXir)          ? "прямой"
                           : IsZeroReal(OutsideTambourKoefXir - 0.99) ? "прямоугольный"
                                                                      : "Z-образный";
        ValueLine(std::string("    КМС тамбура наружного выхода (") + kind +
                      "):    \\b \\u0958?\\sub r\\nosupersub  = ",
                  FormatFixed2(OutsideTambourKoefXir), "");
    }
    Line(RtfGroupHeading("Поэтажные выходы на лестничную клетку"));
    DoorwayArea = ReadRealControl(in, ctl::EditDoorwayArea);
    ValueLine("    Площадь каждой двери:    \\b F\\sub d\\nosupersub  = ",
              FormatFixed2(DoorwayArea), " м\\super 2\\nosupersub ");
    DoorwayHeight = ReadRealControl(in, ctl::EditDoorwayHeight);
    ValueLine("    Высота каждой двери:    \\b h\\sub d\\nosupersub  = ",
              FormatFixed2(DoorwayHeight), " м");
    DoorIsGasProof = in.isChecked(ctl::rbDoorIsGasProof);
    ValueLine("    Тип двери:    \\b ", DoorIsGasProof ? "дымогазонепроницаемая" : "обычная", "");
    Line("\\par     Сопротивление воздухопроницанию закрытой двери\\par ");
    ClosedDoorSpecResist = ReadRealControl(in, ctl::EditClosedDoorSpecResist);
    if (ClosedDoorSpecResist != 0) {
        ValueLine("    согласно техническим данным изготовителя:    \\b S\\sub d\\nosupersub  = ",
                  FormatFixed2(ClosedDoorSpecResist), " м\\super 3\\nosupersub /кг");
    } else {
        double rhoS = StairAirDensity();
        if (rhoS == 0)
            rhoS = 1;
        if (DoorIsGasProof) {
            ClosedDoorSpecResist = 60000 / rhoS;
            ValueLine(
                "    принято как для дымогазонепроницаемой двери:    \\b S\\sub d\\nosupersub "
                "\\b0  = 60000 / \\u0961?\\sub s\\nosupersub  = \\b ",
                FormatFixed2(ClosedDoorSpecResist), " м\\super 3\\nosupersub /кг");
        } else {
            ClosedDoorSpecResist = 5300 / rhoS;
            ValueLine(
                "    принято как для обычной двери:    \\b S\\sub d\\nosupersub \\b0  = 5300 / "
                "\\u0961?\\sub s\\nosupersub  = \\b ",
                FormatFixed2(ClosedDoorSpecResist), " м\\super 3\\nosupersub /кг");
        }
    }

    if (under) {
        WinPenetration = 0;
        Line(RtfGroupHeading("Система приточной противодымной вентиляции"));
        UGH0Below = ReadRealControl(in, ctl::EditUGH0Below);
        ValueLine("    Разность уровней воздухоприёмного устройства и оголовка ЛК:    \\b "
                  "h\\sub 0s\\nosupersub  = ",
                  FormatFixed2(UGH0Below), " м");
        UGPdsBelow = ReadRealControl(in, ctl::EditUGPdsBelow);
        ValueLine("    Потери давления в сети воздуховодов от воздухоприёмного устройства до ЛК:   "
                  " \\b P\\sub ds\\nosupersub  = ",
                  FormatFixed2(UGPdsBelow), " Па");
        return true;
    }

    WinPenetVariant = in.comboIndex(ctl::cbWinPenetrationVar);
    if (WinPenetVariant < 0 || WinPenetVariant > 3)
        WinPenetVariant = 0;
    WinPenetration = ReadRealControl(in, ctl::EditWinPenetration);
    if (SWTerm1) {
        Line(RtfGroupHeading("Оконные проёмы лестничной клетки"));
        WindowArea = ReadRealControl(in, ctl::EditWindowArea);
        ValueLine("    Площадь проёма на каждом этаже:    \\b F\\sub w\\nosupersub  = ",
                  FormatFixed2(WindowArea), " м\\super 2\\nosupersub ");
        static const char *const kWinLines[4][2] = {
            {"    Удельная массовая воздухопроницаемость проёмов при \\u0916?P = 10 Па:    \\b "
             "\\u0916?G\\sub 10\\nosupersub  = ",
             " (кг/ч)/м\\super 2\\nosupersub "},
            {"    Удельная объёмная воздухопроницаемость проёмов при \\u0916?P = 100 Па:    \\b "
             "\\u0916?Q\\sub 100\\nosupersub  = ",
             " (м\\super 3\\nosupersub /ч)/м\\super 2\\nosupersub "},
            {"    Удельное массовое сопротивление воздухопроницанию проёмов при \\u0916?P = 10 "
             "Па:    \\b R\\sub 10\\nosupersub  = ",
             " м\\super 2\\nosupersub /(кг/ч)"},
            {"    Удельное объёмное сопротивление воздухопроницанию проёмов при \\u0916?P = 100 "
             "Па:    \\b R\\sub 100\\nosupersub  = ",
             " м\\super 2\\nosupersub /(м\\super 3\\nosupersub /ч)"},
        };
        ValueLine(kWinLines[WinPenetVariant][0], FormatFixed2(WinPenetration),
                  kWinLines[WinPenetVariant][1]);
        // guard: a window with no resistance cannot be sized; the leakage would divide by zero
        if (!VarWinPenetration[WinPenetVariant].OpMul && WinPenetration <= 0) {
            Warn("Сопротивление воздухопроницанию оконных проёмов должно быть больше 0.",
                 ctl::EditWinPenetration);
            return false;
        }
    }

    Line(RtfGroupHeading("Система приточной противодымной вентиляции"));
    OGPplus = ReadRealControl(in, ctl::EditOGPplus);
    if (!(OGPplus >= 20)) {
        OGPplus = 20;
        in.setText(ctl::EditOGPplus, FormatGeneral(OGPplus));
        Warn("Избыточное давление, принятое к расчёту изменено на 20 Па.\r    P⁺ ≥ 20",
             ctl::EditOGPplus);
    }
    ValueLine("    Избыточное давление, принятое к расчёту:    \\b P\\super +\\nosupersub  = ",
              FormatFixed2(OGPplus), " Па");
    OGH0s = ReadRealControl(in, ctl::EditOGH0s);
    ValueLine("    Разность уровней воздухоприёмного устройства и оголовка ЛК:    \\b "
              "h\\sub 0l\\nosupersub  = ",
              FormatFixed2(OGH0s), " м");
    APipeSizeA = ReadRealControl(in, ctl::EditOGSizeA);
    APipeSizeB = ReadRealControl(in, ctl::EditOGSizeB);
    APipeLen = ReadRealControl(in, ctl::EditOGAPipeLen);
    APipeIsRect = in.isChecked(ctl::rbOGRectAPipe);
    if (APipeIsRect)
        ValueLine("    Воздуховоды прямоугольного сечения:    \\b AxB = ",
                  FormatRoundedInt(APipeSizeA) + "x" + FormatRoundedInt(APipeSizeB), " мм");
    else
        ValueLine("    Воздуховоды круглого сечения:    \\b диаметр = ",
                  FormatRoundedInt(APipeSizeA), " мм");
    ValueLine("    Длина воздуховодов:    \\b l\\sub вв\\nosupersub  = ", FormatFixed2(APipeLen),
              " м");
    APipeEpsilon = ReadRealControl(in, ctl::EditOGAPipeEpsilon);
    ValueLine("    Абсолютная эквивалентная шероховатость воздуховодов:    \\b \\u0949? = ",
              FormatFixed2(APipeEpsilon), " мм");
    APipeXi = ReadRealControl(in, ctl::EditOGAPipeXi);
    ValueLine(
        "    Сумма коэффициентов местных сопротивлений:    \\b \\u0958?\\sub вв\\nosupersub  = ",
        FormatFixed2(APipeXi), "");
    return true;
}

} // namespace orvane::inflow
