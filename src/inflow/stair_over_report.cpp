// The report of the above-ground stairwell: air, the design pressure and flows, the relations of
// the floor pass, the supply duct, the fan and the floor table.
#include <string>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/inflow_report.h"
#include "inflow/input_read.h"

namespace orvane::inflow {

using namespace rtf;

void WriteOverGndStairReport(InflowCalc &c, const TOverGndStairValues &v) {
    const bool T1 = c.SWTerm1, T2 = c.SWTerm2, T3 = c.SWTerm3, T4 = c.SWTerm4;
    const double Pw = c.WindPress;
    const bool zoneAbove = c.SWN1zone > 1;
    const TOverGndStairResult &floors = c.OverGndStairResult;
    const auto F2 = [](double x) { return FormatFixed2(x); };
    WriteStairAir(c, "(t" + Sub("a") + "  + t" + Sub("r") + " ) / 2");
    if (T1) {
        c.ValueLine("\\par Ветровое давление внутри здания\\par\\b P" + Sub("w") +
                        "\\b0  = " + Num("0.25") + kTimes + "(K" + Sub("WW") + "  - K" + Sub("W0") +
                        " )" + kTimes + kRho + Sub("a") + " " + kTimes + "v" + Sub("a") + Sup("2") +
                        "  = \\b ",
                    F2(Pw), " Па");
        c.Line("\\par\\b Нормированное  сопротивление воздухопроницанию оконных проемов согласно "
               "СНиП II 3-79\\b0\\par ");
        c.ValueLine("\\par Расчетная высота здания до уровня перекрытия верхнего этажа\\par\\b H" +
                        Sub("зд") + " \\b0  = h" + Sub("(2)") + "  + " + kDelta + "h" + Sub("нэ") +
                        " " + kTimes + "(N" + Sub("нэ") + "  - 1) = \\b ",
                    F2(c.BuildingHeight), " м");
        c.ValueLine("\\par Удельный вес наружного воздуха\\par\\b " + kGamma + Sub("a") +
                        "\\b0  = 3463 / T" + Sub("a") + "  = \\b ",
                    F2(c.OutsideAirSpecWeight), " Н/м" + Sup("3") + " ");
        c.ValueLine("\\par Удельный вес внутреннего воздуха\\par\\b " + kGamma + Sub("r") +
                        "\\b0  = 3463 / T" + Sub("r") + "  = \\b ",
                    F2(c.InsideAirSpecWeight), " Н/м" + Sup("3") + " ");
        c.ValueLine("\\par Нормированная разность давлений воздуха\\par\\b " + kDelta +
                        "p\\b0  = " + Num("0.55") + kTimes + "H" + Sub("зд") + " " + kTimes + "(" +
                        kGamma + Sub("a") + "  - " + kGamma + Sub("r") + " ) + " + Num("0.03") +
                        kTimes + kGamma + Sub("r") + " " + kTimes + "v" + Sub("a") + Sup("2") +
                        "  = \\b ",
                    F2(c.NormDELTAAirPress), " Па");
        c.Line("\\par Нормированное сопротивление воздухопроницанию\\par\\b R" + Sub("п") +
               "\\b0  = (1 / G" + Sub("Н") + " )" + kTimes + "(" + kDelta + "p / " + kDelta + "p" +
               Sub("0") + " )" + Sup("2/3") + "  = \\b ");
        c.Line(F2(c.WindowNormAirResist));
        c.Line(" м" + Sup("2") + " " + kDot + "ч/кг\\b0 \\tab , где " + kDelta + "p" + Sub("0") +
               "  = 10 Па, G" + Sub("Н") + "  = K" + Sub("w") + " " + kDot + "10" + Sup("2/3") +
               "  = " + F2(c.WindowNormPermeability) + " (кг/ч)/м" + Sup("2") + " \\b0\\par ");
    }
    const bool zoneFrom1 = !zoneAbove;
    const std::string floor2Head =
        "\\par Давление на уровне двери ЛК 2-го этажа\\par\\b P" + Sub("s(2)") + "\\b0  = ";
    const std::string floor1Head =
        "\\par Давление на уровне двери ЛК 1-го этажа\\par\\b P" + Sub("s(1)") + "\\b0  = ";
    const std::string dRhoText = "(" + kRho + Sub("s") + "  - " + kRho + Sub("r") + " ) = \\b ";
    if (zoneFrom1 && T3)
        c.ValueLine(
            floor2Head +
                (T2 ? "P" + Sup("+") + "  + P" + Sub("w") + "  - " : "P" + Sup("+") + "  - ") +
                "g" + kDot + "(h" + Sub("(2)") + "  + " + Num("0.5") + kDot + "h" + Sub("d") +
                " )" + kDot + dRhoText,
            F2(T2 ? v.P2W : v.P2), " Па");
    if (zoneFrom1 && !T3)
        c.ValueLine(
            floor1Head +
                (T2 ? "P" + Sup("+") + "  + P" + Sub("w") + "  - " : "P" + Sup("+") + "  - ") +
                Num("0.5") + kDot + "g" + kDot + "h" + Sub("d") + " " + kDot + dRhoText,
            F2(T2 ? v.P1W : v.P1), " Па");
    if (zoneAbove)
        c.ValueLine("\\par Давление на уровне двери ЛК нижнего этажа зоны\\par\\b P" +
                        Sub("s(1s)") + "\\b0  = P" + Sup("+") + "  - g" + kDot + "(h" +
                        Sub("(1s)") + "  + " + Num("0.5") + kDot + "h" + Sub("d") + " )" + kDot +
                        dRhoText,
                    F2(v.P1s), " Па");
    if (T2 && zoneFrom1) {
        c.Line("\\par Расход воздуха через наружный выход лестничной клетки");
        const std::string head = "\\par\\b G" + Sub("sa") + "\\b0  = \\{2" + kDot + kRho +
                                 Sub("s") + " " + kDot + "[P" + Sup("+") + "  + P" + Sub("w") +
                                 "  ";
        const std::string exitPart =
            "+ " + Num("0.5") + kDot + "g" + kDot + "h" + Sub("da") + " " + kDot + "(" + kRho +
            Sub("a") + "  - " + kRho + Sub("s") + " )] / \\par\\tab\\tab\\tab [(n" + kDot + kXi +
            Sub("d") + "  + " + kXi + Sub("r") + "  + 1) / F" + Sub("da") + Sup("2") + " ";
        if (T3)
            c.ValueLine(head + "- g" + kDot + "(h" + Sub("(2)") + "  + " + Num("0.5") + kDot + "h" +
                            Sub("d") + " )" + kDot + "(" + kRho + Sub("s") + "  - " + kRho +
                            Sub("r") + " ) " + exitPart + " + " + kXi + Sub("s") + "  / F" +
                            Sub("s") + Sup("2") + " ]\\}" + Sup("1/2") + "  = \\b ",
                        F2(c.ExitAirExps), " кг/с");
        else
            c.ValueLine(head + exitPart + "]\\}" + Sup("1/2") + "  = \\b ", F2(c.ExitAirExps),
                        " кг/с");
    }
    // with pressurised tambour exits (T3, T4) a zone above the 1st floor gets no doorway share
    if (zoneAbove || !T3 || !T4)
        WriteDoorwayShare(c, "Расход воздуха через открытый проём лестничной клетки", "s(F)", v.GsF,
                          !(T3 && T4));
    if (T2 && !T4 && zoneFrom1)
        c.ValueLine("\\par Расход воздуха, принятый к расчёту\\par\\b G" + Sub("s") +
                        "\\b0  = max(G" + Sub("s(F)") + " ; G" + Sub("sa") + " ) = \\b ",
                    F2(c.SWAirExps), " кг/с");

    c.Line("\\par\\b Расчётные зависимости давления и расхода воздуха на вышележащих "
           "этажах\\b0\\par ");
    c.Line("\\par\\tab Давление воздуха в лестничной клетке, Па\\par\\tab\\b P" + Sub("s(i+1)") +
           "\\b0  = P" + Sub("s(i)") + "  + " + Num("0.5") + kDot + kXi + Sub("s") + " " + kDot +
           kRho + Sub("s") + " " + kDot + "v" + Sub("s(i)") + Sup("2") + " \\par ");
    c.Line("\\par\\tab Утечки через неплотности дверных проёмов\\par\\tab\\b " + kDelta + "G" +
           Sub("sd(i)") + "\\b0  = F" + Sub("d(i)") + "  / S" + Sub("d") + Sup("1/2") + " " +
           kTimes + "[P" + Sub("s(i)") + "  + g" + kDot + "(h" + Sub("(i)") + "  + " + Num("0.5") +
           kDot + "h" + Sub("d(i)") + " )" + kDot + "(" + kRho + Sub("s") + "  - " + kRho +
           Sub("r") + " )");
    c.Line(T1 ? " - P" + Sub("w") + " ]" + Sup("1/2") + " \\par " : "]" + Sup("1/2") + " \\par ");
    c.Line("\\par\\tab Утечки через неплотности оконных проёмов\\par\\tab\\b " + kDelta + "G" +
           Sub("sw(i)") + "\\b0  = F" + Sub("w") + " " + kDot + "K" + Sub("w") + "  / 3600" + kDot +
           "[P" + Sub("s(i)") + "  + g" + kDot + "h" + Sub("(i)") + " " + kDot + "(" + kRho +
           Sub("s") + "  - " + kRho + Sub("r") + " )]" + Sup("2/3") + " \\tab , где K" + Sub("w") +
           "  = " + FormatFixed4(c.WindowKoef) + " (кг/ч)/(м" + Sup("2") + " " + kDot + "Па" +
           Sup("2/3") + " )\\par ");
    // the design floor of a stairwell with its 1st floor shut off takes the outside pair
    if (T1 && T3 && c.SWN1zone < 2)
        c.Line("\\tab на 2-м этаже (" + kRho + Sub("a") + "  - " + kRho + Sub("s") + " ) вместо (" +
               kRho + Sub("s") + "  - " + kRho + Sub("r") + " )\\par ");
    c.Line("\\par\\tab Расход воздуха в лестничной клетке, кг/с\\par\\tab\\b G" + Sub("s(i+1)") +
           "\\b0  = G" + Sub("s(i)") + "  + " + kDelta + "G" + Sub("s(i+1)") + " \\par ");
    c.Line("\\par\\tab Скорость воздуха в лестничной клетке, м/с\\par\\tab\\b v" + Sub("s(i)") +
           "\\b0  = G" + Sub("s(i)") + "  / (" + kRho + Sub("s") + " " + kDot + "F" + Sub("s") +
           " )\\par ");
    c.Line("\\par\\tab Объёмный расход вентилятора, м" + Sup("3") + " /ч\\par\\tab\\b L" +
           Sub("v") + "\\b0  = 3600" + kTimes + kSigma + "G" + Sub("s") + "  / " + kRho + Sub("a") +
           " \\par ");
    const std::string fanPressFormula =
        "P" + Sub("sv") + "\\b0  = " + Num("1.2") + kDot + "\\{P" + Sub("sN") + "  + g" + kDot +
        "h" + Sub("sN") + " " + kDot + "(" + kRho + Sub("a") + "  - " + kRho + Sub("s") + " ) + g" +
        kDot + "h" + Sub("0l") + " " + kDot + "(" + kRho + Sub("a") + "  - " + kRho + Sub("r") +
        " ) + P" + Sub("вв") + " \\} / " + kRho + Sub("a") + " ";
    c.Line("\\par\\tab Давление вентилятора, Па\\par\\tab\\b " + fanPressFormula + "\\par ");

    c.Line(RtfGroupHeading("Система приточной противодымной вентиляции"));
    PutValue(c, "Массовый расход воздуха", "G" + Sub("s"), F2(c.HeadAirExps), " кг/с");
    PutValue(c, "Давление в оголовке ЛК", "P" + Sub("sN"), F2(c.HeadPressure), " Па");
    PutValue(c, "Высота обслуживаемой зоны ЛК", "h" + Sub("sN"), F2(c.ServedHeight), " м");
    WriteDuctSection(c);
    WriteDuctLoss(c, "Потери давления в сети от ВПУ до оголовка ЛК");
    c.ValueLine("\\par\\b\\ul Объёмный расход вентилятора\\ul0\\par L" + Sub("V") + "\\b0  = 3600" +
                    kDot + "G" + Sub("s") + "  / " + kRho + Sub("a") + "  = \\b ",
                FormatRoundedInt(c.VolumeAirExps), " м" + Sup("3") + " /ч");
    c.ValueLine("\\par\\b\\ul Статическое давление вентилятора, приведённое к нормальным "
                "условиям\\ul0\\par " +
                    fanPressFormula + " = \\b ",
                FormatRoundedInt(c.FanPress), " Па");
    c.Line("\\par\\b Таблица 1. Давление и расходы воздуха по этажам\\b0\\par\\par ");

    TRTFTable table;
    auto cell = [](int width, std::string text, bool bold) {
        return TRTFTableCell{width, std::move(text), TRTFHorJustify::horjCenter, bold};
    };
    const std::string header[10] = {
        "Этаж",
        "h" + Sub("э") + " , м",
        "v, м/с",
        kDelta + "P" + Sub("s") + " , Па",
        "P" + Sub("s") + " , Па",
        kDelta + "P" + Sub("d") + " , Па",
        kDelta + "G" + Sub("sd") + " , кг/с",
        "G" + Sub("s") + " , кг/с",
        kDelta + "G" + Sub("sw") + " , кг/с",
        "G" + Sub("w") + " , кг/ч/м" + Sup("2") + " ",
    };
    TRTFTableRow head;
    for (int c = 0; c < 10; ++c)
        head.push_back(cell(c == 0 ? 800 : 1100, header[c], true));
    table.push_back(std::move(head));
    for (const auto &f : floors) {
        TRTFTableRow r;
        r.push_back(cell(800, IntText(f.FloorNum), false));
        r.push_back(cell(1100, F2(f.FloorH), false));
        r.push_back(cell(1100, F2(f.v), false));
        r.push_back(cell(1100, F2(f.dPs), false));
        r.push_back(cell(1100, F2(f.Ps), false));
        r.push_back(cell(1100, f.dPd > 0 ? F2(f.dPd) : "", false));
        r.push_back(cell(1100, f.dGsd > 0 ? F2(f.dGsd) : "", false));
        r.push_back(cell(1100, F2(f.Gs), false));
        r.push_back(cell(1100, f.dGsw > 0 ? FormatFixed4(f.dGsw) : "", false));
        r.push_back(cell(1100, f.Gw > 0 ? F2(f.Gw) : "", false));
        table.push_back(std::move(r));
    }
    RtfTable(c.Report.RTBody, table);
    RtfRaw(c.Report.RTBody, "\\par ");
}

} // namespace orvane::inflow
