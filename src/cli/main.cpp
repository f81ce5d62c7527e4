// orvane-calc: the batch calculator (see cli_args.h).

#include "cli/cli_args.h"
#include "core/file_io.h"

#ifdef ORVANE_CLI_PDF
#include "report/report_document.h"
#include "report/ui/report_print.h"

#include <QGuiApplication>

#include <memory>
#endif

#include <iostream>
#include <string>
#include <vector>

#ifdef ORVANE_CLI_PDF
namespace {

std::string WritePdf(const orvane::ReportDocument &report, const std::string &path) {
    return orvane::WriteReportPdf(orvane::Printable(report), QString::fromStdString(path))
        .toStdString();
}

// Qt's own notes (no runtime folder, fonts looked up) are not the batch calculator's output.
void QuietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << '\n';
}

bool AsksForPdf(const std::vector<std::string> &args) {
    for (const std::string &arg : args) {
        if (arg == "--")
            break;
        if (arg.rfind("--pdf", 0) == 0)
            return true;
    }
    return false;
}

} // namespace
#endif

int main(int argc, char **argv) {
    orvane::IgnoreWriteSignals();
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
#ifdef ORVANE_CLI_PDF
    // --pdf lays the report out with Qt's text engine: a GUI application, never a display
    std::unique_ptr<QGuiApplication> app;
    if (AsksForPdf(args)) {
        qInstallMessageHandler(QuietQtMessages);
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    const int code = orvane::cli::RunCli(args, std::cout, std::cerr, WritePdf);
#else
    const int code = orvane::cli::RunCli(args, std::cout, std::cerr);
#endif
    std::cout.flush();
    return code;
}
