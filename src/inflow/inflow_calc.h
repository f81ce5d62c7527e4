#pragma once
// The supply (pressurisation) calculation: the model fields, the input steps that fill them from
// the window's controls, the four variant calculations and the report they write.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/notifier.h"
#include "inflow/inflow_inputs.h"
#include "report/report_document.h"
#include "report/run_frame.h"

namespace orvane::inflow {

enum class TCalcVariant : unsigned char {
    cvrntOverGndStair = 0,
    cvrntUnderGndStair = 1,
    cvrntLift = 2,
    cvrntTambour = 3
};

std::string CalcVariantName(TCalcVariant v); // "cvrntOverGndStair"
// Project file and batch calculator codes: "SW-OG", "SW-UG", "LIFT", "TAMBOUR".
std::string VariantToCode(TCalcVariant v);
// Case-insensitive; an unknown or empty code is the above-ground stairwell.
TCalcVariant CodeToVariant(std::string_view code);
// The variant of the checked radio button (above-ground stairwell when none is checked).
TCalcVariant ReadCalcVariant(const InflowInputs &in);

inline constexpr std::string_view kFloorQtyLimitMessage = "Число этажей должно быть не более 300.";
inline constexpr std::string_view kStairWellQtyLimitMessage =
    "Количество лестничных клеток должно быть не более 100.";
inline constexpr int kMaxFloorQty = 300;
inline constexpr int kMaxStairWellQty = 100;

// One way of stating the air permeation of windows (a row of the combo box).
struct TVarWinPenetration {
    std::string_view SignList;
    std::string_view SignUnit;
    int SignBase;
    bool OpMul; // a permeability to multiply by; false: a resistance to divide by
    bool ByRho; // volumetric, converted with the outside air density
    std::string_view SignText1;
    std::string_view SignText2;
    std::string_view SignCapt;
};
extern const std::array<TVarWinPenetration, 4> VarWinPenetration;

// ---- per-floor records ----

struct TOverGndStairFloor {
    int FloorNum = 0;
    double dFloorH = 0; // step to the floor above, m
    double FloorH = 0;  // h_э, level, m
    double v = 0;       // v, air speed in the stairwell, m/s
    double dPs = 0;     // ΔP_s, loss to the floor above, Pa
    double Ps = 0;      // P_s, Pa
    double dPd = 0;     // ΔP_d across the door, Pa
    double dGsd = 0;    // ΔG_sd, door leakage, kg/s
    double Gs = 0;      // G_s, kg/s
    double dGsw = 0;    // ΔG_sw, window leakage, kg/s
    double Gw = 0;      // G_w, window leakage, kg/(h·m2)
};
using TOverGndStairResult = std::vector<TOverGndStairFloor>; // element 0: top floor of the zone

struct TUnderGndStairFloor {
    int FloorNum = 0;
    double Ps = 0;  // P, Pa: the stairwell's on floor -1, the door's difference below it
    double Pst = 0; // P_s(i), the stairwell's pressure at the floor, Pa
    double dGs = 0; // ΔG through the door, kg/s
    double Gs = 0;  // G, kg/s
    double Lv = 0;  // L_v, m3/h
    double Psv = 0; // P_sv, Pa
};
using TUnderGndStairResult = std::vector<TUnderGndStairFloor>; // element 0: floor -1

struct TLiftShaftFloor {
    int FloorNum = 0;
    double h = 0;  // h_э, level, m
    double Pg = 0; // P_ш, shaft pressure, Pa
    double PL = 0; // ΔP_d across the door, Pa
    double DG = 0; // ΔG, kg/s
    double G = 0;  // G, kg/s
};
using TLiftShaftResult = std::vector<TLiftShaftFloor>; // element 0: top floor

struct TTmbrPressForFloor {
    int FloorNum = 0;
    double dhfloor = 0; // Δh_э, m
    double dhvlv = 0;   // Δh_кл, m
    double hfloor = 0;  // h_э, m
    double hvlv = 0;    // h_кл, m
    double Psh = 0;     // P_ш, Pa
    double Gsh = 0;     // G_ш, kg/s
    double vsh = 0;     // v_ш, m/s
    double dPvlv = 0;   // ΔP_кл, Pa
    double dGsh = 0;    // ΔG_ш, kg/s
    double dGvlv = 0;   // ΔG_кл, kg/s
};
using TTmbrPressForFloors = std::vector<TTmbrPressForFloor>; // element 0: top floor

// What the above-ground floor pass takes.
struct TOverGndStairPassArgs {
    double Pdes = 0;
    double G0 = 0;
    int OGFloorQty = 0;
    int SWN1zone = 0;
    int SWN2zone = 0;
    double Fw = 0;
    double Kw = 0;
    double PwPrime = 0;
    bool FirstFloorClosed = false;
    double hd = 0;
    double h2 = 0;
    double dhNE = 0;
    double Sd = 0;
    double Fd = 0;
    double XiS = 0;
    double RhoA = 0;
    double RhoR = 0;
    double RhoS = 0;
    double FS = 0;
};

// What the underground floor pass takes.
struct TUnderGndStairPassArgs {
    double G0 = 0;
    double Ps1 = 0; // Ps(-1)
    int UGFloorQty = 0;
    double Pds = 0;
    double h0s = 0;
    double Sd = 0;
    double Fd = 0;
    double RhoA = 0;
    double RhoR = 0;
    double RhoS = 0;
    double hd = 0;
    double hBottom = 0; // h(-n), negative
    double dhPE = 0;
    double XiS = 0;
    double FS = 0;
};

class InflowCalc : public RunFrame {
public:
    explicit InflowCalc(Notifier *notifier = nullptr);

