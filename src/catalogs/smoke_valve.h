#pragma once
// One entry of the smoke valve catalogue.

#include <string>

namespace orvane {

struct TSmokeValve {
    std::string S; // "800 x 600"
    int W = 0;     // mm
    int H = 0;     // mm
    double F1 = 0; // free flow area, m2
    double F2 = 0; // unused second area, always 0
    double Z = 0;  // local resistance coefficient of the open valve
    bool operator==(const TSmokeValve &) const = default;
};

} // namespace orvane
