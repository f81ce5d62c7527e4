#include "inflow/inflow_project.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "core/codepage.h"
#include "core/field_check.h"
#include "core/file_io.h"
#include "core/ini_file.h"
#include "core/number_text.h"
#include "core/project_file.h"
#include "orvane/version.h"

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

struct KeyDef {
    const char *section;
    const char *key;
    Kind kind;
    std::optional<ControlName> control; // an edit or combo, or a radio pair's first button
    std::optional<ControlName> control2;
    double fallback;
};

// A field text the window refuses is saved as it stands: the next opening shows it flagged,
// where a cleaned number would stand in for it without a word.
bool IsRefusedText(ControlName control, std::string_view text) {
    return !text.empty() && !IsValidNumberText(RuleOf(InflowField(control)), text);
}

// An edit or combo: its file key and fallback are the field table's.
KeyDef Edit(Kind kind, ControlName control) {
    const FieldSpec &f = InflowField(control);
    return {f.section.data(), f.key.data(), kind, control, std::nullopt, f.fallback.value_or(0)};
}
// A radio pair stored as 1 (first button) or 0.
KeyDef Pair(const char *section, const char *key, ControlName first, ControlName second,
            double fallback) {
    return {section, key, Kind::Bool, first, second, fallback};
}
// A radio group stored as the checked button's number.
KeyDef Group(const char *section, const char *key, Kind kind, double fallback) {
    return {section, key, kind, std::nullopt, std::nullopt, fallback};
}

const std::vector<KeyDef> &LayoutSWOG() {
    static const std::vector<KeyDef> keys = {
        Pair("Terms", "Term1", ctl::rbSWJoinWall, ctl::rbSWNotJoinWall, 1),
        Pair("Terms", "Term2", ctl::rbSWWithExit, ctl::rbSWWOExit, 1),
        Pair("Terms", "Term3", ctl::rbFirstFloorNotJoinSW, ctl::rbFirstFloorJoinSW, 1),
        Pair("Terms", "Term4", ctl::rbExitsToSWViaTambour, ctl::rbExitsToSWViaDoor, 1),
        Edit(Kind::Int, ctl::EditOGFloorQty),
        Edit(Kind::ZoneInt, ctl::EditSWN1z),
        Edit(Kind::ZoneInt, ctl::EditSWN2z),
        Edit(Kind::Real, ctl::EditSecondFloorLevel),
        Edit(Kind::Real, ctl::EditOGFloorHeight),
        Edit(Kind::Int, ctl::EditOGStairWellQty),
    };
    return keys;
}

// [Air] and [StairWell] shared by both stairwells.
const std::vector<KeyDef> &StairAirAndWell() {
    static const std::vector<KeyDef> keys = {
        Edit(Kind::Real, ctl::EditKoefWW),
        Edit(Kind::Real, ctl::EditKoefW0),
        Edit(Kind::Real, ctl::EditInsideAirTemp),
        Edit(Kind::Real, ctl::EditOutsideAirTemp),
        Edit(Kind::Real, ctl::EditWindSpeed),
        Edit(Kind::Real, ctl::EditGasMassExps),
        Edit(Kind::Real, ctl::EditSWProjArea),
        Edit(Kind::Real, ctl::EditSWKoefXis),
        Edit(Kind::Real, ctl::EditOutsideDoorArea),
        Edit(Kind::Real, ctl::EditOutsideDoorHeight),
        Edit(Kind::Int, ctl::EditOutDoorSeriesQty),
        Edit(Kind::Real, ctl::EditOutsideDoorKoefXid),
        Edit(Kind::Real, ctl::EditOutsideTambourKoefXir),
        Edit(Kind::Real, ctl::EditDoorwayArea),
        Edit(Kind::Real, ctl::EditDoorwayHeight),
        Pair("StairWell", "DoorGasProof", ctl::rbDoorIsGasProof, ctl::rbDoorIsOrdinary, 0),
        Edit(Kind::DoorResist, ctl::EditClosedDoorSpecResist),
    };
    return keys;
}

