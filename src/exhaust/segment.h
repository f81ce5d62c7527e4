#pragma once
// One segment of the smoke exhaust network (one storey: valve, horizontal branch, shaft part),
// the duct materials and the list rules every network operation keeps.

#include <string>
#include <string_view>
#include <vector>

#include "core/field_check.h"

namespace orvane::exhaust {

enum class DuctMaterial { unknown, metal, concrete, brick, plaster };

// What is entered for a segment: kept in the project file and edited in the segment editor.
struct SegmentInputs {
    std::string StoreyName;
    // valve; the Z coefficients are local resistance coefficients (no unit)
    int ValveWidth = 0;  // mm
    int ValveHeight = 0; // mm
    bool ValveDriveOut = true;
    double ValveArea = 0;       // F_кл, m2 (from the valve catalogue)
    double ValveResistCoef = 0; // Z_кл (from the valve catalogue)
    double NodeResistCoef = 0;  // Z'
    // horizontal part
    double Aww = 0;    // m
    double Bww = 0;    // m
    double Lww = 0;    // L_ВВ, m
    double ZETAww = 0; // Z_ВВ, no unit
    std::string HorMaterial;
    DuctMaterial HorMaterialKind = DuctMaterial::unknown;
    double HorGasSpeed = 0; // kept for the record layout; never used
    // vertical part
    double Ash = 0;    // m
    double Bsh = 0;    // m
    double Lsh = 0;    // L_Ш, m
    double ZETAsh = 0; // Z_Ш, no unit
    std::string Material;
    DuctMaterial MaterialKind = DuctMaterial::unknown;
    double Lpg = 0; // kept for the record layout; never used

    bool operator==(const SegmentInputs &) const = default;
};

// What the network computes for a segment; every run starts from a fresh record.
struct SegmentResults {
    // valve
    double ValveSpecResist = 0;   // S_КЛ, Pa·m4·s2/kg2 (G = F·√(ΔP/S))
    double ValveGasSpeed = 0;     // V_кл, m/s
    double ValvePressureLoss = 0; // ΔP_кл, Pa
    // horizontal part
    double Fww = 0;       // F_ВВ, m2
    double Deww = 0;      // D_ЭВВ, m
    double Sww = 0;       // leaking wall area, m2
    double HorCoefA = 0;  // wall leakage, m3/(h·m2·Pa^B)
    double HorCoefB = 0;  // its exponent
    double LAMDAww = 0;   // λ_ВВ, no unit
    double EPSILONww = 0; // ε_ВВ, mm
    // vertical part
    double Fsh = 0;       // F_Ш, m2
    double Desh = 0;      // D_ЭШ, m
    double Ssh = 0;       // leaking wall area, m2
    double CoefA = 0;     // wall leakage, m3/(h·m2·Pa^B)
    double CoefB = 0;     // its exponent
    double LAMDAsh = 0;   // λ_Ш, no unit
    double EPSILONsh = 0; // ε_Ш, mm
    // node
    double h = 0;        // level of the segment (the emission level for the top one), m
    double Pnn = 0;      // P_НН, windward outside pressure, Pa
    double Pnz = 0;      // P_НЗ, leeward outside pressure, Pa
    double Pw = 0;       // P_В, inside pressure, Pa
    double Psh = 0;      // P_Ш, shaft pressure, Pa
    double Gfsh = 0;     // kg/s
    double Gfww = 0;     // kg/s
    double Gfkl = 0;     // kg/s
    double Gf = 0;       // kg/s
    double Ga = 0;       // kg/s, summed from the fire storey
    double Gsh = 0;      // kg/s
    double ToK = 0;      // T°K, K
    double RHOpg = 0;    // ρ_ПГ, kg/m3
    double Vww = 0;      // m/s
    double Vsh = 0;      // m/s
    double DeltaPww = 0; // Pa
    double DeltaPsh = 0; // Pa
    double NU = 0;       // ν, m2/s
    double Reww = 0;     // no unit
    double Resh = 0;     // no unit

