#include "exhaust/exhaust_json.h"

#include "report/json_keys.h"

namespace orvane::exhaust {

namespace {

using Json = nlohmann::json;

Json DoorSizesJson(const ExhaustCalc &c) {
    Json doors = Json::array();
    for (const auto &d : c.DoorSizes)
        doors.push_back({Real(d[0]), Real(d[1])});
    return doors;
}

Json FireLoadDensityJson(const ExhaustCalc &c) {
    return {{"Name", c.FireLoadDensity.Name}, {"FLDensity", Real(c.FireLoadDensity.FLDensity)}};
}

Json FireLoadJson(const ExhaustCalc &c) {
    return {{"Name", c.FireLoad.Name},
            {"BurnEnergy", Real(c.FireLoad.BurnEnergy)},
            {"FireSpeed", Real(c.FireLoad.FireSpeed)},
            {"SBurnSpeed", Real(c.FireLoad.SBurnSpeed)}};
}

// clang-format off
// The run's values under the keys the README documents: the inputs as the steps left them, the
// variant's intermediate values and the network's results.
const JsonKey<ExhaustCalc> kResultKeys[] = {
    {"CalcVariant", [](const ExhaustCalc &c) -> Json { return VariantJsonName(c.Variant); }},
    {"IsLivingBuilding", [](const ExhaustCalc &c) -> Json { return c.IsLivingBuilding; }},
    {"IsInTownBuilding", [](const ExhaustCalc &c) -> Json { return c.IsInTownBuilding; }},
    {"AUPTType", [](const ExhaustCalc &c) -> Json { return SprinklerJsonName(c.Sprinklers); }},
    {"RoomSizeVariant", [](const ExhaustCalc &c) -> Json { return RoomSizeJsonName(c.RoomSize); }},
    {"RoomLength", [](const ExhaustCalc &c) { return Real(c.RoomLength); }},
    {"RoomWidth", [](const ExhaustCalc &c) { return Real(c.RoomWidth); }},
    {"RoomHeight", [](const ExhaustCalc &c) { return Real(c.RoomHeight); }},
    {"FloorArea", [](const ExhaustCalc &c) { return Real(c.FloorArea); }},
    {"RoomVolume", [](const ExhaustCalc &c) { return Real(c.RoomVolume); }},
    {"DoorSizes", DoorSizesJson},
    {"NoSmokeHeight", [](const ExhaustCalc &c) { return Real(c.NoSmokeHeight); }},
    {"SmokeThickness", [](const ExhaustCalc &c) { return Real(c.SmokeThickness); }},
    {"FireArea", [](const ExhaustCalc &c) { return Real(c.FireArea); }},
    {"Qr", [](const ExhaustCalc &c) { return Real(c.Qr); }},
    {"FireLoadDensity", FireLoadDensityJson},
    {"FireLoad", FireLoadJson},
    {"FireHeatPower", [](const ExhaustCalc &c) { return Real(c.FireHeatPower); }},
    {"RoomAirTemp", [](const ExhaustCalc &c) { return Real(c.RoomAirTempK); }},
    {"FireEvolutionTime", [](const ExhaustCalc &c) { return Real(c.FireEvolutionTime); }},
    {"SmokeCoef", [](const ExhaustCalc &c) { return Real(c.SmokeCoef); }},
    {"CorridorLength", [](const ExhaustCalc &c) { return Real(c.CorridorLength); }},
    {"CorridorArea", [](const ExhaustCalc &c) { return Real(c.CorridorArea); }},
    {"CorridorDoorArea", [](const ExhaustCalc &c) { return Real(c.CorridorDoorArea); }},
    {"CorridorDoorHeight", [](const ExhaustCalc &c) { return Real(c.CorridorDoorHeight); }},
    {"CorridorHeight", [](const ExhaustCalc &c) { return Real(c.CorridorHeight); }},
    {"FirstFloorLevel", [](const ExhaustCalc &c) { return Real(c.FirstFloorLevel); }},
    {"MaxSmokePerimeter", [](const ExhaustCalc &c) { return Real(c.MaxSmokePerimeter); }},
    {"SmokeEquiArea", [](const ExhaustCalc &c) { return Real(c.SmokeEquiArea); }},
    {"BurningFullness", [](const ExhaustCalc &c) { return Real(c.BurningFullness); }},
    {"HeatRadiationCoef", [](const ExhaustCalc &c) { return Real(c.HeatRadiationCoef); }},
    {"InitSmokeStreamWidth", [](const ExhaustCalc &c) { return Real(c.InitSmokeStreamWidth); }},
    {"GalleryTopToSmokeBot", [](const ExhaustCalc &c) { return Real(c.GalleryTopToSmokeBot); }},
    {"GalleryTopHeight", [](const ExhaustCalc &c) { return Real(c.GalleryTopHeight); }},
    {"OutsideAirTemp", [](const ExhaustCalc &c) { return Real(c.OutsideAirTempK); }},
    {"OutAirTempComp", [](const ExhaustCalc &c) { return Real(c.CompensatingAirTempK); }},
    {"WindSpeed", [](const ExhaustCalc &c) { return Real(c.WindSpeed); }},
    {"CalcWithShaft", [](const ExhaustCalc &c) -> Json { return c.CalcWithShaft; }},
    {"Term1", [](const ExhaustCalc &c) -> Json { return c.Term1; }},
    {"ShaftConDuctResist", [](const ExhaustCalc &c) { return Real(c.ShaftConDuctResist); }},
    {"ShaftExhaustGasSpeed", [](const ExhaustCalc &c) { return Real(c.ShaftExhaustGasSpeed); }},
    {"Term2", [](const ExhaustCalc &c) -> Json { return c.Term2; }},
    {"Detailed", [](const ExhaustCalc &c) -> Json { return c.Detailed; }},
    {"BarrierArea", [](const ExhaustCalc &c) { return Real(c.BarrierArea); }},
    {"TotalDoorsArea", [](const ExhaustCalc &c) { return Real(c.TotalDoorsArea); }},
    {"DoorRate", [](const ExhaustCalc &c) { return Real(c.DoorRate); }},
    {"NecSpecAirAmount", [](const ExhaustCalc &c) { return Real(c.NecSpecAirAmount); }},
    {"FireLoadSpecFloor", [](const ExhaustCalc &c) { return Real(c.FireLoadSpecFloor); }},
    {"FireLoadSpecBarrier", [](const ExhaustCalc &c) { return Real(c.FireLoadSpecBarrier); }},
    {"FireLoadCritical", [](const ExhaustCalc &c) { return Real(c.FireLoadCritical); }},
    {"MaxMeanGasTemp", [](const ExhaustCalc &c) { return Real(c.MaxMeanGasTemp); }},
    {"OutletGasTemp", [](const ExhaustCalc &c) { return Real(c.OutletGasTemp); }},
    {"ConvectTemp", [](const ExhaustCalc &c) { return Real(c.ConvectTemp); }},
    {"MeanSmokeTemp", [](const ExhaustCalc &c) { return Real(c.MeanSmokeTemp); }},
    {"FireRadius", [](const ExhaustCalc &c) { return Real(c.FireRadius); }},
    {"FlameTongueHeight", [](const ExhaustCalc &c) { return Real(c.FlameTongueHeight); }},
    {"SpecConvectHeat", [](const ExhaustCalc &c) { return Real(c.SpecConvectHeat); }},
    {"SpecSmokeHeat", [](const ExhaustCalc &c) { return Real(c.SpecSmokeHeat); }},
    {"HeatEmissionCoef", [](const ExhaustCalc &c) { return Real(c.HeatEmissionCoef); }},
    {"GasMassExps", [](const ExhaustCalc &c) { return Real(c.GasMassFlow); }},
    {"MeanGasDensity", [](const ExhaustCalc &c) { return Real(c.MeanGasDensity); }},
    {"GasVolumeExps", [](const ExhaustCalc &c) { return Real(c.GasVolumeFlow); }},
    {"ResultX", [](const ExhaustCalc &c) { return Real(c.ResultX); }},
    {"ResultFDelta", [](const ExhaustCalc &c) { return Real(c.ResultFDelta); }},
    {"OutsideAirDensity", [](const ExhaustCalc &c) { return Real(c.OutsideAirDensity); }},
    {"InsideAirDensity", [](const ExhaustCalc &c) { return Real(c.InsideAirDensity); }},
    {"IncomingAirTemp", [](const ExhaustCalc &c) { return Real(c.IncomingAirTempK); }},
    {"IncomingAirDensity", [](const ExhaustCalc &c) { return Real(c.IncomingAirDensity); }},
    {"ShaftOutGasSpeed", [](const ExhaustCalc &c) { return Real(c.ShaftOutGasSpeed); }},
    {"ShaftOutGasDensity", [](const ExhaustCalc &c) { return Real(c.ShaftOutGasDensity); }},
    {"ShaftOutGasMassExps", [](const ExhaustCalc &c) { return Real(c.ShaftOutGasMassFlow); }},
    {"ShaftOutGasVolumeExps", [](const ExhaustCalc &c) { return Real(c.ShaftOutGasVolumeFlow); }},
    {"FanGasVolumeExps", [](const ExhaustCalc &c) { return Real(c.FanVolumeFlow); }},
    {"FanPressure", [](const ExhaustCalc &c) { return Real(c.FanPressure); }},
};

using Segment = NetworkSegment;
// A segment: what is entered, then what the network computed.
const JsonKey<Segment> kSegmentKeys[] = {
    {"StoreyName", [](const Segment &s) -> Json { return s.StoreyName; }},
    {"ValveWidth", [](const Segment &s) -> Json { return s.ValveWidth; }},
    {"ValveHeight", [](const Segment &s) -> Json { return s.ValveHeight; }},
    {"ValveDriveOut", [](const Segment &s) -> Json { return s.ValveDriveOut; }},
    {"ValveArea", [](const Segment &s) { return Real(s.ValveArea); }},
    {"ValveResistCoef", [](const Segment &s) { return Real(s.ValveResistCoef); }},
    {"NodeResistCoef", [](const Segment &s) { return Real(s.NodeResistCoef); }},
    {"ValveSpecResist", [](const Segment &s) { return Real(s.ValveSpecResist); }},
    {"ValveGasSpeed", [](const Segment &s) { return Real(s.ValveGasSpeed); }},
    {"ValvePressureLoss", [](const Segment &s) { return Real(s.ValvePressureLoss); }},
    {"Aww", [](const Segment &s) { return Real(s.Aww); }},
    {"Bww", [](const Segment &s) { return Real(s.Bww); }},
    {"Fww", [](const Segment &s) { return Real(s.Fww); }},
    {"Deww", [](const Segment &s) { return Real(s.Deww); }},
    {"Lww", [](const Segment &s) { return Real(s.Lww); }},
    {"ZETAww", [](const Segment &s) { return Real(s.ZETAww); }},
    {"HorMaterial", [](const Segment &s) -> Json { return s.HorMaterial; }},
    {"HorMaterialIndx", [](const Segment &s) -> Json { return MaterialJsonName(s.HorMaterialKind); }},
    {"Sww", [](const Segment &s) { return Real(s.Sww); }},
    {"HorCoefA", [](const Segment &s) { return Real(s.HorCoefA); }},
    {"HorCoefB", [](const Segment &s) { return Real(s.HorCoefB); }},
    {"LAMDAww", [](const Segment &s) { return Real(s.LAMDAww); }},
    {"EPSILONww", [](const Segment &s) { return Real(s.EPSILONww); }},
    {"HorGasSpeed", [](const Segment &s) { return Real(s.HorGasSpeed); }},
    {"Ash", [](const Segment &s) { return Real(s.Ash); }},
    {"Bsh", [](const Segment &s) { return Real(s.Bsh); }},
    {"Fsh", [](const Segment &s) { return Real(s.Fsh); }},
    {"Desh", [](const Segment &s) { return Real(s.Desh); }},
    {"Lsh", [](const Segment &s) { return Real(s.Lsh); }},
    {"ZETAsh", [](const Segment &s) { return Real(s.ZETAsh); }},
    {"Material", [](const Segment &s) -> Json { return s.Material; }},
    {"MaterialIndx", [](const Segment &s) -> Json { return MaterialJsonName(s.MaterialKind); }},
    {"Ssh", [](const Segment &s) { return Real(s.Ssh); }},
    {"CoefA", [](const Segment &s) { return Real(s.CoefA); }},
    {"CoefB", [](const Segment &s) { return Real(s.CoefB); }},
    {"LAMDAsh", [](const Segment &s) { return Real(s.LAMDAsh); }},
    {"EPSILONsh", [](const Segment &s) { return Real(s.EPSILONsh); }},
    {"h", [](const Segment &s) { return Real(s.h); }},
    {"Pnn", [](const Segment &s) { return Real(s.Pnn); }},
    {"Pnz", [](const Segment &s) { return Real(s.Pnz); }},
    {"Pw", [](const Segment &s) { return Real(s.Pw); }},
    {"Psh", [](const Segment &s) { return Real(s.Psh); }},
    {"Lpg", [](const Segment &s) { return Real(s.Lpg); }},
    {"Gfsh", [](const Segment &s) { return Real(s.Gfsh); }},
    {"Gfww", [](const Segment &s) { return Real(s.Gfww); }},
    {"Gfkl", [](const Segment &s) { return Real(s.Gfkl); }},
    {"Gf", [](const Segment &s) { return Real(s.Gf); }},
    {"Ga", [](const Segment &s) { return Real(s.Ga); }},
    {"Gsh", [](const Segment &s) { return Real(s.Gsh); }},
    {"ToK", [](const Segment &s) { return Real(s.ToK); }},
    {"RHOpg", [](const Segment &s) { return Real(s.RHOpg); }},
    {"Vww", [](const Segment &s) { return Real(s.Vww); }},
    {"Vsh", [](const Segment &s) { return Real(s.Vsh); }},
    {"DeltaPww", [](const Segment &s) { return Real(s.DeltaPww); }},
    {"DeltaPsh", [](const Segment &s) { return Real(s.DeltaPsh); }},
    {"NU", [](const Segment &s) { return Real(s.NU); }},
    {"Reww", [](const Segment &s) { return Real(s.Reww); }},
    {"Resh", [](const Segment &s) { return Real(s.Resh); }},
};
// clang-format on

} // namespace

Json ExhaustResultsJson(const ExhaustCalc &calc) {
    Json j = Json::object();
    PutKeys<ExhaustCalc>(j, kResultKeys, calc);
    return j;
}

Json ExhaustSegmentsJson(const NetworkSegments &segments) {
    Json list = Json::array();
    for (const Segment &s : segments) {
        Json row = Json::object();
        PutKeys<Segment>(row, kSegmentKeys, s);
        list.push_back(std::move(row));
    }
    return list;
}

} // namespace orvane::exhaust
