#include "inflow/inflow_project.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <variant>
#include <vector>

#include "core/codepage.h"
#include "core/file_io.h"
#include "core/ini_file.h"
#include "core/number_text.h"

namespace orvane::inflow {

namespace {

enum class Kind {
    Int,         // digits only
    SignedInt,   // digits and a leading minus (the lift's exit floors)
    ZoneInt,     // the stairwell zone: below 1 leaves the edit empty
    Real,        // SanitizeNumberText on saving, "." or "," on reading
    AbsReal,     // saved as its absolute value
    DoorResist,  // 0 leaves the edit empty
    Bool,        // a radio pair: control checked, else control2
    WinVar,      // combo index 0..3
    LiftUnit,    // combo index: any non-zero reads as 1 ("ξ+1")
    LiftMethod,  // the three method radio buttons
    TmbrVariant, // the three tambour condition radio buttons
    VPipeA,      // the tambour channel's size A, kept apart under VPipeSizeA
};

using Field =
    std::variant<std::monostate, int InflowCalc::*, double InflowCalc::*, bool InflowCalc::*>;

struct KeyDef {
    const char *section;
    const char *key;
    Kind kind;
    const char *control;
    const char *control2;
    Field field;
    double fallback;
};

using IC = InflowCalc;

const std::vector<KeyDef> &LayoutSWOG() {
    static const std::vector<KeyDef> keys = {
        {"Terms", "Term1", Kind::Bool, "rbSWJoinWall", "rbSWNotJoinWall", &IC::SWTerm1, 1},
        {"Terms", "Term2", Kind::Bool, "rbSWWithExit", "rbSWWOExit", &IC::SWTerm2, 1},
        {"Terms", "Term3", Kind::Bool, "rbFirstFloorNotJoinSW", "rbFirstFloorJoinSW", &IC::SWTerm3,
         1},
        {"Terms", "Term4", Kind::Bool, "rbExitsToSWViaTambour", "rbExitsToSWViaDoor", &IC::SWTerm4,
         1},
        {"Building", "FloorQty", Kind::Int, "EditOGFloorQty", nullptr, &IC::OGFloorQty, 9},
        {"Building", "SWN1z", Kind::ZoneInt, "EditSWN1z", nullptr, &IC::SWN1zone, 0},
        {"Building", "SWN2z", Kind::ZoneInt, "EditSWN2z", nullptr, &IC::SWN2zone, 0},
        {"Building", "Floor2L", Kind::Real, "EditSecondFloorLevel", nullptr, &IC::SecondFloorLevel,
         4.35},
        {"Building", "FloorH", Kind::Real, "EditOGFloorHeight", nullptr, &IC::OGFloorHeight, 3},
        {"Building", "SWQty", Kind::Int, "EditOGStairWellQty", nullptr, &IC::OGStairWellQty, 3},
    };
    return keys;
}

// [Air] and [StairWell] shared by both stairwells.
const std::vector<KeyDef> &StairAirAndWell() {
    static const std::vector<KeyDef> keys = {
        {"Air", "KWW", Kind::Real, "EditKoefWW", nullptr, &IC::KoefWW, 0.8},
        {"Air", "KW0", Kind::Real, "EditKoefW0", nullptr, &IC::KoefW0, -0.6},
        {"Air", "AirTempI", Kind::Real, "EditInsideAirTemp", nullptr, &IC::InsideAirTemp, 16},
        {"Air", "AirTempO", Kind::Real, "EditOutsideAirTemp", nullptr, &IC::OutsideAirTemp, -26},
        {"Air", "WindSpeed", Kind::Real, "EditWindSpeed", nullptr, &IC::WindSpeed, 5},
        {"Air", "GasMExps", Kind::Real, "EditGasMassExps", nullptr, &IC::GasMassExps, 6},
        {"StairWell", "ProjArea", Kind::Real, "EditSWProjArea", nullptr, &IC::SWProjArea, 16.84},
        {"StairWell", "XIs", Kind::Real, "EditSWKoefXis", nullptr, &IC::SWKoefXis, 60},
        {"StairWell", "ODoorArea", Kind::Real, "EditOutsideDoorArea", nullptr, &IC::OutsideDoorArea,
         1.89},
        {"StairWell", "ODoorH", Kind::Real, "EditOutsideDoorHeight", nullptr,
         &IC::OutsideDoorHeight, 2.1},
        {"StairWell", "ODoorSQty", Kind::Int, "EditOutDoorSeriesQty", nullptr,
         &IC::OutDoorSeriesQty, 1},
        {"StairWell", "ODoorXid", Kind::Real, "EditOutsideDoorKoefXid", nullptr,
         &IC::OutsideDoorKoefXid, 2.44},
        {"StairWell", "OTambXir", Kind::Real, "EditOutsideTambourKoefXir", nullptr,
         &IC::OutsideTambourKoefXir, 4},
        {"StairWell", "DoorwayArea", Kind::Real, "EditDoorwayArea", nullptr, &IC::DoorwayArea,
         1.89},
        {"StairWell", "DoorwayH", Kind::Real, "EditDoorwayHeight", nullptr, &IC::DoorwayHeight,
         2.1},
        {"StairWell", "DoorGasProof", Kind::Bool, "rbDoorIsGasProof", "rbDoorIsOrdinary", Field{},
         0},
        {"StairWell", "DoorResist", Kind::DoorResist, "EditClosedDoorSpecResist", nullptr,
         &IC::ClosedDoorSpecResist, 0},
    };
    return keys;
}

std::vector<KeyDef> BuildSWOG() {
    std::vector<KeyDef> keys = LayoutSWOG();
    const auto &shared = StairAirAndWell();
    keys.insert(keys.end(), shared.begin(), shared.end());
    const std::vector<KeyDef> tail = {
        {"StairWell", "WindowArea", Kind::Real, "EditWindowArea", nullptr, &IC::WindowArea, 4},
        {"StairWell", "WinPenetVar", Kind::WinVar, "cbWinPenetrationVar", nullptr,
         &IC::WinPenetVariant, 1},
        {"StairWell", "WinAirPenet", Kind::Real, "EditWinPenetration", nullptr, &IC::WinPenetration,
         3},
        {"FanData", "Pplus", Kind::Real, "EditOGPplus", nullptr, &IC::OGPplus, 20},
        {"FanData", "H0s", Kind::Real, "EditOGH0s", nullptr, &IC::OGH0s, 5},
        {"FanData", "PipeSizeA", Kind::Real, "EditOGSizeA", nullptr, &IC::APipeSizeA, 800},
        {"FanData", "PipeSizeB", Kind::Real, "EditOGSizeB", nullptr, &IC::APipeSizeB, 600},
        {"FanData", "PipeLen", Kind::Real, "EditOGAPipeLen", nullptr, &IC::APipeLen, 20},
        {"FanData", "PipeIsRect", Kind::Bool, "rbOGRectAPipe", "rbOGRoundAPipe", &IC::APipeIsRect,
         1},
        {"FanData", "PipeEpsilon", Kind::Real, "EditOGAPipeEpsilon", nullptr, &IC::APipeEpsilon,
         0.1},
        {"FanData", "PipeXi", Kind::Real, "EditOGAPipeXi", nullptr, &IC::APipeXi, 2},
    };
    keys.insert(keys.end(), tail.begin(), tail.end());
    return keys;
}

std::vector<KeyDef> BuildSWUG() {
    std::vector<KeyDef> keys = {
        {"Building", "FloorQty", Kind::Int, "EditUGFloorQty", nullptr, &IC::UGFloorQty, 4},
        {"Building", "FloorH", Kind::AbsReal, "EditUGFloorHeight", nullptr, &IC::UGFloorHeight, 3},
        {"Building", "SWQty", Kind::Int, "EditUGStairWellQty", nullptr, &IC::UGStairWellQty, 3},
    };
    const auto &shared = StairAirAndWell();
    keys.insert(keys.end(), shared.begin(), shared.end());
    keys.push_back(
        {"FanData", "H0Below", Kind::Real, "EditUGH0Below", nullptr, &IC::UGH0Below, 10});
    keys.push_back(
        {"FanData", "PdsBelow", Kind::Real, "EditUGPdsBelow", nullptr, &IC::UGPdsBelow, 100});
    return keys;
}

std::vector<KeyDef> BuildLift() {
    return {
        {"Terms", "Term2", Kind::Bool, "rbLiftJoinWall", "rbLiftNotJoinWall", &IC::LiftTerm2Wind,
         1},
        {"Terms", "Term3", Kind::Bool, "rbLiftHall1", "rbLiftHall1Not", &IC::LiftTerm3Hall1, 1},
        {"Terms", "Term4", Kind::Bool, "rbLiftHallAbove", "rbLiftHallAboveNot",
         &IC::LiftTerm4HallAbove, 1},
        {"Terms", "Term5", Kind::Bool, "rbLiftHallBelow", "rbLiftHallBelowNot",
         &IC::LiftTerm5HallBelow, 0},
        {"Terms", "LMethod", Kind::LiftMethod, nullptr, nullptr, &IC::LiftMethod, 1},
        {"Building", "OGFloorQty", Kind::Int, "EditLiftOGFloorQty", nullptr, &IC::OGFloorQty, 9},
        {"Building", "Floor2L", Kind::Real, "EditLiftSecondFloorLevel", nullptr,
         &IC::SecondFloorLevel, 4.35},
        {"Building", "OGFloorH", Kind::Real, "EditLiftOGFloorHeight", nullptr, &IC::OGFloorHeight,
         3},
        {"Building", "UGFloorQty", Kind::Int, "EditLiftUGFloorQty", nullptr, &IC::UGFloorQty, 2},
        {"Building", "UGFloorH", Kind::AbsReal, "EditLiftUGFloorHeight", nullptr,
         &IC::UGFloorHeight, 3},
        {"Shaft", "LLvlStart", Kind::SignedInt, "EditLiftLevelStart", nullptr, &IC::LiftLevelStart,
         2},
        {"Shaft", "LLvlFinish", Kind::SignedInt, "EditLiftLevelFinish", nullptr,
         &IC::LiftLevelFinish, 16},
        {"Shaft", "LShaftDoorA", Kind::Real, "EditLiftShaftDoorArea", nullptr,
         &IC::LiftShaftDoorArea, 1.89},
        {"Shaft", "LHallDoorA", Kind::Real, "EditLiftHallDoorArea", nullptr, &IC::LiftHallDoorArea,
         2},
        {"Shaft", "LShaftDoorH", Kind::Real, "EditLiftShaftDoorHeight", nullptr,
         &IC::LiftShaftDoorHeight, 2.1},
        {"Shaft", "LCageQty", Kind::Int, "EditLiftCageQty", nullptr, &IC::LiftCageQty, 3},
        {"Shaft", "LHallDoorQty", Kind::Int, "EditLiftHallDoorQty", nullptr, &IC::LiftHallDoorQty,
         2},
        {"Shaft", "LCageXil", Kind::Real, "EditLiftCageKoefXil", nullptr, &IC::LiftCageKoefXil, 0},
        {"Shaft", "LHallDoorXid", Kind::Real, "EditLiftHallDoorKoefXid", nullptr,
         &IC::LiftHallDoorKoefXid, 2.44},
        {"Shaft", "LCageA", Kind::Real, "EditLiftCageArea", nullptr, &IC::LiftCageArea, 2},
        {"Shaft", "LShaftA", Kind::Real, "EditLiftShaftArea", nullptr, &IC::LiftShaftArea, 2.5},
        {"Shaft", "LShaftDoorSR", Kind::Real, "EditLiftShaftDoorSpecResist", nullptr,
         &IC::LiftShaftDoorSpecResist, 0},
        {"Shaft", "LHallDoorSR", Kind::Real, "EditLiftHallDoorSpecResist", nullptr,
         &IC::LiftHallDoorSpecResist, 0},
        {"Shaft", "LMuGap", Kind::Real, "EditLiftMuGap", nullptr, &IC::LiftMuGap, 0},
        {"Shaft", "LFmu1", Kind::Real, "EditLiftFmu1", nullptr, Field{}, 0},
        {"Shaft", "LUnit1", Kind::LiftUnit, "cbLiftUnit1", nullptr, Field{}, 0},
        {"Shaft", "LUnit1Value", Kind::Real, "EditLiftUnit1Value", nullptr, Field{}, 0},
        {"Shaft", "LFmu2", Kind::Real, "EditLiftFmu2", nullptr, Field{}, 0},
        {"Shaft", "LUnit2", Kind::LiftUnit, "cbLiftUnit2", nullptr, Field{}, 0},
        {"Shaft", "LUnit2Value", Kind::Real, "EditLiftUnit2Value", nullptr, Field{}, 0},
        {"Shaft", "LFmu3", Kind::Real, "EditLiftFmu3", nullptr, Field{}, 0},
        {"Shaft", "LUnit3", Kind::LiftUnit, "cbLiftUnit3", nullptr, Field{}, 0},
        {"Shaft", "LUnit3Value", Kind::Real, "EditLiftUnit3Value", nullptr, Field{}, 0},
        {"Air", "AirTempO", Kind::Real, "EditLiftOutsideAirTemp", nullptr, &IC::OutsideAirTemp,
         -26},
        {"Air", "AirTempI", Kind::Real, "EditLiftInsideAirTemp", nullptr, &IC::InsideAirTemp, 16},
        {"Air", "WindSpeed", Kind::Real, "EditLiftWindSpeed", nullptr, &IC::WindSpeed, 0},
        {"Air", "KWW", Kind::Real, "EditLiftKoefWW", nullptr, &IC::KoefWW, 0.8},
        {"Air", "KW0", Kind::Real, "EditLiftKoefW0", nullptr, &IC::KoefW0, -0.6},
        {"FanData", "LPplus", Kind::Real, "EditLiftPplus", nullptr, &IC::LiftPplus, 20},
        {"FanData", "H0Above", Kind::Real, "EditLiftH0s", nullptr, &IC::LiftH0s, 3},
        {"FanData", "PipeSizeA", Kind::Real, "EditLiftSizeA", nullptr, &IC::APipeSizeA, 800},
        {"FanData", "PipeSizeB", Kind::Real, "EditLiftSizeB", nullptr, &IC::APipeSizeB, 600},
        {"FanData", "PipeLen", Kind::Real, "EditLiftAPipeLen", nullptr, &IC::APipeLen, 20},
        {"FanData", "PipeIsRect", Kind::Bool, "rbLiftRectAPipe", "rbLiftRoundAPipe",
         &IC::APipeIsRect, 1},
        {"FanData", "PipeEpsilon", Kind::Real, "EditLiftAPipeEpsilon", nullptr, &IC::APipeEpsilon,
         0.1},
        {"FanData", "PipeXi", Kind::Real, "EditLiftAPipeXi", nullptr, &IC::APipeXi, 2},
    };
}

std::vector<KeyDef> BuildTambour() {
    return {
        {"Terms", "TmbrVariant", Kind::TmbrVariant, nullptr, nullptr, &IC::TmbrVariant, 0},
        {"Building", "Floor2L", Kind::Real, "EditTmbrSecondFloorLevel", nullptr,
         &IC::SecondFloorLevel, 4.35},
        {"Building", "OGFloorQty", Kind::Int, "EditTmbrOGFloorQty", nullptr, &IC::OGFloorQty, 9},
        {"Building", "OGFloorH", Kind::Real, "EditTmbrOGFloorHeight", nullptr, &IC::OGFloorHeight,
         3},
        {"Building", "UGFloorQty", Kind::Int, "EditTmbrUGFloorQty", nullptr, &IC::UGFloorQty, 4},
        {"Building", "UGFloorH", Kind::AbsReal, "EditTmbrUGFloorHeight", nullptr,
         &IC::UGFloorHeight, 3},
        {"Air", "AirTempO", Kind::Real, "EditTmbrOutsideAirTemp", nullptr, &IC::OutsideAirTemp,
         -26},
        {"Air", "AirTempI", Kind::Real, "EditTmbrInsideAirTemp", nullptr, &IC::InsideAirTemp, 18},
        {"Air", "AirTempH", Kind::Real, "EditTmbrHeatAirTemp", nullptr, &IC::TmbrHeatAirTemp, 20},
        {"Air", "WindSpeed", Kind::Real, "EditTmbrWindSpeed", nullptr, &IC::WindSpeed, 5},
        {"Air", "KWW", Kind::Real, "EditTmbrKoefWW", nullptr, &IC::KoefWW, 0.8},
        {"Air", "KW0", Kind::Real, "EditTmbrKoefW0", nullptr, &IC::KoefW0, -0.6},
        {"Tambour", "TmbrDoorQty", Kind::Int, "EditTmbrDoorQty", nullptr, &IC::TmbrDoorQty, 1},
        {"Tambour", "TmbrDoorA", Kind::Real, "EditTmbrDoorArea", nullptr, &IC::TmbrDoorArea, 2},
        {"Tambour", "TmbrDoorH", Kind::Real, "EditTmbrDoorHeight", nullptr, &IC::TmbrDoorHeight,
         2.2},
        {"Tambour", "TmbrDoorMu", Kind::Real, "EditTmbrDoorMu", nullptr, &IC::TmbrDoorMu, 0.64},
        {"Tambour", "TmbrDoorAS", Kind::Real, "EditTmbrDoorAirSpeed", nullptr,
         &IC::TmbrDoorAirSpeed, 1.5},
        {"Tambour", "TmbrDoorSR", Kind::Real, "EditTmbrDoorSpecResist", nullptr,
         &IC::TmbrDoorSpecResist, 0},
        {"Tambour", "TmbrPplus", Kind::Real, "EditTmbrPplus", nullptr, &IC::TmbrPplus, 20},
        {"Valve", "TmbrVArea", Kind::Real, "EditTmbrValveArea", nullptr, &IC::TmbrValveArea, 0.8},
        {"Valve", "TmbrVXi", Kind::Real, "EditTmbrValveXi", nullptr, &IC::TmbrValveXi, 4},
        {"Valve", "TmbrVSR", Kind::Real, "EditTmbrValveSpecResist", nullptr,
         &IC::TmbrValveSpecResist, 30300},
        {"Valve", "TmbrV1H", Kind::Real, "EditTmbrValve1H", nullptr, &IC::TmbrValve1H, 4.5},
        {"Shaft", "TmbrShaftDoorA", Kind::Real, "EditTmbrShaftDoorArea", nullptr,
         &IC::TmbrShaftDoorArea, 2},
        {"Shaft", "TmbrShaftSR", Kind::Real, "EditTmbrShaftDoorSpecResist", nullptr,
         &IC::TmbrShaftDoorSpecResist, 0},
        {"Pipe", "PipeSizeA", Kind::VPipeA, "EditTmbrSizeA", nullptr, &IC::VPipeSizeA, 500},
        {"Pipe", "PipeSizeB", Kind::Real, "EditTmbrSizeB", nullptr, &IC::VPipeSizeB, 800},
        {"Pipe", "PipeIsRect", Kind::Bool, "rbTmbrRectVPipe", "rbTmbrRoundVPipe", &IC::VPipeIsRect,
         1},
        {"Pipe", "PipeEpsilon", Kind::Real, "EditTmbrVPipeEpsilon", nullptr, &IC::VPipeEpsilon,
         0.1},
        {"Pipe", "PipeProof", Kind::Real, "EditTmbrVPipeProof", nullptr, &IC::VPipeProof, 0.097},
        {"Pipe", "PipeHTop", Kind::Real, "EditTmbrVPipeHTop", nullptr, &IC::VPipeHTop, 4},
        {"Pipe", "TmbrH0", Kind::Real, "EditTmbrH0", nullptr, &IC::TmbrH0, 10},
        {"Pipe", "PipeLen", Kind::Real, "EditTmbrAPipeLen", nullptr, &IC::APipeLen, 3},
        {"Pipe", "PipeSizeA", Kind::Real, "EditTmbrAPipeDiam", nullptr, &IC::APipeSizeA, 600},
        {"Pipe", "PipeXi", Kind::Real, "EditTmbrAPipeXi", nullptr, &IC::APipeXi, 2},
    };
}

const std::vector<KeyDef> &Layout(TCalcVariant v) {
    static const std::vector<KeyDef> og = BuildSWOG();
    static const std::vector<KeyDef> ug = BuildSWUG();
    static const std::vector<KeyDef> lift = BuildLift();
    static const std::vector<KeyDef> tambour = BuildTambour();
    switch (v) {
    case TCalcVariant::cvrntUnderGndStair:
        return ug;
    case TCalcVariant::cvrntLift:
        return lift;
    case TCalcVariant::cvrntTambour:
        return tambour;
    default:
        return og;
    }
}

// The vertical channel's size A; PipeSizeA of [Pipe] ends up holding the supply duct diameter.
constexpr const char *kVPipeSizeAKey = "VPipeSizeA";

const char *Descr2(TCalcVariant v) {
    switch (v) {
    case TCalcVariant::cvrntUnderGndStair:
        return "Подача воздуха в лестничную клетку подземной части";
    case TCalcVariant::cvrntLift:
        return "Подача воздуха в лифтовую шахту";
    case TCalcVariant::cvrntTambour:
        return "Подача воздуха в тамбур-шлюзы";
    default:
        return "Подача воздуха в лестничную клетку надземной части";
    }
}

void StoreInt(InflowCalc *calc, const Field &f, int v) {
    if (calc && std::holds_alternative<int InflowCalc::*>(f))
        calc->*std::get<int InflowCalc::*>(f) = v;
}
void StoreReal(InflowCalc *calc, const Field &f, double v) {
    if (calc && std::holds_alternative<double InflowCalc::*>(f))
        calc->*std::get<double InflowCalc::*>(f) = v;
}
void StoreBool(InflowCalc *calc, const Field &f, bool v) {
    if (calc && std::holds_alternative<bool InflowCalc::*>(f))
        calc->*std::get<bool InflowCalc::*>(f) = v;
}

int RadioIndex(const InflowInputs &in, std::span<const std::string_view> radios) {
    for (size_t i = 0; i < radios.size(); ++i)
        if (in.isChecked(radios[i]))
            return static_cast<int>(i) + 1;
    return 1;
}

// An integer edit as saving cleans it; the cleaned digits themselves when beyond 32 bits.
std::string IntToSave(const std::string &clean, bool &converted, int &value) {
    converted = TryTextToInt(clean, value);
    if (converted)
        return std::to_string(value);
    return clean.find_first_of("0123456789") == std::string::npos ? "0" : clean;
}

// A strict decimal integer of the file ("12", "-2"); blanks around it are allowed.
std::optional<int> ParseIniInt(const std::optional<std::string> &text) {
    if (!text)
        return std::nullopt;
    std::string_view s = *text;
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    int v = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || ptr != s.data() + s.size())
        return std::nullopt;
    return v;
}

std::string RealText(double v) {
    return FormatGeneral(v);
}

// A real as an edit shows it after opening. The general form writes magnitudes below 0.0001 or
// from 10^15 as "5E-5"; a run cleans an edit's text to digits, which would read that back as 55.
// Such values are shown in fixed notation with the same 15 significant digits instead.
std::string EditRealText(double v) {
    const std::string general = FormatGeneral(v);
    if (general.find('E') == std::string::npos)
        return general;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v)); // d.dddddddddddddde±x
    const std::string_view e(buf);
    const auto ePos = e.find('e');
    std::string digits = std::string(e.substr(0, 1)) + std::string(e.substr(2, ePos - 2));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent = std::atoi(buf + ePos + 1);
    std::string text = v < 0 ? "-" : "";
    if (exponent < 0)
        text += "0" + std::string(1, DecimalSeparator()) +
                std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    else
        text += digits + std::string(static_cast<size_t>(exponent + 1) - digits.size(), '0');
    return text;
}

} // namespace

