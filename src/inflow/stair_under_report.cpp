// The report of the underground stairwell: its inputs as read, then the air, the exit and doorway
// flows, the relations of the floor pass, the fan and the floor table.
#include <string>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/inflow_report.h"
#include "inflow/input_read.h"
#include "inflow/stair_under.h"

namespace orvane::inflow {

using namespace rtf;

void WriteUndergroundStairInputs(RtfStream &report, const UndergroundStairInputs &in,
                                 UndergroundStairStop stop) {
    using enum UndergroundStairStop;
    ReportLine(report, "\\par\\b Условия:\\b0\\par ");
    ReportLine(report, "    Лестничная клетка с изолированным выходом на уровне нижнего надземного "
                       "этажа.\\par ");
    ReportLine(report, "    Открытый проём - на уровне верхнего подземного этажа.\\par ");
    ReportLine(report, RtfGroupHeading("Характеристики подземной части здания"));
    if (stop == floorCount)
        return;
    ValueLine(report, "    Число этажей:    \\b N\\sub ПЭ\\nosupersub  = ", IntText(in.FloorCount));
    ValueLine(report, "    Высота подземных этажей:    \\b \\u0916?h\\sub ПЭ\\nosupersub  = ",
              FormatFixed2(in.FloorHeight), " м");
    if (stop == stairwellCount)
        return;
    ValueLine(report, "    Количество лестничных клеток:    \\b p = ", IntText(in.StairwellCount));
    // the underground stairwell always has its exit, and the wind acts on it
    WriteStairAirInputs(report, in.Stairwell, true);
    WriteStairDoorInputs(report, in.Stairwell, true);
    ReportLine(report, RtfGroupHeading("Система приточной противодымной вентиляции"));
    ValueLine(report,
              "    Разность уровней воздухоприёмного устройства и оголовка ЛК:    \\b "
              "h\\sub 0s\\nosupersub  = ",
              FormatFixed2(in.IntakeToHeadHeight), " м");
    ValueLine(report,
              "    Потери давления в сети воздуховодов от воздухоприёмного устройства до ЛК:   "
              " \\b P\\sub ds\\nosupersub  = ",
              FormatFixed2(in.IntakeDuctLoss), " Па");
}

void WriteUndergroundStairReport(RtfStream &report, const UndergroundStairInputs &in,
                                 const UndergroundStairResults &r) {
    const auto F2 = [](double x) { return FormatFixed2(x); };
    WriteStairAir(report, in.Stairwell, r.Stairwell,
                  "(t" + Sub("r") + "  + t" + Sub("a") + " ) / 2");
    ValueLine(report,
              "\\par Ветровой напор\\par\\b P" + Sub("wind") + "\\b0  = " + Num("0.25") + kTimes +
                  "(K" + Sub("WW") + "  - K" + Sub("W0") + " )" + kTimes + kRho + Sub("a") + " " +
                  kTimes + "v" + Sub("a") + Sup("2") + "  = \\b ",
              F2(r.Stairwell.Air.WindPressure), " Па");
    ValueLine(report,
              "\\par Отметка уровня нижнего подземного этажа\\par\\b h" + Sub("(-n)") +
                  "\\b0  = -" + kDelta + "h" + Sub("ПЭ") + " " + kTimes + "N" + Sub("ПЭ") +
                  "  = \\b ",
              F2(r.BottomLevel), " м");
    ValueLine(
        report,
        "\\par Минимально необходимое давление на уровне двери 1-го подземного этажа\\par\\b P" +
            Sub("s(-1)") + "\\b0  = 20 + g" + kTimes + "(h" + Sub("(-1)") + "  - h" + Sub("(-n)") +
            "  - " + Num("0.5") + kTimes + "h" + Sub("d") + " )" + kTimes + "(" + kRho + Sub("s") +
            "  - " + kRho + Sub("r") + " ) = \\b ",
        F2(r.TopDoorPressure), " Па");
    ValueLine(report,
              "\\par Минимально необходимый расход воздуха через наружный выход ЛК\\par\\b G" +
                  Sub("sa") + "\\b0  = \\{2" + kTimes + kRho + Sub("s") + " " + kTimes + "[P" +
                  Sub("wind") + "  + P" + Sub("s(-1)") + "  - g" + kTimes + "(h" + Sub("(-n)") +
                  "  - " + Num("0.5") + kTimes + "h" + Sub("d") + " )" + kTimes + "(" + kRho +
                  Sub("a") + "  - " + kRho + Sub("s") + " )] / \\par\\tab\\tab\\tab [(n" + kTimes +
                  kXi + Sub("d") + "  + " + kXi + Sub("r") + "  + 1) / F" + Sub("da") + Sup("2") +
                  "  + " + kXi + Sub("s") + "  / F" + Sub("s") + Sup("2") + " ]\\}" + Sup("1/2") +
                  "  = \\b ",
              F2(r.Stairwell.ExitFlow), " кг/с");
    WriteDoorwayShare(report, r.Stairwell.CountedStairwells,
                      "Расход воздуха через открытый проем верхнего подземного этажа", "s(-1)",
                      r.DoorwayShareFlow);
    ValueLine(report,
              "\\par Расход воздуха, принятый к расчёту\\par\\b G" + Sub("s") + "\\b0  = max(G" +
                  Sub("s(-1)") + " , G" + Sub("sa") + " ) = \\b ",
              F2(r.Stairwell.DesignFlow), " кг/с");
    ReportLine(report, "\\par\\b Расчётные зависимости давления и расхода воздуха на нижележащих "
                       "этажах\\b0\\par ");
    ReportLine(report, "\\par\\tab Давление воздуха, Па\\par\\tab\\b P" + Sub("s(i)") +
                           "\\b0  = P" + Sub("s(i+1)") + "  + " + Num("0.5") + kTimes + kXi +
                           Sub("s") + " " + kTimes + kRho + Sub("s") + " " + kTimes + "v" +
                           Sub("s(i+1)") + Sup("2") + " \\par ");
    ReportLine(report, "\\par\\tab Утечки через неплотности дверных проёмов\\par\\tab\\b " +
                           kDelta + "G" + Sub("sd(i)") + "\\b0  = F" + Sub("d") + "  / S" +
                           Sub("d") + Sup("1/2") + " " + kTimes + "[P" + Sub("s(i)") + "  - g" +
                           kTimes + "(h" + Sub("Nэ") + "  - (h" + Sub("(i)") + "  - " + Num("0.5") +
                           kTimes + "h" + Sub("d") + " ))" + kTimes + "(" + kRho + Sub("s") +
                           "  - " + kRho + Sub("r") + " )]" + Sup("1/2") + " \\par ");
    ReportLine(report, "\\par\\tab Массовый расход воздуха, кг/с\\par\\tab\\b G" + Sub("s(i)") +
                           "\\b0  = G" + Sub("s(i-1)") + "  + " + kDelta + "G" + Sub("sd(i)") +
                           " \\par ");
    ReportLine(report, "\\par\\tab Скорость воздуха, м/с\\par\\tab\\b v" + Sub("s(i)") +
                           "\\b0  = G" + Sub("s(i)") + "  / (" + kRho + Sub("s") + " " + kTimes +
                           "F" + Sub("s") + " )\\par ");
    ReportLine(report, RtfGroupHeading("Система приточной противодымной вентиляции"));
    ValueLine(report,
              "\\par Массовый расход воздуха на нижнем подземном этаже\\par\\b " + kSigma + "G" +
                  Sub("s") + "\\b0  = \\b ",
              F2(r.BottomFlow), " кг/с");
    WriteValue(report, "Давление воздуха на нижнем подземном этаже", "P" + Sub("s"),
               F2(r.BottomPressure), " Па");
    ValueLine(report,
              "\\par\\b\\ul Объёмный расход вентилятора\\ul0\\par L" + Sub("v") + "\\b0  = 3600" +
                  kTimes + kSigma + "G" + Sub("s") + "  / " + kRho + Sub("a") + "  = \\b ",
              FormatRoundedInt(r.PrintedVolumeFlow), " м" + Sup("3") + " /ч");
    ValueLine(report,
              "\\par\\b\\ul Статическое давление вентилятора, приведённое к нормальным "
              "условиям\\ul0\\par P" +
                  Sub("sv") + "\\b0  = " + Num("1.2") + kTimes + "[P" + Sub("s") + "  + g" +
                  kTimes + "(h" + Sub("0s") + "  + " + kDelta + "h" + Sub("ПЭ") + " )" + kTimes +
                  "(" + kRho + Sub("a") + "  - " + kRho + Sub("r") + " ) + P" + Sub("ds") +
                  " ] / " + kRho + Sub("a") + "  = \\b ",
              F2(r.PrintedFanPressure), " Па");

    ReportLine(report,
               "\\par\\b Таблица 1. Давление и расходы воздуха на подземных этажах\\b0\\par\\par ");
    ReportTable table;
    auto cell = [](std::string text, bool bold) {
        return ReportCell{1200, std::move(text), CellAlign::center, bold};
    };
    ReportRow head;
    for (const std::string &h :
         {std::string("Этаж"), std::string("P, Па"), kDelta + "G" + Sub("двери") + " ",
          std::string("G, кг/с"), "L" + Sub("v") + " , м" + Sup("3") + " /ч",
          "P" + Sub("sv") + " , Па"})
        head.push_back(cell(h, true));
    table.push_back(std::move(head));
    for (const UndergroundStairFloor &f : r.Floors) {
        table.push_back({cell(IntText(f.FloorNumber), false), cell(F2(f.DoorPressureDiff), false),
                         cell(F2(f.DoorLeak), false), cell(F2(f.StairFlow), false),
                         cell(f.FanVolumeFlow == 0 ? "" : FormatRoundedInt(f.FanVolumeFlow), false),
                         cell(f.FanPressure == 0 ? "" : FormatRoundedInt(f.FanPressure), false)});
    }
    RtfTable(report, table);
    RtfRaw(report, "\\par ");
}

} // namespace orvane::inflow
