// Smoke exhaust from a closed car park: the fire's heat release and the smoke layer are given.
// Computes into the model; room_fire_report.cpp writes.
#include <cmath>

#include "exhaust/exhaust_calc.h"
#include "exhaust/exhaust_report.h"
#include "exhaust/smoke_method.h"

namespace orvane::exhaust {

using namespace method;

PlumeTerms ExhaustCalc::ComputeParking() {
    PlumeTerms terms;
    const double rq = HeatRadiationCoef * FireHeatPower;
    FlameTongueHeight = kFlameHeightFactor * std::pow(rq, 2.0 / 5.0);
    terms.TallFlame = FlameTongueHeight >= NoSmokeHeight;
    const double hLow = RoomHeight - SmokeThickness;
    if (terms.TallFlame)
        GasMassFlow = kTallFlameFlowFactor * std::pow(rq, 3.0 / 5.0) * hLow;
    else
        GasMassFlow =
            kPlumeFlowFactor * std::cbrt(rq) * std::pow(hLow, 5.0 / 3.0) + kPlumeFlowHeatShare * rq;
    terms.LayerDefined = SmokeLayerDefined();
    if (terms.LayerDefined)
        SolvePlume(terms);
    return terms;
}

bool ExhaustCalc::RunCalcParking() {
    const PlumeTerms terms = ComputeParking();
    WriteParkingCalculation(Report.RTBody, *this, terms, [this] { WarnOutOfRange(); });
    if (terms.LayerDefined)
        return true;
    Fail(SmokeLayerUndefinedMessage(Variant), ctl::EditSmokeEquArea);
    return false;
}

} // namespace orvane::exhaust
