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
#include "inflow/input_read.h"
#include "inflow/tambour_air.h"

namespace orvane::inflow {

namespace {

std::string Int(int v) {
    return std::to_string(v);
}

// One report line: text, value, unit, then the end of the bold value and the paragraph.
void Put(InflowCalc &c, std::string_view text, const std::string &value,
         std::string_view unit = {}) {
    c.ValueLine(text, value, unit);
}

constexpr std::string_view kM = " м";
constexpr std::string_view kM2 = " м\\super 2\\nosupersub ";
constexpr std::string_view kM3PerKg = " м\\super 3\\nosupersub /кг";
constexpr std::string_view kPa = " Па";
constexpr std::string_view kKgPerS = " кг/с";
constexpr std::string_view kMPerS = " м/с";
constexpr std::string_view kKgPerM3 = " кг/м\\super 3\\nosupersub ";

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
    Line("\\par\\b Параметры воздуха\\b0\\par ");
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
    Line("\\par\\b Коэффициенты ветрового напора\\b0\\par ");
    KoefWW = ReadRealControl(in, ctl::EditTmbrKoefWW);
    Put(*this, "    Наветренная сторона:    \\b K\\sub WW\\nosupersub  = ", FormatFixed2(KoefWW));
    KoefW0 = ReadRealControl(in, ctl::EditTmbrKoefW0);
    Put(*this, "    Заветренная сторона:    \\b K\\sub W0\\nosupersub  = ", FormatFixed2(KoefW0));

    Line("\\par\\b Характеристики здания\\b0\\par ");
    int og = 0;
    if (!ReadCountInput(*this, in, ctl::EditTmbrOGFloorQty, kMaxFloorQty, kFloorQtyLimitMessage, og))
        return false;
    OGFloorQty = og;
    Put(*this, "    Число надземных этажей:    \\b N\\sub НЭ\\nosupersub  = ", Int(OGFloorQty));
    int ug = 0;
    if (!ReadCountInput(*this, in, ctl::EditTmbrUGFloorQty, kMaxFloorQty, kFloorQtyLimitMessage, ug))
        return false;
    UGFloorQty = ug;
    Put(*this, "    Число подземных этажей:    \\b N\\sub ПЭ\\nosupersub  = ", Int(UGFloorQty));
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
    Line("\\par\\b Защищаемое помещение\\b0\\par ");
    TmbrDoorQty = ReadIntInput(in, ctl::EditTmbrDoorQty);
    Put(*this, "    Количество дверей (без дверей смежных ЛШ):    \\b n\\sub d\\nosupersub  = ",
        Int(TmbrDoorQty));
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

    Line("\\par\\b Приточное устройство с клапаном\\b0\\par ");
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
        Line("\\par\\b Смежная ЛШ\\b0\\par ");
        Put(*this,
            "    Общая площадь дверей смежной ЛШ:    \\b m\\u8729?F\\sub dsl\\nosupersub  = ",
            FormatFixed2(TmbrShaftDoorArea), kM2);
        if (TmbrShaftDoorSpecResist != 0)
            Put(*this,
                "    Характеристика удельного сопротивления воздухопроницанию дверей ЛШ:    "
                "\\b S\\sub dsl\\nosupersub  = ",
                FormatFixed2(TmbrShaftDoorSpecResist), kM3PerKg);
    }

    Line("\\par\\b Вертикальный приточный канал\\b0\\par ");
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
    const int variant = (TmbrTerms == 2 || TmbrTerms == 3) ? TmbrTerms : 1;
    const double g = kG;
    const double ta = OutsideAirTemp;
    const double tsf = TmbrHeatAirTemp;

    // 1.-2. Densities and wind.
    const double rhoA = AirDensity(ta);
    const double rhoR = AirDensity(InsideAirTemp);
    const double rhoAh = AirDensity(tsf);
    const double rhoSl = AirDensity(LiftShaftAirTemp);
    const double rhoSf = variant == 3 ? rhoAh : rhoA;
    OutsideAirDensity = rhoA;
    InsideAirDensity = rhoR;
    const double va2 = WindSpeed * WindSpeed;
    const double Pw = 0.5 * (KoefWW + KoefW0) * rhoA * va2;
    const double Pw0 = 0.5 * KoefW0 * rhoA * va2;

