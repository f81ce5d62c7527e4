// orvane-calc for ".smkprj": what "Расчет" does in a fresh exhaust window.
#include <ostream>

#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "core/notifier.h"
#include "exhaust/exhaust_calc.h"
#include "exhaust/exhaust_json.h"
#include "exhaust/exhaust_project.h"

namespace orvane::cli {

int RunExhaustProject(const CliOptions &options, std::ostream &out, std::ostream &err) {
    using namespace orvane::exhaust;

    ExhaustInputs inputs = ExhaustInputs::Defaults();
    const ProjectResult loaded = LoadExhaustProject(options.projectPath, inputs);
    if (!loaded.ok) {
        PrintFailure(loaded.error, err);
        return kExitUsage;
    }
    if (options.brief)
        inputs.check("cbDetailed", false);

    ExhaustCalc calc; // messages are collected by the run, the network's included
    const RunOutcome outcome = calc.Run(inputs);
    RecordingNotifier messages;
    for (const auto &m : calc.Messages)
        messages.messages.push_back({m.kind, m.text, {}});
    PrintMessages(messages, err);
    if (outcome == RunOutcome::ok)
        PrintDutyPoint(out, calc.FanGasVolumeExps, calc.FanPressure);

    nlohmann::json json;
    json["module"] = "exhaust";
    json["variant"] = CalcVariantWord(calc.CalcVariant);
    json["ok"] = outcome == RunOutcome::ok;
    json["messages"] = MessagesJson(messages);
    json["results"] = ExhaustResultsJson(calc);
    json["segments"] = ExhaustSegmentsJson(calc.Ychastki);
    if (WriteOutputs(options, calc.Report.RTFull, json, err) != kExitOk)
        return kExitUsage;

    switch (outcome) {
    case RunOutcome::ok:
        return kExitOk;
    case RunOutcome::inputStopped:
        return kExitInputStopped;
    default:
        return kExitNoDutyPoint;
    }
}

} // namespace orvane::cli
