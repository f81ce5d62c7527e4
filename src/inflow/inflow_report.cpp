// Report pieces more than one supply calculation writes.
#include "inflow/inflow_report.h"

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/input_read.h"

namespace orvane::inflow {

using namespace rtf;

std::string KelvinHead(std::string_view x) {
    return "\\par\\b T" + Sub(x) + "\\b0  = t" + Sub(x) + "  + " + Num("273.15") + " = \\b ";
}

void PutValue(InflowCalc &c, std::string_view title, const std::string &symbol,
              const std::string &value, std::string_view unit) {
    Put(c, "\\par " + std::string(title) + "\\par\\b " + symbol + "\\b0  = \\b ", value, unit);
}

void PutDensity(InflowCalc &c, std::string_view title, std::string_view rhoSub,
                std::string_view tempSub, double rho) {
    Put(c,
        "\\par " + std::string(title) + "\\par\\b " + kRho + Sub(rhoSub) + "\\b0  = 353 / T" +
            Sub(tempSub) + "  = \\b ",
        FormatFixed2(rho), kKgPerM3);
}

void WriteStairAir(InflowCalc &c, const std::string &meanTempFormula) {
    c.Line(KelvinHead("a"));
    c.Line(FormatFixed2(c.OutsideAirTemp + kCelsiusZero));
    c.Line(" К\\b0 ");
    Put(c, KelvinHead("r"), FormatFixed2(c.InsideAirTemp + kCelsiusZero), " К");
    PutDensity(c, "Плотность наружного воздуха", "a", "a", c.OutsideAirDensity);
    PutDensity(c, "Плотность воздуха в помещении", "r", "r", c.InsideAirDensity);
    Put(c,
        "\\par Средняя температура воздуха в лестничной клетке\\par\\b t" + Sub("s") +
            "\\b0  = " + meanTempFormula + " = \\b ",
        FormatFixed2(c.SWAirTemp), " °C");
    Put(c, KelvinHead("s"), FormatFixed2(c.SWAirTemp + kCelsiusZero), " К");
    PutDensity(c, "Плотность воздуха в лестничной клетке", "s", "s", c.SWAirDensity);
}

void WriteDoorwayShare(InflowCalc &c, std::string_view title, std::string_view gSub, double flow,
                       bool byShare) {
    Put(c,
        "\\par Количество лестничных клеток, принятое к расчёту\\par\\b q\\b0  = max(p - 1; 1) = "
        "\\b ",
        IntText(c.CalculatedSWQty));
    Put(c,
        "\\par " + std::string(title) + "\\par\\b G" + Sub(gSub) +
            "\\b0  = " + (byShare ? "G" + Sub("sm") + "  / q = " : std::string()) + "\\b ",
        FormatFixed2(flow), kKgPerS);
}

void WriteDuctSection(InflowCalc &c) {
    PutValue(c, "Площадь сечения воздуховодов", "F" + Sub("ВВ"), FormatFixed2(c.APipeArea), kM2);
    PutValue(c, "Эквивалентный диаметр воздуховодов", "D" + Sub("Э"),
             FormatRoundedInt(c.APipeDiamEq), " мм");
}

void WriteDuctLoss(InflowCalc &c, std::string_view lossTitle) {
    Put(c,
        "\\par Скорость воздуха\\par\\b v" + Sub("вв") + "\\b0  = G" + Sub("s") + "  / " + kRho +
            Sub("a") + "  / F" + Sub("вв") + "  = \\b ",
        FormatFixed2(c.APipeSpeed), kMPerS);
    PutValue(c, "Динамическое давление", "P" + Sub("d"), FormatFixed2(c.APipeDynPress), kPa);
    Put(c,
        "\\par Коэффициент сопротивления трению    1/" + kSqrt + "f = -2" + kDot + "log[" +
            kEpsilon + "/(" + Num("3.7") + kDot + "D" + Sub("э") + " ) + " + Num("2.51") + "/(Re" +
            kDot + kSqrt + "f)]\\par\\b f\\b0  = \\b ",
        FormatFixed4(c.APipeLambda));
    Put(c,
        "\\par Удельное сопротивление трению\\par\\b " + kDelta + "P" + Sub("f") + "\\b0  = P" +
            Sub("d") + " " + kDot + "f / D" + Sub("Э") + "  = \\b ",
        FormatFixed2(c.APipeSpecFriction), " Па/м");
    Put(c,
        "\\par " + std::string(lossTitle) + "\\par\\b P" + Sub("вв") + "\\b0  = " + kDelta + "P" +
            Sub("f") + " " + kDot + "I" + Sub("вв") + "  + " + kXi + Sub("вв") + " " + kDot + "P" +
            Sub("d") + "  = \\b ",
        FormatFixed2(c.APipeLoss), kPa);
}

} // namespace orvane::inflow
