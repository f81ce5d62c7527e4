// Smoke exhaust from a burning hall or atrium, also with the fire under a gallery; the plume
// balances here serve the car park too. Computes into the model; room_fire_report.cpp writes.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "exhaust/exhaust_calc.h"
#include "exhaust/exhaust_report.h"
#include "exhaust/smoke_method.h"

namespace orvane::exhaust {

using namespace method;

std::string SmokeLayerUndefinedMessage(ExhaustVariant variant) {
    return variant == ExhaustVariant::parking
               ? "Температура дымового слоя не может быть определена:\rпериметр, "
                 "толщина и площадь дымового слоя равны 0.\rЗадайте периметр и "
                 "площадь дымового слоя, высоту незадымляемой зоны."
               : "Температура дымового слоя не может быть определена:\rплощадь "
                 "пола, периметр и толщина дымового слоя равны 0.\rЗадайте "
                 "размеры помещения и высоту незадымляемой зоны.";
}

double ExhaustCalc::SmokeHeatCapacity(double T) {
    return kHeatCapacityScale / std::pow(std::exp(kHeatCapacityShift - kHeatCapacitySlope * T) + 1,
                                         1 / kHeatCapacityRoot);
}

double ExhaustCalc::WallHeatTransferCoef(double T) {
    return kWallTransferScale * std::exp(kWallTransferSlope * (T - kCelsiusToKelvin));
}

double ExhaustCalc::ConvectColumnTemp(double x) const {
    const double rq = HeatRadiationCoef * FireHeatPower;
    if (GasMassFlow == 0)
        return RoomAirTempK + rq / SmokeHeatCapacity(x);
    return RoomAirTempK + rq / (SmokeHeatCapacity(x) * GasMassFlow);
}

double ExhaustCalc::SmokeLayerTemp(double x) const {
    const double rq = HeatRadiationCoef * FireHeatPower;
    const double c = SmokeHeatCapacity(x);
    const double S = SmokeThickness * MaxSmokePerimeter + SmokeEquiArea;
    const double d = S * WallHeatTransferCoef(x);
    const bool flowing = SpecConvectHeat != 0 && GasMassFlow != 0;
    if (d == 0) {
        // the limit d -> 0 of the balance: no wall losses; without a flow there is none, and
        // the run has stopped before (SmokeLayerDefined) unless no heat is released
        if (flowing)
            return RoomAirTempK + rq / (SpecConvectHeat * GasMassFlow);
        return RoomAirTempK;
    }
    if (flowing)
        return RoomAirTempK +
               (1 - std::exp(-d / (c * GasMassFlow))) * c * rq / (SpecConvectHeat * d);
    return RoomAirTempK + c * rq / d;
}

bool ExhaustCalc::SmokeLayerDefined() const {
    const double S = SmokeThickness * MaxSmokePerimeter + SmokeEquiArea;
    const double rq = HeatRadiationCoef * FireHeatPower;
    return S != 0 || GasMassFlow != 0 || rq == 0;
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

// Both temperature balances and what follows from them; G_k, Q_f, r, l_sm, A_sm are set. Marks a
// balance whose root lies outside -100..1500 K.
void ExhaustCalc::SolvePlume(PlumeTerms &terms) {
    const auto column = [this](double x) { return ConvectColumnTemp(x) - x; };
    const auto layer = [this](double x) { return SmokeLayerTemp(x) - x; };
    ConvectTemp = BisectRoot(column, kPlumeTempLo, kPlumeTempHi, 0.1, 0, 0);
    SpecConvectHeat = SmokeHeatCapacity(ConvectTemp);
    MeanSmokeTemp = BisectRoot(layer, kPlumeTempLo, kPlumeTempHi, 0.1, 0, 0);
    SpecSmokeHeat = SmokeHeatCapacity(MeanSmokeTemp);
    HeatEmissionCoef = WallHeatTransferCoef(MeanSmokeTemp);
    MeanGasDensity = MeanSmokeTemp != 0 ? kDensityOverTemp / MeanSmokeTemp : kDensityAtZeroTemp;
    GasVolumeFlow = GasMassFlow / MeanGasDensity * kSecondsPerHour;
    terms.ColumnOutOfRange = column(kPlumeTempLo) * column(kPlumeTempHi) > 0;
    terms.LayerOutOfRange = layer(kPlumeTempLo) * layer(kPlumeTempHi) > 0;
}

void ExhaustCalc::SizeRoomFire(PlumeTerms &terms) {
    const double a = RoomLength;
    const double b = RoomWidth;
    terms.FireTime = FireEvolutionTime * kSecondsPerMinute;
    if (FireArea > 0) {
        terms.AreaSource = FireAreaSource::entered;
        if (FireArea > FloorArea)
            FireArea = FloorArea;
    } else if (Sprinklers != SprinklerKind::none) {
        terms.AreaSource = FireAreaSource::sprinklers;
        FireArea = Sprinklers == SprinklerKind::grid3x3 ? kSprinklerArea3x3 : kSprinklerArea4x4;
    } else {
        FireRadius = FireLoad.FireSpeed * terms.FireTime;
        const double w = RoomSize == RoomSizeForm::areaWidthHeight ? b : std::min(a, b);
        if (w / 2 > FireRadius) {
            terms.AreaSource = FireAreaSource::circle;
            FireArea = std::numbers::pi * FireRadius * FireRadius;
        } else {
            terms.AreaSource = FireAreaSource::wholeFloor;
            FireArea = FloorArea;
        }
    }
}

PlumeTerms ExhaustCalc::ComputeRoom() {
    PlumeTerms terms;
    terms.PerimeterEntered = MaxSmokePerimeter > 0;
    if (!terms.PerimeterEntered)
        MaxSmokePerimeter = 2 * (RoomLength + RoomWidth);
    SmokeEquiArea = FloorArea;
    SizeRoomFire(terms);

    const double r = HeatRadiationCoef;
    FireHeatPower = BurningFullness * FireLoad.BurnEnergy * kKilojoulesPerMegajoule *
                    FireLoad.SBurnSpeed * FireArea;
    const double Qf = FireHeatPower;
    // the safe distance: R = [(1 - r)·Q_f / (4·π·qr")]^0.5
    double x = (1 - r) * Qf / (4 * std::numbers::pi * Qr);
    if (std::fabs(4 * std::numbers::pi * Qr) <= 1e-12)
        x = 0;
    terms.SafeDistance = x >= 0 ? std::sqrt(x) : 0;
    FlameTongueHeight = kFlameHeightFactor * std::pow(r * Qf, 2.0 / 5.0);
    terms.TallFlame = FlameTongueHeight >= NoSmokeHeight;
    const double hLow = RoomHeight - SmokeThickness;
    if (Variant == ExhaustVariant::underGallery)
        GasMassFlow = kGalleryFlowFactor *
                      std::cbrt(r * Qf * InitSmokeStreamWidth * InitSmokeStreamWidth) *
                      (GalleryTopToSmokeBot + kGalleryHeightShare * GalleryTopHeight);
    else if (terms.TallFlame)
        GasMassFlow = kTallFlameFlowFactor * std::pow(r * Qf, 3.0 / 5.0) * hLow;
    else
        GasMassFlow = kPlumeFlowFactor * std::cbrt(r * Qf) * std::pow(hLow, 5.0 / 3.0) +
                      kPlumeFlowHeatShare * r * Qf;

    terms.LayerDefined = SmokeLayerDefined();
    if (terms.LayerDefined)
        SolvePlume(terms);
    return terms;
}

bool ExhaustCalc::RunCalcRoom() {
    const PlumeTerms terms = ComputeRoom();
    WriteRoomCalculation(Report.RTBody, *this, terms, [this] { WarnOutOfRange(); });
    if (terms.LayerDefined)
        return true;
    Fail(SmokeLayerUndefinedMessage(Variant),
         RoomSize == RoomSizeForm::areaWidthHeight ? ctl::EditFloorAreaSH : ctl::EditRoomLength);
    return false;
}

void ExhaustCalc::WarnOutOfRange() {
    if (rangeWarned_)
        return;
    rangeWarned_ = true;
    Warn(std::string(kTempRangeWarning));
}

} // namespace orvane::exhaust