    // 3. Door resistances left empty.
    const bool sdrComputed = IsZeroReal(TmbrDoorSpecResist);
    if (sdrComputed)
        TmbrDoorSpecResist = rhoSf == 0 ? 0 : 5300 / rhoSf;
    const bool sdslComputed = TmbrShaftDoorSpecResist == 0;
    if (sdslComputed)
        TmbrShaftDoorSpecResist = rhoSf == 0 ? 0 : 2600 / rhoSf;

    // 4. Channel section.
    const DuctSectionResult channel = DuctSection(VPipeIsRect, VPipeSizeA, VPipeSizeB);

    // 5.-8. The protected room and its open valve.
    const double mFdsl = TmbrShaftDoorArea;
    const double Pplus = TmbrPplus;
    const double dRho = mFdsl > 0 ? rhoA - rhoR : rhoSl - rhoSf;
    const double Psf = Pplus - 0.5 * TmbrDoorHeight * g * dRho;
    double Gsf = 0;
    if (variant == 1)
        Gsf = TmbrDoorAirSpeed * rhoA * TmbrDoorArea;
    else
        Gsf = TmbrDoorQty * TmbrDoorArea * DoorRoot(Pplus, TmbrDoorSpecResist) +
              mFdsl * DoorRoot(Pplus, TmbrShaftDoorSpecResist);
    MassAirExps = Gsf;
    const double Lsf = rhoA == 0 ? 0 : 3600 * Gsf / rhoA;
    const double vValve = (rhoSf == 0 || TmbrValveArea == 0) ? 0 : Gsf / rhoSf / TmbrValveArea;
    const double dPValve = 0.5 * TmbrValveXi * rhoSf * vValve * vValve;

    // 9. Kinematic viscosity, mm2/s.
    const double tNu = variant == 3 ? std::max(tsf, ta) : ta;
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
    pass.RhoR = rhoR;
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
    pass.dPvlv = dPValve;
    pass.Gsf = Gsf;
    pass.Psf = Psf;
    TmbrFloors = CalcTmbrFloors(pass);
    const TTmbrPressForFloors &floors = TmbrFloors;

    // 12. Head of the channel above the top valve.
    const double Gs = floors.empty() ? 0 : floors.front().Gsh;
    const double vTop = floors.empty() ? 0 : floors.front().vsh;
    const double DeM = channel.De / 1000;
    const double fTop = ColebrookLambda(0.1, channel.De, Reynolds(vTop, DeM, nu), 0, 0);
    const double lambdaTop = IsZeroReal(DeM) ? 0 : fTop * VPipeHTop / DeM;
    const double dPTop = 0.5 * lambdaTop * rhoA * vTop * vTop;

    // 13.-14. Channel height and the intake duct.
    double hN = 0;
    for (const TTmbrPressForFloor &f : floors)
        hN += f.dhvlv;
    const double Dvv = APipeSizeA;
    const double Fvv = std::numbers::pi * std::pow(Dvv / 2000, 2);
    const double vvv = (rhoA == 0 || Fvv == 0) ? 0 : Gs / rhoA / Fvv;
    const double Dm = Dvv / 1000;
    double zeta = 0;
    if (Dm != 0) {
        const double f = ColebrookLambda(0.1, Dvv, Reynolds(vvv, Dm, nu), 0.1, 100);
        zeta = f * APipeLen / Dm + APipeXi;
    }
    const double dPvv = 0.5 * zeta * rhoA * vvv * vvv;
    APipeArea = Fvv;
    APipeSpeed = vvv;
    APipeLoss = dPvv;

    // 15.-18. Head pressure, fan, heater.
    const double PN = hN * g * (rhoA - rhoSf) - Pw0;
    VolumeAirExps = rhoA == 0 ? 0 : 3600 * Gs / rhoA;
    FanPress =
        (IsZeroReal(rhoA) || floors.empty())
            ? 0
            : kNormalAirDensity *
                  (floors.front().Psh + dPvv + (hN + TmbrH0) * g * (rhoA - rhoSf) + PN + dPTop) /
                  rhoA;
    const double dt = std::max(tsf - ta, 0.0);
    const double Q = rhoA * VolumeAirExps / 3600 * dt;

