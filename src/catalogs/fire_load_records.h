#pragma once
// Catalogue records of the fire scenario, held by the exhaust model and its project files.

#include <string>

namespace orvane {

struct TFireLoad {
    std::string Name;
    double BurnEnergy = 0; // lowest heat of combustion, MJ/kg
    double FireSpeed = 0;  // linear flame spread rate, m/s
    double SBurnSpeed = 0; // specific burning rate, kg/(m2*s)
    bool operator==(const TFireLoad &) const = default;
};

struct TFireLoadDensity {
    std::string Name;
    double FLDensity = 0; // specific fire load, MJ/m2
    bool operator==(const TFireLoadDensity &) const = default;
};

} // namespace orvane
