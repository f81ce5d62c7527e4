#include "charts/ui/charts_tab.h"

#include "core/number_text.h"
#include "report/ui/report_output_panel.h"
#include "shell/stale_report.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMenu>
#include <QMessageBox>
#include <QPen>
#include <QScrollArea>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane {

namespace {

const QString kNoChartsHint =
    QStringLiteral("Графики строятся после расчёта. Нажмите «Расчет».");
const QString kStaleHint = QStringLiteral(
    "Исходные данные изменены после расчёта. Нажмите «Расчет», чтобы обновить графики.");

QString Text(const std::string &s) {
    return QString::fromStdString(s);
}

struct Range {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();
    void Take(double v) {
        if (!std::isfinite(v))
            return;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    // a single value or nothing still gets an axis of some width
    void Widen() {
        if (!(lo <= hi)) {
            lo = 0;
            hi = 1;
        } else if (lo == hi) {
            lo -= 1;
            hi += 1;
        }
    }
};

QValueAxis *MakeAxis(const QString &title, Range r, Qt::Alignment side, QChart *chart) {
    r.Widen();
    auto *axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setRange(r.lo, r.hi);
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%g"));
    chart->addAxis(axis, side);
    return axis;
}

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
    auto *chart = new QChart;
    chart->setTitle(Text(data.title));
    chart->legend()->setAlignment(Qt::AlignBottom);
    Range xs, ys;
    for (const ChartSeries &s : data.series)
        for (const ChartPoint &p : s.points) {
            xs.Take(p.x);
            ys.Take(p.y);
        }
    for (double limit : data.limits)
        xs.Take(limit);
    QValueAxis *axisX = MakeAxis(Text(data.xLabel), xs, Qt::AlignBottom, chart);
    QValueAxis *axisY = MakeAxis(Text(data.yLabel), ys, Qt::AlignLeft, chart);
    const QString yName = Text(data.yLabel);

    auto attach = [&](QLineSeries *series) {
        chart->addSeries(series);
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    };
    for (const ChartSeries &s : data.series) {
        auto *series = new QLineSeries;
        series->setName(Text(s.name));
        series->setPointsVisible(true);
        for (const ChartPoint &p : s.points)
            if (std::isfinite(p.x) && std::isfinite(p.y)) // guard: a broken value is not drawn
                series->append(p.x, p.y);
        const QString name = series->name();
        connect(series, &QLineSeries::hovered, this,
                [name, yName](const QPointF &point, bool state) {
                    // the point is drawn, so both numbers are finite
                    if (state)
                        QToolTip::showText(QCursor::pos(),
                                           QStringLiteral("%1: %2\n%3 = %4")
                                               .arg(yName, Text(FormatGeneral(point.y(), 6)),
                                                    name, Text(FormatGeneral(point.x(), 4))));
                    else
                        QToolTip::hideText();
                });
        attach(series);
    }
    for (double limit : data.limits) {
        auto *line = new QLineSeries;
        line->setName(QStringLiteral("%1 Па").arg(limit));
        line->append(limit, axisY->min());
        line->append(limit, axisY->max());
        QPen pen(QColor(0xc0, 0x30, 0x30));
        pen.setStyle(Qt::DashLine);
        pen.setWidthF(1.5);
        line->setPen(pen);
        attach(line);
    }

    auto *view = new QChartView(chart, page_);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(380);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this,
            [this, view](const QPoint &pos) { ContextMenu(view, pos); });
    return view;
}

bool ChartsTab::SavePng(QChartView *view, const QString &fileName) {
    return view->grab().save(fileName, "PNG");
}

void ChartsTab::ContextMenu(QChartView *view, const QPoint &pos) {
    QMenu menu(view);
    QAction *copy = menu.addAction(QStringLiteral("Копировать"));
    QAction *save = menu.addAction(QStringLiteral("Сохранить как PNG…"));
    QAction *chosen = menu.exec(view->mapToGlobal(pos));
    if (chosen == copy) {
        QApplication::clipboard()->setPixmap(view->grab());
    } else if (chosen == save) {
        QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить график"),
                                                    QString(),
                                                    QStringLiteral("Рисунок PNG (*.png)"));
        if (name.isEmpty())
            return;
        if (!name.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
            name += QStringLiteral(".png");
        if (!SavePng(view, name))
            QMessageBox::critical(this, QStringLiteral("Графики"),
                                  QStringLiteral("Рисунок не записан: ") + name);
    }
}

} // namespace orvane
