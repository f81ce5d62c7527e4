#pragma once

#include <QColor>
#include <QImage>

namespace orvane {

// The strip drawn stretched behind the banner: 10 pixels wide, screenHeight rows running from
// dark red at the top towards pale at the bottom; a height below 1 gives an empty picture.
QImage MakeBackgroundStrip(int screenHeight);
// The colour of row i of a strip of the given height (components rounded, halves to even).
QColor BackgroundStripColor(int row, int screenHeight);

inline const QColor kHeaderColor(112, 16, 16);
inline const QColor kFooterColor(240, 224, 224);

} // namespace orvane
