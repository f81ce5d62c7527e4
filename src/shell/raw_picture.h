#pragma once
// The small pictures the windows show from their first frame (the logo, the module buttons, the
// file and save icons) are carried undecoded: decoding their PNGs took a tenth of the program's
// start, most of it in finding and setting up the image decoders. A picture's PNG stays its
// source beside it; scripts/rgba-picture.py writes the undecoded form and a test checks that
// they agree.
//
// The form: "RGBA", the width and the height as 16-bit big-endian numbers, then the rows top to
// bottom, each pixel as red, green, blue and alpha bytes.

#include <QIcon>
#include <QImage>
#include <QString>

namespace orvane {

// The picture stored in the resource `path` (":/…rgba"), sharing the resource's bytes; a null
// image when the resource is missing or its size does not match its header.
QImage RawPicture(const QString &path);

// An icon of the undecoded pictures `<base>-16.rgba` and `<base>-32.rgba`.
QIcon RawIcon(const QString &base);

} // namespace orvane
