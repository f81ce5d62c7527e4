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
void PrepareFirstFramePixels(QWidget *window);

// The same for a top-level `window` that opens maximised, called while it is being built: its
// first frame fills the screen's free area less the window's frame, so the native window and the
// buffer are made at once, at that size, and the buffer's pages are brought in on another thread
// while the window is built and shown. When the window turns out another size (a window manager
// that has not maximised it yet, window flags changed afterwards), the buffer is made again at
// the right size, as PrepareFirstFramePixels does.
void PrepareMaximisedFirstFramePixels(QWidget *window);

// The size a frame of `window` maximised on its screen would have, as far as it can be told
// before the window is shown (the frame's margins are known once the window manager has framed
// it); empty for a window without a screen or a native window.
QSize ExpectedMaximisedSize(const QWidget *window);

} // namespace orvane
