// Pictures of the "Графики" tab for a person to look at: every chart of every bundled example
// and the window showing the tab. Usage: charts_shots OUTPUT_FOLDER
#include <QApplication>
#include <QChartView>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTabWidget>

#include "charts/ui/charts_tab.h"
#include "core/notifier.h"
#include "core/number_text.h"
#include "exhaust/ui/form_smk_out_vent_calc.h"
#include "inflow/ui/supply_window.h"
#include "report/ui/report_output_panel.h"
#include "window_test_support.h"

#include <cstdio>

using namespace orvane;
using namespace orvane::test;

namespace {

template <class Form> void Shoot(Form &form, const QString &name, const QString &out) {
    form.resize(1200, 900);
    form.show();
    auto *tabs = form.OutputPanel()->Tabs();
    tabs->setCurrentIndex(1);
    QApplication::processEvents();
    auto *tab = form.template findChild<ChartsTab *>();
    int i = 0;
    for (QChartView *v : tab->Views())
        v->grab().save(QStringLiteral("%1/tab-%2-%3.png").arg(out, name).arg(++i));
    // the files the context menu writes
    i = 0;
    for (const ChartData &chart : form.Calc().Report.Charts) {
        const QString base = QStringLiteral("%1/file-%2-%3").arg(out, name).arg(++i);
        ChartsTab::SavePng(chart, base + QStringLiteral(".png"));
        ChartsTab::SaveSvg(chart, base + QStringLiteral(".svg"));
    }
    form.grab().save(QStringLiteral("%1/window-%2.png").arg(out, name));
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: charts_shots OUTPUT_FOLDER\n");
        return 2;
    }
    SetDecimalSeparator(',');
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QDir ex(QStringLiteral(EXAMPLES_DIR));
    for (const QFileInfo &f : ex.entryInfoList({QStringLiteral("*.isrprj")})) {
        RecordingNotifier n;
        inflow::SupplyWindow form(ShellWindows{});
        form.SetNotifier(&n);
        form.SetSaveChangesQuestion([] { return int(QMessageBox::Discard); });
        form.OpenProjectFile(f.filePath());
        form.Calculate();
        Shoot(form, f.completeBaseName(), out);
    }
    for (const QFileInfo &f : ex.entryInfoList({QStringLiteral("*.smkprj")})) {
        RecordingNotifier n;
        exhaust::TFormSmkOutVentCalc form(ShellWindows{});
        form.SetNotifier(&n);
        form.OpenProjectFile(f.filePath());
        form.ActionGoNextExecute();
        Shoot(form, f.completeBaseName(), out);
    }
    return 0;
}
