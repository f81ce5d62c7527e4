// Air supply into tambour-airlocks (and lift halls, safe-zone rooms) from a vertical channel:
// the tambour page's input steps, the channel pass floor by floor, the intake duct, the fan and
// the heater of a heated supply.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/inflow_calc.h"
#include "inflow/inflow_report.h"
#include "inflow/input_read.h"
#include "inflow/tambour_air.h"

namespace orvane::inflow {

namespace {

// Leakage through walls grows with the pressure difference to the power 0.65, in either
// direction.
double SignedPow065(double x) {
    return x < 0 ? -std::pow(-x, 0.65) : std::pow(x, 0.65);
}

// The quotient under a door's square root: a zero resistance or a negative quotient lets nothing
// through.
double DoorRoot(double pressure, double resist) {
    if (IsZeroReal(resist))
        return 0;
    const double q = pressure / resist;
    return q < 0 ? 0 : std::sqrt(q);
}

// Step to the next floor up and valve section, by floor number (there is no floor 0).
double FloorStep(int n, double h2, double dhNE, double dhPE) {
    return n == 1 ? h2 : (n < 0 ? dhPE : dhNE);
}
double ValveStep(int n, double h2, double dhNE, double dhPE) {
    return n == -1 ? h2 : (n > 0 ? dhNE : dhPE);
}

double Reynolds(double v, double Dm, double nu) {
    return nu == 0 ? 0 : v * Dm / nu * 1e6;
}

} // namespace

double TmbrAirViscosity(double t) {
    const double T = t + kCelsiusZero;
    return T <= 0 ? 0 : 0.0502089504749603 * T * std::pow(T / kCelsiusZero, 0.541036173078109);
}

bool InflowCalc::InputTmbrTerms(InflowInputs &in) {
    Line("\\par\\b Условия:\\b0\\par ");
    TmbrVariant = in.isChecked(ctl::rbTmbrVar2) ? 2 : in.isChecked(ctl::rbTmbrVar3) ? 3 : 1;
    // the window sets the calculation's condition from the same buttons
    TmbrTerms = TmbrVariant;
    static constexpr std::string_view kTexts[] = {"Открытая дверь, приток без подогрева",
                                                  "Закрытые двери, приток без подогрева",
                                                  "Закрытые двери, приток с подогревом"};
    Line("    " + std::string(kTexts[TmbrVariant - 1]) + ".\\par ");
    return true;
}

bool InflowCalc::InputTmbrAir(InflowInputs &in) {
    Line(RtfGroupHeading("Параметры воздуха"));
    OutsideAirTemp = ReadRealControl(in, ctl::EditTmbrOutsideAirTemp);
    Put(*this, "    Температура наружного воздуха:    \\b t\\sub a\\nosupersub  = ",
        FormatFixed2(OutsideAirTemp), " °C");
    InsideAirTemp = ReadRealControl(in, ctl::EditTmbrInsideAirTemp);
    Put(*this, "    Температура воздуха во внутренних помещениях:    \\b t\\sub r\\nosupersub  = ",
        FormatFixed2(InsideAirTemp), " °C");
    TmbrHeatAirTemp = ReadRealControl(in, ctl::EditTmbrHeatAirTemp);
    Put(*this, "    Температура тёплого притока:    \\b t\\sub sf\\nosupersub  = ",
        FormatFixed2(TmbrHeatAirTemp), " °C");
    TmbrShaftDoorArea = std::max(0.0, ReadRealControl(in, ctl::EditTmbrShaftDoorArea));
    LiftShaftAirTemp = (OutsideAirTemp + InsideAirTemp) / 2;
    if (TmbrShaftDoorArea > 0)
        Put(*this, "    Температура воздуха в лифтовой шахте:    \\b t\\sub sl\\nosupersub  = ",
            FormatFixed2(LiftShaftAirTemp), " °C");
    WindSpeed = ReadRealControl(in, ctl::EditTmbrWindSpeed);
    Put(*this, "    Скорость ветра:    \\b v\\sub a\\nosupersub  = ", FormatFixed2(WindSpeed),
        kMPerS);
    Line(RtfGroupHeading("Коэффициенты ветрового напора"));
    KoefWW = ReadRealControl(in, ctl::EditTmbrKoefWW);
    Put(*this, "    Наветренная сторона:    \\b K\\sub WW\\nosupersub  = ", FormatFixed2(KoefWW));
    KoefW0 = ReadRealControl(in, ctl::EditTmbrKoefW0);
    Put(*this, "    Заветренная сторона:    \\b K\\sub W0\\nosupersub  = ", FormatFixed2(KoefW0));

    Line(RtfGroupHeading("Характеристики здания"));
    int og = 0;
    if (!ReadCountInput(*this, in, ctl::EditTmbrOGFloorQty, kMaxFloorQty, kFloorQtyLimitMessage, og))
        return false;
    OGFloorQty = og;
    Put(*this, "    Число надземных этажей:    \\b N\\sub НЭ\\nosupersub  = ", IntText(OGFloorQty));
    int ug = 0;
    if (!ReadCountInput(*this, in, ctl::EditTmbrUGFloorQty, kMaxFloorQty, kFloorQtyLimitMessage, ug))
        return false;
    UGFloorQty = ug;
    Put(*this, "    Число подземных этажей:    \\b N\\sub ПЭ\\nosupersub  = ", IntText(UGFloorQty));
    SecondFloorLevel = ReadRealControl(in, ctl::EditTmbrSecondFloorLevel);
    Put(*this,
        "    Отметка уровня второго этажа (от пола 1-го до пола 2-го):    \\b h\\sub "
        "(2)\\nosupersub  = ",
        FormatFixed2(SecondFloorLevel), kM);
    OGFloorHeight = ReadRealControl(in, ctl::EditTmbrOGFloorHeight);
    Put(*this,
        "    Высота вышележащих этажей (от пола до пола):    \\b \\u0916?h\\sub НЭ\\nosupersub "
        " = ",
        FormatFixed2(OGFloorHeight), kM);
    UGFloorHeight = std::fabs(ReadRealControl(in, ctl::EditTmbrUGFloorHeight));
    Put(*this,
        "    Высота подземных этажей (от пола до пола):    \\b \\u0916?h\\sub ПЭ\\nosupersub  "
        "= ",
        FormatFixed2(UGFloorHeight), kM);
    return true;
}

bool InflowCalc::InputTmbrRoomSupply(InflowInputs &in) {
    Line(RtfGroupHeading("Защищаемое помещение"));
    TmbrDoorQty = ReadIntInput(in, ctl::EditTmbrDoorQty);
    Put(*this, "    Количество дверей (без дверей смежных ЛШ):    \\b n\\sub d\\nosupersub  = ",
        IntText(TmbrDoorQty));
    TmbrDoorArea = ReadRealControl(in, ctl::EditTmbrDoorArea);
    Put(*this,
        "    Площадь каждой двери:    \\b F\\sub d\\nosupersub  = ", FormatFixed2(TmbrDoorArea),
        kM2);
    TmbrDoorHeight = ReadRealControl(in, ctl::EditTmbrDoorHeight);
    Put(*this,
        "    Высота каждой двери:    \\b h\\sub d\\nosupersub  = ", FormatFixed2(TmbrDoorHeight),
        kM);
    // reported for the record; the open door's flow is sized by the air velocity instead
    TmbrDoorMu = ReadRealControl(in, ctl::EditTmbrDoorMu);
    Put(*this,
        "    Коэффициент расхода открытой двери:    \\b \\u0956? = ", FormatFixed2(TmbrDoorMu));
    TmbrDoorAirSpeed = ReadRealControl(in, ctl::EditTmbrDoorAirSpeed);
    Put(*this, "    Скорость воздуха в открытом проёме двери:    \\b v\\sub d\\nosupersub  = ",
        FormatFixed2(TmbrDoorAirSpeed), kMPerS);
    TmbrDoorSpecResist = ReadRealControl(in, ctl::EditTmbrDoorSpecResist);
    if (!IsZeroReal(TmbrDoorSpecResist))
        Put(*this,
            "    Характеристика удельного сопротивления воздухопроницанию дверей:    \\b "
            "S\\sub dr\\nosupersub  = ",
            FormatFixed2(TmbrDoorSpecResist), kM3PerKg);
    TmbrPplus = ReadRealControl(in, ctl::EditTmbrPplus);
    if (!(TmbrPplus >= 20)) {
        TmbrPplus = 20;
        in.setText(ctl::EditTmbrPplus, FormatGeneral(TmbrPplus));
        Warn("Избыточное давление изменено на 20 Па.\r    P⁺ ≥ 20", ctl::EditTmbrPplus);
    }
    Put(*this,
        "    Избыточное давление:    \\b P\\super +\\nosupersub  = ", FormatFixed2(TmbrPplus), kPa);

    Line(RtfGroupHeading("Приточное устройство с клапаном"));
    TmbrValveArea = ReadRealControl(in, ctl::EditTmbrValveArea);
    Put(*this,
        "    Номинальное сечение:    \\b F\\sub кл\\nosupersub  = ", FormatFixed2(TmbrValveArea),
        kM2);
    TmbrValveXi = ReadRealControl(in, ctl::EditTmbrValveXi);
    Put(*this,
        "    КМС открытого клапана с приточным устройством:    \\b \\u0958?\\sub "
        "кл\\nosupersub  = ",
        FormatFixed2(TmbrValveXi));
    TmbrValveSpecResist = ReadRealControl(in, ctl::EditTmbrValveSpecResist);
    Put(*this,
        "    Характеристика удельного сопротивления газопроницанию закрытого клапана:    "
        "\\b S\\sub кл\\nosupersub  = ",
        FormatFixed2(TmbrValveSpecResist), kM3PerKg);
    TmbrValve1H = ReadRealControl(in, ctl::EditTmbrValve1H);
    Put(*this, "    Высота клапана 1-го этажа:    \\b h\\sub кл(1)\\nosupersub  = ",
        FormatFixed2(TmbrValve1H), kM);

    TmbrShaftDoorArea = std::max(0.0, ReadRealControl(in, ctl::EditTmbrShaftDoorArea));
    TmbrShaftDoorSpecResist = std::max(0.0, ReadRealControl(in, ctl::EditTmbrShaftDoorSpecResist));
    if (TmbrShaftDoorArea > 0) {
        Line(RtfGroupHeading("Смежная ЛШ"));
        Put(*this,
            "    Общая площадь дверей смежной ЛШ:    \\b m\\u8729?F\\sub dsl\\nosupersub  = ",
            FormatFixed2(TmbrShaftDoorArea), kM2);
        if (TmbrShaftDoorSpecResist != 0)
            Put(*this,
                "    Характеристика удельного сопротивления воздухопроницанию дверей ЛШ:    "
                "\\b S\\sub dsl\\nosupersub  = ",
                FormatFixed2(TmbrShaftDoorSpecResist), kM3PerKg);
    }

    Line(RtfGroupHeading("Вертикальный приточный канал"));
    VPipeSizeA = ReadRealControl(in, ctl::EditTmbrSizeA);
    VPipeSizeB = ReadRealControl(in, ctl::EditTmbrSizeB);
    VPipeIsRect = in.isChecked(ctl::rbTmbrRectVPipe);
    if (VPipeIsRect)
        Put(*this, "    Прямоугольного сечения:    \\b AxB = ",
            FormatRoundedInt(VPipeSizeA) + "x" + FormatRoundedInt(VPipeSizeB), " мм");
    else
        Put(*this, "    Круглого сечения:    \\b диаметр = ", FormatRoundedInt(VPipeSizeA), " мм");
    VPipeEpsilon = ReadRealControl(in, ctl::EditTmbrVPipeEpsilon);
    Put(*this, "    Абсолютная эквивалентная шероховатость:    \\b \\u0949? = ",
        FormatFixed2(VPipeEpsilon), " мм");
    VPipeProof = ReadRealControl(in, ctl::EditTmbrVPipeProof);
    Put(*this, "    Герметичность:    \\b a = ", FormatFixed4(VPipeProof));
    VPipeHTop = ReadRealControl(in, ctl::EditTmbrVPipeHTop);
    Put(*this, "    Высота верхнего участка:    \\b \\u0916?h\\sub клапан-оголовок\\nosupersub  = ",
        FormatFixed2(VPipeHTop), kM);

    Line("\\par\\b Участок приточной сети от воздухозаборного устройства до оголовка "
         "вертикального канала\\b0\\par ");
    TmbrH0 = ReadRealControl(in, ctl::EditTmbrH0);
    Put(*this,
        "    Разность уровней воздухоприёмного устройства и оголовка канала:    \\b h\\sub "
        "ВПУ\\nosupersub  - h\\sub 0s\\nosupersub  = ",
        FormatFixed2(TmbrH0), kM);
    APipeLen = ReadRealControl(in, ctl::EditTmbrAPipeLen);
    Put(*this, "    Длина воздуховодов:    \\b l\\sub вв\\nosupersub  = ", FormatFixed2(APipeLen),
        kM);
    APipeSizeA = ReadRealControl(in, ctl::EditTmbrAPipeDiam);
    Put(*this,
        "    Диаметр воздуховодов:    \\b D\\sub вв\\nosupersub  = ", FormatRoundedInt(APipeSizeA),
        " мм");
    APipeXi = ReadRealControl(in, ctl::EditTmbrAPipeXi);
    Put(*this,
        "    Сумма КМС на участке:    \\b \\u0958?\\sub вв\\nosupersub  = ", FormatFixed2(APipeXi));
    return true;
}

void InflowCalc::RunCalcTambour() {
    TmbrFloors.clear();
    TTambourValues v;
    v.variant = (TmbrTerms == 2 || TmbrTerms == 3) ? TmbrTerms : 1;
    const int variant = v.variant;
    const double g = kG;
    v.ta = OutsideAirTemp;
    const double tsf = TmbrHeatAirTemp;

    // 1.-2. Densities and wind.
    v.rhoA = AirDensity(v.ta);
    v.rhoR = AirDensity(InsideAirTemp);
    v.rhoAh = AirDensity(tsf);
    v.rhoSl = AirDensity(LiftShaftAirTemp);
    const double rhoSf = variant == 3 ? v.rhoAh : v.rhoA;
    OutsideAirDensity = v.rhoA;
    InsideAirDensity = v.rhoR;
    const double va2 = WindSpeed * WindSpeed;
    v.Pw = 0.5 * (KoefWW + KoefW0) * v.rhoA * va2;
    v.Pw0 = 0.5 * KoefW0 * v.rhoA * va2;

    // 3. Door resistances left empty.
    v.sdrComputed = IsZeroReal(TmbrDoorSpecResist);
    if (v.sdrComputed)
        TmbrDoorSpecResist = rhoSf == 0 ? 0 : 5300 / rhoSf;
    v.sdslComputed = TmbrShaftDoorSpecResist == 0;
    if (v.sdslComputed)
        TmbrShaftDoorSpecResist = rhoSf == 0 ? 0 : 2600 / rhoSf;

    // 4. Channel section.
    const DuctSectionResult channel = DuctSection(VPipeIsRect, VPipeSizeA, VPipeSizeB);

    // 5.-8. The protected room and its open valve.
    v.mFdsl = TmbrShaftDoorArea;
    const double Pplus = TmbrPplus;
    const double dRho = v.mFdsl > 0 ? v.rhoA - v.rhoR : v.rhoSl - rhoSf;
    v.Psf = Pplus - 0.5 * TmbrDoorHeight * g * dRho;
    TmbrRoomPressure = v.Psf;
    v.Gsf = 0;
    if (variant == 1)
        v.Gsf = TmbrDoorAirSpeed * v.rhoA * TmbrDoorArea;
    else
        v.Gsf = TmbrDoorQty * TmbrDoorArea * DoorRoot(Pplus, TmbrDoorSpecResist) +
                v.mFdsl * DoorRoot(Pplus, TmbrShaftDoorSpecResist);
    MassAirExps = v.Gsf;
    v.Lsf = v.rhoA == 0 ? 0 : 3600 * v.Gsf / v.rhoA;
    v.vValve = (rhoSf == 0 || TmbrValveArea == 0) ? 0 : v.Gsf / rhoSf / TmbrValveArea;
    v.dPValve = 0.5 * TmbrValveXi * rhoSf * v.vValve * v.vValve;

    // 9. Kinematic viscosity, mm2/s.
    const double tNu = variant == 3 ? std::max(tsf, v.ta) : v.ta;
    const double nu = TmbrAirViscosity(tNu);

    // 10.-11. Wall leakage and the floor pass.
    const double perimeter = VPipeIsRect ? 2 * (VPipeSizeA / 1000 + VPipeSizeB / 1000)
                                         : std::numbers::pi * VPipeSizeA / 1000;
    const double aPrime = VPipeProof * rhoSf / 3600;
    TTmbrPassArgs pass;
    pass.OGCount = std::max(OGFloorQty, 1);
    pass.UGCount = UGFloorQty;
    pass.Total = pass.OGCount + pass.UGCount;
    pass.h2 = SecondFloorLevel;
    pass.dhNE = OGFloorHeight;
    pass.dhPE = UGFloorHeight;
    pass.hd = TmbrDoorHeight;
    pass.RhoR = v.rhoR;
    pass.RhoSF = rhoSf;
    pass.Pplus = Pplus;
    pass.Eps = VPipeEpsilon;
    pass.Nu = nu;
    pass.DeM = channel.De / 1000;
    pass.Perimeter = perimeter;
    pass.F = channel.F;
    pass.APrime = aPrime;
    pass.Fvlv = TmbrValveArea;
    pass.Svlv = TmbrValveSpecResist;
    pass.hvlv1 = TmbrValve1H;
    pass.dPvlv = v.dPValve;
    pass.Gsf = v.Gsf;
    pass.Psf = v.Psf;
    TmbrFloors = CalcTmbrFloors(pass);
    const TTmbrPressForFloors &floors = TmbrFloors;

    // 12. Head of the channel above the top valve.
    v.Gs = floors.empty() ? 0 : floors.front().Gsh;
    v.vTop = floors.empty() ? 0 : floors.front().vsh;
    const double DeM = channel.De / 1000;
    const double fTop = ColebrookLambda(0.1, channel.De, Reynolds(v.vTop, DeM, nu), 0, 0);
    const double lambdaTop = IsZeroReal(DeM) ? 0 : fTop * VPipeHTop / DeM;
    v.dPTop = 0.5 * lambdaTop * v.rhoA * v.vTop * v.vTop;

    // 13.-14. Channel height and the intake duct.
    v.hN = 0;
    for (const TTmbrPressForFloor &f : floors)
        v.hN += f.dhvlv;
    const double Dvv = APipeSizeA;
    const double Fvv = std::numbers::pi * std::pow(Dvv / 2000, 2);
    v.vvv = (v.rhoA == 0 || Fvv == 0) ? 0 : v.Gs / v.rhoA / Fvv;
    const double Dm = Dvv / 1000;
    double zeta = 0;
    if (Dm != 0) {
        const double f = ColebrookLambda(0.1, Dvv, Reynolds(v.vvv, Dm, nu), 0.1, 100);
        zeta = f * APipeLen / Dm + APipeXi;
    }
    v.dPvv = 0.5 * zeta * v.rhoA * v.vvv * v.vvv;
    APipeArea = Fvv;
    APipeSpeed = v.vvv;
    APipeLoss = v.dPvv;

    // 15.-18. Head pressure, fan, heater. The channel's own stack g·hN·(ρa − ρsf) enters the
    // fan pressure once, through PN; the intake duct adds the stack of its height h0s.
    v.PN = v.hN * g * (v.rhoA - rhoSf) - v.Pw0;
    VolumeAirExps = v.rhoA == 0 ? 0 : 3600 * v.Gs / v.rhoA;
    FanPress = (IsZeroReal(v.rhoA) || floors.empty())
                   ? 0
                   : kNormalAirDensity *
                         (floors.front().Psh + v.PN + TmbrH0 * g * (v.rhoA - rhoSf) + v.dPvv +
                          v.dPTop) /
                         v.rhoA;
    const double dt = std::max(tsf - v.ta, 0.0);
    v.Q = v.rhoA * VolumeAirExps / 3600 * dt;
    v.channelF = channel.F;
    v.channelDe = channel.De;
    WriteTambourReport(*this, v);
}

TTmbrPressForFloors InflowCalc::CalcTmbrFloors(const TTmbrPassArgs &a) {
    // Counts beyond the run's limits never reach here; the clamp keeps the pass bounded anyway.
    const int count = std::min(a.Total, 2 * kMaxFloorQty + 1);
    if (count <= 0)
        return {};
    TTmbrPressForFloors result(static_cast<size_t>(count));
    const double g = kG;
    const int U = std::max(a.UGCount, 0);
    const double hBottom = -a.dhPE * U;
    const double DeMm = a.DeM * 1000;
    auto flowSpeed = [&a](double G) { return (a.RhoSF == 0 || a.F == 0) ? 0 : G / a.RhoSF / a.F; };

    // The lowest floor is the design floor: its valve is open.
    int n = U == 0 ? 1 : -U;
    double dhfloor = FloorStep(n, a.h2, a.dhNE, a.dhPE);
    double dhvlv = ValveStep(n, a.h2, a.dhNE, a.dhPE);
    double hfloor = hBottom;
    double hvlv = hfloor + dhfloor + a.hvlv1 - a.h2;
    double Psh = a.Psf + a.dPvlv;
    double dGsh = SignedPow065(a.dPvlv) * dhvlv * a.Perimeter * a.APrime;
    double Gsh = a.Gsf + dGsh;
    double vsh = flowSpeed(a.Gsf);
    double dGvlv = 0;
    double D = a.dPvlv;
    auto store = [&](int index) {
        result[static_cast<size_t>(index)] = {n,   dhfloor, dhvlv, hfloor, hvlv, Psh,
                                              Gsh, vsh,     D,     dGsh,   dGvlv};
    };
    store(count - 1);

    for (int index = count - 2; index >= 0; --index) {
        n = n == -1 ? 1 : n + 1;
        hfloor += dhfloor;
        hvlv += dhvlv;
        dhfloor = FloorStep(n, a.h2, a.dhNE, a.dhPE);
        dhvlv = ValveStep(n, a.h2, a.dhNE, a.dhPE);
        // closed valve and channel walls leak with the pressure difference left at the floor below
        dGsh = std::pow(std::fabs(D), 0.65) * dhvlv * a.Perimeter * a.APrime;
        dGvlv = a.Fvlv * (a.Svlv == 0 ? 0 : std::sqrt(std::fabs(D / a.Svlv)));
        if (D < 0) {
            dGsh = -dGsh;
            dGvlv = -dGvlv;
        }
        Gsh += dGsh + dGvlv;
        vsh = flowSpeed(Gsh);
        const double lambda =
            ColebrookLambda(a.Eps, DeMm, Reynolds(vsh, a.DeM, a.Nu), 0.00001, 1000);
        if (a.DeM != 0)
            Psh += 0.5 * lambda * dhvlv / a.DeM * a.RhoSF * vsh * vsh;
        D = Psh + (hvlv - hBottom) * g * (a.RhoSF - a.RhoR);
        store(index);
    }
    return result;
}

} // namespace orvane::inflow
