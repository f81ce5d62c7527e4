// The network's report: the air, each segment and the fan duty point, written from the values
// RunCalcShaft computed into the model and the segment records.
#include "exhaust/network_report.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "core/number_text.h"
#include "report/rtf_symbols.h"

namespace orvane::exhaust {

using namespace rtf;

namespace {

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

// The words and subscript of one part of a segment in its report lines.
struct PartNames {
    const char *in; // "в горизонтальном участке"
    const char *of; // "горизонтального участка"
    const char *sub;
};
constexpr PartNames kHorizontalPart{"горизонтальном", "горизонтального", "ВВ"};
constexpr PartNames kShaftPart{"вертикальном", "вертикального", "Ш"};

using WriteFn = std::function<void(const std::string &)>;

// The gas speed in the part, its roughness and friction factor.
void WritePartFlow(const WriteFn &T, const PartNames &p, const NetworkSegment &s, double F,
                   double V, double eps, double lambda) {
    T("\\par\\b     Скорость продуктов горения в " + std::string(p.in) + " участке\\par     V" +
      Sub(p.sub) + "\\b0  = G" + Sub("Ш") + "  / (" + kRho + Sub("ПГ") + " " + kTimes + "F" +
      Sub(p.sub) + " ) = " + F62(s.Gsh) + " / (" + F62(s.RHOpg) + kTimes + F62(F) + ") = \\b " +
      F62(V) + " м/с");
    T("\\par\\b     Абсолютная эквивалентная шероховатость материала " + std::string(p.of) +
      " участка\\par     " + kEpsilon + Sub(p.sub) + "\\b0  = \\b " + F62(eps) + " мм");
    T("\\par\\b     Коэффициент сопротивления трения " + std::string(p.of) + " участка\\par     " +
      kLambda + Sub(p.sub) + "\\b0  = \\b " + F62(lambda));
}

void WriteReynolds(const WriteFn &T, const PartNames &p, double V, double De,
                   const std::string &nuText, double Re) {
    const std::string deSub = std::string("Э") + p.sub;
    T("\\par\\b     Число Рейнольдса для " + std::string(p.of) + " участка\\par     Re" +
      Sub(p.sub) + "\\b0  = V" + Sub(p.sub) + " " + kTimes + "D" + Sub(deSub) + "  / " + kNu +
      " = " + F62(V) + kTimes + F62(De) + " / (" + nuText + ") = \\b " + F62(Re));
}

} // namespace

void WriteNetworkAir(RtfStream &b, const ExhaustCalc &c) {
    auto T = [&b](const std::string &text) { RtfText(b, text); };
    T("\\par\\par\\b Температура наружного воздуха\\par T" + Sub("Н") + "\\b0  = t" + Sub("Н") +
      "  + 273 = \\b " + F62(c.OutsideAirTempK) + " К");
    T("\\par\\par\\b Температура внутреннего воздуха до начала пожара\\par T" + Sub("В") +
      "\\b0  = T" + Sub("r") + "  = \\b " + F62(c.RoomAirTempK) + " К");
    T("\\par\\par\\b Плотность наружного воздуха\\par " + kRho + Sub("Н") + "\\b0  = 353 / T" +
      Sub("Н") + "  = \\b " + F62(c.OutsideAirDensity) + " кг/м" + Sup("3") + " ");
    T("\\par\\par\\b Плотность внутреннего воздуха до начала пожара\\par " + kRho + Sub("В") +
      "\\b0  = 353 / T" + Sub("В") + "  = \\b " + F62(c.InsideAirDensity) + " кг/м" + Sup("3") +
      " ");
    T("\\par\\par\\b Температура приточного воздуха\\par T" + Sub("П") + "\\b0  = (T" + Sub("Н") +
      "  + T" + Sub("В") + " ) / 2 = \\b " + F62(c.IncomingAirTempK) + " К");
    T("\\par\\par\\b Плотность приточного воздуха\\par " + kRho + Sub("П") + "\\b0  = 353 / T" +
      Sub("П") + "  = \\b " + F62(c.IncomingAirDensity) + " кг/м" + Sup("3") + " ");
}

void WriteNetworkTitle(RtfStream &b, const ExhaustCalc &c) {
    auto T = [&b](const std::string &text) { RtfText(b, text); };
    const bool shaft = c.CalcWithShaft;
    const int n = static_cast<int>(c.Segments.size());
    if (shaft)
        T("\\par\\par\\b Участки сети вытяжной противодымной вентиляции (всего " + Int(n) +
          ")\\b0 ");
    else
        T("\\par\\par\\b Сеть вытяжной противодымной вентиляции\\b0 ");
}

namespace {

// One segment's lines, piece by piece in the report's order; the pieces share the segment's
// place in the network and the report's switches.
struct SegmentLines {
    RtfStream &b;
    const ExhaustCalc &c;
    const NetworkSegment &s;
    int i;
    bool shaft;
    bool detailed;
    bool top;
    bool middle;
    bool horFlag;
    std::string hLabel;
    WriteFn T;

