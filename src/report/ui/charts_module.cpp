// The charts module: every use of Qt Charts and Qt Svg in Orvane. Loaded by the program when the
// first chart is drawn (report/ui/chart_figure.cpp); links Qt alone, none of the program's
// libraries, so it holds no state of the program's.
#include "report/ui/charts_module.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QGraphicsScene>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QPen>
#include <QResizeEvent>
#include <QSvgGenerator>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane {

namespace {

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
    // a single value or nothing still gets an axis of some width; the extreme points keep a
    // margin from the frame
    void Pad(double least) {
        if (!(lo <= hi)) {
            lo = 0;
            hi = 1;
        } else if (lo == hi) {
            lo -= 1;
            hi += 1;
        }
        const double margin = std::max(least, (hi - lo) * 0.05);
        lo -= margin;
        hi += margin;
    }
};

// guard: a point with a broken value is neither drawn nor counted in the axes
bool Drawn(const ChartPoint &p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// A step of 1, 2 or 5 times a power of ten that cuts `span` into at most `most` parts.
double TickStep(double span, int most) {
    const double raw = span / most;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw)
            return m * power;
    return 10 * power;
}

// Decimals enough to tell ticks `step` apart.
int StepDecimals(double step) {
    return std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), 0, 6);
}

QValueAxis *MakeAxis(const QString &title, Range r, bool whole, Qt::Alignment side, QChart *chart) {
    r.Pad(whole ? 0.5 : 0);
    auto *axis = new QValueAxis;
    axis->setTitleText(title);
    // ticks at round values from a round anchor, the axis itself a little wider than the data
    // (a floor axis labels every floor of a common building)
    const double span = r.hi - r.lo;
    const double step = whole ? std::max(1.0, TickStep(span, 16)) : TickStep(span, 8);
    axis->setRange(r.lo, r.hi);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(std::floor(r.lo / step) * step);
    axis->setTickInterval(step);
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(StepDecimals(step)));
    QFont font = axis->labelsFont();
    font.setPixelSize(11);
    axis->setLabelsFont(font);
    font.setPixelSize(12);
    axis->setTitleFont(font);
    chart->addAxis(axis, side);
    return axis;
}

// The numbers on the axes with the decimal separator the reports use, without digit groups.
QLocale NumberLocale(char separator) {
    QLocale locale =
        separator == ',' ? QLocale(QLocale::Russian, QLocale::Russia) : QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QChart *BuildChart(const ChartData &data, char separator) {
    auto *chart = new QChart;
    chart->setTitle(Text(data.title));
    QFont titleFont = chart->titleFont();
    titleFont.setPixelSize(14);
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->setLocale(NumberLocale(separator));
    chart->setLocalizeNumbers(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    QFont legendFont = chart->legend()->font();
    legendFont.setPixelSize(12);
    chart->legend()->setFont(legendFont);
    Range xs, ys;
    for (const ChartSeries &s : data.series)
        for (const ChartPoint &p : s.points)
            if (Drawn(p)) {
                xs.Take(p.x);
                ys.Take(p.y);
            }
    for (double limit : data.limits)
        xs.Take(limit);
    // the values are read against zero: a flow of 3,3960…3,3975 кг/с is not drawn as a slope
    if (xs.lo <= xs.hi)
        xs.Take(0);
    QValueAxis *axisX = MakeAxis(Text(data.xLabel), xs, false, Qt::AlignBottom, chart);
    QValueAxis *axisY = MakeAxis(Text(data.yLabel), ys, data.wholeLevels, Qt::AlignLeft, chart);

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
            if (Drawn(p))
                series->append(p.x, p.y);
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
    return chart;
}

void FitChartTitle(QChart &chart, const QString &title, qreal width) {
    // the title's room: the chart's margins and the frame of its background on either side
    const qreal room = width - chart.margins().left() - chart.margins().right() - 40;
    const QFontMetricsF metrics(chart.titleFont());
    if (metrics.horizontalAdvance(title) <= room) {
        chart.setTitle(title);
        return;
    }
    // the break nearest the middle; the two lines are rich text, so the text is escaped
    const qsizetype middle = title.size() / 2;
    qsizetype at = -1;
    for (qsizetype i = 0; i < title.size(); ++i)
        if (title[i] == QLatin1Char(' ') &&
            (at < 0 || std::abs(i - middle) < std::abs(at - middle)))
            at = i;
    if (at < 0) {
        chart.setTitle(title);
        return;
    }
    chart.setTitle(title.left(at).toHtmlEscaped() + QStringLiteral("<br>") +
                   title.mid(at + 1).toHtmlEscaped());
}

void PaintChart(QPainter &painter, const QRectF &box, const ChartData &data, char separator) {
    QGraphicsScene scene;
    QChart *chart = BuildChart(data, separator);
    chart->setBackgroundRoundness(0);
    chart->setDropShadowEnabled(false);
    scene.addItem(chart); // the scene owns it from here
    const QRectF layout(QPointF(0, 0), box.size());
    FitChartTitle(*chart, chart->title(), layout.width());
    chart->setGeometry(layout);
    scene.setSceneRect(layout);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, box, layout);
    painter.restore();
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

class Module final : public ChartsModule {
public:
    QChart *BuildChart(const ChartData &data, char separator) const override {
        return orvane::BuildChart(data, separator);
    }

    void FitChartTitle(QChart &chart, const QString &title, qreal width) const override {
        orvane::FitChartTitle(chart, title, width);
    }

    void PaintChart(QPainter &painter, const QRectF &box, const ChartData &data,
                    char separator) const override {
        orvane::PaintChart(painter, box, data, separator);
    }

    QByteArray SvgDrawing(const ChartData &data, char separator, QSize size,
                          const QString &description) const override {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(Text(data.title));
        svg.setDescription(description);
        QPainter painter;
        if (!painter.begin(&svg))
            return {};
        orvane::PaintChart(painter, QRectF(QPointF(0, 0), size), data, separator);
        painter.end();
        return bytes;
    }

    View MakeView(const ChartData &data, const ChartNumbers &numbers,
                  QWidget *parent) const override {
        QChart *chart = orvane::BuildChart(data, numbers.separator);
        auto *view = new TitledChartView(chart, parent);
        const QString yName = Text(data.yLabel);
        const QList<QAbstractSeries *> series = chart->series();
        auto *general = numbers.general;
        for (size_t i = 0; i < data.series.size() && i < size_t(series.size()); ++i) {
            auto *line = qobject_cast<QLineSeries *>(series[int(i)]);
            const QString name = line->name();
            QObject::connect(
                line, &QLineSeries::hovered, view,
                [name, yName, general](const QPointF &point, bool state) {
                    // the point is drawn, so both numbers are finite
                    if (state)
                        QToolTip::showText(QCursor::pos(),
                                           QStringLiteral("%1: %2\n%3 = %4")
                                               .arg(yName, general(point.y(), 6), name,
                                                    general(point.x(), 4)));
                    else
                        QToolTip::hideText();
                });
        }
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumHeight(380);
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        return {view, view};
    }
};

} // namespace

} // namespace orvane

extern "C" Q_DECL_EXPORT orvane::ChartsModule *orvane_charts_module(int version) {
    static orvane::Module module;
    return version == orvane::ChartsModule::kVersion ? &module : nullptr;
}
