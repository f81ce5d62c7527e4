#pragma once
// One chart as the program draws it everywhere: in the "Графики" tab, in its PNG and SVG copies
// and on the report's paper pages. Built from the engines' ChartData with Qt Charts.

#include "report/chart_data.h"

#include <QImage>
#include <QRectF>
#include <QSize>

class QChart;
class QPainter;

namespace orvane {

// Whether this build draws charts: one made with a Qt that lacks Qt Charts draws none, and its
// reports have no chart pages.
bool ChartsDrawn();

// The chart of `data`: the value axis along the bottom, the floor or level axis upright, the
// door band as dashed lines, the numbers with the program's decimal separator. Fonts are sized in
// pixels, so paper and files show the chart as the screen does. The caller owns it.
QChart *BuildChart(const ChartData &data);

// Sets `title` as the chart's title, broken into two lines when one does not fit `width` (the
// chart's own width), so that a narrow chart shows its whole title rather than an elided one.
void FitChartTitle(QChart &chart, const QString &title, qreal width);

// Lays the chart of `data` out at the size of `box` (in the painter's units, read as pixels at
// 96 dpi) and paints it there. Needs a QApplication.
void PaintChart(QPainter &painter, const QRectF &box, const ChartData &data);

// The size a chart is copied and written to files at, whatever the window's size.
inline constexpr QSize kChartPictureSize(900, 560);
// The chart on white at kChartPictureSize.
QImage ChartPicture(const ChartData &data);

} // namespace orvane
