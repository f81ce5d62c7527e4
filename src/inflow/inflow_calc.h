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
    double dFloorH = 0;
    double FloorH = 0;
    double v = 0;
    double dPs = 0;
    double Ps = 0;
    double dPd = 0;
    double dGsd = 0;
    double Gs = 0;
    double dGsw = 0;
    double Gw = 0;
};
using TOverGndStairResult = std::vector<TOverGndStairFloor>; // element 0: top floor of the zone

struct TUnderGndStairFloor {
    int FloorNum = 0;
    double Ps = 0;
    double dGs = 0;
    double Gs = 0;
    double Lv = 0;
    double Psv = 0;
};
using TUnderGndStairResult = std::vector<TUnderGndStairFloor>; // element 0: floor -1

struct TLiftShaftFloor {
    int FloorNum = 0;
    double h = 0;
    double Pg = 0;
    double PL = 0;
    double DG = 0;
    double G = 0;
};
using TLiftShaftResult = std::vector<TLiftShaftFloor>; // element 0: top floor

struct TTmbrPressForFloor {
    int FloorNum = 0;
    double dhfloor = 0;
    double dhvlv = 0;
    double hfloor = 0;
    double hvlv = 0;
    double Psh = 0;
    double Gsh = 0;
    double vsh = 0;
    double dPvlv = 0;
    double dGsh = 0;
    double dGvlv = 0;
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
    double SecondFloorLevel = 5;
    double OGFloorHeight = 4;
    int OGStairWellQty = 3;
    int UGFloorQty = 4;
    double UGFloorHeight = 3;
    int UGStairWellQty = 3;
    double GasMassExps = 3;
    double InsideAirTemp = 18;
    double OutsideAirTemp = -26;
    double WindSpeed = 0;
    double KoefWW = 0.8;
    double KoefW0 = -0.6;
    double SWProjArea = 18;
    double SWKoefXis = 60;
    double OutsideDoorArea = 2;
    double OutsideDoorHeight = 2.2;
    int OutDoorSeriesQty = 1;
    double OutsideDoorKoefXid = 2.44;
    double OutsideTambourKoefXir = 4;
    double DoorwayArea = 2;
    double DoorwayHeight = 2.2;
    double ClosedDoorSpecResist = 0;
    double WindowArea = 4;
    int WinPenetVariant = 1;
    double WinPenetration = 3;
    double OGPplus = 20;
    double OGH0s = 15;
    bool APipeIsRect = true;
    double APipeSizeA = 800;
    double APipeSizeB = 600;
    double APipeLen = 20;
    double APipeEpsilon = 0.1;
    double APipeXi = 2;
    double UGH0Below = 10;
    double UGPdsBelow = 100;

    // --- derived and result fields of the stairwell calculations ---
    double InsideAirDensity = 0;
    double OutsideAirDensity = 0;
    double SWAirTemp = 0;
    double SWAirDensity = 0;
    double WindPress = 0;
    double BuildingHeight = 0;
    double OutsideAirSpecWeight = 0;
    double InsideAirSpecWeight = 0;
    double NormDELTAAirPress = 0;
    double WindowNormAirResist = 0;
    int CalculatedSWQty = 0;
    double ExitAirExps = 0;
    double OpenSWPress = 0;
    double OpenSWAirExps = 0;
    double SWAirExps = 0;
    double UGHBottom = 0;
    double MassAirExps = 0;
    double AirPressure = 0;
    // The duty point every variant sets.
    double VolumeAirExps = 0; // LV, m3/h
    double FanPress = 0;      // Psv, Pa

    // --- values of the above-ground run the report prints (kept for the batch JSON) ---
    double DesignPressure = 0; // Pdes
    double WindowKoef = 0;     // Kw
    double HeadAirExps = 0;    // Gs at the head
    double HeadPressure = 0;   // PsN
    double ServedHeight = 0;   // hsN
    double APipeArea = 0;      // Fвв
    double APipeDiamEq = 0;    // DЭ, mm
    double APipeSpeed = 0;     // vвв
    double APipeDynPress = 0;  // Pd
    double APipeRe = 0;
    double APipeLambda = 0;       // f
    double APipeSpecFriction = 0; // ΔPf
    double APipeLoss = 0;         // Pвв

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
    double LiftShaftDoorArea = 1.89;
    double LiftHallDoorArea = 1.89;
    double LiftShaftDoorHeight = 2;
    int LiftCageQty = 1;
    int LiftHallDoorQty = 1;
    double LiftHallDoorKoefXid = 2.44;
    double LiftCageArea = 3;
    double LiftShaftArea = 4.6;
    double LiftCageKoefXil = 0;
    double LiftMuGap = 0.65;
    double LiftShaftDoorSpecResist = 0;
    double LiftHallDoorSpecResist = 0;
    // The three gap openings: area Fi, combo item (0 "μ", 1 "ξ+1") and value.
    struct TLiftGapRow {
        double F = 0;
        int Unit = 0;
        double Value = 0.64;
    };
    std::array<TLiftGapRow, 3> LiftGapRows{};
    double LiftPplus = 20;
    double LiftH0s = 3;
    double LiftShaftAirTemp = 0;
    double RhoL = 0;

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
    double TmbrHeatAirTemp = 20;
    int TmbrDoorQty = 1;
    double TmbrDoorArea = 2;
    double TmbrDoorHeight = 2.2;
    double TmbrDoorMu = 0.64;
    double TmbrDoorAirSpeed = 1.5;
    double TmbrDoorSpecResist = 0;
    double TmbrPplus = 20;
    double TmbrValveArea = 0.48;
    double TmbrValveXi = 1.5;
    double TmbrValveSpecResist = 30300;
    double TmbrValve1H = 4.5;
    double TmbrShaftDoorArea = 3;
    double TmbrShaftDoorSpecResist = 0;
    bool VPipeIsRect = true;
    double VPipeSizeA = 800;
    double VPipeSizeB = 600;
    double VPipeEpsilon = 4;
    double VPipeProof = 0.097;
    double VPipeHTop = 6;
    double TmbrH0 = 3;

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

    // Shared by the input steps of every variant.
    void Line(std::string_view text); // RtfText into RTBody
    // text + value + unit + "\b0\par ", the shape of most report lines.
    void ValueLine(std::string_view text, const std::string &value, std::string_view unit);
};

} // namespace orvane::inflow
