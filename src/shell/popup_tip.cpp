#include "shell/popup_tip.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

#include <algorithm>

namespace orvane {

namespace {
constexpr int kMaxTextHeight = 300;
const QColor kTipBackground(255, 255, 224);
} // namespace

PopupTip::PopupTip(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("FormTamsoPopupTip"));
    setFont(QToolTip::font());
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool PopupTip::NextLine(const QString &text, int &position, QString &line) {
    line.clear();
    qsizetype i = std::max(position, 1) - 1;
    const qsizetype n = text.size();
    bool broke = false;
    while (i < n) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            ++i;
            if (i < n && (text.at(i) == QLatin1Char('\r') || text.at(i) == QLatin1Char('\n')))
                ++i;
            broke = true;
            break;
        }
        line += c;
        ++i;
    }
    position = static_cast<int>(i) + 1;
    return broke || !line.isEmpty();
}

void PopupTip::Split(const QString &text, QStringList &lines) {
    lines.clear();
    int position = 1;
    QString line;
    while (NextLine(text, position, line))
        lines.append(line);
}

void PopupTip::SetHeader(const QString &text) {
    header_ = text;
    Split(header_, headerStrings_);
}

void PopupTip::SetText(const QString &text) {
    text_ = text;
    Split(text_, textStrings_);
}

QFont PopupTip::BoldFont() const {
    QFont bold = font();
    bold.setBold(true);
    return bold;
}

int PopupTip::LineHeight() const {
    return QFontMetrics(font()).height();
}

QSize PopupTip::TipSize(int maxTextWidth) const {
    const QFontMetrics normal(font());
    const QFontMetrics bold(BoldFont());
    int w = 0;
    for (const QString &line : headerStrings_)
        w = std::max(w, bold.horizontalAdvance(line));
    for (const QString &line : textStrings_)
        w = std::max(w, normal.horizontalAdvance(line));
    w = std::min(w, maxTextWidth);

    const int h = LineHeight();
    int height = 0;
    if (!headerStrings_.isEmpty())
        height = static_cast<int>(headerStrings_.size()) * h + 2;
    height += static_cast<int>(textStrings_.size()) * h;
    height = std::min(height, kMaxTextHeight);
    return {w + 6, height + 4};
}

QRect PopupTip::PlaceOnDesktop(QPoint org, QSize size, const QRect &desktop) {
    int left = org.x();
    int top = org.y();
    if (top + size.height() > desktop.y() + desktop.height())
        top = desktop.y() + desktop.height() - size.height();
    if (left + size.width() > desktop.x() + desktop.width())
        left = desktop.x() + desktop.width() - size.width();
    left = std::max(left, desktop.x());
    top = std::max(top, desktop.y());
    return {QPoint(left, top), size};
}

void PopupTip::ShowBeside(const QWidget *button, const QString &text) {
    InitAndShow(button->mapToGlobal(QPoint(0, 0)), QString(), text);
}

void PopupTip::InitAndShow(QPoint orgPnt, const QString &header, const QString &text) {
    SetHeader(header);
    SetText(text);
    const QScreen *screen = QGuiApplication::screenAt(orgPnt);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    setGeometry(PlaceOnDesktop(orgPnt, TipSize(desktop.width()), desktop));
    show();
    raise();
    activateWindow();
    setFocus(Qt::PopupFocusReason);
    update();
}

void PopupTip::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), kTipBackground);
    // the thin border of the window is part of its 6 x 4 pixel allowance
    painter.setPen(QColor(118, 118, 118));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setClipRect(rect().adjusted(1, 1, -1, -1));
    painter.setPen(Qt::black);

    const int h = LineHeight();
    const int x = 1 + 2;
    int y = 1 + 1;
    const QFont bold = BoldFont();
    painter.setFont(bold);
    const int boldAscent = QFontMetrics(bold).ascent();
    for (const QString &line : headerStrings_) {
        painter.drawText(x, y + boldAscent, line);
        y += h;
    }
    if (!headerStrings_.isEmpty())
        y += 2;
    painter.setFont(font());
    const int ascent = QFontMetrics(font()).ascent();
    for (const QString &line : textStrings_) {
        if (y > height())
            break;
        painter.drawText(x, y + ascent, line);
        y += h;
    }
}

void PopupTip::keyPressEvent(QKeyEvent *) {
    hide();
}

void PopupTip::mousePressEvent(QMouseEvent *) {
    hide();
}

void PopupTip::CloseWhenActivated(QWidget *window) {
    if (window)
        window->installEventFilter(this);
}

bool PopupTip::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::WindowActivate && isVisible())
        hide();
    return QWidget::eventFilter(watched, event);
}

} // namespace orvane
