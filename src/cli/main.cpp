// orvane-calc: the batch calculator (see cli_args.h).

#include "cli/cli_args.h"
#include "core/file_io.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char **argv) {
    orvane::IgnoreWriteSignals();
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const int code = orvane::cli::RunCli(args, std::cout, std::cerr);
    std::cout.flush();
    return code;
}