    void Valve() const {
        if (detailed && i == 0) {
            T("\\par\\b     Скорость продуктов горения в клапане\\par     V" + Sub("кл") +
              "\\b0  = G" + Sub("ПГ") + "  / (F" + Sub("кл") + " " + kTimes + kRho + Sub("ПГ") +
              " ) = " + F62(c.GasMassFlow) + " / (" + F62(s.ValveArea) + kTimes +
              F62(c.MeanGasDensity) + ") = \\b " + F62(s.ValveGasSpeed) + " м/с");
            T("\\par\\b     Потери давления в открытом клапане\\par     " + kDelta + "P" +
              Sub("кл") + "\\b0  = 1 / 2" + kTimes + "(Z" + Sub("кл") + "  + Z')" + kTimes + "V" +
              Sub("кл") + Sup("2") + " " + kTimes + kRho + Sub("ПГ") + "  = 1 / 2" + kTimes + "(" +
              F62(s.ValveResistCoef) + " + " + F62(s.NodeResistCoef) + ")" + kTimes +
              F62(s.ValveGasSpeed) + Sup("2") + " " + kTimes + F62(c.MeanGasDensity) + " = \\b " +
              F62(s.ValvePressureLoss) + " Па");
        }
    }

    void Pressures() const {
        if (detailed && shaft) {
            if (top)
                T("\\par\\b     Наружное давление на наветренном фасаде на уровне выброса\\par     "
                  "P" +
                  Sub("НН.В") + "\\b0  = " + Num("0.4") + kTimes + kRho + Sub("Н") + " " + kTimes);
            else
                T("\\par\\b     Давление снаружи здания с наветренной стороны\\par     P" +
                  Sub("НН") + "\\b0  = " + Num("0.4") + kTimes + kRho + Sub("Н") + " " + kTimes);
            T("V" + Sub("В") + Sup("2") + "  - " + Num("9.81") + kTimes + hLabel + kTimes + "(" +
              kRho + Sub("Н") + "  - " + kRho + Sub("П") + " ) =\\par\\tab " + Num("0.4") + kTimes +
              F62(c.OutsideAirDensity) + kTimes + F62(c.WindSpeed) + Sup("2") + "  - " +
              Num("9.81") + kTimes + F62(s.h) + kTimes + "(" + F62(c.OutsideAirDensity) + " - " +
              F62(c.IncomingAirDensity) + ") = \\b " + F62(s.Pnn) + " Па");
            if (!top)
                T("\\par\\b     Давление снаружи здания с заветренной стороны\\par     P" +
                  Sub("НЗ") + "\\b0  = -" + Num("0.3") + kTimes + kRho + Sub("Н") + " " + kTimes +
                  "V" + Sub("В") + Sup("2") + "  - " + Num("9.81") + kTimes + hLabel + kTimes +
                  "(" + kRho + Sub("Н") + "  - " + kRho + Sub("П") + " ) =\\par\\tab -" +
                  Num("0.3") + kTimes + F62(c.OutsideAirDensity) + kTimes + F62(c.WindSpeed) +
                  Sup("2") + "  - " + Num("9.81") + kTimes + F62(s.h) + kTimes + "(" +
                  F62(c.OutsideAirDensity) + " - " + F62(c.IncomingAirDensity) + ") = \\b " +
                  F62(s.Pnz) + " Па");
        }
        if (detailed && !top)
            T("\\par\\b     Давление внутри здания\\par     P" + Sub("В") + "\\b0  = (P" +
              Sub("НН") + "  + P" + Sub("НЗ") + " ) / 2 = (" + F62(s.Pnn) + " + " + F62(s.Pnz) +
              ") / 2 = \\b " + F62(s.Pw) + " Па");
        if (detailed && shaft) {
            if (top)
                T("\\par\\b     Давление в шахте ДУ на уровне верхнего дымового клапана\\par     "
                  "P" +
                  Sub("ШN") + "\\b0  = ");
            else
                T("\\par\\b     Давление в шахте\\par     P" + Sub("Ш") + "\\b0  = ");
            if (i == 0) {
                T("P" + Sub("НН") + "  - " + kDelta + "P" + Sub("кл") + "  - " + kDelta + "P" +
                  Sub("ВВ") + "  = " + F62(s.Pnn) + " - " + F62(s.ValvePressureLoss) + " - " +
                  F62(s.DeltaPww) + " = \\b " + F62(s.Psh) + " Па");
            } else {
                const NetworkSegment &below = c.Segments[static_cast<size_t>(i - 1)];
                T("P" + Sub("Ш(i-1)") + "  - " + kDelta + "P" + Sub("Ш(i-1)") + "  = " +
                  F62(below.Psh) + " - " + F62(below.DeltaPsh) + " = \\b " + F62(s.Psh) + " Па");
            }
        }
        if (detailed && !shaft)
            T("\\par\\b     Давление в сети\\par     P" + Sub("сети") + "\\b0  = - " + kDelta +
              "P" + Sub("кл") + "  - " + kDelta + "P" + Sub("ВВ") + "  =  - " +
              F62(s.ValvePressureLoss) + " - " + F62(s.DeltaPww) + " = \\b " + F62(s.Psh) + " Па");
    }

