// Air supply into the stairwell of an underground part: the page read into the inputs, the exit
// and doorway flows, the floor pass and the fan.
#include "inflow/stair_under.h"

#include <cmath>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/input_read.h"

namespace orvane::inflow {

UndergroundStairFloors UndergroundStairFloorPass(const UndergroundStairPass &a) {
    const double g = kG;
    const int n = a.FloorCount < 0 ? 0 : a.FloorCount;
    UndergroundStairFloors result(static_cast<size_t>(n));
    if (n == 0)
        return result;
    const double rhoS = a.StairDensity, rhoR = a.InsideDensity;
    auto speed = [&](double G) {
        return (rhoS == 0 || a.FlightsArea == 0) ? 0 : G / rhoS / a.FlightsArea;
    };

    result[0].FloorNumber = -1;
    result[0].DoorPressureDiff = a.TopDoorPressure;
    result[0].StairPressure = a.TopDoorPressure;
    result[0].StairFlow = a.DesignFlow;
    double P = a.TopDoorPressure;
    double G = a.DesignFlow;
    double v = speed(G);
    P += 0.5 * a.FlightsXi * rhoS * v * v;
    for (int j = 2; j <= n; ++j) {
        // Levels are negative as h(-n) is: h(-j) = -j·ΔhПЭ. The door of floor -j then sees
        // P - g·(h(-n) - (h(-j) - 0.5·hd))·(ρs - ρr), the printed formula read literally.
        const double hj = -j * a.FloorHeight;
        const double dPd = P - g * (a.BottomLevel - (hj - 0.5 * a.DoorHeight)) * (rhoS - rhoR);
        double t = a.DoorResist == 0 ? 0 : dPd / a.DoorResist;
        t = t >= 0 ? std::sqrt(t) : 0;
        const double dGsd = a.DoorArea * t;
        G += dGsd;
        v = speed(G);
        UndergroundStairFloor &rec = result[static_cast<size_t>(j - 1)];
        rec.FloorNumber = -j;
        rec.DoorPressureDiff = dPd;
        rec.StairPressure = P;
        rec.DoorLeak = dGsd;
        rec.StairFlow = G;
        P += 0.5 * a.FlightsXi * rhoS * v * v;
    }
    UndergroundStairFloor &last = result.back();
    const double rhoA = a.OutsideDensity;
    if (rhoA != 0) {
        last.FanVolumeFlow = last.StairFlow * 3600 / rhoA;
        last.FanPressure = 1.2 / rhoA *
                           (g * (rhoA - rhoR) * (a.IntakeToHeadHeight + a.FloorHeight) +
                            last.DoorPressureDiff + a.IntakeDuctLoss);
    }
    return result;
}

UndergroundStairStop UndergroundStairCalc::Read(RunFrame &frame, const InflowInputs &in) {
    UndergroundStairInputs &s = inputs_;
    if (!ReadCountInput(frame, in, ctl::EditUGFloorQty, kMaxFloorCount, kFloorCountLimitMessage,
                        s.FloorCount))
        return UndergroundStairStop::floorCount;
    // guard: without an underground floor there is no open doorway and no flow to size
    if (s.FloorCount < 1) {
        frame.Warn("Число подземных этажей должно быть не менее одного:\r    Nпэ ≥ 1",
                   ctl::EditUGFloorQty);
        return UndergroundStairStop::floorCount;
    }
    s.FloorHeight = std::fabs(ReadRealControl(in, ctl::EditUGFloorHeight));
    if (!ReadCountInput(frame, in, ctl::EditUGStairWellQty, kMaxStairwellCount,
                        kStairwellCountLimitMessage, s.StairwellCount))
        return UndergroundStairStop::stairwellCount;
    ReadStairAir(in, s.Stairwell);
    ReadStairDoors(in, s.Stairwell, true);
    s.IntakeToHeadHeight = ReadRealControl(in, ctl::EditUGH0Below);
    s.IntakeDuctLoss = ReadRealControl(in, ctl::EditUGPdsBelow);
    return UndergroundStairStop::none;
}

bool UndergroundStairCalc::ReadInputs(RunFrame &frame, InflowInputs &in, RtfStream &report) {
    const UndergroundStairStop stop = Read(frame, in);
    WriteUndergroundStairInputs(report, inputs_, stop);
    return stop == UndergroundStairStop::none;
}

void UndergroundStairCalc::Calculate(RunFrame &, RtfStream &report) {
    Compute();
    WriteUndergroundStairReport(report, inputs_, results_);
}

void UndergroundStairCalc::Compute() {
    const UndergroundStairInputs &s = inputs_;
    const StairwellInputs &stair = s.Stairwell;
    UndergroundStairResults &r = results_;
    const double g = kG;
    const double hd = stair.FloorDoorHeight, dh = s.FloorHeight;

    // 1, 2. Air and wind
    ComputeStairAir(stair, r.Stairwell);
    const double rhoA = r.Stairwell.Air.OutsideAirDensity;
    const double rhoR = r.Stairwell.Air.InsideAirDensity;
    const double rhoS = r.Stairwell.StairAirDensity;

    // 3, 4. Lowest level and the minimum pressure at the door of floor -1
    r.BottomLevel = -dh * s.FloorCount;
    r.TopDoorPressure = 20 + g * (-r.BottomLevel - (0.5 * hd + dh)) * (rhoS - rhoR);

    // 5. Outside exit
    const double Fda2 = stair.ExitDoorArea * stair.ExitDoorArea;
    const double FS2 = stair.FlightsArea * stair.FlightsArea;
    double S = 1;
    if (Fda2 != 0 && FS2 != 0)
        S = (stair.ExitDoorsInSeries * stair.ExitDoorXi + stair.ExitTambourXi + 1) / Fda2 +
            stair.FlightsXi / FS2;
    if (IsZeroReal(S)) {
        r.Stairwell.ExitFlow = 0;
    } else {
        const double X = r.Stairwell.Air.WindPressure + r.TopDoorPressure -
                         g * (r.BottomLevel - 0.5 * hd) * (rhoA - rhoS);
        r.Stairwell.ExitFlow = std::sqrt(std::fabs(2 * rhoS * X / S));
    }

    // 6..8. Stairwells, open doorway, the flow accepted
    r.Stairwell.CountedStairwells = CountedStairwells(s.StairwellCount);
    r.DoorwayShareFlow = stair.SmokeMassFlow / r.Stairwell.CountedStairwells;
    r.Stairwell.DesignFlow =
        r.Stairwell.ExitFlow < r.DoorwayShareFlow ? r.DoorwayShareFlow : r.Stairwell.ExitFlow;

    // 10..13. Floor pass and fan
    r.Floors = UndergroundStairFloorPass({
        .DesignFlow = r.Stairwell.DesignFlow,
        .TopDoorPressure = r.TopDoorPressure,
        .FloorCount = s.FloorCount,
        .IntakeDuctLoss = s.IntakeDuctLoss,
        .IntakeToHeadHeight = s.IntakeToHeadHeight,
        .DoorResist = stair.ClosedDoorResist,
        .DoorArea = stair.FloorDoorArea,
        .OutsideDensity = rhoA,
        .InsideDensity = rhoR,
        .StairDensity = rhoS,
        .DoorHeight = hd,
        .BottomLevel = r.BottomLevel,
        .FloorHeight = dh,
        .FlightsXi = stair.FlightsXi,
        .FlightsArea = stair.FlightsArea,
    });
    r.BottomFlow = r.Floors.empty() ? 0 : r.Floors.back().StairFlow;
    r.BottomPressure = r.Floors.empty() ? 0 : r.Floors.back().DoorPressureDiff;
    r.PrintedVolumeFlow = IsZeroReal(rhoA) ? 0 : 3600 * r.BottomFlow / rhoA;
    // 13. The intake height reaches from the head down to floor -1, where Ps(-1) is referenced:
    // the printed fan pressure is the one the fan receives.
    r.PrintedFanPressure =
        IsZeroReal(rhoA) ? 0
                         : 1.2 *
                               (r.BottomPressure + (s.IntakeToHeadHeight + dh) * g * (rhoA - rhoR) +
                                s.IntakeDuctLoss) /
                               rhoA;
    // 14. The fan command sends what the lowest floor's row shows; the report prints both.
    r.FanVolumeFlow = r.Floors.empty() ? 0 : r.Floors.back().FanVolumeFlow;
    r.FanPressure = r.Floors.empty() ? 0 : r.Floors.back().FanPressure;
}

} // namespace orvane::inflow
