#include "cli/cli_args.h"

#include "cli/cli_output.h"
#include "core/file_io.h"
#include "core/number_text.h"
#include "orvane/version.h"

#include <clocale>
#include <exception>
#include <ostream>
#include <utility>
#include <vector>

namespace orvane::cli {

namespace {

const char *const kNonFinite =
    "Расчёт прерван: получено недопустимое значение. Проверьте исходные данные.";

std::string LowerAscii(std::string s) {
    for (char &c : s) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

bool EndsWith(const std::string &s, const std::string &suffix) {
    return s.size() >= suffix.size() &&
           s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The outputs of a run, each with how a message names it.
struct Output {
    const std::string &path;
    const char *name;   // "отчёт"
    const char *fileOf; // "отчёта", as in "файл отчёта"
};

std::vector<Output> OutputsOf(const CliOptions &options) {
    return {{options.reportPath, "отчёт", "отчёта"},
            {options.jsonPath, "результаты JSON", "результатов JSON"},
            {options.pdfPath, "отчёт PDF", "отчёта PDF"}};
}

// Why two outputs cannot both be written: the same name, or (when `sameFile`) the same file
// under two names. Empty when every asked output has a place of its own.
std::string SameOutputs(const CliOptions &options, bool sameFile) {
    const std::vector<Output> outputs = OutputsOf(options);
    for (size_t i = 0; i < outputs.size(); ++i) {
        for (size_t j = i + 1; j < outputs.size(); ++j) {
            const std::string &a = outputs[i].path;
            const std::string &b = outputs[j].path;
            if (a.empty() || b.empty())
                continue;
            const std::string both =
                std::string(outputs[i].name) + " и " + outputs[j].name + " нельзя записать ";
            if (a == kStandardOutput && b == kStandardOutput)
                return both + "в стандартный вывод вместе.";
            if (a == b ||
                (sameFile && a != kStandardOutput && b != kStandardOutput && SameFile(a, b)))
                return both + "в один и тот же файл.";
        }
    }
    return {};
}

} // namespace

std::string OutputClash(const CliOptions &options) {
    for (const Output &output : OutputsOf(options)) {
        if (!output.path.empty() && output.path != kStandardOutput &&
            SameFile(output.path, options.projectPath))
            return "файл " + std::string(output.fileOf) + " «" + output.path +
                   "» — это файл проекта «" + options.projectPath +
                   "»; проект не будет перезаписан.";
    }
    return SameOutputs(options, true);
}

std::string UsageText() {
    return "Использование: orvane-calc [--brief] [-o ОТЧЁТ.rtf] [--json РЕЗУЛЬТАТ.json]\n"
           "                   [--pdf ОТЧЁТ.pdf] [--decimal-separator C] ПРОЕКТ\n"
           "\n"
           "Рассчитывает проект дымоудаления (.smkprj) или подпора воздуха (.isrprj) так же,\n"
           "как кнопка «Расчет» в окне программы, и печатает рабочую точку вентилятора.\n"
           "\n"
           "  --brief                  краткий отчёт о сети (снимает флажок «Подробно»: по "
           "каждому\n"
           "                           участку только заголовок и потери; только для\n"
           "                           дымоудаления)\n"
           "  -o ОТЧЁТ.rtf             записать отчёт в формате RTF\n"
           "  --json РЕЗУЛЬТАТ.json    записать исходные данные и результаты в формате JSON\n"
           "  --pdf ОТЧЁТ.pdf          записать отчёт в формате PDF (страницы A4)\n"
           "                           (имя «-» у -o, --json или --pdf — стандартный вывод;\n"
           "                           рабочая точка тогда печатается в стандартный поток\n"
           "                           ошибок)\n"
           "  --decimal-separator C    десятичный разделитель в отчёте: «,» или «.»\n"
           "                           (по умолчанию — из языковых настроек системы)\n"
           "  -h, --help               показать эту справку\n"
           "  --version                показать версию программы\n"
           "\n"
           "Коды завершения: 0 — расчёт выполнен; 1 — расчёт остановлен при проверке исходных\n"
           "данных; 2 — ошибка командной строки, файла проекта или записи результатов;\n"
           "3 — рабочая точка вентилятора не получена.\n";
}

std::string UsageErrorLine(const std::string &reason) {
    return "orvane-calc: " + reason + " Справка: orvane-calc --help\n";
}

ParseOutcome ParseArguments(const std::vector<std::string> &args, CliOptions &options,
                            bool &decimalSeparatorGiven, std::string &error) {
    decimalSeparatorGiven = false;
    bool optionsEnded = false;
    bool projectGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            if (arg == "--") {
                optionsEnded = true;
                continue;
            }
            if (arg == "-h" || arg == "--help")
                return ParseOutcome::Help;
            if (arg == "--version")
                return ParseOutcome::Version;
            if (arg == "--brief") {
                options.brief = true;
                continue;
            }
            std::string name = arg;
            std::string value;
            bool hasValue = false;
            if (size_t eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
                name = arg.substr(0, eq);
                value = arg.substr(eq + 1);
                hasValue = true;
            }
            if (name != "-o" && name != "--json" && name != "--pdf" &&
                name != "--decimal-separator") {
                error = "неизвестный параметр «" + arg + "».";
                return ParseOutcome::Error;
            }
            if (!hasValue) {
                if (i + 1 >= args.size()) {
                    error = "после параметра " + name + " нужно указать значение.";
                    return ParseOutcome::Error;
                }
                value = args[++i];
            }
            if (name == "-o" || name == "--json" || name == "--pdf") {
                if (value.empty()) {
                    error = "после параметра " + name + " нужно указать имя файла.";
                    return ParseOutcome::Error;
                }
                (name == "-o"       ? options.reportPath
                 : name == "--json" ? options.jsonPath
                                    : options.pdfPath) = value;
            } else {
                if (value != "," && value != ".") {
                    error = "десятичный разделитель должен быть «,» или «.», а не «" + value + "».";
                    return ParseOutcome::Error;
                }
                options.decimalSeparator = value[0];
                decimalSeparatorGiven = true;
            }
            continue;
        }
        if (projectGiven) {
            error = "указано больше одного файла проекта («" + options.projectPath + "», «" + arg +
                    "»).";
            return ParseOutcome::Error;
        }
        options.projectPath = arg;
        projectGiven = true;
    }
    if (!projectGiven || options.projectPath.empty()) {
        error = "не указан файл проекта.";
        return ParseOutcome::Error;
    }
    if (std::string same = SameOutputs(options, false); !same.empty()) {
        error = std::move(same);
        return ParseOutcome::Error;
    }
    return ParseOutcome::Run;
}

char SeparatorFromLocale() {
    // The user's numeric locale is read once; the program itself keeps the "C" locale so that
    // the number routines never depend on it.
    char separator = '.';
    if (std::setlocale(LC_NUMERIC, "") != nullptr) {
        const std::lconv *conv = std::localeconv();
        if (conv != nullptr && conv->decimal_point != nullptr && conv->decimal_point[0] == ',')
            separator = ',';
    }
    std::setlocale(LC_NUMERIC, "C");
    return separator;
}

int RunProject(const CliOptions &options, std::ostream &out, std::ostream &err) {
    const std::string ext = LowerAscii(options.projectPath);
    if (EndsWith(ext, ".smkprj"))
        return RunExhaustProject(options, out, err);
    if (EndsWith(ext, ".isrprj"))
        return RunInflowProject(options, out, err);
    err << "Неизвестный тип проекта «" << options.projectPath
        << "»: ожидается файл .smkprj (дымоудаление) или .isrprj (подпор воздуха).\n";
    return kExitUsage;
}

int RunCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
           PdfMaker makePdf) {
    CliOptions options;
    options.makePdf = std::move(makePdf);
    bool separatorGiven = false;
    std::string error;
    switch (ParseArguments(args, options, separatorGiven, error)) {
    case ParseOutcome::Help:
        return WriteStandardOutput(UsageText(), out, err) ? kExitOk : kExitUsage;
    case ParseOutcome::Version:
        return WriteStandardOutput(std::string(kVersionBanner) + "\n", out, err) ? kExitOk
                                                                                 : kExitUsage;
    case ParseOutcome::Error:
        err << UsageErrorLine(error);
        return kExitUsage;
    case ParseOutcome::Run:
        break;
    }
    // the files themselves are compared: "./x", links and hard links name the same file
    if (const std::string clash = OutputClash(options); !clash.empty()) {
        err << "orvane-calc: " << clash << '\n';
        return kExitUsage;
    }
    if (!separatorGiven)
        options.decimalSeparator = SeparatorFromLocale();
    SetDecimalSeparator(options.decimalSeparator);
    // Runners handle their own failures; this is the last line against a crash.
    try {
        return RunProject(options, out, err);
    } catch (const NonFiniteValue &) {
        err << kNonFinite << '\n';
        return kExitNoDutyPoint;
    } catch (const std::exception &e) {
        err << "Внутренняя ошибка: " << e.what() << '\n';
        return kExitUsage;
    }
}

} // namespace orvane::cli
