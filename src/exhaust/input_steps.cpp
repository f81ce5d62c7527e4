// The input steps of "Расчет": each reads its fields into the model, echoes them into the report
// and refuses values the calculations cannot use.
#include <cmath>
#include <string>

#include "core/number_text.h"
#include "exhaust/exhaust_calc.h"
#include "exhaust/valve_lookup.h"
#include "report/report_line.h"

namespace orvane::exhaust {

namespace {

double Read(const ExhaustInputs &in, ControlName control) {
    return ReadRealInput(in.Text(control));
}

bool IsRoomVariant(ExhaustVariant v) {
    return v == ExhaustVariant::room || v == ExhaustVariant::underGallery;
}

const char *const kSquareMetres = " м\\super 2\\nosupersub ";

} // namespace

ExhaustVariant ExhaustCalc::ReadVariant(const ExhaustInputs &in) const {
    using enum ExhaustVariant;
    return in.Chosen(ctl::kVariantRadios, {corridor, reserve, room, underGallery, parking},
                     corridor);
}

namespace {

// The report's first lines: the project's and the system's names and the variant.
void WriteRunHeader(RtfStream &s, const ExhaustInputs &in, ExhaustVariant variant) {
    RtfText(s, "\\par\\b Наименование проекта:  ");
    RtfUserText(s, in.Text(ctl::EditProjectName));
    RtfText(s, "\\b0\\par ");
    RtfText(s, "\\par\\b Наименование вентиляционной системы:  ");
    RtfUserText(s, in.Text(ctl::EditSystemName));
    RtfText(s, "\\b0\\par ");

    std::string variantText;
    switch (variant) {
    case ExhaustVariant::room:
        variantText = "Удаление дыма из зальных помещений различного назначения и"
                      "\\par\\tab\\tab атриумов";
        break;
    case ExhaustVariant::underGallery:
        variantText = "Удаление дыма из залов атриумов, при пожаре непосредственно"
                      "\\par\\tab\\tab под галереей на уровне основания атриума";
        break;
    case ExhaustVariant::parking:
        variantText = "Удаление дыма из закрытых надземных и подземных автостоянок";
        break;
    default:
        variantText = "Удаление дыма из вестибюлей, холлов, коридоров, торговых моллов,"
                      "\\par\\tab\\tab атриумов и т.п., смежных с горящим помещением";
        break;
    }
    RtfText(s, "\\par\\b Вариант:    " + variantText + "\\b0\\par ");
}

} // namespace

// The room's size in the chosen form, with its lines; the first negative field is returned for
// the check after the smoke zone's lines.
std::optional<ControlName> ExhaustCalc::InputRoomSize(const ExhaustInputs &in) {
    RtfStream &s = Report.RTBody;
    std::optional<ControlName> negativeField;
    const auto readSize = [&](ControlName control) {
        const double v = Read(in, control);
        if (v < 0 && !negativeField)
            negativeField = control;
        return v;
    };
    if (in.areaForm()) {
        RoomSize = RoomSizeForm::areaWidthHeight;
        FloorArea = readSize(ctl::EditFloorAreaSH);
        RoomWidth = readSize(ctl::EditRoomWidthSH);
        RoomHeight = readSize(ctl::EditRoomHeightSH);
        RoomLength = RoomWidth != 0 ? FloorArea / RoomWidth : 0;
        RoomVolume = FloorArea * RoomHeight;
        ValueLine(s, "\\par\\b Площадь пола, F\\sub f\\nosupersub :    ", F62(FloorArea),
                  kSquareMetres);
        ValueLine(s, "\\par\\b Минимальная ширина, b:    ", F62(RoomWidth), " м");
        ValueLine(s, "\\par\\b Высота помещения, h:    ", F62(RoomHeight), " м");
    } else {
        RoomSize = RoomSizeForm::lengthWidthHeight;
        RoomLength = readSize(ctl::EditRoomLength);
        RoomWidth = readSize(ctl::EditRoomWidth);
        RoomHeight = readSize(ctl::EditRoomHeight);
        FloorArea = RoomLength * RoomWidth;
        RoomVolume = RoomLength * RoomWidth * RoomHeight;
        ValueLine(s, "\\par\\b Размеры помещения, a x b x h:    ",
                  F62(RoomLength) + " x " + F62(RoomWidth) + " x " + F62(RoomHeight), " м");
    }
    return negativeField;
}

bool ExhaustCalc::InputRoomTerms(const ExhaustInputs &in) {
    RtfStream &s = Report.RTBody;
    WriteRunHeader(s, in, Variant);

    const bool corridor = Variant == ExhaustVariant::corridor;
    const bool room = IsRoomVariant(Variant);

    IsLivingBuilding = in.IsChecked(ctl::rbLivingBuilding);
    if (corridor)
        RtfText(s, std::string("\\par\\b Тип здания:    ") +
                       (IsLivingBuilding ? "Жилое" : "Общественное") + "\\b0\\par ");

    IsInTownBuilding = in.IsChecked(ctl::rbInTownBuilding);
    FireEvolutionTime = 0;
    if (room) {
        RtfText(s, std::string("\\par\\b Местонахождение:    ") +
                       (IsInTownBuilding ? "в городе" : "за городом") + "\\b0\\par ");
        FireEvolutionTime = IsInTownBuilding ? 10 : 20;
    }

    Sprinklers = in.IsChecked(ctl::rbAUPTSprinkler3x3)   ? SprinklerKind::grid3x3
                 : in.IsChecked(ctl::rbAUPTSprinkler4x4) ? SprinklerKind::grid4x4
                                                         : SprinklerKind::none;
    if (room && Sprinklers != SprinklerKind::none)
        RtfText(s, std::string("\\par\\b Система АУПТ:    ") +
                       (Sprinklers == SprinklerKind::grid3x3 ? "спринклеры 3 x 3 м"
                                                             : "спринклеры 4 x 4 м") +
                       "\\b0\\par ");

    FireArea = Read(in, ctl::EditFireArea);
    if (FireArea < 0)
        FireArea = 0;

    Qr = Read(in, ctl::EditQr);
    if (room)
        ValueLine(s, "\\par\\b Критическая плотность теплового потока, qr\":    ", F62(Qr),
                  " кВт/м\\super 2\\nosupersub ");

    const std::optional<ControlName> negativeField = InputRoomSize(in);

    if (corridor) {
        RtfText(s, "\\par\\b Размеры проемов, B\\sub i\\nosupersub  x H\\sub i\\nosupersub "
                   ":\\b0\\par ");
        for (size_t i = 0; i < DoorSizes.size(); ++i) {
            const double width = ReadRealInput(in.DoorGrid[i][0]);
            const double height = ReadRealInput(in.DoorGrid[i][1]);
            if (width > 0 && height > 0) {
                DoorSizes[i] = {width, height};
                RtfText(s, "\\tab\\tab " + F62(width) + " x " + F62(height) + " м" + "\\par ");
            } else {
                DoorSizes[i] = {0, 0};
            }
        }
    } else {
        NoSmokeHeight = Read(in, ctl::EditNoSmokeHeight);
        ValueLine(s, "\\par\\b Высота незадымляемой зоны, H\\sub НЗ\\nosupersub :    ",
                  F62(NoSmokeHeight), " м");
        SmokeThickness = RoomHeight - NoSmokeHeight;
        ValueLine(s,
                  "\\par\\b Предельная толщина дымового слоя, H\\sub sm\\nosupersub  = "
                  "(h - H\\sub НЗ\\nosupersub ):    ",
                  F62(SmokeThickness), " м");
        if (NoSmokeHeight < 0 || NoSmokeHeight > RoomHeight) {
            Warn("Высота незадымляемой зоны должна быть\rне менее 0 и не более высоты помещения.",
                 ctl::EditNoSmokeHeight);
            return false;
        }
    }

    if (negativeField) {
        Fail("Размеры помещения не могут быть отрицательными.", negativeField);
        return false;
    }
    if (corridor) {
        // g_k divides by F_w - A_0: openings filling the enclosure leave no fire load per wall
        double openings = 0;
        for (const auto &door : DoorSizes)
            openings += door[0] * door[1];
        if (6 * std::pow(RoomVolume, 2.0 / 3.0) - openings <= 0) {
            Fail("Суммарная площадь проемов должна быть меньше\rплощади ограждающих конструкций "
                 "помещения.",
                 ctl::sgDoorSizes);
            return false;
        }
    }
    return true;
}

bool ExhaustCalc::InputFireLoad(const ExhaustInputs &in) {
    RtfStream &s = Report.RTBody;
    if (Variant == ExhaustVariant::parking) {
        FireHeatPower = Read(in, ctl::EditFireHeatPower);
        ValueLine(s, "\\par\\b Мощность тепловыделения, Q\\sub f\\nosupersub :    ",
                  F62(FireHeatPower), " кВт");
    } else {
        FireLoadDensity = in.FireLoadDensity;
        FireLoad = in.FireLoad;
        RtfText(s, "\\par\\b Горючие вещества:\\b0\\par ");
        if (Variant == ExhaustVariant::corridor) {
            if (!FireLoadDensity.Name.empty()) {
                RtfText(s, "    ");
                RtfUserText(s, FireLoadDensity.Name);
                RtfText(s, "\\par ");
            }
            RtfText(s, "\\tab Удельная пожарная нагрузка, q\\sub п\\nosupersub :    " +
                           FormatRoundedInt(FireLoadDensity.FLDensity) +
                           " МДж/м\\super 2\\nosupersub " + "\\par ");
        }
        RtfText(s, "    ");
        RtfUserText(s, FireLoad.Name);
        RtfText(s, "\\par ");
        RtfText(s, "\\tab Средняя теплота сгорания пожарной нагрузки, Q\\sub нср\\nosupersub  = "
                   "\\u0931?(m\\sub i\\nosupersub  \\u8729? Q\\sub нi\\nosupersub ):    " +
                       FormatGeneral(FireLoad.BurnEnergy) + " МДж/кг" + "\\par ");
        if (Variant == ExhaustVariant::room) {
            RtfText(s,
                    "\\tab Линейная скорость распространения пламени, U\\sub л\\nosupersub :    " +
                        FormatGeneral(FireLoad.FireSpeed) + " м/с" + "\\par ");
            RtfText(s,
                    "\\tab Удельная скорость выгорания, \\u0936?\\sub ср\\nosupersub  = "
                    "\\u0931?(m\\sub i\\nosupersub  \\u8729? \\u0936?\\sub i\\nosupersub ):    " +
                        FormatGeneral(FireLoad.SBurnSpeed) + " кг/м\\super 2\\nosupersub /с" +
                        "\\par ");
        }
    }

    const double roomAirC = Read(in, ctl::EditRoomAirTemp);
    ValueLine(s,
              "\\par\\b Температура воздуха в помещении, t\\sub r\\nosupersub :    ", F62(roomAirC),
              " °C");
    RoomAirTempK = roomAirC + 273;

    if (Variant == ExhaustVariant::corridor)
        ValueLine(s, "\\par\\b Теплота сгорания дерева, Q\\sub нд\\nosupersub :    ", F62(13.8),
                  " МДж/кг \\b0 (константа)");

    if (Variant == ExhaustVariant::parking) {
        if (FireHeatPower <= 0) {
            Fail("Мощность тепловыделения должна быть больше 0.", ctl::EditFireHeatPower);
            return false;
        }
        return true;
    }
    // catalogue files and projects are edited by hand: a negative load, heat or speed would give
    // a negative fire radius (a "circle" larger than the room) or roots of negative numbers
    const bool negativeDensity =
        Variant == ExhaustVariant::corridor && FireLoadDensity.FLDensity < 0;
    const bool negativeLoad =
        FireLoad.BurnEnergy < 0 ||
        (IsRoomVariant(Variant) && (FireLoad.FireSpeed < 0 || FireLoad.SBurnSpeed < 0));
    if (negativeDensity || negativeLoad) {
        Fail("Характеристики пожарной нагрузки\rне могут быть отрицательными.",
             negativeDensity ? ctl::PanFLDensity : ctl::PanFireLoad);
        return false;
    }
    // the corridor's air demand divides by the heat of combustion
    if (Variant == ExhaustVariant::corridor && !(FireLoad.BurnEnergy > 0)) {
        Fail("Низшая теплота сгорания пожарной нагрузки Qн должна быть больше 0.",
             ctl::PanFireLoad);
        return false;
    }
    return true;
}

bool ExhaustCalc::InputCorridor(const ExhaustInputs &in) {
    RtfStream &s = Report.RTBody;
    SmokeCoef = IsLivingBuilding ? 1.0 : 1.2;
    RtfText(s, "\\par\\b Коэффициент, k\\sub sm\\nosupersub :    " + F62(SmokeCoef) + "\\b0\\par ");

    CorridorLength = Read(in, ctl::EditCorridorLength);
    ValueLine(s, "\\par\\b Длина коридора, l\\sub c\\nosupersub :    ", F62(CorridorLength), " м");
    CorridorArea = Read(in, ctl::EditCorridorArea);
    ValueLine(s, "\\par\\b Площадь коридора, A\\sub c\\nosupersub:    ", F62(CorridorArea),
              kSquareMetres);
    CorridorDoorArea = Read(in, ctl::EditCrdrDoorArea);
    ValueLine(s, "\\par\\b Площадь двери при выходе из коридора, A\\sub d\\nosupersub:    ",
              F62(CorridorDoorArea), kSquareMetres);
    CorridorDoorHeight = Read(in, ctl::EditCrdrDoorHeight);
    ValueLine(s, "\\par\\b Высота двери, H\\sub d\\nosupersub :    ", F62(CorridorDoorHeight),
              " м");
    CorridorHeight = Read(in, ctl::EditCorridorHeight);
    ValueLine(s,
              "\\par\\b Высота потолка коридора, h\\sub к\\nosupersub :    ", F62(CorridorHeight),
              " м");
    NoSmokeHeight = Read(in, ctl::EditCrdrNoSmokeHeight);
    ValueLine(s,
              "\\par\\b Высота незадымляемой зоны, H\\sub НЗ\\nosupersub :    ", F62(NoSmokeHeight),
              " м");

    if (NoSmokeHeight <= 0 || NoSmokeHeight > CorridorHeight) {
        Fail(
            "Высота незадымляемой зоны Hнз должна быть > 0 и\rне более высоты потолка коридора hк.",
            ctl::EditCrdrNoSmokeHeight);
        return false;
    }
    if (NoSmokeHeight < 0.4 * CorridorHeight || NoSmokeHeight > 0.5 * CorridorHeight)
        Warn("Высота незадымляемой зоны Hнз задана вне рекомендованного диапазона\r0.4-0.5 от "
             "высоты коридора.",
             ctl::EditCrdrNoSmokeHeight);

    const std::optional<ControlName> negative =
        CorridorLength < 0       ? ctl::EditCorridorLength
        : CorridorArea < 0       ? ctl::EditCorridorArea
        : CorridorDoorHeight < 0 ? std::optional<ControlName>(ctl::EditCrdrDoorHeight)
                                 : std::nullopt;
    if (negative) {
        Fail("Длина и площадь коридора, высота двери\rне могут быть отрицательными.", negative);
        return false;
    }

    SmokeThickness = CorridorHeight - NoSmokeHeight;
    ValueLine(s,
              "\\par\\b Предельная толщина дымового слоя, H\\sub sm\\nosupersub  = "
              "(h\\sub к\\nosupersub  - H\\sub НЗ\\nosupersub ):    ",
              F62(SmokeThickness), " м");
    FirstFloorLevel = Read(in, ctl::EditFirstFloorLevel);
    ValueLine(s,
              "\\par\\b Отметка клапана первого обслуживаемого этажа, h\\sub 1\\nosupersub :    ",
              F62(FirstFloorLevel), " м");
    return true;
}

bool ExhaustCalc::InputRoomFire(const ExhaustInputs &in) {
    RtfStream &s = Report.RTBody;
    MaxSmokePerimeter = Read(in, ctl::EditRoomMaxSmkPerim);
    if (MaxSmokePerimeter < 0)
        MaxSmokePerimeter = 0;

    BurningFullness = Read(in, ctl::EditBurningFullness);
    RtfText(s, "\\par\\b Полнота сгорания, \\u0951?:    " + F62(BurningFullness) + "\\b0\\par ");
    if (BurningFullness < 0 || BurningFullness > 1) {
        Fail("Полнота сгорания должна быть в диапазоне от 0 до 1.", ctl::EditBurningFullness);
        return false;
    }
    HeatRadiationCoef = Read(in, ctl::EditHeatRadiation);
    RtfText(s, "\\par\\b Коэффициент теплопотерь на излучение, r:    " + F62(HeatRadiationCoef) +
                   "\\b0\\par ");
    if (HeatRadiationCoef < 0 || HeatRadiationCoef > 1) {
        Fail("Коэффициент теплопотерь на излучение\rдолжен быть в диапазоне от 0 до 1.",
             ctl::EditHeatRadiation);
        return false;
    }

    if (Variant == ExhaustVariant::underGallery) {
        InitSmokeStreamWidth = Read(in, ctl::EditInitSmkWidth);
        ValueLine(s, "\\par\\b Начальная ширина струи дыма, W:    ", F62(InitSmokeStreamWidth),
                  " м");
        GalleryTopToSmokeBot = Read(in, ctl::EditGlrTopSmkBot);
        ValueLine(s,
                  "\\par\\b Высота от потолка галереи до нижней границы дымового слоя, "
                  "Z\\sub b\\nosupersub :    ",
                  F62(GalleryTopToSmokeBot), " м");
        GalleryTopHeight = Read(in, ctl::EditGalleryTopHeight);
        ValueLine(s, "\\par\\b Высота до потолка галереи, H\\sub g\\nosupersub :    ",
                  F62(GalleryTopHeight), " м");
        if (InitSmokeStreamWidth <= 0) {
            Fail("Начальная ширина струи дыма W должна быть больше 0.", ctl::EditInitSmkWidth);
            return false;
        }
        if (GalleryTopToSmokeBot < 0 || GalleryTopHeight < 0) {
            Fail("Высоты Zb и Hg не могут быть отрицательными.",
                 GalleryTopToSmokeBot < 0 ? ctl::EditGlrTopSmkBot : ctl::EditGalleryTopHeight);
            return false;
        }
    }
    return true;
}

bool ExhaustCalc::InputParkingFire(const ExhaustInputs &in) {
    RtfStream &s = Report.RTBody;
    MaxSmokePerimeter = Read(in, ctl::EditParkMaxSmkPerim);
    ValueLine(s,
              "\\par\\b Макс. периметр горизонтального сечения дымового слоя, "
              "l\\sub sm\\nosupersub :    ",
              F62(MaxSmokePerimeter), " м");
    SmokeEquiArea = Read(in, ctl::EditSmokeEquArea);
    ValueLine(s,
              "\\par\\b Эквивалентная площадь горизонтального сечения дымового слоя, "
              "A\\sub sm\\nosupersub :    ",
              F62(SmokeEquiArea), kSquareMetres);
    HeatRadiationCoef = Read(in, ctl::EditParkHRadiation);
    RtfText(s, "\\par\\b Коэффициент теплопотерь на излучение, r:    " + F62(HeatRadiationCoef) +
                   "\\b0\\par ");
    if (HeatRadiationCoef < 0 || HeatRadiationCoef > 1) {
        Fail("Коэффициент теплопотерь на излучение\rдолжен быть в диапазоне от 0 до 1.",
             ctl::EditParkHRadiation);
        return false;
    }
    // a negative perimeter or area turns the wall losses of the layer balance negative
    if (MaxSmokePerimeter < 0 || SmokeEquiArea < 0) {
        Fail("Периметр и площадь дымового слоя не могут быть отрицательными.",
             MaxSmokePerimeter < 0 ? ctl::EditParkMaxSmkPerim : ctl::EditSmokeEquArea);
        return false;
    }
    return true;
}

namespace {

void ValveSizeLine(RtfStream &s, const NetworkSegment &seg) {
    RtfText(s, "    Клапан " + std::to_string(seg.ValveWidth) + " x " +
                   std::to_string(seg.ValveHeight) + " мм,     Сечение " + F63(seg.ValveArea) +
                   " м\\super 2\\nosupersub " + "\\par ");
}

void HorizontalLines(RtfStream &s, const NetworkSegment &seg, bool withZeta) {
    if (!(seg.Aww > 0 && seg.Bww > 0 && seg.Lww > 0))
        return;
    RtfText(s, "    Горизонтальный участок\\par ");
    std::string line = "\\tab F\\sub ВВ\\nosupersub  = " + F62(seg.Aww * seg.Bww) +
                       " м\\super 2\\nosupersub ," +
                       "     L\\sub ВВ\\nosupersub  = " + F62(seg.Lww) + " м,";
    if (withZeta)
        line += "     Z\\sub ВВ\\nosupersub  = " + F62(seg.ZETAww) + ",";
    RtfText(s, line + "     ");
    RtfUserText(s, seg.HorMaterial);
    RtfText(s, "\\par ");
}

void VerticalLines(RtfStream &s, const NetworkSegment &seg) {
    if (!(seg.Ash > 0 && seg.Bsh > 0 && seg.Lsh > 0))
        return;
    RtfText(s, "    Вертикальный участок\\par ");
    RtfText(s, "\\tab F\\sub Ш\\nosupersub  = " + F62(seg.Ash * seg.Bsh) +
                   " м\\super 2\\nosupersub ," + "     L\\sub Ш\\nosupersub  = " + F62(seg.Lsh) +
                   " м," + "     Z\\sub Ш\\nosupersub  = " + F62(seg.ZETAsh) + "," + "     ");
    RtfUserText(s, seg.Material);
    RtfText(s, "\\par ");
}

} // namespace

bool ExhaustCalc::InputOutsideAndNetwork(const ExhaustInputs &in) {
    RtfStream &s = Report.RTBody;
    const double outsideC = Read(in, ctl::EditOutsideAirTemp);
    ValueLine(s,
              "\\par\\b Температура наружного воздуха, t\\sub Н\\nosupersub :    ", F62(outsideC),
              " °C");
    OutsideAirTempK = outsideC + 273;
    CompensatingAirTempK = Read(in, ctl::EditOutAirTempComp) + 273;
    WindSpeed = Read(in, ctl::EditWindSpeed);
    ValueLine(s, "\\par\\b Скорость ветра, V\\sub В\\nosupersub :    ", F62(WindSpeed), " м/с");

    CalcWithShaft = in.IsChecked(ctl::cbShaft);
    Segments = in.Segments;
    const size_t n = Segments.size();
    if (CalcWithShaft) {
        if (n < 2) {
            Warn("Необходимо задать хотя бы 2 участка сети.", ctl::ListBoxYchastki);
            return false;
        }
        RtfText(s, "\\par\\b Участки сети вытяжной противодымной вентиляции (всего " +
                       std::to_string(n) + ")" + "\\b0\\par ");
        for (size_t i = 0; i < n; ++i) {
            const NetworkSegment &seg = Segments[i];
            RtfText(s, "Участок " + std::to_string(i + 1));
            if (!seg.StoreyName.empty()) {
                RtfText(s, " - ");
                RtfUserText(s, seg.StoreyName);
            }
            RtfText(s, ":\\par ");
            if (i + 1 < n)
                ValveSizeLine(s, seg);
            HorizontalLines(s, seg, i == 0 || i + 1 == n);
            VerticalLines(s, seg);
        }
    } else {
        if (n < 1) {
            Warn("Необходимо задать хотя бы 1 участок сети.", ctl::ListBoxYchastki);
            return false;
        }
        RtfText(s, RtfGroupHeading("Сеть вытяжной противодымной вентиляции"));
        ValveSizeLine(s, Segments[0]);
        HorizontalLines(s, Segments[0], true);
    }

    // A valve size the catalogue does not know would give a zero valve area: the open valve
    // and the closed ones below the top all carry smoke or leakage.
    const size_t valvesUsed = CalcWithShaft ? n - 1 : 1;
    for (size_t i = 0; i < valvesUsed; ++i) {
        const NetworkSegment &seg = Segments[i];
        if (!IsCatalogValve(seg.ValveWidth, seg.ValveHeight)) {
            Fail("Клапан " + std::to_string(seg.ValveWidth) + " x " +
                     std::to_string(seg.ValveHeight) + " мм участка " + std::to_string(i + 1) +
                     " отсутствует в каталоге.",
                 ctl::ListBoxYchastki);
            return false;
        }
    }

    Term1 = in.IsChecked(ctl::rbEndExhaust);
    ShaftConDuctResist = Read(in, ctl::EditShaftConDuctResist);
    if (Term1)
        ValueLine(s,
                  "\\par\\b Суммарное сопротивление присоединительных воздуховодов, "
                  "P\\sub d\\nosupersub :    ",
                  F62(ShaftConDuctResist), " Па");
    ShaftExhaustGasSpeed = Read(in, ctl::EditExhaustGasSpeed);
    Term2 = ShaftExhaustGasSpeed > 0;
    if (Term1 && Term2)
        ValueLine(s,
                  "\\par\\b Скорость истечения продуктов горения из выбросного устройства, "
                  "v\\sub f\\nosupersub :    ",
                  F62(ShaftExhaustGasSpeed), " м/с");
    return true;
}

} // namespace orvane::exhaust
