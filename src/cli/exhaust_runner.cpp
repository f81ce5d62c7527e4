// orvane-calc for ".smkprj": what "Расчет" does in a fresh exhaust window.
#include <ostream>

#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "exhaust/exhaust_calc.h"
#include "exhaust/exhaust_json.h"
#include "exhaust/exhaust_project.h"

namespace orvane::cli {

int RunExhaustProject(const CliOptions &options, std::ostream &out, std::ostream &err) {
    using namespace orvane::exhaust;

    ExhaustInputs inputs = ExhaustInputs::Defaults();
    if (const std::optional<int> failed = LoadProjectForRun(options, inputs, err))
        return *failed;
    if (options.brief)
        inputs.Check(ctl::cbDetailed, false);

    ExhaustCalc calc;
    calc.Report.Page.projectFile = ProjectFileName(options.projectPath);
    const RunOutcome outcome = calc.Run(inputs);
    nlohmann::json json;
    json["module"] = "exhaust";
    json["variant"] = VariantWord(calc.Variant);
    json["results"] = ExhaustResultsJson(calc);
    json["segments"] = ExhaustSegmentsJson(calc.Segments);
    return FinishRun(options, outcome, calc, calc.FanVolumeFlow, calc.FanPressure, calc.Report,
                     std::move(json), out, err);
}

} // namespace orvane::cli
