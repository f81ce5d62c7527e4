#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace orvane {

// False when an argument before any "--" starts with "-b" or "-B" (the compact main window);
// every other argument is ignored. `arguments` leaves out the program's own name.
bool BannerModeFromArguments(const QStringList &arguments);

// What the command line is answered with before any window opens (no display is needed).
struct EarlyAnswer {
    int exitCode = 0;
    QString out; // for standard output
    QString err; // for standard error
};

// --version and -h/--help are answered at once; a long option that neither the program nor Qt
// knows is a usage error (one line, exit code 2). nullopt: start the program.
std::optional<EarlyAnswer> AnswerBeforeStart(const QStringList &arguments);

// The arguments after the program's name, decoded as the system's file names are (a name that
// is not valid UTF-8 keeps its bytes: shell/file_name.h).
QStringList ArgumentsOf(int argc, char **argv);

// Writes the answer to the standard streams; returns its exit code.
int PrintEarlyAnswer(const EarlyAnswer &answer);

QString ProgramUsageText();

// The project file to open at start: the first argument that is not a switch, or the first after
// "--" whatever it starts with; "" when there is none.
QString ProjectFromArguments(const QStringList &arguments);

} // namespace orvane
