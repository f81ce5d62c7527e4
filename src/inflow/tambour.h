#pragma once
// Air supply into tambour-airlocks (and lift halls, safe-zone rooms) from a vertical channel:
// its inputs, the channel floor by floor, the intake duct, the fan and the heater of a heated
// supply, and the calculator that reads, computes and writes them.

#include <vector>

#include "inflow/inflow_inputs.h"
#include "inflow/inflow_records.h"
#include "report/run_frame.h"

namespace orvane::inflow {

// What the protected room's flow is sized by (the numbers the project's JSON shows).
enum class TambourCondition {
    openDoor = 1,    // an open door, supply not heated
    closedDoors = 2, // closed doors, supply not heated
    heatedSupply = 3 // closed doors, heated supply
};

struct TambourInputs {
    TambourCondition Condition = TambourCondition::openDoor;
    AirInputs Air = AirStart(ctl::EditTmbrInsideAirTemp, ctl::EditTmbrOutsideAirTemp,
                             ctl::EditTmbrWindSpeed, ctl::EditTmbrKoefWW, ctl::EditTmbrKoefW0);
    double HeatedAirTempC = InflowStart(ctl::EditTmbrHeatAirTemp); // t_sf, °C
    double ShaftAirTempC = 0; // t_sl = (t_a + t_r) / 2 of the adjoining lift shaft, °C
    int AboveFloorCount = InflowStartCount(ctl::EditTmbrOGFloorQty);      // N_НЭ
    int BelowFloorCount = InflowStartCount(ctl::EditTmbrUGFloorQty);      // N_ПЭ
    double SecondFloorLevel = InflowStart(ctl::EditTmbrSecondFloorLevel); // h(2), m
    double AboveFloorHeight = InflowStart(ctl::EditTmbrOGFloorHeight);    // Δh_НЭ, m
    double BelowFloorHeight = InflowStart(ctl::EditTmbrUGFloorHeight);    // Δh_ПЭ, m
    // the protected room
    int DoorCount = InflowStartCount(ctl::EditTmbrDoorQty);       // n_d, without the shaft's
    double DoorArea = InflowStart(ctl::EditTmbrDoorArea);         // F_d, m2
    double DoorHeight = InflowStart(ctl::EditTmbrDoorHeight);     // h_d, m
    double DoorMu = InflowStart(ctl::EditTmbrDoorMu);             // μ, reported only
    double DoorAirSpeed = InflowStart(ctl::EditTmbrDoorAirSpeed); // v_d, m/s
    double DoorResist = InflowStart(ctl::EditTmbrDoorSpecResist); // S_dsf, m3/kg; 0: worked out
    double ExcessPressure = InflowStart(ctl::EditTmbrPplus);      // P+, Pa
    // the supply valve
    double ValveArea = InflowStart(ctl::EditTmbrValveArea);         // F_кл, m2
    double ValveXi = InflowStart(ctl::EditTmbrValveXi);             // ξ_кл, no unit
    double ValveResist = InflowStart(ctl::EditTmbrValveSpecResist); // S_кл, m3/kg
    double FirstValveHeight = InflowStart(ctl::EditTmbrValve1H);    // h_кл(1), m
    // the adjoining lift shaft's doors (none when the area is 0)
    double ShaftDoorArea = InflowStart(ctl::EditTmbrShaftDoorArea);         // m·F_dsl, m2
    double ShaftDoorResist = InflowStart(ctl::EditTmbrShaftDoorSpecResist); // S_dsl; 0: worked out
    // the vertical channel
    bool ChannelIsRect = true;
    double ChannelSizeA = InflowStart(ctl::EditTmbrSizeA);            // mm (a round one's diameter)
    double ChannelSizeB = InflowStart(ctl::EditTmbrSizeB);            // mm
    double ChannelRoughness = InflowStart(ctl::EditTmbrVPipeEpsilon); // ε, mm
    double ChannelLeakage = InflowStart(ctl::EditTmbrVPipeProof);     // a, m3/(h·m2·Pa^0,65)
    double ChannelTopHeight = InflowStart(ctl::EditTmbrVPipeHTop);    // H_top, m
    // the intake duct up to the channel head
    double IntakeToHeadHeight = InflowStart(ctl::EditTmbrH0);        // h_0, m
    double IntakeDuctLength = InflowStart(ctl::EditTmbrAPipeLen);    // l_вв, m
    double IntakeDuctDiameter = InflowStart(ctl::EditTmbrAPipeDiam); // D_вв, mm
    double IntakeDuctXi = InflowStart(ctl::EditTmbrAPipeXi);         // Σξ_вв, no unit
};

struct TambourFloor {
    int FloorNumber = 0;
    double FloorStep = 0;         // Δh_э, m
    double ValveStep = 0;         // Δh_кл, m
    double FloorLevel = 0;        // h_э, m
    double ValveLevel = 0;        // h_кл, m
    double ChannelPressure = 0;   // P_ш, Pa
    double ChannelFlow = 0;       // G_ш, kg/s
    double ChannelSpeed = 0;      // v_ш, m/s
    double ValvePressureDiff = 0; // ΔP_кл, Pa
    double WallLeak = 0;          // ΔG_ш, kg/s
    double ValveLeak = 0;         // ΔG_кл, kg/s
};
using TambourFloors = std::vector<TambourFloor>; // element 0: top floor

struct TambourResults {
    bool Calculated = false;       // false: the run stopped before the calculation
    double OutsideAirDensity = 0;  // ρ_a, kg/m3
    double InsideAirDensity = 0;   // ρ_r, kg/m3
    double HeatedAirDensity = 0;   // ρ_ah, kg/m3
    double ShaftAirDensity = 0;    // ρ_sl, kg/m3
    double InsideWindPressure = 0; // P_w = 0,5·(K_WW + K_W0)·ρ_a·v_a², Pa
    double LeewardPressure = 0;    // P_w0 = 0,5·K_W0·ρ_a·v_a², Pa
    // the resistances the calculation took: as entered, or worked out when left empty
    double DoorResist = 0;      // S_dsf = 5300 / ρ
    double ShaftDoorResist = 0; // S_dsl = 2600 / ρ
    bool DoorResistComputed = false;
    bool ShaftDoorResistComputed = false;
    double ChannelArea = 0;          // F_ш, m2
    double ChannelEquivDiameter = 0; // D_Э, mm
    // the protected room and its open valve
    double RoomPressure = 0;   // P_sf, the pressure the room needs, Pa
    double RoomFlow = 0;       // G_sf, kg/s
    double RoomVolumeFlow = 0; // L_sf, m3/h
    double ValveSpeed = 0;     // v_кл, m/s
    double ValveLoss = 0;      // ΔP_кл, Pa
    TambourFloors Floors;
    // the channel above the top valve, the intake duct, the fan, the heater
    double TopFlow = 0;         // G_s, kg/s
    double TopSpeed = 0;        // v_ш, m/s
    double TopLoss = 0;         // ΔP_top, Pa
    double ChannelHeight = 0;   // h_N, from the lowest valve to the head, m
    double IntakeDuctArea = 0;  // F_вв, m2
    double IntakeDuctSpeed = 0; // v_вв, m/s
    double IntakeDuctLoss = 0;  // ΔP_вв, Pa
    double HeadPressure = 0;    // P_N, at the channel head, Pa
    double FanVolumeFlow = 0;   // L_V, m3/h
    double FanPressure = 0;     // P_sv, Pa
    double HeaterPower = 0;     // Q, kW
};

// What the channel pass takes.
struct TambourChannelPass {
    int BelowFloorCount = 0;
    int FloorCount = 0;          // N_НЭ (at least 1) + N_ПЭ
    double SecondFloorLevel = 0; // h(2), m
    double AboveFloorHeight = 0; // Δh_НЭ, m
    double BelowFloorHeight = 0; // Δh_ПЭ, m
    double InsideDensity = 0;    // ρ_r, kg/m3
    double SupplyDensity = 0;    // ρ_sf, kg/m3
    double Roughness = 0;        // ε, mm
    double Viscosity = 0;        // ν, mm2/s
    double EquivDiameterM = 0;   // D_Э, m
    double Perimeter = 0;        // m
    double Area = 0;             // F_ш, m2
    double WallLeakage = 0;      // a·ρ_sf / 3600
    double ValveArea = 0;        // F_кл, m2
    double ValveResist = 0;      // S_кл, m3/kg
    double FirstValveHeight = 0; // h_кл(1), m
    double OpenValveLoss = 0;    // ΔP_кл of the open valve, Pa
    double RoomFlow = 0;         // G_sf, kg/s
    double RoomPressure = 0;     // P_sf, Pa
};
TambourFloors TambourChannelFloorPass(const TambourChannelPass &a);

// Kinematic viscosity of air at t °C in mm²/s (the channel Reynolds numbers multiply by 10⁶);
// 0 at or below absolute zero, where the power law has no real value.
double TambourAirViscosity(double t);

// Where reading the page stopped on a refused value: the report's input lines end there.
enum class TambourStop { none, aboveFloorCount, belowFloorCount };

class TambourCalc {
public:
    const TambourInputs &Inputs() const { return inputs_; }
    const TambourResults &Results() const { return results_; }

    // Reads the page into the inputs, then writes their lines; false when a value was refused
    // (its warning given, the lines before it written).
    bool ReadInputs(RunFrame &frame, InflowInputs &in, RtfStream &report);
    // Computes the results, then writes the calculation.
    void Calculate(RunFrame &frame, RtfStream &report);

private:
    TambourStop Read(RunFrame &frame, InflowInputs &in);
    void ReadRoomAndChannel(RunFrame &frame, InflowInputs &in);
    void Compute();
    void ComputeChannelAndFan(double rhoSf, double nu);

    TambourInputs inputs_;
    TambourResults results_;
};

// ---- report (tambour_report.cpp) ----
void WriteTambourInputs(RtfStream &report, const TambourInputs &in, TambourStop stop);
void WriteTambourReport(RtfStream &report, const TambourInputs &in, const TambourResults &r);

} // namespace orvane::inflow
