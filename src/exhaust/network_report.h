#pragma once
// The report of the smoke exhaust network. RunCalcShaft computes a piece (the air, a segment, the
// duty point) and hands it to one of these to write, so a run stopped midway has written exactly
// the pieces computed before the stop.

#include "exhaust/exhaust_calc.h"
#include "exhaust/network_calc.h"
#include "report/rtf_writer.h"

namespace orvane::exhaust {

// The outside, inside and supply air temperatures and densities.
void WriteNetworkAir(RtfStream &b, const ExhaustCalc &c);
// "Участки сети ..." with the segment count, or the single-branch title without the shaft.
void WriteNetworkTitle(RtfStream &b, const ExhaustCalc &c);
// Segment i of the `count` taking part; `solved` false writes the failure line only.
void WriteNetworkSegment(RtfStream &b, const ExhaustCalc &c, int i, int count, bool solved);
void WriteFanDutyPoint(RtfStream &b, const ExhaustCalc &c, const FanDutyPoint &d);

} // namespace orvane::exhaust
