#pragma once
// The program's version and the texts built from it.

#include <QString>

#include "core/version_number.h"

namespace orvane {

// "5.1 / 2024.02"
QString VersionText(int major, int minor, int year, int month);
// The main window's caption with the current version.
QString MainWindowCaption();
// "Версия 5.1, февраль 2024"; the month is clamped to 1..12.
QString AboutVersionLine(int major, int minor, int year, int month);

} // namespace orvane
