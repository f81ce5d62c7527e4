#include "exhaust/network_calc.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "core/number_text.h"
#include "exhaust/exhaust_calc.h"
#include "exhaust/network_report.h"

namespace orvane::exhaust {

namespace {

// Bisection stops at these widths; the step caps only matter for brackets so wide (or values
// so large) that halving can no longer shrink them to the width.
constexpr double kNarrowWidth = 0.01;
constexpr double kSolveHalfWidth = 0.001;
constexpr int kMaxHalvings = 2000;
constexpr double kFireBranchBracket = 100000;
constexpr double kColebrookLo = -100;
constexpr double kColebrookHi = 100;

bool IsTop(int i, const ShaftContext &ctx) {
    return i == ctx.Count - 1;
}
bool IsMiddle(int i, const ShaftContext &ctx) {
    return i > 0 && i < ctx.Count - 1;
}

NetworkSegment &Seg(NetworkSegments &segs, int i) {
    return segs[static_cast<size_t>(i)];
}

bool AllFinite(const NetworkSegment &s) {
    const double values[] = {s.ValveArea,
                             s.ValveResistCoef,
                             s.NodeResistCoef,
                             s.ValveSpecResist,
                             s.ValveGasSpeed,
                             s.ValvePressureLoss,
                             s.Aww,
                             s.Bww,
                             s.Fww,
                             s.Deww,
                             s.Lww,
                             s.ZETAww,
                             s.Sww,
                             s.HorCoefA,
                             s.HorCoefB,
                             s.LAMDAww,
                             s.EPSILONww,
                             s.HorGasSpeed,
                             s.Ash,
                             s.Bsh,
                             s.Fsh,
                             s.Desh,
                             s.Lsh,
                             s.ZETAsh,
                             s.Ssh,
                             s.CoefA,
                             s.CoefB,
                             s.LAMDAsh,
                             s.EPSILONsh,
                             s.h,
                             s.Pnn,
                             s.Pnz,
                             s.Pw,
                             s.Psh,
                             s.Lpg,
                             s.Gfsh,
                             s.Gfww,
                             s.Gfkl,
                             s.Gf,
                             s.Ga,
                             s.Gsh,
                             s.ToK,
                             s.RHOpg,
                             s.Vww,
                             s.Vsh,
                             s.DeltaPww,
                             s.DeltaPsh,
                             s.NU,
                             s.Reww,
                             s.Resh};
    return std::all_of(std::begin(values), std::end(values),
                       [](double v) { return std::isfinite(v); });
}

} // namespace

double MaterialRoughness(DuctMaterial m) {
    switch (m) {
    case DuctMaterial::concrete:
        return 1;
    case DuctMaterial::brick:
        return 4;
    case DuctMaterial::plaster:
        return 10;
    default:
        return 0.1;
    }
}

double MixtureViscosity(double T) {
    const double m = (T - 273) / 1000;
    return (63.7637362637362 * m * m + 99.05 * m + 11.1065934065934) / 1e6;
}

Residual ColebrookResidual(double x, double eps, double D, double Re) {
    if (D == 0 || Re == 0)
        return {0, false};
    const double g = eps / 3700 / D + 2.51 * x / Re;
    if (!(g > 0))
        return {0, false};
    return {x + 2 * std::log10(g), true};
}

void NarrowToValid(const ResidualFn &f, double &lo, double &hi) {
    if (!f(lo).valid) {
        double t = lo;
        bool found = false;
        for (int k = 1; k <= 7 && !found; ++k) {
            t = lo + (hi - lo) * k / 8;
            found = f(t).valid;
        }
        if (!found)
            return;
        double r = lo; // invalid
        double s = t;  // valid
        for (int n = 0; s - r > kNarrowWidth && n < kMaxHalvings; ++n) {
            const double mid = (r + s) / 2;
            if (f(mid).valid)
                s = mid;
            else
                r = mid;
        }
        lo = s;
    }
    if (!f(hi).valid) {
        double r = lo; // valid
        double s = hi; // invalid
        for (int n = 0; s - r > kNarrowWidth && n < kMaxHalvings; ++n) {
            const double mid = (r + s) / 2;
            if (f(mid).valid)
                r = mid;
            else
                s = mid;
        }
        hi = r;
    }
}

BracketResult SolveBracketed(const ResidualFn &f, double lo, double hi) {
    BracketResult result;
    if (!std::isfinite(lo) || !std::isfinite(hi))
        return result;
    NarrowToValid(f, lo, hi);
    const Residual flo = f(lo);
    if (!flo.valid)
        return result;
    const Residual fhi = f(hi);
    if (!fhi.valid || flo.value * fhi.value > 0)
        return result;
    double m = lo;
    Residual fm;
    for (int n = 0; n < kMaxHalvings; ++n) {
        m = (lo + hi) / 2;
        fm = f(m);
        if (hi - m <= kSolveHalfWidth)
            break;
        if (flo.value * fm.value > 0)
            lo = m;
        else
            hi = m;
    }
    result.ok = true;
    result.x = m;
    result.f = fm.value;
    return result;
}

void SegmentNodeState(NetworkSegments &segs, int i, const ShaftContext &ctx) {
    NetworkSegment &s = Seg(segs, i);
    const double d = std::fabs(s.Pw - s.Psh);
    s.Gfsh = ctx.InsideAirDensity / 3600 * s.Ssh * s.CoefA * std::pow(d, s.CoefB);
    s.Gfww = ctx.InsideAirDensity / 3600 * s.Sww * s.HorCoefA * std::pow(d, s.HorCoefB);
    if (IsMiddle(i, ctx))
        s.Gfkl = s.ValveArea * std::sqrt(s.ValveSpecResist != 0 ? d / s.ValveSpecResist : 0);
    else
        s.Gfkl = 0;
    s.Gf = s.Gfsh + s.Gfww + s.Gfkl;
    s.Ga = i == 0 ? s.Gf : Seg(segs, i - 1).Ga + s.Gf;
    s.Gsh = ctx.GasMassFlow + s.Ga;
    const double numerator = ctx.RoomAirTempK * s.Ga + ctx.MeanSmokeTemp * ctx.GasMassFlow;
    const double total = ctx.GasMassFlow + s.Ga;
    s.ToK = total != 0 ? numerator / total : numerator;
    s.RHOpg = s.ToK != 0 ? 353 / s.ToK : 10;
    s.NU = MixtureViscosity(s.ToK);
    if (i == 0 || IsTop(i, ctx)) {
        const double product = s.RHOpg * s.Fww;
        s.Vww = product != 0 ? s.Gsh / product : 0;
    } else {
        s.Vww = 0;
    }
    s.Reww = s.NU != 0 ? s.Vww * s.Deww / s.NU : 0;
}

Residual FireBranchResidual(NetworkSegments &segs, const ShaftContext &ctx, double P, double sign) {
    NetworkSegment &s = Seg(segs, 0);
    s.Psh = P;
    SegmentNodeState(segs, 0, ctx);
    s.DeltaPww = s.Pnn - s.ValvePressureLoss - P;
    bool valid = true;
    if (s.RHOpg != 0 && s.Vww != 0 && s.Lww != 0) {
        s.LAMDAww = (2 * s.DeltaPww / s.RHOpg / (s.Vww * s.Vww) - s.ZETAww) * s.Deww / s.Lww;
    } else {
        s.LAMDAww = 0;
        valid = false;
    }
    double x = 0;
    if (s.LAMDAww > 0)
        x = sign / std::sqrt(s.LAMDAww);
    else
        valid = false;
    if (s.Deww == 0 || s.Reww == 0)
        return {10, false};
    const double g = s.EPSILONww / 3700 / s.Deww + 2.51 * x / s.Reww;
    if (!(g > 0))
        return {10, false};
    return {x + 2 * std::log10(g), valid};
}

bool CalcShaftPart(NetworkSegments &segs, int i, const ShaftContext &ctx, double &resultX,
                   double &resultF) {
    if (i < 0 || i >= ctx.Count || i >= static_cast<int>(segs.size()))
        return false;
    NetworkSegment &s = Seg(segs, i);
    const bool horFlag = s.Fww > 0 && s.Lww > 0;
    bool solved = true;
    if (i == 0) {
        if (horFlag) {
            const double top = std::min(s.Pnn - s.ValvePressureLoss, s.Pw);
            BracketResult r;
            for (double sign : {1.0, -1.0}) {
                r = SolveBracketed([&](double P) { return FireBranchResidual(segs, ctx, P, sign); },
                                   top - kFireBranchBracket, top);
                if (r.ok)
                    break;
            }
            solved = r.ok;
            if (r.ok) {
                resultX = r.x;
                resultF = r.f;
            }
        } else {
            s.DeltaPww = 0;
            s.Psh = s.Pnn - s.ValvePressureLoss;
            SegmentNodeState(segs, 0, ctx);
            s.LAMDAww = 0;
        }
    } else {
        const NetworkSegment &below = Seg(segs, i - 1);
        s.Psh = below.Psh - below.DeltaPsh;
        SegmentNodeState(segs, i, ctx);
        double x = 0;
        if (IsTop(i, ctx) && horFlag) {
            const BracketResult r = SolveBracketed(
                [&](double v) { return ColebrookResidual(v, s.EPSILONww, s.Deww, s.Reww); },
                kColebrookLo, kColebrookHi);
            solved = r.ok;
            if (r.ok) {
                x = r.x;
                resultX = r.x;
                resultF = r.f;
            }
        }
        s.LAMDAww = x != 0 ? 1 / (x * x) : 0;
        s.DeltaPww = s.Deww != 0
                         ? 0.5 * s.RHOpg * s.Vww * s.Vww * (s.LAMDAww * s.Lww / s.Deww + s.ZETAww)
                         : 0;
    }

    if (solved && ctx.CalcWithShaft) {
        const double product = s.RHOpg * s.Fsh;
        s.Vsh = product != 0 ? s.Gsh / product : 0;
        s.Resh = s.NU != 0 ? s.Vsh * s.Desh / s.NU : 0;
        const BracketResult r = SolveBracketed(
            [&](double v) { return ColebrookResidual(v, s.EPSILONsh, s.Desh, s.Resh); },
            kColebrookLo, kColebrookHi);
        solved = r.ok;
        const double x = r.ok ? r.x : 0;
        if (r.ok) {
            resultX = r.x;
            resultF = r.f;
        }
        s.LAMDAsh = x != 0 ? 1 / (x * x) : 0;
        s.DeltaPsh = s.Desh != 0
                         ? 0.5 * s.RHOpg * s.Vsh * s.Vsh * (s.LAMDAsh * s.Lsh / s.Desh + s.ZETAsh)
                         : 0;
    } else if (!ctx.CalcWithShaft) {
        s.Vsh = 0;
        s.Resh = 0;
        s.LAMDAsh = 0;
        s.DeltaPsh = 0;
    }
    return solved;
}

namespace {

// Segment i's own values before the network is solved: valve, sections, leakage coefficients,
// level and the outside pressures. Then, while every segment below was solved, the segment
// itself; false once one of them could not be.
bool ComputeSegment(ExhaustCalc &c, int i, const ShaftContext &ctx, bool solvedSoFar) {
    const bool shaft = ctx.CalcWithShaft;
    NetworkSegment &s = c.Segments[static_cast<size_t>(i)];
    const bool top = IsTop(i, ctx);
    s.ClearResults();
    s.ValveSpecResist = kValveSpecResist;
    if (i == 0) {
        const double product = s.ValveArea * c.MeanGasDensity;
        s.ValveGasSpeed = product != 0 ? c.GasMassFlow / product : c.GasMassFlow / 0.0001;
        s.ValvePressureLoss = (s.ValveResistCoef + s.NodeResistCoef) * s.ValveGasSpeed *
                              s.ValveGasSpeed / 2 * c.MeanGasDensity;
    }
    s.Fww = s.Aww * s.Bww;
    s.Deww = s.Aww + s.Bww != 0 ? 2 * s.Fww / (s.Aww + s.Bww) : 0;
    s.Sww = 2 * (s.Aww + s.Bww) * s.Lww;
    s.HorCoefA = kWallLeakA;
    s.HorCoefB = kWallLeakB;
    s.EPSILONww = MaterialRoughness(s.HorMaterialKind);
    s.Fsh = shaft ? s.Ash * s.Bsh : 0;
    s.Desh = s.Ash + s.Bsh != 0 ? 2 * s.Fsh / (s.Ash + s.Bsh) : 0;
    s.Ssh = shaft ? 2 * (s.Ash + s.Bsh) * s.Lsh : 0;
    s.CoefA = kWallLeakA;
    s.CoefB = kWallLeakB;
    s.EPSILONsh = MaterialRoughness(s.MaterialKind);
    if (i == 0) {
        s.h = c.Variant == ExhaustVariant::corridor ? c.FirstFloorLevel : 0;
    } else {
        const NetworkSegment &below = c.Segments[static_cast<size_t>(i - 1)];
        s.h = below.h + below.Lsh;
    }
    // the top segment's level is the emission level, also for a network of one segment
    if (top)
        s.h += s.Lsh;
    if (shaft) {
        const double windSq = c.WindSpeed * c.WindSpeed;
        const double stack = c.OutsideAirDensity - c.IncomingAirDensity;
        s.Pnn = 0.4 * c.OutsideAirDensity * windSq - 9.81 * s.h * stack;
        s.Pnz = -0.3 * c.OutsideAirDensity * windSq - 9.81 * s.h * stack;
    } else {
        s.Pnn = 0;
        s.Pnz = 0;
    }
    s.Pw = (s.Pnn + s.Pnz) / 2;
    if (i > 0) {
        const NetworkSegment &below = c.Segments[static_cast<size_t>(i - 1)];
        s.Psh = below.Psh - below.DeltaPsh;
    }
    if (!solvedSoFar)
        return false;
    return CalcShaftPart(c.Segments, i, ctx, c.ResultX, c.ResultFDelta);
}

// The fan duty point and the compensating air from the top segment; the shaft outlet values go
// into the model, what only the report shows into the returned record.
FanDutyPoint ComputeDutyPoint(ExhaustCalc &c, const ShaftContext &ctx, bool solved,
                              bool hasFanDuct) {
    FanDutyPoint d;
    d.HasFanDuct = hasFanDuct;
    if (ctx.Count >= 1 && solved) {
        const NetworkSegment &topSeg = c.Segments[static_cast<size_t>(ctx.Count - 1)];
        c.ShaftOutGasSpeed = topSeg.Vsh;
        c.ShaftOutGasMassFlow = topSeg.Gsh;
        c.ShaftOutGasDensity = topSeg.RHOpg;
        d.ShaftTopPressure = topSeg.Psh - topSeg.DeltaPsh;
        d.FanDuctLoss = hasFanDuct ? topSeg.DeltaPww : 0;
    } else {
        c.ShaftOutGasSpeed = 0;
        c.ShaftOutGasMassFlow = 0;
        c.ShaftOutGasDensity = 0;
    }
    if (ctx.Count >= 1)
        d.GasTemp = c.Segments[static_cast<size_t>(ctx.Count - 1)].ToK - 273;
    const double G = c.ShaftOutGasMassFlow;
    const double rhoN = c.ShaftOutGasDensity;
    c.ShaftOutGasVolumeFlow = rhoN != 0 ? G / rhoN * 3600 : G / 0.00001 * 3600;
    c.FanVolumeFlow = c.ShaftOutGasVolumeFlow;
    double pressureSum = std::fabs(d.ShaftTopPressure) + d.FanDuctLoss;
    if (c.Term1)
        pressureSum += c.ShaftConDuctResist;
    if (c.Term1 && c.Term2)
        pressureSum += 0.5 * rhoN * c.ShaftExhaustGasSpeed * c.ShaftExhaustGasSpeed;
    c.FanPressure = rhoN > 0 ? 1.2 * pressureSum / rhoN : 0;
    d.ExhaustSection =
        c.ShaftExhaustGasSpeed > 0 ? c.ShaftOutGasVolumeFlow / 3600 / c.ShaftExhaustGasSpeed : 0;
    d.AirMassLo = G / 1.3;
    d.AirMassHi = G;
    d.CompAirDensity = c.CompensatingAirTempK != 0 ? 353 / c.CompensatingAirTempK : 0;
    d.AirVolumeLo = d.CompAirDensity != 0 ? 3600 * d.AirMassLo / d.CompAirDensity : 0;
    d.AirVolumeHi = d.CompAirDensity != 0 ? 3600 * d.AirMassHi / d.CompAirDensity : 0;
    return d;
}

} // namespace

// Computes a piece, then writes it (network_report.cpp), piece by piece: a run stopped by a
// value that cannot be written has written exactly what came before it.
bool ExhaustCalc::RunCalcShaft() {
    RtfStream &b = Report.RTBody;

    OutsideAirDensity = 353 / OutsideAirTempK;
    InsideAirDensity = 353 / RoomAirTempK;
    IncomingAirTempK = (OutsideAirTempK + RoomAirTempK) / 2;
    IncomingAirDensity = 353 / IncomingAirTempK;
    WriteNetworkAir(b, *this);

    const bool shaft = CalcWithShaft;
    const int n = static_cast<int>(Segments.size());
    ShaftContext ctx;
    ctx.GasMassFlow = GasMassFlow;
    ctx.MeanSmokeTemp = MeanSmokeTemp;
    ctx.MeanGasDensity = MeanGasDensity;
    ctx.RoomAirTempK = RoomAirTempK;
    ctx.InsideAirDensity = InsideAirDensity;
    ctx.CalcWithShaft = shaft;
    // Without the shaft the network is the fire storey's branch alone; segments kept in the
    // list for the shaft take no part (the report shows only the first one).
    ctx.Count = shaft ? n : std::min(n, 1);
    WriteNetworkTitle(b, *this);

    // Segments set aside while the shaft is off keep no results of an earlier run either.
    for (int i = ctx.Count; i < n; ++i)
        Segments[static_cast<size_t>(i)].ClearResults();

    bool ok = true;
    bool hasFanDuct = false;
    int firstFailed = -1;
    for (int i = 0; i < ctx.Count; ++i) {
        ok = ComputeSegment(*this, i, ctx, ok);
        if (!ok && firstFailed < 0)
            firstFailed = i;
        const NetworkSegment &s = Segments[static_cast<size_t>(i)];
        // the top horizontal branch of a shaft network is the duct from the shaft to the fan
        if (ok && shaft && IsTop(i, ctx) && s.Fww > 0 && s.Lww > 0)
            hasFanDuct = true;
        WriteNetworkSegment(b, *this, i, ctx.Count, ok);
    }

    const FanDutyPoint duty = ComputeDutyPoint(*this, ctx, ok, hasFanDuct);
    WriteFanDutyPoint(b, *this, duty);
    const double rhoN = ShaftOutGasDensity;

    // The one guard also covers what the short report leaves out: no value that is not finite
    // reaches the JSON or the duty point.
    for (int i = 0; i < ctx.Count; ++i)
        if (!AllFinite(Segments[static_cast<size_t>(i)]))
            throw NonFiniteValue();
    const double results[] = {OutsideAirDensity,   InsideAirDensity,
                              IncomingAirTempK,    IncomingAirDensity,
                              ShaftOutGasSpeed,    ShaftOutGasDensity,
                              ShaftOutGasMassFlow, ShaftOutGasVolumeFlow,
                              FanPressure,         ResultX,
                              ResultFDelta};
    for (double v : results)
        if (!std::isfinite(v))
            throw NonFiniteValue();

    if (!ok || !(rhoN > 0)) {
        // the report shows where; the message says the duty point is missing
        Fail(NetworkFailedMessage(firstFailed), ctl::ListBoxYchastki);
        return false;
    }
    return true;
}

std::string ExhaustCalc::NetworkFailedMessage(int firstFailed) const {
    std::string text(kNetworkFailedMessage);
    if (firstFailed < 0)
        return text;
    text += " Не удалось рассчитать участок " + std::to_string(firstFailed + 1);
    const std::string &storey = Segments[static_cast<size_t>(firstFailed)].StoreyName;
    if (!storey.empty())
        text += " (" + storey + ")";
    return text + ".";
}

} // namespace orvane::exhaust
