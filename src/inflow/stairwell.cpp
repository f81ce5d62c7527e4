// What the two stairwell calculations share: the air and door groups of the page, the air they
// start from.
#include "inflow/stairwell.h"

#include "core/physics.h"
#include "inflow/input_read.h"

namespace orvane::inflow {

void ReadStairAir(const InflowInputs &in, StairwellInputs &stair) {
    stair.SmokeMassFlow = ReadRealControl(in, ctl::EditGasMassExps);
    stair.Air.InsideAirTempC = ReadRealControl(in, ctl::EditInsideAirTemp);
    stair.Air.OutsideAirTempC = ReadRealControl(in, ctl::EditOutsideAirTemp);
    stair.Air.WindSpeed = ReadRealControl(in, ctl::EditWindSpeed);
    stair.Air.WindwardCoef = ReadRealControl(in, ctl::EditKoefWW);
    stair.Air.LeewardCoef = ReadRealControl(in, ctl::EditKoefW0);
    stair.FlightsArea = ReadRealControl(in, ctl::EditSWProjArea);
    stair.FlightsXi = ReadRealControl(in, ctl::EditSWKoefXis);
}

namespace {

// The closed door's resistance by the door's type, for a field left empty (0): 60000 / ρ_s for a
// smoke- and gas-tight door, 5300 / ρ_s for an ordinary one, at the stairwell's mean air.
double ClosedDoorResistByType(const StairwellInputs &stair) {
    double rhoS = AirDensity((stair.Air.InsideAirTempC + stair.Air.OutsideAirTempC) / 2);
    if (rhoS == 0)
        rhoS = 1;
    return (stair.DoorIsGasProof ? kGasTightDoorResist : kOrdinaryDoorResist) / rhoS;
}

} // namespace

void ReadStairDoors(const InflowInputs &in, StairwellInputs &stair, bool withExit) {
    if (withExit) {
        stair.ExitDoorArea = ReadRealControl(in, ctl::EditOutsideDoorArea);
        stair.ExitDoorHeight = ReadRealControl(in, ctl::EditOutsideDoorHeight);
        stair.ExitDoorsInSeries = ReadIntInput(in, ctl::EditOutDoorSeriesQty);
        stair.ExitDoorXi = ReadRealControl(in, ctl::EditOutsideDoorKoefXid);
        stair.ExitTambourXi = ReadRealControl(in, ctl::EditOutsideTambourKoefXir);
    }
    stair.FloorDoorArea = ReadRealControl(in, ctl::EditDoorwayArea);
    stair.FloorDoorHeight = ReadRealControl(in, ctl::EditDoorwayHeight);
    stair.DoorIsGasProof = in.IsChecked(ctl::rbDoorIsGasProof);
    stair.ClosedDoorResist = ReadRealControl(in, ctl::EditClosedDoorSpecResist);
    stair.ClosedDoorResistByType = stair.ClosedDoorResist == 0;
    if (stair.ClosedDoorResistByType)
        stair.ClosedDoorResist = ClosedDoorResistByType(stair);
}

void ComputeStairAir(const StairwellInputs &stair, StairwellResults &out) {
    out.Air = AirOf(stair.Air);
    out.StairAirTempC = (stair.Air.OutsideAirTempC + stair.Air.InsideAirTempC) / 2;
    out.StairAirDensity = AirDensity(out.StairAirTempC);
}

int CountedStairwells(int stairwells) {
    return stairwells - 1 < 1 ? 1 : stairwells - 1;
}

} // namespace orvane::inflow
