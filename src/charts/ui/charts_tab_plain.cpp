// The "Графики" tab of a build made without Qt Charts (the Windows Qt when its Charts module could
// not be built): the tab is there, with a note instead of the charts.
#include "charts/ui/charts_tab.h"

#include "report/ui/report_output_panel.h"

#include <QLabel>
#include <QList>
#include <QVBoxLayout>

namespace orvane {

namespace {

const QString kNoChartsHint =
    QStringLiteral("Графики в этой сборке программы не строятся: отчёт содержит все результаты.");

QString NotDrawn(const QString &fileName) {
    return QStringLiteral(
               "Не удалось записать файл %1: графики в этой сборке программы не строятся")
        .arg(fileName);
}

} // namespace

ChartsTab::ChartsTab(ReportOutputPanel *panel, StaleReportMark *) : QWidget(panel) {
    setObjectName(QStringLiteral("TabCharts"));
    hint_ = new QLabel(kNoChartsHint, this);
    hint_->setObjectName(QStringLiteral("LabChartsHint"));
    hint_->setWordWrap(true);
    hint_->setMargin(6);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(hint_);
    layout->addStretch(1);
    panel->AddTab(this, QStringLiteral("Графики"));
}

QList<QChartView *> ChartsTab::Views() const {
    return {};
}

void ChartsTab::Clear(const QString &) {}

void ChartsTab::Show(const std::vector<ChartData> &) {}

QString ChartsTab::SavePng(const ChartData &, const QString &fileName) {
    return NotDrawn(fileName);
}

QString ChartsTab::SaveSvg(const ChartData &, const QString &fileName) {
    return NotDrawn(fileName);
}

} // namespace orvane
