#include "cli/cli_output.h"

#include "core/file_io.h"
#include "core/number_text.h"

#include <cmath>
#include <ostream>

namespace orvane::cli {

nlohmann::json MessagesJson(const RecordingNotifier &notifier) {
    nlohmann::json messages = nlohmann::json::array();
    for (const auto &m : notifier.messages)
        messages.push_back({{"kind", m.kind}, {"text", m.text}});
    return messages;
}

void PrintMessages(const RecordingNotifier &notifier, std::ostream &err) {
    for (const auto &m : notifier.messages) {
        std::string text = m.text;
        for (char &c : text) {
            if (c == '\r')
                c = '\n';
        }
        if (m.kind == "warning")
            err << "Предупреждение: " << text << '\n';
        else if (m.kind == "error")
            err << "Ошибка: " << text << '\n';
        else
            err << "Вопрос: " << text << " — " << (notifier.confirmAnswer ? "Да" : "Нет") << '\n';
    }
}

void PrintFailure(const std::string &text, std::ostream &err) {
    RecordingNotifier failure;
    failure.error(text, {});
    PrintMessages(failure, err);
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

int WriteOutputs(const CliOptions &options, const std::string &rtf, const nlohmann::json &json,
                 std::ostream &err) {
    int code = kExitOk;
    if (!options.reportPath.empty()) {
        FileResult r = WriteFileAtomic(options.reportPath, rtf);
        if (!r.ok) {
            err << r.error << '\n';
            code = kExitUsage;
        }
    }
    if (!options.jsonPath.empty()) {
        FileResult r = WriteFileAtomic(options.jsonPath, JsonText(json));
        if (!r.ok) {
            err << r.error << '\n';
            code = kExitUsage;
        }
    }
    return code;
}

} // namespace orvane::cli