std::vector<KeyDef> BuildSWOG() {
    std::vector<KeyDef> keys = LayoutSWOG();
    const auto &shared = StairAirAndWell();
    keys.insert(keys.end(), shared.begin(), shared.end());
    const std::vector<KeyDef> tail = {
        Edit(Kind::Real, ctl::EditWindowArea),
        Edit(Kind::WinVar, ctl::cbWinPenetrationVar),
        Edit(Kind::Real, ctl::EditWinPenetration),
        Edit(Kind::Real, ctl::EditOGPplus),
        Edit(Kind::Real, ctl::EditOGH0s),
        Edit(Kind::Real, ctl::EditOGSizeA),
        Edit(Kind::Real, ctl::EditOGSizeB),
        Edit(Kind::Real, ctl::EditOGAPipeLen),
        Pair("FanData", "PipeIsRect", ctl::rbOGRectAPipe, ctl::rbOGRoundAPipe, 1),
        Edit(Kind::Real, ctl::EditOGAPipeEpsilon),
        Edit(Kind::Real, ctl::EditOGAPipeXi),
    };
    keys.insert(keys.end(), tail.begin(), tail.end());
    return keys;
}

std::vector<KeyDef> BuildSWUG() {
    std::vector<KeyDef> keys = {
        Edit(Kind::Int, ctl::EditUGFloorQty),
        Edit(Kind::AbsReal, ctl::EditUGFloorHeight),
        Edit(Kind::Int, ctl::EditUGStairWellQty),
    };
    const auto &shared = StairAirAndWell();
    keys.insert(keys.end(), shared.begin(), shared.end());
    keys.push_back(Edit(Kind::Real, ctl::EditUGH0Below));
    keys.push_back(Edit(Kind::Real, ctl::EditUGPdsBelow));
    return keys;
}

std::vector<KeyDef> BuildLift() {
    return {
        Pair("Terms", "Term2", ctl::rbLiftJoinWall, ctl::rbLiftNotJoinWall, 1),
        Pair("Terms", "Term3", ctl::rbLiftHall1, ctl::rbLiftHall1Not, 1),
        Pair("Terms", "Term4", ctl::rbLiftHallAbove, ctl::rbLiftHallAboveNot, 1),
        Pair("Terms", "Term5", ctl::rbLiftHallBelow, ctl::rbLiftHallBelowNot, 0),
        Group("Terms", "LMethod", Kind::LiftMethod, 1),
        Edit(Kind::Int, ctl::EditLiftOGFloorQty),
        Edit(Kind::Real, ctl::EditLiftSecondFloorLevel),
        Edit(Kind::Real, ctl::EditLiftOGFloorHeight),
        Edit(Kind::Int, ctl::EditLiftUGFloorQty),
        Edit(Kind::AbsReal, ctl::EditLiftUGFloorHeight),
        Edit(Kind::SignedInt, ctl::EditLiftLevelStart),
        Edit(Kind::SignedInt, ctl::EditLiftLevelFinish),
        Edit(Kind::Real, ctl::EditLiftShaftDoorArea),
        Edit(Kind::Real, ctl::EditLiftHallDoorArea),
        Edit(Kind::Real, ctl::EditLiftShaftDoorHeight),
        Edit(Kind::Int, ctl::EditLiftCageQty),
        Edit(Kind::Int, ctl::EditLiftHallDoorQty),
        Edit(Kind::Real, ctl::EditLiftCageKoefXil),
        Edit(Kind::Real, ctl::EditLiftHallDoorKoefXid),
        Edit(Kind::Real, ctl::EditLiftCageArea),
        Edit(Kind::Real, ctl::EditLiftShaftArea),
        Edit(Kind::Real, ctl::EditLiftShaftDoorSpecResist),
        Edit(Kind::Real, ctl::EditLiftHallDoorSpecResist),
        Edit(Kind::Real, ctl::EditLiftMuGap),
        Edit(Kind::Real, ctl::EditLiftFmu1),
        Edit(Kind::LiftUnit, ctl::cbLiftUnit1),
        Edit(Kind::Real, ctl::EditLiftUnit1Value),
        Edit(Kind::Real, ctl::EditLiftFmu2),
        Edit(Kind::LiftUnit, ctl::cbLiftUnit2),
        Edit(Kind::Real, ctl::EditLiftUnit2Value),
        Edit(Kind::Real, ctl::EditLiftFmu3),
        Edit(Kind::LiftUnit, ctl::cbLiftUnit3),
        Edit(Kind::Real, ctl::EditLiftUnit3Value),
        Edit(Kind::Real, ctl::EditLiftOutsideAirTemp),
        Edit(Kind::Real, ctl::EditLiftInsideAirTemp),
        Edit(Kind::Real, ctl::EditLiftWindSpeed),
        Edit(Kind::Real, ctl::EditLiftKoefWW),
        Edit(Kind::Real, ctl::EditLiftKoefW0),
        Edit(Kind::Real, ctl::EditLiftPplus),
        Edit(Kind::Real, ctl::EditLiftH0s),
        Edit(Kind::Real, ctl::EditLiftSizeA),
        Edit(Kind::Real, ctl::EditLiftSizeB),
        Edit(Kind::Real, ctl::EditLiftAPipeLen),
        Pair("FanData", "PipeIsRect", ctl::rbLiftRectAPipe, ctl::rbLiftRoundAPipe, 1),
        Edit(Kind::Real, ctl::EditLiftAPipeEpsilon),
        Edit(Kind::Real, ctl::EditLiftAPipeXi),
    };
}