std::string ProjectDateTimeText() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d %d:%02d:%02d", tm.tm_mday, tm.tm_mon + 1,
                  tm.tm_year + 1900, tm.tm_hour, tm.tm_min, tm.tm_sec);
    return buf;
}

std::optional<std::string> InflowProjectBytes(const InflowInputs &in, InflowCalc *calc,
                                              std::string_view dateTime, std::string *error) {
    // Names first: a character Windows-1251 cannot hold stops the save, naming the field.
    const std::pair<const char *, const char *> names[] = {
        {"EditProjectName", "Наименование проекта"},
        {"EditSystemName", "Наименование вентиляционной системы"}};
    for (const auto &[control, caption] : names) {
        std::string bad;
        if (!Utf8ToCp1251(in.text(control), &bad)) {
            if (error)
                *error = std::string("Проект не сохранён: поле «") + caption +
                         "» содержит символ «" + bad +
                         "», который нельзя записать в файл проекта (кодировка Windows-1251).";
            return std::nullopt;
        }
    }

    const TCalcVariant variant = ReadCalcVariant(in);
    if (calc) {
        calc->CalcVariant = variant;
        calc->ProjectName = in.text("EditProjectName");
        calc->SystemName = in.text("EditSystemName");
    }
    IniFile ini;
    std::string header = "\r\n# Inflow Smoke Removal Project\r\n# Created by Orvane, v.5.1 / "
                         "2024.02 (Tamso, Nolt) on ";
    header += dateTime;
    header += "\r\n\r\n";
    ini.setPreamble(std::move(header));
    ini.setValue("Project", "Name", in.text("EditProjectName"));
    ini.setValue("Project", "System", in.text("EditSystemName"));
    ini.setValue("Project", "Variant", VariantToCode(variant));
    ini.setValue("Project", "Descr1", "Приточная противодымная вентиляция");
    ini.setValue("Project", "Descr2", Descr2(variant));

    std::string vpipeA;
    for (const KeyDef &k : Layout(variant)) {
        std::string text;
        switch (k.kind) {
        case Kind::Int:
        case Kind::ZoneInt:
        case Kind::SignedInt: {
            const std::string raw = in.text(k.control);
            const std::string clean =
                k.kind == Kind::SignedInt ? SanitizeIntegerText(raw) : DigitsOnly(raw);
            bool converted = false;
            int v = 0;
            text = IntToSave(clean, converted, v);
            if (converted)
                StoreInt(calc, k.field, v);
            break;
        }
        case Kind::Real:
        case Kind::AbsReal:
        case Kind::DoorResist:
        case Kind::VPipeA: {
            double v = ReadRealInput(in.text(k.control));
            if (k.kind == Kind::AbsReal)
                v = std::fabs(v);
            if (std::isfinite(v)) {
                text = RealText(v);
                StoreReal(calc, k.field, v);
            } else {
                // guard: digits beyond the range of a real are kept as typed, never as "inf"
                text = SanitizeNumberText(in.text(k.control));
            }
            if (k.kind == Kind::VPipeA)
                vpipeA = text;
            break;
        }
        case Kind::Bool: {
            const bool v = in.isChecked(k.control);
            text.assign(1, v ? '1' : '0');
            StoreBool(calc, k.field, v);
            break;
        }
        case Kind::WinVar: {
            int v = in.comboIndex(k.control);
            if (v < 0 || v > 3)
                v = 0;
            text = std::to_string(v);
            StoreInt(calc, k.field, v);
            break;
        }
        case Kind::LiftUnit: {
            const int v = in.comboIndex(k.control) > 0 ? in.comboIndex(k.control) : 0;
            text = std::to_string(v);
            break;
        }
        case Kind::LiftMethod: {
            const int v = RadioIndex(in, kLiftMethodRadios);
            text = std::to_string(v);
            StoreInt(calc, k.field, v);
            break;
        }
        case Kind::TmbrVariant: {
            const int v = RadioIndex(in, kTmbrVariantRadios);
            text = std::to_string(v);
            StoreInt(calc, k.field, v);
            if (calc)
                calc->TmbrTerms = v;
            break;
        }
        }
        ini.setValue(k.section, k.key, text);
    }
    if (variant == TCalcVariant::cvrntTambour)
        ini.setValue("Pipe", kVPipeSizeAKey, vpipeA);
    return ini.toBytes(error);
}

