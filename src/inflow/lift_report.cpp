// The lift shaft report: its inputs as read, then piece by piece as the calculation goes: air,
// door resistances, the 1st floor, the shaft head, the supply duct, the fan and the floor table.
#include <string>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/inflow_report.h"
#include "inflow/input_read.h"
#include "inflow/lift.h"

namespace orvane::inflow {

using namespace rtf;

namespace {

// Rounds to 0.001 with halves to even and writes the shortest form (the table's flows).
std::string Flow3(double x) {
    return FormatGeneral(RoundHalfEven(x, 3));
}

const char *MethodText(LiftMethod method) {
    switch (method) {
    case LiftMethod::openDoorway:
        return "Расчёт по расходу в открытом проёме";
    case LiftMethod::cageGap:
        return "Расчёт по расходу в щели между кабиной и шахтой";
    case LiftMethod::closedDoors:
        return "Расчёт на закрытые двери ЛШ на всех этажах";
    }
    return "?";
}

void WriteConditions(RtfStream &report, const LiftInputs &in) {
    auto term = [&report](std::string_view text) {
        std::string line("    ");
        line += text;
        line += ".\\par ";
        ReportLine(report, line);
    };
    ReportLine(report, "\\par\\b Условия:\\b0\\par ");
    term(in.Shaft == LiftShaft::fedFromBelow ? "Подача в нижнюю часть шахты"
                                             : "Подача в верхнюю часть шахты");
    term(in.AdjoinsOutsideWall ? "Надземная часть лифтовой шахты примыкает к наружной стене"
                               : "Лифтовая шахта центрального ядра надземной части");
    term(in.HallOnFirstFloor ? "Выгороженный лифтовой холл на основном посадочном этаже"
                             : "Без выгороженного лифтового холла на основном посадочном этаже");
    term(in.HallsAbove ? "Выгороженные лифтовые холлы на вышележащих надземных этажах"
                       : "Без выгороженных лифтовых холлов на вышележащих надземных этажах");
    term(in.HallsBelow ? "Выгороженные лифтовые холлы на нижележащих подземных этажах"
                       : "Без выгороженных лифтовых холлов на нижележащих подземных этажах");
    term(MethodText(in.Method));
}

void WriteAirAndBuilding(RtfStream &report, const LiftInputs &in) {
    ReportLine(report, RtfGroupHeading("Параметры воздуха"));
    ValueLine(report, "    Температура наружного воздуха:    \\b t\\sub a\\nosupersub  = ",
              FormatFixed2(in.Air.OutsideAirTempC), " °C");
    ValueLine(report,
              "    Температура воздуха во внутренних помещениях:    \\b t\\sub r\\nosupersub  = ",
              FormatFixed2(in.Air.InsideAirTempC), " °C");
    ValueLine(report, "    Температура воздуха в лифтовой шахте:    \\b t\\sub l\\nosupersub  = ",
              FormatFixed2(in.ShaftAirTempC), " °C");
    WriteWindInputs(report, in.Air);

    ReportLine(report, RtfGroupHeading("Характеристики здания"));
    ValueLine(report, "    Число надземных этажей:    \\b N\\sub НЭ\\nosupersub  = ",
              IntText(in.AboveFloorCount));
    ValueLine(report, "    Число подземных этажей:    \\b N\\sub ПЭ\\nosupersub  = ",
              IntText(in.BelowFloorCount));
    // h(2) is printed where a formula uses it: the upper floors' levels (supply to the top) and
    // the 1st floor's pressure Pl(1) with the doorway open (supply to the bottom as well)
    if (in.Shaft != LiftShaft::fedFromBelow || in.Method != LiftMethod::closedDoors)
        ValueLine(report,
                  "    Отметка уровня второго этажа (от пола 1-го до пола 2-го):    \\b "
                  "h\\sub (2)\\nosupersub  = ",
                  FormatFixed2(in.SecondFloorLevel), kM);
    if (in.Shaft != LiftShaft::fedFromBelow)
        ValueLine(report,
                  "    Высота вышележащих этажей (от пола до пола):    \\b \\u0916?h\\sub "
                  "НЭ\\nosupersub  = ",
                  FormatFixed2(in.AboveFloorHeight), kM);
    if (in.Shaft != LiftShaft::aboveGroundOnly)
        ValueLine(report,
                  "    Высота подземных этажей (от пола до пола):    \\b \\u0916?h\\sub "
                  "ПЭ\\nosupersub  = ",
                  FormatFixed2(in.BelowFloorHeight), kM);
}

void WriteExitFloors(RtfStream &report, const LiftInputs &in) {
    const int lowest = in.BelowFloorCount < 1 ? 1 : -in.BelowFloorCount;
    if (in.ExitsFrom == lowest && in.ExitsTo == in.AboveFloorCount)
        ReportLine(report, "    Выходы на \\b всех\\b0  этажах\\b0\\par ");
    else if (in.ExitsTo == in.ExitsFrom)
        ValueLine(report, "    Выходы на этажах:    \\b ", IntText(in.ExitsFrom));
    else
        ValueLine(report, "    Выходы на этажах:    \\b с ",
                  IntText(in.ExitsFrom) + " по " + IntText(in.ExitsTo));
}

void WriteShaftInputs(RtfStream &report, const LiftInputs &in) {
    ReportLine(report, RtfGroupHeading("Характеристики лифтовой шахты"));
    // the exit floors belong to shafts fed at the top
    if (in.Shaft != LiftShaft::fedFromBelow)
        WriteExitFloors(report, in);
    ValueLine(report, "    Площадь дверей лифтовой шахты:    \\b F\\sub dl\\nosupersub  = ",
              FormatFixed2(in.ShaftDoorArea), kM2);
    ValueLine(report, "    Площадь дверей лифтовых холлов:    \\b F\\sub dr\\nosupersub  = ",
              FormatFixed2(in.HallDoorArea), kM2);
    ValueLine(report, "    Высота дверей лифтовой шахты:    \\b h\\sub dl\\nosupersub  = ",
              FormatFixed2(in.ShaftDoorHeight), kM);
    ValueLine(report, "    Количество кабин лифтов в шахте:    \\b n = ", IntText(in.CageCount));
    ValueLine(report, "    Количество дверей каждого лифтового холла:    \\b m = ",
              IntText(in.HallDoorCount));
    ValueLine(report,
              "    Площадь поперечного сечения кабины лифта по внешнему контуру ограждений:    "
              "\\b F\\sub lc\\nosupersub  = ",
              FormatFixed2(in.CageArea), kM2);
    ValueLine(report,
              "    Площадь поперечного сечения шахты лифта по внутреннему контуру ограждений:    "
              "\\b F\\sub ls\\nosupersub  = ",
              FormatFixed2(in.ShaftArea), kM2);
    // a resistance or coefficient left empty is worked out and printed in the calculation
    if (!IsZeroReal(in.ShaftDoorResist))
        ValueLine(report,
                  "    Сопротивление воздухопроницанию дверей лифтовой шахты:    \\b S\\sub "
                  "dl\\nosupersub  = ",
                  FormatFixed2(in.ShaftDoorResist), kM3PerKg);
    if (!IsZeroReal(in.HallDoorResist))
        ValueLine(report,
                  "    Сопротивление воздухопроницанию дверей лифтового холла:    \\b S\\sub "
                  "dr\\nosupersub  = ",
                  FormatFixed2(in.HallDoorResist), kM3PerKg);
    ValueLine(report,
              "    КМС проема дверей выгороженного лифтового холла на основном посадочном этаже:  "
              "  \\b \\u0958?\\sub d\\nosupersub  = ",
              FormatFixed2(in.HallDoorXi));
    if (!IsZeroReal(in.CageXi) && in.Method == LiftMethod::openDoorway)
        ValueLine(report,
                  "    КМС узла \"кабина-шахта\" при открытых дверях:    \\b \\u0958?\\sub "
                  "l\\nosupersub  = ",
                  FormatFixed2(in.CageXi));
    ValueLine(report,
              "    Коэффициент расхода зазора между кабиной и шахтой:    \\b \\u0956?\\sub "
              "gap\\nosupersub  = ",
              FormatFixed2(in.GapMu));
}

void WriteSupplyInputs(RtfStream &report, const LiftInputs &in) {
    ValueLine(report,
              "    Избыточное давление, принятое к расчёту:    \\b P\\super +\\nosupersub  = ",
              FormatFixed2(in.ExcessPressure), kPa);
    ValueLine(report,
              "    Разность уровней воздухоприёмного устройства и оголовка ЛШ:    \\b h\\sub "
              "0s\\nosupersub  = h\\sub ВПУ\\nosupersub  - h\\sub оголовка\\nosupersub  = ",
              FormatFixed2(in.IntakeToHeadHeight), kM);
    WriteDuctInputs(report, in.Duct);
}

void WriteAirTemps(RtfStream &report, const LiftInputs &in, const LiftResults &r) {
    if (r.CageXiComputed && in.Method == LiftMethod::openDoorway)
        ValueLine(report,
                  "\\par КМС узла \"кабина-шахта\" при открытых дверях\\par\\b " + kXi + Sub("l") +
                      "\\b0  = " + Num("4.3") + " + F" + Sub("lc") + "  / F" + Sub("ls") +
                      "  = \\b ",
                  FormatFixed2(r.CageXi));
    ReportLine(report,
               KelvinHead("a") + FormatFixed2(in.Air.OutsideAirTempC + kCelsiusZero) + " К\\b0 ");
    ReportLine(report,
               KelvinHead("r") + FormatFixed2(in.Air.InsideAirTempC + kCelsiusZero) + " К\\b0 ");
    ValueLine(report, KelvinHead("l"), FormatFixed2(in.ShaftAirTempC + kCelsiusZero), " К");
}

void WriteDensities(RtfStream &report, const LiftResults &r) {
    WriteDensity(report, "Плотность наружного воздуха", "a", "a", r.Air.OutsideAirDensity);
    WriteDensity(report, "Плотность воздуха во внутренних помещениях", "r", "r",
                 r.Air.InsideAirDensity);
    WriteDensity(report, "Плотность воздуха в лифтовой шахте", "l", "l", r.ShaftAirDensity);
}

void WriteWind(RtfStream &report, const LiftResults &r) {
    ValueLine(report,
              "\\par Ветровой напор\\par\\b P" + Sub("w") + "\\b0  = " + Num("0.25") + kTimes +
                  "(K" + Sub("WW") + "  - K" + Sub("W0") + " )" + kTimes + kRho + Sub("a") + " " +
                  kTimes + "v" + Sub("a") + Sup("2") + "  = \\b ",
              FormatFixed2(r.Air.WindPressure), kPa);
}

void WriteShaftDoorResist(RtfStream &report, const LiftResults &r) {
    ValueLine(report,
              "\\par Сопротивление воздухопроницанию дверей лифтовой шахты\\par\\b S" + Sub("dl") +
                  "\\b0  = 2600 / " + kRho + Sub("l") + "  = \\b ",
              FormatFixed2(r.ShaftDoorResist), kM3PerKg);
}

void WriteHallDoorResist(RtfStream &report, const LiftResults &r) {
    ValueLine(report,
              "\\par Сопротивление воздухопроницанию дверей лифтового холла\\par\\b S" + Sub("dr") +
                  "\\b0  = 5300 / " + kRho + Sub("l") + "  = \\b ",
              FormatFixed2(r.HallDoorResist), kM3PerKg);
}

void WriteClosedDoors(RtfStream &report, const LiftInputs &in, const LiftResults &r) {
    // the hall doors' term only where the halls are counted
    const auto slrFormula = [](bool withHalls) {
        std::string text = "\\par\\b S" + Sub("dlr") + "\\b0  = S" + Sub("dl") + "  / (n" + kTimes +
                           "F" + Sub("dl") + " )" + Sup("2") + " ";
        if (withHalls)
            text +=
                " + S" + Sub("dr") + "  / (m" + kTimes + "F" + Sub("dr") + " )" + Sup("2") + " ";
        return text + " = \\b ";
    };
    const std::string slrUnit = " " + Sup("1") + " /(кг" + kDot + "м)";
    if (in.Shaft != LiftShaft::fedFromBelow)
        ValueLine(report,
                  "\\par Характеристика сопротивления закрытых дверей надземной части ЛШ" +
                      slrFormula(in.HallsAbove),
                  FormatFixed2(r.ClosedDoorsAbove), slrUnit);
    if (in.Shaft != LiftShaft::aboveGroundOnly)
        ValueLine(report,
                  "\\par Характеристика сопротивления закрытых дверей подземной части ЛШ" +
                      slrFormula(in.HallsBelow),
                  FormatFixed2(r.ClosedDoorsBelow), slrUnit);
}

void WriteFirstFloor(RtfStream &report, const LiftInputs &in, const LiftResults &r) {
    if (in.Method == LiftMethod::cageGap)
        ValueLine(report,
                  "\\par Общий коэффициент расхода\\par\\b n" + kDot + kSigma + "(" + kMu +
                      Sub("i") + " " + kDot + "F" + Sub("i") + " )\\b0  = \\b ",
                  FormatFixed2(r.GapFlowArea));
    if (in.Method != LiftMethod::closedDoors)
        ValueLine(report,
                  "\\par Расчётное давление на уровне 1-го этажа\\par\\b P" + Sub("l(1)") +
                      "\\b0  = P" + Sup("+") + "  - g" + kTimes + "(h" + Sub("(2)") + "  + " +
                      Num("0.5") + kTimes + "h" + Sub("d") + " )" + kTimes + "(" + kRho + Sub("l") +
                      "  - " + kRho + Sub("r") + " ) + " + Num("0.5") + kTimes + "g" + kTimes +
                      "h" + Sub("d") + " " + kTimes + "(" + kRho + Sub("a") + "  - " + kRho +
                      Sub("l") + " ) + P" + Sub("w") + "  = \\b ",
                  FormatFixed2(r.FirstFloorPressure), kPa);
    if (in.Method == LiftMethod::cageGap)
        ValueLine(report,
                  "\\par Расчётный расход воздуха из ЛШ на 1-м этаже\\par\\b G" + Sub("(1)") +
                      "\\b0  = n" + kTimes + kSigma + "(" + kMu + Sub("i") + " " + kTimes + "F" +
                      Sub("i") + " )" + kTimes + "(2" + kTimes + kRho + Sub("l") + " " + kTimes +
                      "P" + Sub("l(1)") + " )" + Sup("1/2") + "  = \\b ",
                  FormatFixed2(r.FirstFloorGapFlow), kKgPerS);
    if (in.Method == LiftMethod::openDoorway)
        ValueLine(report,
                  "\\par Расчётный расход воздуха из ЛШ на 1-м этаже\\par\\b G" + Sub("(1)") +
                      "\\b0  = \\{ 2" + kTimes + kRho + Sub("l") + " " + kTimes + "P" +
                      Sub("l(1)") + "  / [" + kXi + Sub("l") + "  / (n" + Sub("dl") + " " + kTimes +
                      "F" + Sub("dl") + " )" + Sup("2") + "  + (" + kXi + Sub("d") + "  + 1) / (m" +
                      Sub("dr") + " " + kTimes + "F" + Sub("dr") + " )" + Sup("2") + "] \\}" +
                      Sup("1/2") + "  = \\b ",
                  FormatFixed2(r.FirstFloorDoorwayFlow), kKgPerS);
    if (in.Shaft == LiftShaft::fedFromBelow && in.Method != LiftMethod::closedDoors)
        ValueLine(report,
                  "\\par Расчётное давление в подземной части ЛШ\\par\\b P" + Sub("l(-1)") +
                      "\\b0  = P" + Sup("+") + "  + g" + kDot + "\\{h" + Sub("(-n)") + "  - (h" +
                      Sub("(-1)") + "  + " + Num("0.5") + kDot + "h" + Sub("d") + " )\\}" + kDot +
                      "(" + kRho + Sub("l") + "  - " + kRho + Sub("r") + " ) = \\b ",
                  FormatFixed2(r.BelowGroundPressure), kPa);
    if (in.Shaft == LiftShaft::aboveGroundOnly && in.Method != LiftMethod::closedDoors) {
        std::string text = "\\par Расчётное давление в надземной части ЛШ\\par\\b P" + Sub("l(2)") +
                           "\\b0  = P" + Sup("+") + "  - g" + kDot + "(h" + Sub("(2)") + "  + " +
                           Num("0.5") + kDot + "h" + Sub("d") + " )" + kDot + "(" + kRho +
                           Sub("l") + "  - " + kRho + Sub("r") + " ) + P" + Sub("w") + "  = \\b ";
        ValueLine(report, text, FormatFixed2(r.AboveGroundPressure), kPa);
    }
}

void WriteShaftHead(RtfStream &report, const LiftInputs &in, const LiftResults &r) {
    if (in.Shaft != LiftShaft::aboveGroundOnly) {
        ValueLine(report,
                  "\\par Скорость воздуха в зазоре между шахтой и кабиной лифта\\par\\b v" +
                      Sub("cs") + "\\b0  = G" + Sub("l(1)") + "  / " + kRho + Sub("l") + "  / " +
                      kMu + Sub("gap") + "  / (F" + Sub("ls") + "  - F" + Sub("lc") + " ) = \\b ",
                  FormatFixed2(r.CageGapSpeed), " м/с");
        ValueLine(report,
                  "\\par Потери давления в зазоре между шахтой и кабиной лифта\\par\\b " + kDelta +
                      "P" + Sub("cs") + "\\b0  = " + Num("0.5") + kTimes + kRho + Sub("l") + " " +
                      kTimes + "v" + Sub("cs") + Sup("2") + "  = \\b ",
                  FormatFixed2(r.CageGapLoss), kPa);
    }
    // shafts 2 and 3 reach the head from the underground part
    ValueLine(report,
              "\\par Давление в оголовке лифтовой шахты\\par\\b P" + Sub("l(n)") + "\\b0  = P" +
                  Sub(in.Shaft == LiftShaft::aboveGroundOnly ? "l(2)" : "l(-1)") + "  + " + kDelta +
                  "P" + Sub("cs") + "  = \\b ",
              FormatFixed2(r.HeadPressure), kPa);

    // the relations the floor pass follows, as the method states them.
    ReportLine(report,
               RtfGroupHeading("Расчётные зависимости давления и расхода воздуха на этажах"));
    ReportLine(report, "\\par Утечки через неплотности (48), кг/с\\par\\b " + kDelta + "G" +
                           Sub("l(i)") + "\\b0  = \\{ [P" + Sub("l(i)") + "  + g" + kDot + "(h" +
                           Sub("(i)") + "  + " + Num("0.5") + kDot + "h" + Sub("dl") + " )" + kDot +
                           "(" + kRho + Sub("l") + "  - " + kRho + Sub("r") + " )] / S" +
                           Sub("lr(i)") + "  \\}" + Sup("1/2") + " \\par ");
    ReportLine(report, "\\par Утечки через неплотности (53), кг/с\\par\\b " + kDelta + "G" +
                           Sub("l(i)") + "\\b0  = \\{ [P" + Sub("l(i)") + "  + g" + kDot + "(h" +
                           Sub("(i)") + "  + " + Num("0.5") + kDot + "h" + Sub("dl") + " )" + kDot +
                           "(" + kRho + Sub("l") + "  - " + kRho + Sub("r") + " ) - P" + Sub("w") +
                           " ] / S" + Sub("lr(-i)") + "  \\}" + Sup("1/2") + " \\par ");
    ReportLine(report, "\\par Утечки через неплотности (58), кг/с\\par\\b G" + Sub("l") +
                           "\\b0  = G" + Sub("l(1)") + "  + " + kSigma + "\\{ [P" + Sub("l(-i)") +
                           "  + g" + kDot + "(h" + Sub("(-n)") + "  - (h" + Sub("(-i)") + "  + " +
                           Num("0.5") + kDot + "h" + Sub("dl") + " ))" + kDot + "(" + kRho +
                           Sub("l") + "  - " + kRho + Sub("r") + " )] / S" + Sub("lr(-i)") +
                           "  \\}" + Sup("1/2") + " \\par ");

    ReportLine(report, RtfGroupHeading("Система приточной противодымной вентиляции"));
}

void WriteDuctSectionAndFlow(RtfStream &report, const LiftResults &r) {
    WriteDuctSection(report, r.Duct);
    WriteValue(report, "Массовый расход воздуха", "G" + Sub("s"), FormatFixed2(r.SupplyFlow),
               kKgPerS);
}

void WriteDuctLossAndFan(RtfStream &report, const LiftResults &r) {
    WriteDuctLoss(report, r.Duct, "Потери давления в сети от ВПУ до лифтовой шахты");

    ValueLine(report,
              "\\par\\b\\ul Объёмный расход вентилятора\\ul0\\par L" + Sub("V") + "\\b0  = 3600" +
                  kDot + "G" + Sub("s") + "  / " + kRho + Sub("a") + "  = \\b ",
              FormatRoundedInt(r.FanVolumeFlow), " м" + Sup("3") + " /ч");
    ValueLine(report,
              "\\par\\b\\ul Статическое давление вентилятора, приведённое к нормальным "
              "условиям\\ul0\\par P" +
                  Sub("sv") + "\\b0  = " + Num("1.2") + kDot + "\\{P" + Sub("L") + "  + g" + kDot +
                  "h" + Sub("lN") + " " + kDot + "(" + kRho + Sub("a") + "  - " + kRho + Sub("l") +
                  " ) + g" + kDot + "h" + Sub("0s") + " " + kDot + "(" + kRho + Sub("a") + "  - " +
                  kRho + Sub("r") + " ) + P" + Sub("вв") + " \\} / " + kRho + Sub("a") + "  = \\b ",
              FormatRoundedInt(r.FanPressure), kPa);

    // the floors, top floor first
    ReportLine(report, "\\par\\b Таблица 1. Давление и расходы воздуха на этажах\\b0\\par\\par ");
    ReportTable table;
    table.reserve(r.Floors.size() + 1);
    auto cell = [](std::string text, bool bold) {
        ReportCell c;
        c.Width = 1200;
        c.Text = std::move(text);
        c.Align = CellAlign::center;
        c.Bold = bold;
        return c;
    };
    table.push_back({cell("Этаж", true), cell("h" + Sub("э") + " , м", true),
                     cell("P" + Sub("ш") + " , Па", true),
                     cell(kDelta + "P" + Sub("d") + " , Па", true), cell(kDelta + "G, кг/с", true),
                     cell("G, кг/с", true)});
    for (const LiftFloor &f : r.Floors) {
        table.push_back(
            {cell(IntText(f.FloorNumber), false), cell(FormatFixed2(f.Level), false),
             cell(FormatFixed2(f.ShaftPressure), false),
             cell(f.DoorPressureDiff == 0 ? std::string() : FormatFixed2(f.DoorPressureDiff),
                  false),
             cell(f.Leak == 0 ? std::string() : Flow3(f.Leak), false),
             cell(Flow3(f.ShaftFlow), false)});
    }
    RtfTable(report, table);
    RtfRaw(report, "\\par ");
}

} // namespace

void WriteLiftInputs(RtfStream &report, const LiftInputs &in, LiftStop stop) {
    // the floor counts are checked before anything is written
    if (stop == LiftStop::floorCount)
        return;
    WriteConditions(report, in);
    WriteAirAndBuilding(report, in);
    WriteShaftInputs(report, in);
    if (stop == LiftStop::gapRow)
        return;
    ReportLine(report, RtfGroupHeading("Система приточной противодымной вентиляции"));
    if (stop == LiftStop::excessPressure)
        return;
    WriteSupplyInputs(report, in);
}

void WriteLiftAirAndDoors(RtfStream &report, const LiftInputs &in, const LiftResults &r) {
    WriteAirTemps(report, in, r);
    WriteDensities(report, r);
    WriteWind(report, r);
    if (r.ShaftDoorResistComputed)
        WriteShaftDoorResist(report, r);
    if (r.HallDoorResistComputed)
        WriteHallDoorResist(report, r);
    WriteClosedDoors(report, in, r);
}

void WriteLiftShaftAndFan(RtfStream &report, const LiftInputs &in, const LiftResults &r) {
    WriteFirstFloor(report, in, r);
    WriteShaftHead(report, in, r);
    WriteDuctSectionAndFlow(report, r);
    WriteDuctLossAndFan(report, r);
}

} // namespace orvane::inflow
