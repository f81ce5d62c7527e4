// Smoke exhaust from a corridor or hall next to a burning room: the calculation, written by
// corridor_report.cpp.
#include <cmath>

#include "exhaust/exhaust_calc.h"
#include "exhaust/exhaust_report.h"
#include "exhaust/smoke_method.h"

namespace orvane::exhaust {

using namespace method;

bool CorridorFireVentilationControlled(const ExhaustCalc &c) {
    return c.FireLoadSpecBarrier >= c.FireLoadCritical;
}

void ExhaustCalc::ComputeCorridor() {
    const double V = RoomVolume;
    const double volume23 = std::pow(V, 2.0 / 3.0);
    BarrierArea = kEnclosureAreaFactor * volume23;

    TotalDoorsArea = 0;
    DoorRate = 0;
    for (const auto &door : DoorSizes) {
        TotalDoorsArea += door[0] * door[1];
        DoorRate += door[0] * std::pow(door[1], 1.5);
    }
    const bool largeRoom = V >= kLargeRoomVolume;
    if (largeRoom) {
        if (FloorArea != 0)
            DoorRate /= FloorArea;
    } else if (volume23 != 0) {
        DoorRate /= volume23;
    }

    const double qp = FireLoadDensity.FLDensity;
    NecSpecAirAmount = kAirPerBurnEnergy * FireLoad.BurnEnergy;
    FireLoadSpecFloor = qp / kWoodHeat;
    FireLoadSpecBarrier = FloorArea * qp;
    if (BarrierArea - TotalDoorsArea != 0)
        FireLoadSpecBarrier /= BarrierArea - TotalDoorsArea;
    FireLoadSpecBarrier /= kWoodHeat;

    const double p3 = DoorRate * DoorRate * DoorRate;
    const double volume13 = std::cbrt(V);
    FireLoadCritical =
        kCriticalLoadNumerator * p3 / (1 + kCriticalLoadDenominator * p3) +
        (NecSpecAirAmount != 0 ? volume13 / (kCriticalLoadVolumeDivisor * NecSpecAirAmount)
                               : volume13 / kCriticalLoadVolumeDivisor);

    if (CorridorFireVentilationControlled(*this))
        MaxMeanGasTemp =
            RoomAirTempK + kVentilatedRise * std::exp(kVentilatedExpSlope * FireLoadSpecFloor -
                                                      kVentilatedExpShift);
    else
        MaxMeanGasTemp = RoomAirTempK + kLoadControlledRise *
                                            std::pow(FireLoadSpecBarrier, kLoadControlledExponent);
    OutletGasTemp = kOutletTempShare * MaxMeanGasTemp;

    MeanSmokeTemp = RoomAirTempK;
    if (CorridorLength != 0) {
        const double D = 2 * SmokeThickness + CorridorArea / CorridorLength;
        // guard: D -> 0 (no layer, no corridor area) drives the excess temperature to 0
        if (D != 0)
            MeanSmokeTemp =
                RoomAirTempK + kCorridorTempFactor * (OutletGasTemp - RoomAirTempK) * D /
                                   CorridorLength *
                                   (1 - std::exp(-kCorridorTempDecay * CorridorLength / D));
    }
    GasMassFlow = SmokeCoef * CorridorDoorArea * std::sqrt(CorridorDoorHeight);
    MeanGasDensity = MeanSmokeTemp != 0 ? kDensityOverTemp / MeanSmokeTemp : kDensityAtZeroTemp;
    GasVolumeFlow = GasMassFlow / MeanGasDensity * kSecondsPerHour;
}

void ExhaustCalc::RunCalcCorridor() {
    ComputeCorridor();
    WriteCorridorCalculation(Report.RTBody, *this);
}

} // namespace orvane::exhaust
