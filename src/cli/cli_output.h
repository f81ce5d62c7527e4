#pragma once
// What both runners share: messages, the duty point line and the output files.

#include "cli/cli_options.h"
#include "core/notifier.h"

#include <nlohmann/json.hpp>

#include <iosfwd>
#include <string>

namespace orvane::cli {

// The "messages" array: {"kind": "warning"|"error"|"confirm", "text": ...} in order.
nlohmann::json MessagesJson(const RecordingNotifier &notifier);

// Each message on its own line(s): "Предупреждение: …", "Ошибка: …", "Вопрос: … — Да";
// a "\r" inside a message is its line break.
void PrintMessages(const RecordingNotifier &notifier, std::ostream &err);

// A message that ends the run before it starts, in the form of the error messages above.
void PrintFailure(const std::string &text, std::ostream &err);

// "L = 17565 м³/ч, P = 593 Па": whole numbers, halves to even; a value that is not finite
// prints as 0.
std::string DutyPointLine(double volumeFlow, double pressure);
void PrintDutyPoint(std::ostream &out, double volumeFlow, double pressure);

// A real as JSON: reads back as the same double; null when not finite.
nlohmann::json JsonReal(double x);

// JSON text, two-space indent, UTF-8 (bytes that are not UTF-8 become U+FFFD instead of
// failing), ending with a line feed.
std::string JsonText(const nlohmann::json &json);

// Writes the RTF report and the JSON (each only when its path is set) through the atomic write.
// A failure is printed to `err`, and the result is kExitUsage; otherwise kExitOk.
int WriteOutputs(const CliOptions &options, const std::string &rtf, const nlohmann::json &json,
                 std::ostream &err);

} // namespace orvane::cli
