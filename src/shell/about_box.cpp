#include "shell/about_box.h"

#include "shell/raw_picture.h"

#include "shell/version.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

namespace orvane {

LinkLabel::LinkLabel(const QString &text, const QString &address, QWidget *parent)
    : QLabel(text, parent), address_(address) {
    setCursor(Qt::PointingHandCursor);
    setToolTip(address);
    SetHovered(false);
}

void LinkLabel::SetHovered(bool hovered) {
    hovered_ = hovered;
    QFont f = font();
    f.setUnderline(hovered);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, hovered ? QColor(Qt::yellow) : QColor(Qt::white));
    setPalette(p);
}

void LinkLabel::enterEvent(QEnterEvent *event) {
    SetHovered(true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent *event) {
    SetHovered(false);
    QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        QDesktopServices::openUrl(QUrl(address_));
    QLabel::mouseReleaseEvent(event);
}

AboutBox::AboutBox(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("О программе"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 12);
    root->setSpacing(6);

    auto *panelLogo = new QWidget(this);
    panelLogo->setObjectName(QStringLiteral("PanelLogo"));
    panelLogo->setAutoFillBackground(true);
    QPalette strip = panelLogo->palette();
    strip.setColor(QPalette::Window, QColor(112, 16, 16));
    strip.setColor(QPalette::WindowText, Qt::white);
    panelLogo->setPalette(strip);
    auto *logoRow = new QHBoxLayout(panelLogo);
    logoRow->setContentsMargins(12, 8, 12, 8);
    auto *imgLogo = new QLabel(panelLogo);
    imgLogo->setObjectName(QStringLiteral("ImgLogo"));
    imgLogo->setPixmap(QPixmap::fromImage(RawPicture(QStringLiteral(":/shell/logo.argb"))));
    auto *labMaker = new QLabel(QString::fromUtf8(kMakerName), panelLogo);
    labMaker->setObjectName(QStringLiteral("LabMaker"));
    QFont makerFont = labMaker->font();
    makerFont.setBold(true);
    makerFont.setPointSizeF(makerFont.pointSizeF() * 1.2);
    labMaker->setFont(makerFont);
    auto *labLink =
        new LinkLabel(QString::fromUtf8(kMakerAddress).remove(QStringLiteral("https://")),
                      QString::fromUtf8(kMakerAddress), panelLogo);
    labLink->setObjectName(QStringLiteral("LabLink"));
    auto *makerColumn = new QVBoxLayout;
    makerColumn->addWidget(labMaker);
    makerColumn->addWidget(labLink);
    logoRow->addWidget(imgLogo);
    logoRow->addSpacing(8);
    logoRow->addLayout(makerColumn);
    logoRow->addStretch(1);
    root->addWidget(panelLogo);

    auto *lines = new QVBoxLayout;
    lines->setContentsMargins(24, 0, 24, 0);
    root->addLayout(lines);
    auto centred = [this, lines](const QString &name, const QString &text, bool bold,
                                 double scale) {
        auto *label = new QLabel(text, this);
        label->setObjectName(name);
        label->setAlignment(Qt::AlignHCenter);
        QFont f = label->font();
        f.setBold(bold);
        f.setPointSizeF(f.pointSizeF() * scale);
        label->setFont(f);
        lines->addWidget(label);
        return label;
    };
    lines->addSpacing(8);
    centred(QStringLiteral("LabProgName"), QStringLiteral("Орвейн"), true, 1.6);
    centred(QStringLiteral("LabProgDesc"), QStringLiteral("Системы противодымной вентиляции"), true,
            1.0);
    centred(QStringLiteral("LabVersion"),
            AboutVersionLine(kVersionMajor, kVersionMinor, kVersionYear, kVersionMonth), false,
            1.0);
    root->addSpacing(8);

    auto *buttonOk = new QPushButton(QStringLiteral("OK"), this);
    buttonOk->setObjectName(QStringLiteral("ButtonOK"));
    buttonOk->setDefault(true);
    connect(buttonOk, &QPushButton::clicked, this, &QDialog::accept);
    root->addWidget(buttonOk, 0, Qt::AlignHCenter);

    panelLogo->setMinimumWidth(380);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutBox::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (const QScreen *s = screen()) {
        const QRect area = s->availableGeometry();
        move(area.x() + (area.width() - frameGeometry().width()) / 2,
             area.y() + (area.height() - frameGeometry().height()) / 2);
    }
}

void ShowAbout(AboutBox *programBox, QWidget *window) {
    if (programBox) {
        programBox->exec();
        return;
    }
    AboutBox box(window);
    box.exec();
}

} // namespace orvane
