#include "shell/replace_bitmap_color.h"

namespace orvane {

void ReplaceBitmapColor(QImage &bitmap, const QColor &from, const QColor &to) {
    const QRgb fromRgb = from.rgb() & RGB_MASK;
    const QRgb toRgb = to.rgb() & RGB_MASK;
    if (fromRgb == toRgb || bitmap.isNull())
        return;
    // Indexed and 16-bit pictures are widened so each pixel can be compared on its own.
    if (bitmap.format() != QImage::Format_RGB32 && bitmap.format() != QImage::Format_ARGB32)
        bitmap.convertTo(bitmap.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < bitmap.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(bitmap.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x) {
            if ((row[x] & RGB_MASK) == fromRgb)
                row[x] = (row[x] & ~RGB_MASK) | toRgb;
        }
    }
}

} // namespace orvane
