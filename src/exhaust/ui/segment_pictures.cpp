#include "exhaust/ui/segment_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace orvane::exhaust {

namespace {

enum class Kind { bottom, middle, top, single };

// Shaft on the right, storey branch with its valve on the left, the fan where the air leaves.
QPixmap DrawPicture(Kind kind, bool selected) {
    QPixmap pm(kSegmentPictureWidth, kSegmentPictureHeight);
    pm.fill(selected ? QColor(204, 224, 255) : QColor(255, 255, 255));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor duct = selected ? QColor(40, 70, 150) : QColor(90, 90, 90);
    const QColor ductFill = selected ? QColor(170, 195, 240) : QColor(215, 215, 215);
    const QColor smoke(120, 120, 120);
    p.setPen(QPen(duct, 1.5));
    p.setBrush(ductFill);

    const int shaftLeft = 60;
    const int shaftWidth = 14;
    const int branchTop = 28;
    const int branchHeight = 10;

    // the shaft
    if (kind != Kind::single) {
        const int top = (kind == Kind::top) ? 10 : 0;
        const int bottom =
            (kind == Kind::bottom) ? branchTop + branchHeight : kSegmentPictureHeight;
        p.drawRect(QRectF(shaftLeft, top, shaftWidth, bottom - top));
    }
    // the storey branch and its valve
    const bool openValve = kind == Kind::bottom || kind == Kind::single;
    const int branchRight = kind == Kind::single ? 74 : shaftLeft;
    p.drawRect(QRectF(14, branchTop, branchRight - 14, branchHeight));
    p.setBrush(openValve ? QColor(255, 255, 255) : QColor(150, 150, 150));
    const QRectF valve(6, branchTop - 2, 8, branchHeight + 4);
    p.drawRect(valve);
    if (!openValve) {
        p.drawLine(valve.topLeft(), valve.bottomRight());
        p.drawLine(valve.bottomLeft(), valve.topRight());
    } else {
        // smoke entering through the open valve
        p.setPen(QPen(smoke, 1.2));
        QPainterPath puff;
        puff.moveTo(2, branchTop + 9);
        puff.cubicTo(4, branchTop + 2, 0, branchTop, 3, branchTop - 6);
        p.drawPath(puff);
        p.setPen(QPen(duct, 1.5));
    }
    // the fan: on the roof for the top segment, at the end of the branch without the shaft
    if (kind == Kind::top || kind == Kind::single) {
        const QPointF centre = kind == Kind::top ? QPointF(shaftLeft + shaftWidth / 2.0, 6)
                                                 : QPointF(84, branchTop + branchHeight / 2.0);
        p.setBrush(selected ? QColor(255, 230, 150) : QColor(255, 240, 190));
        p.drawEllipse(centre, 6, 6);
        p.drawLine(centre + QPointF(-4, 0), centre + QPointF(4, 0));
        p.drawLine(centre + QPointF(0, -4), centre + QPointF(0, 4));
    }
    // the storey slab under the branch
    p.setPen(QPen(QColor(160, 120, 80), 2));
    p.drawLine(QPointF(0, kSegmentPictureHeight - 2),
               QPointF(shaftLeft - 2, kSegmentPictureHeight - 2));
    return pm;
}

} // namespace

const QVector<QPixmap> &SegmentPictures() {
    static const QVector<QPixmap> pictures = [] {
        QVector<QPixmap> v;
        for (Kind kind : {Kind::bottom, Kind::middle, Kind::top, Kind::single}) {
            v.push_back(DrawPicture(kind, false));
            v.push_back(DrawPicture(kind, true));
        }
        return v;
    }();
    return pictures;
}

int SegmentPictureIndex(int a, int n, bool withShaft, bool selected) {
    int index = 2;
    if (a == 0)
        index = withShaft ? 0 : 6;
    else if (a == n - 1)
        index = 4;
    return index + (selected ? 1 : 0);
}

} // namespace orvane::exhaust