    // Report.
    Line("\\par\\b T\\sub a\\nosupersub\\b0  = t\\sub a\\nosupersub  + 273,15 = \\b " +
         FormatFixed2(ta + kCelsiusZero) + " K\\b0 ");
    Line("\\par\\b T\\sub r\\nosupersub\\b0  = t\\sub r\\nosupersub  + 273,15 = \\b " +
         FormatFixed2(InsideAirTemp + kCelsiusZero) + " K\\b0 \\par ");
    Put(*this,
        "\\par Плотность наружного воздуха\\par\\b \\u0961?\\sub a\\nosupersub\\b0  = 353 / "
        "T\\sub a\\nosupersub  = \\b ",
        FormatFixed2(rhoA), kKgPerM3);
    if (variant != 3)
        Put(*this,
            "\\par Плотность воздуха во внутренних помещениях\\par\\b \\u0961?\\sub "
            "r\\nosupersub\\b0  = 353 / T\\sub r\\nosupersub  = \\b ",
            FormatFixed2(rhoR), kKgPerM3);
    Put(*this,
        "\\par Плотность тёплого притока\\par\\b \\u0961?\\sub ah\\nosupersub\\b0  = 353 / "
        "T\\sub sf\\nosupersub  = \\b ",
        FormatFixed2(rhoAh), kKgPerM3);
    if (mFdsl > 0)
        Put(*this,
            "\\par Плотность воздуха в лифтовой шахте\\par\\b \\u0961?\\sub "
            "sl\\nosupersub\\b0  = 353 / T\\sub sl\\nosupersub  = \\b ",
            FormatFixed2(rhoSl), kKgPerM3);
    Put(*this,
        "\\par Ветровое давление внутри здания\\par\\b P\\sub w\\nosupersub\\b0  = "
        "0,5\\u8729?(K\\sub WW\\nosupersub  + K\\sub W0\\nosupersub )\\u8729?\\u0961?\\sub "
        "a\\nosupersub \\u8729?v\\sub a\\nosupersub\\super 2\\nosupersub  = \\b ",
        FormatFixed2(Pw), kPa);
    Put(*this,
        "\\par Давление на заветренном фасаде\\par\\b P\\sub w0\\nosupersub\\b0  = "
        "0,5\\u8729?K\\sub W0\\nosupersub \\u8729?\\u0961?\\sub a\\nosupersub \\u8729?v\\sub "
        "a\\nosupersub\\super 2\\nosupersub  = \\b ",
        FormatFixed2(Pw0), kPa);
    if (sdrComputed)
        Put(*this,
            "\\par Характеристика удельного сопротивления воздухопроницанию дверей\\par\\b "
            "S\\sub dsf\\nosupersub\\b0  = 5300 / \\u0961? = \\b ",
            FormatFixed2(TmbrDoorSpecResist), kM3PerKg);
    if (sdslComputed)
        Put(*this,
            "\\par Характеристика удельного сопротивления воздухопроницанию дверей "
            "ЛШ\\par\\b S\\sub dsl\\nosupersub\\b0  = 2600 / \\u0961? = \\b ",
            FormatFixed2(TmbrShaftDoorSpecResist), kM3PerKg);
    Put(*this,
        "\\par Площадь сечения вертикального приточного канала\\par\\b F\\sub "
        "ш\\nosupersub\\b0  = \\b ",
        FormatFixed2(channel.F), kM2);
    Put(*this,
        "\\par Эквивалентный диаметр вертикального приточного канала\\par\\b D\\sub "
        "Э\\nosupersub\\b0  = \\b ",
        FormatRoundedInt(channel.De), " мм");
    Put(*this,
        "\\par Необходимое давление в защищаемом помещении\\par\\b P\\sub "
        "sf\\nosupersub\\b0  = \\b ",
        FormatFixed2(Psf), kPa);
    if (variant == 1)
        Put(*this,
            "\\par Массовый расход воздуха\\par\\b G\\sub sf\\nosupersub\\b0  = v\\sub "
            "d\\nosupersub \\u8729?\\u0961?\\sub sf\\nosupersub \\u8729?F\\sub d\\nosupersub  "
            "= \\b ",
            FormatFixed2(Gsf), kKgPerS);
    else if (mFdsl > 0)
        Put(*this,
            "\\par Массовый расход воздуха\\par\\b G\\sub sf\\nosupersub\\b0  = "
            "n\\u8729?F\\sub dsf\\nosupersub \\u8729?(P\\super +\\nosupersub /S\\sub "
            "dsf\\nosupersub )\\super 1/2\\nosupersub + m\\u8729?F\\sub dsl\\nosupersub "
            "\\u8729?(P\\super +\\nosupersub /S\\sub dsl\\nosupersub )\\super "
            "1/2\\nosupersub = \\b ",
            FormatFixed2(Gsf), kKgPerS);
    else
        Put(*this,
            "\\par Массовый расход воздуха\\par\\b G\\sub sf\\nosupersub\\b0  = "
            "n\\u8729?F\\sub dsf\\nosupersub \\u8729?(P\\super +\\nosupersub /S\\sub "
            "dsf\\nosupersub )\\super 1/2\\nosupersub  = \\b ",
            FormatFixed2(Gsf), kKgPerS);
    Put(*this,
        "\\par Объёмный расход воздуха\\par\\b L\\sub sf\\nosupersub\\b0  = 3600\\u8729?G\\sub "
        "sf\\nosupersub /\\u0961?\\sub sf\\nosupersub  = 3600 \\u8729? " +
            FormatFixed2(Gsf) + " / " + FormatFixed2(rhoA) + " = \\b ",
        FormatRoundedInt(Lsf), " м\\super 3\\nosupersub /ч");
    Put(*this,
        "\\par Скорость в открытом клапане\\par\\b v\\sub кл\\nosupersub\\b0  = G\\sub "
        "sf\\nosupersub /\\u0961?\\sub sf\\nosupersub /F\\sub кл\\nosupersub  = \\b ",
        FormatFixed2(vValve), kMPerS);
    Put(*this,
        "\\par Потери давления в открытом клапане с приточным устройством\\par\\b "
        "\\u0916?P\\sub кл\\nosupersub\\b0  = \\u0958?\\sub кл\\nosupersub "
        "\\u8729?\\u0961?\\sub sf\\nosupersub \\u8729?v\\sub кл\\nosupersub\\super "
        "2\\nosupersub  / 2 = \\b ",
        FormatFixed2(dPValve), kPa);
    Put(*this,
        "\\par Массовый расход в верхнем участке вертикального приточного канала\\par\\b "
        "G\\sub s\\nosupersub\\b0  = \\b ",
        FormatFixed2(Gs), kKgPerS);
    Put(*this,
        "\\par Скорость в верхнем участке вертикального приточного канала\\par\\b v\\sub "
        "ш\\nosupersub\\b0  = \\b ",
        FormatFixed2(vTop), kMPerS);
    Put(*this,
        "\\par Потери давления в верхнем участке приточного канала\\par\\b \\u0916?P\\sub "
        "top\\nosupersub\\b0  = (H\\sub top\\nosupersub  / D\\sub eHtop\\nosupersub "
        ")\\u8729?\\u0961?\\sub a\\nosupersub \\u8729?v\\sub ш\\nosupersub\\super "
        "2\\nosupersub  / 2 = \\b ",
        FormatFixed2(dPTop), kPa);
    Line("\\par\\b Участок приточной сети от воздухозаборного устройства до оголовка "
         "вертикального канала\\b0\\par ");
    Put(*this,
        "\\par Высота от нижнего клапана до оголовка вертикального канала\\par\\b h\\sub "
        "N\\nosupersub\\b0  = \\u0931?(\\u0916?h\\sub кл\\nosupersub ) = \\b ",
        FormatFixed2(hN), kM);
    Put(*this,
        "\\par Скорость воздуха\\par\\b v\\sub вв\\nosupersub\\b0  = G\\sub s\\nosupersub  / "
        "(\\u0961?\\sub a\\nosupersub \\u8729?\\u0960?\\u8729?(D\\sub вв\\nosupersub "
        "/2)\\super 2\\nosupersub ) = \\b ",
        FormatFixed2(vvv), kMPerS);
    Put(*this,
        "\\par Потери давления участка сети\\par\\b \\u0916?P\\sub вв\\nosupersub\\b0  = "
        "(\\u0955?\\u8729?l\\sub вв\\nosupersub /D\\sub Э\\nosupersub  + \\u0958?\\sub "
        "вв\\nosupersub )\\u8729?\\u0961?\\sub a\\nosupersub \\u8729?v\\sub "
        "вв\\nosupersub\\super 2\\nosupersub /2 = \\b ",
        FormatFixed2(dPvv), kPa);
    Put(*this,
        "\\par Давление на уровне оголовка вертикального канала\\par\\b P\\sub "
        "N\\nosupersub\\b0  = g\\u8729?h\\sub N\\nosupersub \\u8729?(\\u0961?\\sub "
        "a\\nosupersub  - \\u0961?\\sub sf\\nosupersub ) - P\\sub w0\\nosupersub  = \\b ",
        FormatFixed2(PN), kPa);
    Put(*this,
        "\\par\\b\\ul Объёмный расход вентилятора\\ul0\\par L\\sub V\\nosupersub\\b0  = "
        "3600\\u8729?G\\sub L\\nosupersub /\\u0961?\\sub a\\nosupersub  = \\b ",
        FormatRoundedInt(VolumeAirExps), " м\\super 3\\nosupersub /ч");
    Put(*this,
        "\\par\\b\\ul Статическое давление вентилятора, приведённое к нормальным "
        "условиям\\ul0\\par P\\sub sv\\nosupersub\\b0  = 1,2\\u8729?[P\\sub ШN\\nosupersub  + "
        "g\\u8729?h\\sub 0s\\nosupersub \\u8729?(\\u0961?\\sub a\\nosupersub  - \\u0961?\\sub "
        "sf\\nosupersub ) + g\\u8729?h\\sub N\\nosupersub \\u8729?(\\u0961?\\sub "
        "a\\nosupersub  - \\u0961?\\sub sf\\nosupersub ) + \\u0916?P\\sub вв\\nosupersub  + "
        "\\u0916?P\\sub top\\nosupersub ] / \\u0961?\\sub a\\nosupersub  = \\b ",
        FormatFixed2(FanPress), kPa);
    if (variant == 3)
        Put(*this,
            "\\par Мощность электронагревателя\\par\\b Q\\b0  = \\b \\u0961?\\sub "
            "sf\\nosupersub \\u8729?L\\sub v\\nosupersub \\u8729?c\\u8729?(t\\sub "
            "a\\nosupersub  - t\\sub sf\\nosupersub ) = \\b ",
            FormatFixed2(Q), " кВт");
    Line("\\par\\b Таблица 1. Давление и расходы воздуха по этажам\\b0\\par\\par ");

