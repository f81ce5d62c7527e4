#include "exhaust/exhaust_project.h"

#include <cmath>

#include "core/codepage.h"
#include "core/field_check.h"
#include "core/file_io.h"
#include "core/ini_file.h"
#include "core/number_text.h"
#include "core/project_file.h"
#include "exhaust/valve_lookup.h"
#include "orvane/version.h"

namespace orvane::exhaust {

namespace {

const char *const kSections[] = {"Project", "Room",    "FLoad", "Corridor",
                                 "FPlace",  "Outside", "Shaft", "ShaftEnd"};

std::string Num(double x) {
    return FormatGeneral(x);
}
std::string Bool(bool b) {
    return b ? "1" : "0";
}
double Field(const ExhaustInputs &in, ControlName control) {
    return ReadRealInput(in.Text(control));
}

std::string BadCharMessage(std::string_view field, const std::string &bad) {
    return "Проект не сохранен: в поле «" + std::string(field) + "» есть символ «" + bad +
           "», который нельзя записать в файл проекта (Windows-1251).";
}

// A name the reader would refuse is not written (a catalogue's record may hold one).
std::optional<std::string> LongTextMessage(std::string_view field, std::string_view text) {
    if (TextLength(text) <= kMaxTextLength)
        return std::nullopt;
    return "Проект не сохранен: в поле «" + std::string(field) + "» больше " +
           std::to_string(kMaxTextLength) + " знаков.";
}

// The first name of the file longer than a project holds, refused naming its field.
std::optional<std::string> TooLongText(const IniFile &ini, int segmentCount) {
    const struct {
        std::string_view caption, section, key;
    } names[] = {
        {ExhaustField(ctl::EditProjectName).caption, "Project", "Name"},
        {ExhaustField(ctl::EditSystemName).caption, "Project", "System"},
        {"Удельная пожарная нагрузка", "FLoad", "FLDName"},
        {"Пожарная нагрузка", "FLoad", "FLName"},
    };
    for (const auto &name : names)
        if (auto refused = TooLongFileText(name.caption, name.section, name.key,
                                           ini.readString(name.section, name.key)))
            return refused;
    for (int k = 0; k < segmentCount; ++k) {
        const std::string section = "Shaft" + std::to_string(k);
        if (auto refused = TooLongFileText("Название участка " + std::to_string(k + 1), section,
                                           "Storey", ini.readString(section, "Storey")))
            return refused;
    }
    return std::nullopt;
}

bool ReadIniBool(const IniFile &ini, std::string_view section, std::string_view key,
                 bool fallback) {
    return ReadIniInt(ini, section, key, fallback ? 1 : 0) != 0;
}

// A real's field text as the window shows a value read from a file.
std::string Shown(double x) {
    return EditNumberText(x);
}

// The field table's key of an edit, written as its cleaned number; a text the field refuses is
// written as it stands, so the next opening shows it flagged instead of a cleaned stand-in.
void WriteField(IniFile &ini, const ExhaustInputs &in, ControlName control) {
    const FieldSpec &f = ExhaustField(control);
    const std::string text = in.Text(control);
    const bool refused = !text.empty() && !IsValidNumberText(RuleOf(f), text);
    ini.setValue(f.section, f.key, refused ? text : Num(Field(in, control)));
}
void WriteValue(IniFile &ini, ControlName control, std::string_view value) {
    const FieldSpec &f = ExhaustField(control);
    ini.setValue(f.section, f.key, value);
}

// The field table's key of an edit; `fallback` when the file lacks it.
double ReadField(const IniFile &ini, ControlName control, double fallback) {
    const FieldSpec &f = ExhaustField(control);
    return ReadIniReal(ini, f.section, f.key, fallback);
}
double ReadField(const IniFile &ini, ControlName control) {
    return ReadField(ini, control, ExhaustField(control).fallback.value_or(0));
}
// Shows the key's value in its edit.
void LoadField(const IniFile &ini, ExhaustInputs &in, ControlName control) {
    in.SetText(control, Shown(ReadField(ini, control)));
}

// The first real of the inputs that is not finite, by the name the user knows it by; empty when
// all are. The typed fields are read through ReadRealInput, which never yields one.
std::string NonFiniteField(const ExhaustInputs &in) {
    const std::pair<const char *, double> records[] = {
        {"Удельная пожарная нагрузка", in.FireLoadDensity.FLDensity},
        {"Пожарная нагрузка: низшая теплота сгорания", in.FireLoad.BurnEnergy},
        {"Пожарная нагрузка: скорость распространения пламени", in.FireLoad.FireSpeed},
        {"Пожарная нагрузка: удельная скорость выгорания", in.FireLoad.SBurnSpeed},
    };
    for (const auto &[name, value] : records)
        if (!std::isfinite(value))
            return name;
    for (size_t k = 0; k < in.Segments.size(); ++k) {
        const NetworkSegment &s = in.Segments[k];
        const std::pair<const char *, double> fields[] = {
            {"коэффициент местного сопротивления узла", s.NodeResistCoef},
            {"горизонтальный участок, сторона A", s.Aww},
            {"горизонтальный участок, сторона B", s.Bww},
            {"горизонтальный участок, длина L", s.Lww},
            {"горизонтальный участок, КМС", s.ZETAww},
            {"вертикальный участок, сторона A", s.Ash},
            {"вертикальный участок, сторона B", s.Bsh},
            {"вертикальный участок, длина L", s.Lsh},
            {"вертикальный участок, КМС", s.ZETAsh},
        };
        for (const auto &[name, value] : fields)
            if (!std::isfinite(value))
                return "Участок " + std::to_string(k + 1) + ": " + name;
    }
    return {};
}

// The numbers of one segment's section, each checked against its row of kSegmentValues: a key
// the file lacks reads as the row's fallback; a key holding anything but a number of the row's
// range ("VL=-3", "VA=5o", "VA=") is refused, the first refusal kept in `refusal`.
struct SegmentValues {
    const IniFile &ini;
    const std::string &section;
    int index;
    std::string refusal;

