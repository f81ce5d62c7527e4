#pragma once
// The smoke exhaust calculation: the model fields, the input steps that fill them from the
// window's controls, the variant calculations and the report they write.

#include <array>
#include <functional>
#include <string>

#include "catalogs/fire_load_records.h"
#include "core/notifier.h"
#include "exhaust/exhaust_inputs.h"
#include "exhaust/segment.h"
#include "report/report_document.h"
#include "report/run_frame.h"

namespace orvane::exhaust {

// The variant chosen on the page. The hidden reserve choice and the atrium have no calculation of
// their own: they run as the corridor.
enum class ExhaustVariant { corridor, reserve, room, underGallery, atrium, parking };
// The sprinkler system of the room, which sets the fire area (3 x 3 m, 4 x 4 m).
enum class SprinklerKind { none, grid3x3, grid4x4 };
// How the room's size is entered: length, width and height; floor area, width and height.
enum class RoomSizeForm { lengthWidthHeight, areaWidthHeight, areaVolume };

// The names the JSON gives them, as the README documents: "cvrntCorridor", "auptNo", "rmszABH".
std::string VariantJsonName(ExhaustVariant v);
std::string SprinklerJsonName(SprinklerKind t);
std::string RoomSizeJsonName(RoomSizeForm v);
// The batch calculator's variant word: corridor, room, gallery, parking.
std::string VariantWord(ExhaustVariant v);

// How the room's fire area was taken.
enum class FireAreaSource { entered, sprinklers, circle, wholeFloor };

// What the room, gallery and car-park calculations leave for their report beside the model.
struct PlumeTerms {
    bool LayerDefined = true;      // false: the smoke layer's temperature cannot be found
    bool PerimeterEntered = false; // l_sm as entered, not 2·(a + b)
    FireAreaSource AreaSource = FireAreaSource::entered;
    double FireTime = 0;           // τ_o, s
    double SafeDistance = 0;       // R, m
    bool TallFlame = false;        // the flame reaches the smoke-free zone's height
    bool ColumnOutOfRange = false; // the column's balance has no root in -100..1500 K
    bool LayerOutOfRange = false;  // the smoke layer's balance has none
};

// Why a room or car park's smoke layer has no temperature (lines parted by '\r').
std::string SmokeLayerUndefinedMessage(ExhaustVariant variant);

inline constexpr std::string_view kTempRangeWarning =
    "Температура дыма вне диапазона расчёта (от -100 до 1500 K):\rрезультат недостоверен. "
    "Проверьте исходные данные.";

class ExhaustCalc : public RunFrame {
public:
    explicit ExhaustCalc(Notifier *notifier = nullptr);

    // --- model inputs (defaults: the field table's start values, in the model's units) ---
    ExhaustVariant Variant = ExhaustVariant::corridor;
    bool IsLivingBuilding = false;
    bool IsInTownBuilding = true;
    SprinklerKind Sprinklers = SprinklerKind::none;
    RoomSizeForm RoomSize = RoomSizeForm::lengthWidthHeight;
    double RoomLength = ExhaustStart(ctl::EditRoomLength);         // m
    double RoomWidth = ExhaustStart(ctl::EditRoomWidth);           // m
    double RoomHeight = ExhaustStart(ctl::EditRoomHeight);         // m
    double FloorArea = ExhaustStart(ctl::EditFloorAreaSH);         // m2
    double RoomVolume = 78;                                        // m3
    std::array<std::array<double, 2>, 10> DoorSizes{{{1.0, 2.1}}}; // width, height of each door, m
    double NoSmokeHeight = ExhaustStart(ctl::EditNoSmokeHeight);   // H_НЗ, m
    double SmokeThickness = 0;                                     // m
    double FireArea = 0;                                           // m2
    double Qr = ExhaustStart(ctl::EditQr); // critical heat flux density, kW/m2
    TFireLoadDensity FireLoadDensity{"Многоквартирные жилые дома: квартира до 100 кв.м", 600};
    TFireLoad FireLoad{"Мебель: дерево + облицовка", 14.4, 0.0154, 0.0135};
    double FireHeatPower = ExhaustStart(ctl::EditFireHeatPower);       // Q_f, kW
    double RoomAirTempK = ExhaustStart(ctl::EditRoomAirTemp) + 273;    // T_r, K (not °C)
    double FireEvolutionTime = 0;                                      // min
    double SmokeCoef = 0;                                              // k_sm, kg/(s·m^2.5)
    double CorridorLength = ExhaustStart(ctl::EditCorridorLength);     // m
    double CorridorArea = ExhaustStart(ctl::EditCorridorArea);         // m2
    double CorridorDoorArea = ExhaustStart(ctl::EditCrdrDoorArea);     // m2
    double CorridorDoorHeight = ExhaustStart(ctl::EditCrdrDoorHeight); // m
    double CorridorHeight = ExhaustStart(ctl::EditCorridorHeight);     // m
    double FirstFloorLevel = ExhaustStart(ctl::EditFirstFloorLevel);   // m
    double MaxSmokePerimeter = 0;                                      // m
    double SmokeEquiArea = 20;                                         // m2
    double BurningFullness = ExhaustStart(ctl::EditBurningFullness);   // fraction, 0..1
    double HeatRadiationCoef = ExhaustStart(ctl::EditHeatRadiation);   // fraction, 0..1
    double InitSmokeStreamWidth = ExhaustStart(ctl::EditInitSmkWidth); // W, m
    double GalleryTopToSmokeBot = ExhaustStart(ctl::EditGlrTopSmkBot); // m
    double GalleryTopHeight = ExhaustStart(ctl::EditGalleryTopHeight); // m
    double OutsideAirTempK =
        ExhaustStart(ctl::EditOutsideAirTemp) + 273; // T_Н, K (not °C, unlike the supply module's)
    double CompensatingAirTempK =
        ExhaustStart(ctl::EditOutAirTempComp) + 273;     // compensating air, K
    double WindSpeed = ExhaustStart(ctl::EditWindSpeed); // m/s
    bool CalcWithShaft = true;
    NetworkSegments Segments;
    bool Term1 = true;
    double ShaftConDuctResist = ExhaustStart(ctl::EditShaftConDuctResist); // P_d, Pa
    double ShaftExhaustGasSpeed = ExhaustStart(ctl::EditExhaustGasSpeed);  // v_f, m/s
    bool Term2 = true;
    bool Detailed = true; // cbDetailed "Подробно"

