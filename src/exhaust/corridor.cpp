// Smoke exhaust from a corridor or hall next to a burning room.
#include <cmath>

#include "core/number_text.h"
#include "exhaust/exhaust_calc.h"

namespace orvane::exhaust {

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
    RtfText(s, "\\par F\\sub w\\nosupersub\\b0  = 6 \\u8729? V\\super 2/3\\nosupersub  = ");
    RtfText(s, "6 \\u8729? " + F62(V) + "\\super 2/3\\nosupersub  = \\b " + F62(BarrierArea));
    RtfText(s, " м\\super 2\\nosupersub ");

    RtfRaw(s, "\\par\\par\\b ");
    RtfText(s, "Суммарная площадь проемов");
    RtfRaw(
        s,
        "\\par A\\sub 0\\nosupersub\\b0  = \\f1\\fs24\\u8721?\\f0\\fs20 A\\sub i\\nosupersub  = ");
    RtfRaw(s,
           "\\f1\\fs24\\u8721?\\f0\\fs20 (B\\sub i\\nosupersub  \\u8729? H\\sub i\\nosupersub ) = "
           "\\b " +
               F62(TotalDoorsArea));
    RtfText(s, " м");
    RtfRaw(s, "\\super 2\\nosupersub ");

    if (largeRoom)
        RtfText(s,
                "\\par\\par\\b Проемность помещения (объем \\u8805? 1000 м\\super 3\\nosupersub )");
    else
        RtfText(s, "\\par\\par\\b Проемность помещения (объем < 1000 м\\super 3\\nosupersub )");
    RtfText(s, "\\par П\\b0  = \\f1\\fs24\\u8721?\\f0\\fs20 ");
    RtfText(s, "(A\\sub i\\nosupersub  \\u8729? H\\sub i\\nosupersub\\super 1/2\\nosupersub ) / ");
    RtfText(s, std::string(largeRoom ? "F\\sub f\\nosupersub " : "V\\super 2/3\\nosupersub ") +
                   " = \\b " + F64(DoorRate));
    RtfText(s, " м\\super 1/2\\nosupersub ");

    RtfText(s, "\\par\\par\\b Количество воздуха, необходимое для полного сгорания пожарной "
               "нагрузки");
    RtfText(s, "\\par V\\sub 0\\nosupersub\\b0  = 0,263 \\u8729? Q\\sub нср\\nosupersub  = ");
    RtfText(s, "0,263 \\u8729? " + F62(FireLoad.BurnEnergy) + " = \\b ");
    RtfText(s, F62(NecSpecAirAmount) + " м\\super 3\\nosupersub /кг");

    RtfText(s, "\\par\\par\\b Температура воздуха в помещении");
    RtfText(s, "\\par T\\sub r\\nosupersub\\b0  = t\\sub a\\nosupersub  + 273 = ");
    RtfText(s, F62(Tr - 273) + " + 273 = \\b ");
    RtfText(s, F62(Tr) + " K");

    RtfText(s,
            "\\par\\par\\b Удельная пожарная нагрузка в помещении, приведенная к площади "
            "пола\\par g\\sub 0\\nosupersub\\b0  = q\\sub п\\nosupersub  / Q\\sub нд\\nosupersub "
            " = " +
                F62(qp) + " / " + F62(kWoodHeat) + " = \\b " + F62(FireLoadSpecFloor) +
                " кг/м\\super 2\\nosupersub ");

    RtfText(s, "\\par\\par\\b Удельная пожарная нагрузка в помещении, приведенная к площади "
               "ограждений\\par g\\sub k\\nosupersub\\b0  = F\\sub f\\nosupersub  \\u8729? "
               "q\\sub п\\nosupersub  / ((F\\sub w\\nosupersub  - A\\sub 0\\nosupersub ) \\u8729? "
               "Q\\sub нд\\nosupersub ) = " +
                   F62(FloorArea) + " \\u8729? " + F62(qp) + " / " + "((" + F62(BarrierArea) +
                   " - " + F62(TotalDoorsArea) + ") \\u8729? " + F62(kWoodHeat) + ") = \\b " +
                   F62(FireLoadSpecBarrier) + " кг/м\\super 2\\nosupersub ");

    RtfText(s, "\\par\\par\\b Критическая пожарная нагрузка в помещении");
    RtfText(s, "\\par g\\sub kкр\\nosupersub\\b0  = 4500 \\u8729? П\\super 3\\nosupersub  / ");
    RtfText(s, "(1 + 500 \\u8729? П\\super 3\\nosupersub ) + ");
    RtfText(s, "V\\super 1/3\\nosupersub  / (6 \\u8729? V\\sub 0\\nosupersub ) =\\par\\tab ");
    RtfText(s, "4500 \\u8729? " + F62(DoorRate) + "\\super 3\\nosupersub  / (1 + 500 \\u8729? ");
    RtfText(s, F62(DoorRate) + "\\super 3\\nosupersub ) + ");
    RtfText(s, F62(V) + "\\super 1/3\\nosupersub  / (6 \\u8729? ");
    RtfText(s, F62(NecSpecAirAmount) + ") = \\b ");
    RtfText(s, F62(FireLoadCritical) + " кг/м\\super 2\\nosupersub ");

