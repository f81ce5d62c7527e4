// orvane-calc: the batch calculator (see cli_args.h).

#include "cli/cli_args.h"
#include "core/codepage.h"
#include "core/file_io.h"

#ifdef ORVANE_CLI_PDF
#include "report/ui/report_print.h"

#include <optional>
#endif

#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// The arguments in UTF-8. On Windows argv comes in the ANSI code page ("Коридор.smkprj" turns
// into question marks), so the wide command line is taken instead.
std::vector<std::string> Utf8Arguments(int argc, char **argv) {
#ifdef _WIN32
    int count = 0;
    if (wchar_t **wide = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        std::vector<std::string> args;
        for (int i = 1; i < count; ++i) {
            const std::wstring_view arg(wide[i]);
            args.push_back(orvane::Utf16ToUtf8(
                std::u16string(reinterpret_cast<const char16_t *>(arg.data()), arg.size())));
        }
        ::LocalFree(wide);
        return args;
    }
#endif
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

#ifndef _WIN32
// A standard stream the program was started without would lend its number to the next file
// opened, and the duty point would land in that file: each closed one is held by the null
// device. True when standard output was closed; its writes must still fail and be reported.
bool HoldClosedStandardStreams() {
    bool outputClosed = false;
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1)
            continue;
        const int held = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (held >= 0 && held != fd) {
            ::dup2(held, fd);
            ::close(held);
        }
        outputClosed = outputClosed || fd == 1;
    }
    return outputClosed;
}
#endif

} // namespace

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
#ifndef _WIN32
    if (HoldClosedStandardStreams())
        std::cout.setstate(std::ios::badbit);
#endif
#ifdef _WIN32
    ::SetConsoleOutputCP(CP_UTF8); // the messages are UTF-8
    // "-o -" sends the report's own bytes: no "\n" may turn into "\r\n" on the way
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
#endif
    std::vector<std::string> args = Utf8Arguments(argc, argv);
#ifdef ORVANE_CLI_PDF
    // --pdf lays the report out with Qt's text engine, never on a display
    std::optional<orvane::HeadlessPages> pages;
    if (AsksForPdf(args))
        pages.emplace(argc, argv);
    const int code =
        orvane::cli::RunCli(args, std::cout, std::cerr, orvane::HeadlessPages::MakePdf);
#else
    const int code = orvane::cli::RunCli(args, std::cout, std::cerr);
#endif
    // (every write to standard output was flushed and checked where it was made)
    return code;
}
