#include "app/window_pixels.h"

#include "app/helper_thread.h"

#include <QBackingStore>
#include <QEvent>
#include <QImage>
#include <QObject>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <cstdint>
#include <future>

#if defined(Q_OS_LINUX)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace orvane {

namespace {

// The bytes of the backing store's buffer, when it is plain memory.
struct Pixels {
    const uchar *data = nullptr;
    qsizetype length = 0;
};

Pixels PixelsOf(QBackingStore *store) {
    QPaintDevice *device = store != nullptr ? store->paintDevice() : nullptr;
    if (device == nullptr || device->devType() != QInternal::Image)
        return {};
    const auto *image = static_cast<const QImage *>(device);
    return {image->constBits(), image->sizeInBytes()};
}

// Has the system supply (and zero) every page of `pixels` now, as a write would.
void PopulatePages(Pixels pixels) {
#if defined(Q_OS_LINUX) && defined(MADV_POPULATE_WRITE)
    if (pixels.data == nullptr)
        return;
    const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<uintptr_t>(pixels.data) & ~(page - 1);
    const auto end =
        reinterpret_cast<uintptr_t>(pixels.data) + static_cast<uintptr_t>(pixels.length);
    // a kernel before 5.14 answers EINVAL: the pages then come as they are painted
    madvise(reinterpret_cast<void *>(start), end - start, MADV_POPULATE_WRITE);
#else
    Q_UNUSED(pixels);
#endif
}

// PopulatePages, then a read of every page: a virtual machine that keeps its own copy of the page
// tables fills it in only at a page's first access, which costs about as much again.
void BringInPages(Pixels pixels) {
    PopulatePages(pixels);
#if defined(Q_OS_LINUX)
    const auto page = static_cast<qsizetype>(sysconf(_SC_PAGESIZE));
    const volatile uchar *bytes = pixels.data;
    for (qsizetype at = 0; at < pixels.length; at += page)
        static_cast<void>(bytes[at]);
#endif
}

// Waits for the window to be shown (its native window exists then) and then for its first
// expose, which Qt answers by painting the first frame. Pages brought in early, on another
// thread, are waited for there: Qt paints (and so resizes or replaces the buffer) only once the
// window is exposed, and the window deletes this watcher, its child, before its backing store.
class FirstFrameWatcher : public QObject {
public:
    explicit FirstFrameWatcher(QWidget *window) : QObject(window), window_(window) {}
    ~FirstFrameWatcher() override {
        if (bringingIn_.valid())
            bringingIn_.wait();
    }

    // Makes the buffer at `size` now and brings its pages in on another thread.
    void StartEarly(QSize size) {
        QBackingStore *store = window_->backingStore();
        if (store == nullptr || size.isEmpty())
            return;
        store->resize(size);
        const Pixels pixels = PixelsOf(store);
        if (pixels.data != nullptr)
            bringingIn_ = RunOnHelperThread<void>([pixels] { BringInPages(pixels); });
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == window_) {
            if (event->type() == QEvent::Show) {
                window_->removeEventFilter(this);
                Watch(window_->windowHandle());
            }
            return false;
        }
        const auto *handle = qobject_cast<QWindow *>(watched);
        if (event->type() == QEvent::Expose && handle != nullptr && handle->isExposed()) {
            Prepare();
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

    // Watches `handle` for the first expose, unless there is none to come.
    void Watch(QWindow *handle) {
        if (handle == nullptr || handle->isExposed())
            deleteLater();
        else
            handle->installEventFilter(this);
    }

private:
    // Sizes the buffer as the frame will be painted; a buffer made now gets its pages at once.
    void Prepare() {
        if (bringingIn_.valid())
            AwaitBriefly(bringingIn_);
        QBackingStore *store = window_->backingStore();
        if (store == nullptr || store->size() == window_->size())
            return;
        store->resize(window_->size());
        PopulatePages(PixelsOf(store));
    }

    QWidget *window_; // the parent: outlives this watcher
    std::future<void> bringingIn_;
};

// Watches `window` for its first frame, having begun the buffer at `expectedSize` if valid.
void WatchFirstFrame(QWidget *window, QSize expectedSize) {
    if (window == nullptr || !window->isWindow())
        return;
    auto *watcher = new FirstFrameWatcher(window);
    if (expectedSize.isValid() && window->windowHandle() != nullptr && !window->isVisible())
        watcher->StartEarly(expectedSize);
    if (window->isVisible())
        watcher->Watch(window->windowHandle());
    else
        window->installEventFilter(watcher);
}

} // namespace

void PrepareFirstFramePixels(QWidget *window) {
    WatchFirstFrame(window, QSize());
}

void PrepareMaximisedFirstFramePixels(QWidget *window) {
    if (window == nullptr || !window->isWindow())
        return;
    window->winId(); // the native window, and with it the backing store
    WatchFirstFrame(window, ExpectedMaximisedSize(window));
}

QSize ExpectedMaximisedSize(const QWidget *window) {
    const QScreen *screen = window != nullptr ? window->screen() : nullptr;
    const QWindow *handle = window != nullptr ? window->windowHandle() : nullptr;
    if (screen == nullptr || handle == nullptr)
        return {};
    return screen->availableGeometry().size().shrunkBy(handle->frameMargins());
}

} // namespace orvane