    TRTFTable table;
    table.reserve(floors.size() + 1);
    auto row = [](std::initializer_list<std::string> texts, bool bold) {
        TRTFTableRow r;
        r.reserve(texts.size());
        for (const std::string &t : texts) {
            TRTFTableCell c;
            c.Width = r.empty() ? 800 : 1100;
            c.Text = t;
            c.HJfy = TRTFHorJustify::horjCenter;
            c.Bold = bold;
            r.push_back(std::move(c));
        }
        return r;
    };
    table.push_back(
        row({"Этаж", "\\u0916?h\\sub э\\nosupersub , м", "\\u0916?h\\sub кл\\nosupersub , м",
             "h\\sub э\\nosupersub , м", "h\\sub кл\\nosupersub , м", "P\\sub ш\\nosupersub , Па",
             "G\\sub ш\\nosupersub , кг/с", "v\\sub ш\\nosupersub , м/с",
             "\\u0916?P\\sub кл\\nosupersub , Па", "\\u0916?G\\sub ш\\nosupersub , кг/с",
             "\\u0916?G\\sub кл\\nosupersub , кг/с"},
            true));
    for (const TTmbrPressForFloor &f : floors)
        table.push_back(row({Int(f.FloorNum), FormatFixed2(f.dhfloor), FormatFixed2(f.dhvlv),
                             FormatFixed2(f.hfloor), FormatFixed2(f.hvlv), FormatFixed2(f.Psh),
                             FormatFixed4(f.Gsh), FormatFixed2(f.vsh), FormatFixed2(f.dPvlv),
                             FormatFixed4(f.dGsh), FormatFixed4(f.dGvlv)},
                            false));
    RtfTable(Report.RTBody, table);
    RtfRaw(Report.RTBody, "\\par ");
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
