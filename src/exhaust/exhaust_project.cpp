#include "exhaust/exhaust_project.h"

#include <charconv>
#include <cmath>
#include <ctime>

#include "core/codepage.h"
#include "core/file_io.h"
#include "core/ini_file.h"
#include "core/number_text.h"
#include "exhaust/valve_lookup.h"

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
double Field(const ExhaustInputs &in, std::string_view control) {
    return ReadRealInput(in.text(control));
}

std::string BadCharMessage(std::string_view field, const std::string &bad) {
    return "Проект не сохранен: в поле «" + std::string(field) + "» есть символ «" + bad +
           "», который нельзя записать в файл проекта (Windows-1251).";
}

int ReadIniInt(const IniFile &ini, std::string_view section, std::string_view key, int fallback) {
    std::string text = ini.readString(section, key);
    const size_t first = text.find_first_not_of(" \t");
    const size_t last = text.find_last_not_of(" \t");
    if (first == std::string::npos)
        return fallback;
    text = text.substr(first, last - first + 1);
    int value = 0;
    const char *begin = text.data();
    const char *end = text.data() + text.size();
    if (*begin == '+')
        ++begin;
    auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && ptr == end ? value : fallback;
}

bool ReadIniBool(const IniFile &ini, std::string_view section, std::string_view key,
                 bool fallback) {
    return ReadIniInt(ini, section, key, fallback ? 1 : 0) != 0;
}

std::string CurrentDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[96];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %d:%02d:%02d", local.tm_mday, local.tm_mon + 1,
                  local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