    // --- variant and project names ---
    TCalcVariant CalcVariant = TCalcVariant::cvrntOverGndStair;
    std::string ProjectName;
    std::string SystemName;

    // --- stairwell conditions ---
    bool SWTerm1 = true;
    bool SWTerm2 = false;
    bool SWTerm3 = true;
    bool SWTerm4 = false;
    bool DoorIsGasProof = false; // read from its radio pair for the report line only

    // --- stairwell and shared inputs (start values of the window) ---
    int OGFloorQty = 12;
    int SWN1zone = 0;
    int SWN2zone = 0;
    double SecondFloorLevel = 5; // h(2), m
    double OGFloorHeight = 4;    // Δh_НЭ, m
    int OGStairWellQty = 3;
    int UGFloorQty = 4;
    double UGFloorHeight = 3; // Δh_ПЭ, m
    int UGStairWellQty = 3;
    double GasMassExps = 3;         // G_sm, kg/s
    double InsideAirTemp = 18;      // t_r, °C (not K)
    double OutsideAirTemp = -26;    // t_a, °C (not K, unlike the exhaust module's)
    double WindSpeed = 0;           // v_a, m/s
    double KoefWW = 0.8;            // no unit
    double KoefW0 = -0.6;           // no unit
    double SWProjArea = 18;         // F_s, m2
    double SWKoefXis = 60;          // ξ_s, no unit
    double OutsideDoorArea = 2;     // F_da, m2
    double OutsideDoorHeight = 2.2; // h_da, m
    int OutDoorSeriesQty = 1;
    double OutsideDoorKoefXid = 2.44; // ξ_d, no unit
    double OutsideTambourKoefXir = 4; // ξ_r, no unit
    double DoorwayArea = 2;           // F_d, m2
    double DoorwayHeight = 2.2;       // h_d, m
    double ClosedDoorSpecResist = 0;  // S_d, m3/kg; 0 until the density gives it
    double WindowArea = 4;            // F_w, m2
    int WinPenetVariant = 1;
    double WinPenetration = 3; // in the unit of the WinPenetVariant row
    double OGPplus = 20;       // P+, Pa
    double OGH0s = 15;         // h_0s, m
    bool APipeIsRect = true;
    double APipeSizeA = 800;   // mm (the diameter of a round duct)
    double APipeSizeB = 600;   // mm
    double APipeLen = 20;      // m
    double APipeEpsilon = 0.1; // ε, mm
    double APipeXi = 2;        // Σξ, no unit
    double UGH0Below = 10;     // h_0s, m
    double UGPdsBelow = 100;   // P_ds, Pa

    // --- derived and result fields of the stairwell calculations ---
    double InsideAirDensity = 0;       // kg/m3
    double OutsideAirDensity = 0;      // kg/m3
    double SWAirTemp = 0;              // t_s, °C
    double SWAirDensity = 0;           // kg/m3
    double WindPress = 0;              // P_w, Pa
    double BuildingHeight = 0;         // H_зд, m
    double OutsideAirSpecWeight = 0;   // γ_a, N/m3
    double InsideAirSpecWeight = 0;    // γ_r, N/m3
    double NormDELTAAirPress = 0;      // Δp, Pa
    double WindowNormAirResist = 0;    // R_п, m2·h/kg
    double WindowNormPermeability = 0; // G_н, kg/(h·m2) at 10 Pa
    int CalculatedSWQty = 0;
    double ExitAirExps = 0;   // G_sa, kg/s
    double OpenSWPress = 0;   // P_s(-1), Pa
    double OpenSWAirExps = 0; // G_s(-1), kg/s
    double SWAirExps = 0;     // G_s, kg/s
    double UGHBottom = 0;     // h(-n), m, negative
    double MassAirExps = 0;   // kg/s
    double AirPressure = 0;   // Pa
    // The duty point every variant sets.
    double VolumeAirExps = 0; // LV, m3/h
    double FanPress = 0;      // Psv, Pa

