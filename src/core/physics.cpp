#include "core/physics.h"

#include <cmath>
#include <numbers>

namespace orvane {

double AirDensity(double t) {
    const double T = t + kCelsiusZero;
    return T == 0 ? 0.0 : 353.0 / T;
}

double SpecificWeight(double t) {
    const double T = t + kCelsiusZero;
    return T == 0 ? 0.0 : 3463.0 / T;
}

double WindPressure(double KWW, double KW0, double rhoA, double va) {
    return 0.25 * (KWW - KW0) * rhoA * va * va;
}

DuctSectionResult DuctSection(bool rectangular, double A, double B) {
    DuctSectionResult r;
    if (rectangular) {
        const double a = A / 1000;
        const double b = B / 1000;
        r.F = a * b;
        r.De = std::fabs(a + b) <= 1e-15 ? 0.0 : 2000 * r.F / (a + b);
    } else {
        const double radius = A / 1000 / 2;
        r.F = std::numbers::pi * radius * radius;
        r.De = A;
    }
    return r;
}

double ColebrookLambda(double eps, double D, double Re, double tolerance, int iterationLimit,
                       int *passes) {
    if (tolerance == 0)
        tolerance = 0.1;
    if (iterationLimit == 0)
        iterationLimit = 100;
    double x = 1.0;
    double result = 0;
    int n = iterationLimit;
    bool failed = false;
    bool converged = false;
    int count = 0;
    while (!failed && !converged && n >= 0) {
        ++count;
        double h = 0;
        if (D == 0 || Re == 0) {
            failed = true;
        } else {
            h = (eps / 3.7) / D + 2.51 * x / Re;
            // guard: also stops on NaN, whose logarithm would never converge
            if (!(h > 0))
                failed = true;
        }
        if (!failed) {
            const double y = -2 * std::log10(h);
            if ((x - y) * (x - y) < tolerance) {
                result = (1 / y) * (1 / y);
                converged = true;
            }
            x = y;
        }
        --n;
    }
    if (passes)
        *passes = count;
    return std::isfinite(result) ? result : 0.0;
}

DuctLossResult DuctNetworkLoss(double G, double rhoA, double F, double De, double eps, double l,
                               double xi) {
    DuctLossResult r;
    r.v = (rhoA == 0 || F == 0) ? 0.0 : G / rhoA / F;
    r.Pd = 0.5 * rhoA * r.v * r.v;
    r.Re = r.v * De * 1000 / 11.82131208;
    r.f = ColebrookLambda(eps, De, r.Re, 0.0001, 100);
    r.dPf = De == 0 ? 0.0 : r.Pd * 1000 * r.f / De;
    r.P = r.dPf * l + xi * r.Pd;
    return r;
}

} // namespace orvane
