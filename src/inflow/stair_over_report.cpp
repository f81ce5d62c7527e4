// The report of the above-ground stairwell: its inputs as read, then the air, the design pressure
// and flows, the relations of the floor pass, the supply duct, the fan and the floor table.
#include <string>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/inflow_report.h"
#include "inflow/input_read.h"
#include "inflow/stair_over.h"

namespace orvane::inflow {

using namespace rtf;

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

// The window's permeability as its row states it: the line's head and its unit.
const char *const kWindowLines[4][2] = {
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

void WriteBuildingInputs(RtfStream &report, const AboveGroundStairInputs &in) {
    ValueLine(report, "    Число надземных этажей:    \\b N\\sub НЭ\\nosupersub  = ",
              IntText(in.FloorCount));
    ReportLine(report, "    Этажи выделенной зоны:    \\b ");
    ReportLine(report, IntText(in.ZoneFirstFloor));
    if (in.ZoneLastFloor != in.ZoneFirstFloor)
        ReportLine(report, " - " + IntText(in.ZoneLastFloor));
    ReportLine(report, "\\b0\\par ");
    ValueLine(report,
              "    Отметка уровня второго этажа (от пола 1-го до пола 2-го):    \\b "
              "h\\sub (2)\\nosupersub  = ",
              FormatFixed2(in.SecondFloorLevel), " м");
    ValueLine(report,
              "    Высота вышележащих этажей (от пола до пола):    \\b \\u0916?h\\sub "
              "НЭ\\nosupersub  = ",
              FormatFixed2(in.FloorHeight), " м");
}

void WriteSupplyInputs(RtfStream &report, const AboveGroundStairInputs &in) {
    ReportLine(report, RtfGroupHeading("Система приточной противодымной вентиляции"));
    ValueLine(report,
              "    Избыточное давление, принятое к расчёту:    \\b P\\super +\\nosupersub  = ",
              FormatFixed2(in.ExcessPressure), " Па");
    ValueLine(report,
              "    Разность уровней воздухоприёмного устройства и оголовка ЛК:    \\b "
              "h\\sub 0l\\nosupersub  = ",
              FormatFixed2(in.IntakeToHeadHeight), " м");
    WriteDuctInputs(report, in.Duct);
}

} // namespace

void WriteAboveGroundStairInputs(RtfStream &report, const AboveGroundStairInputs &in,
                                 AboveGroundStairStop stop) {
    using enum AboveGroundStairStop;
    ReportLine(report, "\\par\\b Условия:\\b0\\par ");
    const bool terms[4] = {in.AdjoinsOutsideWall, in.HasOutsideExit, in.FirstFloorSeparate,
                           in.ExitsViaTambours};
    for (int i = 0; i < 4; ++i)
        ReportLine(report,
                   std::string("    ") + (terms[i] ? kTermsOn[i] : kTermsOff[i]) + ".\\par ");
    ReportLine(report, RtfGroupHeading("Характеристики здания"));
    if (stop == floorCount)
        return;
    WriteBuildingInputs(report, in);
    if (stop == stairwellCount)
        return;
    // with tambour exits on every floor the count is used but not shown
    if (!in.ExitsViaTambours)
        ValueLine(report,
                  "    Количество лестничных клеток:    \\b p = ", IntText(in.StairwellCount));

    WriteStairAirInputs(report, in.Stairwell, in.AdjoinsOutsideWall);
    WriteStairDoorInputs(report, in.Stairwell, in.HasOutsideExit);
    if (in.AdjoinsOutsideWall) {
        ReportLine(report, RtfGroupHeading("Оконные проёмы лестничной клетки"));
        ValueLine(report, "    Площадь проёма на каждом этаже:    \\b F\\sub w\\nosupersub  = ",
                  FormatFixed2(in.WindowArea), " м\\super 2\\nosupersub ");
        ValueLine(report, kWindowLines[in.WindowRow][0], FormatFixed2(in.WindowPermeability),
                  kWindowLines[in.WindowRow][1]);
    }
    if (stop == windowResistance)
        return;
    WriteSupplyInputs(report, in);
}

namespace {

const auto F2 = [](double x) { return FormatFixed2(x); };

// The wind pressure and the windows' normalised resistance, where the stairwell has windows.
void WriteWindowNorm(RtfStream &report, const AboveGroundStairResults &r) {
    const double Pw = r.Stairwell.Air.WindPressure;
    ValueLine(report,
              "\\par Ветровое давление внутри здания\\par\\b P" + Sub("w") + "\\b0  = " +
                  Num("0.25") + kTimes + "(K" + Sub("WW") + "  - K" + Sub("W0") + " )" + kTimes +
                  kRho + Sub("a") + " " + kTimes + "v" + Sub("a") + Sup("2") + "  = \\b ",
              F2(Pw), " Па");
    ReportLine(report,
               "\\par\\b Нормированное  сопротивление воздухопроницанию оконных проемов согласно "
               "СНиП II 3-79\\b0\\par ");
    ValueLine(report,
              "\\par Расчетная высота здания до уровня перекрытия верхнего этажа\\par\\b H" +
                  Sub("зд") + " \\b0  = h" + Sub("(2)") + "  + " + kDelta + "h" + Sub("нэ") + " " +
                  kTimes + "(N" + Sub("нэ") + "  - 1) = \\b ",
              F2(r.BuildingHeight), " м");
    ValueLine(report,
              "\\par Удельный вес наружного воздуха\\par\\b " + kGamma + Sub("a") +
                  "\\b0  = 3463 / T" + Sub("a") + "  = \\b ",
              F2(r.OutsideAirSpecWeight), " Н/м" + Sup("3") + " ");
    ValueLine(report,
              "\\par Удельный вес внутреннего воздуха\\par\\b " + kGamma + Sub("r") +
                  "\\b0  = 3463 / T" + Sub("r") + "  = \\b ",
              F2(r.InsideAirSpecWeight), " Н/м" + Sup("3") + " ");
    ValueLine(report,
              "\\par Нормированная разность давлений воздуха\\par\\b " + kDelta +
                  "p\\b0  = " + Num("0.55") + kTimes + "H" + Sub("зд") + " " + kTimes + "(" +
                  kGamma + Sub("a") + "  - " + kGamma + Sub("r") + " ) + " + Num("0.03") + kTimes +
                  kGamma + Sub("r") + " " + kTimes + "v" + Sub("a") + Sup("2") + "  = \\b ",
              F2(r.NormPressureDiff), " Па");
    ReportLine(report, "\\par Нормированное сопротивление воздухопроницанию\\par\\b R" + Sub("п") +
                           "\\b0  = (1 / G" + Sub("Н") + " )" + kTimes + "(" + kDelta + "p / " +
                           kDelta + "p" + Sub("0") + " )" + Sup("2/3") + "  = \\b ");
    ReportLine(report, F2(r.WindowNormResist));
    ReportLine(report, " м" + Sup("2") + " " + kDot + "ч/кг\\b0 \\tab , где " + kDelta + "p" +
                           Sub("0") + "  = 10 Па, G" + Sub("Н") + "  = K" + Sub("w") + " " + kDot +
                           "10" + Sup("2/3") + "  = " + F2(r.WindowNormPermeability) + " (кг/ч)/м" +
                           Sup("2") + " \\b0\\par ");
}

// The design door's pressure, the exit's flow, the share of the open doorway and the flow taken.
void WriteDesignFloor(RtfStream &report, const AboveGroundStairInputs &in,
                      const AboveGroundStairResults &r) {
    const bool T2 = in.HasOutsideExit, T3 = in.FirstFloorSeparate, T4 = in.ExitsViaTambours;
    const bool zoneAbove = in.ZoneFirstFloor > 1;
    const bool zoneFrom1 = !zoneAbove;
    const std::string floor2Head =
        "\\par Давление на уровне двери ЛК 2-го этажа\\par\\b P" + Sub("s(2)") + "\\b0  = ";
    const std::string floor1Head =
        "\\par Давление на уровне двери ЛК 1-го этажа\\par\\b P" + Sub("s(1)") + "\\b0  = ";
    const std::string dRhoText = "(" + kRho + Sub("s") + "  - " + kRho + Sub("r") + " ) = \\b ";
    if (zoneFrom1 && T3)
        ValueLine(
            report,
            floor2Head +
                (T2 ? "P" + Sup("+") + "  + P" + Sub("w") + "  - " : "P" + Sup("+") + "  - ") +
                "g" + kDot + "(h" + Sub("(2)") + "  + " + Num("0.5") + kDot + "h" + Sub("d") +
                " )" + kDot + dRhoText,
            F2(T2 ? r.SecondFloorDoorPressureWithWind : r.SecondFloorDoorPressure), " Па");
    if (zoneFrom1 && !T3)
        ValueLine(
            report,
            floor1Head +
                (T2 ? "P" + Sup("+") + "  + P" + Sub("w") + "  - " : "P" + Sup("+") + "  - ") +
                Num("0.5") + kDot + "g" + kDot + "h" + Sub("d") + " " + kDot + dRhoText,
            F2(T2 ? r.FirstFloorDoorPressureWithWind : r.FirstFloorDoorPressure), " Па");
    if (zoneAbove)
        ValueLine(report,
                  "\\par Давление на уровне двери ЛК нижнего этажа зоны\\par\\b P" + Sub("s(1s)") +
                      "\\b0  = P" + Sup("+") + "  - g" + kDot + "(h" + Sub("(1s)") + "  + " +
                      Num("0.5") + kDot + "h" + Sub("d") + " )" + kDot + dRhoText,
                  F2(r.ZoneDoorPressure), " Па");
    if (T2 && zoneFrom1) {
        ReportLine(report, "\\par Расход воздуха через наружный выход лестничной клетки");
        const std::string head = "\\par\\b G" + Sub("sa") + "\\b0  = \\{2" + kDot + kRho +
                                 Sub("s") + " " + kDot + "[P" + Sup("+") + "  + P" + Sub("w") +
                                 "  ";
        const std::string exitPart =
            "+ " + Num("0.5") + kDot + "g" + kDot + "h" + Sub("da") + " " + kDot + "(" + kRho +
            Sub("a") + "  - " + kRho + Sub("s") + " )] / \\par\\tab\\tab\\tab [(n" + kDot + kXi +
            Sub("d") + "  + " + kXi + Sub("r") + "  + 1) / F" + Sub("da") + Sup("2") + " ";
        if (T3)
            ValueLine(report,
                      head + "- g" + kDot + "(h" + Sub("(2)") + "  + " + Num("0.5") + kDot + "h" +
                          Sub("d") + " )" + kDot + "(" + kRho + Sub("s") + "  - " + kRho +
                          Sub("r") + " ) " + exitPart + " + " + kXi + Sub("s") + "  / F" +
                          Sub("s") + Sup("2") + " ]\\}" + Sup("1/2") + "  = \\b ",
                      F2(r.Stairwell.ExitFlow), " кг/с");
        else
            ValueLine(report, head + exitPart + "]\\}" + Sup("1/2") + "  = \\b ",
                      F2(r.Stairwell.ExitFlow), " кг/с");
    }
    // with pressurised tambour exits (T3, T4) a zone above the 1st floor gets no doorway share
    if (zoneAbove || !T3 || !T4)
        WriteDoorwayShare(report, r.Stairwell.CountedStairwells,
                          "Расход воздуха через открытый проём лестничной клетки", "s(F)",
                          r.DoorwayShareFlow, !(T3 && T4));
    if (T2 && !T4 && zoneFrom1)
        ValueLine(report,
                  "\\par Расход воздуха, принятый к расчёту\\par\\b G" + Sub("s") +
                      "\\b0  = max(G" + Sub("s(F)") + " ; G" + Sub("sa") + " ) = \\b ",
                  F2(r.Stairwell.DesignFlow), " кг/с");
}

// "P_sv = 1,2·{…} / ρ_a", the fan pressure's formula.
std::string FanPressureFormula() {
    return "P" + Sub("sv") + "\\b0  = " + Num("1.2") + kDot + "\\{P" + Sub("sN") + "  + g" + kDot +
           "h" + Sub("sN") + " " + kDot + "(" + kRho + Sub("a") + "  - " + kRho + Sub("s") +
           " ) + g" + kDot + "h" + Sub("0l") + " " + kDot + "(" + kRho + Sub("a") + "  - " + kRho +
           Sub("r") + " ) + P" + Sub("вв") + " \\} / " + kRho + Sub("a") + " ";
}

// The relations the floor pass follows, as the method states them.
void WriteFloorRelations(RtfStream &report, const AboveGroundStairInputs &in,
                         const AboveGroundStairResults &r) {
    const bool T1 = in.AdjoinsOutsideWall, T3 = in.FirstFloorSeparate;
    ReportLine(report, "\\par\\b Расчётные зависимости давления и расхода воздуха на вышележащих "
                       "этажах\\b0\\par ");
    ReportLine(report, "\\par\\tab Давление воздуха в лестничной клетке, Па\\par\\tab\\b P" +
                           Sub("s(i+1)") + "\\b0  = P" + Sub("s(i)") + "  + " + Num("0.5") + kDot +
                           kXi + Sub("s") + " " + kDot + kRho + Sub("s") + " " + kDot + "v" +
                           Sub("s(i)") + Sup("2") + " \\par ");
    ReportLine(report, "\\par\\tab Утечки через неплотности дверных проёмов\\par\\tab\\b " +
                           kDelta + "G" + Sub("sd(i)") + "\\b0  = F" + Sub("d(i)") + "  / S" +
                           Sub("d") + Sup("1/2") + " " + kTimes + "[P" + Sub("s(i)") + "  + g" +
                           kDot + "(h" + Sub("(i)") + "  + " + Num("0.5") + kDot + "h" +
                           Sub("d(i)") + " )" + kDot + "(" + kRho + Sub("s") + "  - " + kRho +
                           Sub("r") + " )");
    ReportLine(report, T1 ? " - P" + Sub("w") + " ]" + Sup("1/2") + " \\par "
                          : "]" + Sup("1/2") + " \\par ");
    ReportLine(report, "\\par\\tab Утечки через неплотности оконных проёмов\\par\\tab\\b " +
                           kDelta + "G" + Sub("sw(i)") + "\\b0  = F" + Sub("w") + " " + kDot + "K" +
                           Sub("w") + "  / 3600" + kDot + "[P" + Sub("s(i)") + "  + g" + kDot +
                           "h" + Sub("(i)") + " " + kDot + "(" + kRho + Sub("s") + "  - " + kRho +
                           Sub("r") + " )]" + Sup("2/3") + " \\tab , где K" + Sub("w") + "  = " +
                           FormatFixed4(r.WindowCoef) + " (кг/ч)/(м" + Sup("2") + " " + kDot +
                           "Па" + Sup("2/3") + " )\\par ");
    // the design floor of a stairwell with its 1st floor shut off takes the outside pair
    if (T1 && T3 && in.ZoneFirstFloor < 2)
        ReportLine(report, "\\tab на 2-м этаже (" + kRho + Sub("a") + "  - " + kRho + Sub("s") +
                               " ) вместо (" + kRho + Sub("s") + "  - " + kRho + Sub("r") +
                               " )\\par ");
    ReportLine(report, "\\par\\tab Расход воздуха в лестничной клетке, кг/с\\par\\tab\\b G" +
                           Sub("s(i+1)") + "\\b0  = G" + Sub("s(i)") + "  + " + kDelta + "G" +
                           Sub("s(i+1)") + " \\par ");
    ReportLine(report, "\\par\\tab Скорость воздуха в лестничной клетке, м/с\\par\\tab\\b v" +
                           Sub("s(i)") + "\\b0  = G" + Sub("s(i)") + "  / (" + kRho + Sub("s") +
                           " " + kDot + "F" + Sub("s") + " )\\par ");
    ReportLine(report, "\\par\\tab Объёмный расход вентилятора, м" + Sup("3") +
                           " /ч\\par\\tab\\b L" + Sub("v") + "\\b0  = 3600" + kTimes + kSigma +
                           "G" + Sub("s") + "  / " + kRho + Sub("a") + " \\par ");
    ReportLine(report, "\\par\\tab Давление вентилятора, Па\\par\\tab\\b " + FanPressureFormula() +
                           "\\par ");
}

void WriteSupplySystem(RtfStream &report, const AboveGroundStairResults &r) {
    ReportLine(report, RtfGroupHeading("Система приточной противодымной вентиляции"));
    WriteValue(report, "Массовый расход воздуха", "G" + Sub("s"), F2(r.HeadFlow), " кг/с");
    WriteValue(report, "Давление в оголовке ЛК", "P" + Sub("sN"), F2(r.HeadPressure), " Па");
    WriteValue(report, "Высота обслуживаемой зоны ЛК", "h" + Sub("sN"), F2(r.ServedHeight), " м");
    WriteDuctSection(report, r.Duct);
    WriteDuctLoss(report, r.Duct, "Потери давления в сети от ВПУ до оголовка ЛК");
    ValueLine(report,
              "\\par\\b\\ul Объёмный расход вентилятора\\ul0\\par L" + Sub("V") + "\\b0  = 3600" +
                  kDot + "G" + Sub("s") + "  / " + kRho + Sub("a") + "  = \\b ",
              FormatRoundedInt(r.FanVolumeFlow), " м" + Sup("3") + " /ч");
    ValueLine(report,
              "\\par\\b\\ul Статическое давление вентилятора, приведённое к нормальным "
              "условиям\\ul0\\par " +
                  FanPressureFormula() + " = \\b ",
              FormatRoundedInt(r.FanPressure), " Па");
}

void WriteFloorTable(RtfStream &report, const AboveGroundStairResults &r) {
    ReportLine(report, "\\par\\b Таблица 1. Давление и расходы воздуха по этажам\\b0\\par\\par ");

    ReportTable table;
    auto cell = [](int width, std::string text, bool bold) {
        return ReportCell{width, std::move(text), CellAlign::center, bold};
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
    ReportRow head;
    for (int col = 0; col < 10; ++col)
        head.push_back(cell(col == 0 ? 800 : 1100, header[col], true));
    table.push_back(std::move(head));
    for (const AboveGroundStairFloor &f : r.Floors) {
        ReportRow r;
        r.push_back(cell(800, IntText(f.FloorNumber), false));
        r.push_back(cell(1100, F2(f.Level), false));
        r.push_back(cell(1100, F2(f.Speed), false));
        r.push_back(cell(1100, F2(f.StairLoss), false));
        r.push_back(cell(1100, F2(f.StairPressure), false));
        r.push_back(cell(1100, f.DoorPressureDiff > 0 ? F2(f.DoorPressureDiff) : "", false));
        r.push_back(cell(1100, f.DoorLeak > 0 ? F2(f.DoorLeak) : "", false));
        r.push_back(cell(1100, F2(f.StairFlow), false));
        r.push_back(cell(1100, f.WindowLeak > 0 ? FormatFixed4(f.WindowLeak) : "", false));
        r.push_back(cell(1100, f.WindowLeakPerArea > 0 ? F2(f.WindowLeakPerArea) : "", false));
        table.push_back(std::move(r));
    }
    RtfTable(report, table);
    RtfRaw(report, "\\par ");
}

} // namespace

void WriteAboveGroundStairReport(RtfStream &report, const AboveGroundStairInputs &in,
                                 const AboveGroundStairResults &r) {
    WriteStairAir(report, in.Stairwell, r.Stairwell,
                  "(t" + Sub("a") + "  + t" + Sub("r") + " ) / 2");
    if (in.AdjoinsOutsideWall)
        WriteWindowNorm(report, r);
    WriteDesignFloor(report, in, r);
    WriteFloorRelations(report, in, r);
    WriteSupplySystem(report, r);
    WriteFloorTable(report, r);
}

} // namespace orvane::inflow
