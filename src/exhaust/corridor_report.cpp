// The corridor's report: the enclosure and its openings, the fire load and the fire's regime,
// the temperatures and the smoke to be removed, each with its formula and numbers.
#include <string>

#include "core/number_text.h"
#include "exhaust/exhaust_report.h"
#include "exhaust/smoke_method.h"
#include "report/rtf_symbols.h"

namespace orvane::exhaust {

using namespace rtf;
using method::kWoodHeat;

namespace {

void WriteEnclosure(RtfStream &s, const ExhaustCalc &c) {
    const double V = c.RoomVolume;
    const bool largeRoom = V >= method::kLargeRoomVolume;

    RtfText(s, "\\par\\par\\b Площадь ограждающих конструкций");
    RtfText(s, "\\par F" + Sub("w") + "\\b0  = 6" + kTimes + "V" + Sup("2/3") + "  = ");
    RtfText(s, "6" + kTimes + F62(V) + Sup("2/3") + "  = \\b " + F62(c.BarrierArea));
    RtfText(s, " м" + Sup("2") + " ");

    RtfRaw(s, "\\par\\par\\b ");
    RtfText(s, "Суммарная площадь проемов");
    RtfRaw(s,
           "\\par A" + Sub("0") + "\\b0  = \\f1\\fs24" + kSum + "\\f0\\fs20 A" + Sub("i") + "  = ");
    RtfRaw(s, "\\f1\\fs24" + kSum + "\\f0\\fs20 (B" + Sub("i") + " " + kTimes + "H" + Sub("i") +
                  " ) = \\b " + F62(c.TotalDoorsArea));
    RtfText(s, " м");
    RtfRaw(s, Sup("2") + " ");

    if (largeRoom)
        RtfText(s, "\\par\\par\\b Проемность помещения (объем " + kGreaterEq + " 1000 м" +
                       Sup("3") + " )");
    else
        RtfText(s, "\\par\\par\\b Проемность помещения (объем < 1000 м" + Sup("3") + " )");
    RtfText(s, "\\par П\\b0  = \\f1\\fs24" + kSum + "\\f0\\fs20 ");
    RtfText(s, "(A" + Sub("i") + " " + kTimes + "H" + Sub("i") + Sup("1/2") + " ) / ");
    RtfText(s, std::string(largeRoom ? "F" + Sub("f") + " " : "V" + Sup("2/3") + " ") + " = \\b " +
                   F64(c.DoorRate));
    RtfText(s, " м" + Sup("1/2") + " ");
}

void WriteFireLoad(RtfStream &s, const ExhaustCalc &c) {
    const double Tr = c.RoomAirTempK;
    const double V = c.RoomVolume;
    const double qp = c.FireLoadDensity.FLDensity;
    RtfText(s,
            "\\par\\par\\b Количество воздуха, необходимое для полного сгорания пожарной нагрузки");
    RtfText(s,
            "\\par V" + Sub("0") + "\\b0  = " + Num("0.263") + kTimes + "Q" + Sub("нср") + "  = ");
    RtfText(s, Num("0.263") + kTimes + F62(c.FireLoad.BurnEnergy) + " = \\b ");
    RtfText(s, F62(c.NecSpecAirAmount) + " м" + Sup("3") + " /кг");

    RtfText(s, "\\par\\par\\b Температура воздуха в помещении");
    RtfText(s, "\\par T" + Sub("r") + "\\b0  = t" + Sub("a") + "  + 273 = ");
    RtfText(s, F62(Tr - 273) + " + 273 = \\b ");
    RtfText(s, F62(Tr) + " К");

    RtfText(
        s,
        "\\par\\par\\b Удельная пожарная нагрузка в помещении, приведенная к площади пола\\par g" +
            Sub("0") + "\\b0  = q" + Sub("п") + "  / Q" + Sub("нд") + "  = " + F62(qp) + " / " +
            F62(kWoodHeat) + " = \\b " + F62(c.FireLoadSpecFloor) + " кг/м" + Sup("2") + " ");

    RtfText(s, "\\par\\par\\b Удельная пожарная нагрузка в помещении, приведенная к площади "
               "ограждений\\par g" +
                   Sub("k") + "\\b0  = F" + Sub("f") + " " + kTimes + "q" + Sub("п") + "  / ((F" +
                   Sub("w") + "  - A" + Sub("0") + " )" + kTimes + "Q" + Sub("нд") + " ) = " +
                   F62(c.FloorArea) + kTimes + F62(qp) + " / " + "((" + F62(c.BarrierArea) + " - " +
                   F62(c.TotalDoorsArea) + ")" + kTimes + F62(kWoodHeat) + ") = \\b " +
                   F62(c.FireLoadSpecBarrier) + " кг/м" + Sup("2") + " ");

    RtfText(s, "\\par\\par\\b Критическая пожарная нагрузка в помещении");
    RtfText(s, "\\par g" + Sub("kкр") + "\\b0  = 4500" + kTimes + "П" + Sup("3") + "  / ");
    RtfText(s, "(1 + 500" + kTimes + "П" + Sup("3") + " ) + ");
    RtfText(s, "V" + Sup("1/3") + "  / (6" + kTimes + "V" + Sub("0") + " ) =\\par\\tab ");
    RtfText(s, "4500" + kTimes + F62(c.DoorRate) + Sup("3") + "  / (1 + 500" + kTimes);
    RtfText(s, F62(c.DoorRate) + Sup("3") + " ) + ");
    RtfText(s, F62(V) + Sup("1/3") + "  / (6" + kTimes);
    RtfText(s, F62(c.NecSpecAirAmount) + ") = \\b ");
    RtfText(s, F62(c.FireLoadCritical) + " кг/м" + Sup("2") + " ");

    if (CorridorFireVentilationControlled(c)) {
        RtfText(
            s,
            "\\par\\par\\b Пожарная нагрузка, приведенная к площади ограждений, выше критической");
        RtfText(s, "\\par\\tab =>  пожар, регулируемый вентиляцией");
    } else {
        RtfText(
            s,
            "\\par\\par\\b Пожарная нагрузка, приведенная к площади ограждений, ниже критической");
        RtfText(s, "\\par\\tab =>  пожар, регулируемый нагрузкой");
    }
}

void WriteTemperatures(RtfStream &s, const ExhaustCalc &c) {
    const double Tr = c.RoomAirTempK;
    RtfText(s, "\\par\\par\\b Максимальная среднеобъёмная температура");
    RtfText(s, "\\par T" + Sub("0max") + "\\b0  = T" + Sub("r") + "  + ");
    if (CorridorFireVentilationControlled(c)) {
        RtfText(s, "940" + kTimes + "exp(" + Num("0.0047") + kTimes + "g" + Sub("0") + "  - " +
                       Num("0.141") + ") =\\par\\tab ");
        RtfText(s, F62(Tr) + " + 940" + kTimes + "exp(" + Num("0.0047") + kTimes);
        RtfText(s, F62(c.FireLoadSpecFloor) + " - " + Num("0.141") + ") = \\b ");
    } else {
        RtfText(s, "224" + kTimes + "g" + Sub("k") + Sup(Num("0.528")) + "  =\\par\\tab ");
        RtfText(s, F62(Tr) + " + 224" + kTimes);
        RtfText(s, F62(c.FireLoadSpecBarrier) + Sup(Num("0.528")) + "  = \\b ");
    }
    RtfText(s, FormatRoundedInt(c.MaxMeanGasTemp) + " К");

    RtfText(s, "\\par\\par\\b Температура в потоке газов, поступающих из горящего помещения");
    RtfText(s,
            "\\par T" + Sub("0") + "\\b0  = " + Num("0.8") + kTimes + "T" + Sub("0max") + "  = ");
    RtfText(s, Num("0.8") + kTimes + FormatRoundedInt(c.MaxMeanGasTemp) + " = \\b ");
    RtfText(s, FormatRoundedInt(c.OutletGasTemp) + " К");

    const double Hsm = c.SmokeThickness;
    const double lc = c.CorridorLength;
    RtfText(s, "\\par\\par\\b Средняя температура дымового слоя в коридоре");
    RtfText(s, "\\par T" + Sub("sm") + "\\b0  = T" + Sub("r") + "  + " + Num("1.22") + kTimes);
    RtfText(s, "(T" + Sub("0") + "  - T" + Sub("r") + " )" + kTimes);
    RtfText(s, "(2" + kTimes + "h" + Sub("sm") + "  + A" + Sub("c") + "  / l" + Sub("c") +
                   " ) / l" + Sub("c") + " " + kTimes);
    RtfText(s, "\\par\\tab (1 - exp(-" + Num("0.58") + kTimes + "l" + Sub("c") + "  / ");
    RtfText(s, "(2" + kTimes + "h" + Sub("sm") + "  + A" + Sub("c") + "  / l" + Sub("c") +
                   " ))) =\\par\\tab ");
    RtfText(s, F62(Tr) + " + " + Num("1.22") + kTimes + "(" + FormatRoundedInt(c.OutletGasTemp) +
                   " - ");
    RtfText(s, F62(Tr) + ")" + kTimes + "(2" + kTimes + F62(Hsm) + " + ");
    RtfText(s,
            F62(c.CorridorArea) + " / " + F62(lc) + ") / " + F62(lc) + " " + kDot + "\\par\\tab ");
    RtfText(s, "(1 - exp(-" + Num("0.58") + kTimes + F62(lc) + " / (2" + kTimes + F62(Hsm) + " + ");
    RtfText(s, F62(c.CorridorArea) + " / " + F62(lc) + "))) = \\b ");
    RtfText(s, FormatRoundedInt(c.MeanSmokeTemp) + " К");
}

void WriteSmokeFlow(RtfStream &s, const ExhaustCalc &c) {
    RtfText(s, "\\par\\par\\b Массовый расход продуктов горения, удаляемых из коридора");
    RtfText(s, "\\par G" + Sub("ПГ") + "\\b0  = k" + Sub("sm") + " " + kTimes);
    RtfText(s, "A" + Sub("d") + " " + kTimes + "H" + Sub("d") + Sup("1/2") + "  = ");
    RtfText(s, F62(c.SmokeCoef) + kTimes + F62(c.CorridorDoorArea) + kTimes);
    RtfText(s, F62(c.CorridorDoorHeight) + Sup("1/2") + "  = \\b ");
    RtfText(s, F62(c.GasMassFlow) + " кг/с");

    RtfText(s, "\\par\\par\\b Средняя плотность продуктов горения, удаляемых из коридора");
    RtfText(s, "\\par " + kRho + Sub("ПГ") + "\\b0  = 353 / T" + Sub("sm") + "  = ");
    RtfText(s, "353 / " + FormatRoundedInt(c.MeanSmokeTemp) + " = \\b ");
    RtfText(s, F62(c.MeanGasDensity) + " кг/м" + Sup("3") + " ");

    RtfText(s, "\\par\\par\\b Объемный расход продуктов горения, удаляемых из коридора");
    RtfText(s, "\\par L" + Sub("ПГ") + "\\b0  = G" + Sub("ПГ") + "  / ");
    RtfText(s, kRho + Sub("ПГ") + " " + kTimes + "3600 = ");
    RtfText(s, F62(c.GasMassFlow) + " / " + F62(c.MeanGasDensity) + kTimes + "3600 = \\b ");
    RtfText(s, FormatRoundedInt(c.GasVolumeFlow) + " м" + Sup("3") + " /ч");
}

} // namespace

void WriteCorridorCalculation(RtfStream &s, const ExhaustCalc &c) {
    RtfHeading(s, "РАСЧЁТНЫЕ ВЕЛИЧИНЫ");
    WriteRoomSize(s, c);
    WriteEnclosure(s, c);
    WriteFireLoad(s, c);
    WriteTemperatures(s, c);
    WriteSmokeFlow(s, c);
}

} // namespace orvane::exhaust
