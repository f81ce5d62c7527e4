// Air supply into an above-ground stairwell of type Н2.
#include <cmath>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/inflow_calc.h"
#include "inflow/input_read.h"

namespace orvane::inflow {

namespace {

double Root(double x) {
    return x >= 0 ? std::sqrt(x) : 0;
}

} // namespace

TOverGndStairResult InflowCalc::CalcOverGndStairFloors(const TOverGndStairPassArgs &a) {
    const double g = kG;
    const int n1 = a.SWN1zone < 1 ? 1 : a.SWN1zone;
    const int n2 = a.SWN2zone < 1 ? a.OGFloorQty : a.SWN2zone;
    const long long count = static_cast<long long>(n2) - n1 + 1;
    if (count < 1)
        return {};
    TOverGndStairResult result(static_cast<size_t>(count));
    const double dRho = a.RhoS - a.RhoR;

    double Ps = 0, dPd = 0, dGsd = 0, dGsw = 0, Gw = 0, dPs = 0;
    auto windowLeak = [&](double X) {
        Gw = X > 0 ? a.Kw * std::pow(X, 2.0 / 3.0) : 0;
        dGsw = Gw * a.Fw / 3600;
    };

    int k = n1;
    double dFloorH = k == 1 ? a.h2 : a.dhNE;
    double FloorH = k == 1 ? 0 : a.h2 + (k - 2) * a.dhNE;
    if (!a.FirstFloorClosed) {
        Ps = a.Pdes;
        dPd = Ps - a.PwPrime + g * (0.5 * a.hd + FloorH) * dRho;
    }
    double Gs = a.G0;
    for (long long i = count - 1; i >= 0; --i) {
        if (i != count - 1) {
            ++k;
            FloorH += dFloorH;
            dFloorH = a.dhNE;
            if (a.FirstFloorClosed && k == 2) {
                // the design floor of a stairwell whose 1st floor is shut off
                Ps = a.Pdes;
                Gs = a.G0;
                windowLeak(Ps + g * FloorH * (a.RhoA - a.RhoS));
                dPd = Ps + g * (0.5 * a.hd + FloorH) * dRho - a.PwPrime;
            } else {
                Ps += dPs;
                windowLeak(Ps + g * FloorH * dRho);
                // the door leakage is driven by the pressure difference of the floor below
                const double t = a.Sd == 0 ? 0 : std::sqrt(std::fabs(dPd / a.Sd));
                dGsd = dPd < 0 ? -a.Fd * t : a.Fd * t;
                dPd = Ps + g * (0.5 * a.hd + FloorH) * dRho - a.PwPrime;
            }
            Gs = Gs + dGsd + dGsw;
        }
        const double v = (a.RhoS == 0 || a.FS == 0) ? 0 : Gs / a.RhoS / a.FS;
        dPs = 0.5 * a.XiS * a.RhoS * v * v;
        result[static_cast<size_t>(i)] = {k, dFloorH, FloorH, v, dPs, Ps, dPd, dGsd, Gs, dGsw, Gw};
    }
    return result;
}

void InflowCalc::RunCalcOverGndStair() {
    const double g = kG;
    const bool T1 = SWTerm1, T2 = SWTerm2, T3 = SWTerm3, T4 = SWTerm4;
    const double ta = OutsideAirTemp, tr = InsideAirTemp;
    const double hd = DoorwayHeight, h2 = SecondFloorLevel, dh = OGFloorHeight;
    const double Pplus = OGPplus;

    // 1. Air
    OutsideAirDensity = AirDensity(ta);
    InsideAirDensity = AirDensity(tr);
    SWAirTemp = (ta + tr) / 2;
    SWAirDensity = AirDensity(SWAirTemp);
    const double rhoA = OutsideAirDensity, rhoR = InsideAirDensity, rhoS = SWAirDensity;
    WindPress = WindPressure(KoefWW, KoefW0, rhoA, WindSpeed);
    const double Pw = WindPress;

    // 2. Window normalisation (reported only)
    BuildingHeight = OGFloorQty < 1 ? 0 : h2 + dh * (OGFloorQty - 1);
    OutsideAirSpecWeight = SpecificWeight(ta);
    InsideAirSpecWeight = SpecificWeight(tr);
    NormDELTAAirPress = 0.55 * BuildingHeight * (OutsideAirSpecWeight - InsideAirSpecWeight) +
                        0.03 * InsideAirSpecWeight * WindSpeed * WindSpeed;
    WindowNormAirResist = (WinPenetration != 0 && NormDELTAAirPress / 10 > 0)
                              ? std::pow(NormDELTAAirPress / 10, 2.0 / 3.0) / WinPenetration
                              : 0;

    // 3. Candidate design pressures
    const double dRho = rhoS - rhoR;
    const double P2 = Pplus - g * (0.5 * hd + h2) * dRho;
    const double P2W = P2 + Pw;
    const double P1 = Pplus - 4.905 * hd * dRho;
    const double P1W = P1 + Pw;
    const double P1s = Pplus - g * (0.5 * hd + h2 + (SWN1zone - 2) * dh) * dRho;

    // 4. Design pressure: door on the 2nd floor exactly when T3, wind in schemes 11, 13..16
    const bool zoneAbove = SWN1zone > 1;
    const int D = SchemeNumber(T1, T2, T3, T4);
    const bool withWind = D == 11 || D >= 13;
    if (zoneAbove)
        DesignPressure = P1s;
    else if (T3)
        DesignPressure = withWind ? P2W : P2;
    else
        DesignPressure = withWind ? P1W : P1;

    // 5. Outside exit flows
    const double hda = OutsideDoorHeight;
    const double exitXi = OutDoorSeriesQty * OutsideDoorKoefXid + OutsideTambourKoefXir + 1;
    const double Fda2 = OutsideDoorArea * OutsideDoorArea;
    const double FS2 = SWProjArea * SWProjArea;
    double S = Fda2 == 0 ? 0 : exitXi / Fda2;
    if (FS2 != 0)
        S += SWKoefXis / FS2;
    if (S != 0)
        S = 2 * rhoS / S;
    const double GA =
        Root(S * (Pw + Pplus - g * (0.5 * hd + h2) * dRho + 4.905 * hda * (rhoA - rhoS)));
    S = Fda2 == 0 ? 0 : exitXi / Fda2;
    if (S != 0)
        S = 2 * rhoS / S;
    const double GB = Root(S * (Pw + Pplus + 4.905 * hda * (rhoA - rhoS)));
    ExitAirExps = (!T2 || zoneAbove) ? 0 : (T3 ? GA : GB);

    // 6. Stairwells and the flow at the design door
    CalculatedSWQty = OGStairWellQty - 1 < 1 ? 1 : OGStairWellQty - 1;
    const double GsF = (T3 && T4) ? 0 : GasMassExps / CalculatedSWQty;
    SWAirExps = GsF < ExitAirExps ? ExitAirExps : GsF;

    // 8, 9. Wind term and window coefficient of the floor pass
    const double PwPrime = T1 ? Pw : 0;
    const bool firstFloorClosed = T3 && SWN1zone < 2;
    if (WinPenetVariant < 0 || WinPenetVariant > 3)
        WinPenetVariant = 0;
    const TVarWinPenetration &row = VarWinPenetration[static_cast<size_t>(WinPenetVariant)];
    double Kw = std::pow(1.0 / row.SignBase, 2.0 / 3.0);
    if (row.OpMul) {
        if (row.ByRho)
            Kw *= rhoA;
        Kw *= WinPenetration;
    } else if (WinPenetration == 0) {
        Kw = 0; // guard: only reached with no windows in play (the input step refuses it)
    } else {
        // a volumetric resistance becomes a mass one by the density: ρa/R100, as ΔQ100·ρa
        if (row.ByRho)
            Kw *= rhoA;
        Kw /= WinPenetration;
    }
    if (!T1)
        Kw = 0;
    WindowKoef = Kw;

    // 10. Floor pass
    OverGndStairResult = CalcOverGndStairFloors(
        {DesignPressure, SWAirExps, OGFloorQty, SWN1zone, SWN2zone, WindowArea, Kw, PwPrime,
         firstFloorClosed, hd, h2, dh, ClosedDoorSpecResist, DoorwayArea, SWKoefXis, rhoA, rhoR,
         rhoS, SWProjArea});
    const TOverGndStairResult &floors = OverGndStairResult;

    // 11. Head of the stairwell
    HeadAirExps = floors.empty() ? 0 : floors[0].Gs;
    HeadPressure = floors.empty() ? 0 : floors[0].dPs + floors[0].Ps;
    ServedHeight = 0;
    for (const auto &f : floors)
        ServedHeight += f.dFloorH;

    // 12. Supply duct and fan
    const DuctSectionResult duct = DuctSection(APipeIsRect, APipeSizeA, APipeSizeB);
    const DuctLossResult loss =
        DuctNetworkLoss(HeadAirExps, rhoA, duct.F, duct.De, APipeEpsilon, APipeLen, APipeXi);
    APipeArea = duct.F;
    APipeDiamEq = duct.De;
    APipeSpeed = loss.v;
    APipeDynPress = loss.Pd;
    APipeRe = loss.Re;
    APipeLambda = loss.f;
    APipeSpecFriction = loss.dPf;
    APipeLoss = loss.P;
    VolumeAirExps = rhoA == 0 ? 0 : 3600 * HeadAirExps / rhoA;
    FanPress = rhoA == 0 ? 0
                         : 1.2 *
                               (ServedHeight * g * (rhoA - rhoS) + HeadPressure +
                                OGH0s * g * (rhoA - rhoR) + APipeLoss) /
                               rhoA;

    // 13. Report
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
        " = (t\\sub a\\nosupersub  + t\\sub r\\nosupersub ) / 2 = \\b ",
        F2(SWAirTemp), " °C");
    ValueLine("\\par\\b T\\sub s\\nosupersub\\b0  = t\\sub s\\nosupersub  + 273,15 = \\b ",
              F2(SWAirTemp + kCelsiusZero), " K");
    ValueLine(
        "\\par Плотность воздуха в лестничной клетке\\par\\b \\u0961?\\sub s\\nosupersub\\b0  = "
        "353 / T\\sub s\\nosupersub  = \\b ",
        F2(rhoS), kgm3);
    if (T1) {
        ValueLine(
            "\\par Ветровое давление внутри здания\\par\\b P\\sub w\\nosupersub\\b0  = 0,25 "
            "\\u8729? (K\\sub WW\\nosupersub  - K\\sub W0\\nosupersub ) \\u8729? \\u0961?\\sub "
            "a\\nosupersub  \\u8729? v\\sub a\\nosupersub\\super 2\\nosupersub  = \\b ",
            F2(Pw), " Па");
        Line("\\par\\b Нормированное  сопротивление воздухопроницанию оконных проемов согласно "
             "СНиП II 3-79\\b0\\par ");
        ValueLine("\\par Расчетная высота здания до уровня перекрытия верхнего этажа\\par\\b "
                  "H\\sub зд\\nosupersub \\b0  = h\\sub (2)\\nosupersub  + \\u0916?h\\sub "
                  "нэ\\nosupersub  \\u8729? (N\\sub нэ\\nosupersub  - 1) = \\b ",
                  F2(BuildingHeight), " м");
        ValueLine("\\par Удельный вес наружного воздуха\\par\\b \\u0947?\\sub a\\nosupersub\\b0  = "
                  "3463 / T\\sub a\\nosupersub  = \\b ",
                  F2(OutsideAirSpecWeight), " Н/м\\super 3\\nosupersub ");
        ValueLine(
            "\\par Удельный вес внутреннего воздуха\\par\\b \\u0947?\\sub r\\nosupersub\\b0  = "
            "3463 / T\\sub r\\nosupersub  = \\b ",
            F2(InsideAirSpecWeight), " Н/м\\super 3\\nosupersub ");
        ValueLine("\\par Нормированная разность давлений воздуха\\par\\b \\u0916?p\\b0  = 0,55 "
                  "\\u8729? H\\sub зд\\nosupersub  \\u8729? (\\u0947?\\sub a\\nosupersub  - "
                  "\\u0947?\\sub r\\nosupersub ) + 0,03 \\u8729? \\u0947?\\sub r\\nosupersub  "
                  "\\u8729? v\\sub a\\nosupersub\\super 2\\nosupersub  = \\b ",
                  F2(NormDELTAAirPress), " Па");
        Line("\\par Нормированное сопротивление воздухопроницанию\\par\\b R\\sub п\\nosupersub\\b0 "
             " = (1 / G\\sub Н\\nosupersub ) \\u8729? (\\u0916?p / \\u0916?p\\sub 0\\nosupersub "
             ")\\super 2/3\\nosupersub  = \\b ");
        Line(F2(WindowNormAirResist));
        Line(" м\\super 2\\nosupersub \\u8729?ч/кг\\b0 \\tab , где \\u0916?p\\sub 0\\nosupersub  = "
             "10 Па\\b0\\par ");
    }
    const bool zoneFrom1 = !zoneAbove;
    const std::string floor2Head = "\\par Давление на уровне двери ЛК 2-го этажа\\par\\b P\\sub "
                                   "s(2)\\nosupersub\\b0  = ";
    const std::string floor1Head = "\\par Давление на уровне двери ЛК 1-го этажа\\par\\b P\\sub "
                                   "s(1)\\nosupersub\\b0  = ";
    const std::string dRhoText =
        "(\\u0961?\\sub s\\nosupersub  - \\u0961?\\sub r\\nosupersub ) = \\b ";
    if (zoneFrom1 && T3)
        ValueLine(
            floor2Head +
                (T2 ? "P\\super +\\nosupersub  + P\\sub w\\nosupersub  - "
                    : "P\\super +\\nosupersub  - ") +
                "g\\u8729?(h\\sub (2)\\nosupersub  + 0,5\\u8729?h\\sub d\\nosupersub )\\u8729?" +
                dRhoText,
            F2(T2 ? P2W : P2), " Па");
    if (zoneFrom1 && !T3)
        ValueLine(floor1Head +
                      (T2 ? "P\\super +\\nosupersub  + P\\sub w\\nosupersub  - "
                          : "P\\super +\\nosupersub  - ") +
                      "0,5\\u8729?g\\u8729?h\\sub d\\nosupersub \\u8729?" + dRhoText,
                  F2(T2 ? P1W : P1), " Па");
    if (zoneAbove)
        ValueLine("\\par Давление на уровне двери ЛК нижнего этажа зоны\\par\\b P\\sub "
                  "s(1s)\\nosupersub\\b0  = P\\super +\\nosupersub  - g\\u8729?(h\\sub "
                  "(1s)\\nosupersub  + 0,5\\u8729?h\\sub d\\nosupersub )\\u8729?" +
                      dRhoText,
                  F2(P1s), " Па");
    if (T2 && zoneFrom1) {
        Line("\\par Расход воздуха через наружный выход лестничной клетки");
        const std::string head = "\\par\\b G\\sub sa\\nosupersub\\b0  = \\{2\\u8729?\\u0961?\\sub "
                                 "s\\nosupersub \\u8729?[P\\super +\\nosupersub  + P\\sub "
                                 "w\\nosupersub  ";
        const std::string exitPart = "+ 0,5\\u8729?g\\u8729?h\\sub da\\nosupersub \\u8729?"
                                     "(\\u0961?\\sub a\\nosupersub  - \\u0961?\\sub s\\nosupersub "
                                     ")] / \\par\\tab\\tab\\tab [(n\\u8729?\\u0958?\\sub "
                                     "d\\nosupersub  + \\u0958?\\sub r\\nosupersub  + 1) / F\\sub "
                                     "da\\nosupersub\\super 2\\nosupersub ";
        if (T3)
            ValueLine(
                head +
                    "- g\\u8729?(h\\sub (2)\\nosupersub  + 0,5\\u8729?h\\sub d\\nosupersub "
                    ")\\u8729?(\\u0961?\\sub s\\nosupersub  - \\u0961?\\sub r\\nosupersub ) " +
                    exitPart +
                    " + \\u0958?\\sub s\\nosupersub  / F\\sub s\\nosupersub\\super "
                    "2\\nosupersub ]\\}\\super 1/2\\nosupersub  = \\b ",
                F2(ExitAirExps), " кг/с");
        else
            ValueLine(head + exitPart + "]\\}\\super 1/2\\nosupersub  = \\b ", F2(ExitAirExps),
                      " кг/с");
    }
    if (zoneAbove || !T3 || !T4) {
        ValueLine("\\par Количество лестничных клеток, принятое к расчёту\\par\\b q\\b0  = max(p - "
                  "1; 1) = \\b ",
                  IntText(CalculatedSWQty), "");
        ValueLine("\\par Расход воздуха через открытый проём лестничной клетки\\par\\b G\\sub "
                  "s(F)\\nosupersub\\b0  = G\\sub sm\\nosupersub  / q = \\b ",
                  F2(GsF), " кг/с");
    }
    if (T2 && !T4 && zoneFrom1)
        ValueLine("\\par Расход воздуха, принятый к расчёту\\par\\b G\\sub s\\nosupersub\\b0  = "
                  "max(G\\sub s(F)\\nosupersub ; G\\sub sa\\nosupersub ) = \\b ",
                  F2(SWAirExps), " кг/с");

