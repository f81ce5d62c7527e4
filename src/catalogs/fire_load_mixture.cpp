#include "catalogs/fire_load_mixture.h"

#include "core/number_text.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

// Component values: non-positive (and non-finite) values do not count.
double ComponentValue(const std::string &text) {
    const double value = ReadRealInput(text);
    return std::isfinite(value) && value > 0 ? value : 0.0;
}

double Finite(double value) {
    return std::isfinite(value) ? value : 0.0;
}

struct Masses {
    std::array<double, MixtureRowCount> m{};
    double total = 0;
};

Masses ReadMasses(const MixtureRows &rows, MixtureResult &result) {
    Masses masses;
    for (int i = 0; i < MixtureRowCount; ++i) {
        masses.m[i] = ComponentValue(rows[i].Mass);
        result.ClearMass[i] = masses.m[i] <= 0;
        masses.total += masses.m[i];
    }
    if (!std::isfinite(masses.total))
        masses.total = 0;
    return masses;
}

double Share(const Masses &masses, int i) {
    return masses.m[i] > 0 && masses.total > 0 ? masses.m[i] / masses.total : 0.0;
}

} // namespace

std::string ShareText(double share) {
    return FormatRoundedInt(Finite(100.0 * share)) + " %";
}

MixtureResult RecalcComplexFireLoad(const MixtureRows &rows) {
    MixtureResult result;
    const Masses masses = ReadMasses(rows, result);
    double q = 0, u = 0, psi = 0;
    for (int i = 0; i < MixtureRowCount; ++i) {
        const double s = Share(masses, i);
        if (masses.m[i] > 0)
            result.Share[i] = ShareText(s);
        q += s * ComponentValue(rows[i].BurnEnergy);
        u = std::max(u, ComponentValue(rows[i].FireSpeed));
        psi += s * ComponentValue(rows[i].SBurnSpeed);
    }
    result.BurnEnergy = Finite(RoundHalfEven(Finite(q), 1));
    result.FireSpeed = Finite(RoundHalfEven(u, 4));
    result.SBurnSpeed = Finite(RoundHalfEven(Finite(psi), 4));
    return result;
}

MixtureResult RecalcComplexDensity(const MixtureRows &rows, std::string_view areaText) {
    MixtureResult result;
    const Masses masses = ReadMasses(rows, result);
    double heat = 0;
    for (int i = 0; i < MixtureRowCount; ++i) {
        if (masses.m[i] > 0)
            result.Share[i] = ShareText(Share(masses, i));
        heat += masses.m[i] * ComponentValue(rows[i].BurnEnergy);
    }
    const double area = ReadRealInput(areaText);
    // guard: no area, no density
    const double density = std::isfinite(area) && !IsZeroReal(area) ? heat / area : 0.0;
    result.FLDensity = Finite(RoundHalfEven(Finite(density), 1));
    return result;
}

} // namespace orvane
