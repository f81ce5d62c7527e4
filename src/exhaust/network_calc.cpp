#include "exhaust/network_calc.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "core/number_text.h"
#include "exhaust/exhaust_calc.h"

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

Ychastok_record &Seg(TYchastki &segs, int i) {
    return segs[static_cast<size_t>(i)];
}

// Keeps what the user entered; every result field starts from zero in each run, so nothing of
// an earlier run can show in this one's report.
void ClearResults(Ychastok_record &s) {
    Ychastok_record fresh;
    fresh.StoreyName = s.StoreyName;
    fresh.ValveWidth = s.ValveWidth;
    fresh.ValveHeight = s.ValveHeight;
    fresh.ValveDriveOut = s.ValveDriveOut;
    fresh.ValveArea = s.ValveArea;
    fresh.ValveResistCoef = s.ValveResistCoef;
    fresh.NodeResistCoef = s.NodeResistCoef;
    fresh.Aww = s.Aww;
    fresh.Bww = s.Bww;
    fresh.Lww = s.Lww;
    fresh.ZETAww = s.ZETAww;
    fresh.HorMaterial = s.HorMaterial;
    fresh.HorMaterialIndx = s.HorMaterialIndx;
    fresh.HorGasSpeed = s.HorGasSpeed;
    fresh.Ash = s.Ash;
    fresh.Bsh = s.Bsh;
    fresh.Lsh = s.Lsh;
    fresh.ZETAsh = s.ZETAsh;
    fresh.Material = s.Material;
    fresh.MaterialIndx = s.MaterialIndx;
    fresh.Lpg = s.Lpg;
    s = std::move(fresh);
}

bool AllFinite(const Ychastok_record &s) {
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

std::string Int(int v) {
    return std::to_string(v);
}

// The temperature before the fan, rounded up to a whole degree ("-0" never shows).
std::string CeilText(double t) {
    if (!std::isfinite(t))
        throw NonFiniteValue();
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.0f", std::ceil(t) + 0.0);
    return buf;
}

} // namespace

