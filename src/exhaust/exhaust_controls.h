#pragma once
// The exhaust window's controls: their names, radio groups and field table. Every other file
// names a control through `ctl::`, so a misspelt name does not compile.

#include <array>

#include "core/control_state.h"
#include "core/field_spec.h"

namespace orvane::exhaust {

// clang-format off
#define ORVANE_EXHAUST_CONTROLS(X)                                                                 \
    X(EditProjectName) X(EditSystemName) X(EditRoomLength) X(EditRoomWidth) X(EditRoomHeight)      \
    X(EditFloorAreaSH) X(EditRoomWidthSH) X(EditRoomHeightSH) X(EditNoSmokeHeight)                 \
    X(EditFireArea) X(EditQr) X(EditFireHeatPower) X(EditRoomAirTemp) X(EditCorridorLength)        \
    X(EditCorridorArea) X(EditCrdrDoorArea) X(EditCrdrDoorHeight) X(EditCorridorHeight)            \
    X(EditCrdrNoSmokeHeight) X(EditFirstFloorLevel) X(EditRoomMaxSmkPerim) X(EditBurningFullness)  \
    X(EditHeatRadiation) X(EditInitSmkWidth) X(EditGlrTopSmkBot) X(EditGalleryTopHeight)           \
    X(EditParkMaxSmkPerim) X(EditSmokeEquArea) X(EditParkHRadiation) X(EditOutsideAirTemp)         \
    X(EditOutAirTempComp) X(EditWindSpeed) X(EditShaftConDuctResist) X(EditExhaustGasSpeed)        \
    X(rbCalcCorridor) X(rbCalcReserve) X(rbCalcRoom) X(rbCalcGallery) X(rbCalcParking)             \
    X(rbLivingBuilding) X(rbPublicBuilding) X(rbInTownBuilding) X(rbOutTownBuilding) X(rbAUPTNo)   \
    X(rbAUPTSprinkler3x3) X(rbAUPTSprinkler4x4) X(rbEndExhaust) X(rbEndRoofFan) X(cbShaft)         \
    X(cbDetailed) X(cbRoomSizeVariant) X(sgDoorSizes)                                              \
    /* widgets a message focuses */ X(ListBoxYchastki) X(PanFLDensity) X(PanFireLoad)

// clang-format on

namespace ctl {
ORVANE_EXHAUST_CONTROLS(ORVANE_CONTROL_NAME)
inline constexpr ControlName kAll[] = {ORVANE_EXHAUST_CONTROLS(ORVANE_CONTROL_LIST_ITEM)};

inline constexpr ControlName kVariantRadios[] = {rbCalcCorridor, rbCalcReserve, rbCalcRoom,
                                                 rbCalcGallery, rbCalcParking};
inline constexpr ControlName kBuildingRadios[] = {rbLivingBuilding, rbPublicBuilding};
inline constexpr ControlName kLocationRadios[] = {rbInTownBuilding, rbOutTownBuilding};
inline constexpr ControlName kAUPTRadios[] = {rbAUPTNo, rbAUPTSprinkler3x3, rbAUPTSprinkler4x4};
inline constexpr ControlName kShaftEndRadios[] = {rbEndExhaust, rbEndRoofFan};
inline constexpr RadioGroup kRadioGroups[] = {kVariantRadios, kBuildingRadios, kLocationRadios,
                                              kAUPTRadios, kShaftEndRadios};
} // namespace ctl

// The method holds a temperature as t + 273 K: a temperature field takes only what stays above
// zero kelvin there.
inline constexpr double kExhaustZeroC = -273;

// Every edit and combo of the window. The car park's smoke layer fields start from the room
// size (the "S" button) and so have no start value of their own.
// clang-format off
inline constexpr FieldSpec kExhaustFields[] = {
    {ctl::EditProjectName, FieldKind::text, "Project", "Name", {}, {}, "Наименование проекта", ""},
    {ctl::EditSystemName, FieldKind::text, "Project", "System", {}, {},
     "Наименование вентиляционной системы", ""},
    {ctl::cbRoomSizeVariant, FieldKind::choice, "Room", "RSVrnt", 0, 0, "Размеры помещения", ""},
    {ctl::EditRoomLength, FieldKind::real, "Room", "RoomL", 5, 5,
     "Длина, a:", "м", 0, kNoMax, kAboveMin},
    {ctl::EditRoomWidth, FieldKind::real, "Room", "RoomW", 4, 4,
     "Ширина, b:", "м", 0, kNoMax, kAboveMin},
    {ctl::EditRoomHeight, FieldKind::real, "Room", "RoomH", 3.9, 3.9,
     "Высота, h:", "м", 0, kNoMax, kAboveMin},
    {ctl::EditFloorAreaSH, FieldKind::real, "Room", "FloorA", 20, 20,
     "Площадь пола, Ff:", "м²", 0, kNoMax, kAboveMin},
    {ctl::EditRoomWidthSH, FieldKind::real, "Room", "RoomW", 4, 4,
     "Минимальная ширина, b:", "м", 0, kNoMax, kAboveMin},
    {ctl::EditRoomHeightSH, FieldKind::real, "Room", "RoomH", 3.9, 3.9,
     "Высота, h:", "м", 0, kNoMax, kAboveMin},
    {ctl::EditNoSmokeHeight, FieldKind::real, "Room", "NoSmkH", 2.5, 2.5,
     "Высота незадымляемой зоны, Hнз:", "м", 0},
    {ctl::EditFireArea, FieldKind::real, "Room", "FireA", {}, 0, "Площадь очага пожара, Fo:",
     "м²", 0},
    {ctl::EditQr, FieldKind::real, "Room", "Qr", 10, 10,
     "Критическая плотность теплового потока, qr:", "кВт/м²", 0, kNoMax, kAboveMin},
    {ctl::EditRoomAirTemp, FieldKind::real, "Room", "AirTmp", 20, 20,
     "Температура воздуха в помещении, tr:", "°C", kExhaustZeroC, kNoMax, kAboveMin},
    {ctl::EditFireHeatPower, FieldKind::real, "FLoad", "FHPwr", 5000, 5000,
     "Мощность тепловыделения, Qf:", "кВт", 0, kNoMax, kAboveMin},
    {ctl::EditCorridorLength, FieldKind::real, "Corridor", "CrdrL", 30, 30, "Длина коридора, lc:",
     "м", 0, kNoMax, kAboveMin},
    {ctl::EditCorridorArea, FieldKind::real, "Corridor", "CrdrA", 90, 90, "Площадь коридора, Ac:",
     "м²", 0, kNoMax, kAboveMin},
    {ctl::EditCrdrDoorArea, FieldKind::real, "Corridor", "DoorA", 2, 2,
     "Площадь двери при выходе из коридора, Ad:", "м²", 0, kNoMax, kAboveMin},
    {ctl::EditCrdrDoorHeight, FieldKind::real, "Corridor", "DoorH", 2, 2, "Высота двери, Hd:",
     "м", 0, kNoMax, kAboveMin},
    {ctl::EditCorridorHeight, FieldKind::real, "Corridor", "CrdrH", 5, 5,
     "Высота потолка коридора, hк:", "м", 0, kNoMax, kAboveMin},
    {ctl::EditCrdrNoSmokeHeight, FieldKind::real, "Room", "NoSmkH", 2.5, 2.5,
     "Высота незадымляемой зоны, Hнз:", "м", 0},
    {ctl::EditFirstFloorLevel, FieldKind::real, "Corridor", "Floor1Lvl", 0, 0,
     "Отметка клапана первого обслуживаемого этажа, h1:", "м"},
    {ctl::EditRoomMaxSmkPerim, FieldKind::real, "FPlace", "MaxSmkPerimeter", {}, 0,
     "Макс. периметр горизонтального сечения дымового слоя, lsm (пусто - вычислить):", "м", 0},
    {ctl::EditBurningFullness, FieldKind::real, "FPlace", "BurnK", 0.8, 0.8,
     "Полнота сгорания, η:", "", 0, 1},
    {ctl::EditHeatRadiation, FieldKind::real, "FPlace", "HeatK", 0.75, 0.75,
     "Коэффициент теплопотерь на излучение, r:", "", 0, 1},
    {ctl::EditInitSmkWidth, FieldKind::real, "FPlace", "ISmkW", 2, 2,
     "Начальная ширина струи дыма, W:", "м", 0, kNoMax, kAboveMin},
    {ctl::EditGlrTopSmkBot, FieldKind::real, "FPlace", "GlrSmkH", 9, 9,
     "Высота от потолка галереи до нижней границы дымового слоя, Zb:", "м", 0},
    {ctl::EditGalleryTopHeight, FieldKind::real, "FPlace", "GTopH", 3, 3,
     "Высота до потолка галереи, Hg:", "м", 0},
    {ctl::EditParkMaxSmkPerim, FieldKind::real, "FPlace", "ParkSmkPerimeter", {}, {},
     "Макс. периметр горизонтального сечения дымового слоя, lsm:", "м", 0},
    {ctl::EditSmokeEquArea, FieldKind::real, "FPlace", "ParkSmkEquA", {}, {},
     "Эквивалентная площадь горизонтального сечения дымового слоя, Asm:", "м²", 0},
    // a file without the key reads the room's r ("HeatK")
    {ctl::EditParkHRadiation, FieldKind::real, "FPlace", "ParkHeatK", 0.75, {},
     "Коэффициент теплопотерь на излучение, r:", "", 0, 1},
    {ctl::EditOutsideAirTemp, FieldKind::real, "Outside", "AirTmp", 26, 26,
     "Температура наружного воздуха, tн:", "°C", kExhaustZeroC, kNoMax, kAboveMin},
    {ctl::EditOutAirTempComp, FieldKind::real, "Outside", "AirTmpComp", -26, -26,
     "Температура наружного воздуха для расчета компенсации, tн:", "°C",
     kExhaustZeroC, kNoMax, kAboveMin},
    // the start value and the value of a file without the key differ
    {ctl::EditWindSpeed, FieldKind::real, "Outside", "WindSpeed", 2, 4.9, "Скорость ветра, vв:",
     "м/с", 0},
    {ctl::EditShaftConDuctResist, FieldKind::real, "ShaftEnd", "ConDuctResist", 100, 100,
     "Суммарное сопротивление\nприсоединительных воздуховодов, Pd:", "Па", 0},
    {ctl::EditExhaustGasSpeed, FieldKind::real, "ShaftEnd", "ExhaustGasSpeed", 20, 20,
     "Скорость истечения продуктов\nгорения из выбросного устройства, vf:", "м/с", 0},
};
// clang-format on

constexpr const FieldSpec &ExhaustField(ControlName control) {
    return *FindField(kExhaustFields, control);
}
// A field's start value, for the model's own defaults.
consteval double ExhaustStart(ControlName control) {
    return *FindField(kExhaustFields, control)->start;
}

} // namespace orvane::exhaust
