#include "inflow/inflow_json.h"

#include <cmath>
#include <span>
#include <string_view>

namespace orvane::inflow {

namespace {

using Json = nlohmann::json;

// A real number, or null when it is not finite.
Json Real(double v) {
    return std::isfinite(v) ? Json(v) : Json();
}

// One key of the JSON and how its value is taken from the record `T`. The keys are those the
// README documents; they stay as they are whatever the fields behind them are called.
template <class T> struct JsonKey {
    std::string_view key;
    Json (*value)(const T &);
};

template <class T> void PutKeys(Json &j, std::span<const JsonKey<T>> keys, const T &record) {
    for (const JsonKey<T> &k : keys)
        j[std::string(k.key)] = k.value(record);
}

using C = InflowCalc;

// clang-format off
const JsonKey<C> kCommonKeys[] = {
    {"CalcVariant", [](const C &c) -> Json { return CalcVariantName(c.CalcVariant); }},
    {"ProjectName", [](const C &c) -> Json { return c.ProjectName; }},
    {"SystemName", [](const C &c) -> Json { return c.SystemName; }},
    {"InsideAirTemp", [](const C &c) { return Real(c.InsideAirTemp); }},
    {"OutsideAirTemp", [](const C &c) { return Real(c.OutsideAirTemp); }},
    {"WindSpeed", [](const C &c) { return Real(c.WindSpeed); }},
    {"KoefWW", [](const C &c) { return Real(c.KoefWW); }},
    {"KoefW0", [](const C &c) { return Real(c.KoefW0); }},
    {"OutsideAirDensity", [](const C &c) { return Real(c.OutsideAirDensity); }},
    {"InsideAirDensity", [](const C &c) { return Real(c.InsideAirDensity); }},
    {"WindPress", [](const C &c) { return Real(c.WindPress); }},
    {"VolumeAirExps", [](const C &c) { return Real(c.VolumeAirExps); }},
    {"FanPress", [](const C &c) { return Real(c.FanPress); }},
};

// What both stairwells write.
const JsonKey<C> kStairwellKeys[] = {
    {"GasMassExps", [](const C &c) { return Real(c.GasMassExps); }},
    {"SWProjArea", [](const C &c) { return Real(c.SWProjArea); }},
    {"SWKoefXis", [](const C &c) { return Real(c.SWKoefXis); }},
    {"OutsideDoorArea", [](const C &c) { return Real(c.OutsideDoorArea); }},
    {"OutsideDoorHeight", [](const C &c) { return Real(c.OutsideDoorHeight); }},
    {"OutDoorSeriesQty", [](const C &c) -> Json { return c.OutDoorSeriesQty; }},
    {"OutsideDoorKoefXid", [](const C &c) { return Real(c.OutsideDoorKoefXid); }},
    {"OutsideTambourKoefXir", [](const C &c) { return Real(c.OutsideTambourKoefXir); }},
    {"DoorwayArea", [](const C &c) { return Real(c.DoorwayArea); }},
    {"DoorwayHeight", [](const C &c) { return Real(c.DoorwayHeight); }},
    {"DoorIsGasProof", [](const C &c) -> Json { return c.DoorIsGasProof; }},
    {"ClosedDoorSpecResist", [](const C &c) { return Real(c.ClosedDoorSpecResist); }},
    {"SWAirTemp", [](const C &c) { return Real(c.SWAirTemp); }},
    {"SWAirDensity", [](const C &c) { return Real(c.SWAirDensity); }},
    {"CalculatedSWQty", [](const C &c) -> Json { return c.CalculatedSWQty; }},
    {"ExitAirExps", [](const C &c) { return Real(c.ExitAirExps); }},
    {"SWAirExps", [](const C &c) { return Real(c.SWAirExps); }},
};

const JsonKey<C> kAboveGroundKeys[] = {
    {"SWTerm1", [](const C &c) -> Json { return c.SWTerm1; }},
    {"SWTerm2", [](const C &c) -> Json { return c.SWTerm2; }},
    {"SWTerm3", [](const C &c) -> Json { return c.SWTerm3; }},
    {"SWTerm4", [](const C &c) -> Json { return c.SWTerm4; }},
    {"OGFloorQty", [](const C &c) -> Json { return c.OGFloorQty; }},
    {"SWN1zone", [](const C &c) -> Json { return c.SWN1zone; }},
    {"SWN2zone", [](const C &c) -> Json { return c.SWN2zone; }},
    {"SecondFloorLevel", [](const C &c) { return Real(c.SecondFloorLevel); }},
    {"OGFloorHeight", [](const C &c) { return Real(c.OGFloorHeight); }},
    {"OGStairWellQty", [](const C &c) -> Json { return c.OGStairWellQty; }},
    {"WindowArea", [](const C &c) { return Real(c.WindowArea); }},
    {"WinPenetVariant", [](const C &c) -> Json { return c.WinPenetVariant; }},
    {"WinPenetration", [](const C &c) { return Real(c.WinPenetration); }},
    {"OGPplus", [](const C &c) { return Real(c.OGPplus); }},
    {"OGH0s", [](const C &c) { return Real(c.OGH0s); }},
    {"APipeIsRect", [](const C &c) -> Json { return c.APipeIsRect; }},
    {"APipeSizeA", [](const C &c) { return Real(c.APipeSizeA); }},
    {"APipeSizeB", [](const C &c) { return Real(c.APipeSizeB); }},
    {"APipeLen", [](const C &c) { return Real(c.APipeLen); }},
    {"APipeEpsilon", [](const C &c) { return Real(c.APipeEpsilon); }},
    {"APipeXi", [](const C &c) { return Real(c.APipeXi); }},
    {"BuildingHeight", [](const C &c) { return Real(c.BuildingHeight); }},
    {"OutsideAirSpecWeight", [](const C &c) { return Real(c.OutsideAirSpecWeight); }},
    {"InsideAirSpecWeight", [](const C &c) { return Real(c.InsideAirSpecWeight); }},
    {"NormDELTAAirPress", [](const C &c) { return Real(c.NormDELTAAirPress); }},
    {"WindowNormAirResist", [](const C &c) { return Real(c.WindowNormAirResist); }},
    {"DesignPressure", [](const C &c) { return Real(c.DesignPressure); }},
    {"WindowKoef", [](const C &c) { return Real(c.WindowKoef); }},
    {"HeadAirExps", [](const C &c) { return Real(c.HeadAirExps); }},
    {"HeadPressure", [](const C &c) { return Real(c.HeadPressure); }},
    {"ServedHeight", [](const C &c) { return Real(c.ServedHeight); }},
    {"APipeArea", [](const C &c) { return Real(c.APipeArea); }},
    {"APipeDiamEq", [](const C &c) { return Real(c.APipeDiamEq); }},
    {"APipeSpeed", [](const C &c) { return Real(c.APipeSpeed); }},
    {"APipeDynPress", [](const C &c) { return Real(c.APipeDynPress); }},
    {"APipeRe", [](const C &c) { return Real(c.APipeRe); }},
    {"APipeLambda", [](const C &c) { return Real(c.APipeLambda); }},
    {"APipeSpecFriction", [](const C &c) { return Real(c.APipeSpecFriction); }},
    {"APipeLoss", [](const C &c) { return Real(c.APipeLoss); }},
};

const JsonKey<C> kUndergroundKeys[] = {
    {"UGFloorQty", [](const C &c) -> Json { return c.UGFloorQty; }},
    {"UGFloorHeight", [](const C &c) { return Real(c.UGFloorHeight); }},
    {"UGStairWellQty", [](const C &c) -> Json { return c.UGStairWellQty; }},
    {"UGH0Below", [](const C &c) { return Real(c.UGH0Below); }},
    {"UGPdsBelow", [](const C &c) { return Real(c.UGPdsBelow); }},
    {"UGHBottom", [](const C &c) { return Real(c.UGHBottom); }},
    {"OpenSWPress", [](const C &c) { return Real(c.OpenSWPress); }},
    {"OpenSWAirExps", [](const C &c) { return Real(c.OpenSWAirExps); }},
    {"MassAirExps", [](const C &c) { return Real(c.MassAirExps); }},
    {"AirPressure", [](const C &c) { return Real(c.AirPressure); }},
};

const JsonKey<C> kLiftKeys[] = {
    {"OGFloorQty", [](const C &c) -> Json { return c.OGFloorQty; }},
    {"UGFloorQty", [](const C &c) -> Json { return c.UGFloorQty; }},
    {"SecondFloorLevel", [](const C &c) { return Real(c.SecondFloorLevel); }},
    {"OGFloorHeight", [](const C &c) { return Real(c.OGFloorHeight); }},
    {"UGFloorHeight", [](const C &c) { return Real(c.UGFloorHeight); }},
    {"LiftTerm1Shaft", [](const C &c) -> Json { return c.LiftTerm1Shaft; }},
    {"LiftTerm2Wind", [](const C &c) -> Json { return c.LiftTerm2Wind; }},
    {"LiftTerm3Hall1", [](const C &c) -> Json { return c.LiftTerm3Hall1; }},
    {"LiftTerm4HallAbove", [](const C &c) -> Json { return c.LiftTerm4HallAbove; }},
    {"LiftTerm5HallBelow", [](const C &c) -> Json { return c.LiftTerm5HallBelow; }},
    {"LiftMethod", [](const C &c) -> Json { return c.LiftMethod; }},
    {"LiftLevelStart", [](const C &c) -> Json { return c.LiftLevelStart; }},
    {"LiftLevelFinish", [](const C &c) -> Json { return c.LiftLevelFinish; }},
    {"LiftShaftDoorArea", [](const C &c) { return Real(c.LiftShaftDoorArea); }},
    {"LiftHallDoorArea", [](const C &c) { return Real(c.LiftHallDoorArea); }},
    {"LiftShaftDoorHeight", [](const C &c) { return Real(c.LiftShaftDoorHeight); }},
    {"LiftCageQty", [](const C &c) -> Json { return c.LiftCageQty; }},
    {"LiftHallDoorQty", [](const C &c) -> Json { return c.LiftHallDoorQty; }},
    {"LiftHallDoorKoefXid", [](const C &c) { return Real(c.LiftHallDoorKoefXid); }},
    {"LiftCageArea", [](const C &c) { return Real(c.LiftCageArea); }},
    {"LiftShaftArea", [](const C &c) { return Real(c.LiftShaftArea); }},
    {"LiftCageKoefXil", [](const C &c) { return Real(c.LiftCageKoefXil); }},
    {"LiftMuGap", [](const C &c) { return Real(c.LiftMuGap); }},
    {"LiftShaftDoorSpecResist", [](const C &c) { return Real(c.LiftShaftDoorSpecResist); }},
    {"LiftHallDoorSpecResist", [](const C &c) { return Real(c.LiftHallDoorSpecResist); }},
    {"LiftGapRows", [](const C &c) {
         Json rows = Json::array();
         for (const auto &r : c.LiftGapRows)
             rows.push_back({{"F", Real(r.F)}, {"Unit", r.Unit}, {"Value", Real(r.Value)}});
         return rows;
     }},
    {"LiftPplus", [](const C &c) { return Real(c.LiftPplus); }},
    {"LiftH0s", [](const C &c) { return Real(c.LiftH0s); }},
    {"APipeIsRect", [](const C &c) -> Json { return c.APipeIsRect; }},
    {"APipeSizeA", [](const C &c) { return Real(c.APipeSizeA); }},
    {"APipeSizeB", [](const C &c) { return Real(c.APipeSizeB); }},
    {"APipeLen", [](const C &c) { return Real(c.APipeLen); }},
    {"APipeEpsilon", [](const C &c) { return Real(c.APipeEpsilon); }},
    {"APipeXi", [](const C &c) { return Real(c.APipeXi); }},
    {"LiftShaftAirTemp", [](const C &c) { return Real(c.LiftShaftAirTemp); }},
    {"RhoL", [](const C &c) { return Real(c.RhoL); }},
};

const JsonKey<C> kTambourKeys[] = {
    {"OGFloorQty", [](const C &c) -> Json { return c.OGFloorQty; }},
    {"UGFloorQty", [](const C &c) -> Json { return c.UGFloorQty; }},
    {"SecondFloorLevel", [](const C &c) { return Real(c.SecondFloorLevel); }},
    {"OGFloorHeight", [](const C &c) { return Real(c.OGFloorHeight); }},
    {"UGFloorHeight", [](const C &c) { return Real(c.UGFloorHeight); }},
    {"TmbrVariant", [](const C &c) -> Json { return c.TmbrVariant; }},
    {"TmbrTerms", [](const C &c) -> Json { return c.TmbrTerms; }},
    {"TmbrHeatAirTemp", [](const C &c) { return Real(c.TmbrHeatAirTemp); }},
    {"TmbrDoorQty", [](const C &c) -> Json { return c.TmbrDoorQty; }},
    {"TmbrDoorArea", [](const C &c) { return Real(c.TmbrDoorArea); }},
    {"TmbrDoorHeight", [](const C &c) { return Real(c.TmbrDoorHeight); }},
    {"TmbrDoorMu", [](const C &c) { return Real(c.TmbrDoorMu); }},
    {"TmbrDoorAirSpeed", [](const C &c) { return Real(c.TmbrDoorAirSpeed); }},
    {"TmbrDoorSpecResist", [](const C &c) { return Real(c.TmbrDoorSpecResist); }},
    {"TmbrPplus", [](const C &c) { return Real(c.TmbrPplus); }},
    {"TmbrValveArea", [](const C &c) { return Real(c.TmbrValveArea); }},
    {"TmbrValveXi", [](const C &c) { return Real(c.TmbrValveXi); }},
    {"TmbrValveSpecResist", [](const C &c) { return Real(c.TmbrValveSpecResist); }},
    {"TmbrValve1H", [](const C &c) { return Real(c.TmbrValve1H); }},
    {"TmbrShaftDoorArea", [](const C &c) { return Real(c.TmbrShaftDoorArea); }},
    {"TmbrShaftDoorSpecResist", [](const C &c) { return Real(c.TmbrShaftDoorSpecResist); }},
    {"VPipeIsRect", [](const C &c) -> Json { return c.VPipeIsRect; }},
    {"VPipeSizeA", [](const C &c) { return Real(c.VPipeSizeA); }},
    {"VPipeSizeB", [](const C &c) { return Real(c.VPipeSizeB); }},
    {"VPipeEpsilon", [](const C &c) { return Real(c.VPipeEpsilon); }},
    {"VPipeProof", [](const C &c) { return Real(c.VPipeProof); }},
    {"VPipeHTop", [](const C &c) { return Real(c.VPipeHTop); }},
    {"TmbrH0", [](const C &c) { return Real(c.TmbrH0); }},
    {"APipeLen", [](const C &c) { return Real(c.APipeLen); }},
    {"APipeSizeA", [](const C &c) { return Real(c.APipeSizeA); }},
    {"APipeXi", [](const C &c) { return Real(c.APipeXi); }},
    {"LiftShaftAirTemp", [](const C &c) { return Real(c.LiftShaftAirTemp); }},
    {"MassAirExps", [](const C &c) { return Real(c.MassAirExps); }},
};

// The per-floor records, a table for each kind.
using OverFloor = TOverGndStairFloor;
const JsonKey<OverFloor> kAboveGroundFloorKeys[] = {
    {"FloorNum", [](const OverFloor &f) -> Json { return f.FloorNum; }},
    {"dFloorH", [](const OverFloor &f) { return Real(f.dFloorH); }},
    {"FloorH", [](const OverFloor &f) { return Real(f.FloorH); }},
    {"v", [](const OverFloor &f) { return Real(f.v); }},
    {"dPs", [](const OverFloor &f) { return Real(f.dPs); }},
    {"Ps", [](const OverFloor &f) { return Real(f.Ps); }},
    {"dPd", [](const OverFloor &f) { return Real(f.dPd); }},
    {"dGsd", [](const OverFloor &f) { return Real(f.dGsd); }},
    {"Gs", [](const OverFloor &f) { return Real(f.Gs); }},
    {"dGsw", [](const OverFloor &f) { return Real(f.dGsw); }},
    {"Gw", [](const OverFloor &f) { return Real(f.Gw); }},
};

using UnderFloor = TUnderGndStairFloor;
const JsonKey<UnderFloor> kUndergroundFloorKeys[] = {
    {"FloorNum", [](const UnderFloor &f) -> Json { return f.FloorNum; }},
    {"Ps", [](const UnderFloor &f) { return Real(f.Ps); }},
    {"dGs", [](const UnderFloor &f) { return Real(f.dGs); }},
    {"Gs", [](const UnderFloor &f) { return Real(f.Gs); }},
    {"Lv", [](const UnderFloor &f) { return Real(f.Lv); }},
    {"Psv", [](const UnderFloor &f) { return Real(f.Psv); }},
};

using LiftFloor = TLiftShaftFloor;
const JsonKey<LiftFloor> kLiftFloorKeys[] = {
    {"FloorNum", [](const LiftFloor &f) -> Json { return f.FloorNum; }},
    {"h", [](const LiftFloor &f) { return Real(f.h); }},
    {"Pg", [](const LiftFloor &f) { return Real(f.Pg); }},
    {"PL", [](const LiftFloor &f) { return Real(f.PL); }},
    {"DG", [](const LiftFloor &f) { return Real(f.DG); }},
    {"G", [](const LiftFloor &f) { return Real(f.G); }},
};

using TambourFloor = TTmbrPressForFloor;
const JsonKey<TambourFloor> kTambourFloorKeys[] = {
    {"FloorNum", [](const TambourFloor &f) -> Json { return f.FloorNum; }},
    {"dhfloor", [](const TambourFloor &f) { return Real(f.dhfloor); }},
    {"dhvlv", [](const TambourFloor &f) { return Real(f.dhvlv); }},
    {"hfloor", [](const TambourFloor &f) { return Real(f.hfloor); }},
    {"hvlv", [](const TambourFloor &f) { return Real(f.hvlv); }},
    {"Psh", [](const TambourFloor &f) { return Real(f.Psh); }},
    {"Gsh", [](const TambourFloor &f) { return Real(f.Gsh); }},
    {"vsh", [](const TambourFloor &f) { return Real(f.vsh); }},
    {"dPvlv", [](const TambourFloor &f) { return Real(f.dPvlv); }},
    {"dGsh", [](const TambourFloor &f) { return Real(f.dGsh); }},
    {"dGvlv", [](const TambourFloor &f) { return Real(f.dGvlv); }},
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
    PutKeys<C>(j, kCommonKeys, c);
    switch (c.CalcVariant) {
    case TCalcVariant::cvrntOverGndStair:
        PutKeys<C>(j, kAboveGroundKeys, c);
        PutKeys<C>(j, kStairwellKeys, c);
        break;
    case TCalcVariant::cvrntUnderGndStair:
        PutKeys<C>(j, kUndergroundKeys, c);
        PutKeys<C>(j, kStairwellKeys, c);
        break;
    case TCalcVariant::cvrntLift:
        PutKeys<C>(j, kLiftKeys, c);
        break;
    case TCalcVariant::cvrntTambour:
        PutKeys<C>(j, kTambourKeys, c);
        break;
    }
    return j;
}

Json InflowFloorsJson(const InflowCalc &c) {
    switch (c.CalcVariant) {
    case TCalcVariant::cvrntOverGndStair:
        return FloorsJson<OverFloor>(c.OverGndStairResult, kAboveGroundFloorKeys);
    case TCalcVariant::cvrntUnderGndStair:
        return FloorsJson<UnderFloor>(c.UnderGndStairResult, kUndergroundFloorKeys);
    case TCalcVariant::cvrntLift:
        return FloorsJson<LiftFloor>(c.LiftShaftResult, kLiftFloorKeys);
    case TCalcVariant::cvrntTambour:
        return FloorsJson<TambourFloor>(c.TmbrFloors, kTambourFloorKeys);
    }
    return Json::array();
}

} // namespace orvane::inflow