    Line("\\par\\b Расчётные зависимости давления и расхода воздуха на вышележащих "
         "этажах\\b0\\par ");
    Line("\\par\\tab Давление воздуха в лестничной клетке, Па\\par\\tab\\b P\\sub "
         "s(i+1)\\nosupersub\\b0  = P\\sub s(i)\\nosupersub  + "
         "0,5\\u8729?\\u0958?\\sub s\\nosupersub \\u8729?\\u0961?\\sub s\\nosupersub "
         "\\u8729?v\\sub s(i)\\nosupersub\\super 2\\nosupersub \\par ");
    Line(
        "\\par\\tab Утечки через неплотности дверных проёмов\\par\\tab\\b \\u0916?G\\sub "
        "sd(i)\\nosupersub\\b0  = F\\sub d(i)\\nosupersub  / S\\sub d\\nosupersub\\super "
        "1/2\\nosupersub  \\u8729? [P\\sub s(i)\\nosupersub  + g\\u8729?(h\\sub (i)\\nosupersub  + "
        "0,5\\u8729?h\\sub d(i)\\nosupersub )\\u8729?(\\u0961?\\sub s\\nosupersub  - \\u0961?\\sub "
        "r\\nosupersub )");
    Line(T1 ? " - P\\sub w\\nosupersub ]\\super 1/2\\nosupersub \\par "
            : "]\\super 1/2\\nosupersub \\par ");
    Line(
        "\\par\\tab Утечки через неплотности оконных проёмов\\par\\tab\\b \\u0916?G\\sub "
        "sw(i)\\nosupersub\\b0  = (F\\sub w\\nosupersub  / R\\sub п\\nosupersub  / "
        "3600)\\u8729?\\{[P\\sub s(i)\\nosupersub  + g\\u8729?(h\\sub (i)\\nosupersub  + "
        "0,5\\u8729?h\\sub d(i)\\nosupersub )\\u8729?(\\u0961?\\sub s\\nosupersub  - \\u0961?\\sub "
        "r\\nosupersub )] / 10\\}\\super 2/3\\nosupersub \\par ");
    Line("\\par\\tab Расход воздуха в лестничной клетке, кг/с\\par\\tab\\b G\\sub "
         "s(i+1)\\nosupersub\\b0  = G\\sub s(i)\\nosupersub  + \\u0916?G\\sub "
         "s(i+1)\\nosupersub \\par ");
    Line("\\par\\tab Скорость воздуха в лестничной клетке, м/с\\par\\tab\\b v\\sub "
         "s(i)\\nosupersub\\b0  = G\\sub s(i)\\nosupersub  / (\\u0961?\\sub s\\nosupersub "
         "\\u8729?F\\sub s\\nosupersub )\\par ");
    Line("\\par\\tab Объёмный расход вентилятора, м\\super 3\\nosupersub /ч\\par\\tab\\b L\\sub "
         "v\\nosupersub\\b0  = 3600 \\u8729? \\u0931?G\\sub s\\nosupersub  / \\u0961?\\sub "
         "a\\nosupersub \\par ");
    Line("\\par\\tab Давление вентилятора, Па\\par\\tab\\b P\\sub sv\\nosupersub\\b0  = "
         "1,2\\u8729?\\{P\\sub sN\\nosupersub  + g\\u8729?h\\sub sN\\nosupersub "
         "\\u8729?(\\u0961?\\sub a\\nosupersub  - \\u0961?\\sub s\\nosupersub ) + g\\u8729?h\\sub "
         "0l\\nosupersub \\u8729?(\\u0961?\\sub a\\nosupersub  - \\u0961?\\sub r\\nosupersub ) + "
         "P\\sub ds\\nosupersub \\} / \\u0961?\\sub a\\nosupersub \\par ");

