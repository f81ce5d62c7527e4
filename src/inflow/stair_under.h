#pragma once
// Air supply into the stairwell of an underground part: its inputs, its results floor by floor,
// and the calculator that reads, computes and writes them.

#include <vector>

#include "inflow/stairwell.h"
#include "report/run_frame.h"

namespace orvane::inflow {

struct UndergroundStairInputs {
    int FloorCount = InflowStartCount(ctl::EditUGFloorQty);         // N_ПЭ
    double FloorHeight = InflowStart(ctl::EditUGFloorHeight);       // Δh_ПЭ, m
    int StairwellCount = InflowStartCount(ctl::EditUGStairWellQty); // p
    StairwellInputs Stairwell;
    double IntakeToHeadHeight = InflowStart(ctl::EditUGH0Below); // h_0s, m
    double IntakeDuctLoss = InflowStart(ctl::EditUGPdsBelow);    // P_ds, Pa
};

struct UndergroundStairFloor {
    int FloorNumber = 0;
    // P, Pa: the stairwell's pressure on floor -1 (the design floor), the door's difference on
    // the floors below it
    double DoorPressureDiff = 0;
    double StairPressure = 0; // P_s(i), the stairwell's pressure at the floor, Pa
    double DoorLeak = 0;      // ΔG through the door, kg/s
    double StairFlow = 0;     // G, kg/s
    double FanVolumeFlow = 0; // L_v, m3/h (the lowest floor's row only)
    double FanPressure = 0;   // P_sv, Pa (the lowest floor's row only)
};
using UndergroundStairFloors = std::vector<UndergroundStairFloor>; // element 0: floor -1

struct UndergroundStairResults {
    StairwellResults Stairwell;
    double BottomLevel = 0;      // h(-n), m, negative
    double TopDoorPressure = 0;  // P_s(-1), the least pressure at the door of floor -1, Pa
    double DoorwayShareFlow = 0; // G_s(-1), through one stairwell's open doorway, kg/s
    UndergroundStairFloors Floors;
    double BottomFlow = 0;     // ΣG_s on the lowest floor, kg/s
    double BottomPressure = 0; // P_s on the lowest floor, Pa
    // the duty point of the accepted flow, as the fan formulas print it
    double PrintedVolumeFlow = 0;  // L_v, m3/h
    double PrintedFanPressure = 0; // P_sv, Pa
    // the duty point the fan command sends: the lowest floor's row
    double FanVolumeFlow = 0;
    double FanPressure = 0;
};

// What the floor pass takes.
struct UndergroundStairPass {
    double DesignFlow = 0;      // G at floor -1, kg/s
    double TopDoorPressure = 0; // P_s(-1), Pa
    int FloorCount = 0;
    double IntakeDuctLoss = 0;     // P_ds, Pa
    double IntakeToHeadHeight = 0; // h_0s, m
    double DoorResist = 0;         // S_d, m3/kg
    double DoorArea = 0;           // F_d, m2
    double OutsideDensity = 0;     // ρ_a, kg/m3
    double InsideDensity = 0;      // ρ_r, kg/m3
    double StairDensity = 0;       // ρ_s, kg/m3
    double DoorHeight = 0;         // h_d, m
    double BottomLevel = 0;        // h(-n), negative, m
    double FloorHeight = 0;        // Δh_ПЭ, m
    double FlightsXi = 0;          // ξ_s
    double FlightsArea = 0;        // F_s, m2
};
UndergroundStairFloors UndergroundStairFloorPass(const UndergroundStairPass &a);

// Where reading the page stopped on a refused value: the report's input lines end there.
enum class UndergroundStairStop { none, floorCount, stairwellCount };

class UndergroundStairCalc {
public:
    const UndergroundStairInputs &Inputs() const { return inputs_; }
    const UndergroundStairResults &Results() const { return results_; }

    // Reads the page into the inputs, then writes their lines; false when a value was refused
    // (its warning given, the lines before it written).
    bool ReadInputs(RunFrame &frame, InflowInputs &in, RtfStream &report);
    // Computes the results, then writes the calculation.
    void Calculate(RunFrame &frame, RtfStream &report);

private:
    UndergroundStairStop Read(RunFrame &frame, const InflowInputs &in);
    void Compute();

    UndergroundStairInputs inputs_;
    UndergroundStairResults results_;
};

// ---- report (stair_under_report.cpp) ----
void WriteUndergroundStairInputs(RtfStream &report, const UndergroundStairInputs &in,
                                 UndergroundStairStop stop);
void WriteUndergroundStairReport(RtfStream &report, const UndergroundStairInputs &in,
                                 const UndergroundStairResults &r);

} // namespace orvane::inflow
