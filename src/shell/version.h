#pragma once
// The program's version and the texts built from it.

#include <QString>

namespace orvane {

inline constexpr int kVersionMajor = 5;
inline constexpr int kVersionMinor = 1;
inline constexpr int kVersionYear = 2024;
inline constexpr int kVersionMonth = 2;

// "5.1 / 2024.02"
QString VersionText(int major, int minor, int year, int month);
// The main window's caption with the current version.
QString MainWindowCaption();
// "Версия 5.1, февраль 2024"; the month is clamped to 1..12.
QString AboutVersionLine(int major, int minor, int year, int month);

} // namespace orvane
