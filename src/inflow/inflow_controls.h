#pragma once
// The supply window's controls on all four variant pages: their names, radio groups and field
// table. Every other file names a control through `ctl::`, so a misspelt name does not compile.

#include "core/control_state.h"
#include "core/field_spec.h"

namespace orvane::inflow {

// clang-format off
#define ORVANE_INFLOW_CONTROLS(X)                                                                  \
    X(EditProjectName) X(EditSystemName) X(EditOGFloorQty) X(EditSWN1z) X(EditSWN2z)               \
    X(EditSecondFloorLevel) X(EditOGFloorHeight) X(EditOGStairWellQty) X(EditUGFloorQty)           \
    X(EditUGFloorHeight) X(EditUGStairWellQty) X(EditGasMassExps) X(EditInsideAirTemp)             \
    X(EditOutsideAirTemp) X(EditWindSpeed) X(EditKoefWW) X(EditKoefW0) X(EditSWProjArea)           \
    X(EditSWKoefXis) X(EditOutsideDoorArea) X(EditOutsideDoorHeight) X(EditOutDoorSeriesQty)       \
    X(EditOutsideDoorKoefXid) X(EditOutsideTambourKoefXir) X(EditDoorwayArea)                      \
    X(EditDoorwayHeight) X(EditClosedDoorSpecResist) X(EditWindowArea) X(cbWinPenetrationVar)      \
    X(EditWinPenetration) X(EditOGPplus) X(EditOGH0s) X(EditOGSizeA) X(EditOGSizeB)                \
    X(EditOGAPipeLen) X(EditOGAPipeEpsilon) X(EditOGAPipeXi) X(EditUGH0Below) X(EditUGPdsBelow)    \
    X(EditLiftOutsideAirTemp) X(EditLiftInsideAirTemp) X(EditLiftWindSpeed) X(EditLiftKoefWW)      \
    X(EditLiftKoefW0) X(EditLiftOGFloorQty) X(EditLiftUGFloorQty) X(EditLiftSecondFloorLevel)      \
    X(EditLiftOGFloorHeight) X(EditLiftUGFloorHeight) X(EditLiftLevelStart)                        \
    X(EditLiftLevelFinish) X(EditLiftShaftDoorArea) X(EditLiftHallDoorArea)                        \
    X(EditLiftShaftDoorHeight) X(EditLiftCageQty) X(EditLiftHallDoorQty)                           \
    X(EditLiftHallDoorKoefXid) X(EditLiftCageArea) X(EditLiftShaftArea) X(EditLiftCageKoefXil)     \
    X(EditLiftMuGap) X(EditLiftShaftDoorSpecResist) X(EditLiftHallDoorSpecResist)                  \
    X(EditLiftFmu1) X(cbLiftUnit1) X(EditLiftUnit1Value) X(EditLiftFmu2) X(cbLiftUnit2)            \
    X(EditLiftUnit2Value) X(EditLiftFmu3) X(cbLiftUnit3) X(EditLiftUnit3Value) X(EditLiftPplus)    \
    X(EditLiftH0s) X(EditLiftSizeA) X(EditLiftSizeB) X(EditLiftAPipeLen) X(EditLiftAPipeEpsilon)   \
    X(EditLiftAPipeXi) X(EditTmbrOutsideAirTemp) X(EditTmbrInsideAirTemp) X(EditTmbrHeatAirTemp)   \
    X(EditTmbrWindSpeed) X(EditTmbrKoefWW) X(EditTmbrKoefW0) X(EditTmbrOGFloorQty)                 \
    X(EditTmbrUGFloorQty) X(EditTmbrSecondFloorLevel) X(EditTmbrOGFloorHeight)                     \
    X(EditTmbrUGFloorHeight) X(EditTmbrDoorQty) X(EditTmbrDoorArea) X(EditTmbrDoorHeight)          \
    X(EditTmbrDoorMu) X(EditTmbrDoorAirSpeed) X(EditTmbrDoorSpecResist) X(EditTmbrPplus)           \
    X(EditTmbrValveArea) X(EditTmbrValveXi) X(EditTmbrValveSpecResist) X(EditTmbrValve1H)          \
    X(EditTmbrShaftDoorArea) X(EditTmbrShaftDoorSpecResist) X(EditTmbrSizeA) X(EditTmbrSizeB)      \
    X(EditTmbrVPipeEpsilon) X(EditTmbrVPipeProof) X(EditTmbrVPipeHTop) X(EditTmbrH0)               \
    X(EditTmbrAPipeLen) X(EditTmbrAPipeDiam) X(EditTmbrAPipeXi) X(rbSWJoinWall)                    \
    X(rbSWNotJoinWall) X(rbSWWithExit) X(rbSWWOExit) X(rbFirstFloorNotJoinSW)                      \
    X(rbFirstFloorJoinSW) X(rbExitsToSWViaTambour) X(rbExitsToSWViaDoor) X(rbDoorIsGasProof)       \
    X(rbDoorIsOrdinary) X(rbOGRectAPipe) X(rbOGRoundAPipe) X(rbLiftJoinWall)                       \
    X(rbLiftNotJoinWall) X(rbLiftHall1) X(rbLiftHall1Not) X(rbLiftHallAbove)                       \
    X(rbLiftHallAboveNot) X(rbLiftHallBelow) X(rbLiftHallBelowNot) X(rbLiftRectAPipe)              \
    X(rbLiftRoundAPipe) X(rbTmbrRectVPipe) X(rbTmbrRoundVPipe) X(rbOverGndStair)                   \
    X(rbLiftMethodOpening) X(rbTmbrVar1) X(rbLift) X(rbUnderGndStair) X(rbTambour)                 \
    X(rbLiftMethodSlot) X(rbLiftMethodClosed) X(rbTmbrVar2) X(rbTmbrVar3)

// clang-format on

namespace ctl {
ORVANE_INFLOW_CONTROLS(ORVANE_CONTROL_NAME)
inline constexpr ControlName kAll[] = {ORVANE_INFLOW_CONTROLS(ORVANE_CONTROL_LIST_ITEM)};

inline constexpr ControlName kVariantRadios[] = {rbOverGndStair, rbUnderGndStair, rbLift,
                                                 rbTambour};
inline constexpr ControlName kLiftMethodRadios[] = {rbLiftMethodOpening, rbLiftMethodSlot,
                                                    rbLiftMethodClosed};
inline constexpr ControlName kTmbrVariantRadios[] = {rbTmbrVar1, rbTmbrVar2, rbTmbrVar3};
// The radio pairs of the conditions, the first-named button first.
inline constexpr ControlName kPairs[][2] = {
    {rbSWJoinWall, rbSWNotJoinWall},
    {rbSWWithExit, rbSWWOExit},
    {rbFirstFloorNotJoinSW, rbFirstFloorJoinSW},
    {rbExitsToSWViaTambour, rbExitsToSWViaDoor},
    {rbDoorIsGasProof, rbDoorIsOrdinary},
    {rbOGRectAPipe, rbOGRoundAPipe},
    {rbLiftJoinWall, rbLiftNotJoinWall},
    {rbLiftHall1, rbLiftHall1Not},
    {rbLiftHallAbove, rbLiftHallAboveNot},
    {rbLiftHallBelow, rbLiftHallBelowNot},
    {rbLiftRectAPipe, rbLiftRoundAPipe},
    {rbTmbrRectVPipe, rbTmbrRoundVPipe},
};
inline constexpr RadioGroup kRadioGroups[] = {
    kVariantRadios, kLiftMethodRadios, kTmbrVariantRadios, kPairs[0],  kPairs[1],
    kPairs[2],      kPairs[3],         kPairs[4],          kPairs[5],  kPairs[6],
    kPairs[7],      kPairs[8],         kPairs[9],          kPairs[10], kPairs[11]};

// The lift page's three gap rows: area edit, unit combo ("μ" / "ξ+1"), value edit.
struct LiftGapControls {
    ControlName area;
    ControlName unit;
    ControlName value;
};
inline constexpr LiftGapControls kLiftGapControls[3] = {
    {EditLiftFmu1, cbLiftUnit1, EditLiftUnit1Value},
    {EditLiftFmu2, cbLiftUnit2, EditLiftUnit2Value},
    {EditLiftFmu3, cbLiftUnit3, EditLiftUnit3Value},
};
} // namespace ctl

// Every edit and combo of the four pages. Where a page shares a section and key with another
// (the stairwells' [Air]), each page's control has its own row.
// one row per field
// clang-format off
inline constexpr FieldSpec kInflowFields[] = {
    {ctl::EditProjectName, FieldKind::text, "Project", "Name", {}, {}, "Наименование проекта", ""},
    {ctl::EditSystemName, FieldKind::text, "Project", "System", {}, {}, "Наименование вентиляционной системы", ""},
    {ctl::EditOGFloorQty, FieldKind::integer, "Building", "FloorQty", 12, 9, "Число надземных этажей, Nнэ:", "", 1, 300},
    {ctl::EditSWN1z, FieldKind::integer, "Building", "SWN1z", {}, 0, "Выделенная зона: с этажа", ""},
    {ctl::EditSWN2z, FieldKind::integer, "Building", "SWN2z", {}, 0, "Выделенная зона: по этаж", ""},
    {ctl::EditSecondFloorLevel, FieldKind::real, "Building", "Floor2L", 5, 4.35, "Отметка уровня второго этажа, h(2):", "м", 0, kNoMax, kAboveMin},
    {ctl::EditOGFloorHeight, FieldKind::real, "Building", "FloorH", 4, 3, "Высота вышележащих этажей, ΔhНЭ:", "м", 0, kNoMax, kAboveMin},
    {ctl::EditOGStairWellQty, FieldKind::integer, "Building", "SWQty", 3, 3, "Количество лестничных клеток, p:", "", 1, 100},
    {ctl::EditUGFloorQty, FieldKind::integer, "Building", "FloorQty", 4, 4, "Число подземных этажей, Nпэ:", "", 1, 300},
    {ctl::EditUGFloorHeight, FieldKind::real, "Building", "FloorH", 3, 3, "Высота подземных этажей, ΔhПЭ:", "м"},
    {ctl::EditUGStairWellQty, FieldKind::integer, "Building", "SWQty", 3, 3, "Количество лестничных клеток, p:", "", 1, 100},
    {ctl::EditGasMassExps, FieldKind::real, "Air", "GasMExps", 3, 6, "Расход удаляемых продуктов горения, Gsm:", "кг/с", 0},
    {ctl::EditInsideAirTemp, FieldKind::real, "Air", "AirTempI", 18, 16, "Температура внутреннего воздуха, tr:", "°C", kAbsoluteZeroC, kNoMax, kAboveMin},
    {ctl::EditOutsideAirTemp, FieldKind::real, "Air", "AirTempO", -26, -26, "Температура наружного воздуха, ta:", "°C", kAbsoluteZeroC, kNoMax, kAboveMin},
    {ctl::EditWindSpeed, FieldKind::real, "Air", "WindSpeed", 0, 5, "Скорость ветра, va:", "м/с", 0},
    {ctl::EditKoefWW, FieldKind::real, "Air", "KWW", 0.8, 0.8, "Наветренная сторона, KWW:", ""},
    {ctl::EditKoefW0, FieldKind::real, "Air", "KW0", -0.6, -0.6, "Заветренная сторона, KW0:", ""},
    {ctl::EditSWProjArea, FieldKind::real, "StairWell", "ProjArea", 18, 16.84, "Площадь горизонтальной проекции маршей и площадок, FS:", "м²", 0, kNoMax, kAboveMin},
    {ctl::EditSWKoefXis, FieldKind::real, "StairWell", "XIs", 60, 60, "КМС маршей, ξs:", "", 0},
    {ctl::EditOutsideDoorArea, FieldKind::real, "StairWell", "ODoorArea", 2, 1.89, "Площадь двери, Fda:", "м²", 0, kNoMax, kAboveMin},
    {ctl::EditOutsideDoorHeight, FieldKind::real, "StairWell", "ODoorH", 2.2, 2.1, "Высота двери, hda:", "м", 0, kNoMax, kAboveMin},
    {ctl::EditOutDoorSeriesQty, FieldKind::integer, "StairWell", "ODoorSQty", 1, 1, "Последовательно расположенных дверей, n:", "", 1},
    {ctl::EditOutsideDoorKoefXid, FieldKind::real, "StairWell", "ODoorXid", 2.44, 2.44, "КМС проёма дверей, ξd:", "", 0},
    {ctl::EditOutsideTambourKoefXir, FieldKind::real, "StairWell", "OTambXir", 4, 4, "КМС тамбура, ξr:", "", 0},
    {ctl::EditDoorwayArea, FieldKind::real, "StairWell", "DoorwayArea", 2, 1.89, "Площадь каждой двери, Fd:", "м²", 0, kNoMax, kAboveMin},
    {ctl::EditDoorwayHeight, FieldKind::real, "StairWell", "DoorwayH", 2.2, 2.1, "Высота каждой двери, hd:", "м", 0, kNoMax, kAboveMin},
    {ctl::EditClosedDoorSpecResist, FieldKind::real, "StairWell", "DoorResist", {}, 0, "Сопротивление воздухопроницанию закрытой двери, Sd:", "м³/кг", 0},
    {ctl::EditWindowArea, FieldKind::real, "StairWell", "WindowArea", 4, 4, "Площадь проёма на каждом этаже, Fw:", "м²", 0},
    {ctl::cbWinPenetrationVar, FieldKind::choice, "StairWell", "WinPenetVar", 1, 1,
     "Воздухопроницаемость задана как:", ""},
    {ctl::EditWinPenetration, FieldKind::real, "StairWell", "WinAirPenet", 3, 3,
     "Воздухопроницаемость окон:", "", 0},
    {ctl::EditOGPplus, FieldKind::real, "FanData", "Pplus", 20, 20, "Избыточное давление, P⁺:", "Па"},
    {ctl::EditOGH0s, FieldKind::real, "FanData", "H0s", 15, 5, "Разность уровней ВПУ и оголовка ЛК, h0l:", "м"},
    {ctl::EditOGSizeA, FieldKind::real, "FanData", "PipeSizeA", 800, 800, "Размер A (диаметр):", "мм", 0, kNoMax, kAboveMin},
    {ctl::EditOGSizeB, FieldKind::real, "FanData", "PipeSizeB", 600, 600, "Размер B:", "мм", 0, kNoMax, kAboveMin},
    {ctl::EditOGAPipeLen, FieldKind::real, "FanData", "PipeLen", 20, 20, "Длина воздуховодов, lвв:", "м", 0},
    {ctl::EditOGAPipeEpsilon, FieldKind::real, "FanData", "PipeEpsilon", 0.1, 0.1, "Абсолютная эквивалентная шероховатость, ε:", "мм", 0},
    {ctl::EditOGAPipeXi, FieldKind::real, "FanData", "PipeXi", 2, 2, "Сумма КМС воздуховодов, ξвв:", "", 0},
    {ctl::EditUGH0Below, FieldKind::real, "FanData", "H0Below", 10, 10, "Разность уровней ВПУ и оголовка ЛК, h0s:", "м"},
    {ctl::EditUGPdsBelow, FieldKind::real, "FanData", "PdsBelow", 100, 100, "Потери давления в сети от ВПУ до ЛК, Pds:", "Па", 0},
    {ctl::EditLiftOutsideAirTemp, FieldKind::real, "Air", "AirTempO", -26, -26, "Температура наружного воздуха, ta:", "°C", kAbsoluteZeroC, kNoMax, kAboveMin},
    {ctl::EditLiftInsideAirTemp, FieldKind::real, "Air", "AirTempI", 18, 16, "Температура внутреннего воздуха, tr:", "°C", kAbsoluteZeroC, kNoMax, kAboveMin},
    {ctl::EditLiftWindSpeed, FieldKind::real, "Air", "WindSpeed", 0, 0, "Скорость ветра, va:", "м/с", 0},
    {ctl::EditLiftKoefWW, FieldKind::real, "Air", "KWW", 0.8, 0.8, "Наветренная сторона, KWW:", ""},
    {ctl::EditLiftKoefW0, FieldKind::real, "Air", "KW0", -0.6, -0.6, "Заветренная сторона, KW0:", ""},
    {ctl::EditLiftOGFloorQty, FieldKind::integer, "Building", "OGFloorQty", 12, 9, "Число надземных этажей, Nнэ:", "", 1, 300},
    {ctl::EditLiftUGFloorQty, FieldKind::integer, "Building", "UGFloorQty", 4, 2, "Число подземных этажей, Nпэ:", "", 0, 300},
    {ctl::EditLiftSecondFloorLevel, FieldKind::real, "Building", "Floor2L", 5, 4.35, "Отметка уровня второго этажа, h(2):", "м", 0, kNoMax, kAboveMin},
    {ctl::EditLiftOGFloorHeight, FieldKind::real, "Building", "OGFloorH", 4, 3, "Высота надземных этажей, ΔhНЭ:", "м", 0, kNoMax, kAboveMin},
    {ctl::EditLiftUGFloorHeight, FieldKind::real, "Building", "UGFloorH", 3, 3, "Высота подземных этажей, ΔhПЭ:", "м"},
    {ctl::EditLiftLevelStart, FieldKind::signedInteger, "Shaft", "LLvlStart", {}, 2, "Выходы в ЛШ: с этажа", ""},
    {ctl::EditLiftLevelFinish, FieldKind::signedInteger, "Shaft", "LLvlFinish", {}, 16, "Выходы в ЛШ: по этаж", ""},
    {ctl::EditLiftShaftDoorArea, FieldKind::real, "Shaft", "LShaftDoorA", 1.89, 1.89, "Площадь дверей ЛШ, Fdl:", "м²", 0, kNoMax, kAboveMin},
    {ctl::EditLiftHallDoorArea, FieldKind::real, "Shaft", "LHallDoorA", 1.89, 2, "Площадь дверей лифтовых холлов, Fdr:", "м²", 0, kNoMax, kAboveMin},
    {ctl::EditLiftShaftDoorHeight, FieldKind::real, "Shaft", "LShaftDoorH", 2, 2.1, "Высота дверей ЛШ, hdl:", "м", 0, kNoMax, kAboveMin},
    {ctl::EditLiftCageQty, FieldKind::integer, "Shaft", "LCageQty", 1, 3, "Количество кабин в шахте, n:", "", 1},
    {ctl::EditLiftHallDoorQty, FieldKind::integer, "Shaft", "LHallDoorQty", 1, 2, "Количество дверей лифтового холла, m:", ""},
    {ctl::EditLiftHallDoorKoefXid, FieldKind::real, "Shaft", "LHallDoorXid", 2.44, 2.44, "КМС проёма дверей лифтового холла на 1-м этаже, ξd:", "", 0},
    {ctl::EditLiftCageArea, FieldKind::real, "Shaft", "LCageA", 3, 2, "Площадь сечения кабины (внешний контур), Flc:", "м²", 0, kNoMax, kAboveMin},
    {ctl::EditLiftShaftArea, FieldKind::real, "Shaft", "LShaftA", 4.6, 2.5, "Площадь сечения шахты (внутренний контур), Fls:", "м²", 0, kNoMax, kAboveMin},
    {ctl::EditLiftCageKoefXil, FieldKind::real, "Shaft", "LCageXil", {}, 0, "КМС узла «кабина-шахта» при открытых дверях, ξl:", "", 0},
    {ctl::EditLiftMuGap, FieldKind::real, "Shaft", "LMuGap", 0.65, 0, "Коэффициент расхода зазора кабина-шахта, μgap:", "", 0, 1},
    {ctl::EditLiftShaftDoorSpecResist, FieldKind::real, "Shaft", "LShaftDoorSR", {}, 0, "Сопротивление воздухопроницанию дверей ЛШ, Sdl:", "м³/кг", 0},
    {ctl::EditLiftHallDoorSpecResist, FieldKind::real, "Shaft", "LHallDoorSR", {}, 0, "Сопротивление воздухопроницанию дверей холла, Sdr:", "м³/кг", 0},
    {ctl::EditLiftFmu1, FieldKind::real, "Shaft", "LFmu1", 0, 0,
     "Щель в открытом проёме ЛШ: площадь F1", "м²", 0},
    {ctl::cbLiftUnit1, FieldKind::choice, "Shaft", "LUnit1", 0, 0,
     "Щель в открытом проёме ЛШ: задано как", ""},
    {ctl::EditLiftUnit1Value, FieldKind::real, "Shaft", "LUnit1Value", 0.64, 0,
     "Щель в открытом проёме ЛШ: величина", "", 0},
    {ctl::EditLiftFmu2, FieldKind::real, "Shaft", "LFmu2", 0, 0,
     "Вентиляционные решётки в кабине: площадь F2", "м²", 0},
    {ctl::cbLiftUnit2, FieldKind::choice, "Shaft", "LUnit2", 0, 0,
     "Вентиляционные решётки в кабине: задано как", ""},
    {ctl::EditLiftUnit2Value, FieldKind::real, "Shaft", "LUnit2Value", 0.64, 0,
     "Вентиляционные решётки в кабине: величина", "", 0},
    {ctl::EditLiftFmu3, FieldKind::real, "Shaft", "LFmu3", 0, 0,
     "Прочее: площадь F3", "м²", 0},
    {ctl::cbLiftUnit3, FieldKind::choice, "Shaft", "LUnit3", 0, 0,
     "Прочее: задано как", ""},
    {ctl::EditLiftUnit3Value, FieldKind::real, "Shaft", "LUnit3Value", 0.64, 0,
     "Прочее: величина", "", 0},
    {ctl::EditLiftPplus, FieldKind::real, "FanData", "LPplus", 20, 20, "Избыточное давление, P⁺:", "Па"},
    {ctl::EditLiftH0s, FieldKind::real, "FanData", "H0Above", 3, 3, "Разность уровней ВПУ и оголовка ЛШ, h0s:", "м"},
    {ctl::EditLiftSizeA, FieldKind::real, "FanData", "PipeSizeA", 800, 800, "Размер A (диаметр):", "мм", 0, kNoMax, kAboveMin},
    {ctl::EditLiftSizeB, FieldKind::real, "FanData", "PipeSizeB", 600, 600, "Размер B:", "мм", 0, kNoMax, kAboveMin},
    {ctl::EditLiftAPipeLen, FieldKind::real, "FanData", "PipeLen", 20, 20, "Длина воздуховодов, lвв:", "м", 0},
    {ctl::EditLiftAPipeEpsilon, FieldKind::real, "FanData", "PipeEpsilon", 0.1, 0.1, "Абсолютная эквивалентная шероховатость, ε:", "мм", 0},
    {ctl::EditLiftAPipeXi, FieldKind::real, "FanData", "PipeXi", 2, 2, "Сумма КМС воздуховодов, ξвв:", "", 0},
    {ctl::EditTmbrOutsideAirTemp, FieldKind::real, "Air", "AirTempO", -26, -26, "Температура наружного воздуха, ta:", "°C", kAbsoluteZeroC, kNoMax, kAboveMin},
    {ctl::EditTmbrInsideAirTemp, FieldKind::real, "Air", "AirTempI", 18, 18, "Температура внутреннего воздуха, tr:", "°C", kAbsoluteZeroC, kNoMax, kAboveMin},
    {ctl::EditTmbrHeatAirTemp, FieldKind::real, "Air", "AirTempH", 20, 20, "Температура тёплого притока, tsf:", "°C", kAbsoluteZeroC, kNoMax, kAboveMin},
    {ctl::EditTmbrWindSpeed, FieldKind::real, "Air", "WindSpeed", 0, 5, "Скорость ветра, va:", "м/с", 0},
    {ctl::EditTmbrKoefWW, FieldKind::real, "Air", "KWW", 0.8, 0.8, "Наветренная сторона, KWW:", ""},
    {ctl::EditTmbrKoefW0, FieldKind::real, "Air", "KW0", -0.6, -0.6, "Заветренная сторона, KW0:", ""},
    {ctl::EditTmbrOGFloorQty, FieldKind::integer, "Building", "OGFloorQty", 12, 9, "Число надземных этажей, Nнэ:", "", 1, 300},
    {ctl::EditTmbrUGFloorQty, FieldKind::integer, "Building", "UGFloorQty", 4, 4, "Число подземных этажей, Nпэ:", "", 0, 300},
    {ctl::EditTmbrSecondFloorLevel, FieldKind::real, "Building", "Floor2L", 5, 4.35, "Отметка уровня второго этажа, h(2):", "м", 0, kNoMax, kAboveMin},
    {ctl::EditTmbrOGFloorHeight, FieldKind::real, "Building", "OGFloorH", 4, 3, "Высота надземных этажей, ΔhНЭ:", "м", 0, kNoMax, kAboveMin},
    {ctl::EditTmbrUGFloorHeight, FieldKind::real, "Building", "UGFloorH", 3, 3, "Высота подземных этажей, ΔhПЭ:", "м"},
    {ctl::EditTmbrDoorQty, FieldKind::integer, "Tambour", "TmbrDoorQty", 1, 1, "Количество дверей (без дверей смежных ЛШ), nd:", ""},
    {ctl::EditTmbrDoorArea, FieldKind::real, "Tambour", "TmbrDoorA", 2, 2, "Площадь каждой двери, Fd:", "м²", 0, kNoMax, kAboveMin},
    {ctl::EditTmbrDoorHeight, FieldKind::real, "Tambour", "TmbrDoorH", 2.2, 2.2, "Высота каждой двери, hd:", "м", 0, kNoMax, kAboveMin},
    {ctl::EditTmbrDoorMu, FieldKind::real, "Tambour", "TmbrDoorMu", 0.64, 0.64, "Коэффициент расхода открытой двери, μ:", "", 0, 1},
    {ctl::EditTmbrDoorAirSpeed, FieldKind::real, "Tambour", "TmbrDoorAS", 1.5, 1.5, "Скорость воздуха в открытом проёме, vd:", "м/с", 0, kNoMax, kAboveMin},
    {ctl::EditTmbrDoorSpecResist, FieldKind::real, "Tambour", "TmbrDoorSR", {}, 0, "Сопротивление воздухопроницанию дверей, Sdr:", "м³/кг", 0},
    {ctl::EditTmbrPplus, FieldKind::real, "Tambour", "TmbrPplus", 20, 20, "Избыточное давление, P⁺:", "Па"},
    {ctl::EditTmbrValveArea, FieldKind::real, "Valve", "TmbrVArea", 0.48, 0.8, "Номинальное сечение, Fкл:", "м²", 0, kNoMax, kAboveMin},
    {ctl::EditTmbrValveXi, FieldKind::real, "Valve", "TmbrVXi", 1.5, 4, "КМС открытого клапана, ξкл:", "", 0},
    {ctl::EditTmbrValveSpecResist, FieldKind::real, "Valve", "TmbrVSR", 30300, 30300, "Сопротивление газопроницанию закрытого клапана, Sкл:", "м³/кг", 0, kNoMax, kAboveMin},
    {ctl::EditTmbrValve1H, FieldKind::real, "Valve", "TmbrV1H", 4.5, 4.5, "Высота клапана 1-го этажа, hкл(1):", "м", 0},
    {ctl::EditTmbrShaftDoorArea, FieldKind::real, "Shaft", "TmbrShaftDoorA", 3, 2, "Общая площадь дверей смежной ЛШ, m·Fdsl:", "м²", 0},
    {ctl::EditTmbrShaftDoorSpecResist, FieldKind::real, "Shaft", "TmbrShaftSR", {}, 0, "Сопротивление воздухопроницанию дверей ЛШ, Sdsl:", "м³/кг", 0},
    {ctl::EditTmbrSizeA, FieldKind::real, "Pipe", "PipeSizeA", 800, 500, "Размер A (диаметр):", "мм", 0, kNoMax, kAboveMin},
    {ctl::EditTmbrSizeB, FieldKind::real, "Pipe", "PipeSizeB", 600, 800, "Размер B:", "мм", 0, kNoMax, kAboveMin},
    {ctl::EditTmbrVPipeEpsilon, FieldKind::real, "Pipe", "PipeEpsilon", 4, 0.1, "Абсолютная эквивалентная шероховатость, ε:", "мм", 0},
    {ctl::EditTmbrVPipeProof, FieldKind::real, "Pipe", "PipeProof", 0.097, 0.097, "Герметичность, a:", "", 0},
    {ctl::EditTmbrVPipeHTop, FieldKind::real, "Pipe", "PipeHTop", 6, 4, "Высота от верхнего клапана до оголовка, Htop:", "м", 0},
    {ctl::EditTmbrH0, FieldKind::real, "Pipe", "TmbrH0", 3, 10, "Разность уровней ВПУ и оголовка канала, h0s:", "м"},
    {ctl::EditTmbrAPipeLen, FieldKind::real, "Pipe", "PipeLen", 11, 3, "Длина воздуховодов, lвв:", "м", 0},
    {ctl::EditTmbrAPipeDiam, FieldKind::real, "Pipe", "PipeSizeA", 600, 600, "Диаметр воздуховодов, Dвв:", "мм", 0, kNoMax, kAboveMin},
    {ctl::EditTmbrAPipeXi, FieldKind::real, "Pipe", "PipeXi", 2, 2, "Сумма КМС на участке, ξвв:", "", 0},
};
// clang-format on

constexpr const FieldSpec &InflowField(ControlName control) {
    return *FindField(kInflowFields, control);
}

} // namespace orvane::inflow
