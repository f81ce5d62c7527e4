// Pictures of the supply window for a person to look at: every variant page, the lift and
// tambour categories collapsed and expanded, and a computed report.
// Usage: inflow_window_shots OUTPUT_FOLDER [WIDTHxHEIGHT]

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QToolTip>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "core/notifier.h"
#include "core/number_text.h"
#include "inflow/ui/supply_window.h"
#include "shell/form_controls.h"

using namespace orvane;
using namespace orvane::inflow;

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: inflow_window_shots OUTPUT_FOLDER [WIDTHxHEIGHT]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    QSize size(1366, 768);
    if (argc > 2) {
        const QStringList wh = QString::fromLocal8Bit(argv[2]).split(QLatin1Char('x'));
        if (wh.size() == 2)
            size = QSize(wh[0].toInt(), wh[1].toInt());
    }
    SetDecimalSeparator(',');
    RecordingNotifier notifier;
    SupplyWindow form{ShellWindows{}};
    form.SetNotifier(&notifier);
    form.setWindowState(Qt::WindowNoState);
    form.resize(size);
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    auto *scroll = form.findChild<QScrollArea *>(QStringLiteral("ScrollBoxStart"));
    const QString prefix =
        QStringLiteral("%1/%2x%3_").arg(folder).arg(size.width()).arg(size.height());
    auto shoot = [&](const QString &name) {
        QTest::qWait(80);
        form.grab().save(prefix + name + QStringLiteral(".png"));
    };
    auto click = [&](const QString &name) {
        if (auto *b = form.findChild<QAbstractButton *>(name))
            b->click();
    };
    auto scrollTo = [&](double fraction) {
        QTest::qWait(30);
        QScrollBar *bar = scroll->verticalScrollBar();
        bar->setValue(int(bar->maximum() * fraction));
    };
    auto header = [&](const char *name) {
        if (auto *w = form.findChild<QWidget *>(QString::fromLatin1(name)))
            QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(2, 2));
    };

    for (ControlName variant :
         {ctl::rbOverGndStair, ctl::rbUnderGndStair, ctl::rbLift, ctl::rbTambour}) {
        click(CtlName(variant));
        for (double at : {0.0, 0.5, 1.0}) {
            scrollTo(at);
            shoot(CtlName(variant) + QStringLiteral("_%1").arg(int(at * 100)));
        }
    }
    // central core, outside exit, exits through tambours
    click(CtlName(ctl::rbOverGndStair));
    click(CtlName(ctl::rbSWNotJoinWall));
    click(CtlName(ctl::rbSWWithExit));
    click(CtlName(ctl::rbExitsToSWViaTambour));
    scrollTo(0.5);
    shoot(QStringLiteral("rbOverGndStair_conditions"));
    click(CtlName(ctl::rbSWJoinWall));
    click(CtlName(ctl::rbExitsToSWViaDoor));

    for (ControlName variant : {ctl::rbLift, ctl::rbTambour}) {
        click(CtlName(variant));
        const QString base = variant == ctl::rbLift
                                 ? QStringLiteral("PanLift")
                                 : QStringLiteral("PanTmbr");
        for (int i = 1; i <= 5; ++i)
            header((base + QString::number(i) + QStringLiteral("Hdr")).toLatin1().constData());
        scrollTo(0);
        shoot(CtlName(variant) + QStringLiteral("_collapsed"));
        header((base + QStringLiteral("2Hdr")).toLatin1().constData());
        header((base + QStringLiteral("4Hdr")).toLatin1().constData());
        shoot(CtlName(variant) + QStringLiteral("_partly"));
        for (int i : {1, 3, 5})
            header((base + QString::number(i) + QStringLiteral("Hdr")).toLatin1().constData());
        click(CtlName(ctl::rbLiftMethodSlot));
        scrollTo(0.6);
        shoot(CtlName(variant) + QStringLiteral("_expanded"));
    }
    // a refused text: the red frame and the tooltip saying what is expected
    click(CtlName(ctl::rbTambour));
    scrollTo(0);
    if (auto *floors = form.findChild<QLineEdit *>(CtlName(ctl::EditTmbrOGFloorQty))) {
        floors->setText(QStringLiteral("17.5"));
        floors->setFocus();
        QTest::qWait(50);
        QToolTip::showText(floors->mapToGlobal(QPoint(4, floors->height())), floors->toolTip(),
                           floors);
        QTest::qWait(150);
        if (QScreen *screen = QGuiApplication::primaryScreen())
            screen->grabWindow(0).save(prefix + QStringLiteral("refused_field.png"));
        floors->setText(QStringLiteral("12"));
    }
    // a tip beside its button: the tip is a window of its own, so the screen is taken
    click(CtlName(ctl::rbOverGndStair));
    scrollTo(0);
    click(QStringLiteral("sbTipTambour"));
    QTest::qWait(150);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        screen->grabWindow(0).save(prefix + QStringLiteral("tip_tambour.png"));
    click(QStringLiteral("sbTipProject"));
    QTest::qWait(150);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        screen->grabWindow(0).save(prefix + QStringLiteral("tip_project.png"));
    form.activateWindow();
    click(QStringLiteral("bbNext"));
    scrollTo(0);
    shoot(QStringLiteral("report"));
    click(QStringLiteral("bbHidePanIn"));
    shoot(QStringLiteral("report_full"));
    return 0;
}
