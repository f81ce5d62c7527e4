#pragma once
// The About box: maker's strip with a link, program name and version.

#include <QDialog>
#include <QLabel>

namespace orvane {

inline constexpr char kMakerName[] = "Орвейн Софт";
inline constexpr char kMakerAddress[] = "https://orvane.example.org";

// A web address that opens in the default browser; yellow and underlined under the mouse.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString &text, const QString &address, QWidget *parent = nullptr);
    const QString &Address() const { return address_; }
    bool Hovered() const { return hovered_; }

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void SetHovered(bool hovered);
    QString address_;
    bool hovered_ = false;
};

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};

// Shows the program's one About box, or one of the window's own when the program has none.
void ShowAbout(AboutBox *programBox, QWidget *window);

} // namespace orvane
