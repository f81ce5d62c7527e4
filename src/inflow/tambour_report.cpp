// The tambour-airlock report: densities, the protected room and its valve, the channel, the
// intake duct, the fan and the floor table.
#include <string>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/inflow_report.h"
#include "inflow/input_read.h"

namespace orvane::inflow {

using namespace rtf;

void WriteTambourReport(InflowCalc &c, const TTambourValues &v) {
    const TTmbrPressForFloors &floors = c.TmbrFloors;
    c.Line(KelvinHead("a") + FormatFixed2(v.ta + kCelsiusZero) + " К\\b0 ");
    c.Line(KelvinHead("r") + FormatFixed2(c.InsideAirTemp + kCelsiusZero) + " К\\b0 \\par ");
    PutDensity(c, "Плотность наружного воздуха", "a", "a", v.rhoA);
    if (v.variant != 3)
        PutDensity(c, "Плотность воздуха во внутренних помещениях", "r", "r", v.rhoR);
    PutDensity(c, "Плотность тёплого притока", "ah", "sf", v.rhoAh);
    if (v.mFdsl > 0)
        PutDensity(c, "Плотность воздуха в лифтовой шахте", "sl", "sl", v.rhoSl);
    Put(c,
        "\\par Ветровое давление внутри здания\\par\\b P" + Sub("w") + "\\b0  = " + Num("0.5") +
            kDot + "(K" + Sub("WW") + "  + K" + Sub("W0") + " )" + kDot + kRho + Sub("a") + " " +
            kDot + "v" + Sub("a") + Sup("2") + "  = \\b ",
        FormatFixed2(v.Pw), kPa);
    Put(c,
        "\\par Давление на заветренном фасаде\\par\\b P" + Sub("w0") + "\\b0  = " + Num("0.5") +
            kDot + "K" + Sub("W0") + " " + kDot + kRho + Sub("a") + " " + kDot + "v" + Sub("a") +
            Sup("2") + "  = \\b ",
        FormatFixed2(v.Pw0), kPa);
    if (v.sdrComputed)
        Put(c,
            "\\par Характеристика удельного сопротивления воздухопроницанию дверей\\par\\b S" +
                Sub("dsf") + "\\b0  = 5300 / " + kRho + " = \\b ",
            FormatFixed2(c.TmbrDoorSpecResist), kM3PerKg);
    if (v.sdslComputed)
        Put(c,
            "\\par Характеристика удельного сопротивления воздухопроницанию дверей ЛШ\\par\\b S" +
                Sub("dsl") + "\\b0  = 2600 / " + kRho + " = \\b ",
            FormatFixed2(c.TmbrShaftDoorSpecResist), kM3PerKg);
    PutValue(c, "Площадь сечения вертикального приточного канала", "F" + Sub("ш"),
             FormatFixed2(v.channelF), kM2);
    PutValue(c, "Эквивалентный диаметр вертикального приточного канала", "D" + Sub("Э"),
             FormatRoundedInt(v.channelDe), " мм");
    PutValue(c, "Необходимое давление в защищаемом помещении", "P" + Sub("sf"), FormatFixed2(v.Psf),
             kPa);
    if (v.variant == 1)
        Put(c,
            "\\par Массовый расход воздуха\\par\\b G" + Sub("sf") + "\\b0  = v" + Sub("d") + " " +
                kDot + kRho + Sub("sf") + " " + kDot + "F" + Sub("d") + "  = \\b ",
            FormatFixed2(v.Gsf), kKgPerS);
    else if (v.mFdsl > 0)
        Put(c,
            "\\par Массовый расход воздуха\\par\\b G" + Sub("sf") + "\\b0  = n" + kDot + "F" +
                Sub("dsf") + " " + kDot + "(P" + Sup("+") + " /S" + Sub("dsf") + " )" + Sup("1/2") +
                " + m" + kDot + "F" + Sub("dsl") + " " + kDot + "(P" + Sup("+") + " /S" +
                Sub("dsl") + " )" + Sup("1/2") + " = \\b ",
            FormatFixed2(v.Gsf), kKgPerS);
    else
        Put(c,
            "\\par Массовый расход воздуха\\par\\b G" + Sub("sf") + "\\b0  = n" + kDot + "F" +
                Sub("dsf") + " " + kDot + "(P" + Sup("+") + " /S" + Sub("dsf") + " )" + Sup("1/2") +
                "  = \\b ",
            FormatFixed2(v.Gsf), kKgPerS);
    Put(c,
        "\\par Объёмный расход воздуха\\par\\b L" + Sub("sf") + "\\b0  = 3600" + kDot + "G" +
            Sub("sf") + " /" + kRho + Sub("a") + "  = 3600" + kTimes + FormatFixed2(v.Gsf) + " / " +
            FormatFixed2(v.rhoA) + " = \\b ",
        FormatRoundedInt(v.Lsf), " м" + Sup("3") + " /ч");
    Put(c,
        "\\par Скорость в открытом клапане\\par\\b v" + Sub("кл") + "\\b0  = G" + Sub("sf") + " /" +
            kRho + Sub("sf") + " /F" + Sub("кл") + "  = \\b ",
        FormatFixed2(v.vValve), kMPerS);
    Put(c,
        "\\par Потери давления в открытом клапане с приточным устройством\\par\\b " + kDelta + "P" +
            Sub("кл") + "\\b0  = " + kXi + Sub("кл") + " " + kDot + kRho + Sub("sf") + " " + kDot +
            "v" + Sub("кл") + Sup("2") + "  / 2 = \\b ",
        FormatFixed2(v.dPValve), kPa);
    PutValue(c, "Массовый расход в верхнем участке вертикального приточного канала", "G" + Sub("s"),
             FormatFixed2(v.Gs), kKgPerS);
    PutValue(c, "Скорость в верхнем участке вертикального приточного канала", "v" + Sub("ш"),
             FormatFixed2(v.vTop), kMPerS);
    Put(c,
        "\\par Потери давления в верхнем участке приточного канала\\par\\b " + kDelta + "P" +
            Sub("top") + "\\b0  = " + kLambda + kDot + "(H" + Sub("top") + "  / D" + Sub("Э") +
            " )" + kDot + kRho + Sub("a") + " " + kDot + "v" + Sub("ш") + Sup("2") + "  / 2 = \\b ",
        FormatFixed2(v.dPTop), kPa);
    c.Line("\\par\\b Участок приточной сети от воздухозаборного устройства до оголовка "
           "вертикального канала\\b0\\par ");
    Put(c,
        "\\par Высота от нижнего клапана до оголовка вертикального канала\\par\\b h" + Sub("N") +
            "\\b0  = " + kSigma + "(" + kDelta + "h" + Sub("кл") + " ) = \\b ",
        FormatFixed2(v.hN), kM);
    Put(c,
        "\\par Скорость воздуха\\par\\b v" + Sub("вв") + "\\b0  = G" + Sub("s") + "  / (" + kRho +
            Sub("a") + " " + kDot + kPi + kDot + "(D" + Sub("вв") + " /2)" + Sup("2") + " ) = \\b ",
        FormatFixed2(v.vvv), kMPerS);
    Put(c,
        "\\par Потери давления участка сети\\par\\b " + kDelta + "P" + Sub("вв") + "\\b0  = (" +
            kLambda + kDot + "l" + Sub("вв") + " /D" + Sub("Э") + "  + " + kXi + Sub("вв") + " )" +
            kDot + kRho + Sub("a") + " " + kDot + "v" + Sub("вв") + Sup("2") + " /2 = \\b ",
        FormatFixed2(v.dPvv), kPa);
    Put(c,
        "\\par Давление на уровне оголовка вертикального канала\\par\\b P" + Sub("N") +
            "\\b0  = g" + kDot + "h" + Sub("N") + " " + kDot + "(" + kRho + Sub("a") + "  - " +
            kRho + Sub("sf") + " ) - P" + Sub("w0") + "  = \\b ",
        FormatFixed2(v.PN), kPa);
    Put(c,
        "\\par\\b\\ul Объёмный расход вентилятора\\ul0\\par L" + Sub("V") + "\\b0  = 3600" + kDot +
            "G" + Sub("s") + " /" + kRho + Sub("a") + "  = \\b ",
        FormatRoundedInt(c.VolumeAirExps), " м" + Sup("3") + " /ч");
    Put(c,
        "\\par\\b\\ul Статическое давление вентилятора, приведённое к нормальным "
        "условиям\\ul0\\par P" +
            Sub("sv") + "\\b0  = " + Num("1.2") + kDot + "[P" + Sub("ШN") + "  + P" + Sub("N") +
            "  + g" + kDot + "h" + Sub("0s") + " " + kDot + "(" + kRho + Sub("a") + "  - " + kRho +
            Sub("sf") + " ) + " + kDelta + "P" + Sub("вв") + "  + " + kDelta + "P" + Sub("top") +
            " ] / " + kRho + Sub("a") + "  = \\b ",
        FormatFixed2(c.FanPress), kPa);
    if (v.variant == 3)
        Put(c,
            "\\par Мощность электронагревателя\\par\\b Q\\b0  = c" + kDot + kRho + Sub("a") + " " +
                kDot + "L" + Sub("V") + " /3600" + kDot + "(t" + Sub("sf") + "  - t" + Sub("a") +
                " ) = \\b ",
            FormatFixed2(v.Q), " кВт\\b0 \\tab , где c = 1 кДж/(кг" + kDot + "К)");
    c.Line("\\par\\b Таблица 1. Давление и расходы воздуха по этажам\\b0\\par\\par ");

    TRTFTable table;
    table.reserve(floors.size() + 1);
    auto row = [](std::initializer_list<std::string> texts, bool bold) {
        TRTFTableRow r;
        r.reserve(texts.size());
        for (const std::string &t : texts) {
            TRTFTableCell c;
            c.Width = r.empty() ? 800 : 1100;
            c.Text = t;
            c.HJfy = TRTFHorJustify::horjCenter;
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
    for (const TTmbrPressForFloor &f : floors)
        table.push_back(row({IntText(f.FloorNum), FormatFixed2(f.dhfloor), FormatFixed2(f.dhvlv),
                             FormatFixed2(f.hfloor), FormatFixed2(f.hvlv), FormatFixed2(f.Psh),
                             FormatFixed4(f.Gsh), FormatFixed2(f.vsh), FormatFixed2(f.dPvlv),
                             FormatFixed4(f.dGsh), FormatFixed4(f.dGvlv)},
                            false));
    RtfTable(c.Report.RTBody, table);
    RtfRaw(c.Report.RTBody, "\\par ");
}

} // namespace orvane::inflow
