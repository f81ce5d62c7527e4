#pragma once
// The "Графики" tab of a calculation window: one chart per ChartData of the last run, the floor
// or level axis upright. Emptied when the report goes stale and filled again by the next run.
// The views come from the charts module, loaded by the first Show with charts; a program without
// the module shows a note instead.

#include "report/chart_data.h"

#include <QList>
#include <QWidget>

#include <vector>

class QChartView;
class QLabel;
class QVBoxLayout;

namespace orvane {

class ReportOutputPanel;
class StaleReportMark;

class ChartsTab : public QWidget {
    Q_OBJECT
public:
    // Adds itself to `panel` as the "Графики" tab; `stale` (may be null) empties it.
    ChartsTab(ReportOutputPanel *panel, StaleReportMark *stale);

    // Replaces the shown charts; none shows the hint instead.
    void Show(const std::vector<ChartData> &charts);
    void Clear(const QString &hint);
    // The chart views in their order (for tests and export).
    QList<QChartView *> Views() const;

    // Write the chart as a PNG image or an SVG drawing at kChartPictureSize: empty when written,
    // else the message naming the file and the reason.
    static QString SavePng(const ChartData &chart, const QString &fileName);
    static QString SaveSvg(const ChartData &chart, const QString &fileName);

private:
    struct View {
        QWidget *widget;
        QChartView *chartView;
    };
    // The note of a program that draws no charts, for good.
    void ShowNotDrawn();
    void ContextMenu(QWidget *view, const ChartData &chart, const QPoint &pos);
    // The save dialog for one format, then the file; a failure in a message box.
    void SaveAs(const ChartData &chart, const QString &filter, const QString &suffix);

    QLabel *hint_ = nullptr;
    QWidget *scroll_ = nullptr;
    QWidget *page_ = nullptr;
    QVBoxLayout *column_ = nullptr;
    QList<View> views_;
    bool drawn_ = true; // false: the note stays, whatever is shown
};

} // namespace orvane