    // --- values of the above-ground run the report prints (kept for the batch JSON) ---
    double DesignPressure = 0;    // Pdes, Pa
    double WindowKoef = 0;        // Kw, kg/(h·m2·Pa^⅔)
    double HeadAirExps = 0;       // Gs at the head, kg/s
    double HeadPressure = 0;      // PsN, Pa
    double ServedHeight = 0;      // hsN, m
    double APipeArea = 0;         // Fвв, m2
    double APipeDiamEq = 0;       // DЭ, mm
    double APipeSpeed = 0;        // vвв, m/s
    double APipeDynPress = 0;     // Pd, Pa
    double APipeRe = 0;           // no unit
    double APipeLambda = 0;       // f, no unit
    double APipeSpecFriction = 0; // ΔPf, Pa/m
    double APipeLoss = 0;         // Pвв, Pa

    // --- per-floor results of the last run (the window's arrays are local to a run; kept here
    // for the batch calculator's JSON) ---
    TOverGndStairResult OverGndStairResult;
    TUnderGndStairResult UnderGndStairResult;
    TLiftShaftResult LiftShaftResult;
    TTmbrPressForFloors TmbrFloors;

    ReportDocument Report; // RTBody / RTFull

    // --- input steps of the stairwells: true to go on, false when a value was refused ---
    bool InputProjectVariant(InflowInputs &in);
    bool InputOGStairTerms(InflowInputs &in);
    bool InputUGStairTerms(InflowInputs &in);
    bool InputStairAir(InflowInputs &in);
    bool InputStairDoorsSupply(InflowInputs &in);
    // 353 / ((tr + ta)/2 + 273.15), 0 at absolute zero.
    double StairAirDensity() const;

    // --- stairwell calculations ---
    void RunCalcOverGndStair();
    static TOverGndStairResult CalcOverGndStairFloors(const TOverGndStairPassArgs &a);
    void RunCalcUnderGndStair();
    static TUnderGndStairResult CalcUnderGndStairFloors(const TUnderGndStairPassArgs &a);
    // D = 1 + 8·T1 + 4·T2 + 2·T3 + T4, 1..16.
    static int SchemeNumber(bool t1, bool t2, bool t3, bool t4);

    // ---- lift shaft (lift.cpp) ----
    int LiftTerm1Shaft = 1;
    bool LiftTerm2Wind = true;
    bool LiftTerm3Hall1 = true;
    bool LiftTerm4HallAbove = true;
    bool LiftTerm5HallBelow = false;
    int LiftMethod = 1;
    int LiftLevelStart = 0;
    int LiftLevelFinish = 0;
    double LiftShaftDoorArea = 1.89; // F_dl, m2
    double LiftHallDoorArea = 1.89;  // F_dr, m2
    double LiftShaftDoorHeight = 2;  // h_dl, m
    int LiftCageQty = 1;
    int LiftHallDoorQty = 1;
    double LiftHallDoorKoefXid = 2.44;  // ξ_d, no unit
    double LiftCageArea = 3;            // F_lc, m2
    double LiftShaftArea = 4.6;         // F_ls, m2
    double LiftCageKoefXil = 0;         // ξ_l, no unit; 0 until computed
    double LiftMuGap = 0.65;            // μ_gap, no unit
    double LiftShaftDoorSpecResist = 0; // S_dl, m3/kg; 0 until computed
    double LiftHallDoorSpecResist = 0;  // S_dr, m3/kg; 0 until computed
    // The three gap openings: area Fi, combo item (0 "μ", 1 "ξ+1") and value.
    struct TLiftGapRow {
        double F = 0; // m2
        int Unit = 0;
        double Value = 0.64;
    };
    std::array<TLiftGapRow, 3> LiftGapRows{};
    double LiftPplus = 20;       // P+, Pa
    double LiftH0s = 3;          // h_0s, m
    double LiftShaftAirTemp = 0; // t_l, °C
    double RhoL = 0;             // ρ_l, kg/m3

