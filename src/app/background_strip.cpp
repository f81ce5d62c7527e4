#include "app/background_strip.h"

#include <QPainter>

namespace orvane {

namespace {
// base + row*span/height rounded to the nearest integer, halves to even, in exact integers.
int Component(int base, int span, int row, int height) {
    const long long numerator = static_cast<long long>(row) * span;
    long long quotient = numerator / height;
    const long long twiceRemainder = 2 * (numerator % height);
    if (twiceRemainder > height || (twiceRemainder == height && quotient % 2 != 0))
        ++quotient;
    return base + static_cast<int>(quotient);
}
} // namespace

QColor BackgroundStripColor(int row, int screenHeight) {
    return QColor(Component(112, 128, row, screenHeight), Component(16, 208, row, screenHeight),
                  Component(16, 208, row, screenHeight));
}

QImage MakeBackgroundStrip(int screenHeight) {
    if (screenHeight < 1)
        return {};
    QImage strip(10, screenHeight, QImage::Format_RGB32);
    for (int i = 0; i < screenHeight; ++i) {
        const QRgb colour = BackgroundStripColor(i, screenHeight).rgb();
        auto *line = reinterpret_cast<QRgb *>(strip.scanLine(i));
        std::fill(line, line + 10, colour);
    }
    return strip;
}

} // namespace orvane
