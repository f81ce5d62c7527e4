// Smoke exhaust from a burning hall or atrium, also with the fire under a gallery; the plume
// balances here serve the car park too.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/number_text.h"
#include "exhaust/exhaust_calc.h"

namespace orvane::exhaust {

namespace {
constexpr double kTempLo = -100;
constexpr double kTempHi = 1500;
constexpr std::string_view kOutOfRangeLine =
    "\\par\\b\\ul Внимание: решение вне диапазона от -100 до 1500 K, результат "
    "недостоверен.\\ul0\\b0 ";
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
    RtfText(s, "\\par T\\sub r\\nosupersub\\b0  = t\\sub r\\nosupersub  + 273 = \\b ");
    RtfText(s, F62(RoomAirTemp) + " K");

    RtfText(s, "\\par\\par\\b Удельная теплоемкость конвективной колонки");
    RtfText(s, "\\par C\\sub pk\\nosupersub\\b0  = 1.3615803 / (1 + exp(7.0065648 - ");
    RtfText(s, "0.0053034712 \\u8729? T\\sub k\\nosupersub ))\\super 1/20.761095\\nosupersub  = "
               "\\b ");
    RtfText(s, F64(SpecConvectHeat) + " кДж/(кг\\u8729?K)");

    RtfText(s, "\\par\\par\\b Температура в конвективной колонке");
    RtfText(s, "\\par T\\sub k\\nosupersub\\b0  = T\\sub r\\nosupersub  + r \\u8729? "
               "Q\\sub f\\nosupersub  / ");
    RtfText(s, "(C\\sub pk\\nosupersub  \\u8729? G\\sub k\\nosupersub ) = \\b ");
    RtfText(s, FormatRoundedInt(ConvectTemp) + " K");
    CheckBisectBracket(column);

    RtfText(s, "\\par\\par\\b Удельная теплоемкость дымового слоя");
    RtfText(s, "\\par C\\sub psm\\nosupersub\\b0  = 1.3615803 / (1 + exp(7.0065648 - ");
    RtfText(s, "0.0053034712 \\u8729? T\\sub sm\\nosupersub ))\\super 1/20.761095\\nosupersub  = "
               "\\b ");
    RtfText(s, F64(SpecSmokeHeat) + " кДж/(кг\\u8729?K)");

    RtfText(s, "\\par\\par\\b Коэффициент теплоотдачи дымового слоя в ограждающие конструкции");
    RtfText(s, "\\par \\u0945?\\b0  = 0.01163 \\u8729? exp(0.0023 \\u8729? (T\\sub sm\\nosupersub  "
               "- 273)) = \\b ");
    RtfText(s, F64(HeatEmissionCoef) + " кВт/(м\\super 2\\nosupersub \\u8729?K)");

    RtfText(s, "\\par\\par\\b Средняя температура дымового слоя в помещении");
    RtfText(s, "\\par T\\sub sm\\nosupersub\\b0  = T\\sub r\\nosupersub  + C\\sub psm\\nosupersub  "
               "\\u8729? r \\u8729? Q\\sub f\\nosupersub  / ");
    RtfText(s,
            "(C\\sub pk\\nosupersub  \\u8729? \\u0945? \\u8729? (H\\sub sm\\nosupersub  \\u8729? "
            "l\\sub sm\\nosupersub  + A\\sub sm\\nosupersub )) \\u8729? ");
    RtfText(s,
            "(1 - exp(-\\u0945? \\u8729? (H\\sub sm\\nosupersub  \\u8729? l\\sub sm\\nosupersub  "
            "+ A\\sub sm\\nosupersub ) / ");
    RtfText(s, "(C\\sub psm\\nosupersub  \\u8729? G\\sub k\\nosupersub ))) = \\b ");
    RtfText(s, FormatRoundedInt(MeanSmokeTemp) + " K");
    CheckBisectBracket(layer);

    RtfText(s, "\\par\\par\\b Массовый расход продуктов горения, удаляемых из помещения");
    RtfText(s, "\\par G\\sub ПГ\\nosupersub\\b0  = G\\sub k\\nosupersub  = \\b ");
    RtfText(s, F62(GasMassExps) + " кг/с");

    RtfText(s, "\\par\\par\\b Средняя плотность продуктов горения, удаляемых из помещения");
    RtfText(s, "\\par \\u0961?\\sub ПГ\\nosupersub\\b0  = 353 / T\\sub sm\\nosupersub  = \\b ");
    RtfText(s, F62(MeanGasDensity) + " кг/м\\super 3\\nosupersub ");

    RtfText(s, "\\par\\par\\b Объемный расход продуктов горения, удаляемых из помещения");
    RtfText(s, std::string("\\par L\\sub ПГ\\nosupersub\\b0  = ") +
                   (parking ? "G\\sub k\\nosupersub  / " : "G\\sub ПГ\\nosupersub  / "));
    RtfText(s, "\\u0961?\\sub ПГ\\nosupersub  \\u8729? 3600 = \\b ");
    RtfText(s, FormatRoundedInt(GasVolumeExps) + " м\\super 3\\nosupersub /час");
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
        RtfText(s, "\\par l\\sub sm\\nosupersub\\b0  = \\b ");
    } else {
        RtfText(s, "\\par\\par\\b Макс. периметр горизонтального сечения дымового слоя");
        RtfText(s, "\\par l\\sub sm\\nosupersub\\b0  = 2 \\u8729? (a + b) = \\b ");
    }
    RtfText(s, F62(MaxSmokePerimeter) + " м");

