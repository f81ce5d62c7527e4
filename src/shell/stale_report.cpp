#include "shell/stale_report.h"

#include "shell/message_box_notifier.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>
#include <QWidget>

namespace orvane {

StaleReportMark::StaleReportMark(QWidget *panel, std::function<bool()> fanAvailable,
                                 std::function<void()> saveReport)
    : QObject(panel), panel_(panel), fanAvailable_(std::move(fanAvailable)),
      saveReport_(std::move(saveReport)) {
    banner_ = new QLabel(
        QStringLiteral("Исходные данные изменены после расчёта. Нажмите «Расчет», чтобы "
                       "обновить отчёт."));
    banner_->setObjectName(QStringLiteral("LabStaleReport"));
    banner_->setWordWrap(true);
    banner_->setMargin(6);
    // a palette, not a style sheet: a style sheet would cost the window's start a style of its own
    banner_->setAutoFillBackground(true);
    banner_->setFrameShape(QFrame::Box);
    QPalette palette = banner_->palette();
    palette.setColor(QPalette::Window, QColor(0xff, 0xf3, 0xc4));
    palette.setColor(QPalette::WindowText, QColor(0x5a, 0x43, 0x00));
    palette.setColor(QPalette::Light, QColor(0xd8, 0xb8, 0x4a));
    palette.setColor(QPalette::Dark, QColor(0xd8, 0xb8, 0x4a));
    banner_->setPalette(palette);
    banner_->setAccessibleName(banner_->text());
    banner_->hide();
    ask_ = [panel] {
        return static_cast<int>(AskQuestion(
            panel,
            QStringLiteral("Отчёт составлен до изменения исходных данных и не соответствует им. "
                           "Сохранить его всё же?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No));
    };
    fan_ = panel->findChild<QAbstractButton *>(QStringLiteral("bbFan"));
    // "Сохранить" asks first while the report is stale
    if (auto *save = panel->findChild<QAbstractButton *>(QStringLiteral("bbSaveToFile"))) {
        QObject::disconnect(save, &QAbstractButton::clicked, panel, nullptr);
        connect(save, &QAbstractButton::clicked, this, &StaleReportMark::SaveClicked);
    }
}

QVBoxLayout *StaleReportMark::BannerAndPanel() const {
    auto *column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(banner_);
    column->addWidget(panel_, 1);
    return column;
}

void StaleReportMark::SetStale(bool stale) {
    stale_ = stale;
    banner_->setVisible(stale);
    if (fan_)
        fan_->setEnabled(!stale && (!fanAvailable_ || fanAvailable_()));
    emit staleChanged(stale);
}

void StaleReportMark::SaveClicked() {
    if (stale_ && ask_ && ask_() != QMessageBox::Yes)
        return;
    if (saveReport_)
        saveReport_();
}

} // namespace orvane
