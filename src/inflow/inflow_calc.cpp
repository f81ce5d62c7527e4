#include "inflow/inflow_calc.h"

#include <cctype>
#include <cmath>

#include "inflow/inflow_charts.h"
#include "inflow/inflow_report.h"
#include "inflow/result_checks.h"

namespace orvane::inflow {

std::string VariantJsonName(SupplyVariant v) {
    switch (v) {
    case SupplyVariant::aboveGroundStair:
        return "cvrntOverGndStair";
    case SupplyVariant::undergroundStair:
        return "cvrntUnderGndStair";
    case SupplyVariant::lift:
        return "cvrntLift";
    case SupplyVariant::tambour:
        return "cvrntTambour";
    }
    return "cvrntOverGndStair";
}

std::string VariantToCode(SupplyVariant v) {
    switch (v) {
    case SupplyVariant::aboveGroundStair:
        return "SW-OG";
    case SupplyVariant::undergroundStair:
        return "SW-UG";
    case SupplyVariant::lift:
        return "LIFT";
    case SupplyVariant::tambour:
        return "TAMBOUR";
    }
    return "SW-OG";
}

SupplyVariant CodeToVariant(std::string_view code) {
    std::string upper(code);
    for (char &c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper == "SW-UG")
        return SupplyVariant::undergroundStair;
    if (upper == "LIFT")
        return SupplyVariant::lift;
    if (upper == "TAMBOUR")
        return SupplyVariant::tambour;
    return SupplyVariant::aboveGroundStair;
}

SupplyVariant ChosenVariant(const InflowInputs &in) {
    using enum SupplyVariant;
    return in.Chosen(ctl::kVariantRadios, {aboveGroundStair, undergroundStair, lift, tambour},
                     aboveGroundStair);
}

InflowCalc::InflowCalc(Notifier *notifier) : RunFrame(notifier) {}

RunOutcome InflowCalc::Run(InflowInputs &in) {
    BeginRun();
    aboveGroundStair_ = {};
    undergroundStair_ = {};
    lift_ = {};
    tambour_ = {};
    FanVolumeFlow = 0;
    FanPressure = 0;
    Report.BeginReport(kSupplyReportTitle);
    Report.Page.projectName = in.Text(ctl::EditProjectName);
    Report.Page.systemName = in.Text(ctl::EditSystemName);

    return RunGuarded(
        Report, "\\par", [&] { return RunSteps(in); },
        [this] {
            FanVolumeFlow = 0;
            FanPressure = 0;
        },
        [this] { return InflowCharts(*this); });
}

RunOutcome InflowCalc::RunSteps(InflowInputs &in) {
    RtfStream &report = Report.RTBody;
    Variant = ChosenVariant(in);
    ProjectName = in.Text(ctl::EditProjectName);
    SystemName = in.Text(ctl::EditSystemName);
    WriteProjectLines(report, ProjectName, SystemName, Variant);

    // The chosen calculator: its input steps, "РАСЧЁТ", its calculation, its duty point.
    auto steps = [&](auto &calc) {
        if (!calc.ReadInputs(*this, in, report))
            return RunOutcome::inputStopped;
        RtfRaw(report, "\\par ");
        RtfHeading(report, "РАСЧЁТ");
        calc.Calculate(*this, report);
        FanVolumeFlow = calc.Results().FanVolumeFlow;
        FanPressure = calc.Results().FanPressure;
        return RunOutcome::ok;
    };
    RunOutcome outcome = RunOutcome::ok;
    switch (Variant) {
    case SupplyVariant::aboveGroundStair:
        outcome = steps(aboveGroundStair_);
        break;
    case SupplyVariant::undergroundStair:
        outcome = steps(undergroundStair_);
        break;
    case SupplyVariant::lift:
        outcome = steps(lift_);
        break;
    case SupplyVariant::tambour:
        outcome = steps(tambour_);
        break;
    }
    if (outcome != RunOutcome::ok)
        return outcome;
    // guard: a duty point that is not a number never leaves the run, printed or not
    if (!std::isfinite(FanVolumeFlow) || !std::isfinite(FanPressure))
        throw NonFiniteValue();
    FinishWithChecks(Report, SupplyChecks(*this));
    return RunOutcome::ok;
}

std::optional<FieldProblem> FindInvalidInput(const InflowInputs &in) {
    return FirstRefusedField<InflowCalc>(kInflowFields, in);
}

} // namespace orvane::inflow
