#pragma once
// The wheel over a grid or list inside a scrolled input page: the inner view scrolls while it
// can; once it has nothing left to scroll that way (or never had), the page scrolls instead, so
// the wheel never stops dead over an inner view.

class QAbstractScrollArea;

namespace orvane {

void PassWheelToPageAtEnd(QAbstractScrollArea *inner, QAbstractScrollArea *page);

} // namespace orvane
