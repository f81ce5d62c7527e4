#pragma once
// What crosses between the program and its charts module (liborvane-charts.so, orvane-charts.dll):
// the one part of Orvane that links Qt Charts and Qt Svg, loaded when the first chart is drawn.
// The module exports one C function, kChartsModuleEntry, which hands out this interface. It
// links no library of the program: the program's state (the decimal separator above all) would
// be a second copy there, so everything a chart needs comes with each call.
//
// The module is built with the program from the same tree; ChartData crosses as it is. Change
// the interface, change kVersion: a module of another build then refuses to serve.

#include "report/chart_data.h"

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <QString>

class QChart;
class QChartView;
class QPainter;
class QWidget;

namespace orvane {

// How a chart writes its numbers: the program's separator and its number text (FormatGeneral
// of the moment it is called).
struct ChartNumbers {
    char separator = ',';
    QString (*general)(double value, int significant) = nullptr;
};

class ChartsModule {
public:
    static constexpr int kVersion = 1;

    // The chart of `data`: the value axis along the bottom, the floor or level axis upright, the
    // door band as dashed lines, the numbers with `separator`, fonts sized in pixels. The caller
    // owns it.
    virtual QChart *BuildChart(const ChartData &data, char separator) const = 0;
    // Sets `title` as the chart's title, on two lines when one does not fit `width`.
    virtual void FitChartTitle(QChart &chart, const QString &title, qreal width) const = 0;
    // Lays the chart out at the size of `box` (read as pixels at 96 dpi) and paints it there.
    virtual void PaintChart(QPainter &painter, const QRectF &box, const ChartData &data,
                            char separator) const = 0;
    // The chart as an SVG drawing of `size`; empty when it could not be encoded.
    virtual QByteArray SvgDrawing(const ChartData &data, char separator, QSize size,
                                  const QString &description) const = 0;

    // A chart view for the "Графики" tab: it keeps its title whole when narrow and names the
    // point under the mouse; its context menu is left to the caller (Qt::CustomContextMenu).
    struct View {
        QWidget *widget = nullptr;       // the same object as chartView, for the layout
        QChartView *chartView = nullptr; // for tests and export
    };
    virtual View MakeView(const ChartData &data, const ChartNumbers &numbers,
                          QWidget *parent) const = 0;

protected:
    ~ChartsModule() = default;
};

// extern "C" ChartsModule *orvane_charts_module(int version): the interface when the module
// speaks `version`, else null.
using ChartsModuleEntry = ChartsModule *(*)(int version);
inline constexpr char kChartsModuleEntry[] = "orvane_charts_module";

} // namespace orvane
