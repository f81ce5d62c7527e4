#pragma once
// Air supply into an above-ground stairwell of type Н2: its inputs, its results floor by floor,
// and the calculator that reads, computes and writes them.

#include <array>
#include <string_view>
#include <vector>

#include "inflow/stairwell.h"
#include "report/run_frame.h"

namespace orvane::inflow {

// One way of stating the air permeation of windows (a row of the combo box).
struct WindowPermeabilityRow {
    std::string_view ComboText; // the combo's item
    std::string_view Unit;      // the edit's unit
    int BasePressure;           // the pressure difference the value is stated at, Pa
    bool IsPermeability;        // a permeability to multiply by; false: a resistance to divide by
    bool IsVolumetric;          // per m3, converted with the outside air density
    std::string_view Caption1;  // the caption above the edit, two lines
    std::string_view Caption2;
    std::string_view Symbol; // the edit's caption
};
extern const std::array<WindowPermeabilityRow, 4> kWindowPermeabilityRows;

struct AboveGroundStairInputs {
    // the conditions: a stairwell on an outside wall with windows on each floor; with its own
    // outside exit; a 1st floor shut off from it (or through tambour-airlocks); floor exits
    // through pressurised tambour-airlocks
    bool AdjoinsOutsideWall = true;
    bool HasOutsideExit = false;
    bool FirstFloorSeparate = true;
    bool ExitsViaTambours = false;
    int FloorCount = InflowStartCount(ctl::EditOGFloorQty); // N_НЭ
    int ZoneFirstFloor = InflowStartCount(ctl::EditSWN1z);  // the zone served; 0 until read
    int ZoneLastFloor = InflowStartCount(ctl::EditSWN2z);
    double SecondFloorLevel = InflowStart(ctl::EditSecondFloorLevel); // h(2), m
    double FloorHeight = InflowStart(ctl::EditOGFloorHeight);         // Δh_НЭ, m
    int StairwellCount = InflowStartCount(ctl::EditOGStairWellQty);   // p
    StairwellInputs Stairwell;
    double WindowArea = InflowStart(ctl::EditWindowArea);             // F_w, m2
    int WindowRow = InflowStartCount(ctl::cbWinPenetrationVar);       // kWindowPermeabilityRows
    double WindowPermeability = InflowStart(ctl::EditWinPenetration); // in the row's unit
    double ExcessPressure = InflowStart(ctl::EditOGPplus);            // P+, Pa
    double IntakeToHeadHeight = InflowStart(ctl::EditOGH0s);          // h_0l, m
    DuctInputs Duct = DuctStart(ctl::EditOGSizeA, ctl::EditOGSizeB, ctl::EditOGAPipeLen,
                                ctl::EditOGAPipeEpsilon, ctl::EditOGAPipeXi);
};

struct AboveGroundStairFloor {
    int FloorNumber = 0;
    double StepUp = 0;            // to the floor above, m
    double Level = 0;             // h_э, m
    double Speed = 0;             // v, air speed in the stairwell, m/s
    double StairLoss = 0;         // ΔP_s, loss up to the floor above, Pa
    double StairPressure = 0;     // P_s, Pa
    double DoorPressureDiff = 0;  // ΔP_d across the door, Pa
    double DoorLeak = 0;          // ΔG_sd, kg/s
    double StairFlow = 0;         // G_s, kg/s
    double WindowLeak = 0;        // ΔG_sw, kg/s
    double WindowLeakPerArea = 0; // G_w, kg/(h·m2)
};
using AboveGroundStairFloors = std::vector<AboveGroundStairFloor>; // element 0: top of the zone

struct AboveGroundStairResults {
    StairwellResults Stairwell;
    // the window's normalised resistance (reported only)
    double BuildingHeight = 0;         // H_зд, m
    double OutsideAirSpecWeight = 0;   // γ_a, N/m3
    double InsideAirSpecWeight = 0;    // γ_r, N/m3
    double NormPressureDiff = 0;       // Δp, Pa
    double WindowNormResist = 0;       // R_п, m2·h/kg
    double WindowNormPermeability = 0; // G_н, kg/(h·m2) at 10 Pa
    // the candidate design pressures and the design floor's flow
    double SecondFloorDoorPressure = 0;         // P_s(2), Pa
    double SecondFloorDoorPressureWithWind = 0; // Pa
    double FirstFloorDoorPressure = 0;          // P_s(1), Pa
    double FirstFloorDoorPressureWithWind = 0;  // Pa
    double ZoneDoorPressure = 0;                // P_s(1s) of the zone's lowest floor, Pa
    double DesignPressure = 0;                  // P_des, Pa
    double DoorwayShareFlow = 0; // G_s(F), through one stairwell's open doorway, kg/s
    double WindowCoef = 0;       // K_w, kg/(h·m2·Pa^⅔); 0 without windows
    AboveGroundStairFloors Floors;
    // the head, the duct and the fan
    double HeadFlow = 0;     // G_s at the head, kg/s
    double HeadPressure = 0; // P_sN, Pa
    double ServedHeight = 0; // h_sN, m
    DuctResults Duct;
    double FanVolumeFlow = 0; // L_V, m3/h
    double FanPressure = 0;   // P_sv, Pa
};

// What the floor pass takes.
struct AboveGroundStairPass {
    double DesignPressure = 0; // P_des, Pa
    double DesignFlow = 0;     // G_s at the design floor, kg/s
    int FloorCount = 0;
    int ZoneFirstFloor = 0;
    int ZoneLastFloor = 0;
    double WindowArea = 0; // F_w, m2
    double WindowCoef = 0; // K_w
    double WindTerm = 0;   // P_w where the wind acts on the doors, else 0, Pa
    bool FirstFloorClosed = false;
    double DoorHeight = 0;       // h_d, m
    double SecondFloorLevel = 0; // h(2), m
    double FloorHeight = 0;      // Δh_НЭ, m
    double DoorResist = 0;       // S_d, m3/kg
    double DoorArea = 0;         // F_d, m2
    double FlightsXi = 0;        // ξ_s
    double OutsideDensity = 0;   // ρ_a, kg/m3
    double InsideDensity = 0;    // ρ_r, kg/m3
    double StairDensity = 0;     // ρ_s, kg/m3
    double FlightsArea = 0;      // F_s, m2
};
AboveGroundStairFloors AboveGroundStairFloorPass(const AboveGroundStairPass &a);

// D = 1 + 8·T1 + 4·T2 + 2·T3 + T4, 1..16: the scheme of the four conditions.
int StairSchemeNumber(bool t1, bool t2, bool t3, bool t4);

// Where reading the page stopped on a refused value: the report's input lines end there.
enum class AboveGroundStairStop { none, floorCount, stairwellCount, windowResistance };

class AboveGroundStairCalc {
public:
    const AboveGroundStairInputs &Inputs() const { return inputs_; }
    const AboveGroundStairResults &Results() const { return results_; }

    // Reads the page into the inputs, then writes their lines; false when a value was refused
    // (its warning given, the lines before it written).
    bool ReadInputs(RunFrame &frame, InflowInputs &in, RtfStream &report);
    // Computes the results, then writes the calculation.
    void Calculate(RunFrame &frame, RtfStream &report);

private:
    AboveGroundStairStop Read(RunFrame &frame, InflowInputs &in);
    void Compute();
    void ComputeWindowNorm(double rowKw);
    void ComputeDesignFloor();

    AboveGroundStairInputs inputs_;
    AboveGroundStairResults results_;
};

// ---- report (stair_over_report.cpp) ----
void WriteAboveGroundStairInputs(RtfStream &report, const AboveGroundStairInputs &in,
                                 AboveGroundStairStop stop);
void WriteAboveGroundStairReport(RtfStream &report, const AboveGroundStairInputs &in,
                                 const AboveGroundStairResults &r);

} // namespace orvane::inflow
