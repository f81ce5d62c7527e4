#include "shell/recent_projects.h"

#include "core/file_io.h"
#include "core/ini_file.h"
#include "shell/message_box_notifier.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

#include <algorithm>

namespace orvane {

namespace {

const char *const kSection = "Recent";

std::string KeyOf(int index) {
    return "File" + std::to_string(index + 1);
}

IniFile ReadSettings(const QString &settingsFile) {
    std::string bytes;
    if (settingsFile.isEmpty() || !ReadFileBytes(settingsFile.toStdString(), bytes).ok)
        return {};
    return IniFile::FromBytes(bytes);
}

// Two names of one file compare equal (a relative name, a doubled separator).
QString Canonical(const QString &path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool WriteList(const QString &settingsFile, const QStringList &list) {
    if (settingsFile.isEmpty())
        return false;
    // re-read so that keys written by another run or by hand survive
    IniFile ini = ReadSettings(settingsFile);
    for (int i = 0; i < kRecentProjectCount; ++i)
        ini.setValue(kSection, KeyOf(i), i < list.size() ? list[i].toStdString() : std::string());
    const std::optional<std::string> bytes = ini.toBytes();
    // guard: a name the settings file's code page cannot hold is not remembered
    return bytes && WriteFileAtomic(settingsFile.toStdString(), *bytes).ok;
}

} // namespace

QStringList ReadRecentProjects(const QString &settingsFile) {
    const IniFile ini = ReadSettings(settingsFile);
    QStringList list;
    for (int i = 0; i < kRecentProjectCount; ++i) {
        const QString path = QString::fromStdString(ini.readString(kSection, KeyOf(i)));
        if (!path.isEmpty() && !list.contains(path))
            list << path;
    }
    return list;
}

bool AddRecentProject(const QString &settingsFile, const QString &path) {
    const QString added = QDir::toNativeSeparators(Canonical(path));
    QStringList list = ReadRecentProjects(settingsFile);
    // the project already on top: nothing to write (a write waits for the disk)
    if (!list.isEmpty() && list.first() == added)
        return true;
    list.erase(std::remove_if(list.begin(), list.end(),
                              [&](const QString &p) { return Canonical(p) == Canonical(added); }),
               list.end());
    list.prepend(added);
    while (list.size() > kRecentProjectCount)
        list.removeLast();
    return WriteList(settingsFile, list);
}

bool RemoveRecentProject(const QString &settingsFile, const QString &path) {
    QStringList list = ReadRecentProjects(settingsFile);
    list.erase(std::remove_if(list.begin(), list.end(),
                              [&](const QString &p) { return Canonical(p) == Canonical(path); }),
               list.end());
    return WriteList(settingsFile, list);
}

void AttachRecentProjectsMenu(QMenu *menu, QWidget *window, const QString &settingsFile,
                              std::function<void(const QString &)> open) {
    const auto fill = [menu, window, settingsFile, open] {
        menu->clear();
        const QStringList list = ReadRecentProjects(settingsFile);
        int number = 0;
        for (const QString &path : list) {
            ++number;
            QAction *action = menu->addAction(
                QStringLiteral("&%1 %2").arg(number).arg(QFileInfo(path).fileName()));
            action->setObjectName(QStringLiteral("ActionRecent%1").arg(number));
            action->setToolTip(path);
            action->setStatusTip(path);
            QObject::connect(action, &QAction::triggered, window, [window, settingsFile, open,
                                                                   path] {
                if (!QFileInfo(path).isFile()) {
                    RemoveRecentProject(settingsFile, path);
                    QMessageBox::warning(window, MessageTitle(),
                                         QStringLiteral("Файл проекта не найден:\n%1\n\nОн "
                                                        "удалён из списка последних проектов.")
                                             .arg(path));
                    return;
                }
                open(path);
            });
        }
        if (list.isEmpty()) {
            QAction *none = menu->addAction(QStringLiteral("(список пуст)"));
            none->setEnabled(false);
        }
    };
    menu->setToolTipsVisible(true);
    menu->setEnabled(!settingsFile.isEmpty());
    QObject::connect(menu, &QMenu::aboutToShow, menu, fill);
    fill();
}

} // namespace orvane
