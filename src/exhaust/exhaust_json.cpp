#include "exhaust/exhaust_json.h"

#include <cmath>

namespace orvane::exhaust {

namespace {

nlohmann::json Real(double x) {
    return std::isfinite(x) ? nlohmann::json(x) : nlohmann::json();
}

} // namespace

#define ORVANE_REAL(obj, field) obj[#field] = Real(src.field)
#define ORVANE_PLAIN(obj, field) obj[#field] = src.field

nlohmann::json ExhaustResultsJson(const ExhaustCalc &src) {
    nlohmann::json r = nlohmann::json::object();
    r["CalcVariant"] = CalcVariantName(src.CalcVariant);
    ORVANE_PLAIN(r, IsLivingBuilding);
    ORVANE_PLAIN(r, IsInTownBuilding);
    r["AUPTType"] = AUPTTypeName(src.AUPTType);
    r["RoomSizeVariant"] = RoomSizeVariantName(src.RoomSizeVariant);
    ORVANE_REAL(r, RoomLength);
    ORVANE_REAL(r, RoomWidth);
    ORVANE_REAL(r, RoomHeight);
    ORVANE_REAL(r, FloorArea);
    ORVANE_REAL(r, RoomVolume);
    nlohmann::json doors = nlohmann::json::array();
    for (const auto &d : src.DoorSizes)
        doors.push_back({Real(d[0]), Real(d[1])});
    r["DoorSizes"] = doors;
    ORVANE_REAL(r, NoSmokeHeight);
    ORVANE_REAL(r, SmokeThickness);
    ORVANE_REAL(r, FireArea);
    ORVANE_REAL(r, Qr);
    r["FireLoadDensity"] = {{"Name", src.FireLoadDensity.Name},
                            {"FLDensity", Real(src.FireLoadDensity.FLDensity)}};
    r["FireLoad"] = {{"Name", src.FireLoad.Name},
                     {"BurnEnergy", Real(src.FireLoad.BurnEnergy)},
                     {"FireSpeed", Real(src.FireLoad.FireSpeed)},
                     {"SBurnSpeed", Real(src.FireLoad.SBurnSpeed)}};
    ORVANE_REAL(r, FireHeatPower);
    ORVANE_REAL(r, RoomAirTemp);
    ORVANE_REAL(r, FireEvolutionTime);
    ORVANE_REAL(r, SmokeCoef);
    ORVANE_REAL(r, CorridorLength);
    ORVANE_REAL(r, CorridorArea);
    ORVANE_REAL(r, CorridorDoorArea);
    ORVANE_REAL(r, CorridorDoorHeight);
    ORVANE_REAL(r, CorridorHeight);
    ORVANE_REAL(r, FirstFloorLevel);
    ORVANE_REAL(r, MaxSmokePerimeter);
    ORVANE_REAL(r, SmokeEquiArea);
    ORVANE_REAL(r, BurningFullness);
    ORVANE_REAL(r, HeatRadiationCoef);
    ORVANE_REAL(r, InitSmokeStreamWidth);
    ORVANE_REAL(r, GalleryTopToSmokeBot);
    ORVANE_REAL(r, GalleryTopHeight);
    ORVANE_REAL(r, OutsideAirTemp);
    ORVANE_REAL(r, OutAirTempComp);
    ORVANE_REAL(r, WindSpeed);
    ORVANE_PLAIN(r, CalcWithShaft);
    ORVANE_PLAIN(r, Term1);
    ORVANE_REAL(r, ShaftConDuctResist);
    ORVANE_REAL(r, ShaftExhaustGasSpeed);
    ORVANE_PLAIN(r, Term2);
    ORVANE_PLAIN(r, Detailed);
    ORVANE_REAL(r, BarrierArea);
    ORVANE_REAL(r, TotalDoorsArea);
    ORVANE_REAL(r, DoorRate);
    ORVANE_REAL(r, NecSpecAirAmount);
    ORVANE_REAL(r, FireLoadSpecFloor);
    ORVANE_REAL(r, FireLoadSpecBarrier);
    ORVANE_REAL(r, FireLoadCritical);
    ORVANE_REAL(r, MaxMeanGasTemp);
    ORVANE_REAL(r, OutletGasTemp);
    ORVANE_REAL(r, ConvectTemp);
    ORVANE_REAL(r, MeanSmokeTemp);
    ORVANE_REAL(r, FireRadius);
    ORVANE_REAL(r, FlameTongueHeight);
    ORVANE_REAL(r, SpecConvectHeat);
    ORVANE_REAL(r, SpecSmokeHeat);
    ORVANE_REAL(r, HeatEmissionCoef);
    ORVANE_REAL(r, GasMassExps);
    ORVANE_REAL(r, MeanGasDensity);
    ORVANE_REAL(r, GasVolumeExps);
    ORVANE_REAL(r, ResultX);
    ORVANE_REAL(r, ResultFDelta);
    ORVANE_REAL(r, OutsideAirDensity);
    ORVANE_REAL(r, InsideAirDensity);
    ORVANE_REAL(r, IncomingAirTemp);
    ORVANE_REAL(r, IncomingAirDensity);
    ORVANE_REAL(r, ShaftOutGasSpeed);
    ORVANE_REAL(r, ShaftOutGasDensity);
    ORVANE_REAL(r, ShaftOutGasMassExps);
    ORVANE_REAL(r, ShaftOutGasVolumeExps);
    ORVANE_REAL(r, FanGasVolumeExps);
    ORVANE_REAL(r, FanPressure);
    return r;
}

nlohmann::json ExhaustSegmentsJson(const TYchastki &segments) {
    nlohmann::json list = nlohmann::json::array();
    for (const Ychastok_record &src : segments) {
        nlohmann::json s = nlohmann::json::object();
        ORVANE_PLAIN(s, StoreyName);
        ORVANE_PLAIN(s, ValveWidth);
        ORVANE_PLAIN(s, ValveHeight);
        ORVANE_PLAIN(s, ValveDriveOut);
        ORVANE_REAL(s, ValveArea);
        ORVANE_REAL(s, ValveResistCoef);
        ORVANE_REAL(s, NodeResistCoef);
        ORVANE_REAL(s, ValveSpecResist);
        ORVANE_REAL(s, ValveGasSpeed);
        ORVANE_REAL(s, ValvePressureLoss);
        ORVANE_REAL(s, Aww);
        ORVANE_REAL(s, Bww);
        ORVANE_REAL(s, Fww);
        ORVANE_REAL(s, Deww);
        ORVANE_REAL(s, Lww);
        ORVANE_REAL(s, ZETAww);
        ORVANE_PLAIN(s, HorMaterial);
        s["HorMaterialIndx"] = MaterialIndxName(src.HorMaterialIndx);
        ORVANE_REAL(s, Sww);
        ORVANE_REAL(s, HorCoefA);
        ORVANE_REAL(s, HorCoefB);
        ORVANE_REAL(s, LAMDAww);
        ORVANE_REAL(s, EPSILONww);
        ORVANE_REAL(s, HorGasSpeed);
        ORVANE_REAL(s, Ash);
        ORVANE_REAL(s, Bsh);
        ORVANE_REAL(s, Fsh);
        ORVANE_REAL(s, Desh);
        ORVANE_REAL(s, Lsh);
        ORVANE_REAL(s, ZETAsh);
        ORVANE_PLAIN(s, Material);
        s["MaterialIndx"] = MaterialIndxName(src.MaterialIndx);
        ORVANE_REAL(s, Ssh);
        ORVANE_REAL(s, CoefA);
        ORVANE_REAL(s, CoefB);
        ORVANE_REAL(s, LAMDAsh);
        ORVANE_REAL(s, EPSILONsh);
        ORVANE_REAL(s, h);
        ORVANE_REAL(s, Pnn);
        ORVANE_REAL(s, Pnz);
        ORVANE_REAL(s, Pw);
        ORVANE_REAL(s, Psh);
        ORVANE_REAL(s, Lpg);
        ORVANE_REAL(s, Gfsh);
        ORVANE_REAL(s, Gfww);
        ORVANE_REAL(s, Gfkl);
        ORVANE_REAL(s, Gf);
        ORVANE_REAL(s, Ga);
        ORVANE_REAL(s, Gsh);
        ORVANE_REAL(s, ToK);
        ORVANE_REAL(s, RHOpg);
        ORVANE_REAL(s, Vww);
        ORVANE_REAL(s, Vsh);
        ORVANE_REAL(s, DeltaPww);
        ORVANE_REAL(s, DeltaPsh);
        ORVANE_REAL(s, NU);
        ORVANE_REAL(s, Reww);
        ORVANE_REAL(s, Resh);
        list.push_back(std::move(s));
    }
    return list;
}

#undef ORVANE_REAL
#undef ORVANE_PLAIN

} // namespace orvane::exhaust
