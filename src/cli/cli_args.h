#pragma once
// The batch calculator's command line: parsing, usage text and the whole run as a function.

#include "cli/cli_options.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace orvane::cli {

enum class ParseOutcome { Run, Help, Version, Error };

// Parses the arguments after the program name. On Error `error` holds the Russian reason.
// `decimalSeparatorGiven` tells whether --decimal-separator set options.decimalSeparator.
ParseOutcome ParseArguments(const std::vector<std::string> &args, CliOptions &options,
                            bool &decimalSeparatorGiven, std::string &error);

std::string UsageText();

// A usage error as one line: the reason and where the help is.
std::string UsageErrorLine(const std::string &reason);

// Why the outputs cannot be written as asked: an output that is the project itself, two outputs
// that are one file, or two outputs on standard output. Empty when each has its own place.
std::string OutputClash(const CliOptions &options);

// The decimal separator of the user's LC_NUMERIC ("," or "."; "." when the locale has another).
char SeparatorFromLocale();

// Picks the runner by the project's extension (case-insensitive).
int RunProject(const CliOptions &options, std::ostream &out, std::ostream &err);

// The whole batch calculator: arguments (without the program name) to exit code.
// `makePdf` makes the --pdf output (without it --pdf is refused).
int RunCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
           PdfMaker makePdf = {});

} // namespace orvane::cli