    void Leakage() const {
        if (detailed && middle)
            T("\\par\\b     Подсосы закрытого клапана\\par     G" + Sub("фКЛ") + "\\b0  = F" +
              Sub("КЛ") + " " + kTimes + kSqrt + "(|P" + Sub("В") + "  - P" + Sub("Ш") + " | / S" +
              Sub("КЛ") + " ) = " + F62(s.ValveArea) + kTimes + kSqrt + "(|" + F62(s.Pw) + " - " +
              F62(s.Psh) + "| / " + F62(s.ValveSpecResist) + ") = \\b " + F66(s.Gfkl) + " кг/с");
        if (detailed && horFlag)
            T("\\par\\b     Подсосы горизонтального участка\\par     G" + Sub("фВВ") +
              "\\b0  = " + kRho + Sub("В") + "  / 3600" + kTimes + "S" + Sub("ВВ") + " " + kTimes +
              F64(s.HorCoefA) + kTimes + "|P" + Sub("В") + "  - P" + Sub("Ш") + " |\\super " +
              F62(s.HorCoefB) + "\\nosupersub  = \\par\\tab (" + F62(c.InsideAirDensity) +
              " / 3600)" + kTimes + F62(s.Sww) + kTimes + F64(s.HorCoefA) + kTimes + "|" +
              F62(s.Pw) + " - " + F62(s.Psh) + "|\\super " + F62(s.HorCoefB) +
              "\\nosupersub  = \\b " + F66(s.Gfww) + " кг/с");
        if (detailed && shaft) {
            T("\\par\\b     Подсосы вертикального участка\\par     G" + Sub("фШ") + "\\b0  = (" +
              kRho + Sub("В") + "  / 3600)" + kTimes + "S" + Sub("Ш") + " " + kTimes +
              F64(s.CoefA) + kTimes + "|P" + Sub("В") + "  - P" + Sub("Ш") + " |\\super " +
              F62(s.CoefB) + "\\nosupersub  = \\par\\tab (" + F62(c.InsideAirDensity) + " / 3600)" +
              kTimes + F62(s.Ssh) + kTimes + F64(s.CoefA) + kTimes + "|" + F62(s.Pw) + " - " +
              F62(s.Psh) + "|\\super " + F62(s.CoefB) + "\\nosupersub  = \\b " + F66(s.Gfsh) +
              " кг/с");
            T("\\par\\b     Суммарные подсосы участка\\par     G" + Sub("ф") + "\\b0  = G" +
              Sub("фШ") + "  + G" + Sub("фВВ") + "  + G" + Sub("фКЛ") + "  = " + F66(s.Gfsh) +
              " + " + F66(s.Gfww) + " + " + F66(s.Gfkl) + " = \\b " + F66(s.Gf) + " кг/с");
        }
    }

