#pragma once
// The one borderless tip window the calculation windows show beside their tip buttons.

#include <QStringList>
#include <QWidget>

namespace orvane {

class PopupTip : public QWidget {
    Q_OBJECT
public:
    explicit PopupTip(QWidget *parent = nullptr);

    // Reads one line of text from position (counted from 1) on; CR LF, LF CR, CR CR and LF LF
    // each end one line. False at the end of the text with nothing read.
    static bool NextLine(const QString &text, int &position, QString &line);
    // Where a window of this size goes when asked for at org: moved up and left to fit the
    // desktop, then right and down so its top-left corner stays on it.
    static QRect PlaceOnDesktop(QPoint org, QSize size, const QRect &desktop);

    void SetHeader(const QString &text);
    void SetText(const QString &text);
    const QStringList &HeaderStrings() const { return headerStrings_; }
    const QStringList &TextStrings() const { return textStrings_; }

    // orgPnt: the wanted top-left corner in screen coordinates (the tip button's corner).
    void InitAndShow(QPoint orgPnt, const QString &header, const QString &text);
    // Shows `text` without a header, its top-left corner at the tip button's.
    void ShowBeside(const QWidget *button, const QString &text);
    // The size the tip takes for the current texts and font (at most the given width for text).
    QSize TipSize(int maxTextWidth) const;
    int LineHeight() const;

    // Hides the tip whenever the window is activated again.
    void CloseWhenActivated(QWidget *window);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static void Split(const QString &text, QStringList &lines);
    QFont BoldFont() const;

    QString header_;
    QString text_;
    QStringList headerStrings_;
    QStringList textStrings_;
};

} // namespace orvane
