#pragma once
// Icons the windows draw from the program's own pictures: the standard file, open and save
// icons from undecoded copies, and icons made only when first drawn. The start-up side (the
// program's own style and icon theme) is app/own_style.h.

#include <QIcon>
#include <QStyle>

#include <functional>

namespace orvane {

// An icon made by `make` when it is first drawn or measured, not before.
QIcon DeferredIcon(std::function<QIcon()> make);

// The standard icons the windows show from their first frame (file, open, save), from the
// program's own copies of the style's 16- and 32-pixel pictures: asking the style decodes every
// size it has of each (up to 128 pixels) when the icon is made. Any other icon is the style's.
QIcon StandardIcon(QStyle::StandardPixmap which, const QWidget *widget);

} // namespace orvane
