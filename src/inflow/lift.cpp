// Air supply into a lift shaft: the page read into the inputs, the shaft's pressures floor by
// floor, the supply duct and the fan duty point.
#include "inflow/lift.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/input_read.h"

namespace orvane::inflow {

namespace {

// Digits and a leading minus; beyond 32 bits the value is held at the limit of its sign, which
// the exit-floor clamps then bring back into the building.
int SignedSaturated(const InflowInputs &in, ControlName control) {
    const std::string text = SanitizeIntegerText(in.Text(control));
    int value = 0;
    if (TryTextToInt(text, value))
        return value;
    if (text.size() <= 1) // "" or a lone "-"
        return 0;
    return text.front() == '-' ? INT_MIN : INT_MAX;
}

} // namespace

LiftStop LiftCalc::Read(RunFrame &frame, const InflowInputs &in) {
    LiftInputs &s = inputs_;
    // a digit string beyond 32 bits reads as the largest count, which the limit then refuses
    int og = ReadIntInput(in, ctl::EditLiftOGFloorQty);
    if (og < 1) {
        s.AboveFloorCount = og;
        frame.Warn("Число надземных этажей должно быть не менее одного:\r    Nнэ ≥ 1",
                   ctl::EditLiftOGFloorQty);
        return LiftStop::floorCount;
    }
    if (!ReadCountInput(frame, in, ctl::EditLiftOGFloorQty, kMaxFloorCount, kFloorCountLimitMessage,
                        og))
        return LiftStop::floorCount;
    // guard: both counts are checked before anything is written or allocated
    int ug = 0;
    if (!ReadCountInput(frame, in, ctl::EditLiftUGFloorQty, kMaxFloorCount, kFloorCountLimitMessage,
                        ug))
        return LiftStop::floorCount;
    s.AboveFloorCount = og;
    s.BelowFloorCount = ug;
    s.Shaft = ug == 0 ? LiftShaft::aboveGroundOnly
                      : (og < 2 ? LiftShaft::fedFromBelow : LiftShaft::withUnderground);
    s.AdjoinsOutsideWall = in.IsChecked(ctl::rbLiftJoinWall);
    s.HallOnFirstFloor = in.IsChecked(ctl::rbLiftHall1);
    s.HallsAbove = in.IsChecked(ctl::rbLiftHallAbove);
    s.HallsBelow = in.IsChecked(ctl::rbLiftHallBelow);
    s.Method = in.IsChecked(ctl::rbLiftMethodSlot)     ? LiftMethod::cageGap
               : in.IsChecked(ctl::rbLiftMethodClosed) ? LiftMethod::closedDoors
                                                       : LiftMethod::openDoorway;

    s.Air.OutsideAirTempC = ReadRealControl(in, ctl::EditLiftOutsideAirTemp);
    s.Air.InsideAirTempC = ReadRealControl(in, ctl::EditLiftInsideAirTemp);
    s.ShaftAirTempC = (s.Air.OutsideAirTempC + s.Air.InsideAirTempC) / 2;
    s.Air.WindSpeed = ReadRealControl(in, ctl::EditLiftWindSpeed);
    s.Air.WindwardCoef = ReadRealControl(in, ctl::EditLiftKoefWW);
    s.Air.LeewardCoef = ReadRealControl(in, ctl::EditLiftKoefW0);
    // h(2) is read for every shaft, so the inputs hold what the project and the window show
    s.SecondFloorLevel = ReadRealControl(in, ctl::EditLiftSecondFloorLevel);
    if (s.Shaft != LiftShaft::fedFromBelow)
        s.AboveFloorHeight = ReadRealControl(in, ctl::EditLiftOGFloorHeight);
    if (s.Shaft != LiftShaft::aboveGroundOnly)
        s.BelowFloorHeight = std::fabs(ReadRealControl(in, ctl::EditLiftUGFloorHeight));

    if (const LiftStop stop = ReadShaft(frame, in); stop != LiftStop::none)
        return stop;

    s.ExcessPressure = ReadRealControl(in, ctl::EditLiftPplus);
    if (s.ExcessPressure < kMinExcessPressure) {
        frame.Warn("Избыточное давление должно быть не менее 20 Па:\r    P⁺ ≥ 20",
                   ctl::EditLiftPplus);
        return LiftStop::excessPressure;
    }
    s.IntakeToHeadHeight = ReadRealControl(in, ctl::EditLiftH0s);
    s.Duct =
        ReadDuctInputs(in, {ctl::EditLiftSizeA, ctl::EditLiftSizeB, ctl::EditLiftAPipeLen,
                            ctl::rbLiftRectAPipe, ctl::EditLiftAPipeEpsilon, ctl::EditLiftAPipeXi});
    return LiftStop::none;
}

LiftStop LiftCalc::ReadShaft(RunFrame &frame, const InflowInputs &in) {
    LiftInputs &s = inputs_;
    // the floors with exits, clamped into the building; empty: from the lowest, to the top
    const int lowest = s.BelowFloorCount < 1 ? 1 : -s.BelowFloorCount;
    s.ExitsFrom = SignedSaturated(in, ctl::EditLiftLevelStart);
    if (s.ExitsFrom == 0) {
        s.ExitsFrom = lowest;
    } else {
        s.ExitsFrom = std::max(s.ExitsFrom, lowest);
        s.ExitsFrom = std::min(s.ExitsFrom, s.AboveFloorCount);
    }
    s.ExitsTo = SignedSaturated(in, ctl::EditLiftLevelFinish);
    if (s.ExitsTo == 0) {
        s.ExitsTo = s.AboveFloorCount;
    } else {
        s.ExitsTo = std::min(s.ExitsTo, s.AboveFloorCount);
        s.ExitsTo = std::max(s.ExitsTo, s.ExitsFrom);
    }

    s.ShaftDoorArea = ReadRealControl(in, ctl::EditLiftShaftDoorArea);
    s.HallDoorArea = ReadRealControl(in, ctl::EditLiftHallDoorArea);
    s.ShaftDoorHeight = ReadRealControl(in, ctl::EditLiftShaftDoorHeight);
    s.CageCount = ReadIntInput(in, ctl::EditLiftCageQty);
    s.HallDoorCount = ReadIntInput(in, ctl::EditLiftHallDoorQty);
    s.CageArea = ReadRealControl(in, ctl::EditLiftCageArea);
    s.ShaftArea = ReadRealControl(in, ctl::EditLiftShaftArea);
    s.ShaftDoorResist = ReadRealControl(in, ctl::EditLiftShaftDoorSpecResist);
    s.HallDoorResist = ReadRealControl(in, ctl::EditLiftHallDoorSpecResist);
    s.HallDoorXi = ReadRealControl(in, ctl::EditLiftHallDoorKoefXid);
    s.CageXi = ReadRealControl(in, ctl::EditLiftCageKoefXil);
    s.GapMu = ReadRealControl(in, ctl::EditLiftMuGap);

    // The gap rows enter the calculation with every method; only the gap method checks them.
    for (size_t i = 0; i < s.GapRows.size(); ++i) {
        const ctl::LiftGapControls &gap = ctl::kLiftGapControls[i];
        s.GapRows[i].Area = ReadRealControl(in, gap.area);
        s.GapRows[i].GivenAsXi = in.ComboIndex(gap.unit) == 1;
        s.GapRows[i].Value = ReadRealControl(in, gap.value);
    }
    if (s.Method != LiftMethod::cageGap)
        return LiftStop::none;
    for (size_t i = 0; i < s.GapRows.size(); ++i) {
        const LiftGapRow &row = s.GapRows[i];
        if (!row.GivenAsXi && (row.Value < 0 || row.Value > 1)) {
            frame.Warn("Необходимо выполнить условие\r0 ≤ μ ≤ 1", ctl::kLiftGapControls[i].value);
            return LiftStop::gapRow;
        }
        if (row.GivenAsXi && row.Value < 1) {
            frame.Warn("Необходимо выполнить условие\r(ξ+1) ≥ 1", ctl::kLiftGapControls[i].value);
            return LiftStop::gapRow;
        }
    }
    return LiftStop::none;
}

bool LiftCalc::ReadInputs(RunFrame &frame, InflowInputs &in, RtfStream &report) {
    const LiftStop stop = Read(frame, in);
    WriteLiftInputs(report, inputs_, stop);
    return stop == LiftStop::none;
}

// Computed in full, then written; the warning of the gap method without the gap's area comes
// where the report reaches the gap, so a run the guard stops before it gives no such warning.
void LiftCalc::Calculate(RunFrame &frame, RtfStream &report) {
    Compute();
    WriteLiftAirAndDoors(report, inputs_, results_);
    if (results_.GapAreaMissing)
        frame.Warn("Не задана площадь щели в открытом проёме ЛШ.", ctl::EditLiftFmu1);
    WriteLiftShaftAndFan(report, inputs_, results_);
}

void LiftCalc::Compute() {
    const LiftInputs &s = inputs_;
    LiftResults &r = results_;
    r.Calculated = true;
    r.CageXiComputed = IsZeroReal(s.CageXi);
    r.CageXi = !r.CageXiComputed  ? s.CageXi
               : s.ShaftArea == 0 ? kCageXiBase
                                  : kCageXiBase + s.CageArea / s.ShaftArea;
    r.Air = AirOf(s.Air);
    r.ShaftAirDensity = AirDensity(s.ShaftAirTempC);
    const double rhoL = r.ShaftAirDensity;

    // 1. Door resistances left empty follow from the shaft air density.
    r.ShaftDoorResistComputed = IsZeroReal(s.ShaftDoorResist);
    r.ShaftDoorResist = !r.ShaftDoorResistComputed ? s.ShaftDoorResist
                        : rhoL == 0                ? 0
                                                   : kLiftShaftDoorResist / rhoL;
    r.HallDoorResistComputed = IsZeroReal(s.HallDoorResist);
    r.HallDoorResist = !r.HallDoorResistComputed ? s.HallDoorResist
                       : rhoL == 0               ? 0
                                                 : kOrdinaryDoorResist / rhoL;

    // 2. Closed doors of the floors above and below ground.
    const double nFdl2 = std::pow(s.CageCount * s.ShaftDoorArea, 2);
    const double mFdr2 = std::pow(s.HallDoorCount * s.HallDoorArea, 2);
    const double a = IsZeroReal(nFdl2) ? 0 : r.ShaftDoorResist / nFdl2;
    const double b = IsZeroReal(mFdr2) ? 0 : r.HallDoorResist / mFdr2;
    r.ClosedDoorsAbove = s.HallsAbove ? a + b : a;
    r.ClosedDoorsBelow = s.HallsBelow ? a + b : a;

    ComputeFirstFloor();

    // 10. Floor by floor.
    const LiftShaft shaft = s.Shaft;
    const int method = static_cast<int>(s.Method);
    const double g1 = method == 1 ? r.FirstFloorDoorwayFlow : method == 2 ? r.FirstFloorGapFlow : 0;
    r.Floors = LiftShaftFloorPass({
        .AboveFloorCount = shaft == LiftShaft::fedFromBelow ? 0 : s.AboveFloorCount,
        .BelowFloorCount = shaft == LiftShaft::aboveGroundOnly ? 0 : s.BelowFloorCount,
        .ExitsFrom = s.ExitsFrom,
        .ExitsTo = s.ExitsTo,
        .DoorwayOpen = method < 3,
        .FirstFloorFlow = g1,
        .SecondFloorLevel = s.SecondFloorLevel,
        .ShaftDensity = rhoL,
        .InsideDensity = r.Air.InsideAirDensity,
        .AboveFloorHeight = s.AboveFloorHeight,
        .BelowFloorHeight = s.BelowFloorHeight,
        .DoorHeight = s.ShaftDoorHeight,
        .ClosedDoorsAbove = r.ClosedDoorsAbove,
        .ClosedDoorsBelow = r.ClosedDoorsBelow,
        .ExcessPressure = s.ExcessPressure,
        .GapMu = s.GapMu,
        .CageArea = s.CageArea,
        .ShaftArea = s.ShaftArea,
        .AbovePressure = r.AboveGroundPressure,
        .BelowPressure = r.BelowGroundPressure,
        // a shaft fed at the top above ground starts the pass from P_l(2), which already holds
        // the wind: it enters once
        .WindPressure = shaft == LiftShaft::aboveGroundOnly ? 0 : r.Air.WindPressure,
    });

    // 11. Air passing the cage on its way up from the underground part.
    if (shaft != LiftShaft::aboveGroundOnly) {
        const size_t k = static_cast<size_t>(std::max(s.AboveFloorCount - 1, 0));
        const double gap = s.ShaftArea - s.CageArea;
        if (k < r.Floors.size() && rhoL != 0 && s.GapMu != 0 && gap != 0)
            r.CageGapSpeed = r.Floors[k].ShaftFlow / rhoL / s.GapMu / gap;
    }
    r.CageGapLoss = 0.5 * rhoL * r.CageGapSpeed * r.CageGapSpeed;

    // 12. Pressure at the shaft head.
    r.HeadPressure = shaft == LiftShaft::aboveGroundOnly ? r.AboveGroundPressure
                                                         : r.BelowGroundPressure + r.CageGapLoss;
    ComputeFanDuty();
}

// Steps 3 to 9: the gap openings, the 1st floor's pressure and its two flows, the design
// pressures of the parts below and above ground.
void LiftCalc::ComputeFirstFloor() {
    const LiftInputs &s = inputs_;
    LiftResults &r = results_;
    const double g = kG;
    const double rhoA = r.Air.OutsideAirDensity;
    const double rhoR = r.Air.InsideAirDensity;
    const double rhoL = r.ShaftAirDensity;
    const double hdl = s.ShaftDoorHeight;
    const double h2 = s.SecondFloorLevel;
    const double Pplus = s.ExcessPressure;
    const double Pw = r.Air.WindPressure;

    // 3. Gap openings of the open doorway.
    double gapSum = 0;
    for (const LiftGapRow &row : s.GapRows) {
        double mu = row.Value;
        if (row.GivenAsXi) {
            const double root = std::sqrt(std::fabs(row.Value));
            mu = root == 0 ? 0 : 1 / root;
        }
        gapSum += std::fabs(row.Area) * mu;
    }
    r.GapAreaMissing = s.Method == LiftMethod::cageGap && s.GapRows[0].Area == 0;
    r.GapFlowArea = s.CageCount * gapSum;

    // 4. Pressure on the 1st floor.
    r.FirstFloorPressure =
        Pplus - g * (0.5 * hdl + h2) * (rhoL - rhoR) + 0.5 * g * hdl * (rhoA - rhoL) + Pw;

    // 5. Flow through the 1st floor limited by the gap between cage and shaft.
    const double sign1 = r.FirstFloorPressure < 0 ? -1 : 1;
    r.FirstFloorGapFlow =
        r.GapFlowArea * std::sqrt(std::fabs(2 * rhoL * r.FirstFloorPressure)) * sign1;

    // 6. Flow through the open doorway limited by the door openings.
    const double nFdl2 = std::pow(s.CageCount * s.ShaftDoorArea, 2);
    const double mFdr2 = std::pow(s.HallDoorCount * s.HallDoorArea, 2);
    double D = IsZeroReal(nFdl2) ? 0 : r.CageXi / nFdl2;
    if (s.HallOnFirstFloor && mFdr2 != 0)
        D += (s.HallDoorXi + 1) / mFdr2;
    // guard: a negative coefficient sum is taken by its size, never as a root of a negative
    r.FirstFloorDoorwayFlow =
        IsZeroReal(D) ? 0 : std::sqrt(std::fabs(2 * rhoL * r.FirstFloorPressure / D)) * sign1;

    // 8. Underground part (shafts fed through it or from below).
    const double hMinusN = -s.BelowFloorHeight * s.BelowFloorCount;
    const double hMinus1 = -s.BelowFloorHeight;
    r.BelowGroundPressure = Pplus + g * (hMinusN - (hMinus1 + 0.5 * hdl)) * (rhoL - rhoR);

    // 9. Above-ground part (a shaft without an underground part).
    r.AboveGroundPressure = Pplus + Pw - g * (hdl / 2 + h2) * (rhoL - rhoR);
}

// Step 14: the supply duct and the fan's duty point.
void LiftCalc::ComputeFanDuty() {
    const LiftInputs &s = inputs_;
    LiftResults &r = results_;
    const double g = kG;
    const double rhoA = r.Air.OutsideAirDensity;
    const double rhoR = r.Air.InsideAirDensity;
    const double rhoL = r.ShaftAirDensity;
    // the height of the shaft the fan lifts the air through
    double hlN = 0;
    if (s.Shaft == LiftShaft::aboveGroundOnly)
        hlN = (s.AboveFloorCount - 1) * s.AboveFloorHeight + s.SecondFloorLevel;
    else if (s.Shaft == LiftShaft::withUnderground)
        hlN = s.BelowFloorCount * s.BelowFloorHeight + s.SecondFloorLevel +
              (s.AboveFloorCount - 1) * s.AboveFloorHeight;
    else
        hlN = s.BelowFloorCount * s.BelowFloorHeight;

    r.SupplyFlow = r.Floors.empty() ? 0 : r.Floors.front().ShaftFlow;
    r.Duct = SupplyDuct(s.Duct, r.SupplyFlow, rhoA);
    r.FanVolumeFlow = rhoA == 0 ? 0 : 3600 * r.SupplyFlow / rhoA;
    r.FanPressure = rhoA == 0 ? 0
                              : kNormalAirDensity *
                                    (g * hlN * (rhoA - rhoL) + r.HeadPressure +
                                     g * s.IntakeToHeadHeight * (rhoA - rhoR) + r.Duct.Loss) /
                                    rhoA;
}

LiftFloors LiftShaftFloorPass(const LiftShaftPass &a) {
    // Counts beyond the run's limits never reach here; the clamp keeps the pass bounded anyway.
    const int N = std::clamp(a.AboveFloorCount, 1, kMaxFloorCount);
    const int U = std::clamp(a.BelowFloorCount, 0, kMaxFloorCount);
    const int total = N + U;
    LiftFloors result(static_cast<size_t>(total));
    const double g = kG;
    const double rhoL = a.ShaftDensity, rhoR = a.InsideDensity;
    const double hBottom = U == 0 ? 0 : -a.BelowFloorHeight * U;
    double Pg = U == 0 ? a.AbovePressure : a.BelowPressure;
    double h = 0;
    double step = 0;
    double G = 0;
    for (int i = total; i >= 1; --i) {
        const bool first = i == total;
        const int J = i <= N ? N + 1 - i : N - i;
        if (first)
            h = hBottom;
        else if (J == 1)
            h = 0;
        else
            h += step;
        step = J == 1 ? a.SecondFloorLevel : (J < 0 ? a.BelowFloorHeight : a.AboveFloorHeight);
        const double S = J > 0 ? a.ClosedDoorsAbove : a.ClosedDoorsBelow;

        double PL = 0;
        double DG = 0;
        if (J == 1 && a.DoorwayOpen) {
            PL = a.ExcessPressure - 0.5 * g * a.DoorHeight * (rhoL - rhoR);
            DG = a.FirstFloorFlow;
        } else if (J >= a.ExitsFrom && J <= a.ExitsTo) {
            PL = Pg + a.WindPressure + g * (0.5 * a.DoorHeight + h - hBottom) * (rhoL - rhoR);
            DG = S == 0 ? 0 : std::sqrt(std::fabs(PL / S)) * (PL < 0 ? -1 : 1);
        }
        G = first ? DG : G + DG;
        if (!first && J == 1) {
            // the air of the floors below passes the cage and raises the pressure above it
            const double gap = a.ShaftArea - a.CageArea;
            const double X = (a.GapMu == 0 || gap == 0) ? 0 : std::pow(G / a.GapMu / gap, 2);
            Pg = rhoL == 0 ? 0 : Pg + X / (2 * rhoL);
        }
        result[static_cast<size_t>(i - 1)] = {J, h, Pg, PL, DG, G};
    }
    return result;
}

} // namespace orvane::inflow