std::vector<KeyDef> BuildTambour() {
    return {
        Group("Terms", "TmbrVariant", Kind::TmbrVariant, 0),
        Edit(Kind::Real, ctl::EditTmbrSecondFloorLevel),
        Edit(Kind::Int, ctl::EditTmbrOGFloorQty),
        Edit(Kind::Real, ctl::EditTmbrOGFloorHeight),
        Edit(Kind::Int, ctl::EditTmbrUGFloorQty),
        Edit(Kind::AbsReal, ctl::EditTmbrUGFloorHeight),
        Edit(Kind::Real, ctl::EditTmbrOutsideAirTemp),
        Edit(Kind::Real, ctl::EditTmbrInsideAirTemp),
        Edit(Kind::Real, ctl::EditTmbrHeatAirTemp),
        Edit(Kind::Real, ctl::EditTmbrWindSpeed),
        Edit(Kind::Real, ctl::EditTmbrKoefWW),
        Edit(Kind::Real, ctl::EditTmbrKoefW0),
        Edit(Kind::Int, ctl::EditTmbrDoorQty),
        Edit(Kind::Real, ctl::EditTmbrDoorArea),
        Edit(Kind::Real, ctl::EditTmbrDoorHeight),
        Edit(Kind::Real, ctl::EditTmbrDoorMu),
        Edit(Kind::Real, ctl::EditTmbrDoorAirSpeed),
        Edit(Kind::Real, ctl::EditTmbrDoorSpecResist),
        Edit(Kind::Real, ctl::EditTmbrPplus),
        Edit(Kind::Real, ctl::EditTmbrValveArea),
        Edit(Kind::Real, ctl::EditTmbrValveXi),
        Edit(Kind::Real, ctl::EditTmbrValveSpecResist),
        Edit(Kind::Real, ctl::EditTmbrValve1H),
        Edit(Kind::Real, ctl::EditTmbrShaftDoorArea),
        Edit(Kind::Real, ctl::EditTmbrShaftDoorSpecResist),
        Edit(Kind::VPipeA, ctl::EditTmbrSizeA),
        Edit(Kind::Real, ctl::EditTmbrSizeB),
        Pair("Pipe", "PipeIsRect", ctl::rbTmbrRectVPipe, ctl::rbTmbrRoundVPipe, 1),
        Edit(Kind::Real, ctl::EditTmbrVPipeEpsilon),
        Edit(Kind::Real, ctl::EditTmbrVPipeProof),
        Edit(Kind::Real, ctl::EditTmbrVPipeHTop),
        Edit(Kind::Real, ctl::EditTmbrH0),
        Edit(Kind::Real, ctl::EditTmbrAPipeLen),
        Edit(Kind::Real, ctl::EditTmbrAPipeDiam),
        Edit(Kind::Real, ctl::EditTmbrAPipeXi),
    };
}

const std::vector<KeyDef> &Layout(SupplyVariant v) {
    static const std::vector<KeyDef> og = BuildSWOG();
    static const std::vector<KeyDef> ug = BuildSWUG();
    static const std::vector<KeyDef> lift = BuildLift();
    static const std::vector<KeyDef> tambour = BuildTambour();
    switch (v) {
    case SupplyVariant::undergroundStair:
        return ug;
    case SupplyVariant::lift:
        return lift;
    case SupplyVariant::tambour:
        return tambour;
    default:
        return og;
    }
}

