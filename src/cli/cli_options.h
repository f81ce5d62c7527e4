#pragma once
// What the batch calculator was asked to do; each module's runner receives it.

#include <functional>
#include <iosfwd>
#include <string>

namespace orvane {
class ReportDocument;
}

namespace orvane::cli {

// The output name that means standard output ("-o -", "--json -", "--pdf -").
inline constexpr const char *kStandardOutput = "-";

// Lays a report out as the bytes of a PDF file; empty when its pages could not be painted. The
// program installs one (it links Qt's printing); the runners themselves stay free of Qt, and
// the bytes go out as every other output does.
using PdfMaker = std::function<std::string(const ReportDocument &report)>;

struct CliOptions {
    bool brief = false;          // clears "Подробно" (exhaust only)
    std::string reportPath;      // -o, empty when not asked; kStandardOutput for stdout
    std::string jsonPath;        // --json, empty when not asked; kStandardOutput for stdout
    std::string pdfPath;         // --pdf, empty when not asked; kStandardOutput for stdout
    PdfMaker makePdf;            // how --pdf is made; empty where PDF cannot be made
    char decimalSeparator = ','; // resolved from --decimal-separator or LC_NUMERIC
    std::string projectPath;

    // Whether an output goes to standard output (the duty point then goes to standard error, so
    // the output stays the file's bytes alone).
    bool WritesToStandardOutput() const {
        return reportPath == kStandardOutput || jsonPath == kStandardOutput ||
               pdfPath == kStandardOutput;
    }
};

// Exit codes of the batch calculator.
enum ExitCode { kExitOk = 0, kExitInputStopped = 1, kExitUsage = 2, kExitNoDutyPoint = 3 };

// Each module implements its runner: open the project, run what "Расчет" runs, print the duty
// point to `out`, messages to `err`, write the outputs. Returns the exit code.
int RunExhaustProject(const CliOptions &options, std::ostream &out, std::ostream &err);
int RunInflowProject(const CliOptions &options, std::ostream &out, std::ostream &err);

} // namespace orvane::cli
