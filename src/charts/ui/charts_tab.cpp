#include "charts/ui/charts_tab.h"

#include "charts/ui/chart_figure.h"
#include "core/file_io.h"
#include "core/number_text.h"
#include "report/report_output.h"
#include "report/report_page.h"
#include "report/ui/report_output_panel.h"
#include "shell/stale_report.h"

#include <QApplication>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollArea>
#include <QSvgGenerator>
#include <QToolTip>
#include <QVBoxLayout>

namespace orvane {

namespace {

const QString kNoChartsHint = QStringLiteral("Графики строятся после расчёта. Нажмите «Расчет».");
const QString kStaleHint = QStringLiteral(
    "Исходные данные изменены после расчёта. Нажмите «Расчет», чтобы обновить графики.");

QString Text(const std::string &s) {
    return QString::fromStdString(s);
}

// A chart view that keeps its whole title readable when the window is narrow.
class TitledChartView : public QChartView {
public:
    TitledChartView(QChart *chart, QWidget *parent)
        : QChartView(chart, parent), title_(chart->title()) {}

protected:
    void resizeEvent(QResizeEvent *event) override {
        FitChartTitle(*chart(), title_, event->size().width());
        QChartView::resizeEvent(event);
    }

private:
    const QString title_;
};

} // namespace

ChartsTab::ChartsTab(ReportOutputPanel *panel, StaleReportMark *stale) : QWidget(panel) {
    setObjectName(QStringLiteral("TabCharts"));
    hint_ = new QLabel(kNoChartsHint, this);
    hint_->setObjectName(QStringLiteral("LabChartsHint"));
    hint_->setWordWrap(true);
    hint_->setMargin(6);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    page_ = new QWidget;
    column_ = new QVBoxLayout(page_);
    scroll->setWidget(page_);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(hint_);
    layout->addWidget(scroll, 1);
    panel->AddTab(this, QStringLiteral("Графики"));
    if (stale != nullptr)
        connect(stale, &StaleReportMark::staleChanged, this, [this](bool isStale) {
            if (isStale)
                Clear(kStaleHint);
        });
}

QList<QChartView *> ChartsTab::Views() const {
    return page_->findChildren<QChartView *>(QString(), Qt::FindDirectChildrenOnly);
}

void ChartsTab::Clear(const QString &hint) {
    for (QChartView *view : Views())
        delete view;
    hint_->setText(hint);
    hint_->show();
}

void ChartsTab::Show(const std::vector<ChartData> &charts) {
    Clear(kNoChartsHint);
    for (const ChartData &data : charts)
        column_->addWidget(MakeView(data));
    hint_->setVisible(charts.empty());
}

QChartView *ChartsTab::MakeView(const ChartData &data) {
    QChart *chart = BuildChart(data);
    const QString yName = Text(data.yLabel);
    const QList<QAbstractSeries *> series = chart->series();
    for (size_t i = 0; i < data.series.size() && i < size_t(series.size()); ++i) {
        auto *line = qobject_cast<QLineSeries *>(series[int(i)]);
        const QString name = line->name();
        connect(line, &QLineSeries::hovered, this, [name, yName](const QPointF &point, bool state) {
            // the point is drawn, so both numbers are finite
            if (state)
                QToolTip::showText(QCursor::pos(),
                                   QStringLiteral("%1: %2\n%3 = %4")
                                       .arg(yName, Text(FormatGeneral(point.y(), 6)), name,
                                            Text(FormatGeneral(point.x(), 4))));
            else
                QToolTip::hideText();
        });
    }

    auto *view = new TitledChartView(chart, page_);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(380);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this,
            [this, view, data](const QPoint &pos) { ContextMenu(view, data, pos); });
    return view;
}

namespace {

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
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!ChartPicture(chart).save(&buffer, "PNG"))
        return NotEncoded(fileName);
    return WriteBytes(fileName, bytes);
}

QString ChartsTab::SaveSvg(const ChartData &chart, const QString &fileName) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(kChartPictureSize);
        svg.setViewBox(QRect(QPoint(0, 0), kChartPictureSize));
        svg.setTitle(Text(chart.title));
        svg.setDescription(Text(ProgramVersionText()));
        QPainter painter;
        if (!painter.begin(&svg))
            return NotEncoded(fileName);
        PaintChart(painter, QRectF(QPointF(0, 0), kChartPictureSize), chart);
        painter.end();
    }
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

void ChartsTab::ContextMenu(QChartView *view, const ChartData &chart, const QPoint &pos) {
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
