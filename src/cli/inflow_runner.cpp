// orvane-calc for ".isrprj": what "Расчет" does in a fresh supply window.
#include <ostream>

#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "inflow/inflow_calc.h"
#include "inflow/inflow_json.h"
#include "inflow/inflow_project.h"

namespace orvane::cli {

int RunInflowProject(const CliOptions &options, std::ostream &out, std::ostream &err) {
    using namespace orvane::inflow;

    InflowInputs inputs = InflowInputs::Defaults();
    if (const std::optional<int> failed = LoadProjectForRun(options, inputs, err))
        return *failed;

    InflowCalc calc;
    calc.Report.Page.projectFile = ProjectFileName(options.projectPath);
    const RunOutcome outcome = calc.Run(inputs);
    nlohmann::json json;
    json["module"] = "inflow";
    json["variant"] = VariantToCode(calc.Variant);
    json["results"] = InflowResultsJson(calc);
    json["floors"] = InflowFloorsJson(calc);
    return FinishRun(options, outcome, calc, calc.FanVolumeFlow, calc.FanPressure, calc.Report,
                     std::move(json), out, err);
}

} // namespace orvane::cli
