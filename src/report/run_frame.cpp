#include "report/run_frame.h"

#include "report/rtf_writer.h"

namespace orvane {

namespace {
std::string ControlText(const std::optional<ControlName> &control) {
    return control ? control->Str() : std::string();
}
} // namespace

void RunFrame::BeginRun() {
    Messages.clear();
    NonFiniteStop = false;
    Checks.clear();
}

void RunFrame::Warn(const std::string &text, std::optional<ControlName> control) {
    Messages.push_back({"warning", text});
    if (notifier_)
        notifier_->warning(text, ControlText(control));
}

void RunFrame::Fail(const std::string &text, std::optional<ControlName> control) {
    Messages.push_back({"error", text});
    if (notifier_)
        notifier_->error(text, ControlText(control));
}

void RunFrame::EndStoppedReport(ReportDocument &report) {
    std::string text =
        Messages.empty() ? std::string("проверьте исходные данные.") : Messages.back().text;
    for (char &c : text)
        if (c == '\r' || c == '\n')
            c = ' ';
    RtfRaw(report.RTBody, "\\par\\b ");
    RtfText(report.RTBody, "Расчёт прерван: ");
    RtfUserText(report.RTBody, text);
    RtfRaw(report.RTBody, "\\b0\\par ");
}

void RunFrame::StopOnNonFinite(ReportDocument &report, std::string_view leadIn) {
    NonFiniteStop = true;
    RtfRaw(report.RTBody, leadIn);
    RtfRaw(report.RTBody, "\\b ");
    RtfText(report.RTBody, kNonFiniteMessage);
    RtfRaw(report.RTBody, "\\b0\\par ");
    Fail(std::string(kNonFiniteMessage));
}

void RunFrame::FinishWithChecks(ReportDocument &report, ResultChecks checks) {
    Checks = std::move(checks);
    WriteResultChecks(report.RTBody, Checks);
    for (const ResultCheck &check : Checks)
        if (!check.withinLimits)
            Messages.push_back({"warning", CheckWarningText(check)});
}

} // namespace orvane
