// Air supply into tambour-airlocks (and lift halls, safe-zone rooms) from a vertical channel:
// the page read into the inputs, the protected room and its valve, the channel pass floor by
// floor, the intake duct, the fan and the heater of a heated supply.
#include "inflow/tambour.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/input_read.h"

namespace orvane::inflow {

namespace {

// Leakage through walls grows with the pressure difference to the power 0.65, in either
// direction.
double SignedPow065(double x) {
    return x < 0 ? -std::pow(-x, 0.65) : std::pow(x, 0.65);
}

// The quotient under a door's square root: a zero resistance or a negative quotient lets nothing
// through.
double DoorRoot(double pressure, double resist) {
    if (IsZeroReal(resist))
        return 0;
    const double q = pressure / resist;
    return q < 0 ? 0 : std::sqrt(q);
}

// Step to the next floor up and valve section, by floor number (there is no floor 0).
double FloorStep(int n, double h2, double dhNE, double dhPE) {
    return n == 1 ? h2 : (n < 0 ? dhPE : dhNE);
}
double ValveStep(int n, double h2, double dhNE, double dhPE) {
    return n == -1 ? h2 : (n > 0 ? dhNE : dhPE);
}

double Reynolds(double v, double Dm, double nu) {
    return nu == 0 ? 0 : v * Dm / nu * 1e6;
}

} // namespace

double TambourAirViscosity(double t) {
    const double T = t + kCelsiusZero;
    return T <= 0 ? 0 : 0.0502089504749603 * T * std::pow(T / kCelsiusZero, 0.541036173078109);
}

TambourStop TambourCalc::Read(RunFrame &frame, InflowInputs &in) {
    TambourInputs &s = inputs_;
    s.Condition = in.IsChecked(ctl::rbTmbrVar2)   ? TambourCondition::closedDoors
                  : in.IsChecked(ctl::rbTmbrVar3) ? TambourCondition::heatedSupply
                                                  : TambourCondition::openDoor;
    s.Air.OutsideAirTempC = ReadRealControl(in, ctl::EditTmbrOutsideAirTemp);
    s.Air.InsideAirTempC = ReadRealControl(in, ctl::EditTmbrInsideAirTemp);
    s.HeatedAirTempC = ReadRealControl(in, ctl::EditTmbrHeatAirTemp);
    // the adjoining shaft's air is shown with the air where there is a shaft
    s.ShaftDoorArea = std::max(0.0, ReadRealControl(in, ctl::EditTmbrShaftDoorArea));
    s.ShaftAirTempC = (s.Air.OutsideAirTempC + s.Air.InsideAirTempC) / 2;
    s.Air.WindSpeed = ReadRealControl(in, ctl::EditTmbrWindSpeed);
    s.Air.WindwardCoef = ReadRealControl(in, ctl::EditTmbrKoefWW);
    s.Air.LeewardCoef = ReadRealControl(in, ctl::EditTmbrKoefW0);
    if (!ReadCountInput(frame, in, ctl::EditTmbrOGFloorQty, kMaxFloorCount, kFloorCountLimitMessage,
                        s.AboveFloorCount))
        return TambourStop::aboveFloorCount;
    if (!ReadCountInput(frame, in, ctl::EditTmbrUGFloorQty, kMaxFloorCount, kFloorCountLimitMessage,
                        s.BelowFloorCount))
        return TambourStop::belowFloorCount;
    s.SecondFloorLevel = ReadRealControl(in, ctl::EditTmbrSecondFloorLevel);
    s.AboveFloorHeight = ReadRealControl(in, ctl::EditTmbrOGFloorHeight);
    s.BelowFloorHeight = std::fabs(ReadRealControl(in, ctl::EditTmbrUGFloorHeight));
    ReadRoomAndChannel(frame, in);
    return TambourStop::none;
}

void TambourCalc::ReadRoomAndChannel(RunFrame &frame, InflowInputs &in) {
    TambourInputs &s = inputs_;
    s.DoorCount = ReadIntInput(in, ctl::EditTmbrDoorQty);
    s.DoorArea = ReadRealControl(in, ctl::EditTmbrDoorArea);
    s.DoorHeight = ReadRealControl(in, ctl::EditTmbrDoorHeight);
    // reported for the record; the open door's flow is sized by the air velocity instead
    s.DoorMu = ReadRealControl(in, ctl::EditTmbrDoorMu);
    s.DoorAirSpeed = ReadRealControl(in, ctl::EditTmbrDoorAirSpeed);
    s.DoorResist = ReadRealControl(in, ctl::EditTmbrDoorSpecResist);
    s.ExcessPressure = ReadRealControl(in, ctl::EditTmbrPplus);
    if (!(s.ExcessPressure >= kMinExcessPressure)) {
        s.ExcessPressure = kMinExcessPressure;
        in.SetText(ctl::EditTmbrPplus, FormatGeneral(s.ExcessPressure));
        frame.Warn("Избыточное давление изменено на 20 Па.\r    P⁺ ≥ 20", ctl::EditTmbrPplus);
    }
    s.ValveArea = ReadRealControl(in, ctl::EditTmbrValveArea);
    s.ValveXi = ReadRealControl(in, ctl::EditTmbrValveXi);
    s.ValveResist = ReadRealControl(in, ctl::EditTmbrValveSpecResist);
    s.FirstValveHeight = ReadRealControl(in, ctl::EditTmbrValve1H);
    s.ShaftDoorArea = std::max(0.0, ReadRealControl(in, ctl::EditTmbrShaftDoorArea));
    s.ShaftDoorResist = std::max(0.0, ReadRealControl(in, ctl::EditTmbrShaftDoorSpecResist));
    s.ChannelSizeA = ReadRealControl(in, ctl::EditTmbrSizeA);
    s.ChannelSizeB = ReadRealControl(in, ctl::EditTmbrSizeB);
    s.ChannelIsRect = in.IsChecked(ctl::rbTmbrRectVPipe);
    s.ChannelRoughness = ReadRealControl(in, ctl::EditTmbrVPipeEpsilon);
    s.ChannelLeakage = ReadRealControl(in, ctl::EditTmbrVPipeProof);
    s.ChannelTopHeight = ReadRealControl(in, ctl::EditTmbrVPipeHTop);
    s.IntakeToHeadHeight = ReadRealControl(in, ctl::EditTmbrH0);
    s.IntakeDuctLength = ReadRealControl(in, ctl::EditTmbrAPipeLen);
    s.IntakeDuctDiameter = ReadRealControl(in, ctl::EditTmbrAPipeDiam);
    s.IntakeDuctXi = ReadRealControl(in, ctl::EditTmbrAPipeXi);
}

bool TambourCalc::ReadInputs(RunFrame &frame, InflowInputs &in, RtfStream &report) {
    const TambourStop stop = Read(frame, in);
    WriteTambourInputs(report, inputs_, stop);
    return stop == TambourStop::none;
}

void TambourCalc::Calculate(RunFrame &, RtfStream &report) {
    Compute();
    WriteTambourReport(report, inputs_, results_);
}

void TambourCalc::Compute() {
    const TambourInputs &s = inputs_;
    TambourResults &r = results_;
    r.Calculated = true;
    const TambourCondition condition = s.Condition;
    const double g = kG;
    const double ta = s.Air.OutsideAirTempC;
    const double tsf = s.HeatedAirTempC;

    // 1.-2. Densities and wind.
    r.OutsideAirDensity = AirDensity(ta);
    r.InsideAirDensity = AirDensity(s.Air.InsideAirTempC);
    r.HeatedAirDensity = AirDensity(tsf);
    r.ShaftAirDensity = AirDensity(s.ShaftAirTempC);
    const double rhoA = r.OutsideAirDensity;
    const double rhoSf = condition == TambourCondition::heatedSupply ? r.HeatedAirDensity : rhoA;
    const double va2 = s.Air.WindSpeed * s.Air.WindSpeed;
    r.InsideWindPressure = 0.5 * (s.Air.WindwardCoef + s.Air.LeewardCoef) * rhoA * va2;
    r.LeewardPressure = 0.5 * s.Air.LeewardCoef * rhoA * va2;

    // 3. Door resistances left empty.
    r.DoorResistComputed = IsZeroReal(s.DoorResist);
    r.DoorResist = !r.DoorResistComputed ? s.DoorResist
                   : rhoSf == 0          ? 0
                                         : kOrdinaryDoorResist / rhoSf;
    r.ShaftDoorResistComputed = s.ShaftDoorResist == 0;
    r.ShaftDoorResist = !r.ShaftDoorResistComputed ? s.ShaftDoorResist
                        : rhoSf == 0               ? 0
                                                   : kLiftShaftDoorResist / rhoSf;

    // 4. Channel section.
    const DuctSectionResult channel = DuctSection(s.ChannelIsRect, s.ChannelSizeA, s.ChannelSizeB);
    r.ChannelArea = channel.F;
    r.ChannelEquivDiameter = channel.De;

    // 5.-8. The protected room and its open valve.
    const double Pplus = s.ExcessPressure;
    const double dRho = s.ShaftDoorArea > 0 ? rhoA - r.InsideAirDensity : r.ShaftAirDensity - rhoSf;
    r.RoomPressure = Pplus - 0.5 * s.DoorHeight * g * dRho;
    if (condition == TambourCondition::openDoor)
        r.RoomFlow = s.DoorAirSpeed * rhoA * s.DoorArea;
    else
        r.RoomFlow = s.DoorCount * s.DoorArea * DoorRoot(Pplus, r.DoorResist) +
                     s.ShaftDoorArea * DoorRoot(Pplus, r.ShaftDoorResist);
    r.RoomVolumeFlow = rhoA == 0 ? 0 : 3600 * r.RoomFlow / rhoA;
    r.ValveSpeed = (rhoSf == 0 || s.ValveArea == 0) ? 0 : r.RoomFlow / rhoSf / s.ValveArea;
    r.ValveLoss = 0.5 * s.ValveXi * rhoSf * r.ValveSpeed * r.ValveSpeed;

    // 9. Kinematic viscosity, mm2/s.
    const double tNu = condition == TambourCondition::heatedSupply ? std::max(tsf, ta) : ta;
    ComputeChannelAndFan(rhoSf, TambourAirViscosity(tNu));
}

// Steps 10 to 18: the channel floor by floor, its top above the top valve, the intake duct, the
// head pressure, the fan and the heater.
void TambourCalc::ComputeChannelAndFan(double rhoSf, double nu) {
    const TambourInputs &s = inputs_;
    TambourResults &r = results_;
    const double g = kG;
    const double rhoA = r.OutsideAirDensity;
    const double DeM = r.ChannelEquivDiameter / 1000;

    // 10.-11. Wall leakage and the floor pass.
    const double perimeter = s.ChannelIsRect ? 2 * (s.ChannelSizeA / 1000 + s.ChannelSizeB / 1000)
                                             : std::numbers::pi * s.ChannelSizeA / 1000;
    TambourChannelPass pass;
    pass.BelowFloorCount = s.BelowFloorCount;
    pass.FloorCount = std::max(s.AboveFloorCount, 1) + s.BelowFloorCount;
    pass.SecondFloorLevel = s.SecondFloorLevel;
    pass.AboveFloorHeight = s.AboveFloorHeight;
    pass.BelowFloorHeight = s.BelowFloorHeight;
    pass.InsideDensity = r.InsideAirDensity;
    pass.SupplyDensity = rhoSf;
    pass.Roughness = s.ChannelRoughness;
    pass.Viscosity = nu;
    pass.EquivDiameterM = DeM;
    pass.Perimeter = perimeter;
    pass.Area = r.ChannelArea;
    pass.WallLeakage = s.ChannelLeakage * rhoSf / 3600;
    pass.ValveArea = s.ValveArea;
    pass.ValveResist = s.ValveResist;
    pass.FirstValveHeight = s.FirstValveHeight;
    pass.OpenValveLoss = r.ValveLoss;
    pass.RoomFlow = r.RoomFlow;
    pass.RoomPressure = r.RoomPressure;
    r.Floors = TambourChannelFloorPass(pass);

    // 12. Head of the channel above the top valve.
    r.TopFlow = r.Floors.empty() ? 0 : r.Floors.front().ChannelFlow;
    r.TopSpeed = r.Floors.empty() ? 0 : r.Floors.front().ChannelSpeed;
    const double fTop =
        ColebrookLambda(0.1, r.ChannelEquivDiameter, Reynolds(r.TopSpeed, DeM, nu), 0, 0);
    const double lambdaTop = IsZeroReal(DeM) ? 0 : fTop * s.ChannelTopHeight / DeM;
    r.TopLoss = 0.5 * lambdaTop * rhoA * r.TopSpeed * r.TopSpeed;

    // 13.-14. Channel height and the intake duct.
    r.ChannelHeight = 0;
    for (const TambourFloor &f : r.Floors)
        r.ChannelHeight += f.ValveStep;
    const double Dvv = s.IntakeDuctDiameter;
    r.IntakeDuctArea = std::numbers::pi * std::pow(Dvv / 2000, 2);
    r.IntakeDuctSpeed =
        (rhoA == 0 || r.IntakeDuctArea == 0) ? 0 : r.TopFlow / rhoA / r.IntakeDuctArea;
    const double Dm = Dvv / 1000;
    double zeta = 0;
    if (Dm != 0) {
        const double f = ColebrookLambda(0.1, Dvv, Reynolds(r.IntakeDuctSpeed, Dm, nu), 0.1, 100);
        zeta = f * s.IntakeDuctLength / Dm + s.IntakeDuctXi;
    }
    r.IntakeDuctLoss = 0.5 * zeta * rhoA * r.IntakeDuctSpeed * r.IntakeDuctSpeed;

    // 15.-18. Head pressure, fan, heater. The channel's own stack g·hN·(ρa − ρsf) enters the
    // fan pressure once, through PN; the intake duct adds the stack of its height h0s.
    r.HeadPressure = r.ChannelHeight * g * (rhoA - rhoSf) - r.LeewardPressure;
    r.FanVolumeFlow = rhoA == 0 ? 0 : 3600 * r.TopFlow / rhoA;
    r.FanPressure =
        (IsZeroReal(rhoA) || r.Floors.empty())
            ? 0
            : kNormalAirDensity *
                  (r.Floors.front().ChannelPressure + r.HeadPressure +
                   s.IntakeToHeadHeight * g * (rhoA - rhoSf) + r.IntakeDuctLoss + r.TopLoss) /
                  rhoA;
    const double dt = std::max(s.HeatedAirTempC - s.Air.OutsideAirTempC, 0.0);
    r.HeaterPower = rhoA * r.FanVolumeFlow / 3600 * dt;
}

TambourFloors TambourChannelFloorPass(const TambourChannelPass &a) {
    // Counts beyond the run's limits never reach here; the clamp keeps the pass bounded anyway.
    const int count = std::min(a.FloorCount, 2 * kMaxFloorCount + 1);
    if (count <= 0)
        return {};
    TambourFloors result(static_cast<size_t>(count));
    const double g = kG;
    const int U = std::max(a.BelowFloorCount, 0);
    const double h2 = a.SecondFloorLevel, dhNE = a.AboveFloorHeight, dhPE = a.BelowFloorHeight;
    const double hBottom = -dhPE * U;
    const double DeM = a.EquivDiameterM;
    const double DeMm = DeM * 1000;
    const double rhoSF = a.SupplyDensity;
    auto flowSpeed = [&](double G) { return (rhoSF == 0 || a.Area == 0) ? 0 : G / rhoSF / a.Area; };

    // The lowest floor is the design floor: its valve is open.
    int n = U == 0 ? 1 : -U;
    double dhfloor = FloorStep(n, h2, dhNE, dhPE);
    double dhvlv = ValveStep(n, h2, dhNE, dhPE);
    double hfloor = hBottom;
    double hvlv = hfloor + dhfloor + a.FirstValveHeight - h2;
    double Psh = a.RoomPressure + a.OpenValveLoss;
    double dGsh = SignedPow065(a.OpenValveLoss) * dhvlv * a.Perimeter * a.WallLeakage;
    double Gsh = a.RoomFlow + dGsh;
    double vsh = flowSpeed(a.RoomFlow);
    double dGvlv = 0;
    double D = a.OpenValveLoss;
    auto store = [&](int index) {
        result[static_cast<size_t>(index)] = {n,   dhfloor, dhvlv, hfloor, hvlv, Psh,
                                              Gsh, vsh,     D,     dGsh,   dGvlv};
    };
    store(count - 1);

    for (int index = count - 2; index >= 0; --index) {
        n = n == -1 ? 1 : n + 1;
        hfloor += dhfloor;
        hvlv += dhvlv;
        dhfloor = FloorStep(n, h2, dhNE, dhPE);
        dhvlv = ValveStep(n, h2, dhNE, dhPE);
        // closed valve and channel walls leak with the pressure difference left at the floor below
        dGsh = std::pow(std::fabs(D), 0.65) * dhvlv * a.Perimeter * a.WallLeakage;
        dGvlv = a.ValveArea * (a.ValveResist == 0 ? 0 : std::sqrt(std::fabs(D / a.ValveResist)));
        if (D < 0) {
            dGsh = -dGsh;
            dGvlv = -dGvlv;
        }
        Gsh += dGsh + dGvlv;
        vsh = flowSpeed(Gsh);
        const double lambda =
            ColebrookLambda(a.Roughness, DeMm, Reynolds(vsh, DeM, a.Viscosity), 0.00001, 1000);
        if (DeM != 0)
            Psh += 0.5 * lambda * dhvlv / DeM * rhoSF * vsh * vsh;
        D = Psh + (hvlv - hBottom) * g * (rhoSF - a.InsideDensity);
        store(index);
    }
    return result;
}

} // namespace orvane::inflow
