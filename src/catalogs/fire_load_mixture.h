#pragma once
// A complex fire load computed from up to five components (the edit dialogs' components grid).

#include <array>
#include <string>
#include <string_view>

namespace orvane {

inline constexpr int MixtureRowCount = 5;

// The texts typed into one grid row. The density mixture uses Mass and BurnEnergy only.
struct MixtureRowText {
    std::string Mass;
    std::string BurnEnergy;
    std::string FireSpeed;
    std::string SBurnSpeed;
};

using MixtureRows = std::array<MixtureRowText, MixtureRowCount>;

struct MixtureResult {
    std::array<bool, MixtureRowCount> ClearMass{};  // a mass <= 0 empties its cell
    std::array<std::string, MixtureRowCount> Share; // "60 %", or empty for a row without mass
    double BurnEnergy = 0;                          // share-weighted, rounded to 0.1
    double FireSpeed = 0;                           // the largest component's, rounded to 0.0001
    double SBurnSpeed = 0;                          // share-weighted, rounded to 0.0001
    double FLDensity = 0;                           // sum of m*Q over the area, rounded to 0.1
};

MixtureResult RecalcComplexFireLoad(const MixtureRows &rows);
MixtureResult RecalcComplexDensity(const MixtureRows &rows, std::string_view areaText);

// "100 %" for a share of 1: the whole percentage, halves to even.
std::string ShareText(double share);

} // namespace orvane