    void Mixture() const {
        if (detailed) {
            if (shaft)
                T("\\par\\b     Суммарные подсосы \\par     G" + Sub("a") + "\\b0  = " + kSum +
                  "G" + Sub("фj") + "  = \\b " + F66(s.Ga) + " кг/с");
            else
                T("\\par\\b     Суммарные подсосы \\par     G" + Sub("a") + "\\b0  = G" +
                  Sub("фВВ") + "  = \\b " + F66(s.Gf) + " кг/с");
            if (shaft)
                T("\\par\\b     Расход продуктов горения с учетом подсосов\\par     G" + Sub("Ш") +
                  "\\b0  = G" + Sub("ПГ") + "  + G" + Sub("a") + "  = ");
            else
                T("\\par\\b     Расход продуктов горения с учетом подсосов\\par     G" +
                  Sub("сети") + "\\b0  = G" + Sub("ПГ") + "  + G" + Sub("a") + "  = ");
            T(F64(c.GasMassFlow) + " + " + F66(s.Ga) + " = \\b " + F64(s.Gsh) + " кг/с");
            if (shaft)
                T("\\par\\b     Температура продуктов горения на участке шахты");
            else
                T("\\par\\b     Температура продуктов горения");
            T("\\par     T\\b0  = (T" + Sub("В") + " " + kTimes + "G" + Sub("a") + "  + T" +
              Sub("sm") + " " + kTimes + "G" + Sub("ПГ") + " ) / (G" + Sub("ПГ") + "  + G" +
              Sub("a") + " ) =\\par\\tab (" + F62(c.RoomAirTempK) + kTimes + F66(s.Ga) + " + " +
              F62(c.MeanSmokeTemp) + kTimes + F62(c.GasMassFlow) + ") / (" + F62(c.GasMassFlow) +
              " + " + F66(s.Ga) + ") = \\b " + F62(s.ToK) + " К");
            if (shaft && top)
                T("\\par\\b     Плотность продуктов горения на уровне выброса\\par     " + kRho +
                  Sub("N") + "\\b0  = ");
            else if (shaft)
                T("\\par\\b     Плотность продуктов горения\\par     " + kRho + Sub("ПГ") +
                  "\\b0  = ");
            else
                T("\\par\\b     Плотность продуктов горения\\par     " + kRho + Sub("N") +
                  "\\b0  = ");
            T("353 / T = 353 / " + F62(s.ToK) + " = \\b " + F62(s.RHOpg) + " кг/м" + Sup("3") +
              " ");
        }
    }

    void Viscosity(const std::string &nuText) const {
        if (detailed && (shaft || horFlag))
            T("\\par\\b     Коэффициент кинематической вязкости продуктов горения\\par     " + kNu +
              "\\b0  = (" + kNu + "2" + kTimes + "((T - 273) / 1000)" + Sup("2") + "  + " + kNu +
              "1" + kTimes + "(T - 273) / 1000 + " + kNu + "0) / 10" + Sup("6") +
              "  =\\par\\tab (" + F66(63.7637362637362) + kTimes + "((" + F62(s.ToK) +
              " - 273) / 1000)" + Sup("2") + "  + " + F62(99.05) + kTimes + "(" + F62(s.ToK) +
              " - 273) / 1000 + " + F66(11.1065934065934) + ") / 10" + Sup("6") + "  = \\b " +
              nuText + " м" + Sup("2") + " /с");
    }

