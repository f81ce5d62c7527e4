#pragma once
// Engine strings are UTF-8 std::string; the dialogs speak QString.

#include <QString>

#include <string>

namespace orvane {

inline QString ToQ(const std::string &text) {
    return QString::fromStdString(text);
}
inline std::string FromQ(const QString &text) {
    return text.toStdString();
}

} // namespace orvane
