// The charts module as the program loads it: not while a window is built, once the first charts
// are shown; drawing with the program's decimal separator; and a module that is missing or is
// not a library leaves the program as one built without charts: the note, no pictures, no chart
// pages, no crash. The load is once per run, so the cases without a module come first.

#include <QChartView>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include "report/ui/chart_figure.h"
#include "charts/ui/charts_tab.h"
#include "core/notifier.h"
#include "core/number_text.h"
#include "exhaust/ui/form_smk_out_vent_calc.h"
#include "pdf_pages.h"
#include "report/ui/report_output_panel.h"
#include "report/ui/report_print.h"
#include "window_test_support.h"

using namespace orvane;
using namespace orvane::test;

namespace {

struct ExhaustWindow {
    ExhaustWindow() : form(ShellWindows{}) { form.SetNotifier(&notifier); }
    RecordingNotifier notifier;
    exhaust::TFormSmkOutVentCalc form;
};

QString Hint(QWidget *form) {
    auto *hint = form->findChild<QLabel *>(QStringLiteral("LabChartsHint"));
    return hint != nullptr && !hint->isHidden() ? hint->text() : QString();
}

const QString kNotDrawn =
    QStringLiteral("Графики в этой сборке программы не строятся: отчёт содержит все результаты.");

} // namespace

class ChartsModuleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        SetDecimalSeparator(',');
    }

    void WithoutTheModuleNothingIsDrawn_data() {
        QTest::addColumn<bool>("fileThere");
        QTest::newRow("missing") << false;
        QTest::newRow("not a library") << true;
    }
    void WithoutTheModuleNothingIsDrawn() {
        QFETCH(bool, fileThere);
        QTemporaryDir dir;
        const QString module = dir.filePath(QStringLiteral("liborvane-charts.so"));
        if (fileThere) {
            QFile file(module);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not a library\n");
        }
        UseChartsModuleFile(module);

        ExhaustWindow w;
        // a module that is there is only looked at when the first charts are shown
        QCOMPARE(Hint(&w.form), fileThere ? QStringLiteral("Графики строятся после расчёта. "
                                                           "Нажмите «Расчет».")
                                          : kNotDrawn);
        QCOMPARE(w.form.ActionGoNextExecute(), RunOutcome::ok);
        const ReportDocument &report = w.form.Calc().Report;
        QCOMPARE(report.Charts.size(), size_t(2));
        auto *tab = w.form.findChild<ChartsTab *>();
        QVERIFY(tab);
        QVERIFY(tab->Views().isEmpty());
        QCOMPARE(Hint(&w.form), kNotDrawn);
        // an input change after the run keeps the note
        Find<QLineEdit>(&w.form, exhaust::ctl::EditCorridorLength)->setText(QStringLiteral("31"));
        QApplication::processEvents();
        QCOMPARE(Hint(&w.form), kNotDrawn);
        QVERIFY(!ChartsDrawn());
        QVERIFY(!ChartsModuleLoaded());

        const ChartData &chart = report.Charts.front();
        QVERIFY(ChartPicture(chart).isNull());
        QImage image(100, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            PaintChart(painter, QRectF(0, 0, 100, 100), chart);
        }
        QCOMPARE(image.pixel(50, 50), QColor(Qt::white).rgb());
        for (auto save : {&ChartsTab::SavePng, &ChartsTab::SaveSvg}) {
            const QString name = dir.filePath(QStringLiteral("график"));
            QCOMPARE(save(chart, name),
                     QStringLiteral("Не удалось записать файл ") + name +
                         QStringLiteral(": графики в этой сборке программы не строятся"));
            QVERIFY(!QFile::exists(name));
        }

        // the PDF ends with the text
        QCOMPARE(ChartPageCount(report.Charts.size()), 0);
        PrintableReport text = Printable(report);
        text.charts = {};
        int textPages = 0;
        {
            QPdfWriter alone(dir.filePath(QStringLiteral("text.pdf")));
            textPages = PaintReport(alone, text);
        }
        const QString pdf = dir.filePath(QStringLiteral("отчёт.pdf"));
        QVERIFY(w.form.OutputPanel()->SaveReportPdfAs(pdf));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(PdfPageCount(file.readAll()), textPages);
    }

    // the build's module: a window is built without it, its first charts load it
    void TheFirstChartsLoadTheModule() {
        UseChartsModuleFile({});
        ExhaustWindow w;
        QCOMPARE(Hint(&w.form),
                 QStringLiteral("Графики строятся после расчёта. Нажмите «Расчет»."));
        QVERIFY(!ChartsModuleLoaded());
        QCOMPARE(w.form.ActionGoNextExecute(), RunOutcome::ok);
        QVERIFY(ChartsModuleLoaded());
        QCOMPARE(w.form.findChild<ChartsTab *>()->Views().size(), 2);
        QCOMPARE(Hint(&w.form), QString());
    }

    // the module keeps no separator of its own: the point under the mouse and the axes are
    // written with the one the program holds when the chart is drawn
    void ThePointUnderTheMouseUsesTheProgramsSeparator() {
        UseChartsModuleFile({});
        const struct {
            char separator;
            QString tip;
            QString decimalPoint;
        } cases[] = {
            {',', QStringLiteral("Отметка h, м: 3,25\nPШ = -12,5"), QStringLiteral(",")},
            {'.', QStringLiteral("Отметка h, м: 3.25\nPШ = -12.5"), QStringLiteral(".")},
        };
        for (const auto &c : cases) {
            SetDecimalSeparator(c.separator);
            ExhaustWindow w;
            w.form.show();
            QCOMPARE(w.form.ActionGoNextExecute(), RunOutcome::ok);
            const QList<QChartView *> views = w.form.findChild<ChartsTab *>()->Views();
            QVERIFY(!views.isEmpty());
            QChart *chart = views.front()->chart();
            QCOMPARE(chart->locale().decimalPoint(), c.decimalPoint);
            auto *series = qobject_cast<QLineSeries *>(chart->series().front());
            QVERIFY(series);
            QCOMPARE(series->name(), QStringLiteral("PШ"));
            emit series->hovered(QPointF(-12.5, 3.25), true);
            QTRY_COMPARE(QToolTip::text(), c.tip);
            emit series->hovered(QPointF(-12.5, 3.25), false);
            QTRY_VERIFY(QToolTip::text().isEmpty());
        }
        SetDecimalSeparator(',');
    }
};

QTEST_MAIN(ChartsModuleTest)
#include "charts_module_test.moc"
