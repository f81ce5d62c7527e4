#pragma once
// A chart as the engines describe it: plain numbers taken from the run's records, drawn by the
// windows. The value runs along the horizontal axis, the floor or level up the vertical one.

#include <string>
#include <vector>

namespace orvane {

struct ChartPoint {
    double x = 0; // the value (pressure, flow)
    double y = 0; // the floor number or level, height up

    bool operator==(const ChartPoint &) const = default;
};

struct ChartSeries {
    std::string name; // the symbol as the report writes it ("Ps", "ΔPd")
    std::vector<ChartPoint> points;
};

struct ChartData {
    std::string title;
    std::string xLabel; // quantity, symbol and unit of the values
    std::string yLabel; // the floor or level axis
    std::vector<ChartSeries> series;
    // vertical lines at these values (the 20 and 150 Па band of the door pressure difference)
    std::vector<double> limits;
    // the vertical axis counts floors: whole numbers only on its ticks
    bool wholeLevels = false;
};

// The band the door pressure difference must stay in, Pa.
inline constexpr double kDoorPressureMin = 20;
inline constexpr double kDoorPressureMax = 150;

} // namespace orvane
