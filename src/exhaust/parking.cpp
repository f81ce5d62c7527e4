// Smoke exhaust from a closed car park: the fire's heat release and the smoke layer are given.
#include <cmath>

#include "core/number_text.h"
#include "exhaust/exhaust_calc.h"
#include "report/rtf_symbols.h"

namespace orvane::exhaust {

using namespace rtf;

bool ExhaustCalc::RunCalcParking() {
    RtfStream &s = Report.RTBody;
    const double rq = HeatRadiationCoef * FireHeatPower;
    FlameTongueHeight = 0.166 * std::pow(rq, 2.0 / 5.0);
    const bool tallFlame = FlameTongueHeight >= NoSmokeHeight;
    const double hLow = RoomHeight - SmokeThickness;
    if (tallFlame)
        GasMassExps = 0.032 * std::pow(rq, 3.0 / 5.0) * hLow;
    else
        GasMassExps = 0.071 * std::cbrt(rq) * std::pow(hLow, 5.0 / 3.0) + 0.0018 * rq;

    RtfHeading(s, "РАСЧЁТНЫЕ ВЕЛИЧИНЫ");
    MSResAddRoomSize();
    if (!RoomSmokeLayerDefined(ctl::EditSmokeEquArea))
        return false;
    SolvePlume();

    RtfText(s, "\\par\\par\\b Высота факела пламени");
    RtfText(s, "\\par z" + Sub("l") + "\\b0  = " + Num("0.166") + kTimes);
    RtfText(s, "(r" + kTimes + "Q" + Sub("f") + " )");
    RtfText(s, Sup("2/5") + "  = \\b ");
    RtfText(s, F62(FlameTongueHeight) + " м");

    RtfText(s, "\\par\\par\\b Конвективный массовый расход дыма");
    WritePlumeMassFlowFormula(tallFlame);
    RtfText(s, F62(GasMassExps) + " кг/с");

    ReportPlumeTemperatures(true);
    return true;
}

} // namespace orvane::exhaust