    bool operator==(const SegmentResults &) const = default;
};

// One segment of the network: what is entered and what the last run computed from it.
struct NetworkSegment : SegmentInputs, SegmentResults {
    SegmentInputs &Inputs() { return *this; }
    const SegmentInputs &Inputs() const { return *this; }
    SegmentResults &Results() { return *this; }
    const SegmentResults &Results() const { return *this; }
    // Keeps what was entered; nothing of an earlier run can show in the next one's report.
    void ClearResults() { Results() = SegmentResults{}; }

    bool operator==(const NetworkSegment &) const = default;
};

using NetworkSegments = std::vector<NetworkSegment>;

// The four names the segment editor offers, in its order.
inline constexpr std::string_view kMaterialNames[] = {"Металл", "Бетон", "Кирпич", "Штукатурка"};

// By the first letter of a material name (upper-case only, as the editor writes them).
DuctMaterial MaterialFromName(std::string_view name);
// The project file's one-letter code; "-" for an unknown material.
std::string MaterialLetter(DuctMaterial material);
// Reading a project letter: either case; anything else (or nothing) is metal.
DuctMaterial MaterialFromLetter(std::string_view letter);
std::string MaterialName(DuctMaterial material);
// The enumeration value name ("matMetal"), for the JSON results.
std::string MaterialJsonName(DuctMaterial material);

// One number of a segment as its project section keeps it ("[Shaft2] VL") and as the segment
// editor takes it: what a message calls it, what it may be, and what a file without the key
// reads. The file's reader and the editor both check a value against this table.
struct SegmentValueSpec {
    std::string_view key;
    std::string_view caption;
    NumberRule rule;
    double fallback;
};

namespace segment_rule {
inline constexpr NumberRule kSize{FieldKind::integer, 1};     // a valve's side, mm
inline constexpr NumberRule kNotNegative{FieldKind::real, 0}; // a length, a loss coefficient
inline constexpr NumberRule kPositive{FieldKind::real, 0, kNoMax, true};
} // namespace segment_rule

// A horizontal branch without a length (or a side) of its own is no branch: 0 stays allowed
// there; the vertical part is the shaft itself, whose sides and storey height are never 0.
inline constexpr SegmentValueSpec kSegmentValues[] = {
    {"ValveW", "Клапан: ширина", segment_rule::kSize, 800},
    {"ValveH", "Клапан: высота", segment_rule::kSize, 600},
    {"NodeZ", "Коэффициент местного сопротивления узла присоединения", segment_rule::kNotNegative,
     0},
    {"HA", "Горизонтальный участок: сторона A", segment_rule::kNotNegative, 0.8},
    {"HB", "Горизонтальный участок: сторона B", segment_rule::kNotNegative, 0.6},
    {"HL", "Горизонтальный участок: длина L", segment_rule::kNotNegative, 0},
    {"HZ", "Горизонтальный участок: сумма КМС Zвв", segment_rule::kNotNegative, 0},
    {"VA", "Вертикальный участок: сторона A", segment_rule::kPositive, 0.8},
    {"VB", "Вертикальный участок: сторона B", segment_rule::kPositive, 0.6},
    {"VL", "Вертикальный участок: длина L", segment_rule::kPositive, 3},
    {"VZ", "Вертикальный участок: сумма КМС Zш", segment_rule::kNotNegative, 0},
};

// The row of `key`: a key without a row does not compile.
consteval const SegmentValueSpec &SegmentValue(std::string_view key) {
    for (const SegmentValueSpec &v : kSegmentValues)
        if (v.key == key)
            return v;
    throw "a segment key without a row";
}

// The segment the window starts with: valve 800 x 600 from the catalogue, node coefficient 1.8,
// metal ducts of the valve's size, no horizontal length, a 3 m shaft part.
NetworkSegment DefaultSegment();
// Two default segments (fire storey and top).
NetworkSegments DefaultNetwork();

// Middle segments carry segment 0's valve and horizontal branch (same on every storey).
void SyncMiddleSegments(NetworkSegments &segments);

} // namespace orvane::exhaust