    void HorizontalLoss(const std::string &nuText) const {
        if (horFlag && !middle) {
            if (detailed) {
                WritePartFlow(T, kHorizontalPart, s, s.Fww, s.Vww, s.EPSILONww, s.LAMDAww);
            }
            if (shaft && top) {
                T("\\par\\b     Потери давления в горизонтальном воздуховоде от шахты до "
                  "вентилятора\\par     " +
                  kDelta + "P" + Sub("сети") + "\\b0  = ");
            } else if (shaft) {
                T("\\par\\b     Потери давления трения горизонтального участка\\par     " + kDelta +
                  "P" + Sub("ВВ") + "\\b0  = ");
            } else {
                T("\\par\\b     Потери давления в горизонтальном воздуховоде\\par     " + kDelta +
                  "P" + Sub("сети") + "\\b0  = ");
            }
            T(Num("0.5") + kTimes + kRho + Sub("ПГ") + " " + kTimes + "V" + Sub("ВВ") + Sup("2") +
              " " + kTimes + "(" + kLambda + Sub("ВВ") + " " + kTimes + "L" + Sub("ВВ") + "  / D" +
              Sub("ЭВВ") + "  + Z" + Sub("ВВ") + " ) =\\par\\tab " + Num("0.5") + kTimes +
              F62(s.RHOpg) + kTimes + F62(s.Vww) + Sup("2") + " " + kTimes + "(" + F62(s.LAMDAww) +
              kTimes + F62(s.Lww) + " / " + F62(s.Deww) + " + " + F62(s.ZETAww) + ") = \\b " +
              F62(s.DeltaPww) + " Па");
            if (detailed)
                WriteReynolds(T, kHorizontalPart, s.Vww, s.Deww, nuText, s.Reww);
        }
    }

