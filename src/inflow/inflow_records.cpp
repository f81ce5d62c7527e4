#include "inflow/inflow_records.h"

#include "core/physics.h"

namespace orvane::inflow {

AirResults AirOf(const AirInputs &air) {
    AirResults r;
    r.OutsideAirDensity = AirDensity(air.OutsideAirTempC);
    r.InsideAirDensity = AirDensity(air.InsideAirTempC);
    r.WindPressure =
        WindPressure(air.WindwardCoef, air.LeewardCoef, r.OutsideAirDensity, air.WindSpeed);
    return r;
}

DuctResults SupplyDuct(const DuctInputs &duct, double flow, double rhoA) {
    const DuctSectionResult section = DuctSection(duct.IsRect, duct.SizeA, duct.SizeB);
    const DuctLossResult loss =
        DuctNetworkLoss(flow, rhoA, section.F, section.De, duct.Roughness, duct.Length, duct.XiSum);
    return {section.F, section.De, loss.v, loss.Pd, loss.Re, loss.f, loss.dPf, loss.P};
}

} // namespace orvane::inflow
