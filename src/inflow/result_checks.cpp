#include "inflow/result_checks.h"

#include "core/number_text.h"

namespace orvane::inflow {

namespace {

ResultCheck DuctSpeedCheck(const InflowCalc &c) {
    return SpeedCheck("Скорость воздуха в приточном воздуховоде", c.APipeSpeed, FormatFixed2);
}

} // namespace

std::vector<DoorPressure> OverGndStairDoors(const InflowCalc &c) {
    // a 1st floor shut off has no door difference of its own (its row stays empty)
    const bool firstFloorClosed = c.SWTerm3 && c.SWN1zone < 2;
    std::vector<DoorPressure> doors;
    for (const TOverGndStairFloor &f : c.OverGndStairResult)
        if (!(firstFloorClosed && f.FloorNum == 1))
            doors.push_back({f.FloorNum, f.dPd});
    return doors;
}

std::vector<DoorPressure> LiftShaftDoors(const InflowCalc &c) {
    // the doors of the levels the calculation covers, but the open doorway of the 1st floor
    const bool doorwayOpen = c.LiftMethod < 3;
    std::vector<DoorPressure> doors;
    for (const TLiftShaftFloor &f : c.LiftShaftResult)
        if (f.FloorNum >= c.LiftLevelStart && f.FloorNum <= c.LiftLevelFinish &&
            !(f.FloorNum == 1 && doorwayOpen))
            doors.push_back({f.FloorNum, f.PL});
    return doors;
}

std::vector<DoorPressure> UnderGndStairDoors(const InflowCalc &c) {
    std::vector<DoorPressure> doors;
    for (const TUnderGndStairFloor &f : c.UnderGndStairResult)
        if (f.FloorNum <= -2)
            doors.push_back({f.FloorNum, f.Ps});
    return doors;
}

ResultChecks SupplyChecks(const InflowCalc &c) {
    ResultChecks checks;
    switch (c.CalcVariant) {
    case TCalcVariant::cvrntOverGndStair:
        AddDoorPressureCheck(checks, "Перепад давления на закрытых дверях лестничной клетки",
                             OverGndStairDoors(c), FormatFixed2);
        checks.push_back(DuctSpeedCheck(c));
        break;
    case TCalcVariant::cvrntUnderGndStair:
        AddDoorPressureCheck(checks,
                             "Перепад давления на закрытых дверях подземных этажей лестничной "
                             "клетки",
                             UnderGndStairDoors(c), FormatFixed2);
        break;
    case TCalcVariant::cvrntLift:
        AddDoorPressureCheck(checks, "Перепад давления на закрытых дверях лифтовой шахты",
                             LiftShaftDoors(c), FormatFixed2);
        checks.push_back(DuctSpeedCheck(c));
        break;
    case TCalcVariant::cvrntTambour: {
        AddDoorPressureCheck(checks, "Необходимое давление в защищаемом помещении",
                             {{std::nullopt, c.TmbrRoomPressure}}, FormatFixed2);
        const TTmbrPressForFloor *fastest = nullptr;
        for (const TTmbrPressForFloor &f : c.TmbrFloors)
            if (!fastest || f.vsh > fastest->vsh)
                fastest = &f;
        if (fastest)
            checks.push_back(SpeedCheck("Наибольшая скорость воздуха в вертикальном приточном "
                                        "канале (этаж " +
                                            std::to_string(fastest->FloorNum) + ")",
                                        fastest->vsh, FormatFixed2));
        checks.push_back(DuctSpeedCheck(c));
        break;
    }
    }
    return checks;
}

} // namespace orvane::inflow
