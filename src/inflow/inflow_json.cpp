#include "inflow/inflow_json.h"

#include <cmath>
#include <span>
#include <string_view>

#include "report/json_keys.h"

namespace orvane::inflow {

namespace {

using Json = nlohmann::json;

// What every variant's JSON starts with: the names, the air and the duty point.
struct CommonValues {
    const InflowCalc &Calc;
    const AirInputs &Air;
    AirResults Computed; // the densities and the wind pressure
};

CommonValues CommonOf(const InflowCalc &c) {
    switch (c.Variant) {
    case SupplyVariant::undergroundStair: {
        const UndergroundStairCalc &s = c.UndergroundStair();
        return {c, s.Inputs().Stairwell.Air, s.Results().Stairwell.Air};
    }
    case SupplyVariant::lift:
        return {c, c.Lift().Inputs().Air, c.Lift().Results().Air};
    case SupplyVariant::tambour: {
        // the tambour's wind pressures are its own (TambourResults): "WindPress" stays 0
        const TambourResults &r = c.Tambour().Results();
        return {c, c.Tambour().Inputs().Air, {r.OutsideAirDensity, r.InsideAirDensity, 0}};
    }
    case SupplyVariant::aboveGroundStair:
        break;
    }
    const AboveGroundStairCalc &s = c.AboveGroundStair();
    return {c, s.Inputs().Stairwell.Air, s.Results().Stairwell.Air};
}

// clang-format off
using Common = CommonValues;
const JsonKey<Common> kCommonKeys[] = {
    {"CalcVariant", [](const Common &v) -> Json { return VariantJsonName(v.Calc.Variant); }},
    {"ProjectName", [](const Common &v) -> Json { return v.Calc.ProjectName; }},
    {"SystemName", [](const Common &v) -> Json { return v.Calc.SystemName; }},
    {"InsideAirTemp", [](const Common &v) { return Real(v.Air.InsideAirTempC); }},
    {"OutsideAirTemp", [](const Common &v) { return Real(v.Air.OutsideAirTempC); }},
    {"WindSpeed", [](const Common &v) { return Real(v.Air.WindSpeed); }},
    {"KoefWW", [](const Common &v) { return Real(v.Air.WindwardCoef); }},
    {"KoefW0", [](const Common &v) { return Real(v.Air.LeewardCoef); }},
    {"OutsideAirDensity", [](const Common &v) { return Real(v.Computed.OutsideAirDensity); }},
    {"InsideAirDensity", [](const Common &v) { return Real(v.Computed.InsideAirDensity); }},
    {"WindPress", [](const Common &v) { return Real(v.Computed.WindPressure); }},
    {"VolumeAirExps", [](const Common &v) { return Real(v.Calc.FanVolumeFlow); }},
    {"FanPress", [](const Common &v) { return Real(v.Calc.FanPressure); }},
};

// What both stairwells write.
struct StairValues {
    const StairwellInputs &Inputs;
    const StairwellResults &Results;
};
using Stair = StairValues;
const JsonKey<Stair> kStairwellKeys[] = {
    {"GasMassExps", [](const Stair &s) { return Real(s.Inputs.SmokeMassFlow); }},
    {"SWProjArea", [](const Stair &s) { return Real(s.Inputs.FlightsArea); }},
    {"SWKoefXis", [](const Stair &s) { return Real(s.Inputs.FlightsXi); }},
    {"OutsideDoorArea", [](const Stair &s) { return Real(s.Inputs.ExitDoorArea); }},
    {"OutsideDoorHeight", [](const Stair &s) { return Real(s.Inputs.ExitDoorHeight); }},
    {"OutDoorSeriesQty", [](const Stair &s) -> Json { return s.Inputs.ExitDoorsInSeries; }},
    {"OutsideDoorKoefXid", [](const Stair &s) { return Real(s.Inputs.ExitDoorXi); }},
    {"OutsideTambourKoefXir", [](const Stair &s) { return Real(s.Inputs.ExitTambourXi); }},
    {"DoorwayArea", [](const Stair &s) { return Real(s.Inputs.FloorDoorArea); }},
    {"DoorwayHeight", [](const Stair &s) { return Real(s.Inputs.FloorDoorHeight); }},
    {"DoorIsGasProof", [](const Stair &s) -> Json { return s.Inputs.DoorIsGasProof; }},
    {"ClosedDoorSpecResist", [](const Stair &s) { return Real(s.Inputs.ClosedDoorResist); }},
    {"SWAirTemp", [](const Stair &s) { return Real(s.Results.StairAirTempC); }},
    {"SWAirDensity", [](const Stair &s) { return Real(s.Results.StairAirDensity); }},
    {"CalculatedSWQty", [](const Stair &s) -> Json { return s.Results.CountedStairwells; }},
    {"ExitAirExps", [](const Stair &s) { return Real(s.Results.ExitFlow); }},
    {"SWAirExps", [](const Stair &s) { return Real(s.Results.DesignFlow); }},
};

// The supply duct's entries, by the keys both the stairwell above ground and the lift write.
const JsonKey<DuctInputs> kDuctInputKeys[] = {
    {"APipeIsRect", [](const DuctInputs &d) -> Json { return d.IsRect; }},
    {"APipeSizeA", [](const DuctInputs &d) { return Real(d.SizeA); }},
    {"APipeSizeB", [](const DuctInputs &d) { return Real(d.SizeB); }},
    {"APipeLen", [](const DuctInputs &d) { return Real(d.Length); }},
    {"APipeEpsilon", [](const DuctInputs &d) { return Real(d.Roughness); }},
    {"APipeXi", [](const DuctInputs &d) { return Real(d.XiSum); }},
};

using Over = AboveGroundStairCalc;
const JsonKey<Over> kAboveGroundKeys[] = {
    {"SWTerm1", [](const Over &c) -> Json { return c.Inputs().AdjoinsOutsideWall; }},
    {"SWTerm2", [](const Over &c) -> Json { return c.Inputs().HasOutsideExit; }},
    {"SWTerm3", [](const Over &c) -> Json { return c.Inputs().FirstFloorSeparate; }},
    {"SWTerm4", [](const Over &c) -> Json { return c.Inputs().ExitsViaTambours; }},
    {"OGFloorQty", [](const Over &c) -> Json { return c.Inputs().FloorCount; }},
    {"SWN1zone", [](const Over &c) -> Json { return c.Inputs().ZoneFirstFloor; }},
    {"SWN2zone", [](const Over &c) -> Json { return c.Inputs().ZoneLastFloor; }},
    {"SecondFloorLevel", [](const Over &c) { return Real(c.Inputs().SecondFloorLevel); }},
    {"OGFloorHeight", [](const Over &c) { return Real(c.Inputs().FloorHeight); }},
    {"OGStairWellQty", [](const Over &c) -> Json { return c.Inputs().StairwellCount; }},
    {"WindowArea", [](const Over &c) { return Real(c.Inputs().WindowArea); }},
    {"WinPenetVariant", [](const Over &c) -> Json { return c.Inputs().WindowRow; }},
    {"WinPenetration", [](const Over &c) { return Real(c.Inputs().WindowPermeability); }},
    {"OGPplus", [](const Over &c) { return Real(c.Inputs().ExcessPressure); }},
    {"OGH0s", [](const Over &c) { return Real(c.Inputs().IntakeToHeadHeight); }},
    {"BuildingHeight", [](const Over &c) { return Real(c.Results().BuildingHeight); }},
    {"OutsideAirSpecWeight", [](const Over &c) { return Real(c.Results().OutsideAirSpecWeight); }},
    {"InsideAirSpecWeight", [](const Over &c) { return Real(c.Results().InsideAirSpecWeight); }},
    {"NormDELTAAirPress", [](const Over &c) { return Real(c.Results().NormPressureDiff); }},
    {"WindowNormAirResist", [](const Over &c) { return Real(c.Results().WindowNormResist); }},
    {"DesignPressure", [](const Over &c) { return Real(c.Results().DesignPressure); }},
    {"WindowKoef", [](const Over &c) { return Real(c.Results().WindowCoef); }},
    {"HeadAirExps", [](const Over &c) { return Real(c.Results().HeadFlow); }},
    {"HeadPressure", [](const Over &c) { return Real(c.Results().HeadPressure); }},
    {"ServedHeight", [](const Over &c) { return Real(c.Results().ServedHeight); }},
    {"APipeArea", [](const Over &c) { return Real(c.Results().Duct.Area); }},
    {"APipeDiamEq", [](const Over &c) { return Real(c.Results().Duct.EquivDiameter); }},
    {"APipeSpeed", [](const Over &c) { return Real(c.Results().Duct.Speed); }},
    {"APipeDynPress", [](const Over &c) { return Real(c.Results().Duct.DynamicPressure); }},
    {"APipeRe", [](const Over &c) { return Real(c.Results().Duct.Reynolds); }},
    {"APipeLambda", [](const Over &c) { return Real(c.Results().Duct.Friction); }},
    {"APipeSpecFriction", [](const Over &c) { return Real(c.Results().Duct.SpecFriction); }},
    {"APipeLoss", [](const Over &c) { return Real(c.Results().Duct.Loss); }},
};

using Under = UndergroundStairCalc;
const JsonKey<Under> kUndergroundKeys[] = {
    {"UGFloorQty", [](const Under &c) -> Json { return c.Inputs().FloorCount; }},
    {"UGFloorHeight", [](const Under &c) { return Real(c.Inputs().FloorHeight); }},
    {"UGStairWellQty", [](const Under &c) -> Json { return c.Inputs().StairwellCount; }},
    {"UGH0Below", [](const Under &c) { return Real(c.Inputs().IntakeToHeadHeight); }},
    {"UGPdsBelow", [](const Under &c) { return Real(c.Inputs().IntakeDuctLoss); }},
    {"UGHBottom", [](const Under &c) { return Real(c.Results().BottomLevel); }},
    {"OpenSWPress", [](const Under &c) { return Real(c.Results().TopDoorPressure); }},
    {"OpenSWAirExps", [](const Under &c) { return Real(c.Results().DoorwayShareFlow); }},
    {"MassAirExps", [](const Under &c) { return Real(c.Results().BottomFlow); }},
    {"AirPressure", [](const Under &c) { return Real(c.Results().BottomPressure); }},
};

// A value the calculation may work out (a resistance left empty): the one it took, or the entry
// when the run stopped before the calculation.
double Taken(bool calculated, double entered, double taken) {
    return calculated ? taken : entered;
}

const JsonKey<LiftCalc> kLiftKeys[] = {
    {"OGFloorQty", [](const LiftCalc &c) -> Json { return c.Inputs().AboveFloorCount; }},
    {"UGFloorQty", [](const LiftCalc &c) -> Json { return c.Inputs().BelowFloorCount; }},
    {"SecondFloorLevel", [](const LiftCalc &c) { return Real(c.Inputs().SecondFloorLevel); }},
    {"OGFloorHeight", [](const LiftCalc &c) { return Real(c.Inputs().AboveFloorHeight); }},
    {"UGFloorHeight", [](const LiftCalc &c) { return Real(c.Inputs().BelowFloorHeight); }},
    {"LiftTerm1Shaft", [](const LiftCalc &c) -> Json { return static_cast<int>(c.Inputs().Shaft); }},
    {"LiftTerm2Wind", [](const LiftCalc &c) -> Json { return c.Inputs().AdjoinsOutsideWall; }},
    {"LiftTerm3Hall1", [](const LiftCalc &c) -> Json { return c.Inputs().HallOnFirstFloor; }},
    {"LiftTerm4HallAbove", [](const LiftCalc &c) -> Json { return c.Inputs().HallsAbove; }},
    {"LiftTerm5HallBelow", [](const LiftCalc &c) -> Json { return c.Inputs().HallsBelow; }},
    {"LiftMethod", [](const LiftCalc &c) -> Json { return static_cast<int>(c.Inputs().Method); }},
    {"LiftLevelStart", [](const LiftCalc &c) -> Json { return c.Inputs().ExitsFrom; }},
    {"LiftLevelFinish", [](const LiftCalc &c) -> Json { return c.Inputs().ExitsTo; }},
    {"LiftShaftDoorArea", [](const LiftCalc &c) { return Real(c.Inputs().ShaftDoorArea); }},
    {"LiftHallDoorArea", [](const LiftCalc &c) { return Real(c.Inputs().HallDoorArea); }},
    {"LiftShaftDoorHeight", [](const LiftCalc &c) { return Real(c.Inputs().ShaftDoorHeight); }},
    {"LiftCageQty", [](const LiftCalc &c) -> Json { return c.Inputs().CageCount; }},
    {"LiftHallDoorQty", [](const LiftCalc &c) -> Json { return c.Inputs().HallDoorCount; }},
    {"LiftHallDoorKoefXid", [](const LiftCalc &c) { return Real(c.Inputs().HallDoorXi); }},
    {"LiftCageArea", [](const LiftCalc &c) { return Real(c.Inputs().CageArea); }},
    {"LiftShaftArea", [](const LiftCalc &c) { return Real(c.Inputs().ShaftArea); }},
    {"LiftCageKoefXil", [](const LiftCalc &c) {
         return Real(Taken(c.Results().Calculated, c.Inputs().CageXi, c.Results().CageXi)); }},
    {"LiftMuGap", [](const LiftCalc &c) { return Real(c.Inputs().GapMu); }},
    {"LiftShaftDoorSpecResist", [](const LiftCalc &c) {
         return Real(Taken(c.Results().Calculated, c.Inputs().ShaftDoorResist,
                           c.Results().ShaftDoorResist)); }},
    {"LiftHallDoorSpecResist", [](const LiftCalc &c) {
         return Real(Taken(c.Results().Calculated, c.Inputs().HallDoorResist,
                           c.Results().HallDoorResist)); }},
    {"LiftGapRows", [](const LiftCalc &c) {
         Json rows = Json::array();
         for (const LiftGapRow &r : c.Inputs().GapRows)
             rows.push_back({{"F", Real(r.Area)}, {"Unit", r.GivenAsXi ? 1 : 0},
                             {"Value", Real(r.Value)}});
         return rows;
     }},
    {"LiftPplus", [](const LiftCalc &c) { return Real(c.Inputs().ExcessPressure); }},
    {"LiftH0s", [](const LiftCalc &c) { return Real(c.Inputs().IntakeToHeadHeight); }},
    {"LiftShaftAirTemp", [](const LiftCalc &c) { return Real(c.Inputs().ShaftAirTempC); }},
    {"RhoL", [](const LiftCalc &c) { return Real(c.Results().ShaftAirDensity); }},
};

using Tmb = TambourCalc;
const JsonKey<Tmb> kTambourKeys[] = {
    {"OGFloorQty", [](const Tmb &c) -> Json { return c.Inputs().AboveFloorCount; }},
    {"UGFloorQty", [](const Tmb &c) -> Json { return c.Inputs().BelowFloorCount; }},
    {"SecondFloorLevel", [](const Tmb &c) { return Real(c.Inputs().SecondFloorLevel); }},
    {"OGFloorHeight", [](const Tmb &c) { return Real(c.Inputs().AboveFloorHeight); }},
    {"UGFloorHeight", [](const Tmb &c) { return Real(c.Inputs().BelowFloorHeight); }},
    // the condition under both of its names
    {"TmbrVariant", [](const Tmb &c) -> Json { return static_cast<int>(c.Inputs().Condition); }},
    {"TmbrTerms", [](const Tmb &c) -> Json { return static_cast<int>(c.Inputs().Condition); }},
    {"TmbrHeatAirTemp", [](const Tmb &c) { return Real(c.Inputs().HeatedAirTempC); }},
    {"TmbrDoorQty", [](const Tmb &c) -> Json { return c.Inputs().DoorCount; }},
    {"TmbrDoorArea", [](const Tmb &c) { return Real(c.Inputs().DoorArea); }},
    {"TmbrDoorHeight", [](const Tmb &c) { return Real(c.Inputs().DoorHeight); }},
    {"TmbrDoorMu", [](const Tmb &c) { return Real(c.Inputs().DoorMu); }},
    {"TmbrDoorAirSpeed", [](const Tmb &c) { return Real(c.Inputs().DoorAirSpeed); }},
    {"TmbrDoorSpecResist", [](const Tmb &c) {
         return Real(Taken(c.Results().Calculated, c.Inputs().DoorResist, c.Results().DoorResist)); }},
    {"TmbrPplus", [](const Tmb &c) { return Real(c.Inputs().ExcessPressure); }},
    {"TmbrValveArea", [](const Tmb &c) { return Real(c.Inputs().ValveArea); }},
    {"TmbrValveXi", [](const Tmb &c) { return Real(c.Inputs().ValveXi); }},
    {"TmbrValveSpecResist", [](const Tmb &c) { return Real(c.Inputs().ValveResist); }},
    {"TmbrValve1H", [](const Tmb &c) { return Real(c.Inputs().FirstValveHeight); }},
    {"TmbrShaftDoorArea", [](const Tmb &c) { return Real(c.Inputs().ShaftDoorArea); }},
    {"TmbrShaftDoorSpecResist", [](const Tmb &c) {
         return Real(Taken(c.Results().Calculated, c.Inputs().ShaftDoorResist,
                           c.Results().ShaftDoorResist)); }},
    {"VPipeIsRect", [](const Tmb &c) -> Json { return c.Inputs().ChannelIsRect; }},
    {"VPipeSizeA", [](const Tmb &c) { return Real(c.Inputs().ChannelSizeA); }},
    {"VPipeSizeB", [](const Tmb &c) { return Real(c.Inputs().ChannelSizeB); }},
    {"VPipeEpsilon", [](const Tmb &c) { return Real(c.Inputs().ChannelRoughness); }},
    {"VPipeProof", [](const Tmb &c) { return Real(c.Inputs().ChannelLeakage); }},
    {"VPipeHTop", [](const Tmb &c) { return Real(c.Inputs().ChannelTopHeight); }},
    {"TmbrH0", [](const Tmb &c) { return Real(c.Inputs().IntakeToHeadHeight); }},
    {"APipeLen", [](const Tmb &c) { return Real(c.Inputs().IntakeDuctLength); }},
    {"APipeSizeA", [](const Tmb &c) { return Real(c.Inputs().IntakeDuctDiameter); }},
    {"APipeXi", [](const Tmb &c) { return Real(c.Inputs().IntakeDuctXi); }},
    {"LiftShaftAirTemp", [](const Tmb &c) { return Real(c.Inputs().ShaftAirTempC); }},
    {"MassAirExps", [](const Tmb &c) { return Real(c.Results().RoomFlow); }},
};

// The per-floor records, a table for each kind.
using OverFloor = AboveGroundStairFloor;
const JsonKey<OverFloor> kAboveGroundFloorKeys[] = {
    {"FloorNum", [](const OverFloor &f) -> Json { return f.FloorNumber; }},
    {"dFloorH", [](const OverFloor &f) { return Real(f.StepUp); }},
    {"FloorH", [](const OverFloor &f) { return Real(f.Level); }},
    {"v", [](const OverFloor &f) { return Real(f.Speed); }},
    {"dPs", [](const OverFloor &f) { return Real(f.StairLoss); }},
    {"Ps", [](const OverFloor &f) { return Real(f.StairPressure); }},
    {"dPd", [](const OverFloor &f) { return Real(f.DoorPressureDiff); }},
    {"dGsd", [](const OverFloor &f) { return Real(f.DoorLeak); }},
    {"Gs", [](const OverFloor &f) { return Real(f.StairFlow); }},
    {"dGsw", [](const OverFloor &f) { return Real(f.WindowLeak); }},
    {"Gw", [](const OverFloor &f) { return Real(f.WindowLeakPerArea); }},
};

using UnderFloor = UndergroundStairFloor;
const JsonKey<UnderFloor> kUndergroundFloorKeys[] = {
    {"FloorNum", [](const UnderFloor &f) -> Json { return f.FloorNumber; }},
    {"Ps", [](const UnderFloor &f) { return Real(f.DoorPressureDiff); }},
    {"dGs", [](const UnderFloor &f) { return Real(f.DoorLeak); }},
    {"Gs", [](const UnderFloor &f) { return Real(f.StairFlow); }},
    {"Lv", [](const UnderFloor &f) { return Real(f.FanVolumeFlow); }},
    {"Psv", [](const UnderFloor &f) { return Real(f.FanPressure); }},
};

const JsonKey<LiftFloor> kLiftFloorKeys[] = {
    {"FloorNum", [](const LiftFloor &f) -> Json { return f.FloorNumber; }},
    {"h", [](const LiftFloor &f) { return Real(f.Level); }},
    {"Pg", [](const LiftFloor &f) { return Real(f.ShaftPressure); }},
    {"PL", [](const LiftFloor &f) { return Real(f.DoorPressureDiff); }},
    {"DG", [](const LiftFloor &f) { return Real(f.Leak); }},
    {"G", [](const LiftFloor &f) { return Real(f.ShaftFlow); }},
};

const JsonKey<TambourFloor> kTambourFloorKeys[] = {
    {"FloorNum", [](const TambourFloor &f) -> Json { return f.FloorNumber; }},
    {"dhfloor", [](const TambourFloor &f) { return Real(f.FloorStep); }},
    {"dhvlv", [](const TambourFloor &f) { return Real(f.ValveStep); }},
    {"hfloor", [](const TambourFloor &f) { return Real(f.FloorLevel); }},
    {"hvlv", [](const TambourFloor &f) { return Real(f.ValveLevel); }},
    {"Psh", [](const TambourFloor &f) { return Real(f.ChannelPressure); }},
    {"Gsh", [](const TambourFloor &f) { return Real(f.ChannelFlow); }},
    {"vsh", [](const TambourFloor &f) { return Real(f.ChannelSpeed); }},
    {"dPvlv", [](const TambourFloor &f) { return Real(f.ValvePressureDiff); }},
    {"dGsh", [](const TambourFloor &f) { return Real(f.WallLeak); }},
    {"dGvlv", [](const TambourFloor &f) { return Real(f.ValveLeak); }},
};
// clang-format on

template <class Floor>
Json FloorsJson(const std::vector<Floor> &floors, std::span<const JsonKey<Floor>> keys) {
    Json a = Json::array();
    for (const Floor &f : floors) {
        Json row = Json::object();
        PutKeys(row, keys, f);
        a.push_back(std::move(row));
    }
    return a;
}

} // namespace

Json InflowResultsJson(const InflowCalc &c) {
    Json j = Json::object();
    PutKeys<Common>(j, kCommonKeys, CommonOf(c));
    switch (c.Variant) {
    case SupplyVariant::aboveGroundStair: {
        const Over &s = c.AboveGroundStair();
        PutKeys<Over>(j, kAboveGroundKeys, s);
        PutKeys<DuctInputs>(j, kDuctInputKeys, s.Inputs().Duct);
        PutKeys<Stair>(j, kStairwellKeys, {s.Inputs().Stairwell, s.Results().Stairwell});
        break;
    }
    case SupplyVariant::undergroundStair: {
        const Under &s = c.UndergroundStair();
        PutKeys<Under>(j, kUndergroundKeys, s);
        PutKeys<Stair>(j, kStairwellKeys, {s.Inputs().Stairwell, s.Results().Stairwell});
        break;
    }
    case SupplyVariant::lift:
        PutKeys<LiftCalc>(j, kLiftKeys, c.Lift());
        PutKeys<DuctInputs>(j, kDuctInputKeys, c.Lift().Inputs().Duct);
        break;
    case SupplyVariant::tambour:
        PutKeys<Tmb>(j, kTambourKeys, c.Tambour());
        break;
    }
    return j;
}

Json InflowFloorsJson(const InflowCalc &c) {
    switch (c.Variant) {
    case SupplyVariant::aboveGroundStair:
        return FloorsJson<OverFloor>(c.AboveGroundStair().Results().Floors, kAboveGroundFloorKeys);
    case SupplyVariant::undergroundStair:
        return FloorsJson<UnderFloor>(c.UndergroundStair().Results().Floors, kUndergroundFloorKeys);
    case SupplyVariant::lift:
        return FloorsJson<LiftFloor>(c.Lift().Results().Floors, kLiftFloorKeys);
    case SupplyVariant::tambour:
        return FloorsJson<TambourFloor>(c.Tambour().Results().Floors, kTambourFloorKeys);
    }
    return Json::array();
}

} // namespace orvane::inflow
