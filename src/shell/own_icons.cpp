#include "shell/own_icons.h"

#include <QIcon>
#include <QString>
#include <QStringList>

namespace orvane {

void UseOwnIcons() {
    // Both lists hold only the resource folder: an empty list would mean "the system's paths".
    const QStringList ownFolder{QStringLiteral(":/shell/icons")};
    QIcon::setThemeSearchPaths(ownFolder);
    QIcon::setFallbackSearchPaths(ownFolder);
    QIcon::setThemeName(QStringLiteral("orvane"));
}

} // namespace orvane
