#pragma once

#include <QColor>
#include <QImage>

namespace orvane {

// Every pixel of colour `from` becomes `to` (alpha kept); nothing happens when they are equal.
// The windows use it to turn the black strokes of the small unit pictures into the window text
// colour of the current theme.
void ReplaceBitmapColor(QImage &bitmap, const QColor &from, const QColor &to);

} // namespace orvane
