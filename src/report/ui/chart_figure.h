#pragma once
// One chart as the program draws it everywhere: in the "Графики" tab, in its PNG and SVG copies
// and on the report's paper pages. The drawing itself is the charts module's
// (report/ui/charts_module.h), loaded here on the first need, once, on the GUI thread; without it
// (a build without Qt Charts, a module missing or unusable) no chart is drawn and the reports
// have no chart pages.

#include "report/chart_data.h"

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

class QChart;
class QPainter;

namespace orvane {

class ChartsModule;
struct ChartNumbers;

// The charts module, loaded on the first call (from the GUI thread, with the application object
// made); null when this program draws no charts.
const ChartsModule *LoadedChartsModule();
// Whether the module's file is there to load, without loading it.
bool ChartsModuleFound();
// Whether the module has been loaded, without loading it.
bool ChartsModuleLoaded();
// Looks for the module at `file` alone from the next load on (empty: the usual places); a
// module already loaded stays.
void UseChartsModuleFile(const QString &file);

// The program's decimal separator and number text, for the module's calls.
ChartNumbers ProgramChartNumbers();

// Whether this program draws charts (loads the module).
bool ChartsDrawn();

// The chart of `data` (BuildChart of the module, with the program's decimal separator); null
// without the module. The caller owns it.
QChart *BuildChart(const ChartData &data);

// Sets `title` as the chart's title, broken into two lines when one does not fit `width` (the
// chart's own width), so that a narrow chart shows its whole title rather than an elided one.
void FitChartTitle(QChart &chart, const QString &title, qreal width);

// Lays the chart of `data` out at the size of `box` (in the painter's units, read as pixels at
// 96 dpi) and paints it there; nothing without the module. Needs a QApplication.
void PaintChart(QPainter &painter, const QRectF &box, const ChartData &data);

// The size a chart is copied and written to files at, whatever the window's size.
inline constexpr QSize kChartPictureSize(900, 560);
// The chart on white at kChartPictureSize; a null image without the module.
QImage ChartPicture(const ChartData &data);

} // namespace orvane
