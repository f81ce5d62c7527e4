#pragma once
// The coefficients of the method's formulas, each named by the formula it belongs to. The
// report writes the formulas with these numbers as text; the calculations take them from here.

namespace orvane::exhaust::method {

// Heat of combustion of wood, Q_нд, MJ/kg: g_0 = q_п / Q_нд, g_k = F_f·q_п / ((F_w - A_0)·Q_нд).
inline constexpr double kWoodHeat = 13.8;
// Density of the smoke and the air at T (K): ρ = 353 / T, kg/m3.
inline constexpr double kDensityOverTemp = 353;
// The density taken when the smoke temperature is 0 K, kg/m3.
inline constexpr double kDensityAtZeroTemp = 0.5;
// Degrees Celsius to kelvin, as the method rounds it: T = t + 273.
inline constexpr double kCelsiusToKelvin = 273;
// Seconds of an hour: L = G / ρ · 3600, m3/h.
inline constexpr double kSecondsPerHour = 3600;

// ---- the corridor next to a burning room ----
// Area of the room's enclosure: F_w = 6·V^(2/3), m2.
inline constexpr double kEnclosureAreaFactor = 6;
// A room of this volume or more has its opening factor taken over the floor area, m3.
inline constexpr double kLargeRoomVolume = 1000;
// Air needed to burn the fire load out: V_0 = 0.263·Q_нср, m3/kg.
inline constexpr double kAirPerBurnEnergy = 0.263;
// Critical fire load: g_kкр = 4500·П³ / (1 + 500·П³) + V^(1/3) / (6·V_0), kg/m2.
inline constexpr double kCriticalLoadNumerator = 4500;
inline constexpr double kCriticalLoadDenominator = 500;
inline constexpr double kCriticalLoadVolumeDivisor = 6;
// Ventilation-controlled fire: T_0max = T_r + 940·exp(0.0047·g_0 - 0.141), K.
inline constexpr double kVentilatedRise = 940;
inline constexpr double kVentilatedExpSlope = 0.0047; // per kg/m2
inline constexpr double kVentilatedExpShift = 0.141;
// Fire-load-controlled fire: T_0max = T_r + 224·g_k^0.528, K.
inline constexpr double kLoadControlledRise = 224;
inline constexpr double kLoadControlledExponent = 0.528;
// Gases leaving the burning room: T_0 = 0.8·T_0max, K.
inline constexpr double kOutletTempShare = 0.8;
// Mean smoke temperature in the corridor:
// T_sm = T_r + 1.22·(T_0 - T_r)·D / l_c·(1 - exp(-0.58·l_c / D)), D = 2·h_sm + A_c / l_c, K.
inline constexpr double kCorridorTempFactor = 1.22;
inline constexpr double kCorridorTempDecay = 0.58;
// Smoke to be removed from a corridor: k_sm = 1.0 in a dwelling, 1.2 elsewhere, kg/(s·m^2.5).
inline constexpr double kSmokeCoefLiving = 1.0;
inline constexpr double kSmokeCoefPublic = 1.2;

// ---- the plume of a fire in a room, under a gallery or in a car park ----
// Bounds of the temperature balances' roots, K.
inline constexpr double kPlumeTempLo = -100;
inline constexpr double kPlumeTempHi = 1500;
// Fire area under sprinklers of a 3 x 3 m and a 4 x 4 m grid, m2.
inline constexpr double kSprinklerArea3x3 = 9;
inline constexpr double kSprinklerArea4x4 = 16;
// Heat release: Q_f = η·Q_нср·1000·ψ_ср·F_o, kW (Q_нср in MJ/kg).
inline constexpr double kKilojoulesPerMegajoule = 1000;
inline constexpr double kSecondsPerMinute = 60;
// Flame height: Z = 0.166·(r·Q_f)^(2/5), m.
inline constexpr double kFlameHeightFactor = 0.166;
// Convective smoke mass flow, kg/s: a flame reaching the smoke-free zone
// G_k = 0.032·(r·Q_f)^(3/5)·(h - H_sm); a lower one
// G_k = 0.071·(r·Q_f)^(1/3)·(h - H_sm)^(5/3) + 0.0018·r·Q_f.
inline constexpr double kTallFlameFlowFactor = 0.032;
inline constexpr double kPlumeFlowFactor = 0.071;
inline constexpr double kPlumeFlowHeatShare = 0.0018;
// Under a gallery: G_k = 0.36·(r·Q_f·W²)^(1/3)·(Z_b + 0.25·H_g), kg/s.
inline constexpr double kGalleryFlowFactor = 0.36;
inline constexpr double kGalleryHeightShare = 0.25;
// Specific heat of the smoke: C_p = 1.3615803 / (1 + exp(7.0065648 -
// 0.0053034712·T))^(1/20.761095), kJ/(kg·K).
inline constexpr double kHeatCapacityScale = 1.3615803;
inline constexpr double kHeatCapacityShift = 7.0065648;
inline constexpr double kHeatCapacitySlope = 0.0053034712; // per K
inline constexpr double kHeatCapacityRoot = 20.761095;
// Heat transfer of the smoke layer into the enclosure: α = 0.01163·exp(0.0023·(T - 273)),
// kW/(m2·K).
inline constexpr double kWallTransferScale = 0.01163;
inline constexpr double kWallTransferSlope = 0.0023; // per K

} // namespace orvane::exhaust::method
