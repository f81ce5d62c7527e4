#pragma once
// The records more than one supply calculator fills: the outside and inside air, the supply
// duct, and the start values the records take from the field table.

#include <string_view>

#include "inflow/inflow_controls.h"

namespace orvane::inflow {

// The counts a run accepts; a count beyond them stops the run with the message.
inline constexpr int kMaxFloorCount = 300;
inline constexpr int kMaxStairwellCount = 100;
inline constexpr std::string_view kFloorCountLimitMessage =
    "Число этажей должно быть не более 300.";
inline constexpr std::string_view kStairwellCountLimitMessage =
    "Количество лестничных клеток должно быть не более 100.";

// A field's start value as a new window shows it, for the records' own defaults. A field that
// starts empty (a resistance the calculation works out when it is left so) starts at 0.
consteval double InflowStart(ControlName control) {
    return FindField(kInflowFields, control)->start.value_or(0);
}
consteval int InflowStartCount(ControlName control) {
    return static_cast<int>(InflowStart(control));
}

// The air every variant enters first, each on its own page.
struct AirInputs {
    double InsideAirTempC = 0;  // t_r, °C
    double OutsideAirTempC = 0; // t_a, °C (the exhaust module keeps it in kelvin)
    double WindSpeed = 0;       // v_a, m/s
    double WindwardCoef = 0;    // K_WW, no unit
    double LeewardCoef = 0;     // K_W0, no unit
};

// The start values of a page's air fields.
consteval AirInputs AirStart(ControlName insideTemp, ControlName outsideTemp, ControlName wind,
                             ControlName windward, ControlName leeward) {
    return {InflowStart(insideTemp), InflowStart(outsideTemp), InflowStart(wind),
            InflowStart(windward), InflowStart(leeward)};
}

// The air as the stairwells and the lift shaft take it.
struct AirResults {
    double OutsideAirDensity = 0; // ρ_a = 353 / T_a, kg/m3
    double InsideAirDensity = 0;  // ρ_r = 353 / T_r, kg/m3
    double WindPressure = 0;      // P_w = 0,25·(K_WW − K_W0)·ρ_a·v_a², Pa
};
AirResults AirOf(const AirInputs &air);

// The supply duct from the air intake to the head of the stairwell or shaft.
struct DuctInputs {
    bool IsRect = true;   // false: round, SizeA is its diameter
    double SizeA = 0;     // mm
    double SizeB = 0;     // mm
    double Length = 0;    // l_вв, m
    double Roughness = 0; // ε, mm
    double XiSum = 0;     // Σξ_вв, no unit
};

// The start values of a page's duct fields (a rectangular duct, as the page starts).
consteval DuctInputs DuctStart(ControlName sizeA, ControlName sizeB, ControlName length,
                               ControlName roughness, ControlName xiSum) {
    return {true,
            InflowStart(sizeA),
            InflowStart(sizeB),
            InflowStart(length),
            InflowStart(roughness),
            InflowStart(xiSum)};
}

struct DuctResults {
    double Area = 0;            // F_вв, m2
    double EquivDiameter = 0;   // D_Э, mm
    double Speed = 0;           // v_вв, m/s
    double DynamicPressure = 0; // P_d, Pa
    double Reynolds = 0;        // Re, no unit
    double Friction = 0;        // f, the friction factor, no unit
    double SpecFriction = 0;    // ΔP_f, Pa/m
    double Loss = 0;            // P_вв, Pa
};
// The duct carrying `flow` kg/s of outside air of density `rhoA`.
DuctResults SupplyDuct(const DuctInputs &duct, double flow, double rhoA);

} // namespace orvane::inflow
