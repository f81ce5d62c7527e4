#include "app/ui_font.h"

#include "app/helper_thread.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QString>
#include <QtGlobal>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
#include <dlfcn.h>
#define ORVANE_FONTS_FROM_FONTCONFIG
#endif

namespace orvane {

std::future<void> StartReadingFontConfiguration() {
#ifdef ORVANE_FONTS_FROM_FONTCONFIG
    // Looked up among the libraries already loaded rather than linked: it is there exactly when
    // this Qt draws with fontconfig. Fontconfig sets its configuration up once, atomically, so
    // Qt asking for it meanwhile is safe (it would only do the same work again).
    using Init = int (*)();
    if (const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit")))
        return RunOnHelperThread<void>([init] { init(); });
#endif
    std::promise<void> nothingToRead;
    nothingToRead.set_value();
    return nothingToRead.get_future();
}

bool IsUsableUiFont(const QFont &font) {
    // the face actually used: a font name may be an alias or a substitute for another face
    const QString face = QFontInfo(font).family();
    if (!QFontDatabase::writingSystems(face).contains(QFontDatabase::Cyrillic))
        return false;
    const QFontMetrics metrics(font);
    const int numberHeight = metrics.boundingRect(QStringLiteral("-0123456789,.")).height();
    return numberHeight <= metrics.height() * 3 / 2;
}

bool EnsureUsableUiFont() {
    const QFont current = QApplication::font();
    if (IsUsableUiFont(current))
        return false;
    for (const QString &family : QFontDatabase::families()) {
        // vertical faces ("@name"), private and fixed-pitch families are not for captions
        if (family.startsWith(QLatin1Char('@')) || QFontDatabase::isPrivateFamily(family) ||
            QFontDatabase::isFixedPitch(family) || !QFontDatabase::isSmoothlyScalable(family))
            continue;
        QFont candidate = current;
        candidate.setFamily(family);
        if (IsUsableUiFont(candidate)) {
            QApplication::setFont(candidate);
            return true;
        }
    }
    return false; // nothing better installed: the system's font stays
}

void SetUpUiFont() {
    EnsureUsableUiFont();
    QFont font = QApplication::font();
    const QString family = QFontInfo(font).family();
    if (family.isEmpty() || font.families().contains(family) || font.family() == family)
        return;
    font.setFamilies({family});
    QApplication::setFont(font);
}

} // namespace orvane
