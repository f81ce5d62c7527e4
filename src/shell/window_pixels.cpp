#include "shell/window_pixels.h"

#include <QBackingStore>
#include <QEvent>
#include <QImage>
#include <QObject>
#include <QWidget>
#include <QWindow>

#include <cstdint>

#if defined(Q_OS_LINUX)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace orvane {

namespace {

// Has the system supply (and zero) every page of `length` bytes at `data` now, as a write would.
void PopulatePages(const void *data, qsizetype length) {
#if defined(Q_OS_LINUX) && defined(MADV_POPULATE_WRITE)
    const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<uintptr_t>(data) & ~(page - 1);
    const auto end = reinterpret_cast<uintptr_t>(data) + static_cast<uintptr_t>(length);
    // a kernel before 5.14 answers EINVAL: the pages then come as they are painted
    madvise(reinterpret_cast<void *>(start), end - start, MADV_POPULATE_WRITE);
#else
    Q_UNUSED(data);
    Q_UNUSED(length);
#endif
}

// Waits for the window to be shown (its native window exists then) and then for its first
// expose, which Qt answers by painting the first frame.
class FirstFrameWatcher : public QObject {
public:
    explicit FirstFrameWatcher(QWidget *window) : QObject(window), fWindow(window) {}

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == fWindow) {
            if (event->type() == QEvent::Show) {
                fWindow->removeEventFilter(this);
                Watch(fWindow->windowHandle());
            }
            return false;
        }
        const auto *handle = qobject_cast<QWindow *>(watched);
        if (event->type() == QEvent::Expose && handle != nullptr && handle->isExposed()) {
            Populate();
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
    void Populate() {
        QBackingStore *store = fWindow->backingStore();
        if (store == nullptr)
            return;
        if (store->size() != fWindow->size())
            store->resize(fWindow->size());
        QPaintDevice *device = store->paintDevice();
        if (device != nullptr && device->devType() == QInternal::Image) {
            const auto *image = static_cast<const QImage *>(device);
            PopulatePages(image->constBits(), image->sizeInBytes());
        }
    }

    QWidget *fWindow; // the parent: outlives this watcher
};

} // namespace

void PrepareFirstFramePixels(QWidget *window) {
    if (window == nullptr || !window->isWindow())
        return;
    auto *watcher = new FirstFrameWatcher(window);
    if (window->isVisible())
        watcher->Watch(window->windowHandle());
    else
        window->installEventFilter(watcher);
}

} // namespace orvane
