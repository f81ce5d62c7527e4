#pragma once
// The 96 x 48 pictures of the segment list: bottom, middle, top and single segment, each plain
// and selected, in the order the list draws them (0 bottom, 2 middle, 4 top, 6 single; +1 for
// the selected look).

#include <QPixmap>
#include <QVector>

namespace orvane::exhaust {

inline constexpr int kSegmentPictureWidth = 96;
inline constexpr int kSegmentPictureHeight = 48;

// Drawn once on first use.
const QVector<QPixmap> &SegmentPictures();

// Which picture shows segment a of n (with or without the shaft), selected or not.
int SegmentPictureIndex(int a, int n, bool withShaft, bool selected);

} // namespace orvane::exhaust
