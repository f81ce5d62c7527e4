// A window's first frame is painted into the buffer prepared for it: the backing store has the
// window's size before Qt paints, so Qt keeps that buffer instead of making a new one.

#include "app/window_pixels.h"
#include "window_test_support.h"

#include <QBackingStore>
#include <QEvent>
#include <QImage>
#include <QPaintEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>

using namespace orvane;
using orvane::test::BufferPixels;

namespace {

class Window : public QWidget {
public:
    const void *firstFramePixels = nullptr;
    QSize firstFrameStoreSize;

protected:
    void paintEvent(QPaintEvent *) override {
        if (firstFramePixels == nullptr) {
            firstFramePixels = BufferPixels(this);
            firstFrameStoreSize = backingStore()->size();
        }
    }
};

// What the backing store holds when the window's first expose arrives (before it is painted).
class ExposeWatcher : public QObject {
public:
    bool seen = false;
    QSize storeSize;
    const void *pixels = nullptr;
    QWidget *window = nullptr;

    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Expose && !seen) {
            seen = true;
            storeSize = window->backingStore()->size();
            pixels = BufferPixels(window);
        }
        return false;
    }
};

} // namespace

class WindowPixelsTest : public QObject {
    Q_OBJECT
private slots:
    void firstFrameIsPaintedIntoThePreparedBuffer() {
        Window window;
        window.resize(640, 480);
        ExposeWatcher watcher;
        watcher.window = &window;
        window.winId(); // the native window, to watch its expose from the start
        window.windowHandle()->installEventFilter(&watcher);
        // installed later, so its filter sees the expose first
        PrepareFirstFramePixels(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(window.firstFramePixels != nullptr);

        QVERIFY(watcher.seen);
        QCOMPARE(watcher.storeSize, window.size());
        QCOMPARE(window.firstFrameStoreSize, window.size());
        QCOMPARE(window.firstFramePixels, watcher.pixels);
    }

    // A window that opens maximised has its buffer made while it is built; when it opens
    // another size after all, the first frame gets a buffer of its own size.
    void bufferMadeBeforeTheWindowIsShown_data() {
        QTest::addColumn<bool>("maximised");
        QTest::newRow("maximised") << true;
        QTest::newRow("not maximised after all") << false;
    }
    void bufferMadeBeforeTheWindowIsShown() {
        QFETCH(bool, maximised);
        Window window;
        window.resize(640, 480);
        PrepareMaximisedFirstFramePixels(&window);
        const void *early = BufferPixels(&window);
        QVERIFY(early != nullptr);
        QCOMPARE(window.backingStore()->size(), ExpectedMaximisedSize(&window));
        if (maximised)
            window.setWindowState(Qt::WindowMaximized);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(window.firstFramePixels != nullptr);
        QCOMPARE(window.firstFrameStoreSize, window.size());
        QCOMPARE(window.firstFramePixels == early, maximised);
    }

    void notAWindowOrNothingIsLeftAlone() {
        PrepareFirstFramePixels(nullptr);
        QWidget parent;
        auto *child = new QWidget(&parent);
        PrepareFirstFramePixels(child);
        QVERIFY(child->findChildren<QObject *>().isEmpty());
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
    }
};

QTEST_MAIN(WindowPixelsTest)
#include "window_pixels_test.moc"
