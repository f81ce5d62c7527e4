#include "shell/file_name.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace orvane {

namespace {

constexpr char16_t kStrayFirst = 0xDC80; // a stray byte b is U+DC00 + b, b in 0x80…0xFF
constexpr char16_t kStrayLast = 0xDCFF;

bool IsStray(QChar c) {
    return c.unicode() >= kStrayFirst && c.unicode() <= kStrayLast;
}

#ifndef Q_OS_WIN
// The length of the UTF-8 character at `i` (1…4), or 0 when the bytes there are not one.
size_t Utf8Length(std::string_view s, size_t i, char32_t &cp) {
    const auto byte = [&s](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    size_t length = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > s.size())
        return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}
#endif

} // namespace

#ifdef Q_OS_WIN

QString FileNameFromBytes(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

std::string FileNameBytes(const QString &name) {
    return name.toStdString();
}

QString AbsoluteFileName(const QString &name) {
    return QFileInfo(name).absoluteFilePath();
}

#else

QString FileNameFromBytes(std::string_view bytes) {
    QString name;
    name.reserve(qsizetype(bytes.size()));
    for (size_t i = 0; i < bytes.size();) {
        char32_t cp = 0;
        const size_t length = Utf8Length(bytes, i, cp);
        if (length == 0) {
            name.append(QChar(char16_t(0xDC00 + static_cast<unsigned char>(bytes[i]))));
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            name.append(QChar(QChar::highSurrogate(cp)));
            name.append(QChar(QChar::lowSurrogate(cp)));
        } else {
            name.append(QChar(char16_t(cp)));
        }
        i += length;
    }
    return name;
}

std::string FileNameBytes(const QString &name) {
    std::string bytes;
    bytes.reserve(size_t(name.size()));
    qsizetype start = 0; // the text since the last stray byte, converted as Qt converts it
    for (qsizetype i = 0; i < name.size(); ++i) {
        // a low surrogate after a high one is half of a character, never a stray byte
        if (!IsStray(name.at(i)) || (i > 0 && name.at(i - 1).isHighSurrogate()))
            continue;
        bytes += name.mid(start, i - start).toStdString();
        bytes.push_back(static_cast<char>(name.at(i).unicode() - 0xDC00));
        start = i + 1;
    }
    bytes += name.mid(start).toStdString();
    return bytes;
}

QString AbsoluteFileName(const QString &name) {
    const QString full =
        name.startsWith(QLatin1Char('/')) ? name : QDir::currentPath() + QLatin1Char('/') + name;
    return QDir::cleanPath(full);
}

#endif

bool HasStrayBytes(const QString &name) {
    for (qsizetype i = 0; i < name.size(); ++i)
        if (IsStray(name.at(i)) && !(i > 0 && name.at(i - 1).isHighSurrogate()))
            return true;
    return false;
}

QString FileNameForDisplay(const QString &name) {
    QString shown = name;
    for (qsizetype i = 0; i < shown.size(); ++i)
        if (IsStray(shown.at(i)) && !(i > 0 && shown.at(i - 1).isHighSurrogate()))
            shown[i] = QChar::ReplacementCharacter;
    return shown;
}

QString FileNameOfUrl(const QUrl &url) {
#ifdef Q_OS_WIN
    return url.toLocalFile();
#else
    if (!url.isLocalFile() || !url.host().isEmpty())
        return url.toLocalFile();
    // the path's bytes as the URL carries them (%FF stays a byte, where toLocalFile makes it
    // U+FFFD)
    const QByteArray bytes =
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    return FileNameFromBytes(std::string_view(bytes.constData(), size_t(bytes.size())));
#endif
}

} // namespace orvane
