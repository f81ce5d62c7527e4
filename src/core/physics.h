#pragma once
// Small physical formulas of the supply calculations.

namespace orvane {

constexpr double kCelsiusZero = 273.15;
constexpr double kG = 9.81;
constexpr double kSupplyDuctViscosity = 11.82131208e-6; // m2/s
constexpr double kNormalAirDensity = 1.2;

double AirDensity(double t);     // 353/(t+273.15); 0 at absolute zero
double SpecificWeight(double t); // 3463/(t+273.15); 0 at absolute zero
double WindPressure(double KWW, double KW0, double rhoA, double va);

struct DuctSectionResult {
    double F = 0;  // m2
    double De = 0; // equivalent diameter, mm
};
DuctSectionResult DuctSection(bool rectangular, double A, double B);

// Darcy friction factor by Colebrook-White, or 0. `passes` (optional) receives the passes made.
double ColebrookLambda(double eps, double D, double Re, double tolerance, int iterationLimit,
                       int *passes = nullptr);

struct DuctLossResult {
    double v = 0;  // vвв, m/s
    double Pd = 0; // dynamic pressure, Pa
    double Re = 0;
    double f = 0;   // friction factor
    double dPf = 0; // friction loss per metre, Pa/m
    double P = 0;   // Pвв, Pa
};
DuctLossResult DuctNetworkLoss(double G, double rhoA, double F, double De, double eps, double l,
                               double xi);

} // namespace orvane
