#include "exhaust/segment.h"

#include "exhaust/valve_lookup.h"

namespace orvane::exhaust {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

DuctMaterial MaterialFromName(std::string_view name) {
    if (StartsWith(name, "М"))
        return DuctMaterial::metal;
    if (StartsWith(name, "Б"))
        return DuctMaterial::concrete;
    if (StartsWith(name, "К"))
        return DuctMaterial::brick;
    if (StartsWith(name, "Ш"))
        return DuctMaterial::plaster;
    return DuctMaterial::unknown;
}

std::string MaterialLetter(DuctMaterial indx) {
    switch (indx) {
    case DuctMaterial::metal:
        return "М";
    case DuctMaterial::concrete:
        return "Б";
    case DuctMaterial::brick:
        return "К";
    case DuctMaterial::plaster:
        return "Ш";
    default:
        return "-";
    }
}

DuctMaterial MaterialFromLetter(std::string_view letter) {
    if (StartsWith(letter, "Б") || StartsWith(letter, "б"))
        return DuctMaterial::concrete;
    if (StartsWith(letter, "К") || StartsWith(letter, "к"))
        return DuctMaterial::brick;
    if (StartsWith(letter, "Ш") || StartsWith(letter, "ш"))
        return DuctMaterial::plaster;
    return DuctMaterial::metal;
}

std::string MaterialName(DuctMaterial indx) {
    switch (indx) {
    case DuctMaterial::concrete:
        return "Бетон";
    case DuctMaterial::brick:
        return "Кирпич";
    case DuctMaterial::plaster:
        return "Штукатурка";
    default:
        return "Металл";
    }
}

std::string MaterialJsonName(DuctMaterial indx) {
    switch (indx) {
    case DuctMaterial::metal:
        return "matMetal";
    case DuctMaterial::concrete:
        return "matConcrete";
    case DuctMaterial::brick:
        return "matBrick";
    case DuctMaterial::plaster:
        return "matPlaster";
    default:
        return "matUnknown";
    }
}

NetworkSegment DefaultSegment() {
    const TSmokeValve valve = CatalogValve(800, 600);
    NetworkSegment s;
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
    s.HorMaterialKind = DuctMaterial::metal;
    s.Ash = 800 / 1000.0;
    s.Bsh = 600 / 1000.0;
    s.Lsh = 3;
    s.ZETAsh = 0;
    s.Material = "Металл";
    s.MaterialKind = DuctMaterial::metal;
    return s;
}

NetworkSegments DefaultNetwork() {
    return {DefaultSegment(), DefaultSegment()};
}

void SyncMiddleSegments(NetworkSegments &segments) {
    if (segments.size() < 3)
        return;
    const NetworkSegment &bottom = segments.front();
    for (size_t i = 1; i + 1 < segments.size(); ++i) {
        NetworkSegment &s = segments[i];
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
        s.HorMaterialKind = bottom.HorMaterialKind;
    }
}

} // namespace orvane::exhaust