ProjectFileResult SaveInflowProject(const std::string &path, const InflowInputs &in,
                                    InflowCalc *calc, std::string_view dateTime) {
    std::string error;
    auto bytes = InflowProjectBytes(in, calc, dateTime, &error);
    if (!bytes)
        return {false, error};
    FileResult written = WriteFileAtomic(path, *bytes);
    if (!written.ok)
        return {false, written.error};
    return {};
}

ProjectFileResult OpenInflowProjectBytes(std::string_view bytes, const std::string &path,
                                         InflowInputs &in, InflowCalc *calc) {
    const IniFile ini = IniFile::FromBytes(bytes);
    if (!ini.hasSection("Project"))
        return {false, std::string(kProjectOpenError) + path};

    in.setText("EditProjectName", ini.readString("Project", "Name"));
    in.setText("EditSystemName", ini.readString("Project", "System"));
    const TCalcVariant variant = CodeToVariant(ini.readString("Project", "Variant", "SW-OG"));
    in.check(kVariantRadios[static_cast<size_t>(variant)]);
    if (calc) {
        calc->CalcVariant = variant;
        calc->ProjectName = in.text("EditProjectName");
        calc->SystemName = in.text("EditSystemName");
    }

    for (const KeyDef &k : Layout(variant)) {
        const auto raw = ini.value(k.section, k.key);
        const int intFallback = static_cast<int>(k.fallback);
        switch (k.kind) {
        case Kind::Int:
        case Kind::SignedInt:
        case Kind::ZoneInt: {
            int v = ParseIniInt(raw).value_or(intFallback);
            if (k.kind == Kind::ZoneInt && v < 0)
                v = 0;
            StoreInt(calc, k.field, v);
            in.setText(k.control, k.kind == Kind::ZoneInt && v < 1 ? "" : std::to_string(v));
            break;
        }
        case Kind::Real:
        case Kind::AbsReal:
        case Kind::DoorResist:
        case Kind::VPipeA: {
            const char *key = k.key;
            if (k.kind == Kind::VPipeA && ini.value(k.section, kVPipeSizeAKey))
                key = kVPipeSizeAKey;
            double v = ReadIniReal(ini, k.section, key, k.fallback);
            if (!std::isfinite(v))
                v = k.fallback;
            StoreReal(calc, k.field, v);
            in.setText(k.control, k.kind == Kind::DoorResist && v == 0 ? "" : EditRealText(v));
            break;
        }
        case Kind::Bool: {
            const bool v = ParseIniInt(raw).value_or(intFallback) != 0;
            StoreBool(calc, k.field, v);
            in.checkPair(k.control, k.control2, v);
            break;
        }
        case Kind::WinVar: {
            int v = ParseIniInt(raw).value_or(intFallback);
            if (v < 0 || v > 3)
                v = 0;
            StoreInt(calc, k.field, v);
            in.setComboIndex(k.control, v);
            break;
        }
        case Kind::LiftUnit:
            in.setComboIndex(k.control, ParseIniInt(raw).value_or(intFallback) != 0 ? 1 : 0);
            break;
        case Kind::LiftMethod: {
            int v = ParseIniInt(raw).value_or(intFallback);
            v = v < 1 ? 1 : (v > 3 ? 3 : v);
            StoreInt(calc, k.field, v);
            in.check(kLiftMethodRadios[v - 1]);
            break;
        }
        case Kind::TmbrVariant: {
            int v = ParseIniInt(raw).value_or(intFallback);
            if (v != 2 && v != 3)
                v = 1;
            StoreInt(calc, k.field, v);
            if (calc)
                calc->TmbrTerms = v;
            in.check(kTmbrVariantRadios[v - 1]);
            break;
        }
        }
    }
    return {};
}

ProjectFileResult OpenInflowProject(const std::string &path, InflowInputs &in, InflowCalc *calc) {
    std::string bytes;
    const FileResult read = ReadFileBytes(path, bytes);
    if (!read.ok)
        return {false, "Файл проекта приточного ДУ не может быть прочитан (" + read.reason +
                           "):\r" + path};
    return OpenInflowProjectBytes(bytes, path, in, calc);
}

std::string WithProjectExtension(const std::string &chosen) {
    const auto slash = chosen.find_last_of("/\\");
    const auto dot = chosen.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return hasExtension ? chosen : chosen + ".isrprj";
}

} // namespace orvane::inflow
