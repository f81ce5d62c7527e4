// Smoke exhaust from a corridor or hall next to a burning room.
#include <cmath>

#include "core/number_text.h"
#include "exhaust/exhaust_calc.h"
#include "report/rtf_symbols.h"

namespace orvane::exhaust {

using namespace rtf;

namespace {
constexpr double kWoodHeat = 13.8; // Q_нд, MJ/kg
}

void ExhaustCalc::RunCalcCorridor() {
    const double V = RoomVolume;
    const double volume23 = std::pow(V, 2.0 / 3.0);
    BarrierArea = 6 * volume23;

    TotalDoorsArea = 0;
    DoorRate = 0;
    for (const auto &door : DoorSizes) {
        TotalDoorsArea += door[0] * door[1];
        DoorRate += door[0] * std::pow(door[1], 1.5);
    }
    const bool largeRoom = V >= 1000;
    if (largeRoom) {
        if (FloorArea != 0)
            DoorRate /= FloorArea;
    } else if (volume23 != 0) {
        DoorRate /= volume23;
    }

    const double qp = FireLoadDensity.FLDensity;
    NecSpecAirAmount = 0.263 * FireLoad.BurnEnergy;
    FireLoadSpecFloor = qp / kWoodHeat;
    FireLoadSpecBarrier = FloorArea * qp;
    if (BarrierArea - TotalDoorsArea != 0)
        FireLoadSpecBarrier /= BarrierArea - TotalDoorsArea;
    FireLoadSpecBarrier /= kWoodHeat;

    const double p3 = DoorRate * DoorRate * DoorRate;
    const double volume13 = std::cbrt(V);
    FireLoadCritical = 4500 * p3 / (1 + 500 * p3) +
                       (NecSpecAirAmount != 0 ? volume13 / (6 * NecSpecAirAmount) : volume13 / 6);

    const bool ventilationControlled = FireLoadSpecBarrier >= FireLoadCritical;
    if (ventilationControlled)
        MaxMeanGasTemp = RoomAirTemp + 940 * std::exp(0.0047 * FireLoadSpecFloor - 0.141);
    else
        MaxMeanGasTemp = RoomAirTemp + 224 * std::pow(FireLoadSpecBarrier, 0.528);
    OutletGasTemp = 0.8 * MaxMeanGasTemp;

    MeanSmokeTemp = RoomAirTemp;
    if (CorridorLength != 0) {
        const double D = 2 * SmokeThickness + CorridorArea / CorridorLength;
        // guard: D -> 0 (no layer, no corridor area) drives the excess temperature to 0
        if (D != 0)
            MeanSmokeTemp = RoomAirTemp + 1.22 * (OutletGasTemp - RoomAirTemp) * D /
                                              CorridorLength *
                                              (1 - std::exp(-0.58 * CorridorLength / D));
    }
    GasMassExps = SmokeCoef * CorridorDoorArea * std::sqrt(CorridorDoorHeight);
    MeanGasDensity = MeanSmokeTemp != 0 ? 353 / MeanSmokeTemp : 0.5;
    GasVolumeExps = GasMassExps / MeanGasDensity * 3600;

    // --- report ---
    RtfStream &s = Report.RTBody;
    const double Tr = RoomAirTemp;
    RtfHeading(s, "РАСЧЁТНЫЕ ВЕЛИЧИНЫ");
    MSResAddRoomSize();

    RtfText(s, "\\par\\par\\b Площадь ограждающих конструкций");
    RtfText(s, "\\par F" + Sub("w") + "\\b0  = 6" + kTimes + "V" + Sup("2/3") + "  = ");
    RtfText(s, "6" + kTimes + F62(V) + Sup("2/3") + "  = \\b " + F62(BarrierArea));
    RtfText(s, " м" + Sup("2") + " ");

    RtfRaw(s, "\\par\\par\\b ");
    RtfText(s, "Суммарная площадь проемов");
    RtfRaw(s,
           "\\par A" + Sub("0") + "\\b0  = \\f1\\fs24" + kSum + "\\f0\\fs20 A" + Sub("i") + "  = ");
    RtfRaw(s, "\\f1\\fs24" + kSum + "\\f0\\fs20 (B" + Sub("i") + " " + kTimes + "H" + Sub("i") +
                  " ) = \\b " + F62(TotalDoorsArea));
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
                   F64(DoorRate));
    RtfText(s, " м" + Sup("1/2") + " ");

