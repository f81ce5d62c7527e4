#pragma once
// The pixels of a window's first frame. Painting a window for the first time touches every page
// of its new pixel buffer one by one (a maximised window: some 600 pages of 4 KiB), and each
// first touch is a page fault, which on a virtual machine costs microseconds. Asked for in one
// call before the frame is painted, the same pages cost a fraction of that.

#include <QSize>

class QWidget;

namespace orvane {

// Before the first frame of the top-level `window` is painted, sizes its backing store to the
// window (the size the frame is painted at, so Qt keeps that buffer) and has the system supply
// all of its pages at once. Call before the window is shown (or shown but not yet exposed); a
// platform whose buffer is not plain memory, or a system that cannot populate pages on request,
// leaves the window to paint as it would have.
//
// A window that knows the size of its first frame before it is shown (a maximised one: the
// screen's available area less the window's frame) passes it as `expectedSize` once it has its
// native window (QWidget::create()): the buffer is made at that size at once and its pages are
// brought in on another thread while the window is built and shown. A guess that proves wrong
// costs nothing but that work: the buffer is then made again at the right size.
void PrepareFirstFramePixels(QWidget *window, QSize expectedSize = QSize());

} // namespace orvane
