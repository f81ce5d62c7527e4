// Report pieces more than one supply calculation writes.
#include "inflow/inflow_report.h"

#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/input_read.h"

namespace orvane::inflow {

using namespace rtf;

void WriteProjectLines(RtfStream &report, const std::string &project, const std::string &system,
                       SupplyVariant variant) {
    static const char *const kVariantLines[4] = {
        "Подача воздуха в надземную лестничную клетку типа Н2",
        "Подача воздуха в лестничную клетку подземной части",
        "Подача воздуха в лифтовую шахту",
        "Подача воздуха в тамбур-шлюзы, зоны безопасности",
    };
    ReportLine(report, "\\par\\b Наименование проекта:  ");
    RtfUserText(report, project);
    ReportLine(report, "\\b0\\par ");
    ReportLine(report, "\\par\\b Наименование вентиляционной системы:  ");
    RtfUserText(report, system);
    ReportLine(report, "\\b0\\par ");
    ReportLine(report, "\\par\\b Вариант:    ");
    const auto index = static_cast<unsigned>(variant);
    if (index < 4)
        ReportLine(report, kVariantLines[index]);
    ReportLine(report, "\\b0\\par ");
}

std::string KelvinHead(std::string_view x) {
    return "\\par\\b T" + Sub(x) + "\\b0  = t" + Sub(x) + "  + " + Num("273.15") + " = \\b ";
}

void WriteValue(RtfStream &report, std::string_view title, const std::string &symbol,
                const std::string &value, std::string_view unit) {
    ValueLine(report, "\\par " + std::string(title) + "\\par\\b " + symbol + "\\b0  = \\b ", value,
              unit);
}

void WriteDensity(RtfStream &report, std::string_view title, std::string_view rhoSub,
                  std::string_view tempSub, double rho) {
    ValueLine(report,
              "\\par " + std::string(title) + "\\par\\b " + kRho + Sub(rhoSub) + "\\b0  = 353 / T" +
                  Sub(tempSub) + "  = \\b ",
              FormatFixed2(rho), kKgPerM3);
}

void WriteWindInputs(RtfStream &report, const AirInputs &air) {
    ValueLine(report, "    Скорость ветра:    \\b v\\sub a\\nosupersub  = ",
              FormatFixed2(air.WindSpeed), kMPerS);
    ReportLine(report, RtfGroupHeading("Коэффициенты ветрового напора"));
    ValueLine(report, "    Наветренная сторона:    \\b K\\sub WW\\nosupersub  = ",
              FormatFixed2(air.WindwardCoef));
    ValueLine(report, "    Заветренная сторона:    \\b K\\sub W0\\nosupersub  = ",
              FormatFixed2(air.LeewardCoef));
}

void WriteDuctInputs(RtfStream &report, const DuctInputs &duct) {
    if (duct.IsRect)
        ValueLine(report, "    Воздуховоды прямоугольного сечения:    \\b AxB = ",
                  FormatRoundedInt(duct.SizeA) + "x" + FormatRoundedInt(duct.SizeB), " мм");
    else
        ValueLine(report, "    Воздуховоды круглого сечения:    \\b диаметр = ",
                  FormatRoundedInt(duct.SizeA), " мм");
    ValueLine(report,
              "    Длина воздуховодов:    \\b l\\sub вв\\nosupersub  = ", FormatFixed2(duct.Length),
              kM);
    ValueLine(report, "    Абсолютная эквивалентная шероховатость воздуховодов:    \\b \\u0949? = ",
              FormatFixed2(duct.Roughness), " мм");
    ValueLine(
        report,
        "    Сумма коэффициентов местных сопротивлений:    \\b \\u0958?\\sub вв\\nosupersub  = ",
        FormatFixed2(duct.XiSum));
}

void WriteDuctSection(RtfStream &report, const DuctResults &duct) {
    WriteValue(report, "Площадь сечения воздуховодов", "F" + Sub("ВВ"), FormatFixed2(duct.Area),
               kM2);
    WriteValue(report, "Эквивалентный диаметр воздуховодов", "D" + Sub("Э"),
               FormatRoundedInt(duct.EquivDiameter), " мм");
}

void WriteDuctLoss(RtfStream &report, const DuctResults &duct, std::string_view lossTitle) {
    ValueLine(report,
              "\\par Скорость воздуха\\par\\b v" + Sub("вв") + "\\b0  = G" + Sub("s") + "  / " +
                  kRho + Sub("a") + "  / F" + Sub("вв") + "  = \\b ",
              FormatFixed2(duct.Speed), kMPerS);
    WriteValue(report, "Динамическое давление", "P" + Sub("d"), FormatFixed2(duct.DynamicPressure),
               kPa);
    ValueLine(report,
              "\\par Коэффициент сопротивления трению    1/" + kSqrt + "f = -2" + kDot + "log[" +
                  kEpsilon + "/(" + Num("3.7") + kDot + "D" + Sub("э") + " ) + " + Num("2.51") +
                  "/(Re" + kDot + kSqrt + "f)]\\par\\b f\\b0  = \\b ",
              FormatFixed4(duct.Friction));
    ValueLine(report,
              "\\par Удельное сопротивление трению\\par\\b " + kDelta + "P" + Sub("f") +
                  "\\b0  = P" + Sub("d") + " " + kDot + "f / D" + Sub("Э") + "  = \\b ",
              FormatFixed2(duct.SpecFriction), " Па/м");
    ValueLine(report,
              "\\par " + std::string(lossTitle) + "\\par\\b P" + Sub("вв") + "\\b0  = " + kDelta +
                  "P" + Sub("f") + " " + kDot + "I" + Sub("вв") + "  + " + kXi + Sub("вв") + " " +
                  kDot + "P" + Sub("d") + "  = \\b ",
              FormatFixed2(duct.Loss), kPa);
}

} // namespace orvane::inflow
