// orvane-calc for ".isrprj": what "Расчет" does in a fresh supply window.
#include <ostream>

#include <nlohmann/json.hpp>

#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "core/notifier.h"
#include "core/number_text.h"
#include "inflow/inflow_calc.h"
#include "inflow/inflow_json.h"
#include "inflow/inflow_project.h"

namespace orvane::cli {

int RunInflowProject(const CliOptions &options, std::ostream &out, std::ostream &err) {
    using namespace orvane::inflow;
    SetDecimalSeparator(options.decimalSeparator);

    InflowInputs inputs = InflowInputs::Defaults();
    RecordingNotifier notifier;
    InflowCalc run(&notifier);
    const ProjectFileResult opened = OpenInflowProject(options.projectPath, inputs, &run);
    if (!opened.ok) {
        PrintFailure(opened.error, err);
        return kExitUsage;
    }

    const RunOutcome outcome = run.Run(inputs);
    PrintMessages(notifier, err);
    if (outcome == RunOutcome::ok)
        PrintDutyPoint(out, run.VolumeAirExps, run.FanPress);

    nlohmann::json json;
    json["module"] = "inflow";
    json["variant"] = VariantToCode(run.CalcVariant);
    json["ok"] = outcome == RunOutcome::ok;
    json["messages"] = MessagesJson(notifier);
    json["results"] = InflowResultsJson(run);
    json["floors"] = InflowFloorsJson(run);
    if (WriteOutputs(options, run.Report.RTFull, json, err) != kExitOk)
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
