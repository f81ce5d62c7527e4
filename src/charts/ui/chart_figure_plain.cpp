// The chart figure of a build made without Qt Charts: nothing is drawn, and the report's pages
// end with its text.
#include "charts/ui/chart_figure.h"

namespace orvane {

bool ChartsDrawn() {
    return false;
}

void PaintChart(QPainter &, const QRectF &, const ChartData &) {}

QImage ChartPicture(const ChartData &) {
    return {};
}

} // namespace orvane
