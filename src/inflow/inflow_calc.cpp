#include "inflow/inflow_calc.h"

#include <cctype>
#include <cmath>

#include "core/number_text.h"
#include "inflow/inflow_charts.h"
#include "inflow/result_checks.h"

namespace orvane::inflow {

const std::array<TVarWinPenetration, 4> VarWinPenetration = {{
    {"ΔG10, (кг/ч)/м²", "(кг/ч)/м²", 10, true, false, "Удельная массовая воздухопроницаемость",
     "проёмов при ΔP = 10 Па", "ΔG10"},
    {"ΔQ100, (м³/ч)/м²", "(м³/ч)/м²", 100, true, true, "Удельная объёмная воздухопроницаемость",
     "проёмов при ΔP = 100 Па", "ΔQ100"},
    {"R10, м²/(кг/ч)", "м²/(кг/ч)", 10, false, false,
     "Удельное массовое сопротивление воздухопроницанию", "проёмов при ΔP = 10 Па", "R10"},
    {"R100, м²/(м³/ч)", "м²/(м³/ч)", 100, false, true,
     "Удельное объёмное сопротивление воздухопроницанию", "проёмов при ΔP = 100 Па", "R100"},
}};

std::string CalcVariantName(TCalcVariant v) {
    switch (v) {
    case TCalcVariant::cvrntOverGndStair:
        return "cvrntOverGndStair";
    case TCalcVariant::cvrntUnderGndStair:
        return "cvrntUnderGndStair";
    case TCalcVariant::cvrntLift:
        return "cvrntLift";
    case TCalcVariant::cvrntTambour:
        return "cvrntTambour";
    }
    return "cvrntOverGndStair";
}

std::string VariantToCode(TCalcVariant v) {
    switch (v) {
    case TCalcVariant::cvrntOverGndStair:
        return "SW-OG";
    case TCalcVariant::cvrntUnderGndStair:
        return "SW-UG";
    case TCalcVariant::cvrntLift:
        return "LIFT";
    case TCalcVariant::cvrntTambour:
        return "TAMBOUR";
    }
    return "SW-OG";
}

TCalcVariant CodeToVariant(std::string_view code) {
    std::string upper(code);
    for (char &c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper == "SW-UG")
        return TCalcVariant::cvrntUnderGndStair;
    if (upper == "LIFT")
        return TCalcVariant::cvrntLift;
    if (upper == "TAMBOUR")
        return TCalcVariant::cvrntTambour;
    return TCalcVariant::cvrntOverGndStair;
}

TCalcVariant ReadCalcVariant(const InflowInputs &in) {
    using enum TCalcVariant;
    return in.chosen(ctl::kVariantRadios,
                     {cvrntOverGndStair, cvrntUnderGndStair, cvrntLift, cvrntTambour},
                     cvrntOverGndStair);
}

InflowCalc::InflowCalc(Notifier *notifier) : RunFrame(notifier) {}

void InflowCalc::Line(std::string_view text) {
    RtfText(Report.RTBody, text);
}

int InflowCalc::SchemeNumber(bool t1, bool t2, bool t3, bool t4) {
    return 1 + 8 * int(t1) + 4 * int(t2) + 2 * int(t3) + int(t4);
}

RunOutcome InflowCalc::Run(InflowInputs &in) {
    BeginRun();
    OverGndStairResult.clear();
    UnderGndStairResult.clear();
    LiftShaftResult.clear();
    TmbrFloors.clear();
    Report.BeginReport(kSupplyReportTitle);
    Report.Page.projectName = in.text(ctl::EditProjectName);
    Report.Page.systemName = in.text(ctl::EditSystemName);

    return RunGuarded(
        Report, "\\par", [&] { return RunSteps(in); },
        [this] {
            VolumeAirExps = 0;
            FanPress = 0;
        },
        [this] { return InflowCharts(*this); });
}

RunOutcome InflowCalc::RunSteps(InflowInputs &in) {
    CalcVariant = ReadCalcVariant(in);
    bool ok = InputProjectVariant(in);
    switch (CalcVariant) {
    case TCalcVariant::cvrntOverGndStair:
        ok = ok && InputOGStairTerms(in) && InputStairAir(in) && InputStairDoorsSupply(in);
        break;
    case TCalcVariant::cvrntUnderGndStair:
        ok = ok && InputUGStairTerms(in) && InputStairAir(in) && InputStairDoorsSupply(in);
        break;
    case TCalcVariant::cvrntLift:
        ok = ok && InputLiftTerms(in) && InputLiftShaft(in) && InputLiftSupply(in);
        break;
    case TCalcVariant::cvrntTambour:
        ok = ok && InputTmbrTerms(in) && InputTmbrAir(in) && InputTmbrRoomSupply(in);
        break;
    }
    if (!ok)
        return RunOutcome::inputStopped;

    RtfRaw(Report.RTBody, "\\par ");
    RtfHeading(Report.RTBody, "РАСЧЁТ");
    switch (CalcVariant) {
    case TCalcVariant::cvrntOverGndStair:
        RunCalcOverGndStair();
        break;
    case TCalcVariant::cvrntUnderGndStair:
        RunCalcUnderGndStair();
        break;
    case TCalcVariant::cvrntLift:
        RunCalcLift();
        break;
    case TCalcVariant::cvrntTambour:
        RunCalcTambour();
        break;
    }
    // guard: a duty point that is not a number never leaves the run, printed or not
    if (!std::isfinite(VolumeAirExps) || !std::isfinite(FanPress))
        throw NonFiniteValue();
    FinishWithChecks(Report, SupplyChecks(*this));
    return RunOutcome::ok;
}

std::optional<FieldProblem> FindInvalidInput(const InflowInputs &in) {
    return FirstRefusedField<InflowCalc>(kInflowFields, in);
}

} // namespace orvane::inflow
