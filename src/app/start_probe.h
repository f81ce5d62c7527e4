#pragma once
// The start-time measuring aid of the orvane program (see first_paint.h), switched on by the
// environment variable ORVANE_EXIT_AFTER_FIRST_PAINT and never by a user:
//   any value but a project file: the run ends at the first paint of the first window shown:
//   the main window, or the module window of a project named on the command line;
//   a project file (.smkprj or .isrprj): once the main window has painted, it opens that
//   project's module as its button does, with the project loaded; the run prints the moment of
//   that command ("open-command") and ends at the module window's first paint.

class QString;

namespace orvane {

class MainWindow;
struct ShellWindows;

inline constexpr char kStartProbeVariable[] = "ORVANE_EXIT_AFTER_FIRST_PAINT";

// Arms the probe on `formMain` (before it is shown) when `value` is not empty.
void ArmStartProbe(MainWindow &formMain, const ShellWindows &shell, const QString &value);

} // namespace orvane
