// The "Графики" tab of both calculation windows: after a run it draws the run's own records,
// and an input change empties it.

#include <algorithm>
#include <iterator>

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>
#include <QXmlStreamReader>

#include <cmath>
#include <functional>
#include <map>
#include <memory>

#include "report/ui/chart_figure.h"
#include "charts/ui/charts_tab.h"
#include "core/notifier.h"
#include "core/number_text.h"
#include "exhaust/exhaust_charts.h"
#include "exhaust/ui/form_smk_out_vent_calc.h"
#include "inflow/ui/supply_window.h"
#include "pdf_pages.h"
#include "report/ui/report_output_panel.h"
#include "report/ui/report_print.h"
#include "window_test_support.h"

using namespace orvane;
using namespace orvane::test;

namespace {

using Points = QList<QPointF>;
using Expected = std::map<std::string, Points>;

// Every series the tab shows, by name.
std::map<QString, QLineSeries *> ShownSeries(QWidget *form) {
    std::map<QString, QLineSeries *> shown;
    auto *tab = form->findChild<ChartsTab *>();
    if (!tab)
        return shown;
    for (QChartView *view : tab->Views())
        for (QAbstractSeries *s : view->chart()->series())
            if (auto *line = qobject_cast<QLineSeries *>(s))
                shown[line->name()] = line;
    return shown;
}

// The named series hold exactly the records' values; the door band is drawn where it belongs.
void CheckCharts(QWidget *form, const Expected &expected, bool doorBand) {
    const auto shown = ShownSeries(form);
    for (const auto &[key, points] : expected) {
        const QString name = QString::fromStdString(key);
        QVERIFY2(shown.count(name), qPrintable(name));
        QCOMPARE(shown.at(name)->points(), points);
    }
    QCOMPARE(shown.size(), expected.size() + (doorBand ? 2 : 0));
    for (const char *limit : {"20 Па", "150 Па"}) {
        const QString name = QString::fromUtf8(limit);
        QCOMPARE(shown.count(name) == 1, doorBand);
        if (doorBand)
            QCOMPARE(shown.at(name)->at(0).x(), name.section(QLatin1Char(' '), 0, 0).toDouble());
    }
    // the floor or level axis stands upright
    for (QChartView *view : form->findChild<ChartsTab *>()->Views()) {
        const auto upright = view->chart()->axes(Qt::Vertical);
        QCOMPARE(upright.size(), 1);
        const QString title = upright.front()->titleText();
        QVERIFY2(title == QStringLiteral("Этаж") || title == QStringLiteral("Отметка h, м"),
                 qPrintable(title));
    }
}

template <class Records, class Value, class Level>
Points Of(const Records &records, Value value, Level level) {
    Points p;
    for (const auto &r : records)
        p.append(QPointF(value(r), level(r)));
    return p;
}

auto Floor = [](const auto &r) { return double(r.FloorNumber); };

// The floor records but the 1st floor's.
template <class Records> Records WithoutFirstFloor(const Records &records) {
    Records rest;
    std::copy_if(records.begin(), records.end(), std::back_inserter(rest),
                 [](const auto &r) { return r.FloorNumber != 1; });
    return rest;
}

struct InflowWindow {
    InflowWindow() : form(ShellWindows{}) {
        form.SetNotifier(&notifier);
        form.SetSaveChangesQuestion([] { return int(QMessageBox::Discard); });
    }
    RecordingNotifier notifier;
    inflow::SupplyWindow form;
};

struct ExhaustWindow {
    ExhaustWindow() : form(ShellWindows{}) { form.SetNotifier(&notifier); }
    RecordingNotifier notifier;
    exhaust::TFormSmkOutVentCalc form;
};

} // namespace

class ChartsTabTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        SetDecimalSeparator(',');
    }

    void SupplyRunDrawsItsRecords_data() {
        QTest::addColumn<QString>("variant");
        QTest::newRow("above ground") << CtlName(inflow::ctl::rbOverGndStair);
        QTest::newRow("underground") << CtlName(inflow::ctl::rbUnderGndStair);
        QTest::newRow("lift") << CtlName(inflow::ctl::rbLift);
        QTest::newRow("tambour") << CtlName(inflow::ctl::rbTambour);
    }
    void SupplyRunDrawsItsRecords() {
        QFETCH(QString, variant);
        InflowWindow w;
        auto *tabs = w.form.OutputPanel()->Tabs();
        QVERIFY(tabs);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Отчёт"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Графики"));
        QVERIFY(ShownSeries(&w.form).empty()); // nothing before a run
        auto *radio = w.form.findChild<QRadioButton *>(variant);
        QVERIFY(radio);
        radio->click();
        w.form.findChild<QPushButton *>(QStringLiteral("bbNext"))->click();

        const inflow::InflowCalc &c = w.form.Calc();
        Expected expected;
        bool band = true;
        if (variant == CtlName(inflow::ctl::rbOverGndStair)) {
            const auto &f = c.AboveGroundStair().Results().Floors;
            QVERIFY(f.size() > 1);
            // the window starts with the 1st floor shut off: it has no door of its own
            const inflow::AboveGroundStairFloors doors = WithoutFirstFloor(f);
            QCOMPARE(doors.size() + 1, f.size());
            expected = {{"Ps", Of(
                                   f, [](auto &r) { return r.StairPressure; }, Floor)},
                        {"ΔPd", Of(
                                    doors, [](auto &r) { return r.DoorPressureDiff; }, Floor)},
                        {"Gs", Of(
                                   f, [](auto &r) { return r.StairFlow; }, Floor)}};
        } else if (variant == CtlName(inflow::ctl::rbUnderGndStair)) {
            const auto &f = c.UndergroundStair().Results().Floors;
            QVERIFY(f.size() > 1);
            // floor -1 holds the stairwell's pressure; the door differences are the floors below
            inflow::UndergroundStairFloors doors(f.begin() + 1, f.end());
            QVERIFY(f.front().FloorNumber == -1 &&
                    f.front().StairPressure == f.front().DoorPressureDiff);
            expected = {{"Ps", Of(
                                   f, [](auto &r) { return r.StairPressure; }, Floor)},
                        {"ΔPd", Of(
                                    doors, [](auto &r) { return r.DoorPressureDiff; }, Floor)},
                        {"Gs", Of(
                                   f, [](auto &r) { return r.StairFlow; }, Floor)}};
        } else if (variant == CtlName(inflow::ctl::rbLift)) {
            const auto &f = c.Lift().Results().Floors;
            QVERIFY(f.size() > 1);
            // every level is calculated; the 1st floor's doorway stands open
            const inflow::LiftFloors doors = WithoutFirstFloor(f);
            QCOMPARE(doors.size() + 1, f.size());
            expected = {{"Pш", Of(
                                   f, [](auto &r) { return r.ShaftPressure; }, Floor)},
                        {"ΔPd", Of(
                                    doors, [](auto &r) { return r.DoorPressureDiff; }, Floor)},
                        {"G", Of(
                                  f, [](auto &r) { return r.ShaftFlow; }, Floor)}};
        } else {
            const auto &f = c.Tambour().Results().Floors;
            QVERIFY(f.size() > 1);
            expected = {{"Pш", Of(
                                   f, [](auto &r) { return r.ChannelPressure; }, Floor)},
                        {"ΔPкл", Of(
                                     f, [](auto &r) { return r.ValvePressureDiff; }, Floor)},
                        {"Gш", Of(
                                   f, [](auto &r) { return r.ChannelFlow; }, Floor)}};
            band = false;
        }
        CheckCharts(&w.form, expected, band);
    }

    void ExhaustRunDrawsTheNetworkAndAnEditEmptiesIt() {
        ExhaustWindow w;
        QVERIFY(ShownSeries(&w.form).empty());
        QCOMPARE(w.form.ActionGoNextExecute(), RunOutcome::ok);
        const exhaust::NetworkSegments &s = w.form.Calc().Segments;
        QVERIFY(s.size() > 1);
        auto level = [](const exhaust::NetworkSegment &r) { return r.h; };
        CheckCharts(&w.form,
                    {{"PШ", Of(
                                s, [](auto &r) { return r.Psh; }, level)},
                     {"PНН", Of(
                                 s, [](auto &r) { return r.Pnn; }, level)},
                     {"PНЗ", Of(
                                 s, [](auto &r) { return r.Pnz; }, level)},
                     {"GШ", Of(
                                s, [](auto &r) { return r.Gsh; }, level)}},
                    false);

        // an input changed after the run: the charts go with the report's stale mark
        auto *hint = w.form.findChild<QLabel *>(QStringLiteral("LabChartsHint"));
        QVERIFY(hint && hint->isHidden());
        Find<QLineEdit>(&w.form, exhaust::ctl::EditCorridorLength)->setText(QStringLiteral("31"));
        QTRY_VERIFY(ShownSeries(&w.form).empty());
        QVERIFY(!hint->isHidden());
        QVERIFY(hint->text().startsWith(QStringLiteral("Исходные данные изменены после расчёта")));
        // the next run draws them again
        QCOMPARE(w.form.ActionGoNextExecute(), RunOutcome::ok);
        QCOMPARE(ShownSeries(&w.form).size(), size_t(4));
        QVERIFY(hint->isHidden());
    }

    void ExhaustWithoutTheShaftChartsTheFireStoreyAlone() {
        // segments kept in the list for the shaft take no part in a run without it
        exhaust::NetworkSegments s = exhaust::DefaultNetwork();
        s.push_back(s.back());
        for (size_t i = 0; i < s.size(); ++i) {
            s[i].h = 3.0 * double(i);
            s[i].Psh = -10.0 - double(i);
        }
        for (bool withShaft : {true, false}) {
            const std::vector<ChartData> charts = exhaust::ExhaustCharts(s, withShaft);
            QCOMPARE(charts.size(), size_t(2));
            for (const ChartData &c : charts)
                for (const ChartSeries &series : c.series)
                    QCOMPARE(series.points.size(), withShaft ? s.size() : size_t(1));
            QCOMPARE(charts[0].series[0].points.back(),
                     (ChartPoint{withShaft ? -12.0 : -10.0, withShaft ? 6.0 : 0.0}));
        }
        QVERIFY(exhaust::ExhaustCharts({}, true).empty());
    }

    // a title too wide for its chart goes on two lines split at the word nearest the middle,
    // escaped as the rich text it becomes; one that fits, or has no space, stays as it is
    void ANarrowChartBreaksItsTitle() {
        QChart chart;
        const QString longTitle = QStringLiteral("Давление в шахте лифта & перепад давления");
        const struct {
            QString title;
            qreal width;
            QString shown;
        } cases[] = {
            {longTitle, 2000, longTitle},
            {longTitle, 250, QStringLiteral("Давление в шахте лифта<br>&amp; перепад давления")},
            {QStringLiteral("Давлениевшахтелифта"), 50, QStringLiteral("Давлениевшахтелифта")},
        };
        for (const auto &c : cases) {
            FitChartTitle(chart, c.title, c.width);
            QCOMPARE(chart.title(), c.shown);
        }
    }

    // every point keeps a margin from the frame; a floor axis ticks whole floors; the values
    // are read against zero and the door band is inside; the numbers use the program's separator
    void AxesLeaveAMarginAndCountWholeFloors() {
        const double nan = std::nan("");
        const std::vector<ChartData> cases = {
            {"этажи", "P, Па", "Этаж", {{"Ps", {{30, 1}, {61, 7}, {90, 12}}}}, {20, 150}, true},
            {"отметки", "G, кг/с", "h, м", {{"G", {{3.396, 0}, {3.3975, 6}}}}, {}, false},
            {"одна точка", "P, Па", "h, м", {{"P", {{-12, 0}}}}, {}, false},
            {"подвал", "P, Па", "Этаж", {{"P", {{40, -4}, {35, -1}}}}, {}, true},
            {"ничего", "P, Па", "Этаж", {{"P", {{nan, 1}, {500, nan}}}}, {}, true},
        };
        SetDecimalSeparator(',');
        for (const ChartData &data : cases) {
            std::unique_ptr<QChart> chart(BuildChart(data));
            QCOMPARE(chart->locale().decimalPoint(), QStringLiteral(","));
            QVERIFY(chart->localizeNumbers());
            auto *x = qobject_cast<QValueAxis *>(chart->axes(Qt::Horizontal).front());
            auto *y = qobject_cast<QValueAxis *>(chart->axes(Qt::Vertical).front());
            QVERIFY(x && y);
            QVERIFY2(x->min() < 0 && x->max() > 0 && x->max() < 500, data.title.c_str());
            for (double limit : data.limits)
                QVERIFY(x->min() < limit && limit < x->max());
            for (const ChartPoint &p : data.series.front().points) {
                if (std::isfinite(p.x) && std::isfinite(p.y)) {
                    QVERIFY2(x->min() < p.x && p.x < x->max(), data.title.c_str());
                    QVERIFY2(y->min() < p.y && p.y < y->max(), data.title.c_str());
                }
            }
            QCOMPARE(y->tickType(), QValueAxis::TicksDynamic);
            if (data.wholeLevels) {
                QVERIFY(y->tickInterval() >= 1);
                QCOMPARE(y->tickInterval(), std::round(y->tickInterval()));
                QCOMPARE(y->tickAnchor(), std::round(y->tickAnchor()));
                QCOMPARE(y->labelFormat(), QStringLiteral("%.0f"));
            }
        }
        // a small floor count labels every floor
        std::unique_ptr<QChart> twelve(BuildChart(cases.front()));
        QCOMPARE(qobject_cast<QValueAxis *>(twelve->axes(Qt::Vertical).front())->tickInterval(),
                 1.0);
        SetDecimalSeparator('.');
        std::unique_ptr<QChart> dotted(BuildChart(cases.front()));
        QCOMPARE(dotted->locale().decimalPoint(), QStringLiteral("."));
        SetDecimalSeparator(',');
    }

    // a chart is written at its own size, whatever the window's: the title whole, the axes named
    void ChartSavesAsPngAndSvg() {
        ExhaustWindow w;
        QCOMPARE(w.form.ActionGoNextExecute(), RunOutcome::ok);
        QCOMPARE(w.form.findChild<ChartsTab *>()->Views().size(), 2);
        const ChartData &chart = w.form.Calc().Report.Charts.front();
        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("график.png"));
        QCOMPARE(ChartsTab::SavePng(chart, png), QString());
        const QImage image(png);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), kChartPictureSize);

        const QString svg = dir.filePath(QStringLiteral("график.svg"));
        QCOMPARE(ChartsTab::SaveSvg(chart, svg), QString());
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QStringList texts; // what the drawing writes as text
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement &&
                xml.name() == QStringLiteral("text"))
                texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        const QString drawn = texts.join(QLatin1Char(' '));
        for (const std::string &label : {chart.title, chart.xLabel, chart.yLabel})
            QVERIFY2(drawn.contains(QString::fromStdString(label)), qPrintable(drawn));

        // an unwritable place is refused with the file and the reason, not crashed on
        for (auto save : {&ChartsTab::SavePng, &ChartsTab::SaveSvg}) {
            const QString bad = dir.filePath(QStringLiteral("нет/x"));
            const QString error = save(chart, bad);
            QVERIFY2(error.startsWith(QStringLiteral("Не удалось записать файл ") + bad +
                                      QStringLiteral(": ")),
                     qPrintable(error));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }

    // "Сохранить в PDF…" of a run: the text's pages and one page for its two charts
    void SavedPdfCarriesTheChartsAfterTheText() {
        InflowWindow w;
        w.form.findChild<QRadioButton *>(CtlName(inflow::ctl::rbLift))->click();
        w.form.findChild<QPushButton *>(QStringLiteral("bbNext"))->click();
        const ReportDocument &report = w.form.Calc().Report;
        QCOMPARE(report.Charts.size(), size_t(2));
        QTemporaryDir dir;
        PrintableReport text = Printable(report);
        text.charts = {};
        int textPages = 0;
        {
            QPdfWriter alone(dir.filePath(QStringLiteral("text.pdf")));
            alone.setResolution(300);
            textPages = PaintReport(alone, text);
        }
        QVERIFY(textPages >= 1);
        const QString path = dir.filePath(QStringLiteral("отчёт.pdf"));
        QVERIFY(w.form.OutputPanel()->SaveReportPdfAs(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(PdfPageCount(file.readAll()), textPages + 1);
    }

    // a run that stops leaves no charts of the run before it, on screen or for the paper
    void AStoppedRunLeavesNoCharts() {
        InflowWindow w;
        auto *next = w.form.findChild<QPushButton *>(QStringLiteral("bbNext"));
        next->click();
        QCOMPARE(w.form.Calc().Report.Charts.size(), size_t(2));
        QVERIFY(!ShownSeries(&w.form).empty());
        // windows of no resistance to air: the stairwell's input step stops the run
        w.form.findChild<QComboBox *>(CtlName(inflow::ctl::cbWinPenetrationVar))
            ->setCurrentIndex(2);
        w.form.findChild<QLineEdit *>(CtlName(inflow::ctl::EditWinPenetration))
            ->setText(QStringLiteral("0"));
        next->click();
        QVERIFY(!w.notifier.messages.empty());
        QVERIFY(w.form.Calc().Report.Charts.empty());
        QVERIFY(ShownSeries(&w.form).empty());
    }
};

QTEST_MAIN(ChartsTabTest)
#include "charts_tab_test.moc"