// The vertical channel's size A; PipeSizeA of [Pipe] ends up holding the supply duct diameter.
constexpr const char *kVPipeSizeAKey = "VPipeSizeA";

const char *Descr2(SupplyVariant v) {
    switch (v) {
    case SupplyVariant::undergroundStair:
        return "Подача воздуха в лестничную клетку подземной части";
    case SupplyVariant::lift:
        return "Подача воздуха в лифтовую шахту";
    case SupplyVariant::tambour:
        return "Подача воздуха в тамбур-шлюзы";
    default:
        return "Подача воздуха в лестничную клетку надземной части";
    }
}

// The number of a group's checked button, from 1; 1 when none is checked.
int RadioIndex(const InflowInputs &in, RadioGroup radios) {
    const int index = in.CheckedIndex(radios);
    return index < 0 ? 1 : index + 1;
}

// An integer edit as saving cleans it; the cleaned digits themselves when beyond 32 bits.
std::string IntToSave(const std::string &clean) {
    int value = 0;
    if (TryTextToInt(clean, value))
        return std::to_string(value);
    return clean.find_first_of("0123456789") == std::string::npos ? "0" : clean;
}

} // namespace

ProjectResult ProjectBytes(const InflowInputs &in, std::string_view dateTime, std::string &bytes) {
    // Names first: a character Windows-1251 cannot hold stops the save, naming the field.
    for (ControlName control : {ctl::EditProjectName, ctl::EditSystemName}) {
        std::string bad;
        const std::string caption(InflowField(control).caption);
        if (!Utf8ToCp1251(in.Text(control), &bad))
            return {false, "Проект не сохранён: поле «" + caption + "» содержит символ «" + bad +
                               "», который нельзя записать в файл проекта (кодировка "
                               "Windows-1251)."};
        // a name the reader would refuse is not written
        if (TextLength(in.Text(control)) > kMaxTextLength)
            return {false, "Проект не сохранён: в поле «" + caption + "» больше " +
                               std::to_string(kMaxTextLength) + " знаков."};
    }

    const SupplyVariant variant = ChosenVariant(in);
    IniFile ini;
    std::string header = "\r\n# Inflow Smoke Removal Project\r\n# Created by Orvane, v." +
                         std::string(kProgramVersion) + " (Tamso, Nolt) on ";
    header += dateTime;
    header += "\r\n\r\n";
    ini.setPreamble(std::move(header));
    ini.setValue("Project", "Name", in.Text(ctl::EditProjectName));
    ini.setValue("Project", "System", in.Text(ctl::EditSystemName));
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
            const std::string raw = in.Text(*k.control);
            if (IsRefusedText(*k.control, raw)) {
                text = raw;
                break;
            }
            const std::string clean =
                k.kind == Kind::SignedInt ? SanitizeIntegerText(raw) : DigitsOnly(raw);
            text = IntToSave(clean);
            break;
        }
        case Kind::Real:
        case Kind::AbsReal:
        case Kind::DoorResist:
        case Kind::VPipeA: {
            if (IsRefusedText(*k.control, in.Text(*k.control))) {
                text = in.Text(*k.control);
                if (k.kind == Kind::VPipeA)
                    vpipeA = text;
                break;
            }
            double v = ReadRealInput(in.Text(*k.control));
            if (k.kind == Kind::AbsReal)
                v = std::fabs(v);
            // guard: digits beyond the range of a real are kept as typed, never as "inf"
            text = std::isfinite(v) ? FormatGeneral(v) : SanitizeNumberText(in.Text(*k.control));
            if (k.kind == Kind::VPipeA)
                vpipeA = text;
            break;
        }
        case Kind::Bool:
            text.assign(1, in.IsChecked(*k.control) ? '1' : '0');
            break;
        case Kind::WinVar: {
            int v = in.ComboIndex(*k.control);
            if (v < 0 || v > 3)
                v = 0;
            text = std::to_string(v);
            break;
        }
        case Kind::LiftUnit:
            text = std::to_string(in.ComboIndex(*k.control) > 0 ? in.ComboIndex(*k.control) : 0);
            break;
        case Kind::LiftMethod:
            text = std::to_string(RadioIndex(in, ctl::kLiftMethodRadios));
            break;
        case Kind::TmbrVariant:
            text = std::to_string(RadioIndex(in, ctl::kTmbrVariantRadios));
            break;
        }
        ini.setValue(k.section, k.key, text);
    }
    if (variant == SupplyVariant::tambour)
        ini.setValue("Pipe", kVPipeSizeAKey, vpipeA);
    std::string error;
    std::optional<std::string> out = ini.toBytes(&error);
    if (!out)
        return {false, error};
    bytes = std::move(*out);
    return {};
}

