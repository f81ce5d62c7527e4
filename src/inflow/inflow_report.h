#pragma once
// The reports of the supply calculations. Each calculation computes into the model and into a
// record of the values only its report shows, then hands them to its writer here
// (stair_over_report.cpp, stair_under_report.cpp, lift_report.cpp, tambour_report.cpp).

#include <string>
#include <string_view>

#include "inflow/inflow_calc.h"
#include "report/rtf_symbols.h"

namespace orvane::inflow {

// One report line: text, value, unit, then the end of the bold value and the paragraph.
inline void Put(InflowCalc &c, std::string_view text, const std::string &value,
                std::string_view unit = {}) {
    c.ValueLine(text, value, unit);
}

// The units after a value, with the space before them.
inline const std::string kM = " м";
inline const std::string kM2 = " м" + rtf::Sup("2") + " ";
inline const std::string kM3PerKg = " м" + rtf::Sup("3") + " /кг";
inline const std::string kM3PerH = " м" + rtf::Sup("3") + " /ч";
inline const std::string kPa = " Па";
inline const std::string kKgPerS = " кг/с";
inline const std::string kMPerS = " м/с";
inline const std::string kKgPerM3 = " кг/м" + rtf::Sup("3") + " ";

// "\par\b Tx\b0  = tx  + 273,15 = \b ", the head of a temperature's line in kelvin.
std::string KelvinHead(std::string_view x);
// "\par title\par\b symbol\b0  = \b value unit": a value stated without its formula.
void PutValue(InflowCalc &c, std::string_view title, const std::string &symbol,
              const std::string &value, std::string_view unit = {});
// "\par title\par\b ρx\b0  = 353 / Ty  = \b ρ кг/м3".
void PutDensity(InflowCalc &c, std::string_view title, std::string_view rhoSub,
                std::string_view tempSub, double rho);
// Both stairwells: outside and inside air, the stairwell's mean temperature (by the formula the
// variant prints) and the densities.
void WriteStairAir(InflowCalc &c, const std::string &meanTempFormula);
// The stairwells taken into account and the share of the fire floor's flow through one open
// doorway, G(gSub) = Gsm / q; without `byShare` the flow is stated alone (it was set to 0).
void WriteDoorwayShare(InflowCalc &c, std::string_view title, std::string_view gSub, double flow,
                       bool byShare = true);
// The supply duct's section and equivalent diameter.
void WriteDuctSection(InflowCalc &c);
// The supply duct's speed, dynamic pressure, friction and the loss up to the place in lossTitle.
void WriteDuctLoss(InflowCalc &c, std::string_view lossTitle);

// ---- above-ground stairwell ----

// The candidate design pressures and the flow through the open doorway.
struct TOverGndStairValues {
    double P2 = 0;  // at the 2nd floor door, Pa
    double P2W = 0; // the same with the wind, Pa
    double P1 = 0;  // at the 1st floor door, Pa
    double P1W = 0; // the same with the wind, Pa
    double P1s = 0; // at the door of the zone's lowest floor, Pa
    double GsF = 0; // through the open doorway of one stairwell, kg/s
};
void WriteOverGndStairReport(InflowCalc &c, const TOverGndStairValues &v);

// ---- underground stairwell ----

// The duty point of the accepted flow (the fan command sends the lowest floor's row instead).
struct TUnderGndStairValues {
    double LV = 0;  // m3/h
    double Psv = 0; // Pa
};
void WriteUnderGndStairReport(InflowCalc &c, const TUnderGndStairValues &v);

// ---- lift shaft ----

// The 1st floor, the closed doors and the shaft head, as the lift report shows them.
struct TLiftValues {
    double slrAbove = 0; // closed doors above ground, 1/(kg·m)
    double slrBelow = 0; // closed doors below ground, 1/(kg·m)
    double sigma = 0;    // n·Σ(μi·Fi) of the gap openings, m2
    double pl1 = 0;      // design pressure on the 1st floor, Pa
    double gSlot = 0;    // 1st floor flow limited by the cage gap, kg/s
    double gOpen = 0;    // 1st floor flow limited by the door openings, kg/s
    double plM1 = 0;     // design pressure in the underground part, Pa
    double pl2 = 0;      // design pressure in the above-ground part, Pa
    double vcs = 0;      // speed in the gap between cage and shaft, m/s
    double dPcs = 0;     // loss in that gap, Pa
    double PL = 0;       // pressure at the shaft head, Pa
    double Gs = 0;       // mass flow of the supply, kg/s
};
// The pieces in the order RunCalcLift computes and writes them.
void WriteLiftAirTemps(InflowCalc &c, bool cageXiComputed);
void WriteLiftDensities(InflowCalc &c);
void WriteLiftWind(InflowCalc &c);
void WriteLiftShaftDoorResist(InflowCalc &c);
void WriteLiftHallDoorResist(InflowCalc &c);
void WriteLiftClosedDoors(InflowCalc &c, const TLiftValues &v);
void WriteLiftFirstFloor(InflowCalc &c, const TLiftValues &v);
void WriteLiftShaftHead(InflowCalc &c, const TLiftValues &v);
void WriteLiftDuctSection(InflowCalc &c, const TLiftValues &v);
void WriteLiftDuctAndFan(InflowCalc &c);

// ---- tambour-airlock ----

// What the tambour report shows beyond the model: densities, wind, the protected room and its
// valve, the channel head and the intake duct.
struct TTambourValues {
    int variant = 1;           // 1 door speed, 2 door leakage, 3 heated supply
    double ta = 0;             // outside air, °C
    double rhoA = 0;           // outside air, kg/m3
    double rhoR = 0;           // inside air, kg/m3
    double rhoAh = 0;          // heated supply, kg/m3
    double rhoSl = 0;          // lift shaft air, kg/m3
    double Pw = 0;             // wind pressure inside the building, Pa
    double Pw0 = 0;            // pressure on the leeward facade, Pa
    bool sdrComputed = false;  // the door resistance followed from the density
    bool sdslComputed = false; // the lift shaft door resistance followed from the density
    double channelF = 0;       // channel section, m2
    double channelDe = 0;      // channel equivalent diameter, mm
    double mFdsl = 0;          // lift shaft door area, m2
    double Psf = 0;            // pressure needed in the protected room, Pa
    double Gsf = 0;            // mass flow into the room, kg/s
    double Lsf = 0;            // volume flow into the room, m3/h
    double vValve = 0;         // speed in the open valve, m/s
    double dPValve = 0;        // loss in the open valve, Pa
    double Gs = 0;             // flow in the channel's top part, kg/s
    double vTop = 0;           // speed there, m/s
    double dPTop = 0;          // loss there, Pa
    double hN = 0;             // lowest valve to the channel head, m
    double vvv = 0;            // intake duct speed, m/s
    double dPvv = 0;           // intake duct loss, Pa
    double PN = 0;             // pressure at the channel head, Pa
    double Q = 0;              // heater power, kW
};
void WriteTambourReport(InflowCalc &c, const TTambourValues &v);

} // namespace orvane::inflow