    RtfText(s, "\\par\\par\\b Эквивалентная площадь горизонтального сечения дымового слоя");
    RtfText(s, "\\par A\\sub sm\\nosupersub\\b0  = F\\sub f\\nosupersub  = \\b ");
    RtfText(s, F62(SmokeEquiArea) + " м\\super 2\\nosupersub ");

    const std::string areaText = F62(FireArea) + " м\\super 2\\nosupersub ";
    switch (areaKind) {
    case areaUser:
        RtfText(s, "\\par\\par\\b Площадь очага пожара задана пользователем\\par "
                   "F\\sub o\\nosupersub\\b0  = \\b " +
                       areaText);
        break;
    case areaSprinkler:
        RtfText(s, "\\par\\par\\b Площадь очага пожара принята по параметрам АУПТ");
        RtfText(s, "\\par F\\sub o\\nosupersub\\b0  = \\b ");
        RtfText(s, areaText);
        break;
    default:
        RtfText(s, "\\par\\par\\b Время развития очага пожара");
        RtfText(s, "\\par \\u0964?\\sub o\\nosupersub\\b0  = \\b ");
        RtfText(s, F62(tauSeconds) + " с");
        RtfText(s, "\\par\\par\\b Радиус очага пожара");
        RtfText(s, "\\par R\\sub o\\nosupersub\\b0  = U\\sub л\\nosupersub  \\u8729? ");
        RtfText(s, "\\u0964?\\sub o\\nosupersub  = \\b ");
        RtfText(s, F62(FireRadius) + " м");
        if (areaKind == areaCircle)
            RtfText(s, "\\par\\par\\b Очаг пожара не достигнет стен помещения,\\par площадь очага "
                       "принята равной площади круга радиусом R\\sub o\\nosupersub\\par "
                       "F\\sub o\\nosupersub\\b0  = \\u0960? \\u8729? R\\sub o\\nosupersub\\super "
                       "2\\nosupersub  = \\b " +
                           areaText);
        else
            RtfText(s, "\\par\\par\\b Очаг пожара достигнет стен помещения,\\par площадь очага "
                       "принята равной площади помещения\\par F\\sub o\\nosupersub\\b0  = "
                       "F\\sub f\\nosupersub  = \\b " +
                           areaText);
        break;
    }

    RtfText(s, "\\par\\par\\b Мощность тепловыделения очага пожара");
    RtfText(s, "\\par Q\\sub f\\nosupersub\\b0  = \\u0951? \\u8729? ");
    RtfText(s, "Q\\sub нср\\nosupersub  \\u8729? 1000 \\u8729? \\u0936?\\sub ср\\nosupersub  "
               "\\u8729? F\\sub o\\nosupersub  = \\b ");
    RtfText(s, FormatRoundedInt(Qf) + " кВт");

    RtfText(s, "\\par\\par\\b Безопасное расстояние\\par R\\b0  = [Q\\sub f\\nosupersub  / "
               "(4\\u8729?\\u0960?\\u8729?qr\")]\\super 0,5\\nosupersub  = \\b ");
    RtfText(s, F62(safeDistance) + " м");

    RtfText(s, "\\par\\par\\b Высота пламени");
    RtfText(s, "\\par Z\\b0  = 0,166 \\u8729? ");
    RtfText(s, "(r \\u8729? Q\\sub f\\nosupersub )");
    RtfText(s, "\\super 2/5\\nosupersub  = \\b ");
    RtfText(s, F62(FlameTongueHeight) + " м");

    RtfText(s, "\\par\\par\\b Конвективный массовый расход дыма");
    if (gallery) {
        RtfText(s, "\\par G\\sub k\\nosupersub\\b0  = 0.36 \\u8729? ");
        RtfText(s, "(r \\u8729? Q\\sub f\\nosupersub  \\u8729? W\\super 2\\nosupersub )\\super "
                   "1/3\\nosupersub  \\u8729? ");
        RtfText(s, "(Z\\sub b\\nosupersub  + 0.25 \\u8729? H\\sub g\\nosupersub ) = \\b ");
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
        RtfText(s, "\\par G\\sub k\\nosupersub\\b0  = 0.032 \\u8729? ");
        RtfText(s, "(r \\u8729? Q\\sub f\\nosupersub )\\super 3/5\\nosupersub  \\u8729? ");
        RtfText(s, "(h - H\\sub sm\\nosupersub ) = \\b ");
    } else {
        RtfText(s, "\\par G\\sub k\\nosupersub\\b0  = 0.071 \\u8729? ");
        RtfText(s, "(r \\u8729? Q\\sub f\\nosupersub )\\super 1/3\\nosupersub  \\u8729? ");
        RtfText(s, "(h - H\\sub sm\\nosupersub )\\super 5/3\\nosupersub  + 0.0018 \\u8729? ");
        RtfText(s, "r \\u8729? Q\\sub f\\nosupersub  = \\b ");
    }
}

} // namespace orvane::exhaust