    if (ventilationControlled) {
        RtfText(s, "\\par\\par\\b Пожарная нагрузка, приведенная к площади ограждений, выше "
                   "критической");
        RtfText(s, "\\par\\tab =>  пожар, регулируемый вентиляцией");
    } else {
        RtfText(s, "\\par\\par\\b Пожарная нагрузка, приведенная к площади ограждений, ниже "
                   "критической");
        RtfText(s, "\\par\\tab =>  пожар, регулируемый нагрузкой");
    }

    RtfText(s, "\\par\\par\\b Максимальная среднеобъёмная температура");
    RtfText(s, "\\par T\\sub 0max\\nosupersub\\b0  = T\\sub r\\nosupersub  + ");
    if (ventilationControlled) {
        RtfText(s, "940 \\u8729? exp(0.0047 \\u8729? g\\sub 0\\nosupersub  - 0.141) =\\par\\tab ");
        RtfText(s, F62(Tr) + " + 940 \\u8729? exp(0.0047 \\u8729? ");
        RtfText(s, F62(FireLoadSpecFloor) + " - 0.141) = \\b ");
    } else {
        RtfText(s, "224 \\u8729? g\\sub k\\nosupersub\\super 0.528\\nosupersub  =\\par\\tab ");
        RtfText(s, F62(Tr) + " + 224 \\u8729? ");
        RtfText(s, F62(FireLoadSpecBarrier) + "\\super 0.528\\nosupersub  = \\b ");
    }
    RtfText(s, FormatRoundedInt(MaxMeanGasTemp) + " K");

    RtfText(s, "\\par\\par\\b Температура в потоке газов, поступающих из горящего помещения");
    RtfText(s, "\\par T\\sub 0\\nosupersub\\b0  = 0,8 \\u8729? T\\sub 0max\\nosupersub  = ");
    RtfText(s, "0,8 \\u8729? " + FormatRoundedInt(MaxMeanGasTemp) + " = \\b ");
    RtfText(s, FormatRoundedInt(OutletGasTemp) + " K");

    const double Hsm = SmokeThickness;
    const double lc = CorridorLength;
    RtfText(s, "\\par\\par\\b Средняя температура дымового слоя в коридоре");
    RtfText(s, "\\par T\\sub sm\\nosupersub\\b0  = T\\sub r\\nosupersub  + 1,22 \\u8729? ");
    RtfText(s, "(T\\sub 0\\nosupersub  - T\\sub r\\nosupersub ) \\u8729? ");
    RtfText(s,
            "(2 \\u8729? h\\sub sm\\nosupersub  + A\\sub c\\nosupersub  / l\\sub c\\nosupersub ) "
            "/ l\\sub c\\nosupersub  \\u8729? ");
    RtfText(s, "\\par\\tab (1 - exp(-0.58 \\u8729? l\\sub c\\nosupersub  / ");
    RtfText(s,
            "(2 \\u8729? h\\sub sm\\nosupersub  + A\\sub c\\nosupersub  / l\\sub c\\nosupersub )))"
            " =\\par\\tab ");
    RtfText(s, F62(Tr) + " + 1,22 \\u8729? (" + FormatRoundedInt(OutletGasTemp) + " - ");
    RtfText(s, F62(Tr) + ") \\u8729? (2 \\u8729? " + F62(Hsm) + " + ");
    RtfText(s, F62(CorridorArea) + " / " + F62(lc) + ") / " + F62(lc) + " \\u8729?\\par\\tab ");
    RtfText(s, "(1 - exp(-0.58 \\u8729? " + F62(lc) + " / (2 \\u8729? " + F62(Hsm) + " + ");
    RtfText(s, F62(CorridorArea) + " / " + F62(lc) + "))) = \\b ");
    RtfText(s, FormatRoundedInt(MeanSmokeTemp) + " K");

    RtfText(s, "\\par\\par\\b Массовый расход продуктов горения, удаляемых из коридора");
    RtfText(s, "\\par G\\sub ПГ\\nosupersub\\b0  = k\\sub sm\\nosupersub  \\u8729? ");
    RtfText(s, "A\\sub d\\nosupersub  \\u8729? H\\sub d\\nosupersub\\super 1/2\\nosupersub  = ");
    RtfText(s, F62(SmokeCoef) + " \\u8729? " + F62(CorridorDoorArea) + " \\u8729? ");
    RtfText(s, F62(CorridorDoorHeight) + "\\super 1/2\\nosupersub  = \\b ");
    RtfText(s, F62(GasMassExps) + " кг/с");

    RtfText(s, "\\par\\par\\b Средняя плотность продуктов горения, удаляемых из коридора");
    RtfText(s, "\\par \\u0961?\\sub ПГ\\nosupersub\\b0  = 353 / T\\sub sm\\nosupersub  = ");
    RtfText(s, "353 / " + FormatRoundedInt(MeanSmokeTemp) + " = \\b ");
    RtfText(s, F62(MeanGasDensity) + " кг/м\\super 3\\nosupersub ");

    RtfText(s, "\\par\\par\\b Объемный расход продуктов горения, удаляемых из коридора");
    RtfText(s, "\\par L\\sub ПГ\\nosupersub\\b0  = G\\sub ПГ\\nosupersub  / ");
    RtfText(s, "\\u0961?\\sub ПГ\\nosupersub  \\u8729? 3600 = ");
    RtfText(s, F62(GasMassExps) + " / " + F62(MeanGasDensity) + " \\u8729? 3600 = \\b ");
    RtfText(s, FormatRoundedInt(GasVolumeExps) + " м\\super 3\\nosupersub /час");
}

} // namespace orvane::exhaust
