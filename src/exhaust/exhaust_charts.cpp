#include "exhaust/exhaust_charts.h"

#include <algorithm>

namespace orvane::exhaust {

namespace {

template <class Value>
ChartSeries ByLevel(const char *name, const NetworkSegments &segments, size_t count, Value value) {
    ChartSeries s{name, {}};
    s.points.reserve(count);
    for (size_t i = 0; i < count; ++i)
        s.points.push_back({value(segments[i]), segments[i].h});
    return s;
}

} // namespace

std::vector<ChartData> ExhaustCharts(const NetworkSegments &segments, bool withShaft) {
    const size_t n = withShaft ? segments.size() : std::min<size_t>(segments.size(), 1);
    if (n == 0)
        return {};
    constexpr const char *kLevelAxis = "Отметка h, м";
    return {
        {"Давление в шахте и снаружи здания по высоте",
         "Давление P, Па",
         kLevelAxis,
         {ByLevel("PШ", segments, n, [](const NetworkSegment &r) { return r.Psh; }),
          ByLevel("PНН", segments, n, [](const NetworkSegment &r) { return r.Pnn; }),
          ByLevel("PНЗ", segments, n, [](const NetworkSegment &r) { return r.Pnz; })},
         {}},
        {"Расход дымовых газов в шахте",
         "Массовый расход G, кг/с",
         kLevelAxis,
         {ByLevel("GШ", segments, n, [](const NetworkSegment &r) { return r.Gsh; })},
         {}},
    };
}

} // namespace orvane::exhaust
