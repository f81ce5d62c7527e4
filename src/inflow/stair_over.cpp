// Air supply into an above-ground stairwell of type Н2.
#include <cmath>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/inflow_calc.h"
#include "inflow/inflow_report.h"
#include "inflow/input_read.h"

namespace orvane::inflow {

namespace {

double Root(double x) {
    return x >= 0 ? std::sqrt(x) : 0;
}

// The window coefficient Kw, kg/(h·m2·Pa^⅔), of the entry as the chosen row states it.
double WindowRowKoef(const TVarWinPenetration &row, double entry, double rhoA) {
    double Kw = std::pow(1.0 / row.SignBase, 2.0 / 3.0);
    if (row.OpMul) {
        if (row.ByRho)
            Kw *= rhoA;
        return Kw * entry;
    }
    if (entry == 0)
        return 0; // guard: only reached with no windows in play (the input step refuses it)
    // a volumetric resistance becomes a mass one by the density: ρa/R100, as ΔQ100·ρa
    if (row.ByRho)
        Kw *= rhoA;
    return Kw / entry;
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
    TOverGndStairValues v;

    // 1. Air
    OutsideAirDensity = AirDensity(ta);
    InsideAirDensity = AirDensity(tr);
    SWAirTemp = (ta + tr) / 2;
    SWAirDensity = AirDensity(SWAirTemp);
    const double rhoA = OutsideAirDensity, rhoR = InsideAirDensity, rhoS = SWAirDensity;
    WindPress = WindPressure(KoefWW, KoefW0, rhoA, WindSpeed);
    const double Pw = WindPress;

    // 2. Window normalisation (reported only): the entry of any row becomes the mass
    // permeability Gн at 10 Pa, the quantity the normalised resistance is defined by.
    if (WinPenetVariant < 0 || WinPenetVariant > 3)
        WinPenetVariant = 0;
    const TVarWinPenetration &row = VarWinPenetration[static_cast<size_t>(WinPenetVariant)];
    const double rowKw = WindowRowKoef(row, WinPenetration, rhoA);
    BuildingHeight = OGFloorQty < 1 ? 0 : h2 + dh * (OGFloorQty - 1);
    OutsideAirSpecWeight = SpecificWeight(ta);
    InsideAirSpecWeight = SpecificWeight(tr);
    NormDELTAAirPress = 0.55 * BuildingHeight * (OutsideAirSpecWeight - InsideAirSpecWeight) +
                        0.03 * InsideAirSpecWeight * WindSpeed * WindSpeed;
    WindowNormPermeability = rowKw * std::pow(10.0, 2.0 / 3.0);
    WindowNormAirResist = (WindowNormPermeability > 0 && NormDELTAAirPress / 10 > 0)
                              ? std::pow(NormDELTAAirPress / 10, 2.0 / 3.0) / WindowNormPermeability
                              : 0;

    // 3. Candidate design pressures
    const double dRho = rhoS - rhoR;
    v.P2 = Pplus - g * (0.5 * hd + h2) * dRho;
    v.P2W = v.P2 + Pw;
    v.P1 = Pplus - 4.905 * hd * dRho;
    v.P1W = v.P1 + Pw;
    v.P1s = Pplus - g * (0.5 * hd + h2 + (SWN1zone - 2) * dh) * dRho;

    // 4. Design pressure: door on the 2nd floor exactly when T3, wind in schemes 11, 13..16
    const bool zoneAbove = SWN1zone > 1;
    const int D = SchemeNumber(T1, T2, T3, T4);
    const bool withWind = D == 11 || D >= 13;
    if (zoneAbove)
        DesignPressure = v.P1s;
    else if (T3)
        DesignPressure = withWind ? v.P2W : v.P2;
    else
        DesignPressure = withWind ? v.P1W : v.P1;

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
    v.GsF = (T3 && T4) ? 0 : GasMassExps / CalculatedSWQty;
    SWAirExps = v.GsF < ExitAirExps ? ExitAirExps : v.GsF;

    // 8, 9. Wind term and window coefficient of the floor pass
    const double PwPrime = T1 ? Pw : 0;
    const bool firstFloorClosed = T3 && SWN1zone < 2;
    const double Kw = T1 ? rowKw : 0;
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

    WriteOverGndStairReport(*this, v);
}

} // namespace orvane::inflow
