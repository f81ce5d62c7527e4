#include "app/command_line.h"

namespace orvane {

bool BannerModeFromArguments(const QStringList &arguments) {
    bool bannerMode = true;
    for (const QString &argument : arguments) {
        if (argument.size() >= 2 && argument.at(0) == QLatin1Char('-') &&
            (argument.at(1) == QLatin1Char('b') || argument.at(1) == QLatin1Char('B')))
            bannerMode = false;
    }
    return bannerMode;
}

QString ProjectFromArguments(const QStringList &arguments) {
    for (const QString &argument : arguments)
        if (!argument.isEmpty() && !argument.startsWith(QLatin1Char('-')))
            return argument;
    return {};
}

} // namespace orvane
