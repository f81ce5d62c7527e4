#include "inflow/inflow_inputs.h"

#include "core/number_text.h"

namespace orvane::inflow {

InflowInputs InflowInputs::Defaults() {
    InflowInputs in;
    for (const FieldSpec &f : kInflowFields) {
        if (f.kind == FieldKind::choice)
            in.setComboIndex(f.control, static_cast<int>(f.start.value_or(0)));
        else
            in.setText(f.control, f.start ? FormatGeneral(*f.start) : std::string());
    }
    for (ControlName button :
         {ctl::rbOverGndStair, ctl::rbSWJoinWall, ctl::rbSWWOExit, ctl::rbFirstFloorNotJoinSW,
          ctl::rbExitsToSWViaDoor, ctl::rbDoorIsOrdinary, ctl::rbOGRectAPipe, ctl::rbLiftJoinWall,
          ctl::rbLiftHall1, ctl::rbLiftHallAbove, ctl::rbLiftHallBelowNot, ctl::rbLiftMethodOpening,
          ctl::rbLiftRectAPipe, ctl::rbTmbrVar1, ctl::rbTmbrRectVPipe})
        in.check(button);
    return in;
}

} // namespace orvane::inflow
