#include "shell/raw_picture.h"

#include <QPixmap>
#include <QResource>

namespace orvane {

namespace {

constexpr qsizetype kHeaderSize = 8;

int BigEndian16(const uchar *bytes) {
    return (bytes[0] << 8) | bytes[1];
}

} // namespace

QImage RawPicture(const QString &path) {
    const QResource resource(path);
    // the resources are stored as they are (no compression), so their bytes are read in place
    if (!resource.isValid() ||
        resource.compressionAlgorithm() != QResource::Compression::NoCompression)
        return {};
    const uchar *bytes = resource.data();
    const qint64 size = resource.size();
    if (bytes == nullptr || size < kHeaderSize || QByteArrayView(bytes, 4) != "RGBA")
        return {};
    const int width = BigEndian16(bytes + 4);
    const int height = BigEndian16(bytes + 6);
    if (width == 0 || height == 0 || size != kHeaderSize + qint64(width) * height * 4)
        return {};
    // the resource's bytes live as long as the program
    return QImage(bytes + kHeaderSize, width, height, qsizetype(width) * 4,
                  QImage::Format_RGBA8888);
}

QIcon RawIcon(const QString &base) {
    QIcon icon;
    for (const char *size : {"-16.rgba", "-32.rgba"})
        icon.addPixmap(QPixmap::fromImage(RawPicture(base + QLatin1String(size))));
    return icon;
}

} // namespace orvane