    struct TLiftPassArgs {
        int OGCount = 0;
        int UGCount = 0;
        int LevelStart = 0;
        int LevelFinish = 0;
        bool DoorwayOpen = false;
        double G1 = 0;
        double h2 = 0;
        double RhoL = 0;
        double RhoR = 0;
        double dhNE = 0;
        double dhPE = 0;
        double hdl = 0;
        double SlrAbove = 0;
        double SlrBelow = 0;
        double Pplus = 0;
        double MuGap = 0;
        double Flc = 0;
        double Fls = 0;
        double Pl2 = 0;
        double PlM1 = 0; // Pl(-1)
        double Pw = 0;
    };

    bool InputLiftTerms(InflowInputs &in);
    bool InputLiftShaft(InflowInputs &in);
    bool InputLiftSupply(InflowInputs &in);
    void RunCalcCommonLiftInit();
    void RunCalcLift();
    static TLiftShaftResult CalcLiftShaftFloors(const TLiftPassArgs &a);

    // ---- tambour-airlock (tambour.cpp) ----
    int TmbrVariant = 1;
    int TmbrTerms = 1;
    double TmbrHeatAirTemp = 20; // t_sf, °C
    int TmbrDoorQty = 1;
    double TmbrDoorArea = 2;            // F_d, m2
    double TmbrDoorHeight = 2.2;        // h_d, m
    double TmbrDoorMu = 0.64;           // μ, no unit
    double TmbrDoorAirSpeed = 1.5;      // v_d, m/s
    double TmbrDoorSpecResist = 0;      // S_dsf, m3/kg; 0 until computed
    double TmbrPplus = 20;              // P+, Pa
    double TmbrValveArea = 0.48;        // F_кл, m2
    double TmbrValveXi = 1.5;           // ξ_кл, no unit
    double TmbrValveSpecResist = 30300; // S_кл, m3/kg
    double TmbrValve1H = 4.5;           // h_кл(1), m
    double TmbrShaftDoorArea = 3;       // m2
    double TmbrShaftDoorSpecResist = 0; // S_dsl, m3/kg; 0 until computed
    bool VPipeIsRect = true;
    double VPipeSizeA = 800;     // mm (the diameter of a round channel)
    double VPipeSizeB = 600;     // mm
    double VPipeEpsilon = 4;     // ε, mm
    double VPipeProof = 0.097;   // channel wall leakage, m3/(h·m2·Pa^0.65)
    double VPipeHTop = 6;        // H_top, m
    double TmbrH0 = 3;           // h_0, m
    double TmbrRoomPressure = 0; // P_sf, the pressure the protected room needs, Pa (a result)

    struct TTmbrPassArgs {
        int OGCount = 1; // NНЭ raised to at least 1
        int UGCount = 0;
        int Total = 0;
        double h2 = 0;
        double dhNE = 0;
        double dhPE = 0;
        double hd = 0;
        double RhoR = 0;
        double RhoSF = 0;
        double Pplus = 0;
        double Eps = 0;
        double Nu = 0;
        double DeM = 0; // DЭ in metres
        double Perimeter = 0;
        double F = 0;
        double APrime = 0;
        double Fvlv = 0;
        double Svlv = 0;
        double hvlv1 = 0;
        double dPvlv = 0;
        double Gsf = 0;
        double Psf = 0;
    };

    bool InputTmbrTerms(InflowInputs &in);
    bool InputTmbrAir(InflowInputs &in);
    bool InputTmbrRoomSupply(InflowInputs &in);
    void RunCalcTambour();
    static TTmbrPressForFloors CalcTmbrFloors(const TTmbrPassArgs &a);
    // ---- end of the lift and tambour sections ----

    // What "Расчет" does: report header, the variant's input steps, "РАСЧЁТ" and the
    // calculation. Catches the non-finite guard in one place. Leaves RTFull built.
    RunOutcome Run(InflowInputs &in);
    // Run's steps inside the frame (RunGuarded): how they ended.
    RunOutcome RunSteps(InflowInputs &in);

    // Shared by the input steps of every variant.
    void Line(std::string_view text); // RtfText into RTBody
    // text + value + unit + "\b0\par ", the shape of most report lines.
    void ValueLine(std::string_view text, const std::string &value, std::string_view unit);
};

// The first field the chosen variant reads whose text the field refuses ("17.5" floors):
// a run must not start from it (see FirstRefusedField).
std::optional<FieldProblem> FindInvalidInput(const InflowInputs &in);

} // namespace orvane::inflow