    RtfText(s,
            "\\par\\par\\b Количество воздуха, необходимое для полного сгорания пожарной нагрузки");
    RtfText(s,
            "\\par V" + Sub("0") + "\\b0  = " + Num("0.263") + kTimes + "Q" + Sub("нср") + "  = ");
    RtfText(s, Num("0.263") + kTimes + F62(FireLoad.BurnEnergy) + " = \\b ");
    RtfText(s, F62(NecSpecAirAmount) + " м" + Sup("3") + " /кг");

    RtfText(s, "\\par\\par\\b Температура воздуха в помещении");
    RtfText(s, "\\par T" + Sub("r") + "\\b0  = t" + Sub("a") + "  + 273 = ");
    RtfText(s, F62(Tr - 273) + " + 273 = \\b ");
    RtfText(s, F62(Tr) + " К");

    RtfText(
        s,
        "\\par\\par\\b Удельная пожарная нагрузка в помещении, приведенная к площади пола\\par g" +
            Sub("0") + "\\b0  = q" + Sub("п") + "  / Q" + Sub("нд") + "  = " + F62(qp) + " / " +
            F62(kWoodHeat) + " = \\b " + F62(FireLoadSpecFloor) + " кг/м" + Sup("2") + " ");

    RtfText(s, "\\par\\par\\b Удельная пожарная нагрузка в помещении, приведенная к площади "
               "ограждений\\par g" +
                   Sub("k") + "\\b0  = F" + Sub("f") + " " + kTimes + "q" + Sub("п") + "  / ((F" +
                   Sub("w") + "  - A" + Sub("0") + " )" + kTimes + "Q" + Sub("нд") +
                   " ) = " + F62(FloorArea) + kTimes + F62(qp) + " / " + "((" + F62(BarrierArea) +
                   " - " + F62(TotalDoorsArea) + ")" + kTimes + F62(kWoodHeat) + ") = \\b " +
                   F62(FireLoadSpecBarrier) + " кг/м" + Sup("2") + " ");

    RtfText(s, "\\par\\par\\b Критическая пожарная нагрузка в помещении");
    RtfText(s, "\\par g" + Sub("kкр") + "\\b0  = 4500" + kTimes + "П" + Sup("3") + "  / ");
    RtfText(s, "(1 + 500" + kTimes + "П" + Sup("3") + " ) + ");
    RtfText(s, "V" + Sup("1/3") + "  / (6" + kTimes + "V" + Sub("0") + " ) =\\par\\tab ");
    RtfText(s, "4500" + kTimes + F62(DoorRate) + Sup("3") + "  / (1 + 500" + kTimes);
    RtfText(s, F62(DoorRate) + Sup("3") + " ) + ");
    RtfText(s, F62(V) + Sup("1/3") + "  / (6" + kTimes);
    RtfText(s, F62(NecSpecAirAmount) + ") = \\b ");
    RtfText(s, F62(FireLoadCritical) + " кг/м" + Sup("2") + " ");