    double read(const SegmentValueSpec &spec) {
        const std::optional<std::string> text = ini.value(section, spec.key);
        if (!text)
            return spec.fallback;
        std::optional<double> value;
        if (spec.rule.kind == FieldKind::integer) {
            if (const std::optional<int> v = ParseIniInt(*text))
                value = *v;
        } else if (const double v = ReadIniReal(ini, section, spec.key, std::nan(""));
                   !std::isnan(v)) {
            value = v;
        }
        if (value && IsInRange(spec.rule, *value))
            return *value;
        if (refusal.empty())
            refusal = InvalidFileTextMessage("Участок сети " + std::to_string(index + 1) +
                                                 ", поле «" + std::string(spec.caption) + "»",
                                             spec.rule, section, spec.key, *text);
        return spec.fallback;
    }
};

} // namespace

ProjectResult ProjectBytes(const ExhaustInputs &in, std::string_view dateTime, std::string &bytes) {
    // names the user typed: refuse rather than write "?" in their place
    std::string bad;
    const std::pair<std::string, std::string> names[] = {
        {"Наименование проекта", in.Text(ctl::EditProjectName)},
        {"Наименование вентиляционной системы", in.Text(ctl::EditSystemName)},
        {"Удельная пожарная нагрузка", in.FireLoadDensity.Name},
        {"Пожарная нагрузка", in.FireLoad.Name},
    };
    for (const auto &[field, value] : names) {
        if (!Utf8ToCp1251(value, &bad))
            return {false, BadCharMessage(field, bad)};
        if (std::optional<std::string> longText = LongTextMessage(field, value))
            return {false, *longText};
    }
    for (size_t k = 0; k < in.Segments.size(); ++k) {
        const std::string field = "Название участка " + std::to_string(k + 1);
        if (!Utf8ToCp1251(in.Segments[k].StoreyName, &bad))
            return {false, BadCharMessage(field, bad)};
        if (std::optional<std::string> longText = LongTextMessage(field, in.Segments[k].StoreyName))
            return {false, *longText};
    }
    // reals held as numbers (catalogue records, network segments) rather than typed text: one
    // beyond the range of a real cannot be written, and the message names it
    if (const std::string field = NonFiniteField(in); !field.empty())
        return {false,
                "Проект не сохранен: значение «" + field +
                    "» вне допустимого диапазона чисел, его нельзя записать в файл проекта."};

    IniFile ini;
    std::string header = "\r\n# Revirid Smoke Removal Project\r\n# Created by Orvane, v." +
                         std::string(kProgramVersion) + " (Tamso, Nolt) on " +
                         std::string(dateTime) + "\r\n\r\n";
    ini.setPreamble(Utf8ToCp1251(header).value_or(header));

    WriteValue(ini, ctl::EditProjectName, in.Text(ctl::EditProjectName));
    WriteValue(ini, ctl::EditSystemName, in.Text(ctl::EditSystemName));

    int variant = 0;
    if (in.IsChecked(ctl::rbCalcRoom))
        variant = 2;
    else if (in.IsChecked(ctl::rbCalcGallery))
        variant = 3;
    else if (in.IsChecked(ctl::rbCalcParking))
        variant = 5;
    // what ReadVariant would pick: the corridor wins when both are somehow checked
    if (in.IsChecked(ctl::rbCalcCorridor))
        variant = 0;
    ini.setValue("Room", "Variant", std::to_string(variant));
    ini.setValue("Room", "Living", Bool(in.IsChecked(ctl::rbLivingBuilding)));
    ini.setValue("Room", "InTown", Bool(in.IsChecked(ctl::rbInTownBuilding)));
    const int aupt = in.IsChecked(ctl::rbAUPTSprinkler3x3)   ? 3
                     : in.IsChecked(ctl::rbAUPTSprinkler4x4) ? 4
                                                             : 0;
    ini.setValue("Room", "AUPT", std::to_string(aupt));
    WriteField(ini, in, ctl::EditFireArea);
    const bool areaForm = in.areaForm();
    WriteValue(ini, ctl::cbRoomSizeVariant, areaForm ? "1" : "0");
    double length = Field(in, ctl::EditRoomLength);
    double width = 0;
    double height = 0;
    double floorArea = 0;
    if (areaForm) {
        floorArea = Field(in, ctl::EditFloorAreaSH);
        width = Field(in, ctl::EditRoomWidthSH);
        height = Field(in, ctl::EditRoomHeightSH);
    } else {
        width = Field(in, ctl::EditRoomWidth);
        height = Field(in, ctl::EditRoomHeight);
        floorArea = length * width;
        // guard: sides too large for their product keep the floor area the user typed
        if (!std::isfinite(floorArea))
            floorArea = Field(in, ctl::EditFloorAreaSH);
    }
    WriteValue(ini, ctl::EditRoomLength, Num(length));
    WriteValue(ini, ctl::EditRoomWidth, Num(width));
    WriteValue(ini, ctl::EditRoomHeight, Num(height));
    WriteValue(ini, ctl::EditFloorAreaSH, Num(floorArea));
    for (size_t i = 0; i < in.DoorGrid.size(); ++i) {
        ini.setValue("Room", "Door" + std::to_string(i) + "W",
                     Num(ReadRealInput(in.DoorGrid[i][0])));
        ini.setValue("Room", "Door" + std::to_string(i) + "H",
                     Num(ReadRealInput(in.DoorGrid[i][1])));
    }
    const bool corridor = variant == 0;
    WriteField(ini, in, corridor ? ctl::EditCrdrNoSmokeHeight : ctl::EditNoSmokeHeight);
    WriteField(ini, in, ctl::EditRoomAirTemp);
    WriteField(ini, in, ctl::EditQr);

    WriteField(ini, in, ctl::EditFireHeatPower);
    ini.setValue("FLoad", "FLDName", in.FireLoadDensity.Name);
    ini.setValue("FLoad", "FLDensity", Num(in.FireLoadDensity.FLDensity));
    ini.setValue("FLoad", "FLName", in.FireLoad.Name);
    ini.setValue("FLoad", "BurnEnergy", Num(in.FireLoad.BurnEnergy));
    ini.setValue("FLoad", "FireSpeed", Num(in.FireLoad.FireSpeed));
    ini.setValue("FLoad", "SBurnSpeed", Num(in.FireLoad.SBurnSpeed));

    WriteField(ini, in, ctl::EditCorridorLength);
    WriteField(ini, in, ctl::EditCorridorArea);
    WriteField(ini, in, ctl::EditCrdrDoorArea);
    WriteField(ini, in, ctl::EditCrdrDoorHeight);
    WriteField(ini, in, ctl::EditCorridorHeight);
    WriteField(ini, in, ctl::EditFirstFloorLevel);

    WriteField(ini, in, ctl::EditRoomMaxSmkPerim);
    WriteField(ini, in, ctl::EditBurningFullness);
    WriteField(ini, in, ctl::EditHeatRadiation);
    WriteField(ini, in, ctl::EditInitSmkWidth);
    WriteField(ini, in, ctl::EditGlrTopSmkBot);
    WriteField(ini, in, ctl::EditGalleryTopHeight);
    WriteField(ini, in, ctl::EditParkMaxSmkPerim);
    WriteField(ini, in, ctl::EditSmokeEquArea);
    WriteField(ini, in, ctl::EditParkHRadiation);

    WriteField(ini, in, ctl::EditOutsideAirTemp);
    WriteField(ini, in, ctl::EditOutAirTempComp);
    WriteField(ini, in, ctl::EditWindSpeed);

    ini.setValue("Shaft", "WithShaft", Bool(in.IsChecked(ctl::cbShaft)));
    for (size_t k = 0; k < in.Segments.size(); ++k) {
        const NetworkSegment &s = in.Segments[k];
        const std::string sec = "Shaft" + std::to_string(k);
        ini.setValue(sec, "Storey", s.StoreyName);
        ini.setValue(sec, "ValveW", std::to_string(s.ValveWidth));
        ini.setValue(sec, "ValveH", std::to_string(s.ValveHeight));
        ini.setValue(sec, "ValveDO", Bool(s.ValveDriveOut));
        ini.setValue(sec, "NodeZ", Num(s.NodeResistCoef));
        ini.setValue(sec, "HMtrl", MaterialLetter(s.HorMaterialKind));
        ini.setValue(sec, "HA", Num(s.Aww));
        ini.setValue(sec, "HB", Num(s.Bww));
        ini.setValue(sec, "HL", Num(s.Lww));
        ini.setValue(sec, "HZ", Num(s.ZETAww));
        ini.setValue(sec, "VMtrl", MaterialLetter(s.MaterialKind));
        ini.setValue(sec, "VA", Num(s.Ash));
        ini.setValue(sec, "VB", Num(s.Bsh));
        ini.setValue(sec, "VL", Num(s.Lsh));
        ini.setValue(sec, "VZ", Num(s.ZETAsh));
    }
    ini.setValue("ShaftEnd", "EndExhaust", Bool(in.IsChecked(ctl::rbEndExhaust)));
    WriteField(ini, in, ctl::EditShaftConDuctResist);
    WriteField(ini, in, ctl::EditExhaustGasSpeed);

    std::string error;
    std::optional<std::string> out = ini.toBytes(&error);
    if (!out)
        return {false, "Проект не сохранен: " + error};
    bytes = std::move(*out);
    return {};
}

ProjectResult SaveProject(const std::string &path, const ExhaustInputs &inputs) {
    return SaveProjectFile(path, inputs);
}

ProjectResult ReadProjectBytes(std::string_view bytes, ExhaustInputs &target,
                               const std::string &fileName) {
    const IniFile ini = IniFile::FromBytes(bytes);
    bool isProject = false;
    for (const char *section : kSections)
        isProject = isProject || ini.hasSection(section);
    isProject = isProject || ini.hasSection("Shaft0");
    if (!isProject)
        return {false, "Файл не является проектом расчета дымоудаления или не может быть "
                       "прочитан:\r" +
                           fileName};
    int segmentCount = 0;
    while (segmentCount <= kMaxSegments && ini.hasSection("Shaft" + std::to_string(segmentCount)))
        ++segmentCount;
    if (segmentCount > kMaxSegments)
        return {false, "Число участков сети не может превышать 500."};
    if (std::optional<std::string> refused = TooLongText(ini, segmentCount))
        return {false, *refused, true};

    ExhaustInputs in = target; // the window's controls not in the file keep their state
    const auto real = [&](const char *section, const char *key, double fallback) {
        return ReadIniReal(ini, section, key, fallback);
    };

    in.SetText(ctl::EditProjectName, ini.readString("Project", "Name"));
    in.SetText(ctl::EditSystemName, ini.readString("Project", "System"));

    const int variant = ReadIniInt(ini, "Room", "Variant", 0);
    in.Check(variant == 2   ? ctl::rbCalcRoom
             : variant == 3 ? ctl::rbCalcGallery
             : variant == 5 ? ctl::rbCalcParking
                            : ctl::rbCalcCorridor);
    in.Check(ReadIniBool(ini, "Room", "Living", false) ? ctl::rbLivingBuilding
                                                       : ctl::rbPublicBuilding);
    in.Check(ReadIniBool(ini, "Room", "InTown", true) ? ctl::rbInTownBuilding
                                                      : ctl::rbOutTownBuilding);
    const int aupt = ReadIniInt(ini, "Room", "AUPT", 0);
    in.Check(aupt == 3   ? ctl::rbAUPTSprinkler3x3
             : aupt == 4 ? ctl::rbAUPTSprinkler4x4
                         : ctl::rbAUPTNo);
    const double fireArea = ReadField(ini, ctl::EditFireArea);
    // 0 is the empty field ("compute"); a negative area shows as read, to be flagged
    in.SetText(ctl::EditFireArea, fireArea != 0 ? Shown(fireArea) : "");

    const double length = ReadField(ini, ctl::EditRoomLength);
    const double width = ReadField(ini, ctl::EditRoomWidth);
    const double height = ReadField(ini, ctl::EditRoomHeight);
    const double floorArea = ReadField(ini, ctl::EditFloorAreaSH);
    const FieldSpec &form = ExhaustField(ctl::cbRoomSizeVariant);
    in.SetComboIndex(ctl::cbRoomSizeVariant,
                     ReadIniInt(ini, form.section, form.key, 0) == 1 ? 1 : 0);
    in.SetText(ctl::EditRoomLength, Shown(length));
    in.SetText(ctl::EditRoomWidth, Shown(width));
    in.SetText(ctl::EditRoomHeight, Shown(height));
    in.SetText(ctl::EditFloorAreaSH, Shown(floorArea));
    in.SetText(ctl::EditRoomWidthSH, Shown(width));
    in.SetText(ctl::EditRoomHeightSH, Shown(height));
    for (size_t i = 0; i < in.DoorGrid.size(); ++i) {
        const double w = real("Room", ("Door" + std::to_string(i) + "W").c_str(), 0);
        const double h = real("Room", ("Door" + std::to_string(i) + "H").c_str(), 0);
        if (w > 0 || h > 0)
            in.DoorGrid[i] = {Shown(w), Shown(h)};
        else
            in.DoorGrid[i] = {"", ""};
    }
    const double noSmoke = ReadField(ini, ctl::EditNoSmokeHeight);
    in.SetText(ctl::EditNoSmokeHeight, Shown(noSmoke));
    in.SetText(ctl::EditCrdrNoSmokeHeight, Shown(noSmoke));
    LoadField(ini, in, ctl::EditRoomAirTemp);
    LoadField(ini, in, ctl::EditQr);

    LoadField(ini, in, ctl::EditFireHeatPower);
    in.FireLoadDensity = {ini.readString("FLoad", "FLDName"), real("FLoad", "FLDensity", 0)};
    in.FireLoad = {ini.readString("FLoad", "FLName"), real("FLoad", "BurnEnergy", 0),
                   real("FLoad", "FireSpeed", 0), real("FLoad", "SBurnSpeed", 0)};

    LoadField(ini, in, ctl::EditCorridorLength);
    LoadField(ini, in, ctl::EditCorridorArea);
    LoadField(ini, in, ctl::EditCrdrDoorArea);
    LoadField(ini, in, ctl::EditCrdrDoorHeight);
    LoadField(ini, in, ctl::EditCorridorHeight);
    LoadField(ini, in, ctl::EditFirstFloorLevel);

    const double perimeter = ReadField(ini, ctl::EditRoomMaxSmkPerim);
    in.SetText(ctl::EditRoomMaxSmkPerim, perimeter != 0 ? Shown(perimeter) : "");
    LoadField(ini, in, ctl::EditBurningFullness);
    const double heatK = ReadField(ini, ctl::EditHeatRadiation);
    in.SetText(ctl::EditHeatRadiation, Shown(heatK));
    LoadField(ini, in, ctl::EditInitSmkWidth);
    LoadField(ini, in, ctl::EditGlrTopSmkBot);
    LoadField(ini, in, ctl::EditGalleryTopHeight);
    // older files have no car park keys: propose from the loaded room as the "S" button does
    const ParkingSmokeProposal proposal = ProposeParkingSmoke(in);
    const double parkPerimeter = ReadField(ini, ctl::EditParkMaxSmkPerim,
                                           perimeter > 0 ? perimeter : proposal.MaxSmokePerimeter);
    in.SetText(ctl::EditParkMaxSmkPerim, Shown(parkPerimeter));
    in.SetText(ctl::EditSmokeEquArea,
               Shown(ReadField(ini, ctl::EditSmokeEquArea, proposal.SmokeEquiArea)));
    in.SetText(ctl::EditParkHRadiation, Shown(ReadField(ini, ctl::EditParkHRadiation, heatK)));

    LoadField(ini, in, ctl::EditOutsideAirTemp);
    LoadField(ini, in, ctl::EditOutAirTempComp);
    LoadField(ini, in, ctl::EditWindSpeed);

    in.Check(ctl::cbShaft, ReadIniBool(ini, "Shaft", "WithShaft", true));
    in.Segments.clear();
    for (int k = 0; k < segmentCount; ++k) {
        const std::string sec = "Shaft" + std::to_string(k);
        SegmentValues values{ini, sec, k, {}};
        NetworkSegment s;
        s.StoreyName = ini.readString(sec, "Storey");
        s.ValveWidth = static_cast<int>(values.read(SegmentValue("ValveW")));
        s.ValveHeight = static_cast<int>(values.read(SegmentValue("ValveH")));
        s.ValveDriveOut = true;
        const TSmokeValve valve = CatalogValve(s.ValveWidth, s.ValveHeight);
        s.ValveArea = valve.F1;
        s.ValveResistCoef = valve.Z;
        s.NodeResistCoef = values.read(SegmentValue("NodeZ"));
        s.HorMaterialKind = MaterialFromLetter(ini.readString(sec, "HMtrl", "-"));
        s.HorMaterial = MaterialName(s.HorMaterialKind);
        s.Aww = values.read(SegmentValue("HA"));
        s.Bww = values.read(SegmentValue("HB"));
        s.Lww = values.read(SegmentValue("HL"));
        s.ZETAww = values.read(SegmentValue("HZ"));
        s.MaterialKind = MaterialFromLetter(ini.readString(sec, "VMtrl", "-"));
        s.Material = MaterialName(s.MaterialKind);
        s.Ash = values.read(SegmentValue("VA"));
        s.Bsh = values.read(SegmentValue("VB"));
        s.Lsh = values.read(SegmentValue("VL"));
        s.ZETAsh = values.read(SegmentValue("VZ"));
        // a value no segment can have: the project does not open half-read
        if (!values.refusal.empty())
            return {false, values.refusal, true};
        in.Segments.push_back(std::move(s));
    }
    SyncMiddleSegments(in.Segments);

    in.Check(ReadIniBool(ini, "ShaftEnd", "EndExhaust", true) ? ctl::rbEndExhaust
                                                              : ctl::rbEndRoofFan);
    LoadField(ini, in, ctl::EditShaftConDuctResist);
    LoadField(ini, in, ctl::EditExhaustGasSpeed);

    // a key holding no number shows in its edit as read, to be flagged, not replaced
    for (const FieldSpec &f : kExhaustFields)
        if (f.kind == FieldKind::real)
            if (std::optional<std::string> raw = UnreadableNumber(ini, f.section, f.key, false))
                in.SetText(f.control, std::move(*raw));

    target = std::move(in);
    return {};
}

ProjectResult LoadProject(const std::string &path, ExhaustInputs &inputs) {
    return LoadProjectFile(path, "расчета дымоудаления", inputs);
}

std::string DefaultProjectName(const ExhaustInputs &in) {
    const std::string project = in.Text(ctl::EditProjectName);
    const std::string system = in.Text(ctl::EditSystemName);
    std::string name = project;
    if (!project.empty() && !system.empty())
        name += "_" + system;
    else if (project.empty())
        name = system;
    name = SafeFileName(name);
    const size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

} // namespace orvane::exhaust
