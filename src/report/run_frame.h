#pragma once
// What every module's calculation shares: how a run ends, the messages it gave, and the one
// guard that keeps a value that is not finite out of the report and the duty point.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/control_state.h"
#include "core/field_check.h"
#include "core/notifier.h"
#include "core/number_text.h"
#include "report/report_document.h"
#include "report/result_check.h"

namespace orvane {

// How a run ended.
enum class RunOutcome {
    ok,           // calculated, valid duty point
    inputStopped, // an input step refused a value (its message was given)
    noDutyPoint   // went through but reached no valid duty point (the report says why)
};

// The sentence of the non-finite guard.
inline constexpr std::string_view kNonFiniteMessage =
    "Расчёт прерван: получено недопустимое значение. Проверьте исходные данные.";

struct RunMessage {
    std::string kind; // "warning" or "error"
    std::string text;
};

class RunFrame {
public:
    explicit RunFrame(Notifier *notifier = nullptr) : notifier_(notifier) {}

    // Where input steps send their messages (a window's message boxes, a test's recorder).
    void SetNotifier(Notifier *notifier) { notifier_ = notifier; }

    // Messages the last run gave, in order, for the JSON and the batch calculator.
    std::vector<RunMessage> Messages;
    // True when the last run stopped on the non-finite guard.
    bool NonFiniteStop = false;
    // The plausibility checks of the last run; empty unless it reached its duty point.
    ResultChecks Checks;

    // An input step's message: recorded, and shown by the notifier with `control` focused.
    void Warn(const std::string &text, std::optional<ControlName> control = std::nullopt);
    void Fail(const std::string &text, std::optional<ControlName> control = std::nullopt);

protected:
    void BeginRun();
    // One run in the frame both modules share. `body` reads the inputs and computes into
    // `report`, and returns how it ended; a value that is not finite, wherever it arises, stops
    // the run there (the guard's sentence follows `nonFiniteLeadIn`). The report is then ended as
    // the outcome asks: a run an input step stopped says why, a run without a valid duty point
    // has it cleared (`clearDutyPoint`), a finished run gets its charts (`charts`, returning the
    // report's chart list); and the full report is built.
    template <class Body, class ClearDutyPoint, class Charts>
    RunOutcome RunGuarded(ReportDocument &report, std::string_view nonFiniteLeadIn, Body body,
                          ClearDutyPoint clearDutyPoint, Charts charts) {
        RunOutcome outcome = RunOutcome::noDutyPoint;
        try {
            outcome = body();
        } catch (const NonFiniteValue &) {
            StopOnNonFinite(report, nonFiniteLeadIn); // the outcome stays noDutyPoint
        }
        if (outcome == RunOutcome::noDutyPoint)
            clearDutyPoint();
        else if (outcome == RunOutcome::inputStopped)
            EndStoppedReport(report);
        else
            report.Charts = charts();
        report.BuildFullReport();
        return outcome;
    }
    // The end of a report whose run an input step stopped: a bold "Расчёт прерван: " and the
    // stopping message, so a partial report is never taken for a finished one.
    void EndStoppedReport(ReportDocument &report);
    // The guard's stop: the bold sentence in the report after `leadIn`, the error message.
    void StopOnNonFinite(ReportDocument &report, std::string_view leadIn);
    // A finished run's checks: kept, written as the report's last section, and each one outside
    // its limits recorded as a warning. The notifier is not called: the window shows them all in
    // one box after the report (shell/result_warnings.h), the batch prints the message list.
    void FinishWithChecks(ReportDocument &report, ResultChecks checks);

    Notifier *notifier_;
};

// The first field a run of `Calc` on `in` reads whose text the field refuses. The run is tried
// on a copy without a notifier only to learn which fields the chosen variant reads; a field the
// variant does not read is not checked. Callers refuse to run (and to rewrite the number) on a
// problem.
template <class Calc, class Inputs>
std::optional<FieldProblem> FirstRefusedField(std::span<const FieldSpec> table, const Inputs &in) {
    Inputs trial = in;
    std::vector<ControlName> read;
    trial.RecordReads(&read);
    Calc calc;
    calc.Run(trial);
    trial.RecordReads(nullptr);
    return FirstInvalidField(table, in, read);
}

} // namespace orvane
