#pragma once
// The last projects opened or saved, newest first, kept in the settings file (section "Recent",
// keys File1..File8) so that every window of every run shares them.

#include <QString>
#include <QStringList>

#include <functional>

class QMenu;
class QWidget;

namespace orvane {

constexpr int kRecentProjectCount = 8;

// The list as the settings file holds it; an empty list when the file is missing.
QStringList ReadRecentProjects(const QString &settingsFile);
// Puts `path` first (once: an older entry of the same file goes), keeps eight. False when the
// settings file could not be written (the list then stays as it was on disk).
bool AddRecentProject(const QString &settingsFile, const QString &path);
bool RemoveRecentProject(const QString &settingsFile, const QString &path);

// Fills `menu` with the list each time it opens: choosing an entry calls `open` with its path,
// or, when the file no longer exists, says so in a box over `window` and drops it from the list.
// An empty settings file name (no settings) leaves the menu empty and disabled.
void AttachRecentProjectsMenu(QMenu *menu, QWidget *window, const QString &settingsFile,
                              std::function<void(const QString &)> open);

} // namespace orvane
