#pragma once
// The texts built from the program's version (the numbers come from orvane/version.h).

#include "orvane/version.h"

#include <QString>

namespace orvane {

// "5.1 / 2024.02"
QString VersionText(int major, int minor, int year, int month);
// The main window's caption with the current version.
QString MainWindowCaption();
// "Версия 5.1, февраль 2024"; the month is clamped to 1..12.
QString AboutVersionLine(int major, int minor, int year, int month);

} // namespace orvane
