#pragma once
// What the two stairwell calculations share: the inputs both enter beyond their building (the
// smoke flow, the air, the flights, the outside exit, the floor doors), the air and design-floor
// flows both compute first, and the reading and report lines of those parts.

#include <string>
#include <string_view>

#include "inflow/inflow_inputs.h"
#include "inflow/inflow_records.h"
#include "report/rtf_writer.h"

namespace orvane::inflow {

struct StairwellInputs {
    double SmokeMassFlow = InflowStart(ctl::EditGasMassExps); // G_sm, kg/s
    AirInputs Air = AirStart(ctl::EditInsideAirTemp, ctl::EditOutsideAirTemp, ctl::EditWindSpeed,
                             ctl::EditKoefWW, ctl::EditKoefW0);
    double FlightsArea =
        InflowStart(ctl::EditSWProjArea);               // F_s, flights and landings from above, m2
    double FlightsXi = InflowStart(ctl::EditSWKoefXis); // ξ_s, no unit
    double ExitDoorArea = InflowStart(ctl::EditOutsideDoorArea);         // F_da, m2
    double ExitDoorHeight = InflowStart(ctl::EditOutsideDoorHeight);     // h_da, m
    int ExitDoorsInSeries = InflowStartCount(ctl::EditOutDoorSeriesQty); // n
    double ExitDoorXi = InflowStart(ctl::EditOutsideDoorKoefXid);        // ξ_d, no unit
    double ExitTambourXi = InflowStart(ctl::EditOutsideTambourKoefXir);  // ξ_r, no unit
    double FloorDoorArea = InflowStart(ctl::EditDoorwayArea);            // F_d, m2
    double FloorDoorHeight = InflowStart(ctl::EditDoorwayHeight);        // h_d, m
    bool DoorIsGasProof = false;
    // S_d, m3/kg: as entered, or taken for the door type when the field is left empty (0)
    double ClosedDoorResist = InflowStart(ctl::EditClosedDoorSpecResist);
    bool ClosedDoorResistByType = false;
};

struct StairwellResults {
    AirResults Air;
    double StairAirTempC = 0;   // t_s, the stairwell's mean air, °C
    double StairAirDensity = 0; // ρ_s, kg/m3
    int CountedStairwells = 0;  // q = max(p − 1; 1)
    double ExitFlow = 0;        // G_sa, through the outside exit, kg/s
    double DesignFlow = 0;      // G_s, the larger of the exit's and the open doorway's, kg/s
};

// Reading, in the order the page shows the fields: the air group, then the outside exit (where
// there is one) and the floor doors, the closed door's resistance taken for its type when the
// field is left empty.
void ReadStairAir(const InflowInputs &in, StairwellInputs &stair);
void ReadStairDoors(const InflowInputs &in, StairwellInputs &stair, bool withExit);
// The air both stairwells start from: ρ_a, ρ_r, P_w, the stairwell's mean t_s and ρ_s.
void ComputeStairAir(const StairwellInputs &stair, StairwellResults &out);
// q = max(p − 1; 1): the stairwells the fire floor's flow is shared by.
int CountedStairwells(int stairwells);

// ---- report lines (stairwell_report.cpp) ----

// The air group; the wind lines where the wind acts on the stairwell.
void WriteStairAirInputs(RtfStream &report, const StairwellInputs &stair, bool windShown);
// The outside exit (where there is one) and the floor doors with the closed door's resistance.
void WriteStairDoorInputs(RtfStream &report, const StairwellInputs &stair, bool exitShown);
// The outside and inside air, the stairwell's mean temperature (by the formula the variant
// prints) and the densities.
void WriteStairAir(RtfStream &report, const StairwellInputs &stair, const StairwellResults &r,
                   const std::string &meanTempFormula);
// The stairwells taken into account and the share of the fire floor's flow through one open
// doorway, G(gSub) = Gsm / q; without `byShare` the flow is stated alone (it was set to 0).
void WriteDoorwayShare(RtfStream &report, int countedStairwells, std::string_view title,
                       std::string_view gSub, double flow, bool byShare = true);

} // namespace orvane::inflow
