#include "cli/cli_output.h"

#include "core/file_io.h"
#include "core/number_text.h"

#include <cmath>
#include <filesystem>
#include <ostream>
#include <vector>

namespace orvane::cli {

nlohmann::json MessagesJson(std::span<const RunMessage> list) {
    nlohmann::json messages = nlohmann::json::array();
    for (const RunMessage &m : list)
        messages.push_back({{"kind", m.kind}, {"text", m.text}});
    return messages;
}

void PrintMessages(std::span<const RunMessage> messages, std::ostream &err) {
    for (const RunMessage &m : messages) {
        std::string text = m.text;
        for (char &c : text) {
            if (c == '\r')
                c = '\n';
        }
        err << (m.kind == "warning" ? "Предупреждение: " : "Ошибка: ") << text << '\n';
    }
}

int ProjectOpenFailed(const std::string &error, std::ostream &err) {
    PrintFailure(error, err);
    return kExitUsage;
}

int FinishRun(const CliOptions &options, RunOutcome outcome, const RunFrame &run, double volumeFlow,
              double pressure, const ReportDocument &report, nlohmann::json json, std::ostream &out,
              std::ostream &err) {
    PrintMessages(run.Messages, err);
    bool written = true;
    if (outcome == RunOutcome::ok) {
        if (options.WritesToStandardOutput())
            PrintDutyPoint(err, volumeFlow, pressure);
        else
            written = WriteStandardOutput(DutyPointLine(volumeFlow, pressure) + "\n", out, err);
    }
    json["ok"] = outcome == RunOutcome::ok;
    json["messages"] = MessagesJson(run.Messages);
    written = WriteOutputs(options, report.RTFull, json, out, err) == kExitOk && written;
    if (!options.pdfPath.empty()) {
        const std::string pdf = options.makePdf ? options.makePdf(report) : std::string();
        if (pdf.empty())
            err << "Отчёт PDF не записан: "
                << (options.makePdf ? "страницы отчёта не удалось построить."
                                    : "эта сборка не умеет записывать PDF.")
                << '\n';
        written = !pdf.empty() && WriteOutput(options.pdfPath, pdf, out, err) && written;
    }
    if (!written)
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

std::string ProjectFileName(const std::string &path) {
    // UTF-8 in and out: the narrow path forms would go through the ANSI code page on Windows
    const std::u8string name =
        std::filesystem::path(std::u8string(path.begin(), path.end())).filename().u8string();
    return std::string(name.begin(), name.end());
}

void PrintFailure(const std::string &text, std::ostream &err) {
    PrintMessages(std::vector<RunMessage>{{"error", text}}, err);
}

int RefusedProjectValue(const FieldProblem &problem, std::ostream &err) {
    return RefusedProjectValue(InvalidFileValueMessage(*problem.field, problem.text), err);
}

int RefusedProjectValue(const std::string &message, std::ostream &err) {
    PrintFailure(message, err);
    return kExitInputStopped;
}

std::string DutyPointLine(double volumeFlow, double pressure) {
    auto whole = [](double x) { return std::isfinite(x) ? FormatRoundedInt(x) : std::string("0"); };
    return "L = " + whole(volumeFlow) + " м³/ч, P = " + whole(pressure) + " Па";
}

void PrintDutyPoint(std::ostream &out, double volumeFlow, double pressure) {
    out << DutyPointLine(volumeFlow, pressure) << '\n';
}

nlohmann::json JsonReal(double x) {
    if (!std::isfinite(x))
        return nullptr;
    return x; // nlohmann writes the shortest text that reads back to the same double
}

std::string JsonText(const nlohmann::json &json) {
    return json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

bool WriteStandardOutput(std::string_view bytes, std::ostream &out, std::ostream &err) {
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (out)
        return true;
    err << "Не удалось записать результаты в стандартный вывод.\n";
    return false;
}

bool WriteOutput(const std::string &path, std::string_view bytes, std::ostream &out,
                 std::ostream &err) {
    if (path == kStandardOutput)
        return WriteStandardOutput(bytes, out, err);
    const FileResult r = WriteFileAtomic(path, bytes);
    if (!r.ok)
        err << r.error << '\n';
    return r.ok;
}

int WriteOutputs(const CliOptions &options, const std::string &rtf, const nlohmann::json &json,
                 std::ostream &out, std::ostream &err) {
    bool ok = true;
    if (!options.reportPath.empty())
        ok = WriteOutput(options.reportPath, rtf, out, err) && ok;
    if (!options.jsonPath.empty())
        ok = WriteOutput(options.jsonPath, JsonText(json), out, err) && ok;
    return ok ? kExitOk : kExitUsage;
}

} // namespace orvane::cli
