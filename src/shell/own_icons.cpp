#include "shell/own_icons.h"

#include <QIcon>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace orvane {

void UseOwnIcons() {
    // Both lists hold only the resource folder: an empty list would mean "the system's paths".
    const QStringList ownFolder{QStringLiteral(":/shell/icons")};
    QIcon::setThemeSearchPaths(ownFolder);
    QIcon::setFallbackSearchPaths(ownFolder);
    QIcon::setThemeName(QStringLiteral("orvane"));
}

QIcon StandardIcon(QStyle::StandardPixmap which, const QWidget *widget) {
    const char *name = nullptr;
    switch (which) {
    case QStyle::SP_FileIcon:
        name = "file";
        break;
    case QStyle::SP_DialogOpenButton:
        name = "open";
        break;
    case QStyle::SP_DialogSaveButton:
        name = "save";
        break;
    default:
        return widget->style()->standardIcon(which, nullptr, widget);
    }
    const QString base = QStringLiteral(":/shell/standard/") + QLatin1String(name);
    QIcon icon;
    icon.addFile(base + QStringLiteral("-16.png"), QSize(16, 16));
    icon.addFile(base + QStringLiteral("-32.png"), QSize(32, 32));
    return icon;
}

} // namespace orvane
