#include "exhaust/result_checks.h"

#include <algorithm>

#include "core/number_text.h"

namespace orvane::exhaust {

namespace {

// "(участок 3 - Кровля)", as the segment's heading in the report names it.
std::string SegmentLabel(const NetworkSegments &segments, size_t i) {
    std::string label = "(участок " + std::to_string(i + 1);
    if (!segments[i].StoreyName.empty())
        label += " - " + segments[i].StoreyName;
    return label + ")";
}

// The segment with the highest `speed` among those `counts`; -1 when none counts.
template <typename Speed, typename Counts>
int Fastest(const NetworkSegments &segments, size_t count, Speed speed, Counts counts) {
    int best = -1;
    for (size_t i = 0; i < count; ++i)
        if (counts(segments[i]) &&
            (best < 0 || speed(segments[i]) > speed(segments[static_cast<size_t>(best)])))
            best = static_cast<int>(i);
    return best;
}

} // namespace

ResultChecks NetworkChecks(const ExhaustCalc &calc) {
    const NetworkSegments &segs = calc.Segments;
    // without the shaft the network is the fire storey's branch alone
    const size_t count = calc.CalcWithShaft ? segs.size() : std::min<size_t>(segs.size(), 1);
    ResultChecks checks;
    if (count == 0)
        return checks;
    checks.push_back(SpeedCheck("Скорость газов в открытом клапане " + SegmentLabel(segs, 0),
                                segs[0].ValveGasSpeed, F62));
    const int hor = Fastest(
        segs, count, [](const NetworkSegment &s) { return s.Vww; },
        [](const NetworkSegment &s) { return s.Fww > 0 && s.Lww > 0; });
    if (hor >= 0)
        checks.push_back(SpeedCheck("Наибольшая скорость газов в горизонтальных воздуховодах " +
                                        SegmentLabel(segs, static_cast<size_t>(hor)),
                                    segs[static_cast<size_t>(hor)].Vww, F62));
    if (calc.CalcWithShaft) {
        const int sh = Fastest(
            segs, count, [](const NetworkSegment &s) { return s.Vsh; },
            [](const NetworkSegment &) { return true; });
        checks.push_back(SpeedCheck("Наибольшая скорость газов в шахте " +
                                        SegmentLabel(segs, static_cast<size_t>(sh)),
                                    segs[static_cast<size_t>(sh)].Vsh, F62));
    }
    return checks;
}

} // namespace orvane::exhaust
