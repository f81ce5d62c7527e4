// The tambour-airlock report: its inputs as read, then the densities, the protected room and its
// valve, the channel, the intake duct, the fan and the floor table.
#include <string>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/inflow_report.h"
#include "inflow/input_read.h"
#include "inflow/tambour.h"

namespace orvane::inflow {

using namespace rtf;

namespace {

void WriteAirAndBuilding(RtfStream &report, const TambourInputs &in, TambourStop stop) {
    ReportLine(report, RtfGroupHeading("Параметры воздуха"));
    ValueLine(report, "    Температура наружного воздуха:    \\b t\\sub a\\nosupersub  = ",
              FormatFixed2(in.Air.OutsideAirTempC), " °C");
    ValueLine(report,
              "    Температура воздуха во внутренних помещениях:    \\b t\\sub r\\nosupersub  = ",
              FormatFixed2(in.Air.InsideAirTempC), " °C");
    ValueLine(report, "    Температура тёплого притока:    \\b t\\sub sf\\nosupersub  = ",
              FormatFixed2(in.HeatedAirTempC), " °C");
    if (in.ShaftDoorArea > 0)
        ValueLine(report,
                  "    Температура воздуха в лифтовой шахте:    \\b t\\sub sl\\nosupersub  = ",
                  FormatFixed2(in.ShaftAirTempC), " °C");
    WriteWindInputs(report, in.Air);

    ReportLine(report, RtfGroupHeading("Характеристики здания"));
    if (stop == TambourStop::aboveFloorCount)
        return;
    ValueLine(report, "    Число надземных этажей:    \\b N\\sub НЭ\\nosupersub  = ",
              IntText(in.AboveFloorCount));
    if (stop == TambourStop::belowFloorCount)
        return;
    ValueLine(report, "    Число подземных этажей:    \\b N\\sub ПЭ\\nosupersub  = ",
              IntText(in.BelowFloorCount));
    ValueLine(report,
              "    Отметка уровня второго этажа (от пола 1-го до пола 2-го):    \\b h\\sub "
              "(2)\\nosupersub  = ",
              FormatFixed2(in.SecondFloorLevel), kM);
    ValueLine(
        report,
        "    Высота вышележащих этажей (от пола до пола):    \\b \\u0916?h\\sub НЭ\\nosupersub "
        " = ",
        FormatFixed2(in.AboveFloorHeight), kM);
    ValueLine(
        report,
        "    Высота подземных этажей (от пола до пола):    \\b \\u0916?h\\sub ПЭ\\nosupersub  "
        "= ",
        FormatFixed2(in.BelowFloorHeight), kM);
}

void WriteRoomAndValve(RtfStream &report, const TambourInputs &in) {
    ReportLine(report, RtfGroupHeading("Защищаемое помещение"));
    ValueLine(report,
              "    Количество дверей (без дверей смежных ЛШ):    \\b n\\sub d\\nosupersub  = ",
              IntText(in.DoorCount));
    ValueLine(report, "    Площадь каждой двери:    \\b F\\sub d\\nosupersub  = ",
              FormatFixed2(in.DoorArea), kM2);
    ValueLine(report, "    Высота каждой двери:    \\b h\\sub d\\nosupersub  = ",
              FormatFixed2(in.DoorHeight), kM);
    ValueLine(report, "    Коэффициент расхода открытой двери:    \\b \\u0956? = ",
              FormatFixed2(in.DoorMu));
    ValueLine(report,
              "    Скорость воздуха в открытом проёме двери:    \\b v\\sub d\\nosupersub  = ",
              FormatFixed2(in.DoorAirSpeed), kMPerS);
    // a resistance left empty is worked out and printed in the calculation
    if (!IsZeroReal(in.DoorResist))
        ValueLine(report,
                  "    Характеристика удельного сопротивления воздухопроницанию дверей:    \\b "
                  "S\\sub dr\\nosupersub  = ",
                  FormatFixed2(in.DoorResist), kM3PerKg);
    ValueLine(report, "    Избыточное давление:    \\b P\\super +\\nosupersub  = ",
              FormatFixed2(in.ExcessPressure), kPa);

    ReportLine(report, RtfGroupHeading("Приточное устройство с клапаном"));
    ValueLine(report, "    Номинальное сечение:    \\b F\\sub кл\\nosupersub  = ",
              FormatFixed2(in.ValveArea), kM2);
    ValueLine(report,
              "    КМС открытого клапана с приточным устройством:    \\b \\u0958?\\sub "
              "кл\\nosupersub  = ",
              FormatFixed2(in.ValveXi));
    ValueLine(report,
              "    Характеристика удельного сопротивления газопроницанию закрытого клапана:    "
              "\\b S\\sub кл\\nosupersub  = ",
              FormatFixed2(in.ValveResist), kM3PerKg);
    ValueLine(report, "    Высота клапана 1-го этажа:    \\b h\\sub кл(1)\\nosupersub  = ",
              FormatFixed2(in.FirstValveHeight), kM);

    if (in.ShaftDoorArea > 0) {
        ReportLine(report, RtfGroupHeading("Смежная ЛШ"));
        ValueLine(report,
                  "    Общая площадь дверей смежной ЛШ:    \\b m\\u8729?F\\sub dsl\\nosupersub  = ",
                  FormatFixed2(in.ShaftDoorArea), kM2);
        if (in.ShaftDoorResist != 0)
            ValueLine(report,
                      "    Характеристика удельного сопротивления воздухопроницанию дверей ЛШ:    "
                      "\\b S\\sub dsl\\nosupersub  = ",
                      FormatFixed2(in.ShaftDoorResist), kM3PerKg);
    }
}

void WriteChannelAndDuct(RtfStream &report, const TambourInputs &in) {
    ReportLine(report, RtfGroupHeading("Вертикальный приточный канал"));
    if (in.ChannelIsRect)
        ValueLine(report, "    Прямоугольного сечения:    \\b AxB = ",
                  FormatRoundedInt(in.ChannelSizeA) + "x" + FormatRoundedInt(in.ChannelSizeB),
                  " мм");
    else
        ValueLine(report,
                  "    Круглого сечения:    \\b диаметр = ", FormatRoundedInt(in.ChannelSizeA),
                  " мм");
    ValueLine(report, "    Абсолютная эквивалентная шероховатость:    \\b \\u0949? = ",
              FormatFixed2(in.ChannelRoughness), " мм");
    ValueLine(report, "    Герметичность:    \\b a = ", FormatFixed4(in.ChannelLeakage));
    ValueLine(report,
              "    Высота верхнего участка:    \\b \\u0916?h\\sub клапан-оголовок\\nosupersub  = ",
              FormatFixed2(in.ChannelTopHeight), kM);

    ReportLine(report, "\\par\\b Участок приточной сети от воздухозаборного устройства до оголовка "
                       "вертикального канала\\b0\\par ");
    ValueLine(report,
              "    Разность уровней воздухоприёмного устройства и оголовка канала:    \\b h\\sub "
              "ВПУ\\nosupersub  - h\\sub 0s\\nosupersub  = ",
              FormatFixed2(in.IntakeToHeadHeight), kM);
    ValueLine(report, "    Длина воздуховодов:    \\b l\\sub вв\\nosupersub  = ",
              FormatFixed2(in.IntakeDuctLength), kM);
    ValueLine(report, "    Диаметр воздуховодов:    \\b D\\sub вв\\nosupersub  = ",
              FormatRoundedInt(in.IntakeDuctDiameter), " мм");
    ValueLine(report, "    Сумма КМС на участке:    \\b \\u0958?\\sub вв\\nosupersub  = ",
              FormatFixed2(in.IntakeDuctXi));
}

} // namespace

void WriteTambourInputs(RtfStream &report, const TambourInputs &in, TambourStop stop) {
    static constexpr std::string_view kConditions[] = {"Открытая дверь, приток без подогрева",
                                                       "Закрытые двери, приток без подогрева",
                                                       "Закрытые двери, приток с подогревом"};
    ReportLine(report, "\\par\\b Условия:\\b0\\par ");
    ReportLine(report,
               "    " + std::string(kConditions[static_cast<int>(in.Condition) - 1]) + ".\\par ");
    WriteAirAndBuilding(report, in, stop);
    if (stop != TambourStop::none)
        return;
    WriteRoomAndValve(report, in);
    WriteChannelAndDuct(report, in);
}

namespace {

// The air, the wind, the resistances worked out and the channel's section.
void WriteAirAndChannel(RtfStream &report, const TambourInputs &in, const TambourResults &r) {
    const bool heated = in.Condition == TambourCondition::heatedSupply;
    ReportLine(report,
               KelvinHead("a") + FormatFixed2(in.Air.OutsideAirTempC + kCelsiusZero) + " К\\b0 ");
    ReportLine(report, KelvinHead("r") + FormatFixed2(in.Air.InsideAirTempC + kCelsiusZero) +
                           " К\\b0 \\par ");
    WriteDensity(report, "Плотность наружного воздуха", "a", "a", r.OutsideAirDensity);
    if (!heated)
        WriteDensity(report, "Плотность воздуха во внутренних помещениях", "r", "r",
                     r.InsideAirDensity);
    WriteDensity(report, "Плотность тёплого притока", "ah", "sf", r.HeatedAirDensity);
    if (in.ShaftDoorArea > 0)
        WriteDensity(report, "Плотность воздуха в лифтовой шахте", "sl", "sl", r.ShaftAirDensity);
    ValueLine(report,
              "\\par Ветровое давление внутри здания\\par\\b P" + Sub("w") +
                  "\\b0  = " + Num("0.5") + kDot + "(K" + Sub("WW") + "  + K" + Sub("W0") + " )" +
                  kDot + kRho + Sub("a") + " " + kDot + "v" + Sub("a") + Sup("2") + "  = \\b ",
              FormatFixed2(r.InsideWindPressure), kPa);
    ValueLine(report,
              "\\par Давление на заветренном фасаде\\par\\b P" + Sub("w0") +
                  "\\b0  = " + Num("0.5") + kDot + "K" + Sub("W0") + " " + kDot + kRho + Sub("a") +
                  " " + kDot + "v" + Sub("a") + Sup("2") + "  = \\b ",
              FormatFixed2(r.LeewardPressure), kPa);
    if (r.DoorResistComputed)
        ValueLine(
            report,
            "\\par Характеристика удельного сопротивления воздухопроницанию дверей\\par\\b S" +
                Sub("dsf") + "\\b0  = 5300 / " + kRho + " = \\b ",
            FormatFixed2(r.DoorResist), kM3PerKg);
    if (r.ShaftDoorResistComputed)
        ValueLine(
            report,
            "\\par Характеристика удельного сопротивления воздухопроницанию дверей ЛШ\\par\\b S" +
                Sub("dsl") + "\\b0  = 2600 / " + kRho + " = \\b ",
            FormatFixed2(r.ShaftDoorResist), kM3PerKg);
    WriteValue(report, "Площадь сечения вертикального приточного канала", "F" + Sub("ш"),
               FormatFixed2(r.ChannelArea), kM2);
    WriteValue(report, "Эквивалентный диаметр вертикального приточного канала", "D" + Sub("Э"),
               FormatRoundedInt(r.ChannelEquivDiameter), " мм");
}

// The protected room's pressure and flow, and its open valve.
void WriteRoomAndValve(RtfStream &report, const TambourInputs &in, const TambourResults &r) {
    WriteValue(report, "Необходимое давление в защищаемом помещении", "P" + Sub("sf"),
               FormatFixed2(r.RoomPressure), kPa);
    if (in.Condition == TambourCondition::openDoor)
        ValueLine(report,
                  "\\par Массовый расход воздуха\\par\\b G" + Sub("sf") + "\\b0  = v" + Sub("d") +
                      " " + kDot + kRho + Sub("sf") + " " + kDot + "F" + Sub("d") + "  = \\b ",
                  FormatFixed2(r.RoomFlow), kKgPerS);
    else if (in.ShaftDoorArea > 0)
        ValueLine(report,
                  "\\par Массовый расход воздуха\\par\\b G" + Sub("sf") + "\\b0  = n" + kDot + "F" +
                      Sub("dsf") + " " + kDot + "(P" + Sup("+") + " /S" + Sub("dsf") + " )" +
                      Sup("1/2") + " + m" + kDot + "F" + Sub("dsl") + " " + kDot + "(P" + Sup("+") +
                      " /S" + Sub("dsl") + " )" + Sup("1/2") + " = \\b ",
                  FormatFixed2(r.RoomFlow), kKgPerS);
    else
        ValueLine(report,
                  "\\par Массовый расход воздуха\\par\\b G" + Sub("sf") + "\\b0  = n" + kDot + "F" +
                      Sub("dsf") + " " + kDot + "(P" + Sup("+") + " /S" + Sub("dsf") + " )" +
                      Sup("1/2") + "  = \\b ",
                  FormatFixed2(r.RoomFlow), kKgPerS);
    ValueLine(report,
              "\\par Объёмный расход воздуха\\par\\b L" + Sub("sf") + "\\b0  = 3600" + kDot + "G" +
                  Sub("sf") + " /" + kRho + Sub("a") + "  = 3600" + kTimes +
                  FormatFixed2(r.RoomFlow) + " / " + FormatFixed2(r.OutsideAirDensity) + " = \\b ",
              FormatRoundedInt(r.RoomVolumeFlow), " м" + Sup("3") + " /ч");
    ValueLine(report,
              "\\par Скорость в открытом клапане\\par\\b v" + Sub("кл") + "\\b0  = G" + Sub("sf") +
                  " /" + kRho + Sub("sf") + " /F" + Sub("кл") + "  = \\b ",
              FormatFixed2(r.ValveSpeed), kMPerS);
    ValueLine(report,
              "\\par Потери давления в открытом клапане с приточным устройством\\par\\b " + kDelta +
                  "P" + Sub("кл") + "\\b0  = " + kXi + Sub("кл") + " " + kDot + kRho + Sub("sf") +
                  " " + kDot + "v" + Sub("кл") + Sup("2") + "  / 2 = \\b ",
              FormatFixed2(r.ValveLoss), kPa);
}

// The channel above the top valve, the intake duct, the head, the fan and the heater.
void WriteChannelHeadAndFan(RtfStream &report, const TambourInputs &in, const TambourResults &r) {
    const bool heated = in.Condition == TambourCondition::heatedSupply;
    WriteValue(report, "Массовый расход в верхнем участке вертикального приточного канала",
               "G" + Sub("s"), FormatFixed2(r.TopFlow), kKgPerS);
    WriteValue(report, "Скорость в верхнем участке вертикального приточного канала", "v" + Sub("ш"),
               FormatFixed2(r.TopSpeed), kMPerS);
    ValueLine(report,
              "\\par Потери давления в верхнем участке приточного канала\\par\\b " + kDelta + "P" +
                  Sub("top") + "\\b0  = " + kLambda + kDot + "(H" + Sub("top") + "  / D" +
                  Sub("Э") + " )" + kDot + kRho + Sub("a") + " " + kDot + "v" + Sub("ш") +
                  Sup("2") + "  / 2 = \\b ",
              FormatFixed2(r.TopLoss), kPa);
    ReportLine(report, "\\par\\b Участок приточной сети от воздухозаборного устройства до оголовка "
                       "вертикального канала\\b0\\par ");
    ValueLine(report,
              "\\par Высота от нижнего клапана до оголовка вертикального канала\\par\\b h" +
                  Sub("N") + "\\b0  = " + kSigma + "(" + kDelta + "h" + Sub("кл") + " ) = \\b ",
              FormatFixed2(r.ChannelHeight), kM);
    ValueLine(report,
              "\\par Скорость воздуха\\par\\b v" + Sub("вв") + "\\b0  = G" + Sub("s") + "  / (" +
                  kRho + Sub("a") + " " + kDot + kPi + kDot + "(D" + Sub("вв") + " /2)" + Sup("2") +
                  " ) = \\b ",
              FormatFixed2(r.IntakeDuctSpeed), kMPerS);
    ValueLine(report,
              "\\par Потери давления участка сети\\par\\b " + kDelta + "P" + Sub("вв") +
                  "\\b0  = (" + kLambda + kDot + "l" + Sub("вв") + " /D" + Sub("Э") + "  + " + kXi +
                  Sub("вв") + " )" + kDot + kRho + Sub("a") + " " + kDot + "v" + Sub("вв") +
                  Sup("2") + " /2 = \\b ",
              FormatFixed2(r.IntakeDuctLoss), kPa);
    ValueLine(report,
              "\\par Давление на уровне оголовка вертикального канала\\par\\b P" + Sub("N") +
                  "\\b0  = g" + kDot + "h" + Sub("N") + " " + kDot + "(" + kRho + Sub("a") +
                  "  - " + kRho + Sub("sf") + " ) - P" + Sub("w0") + "  = \\b ",
              FormatFixed2(r.HeadPressure), kPa);
    ValueLine(report,
              "\\par\\b\\ul Объёмный расход вентилятора\\ul0\\par L" + Sub("V") + "\\b0  = 3600" +
                  kDot + "G" + Sub("s") + " /" + kRho + Sub("a") + "  = \\b ",
              FormatRoundedInt(r.FanVolumeFlow), " м" + Sup("3") + " /ч");
    ValueLine(report,
              "\\par\\b\\ul Статическое давление вентилятора, приведённое к нормальным "
              "условиям\\ul0\\par P" +
                  Sub("sv") + "\\b0  = " + Num("1.2") + kDot + "[P" + Sub("ШN") + "  + P" +
                  Sub("N") + "  + g" + kDot + "h" + Sub("0s") + " " + kDot + "(" + kRho + Sub("a") +
                  "  - " + kRho + Sub("sf") + " ) + " + kDelta + "P" + Sub("вв") + "  + " + kDelta +
                  "P" + Sub("top") + " ] / " + kRho + Sub("a") + "  = \\b ",
              FormatFixed2(r.FanPressure), kPa);
    if (heated)
        ValueLine(report,
                  "\\par Мощность электронагревателя\\par\\b Q\\b0  = c" + kDot + kRho + Sub("a") +
                      " " + kDot + "L" + Sub("V") + " /3600" + kDot + "(t" + Sub("sf") + "  - t" +
                      Sub("a") + " ) = \\b ",
                  FormatFixed2(r.HeaterPower), " кВт\\b0 \\tab , где c = 1 кДж/(кг" + kDot + "К)");
}

void WriteFloorTable(RtfStream &report, const TambourResults &r) {
    ReportLine(report, "\\par\\b Таблица 1. Давление и расходы воздуха по этажам\\b0\\par\\par ");

    ReportTable table;
    table.reserve(r.Floors.size() + 1);
    auto row = [](std::initializer_list<std::string> texts, bool bold) {
        ReportRow r;
        r.reserve(texts.size());
        for (const std::string &t : texts) {
            ReportCell c;
            c.Width = r.empty() ? 800 : 1100;
            c.Text = t;
            c.Align = CellAlign::center;
            c.Bold = bold;
            r.push_back(std::move(c));
        }
        return r;
    };
    table.push_back(row(
        {"Этаж", kDelta + "h" + Sub("э") + " , м", kDelta + "h" + Sub("кл") + " , м",
         "h" + Sub("э") + " , м", "h" + Sub("кл") + " , м", "P" + Sub("ш") + " , Па",
         "G" + Sub("ш") + " , кг/с", "v" + Sub("ш") + " , м/с", kDelta + "P" + Sub("кл") + " , Па",
         kDelta + "G" + Sub("ш") + " , кг/с", kDelta + "G" + Sub("кл") + " , кг/с"},
        true));
    for (const TambourFloor &f : r.Floors)
        table.push_back(
            row({IntText(f.FloorNumber), FormatFixed2(f.FloorStep), FormatFixed2(f.ValveStep),
                 FormatFixed2(f.FloorLevel), FormatFixed2(f.ValveLevel),
                 FormatFixed2(f.ChannelPressure), FormatFixed4(f.ChannelFlow),
                 FormatFixed2(f.ChannelSpeed), FormatFixed2(f.ValvePressureDiff),
                 FormatFixed4(f.WallLeak), FormatFixed4(f.ValveLeak)},
                false));
    RtfTable(report, table);
    RtfRaw(report, "\\par ");
}

} // namespace

void WriteTambourReport(RtfStream &report, const TambourInputs &in, const TambourResults &r) {
    WriteAirAndChannel(report, in, r);
    WriteRoomAndValve(report, in, r);
    WriteChannelHeadAndFan(report, in, r);
    WriteFloorTable(report, r);
}

} // namespace orvane::inflow
