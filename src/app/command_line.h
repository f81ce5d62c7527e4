#pragma once

#include <QStringList>

namespace orvane {

// False when an argument starts with "-b" or "-B" (the compact main window); every other
// argument is ignored. `arguments` leaves out the program's own name.
bool BannerModeFromArguments(const QStringList &arguments);

// The project file to open at start: the first argument that is not a switch, or "".
QString ProjectFromArguments(const QStringList &arguments);

} // namespace orvane
