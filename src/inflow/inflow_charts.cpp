#include "inflow/inflow_charts.h"

#include "inflow/inflow_calc.h"
#include "inflow/result_checks.h"

namespace orvane::inflow {

namespace {

constexpr const char *kFloorAxis = "Этаж";
constexpr const char *kPressureAxis = "Давление P, Па";
constexpr const char *kFlowAxis = "Массовый расход G, кг/с";

// One series of `records` by floor number: `value` picks the plotted field.
template <class Records, class Value>
ChartSeries ByFloor(const char *name, const Records &records, Value value) {
    ChartSeries s{name, {}};
    s.points.reserve(records.size());
    for (const auto &r : records)
        s.points.push_back({value(r), static_cast<double>(r.FloorNumber)});
    return s;
}

// The door differences the result check reads, by floor: a floor without a closed door of its
// own (a 1st floor shut off or with an open doorway, a level outside the lift's range) has none.
ChartSeries DoorSeries(const std::vector<DoorPressure> &doors) {
    ChartSeries s{"ΔPd", {}};
    s.points.reserve(doors.size());
    for (const DoorPressure &d : doors)
        s.points.push_back({d.value, static_cast<double>(d.floor.value_or(0))});
    return s;
}

ChartData PressureChart(const char *title, std::vector<ChartSeries> series, bool doorBand) {
    ChartData c{title, kPressureAxis, kFloorAxis, std::move(series), {}, true};
    if (doorBand)
        c.limits = {kDoorPressureMin, kDoorPressureMax};
    return c;
}

ChartData FlowChart(const char *title, ChartSeries series) {
    return {title, kFlowAxis, kFloorAxis, {std::move(series)}, {}, true};
}

} // namespace

std::vector<ChartData> InflowCharts(const InflowCalc &calc) {
    std::vector<ChartData> charts;
    if (const auto &f = calc.AboveGroundStair().Results().Floors; !f.empty()) {
        using Floor = AboveGroundStairFloor;
        charts.push_back(
            PressureChart("Давление в лестничной клетке и перепад давления на дверях",
                          {ByFloor("Ps", f, [](const Floor &r) { return r.StairPressure; }),
                           DoorSeries(AboveGroundStairDoors(calc.AboveGroundStair()))},
                          true));
        charts.push_back(FlowChart("Расход воздуха в лестничной клетке",
                                   ByFloor("Gs", f, [](const Floor &r) { return r.StairFlow; })));
    }
    if (const auto &f = calc.UndergroundStair().Results().Floors; !f.empty()) {
        using Floor = UndergroundStairFloor;
        charts.push_back(
            PressureChart("Давление в лестничной клетке и перепад давления на дверях",
                          {ByFloor("Ps", f, [](const Floor &r) { return r.StairPressure; }),
                           DoorSeries(UndergroundStairDoors(calc.UndergroundStair()))},
                          true));
        charts.push_back(FlowChart("Расход воздуха в лестничной клетке",
                                   ByFloor("Gs", f, [](const Floor &r) { return r.StairFlow; })));
    }
    if (const auto &f = calc.Lift().Results().Floors; !f.empty()) {
        charts.push_back(
            PressureChart("Давление в шахте лифта и перепад давления на дверях",
                          {ByFloor("Pш", f, [](const LiftFloor &r) { return r.ShaftPressure; }),
                           DoorSeries(LiftShaftDoors(calc.Lift()))},
                          true));
        charts.push_back(
            FlowChart("Расход воздуха в шахте лифта",
                      ByFloor("G", f, [](const LiftFloor &r) { return r.ShaftFlow; })));
    }
    if (const auto &f = calc.Tambour().Results().Floors; !f.empty()) {
        charts.push_back(PressureChart(
            "Давление в канале и потери давления в клапанах",
            {ByFloor("Pш", f, [](const TambourFloor &r) { return r.ChannelPressure; }),
             ByFloor("ΔPкл", f, [](const TambourFloor &r) { return r.ValvePressureDiff; })},
            false));
        charts.push_back(
            FlowChart("Расход воздуха в канале",
                      ByFloor("Gш", f, [](const TambourFloor &r) { return r.ChannelFlow; })));
    }
    return charts;
}

} // namespace orvane::inflow
