#include "app/own_style.h"

#include "shell/own_icons.h"

#include <QApplication>
#include <QIcon>
#include <QPointer>
#include <QProxyStyle>
#include <QString>
#include <QStringList>
#include <QStyleOption>
#include <QWidget>

namespace orvane {

namespace {

// The application's own style with the bars' extension arrows made on demand. It sets the
// program's icon theme up before it hands out its first standard icon.
class DeferredArrowsStyle : public QProxyStyle {
public:
    QPixmap standardPixmap(StandardPixmap which, const QStyleOption *option,
                           const QWidget *widget) const override {
        UseOwnIconTheme();
        return QProxyStyle::standardPixmap(which, option, widget);
    }
    QIcon standardIcon(StandardPixmap which, const QStyleOption *option,
                       const QWidget *widget) const override {
        if (which != SP_ToolBarHorizontalExtensionButton &&
            which != SP_ToolBarVerticalExtensionButton) {
            UseOwnIconTheme();
            return QProxyStyle::standardIcon(which, option, widget);
        }
        // the arrow points the other way in a right-to-left bar: the direction is read now, as
        // the option and the widget may be gone when the icon is drawn
        QStyleOption drawn;
        drawn.direction = option != nullptr   ? option->direction
                          : widget != nullptr ? widget->layoutDirection()
                                              : QGuiApplication::layoutDirection();
        return DeferredIcon([base = QPointer<QStyle>(baseStyle()), which, drawn] {
            UseOwnIconTheme();
            return base ? base->standardIcon(which, &drawn, nullptr) : QIcon();
        });
    }
};

} // namespace

void UseOwnStyle() {
    QApplication::setStyle(new DeferredArrowsStyle);
}

void UseOwnIconTheme() {
    static bool set = false;
    if (set)
        return;
    set = true;
    // Both lists hold only the resource folder: an empty list would mean "the system's paths".
    const QStringList ownFolder{QStringLiteral(":/app/icons")};
    QIcon::setThemeSearchPaths(ownFolder);
    QIcon::setFallbackSearchPaths(ownFolder);
    QIcon::setThemeName(QStringLiteral("orvane"));
}

void UseOwnIcons() {
    UseOwnStyle();
    UseOwnIconTheme();
}

} // namespace orvane
