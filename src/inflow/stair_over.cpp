// Air supply into an above-ground stairwell of type Н2: the page read into the inputs, the design
// pressure and flows, the floor pass, the supply duct and the fan.
#include "inflow/stair_over.h"

#include <cmath>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/input_read.h"

namespace orvane::inflow {

const std::array<WindowPermeabilityRow, 4> kWindowPermeabilityRows = {{
    {"ΔG10, (кг/ч)/м²", "(кг/ч)/м²", 10, true, false, "Удельная массовая воздухопроницаемость",
     "проёмов при ΔP = 10 Па", "ΔG10"},
    {"ΔQ100, (м³/ч)/м²", "(м³/ч)/м²", 100, true, true, "Удельная объёмная воздухопроницаемость",
     "проёмов при ΔP = 100 Па", "ΔQ100"},
    {"R10, м²/(кг/ч)", "м²/(кг/ч)", 10, false, false,
     "Удельное массовое сопротивление воздухопроницанию", "проёмов при ΔP = 10 Па", "R10"},
    {"R100, м²/(м³/ч)", "м²/(м³/ч)", 100, false, true,
     "Удельное объёмное сопротивление воздухопроницанию", "проёмов при ΔP = 100 Па", "R100"},
}};

namespace {

double Root(double x) {
    return x >= 0 ? std::sqrt(x) : 0;
}

// The window coefficient Kw, kg/(h·m2·Pa^⅔), of the entry as the chosen row states it.
double WindowRowCoef(const WindowPermeabilityRow &row, double entry, double rhoA) {
    double Kw = std::pow(1.0 / row.BasePressure, 2.0 / 3.0);
    if (row.IsPermeability) {
        if (row.IsVolumetric)
            Kw *= rhoA;
        return Kw * entry;
    }
    if (entry == 0)
        return 0; // guard: only reached with no windows in play (the input step refuses it)
    // a volumetric resistance becomes a mass one by the density: ρa/R100, as ΔQ100·ρa
    if (row.IsVolumetric)
        Kw *= rhoA;
    return Kw / entry;
}

const WindowPermeabilityRow &WindowRowOf(const AboveGroundStairInputs &in) {
    const int row = in.WindowRow < 0 || in.WindowRow > 3 ? 0 : in.WindowRow;
    return kWindowPermeabilityRows[static_cast<size_t>(row)];
}

} // namespace

int StairSchemeNumber(bool t1, bool t2, bool t3, bool t4) {
    return 1 + 8 * int(t1) + 4 * int(t2) + 2 * int(t3) + int(t4);
}

AboveGroundStairFloors AboveGroundStairFloorPass(const AboveGroundStairPass &a) {
    const double g = kG;
    const int n1 = a.ZoneFirstFloor < 1 ? 1 : a.ZoneFirstFloor;
    const int n2 = a.ZoneLastFloor < 1 ? a.FloorCount : a.ZoneLastFloor;
    const long long count = static_cast<long long>(n2) - n1 + 1;
    if (count < 1)
        return {};
    AboveGroundStairFloors result(static_cast<size_t>(count));
    const double dRho = a.StairDensity - a.InsideDensity;
    const double hd = a.DoorHeight;

    double Ps = 0, dPd = 0, dGsd = 0, dGsw = 0, Gw = 0, dPs = 0;
    auto windowLeak = [&](double X) {
        Gw = X > 0 ? a.WindowCoef * std::pow(X, 2.0 / 3.0) : 0;
        dGsw = Gw * a.WindowArea / 3600;
    };

    int k = n1;
    double dFloorH = k == 1 ? a.SecondFloorLevel : a.FloorHeight;
    double FloorH = k == 1 ? 0 : a.SecondFloorLevel + (k - 2) * a.FloorHeight;
    if (!a.FirstFloorClosed) {
        Ps = a.DesignPressure;
        dPd = Ps - a.WindTerm + g * (0.5 * hd + FloorH) * dRho;
    }
    double Gs = a.DesignFlow;
    for (long long i = count - 1; i >= 0; --i) {
        if (i != count - 1) {
            ++k;
            FloorH += dFloorH;
            dFloorH = a.FloorHeight;
            if (a.FirstFloorClosed && k == 2) {
                // the design floor of a stairwell whose 1st floor is shut off
                Ps = a.DesignPressure;
                Gs = a.DesignFlow;
                windowLeak(Ps + g * FloorH * (a.OutsideDensity - a.StairDensity));
                dPd = Ps + g * (0.5 * hd + FloorH) * dRho - a.WindTerm;
            } else {
                Ps += dPs;
                windowLeak(Ps + g * FloorH * dRho);
                // the door leakage is driven by the pressure difference of the floor below
                const double t = a.DoorResist == 0 ? 0 : std::sqrt(std::fabs(dPd / a.DoorResist));
                dGsd = dPd < 0 ? -a.DoorArea * t : a.DoorArea * t;
                dPd = Ps + g * (0.5 * hd + FloorH) * dRho - a.WindTerm;
            }
            Gs = Gs + dGsd + dGsw;
        }
        const double v =
            (a.StairDensity == 0 || a.FlightsArea == 0) ? 0 : Gs / a.StairDensity / a.FlightsArea;
        dPs = 0.5 * a.FlightsXi * a.StairDensity * v * v;
        result[static_cast<size_t>(i)] = {k, dFloorH, FloorH, v, dPs, Ps, dPd, dGsd, Gs, dGsw, Gw};
    }
    return result;
}

AboveGroundStairStop AboveGroundStairCalc::Read(RunFrame &frame, InflowInputs &in) {
    AboveGroundStairInputs &s = inputs_;
    s.AdjoinsOutsideWall = in.IsChecked(ctl::rbSWJoinWall);
    s.HasOutsideExit = in.IsChecked(ctl::rbSWWithExit);
    s.FirstFloorSeparate = in.IsChecked(ctl::rbFirstFloorNotJoinSW);
    s.ExitsViaTambours = in.IsChecked(ctl::rbExitsToSWViaTambour);
    if (!ReadCountInput(frame, in, ctl::EditOGFloorQty, kMaxFloorCount, kFloorCountLimitMessage,
                        s.FloorCount))
        return AboveGroundStairStop::floorCount;
    // the zone's floors, clamped into the building (an empty first floor is the 1st)
    int n1 = ReadIntInput(in, ctl::EditSWN1z);
    if (n1 < 1)
        n1 = 1;
    if (n1 > s.FloorCount)
        n1 = s.FloorCount;
    int n2 = ReadIntInput(in, ctl::EditSWN2z);
    if (n2 < 1)
        n2 = s.FloorCount;
    if (n2 > s.FloorCount)
        n2 = s.FloorCount;
    if (n2 < n1)
        n2 = n1;
    s.ZoneFirstFloor = n1;
    s.ZoneLastFloor = n2;
    s.SecondFloorLevel = ReadRealControl(in, ctl::EditSecondFloorLevel);
    s.FloorHeight = ReadRealControl(in, ctl::EditOGFloorHeight);
    if (!ReadCountInput(frame, in, ctl::EditOGStairWellQty, kMaxStairwellCount,
                        kStairwellCountLimitMessage, s.StairwellCount))
        return AboveGroundStairStop::stairwellCount;

    ReadStairAir(in, s.Stairwell);
    ReadStairDoors(in, s.Stairwell, s.HasOutsideExit);
    s.WindowRow = in.ComboIndex(ctl::cbWinPenetrationVar);
    if (s.WindowRow < 0 || s.WindowRow > 3)
        s.WindowRow = 0;
    s.WindowPermeability = ReadRealControl(in, ctl::EditWinPenetration);
    if (s.AdjoinsOutsideWall) {
        s.WindowArea = ReadRealControl(in, ctl::EditWindowArea);
        // guard: a window with no resistance cannot be sized; the leakage would divide by zero
        if (!WindowRowOf(s).IsPermeability && s.WindowPermeability <= 0) {
            frame.Warn("Сопротивление воздухопроницанию оконных проёмов должно быть больше 0.",
                       ctl::EditWinPenetration);
            return AboveGroundStairStop::windowResistance;
        }
    }

    s.ExcessPressure = ReadRealControl(in, ctl::EditOGPplus);
    if (!(s.ExcessPressure >= kMinExcessPressure)) {
        s.ExcessPressure = kMinExcessPressure;
        in.SetText(ctl::EditOGPplus, FormatGeneral(s.ExcessPressure));
        frame.Warn("Избыточное давление, принятое к расчёту изменено на 20 Па.\r    P⁺ ≥ 20",
                   ctl::EditOGPplus);
    }
    s.IntakeToHeadHeight = ReadRealControl(in, ctl::EditOGH0s);
    s.Duct = ReadDuctInputs(in, {ctl::EditOGSizeA, ctl::EditOGSizeB, ctl::EditOGAPipeLen,
                                 ctl::rbOGRectAPipe, ctl::EditOGAPipeEpsilon, ctl::EditOGAPipeXi});
    return AboveGroundStairStop::none;
}

bool AboveGroundStairCalc::ReadInputs(RunFrame &frame, InflowInputs &in, RtfStream &report) {
    const AboveGroundStairStop stop = Read(frame, in);
    WriteAboveGroundStairInputs(report, inputs_, stop);
    return stop == AboveGroundStairStop::none;
}

void AboveGroundStairCalc::Calculate(RunFrame &, RtfStream &report) {
    Compute();
    WriteAboveGroundStairReport(report, inputs_, results_);
}

void AboveGroundStairCalc::Compute() {
    const AboveGroundStairInputs &s = inputs_;
    const StairwellInputs &stair = s.Stairwell;
    AboveGroundStairResults &r = results_;
    const double g = kG;

    // 1. Air
    ComputeStairAir(stair, r.Stairwell);
    const double rhoA = r.Stairwell.Air.OutsideAirDensity;
    const double rhoR = r.Stairwell.Air.InsideAirDensity;
    const double rhoS = r.Stairwell.StairAirDensity;
    const double rowKw = WindowRowCoef(WindowRowOf(s), s.WindowPermeability, rhoA);
    ComputeWindowNorm(rowKw);
    ComputeDesignFloor();

    // 8..10. The floor pass: the wind and the windows act where the stairwell is on an outside
    // wall; a 1st floor shut off moves the design floor to the 2nd
    const bool T1 = s.AdjoinsOutsideWall;
    r.WindowCoef = T1 ? rowKw : 0;
    r.Floors = AboveGroundStairFloorPass({
        .DesignPressure = r.DesignPressure,
        .DesignFlow = r.Stairwell.DesignFlow,
        .FloorCount = s.FloorCount,
        .ZoneFirstFloor = s.ZoneFirstFloor,
        .ZoneLastFloor = s.ZoneLastFloor,
        .WindowArea = s.WindowArea,
        .WindowCoef = r.WindowCoef,
        .WindTerm = T1 ? r.Stairwell.Air.WindPressure : 0,
        .FirstFloorClosed = s.FirstFloorSeparate && s.ZoneFirstFloor < 2,
        .DoorHeight = stair.FloorDoorHeight,
        .SecondFloorLevel = s.SecondFloorLevel,
        .FloorHeight = s.FloorHeight,
        .DoorResist = stair.ClosedDoorResist,
        .DoorArea = stair.FloorDoorArea,
        .FlightsXi = stair.FlightsXi,
        .OutsideDensity = rhoA,
        .InsideDensity = rhoR,
        .StairDensity = rhoS,
        .FlightsArea = stair.FlightsArea,
    });

    // 11. Head of the stairwell
    r.HeadFlow = r.Floors.empty() ? 0 : r.Floors[0].StairFlow;
    r.HeadPressure = r.Floors.empty() ? 0 : r.Floors[0].StairLoss + r.Floors[0].StairPressure;
    r.ServedHeight = 0;
    for (const AboveGroundStairFloor &f : r.Floors)
        r.ServedHeight += f.StepUp;

    // 12. Supply duct and fan
    r.Duct = SupplyDuct(s.Duct, r.HeadFlow, rhoA);
    r.FanVolumeFlow = rhoA == 0 ? 0 : 3600 * r.HeadFlow / rhoA;
    r.FanPressure = rhoA == 0 ? 0
                              : 1.2 *
                                    (r.ServedHeight * g * (rhoA - rhoS) + r.HeadPressure +
                                     s.IntakeToHeadHeight * g * (rhoA - rhoR) + r.Duct.Loss) /
                                    rhoA;
}

// 2. Window normalisation (reported only): the entry of any row becomes the mass permeability
// Gн at 10 Pa (`rowKw` times 10^⅔), the quantity the normalised resistance is defined by.
void AboveGroundStairCalc::ComputeWindowNorm(double rowKw) {
    const AboveGroundStairInputs &s = inputs_;
    const AirInputs &air = s.Stairwell.Air;
    AboveGroundStairResults &r = results_;
    r.BuildingHeight =
        s.FloorCount < 1 ? 0 : s.SecondFloorLevel + s.FloorHeight * (s.FloorCount - 1);
    r.OutsideAirSpecWeight = SpecificWeight(air.OutsideAirTempC);
    r.InsideAirSpecWeight = SpecificWeight(air.InsideAirTempC);
    const double va = air.WindSpeed;
    r.NormPressureDiff =
        0.55 * r.BuildingHeight * (r.OutsideAirSpecWeight - r.InsideAirSpecWeight) +
        0.03 * r.InsideAirSpecWeight * va * va;
    r.WindowNormPermeability = rowKw * std::pow(10.0, 2.0 / 3.0);
    r.WindowNormResist =
        (r.WindowNormPermeability > 0 && r.NormPressureDiff / 10 > 0)
            ? std::pow(r.NormPressureDiff / 10, 2.0 / 3.0) / r.WindowNormPermeability
            : 0;
}

// 3..6. The design floor: the candidate pressures, the design pressure of the scheme, the flows
// through the outside exit and the open doorway, and the flow taken.
void AboveGroundStairCalc::ComputeDesignFloor() {
    const AboveGroundStairInputs &s = inputs_;
    const StairwellInputs &stair = s.Stairwell;
    AboveGroundStairResults &r = results_;
    const double g = kG;
    const bool T1 = s.AdjoinsOutsideWall, T2 = s.HasOutsideExit, T3 = s.FirstFloorSeparate,
               T4 = s.ExitsViaTambours;
    const double hd = stair.FloorDoorHeight, h2 = s.SecondFloorLevel, dh = s.FloorHeight;
    const double Pplus = s.ExcessPressure;
    const double rhoA = r.Stairwell.Air.OutsideAirDensity;
    const double rhoR = r.Stairwell.Air.InsideAirDensity;
    const double rhoS = r.Stairwell.StairAirDensity;
    const double Pw = r.Stairwell.Air.WindPressure;

    // 3. Candidate design pressures
    const double dRho = rhoS - rhoR;
    const int zoneFirst = s.ZoneFirstFloor;
    r.SecondFloorDoorPressure = Pplus - g * (0.5 * hd + h2) * dRho;
    r.SecondFloorDoorPressureWithWind = r.SecondFloorDoorPressure + Pw;
    r.FirstFloorDoorPressure = Pplus - 4.905 * hd * dRho;
    r.FirstFloorDoorPressureWithWind = r.FirstFloorDoorPressure + Pw;
    r.ZoneDoorPressure = Pplus - g * (0.5 * hd + h2 + (zoneFirst - 2) * dh) * dRho;

    // 4. Design pressure: door on the 2nd floor exactly when T3, wind in schemes 11, 13..16
    const bool zoneAbove = zoneFirst > 1;
    const int D = StairSchemeNumber(T1, T2, T3, T4);
    const bool withWind = D == 11 || D >= 13;
    if (zoneAbove)
        r.DesignPressure = r.ZoneDoorPressure;
    else if (T3)
        r.DesignPressure = withWind ? r.SecondFloorDoorPressureWithWind : r.SecondFloorDoorPressure;
    else
        r.DesignPressure = withWind ? r.FirstFloorDoorPressureWithWind : r.FirstFloorDoorPressure;

    // 5. Outside exit flows
    const double hda = stair.ExitDoorHeight;
    const double exitXi = stair.ExitDoorsInSeries * stair.ExitDoorXi + stair.ExitTambourXi + 1;
    const double Fda2 = stair.ExitDoorArea * stair.ExitDoorArea;
    const double FS2 = stair.FlightsArea * stair.FlightsArea;
    double S = Fda2 == 0 ? 0 : exitXi / Fda2;
    if (FS2 != 0)
        S += stair.FlightsXi / FS2;
    if (S != 0)
        S = 2 * rhoS / S;
    const double GA =
        Root(S * (Pw + Pplus - g * (0.5 * hd + h2) * dRho + 4.905 * hda * (rhoA - rhoS)));
    S = Fda2 == 0 ? 0 : exitXi / Fda2;
    if (S != 0)
        S = 2 * rhoS / S;
    const double GB = Root(S * (Pw + Pplus + 4.905 * hda * (rhoA - rhoS)));
    r.Stairwell.ExitFlow = (!T2 || zoneAbove) ? 0 : (T3 ? GA : GB);

    // 6. Stairwells and the flow at the design door
    r.Stairwell.CountedStairwells = CountedStairwells(s.StairwellCount);
    r.DoorwayShareFlow = (T3 && T4) ? 0 : stair.SmokeMassFlow / r.Stairwell.CountedStairwells;
    r.Stairwell.DesignFlow =
        r.DoorwayShareFlow < r.Stairwell.ExitFlow ? r.Stairwell.ExitFlow : r.DoorwayShareFlow;
}

} // namespace orvane::inflow
