#include "shell/raw_picture.h"

#include <QPixmap>
#include <QResource>
#include <QSysInfo>
#include <QtEndian>

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
    if (bytes == nullptr || size < kHeaderSize || QByteArrayView(bytes, 4) != "ARGB")
        return {};
    const int width = BigEndian16(bytes + 4);
    const int height = BigEndian16(bytes + 6);
    if (width == 0 || height == 0 || size != kHeaderSize + qint64(width) * height * 4)
        return {};
    const uchar *pixels = bytes + kHeaderSize;
    const qsizetype stride = qsizetype(width) * 4;
    if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        // the resource's bytes live as long as the program
        return QImage(pixels, width, height, stride, QImage::Format_ARGB32_Premultiplied);
    } else {
        QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
        if (picture.isNull())
            return {};
        for (int y = 0; y < height; ++y) {
            auto *line = reinterpret_cast<quint32 *>(picture.scanLine(y));
            for (int x = 0; x < width; ++x)
                line[x] = qFromLittleEndian<quint32>(pixels + y * stride + x * 4);
        }
        return picture;
    }
}

QIcon RawIcon(const QString &base) {
    QIcon icon;
    for (const char *size : {"-16.argb", "-32.argb"})
        icon.addPixmap(QPixmap::fromImage(RawPicture(base + QLatin1String(size))));
    return icon;
}

} // namespace orvane
