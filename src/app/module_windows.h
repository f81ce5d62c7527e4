#pragma once
// One factory per calculation module: the main window calls it when the module is opened, so no
// module window is built before the user asks for it.

#include "shell/shell_windows.h"

#include <QString>
#include <QWidget>

#include <memory>

namespace orvane {

std::unique_ptr<QWidget> CreateSmkOutVentWindow(const ShellWindows &shell);
std::unique_ptr<QWidget> CreateSmkInVentWindow(const ShellWindows &shell);

// The window of the project's module (by what the file holds, else by its extension) with the
// project loaded; null when neither names a module. A project that cannot be read leaves the module's start
// state and the window's own message.
std::unique_ptr<QWidget> CreateWindowForProject(const ShellWindows &shell,
                                                const QString &projectPath);

} // namespace orvane
