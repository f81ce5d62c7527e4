#include "catalogs/valves.h"

#include <string>

namespace orvane {

namespace {

// Resistance coefficients of the open valve, row by row: for each width (200..1500 mm) the
// heights 200 mm up to that width. Not monotonic everywhere; used exactly as measured.
constexpr std::array<double, ValveTableSize> kValveZ = {
    /*  200 */ 2.39,
    /*  250 */ 2.14,
    1.22,
    /*  300 */ 1.96,
    1.11,
    0.77,
    /*  350 */ 1.83,
    1.04,
    0.72,
    0.57,
    /*  400 */ 1.73,
    0.98,
    0.67,
    0.53,
    0.46,
    /*  450 */ 1.66,
    0.93,
    0.64,
    0.50,
    0.44,
    0.40,
    /*  500 */ 1.61,
    0.90,
    0.61,
    0.48,
    0.41,
    0.38,
    0.36,
    /*  550 */ 1.56,
    0.87,
    0.59,
    0.46,
    0.40,
    0.36,
    0.34,
    0.34,
    /*  600 */ 1.53,
    0.85,
    0.57,
    0.45,
    0.38,
    0.35,
    0.33,
    0.32,
    0.32,
    /*  650 */ 1.50,
    0.83,
    0.56,
    0.44,
    0.37,
    0.34,
    0.32,
    0.31,
    0.31,
    0.31,
    /*  700 */ 1.47,
    0.81,
    0.55,
    0.43,
    0.36,
    0.33,
    0.31,
    0.30,
    0.30,
    0.30,
    0.30,
    /*  750 */ 1.45,
    0.80,
    0.54,
    0.42,
    0.36,
    0.32,
    0.30,
    0.29,
    0.29,
    0.29,
    0.29,
    0.29,
    /*  800 */ 1.44,
    0.79,
    0.53,
    0.41,
    0.35,
    0.32,
    0.30,
    0.29,
    0.28,
    0.28,
    0.28,
    0.28,
    0.28,
    /*  850 */ 1.42,
    0.78,
    0.52,
    0.40,
    0.34,
    0.31,
    0.29,
    0.28,
    0.27,
    0.27,
    0.27,
    0.27,
    0.27,
    0.27,
    /*  900 */ 1.41,
    0.77,
    0.51,
    0.40,
    0.34,
    0.30,
    0.29,
    0.27,
    0.27,
    0.27,
    0.27,
    0.26,
    0.27,
    0.27,
    0.26,
    /*  950 */ 1.40,
    0.76,
    0.51,
    0.39,
    0.33,
    0.30,
    0.28,
    0.27,
    0.26,
    0.26,
    0.26,
    0.26,
    0.26,
    0.26,
    0.25,
    0.25,
    /* 1000 */ 1.38,
    0.76,
    0.50,
    0.39,
    0.33,
    0.29,
    0.28,
    0.26,
    0.26,
    0.26,
    0.25,
    0.25,
    0.25,
    0.25,
    0.24,
    0.24,
    0.24,
    /* 1050 */ 1.37,
    0.75,
    0.50,
    0.38,
    0.32,
    0.29,
    0.27,
    0.25,
    0.26,
    0.25,
    0.25,
    0.25,
    0.25,
    0.24,
    0.24,
    0.23,
    0.23,
    0.23,
    /* 1100 */ 1.37,
    0.74,
    0.49,
    0.38,
    0.32,
    0.28,
    0.27,
    0.25,
    0.25,
    0.25,
    0.24,
    0.25,
    0.24,
    0.23,
    0.23,
    0.23,
    0.22,
    0.22,
    0.22,
    /* 1150 */ 1.36,
    0.74,
    0.49,
    0.38,
    0.31,
    0.28,
    0.27,
    0.24,
    0.25,
    0.24,
    0.24,
    0.24,
    0.24,
    0.23,
    0.23,
    0.22,
    0.22,
    0.21,
    0.21,
    0.21,
    /* 1200 */ 1.35,
    0.73,
    0.49,
    0.37,
    0.31,
    0.27,
    0.26,
    0.24,
    0.24,
    0.24,
    0.23,
    0.24,
    0.23,
    0.22,
    0.22,
    0.22,
    0.21,
    0.21,
    0.20,
    0.20,
    0.20,
    /* 1250 */ 1.35,
    0.73,
    0.48,
    0.37,
    0.30,
    0.27,
    0.26,
    0.24,
    0.24,
    0.23,
    0.23,
    0.23,
    0.22,
    0.22,
    0.22,
    0.21,
    0.21,
    0.20,
    0.20,
    0.20,
    0.20,
    0.19,
    /* 1300 */ 1.34,
    0.73,
    0.48,
    0.36,
    0.30,
    0.26,
    0.25,
    0.23,
    0.23,
    0.23,
    0.22,
    0.22,
    0.21,
    0.21,
    0.21,
    0.21,
    0.20,
    0.20,
    0.19,
    0.19,
    0.19,
    0.19,
    0.19,
    /* 1350 */ 1.33,
    0.72,
    0.48,
    0.35,
    0.29,
    0.26,
    0.25,
    0.23,
    0.23,
    0.22,
    0.22,
    0.22,
    0.21,
    0.20,
    0.21,
    0.20,
    0.20,
    0.19,
    0.19,
    0.19,
    0.18,
    0.18,
    0.18,
    0.18,
    /* 1400 */ 1.33,
    0.72,
    0.48,
    0.34,
    0.29,
    0.25,
    0.24,
    0.22,
    0.22,
    0.22,
    0.21,
    0.21,
    0.20,
    0.20,
    0.20,
    0.20,
    0.19,
    0.19,
    0.18,
    0.18,
    0.18,
    0.18,
    0.17,
    0.17,
    0.17,
    /* 1450 */ 1.32,
    0.72,
    0.47,
    0.33,
    0.28,
    0.25,
    0.24,
    0.22,
    0.22,
    0.21,
    0.21,
    0.20,
    0.19,
    0.19,
    0.19,
    0.19,
    0.19,
    0.18,
    0.18,
    0.18,
    0.17,
    0.17,
    0.17,
    0.16,
    0.16,
    0.16,
    /* 1500 */ 1.32,
    0.71,
    0.47,
    0.33,
    0.28,
    0.24,
    0.23,
    0.22,
    0.21,
    0.21,
    0.20,
    0.19,
    0.19,
    0.18,
    0.18,
    0.18,
    0.18,
    0.18,
    0.17,
    0.17,
    0.17,
    0.17,
    0.16,
    0.16,
    0.16,
    0.15,
    0.15,
};

std::array<int, ValveSizeListSize> MakeSizeList() {
    std::array<int, ValveSizeListSize> list{};
    for (int i = 0; i < ValveSizeListSize; ++i)
        list[i] = 200 + 50 * i;
    return list;
}

std::array<TSmokeValve, ValveTableSize> MakeValveTable() {
    std::array<TSmokeValve, ValveTableSize> table{};
    int index = 0;
    for (int w = 200; w <= 1500; w += 50) {
        for (int h = 200; h <= w; h += 50) {
            TSmokeValve &v = table[index];
            v.S = std::to_string(w) + " x " + std::to_string(h);
            v.W = w;
            v.H = h;
            // the passage is 50 mm smaller than the nominal size each way
            v.F1 = static_cast<double>((w - 50) * (h - 50)) / 1000000.0;
            v.F2 = 0;
            v.Z = kValveZ[index];
            ++index;
        }
    }
    return table;
}

} // namespace

const std::array<TSmokeValve, ValveTableSize> &ValveTable() {
    static const std::array<TSmokeValve, ValveTableSize> table = MakeValveTable();
    return table;
}

const std::array<int, ValveSizeListSize> &ValveWidthList() {
    static const std::array<int, ValveSizeListSize> list = MakeSizeList();
    return list;
}

const std::array<int, ValveSizeListSize> &ValveHeightList() {
    static const std::array<int, ValveSizeListSize> list = MakeSizeList();
    return list;
}

const TSmokeValve &SmokeValveCatalog::EmptyValve() {
    static const TSmokeValve empty{};
    return empty;
}

TSmokeValve SmokeValveCatalog::Valves(int index) const {
    if (index < 0 || index >= ValveTableSize)
        return EmptyValve();
    return ValveTable()[index];
}

int SmokeValveCatalog::GetValveNum(int width, int height) const {
    const auto &table = ValveTable();
    for (int i = 0; i < ValveTableSize; ++i)
        if (table[i].W == width && table[i].H == height)
            return i;
    return -1;
}

void SmokeValveCatalog::BuildSubsetEmpty() {
    SubsetIndexes.clear();
}

void SmokeValveCatalog::BuildSubsetAll() {
    SubsetIndexes.resize(ValveTableSize);
    for (int i = 0; i < ValveTableSize; ++i)
        SubsetIndexes[i] = i;
}

void SmokeValveCatalog::BuildSubsetByWidth(int width) {
    SubsetIndexes.clear();
    const auto &table = ValveTable();
    for (int i = 0; i < ValveTableSize; ++i)
        if (table[i].W == width)
            SubsetIndexes.push_back(i);
}

void SmokeValveCatalog::BuildSubsetByHeight(int height) {
    SubsetIndexes.clear();
    const auto &table = ValveTable();
    for (int i = 0; i < ValveTableSize; ++i)
        if (table[i].H == height)
            SubsetIndexes.push_back(i);
}

TSmokeValve SmokeValveCatalog::SSValves(int index) const {
    if (index < 0 || index >= SSValveQty())
        return EmptyValve();
    return Valves(SubsetIndexes[index]);
}

int SmokeValveCatalog::WHToSSValveNum(int width, int height) const {
    for (int i = 0; i < SSValveQty(); ++i) {
        const TSmokeValve v = Valves(SubsetIndexes[i]);
        if (v.W == width && v.H == height)
            return i;
    }
    return -1;
}

int SmokeValveCatalog::VWidths(int index) const {
    return index >= 0 && index < ValveSizeListSize ? ValveWidthList()[index] : 0;
}

int SmokeValveCatalog::VHeights(int index) const {
    return index >= 0 && index < ValveSizeListSize ? ValveHeightList()[index] : 0;
}

int SmokeValveCatalog::WidthToNum(int width) const {
    for (int i = 0; i < ValveSizeListSize; ++i)
        if (ValveWidthList()[i] == width)
            return i;
    return -1;
}

int SmokeValveCatalog::HeightToNum(int height) const {
    for (int i = 0; i < ValveSizeListSize; ++i)
        if (ValveHeightList()[i] == height)
            return i;
    return -1;
}

} // namespace orvane