    // --- intermediate values and results of the variant calculations ---
    double BarrierArea = 0;         // m2
    double TotalDoorsArea = 0;      // m2
    double DoorRate = 0;            // m^½ (opening factor)
    double NecSpecAirAmount = 0;    // m3/kg
    double FireLoadSpecFloor = 0;   // kg/m2
    double FireLoadSpecBarrier = 0; // kg/m2
    double FireLoadCritical = 0;    // kg/m2
    double MaxMeanGasTemp = 0;      // K
    double OutletGasTemp = 0;       // K
    double ConvectTemp = 0;         // K
    double MeanSmokeTemp = 0;       // K
    double FireRadius = 0;          // m
    double FlameTongueHeight = 0;   // m
    double SpecConvectHeat = 0;     // kJ/(kg·K)
    double SpecSmokeHeat = 0;       // kJ/(kg·K)
    double HeatEmissionCoef = 0;    // kW/(m2·K)
    double GasMassFlow = 0;         // G_ПГ, kg/s
    double MeanGasDensity = 0;      // kg/m3
    double GasVolumeFlow = 0;       // m3/h
    double ResultX = 0;             // root of the last equation solved (no unit)
    double ResultFDelta = 0;        // its residual

    // --- network results (written by RunCalcShaft) ---
    double OutsideAirDensity = 0;     // kg/m3
    double InsideAirDensity = 0;      // kg/m3
    double IncomingAirTempK = 0;      // K
    double IncomingAirDensity = 0;    // kg/m3
    double ShaftOutGasSpeed = 0;      // m/s
    double ShaftOutGasDensity = 0;    // kg/m3
    double ShaftOutGasMassFlow = 0;   // kg/s
    double ShaftOutGasVolumeFlow = 0; // m3/h
    double FanVolumeFlow = 0;         // duty point, m3/h
    double FanPressure = 0;           // duty point, Pa

    ReportDocument Report; // RTBody / RTFull

    // --- input steps: true to go on, false when a value was refused (message given) ---
    ExhaustVariant ReadVariant(const ExhaustInputs &in) const;
    bool InputRoomTerms(const ExhaustInputs &in);
    std::optional<ControlName> InputRoomSize(const ExhaustInputs &in);
    bool InputFireLoad(const ExhaustInputs &in);
    bool InputCorridor(const ExhaustInputs &in);
    bool InputRoomFire(const ExhaustInputs &in);
    bool InputParkingFire(const ExhaustInputs &in);
    bool InputOutsideAndNetwork(const ExhaustInputs &in);

    // --- calculations ---
    // The corridor: computes, then writes the calculation (corridor_report.cpp).
    void RunCalcCorridor();
    void ComputeCorridor();
    // Room and under-gallery variants, then the car park: each computes, then writes its
    // calculation (room_fire_report.cpp). False when the inputs leave the smoke layer undefined
    // (message given, report stops).
    bool RunCalcRoom();
    bool RunCalcParking();
    PlumeTerms ComputeRoom();
    PlumeTerms ComputeParking();
    // The network up to the fan duty point; false when no valid duty point was reached.
    bool RunCalcShaft();
    // The failed-network message naming the first segment without a solution (-1: none).
    std::string NetworkFailedMessage(int firstFailed) const;

    // What "Расчет" does: report header, input steps, variant, network. Catches the non-finite
    // guard in one place. Leaves the full document in Report.RTFull.
    RunOutcome Run(ExhaustInputs &in);
    // Run's steps inside the frame (RunGuarded): how they ended.
    RunOutcome RunSteps(ExhaustInputs &in);

    // Property functions of the plume balances (temperatures in K).
    static double SmokeHeatCapacity(double T);
    static double WallHeatTransferCoef(double T);
    double ConvectColumnTemp(double x) const;
    double SmokeLayerTemp(double x) const;
    // Bisection as the temperature balances use it; leaves ResultX and ResultFDelta.
    double BisectRoot(const std::function<double(double)> &F, double lo, double hi, double tolX,
                      double relTol, double tolF);

private:
    // The temperature warning, once a run.
    void WarnOutOfRange();
    bool SmokeLayerDefined() const;
    void SizeRoomFire(PlumeTerms &terms);
    void SolvePlume(PlumeTerms &terms);

    bool rangeWarned_ = false;
};

// The first field the chosen variant reads whose text the field refuses ("17.5" floors):
// a run must not start from it (see FirstRefusedField).
// The door grid's cells are checked as fields of their own (the corridor reads them).
std::optional<FieldProblem> FindInvalidInput(const ExhaustInputs &in);
// A cell of the door grid as a field: caption "Ширина проема 3", key [Room] Door2W, a size of
// at least 0 or empty.
const FieldSpec &DoorCellField(size_t row, size_t column);

} // namespace orvane::exhaust
