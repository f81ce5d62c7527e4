// Air supply into the stairwell of an underground part.
#include <cmath>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/inflow_calc.h"
#include "inflow/input_read.h"

namespace orvane::inflow {

TUnderGndStairResult InflowCalc::CalcUnderGndStairFloors(const TUnderGndStairPassArgs &a) {
    const double g = kG;
    const int n = a.UGFloorQty < 0 ? 0 : a.UGFloorQty;
    TUnderGndStairResult result(static_cast<size_t>(n));
    if (n == 0)
        return result;
    auto speed = [&](double G) { return (a.RhoS == 0 || a.FS == 0) ? 0 : G / a.RhoS / a.FS; };

    result[0].FloorNum = -1;
    result[0].Ps = a.Ps1;
    result[0].Gs = a.G0;
    double P = a.Ps1;
    double G = a.G0;
    double v = speed(G);
    P += 0.5 * a.XiS * a.RhoS * v * v;
    for (int j = 2; j <= n; ++j) {
        // Levels are negative as h(-n) is: h(-j) = -j·ΔhПЭ. The door of floor -j then sees
        // P - g·(h(-n) - (h(-j) - 0.5·hd))·(ρs - ρr), the printed formula read literally.
        const double hj = -j * a.dhPE;
        const double dPd = P - g * (a.hBottom - (hj - 0.5 * a.hd)) * (a.RhoS - a.RhoR);
        double t = a.Sd == 0 ? 0 : dPd / a.Sd;
        t = t >= 0 ? std::sqrt(t) : 0;
        const double dGsd = a.Fd * t;
        G += dGsd;
        v = speed(G);
        auto &rec = result[static_cast<size_t>(j - 1)];
        rec.FloorNum = -j;
        rec.Ps = dPd;
        rec.dGs = dGsd;
        rec.Gs = G;
        P += 0.5 * a.XiS * a.RhoS * v * v;
    }
    auto &last = result.back();
    if (a.RhoA != 0) {
        last.Lv = last.Gs * 3600 / a.RhoA;
        last.Psv = 1.2 / a.RhoA * (g * (a.RhoA - a.RhoR) * (a.h0s + a.dhPE) + last.Ps + a.Pds);
    }
    return result;
}

void InflowCalc::RunCalcUnderGndStair() {
    const double g = kG;
    const double ta = OutsideAirTemp, tr = InsideAirTemp;
    const double hd = DoorwayHeight, dh = UGFloorHeight;

    // 1, 2. Air and wind
    OutsideAirDensity = AirDensity(ta);
    InsideAirDensity = AirDensity(tr);
    SWAirTemp = (tr + ta) / 2;
    SWAirDensity = AirDensity(SWAirTemp);
    const double rhoA = OutsideAirDensity, rhoR = InsideAirDensity, rhoS = SWAirDensity;
    WindPress = WindPressure(KoefWW, KoefW0, rhoA, WindSpeed);

    // 3, 4. Lowest level and the minimum pressure at the door of floor -1
    UGHBottom = -dh * UGFloorQty;
    OpenSWPress = 20 + g * (-UGHBottom - (0.5 * hd + dh)) * (rhoS - rhoR);

    // 5. Outside exit
    const double Fda2 = OutsideDoorArea * OutsideDoorArea;
    const double FS2 = SWProjArea * SWProjArea;
    double S = 1;
    if (Fda2 != 0 && FS2 != 0)
        S = (OutDoorSeriesQty * OutsideDoorKoefXid + OutsideTambourKoefXir + 1) / Fda2 +
            SWKoefXis / FS2;
    if (IsZeroReal(S)) {
        ExitAirExps = 0;
    } else {
        const double X = WindPress + OpenSWPress - g * (UGHBottom - 0.5 * hd) * (rhoA - rhoS);
        ExitAirExps = std::sqrt(std::fabs(2 * rhoS * X / S));
    }

    // 6..8. Stairwells, open doorway, the flow accepted
    CalculatedSWQty = UGStairWellQty - 1 < 1 ? 1 : UGStairWellQty - 1;
    OpenSWAirExps = GasMassExps / CalculatedSWQty;
    SWAirExps = ExitAirExps < OpenSWAirExps ? OpenSWAirExps : ExitAirExps;

    // 10..13. Floor pass and fan
    UnderGndStairResult = CalcUnderGndStairFloors(
        {SWAirExps, OpenSWPress, UGFloorQty, UGPdsBelow, UGH0Below, ClosedDoorSpecResist,
         DoorwayArea, rhoA, rhoR, rhoS, hd, UGHBottom, dh, SWKoefXis, SWProjArea});
    const TUnderGndStairResult &floors = UnderGndStairResult;
    MassAirExps = floors.empty() ? 0 : floors.back().Gs;
    AirPressure = floors.empty() ? 0 : floors.back().Ps;
    const double LV = IsZeroReal(rhoA) ? 0 : 3600 * MassAirExps / rhoA;
    const double Psv =
        IsZeroReal(rhoA) ? 0
                         : 1.2 * (UGH0Below * g * (rhoA - rhoR) + AirPressure + UGPdsBelow) / rhoA;
    VolumeAirExps = LV;
    FanPress = Psv;

    const auto F2 = [](double x) { return FormatFixed2(x); };
    const std::string kgm3 = " кг/м\\super 3\\nosupersub ";
    Line("\\par\\b T\\sub a\\nosupersub\\b0  = t\\sub a\\nosupersub  + 273,15 = \\b ");
    Line(F2(ta + kCelsiusZero));
    Line(" K\\b0 ");
    ValueLine("\\par\\b T\\sub r\\nosupersub\\b0  = t\\sub r\\nosupersub  + 273,15 = \\b ",
              F2(tr + kCelsiusZero), " K");
    ValueLine("\\par Плотность наружного воздуха\\par\\b \\u0961?\\sub a\\nosupersub\\b0  = 353 / "
              "T\\sub a\\nosupersub  = \\b ",
              F2(rhoA), kgm3);
    ValueLine(
        "\\par Плотность воздуха в помещении\\par\\b \\u0961?\\sub r\\nosupersub\\b0  = 353 / "
        "T\\sub r\\nosupersub  = \\b ",
        F2(rhoR), kgm3);
    ValueLine(
        "\\par Средняя температура воздуха в лестничной клетке\\par\\b t\\sub s\\nosupersub\\b0 "
        " = (t\\sub r\\nosupersub  + t\\sub a\\nosupersub ) / 2 = \\b ",
        F2(SWAirTemp), " °C");
    ValueLine("\\par\\b T\\sub s\\nosupersub\\b0  = t\\sub s\\nosupersub  + 273,15 = \\b ",
              F2(SWAirTemp + kCelsiusZero), " K");
    ValueLine(
        "\\par Плотность воздуха в лестничной клетке\\par\\b \\u0961?\\sub s\\nosupersub\\b0  = "
        "353 / T\\sub s\\nosupersub  = \\b ",
        F2(rhoS), kgm3);
    ValueLine("\\par Ветровой напор\\par\\b P\\sub wind\\nosupersub\\b0  = 0,25 \\u8729? (K\\sub "
              "WW\\nosupersub  - K\\sub W0\\nosupersub ) \\u8729? \\u0961?\\sub a\\nosupersub  "
              "\\u8729? v\\sub a\\nosupersub\\super 2\\nosupersub  = \\b ",
              F2(WindPress), " Па");
    ValueLine(
        "\\par Отметка уровня нижнего подземного этажа\\par\\b h\\sub (-n)\\nosupersub\\b0  = "
        "-\\u0916?h\\sub ПЭ\\nosupersub  \\u8729? N\\sub ПЭ\\nosupersub  = \\b ",
        F2(UGHBottom), " м");
    ValueLine("\\par Минимально необходимое давление на уровне двери 1-го подземного этажа\\par\\b "
              "P\\sub s(-1)\\nosupersub\\b0  = 20 + g \\u8729? (h\\sub (-n)\\nosupersub  - (h\\sub "
              "(-1)\\nosupersub  + 0,5 \\u8729? h\\sub d\\nosupersub )) \\u8729? (\\u0961?\\sub "
              "s\\nosupersub  - \\u0961?\\sub r\\nosupersub ) = \\b ",
              F2(OpenSWPress), " Па");
    ValueLine(
        "\\par Минимально необходимый расход воздуха через наружный выход ЛК\\par\\b G\\sub "
        "sa\\nosupersub\\b0  = \\{2 \\u8729? \\u0961?\\sub s\\nosupersub  \\u8729? [P\\sub "
        "wind\\nosupersub  + P\\sub s(-1)\\nosupersub  - g \\u8729? (h\\sub (-n)\\nosupersub  "
        "- 0,5 \\u8729? h\\sub d\\nosupersub ) \\u8729? (\\u0961?\\sub a\\nosupersub  - "
        "\\u0961?\\sub s\\nosupersub )] / \\par\\tab\\tab\\tab [(n \\u8729? \\u0958?\\sub "
        "d\\nosupersub  + \\u0958?\\sub r\\nosupersub  + 1) / F\\sub da\\nosupersub\\super "
        "2\\nosupersub  + \\u0958?\\sub s\\nosupersub  / F\\sub s\\nosupersub\\super "
        "2\\nosupersub ]\\}\\super 1/2\\nosupersub  = \\b ",
        F2(ExitAirExps), " кг/с");
    ValueLine("\\par Количество лестничных клеток, принятое к расчёту\\par\\b q\\b0  = max(p - 1; "
              "1) = \\b ",
              IntText(CalculatedSWQty), "");
    ValueLine("\\par Расход воздуха через открытый проем верхнего подземного этажа\\par\\b G\\sub "
              "s(-1)\\nosupersub\\b0  = G\\sub sm\\nosupersub  / q = \\b ",
              F2(OpenSWAirExps), " кг/с");
    ValueLine("\\par Расход воздуха, принятый к расчёту\\par\\b G\\sub s\\nosupersub\\b0  = "
              "max(G\\sub s(-1)\\nosupersub , G\\sub sa\\nosupersub ) = \\b ",
              F2(SWAirExps), " кг/с");
    Line("\\par\\b Расчётные зависимости давления и расхода воздуха на нижележащих "
         "этажах\\b0\\par ");
    Line("\\par\\tab Давление воздуха, Па\\par\\tab\\b P\\sub s(i)\\nosupersub\\b0  = P\\sub "
         "s(i+1)\\nosupersub  + 0,5 \\u8729? \\u0958?\\sub s\\nosupersub  \\u8729? \\u0961?\\sub "
         "s\\nosupersub  \\u8729? v\\sub s(i+1)\\nosupersub\\super 2\\nosupersub \\par ");
    Line("\\par\\tab Утечки через неплотности дверных проёмов\\par\\tab\\b \\u0916?G\\sub "
         "sd(i)\\nosupersub\\b0  = F\\sub d\\nosupersub  / S\\sub d\\nosupersub\\super "
         "1/2\\nosupersub  \\u8729? [P\\sub s(i)\\nosupersub  - g \\u8729? (h\\sub Nэ\\nosupersub  "
         "- "
         "(h\\sub (i)\\nosupersub  - 0,5 \\u8729? h\\sub d\\nosupersub )) \\u8729? (\\u0961?\\sub "
         "s\\nosupersub  - \\u0961?\\sub r\\nosupersub )]\\super 1/2\\nosupersub \\par ");
    Line("\\par\\tab Массовый расход воздуха, кг/с\\par\\tab\\b G\\sub s(i)\\nosupersub\\b0  = "
         "G\\sub "
         "s(i-1)\\nosupersub  + \\u0916?G\\sub sd(i)\\nosupersub \\par ");
    Line("\\par\\tab Скорость воздуха, м/с\\par\\tab\\b v\\sub s(i)\\nosupersub\\b0  = G\\sub "
         "s(i)\\nosupersub  / (\\u0961?\\sub s\\nosupersub  \\u8729? F\\sub s\\nosupersub )\\par ");
    Line("\\par\\b Система приточной противодымной вентиляции\\b0\\par ");
    ValueLine("\\par Массовый расход воздуха на нижнем подземном этаже\\par\\b \\u0931?G\\sub "
              "s\\nosupersub\\b0  = \\b ",
              F2(MassAirExps), " кг/с");
    ValueLine(
        "\\par Давление воздуха на нижнем подземном этаже\\par\\b P\\sub s\\nosupersub\\b0  = "
        "\\b ",
        F2(AirPressure), " Па");
    ValueLine("\\par\\b\\ul Объёмный расход вентилятора\\ul0\\par L\\sub v\\nosupersub\\b0  = 3600 "
              "\\u8729? \\u0931?G\\sub s\\nosupersub  / \\u0961?\\sub a\\nosupersub  = \\b ",
              FormatRoundedInt(LV), " м\\super 3\\nosupersub /ч");
    ValueLine(
        "\\par\\b\\ul Статическое давление вентилятора, приведённое к нормальным "
        "условиям\\ul0\\par P\\sub sv\\nosupersub\\b0  = 1,2 \\u8729? [P\\sub s\\nosupersub  "
        "+ g \\u8729? h\\sub 0s\\nosupersub  \\u8729? (\\u0961?\\sub a\\nosupersub  - "
        "\\u0961?\\sub r\\nosupersub ) + P\\sub ds\\nosupersub ] / \\u0961?\\sub a\\nosupersub "
        " = \\b ",
        F2(Psv), " Па");

    // 14. The fan command sends what the lowest floor's row shows.
    VolumeAirExps = floors.empty() ? 0 : floors.back().Lv;
    FanPress = floors.empty() ? 0 : floors.back().Psv;

    Line("\\par\\b Таблица 1. Давление и расходы воздуха на подземных этажах\\b0\\par\\par ");
    TRTFTable table;
    auto cell = [](std::string text, bool bold) {
        return TRTFTableCell{1200, std::move(text), TRTFHorJustify::horjCenter, bold};
    };
    TRTFTableRow head;
    for (const char *h :
         {"Этаж", "P, Па", "\\u0916?G\\sub двери\\nosupersub ", "G, кг/с",
          "L\\sub v\\nosupersub , м\\super 3\\nosupersub /ч", "P\\sub sv\\nosupersub , Па"})
        head.push_back(cell(h, true));
    table.push_back(std::move(head));
    for (const auto &f : floors) {
        table.push_back({cell(IntText(f.FloorNum), false), cell(F2(f.Ps), false),
                         cell(F2(f.dGs), false), cell(F2(f.Gs), false),
                         cell(f.Lv == 0 ? "" : FormatRoundedInt(f.Lv), false),
                         cell(f.Psv == 0 ? "" : FormatRoundedInt(f.Psv), false)});
    }
    RtfTable(Report.RTBody, table);
    RtfRaw(Report.RTBody, "\\par ");
}

} // namespace orvane::inflow
