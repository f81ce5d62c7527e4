#include "inflow/inflow_inputs.h"

#include "core/field_check.h"

namespace orvane::inflow {

InflowInputs InflowInputs::Defaults() {
    InflowInputs in;
    SetStartValues(in, kInflowFields);
    for (ControlName button :
         {ctl::rbOverGndStair, ctl::rbSWJoinWall, ctl::rbSWWOExit, ctl::rbFirstFloorNotJoinSW,
          ctl::rbExitsToSWViaDoor, ctl::rbDoorIsOrdinary, ctl::rbOGRectAPipe, ctl::rbLiftJoinWall,
          ctl::rbLiftHall1, ctl::rbLiftHallAbove, ctl::rbLiftHallBelowNot, ctl::rbLiftMethodOpening,
          ctl::rbLiftRectAPipe, ctl::rbTmbrVar1, ctl::rbTmbrRectVPipe})
        in.Check(button);
    return in;
}

} // namespace orvane::inflow
