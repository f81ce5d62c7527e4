#pragma once
// Catches what the program asks the desktop to open (the manual) instead of a browser:
// QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open").

#include <QList>
#include <QObject>
#include <QUrl>

namespace orvane::test {

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

} // namespace orvane::test
