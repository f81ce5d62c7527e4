#pragma once
// The plausibility checks of a finished supply calculation.

#include <vector>

#include "inflow/inflow_calc.h"
#include "report/result_check.h"

namespace orvane::inflow {

// The pressure differences on closed doors the variant gives (the stairwell's ΔPd column, the
// underground floors' doors, the lift shaft's doors, the tambour's protected room) against
// 20…150 Па, and the highest air speed in the supply duct and channel against 20 м/с.
ResultChecks SupplyChecks(const InflowCalc &calc);

// The closed doors of the stairwell above ground: every floor's ΔPd but a 1st floor shut off
// from the stairwell (its row holds no difference of its own).
std::vector<DoorPressure> AboveGroundStairDoors(const AboveGroundStairCalc &stair);

// The lift shaft's closed doors: the levels the calculation covers, but the 1st floor's doorway
// when it stands open (the methods with an opening or a gap).
std::vector<DoorPressure> LiftShaftDoors(const LiftCalc &lift);

// The closed doors of the underground floors: floor -1 is the design floor, its row holds the
// stairwell's pressure; the floors below it hold their doors' differences.
std::vector<DoorPressure> UndergroundStairDoors(const UndergroundStairCalc &stair);

} // namespace orvane::inflow
