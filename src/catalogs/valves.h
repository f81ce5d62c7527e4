#pragma once
// The smoke valve catalogue: a fixed table of nominal sizes with their free flow area and the
// resistance coefficient of the open valve, plus a filtered subset for the segment editor lists.

#include "catalogs/smoke_valve.h"

#include <array>
#include <vector>

namespace orvane {

inline constexpr int ValveTableSize = 378;
inline constexpr int ValveSizeListSize = 27;

// Entries ordered by width, then height; heights never exceed widths.
const std::array<TSmokeValve, ValveTableSize> &ValveTable();
// 200, 250, ..., 1500 mm.
const std::array<int, ValveSizeListSize> &ValveWidthList();
const std::array<int, ValveSizeListSize> &ValveHeightList();

class SmokeValveCatalog {
public:
    // Indexes into ValveTable of the current subset, ascending.
    std::vector<int> SubsetIndexes;

    static const TSmokeValve &EmptyValve();

    int ValveQty() const { return ValveTableSize; }
    // A copy of the table entry; EmptyValve() outside 0..377.
    TSmokeValve Valves(int index) const;
    // Index of the (W, H) entry, -1 when the catalogue has no such size.
    int GetValveNum(int width, int height) const;

    void BuildSubsetEmpty();
    void BuildSubsetAll();
    void BuildSubsetByWidth(int width);
    void BuildSubsetByHeight(int height);
    int SSValveQty() const { return static_cast<int>(SubsetIndexes.size()); }
    TSmokeValve SSValves(int index) const;
    // Position of the (W, H) entry within the subset, -1 when absent.
    int WHToSSValveNum(int width, int height) const;

    int VWidthQty() const { return ValveSizeListSize; }
    int VHeightQty() const { return ValveSizeListSize; }
    int VWidths(int index) const;  // 0 outside 0..26
    int VHeights(int index) const; // 0 outside 0..26
    int WidthToNum(int width) const;
    int HeightToNum(int height) const;
};

} // namespace orvane