double MaterialRoughness(TMaterialIndx m) {
    switch (m) {
    case TMaterialIndx::matConcrete:
        return 1;
    case TMaterialIndx::matBrick:
        return 4;
    case TMaterialIndx::matPlaster:
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

void SegmentNodeState(TYchastki &segs, int i, const ShaftContext &ctx) {
    Ychastok_record &s = Seg(segs, i);
    const double d = std::fabs(s.Pw - s.Psh);
    s.Gfsh = ctx.InsideAirDensity / 3600 * s.Ssh * s.CoefA * std::pow(d, s.CoefB);
    s.Gfww = ctx.InsideAirDensity / 3600 * s.Sww * s.HorCoefA * std::pow(d, s.HorCoefB);
    if (IsMiddle(i, ctx))
        s.Gfkl = s.ValveArea * std::sqrt(s.ValveSpecResist != 0 ? d / s.ValveSpecResist : 0);
    else
        s.Gfkl = 0;
    s.Gf = s.Gfsh + s.Gfww + s.Gfkl;
    s.Ga = i == 0 ? s.Gf : Seg(segs, i - 1).Ga + s.Gf;
    s.Gsh = ctx.GasMassExps + s.Ga;
    const double numerator = ctx.RoomAirTemp * s.Ga + ctx.MeanSmokeTemp * ctx.GasMassExps;
    const double total = ctx.GasMassExps + s.Ga;
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

Residual FireBranchResidual(TYchastki &segs, const ShaftContext &ctx, double P, double sign) {
    Ychastok_record &s = Seg(segs, 0);
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

bool CalcShaftPart(TYchastki &segs, int i, const ShaftContext &ctx, double &resultX,
                   double &resultF) {
    if (i < 0 || i >= ctx.Count || i >= static_cast<int>(segs.size()))
        return false;
    Ychastok_record &s = Seg(segs, i);
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
        const Ychastok_record &below = Seg(segs, i - 1);
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

bool ExhaustCalc::RunCalcShaft() {
    RtfStream &b = Report.RTBody;
    auto T = [&b](const std::string &text) { RtfText(b, text); };

    OutsideAirDensity = 353 / OutsideAirTemp;
    InsideAirDensity = 353 / RoomAirTemp;
    IncomingAirTemp = (OutsideAirTemp + RoomAirTemp) / 2;
    IncomingAirDensity = 353 / IncomingAirTemp;

    T(R"(\par\par\b Температура наружного воздуха\par T\sub Н\nosupersub\b0  = t\sub )"
      R"(Н\nosupersub  + 273 = \b )" +
      F62(OutsideAirTemp) + " K");
    T(R"(\par\par\b Температура внутреннего воздуха до начала пожара\par T\sub В\nosupersub\b0  )"
      R"(= T\sub r\nosupersub  = \b )" +
      F62(RoomAirTemp) + " K");
    T(R"(\par\par\b Плотность наружного воздуха\par \u0961?\sub Н\nosupersub\b0  = 353 / T\sub )"
      R"(Н\nosupersub  = \b )" +
      F62(OutsideAirDensity) + R"( кг/м\super 3\nosupersub )");
    T(R"(\par\par\b Плотность внутреннего воздуха до начала пожара\par \u0961?\sub )"
      R"(В\nosupersub\b0  = 353 / T\sub В\nosupersub  = \b )" +
      F62(InsideAirDensity) + R"( кг/м\super 3\nosupersub )");
    T(R"(\par\par\b Температура приточного воздуха\par T\sub П\nosupersub\b0  = (T\sub )"
      R"(Н\nosupersub  + T\sub В\nosupersub ) / 2 = \b )" +
      F62(IncomingAirTemp) + " K");
    T(R"(\par\par\b Плотность приточного воздуха\par \u0961?\sub П\nosupersub\b0  = 353 / T\sub )"
      R"(П\nosupersub  = \b )" +
      F62(IncomingAirDensity) + R"( кг/м\super 3\nosupersub )");

    const bool shaft = CalcWithShaft;
    const int n = static_cast<int>(Ychastki.size());
    ShaftContext ctx;
    ctx.GasMassExps = GasMassExps;
    ctx.MeanSmokeTemp = MeanSmokeTemp;
    ctx.MeanGasDensity = MeanGasDensity;
    ctx.RoomAirTemp = RoomAirTemp;
    ctx.InsideAirDensity = InsideAirDensity;
    ctx.CalcWithShaft = shaft;
    // Without the shaft the network is the fire storey's branch alone; segments kept in the
    // list for the shaft take no part (the report shows only the first one).
    ctx.Count = shaft ? n : std::min(n, 1);

    if (shaft)
        T(R"(\par\par\b Участки сети вытяжной противодымной вентиляции (всего )" + Int(n) +
          R"()\b0 )");
    else
        T(R"(\par\par\b Сеть вытяжной противодымной вентиляции\b0 )");

    // Segments set aside while the shaft is off keep no results of an earlier run either.
    for (int i = ctx.Count; i < n; ++i)
        ClearResults(Ychastki[static_cast<size_t>(i)]);

    const double windSq = WindSpeed * WindSpeed;
    const double stack = OutsideAirDensity - IncomingAirDensity;
    bool ok = true;
    bool hasFanDuct = false;
    const bool detailed = Detailed;
    for (int i = 0; i < ctx.Count; ++i) {
        Ychastok_record &s = Ychastki[static_cast<size_t>(i)];
        const bool top = IsTop(i, ctx);
        const bool middle = IsMiddle(i, ctx);
        ClearResults(s);
        s.ValveSpecResist = kValveSpecResist;
        if (i == 0) {
            const double product = s.ValveArea * MeanGasDensity;
            s.ValveGasSpeed = product != 0 ? GasMassExps / product : GasMassExps / 0.0001;
            s.ValvePressureLoss = (s.ValveResistCoef + s.NodeResistCoef) * s.ValveGasSpeed *
                                  s.ValveGasSpeed / 2 * MeanGasDensity;
        }
        s.Fww = s.Aww * s.Bww;
        const bool horFlag = s.Fww > 0 && s.Lww > 0;
        s.Deww = s.Aww + s.Bww != 0 ? 2 * s.Fww / (s.Aww + s.Bww) : 0;
        s.Sww = 2 * (s.Aww + s.Bww) * s.Lww;
        s.HorCoefA = kWallLeakA;
        s.HorCoefB = kWallLeakB;
        s.EPSILONww = MaterialRoughness(s.HorMaterialIndx);
        s.Fsh = shaft ? s.Ash * s.Bsh : 0;
        s.Desh = s.Ash + s.Bsh != 0 ? 2 * s.Fsh / (s.Ash + s.Bsh) : 0;
        s.Ssh = shaft ? 2 * (s.Ash + s.Bsh) * s.Lsh : 0;
        s.CoefA = kWallLeakA;
        s.CoefB = kWallLeakB;
        s.EPSILONsh = MaterialRoughness(s.MaterialIndx);
        if (i == 0) {
            s.h = CalcVariant == TCalcVariant::cvrntCorridor ? FirstFloorLevel : 0;
        } else {
            const Ychastok_record &below = Ychastki[static_cast<size_t>(i - 1)];
            s.h = below.h + below.Lsh;
            if (top)
                s.h += s.Lsh; // the emission level
        }
        if (shaft) {
            s.Pnn = 0.4 * OutsideAirDensity * windSq - 9.81 * s.h * stack;
            s.Pnz = -0.3 * OutsideAirDensity * windSq - 9.81 * s.h * stack;
        } else {
            s.Pnn = 0;
            s.Pnz = 0;
        }
        s.Pw = (s.Pnn + s.Pnz) / 2;
        if (i > 0) {
            const Ychastok_record &below = Ychastki[static_cast<size_t>(i - 1)];
            s.Psh = below.Psh - below.DeltaPsh;
        }
        if (ok)
            ok = CalcShaftPart(Ychastki, i, ctx, ResultX, ResultFDelta);

        // --- the segment's report ---
        if (shaft) {
            T(R"(\par\b Участок )" + Int(i + 1));
            if (!s.StoreyName.empty()) {
                T(" - ");
                RtfUserText(b, s.StoreyName);
            }
            T(R"(:\b0 )");
        }
        if (!ok) {
            T(R"(\par\b     Не удалось расчитать!)");
            continue;
        }
        const std::string hLabel =
            top ? R"(h\sub выброс\nosupersub )" : R"(h\sub )" + Int(i + 1) + R"(\nosupersub )";
        if (detailed && i == 0) {
            T(R"(\par\b     Скорость продуктов горения в клапане\par     V\sub кл\nosupersub\b0 )"
              R"( = G\sub ПГ\nosupersub  / (F\sub кл\nosupersub  \u8729? \u0961?\sub )"
              R"(ПГ\nosupersub ) = )" +
              F62(GasMassExps) + " / (" + F62(s.ValveArea) + R"( \u8729? )" + F62(MeanGasDensity) +
              R"() = \b )" + F62(s.ValveGasSpeed) + " м/с");
            T(R"(\par\b     Потери давления в открытом клапане\par     \u0916?P\sub )"
              R"(кл\nosupersub\b0  = 1 / 2 \u8729? (Z\sub кл\nosupersub  + Z') \u8729? V\sub )"
              R"(кл\nosupersub\super 2\nosupersub  \u8729? \u0961?\sub ПГ\nosupersub  = 1 )"
              R"(/ 2 \u8729? ()" +
              F62(s.ValveResistCoef) + " + " + F62(s.NodeResistCoef) + R"() \u8729? )" +
              F62(s.ValveGasSpeed) + R"(\super 2\nosupersub  \u8729? )" + F62(MeanGasDensity) +
              R"( = \b )" + F62(s.ValvePressureLoss) + " Па");
        }
        if (detailed && shaft) {
            if (top)
                T(R"(\par\b     Наружное давление на наветренном фасаде на уровне выброса\par   )"
                  R"(  P\sub НН.В\nosupersub\b0  = 0,4 \u8729? \u0961?\sub Н\nosupersub  )"
                  R"(\u8729? )");
            else
                T(R"(\par\b     Давление снаружи здания с наветренной стороны\par     P\sub )"
                  R"(НН\nosupersub\b0  = 0,4 \u8729? \u0961?\sub Н\nosupersub  \u8729? )");
            T(R"(V\sub В\nosupersub\super 2\nosupersub  - 9,81 \u8729? )" + hLabel +
              R"( \u8729? (\u0961?\sub Н\nosupersub  - \u0961?\sub П\nosupersub ) =\par\tab 0,4 )"
              R"(\u8729? )" +
              F62(OutsideAirDensity) + R"( \u8729? )" + F62(WindSpeed) +
              R"(\super 2\nosupersub  - 9,81 \u8729? )" + F62(s.h) + R"( \u8729? ()" +
              F62(OutsideAirDensity) + " - " + F62(IncomingAirDensity) + R"() = \b )" + F62(s.Pnn) +
              " Па");
            if (!top)
                T(R"(\par\b     Давление снаружи здания с заветренной стороны\par     P\sub )"
                  R"(НЗ\nosupersub\b0  = -0,3 \u8729? \u0961?\sub Н\nosupersub  \u8729? V\sub )"
                  R"(В\nosupersub\super 2\nosupersub  - 9,81 \u8729? )" +
                  hLabel +
                  R"( \u8729? (\u0961?\sub Н\nosupersub  - \u0961?\sub П\nosupersub ) =\par\tab )"
                  R"(-0,3 \u8729? )" +
                  F62(OutsideAirDensity) + R"( \u8729? )" + F62(WindSpeed) +
                  R"(\super 2\nosupersub  - 9,81 \u8729? )" + F62(s.h) + R"( \u8729? ()" +
                  F62(OutsideAirDensity) + " - " + F62(IncomingAirDensity) + R"() = \b )" +
                  F62(s.Pnz) + " Па");
        }
        if (detailed && !top)
            T(R"(\par\b     Давление внутри здания\par     P\sub В\nosupersub\b0  = (P\sub )"
              R"(НН\nosupersub  + P\sub НЗ\nosupersub ) / 2 = ()" +
              F62(s.Pnn) + " + " + F62(s.Pnz) + R"() / 2 = \b )" + F62(s.Pw) + " Па");
        if (detailed && shaft) {
            if (top)
                T(R"(\par\b     Давление в шахте ДУ на уровне верхнего дымового клапана\par     )"
                  R"(P\sub ШN\nosupersub\b0  = )");
            else
                T(R"(\par\b     Давление в шахте\par     P\sub Ш\nosupersub\b0  = )");
            if (i == 0) {
                T(R"(P\sub НН\nosupersub  - \u0916?P\sub кл\nosupersub  - \u0916?P\sub )"
                  R"(ВВ\nosupersub  = )" +
                  F62(s.Pnn) + " - " + F62(s.ValvePressureLoss) + " - " + F62(s.DeltaPww) +
                  R"( = \b )" + F62(s.Psh) + " Па");
            } else {
                const Ychastok_record &below = Ychastki[static_cast<size_t>(i - 1)];
                T(R"(P\sub Ш(i-1)\nosupersub  - \u0916?P\sub Ш(i-1)\nosupersub  = )" +
                  F62(below.Psh) + " - " + F62(below.DeltaPsh) + R"( = \b )" + F62(s.Psh) + " Па");
            }
        }
        if (detailed && !shaft)
            T(R"(\par\b     Давление в сети\par     P\sub сети\nosupersub\b0  = - \u0916?P\sub )"
              R"(кл\nosupersub  - \u0916?P\sub ВВ\nosupersub  =  - )" +
              F62(s.ValvePressureLoss) + " - " + F62(s.DeltaPww) + R"( = \b )" + F62(s.Psh) +
              " Па");
        if (detailed && middle)
            T(R"(\par\b     Подсосы закрытого клапана\par     G\sub фКЛ\nosupersub\b0  = F\sub )"
              R"(КЛ\nosupersub  \u8729? \u8730?((P\sub В\nosupersub  - P\sub Ш\nosupersub ) / )"
              R"(S\sub КЛ\nosupersub ) = )" +
              F62(s.ValveArea) + R"( \u8729? \u8730?(()" + F62(s.Pw) + " - " + F62(s.Psh) + ") / " +
              F62(s.ValveSpecResist) + R"() = \b )" + F66(s.Gfkl) + " кг/с");
        if (detailed && horFlag)
            T(R"(\par\b     Подсосы горизонтального участка\par     G\sub фВВ\nosupersub\b0  = )"
              R"(\u0961?\sub В\nosupersub  / 3600 \u8729? S\sub ВВ\nosupersub  \u8729? )" +
              F64(s.HorCoefA) + R"( \u8729? (P\sub В\nosupersub  - P\sub Ш\nosupersub )\super )" +
              F62(s.HorCoefB) + R"(\nosupersub  = \par\tab ()" + F62(InsideAirDensity) +
              R"( / 3600) \u8729? )" + F62(s.Sww) + R"( \u8729? )" + F64(s.HorCoefA) +
              R"( \u8729? ()" + F62(s.Pw) + " - " + F62(s.Psh) + R"()\super )" + F62(s.HorCoefB) +
              R"(\nosupersub  = \b )" + F66(s.Gfww) + " кг/с");
        if (detailed && shaft) {
            T(R"(\par\b     Подсосы вертикального участка\par     G\sub фШ\nosupersub\b0  = )"
              R"((\u0961?\sub В\nosupersub  / 3600) \u8729? S\sub Ш\nosupersub  \u8729? )" +
              F64(s.CoefA) + R"( \u8729? (P\sub В\nosupersub  - P\sub Ш\nosupersub )\super )" +
              F62(s.CoefB) + R"(\nosupersub  = \par\tab ()" + F62(InsideAirDensity) +
              R"( / 3600) \u8729? )" + F62(s.Ssh) + R"( \u8729? )" + F64(s.CoefA) +
              R"( \u8729? ()" + F62(s.Pw) + " - " + F62(s.Psh) + R"()\super )" + F62(s.CoefB) +
              R"(\nosupersub  = \b )" + F66(s.Gfsh) + " кг/с");
            T(R"(\par\b     Суммарные подсосы участка\par     G\sub ф\nosupersub\b0  = G\sub )"
              R"(фШ\nosupersub  + G\sub фВВ\nosupersub  + G\sub фКЛ\nosupersub  = )" +
              F66(s.Gfsh) + " + " + F66(s.Gfww) + " + " + F66(s.Gfkl) + R"( = \b )" + F66(s.Gf) +
              " кг/с");
        }
        if (detailed) {
            if (shaft)
                T(R"(\par\b     Суммарные подсосы \par     G\sub a\nosupersub\b0  = )"
                  R"(\u8721?G\sub фj\nosupersub  = \b )" +
                  F66(s.Ga) + " кг/с");
            else
                T(R"(\par\b     Суммарные подсосы \par     G\sub a\nosupersub\b0  = G\sub )"
                  R"(фВВ\nosupersub  = \b )" +
                  F66(s.Gf) + " кг/с");
            if (shaft)
                T(R"(\par\b     Расход продуктов горения с учетом подсосов\par     G\sub )"
                  R"(Ш\nosupersub\b0  = G\sub ПГ\nosupersub  + G\sub a\nosupersub  = )");
            else
                T(R"(\par\b     Расход продуктов горения с учетом подсосов\par     G\sub )"
                  R"(сети\nosupersub\b0  = G\sub ПГ\nosupersub  + G\sub a\nosupersub  = )");
            T(F64(GasMassExps) + " + " + F66(s.Ga) + R"( = \b )" + F64(s.Gsh) + " кг/с");
            if (shaft)
                T(R"(\par\b     Температура продуктов горения на участке )"
                  R"(шахты)");
            else
                T(R"(\par\b     Температура продуктов горения)");
            T(R"(\par     T°K\b0  = (T\sub В\nosupersub  \u8729? G\sub a\nosupersub  + T\sub )"
              R"(sm\nosupersub  \u8729? G\sub ПГ\nosupersub ) / (G\sub ПГ\nosupersub  + G\sub )"
              R"(a\nosupersub ) =\par\tab ()" +
              F62(RoomAirTemp) + R"( \u8729? )" + F66(s.Ga) + " + " + F62(MeanSmokeTemp) +
              R"( \u8729? )" + F62(GasMassExps) + ") / (" + F62(GasMassExps) + " + " + F66(s.Ga) +
              R"() = \b )" + F62(s.ToK) + " K");
            if (shaft && top)
                T(R"(\par\b     Плотность продуктов горения на уровне выброса\par     )"
                  R"(\u0961?\sub N\nosupersub\b0  = )");
            else if (shaft)
                T(R"(\par\b     Плотность продуктов горения\par     \u0961?\sub )"
                  R"(ПГ\nosupersub\b0  = )");
            else
                T(R"(\par\b     Плотность продуктов горения\par     \u0961?\sub N\nosupersub\b0 )"
                  R"( = )");
            T("353 / T°K = 353 / " + F62(s.ToK) + R"( = \b )" + F62(s.RHOpg) +
              R"( кг/м\super 3\nosupersub )");
        }
        std::string nuText = F62(s.NU * 1e6);
        if (nuText.find('E') != std::string::npos)
            nuText = F62(s.NU);
        else
            nuText += R"(\u8729?10\super -6\nosupersub )";
        if (detailed && (shaft || horFlag))
            T(R"(\par\b     Коэффициент кинематической вязкости продуктов горения\par     )"
              R"(\u0957?\b0  = (\u0957?2 \u8729? ((T°K - 273) / 1000)\super 2\nosupersub  + )"
              R"(\u0957?1 \u8729? (T°K - 273) / 1000 + \u0957?0) / 10\super 6\nosupersub  )"
              R"(=\par\tab ()" +
              F66(63.7637362637362) + R"( \u8729? (()" + F62(s.ToK) +
              R"( - 273) / 1000)\super 2\nosupersub  + )" + F62(99.05) + R"( \u8729? ()" +
              F62(s.ToK) + " - 273) / 1000 + " + F66(11.1065934065934) +
              R"() / 10\super 6\nosupersub  = \b )" + nuText + R"( м\super 2\nosupersub /с)");
        if (horFlag && !middle) {
            if (detailed) {
                T(R"(\par\b     Скорость продуктов горения в горизонтальном участке\par     )"
                  R"(V\sub ВВ\nosupersub\b0  = G\sub Ш\nosupersub  / (\u0961?\sub )"
                  R"(ПГ\nosupersub  \u8729? F\sub ВВ\nosupersub ) = )" +
                  F62(s.Gsh) + " / (" + F62(s.RHOpg) + R"( \u8729? )" + F62(s.Fww) + R"() = \b )" +
                  F62(s.Vww) + " м/с");
                T(R"(\par\b     Абсолютная эквивалентная шероховатость материала )"
                  R"(горизонтального участка\par     \u0949?\sub ВВ\nosupersub\b0  = \b )" +
                  F62(s.EPSILONww) + " мм");
                T(R"(\par\b     Коэффициент сопротивления трения горизонтального участка\par    )"
                  R"( \u0955?\sub ВВ\nosupersub\b0  = \b )" +
                  F62(s.LAMDAww));
            }
            if (shaft && top) {
                hasFanDuct = true;
                T(R"(\par\b     Потери давления в горизонтальном воздуховоде от шахты до )"
                  R"(вентилятора\par     \u0916?P\sub сети\nosupersub\b0  = )");
            } else if (shaft) {
                T(R"(\par\b     Потери давления трения горизонтального участка\par     )"
                  R"(\u0916?P\sub ВВ\nosupersub\b0  = )");
            } else {
                T(R"(\par\b     Потери давления в горизонтальном воздуховоде\par     )"
                  R"(\u0916?P\sub сети\nosupersub\b0  = )");
            }
            T(R"(0,5 \u8729? \u0961?\sub ПГ\nosupersub  \u8729? V\sub ВВ\nosupersub\super )"
              R"(2\nosupersub  \u8729? (\u0955?\sub ВВ\nosupersub  \u8729? L\sub )"
              R"(ВВ\nosupersub  / D\sub ЭВВ\nosupersub  + Z\sub ВВ\nosupersub ) =\par\tab )"
              R"(0,5 \u8729? )" +
              F62(s.RHOpg) + R"( \u8729? )" + F62(s.Vww) + R"(\super 2\nosupersub  \u8729? ()" +
              F62(s.LAMDAww) + R"( \u8729? )" + F62(s.Lww) + " / " + F62(s.Deww) + " + " +
              F62(s.ZETAww) + R"() = \b )" + F62(s.DeltaPww) + " Па");
            if (detailed)
                T(R"(\par\b     Число Рейнольдса для горизонтального участка\par     Re\sub )"
                  R"(ВВ\nosupersub\b0  = V\sub ВВ\nosupersub  \u8729? D\sub ЭВВ\nosupersub  / )"
                  R"(\u0957? = )" +
                  F62(s.Vww) + R"( \u8729? )" + F62(s.Deww) + " / (" + nuText + R"() = \b )" +
                  F62(s.Reww));
        }
        if (shaft) {
            if (detailed) {
                T(R"(\par\b     Скорость продуктов горения в вертикальном участке\par     V\sub )"
                  R"(Ш\nosupersub\b0  = G\sub Ш\nosupersub  / (\u0961?\sub ПГ\nosupersub  )"
                  R"(\u8729? F\sub Ш\nosupersub ) = )" +
                  F62(s.Gsh) + " / (" + F62(s.RHOpg) + R"( \u8729? )" + F62(s.Fsh) + R"() = \b )" +
                  F62(s.Vsh) + " м/с");
                T(R"(\par\b     Абсолютная эквивалентная шероховатость материала вертикального )"
                  R"(участка\par     \u0949?\sub Ш\nosupersub\b0  = \b )" +
                  F62(s.EPSILONsh) + " мм");
                T(R"(\par\b     Коэффициент сопротивления трения вертикального участка\par     )"
                  R"(\u0955?\sub Ш\nosupersub\b0  = \b )" +
                  F62(s.LAMDAsh));
            }
            T(R"(\par\b     Потери давления трения вертикального участка\par     \u0916?P\sub )"
              R"(Ш\nosupersub\b0  = 0,5 \u8729? \u0961?\sub ПГ\nosupersub  \u8729? V\sub )"
              R"(Ш\nosupersub\super 2\nosupersub  \u8729? (\u0955?\sub Ш\nosupersub  )"
              R"(\u8729? L\sub Ш\nosupersub  / D\sub ЭШ\nosupersub  + Z\sub )"
              R"(Ш\nosupersub ) =\par\tab 0,5 \u8729? )" +
              F62(s.RHOpg) + R"( \u8729? )" + F62(s.Vsh) + R"(\super 2\nosupersub  \u8729? ()" +
              F62(s.LAMDAsh) + R"( \u8729? )" + F62(s.Lsh) + " / " + F62(s.Desh) + " + " +
              F62(s.ZETAsh) + R"() = \b )" + F62(s.DeltaPsh) + " Па");
            if (detailed)
                T(R"(\par\b     Число Рейнольдса для вертикального участка\par     Re\sub )"
                  R"(Ш\nosupersub\b0  = V\sub Ш\nosupersub  \u8729? D\sub ЭШ\nosupersub  / )"
                  R"(\u0957? = )" +
                  F62(s.Vsh) + R"( \u8729? )" + F62(s.Desh) + " / (" + nuText + R"() = \b )" +
                  F62(s.Resh));
        }
    }

    // --- the fan duty point ---
    double pShaftTop = 0;
    double netDuct = 0;
    double gasTemp = 0;
    if (ctx.Count >= 1 && ok) {
        const Ychastok_record &topSeg = Ychastki[static_cast<size_t>(ctx.Count - 1)];
        ShaftOutGasSpeed = topSeg.Vsh;
        ShaftOutGasMassExps = topSeg.Gsh;
        ShaftOutGasDensity = topSeg.RHOpg;
        pShaftTop = topSeg.Psh - topSeg.DeltaPsh;
        netDuct = hasFanDuct ? topSeg.DeltaPww : 0;
    } else {
        ShaftOutGasSpeed = 0;
        ShaftOutGasMassExps = 0;
        ShaftOutGasDensity = 0;
    }
    if (ctx.Count >= 1)
        gasTemp = Ychastki[static_cast<size_t>(ctx.Count - 1)].ToK - 273;
    const double G = ShaftOutGasMassExps;
    const double rhoN = ShaftOutGasDensity;
    ShaftOutGasVolumeExps = rhoN != 0 ? G / rhoN * 3600 : G / 0.00001 * 3600;
    FanGasVolumeExps = ShaftOutGasVolumeExps;
    double pressureSum = std::fabs(pShaftTop) + netDuct;
    if (Term1)
        pressureSum += ShaftConDuctResist;
    if (Term1 && Term2)
        pressureSum += 0.5 * rhoN * ShaftExhaustGasSpeed * ShaftExhaustGasSpeed;
    FanPressure = rhoN > 0 ? 1.2 * pressureSum / rhoN : 0;
    const double exhaustSection =
        ShaftExhaustGasSpeed > 0 ? ShaftOutGasVolumeExps / 3600 / ShaftExhaustGasSpeed : 0;
    const double airLo = G / 1.3;
    const double airHi = G;
    const double rhoComp = OutAirTempComp != 0 ? 353 / OutAirTempComp : 0;
    const double volLo = rhoComp != 0 ? 3600 * airLo / rhoComp : 0;
    const double volHi = rhoComp != 0 ? 3600 * airHi / rhoComp : 0;

    const std::string gName = shaft ? R"(G\sub Ш\nosupersub )" : R"(G\sub сети\nosupersub )";
    T(R"(\par\par\b\ul Массовый расход продуктов горения\ul0\par )" +
      std::string(shaft ? R"(G\sub Ш\nosupersub)" : R"(G\sub сети\nosupersub)") + R"(\b0  = \b )" +
      F64(G) + " кг/с");
    T(R"(\par\par\b\ul Объемный расход вентилятора\ul0\par L\sub v\nosupersub\b0  = )" + gName +
      R"( / \u0961?\sub N\nosupersub  \u8729? 3600 = )" + F64(G) + " / " + F64(rhoN) +
      R"( \u8729? 3600 = \b )" + FormatRoundedInt(ShaftOutGasVolumeExps) +
      R"( м\super 3\nosupersub /час)");
    std::string symbols = shaft ? R"(P\sub ШN\nosupersub )" : R"(P\sub сети\nosupersub )";
    std::string numbers = F62(std::fabs(pShaftTop));
    if (shaft && hasFanDuct) {
        symbols += R"( + \u0916?P\sub сети\nosupersub )";
        numbers += " + " + F62(netDuct);
    }
    if (Term1) {
        symbols += R"( + P\sub d\nosupersub )";
        numbers += " + " + F62(ShaftConDuctResist);
    }
    if (Term1 && Term2) {
        symbols +=
            R"( + 0,5 \u8729? \u0961?\sub N\nosupersub  \u8729? v\sub f\super 2\nosupersub )";
        numbers += R"( + 0,5 \u8729? )" + F62(rhoN) + R"( \u8729? )" + F62(ShaftExhaustGasSpeed) +
                   R"(\super 2\nosupersub )";
    }
    T(R"(\par\par\b\ul Статическое давление вентилятора, приведённое к нормальным )"
      R"(условиям\ul0\par P\sub sv\nosupersub\b0  = 1,2 \u8729? ()" +
      symbols + R"() / \u0961?\sub N\nosupersub  = 1,2 \u8729? ()" + numbers + ") / " + F62(rhoN) +
      R"( = \b )" + F62(FanPressure) + " Па");
    T(R"(\par\par\b\ul Температура продуктов горения перед вентилятором\ul0\par t°C\b0  = T°K - )"
      R"(273 = \b )" +
      CeilText(gasTemp) + " °C");
    if (Term1 && Term2)
        T(R"(\par\par\b Выбросное устройство\par \b0 сечение \b )" + F62(exhaustSection) +
          R"( м\super 2\nosupersub \b0 , скорость \b )" + F62(ShaftExhaustGasSpeed) + " м/с");
    T(R"(\par\par\b\ul Компенсирующая подача воздуха\ul0\par\par\b Массовый расход воздуха\par )"
      R"(G\sub a\nosupersub\b0  = G\sub Ш\nosupersub  / (1,3 \u0247? 1,0) = )" +
      F64(G) + R"( / (1,3 \u0247? 1,0) = \b ()" + F62(airLo) + R"( \u0247? )" + F62(airHi) +
      ") кг/с");
    T(R"(\par\par\b Объемный расход воздуха при t = )" + F62(OutAirTempComp - 273) +
      R"( °C\par L\sub a\nosupersub\b0  = 3600\u8729?G\sub a\nosupersub  / \u0961?\sub )"
      R"(a\nosupersub  = 3600\u8729?()" +
      F62(airLo) + R"( \u0247? )" + F62(airHi) + ") / " + F62(rhoComp) + R"( = \b ()" +
      FormatRoundedInt(volLo) + R"( \u0247? )" + FormatRoundedInt(volHi) +
      R"() м\super 3\nosupersub /час)");
    RtfRaw(b, "\\par\\par ");

    // The one guard also covers what the short report leaves out: no value that is not finite
    // reaches the JSON or the duty point.
    for (int i = 0; i < ctx.Count; ++i)
        if (!AllFinite(Ychastki[static_cast<size_t>(i)]))
            throw NonFiniteValue();
    const double results[] = {OutsideAirDensity,   InsideAirDensity,
                              IncomingAirTemp,     IncomingAirDensity,
                              ShaftOutGasSpeed,    ShaftOutGasDensity,
                              ShaftOutGasMassExps, ShaftOutGasVolumeExps,
                              FanPressure,         ResultX,
                              ResultFDelta};
    for (double v : results)
        if (!std::isfinite(v))
            throw NonFiniteValue();

    if (!ok || !(rhoN > 0)) {
        // the report shows where; the message says the duty point is missing
        Fail(std::string(kNetworkFailedMessage), ctl::ListBoxYchastki);
        return false;
    }
    return true;
}

} // namespace orvane::exhaust
