#include "charts/ui/charts_tab.h"

#include "report/ui/chart_figure.h"
#include "report/ui/charts_module.h"
#include "core/file_io.h"
#include "core/number_text.h"
#include "report/report_output.h"
#include "report/report_page.h"
#include "report/ui/report_output_panel.h"
#include "shell/stale_report.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScrollArea>
#include <QVBoxLayout>

namespace orvane {

namespace {

const QString kNoChartsHint = QStringLiteral("Графики строятся после расчёта. Нажмите «Расчет».");
const QString kStaleHint = QStringLiteral(
    "Исходные данные изменены после расчёта. Нажмите «Расчет», чтобы обновить графики.");
const QString kNotDrawnHint =
    QStringLiteral("Графики в этой сборке программы не строятся: отчёт содержит все результаты.");

} // namespace

ChartsTab::ChartsTab(ReportOutputPanel *panel, StaleReportMark *stale) : QWidget(panel) {
    setObjectName(QStringLiteral("TabCharts"));
    // the module is only looked for here: it is loaded when the first charts are shown
    drawn_ = ChartsModuleFound();
    hint_ = new QLabel(drawn_ ? kNoChartsHint : kNotDrawnHint, this);
    hint_->setObjectName(QStringLiteral("LabChartsHint"));
    hint_->setWordWrap(true);
    hint_->setMargin(6);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(hint_);
    if (drawn_) {
        auto *scroll = new QScrollArea(this);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        page_ = new QWidget;
        column_ = new QVBoxLayout(page_);
        scroll->setWidget(page_);
        layout->addWidget(scroll, 1);
        scroll_ = scroll;
    } else {
        layout->addStretch(1);
    }
    panel->AddTab(this, QStringLiteral("Графики"));
    if (drawn_ && stale != nullptr)
        connect(stale, &StaleReportMark::staleChanged, this, [this](bool isStale) {
            if (isStale)
                Clear(kStaleHint);
        });
}

QList<QChartView *> ChartsTab::Views() const {
    QList<QChartView *> views;
    for (const View &v : views_)
        views.append(v.chartView);
    return views;
}

void ChartsTab::Clear(const QString &hint) {
    if (!drawn_)
        return;
    for (const View &v : views_)
        delete v.widget;
    views_.clear();
    hint_->setText(hint);
    hint_->show();
}

void ChartsTab::ShowNotDrawn() {
    Clear(kNotDrawnHint);
    drawn_ = false;
    // the page as a program without charts lays it out: the note at the top
    scroll_->hide();
    static_cast<QVBoxLayout *>(layout())->addStretch(1);
}

void ChartsTab::Show(const std::vector<ChartData> &charts) {
    if (!drawn_)
        return;
    const ChartsModule *module = charts.empty() ? nullptr : LoadedChartsModule();
    if (!charts.empty() && module == nullptr) {
        ShowNotDrawn();
        return;
    }
    Clear(kNoChartsHint);
    for (const ChartData &data : charts) {
        const ChartsModule::View made = module->MakeView(data, ProgramChartNumbers(), page_);
        views_.append({made.widget, made.chartView});
        column_->addWidget(made.widget);
        connect(made.widget, &QWidget::customContextMenuRequested, this,
                [this, view = made.widget, data](const QPoint &pos) {
                    ContextMenu(view, data, pos);
                });
    }
    hint_->setVisible(charts.empty());
}

namespace {

QString NotDrawn(const QString &fileName) {
    return QStringLiteral(
               "Не удалось записать файл %1: графики в этой сборке программы не строятся")
        .arg(fileName);
}

QString NotEncoded(const QString &fileName) {
    return QStringLiteral("Не удалось записать файл %1: рисунок не закодирован").arg(fileName);
}

// The encoded picture through the program's safe write; the reason in Russian on failure.
QString WriteBytes(const QString &fileName, const QByteArray &bytes) {
    const FileResult r = WriteFileAtomic(fileName.toStdString(),
                                         std::string_view(bytes.constData(), size_t(bytes.size())));
    return r.ok ? QString() : QString::fromStdString(r.error);
}

} // namespace

QString ChartsTab::SavePng(const ChartData &chart, const QString &fileName) {
    if (!ChartsDrawn())
        return NotDrawn(fileName);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!ChartPicture(chart).save(&buffer, "PNG"))
        return NotEncoded(fileName);
    return WriteBytes(fileName, bytes);
}

QString ChartsTab::SaveSvg(const ChartData &chart, const QString &fileName) {
    const ChartsModule *module = LoadedChartsModule();
    if (module == nullptr)
        return NotDrawn(fileName);
    const QByteArray bytes = module->SvgDrawing(chart, DecimalSeparator(), kChartPictureSize,
                                                QString::fromStdString(ProgramVersionText()));
    if (bytes.isEmpty())
        return NotEncoded(fileName);
    return WriteBytes(fileName, bytes);
}

void ChartsTab::SaveAs(const ChartData &chart, const QString &filter, const QString &suffix) {
    QString name =
        QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить график"), QString(), filter);
    if (name.isEmpty())
        return;
    name = QString::fromStdString(EnsureExtension(name.toStdString(), suffix.toStdString()));
    const QString error =
        suffix == QStringLiteral("svg") ? SaveSvg(chart, name) : SavePng(chart, name);
    if (!error.isEmpty())
        QMessageBox::critical(this, QStringLiteral("Графики"), error);
}

void ChartsTab::ContextMenu(QWidget *view, const ChartData &chart, const QPoint &pos) {
    QMenu menu(view);
    QAction *copy = menu.addAction(QStringLiteral("Копировать"));
    QAction *png = menu.addAction(QStringLiteral("Сохранить как PNG…"));
    QAction *svg = menu.addAction(QStringLiteral("Сохранить как SVG…"));
    QAction *chosen = menu.exec(view->mapToGlobal(pos));
    if (chosen == copy)
        QApplication::clipboard()->setImage(ChartPicture(chart));
    else if (chosen == png)
        SaveAs(chart, QStringLiteral("Рисунок PNG (*.png)"), QStringLiteral("png"));
    else if (chosen == svg)
        SaveAs(chart, QStringLiteral("Рисунок SVG (*.svg)"), QStringLiteral("svg"));
}

} // namespace orvane
