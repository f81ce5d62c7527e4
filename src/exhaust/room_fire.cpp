// Smoke exhaust from a burning hall or atrium, also with the fire under a gallery; the plume
// balances here serve the car park too.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/number_text.h"
#include "exhaust/exhaust_calc.h"
#include "report/rtf_symbols.h"

namespace orvane::exhaust {

using namespace rtf;

namespace {
constexpr double kTempLo = -100;
constexpr double kTempHi = 1500;
constexpr std::string_view kOutOfRangeLine = "\\par\\b\\ul Внимание: решение вне диапазона от -100 "
                                             "до 1500 К, результат недостоверен.\\ul0\\b0 ";
} // namespace

double ExhaustCalc::SmokeHeatCapacity(double T) {
    return 1.3615803 / std::pow(std::exp(7.0065648 - 0.0053034712 * T) + 1, 1 / 20.761095);
}

double ExhaustCalc::WallHeatTransferCoef(double T) {
    return 0.01163 * std::exp(0.0023 * (T - 273));
}

double ExhaustCalc::ConvectColumnTemp(double x) const {
    const double rq = HeatRadiationCoef * FireHeatPower;
    if (GasMassExps == 0)
        return RoomAirTemp + rq / SmokeHeatCapacity(x);
    return RoomAirTemp + rq / (SmokeHeatCapacity(x) * GasMassExps);
}

double ExhaustCalc::SmokeLayerTemp(double x) const {
    const double rq = HeatRadiationCoef * FireHeatPower;
    const double c = SmokeHeatCapacity(x);
    const double S = SmokeThickness * MaxSmokePerimeter + SmokeEquiArea;
    const double d = S * WallHeatTransferCoef(x);
    const bool flowing = SpecConvectHeat != 0 && GasMassExps != 0;
    if (d == 0) {
        // the limit d -> 0 of the balance: no wall losses; without a flow there is none, and
        // the run has stopped before (RoomSmokeLayerDefined) unless no heat is released
        if (flowing)
            return RoomAirTemp + rq / (SpecConvectHeat * GasMassExps);
        return RoomAirTemp;
    }
    if (flowing)
        return RoomAirTemp +
               (1 - std::exp(-d / (c * GasMassExps))) * c * rq / (SpecConvectHeat * d);
    return RoomAirTemp + c * rq / d;
}

bool ExhaustCalc::RoomSmokeLayerDefined(ControlName control) {
    const double S = SmokeThickness * MaxSmokePerimeter + SmokeEquiArea;
    const double rq = HeatRadiationCoef * FireHeatPower;
    if (S != 0 || GasMassExps != 0 || rq == 0)
        return true;
    const std::string text = CalcVariant == TCalcVariant::cvrntParking
                                 ? "Температура дымового слоя не может быть определена:\rпериметр, "
                                   "толщина и площадь дымового слоя равны 0.\rЗадайте периметр и "
                                   "площадь дымового слоя, высоту незадымляемой зоны."
                                 : "Температура дымового слоя не может быть определена:\rплощадь "
                                   "пола, периметр и толщина дымового слоя равны 0.\rЗадайте "
                                   "размеры помещения и высоту незадымляемой зоны.";
    std::string line = text;
    std::replace(line.begin(), line.end(), '\r', ' ');
    RtfText(Report.RTBody, "\\par\\par\\b ");
    RtfUserText(Report.RTBody, line);
    RtfText(Report.RTBody, "\\b0 ");
    Fail(text, control);
    return false;
}

double ExhaustCalc::BisectRoot(const std::function<double(double)> &F, double lo, double hi,
                               double tolX, double relTol, double tolF) {
    const double fLo = F(lo);
    double m = lo;
    double fm = fLo;
    // the half-width halves each pass, so the loop ends; the cap only guards a NaN bound
    for (int pass = 0; pass < 2000; ++pass) {
        m = (lo + hi) / 2;
        fm = F(m);
        if (hi - m <= tolX || hi - m <= std::fabs(m * relTol) || std::fabs(fm) <= tolF)
            break;
        if (fLo * fm > 0)
            lo = m;
        else
            hi = m;
    }
    ResultX = m;
    ResultFDelta = fm;
    return m;
}

void ExhaustCalc::CheckBisectBracket(const std::function<double(double)> &F) {
    if (F(kTempLo) * F(kTempHi) > 0) {
        RtfText(Report.RTBody, kOutOfRangeLine);
        if (!rangeWarned_) {
            rangeWarned_ = true;
            Warn(std::string(kTempRangeWarning));
        }
    }
}

void ExhaustCalc::ReportPlumeTemperatures(bool parking) {
    RtfStream &s = Report.RTBody;
    const auto column = [this](double x) { return ConvectColumnTemp(x) - x; };
    const auto layer = [this](double x) { return SmokeLayerTemp(x) - x; };

    RtfText(s, "\\par\\par\\b Температура воздуха в помещении");
    RtfText(s, "\\par T" + Sub("r") + "\\b0  = t" + Sub("r") + "  + 273 = \\b ");
    RtfText(s, F62(RoomAirTemp) + " К");

    RtfText(s, "\\par\\par\\b Удельная теплоемкость конвективной колонки");
    RtfText(s, "\\par C" + Sub("pk") + "\\b0  = " + Num("1.3615803") + " / (1 + exp(" +
                   Num("7.0065648") + " - ");
    RtfText(s, Num("0.0053034712") + kTimes + "T" + Sub("k") + " ))" +
                   Sup("1/" + Num("20.761095")) + "  = \\b ");
    RtfText(s, F64(SpecConvectHeat) + " кДж/(кг" + kDot + "K)");

    RtfText(s, "\\par\\par\\b Температура в конвективной колонке");
    RtfText(s, "\\par T" + Sub("k") + "\\b0  = T" + Sub("r") + "  + r" + kTimes + "Q" + Sub("f") +
                   "  / ");
    RtfText(s, "(C" + Sub("pk") + " " + kTimes + "G" + Sub("k") + " ) = \\b ");
    RtfText(s, FormatRoundedInt(ConvectTemp) + " К");
    CheckBisectBracket(column);

    RtfText(s, "\\par\\par\\b Удельная теплоемкость дымового слоя");
    RtfText(s, "\\par C" + Sub("psm") + "\\b0  = " + Num("1.3615803") + " / (1 + exp(" +
                   Num("7.0065648") + " - ");
    RtfText(s, Num("0.0053034712") + kTimes + "T" + Sub("sm") + " ))" +
                   Sup("1/" + Num("20.761095")) + "  = \\b ");
    RtfText(s, F64(SpecSmokeHeat) + " кДж/(кг" + kDot + "K)");

    RtfText(s, "\\par\\par\\b Коэффициент теплоотдачи дымового слоя в ограждающие конструкции");
    RtfText(s, "\\par " + kAlpha + "\\b0  = " + Num("0.01163") + kTimes + "exp(" + Num("0.0023") +
                   kTimes + "(T" + Sub("sm") + "  - 273)) = \\b ");
    RtfText(s, F64(HeatEmissionCoef) + " кВт/(м" + Sup("2") + " " + kDot + "K)");

    RtfText(s, "\\par\\par\\b Средняя температура дымового слоя в помещении");
    RtfText(s, "\\par T" + Sub("sm") + "\\b0  = T" + Sub("r") + "  + C" + Sub("psm") + " " +
                   kTimes + "r" + kTimes + "Q" + Sub("f") + "  / ");
    RtfText(s, "(C" + Sub("pk") + " " + kTimes + kAlpha + kTimes + "(H" + Sub("sm") + " " + kTimes +
                   "l" + Sub("sm") + "  + A" + Sub("sm") + " ))" + kTimes);
    RtfText(s, "(1 - exp(-" + kAlpha + kTimes + "(H" + Sub("sm") + " " + kTimes + "l" + Sub("sm") +
                   "  + A" + Sub("sm") + " ) / ");
    RtfText(s, "(C" + Sub("psm") + " " + kTimes + "G" + Sub("k") + " ))) = \\b ");
    RtfText(s, FormatRoundedInt(MeanSmokeTemp) + " К");
    CheckBisectBracket(layer);

    RtfText(s, "\\par\\par\\b Массовый расход продуктов горения, удаляемых из помещения");
    RtfText(s, "\\par G" + Sub("ПГ") + "\\b0  = G" + Sub("k") + "  = \\b ");
    RtfText(s, F62(GasMassExps) + " кг/с");

    RtfText(s, "\\par\\par\\b Средняя плотность продуктов горения, удаляемых из помещения");
    RtfText(s, "\\par " + kRho + Sub("ПГ") + "\\b0  = 353 / T" + Sub("sm") + "  = \\b ");
    RtfText(s, F62(MeanGasDensity) + " кг/м" + Sup("3") + " ");

    RtfText(s, "\\par\\par\\b Объемный расход продуктов горения, удаляемых из помещения");
    RtfText(s, std::string("\\par L" + Sub("ПГ") + "\\b0  = ") +
                   (parking ? "G" + Sub("k") + "  / " : "G" + Sub("ПГ") + "  / "));
    RtfText(s, kRho + Sub("ПГ") + " " + kTimes + "3600 = \\b ");
    RtfText(s, FormatRoundedInt(GasVolumeExps) + " м" + Sup("3") + " /ч");
}

// Both temperature balances and what follows from them; G_k, Q_f, r, l_sm, A_sm are set.
void ExhaustCalc::SolvePlume() {
    const auto column = [this](double x) { return ConvectColumnTemp(x) - x; };
    const auto layer = [this](double x) { return SmokeLayerTemp(x) - x; };
    ConvectTemp = BisectRoot(column, kTempLo, kTempHi, 0.1, 0, 0);
    SpecConvectHeat = SmokeHeatCapacity(ConvectTemp);
    MeanSmokeTemp = BisectRoot(layer, kTempLo, kTempHi, 0.1, 0, 0);
    SpecSmokeHeat = SmokeHeatCapacity(MeanSmokeTemp);
    HeatEmissionCoef = WallHeatTransferCoef(MeanSmokeTemp);
    MeanGasDensity = MeanSmokeTemp != 0 ? 353 / MeanSmokeTemp : 0.5;
    GasVolumeExps = GasMassExps / MeanGasDensity * 3600;
}

bool ExhaustCalc::RunCalcRoom() {
    RtfStream &s = Report.RTBody;
    const bool gallery = CalcVariant == TCalcVariant::cvrntUnderGallery;
    const double a = RoomLength;
    const double b = RoomWidth;

    const bool userPerimeter = MaxSmokePerimeter > 0;
    if (!userPerimeter)
        MaxSmokePerimeter = 2 * (a + b);
    SmokeEquiArea = FloorArea;

    enum { areaUser, areaSprinkler, areaCircle, areaFloor } areaKind;
    const double tauSeconds = FireEvolutionTime * 60;
    if (FireArea > 0) {
        areaKind = areaUser;
        if (FireArea > FloorArea)
            FireArea = FloorArea;
    } else if (AUPTType != TAUPTType::auptNo) {
        areaKind = areaSprinkler;
        FireArea = AUPTType == TAUPTType::auptSprinkler3x3 ? 9 : 16;
    } else {
        FireRadius = FireLoad.FireSpeed * tauSeconds;
        const double w = RoomSizeVariant == TRoomSizeVariant::rmszSBH ? b : std::min(a, b);
        if (w / 2 > FireRadius) {
            areaKind = areaCircle;
            FireArea = std::numbers::pi * FireRadius * FireRadius;
        } else {
            areaKind = areaFloor;
            FireArea = FloorArea;
        }
    }

    const double r = HeatRadiationCoef;
    FireHeatPower = BurningFullness * FireLoad.BurnEnergy * 1000 * FireLoad.SBurnSpeed * FireArea;
    const double Qf = FireHeatPower;
    double x = (1 - r) * Qf / (4 * std::numbers::pi * Qr);
    if (std::fabs(4 * std::numbers::pi * Qr) <= 1e-12)
        x = 0;
    const double safeDistance = x >= 0 ? std::sqrt(x) : 0;
    FlameTongueHeight = 0.166 * std::pow(r * Qf, 2.0 / 5.0);
    const bool tallFlame = FlameTongueHeight >= NoSmokeHeight;
    const double hLow = RoomHeight - SmokeThickness;
    if (gallery)
        GasMassExps = 0.36 * std::cbrt(r * Qf * InitSmokeStreamWidth * InitSmokeStreamWidth) *
                      (GalleryTopToSmokeBot + 0.25 * GalleryTopHeight);
    else if (tallFlame)
        GasMassExps = 0.032 * std::pow(r * Qf, 3.0 / 5.0) * hLow;
    else
        GasMassExps = 0.071 * std::cbrt(r * Qf) * std::pow(hLow, 5.0 / 3.0) + 0.0018 * r * Qf;

    RtfHeading(s, "РАСЧЁТНЫЕ ВЕЛИЧИНЫ");
    MSResAddRoomSize();
    if (!RoomSmokeLayerDefined(RoomSizeVariant == TRoomSizeVariant::rmszSBH ? ctl::EditFloorAreaSH
                                                                            : ctl::EditRoomLength))
        return false;
    SolvePlume();

    if (userPerimeter) {
        RtfText(s, "\\par\\par\\b Макс. периметр горизонтального сечения дымового слоя задан "
                   "пользователем");
        RtfText(s, "\\par l" + Sub("sm") + "\\b0  = \\b ");
    } else {
        RtfText(s, "\\par\\par\\b Макс. периметр горизонтального сечения дымового слоя");
        RtfText(s, "\\par l" + Sub("sm") + "\\b0  = 2" + kTimes + "(a + b) = \\b ");
    }
    RtfText(s, F62(MaxSmokePerimeter) + " м");

    RtfText(s, "\\par\\par\\b Эквивалентная площадь горизонтального сечения дымового слоя");
    RtfText(s, "\\par A" + Sub("sm") + "\\b0  = F" + Sub("f") + "  = \\b ");
    RtfText(s, F62(SmokeEquiArea) + " м" + Sup("2") + " ");

    const std::string areaText = F62(FireArea) + " м" + Sup("2") + " ";
    switch (areaKind) {
    case areaUser:
        RtfText(s, "\\par\\par\\b Площадь очага пожара задана пользователем\\par F" + Sub("o") +
                       "\\b0  = \\b " + areaText);
        break;
    case areaSprinkler:
        RtfText(s, "\\par\\par\\b Площадь очага пожара принята по параметрам АУПТ");
        RtfText(s, "\\par F" + Sub("o") + "\\b0  = \\b ");
        RtfText(s, areaText);
        break;
    default:
        RtfText(s, "\\par\\par\\b Время развития очага пожара");
        RtfText(s, "\\par " + kTau + Sub("o") + "\\b0  = \\b ");
        RtfText(s, F62(tauSeconds) + " с");
        RtfText(s, "\\par\\par\\b Радиус очага пожара");
        RtfText(s, "\\par R" + Sub("o") + "\\b0  = U" + Sub("л") + " " + kTimes);
        RtfText(s, kTau + Sub("o") + "  = \\b ");
        RtfText(s, F62(FireRadius) + " м");
        if (areaKind == areaCircle)
            RtfText(s, "\\par\\par\\b Очаг пожара не достигнет стен помещения,\\par площадь очага "
                       "принята равной площади круга радиусом R" +
                           Sub("o") + "\\par F" + Sub("o") + "\\b0  = " + kPi + kTimes + "R" +
                           Sub("o") + Sup("2") + "  = \\b " + areaText);
        else
            RtfText(s, "\\par\\par\\b Очаг пожара достигнет стен помещения,\\par площадь очага "
                       "принята равной площади помещения\\par F" +
                           Sub("o") + "\\b0  = F" + Sub("f") + "  = \\b " + areaText);
        break;
    }

    RtfText(s, "\\par\\par\\b Мощность тепловыделения очага пожара");
    RtfText(s, "\\par Q" + Sub("f") + "\\b0  = " + kEta + kTimes);
    RtfText(s, "Q" + Sub("нср") + " " + kTimes + "1000" + kTimes + kPsi + Sub("ср") + " " + kTimes +
                   "F" + Sub("o") + "  = \\b ");
    RtfText(s, FormatRoundedInt(Qf) + " кВт");

    RtfText(s, "\\par\\par\\b Безопасное расстояние\\par R\\b0  = [(1 - r)" + kTimes + "Q" +
                   Sub("f") + "  / (4" + kDot + kPi + kDot + "qr\")]" + Sup(Num("0.5")) +
                   "  = \\b ");
    RtfText(s, F62(safeDistance) + " м");

    RtfText(s, "\\par\\par\\b Высота пламени");
    RtfText(s, "\\par Z\\b0  = " + Num("0.166") + kTimes);
    RtfText(s, "(r" + kTimes + "Q" + Sub("f") + " )");
    RtfText(s, Sup("2/5") + "  = \\b ");
    RtfText(s, F62(FlameTongueHeight) + " м");

    RtfText(s, "\\par\\par\\b Конвективный массовый расход дыма");
    if (gallery) {
        RtfText(s, "\\par G" + Sub("k") + "\\b0  = " + Num("0.36") + kTimes);
        RtfText(s, "(r" + kTimes + "Q" + Sub("f") + " " + kTimes + "W" + Sup("2") + " )" +
                       Sup("1/3") + " " + kTimes);
        RtfText(s, "(Z" + Sub("b") + "  + " + Num("0.25") + kTimes + "H" + Sub("g") + " ) = \\b ");
    } else {
        WritePlumeMassFlowFormula(tallFlame);
    }
    RtfText(s, F62(GasMassExps) + " кг/с");

    ReportPlumeTemperatures(false);
    return true;
}

void ExhaustCalc::WritePlumeMassFlowFormula(bool tallFlame) {
    RtfStream &s = Report.RTBody;
    if (tallFlame) {
        RtfText(s, "\\par G" + Sub("k") + "\\b0  = " + Num("0.032") + kTimes);
        RtfText(s, "(r" + kTimes + "Q" + Sub("f") + " )" + Sup("3/5") + " " + kTimes);
        RtfText(s, "(h - H" + Sub("sm") + " ) = \\b ");
    } else {
        RtfText(s, "\\par G" + Sub("k") + "\\b0  = " + Num("0.071") + kTimes);
        RtfText(s, "(r" + kTimes + "Q" + Sub("f") + " )" + Sup("1/3") + " " + kTimes);
        RtfText(s, "(h - H" + Sub("sm") + " )" + Sup("5/3") + "  + " + Num("0.0018") + kTimes);
        RtfText(s, "r" + kTimes + "Q" + Sub("f") + "  = \\b ");
    }
}

} // namespace orvane::exhaust
