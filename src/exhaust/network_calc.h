#pragma once
// The hydraulic calculation of the smoke exhaust network: the fire storey's open valve and branch,
// the shaft storey by storey with the air leaking in, up to the fan duty point. RunCalcShaft (a
// method of ExhaustCalc, network_calc.cpp) drives these pieces; network_report.cpp writes them.

#include <functional>
#include <string_view>

#include "exhaust/segment.h"

namespace orvane::exhaust {

// Closed valve resistance to smoke permeation, set into every segment.
inline constexpr double kValveSpecResist = 11000;
// Wall leakage coefficient and exponent, every material, both parts.
inline constexpr double kWallLeakA = 0.032;
inline constexpr double kWallLeakB = 0.65;

inline constexpr std::string_view kNetworkFailedMessage =
    "Не удалось рассчитать сеть: рабочая точка вентилятора не определена.";

// Absolute equivalent roughness, mm.
double MaterialRoughness(DuctMaterial m);
// Kinematic viscosity of the gas mixture at T (K), m2/s.
double MixtureViscosity(double T);

// A residual that may be undefined at a point (its value is still used by the bisection).
struct Residual {
    double value = 0;
    bool valid = false;
};
using ResidualFn = std::function<Residual(double)>;

// Colebrook in x = 1/sqrt(lambda): x + 2 lg(eps/3700/D + 2.51 x/Re); eps in mm, D in m.
Residual ColebrookResidual(double x, double eps, double D, double Re);

// Moves the ends of [lo, hi] inside the region where the residual is defined (to 0.01).
void NarrowToValid(const ResidualFn &f, double &lo, double &hi);

struct BracketResult {
    bool ok = false;
    double x = 0; // ResultX
    double f = 0; // ResultFDelta
};
// Bisection to a half-width of 0.001 after narrowing; fails without a valid sign change.
BracketResult SolveBracketed(const ResidualFn &f, double lo, double hi);

// What the network reads from the model besides the segments.
struct ShaftContext {
    double GasMassFlow = 0;    // G_ПГ, kg/s
    double MeanSmokeTemp = 0;  // T_sm, K
    double MeanGasDensity = 0; // ρ_ПГ, kg/m3
    double RoomAirTempK = 0;   // T_В, K
    double InsideAirDensity = 0;
    bool CalcWithShaft = true;
    int Count = 0; // segments taking part (1 without the shaft)
};

// What the duty point's report shows beyond the model's shaft outlet and fan fields.
struct FanDutyPoint {
    double ShaftTopPressure = 0; // P_ШN (P_сети without the shaft), Pa
    bool HasFanDuct = false;     // a horizontal duct runs from the shaft top to the fan
    double FanDuctLoss = 0;      // ΔP_сети of that duct, Pa; 0 without it
    double GasTemp = 0;          // gas before the fan, °C
    double ExhaustSection = 0;   // section of the exhaust device, m2
    double AirMassLo = 0;        // compensating air G_a = G_Ш / 1.3 .. G_Ш, kg/s
    double AirMassHi = 0;
    double CompAirDensity = 0; // ρ_a of the compensating air, kg/m3
    double AirVolumeLo = 0;    // L_a for AirMassLo .. AirMassHi, m3/h
    double AirVolumeHi = 0;
};

// Leakage, mixture and speeds of segment i at its current Psh.
void SegmentNodeState(NetworkSegments &segs, int i, const ShaftContext &ctx);
// The fire storey's branch at shaft pressure P: the friction factor implied by the pressure drop
// against Colebrook. s = +1 or -1 picks the sign of x.
Residual FireBranchResidual(NetworkSegments &segs, const ShaftContext &ctx, double P, double s);
// Solves segment i in place; false when it cannot be solved. resultX/resultF receive the root
// and residual of the last equation solved.
bool CalcShaftPart(NetworkSegments &segs, int i, const ShaftContext &ctx, double &resultX,
                   double &resultF);

} // namespace orvane::exhaust