    if (ventilationControlled) {
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

    RtfText(s, "\\par\\par\\b Максимальная среднеобъёмная температура");
    RtfText(s, "\\par T" + Sub("0max") + "\\b0  = T" + Sub("r") + "  + ");
    if (ventilationControlled) {
        RtfText(s, "940" + kTimes + "exp(" + Num("0.0047") + kTimes + "g" + Sub("0") + "  - " +
                       Num("0.141") + ") =\\par\\tab ");
        RtfText(s, F62(Tr) + " + 940" + kTimes + "exp(" + Num("0.0047") + kTimes);
        RtfText(s, F62(FireLoadSpecFloor) + " - " + Num("0.141") + ") = \\b ");
    } else {
        RtfText(s, "224" + kTimes + "g" + Sub("k") + Sup(Num("0.528")) + "  =\\par\\tab ");
        RtfText(s, F62(Tr) + " + 224" + kTimes);
        RtfText(s, F62(FireLoadSpecBarrier) + Sup(Num("0.528")) + "  = \\b ");
    }
    RtfText(s, FormatRoundedInt(MaxMeanGasTemp) + " К");

    RtfText(s, "\\par\\par\\b Температура в потоке газов, поступающих из горящего помещения");
    RtfText(s,
            "\\par T" + Sub("0") + "\\b0  = " + Num("0.8") + kTimes + "T" + Sub("0max") + "  = ");
    RtfText(s, Num("0.8") + kTimes + FormatRoundedInt(MaxMeanGasTemp) + " = \\b ");
    RtfText(s, FormatRoundedInt(OutletGasTemp) + " К");

    const double Hsm = SmokeThickness;
    const double lc = CorridorLength;
    RtfText(s, "\\par\\par\\b Средняя температура дымового слоя в коридоре");
    RtfText(s, "\\par T" + Sub("sm") + "\\b0  = T" + Sub("r") + "  + " + Num("1.22") + kTimes);
    RtfText(s, "(T" + Sub("0") + "  - T" + Sub("r") + " )" + kTimes);
    RtfText(s, "(2" + kTimes + "h" + Sub("sm") + "  + A" + Sub("c") + "  / l" + Sub("c") +
                   " ) / l" + Sub("c") + " " + kTimes);
    RtfText(s, "\\par\\tab (1 - exp(-" + Num("0.58") + kTimes + "l" + Sub("c") + "  / ");
    RtfText(s, "(2" + kTimes + "h" + Sub("sm") + "  + A" + Sub("c") + "  / l" + Sub("c") +
                   " ))) =\\par\\tab ");
    RtfText(s,
            F62(Tr) + " + " + Num("1.22") + kTimes + "(" + FormatRoundedInt(OutletGasTemp) + " - ");
    RtfText(s, F62(Tr) + ")" + kTimes + "(2" + kTimes + F62(Hsm) + " + ");
    RtfText(s, F62(CorridorArea) + " / " + F62(lc) + ") / " + F62(lc) + " " + kDot + "\\par\\tab ");
    RtfText(s, "(1 - exp(-" + Num("0.58") + kTimes + F62(lc) + " / (2" + kTimes + F62(Hsm) + " + ");
    RtfText(s, F62(CorridorArea) + " / " + F62(lc) + "))) = \\b ");
    RtfText(s, FormatRoundedInt(MeanSmokeTemp) + " К");

    RtfText(s, "\\par\\par\\b Массовый расход продуктов горения, удаляемых из коридора");
    RtfText(s, "\\par G" + Sub("ПГ") + "\\b0  = k" + Sub("sm") + " " + kTimes);
    RtfText(s, "A" + Sub("d") + " " + kTimes + "H" + Sub("d") + Sup("1/2") + "  = ");
    RtfText(s, F62(SmokeCoef) + kTimes + F62(CorridorDoorArea) + kTimes);
    RtfText(s, F62(CorridorDoorHeight) + Sup("1/2") + "  = \\b ");
    RtfText(s, F62(GasMassExps) + " кг/с");

    RtfText(s, "\\par\\par\\b Средняя плотность продуктов горения, удаляемых из коридора");
    RtfText(s, "\\par " + kRho + Sub("ПГ") + "\\b0  = 353 / T" + Sub("sm") + "  = ");
    RtfText(s, "353 / " + FormatRoundedInt(MeanSmokeTemp) + " = \\b ");
    RtfText(s, F62(MeanGasDensity) + " кг/м" + Sup("3") + " ");

    RtfText(s, "\\par\\par\\b Объемный расход продуктов горения, удаляемых из коридора");
    RtfText(s, "\\par L" + Sub("ПГ") + "\\b0  = G" + Sub("ПГ") + "  / ");
    RtfText(s, kRho + Sub("ПГ") + " " + kTimes + "3600 = ");
    RtfText(s, F62(GasMassExps) + " / " + F62(MeanGasDensity) + kTimes + "3600 = \\b ");
    RtfText(s, FormatRoundedInt(GasVolumeExps) + " м" + Sup("3") + " /ч");
}

} // namespace orvane::exhaust
