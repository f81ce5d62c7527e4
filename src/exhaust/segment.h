#pragma once
// One segment of the smoke exhaust network (one storey: valve, horizontal branch, shaft part),
// the duct materials and the list rules every network operation keeps.

#include <string>
#include <string_view>
#include <vector>

namespace orvane::exhaust {

enum class TMaterialIndx { matUnknown, matMetal, matConcrete, matBrick, matPlaster };

struct Ychastok_record {
    std::string StoreyName;
    // valve
    int ValveWidth = 0;  // mm
    int ValveHeight = 0; // mm
    bool ValveDriveOut = true;
    double ValveArea = 0;       // F_кл, m2
    double ValveResistCoef = 0; // Z_кл
    double NodeResistCoef = 0;  // Z'
    double ValveSpecResist = 0;
    double ValveGasSpeed = 0;
    double ValvePressureLoss = 0;
    // horizontal part
    double Aww = 0;
    double Bww = 0;
    double Fww = 0;
    double Deww = 0;
    double Lww = 0;
    double ZETAww = 0;
    std::string HorMaterial;
    TMaterialIndx HorMaterialIndx = TMaterialIndx::matUnknown;
    double Sww = 0;
    double HorCoefA = 0;
    double HorCoefB = 0;
    double LAMDAww = 0;
    double EPSILONww = 0;
    double HorGasSpeed = 0; // kept for the record layout; never used
    // vertical part
    double Ash = 0;
    double Bsh = 0;
    double Fsh = 0;
    double Desh = 0;
    double Lsh = 0;
    double ZETAsh = 0;
    std::string Material;
    TMaterialIndx MaterialIndx = TMaterialIndx::matUnknown;
    double Ssh = 0;
    double CoefA = 0;
    double CoefB = 0;
    double LAMDAsh = 0;
    double EPSILONsh = 0;
    // node results
    double h = 0;
    double Pnn = 0;
    double Pnz = 0;
    double Pw = 0;
    double Psh = 0;
    double Lpg = 0; // kept for the record layout; never used
    double Gfsh = 0;
    double Gfww = 0;
    double Gfkl = 0;
    double Gf = 0;
    double Ga = 0;
    double Gsh = 0;
    double ToK = 0;
    double RHOpg = 0;
    double Vww = 0;
    double Vsh = 0;
    double DeltaPww = 0;
    double DeltaPsh = 0;
    double NU = 0;
    double Reww = 0;
    double Resh = 0;

    bool operator==(const Ychastok_record &) const = default;
};

using TYchastki = std::vector<Ychastok_record>;

// The four names the segment editor offers, in its order.
inline constexpr std::string_view kMaterialNames[] = {"Металл", "Бетон", "Кирпич", "Штукатурка"};

// By the first letter of a material name (upper-case only, as the editor writes them).
TMaterialIndx MaterialIndexFromName(std::string_view name);
// The project file's one-letter code; "-" for an unknown material.
std::string MaterialLetterFromIndex(TMaterialIndx indx);
// Reading a project letter: either case; anything else (or nothing) is metal.
TMaterialIndx MaterialIndexFromLetter(std::string_view letter);
std::string MaterialNameFromIndex(TMaterialIndx indx);
// The enumeration value name ("matMetal"), for the JSON results.
std::string MaterialIndxName(TMaterialIndx indx);

// The segment the window starts with: valve 800 x 600 from the catalogue, node coefficient 1.8,
// metal ducts of the valve's size, no horizontal length, a 3 m shaft part.
Ychastok_record DefaultSegment();
// Two default segments (fire storey and top).
TYchastki DefaultNetwork();

// Middle segments carry segment 0's valve and horizontal branch (same on every storey).
void SyncMiddleSegments(TYchastki &segments);

} // namespace orvane::exhaust