// A real's field text as the window shows a value read from a file.
std::string Shown(double x) {
    return FieldText(x);
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
    for (size_t k = 0; k < in.Ychastki.size(); ++k) {
        const Ychastok_record &s = in.Ychastki[k];
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

} // namespace

ProjectResult ExhaustProjectBytes(const ExhaustInputs &in, std::string_view dateTime,
                                  std::string &bytes) {
    // names the user typed: refuse rather than write "?" in their place
    std::string bad;
    const std::pair<std::string, std::string> names[] = {
        {"Наименование проекта", in.text("EditProjectName")},
        {"Наименование вентиляционной системы", in.text("EditSystemName")},
        {"Удельная пожарная нагрузка", in.FireLoadDensity.Name},
        {"Пожарная нагрузка", in.FireLoad.Name},
    };
    for (const auto &[field, value] : names)
        if (!Utf8ToCp1251(value, &bad))
            return {false, BadCharMessage(field, bad)};
    for (size_t k = 0; k < in.Ychastki.size(); ++k)
        if (!Utf8ToCp1251(in.Ychastki[k].StoreyName, &bad))
            return {false, BadCharMessage("Название участка " + std::to_string(k + 1), bad)};
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

    ini.setValue("Project", "Name", in.text("EditProjectName"));
    ini.setValue("Project", "System", in.text("EditSystemName"));

    int variant = 0;
    if (in.isChecked("rbCalcRoom"))
        variant = 2;
    else if (in.isChecked("rbCalcGallery"))
        variant = 3;
    else if (in.isChecked("rbCalcParking"))
        variant = 5;
    // what ReadCalcVariant would pick: the corridor wins when both are somehow checked
    if (in.isChecked("rbCalcCorridor"))
        variant = 0;
    ini.setValue("Room", "Variant", std::to_string(variant));
    ini.setValue("Room", "Living", Bool(in.isChecked("rbLivingBuilding")));
    ini.setValue("Room", "InTown", Bool(in.isChecked("rbInTownBuilding")));
    const int aupt = in.isChecked("rbAUPTSprinkler3x3")   ? 3
                     : in.isChecked("rbAUPTSprinkler4x4") ? 4
                                                          : 0;
    ini.setValue("Room", "AUPT", std::to_string(aupt));
    const double fireArea = Field(in, "EditFireArea");
    ini.setValue("Room", "FireA", Num(fireArea < 0 ? 0 : fireArea));
    const bool areaForm = in.RoomSizeVariantIndex == 1;
    ini.setValue("Room", "RSVrnt", areaForm ? "1" : "0");
    double length = Field(in, "EditRoomLength");
    double width = 0;
    double height = 0;
    double floorArea = 0;
    if (areaForm) {
        floorArea = Field(in, "EditFloorAreaSH");
        width = Field(in, "EditRoomWidthSH");
        height = Field(in, "EditRoomHeightSH");
    } else {
        width = Field(in, "EditRoomWidth");
        height = Field(in, "EditRoomHeight");
        floorArea = length * width;
        // guard: sides too large for their product keep the floor area the user typed
        if (!std::isfinite(floorArea))
            floorArea = Field(in, "EditFloorAreaSH");
    }
    ini.setValue("Room", "RoomL", Num(length));
    ini.setValue("Room", "RoomW", Num(width));
    ini.setValue("Room", "RoomH", Num(height));
    ini.setValue("Room", "FloorA", Num(floorArea));
    for (size_t i = 0; i < in.DoorGrid.size(); ++i) {
        ini.setValue("Room", "Door" + std::to_string(i) + "W",
                     Num(ReadRealInput(in.DoorGrid[i][0])));
        ini.setValue("Room", "Door" + std::to_string(i) + "H",
                     Num(ReadRealInput(in.DoorGrid[i][1])));
    }
    const bool corridor = variant == 0;
    ini.setValue("Room", "NoSmkH",
                 Num(Field(in, corridor ? "EditCrdrNoSmokeHeight" : "EditNoSmokeHeight")));
    ini.setValue("Room", "AirTmp", Num(Field(in, "EditRoomAirTemp")));
    ini.setValue("Room", "Qr", Num(Field(in, "EditQr")));

    ini.setValue("FLoad", "FHPwr", Num(Field(in, "EditFireHeatPower")));
    ini.setValue("FLoad", "FLDName", in.FireLoadDensity.Name);
    ini.setValue("FLoad", "FLDensity", Num(in.FireLoadDensity.FLDensity));
    ini.setValue("FLoad", "FLName", in.FireLoad.Name);
    ini.setValue("FLoad", "BurnEnergy", Num(in.FireLoad.BurnEnergy));
    ini.setValue("FLoad", "FireSpeed", Num(in.FireLoad.FireSpeed));
    ini.setValue("FLoad", "SBurnSpeed", Num(in.FireLoad.SBurnSpeed));

    ini.setValue("Corridor", "CrdrL", Num(Field(in, "EditCorridorLength")));
    ini.setValue("Corridor", "CrdrA", Num(Field(in, "EditCorridorArea")));
    ini.setValue("Corridor", "DoorA", Num(Field(in, "EditCrdrDoorArea")));
    ini.setValue("Corridor", "DoorH", Num(Field(in, "EditCrdrDoorHeight")));
    ini.setValue("Corridor", "CrdrH", Num(Field(in, "EditCorridorHeight")));
    ini.setValue("Corridor", "Floor1Lvl", Num(Field(in, "EditFirstFloorLevel")));

    const double perimeter = Field(in, "EditRoomMaxSmkPerim");
    ini.setValue("FPlace", "MaxSmkPerimeter", Num(perimeter < 0 ? 0 : perimeter));
    ini.setValue("FPlace", "BurnK", Num(Field(in, "EditBurningFullness")));
    ini.setValue("FPlace", "HeatK", Num(Field(in, "EditHeatRadiation")));
    ini.setValue("FPlace", "ISmkW", Num(Field(in, "EditInitSmkWidth")));
    ini.setValue("FPlace", "GlrSmkH", Num(Field(in, "EditGlrTopSmkBot")));
    ini.setValue("FPlace", "GTopH", Num(Field(in, "EditGalleryTopHeight")));
    ini.setValue("FPlace", "ParkSmkPerimeter", Num(Field(in, "EditParkMaxSmkPerim")));
    ini.setValue("FPlace", "ParkSmkEquA", Num(Field(in, "EditSmokeEquArea")));
    ini.setValue("FPlace", "ParkHeatK", Num(Field(in, "EditParkHRadiation")));

    ini.setValue("Outside", "AirTmp", Num(Field(in, "EditOutsideAirTemp")));
    ini.setValue("Outside", "AirTmpComp", Num(Field(in, "EditOutAirTempComp")));
    ini.setValue("Outside", "WindSpeed", Num(Field(in, "EditWindSpeed")));

    ini.setValue("Shaft", "WithShaft", Bool(in.isChecked("cbShaft")));
    for (size_t k = 0; k < in.Ychastki.size(); ++k) {
        const Ychastok_record &s = in.Ychastki[k];
        const std::string sec = "Shaft" + std::to_string(k);
        ini.setValue(sec, "Storey", s.StoreyName);
        ini.setValue(sec, "ValveW", std::to_string(s.ValveWidth));
        ini.setValue(sec, "ValveH", std::to_string(s.ValveHeight));
        ini.setValue(sec, "ValveDO", Bool(s.ValveDriveOut));
        ini.setValue(sec, "NodeZ", Num(s.NodeResistCoef));
        ini.setValue(sec, "HMtrl", MaterialLetterFromIndex(s.HorMaterialIndx));
        ini.setValue(sec, "HA", Num(s.Aww));
        ini.setValue(sec, "HB", Num(s.Bww));
        ini.setValue(sec, "HL", Num(s.Lww));
        ini.setValue(sec, "HZ", Num(s.ZETAww));
        ini.setValue(sec, "VMtrl", MaterialLetterFromIndex(s.MaterialIndx));
        ini.setValue(sec, "VA", Num(s.Ash));
        ini.setValue(sec, "VB", Num(s.Bsh));
        ini.setValue(sec, "VL", Num(s.Lsh));
        ini.setValue(sec, "VZ", Num(s.ZETAsh));
    }
    ini.setValue("ShaftEnd", "EndExhaust", Bool(in.isChecked("rbEndExhaust")));
    ini.setValue("ShaftEnd", "ConDuctResist", Num(Field(in, "EditShaftConDuctResist")));
    ini.setValue("ShaftEnd", "ExhaustGasSpeed", Num(Field(in, "EditExhaustGasSpeed")));

    std::string error;
    std::optional<std::string> out = ini.toBytes(&error);
    if (!out)
        return {false, "Проект не сохранен: " + error};
    bytes = std::move(*out);
    return {};
}

ProjectResult SaveExhaustProject(const std::string &path, const ExhaustInputs &inputs) {
    std::string bytes;
    ProjectResult r = ExhaustProjectBytes(inputs, CurrentDateTime(), bytes);
    if (!r.ok)
        return r;
    const FileResult written = WriteFileAtomic(path, bytes);
    if (!written.ok)
        return {false, written.error};
    return {};
}

ProjectResult ReadExhaustProjectBytes(std::string_view bytes, ExhaustInputs &target,
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

    ExhaustInputs in = target; // the window's controls not in the file keep their state
    const auto real = [&](const char *section, const char *key, double fallback) {
        return ReadIniReal(ini, section, key, fallback);
    };

    in.setText("EditProjectName", ini.readString("Project", "Name"));
    in.setText("EditSystemName", ini.readString("Project", "System"));

    const int variant = ReadIniInt(ini, "Room", "Variant", 0);
    in.check(variant == 2   ? "rbCalcRoom"
             : variant == 3 ? "rbCalcGallery"
             : variant == 5 ? "rbCalcParking"
                            : "rbCalcCorridor");
    in.check(ReadIniBool(ini, "Room", "Living", false) ? "rbLivingBuilding" : "rbPublicBuilding");
    in.check(ReadIniBool(ini, "Room", "InTown", true) ? "rbInTownBuilding" : "rbOutTownBuilding");
    const int aupt = ReadIniInt(ini, "Room", "AUPT", 0);
    in.check(aupt == 3 ? "rbAUPTSprinkler3x3" : aupt == 4 ? "rbAUPTSprinkler4x4" : "rbAUPTNo");
    const double fireArea = real("Room", "FireA", 0);
    in.setText("EditFireArea", fireArea > 0 ? Shown(fireArea) : "");

    const double length = real("Room", "RoomL", 5);
    const double width = real("Room", "RoomW", 4);
    const double height = real("Room", "RoomH", 3.9);
    const double floorArea = real("Room", "FloorA", 20);
    in.RoomSizeVariantIndex = ReadIniInt(ini, "Room", "RSVrnt", 0) == 1 ? 1 : 0;
    in.setText("EditRoomLength", Shown(length));
    in.setText("EditRoomWidth", Shown(width));
    in.setText("EditRoomHeight", Shown(height));
    in.setText("EditFloorAreaSH", Shown(floorArea));
    in.setText("EditRoomWidthSH", Shown(width));
    in.setText("EditRoomHeightSH", Shown(height));
    for (size_t i = 0; i < in.DoorGrid.size(); ++i) {
        const double w = real("Room", ("Door" + std::to_string(i) + "W").c_str(), 0);
        const double h = real("Room", ("Door" + std::to_string(i) + "H").c_str(), 0);
        if (w > 0 || h > 0)
            in.DoorGrid[i] = {Shown(w), Shown(h)};
        else
            in.DoorGrid[i] = {"", ""};
    }
    const double noSmoke = real("Room", "NoSmkH", 2.5);
    in.setText("EditNoSmokeHeight", Shown(noSmoke));
    in.setText("EditCrdrNoSmokeHeight", Shown(noSmoke));
    in.setText("EditRoomAirTemp", Shown(real("Room", "AirTmp", 20)));
    in.setText("EditQr", Shown(real("Room", "Qr", 10)));

    in.setText("EditFireHeatPower", Shown(real("FLoad", "FHPwr", 5000)));
    in.FireLoadDensity = {ini.readString("FLoad", "FLDName"), real("FLoad", "FLDensity", 0)};
    in.FireLoad = {ini.readString("FLoad", "FLName"), real("FLoad", "BurnEnergy", 0),
                   real("FLoad", "FireSpeed", 0), real("FLoad", "SBurnSpeed", 0)};

    in.setText("EditCorridorLength", Shown(real("Corridor", "CrdrL", 30)));
    in.setText("EditCorridorArea", Shown(real("Corridor", "CrdrA", 90)));
    in.setText("EditCrdrDoorArea", Shown(real("Corridor", "DoorA", 2)));
    in.setText("EditCrdrDoorHeight", Shown(real("Corridor", "DoorH", 2)));
    in.setText("EditCorridorHeight", Shown(real("Corridor", "CrdrH", 5)));
    in.setText("EditFirstFloorLevel", Shown(real("Corridor", "Floor1Lvl", 0)));

    const double perimeter = real("FPlace", "MaxSmkPerimeter", 0);
    in.setText("EditRoomMaxSmkPerim", perimeter > 0 ? Shown(perimeter) : "");
    in.setText("EditBurningFullness", Shown(real("FPlace", "BurnK", 0.8)));
    const double heatK = real("FPlace", "HeatK", 0.75);
    in.setText("EditHeatRadiation", Shown(heatK));
    in.setText("EditInitSmkWidth", Shown(real("FPlace", "ISmkW", 2)));
    in.setText("EditGlrTopSmkBot", Shown(real("FPlace", "GlrSmkH", 9)));
    in.setText("EditGalleryTopHeight", Shown(real("FPlace", "GTopH", 3)));
    // older files have no car park keys: propose from the loaded room as the "S" button does
    const ParkingSmokeProposal proposal = ProposeParkingSmoke(in);
    const double parkPerimeter =
        real("FPlace", "ParkSmkPerimeter", perimeter > 0 ? perimeter : proposal.MaxSmokePerimeter);
    const double parkArea = real("FPlace", "ParkSmkEquA", proposal.SmokeEquiArea);
    in.setText("EditParkMaxSmkPerim", Shown(parkPerimeter));
    in.setText("EditSmokeEquArea", Shown(parkArea));
    in.setText("EditParkHRadiation", Shown(real("FPlace", "ParkHeatK", heatK)));

    in.setText("EditOutsideAirTemp", Shown(real("Outside", "AirTmp", 26)));
    in.setText("EditOutAirTempComp", Shown(real("Outside", "AirTmpComp", -26)));
    in.setText("EditWindSpeed", Shown(real("Outside", "WindSpeed", 4.9)));

    in.check("cbShaft", ReadIniBool(ini, "Shaft", "WithShaft", true));
    in.Ychastki.clear();
    for (int k = 0; k < segmentCount; ++k) {
        const std::string sec = "Shaft" + std::to_string(k);
        Ychastok_record s;
        s.StoreyName = ini.readString(sec, "Storey");
        s.ValveWidth = ReadIniInt(ini, sec, "ValveW", 800);
        s.ValveHeight = ReadIniInt(ini, sec, "ValveH", 600);
        s.ValveDriveOut = true;
        const TSmokeValve valve = CatalogValve(s.ValveWidth, s.ValveHeight);
        s.ValveArea = valve.F1;
        s.ValveResistCoef = valve.Z;
        s.NodeResistCoef = ReadIniReal(ini, sec, "NodeZ", 0);
        s.HorMaterialIndx = MaterialIndexFromLetter(ini.readString(sec, "HMtrl", "-"));
        s.HorMaterial = MaterialNameFromIndex(s.HorMaterialIndx);
        s.Aww = ReadIniReal(ini, sec, "HA", 0.8);
        s.Bww = ReadIniReal(ini, sec, "HB", 0.6);
        s.Lww = ReadIniReal(ini, sec, "HL", 0);
        s.ZETAww = ReadIniReal(ini, sec, "HZ", 0);
        s.MaterialIndx = MaterialIndexFromLetter(ini.readString(sec, "VMtrl", "-"));
        s.Material = MaterialNameFromIndex(s.MaterialIndx);
        s.Ash = ReadIniReal(ini, sec, "VA", 0.8);
        s.Bsh = ReadIniReal(ini, sec, "VB", 0.6);
        s.Lsh = ReadIniReal(ini, sec, "VL", 3);
        s.ZETAsh = ReadIniReal(ini, sec, "VZ", 0);
        in.Ychastki.push_back(std::move(s));
    }
    SyncMiddleSegments(in.Ychastki);

    in.check(ReadIniBool(ini, "ShaftEnd", "EndExhaust", true) ? "rbEndExhaust" : "rbEndRoofFan");
    in.setText("EditShaftConDuctResist", Shown(real("ShaftEnd", "ConDuctResist", 100)));
    in.setText("EditExhaustGasSpeed", Shown(real("ShaftEnd", "ExhaustGasSpeed", 20)));

    target = std::move(in);
    return {};
}

ProjectResult LoadExhaustProject(const std::string &path, ExhaustInputs &inputs) {
    std::string bytes;
    const FileResult read = ReadFileBytes(path, bytes);
    if (!read.ok)
        return {false, "Файл проекта расчета дымоудаления не может быть прочитан (" + read.reason +
                           "):\r" + path};
    return ReadExhaustProjectBytes(bytes, inputs, path);
}

std::string DefaultProjectName(const ExhaustInputs &in) {
    const std::string project = in.text("EditProjectName");
    const std::string system = in.text("EditSystemName");
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
