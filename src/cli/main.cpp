// orvane-calc: the batch calculator (see cli_args.h).

#include "cli/cli_args.h"
#include "core/file_io.h"

#ifdef ORVANE_CLI_PDF
#include "report/ui/report_print.h"

#include <optional>
#endif

#include <iostream>
#include <string>
#include <vector>

#ifdef ORVANE_CLI_PDF
namespace {

// Whether the arguments ask for --pdf (before a "--" that ends the options).
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
    // --pdf lays the report out with Qt's text engine, never on a display
    std::optional<orvane::HeadlessPages> pages;
    if (AsksForPdf(args))
        pages.emplace(argc, argv);
    const int code =
        orvane::cli::RunCli(args, std::cout, std::cerr, orvane::HeadlessPages::WritePdf);
#else
    const int code = orvane::cli::RunCli(args, std::cout, std::cerr);
#endif
    std::cout.flush();
    return code;
}
