#include "exhaust/segment.h"

#include "exhaust/valve_lookup.h"

namespace orvane::exhaust {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

TMaterialIndx MaterialIndexFromName(std::string_view name) {
    if (StartsWith(name, "М"))
        return TMaterialIndx::matMetal;
    if (StartsWith(name, "Б"))
        return TMaterialIndx::matConcrete;
    if (StartsWith(name, "К"))
        return TMaterialIndx::matBrick;
    if (StartsWith(name, "Ш"))
        return TMaterialIndx::matPlaster;
    return TMaterialIndx::matUnknown;
}

std::string MaterialLetterFromIndex(TMaterialIndx indx) {
    switch (indx) {
    case TMaterialIndx::matMetal:
        return "М";
    case TMaterialIndx::matConcrete:
        return "Б";
    case TMaterialIndx::matBrick:
        return "К";
    case TMaterialIndx::matPlaster:
        return "Ш";
    default:
        return "-";
    }
}

TMaterialIndx MaterialIndexFromLetter(std::string_view letter) {
    if (StartsWith(letter, "Б") || StartsWith(letter, "б"))
        return TMaterialIndx::matConcrete;
    if (StartsWith(letter, "К") || StartsWith(letter, "к"))
        return TMaterialIndx::matBrick;
    if (StartsWith(letter, "Ш") || StartsWith(letter, "ш"))
        return TMaterialIndx::matPlaster;
    return TMaterialIndx::matMetal;
}

std::string MaterialNameFromIndex(TMaterialIndx indx) {
    switch (indx) {
    case TMaterialIndx::matConcrete:
        return "Бетон";
    case TMaterialIndx::matBrick:
        return "Кирпич";
    case TMaterialIndx::matPlaster:
        return "Штукатурка";
    default:
        return "Металл";
    }
}

std::string MaterialIndxName(TMaterialIndx indx) {
    switch (indx) {
    case TMaterialIndx::matMetal:
        return "matMetal";
    case TMaterialIndx::matConcrete:
        return "matConcrete";
    case TMaterialIndx::matBrick:
        return "matBrick";
    case TMaterialIndx::matPlaster:
        return "matPlaster";
    default:
        return "matUnknown";
    }
}

Ychastok_record DefaultSegment() {
    const TSmokeValve valve = CatalogValve(800, 600);
    Ychastok_record s;
    s.ValveWidth = 800;
    s.ValveHeight = 600;
    s.ValveDriveOut = true;
    s.ValveArea = valve.F1;
    s.ValveResistCoef = valve.Z;
    s.NodeResistCoef = 1.8;
    s.Aww = 800 / 1000.0;
    s.Bww = 600 / 1000.0;
    s.Lww = 0;
    s.ZETAww = 0;
    s.HorMaterial = "Металл";
    s.HorMaterialIndx = TMaterialIndx::matMetal;
    s.Ash = 800 / 1000.0;
    s.Bsh = 600 / 1000.0;
    s.Lsh = 3;
    s.ZETAsh = 0;
    s.Material = "Металл";
    s.MaterialIndx = TMaterialIndx::matMetal;
    return s;
}

TYchastki DefaultNetwork() {
    return {DefaultSegment(), DefaultSegment()};
}

void SyncMiddleSegments(TYchastki &segments) {
    if (segments.size() < 3)
        return;
    const Ychastok_record &bottom = segments.front();
    for (size_t i = 1; i + 1 < segments.size(); ++i) {
        Ychastok_record &s = segments[i];
        s.ValveWidth = bottom.ValveWidth;
        s.ValveHeight = bottom.ValveHeight;
        s.ValveDriveOut = bottom.ValveDriveOut;
        s.ValveArea = bottom.ValveArea;
        s.ValveResistCoef = bottom.ValveResistCoef;
        s.NodeResistCoef = bottom.NodeResistCoef;
        s.Aww = bottom.Aww;
        s.Bww = bottom.Bww;
        s.Fww = bottom.Fww;
        s.Lww = bottom.Lww;
        s.ZETAww = bottom.ZETAww;
        s.HorMaterial = bottom.HorMaterial;
        s.HorMaterialIndx = bottom.HorMaterialIndx;
    }
}

} // namespace orvane::exhaust
