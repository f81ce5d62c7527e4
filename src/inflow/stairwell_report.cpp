// The report lines the two stairwells share: the air and door groups of the inputs, the air the
// calculation starts from and the share of the fire floor's flow.
#include <string>

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/inflow_report.h"
#include "inflow/input_read.h"
#include "inflow/stairwell.h"

namespace orvane::inflow {

using namespace rtf;

void WriteStairAirInputs(RtfStream &report, const StairwellInputs &stair, bool windShown) {
    const AirInputs &air = stair.Air;
    ReportLine(report, RtfGroupHeading("Параметры воздуха"));
    ValueLine(report,
              "    Массовый расход удаляемых продуктов горения:    \\b G\\sub sm\\nosupersub  = ",
              FormatFixed2(stair.SmokeMassFlow), " кг/с");
    ValueLine(report, "    Температура внутреннего воздуха:    \\b t\\sub r\\nosupersub  = ",
              FormatFixed2(air.InsideAirTempC), " °C");
    ValueLine(report, "    Температура наружного воздуха:    \\b t\\sub a\\nosupersub  = ",
              FormatFixed2(air.OutsideAirTempC), " °C");
    if (windShown)
        WriteWindInputs(report, air);
    ReportLine(report, RtfGroupHeading("Лестничная клетка"));
    ValueLine(
        report,
        "    Площадь горизонтальной проекции маршей и площадок:    \\b F\\sub S\\nosupersub  = ",
        FormatFixed2(stair.FlightsArea), " м\\super 2\\nosupersub ");
    ValueLine(
        report,
        "    Коэффициент местного сопротивления маршей:    \\b \\u0958?\\sub s\\nosupersub  = ",
        FormatFixed2(stair.FlightsXi));
}

namespace {

void WriteStairExitInputs(RtfStream &report, const StairwellInputs &stair) {
    ReportLine(report, RtfGroupHeading("Наружный выход лестничной клетки"));
    ValueLine(report, "    Площадь двери наружного выхода:    \\b F\\sub da\\nosupersub  = ",
              FormatFixed2(stair.ExitDoorArea), " м\\super 2\\nosupersub ");
    ValueLine(report, "    Высота двери наружного выхода:    \\b h\\sub da\\nosupersub  = ",
              FormatFixed2(stair.ExitDoorHeight), " м");
    ValueLine(report,
              "    Количество последовательно расположенных дверей наружного выхода:    \\b n = ",
              IntText(stair.ExitDoorsInSeries));
    ValueLine(report,
              "    КМС проема дверей наружного выхода:    \\b \\u0958?\\sub d\\nosupersub  = ",
              FormatFixed2(stair.ExitDoorXi));
    // the tambour's kind as its coefficient tells it: none, a straight one, a Z-shaped one
    const double xi = stair.ExitTambourXi;
    const char *kind = IsZeroReal(xi)          ? "прямой"
                       : IsZeroReal(xi - 0.99) ? "прямоугольный"
                                               : "Z-образный";
    ValueLine(report,
              std::string("    КМС тамбура наружного выхода (") + kind +
                  "):    \\b \\u0958?\\sub r\\nosupersub  = ",
              FormatFixed2(xi));
}

} // namespace

void WriteStairDoorInputs(RtfStream &report, const StairwellInputs &stair, bool exitShown) {
    if (exitShown)
        WriteStairExitInputs(report, stair);
    ReportLine(report, RtfGroupHeading("Поэтажные выходы на лестничную клетку"));
    ValueLine(report, "    Площадь каждой двери:    \\b F\\sub d\\nosupersub  = ",
              FormatFixed2(stair.FloorDoorArea), " м\\super 2\\nosupersub ");
    ValueLine(report, "    Высота каждой двери:    \\b h\\sub d\\nosupersub  = ",
              FormatFixed2(stair.FloorDoorHeight), " м");
    ValueLine(report, "    Тип двери:    \\b ",
              stair.DoorIsGasProof ? "дымогазонепроницаемая" : "обычная");
    ReportLine(report, "\\par     Сопротивление воздухопроницанию закрытой двери\\par ");
    // the line says where the value came from: the maker's data, or the door's type
    const std::string resist = FormatFixed2(stair.ClosedDoorResist);
    const char *const unit = " м\\super 3\\nosupersub /кг";
    if (!stair.ClosedDoorResistByType)
        ValueLine(report,
                  "    согласно техническим данным изготовителя:    \\b S\\sub d\\nosupersub  = ",
                  resist, unit);
    else if (stair.DoorIsGasProof)
        ValueLine(report,
                  "    принято как для дымогазонепроницаемой двери:    \\b S\\sub d\\nosupersub "
                  "\\b0  = 60000 / \\u0961?\\sub s\\nosupersub  = \\b ",
                  resist, unit);
    else
        ValueLine(report,
                  "    принято как для обычной двери:    \\b S\\sub d\\nosupersub \\b0  = 5300 / "
                  "\\u0961?\\sub s\\nosupersub  = \\b ",
                  resist, unit);
}

void WriteStairAir(RtfStream &report, const StairwellInputs &stair, const StairwellResults &r,
                   const std::string &meanTempFormula) {
    ReportLine(report, KelvinHead("a"));
    ReportLine(report, FormatFixed2(stair.Air.OutsideAirTempC + kCelsiusZero));
    ReportLine(report, " К\\b0 ");
    ValueLine(report, KelvinHead("r"), FormatFixed2(stair.Air.InsideAirTempC + kCelsiusZero), " К");
    WriteDensity(report, "Плотность наружного воздуха", "a", "a", r.Air.OutsideAirDensity);
    WriteDensity(report, "Плотность воздуха в помещении", "r", "r", r.Air.InsideAirDensity);
    ValueLine(report,
              "\\par Средняя температура воздуха в лестничной клетке\\par\\b t" + Sub("s") +
                  "\\b0  = " + meanTempFormula + " = \\b ",
              FormatFixed2(r.StairAirTempC), " °C");
    ValueLine(report, KelvinHead("s"), FormatFixed2(r.StairAirTempC + kCelsiusZero), " К");
    WriteDensity(report, "Плотность воздуха в лестничной клетке", "s", "s", r.StairAirDensity);
}

void WriteDoorwayShare(RtfStream &report, int countedStairwells, std::string_view title,
                       std::string_view gSub, double flow, bool byShare) {
    ValueLine(report,
              "\\par Количество лестничных клеток, принятое к расчёту\\par\\b q\\b0  = max(p - 1; "
              "1) = \\b ",
              IntText(countedStairwells));
    ValueLine(report,
              "\\par " + std::string(title) + "\\par\\b G" + Sub(gSub) +
                  "\\b0  = " + (byShare ? "G" + Sub("sm") + "  / q = " : std::string()) + "\\b ",
              FormatFixed2(flow), kKgPerS);
}

} // namespace orvane::inflow
