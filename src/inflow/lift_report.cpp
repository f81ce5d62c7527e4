// The lift shaft report, piece by piece as RunCalcLift computes it: air, door resistances, the
// 1st floor, the shaft head, the supply duct, the fan and the floor table.
#include <string>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/inflow_report.h"
#include "inflow/input_read.h"

namespace orvane::inflow {

using namespace rtf;

namespace {

// Rounds to 0.001 with halves to even and writes the shortest form (the table's flows).
std::string Flow3(double x) {
    return FormatGeneral(RoundHalfEven(x, 3));
}

} // namespace

void WriteLiftAirTemps(InflowCalc &c, bool cageXiComputed) {
    if (cageXiComputed && c.LiftMethod == 1)
        Put(c,
            "\\par КМС узла \"кабина-шахта\" при открытых дверях\\par\\b " + kXi + Sub("l") +
                "\\b0  = " + Num("4.3") + " + F" + Sub("lc") + "  / F" + Sub("ls") + "  = \\b ",
            FormatFixed2(c.LiftCageKoefXil));
    c.Line(KelvinHead("a") + FormatFixed2(c.OutsideAirTemp + kCelsiusZero) + " К\\b0 ");
    c.Line(KelvinHead("r") + FormatFixed2(c.InsideAirTemp + kCelsiusZero) + " К\\b0 ");
    Put(c, KelvinHead("l"), FormatFixed2(c.LiftShaftAirTemp + kCelsiusZero), " К");
}

void WriteLiftDensities(InflowCalc &c) {
    PutDensity(c, "Плотность наружного воздуха", "a", "a", c.OutsideAirDensity);
    PutDensity(c, "Плотность воздуха во внутренних помещениях", "r", "r", c.InsideAirDensity);
    PutDensity(c, "Плотность воздуха в лифтовой шахте", "l", "l", c.RhoL);
}

void WriteLiftWind(InflowCalc &c) {
    Put(c,
        "\\par Ветровой напор\\par\\b P" + Sub("w") + "\\b0  = " + Num("0.25") + kTimes + "(K" +
            Sub("WW") + "  - K" + Sub("W0") + " )" + kTimes + kRho + Sub("a") + " " + kTimes + "v" +
            Sub("a") + Sup("2") + "  = \\b ",
        FormatFixed2(c.WindPress), kPa);
}

void WriteLiftShaftDoorResist(InflowCalc &c) {
    Put(c,
        "\\par Сопротивление воздухопроницанию дверей лифтовой шахты\\par\\b S" + Sub("dl") +
            "\\b0  = 2600 / " + kRho + Sub("l") + "  = \\b ",
        FormatFixed2(c.LiftShaftDoorSpecResist), kM3PerKg);
}

void WriteLiftHallDoorResist(InflowCalc &c) {
    Put(c,
        "\\par Сопротивление воздухопроницанию дверей лифтового холла\\par\\b S" + Sub("dr") +
            "\\b0  = 5300 / " + kRho + Sub("l") + "  = \\b ",
        FormatFixed2(c.LiftHallDoorSpecResist), kM3PerKg);
}

void WriteLiftClosedDoors(InflowCalc &c, const TLiftValues &v) {
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
    if (c.LiftTerm1Shaft != 3)
        Put(c,
            "\\par Характеристика сопротивления закрытых дверей надземной части ЛШ" +
                slrFormula(c.LiftTerm4HallAbove),
            FormatFixed2(v.slrAbove), slrUnit);
    if (c.LiftTerm1Shaft != 1)
        Put(c,
            "\\par Характеристика сопротивления закрытых дверей подземной части ЛШ" +
                slrFormula(c.LiftTerm5HallBelow),
            FormatFixed2(v.slrBelow), slrUnit);
}

void WriteLiftFirstFloor(InflowCalc &c, const TLiftValues &v) {
    if (c.LiftMethod == 2)
        Put(c,
            "\\par Общий коэффициент расхода\\par\\b n" + kDot + kSigma + "(" + kMu + Sub("i") +
                " " + kDot + "F" + Sub("i") + " )\\b0  = \\b ",
            FormatFixed2(v.sigma));
    if (c.LiftMethod != 3)
        Put(c,
            "\\par Расчётное давление на уровне 1-го этажа\\par\\b P" + Sub("l(1)") + "\\b0  = P" +
                Sup("+") + "  - g" + kTimes + "(h" + Sub("(2)") + "  + " + Num("0.5") + kTimes +
                "h" + Sub("d") + " )" + kTimes + "(" + kRho + Sub("l") + "  - " + kRho + Sub("r") +
                " ) + " + Num("0.5") + kTimes + "g" + kTimes + "h" + Sub("d") + " " + kTimes + "(" +
                kRho + Sub("a") + "  - " + kRho + Sub("l") + " ) + P" + Sub("w") + "  = \\b ",
            FormatFixed2(v.pl1), kPa);
    if (c.LiftMethod == 2)
        Put(c,
            "\\par Расчётный расход воздуха из ЛШ на 1-м этаже\\par\\b G" + Sub("(1)") +
                "\\b0  = n" + kTimes + kSigma + "(" + kMu + Sub("i") + " " + kTimes + "F" +
                Sub("i") + " )" + kTimes + "(2" + kTimes + kRho + Sub("l") + " " + kTimes + "P" +
                Sub("l(1)") + " )" + Sup("1/2") + "  = \\b ",
            FormatFixed2(v.gSlot), kKgPerS);
    if (c.LiftMethod == 1)
        Put(c,
            "\\par Расчётный расход воздуха из ЛШ на 1-м этаже\\par\\b G" + Sub("(1)") +
                "\\b0  = \\{ 2" + kTimes + kRho + Sub("l") + " " + kTimes + "P" + Sub("l(1)") +
                "  / [" + kXi + Sub("l") + "  / (n" + Sub("dl") + " " + kTimes + "F" + Sub("dl") +
                " )" + Sup("2") + "  + (" + kXi + Sub("d") + "  + 1) / (m" + Sub("dr") + " " +
                kTimes + "F" + Sub("dr") + " )" + Sup("2") + "] \\}" + Sup("1/2") + "  = \\b ",
            FormatFixed2(v.gOpen), kKgPerS);
    if (c.LiftTerm1Shaft == 3 && c.LiftMethod != 3)
        Put(c,
            "\\par Расчётное давление в подземной части ЛШ\\par\\b P" + Sub("l(-1)") + "\\b0  = P" +
                Sup("+") + "  + g" + kDot + "\\{h" + Sub("(-n)") + "  - (h" + Sub("(-1)") + "  + " +
                Num("0.5") + kDot + "h" + Sub("d") + " )\\}" + kDot + "(" + kRho + Sub("l") +
                "  - " + kRho + Sub("r") + " ) = \\b ",
            FormatFixed2(v.plM1), kPa);
    if (c.LiftTerm1Shaft == 1 && c.LiftMethod != 3) {
        std::string text = "\\par Расчётное давление в надземной части ЛШ\\par\\b P" + Sub("l(2)") +
                           "\\b0  = P" + Sup("+") + "  - g" + kDot + "(h" + Sub("(2)") + "  + " +
                           Num("0.5") + kDot + "h" + Sub("d") + " )" + kDot + "(" + kRho +
                           Sub("l") + "  - " + kRho + Sub("r") + " ) + P" + Sub("w") + "  = \\b ";
        Put(c, text, FormatFixed2(v.pl2), kPa);
    }
}

void WriteLiftShaftHead(InflowCalc &c, const TLiftValues &v) {
    if (c.LiftTerm1Shaft != 1) {
        Put(c,
            "\\par Скорость воздуха в зазоре между шахтой и кабиной лифта\\par\\b v" + Sub("cs") +
                "\\b0  = G" + Sub("l(1)") + "  / " + kRho + Sub("l") + "  / " + kMu + Sub("gap") +
                "  / (F" + Sub("ls") + "  - F" + Sub("lc") + " ) = \\b ",
            FormatFixed2(v.vcs), " м/с");
        Put(c,
            "\\par Потери давления в зазоре между шахтой и кабиной лифта\\par\\b " + kDelta + "P" +
                Sub("cs") + "\\b0  = " + Num("0.5") + kTimes + kRho + Sub("l") + " " + kTimes +
                "v" + Sub("cs") + Sup("2") + "  = \\b ",
            FormatFixed2(v.dPcs), kPa);
    }
    // shafts 2 and 3 reach the head from the underground part
    Put(c,
        "\\par Давление в оголовке лифтовой шахты\\par\\b P" + Sub("l(n)") + "\\b0  = P" +
            Sub(c.LiftTerm1Shaft == 1 ? "l(2)" : "l(-1)") + "  + " + kDelta + "P" + Sub("cs") +
            "  = \\b ",
        FormatFixed2(v.PL), kPa);

    // the relations the floor pass follows, as the method states them.
    c.Line(RtfGroupHeading("Расчётные зависимости давления и расхода воздуха на этажах"));
    c.Line("\\par Утечки через неплотности (48), кг/с\\par\\b " + kDelta + "G" + Sub("l(i)") +
           "\\b0  = \\{ [P" + Sub("l(i)") + "  + g" + kDot + "(h" + Sub("(i)") + "  + " +
           Num("0.5") + kDot + "h" + Sub("dl") + " )" + kDot + "(" + kRho + Sub("l") + "  - " +
           kRho + Sub("r") + " )] / S" + Sub("lr(i)") + "  \\}" + Sup("1/2") + " \\par ");
    c.Line("\\par Утечки через неплотности (53), кг/с\\par\\b " + kDelta + "G" + Sub("l(i)") +
           "\\b0  = \\{ [P" + Sub("l(i)") + "  + g" + kDot + "(h" + Sub("(i)") + "  + " +
           Num("0.5") + kDot + "h" + Sub("dl") + " )" + kDot + "(" + kRho + Sub("l") + "  - " +
           kRho + Sub("r") + " ) - P" + Sub("w") + " ] / S" + Sub("lr(-i)") + "  \\}" + Sup("1/2") +
           " \\par ");
    c.Line("\\par Утечки через неплотности (58), кг/с\\par\\b G" + Sub("l") + "\\b0  = G" +
           Sub("l(1)") + "  + " + kSigma + "\\{ [P" + Sub("l(-i)") + "  + g" + kDot + "(h" +
           Sub("(-n)") + "  - (h" + Sub("(-i)") + "  + " + Num("0.5") + kDot + "h" + Sub("dl") +
           " ))" + kDot + "(" + kRho + Sub("l") + "  - " + kRho + Sub("r") + " )] / S" +
           Sub("lr(-i)") + "  \\}" + Sup("1/2") + " \\par ");

    c.Line(RtfGroupHeading("Система приточной противодымной вентиляции"));
}

void WriteLiftDuctSection(InflowCalc &c, const TLiftValues &v) {
    WriteDuctSection(c);
    PutValue(c, "Массовый расход воздуха", "G" + Sub("s"), FormatFixed2(v.Gs), kKgPerS);
}

void WriteLiftDuctAndFan(InflowCalc &c) {
    const TLiftShaftResult &floors = c.LiftShaftResult;
    WriteDuctLoss(c, "Потери давления в сети от ВПУ до лифтовой шахты");

    Put(c,
        "\\par\\b\\ul Объёмный расход вентилятора\\ul0\\par L" + Sub("V") + "\\b0  = 3600" + kDot +
            "G" + Sub("s") + "  / " + kRho + Sub("a") + "  = \\b ",
        FormatRoundedInt(c.VolumeAirExps), " м" + Sup("3") + " /ч");
    Put(c,
        "\\par\\b\\ul Статическое давление вентилятора, приведённое к нормальным "
        "условиям\\ul0\\par P" +
            Sub("sv") + "\\b0  = " + Num("1.2") + kDot + "\\{P" + Sub("L") + "  + g" + kDot + "h" +
            Sub("lN") + " " + kDot + "(" + kRho + Sub("a") + "  - " + kRho + Sub("l") + " ) + g" +
            kDot + "h" + Sub("0s") + " " + kDot + "(" + kRho + Sub("a") + "  - " + kRho + Sub("r") +
            " ) + P" + Sub("вв") + " \\} / " + kRho + Sub("a") + "  = \\b ",
        FormatRoundedInt(c.FanPress), kPa);

    // the floors, top floor first
    c.Line("\\par\\b Таблица 1. Давление и расходы воздуха на этажах\\b0\\par\\par ");
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
    table.push_back({cell("Этаж", true), cell("h" + Sub("э") + " , м", true),
                     cell("P" + Sub("ш") + " , Па", true),
                     cell(kDelta + "P" + Sub("d") + " , Па", true), cell(kDelta + "G, кг/с", true),
                     cell("G, кг/с", true)});
    for (const TLiftShaftFloor &f : floors) {
        table.push_back({cell(IntText(f.FloorNum), false), cell(FormatFixed2(f.h), false),
                         cell(FormatFixed2(f.Pg), false),
                         cell(f.PL == 0 ? std::string() : FormatFixed2(f.PL), false),
                         cell(f.DG == 0 ? std::string() : Flow3(f.DG), false),
                         cell(Flow3(f.G), false)});
    }
    RtfTable(c.Report.RTBody, table);
    RtfRaw(c.Report.RTBody, "\\par ");
}

} // namespace orvane::inflow
