#pragma once
// Air supply into a lift shaft: its inputs, the shaft's pressures floor by floor, the supply
// duct and the fan, and the calculator that reads, computes and writes them.

#include <array>
#include <vector>

#include "inflow/inflow_inputs.h"
#include "inflow/inflow_records.h"
#include "report/run_frame.h"

namespace orvane::inflow {

// Where the supply enters the shaft, from the floor counts (the numbers the project's JSON shows).
enum class LiftShaft {
    aboveGroundOnly = 1, // no underground floors: supply at the top
    withUnderground = 2, // floors above and below ground: supply at the top
    fedFromBelow = 3     // one floor above ground and floors below: supply at the bottom
};

// How the 1st floor's flow is sized (the numbers the project's JSON shows).
enum class LiftMethod {
    openDoorway = 1, // by the flow through the open doorway
    cageGap = 2,     // by the flow through the gap between cage and shaft
    closedDoors = 3  // every door of the shaft closed
};

// One of the three gap openings of the open doorway: its area and μ, or ξ+1.
struct LiftGapRow {
    double Area = 0;        // F_i, m2
    bool GivenAsXi = false; // the value is ξ+1, not μ
    double Value = 0;
};

struct LiftInputs {
    int AboveFloorCount = InflowStartCount(ctl::EditLiftOGFloorQty); // N_НЭ
    int BelowFloorCount = InflowStartCount(ctl::EditLiftUGFloorQty); // N_ПЭ
    LiftShaft Shaft = LiftShaft::aboveGroundOnly;
    bool AdjoinsOutsideWall = true; // the above-ground part on an outside wall
    bool HallOnFirstFloor = true;   // a separated lift hall on the main boarding floor
    bool HallsAbove = true;         // separated halls on the floors above ground
    bool HallsBelow = false;        // separated halls on the floors below ground
    LiftMethod Method = LiftMethod::openDoorway;
    AirInputs Air = AirStart(ctl::EditLiftInsideAirTemp, ctl::EditLiftOutsideAirTemp,
                             ctl::EditLiftWindSpeed, ctl::EditLiftKoefWW, ctl::EditLiftKoefW0);
    double ShaftAirTempC = 0; // t_l = (t_a + t_r) / 2, °C
    double SecondFloorLevel = InflowStart(ctl::EditLiftSecondFloorLevel); // h(2), m
    double AboveFloorHeight = InflowStart(ctl::EditLiftOGFloorHeight);    // Δh_НЭ, m
    double BelowFloorHeight = InflowStart(ctl::EditLiftUGFloorHeight);    // Δh_ПЭ, m
    int ExitsFrom = 0; // the floors with exits into the shaft, clamped into the building
    int ExitsTo = 0;
    double ShaftDoorArea = InflowStart(ctl::EditLiftShaftDoorArea);     // F_dl, m2
    double HallDoorArea = InflowStart(ctl::EditLiftHallDoorArea);       // F_dr, m2
    double ShaftDoorHeight = InflowStart(ctl::EditLiftShaftDoorHeight); // h_dl, m
    int CageCount = InflowStartCount(ctl::EditLiftCageQty);             // n
    int HallDoorCount = InflowStartCount(ctl::EditLiftHallDoorQty);     // m
    double HallDoorXi = InflowStart(ctl::EditLiftHallDoorKoefXid);      // ξ_d, no unit
    double CageArea = InflowStart(ctl::EditLiftCageArea);               // F_lc, m2
    double ShaftArea = InflowStart(ctl::EditLiftShaftArea);             // F_ls, m2
    // entered; 0 (left empty) has the calculation work them out
    double CageXi = InflowStart(ctl::EditLiftCageKoefXil);                  // ξ_l, no unit
    double ShaftDoorResist = InflowStart(ctl::EditLiftShaftDoorSpecResist); // S_dl, m3/kg
    double HallDoorResist = InflowStart(ctl::EditLiftHallDoorSpecResist);   // S_dr, m3/kg
    double GapMu = InflowStart(ctl::EditLiftMuGap);                         // μ_gap, no unit
    std::array<LiftGapRow, 3> GapRows = {{
        {InflowStart(ctl::EditLiftFmu1), false, InflowStart(ctl::EditLiftUnit1Value)},
        {InflowStart(ctl::EditLiftFmu2), false, InflowStart(ctl::EditLiftUnit2Value)},
        {InflowStart(ctl::EditLiftFmu3), false, InflowStart(ctl::EditLiftUnit3Value)},
    }};
    double ExcessPressure = InflowStart(ctl::EditLiftPplus);   // P+, Pa
    double IntakeToHeadHeight = InflowStart(ctl::EditLiftH0s); // h_0s, m
    DuctInputs Duct = DuctStart(ctl::EditLiftSizeA, ctl::EditLiftSizeB, ctl::EditLiftAPipeLen,
                                ctl::EditLiftAPipeEpsilon, ctl::EditLiftAPipeXi);
};

struct LiftFloor {
    int FloorNumber = 0;
    double Level = 0;            // h_э, m
    double ShaftPressure = 0;    // P_ш, Pa
    double DoorPressureDiff = 0; // ΔP_d across the door, Pa
    double Leak = 0;             // ΔG, kg/s
    double ShaftFlow = 0;        // G, kg/s
};
using LiftFloors = std::vector<LiftFloor>; // element 0: top floor

struct LiftResults {
    bool Calculated = false; // false: the run stopped before the calculation
    AirResults Air;
    double ShaftAirDensity = 0; // ρ_l, kg/m3
    // the values the calculation took: as entered, or worked out when left empty
    double CageXi = 0;          // ξ_l = 4,3 + F_lc / F_ls
    double ShaftDoorResist = 0; // S_dl = 2600 / ρ_l
    double HallDoorResist = 0;  // S_dr = 5300 / ρ_l
    bool CageXiComputed = false;
    bool ShaftDoorResistComputed = false;
    bool HallDoorResistComputed = false;
    // the closed doors, the 1st floor and the shaft head
    double ClosedDoorsAbove = 0;      // S_dlr above ground, 1/(kg·m)
    double ClosedDoorsBelow = 0;      // S_dlr below ground, 1/(kg·m)
    bool GapAreaMissing = false;      // the gap method without the gap's area
    double GapFlowArea = 0;           // n·Σ(μ_i·F_i), m2
    double FirstFloorPressure = 0;    // P_l(1), Pa
    double FirstFloorGapFlow = 0;     // G(1) limited by the cage gap, kg/s
    double FirstFloorDoorwayFlow = 0; // G(1) limited by the door openings, kg/s
    double BelowGroundPressure = 0;   // P_l(-1), design pressure of the underground part, Pa
    double AboveGroundPressure = 0;   // P_l(2), design pressure of the above-ground part, Pa
    LiftFloors Floors;
    double CageGapSpeed = 0; // v_cs, m/s
    double CageGapLoss = 0;  // ΔP_cs, Pa
    double HeadPressure = 0; // P_l(n), Pa
    // the duct and the fan
    double SupplyFlow = 0; // G_s, kg/s
    DuctResults Duct;
    double FanVolumeFlow = 0; // L_V, m3/h
    double FanPressure = 0;   // P_sv, Pa
};

// What the floor pass takes.
struct LiftShaftPass {
    int AboveFloorCount = 0;
    int BelowFloorCount = 0;
    int ExitsFrom = 0;
    int ExitsTo = 0;
    bool DoorwayOpen = false;    // the 1st floor's doorway stands open
    double FirstFloorFlow = 0;   // G(1), kg/s
    double SecondFloorLevel = 0; // h(2), m
    double ShaftDensity = 0;     // ρ_l, kg/m3
    double InsideDensity = 0;    // ρ_r, kg/m3
    double AboveFloorHeight = 0; // Δh_НЭ, m
    double BelowFloorHeight = 0; // Δh_ПЭ, m
    double DoorHeight = 0;       // h_dl, m
    double ClosedDoorsAbove = 0; // S_dlr, 1/(kg·m)
    double ClosedDoorsBelow = 0; // S_dlr, 1/(kg·m)
    double ExcessPressure = 0;   // P+, Pa
    double GapMu = 0;            // μ_gap
    double CageArea = 0;         // F_lc, m2
    double ShaftArea = 0;        // F_ls, m2
    double AbovePressure = 0;    // P_l(2), Pa
    double BelowPressure = 0;    // P_l(-1), Pa
    double WindPressure = 0;     // P_w where it enters the doors, Pa
};
LiftFloors LiftShaftFloorPass(const LiftShaftPass &a);

// Where reading the page stopped on a refused value: the report's input lines end there.
enum class LiftStop { none, floorCount, gapRow, excessPressure };

class LiftCalc {
public:
    const LiftInputs &Inputs() const { return inputs_; }
    const LiftResults &Results() const { return results_; }

    // Reads the page into the inputs, then writes their lines; false when a value was refused
    // (its warning given, the lines before it written).
    bool ReadInputs(RunFrame &frame, InflowInputs &in, RtfStream &report);
    // Computes the results, then writes the calculation (the warning of a missing gap area
    // where the closed doors' lines end).
    void Calculate(RunFrame &frame, RtfStream &report);

private:
    LiftStop Read(RunFrame &frame, const InflowInputs &in);
    LiftStop ReadShaft(RunFrame &frame, const InflowInputs &in);
    void Compute();
    void ComputeFirstFloor();
    void ComputeFanDuty();

    LiftInputs inputs_;
    LiftResults results_;
};

// ---- report (lift_report.cpp) ----
void WriteLiftInputs(RtfStream &report, const LiftInputs &in, LiftStop stop);
// The calculation in two parts: the air, the door resistances and the closed doors; then the
// 1st floor, the shaft head, the duct, the fan and the floor table.
void WriteLiftAirAndDoors(RtfStream &report, const LiftInputs &in, const LiftResults &r);
void WriteLiftShaftAndFan(RtfStream &report, const LiftInputs &in, const LiftResults &r);

} // namespace orvane::inflow
