#include "inflow/result_checks.h"

#include "core/number_text.h"

namespace orvane::inflow {

namespace {

ResultCheck DuctSpeedCheck(double speed) {
    return SpeedCheck("Скорость воздуха в приточном воздуховоде", speed, FormatFixed2);
}

} // namespace

std::vector<DoorPressure> AboveGroundStairDoors(const AboveGroundStairCalc &stair) {
    // a 1st floor shut off has no door difference of its own (its row stays empty)
    const AboveGroundStairInputs &in = stair.Inputs();
    const bool firstFloorClosed = in.FirstFloorSeparate && in.ZoneFirstFloor < 2;
    std::vector<DoorPressure> doors;
    for (const AboveGroundStairFloor &f : stair.Results().Floors)
        if (!(firstFloorClosed && f.FloorNumber == 1))
            doors.push_back({f.FloorNumber, f.DoorPressureDiff});
    return doors;
}

std::vector<DoorPressure> LiftShaftDoors(const LiftCalc &lift) {
    // the doors of the levels the calculation covers, but the open doorway of the 1st floor
    const LiftInputs &in = lift.Inputs();
    const bool doorwayOpen = in.Method != LiftMethod::closedDoors;
    std::vector<DoorPressure> doors;
    for (const LiftFloor &f : lift.Results().Floors)
        if (f.FloorNumber >= in.ExitsFrom && f.FloorNumber <= in.ExitsTo &&
            !(f.FloorNumber == 1 && doorwayOpen))
            doors.push_back({f.FloorNumber, f.DoorPressureDiff});
    return doors;
}

std::vector<DoorPressure> UndergroundStairDoors(const UndergroundStairCalc &stair) {
    std::vector<DoorPressure> doors;
    for (const UndergroundStairFloor &f : stair.Results().Floors)
        if (f.FloorNumber <= -2)
            doors.push_back({f.FloorNumber, f.DoorPressureDiff});
    return doors;
}

ResultChecks SupplyChecks(const InflowCalc &c) {
    ResultChecks checks;
    switch (c.Variant) {
    case SupplyVariant::aboveGroundStair:
        AddDoorPressureCheck(checks, "Перепад давления на закрытых дверях лестничной клетки",
                             AboveGroundStairDoors(c.AboveGroundStair()), FormatFixed2);
        checks.push_back(DuctSpeedCheck(c.AboveGroundStair().Results().Duct.Speed));
        break;
    case SupplyVariant::undergroundStair:
        AddDoorPressureCheck(checks,
                             "Перепад давления на закрытых дверях подземных этажей лестничной "
                             "клетки",
                             UndergroundStairDoors(c.UndergroundStair()), FormatFixed2);
        break;
    case SupplyVariant::lift:
        AddDoorPressureCheck(checks, "Перепад давления на закрытых дверях лифтовой шахты",
                             LiftShaftDoors(c.Lift()), FormatFixed2);
        checks.push_back(DuctSpeedCheck(c.Lift().Results().Duct.Speed));
        break;
    case SupplyVariant::tambour: {
        const TambourResults &r = c.Tambour().Results();
        AddDoorPressureCheck(checks, "Необходимое давление в защищаемом помещении",
                             {{std::nullopt, r.RoomPressure}}, FormatFixed2);
        const TambourFloor *fastest = nullptr;
        for (const TambourFloor &f : r.Floors)
            if (!fastest || f.ChannelSpeed > fastest->ChannelSpeed)
                fastest = &f;
        if (fastest)
            checks.push_back(SpeedCheck("Наибольшая скорость воздуха в вертикальном приточном "
                                        "канале (этаж " +
                                            std::to_string(fastest->FloorNumber) + ")",
                                        fastest->ChannelSpeed, FormatFixed2));
        checks.push_back(DuctSpeedCheck(r.IntakeDuctSpeed));
        break;
    }
    }
    return checks;
}

} // namespace orvane::inflow
