// Air supply into the stairwell of an underground part.
#include <cmath>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/inflow_calc.h"
#include "inflow/inflow_report.h"
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
    result[0].Pst = a.Ps1;
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
        rec.Pst = P;
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
    TUnderGndStairValues v;

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
    v.LV = IsZeroReal(rhoA) ? 0 : 3600 * MassAirExps / rhoA;
    // 13. The intake height reaches from the head down to floor -1, where Ps(-1) is referenced:
    // the printed fan pressure is the one the fan receives.
    v.Psv = IsZeroReal(rhoA)
                ? 0
                : 1.2 * (AirPressure + (UGH0Below + dh) * g * (rhoA - rhoR) + UGPdsBelow) / rhoA;
    // 14. The fan command sends what the lowest floor's row shows; the report prints both.
    VolumeAirExps = floors.empty() ? 0 : floors.back().Lv;
    FanPress = floors.empty() ? 0 : floors.back().Psv;

    WriteUnderGndStairReport(*this, v);
}

} // namespace orvane::inflow
