#pragma once
// The small pictures the windows show from their first frame (the logo, the module buttons, the
// file and save icons) are carried undecoded: decoding their PNGs took a tenth of the program's
// start, most of it in finding and setting up the image decoders. A picture's PNG stays its
// source beside it; scripts/argb-picture.py writes the undecoded form and a test checks that
// they agree.
//
// The form: "ARGB", the width and the height as 16-bit big-endian numbers, then the rows top to
// bottom, each pixel a 32-bit little-endian 0xAARRGGBB with the colour premultiplied by the
// alpha: the form a pixmap keeps, so on a little-endian machine the window shows the resource's
// bytes as they are, with no conversion and no copy.
#include <QIcon>
#include <QImage>
#include <QString>

namespace orvane {

// The picture stored in the resource `path` (":/…argb"), sharing the resource's bytes; a null
// image when the resource is missing or its size does not match its header.
QImage RawPicture(const QString &path);

// An icon of the undecoded pictures `<base>-16.argb` and `<base>-32.argb`.
QIcon RawIcon(const QString &base);

} // namespace orvane
