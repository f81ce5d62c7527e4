#include "shell/version.h"

#include <algorithm>

namespace orvane {

QString VersionText(int major, int minor, int year, int month) {
    return QStringLiteral("%1.%2 / %3.%4")
        .arg(major)
        .arg(minor)
        .arg(year)
        .arg(month, 2, 10, QLatin1Char('0'));
}

QString MainWindowCaption() {
    return QStringLiteral("Орвейн - Системы противодымной вентиляции  (") +
           VersionText(kVersionMajor, kVersionMinor, kVersionYear, kVersionMonth) +
           QStringLiteral(")");
}

QString AboutVersionLine(int major, int minor, int year, int month) {
    static const char16_t *const kMonths[12] = {u"январь",   u"февраль", u"март",   u"апрель",
                                                u"май",      u"июнь",    u"июль",   u"август",
                                                u"сентябрь", u"октябрь", u"ноябрь", u"декабрь"};
    const int m = std::clamp(month, 1, 12);
    return QStringLiteral("Версия %1.%2, %3 %4")
        .arg(major)
        .arg(minor)
        .arg(QString::fromUtf16(kMonths[m - 1]))
        .arg(year);
}

} // namespace orvane
