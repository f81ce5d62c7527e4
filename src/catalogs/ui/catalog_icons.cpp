#include "catalogs/ui/catalog_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace orvane {

namespace {

constexpr int kSize = 24;

// Each picture is drawn on a 24 x 24 grid at 1x and 2x so it stays sharp on dense screens.
QIcon Draw(const std::function<void(QPainter &)> &paint) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(kSize * scale, kSize * scale);
        pixmap.fill(Qt::transparent);
        pixmap.setDevicePixelRatio(scale);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

const QColor kInk(0x33, 0x3d, 0x4a);

} // namespace

QIcon SaveIcon() {
    return Draw([](QPainter &p) {
        // a diskette: body, shutter and label
        p.setPen(QPen(kInk, 1.4));
        p.setBrush(QColor(0x3b, 0x74, 0xc4));
        QPainterPath body;
        body.moveTo(3.5, 3.5);
        body.lineTo(17.5, 3.5);
        body.lineTo(20.5, 6.5);
        body.lineTo(20.5, 20.5);
        body.lineTo(3.5, 20.5);
        body.closeSubpath();
        p.drawPath(body);
        p.setBrush(QColor(0xe8, 0xee, 0xf5));
        p.drawRect(QRectF(7, 3.5, 9, 5.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 12.5, 11, 8));
        p.setPen(QPen(QColor(0x9a, 0xa5, 0xb1), 1));
        p.drawLine(QPointF(8.5, 15.5), QPointF(15.5, 15.5));
        p.drawLine(QPointF(8.5, 18), QPointF(15.5, 18));
    });
}

QIcon AddIcon() {
    return Draw([](QPainter &p) {
        p.setPen(QPen(QColor(0x1e, 0x7d, 0x32), 1.2));
        p.setBrush(QColor(0x43, 0xa0, 0x47));
        p.drawEllipse(QRectF(3, 3, 18, 18));
        p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 7.5), QPointF(12, 16.5));
        p.drawLine(QPointF(7.5, 12), QPointF(16.5, 12));
    });
}

QIcon DeleteIcon() {
    return Draw([](QPainter &p) {
        p.setPen(QPen(QColor(0xb7, 0x1c, 0x1c), 1.2));
        p.setBrush(QColor(0xe5, 0x39, 0x35));
        p.drawEllipse(QRectF(3, 3, 18, 18));
        p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8.5, 8.5), QPointF(15.5, 15.5));
        p.drawLine(QPointF(15.5, 8.5), QPointF(8.5, 15.5));
    });
}

QIcon EditIcon() {
    return Draw([](QPainter &p) {
        // a pencil over a sheet
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 5.5, 13, 15));
        p.setPen(QPen(QColor(0x9a, 0xa5, 0xb1), 1));
        for (double y : {9.5, 12.5, 15.5})
            p.drawLine(QPointF(6, y), QPointF(12, y));
        p.translate(15, 12);
        p.rotate(45);
        p.setPen(QPen(kInk, 1.1));
        p.setBrush(QColor(0xf9, 0xa8, 0x25));
        p.drawRect(QRectF(-2.5, -9, 5, 12));
        p.setBrush(QColor(0xf4, 0xc7, 0x9a));
        QPainterPath tip;
        tip.moveTo(-2.5, 3);
        tip.lineTo(2.5, 3);
        tip.lineTo(0, 7.5);
        tip.closeSubpath();
        p.drawPath(tip);
        p.setBrush(QColor(0xe5, 0x73, 0x73));
        p.drawRect(QRectF(-2.5, -11.5, 5, 2.5));
    });
}

} // namespace orvane