    void VerticalLoss(const std::string &nuText) const {
        if (shaft) {
            if (detailed) {
                WritePartFlow(T, kShaftPart, s, s.Fsh, s.Vsh, s.EPSILONsh, s.LAMDAsh);
            }
            T("\\par\\b     Потери давления трения вертикального участка\\par     " + kDelta + "P" +
              Sub("Ш") + "\\b0  = " + Num("0.5") + kTimes + kRho + Sub("ПГ") + " " + kTimes + "V" +
              Sub("Ш") + Sup("2") + " " + kTimes + "(" + kLambda + Sub("Ш") + " " + kTimes + "L" +
              Sub("Ш") + "  / D" + Sub("ЭШ") + "  + Z" + Sub("Ш") + " ) =\\par\\tab " + Num("0.5") +
              kTimes + F62(s.RHOpg) + kTimes + F62(s.Vsh) + Sup("2") + " " + kTimes + "(" +
              F62(s.LAMDAsh) + kTimes + F62(s.Lsh) + " / " + F62(s.Desh) + " + " + F62(s.ZETAsh) +
              ") = \\b " + F62(s.DeltaPsh) + " Па");
            if (detailed)
                WriteReynolds(T, kShaftPart, s.Vsh, s.Desh, nuText, s.Resh);
        }
    }
};

} // namespace

void WriteNetworkSegment(RtfStream &b, const ExhaustCalc &c, int i, int count, bool solved) {
    WriteFn T = [&b](const std::string &text) { RtfText(b, text); };
    const bool shaft = c.CalcWithShaft;
    const bool detailed = c.Detailed;
    const bool top = i == count - 1;
    const bool middle = i > 0 && i < count - 1;
    const NetworkSegment &s = c.Segments[static_cast<size_t>(i)];
    const bool horFlag = s.Fww > 0 && s.Lww > 0;
    if (shaft) {
        T("\\par\\b Участок " + Int(i + 1));
        if (!s.StoreyName.empty()) {
            T(" - ");
            RtfUserText(b, s.StoreyName);
        }
        T(":\\b0 ");
    }
    if (!solved) {
        T("\\par\\b     Не удалось рассчитать!");
        return;
    }
    const std::string hLabel = "h" + Sub(top ? std::string("выброс") : Int(i + 1)) + " ";
    const SegmentLines lines{b, c, s, i, shaft, detailed, top, middle, horFlag, hLabel, T};
    lines.Valve();
    lines.Pressures();
    lines.Leakage();
    lines.Mixture();
    std::string nuText = F62(s.NU * 1e6);
    if (nuText.find('E') != std::string::npos)
        nuText = F62(s.NU);
    else
        nuText += kDot + "10" + Sup("-6") + " ";
    lines.Viscosity(nuText);
    lines.HorizontalLoss(nuText);
    lines.VerticalLoss(nuText);
}

void WriteFanDutyPoint(RtfStream &b, const ExhaustCalc &c, const FanDutyPoint &d) {
    auto T = [&b](const std::string &text) { RtfText(b, text); };
    const bool shaft = c.CalcWithShaft;
    const double G = c.ShaftOutGasMassFlow;
    const double rhoN = c.ShaftOutGasDensity;
    const std::string gName = shaft ? "G" + Sub("Ш") + " " : "G" + Sub("сети") + " ";
    T("\\par\\par\\b\\ul Массовый расход продуктов горения\\ul0\\par " +
      std::string(shaft ? "G" + Sub("Ш") : "G" + Sub("сети")) + "\\b0  = \\b " + F64(G) + " кг/с");
    T("\\par\\par\\b\\ul Объемный расход вентилятора\\ul0\\par L" + Sub("v") + "\\b0  = " + gName +
      " / " + kRho + Sub("N") + " " + kTimes + "3600 = " + F64(G) + " / " + F64(rhoN) + kTimes +
      "3600 = \\b " + FormatRoundedInt(c.ShaftOutGasVolumeFlow) + " м" + Sup("3") + " /ч");
    // the fan works against the size of the head pressure, whatever its sign
    std::string symbols = shaft ? "|P" + Sub("ШN") + " |" : "|P" + Sub("сети") + " |";
    std::string numbers = F62(std::fabs(d.ShaftTopPressure));
    if (shaft && d.HasFanDuct) {
        symbols += " + " + kDelta + "P" + Sub("сети") + " ";
        numbers += " + " + F62(d.FanDuctLoss);
    }
    if (c.Term1) {
        symbols += " + P" + Sub("d") + " ";
        numbers += " + " + F62(c.ShaftConDuctResist);
    }
    if (c.Term1 && c.Term2) {
        symbols += " + " + Num("0.5") + kTimes + kRho + Sub("N") + " " + kTimes + "v\\sub f" +
                   Sup("2") + " ";
        numbers += " + " + Num("0.5") + kTimes + F62(rhoN) + kTimes + F62(c.ShaftExhaustGasSpeed) +
                   Sup("2") + " ";
    }
    T("\\par\\par\\b\\ul Статическое давление вентилятора, приведённое к нормальным "
      "условиям\\ul0\\par P" +
      Sub("sv") + "\\b0  = " + Num("1.2") + kTimes + "(" + symbols + ") / " + kRho + Sub("N") +
      "  = " + Num("1.2") + kTimes + "(" + numbers + ") / " + F62(rhoN) + " = \\b " +
      F62(c.FanPressure) + " Па");
    T("\\par\\par\\b\\ul Температура продуктов горения перед вентилятором\\ul0\\par t°C\\b0  = T "
      "- 273 = \\b " +
      CeilText(d.GasTemp) + " °C");
    if (c.Term1 && c.Term2)
        T("\\par\\par\\b Выбросное устройство\\par \\b0 сечение \\b " + F62(d.ExhaustSection) +
          " м" + Sup("2") + " \\b0 , скорость \\b " + F62(c.ShaftExhaustGasSpeed) + " м/с");
    T("\\par\\par\\b\\ul Компенсирующая подача воздуха\\ul0\\par\\par\\b Массовый расход "
      "воздуха\\par G" +
      Sub("a") + "\\b0  = G" + Sub("Ш") + "  / (" + Num("1.3") + " " + kRangeTo + " " + Num("1.0") +
      ") = " + F64(G) + " / (" + Num("1.3") + " " + kRangeTo + " " + Num("1.0") + ") = \\b (" +
      F62(d.AirMassLo) + " " + kRangeTo + " " + F62(d.AirMassHi) + ") кг/с");
    T("\\par\\par\\b Объемный расход воздуха при t = " + F62(c.CompensatingAirTempK - 273) +
      " °C\\par L" + Sub("a") + "\\b0  = 3600" + kDot + "G" + Sub("a") + "  / " + kRho + Sub("a") +
      "  = 3600" + kDot + "(" + F62(d.AirMassLo) + " " + kRangeTo + " " + F62(d.AirMassHi) +
      ") / " + F62(d.CompAirDensity) + " = \\b (" + FormatRoundedInt(d.AirVolumeLo) + " " +
      kRangeTo + " " + FormatRoundedInt(d.AirVolumeHi) + ") м" + Sup("3") + " /ч");
    RtfRaw(b, "\\par\\par ");
}

} // namespace orvane::exhaust
