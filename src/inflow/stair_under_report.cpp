// The report of the underground stairwell: air, the exit and doorway flows, the relations of the
// floor pass, the fan and the floor table.
#include <string>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/inflow_report.h"
#include "inflow/input_read.h"

namespace orvane::inflow {

using namespace rtf;

void WriteUnderGndStairReport(InflowCalc &c, const TUnderGndStairValues &v) {
    const TUnderGndStairResult &floors = c.UnderGndStairResult;
    const auto F2 = [](double x) { return FormatFixed2(x); };
    WriteStairAir(c, "(t" + Sub("r") + "  + t" + Sub("a") + " ) / 2");
    c.ValueLine("\\par Ветровой напор\\par\\b P" + Sub("wind") + "\\b0  = " + Num("0.25") + kTimes +
                    "(K" + Sub("WW") + "  - K" + Sub("W0") + " )" + kTimes + kRho + Sub("a") + " " +
                    kTimes + "v" + Sub("a") + Sup("2") + "  = \\b ",
                F2(c.WindPress), " Па");
    c.ValueLine("\\par Отметка уровня нижнего подземного этажа\\par\\b h" + Sub("(-n)") +
                    "\\b0  = -" + kDelta + "h" + Sub("ПЭ") + " " + kTimes + "N" + Sub("ПЭ") +
                    "  = \\b ",
                F2(c.UGHBottom), " м");
    c.ValueLine(
        "\\par Минимально необходимое давление на уровне двери 1-го подземного этажа\\par\\b P" +
            Sub("s(-1)") + "\\b0  = 20 + g" + kTimes + "(h" + Sub("(-1)") + "  - h" + Sub("(-n)") +
            "  - " + Num("0.5") + kTimes + "h" + Sub("d") + " )" + kTimes + "(" + kRho + Sub("s") +
            "  - " + kRho + Sub("r") + " ) = \\b ",
        F2(c.OpenSWPress), " Па");
    c.ValueLine("\\par Минимально необходимый расход воздуха через наружный выход ЛК\\par\\b G" +
                    Sub("sa") + "\\b0  = \\{2" + kTimes + kRho + Sub("s") + " " + kTimes + "[P" +
                    Sub("wind") + "  + P" + Sub("s(-1)") + "  - g" + kTimes + "(h" + Sub("(-n)") +
                    "  - " + Num("0.5") + kTimes + "h" + Sub("d") + " )" + kTimes + "(" + kRho +
                    Sub("a") + "  - " + kRho + Sub("s") + " )] / \\par\\tab\\tab\\tab [(n" +
                    kTimes + kXi + Sub("d") + "  + " + kXi + Sub("r") + "  + 1) / F" + Sub("da") +
                    Sup("2") + "  + " + kXi + Sub("s") + "  / F" + Sub("s") + Sup("2") + " ]\\}" +
                    Sup("1/2") + "  = \\b ",
                F2(c.ExitAirExps), " кг/с");
    WriteDoorwayShare(c, "Расход воздуха через открытый проем верхнего подземного этажа", "s(-1)",
                      c.OpenSWAirExps);
    c.ValueLine("\\par Расход воздуха, принятый к расчёту\\par\\b G" + Sub("s") + "\\b0  = max(G" +
                    Sub("s(-1)") + " , G" + Sub("sa") + " ) = \\b ",
                F2(c.SWAirExps), " кг/с");
    c.Line("\\par\\b Расчётные зависимости давления и расхода воздуха на нижележащих "
           "этажах\\b0\\par ");
    c.Line("\\par\\tab Давление воздуха, Па\\par\\tab\\b P" + Sub("s(i)") + "\\b0  = P" +
           Sub("s(i+1)") + "  + " + Num("0.5") + kTimes + kXi + Sub("s") + " " + kTimes + kRho +
           Sub("s") + " " + kTimes + "v" + Sub("s(i+1)") + Sup("2") + " \\par ");
    c.Line("\\par\\tab Утечки через неплотности дверных проёмов\\par\\tab\\b " + kDelta + "G" +
           Sub("sd(i)") + "\\b0  = F" + Sub("d") + "  / S" + Sub("d") + Sup("1/2") + " " + kTimes +
           "[P" + Sub("s(i)") + "  - g" + kTimes + "(h" + Sub("Nэ") + "  - (h" + Sub("(i)") +
           "  - " + Num("0.5") + kTimes + "h" + Sub("d") + " ))" + kTimes + "(" + kRho + Sub("s") +
           "  - " + kRho + Sub("r") + " )]" + Sup("1/2") + " \\par ");
    c.Line("\\par\\tab Массовый расход воздуха, кг/с\\par\\tab\\b G" + Sub("s(i)") + "\\b0  = G" +
           Sub("s(i-1)") + "  + " + kDelta + "G" + Sub("sd(i)") + " \\par ");
    c.Line("\\par\\tab Скорость воздуха, м/с\\par\\tab\\b v" + Sub("s(i)") + "\\b0  = G" +
           Sub("s(i)") + "  / (" + kRho + Sub("s") + " " + kTimes + "F" + Sub("s") + " )\\par ");
    c.Line(RtfGroupHeading("Система приточной противодымной вентиляции"));
    c.ValueLine("\\par Массовый расход воздуха на нижнем подземном этаже\\par\\b " + kSigma + "G" +
                    Sub("s") + "\\b0  = \\b ",
                F2(c.MassAirExps), " кг/с");
    PutValue(c, "Давление воздуха на нижнем подземном этаже", "P" + Sub("s"), F2(c.AirPressure),
             " Па");
    c.ValueLine("\\par\\b\\ul Объёмный расход вентилятора\\ul0\\par L" + Sub("v") + "\\b0  = 3600" +
                    kTimes + kSigma + "G" + Sub("s") + "  / " + kRho + Sub("a") + "  = \\b ",
                FormatRoundedInt(v.LV), " м" + Sup("3") + " /ч");
    c.ValueLine("\\par\\b\\ul Статическое давление вентилятора, приведённое к нормальным "
                "условиям\\ul0\\par P" +
                    Sub("sv") + "\\b0  = " + Num("1.2") + kTimes + "[P" + Sub("s") + "  + g" +
                    kTimes + "(h" + Sub("0s") + "  + " + kDelta + "h" + Sub("ПЭ") + " )" + kTimes +
                    "(" + kRho + Sub("a") + "  - " + kRho + Sub("r") + " ) + P" + Sub("ds") +
                    " ] / " + kRho + Sub("a") + "  = \\b ",
                F2(v.Psv), " Па");

    c.Line("\\par\\b Таблица 1. Давление и расходы воздуха на подземных этажах\\b0\\par\\par ");
    TRTFTable table;
    auto cell = [](std::string text, bool bold) {
        return TRTFTableCell{1200, std::move(text), TRTFHorJustify::horjCenter, bold};
    };
    TRTFTableRow head;
    for (const std::string &h :
         {std::string("Этаж"), std::string("P, Па"), kDelta + "G" + Sub("двери") + " ",
          std::string("G, кг/с"), "L" + Sub("v") + " , м" + Sup("3") + " /ч",
          "P" + Sub("sv") + " , Па"})
        head.push_back(cell(h, true));
    table.push_back(std::move(head));
    for (const auto &f : floors) {
        table.push_back({cell(IntText(f.FloorNum), false), cell(F2(f.Ps), false),
                         cell(F2(f.dGs), false), cell(F2(f.Gs), false),
                         cell(f.Lv == 0 ? "" : FormatRoundedInt(f.Lv), false),
                         cell(f.Psv == 0 ? "" : FormatRoundedInt(f.Psv), false)});
    }
    RtfTable(c.Report.RTBody, table);
    RtfRaw(c.Report.RTBody, "\\par ");
}

} // namespace orvane::inflow
