#include "inflow/inflow_json.h"

#include <cmath>

namespace orvane::inflow {

namespace {

nlohmann::json Num(double v) {
    return std::isfinite(v) ? nlohmann::json(v) : nlohmann::json();
}

#define PUT(name) j[#name] = Num(c.name)
#define PUTI(name) j[#name] = c.name
#define PUTB(name) j[#name] = c.name

void Common(nlohmann::json &j, const InflowCalc &c) {
    j["CalcVariant"] = CalcVariantName(c.CalcVariant);
    j["ProjectName"] = c.ProjectName;
    j["SystemName"] = c.SystemName;
    PUT(InsideAirTemp);
    PUT(OutsideAirTemp);
    PUT(WindSpeed);
    PUT(KoefWW);
    PUT(KoefW0);
    PUT(OutsideAirDensity);
    PUT(InsideAirDensity);
    PUT(WindPress);
    PUT(VolumeAirExps);
    PUT(FanPress);
}

void StairShared(nlohmann::json &j, const InflowCalc &c) {
    PUT(GasMassExps);
    PUT(SWProjArea);
    PUT(SWKoefXis);
    PUT(OutsideDoorArea);
    PUT(OutsideDoorHeight);
    PUTI(OutDoorSeriesQty);
    PUT(OutsideDoorKoefXid);
    PUT(OutsideTambourKoefXir);
    PUT(DoorwayArea);
    PUT(DoorwayHeight);
    PUTB(DoorIsGasProof);
    PUT(ClosedDoorSpecResist);
    PUT(SWAirTemp);
    PUT(SWAirDensity);
    PUTI(CalculatedSWQty);
    PUT(ExitAirExps);
    PUT(SWAirExps);
}

void OverGround(nlohmann::json &j, const InflowCalc &c) {
    PUTB(SWTerm1);
    PUTB(SWTerm2);
    PUTB(SWTerm3);
    PUTB(SWTerm4);
    PUTI(OGFloorQty);
    PUTI(SWN1zone);
    PUTI(SWN2zone);
    PUT(SecondFloorLevel);
    PUT(OGFloorHeight);
    PUTI(OGStairWellQty);
    StairShared(j, c);
    PUT(WindowArea);
    PUTI(WinPenetVariant);
    PUT(WinPenetration);
    PUT(OGPplus);
    PUT(OGH0s);
    PUTB(APipeIsRect);
    PUT(APipeSizeA);
    PUT(APipeSizeB);
    PUT(APipeLen);
    PUT(APipeEpsilon);
    PUT(APipeXi);
    PUT(BuildingHeight);
    PUT(OutsideAirSpecWeight);
    PUT(InsideAirSpecWeight);
    PUT(NormDELTAAirPress);
    PUT(WindowNormAirResist);
    PUT(DesignPressure);
    PUT(WindowKoef);
    PUT(HeadAirExps);
    PUT(HeadPressure);
    PUT(ServedHeight);
    PUT(APipeArea);
    PUT(APipeDiamEq);
    PUT(APipeSpeed);
    PUT(APipeDynPress);
    PUT(APipeRe);
    PUT(APipeLambda);
    PUT(APipeSpecFriction);
    PUT(APipeLoss);
}

void UnderGround(nlohmann::json &j, const InflowCalc &c) {
    PUTI(UGFloorQty);
    PUT(UGFloorHeight);
    PUTI(UGStairWellQty);
    StairShared(j, c);
    PUT(UGH0Below);
    PUT(UGPdsBelow);
    PUT(UGHBottom);
    PUT(OpenSWPress);
    PUT(OpenSWAirExps);
    PUT(MassAirExps);
    PUT(AirPressure);
}

void Lift(nlohmann::json &j, const InflowCalc &c) {
    PUTI(OGFloorQty);
    PUTI(UGFloorQty);
    PUT(SecondFloorLevel);
    PUT(OGFloorHeight);
    PUT(UGFloorHeight);
    PUTI(LiftTerm1Shaft);
    PUTB(LiftTerm2Wind);
    PUTB(LiftTerm3Hall1);
    PUTB(LiftTerm4HallAbove);
    PUTB(LiftTerm5HallBelow);
    PUTI(LiftMethod);
    PUTI(LiftLevelStart);
    PUTI(LiftLevelFinish);
    PUT(LiftShaftDoorArea);
    PUT(LiftHallDoorArea);
    PUT(LiftShaftDoorHeight);
    PUTI(LiftCageQty);
    PUTI(LiftHallDoorQty);
    PUT(LiftHallDoorKoefXid);
    PUT(LiftCageArea);
    PUT(LiftShaftArea);
    PUT(LiftCageKoefXil);
    PUT(LiftMuGap);
    PUT(LiftShaftDoorSpecResist);
    PUT(LiftHallDoorSpecResist);
    nlohmann::json rows = nlohmann::json::array();
    for (const auto &r : c.LiftGapRows)
        rows.push_back({{"F", Num(r.F)}, {"Unit", r.Unit}, {"Value", Num(r.Value)}});
    j["LiftGapRows"] = rows;
    PUT(LiftPplus);
    PUT(LiftH0s);
    PUTB(APipeIsRect);
    PUT(APipeSizeA);
    PUT(APipeSizeB);
    PUT(APipeLen);
    PUT(APipeEpsilon);
    PUT(APipeXi);
    PUT(LiftShaftAirTemp);
    PUT(RhoL);
}

void Tambour(nlohmann::json &j, const InflowCalc &c) {
    PUTI(OGFloorQty);
    PUTI(UGFloorQty);
    PUT(SecondFloorLevel);
    PUT(OGFloorHeight);
    PUT(UGFloorHeight);
    PUTI(TmbrVariant);
    PUTI(TmbrTerms);
    PUT(TmbrHeatAirTemp);
    PUTI(TmbrDoorQty);
    PUT(TmbrDoorArea);
    PUT(TmbrDoorHeight);
    PUT(TmbrDoorMu);
    PUT(TmbrDoorAirSpeed);
    PUT(TmbrDoorSpecResist);
    PUT(TmbrPplus);
    PUT(TmbrValveArea);
    PUT(TmbrValveXi);
    PUT(TmbrValveSpecResist);
    PUT(TmbrValve1H);
    PUT(TmbrShaftDoorArea);
    PUT(TmbrShaftDoorSpecResist);
    PUTB(VPipeIsRect);
    PUT(VPipeSizeA);
    PUT(VPipeSizeB);
    PUT(VPipeEpsilon);
    PUT(VPipeProof);
    PUT(VPipeHTop);
    PUT(TmbrH0);
    PUT(APipeLen);
    PUT(APipeSizeA);
    PUT(APipeXi);
    PUT(LiftShaftAirTemp);
    PUT(MassAirExps);
}

#undef PUT
#undef PUTI
#undef PUTB

} // namespace

nlohmann::json InflowResultsJson(const InflowCalc &c) {
    nlohmann::json j = nlohmann::json::object();
    Common(j, c);
    switch (c.CalcVariant) {
    case TCalcVariant::cvrntOverGndStair:
        OverGround(j, c);
        break;
    case TCalcVariant::cvrntUnderGndStair:
        UnderGround(j, c);
        break;
    case TCalcVariant::cvrntLift:
        Lift(j, c);
        break;
    case TCalcVariant::cvrntTambour:
        Tambour(j, c);
        break;
    }
    return j;
}

nlohmann::json InflowFloorsJson(const InflowCalc &c) {
    nlohmann::json a = nlohmann::json::array();
    switch (c.CalcVariant) {
    case TCalcVariant::cvrntOverGndStair:
        for (const auto &f : c.OverGndStairResult)
            a.push_back({{"FloorNum", f.FloorNum},
                         {"dFloorH", Num(f.dFloorH)},
                         {"FloorH", Num(f.FloorH)},
                         {"v", Num(f.v)},
                         {"dPs", Num(f.dPs)},
                         {"Ps", Num(f.Ps)},
                         {"dPd", Num(f.dPd)},
                         {"dGsd", Num(f.dGsd)},
                         {"Gs", Num(f.Gs)},
                         {"dGsw", Num(f.dGsw)},
                         {"Gw", Num(f.Gw)}});
        break;
    case TCalcVariant::cvrntUnderGndStair:
        for (const auto &f : c.UnderGndStairResult)
            a.push_back({{"FloorNum", f.FloorNum},
                         {"Ps", Num(f.Ps)},
                         {"dGs", Num(f.dGs)},
                         {"Gs", Num(f.Gs)},
                         {"Lv", Num(f.Lv)},
                         {"Psv", Num(f.Psv)}});
        break;
    case TCalcVariant::cvrntLift:
        for (const auto &f : c.LiftShaftResult)
            a.push_back({{"FloorNum", f.FloorNum},
                         {"h", Num(f.h)},
                         {"Pg", Num(f.Pg)},
                         {"PL", Num(f.PL)},
                         {"DG", Num(f.DG)},
                         {"G", Num(f.G)}});
        break;
    case TCalcVariant::cvrntTambour:
        for (const auto &f : c.TmbrFloors)
            a.push_back({{"FloorNum", f.FloorNum},
                         {"dhfloor", Num(f.dhfloor)},
                         {"dhvlv", Num(f.dhvlv)},
                         {"hfloor", Num(f.hfloor)},
                         {"hvlv", Num(f.hvlv)},
                         {"Psh", Num(f.Psh)},
                         {"Gsh", Num(f.Gsh)},
                         {"vsh", Num(f.vsh)},
                         {"dPvlv", Num(f.dPvlv)},
                         {"dGsh", Num(f.dGsh)},
                         {"dGvlv", Num(f.dGvlv)}});
        break;
    }
    return a;
}

} // namespace orvane::inflow