ProjectResult SaveProject(const std::string &path, const InflowInputs &in) {
    return SaveProjectFile(path, in);
}

ProjectResult ReadProjectBytes(std::string_view bytes, InflowInputs &target,
                               const std::string &fileName) {
    const IniFile ini = IniFile::FromBytes(bytes);
    if (!ini.hasSection("Project"))
        return {false, std::string(kProjectOpenError) + fileName};
    // names longer than a project holds are refused, naming the field
    for (ControlName control : {ctl::EditProjectName, ctl::EditSystemName}) {
        const FieldSpec &f = InflowField(control);
        if (std::optional<std::string> refused =
                TooLongFileText(f.caption, f.section, f.key, ini.readString(f.section, f.key)))
            return {false, *refused, true};
    }

    InflowInputs in = target; // the other variants' controls keep their state
    in.SetText(ctl::EditProjectName, ini.readString("Project", "Name"));
    in.SetText(ctl::EditSystemName, ini.readString("Project", "System"));
    const SupplyVariant variant = CodeToVariant(ini.readString("Project", "Variant", "SW-OG"));
    in.Check(ctl::kVariantRadios[static_cast<size_t>(variant)]);

    for (const KeyDef &k : Layout(variant)) {
        const int intFallback = static_cast<int>(k.fallback);
        const int intValue = ReadIniInt(ini, k.section, k.key, intFallback);
        switch (k.kind) {
        case Kind::Int:
        case Kind::SignedInt:
        case Kind::ZoneInt: {
            if (std::optional<std::string> raw = UnreadableNumber(ini, k.section, k.key, true)) {
                in.SetText(*k.control, std::move(*raw));
                break;
            }
            int v = intValue;
            if (k.kind == Kind::ZoneInt && v < 0)
                v = 0;
            in.SetText(*k.control, k.kind == Kind::ZoneInt && v < 1 ? "" : std::to_string(v));
            break;
        }
        case Kind::Real:
        case Kind::AbsReal:
        case Kind::DoorResist:
        case Kind::VPipeA: {
            const char *key = k.key;
            if (k.kind == Kind::VPipeA && ini.value(k.section, kVPipeSizeAKey))
                key = kVPipeSizeAKey;
            if (std::optional<std::string> raw = UnreadableNumber(ini, k.section, key, false)) {
                in.SetText(*k.control, std::move(*raw));
                break;
            }
            double v = ReadIniReal(ini, k.section, key, k.fallback);
            if (!std::isfinite(v))
                v = k.fallback;
            in.SetText(*k.control, k.kind == Kind::DoorResist && v == 0 ? "" : EditNumberText(v));
            break;
        }
        case Kind::Bool:
            in.CheckPair(*k.control, *k.control2, intValue != 0);
            break;
        case Kind::WinVar:
            in.SetComboIndex(*k.control, intValue < 0 || intValue > 3 ? 0 : intValue);
            break;
        case Kind::LiftUnit:
            in.SetComboIndex(*k.control, intValue != 0 ? 1 : 0);
            break;
        case Kind::LiftMethod:
            in.Check(ctl::kLiftMethodRadios[std::clamp(intValue, 1, 3) - 1]);
            break;
        case Kind::TmbrVariant:
            in.Check(ctl::kTmbrVariantRadios[intValue == 2 || intValue == 3 ? intValue - 1 : 0]);
            break;
        }
    }
    target = std::move(in);
    return {};
}

ProjectResult LoadProject(const std::string &path, InflowInputs &in) {
    return LoadProjectFile(path, "приточного ДУ", in);
}

std::string WithProjectExtension(const std::string &chosen) {
    const auto slash = chosen.find_last_of("/\\");
    const auto dot = chosen.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return hasExtension ? chosen : chosen + ".isrprj";
}

} // namespace orvane::inflow
