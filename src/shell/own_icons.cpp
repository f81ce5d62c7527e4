#include "shell/own_icons.h"

#include "shell/raw_picture.h"

#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>
#include <utility>

namespace orvane {

namespace {

// Holds the recipe of an icon and makes the icon at the first question that needs its pictures.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : make_(std::move(make)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        // `size` is in device pixels here; the icon asks its engine again with the same pair
        return icon().pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return icon().name(); }
    // (answered without making the icon: a deferred icon always has a recipe)
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("orvane-deferred"); }
    QIconEngine *clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon &icon() {
        if (!icon_)
            icon_ = make_();
        return *icon_;
    }

    std::function<QIcon()> make_;
    std::optional<QIcon> icon_;
};

} // namespace

QIcon DeferredIcon(std::function<QIcon()> make) {
    return QIcon(new DeferredIconEngine(std::move(make)));
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
    return RawIcon(QStringLiteral(":/shell/standard/") + QLatin1String(name));
}

} // namespace orvane
