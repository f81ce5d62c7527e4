#include "shell/page_wheel.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPointer>
#include <QScrollBar>
#include <QWheelEvent>

namespace orvane {

namespace {

class PageWheelFilter : public QObject {
public:
    PageWheelFilter(QAbstractScrollArea *inner, QAbstractScrollArea *page)
        : QObject(inner), inner_(inner), page_(page) {}

    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() != QEvent::Wheel || !page_)
            return false;
        auto *wheel = static_cast<QWheelEvent *>(event);
        const int dy = wheel->angleDelta().y();
        const QScrollBar *bar = inner_->verticalScrollBar();
        const bool innerCanScroll =
            bar && bar->maximum() > bar->minimum() &&
            (dy > 0 ? bar->value() > bar->minimum() : dy < 0 && bar->value() < bar->maximum());
        if (dy == 0 || innerCanScroll)
            return false;
        QScrollBar *pageBar = page_->verticalScrollBar();
        if (pageBar)
            pageBar->setValue(pageBar->value() - dy * pageBar->singleStep() *
                                                     QApplication::wheelScrollLines() / 120);
        return true;
    }

private:
    QAbstractScrollArea *inner_;
    QPointer<QAbstractScrollArea> page_;
};

} // namespace

void PassWheelToPageAtEnd(QAbstractScrollArea *inner, QAbstractScrollArea *page) {
    if (!inner || !page)
        return;
    inner->viewport()->installEventFilter(new PageWheelFilter(inner, page));
}

} // namespace orvane
