#pragma once
// What both runners share: messages, the duty point line and the output files.

#include "cli/cli_options.h"
#include "core/project_file.h"
#include "report/run_frame.h"

#include <nlohmann/json.hpp>

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvane::cli {

// The "messages" array: {"kind": "warning"|"error", "text": ...} in order.
nlohmann::json MessagesJson(std::span<const RunMessage> messages);

// Each message on its own line(s): "Предупреждение: …", "Ошибка: …"; a "\r" inside a message
// is its line break.
void PrintMessages(std::span<const RunMessage> messages, std::ostream &err);

// A project that could not be opened: its message on `err`; the usage exit code.
int ProjectOpenFailed(const std::string &error, std::ostream &err);

// What both runners do after "Расчет": the run's messages on `err`, the duty point on `out` when
// calculated (on `err` when `out` carries an output file), `json` completed with "ok" and
// "messages", the outputs written. The exit code. The report goes to -o as RTF and to --pdf as
// PDF, made by `options.makePdf` and written as the other outputs are.
int FinishRun(const CliOptions &options, RunOutcome outcome, const RunFrame &run, double volumeFlow,
              double pressure, const ReportDocument &report, nlohmann::json json, std::ostream &out,
              std::ostream &err);

// The project file's name without its folder, as the report's footer names it.
std::string ProjectFileName(const std::string &path);

// A message that ends the run before it starts, in the form of the error messages above.
void PrintFailure(const std::string &text, std::ostream &err);

// A project value its field refuses ("17.5" floors): the message naming the section, key and
// text on `err`; nothing is computed or written. The input-stop exit code.
int RefusedProjectValue(const FieldProblem &problem, std::ostream &err);
// The same for a value the module's reader refused (`message` names it).
int RefusedProjectValue(const std::string &message, std::ostream &err);

// The project of `options` read into `inputs` (holding the module's start values) by the
// module's LoadProject, with every value its field would refuse refused (the reader's own
// refusals: names too long, the exhaust network's segments; then FindInvalidInput): nullopt when
// the run may go on, else the exit code, the failure said on `err`.
template <class Inputs>
std::optional<int> LoadProjectForRun(const CliOptions &options, Inputs &inputs, std::ostream &err) {
    const ProjectResult loaded = LoadProject(options.projectPath, inputs);
    if (!loaded.ok)
        return loaded.valueRefused ? RefusedProjectValue(loaded.error, err)
                                   : ProjectOpenFailed(loaded.error, err);
    if (const std::optional<FieldProblem> refused = FindInvalidInput(inputs))
        return RefusedProjectValue(*refused, err);
    return std::nullopt;
}

// "L = 17565 м³/ч, P = 593 Па": whole numbers, halves to even; a value that is not finite
// prints as 0.
std::string DutyPointLine(double volumeFlow, double pressure);
void PrintDutyPoint(std::ostream &out, double volumeFlow, double pressure);

// A real as JSON: reads back as the same double; null when not finite.
nlohmann::json JsonReal(double x);

// JSON text, two-space indent, UTF-8 (bytes that are not UTF-8 become U+FFFD instead of
// failing), ending with a line feed.
std::string JsonText(const nlohmann::json &json);

// Bytes on standard output, flushed at once: a write that fails there (a full device, a closed
// descriptor) is said on `err` and gives false. Everything the batch prints on `out` goes
// through here: the help, the version, the duty point, an output named "-".
bool WriteStandardOutput(std::string_view bytes, std::ostream &out, std::ostream &err);

// One output: kStandardOutput writes the bytes to `out`, any other path goes through the atomic
// write. A failure is printed to `err` and gives false.
bool WriteOutput(const std::string &path, std::string_view bytes, std::ostream &out,
                 std::ostream &err);

// Writes the RTF report and the JSON (each only when its path is set) with WriteOutput.
// A failure gives kExitUsage; otherwise kExitOk.
int WriteOutputs(const CliOptions &options, const std::string &rtf, const nlohmann::json &json,
                 std::ostream &out, std::ostream &err);

} // namespace orvane::cli
