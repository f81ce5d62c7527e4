#pragma once
// The report files of the variant calculations: each writes what its calculation computed into
// the model, after the computation ("compute, then write"); network_report.h writes the network.

#include <functional>

#include "exhaust/exhaust_calc.h"
#include "report/rtf_writer.h"

namespace orvane::exhaust {

// The floor area and the volume as the room's size form gives them (nothing for the form that
// enters them directly).
void WriteRoomSize(RtfStream &s, const ExhaustCalc &c);

// The corridor next to a burning room (corridor_report.cpp), from "РАСЧЁТНЫЕ ВЕЛИЧИНЫ" to the
// smoke's volume flow.
void WriteCorridorCalculation(RtfStream &s, const ExhaustCalc &c);
// Whether the corridor's fire is ventilation-controlled: the fire load per enclosure area at or
// above the critical load.
bool CorridorFireVentilationControlled(const ExhaustCalc &c);

// The room or gallery (room_fire_report.cpp) and the car park: from "РАСЧЁТНЫЕ ВЕЛИЧИНЫ" to the
// smoke's volume flow, or to the undefined smoke layer's line. `outOfRange` is called where a
// temperature balance's line says its root is out of range.
void WriteRoomCalculation(RtfStream &s, const ExhaustCalc &c, const PlumeTerms &t,
                          const std::function<void()> &outOfRange);
void WriteParkingCalculation(RtfStream &s, const ExhaustCalc &c, const PlumeTerms &t,
                             const std::function<void()> &outOfRange);

} // namespace orvane::exhaust
