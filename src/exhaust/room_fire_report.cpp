// The room's, the gallery's and the car park's report: the fire and its plume, the temperature
// balances of the column and the smoke layer, and the smoke to be removed, written from what
// room_fire.cpp and parking.cpp computed.
#include <algorithm>
#include <string>

#include "core/number_text.h"
#include "exhaust/exhaust_report.h"
#include "report/rtf_symbols.h"

namespace orvane::exhaust {

using namespace rtf;

namespace {

constexpr std::string_view kOutOfRangeLine = "\\par\\b\\ul Внимание: решение вне диапазона от -100 "
                                             "до 1500 К, результат недостоверен.\\ul0\\b0 ";

void WriteOutOfRange(RtfStream &s, const std::function<void()> &outOfRange) {
    RtfText(s, kOutOfRangeLine);
    outOfRange();
}

void WritePlumeMassFlowFormula(RtfStream &s, bool tallFlame) {
    if (tallFlame) {
        RtfText(s, "\\par G" + Sub("k") + "\\b0  = " + Num("0.032") + kTimes);
        RtfText(s, "(r" + kTimes + "Q" + Sub("f") + " )" + Sup("3/5") + " " + kTimes);
        RtfText(s, "(h - H" + Sub("sm") + " ) = \\b ");
    } else {
        RtfText(s, "\\par G" + Sub("k") + "\\b0  = " + Num("0.071") + kTimes);
        RtfText(s, "(r" + kTimes + "Q" + Sub("f") + " )" + Sup("1/3") + " " + kTimes);
        RtfText(s, "(h - H" + Sub("sm") + " )" + Sup("5/3") + "  + " + Num("0.0018") + kTimes);
        RtfText(s, "r" + kTimes + "Q" + Sub("f") + "  = \\b ");
    }
}

void WritePlumeTemperatures(RtfStream &s, const ExhaustCalc &c, const PlumeTerms &t, bool parking,
                            const std::function<void()> &outOfRange) {

    RtfText(s, "\\par\\par\\b Температура воздуха в помещении");
    RtfText(s, "\\par T" + Sub("r") + "\\b0  = t" + Sub("r") + "  + 273 = \\b ");
    RtfText(s, F62(c.RoomAirTempK) + " К");

    RtfText(s, "\\par\\par\\b Удельная теплоемкость конвективной колонки");
    RtfText(s, "\\par C" + Sub("pk") + "\\b0  = " + Num("1.3615803") + " / (1 + exp(" +
                   Num("7.0065648") + " - ");
    RtfText(s, Num("0.0053034712") + kTimes + "T" + Sub("k") + " ))" +
                   Sup("1/" + Num("20.761095")) + "  = \\b ");
    RtfText(s, F64(c.SpecConvectHeat) + " кДж/(кг" + kDot + "K)");

    RtfText(s, "\\par\\par\\b Температура в конвективной колонке");
    RtfText(s, "\\par T" + Sub("k") + "\\b0  = T" + Sub("r") + "  + r" + kTimes + "Q" + Sub("f") +
                   "  / ");
    RtfText(s, "(C" + Sub("pk") + " " + kTimes + "G" + Sub("k") + " ) = \\b ");
    RtfText(s, FormatRoundedInt(c.ConvectTemp) + " К");
    if (t.ColumnOutOfRange)
        WriteOutOfRange(s, outOfRange);

    RtfText(s, "\\par\\par\\b Удельная теплоемкость дымового слоя");
    RtfText(s, "\\par C" + Sub("psm") + "\\b0  = " + Num("1.3615803") + " / (1 + exp(" +
                   Num("7.0065648") + " - ");
    RtfText(s, Num("0.0053034712") + kTimes + "T" + Sub("sm") + " ))" +
                   Sup("1/" + Num("20.761095")) + "  = \\b ");
    RtfText(s, F64(c.SpecSmokeHeat) + " кДж/(кг" + kDot + "K)");

    RtfText(s, "\\par\\par\\b Коэффициент теплоотдачи дымового слоя в ограждающие конструкции");
    RtfText(s, "\\par " + kAlpha + "\\b0  = " + Num("0.01163") + kTimes + "exp(" + Num("0.0023") +
                   kTimes + "(T" + Sub("sm") + "  - 273)) = \\b ");
    RtfText(s, F64(c.HeatEmissionCoef) + " кВт/(м" + Sup("2") + " " + kDot + "K)");

    RtfText(s, "\\par\\par\\b Средняя температура дымового слоя в помещении");
    RtfText(s, "\\par T" + Sub("sm") + "\\b0  = T" + Sub("r") + "  + C" + Sub("psm") + " " +
                   kTimes + "r" + kTimes + "Q" + Sub("f") + "  / ");
    RtfText(s, "(C" + Sub("pk") + " " + kTimes + kAlpha + kTimes + "(H" + Sub("sm") + " " + kTimes +
                   "l" + Sub("sm") + "  + A" + Sub("sm") + " ))" + kTimes);
    RtfText(s, "(1 - exp(-" + kAlpha + kTimes + "(H" + Sub("sm") + " " + kTimes + "l" + Sub("sm") +
                   "  + A" + Sub("sm") + " ) / ");
    RtfText(s, "(C" + Sub("psm") + " " + kTimes + "G" + Sub("k") + " ))) = \\b ");
    RtfText(s, FormatRoundedInt(c.MeanSmokeTemp) + " К");
    if (t.LayerOutOfRange)
        WriteOutOfRange(s, outOfRange);

    RtfText(s, "\\par\\par\\b Массовый расход продуктов горения, удаляемых из помещения");
    RtfText(s, "\\par G" + Sub("ПГ") + "\\b0  = G" + Sub("k") + "  = \\b ");
    RtfText(s, F62(c.GasMassFlow) + " кг/с");

    RtfText(s, "\\par\\par\\b Средняя плотность продуктов горения, удаляемых из помещения");
    RtfText(s, "\\par " + kRho + Sub("ПГ") + "\\b0  = 353 / T" + Sub("sm") + "  = \\b ");
    RtfText(s, F62(c.MeanGasDensity) + " кг/м" + Sup("3") + " ");

    RtfText(s, "\\par\\par\\b Объемный расход продуктов горения, удаляемых из помещения");
    RtfText(s, std::string("\\par L" + Sub("ПГ") + "\\b0  = ") +
                   (parking ? "G" + Sub("k") + "  / " : "G" + Sub("ПГ") + "  / "));
    RtfText(s, kRho + Sub("ПГ") + " " + kTimes + "3600 = \\b ");
    RtfText(s, FormatRoundedInt(c.GasVolumeFlow) + " м" + Sup("3") + " /ч");
}

// Where the report of a run whose smoke layer is undefined stops: the message as a bold line.
void WriteSmokeLayerUndefined(RtfStream &s, ExhaustVariant variant) {
    std::string line = SmokeLayerUndefinedMessage(variant);
    std::replace(line.begin(), line.end(), '\r', ' ');
    RtfText(s, "\\par\\par\\b ");
    RtfUserText(s, line);
    RtfText(s, "\\b0 ");
}

// The smoke layer's section and the fire area, as the room's fire was sized.
void WriteRoomFireArea(RtfStream &s, const ExhaustCalc &c, const PlumeTerms &t) {
    if (t.PerimeterEntered) {
        RtfText(s, "\\par\\par\\b Макс. периметр горизонтального сечения дымового слоя задан "
                   "пользователем");
        RtfText(s, "\\par l" + Sub("sm") + "\\b0  = \\b ");
    } else {
        RtfText(s, "\\par\\par\\b Макс. периметр горизонтального сечения дымового слоя");
        RtfText(s, "\\par l" + Sub("sm") + "\\b0  = 2" + kTimes + "(a + b) = \\b ");
    }
    RtfText(s, F62(c.MaxSmokePerimeter) + " м");

    RtfText(s, "\\par\\par\\b Эквивалентная площадь горизонтального сечения дымового слоя");
    RtfText(s, "\\par A" + Sub("sm") + "\\b0  = F" + Sub("f") + "  = \\b ");
    RtfText(s, F62(c.SmokeEquiArea) + " м" + Sup("2") + " ");

    const std::string areaText = F62(c.FireArea) + " м" + Sup("2") + " ";
    switch (t.AreaSource) {
    case FireAreaSource::entered:
        RtfText(s, "\\par\\par\\b Площадь очага пожара задана пользователем\\par F" + Sub("o") +
                       "\\b0  = \\b " + areaText);
        break;
    case FireAreaSource::sprinklers:
        RtfText(s, "\\par\\par\\b Площадь очага пожара принята по параметрам АУПТ");
        RtfText(s, "\\par F" + Sub("o") + "\\b0  = \\b ");
        RtfText(s, areaText);
        break;
    default:
        RtfText(s, "\\par\\par\\b Время развития очага пожара");
        RtfText(s, "\\par " + kTau + Sub("o") + "\\b0  = \\b ");
        RtfText(s, F62(t.FireTime) + " с");
        RtfText(s, "\\par\\par\\b Радиус очага пожара");
        RtfText(s, "\\par R" + Sub("o") + "\\b0  = U" + Sub("л") + " " + kTimes);
        RtfText(s, kTau + Sub("o") + "  = \\b ");
        RtfText(s, F62(c.FireRadius) + " м");
        if (t.AreaSource == FireAreaSource::circle)
            RtfText(s, "\\par\\par\\b Очаг пожара не достигнет стен помещения,\\par площадь очага "
                       "принята равной площади круга радиусом R" +
                           Sub("o") + "\\par F" + Sub("o") + "\\b0  = " + kPi + kTimes + "R" +
                           Sub("o") + Sup("2") + "  = \\b " + areaText);
        else
            RtfText(s, "\\par\\par\\b Очаг пожара достигнет стен помещения,\\par площадь очага "
                       "принята равной площади помещения\\par F" +
                           Sub("o") + "\\b0  = F" + Sub("f") + "  = \\b " + areaText);
        break;
    }
}

} // namespace

void WriteRoomCalculation(RtfStream &s, const ExhaustCalc &c, const PlumeTerms &t,
                          const std::function<void()> &outOfRange) {
    RtfHeading(s, "РАСЧЁТНЫЕ ВЕЛИЧИНЫ");
    WriteRoomSize(s, c);
    if (!t.LayerDefined) {
        WriteSmokeLayerUndefined(s, c.Variant);
        return;
    }
    WriteRoomFireArea(s, c, t);

    RtfText(s, "\\par\\par\\b Мощность тепловыделения очага пожара");
    RtfText(s, "\\par Q" + Sub("f") + "\\b0  = " + kEta + kTimes);
    RtfText(s, "Q" + Sub("нср") + " " + kTimes + "1000" + kTimes + kPsi + Sub("ср") + " " + kTimes +
                   "F" + Sub("o") + "  = \\b ");
    RtfText(s, FormatRoundedInt(c.FireHeatPower) + " кВт");

    RtfText(s, "\\par\\par\\b Безопасное расстояние\\par R\\b0  = [(1 - r)" + kTimes + "Q" +
                   Sub("f") + "  / (4" + kDot + kPi + kDot + "qr\")]" + Sup(Num("0.5")) +
                   "  = \\b ");
    RtfText(s, F62(t.SafeDistance) + " м");

    RtfText(s, "\\par\\par\\b Высота пламени");
    RtfText(s, "\\par Z\\b0  = " + Num("0.166") + kTimes);
    RtfText(s, "(r" + kTimes + "Q" + Sub("f") + " )");
    RtfText(s, Sup("2/5") + "  = \\b ");
    RtfText(s, F62(c.FlameTongueHeight) + " м");

    RtfText(s, "\\par\\par\\b Конвективный массовый расход дыма");
    if (c.Variant == ExhaustVariant::underGallery) {
        RtfText(s, "\\par G" + Sub("k") + "\\b0  = " + Num("0.36") + kTimes);
        RtfText(s, "(r" + kTimes + "Q" + Sub("f") + " " + kTimes + "W" + Sup("2") + " )" +
                       Sup("1/3") + " " + kTimes);
        RtfText(s, "(Z" + Sub("b") + "  + " + Num("0.25") + kTimes + "H" + Sub("g") + " ) = \\b ");
    } else {
        WritePlumeMassFlowFormula(s, t.TallFlame);
    }
    RtfText(s, F62(c.GasMassFlow) + " кг/с");

    WritePlumeTemperatures(s, c, t, false, outOfRange);
}

void WriteParkingCalculation(RtfStream &s, const ExhaustCalc &c, const PlumeTerms &t,
                             const std::function<void()> &outOfRange) {
    RtfHeading(s, "РАСЧЁТНЫЕ ВЕЛИЧИНЫ");
    WriteRoomSize(s, c);
    if (!t.LayerDefined) {
        WriteSmokeLayerUndefined(s, c.Variant);
        return;
    }
    RtfText(s, "\\par\\par\\b Высота факела пламени");
    RtfText(s, "\\par z" + Sub("l") + "\\b0  = " + Num("0.166") + kTimes);
    RtfText(s, "(r" + kTimes + "Q" + Sub("f") + " )");
    RtfText(s, Sup("2/5") + "  = \\b ");
    RtfText(s, F62(c.FlameTongueHeight) + " м");

    RtfText(s, "\\par\\par\\b Конвективный массовый расход дыма");
    WritePlumeMassFlowFormula(s, t.TallFlame);
    RtfText(s, F62(c.GasMassFlow) + " кг/с");

    WritePlumeTemperatures(s, c, t, true, outOfRange);
}

} // namespace orvane::exhaust