    Line("\\par\\b Система приточной противодымной вентиляции\\b0\\par ");
    ValueLine("\\par Массовый расход воздуха\\par\\b G\\sub s\\nosupersub\\b0  = \\b ",
              F2(HeadAirExps), " кг/с");
    ValueLine("\\par Давление в оголовке ЛК\\par\\b P\\sub sv\\nosupersub\\b0  = \\b ",
              F2(HeadPressure), " Па");
    ValueLine("\\par Высота обслуживаемой зоны ЛК\\par\\b h\\sub sN\\nosupersub\\b0  = \\b ",
              F2(ServedHeight), " м");
    ValueLine("\\par Площадь сечения воздуховодов\\par\\b F\\sub ВВ\\nosupersub\\b0  = \\b ",
              F2(APipeArea), " м\\super 2\\nosupersub ");
    ValueLine("\\par Эквивалентный диаметр воздуховодов\\par\\b D\\sub Э\\nosupersub\\b0  = \\b ",
              FormatRoundedInt(APipeDiamEq), " мм");
    ValueLine("\\par Скорость воздуха\\par\\b v\\sub вв\\nosupersub\\b0  = G\\sub s\\nosupersub  / "
              "\\u0961?\\sub a\\nosupersub  / F\\sub вв\\nosupersub  = \\b ",
              F2(APipeSpeed), " м/с");
    ValueLine("\\par Динамическое давление\\par\\b P\\sub d\\nosupersub\\b0  = \\b ",
              F2(APipeDynPress), " Па");
    ValueLine("\\par Коэффициент сопротивления трению    1/\\u8730?f = -2\\u8729?log[\\u0949?/"
              "(3.7\\u8729?D\\sub э\\nosupersub ) + 2.51/(Re\\u8729?\\u8730?f)]\\par\\b f\\b0  = "
              "\\b ",
              FormatFixed4(APipeLambda), "");
    ValueLine("\\par Удельное сопротивление трению\\par\\b \\u0916?P\\sub f\\nosupersub\\b0  = "
              "P\\sub d\\nosupersub \\u8729?f / D\\sub Э\\nosupersub  = \\b ",
              F2(APipeSpecFriction), " Па/м");
    ValueLine(
        "\\par Потери давления в сети от ВПУ до оголовка ЛК\\par\\b P\\sub вв\\nosupersub\\b0 "
        " = \\u0916?P\\sub f\\nosupersub \\u8729?I\\sub вв\\nosupersub  + \\u0958?\\sub "
        "вв\\nosupersub \\u8729?P\\sub d\\nosupersub  = \\b ",
        F2(APipeLoss), " Па");
    ValueLine("\\par\\b\\ul Объёмный расход вентилятора\\ul0\\par L\\sub V\\nosupersub\\b0  = "
              "3600\\u8729?G\\sub s\\nosupersub  / \\u0961?\\sub a\\nosupersub  = \\b ",
              FormatRoundedInt(VolumeAirExps), " м\\super 3\\nosupersub /ч");
    ValueLine(
        "\\par\\b\\ul Статическое давление вентилятора, приведённое к нормальным "
        "условиям\\ul0\\par P\\sub sv\\nosupersub\\b0  = 1,2\\u8729?\\{P\\sub L\\nosupersub  + "
        "g\\u8729?h\\sub lN\\nosupersub \\u8729?(\\u0961?\\sub a\\nosupersub  - \\u0961?\\sub "
        "l\\nosupersub ) + g\\u8729?h\\sub 0s\\nosupersub \\u8729?(\\u0961?\\sub a\\nosupersub "
        " - \\u0961?\\sub r\\nosupersub ) + P\\sub вв\\nosupersub \\} / \\u0961?\\sub "
        "a\\nosupersub  = \\b ",
        FormatRoundedInt(FanPress), " Па");
    Line("\\par\\b Таблица 1. Давление и расходы воздуха по этажам\\b0\\par\\par ");

    TRTFTable table;
    auto cell = [](int width, std::string text, bool bold) {
        return TRTFTableCell{width, std::move(text), TRTFHorJustify::horjCenter, bold};
    };
    const char *const header[10] = {
        "Этаж",
        "h\\sub э\\nosupersub , м",
        "v, м/с",
        "\\u0916?P\\sub s\\nosupersub , Па",
        "P\\sub s\\nosupersub , Па",
        "\\u0916?P\\sub d\\nosupersub , Па",
        "\\u0916?G\\sub sd\\nosupersub , кг/с",
        "G\\sub s\\nosupersub , кг/с",
        "\\u0916?G\\sub sw\\nosupersub , кг/с",
        "G\\sub w\\nosupersub , кг/ч/м\\super 2\\nosupersub ",
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
    RtfTable(Report.RTBody, table);
    RtfRaw(Report.RTBody, "\\par ");
}

} // namespace orvane::inflow
