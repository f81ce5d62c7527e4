// The supply window driven through its real widgets on the offscreen platform.

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <memory>

#include "core/notifier.h"
#include "core/number_text.h"
#include "inflow/inflow_json.h"
#include "inflow/inflow_project.h"
#include "inflow/ui/supply_window.h"
#include "inflow/ui/inflow_tips.h"
#include "inflow/inflow_test_support.h"
#include "report/ui/report_output_panel.h"
#include "shell/desktop_actions.h"
#include "shell/form_controls.h"
#include "shell/popup_tip.h"
#include "shell/project_document.h"
#include "url_catcher.h"
#include "window_test_support.h"

using namespace orvane;
using namespace orvane::inflow;
using namespace orvane::test;

namespace {

struct Window {
    Window() : form(ShellWindows{}) {
        form.SetNotifier(&notifier);
        form.SetSaveChangesQuestion([this] {
            ++questions;
            return answer;
        });
        form.setWindowState(Qt::WindowNoState);
        form.resize(1366, 740);
    }
    template <class W> W *get(const QString &name) {
        auto *w = form.findChild<W *>(name);
        if (!w)
            qWarning("no control %s", qPrintable(name));
        return w;
    }
    template <class W> W *get(const char *name) { return get<W>(QString::fromLatin1(name)); }
    template <class W> W *get(ControlName name) { return get<W>(CtlName(name)); }
    void type(ControlName edit, const QString &text) {
        QLineEdit *e = get<QLineEdit>(edit);
        e->selectAll();
        e->del();
        bool ascii = true;
        for (QChar ch : text)
            ascii = ascii && ch.unicode() < 128;
        if (ascii)
            QTest::keyClicks(e, text);
        else
            e->insert(text); // the test keyboard knows only ASCII keys
    }
    void click(ControlName button) { click(get<QAbstractButton>(button)); }
    void click(const char *button) { click(get<QAbstractButton>(button)); } // not an input
    void click(QAbstractButton *b) {
        QVERIFY(b);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2));
    }
    QString report() { return form.OutputPanel()->Viewer()->toPlainText(); }

    RecordingNotifier notifier;
    SupplyWindow form;
    int questions = 0;
    int answer = QMessageBox::Cancel;
};

QByteArray WithoutHeader(QByteArray bytes) {
    // the header's third line carries the date and time of saving
    const int created = bytes.indexOf("# Created by");
    const int end = bytes.indexOf('\n', created);
    if (created >= 0 && end > created)
        bytes.remove(created, end - created);
    return bytes;
}

} // namespace

class SupplyWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        SetDecimalSeparator(',');
    }

    void StartsWithEveryControlAtItsStartValue() {
        Window w;
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        QCOMPARE(w.form.windowTitle(),
                 QStringLiteral(
                     "Новый проект — Орвейн - Расчёт системы приточной противодымной вентиляции"));
        QCOMPARE(UnfiledControls(&w.form, w.form.Controls(), kInflowFields, ctl::kRadioGroups),
                 QStringList());
        // every control the engine reads exists under its name and starts at its start value
        const InflowInputs defaults = InflowInputs::Defaults();
        const InflowInputs now = w.form.InputsFromControls();
        for (const FieldSpec &f : kInflowFields) {
            const QByteArray name = CtlName(f.control).toLatin1();
            if (f.kind == FieldKind::choice) {
                QVERIFY2(w.get<QComboBox>(f.control), name.constData());
                QCOMPARE(now.ComboIndex(f.control), defaults.ComboIndex(f.control));
            } else {
                QVERIFY2(w.get<QLineEdit>(f.control), name.constData());
                QCOMPARE(now.Text(f.control), defaults.Text(f.control));
            }
        }
        for (RadioGroup group : ctl::kRadioGroups)
            for (ControlName radio : group) {
                QVERIFY2(w.get<QRadioButton>(radio), CtlName(radio).toLatin1().constData());
                QCOMPARE(now.IsChecked(radio), defaults.IsChecked(radio));
            }
        QVERIFY(now.SameValues(defaults));
        QCOMPARE(w.get<QLabel>("LabWinPenetration")->text(), QStringLiteral("ΔQ100:"));

        QVERIFY(w.get<QWidget>("PanStairWell")->isVisible());
        QVERIFY(w.get<QWidget>("PanSW1_OG")->isVisible());
        QVERIFY(!w.get<QWidget>("gbUGBuildParams")->isVisible());
        QVERIFY(!w.get<QWidget>("PanLift")->isVisible());
        QVERIFY(!w.get<QWidget>("PanTambour")->isVisible());
        const QString report = w.report();
        QVERIFY(report.contains(QStringLiteral("ИСХОДНЫЕ ДАННЫЕ")));
        QVERIFY(report.contains(QStringLiteral("ПРОТИВОДЫМНОЙ ВЕНТИЛЯЦИИ")));

        // every tip button has its text, every input a name for screen readers
        const auto tips = w.form.findChildren<QToolButton *>();
        int tipButtons = 0;
        for (QToolButton *b : tips) {
            if (!b->objectName().startsWith(QStringLiteral("sbTip")))
                continue;
            ++tipButtons;
            QVERIFY2(!InflowTipText(b->objectName()).isEmpty(), qPrintable(b->objectName()));
        }
        QVERIFY(tipButtons > 0);
        for (QWidget *input : w.form.findChildren<QWidget *>()) {
            if (qobject_cast<QLineEdit *>(input) || qobject_cast<QRadioButton *>(input) ||
                (qobject_cast<QComboBox *>(input) &&
                 input->objectName().startsWith(QStringLiteral("cb"))))
                QVERIFY2(!input->accessibleName().isEmpty(), qPrintable(input->objectName()));
        }
        QVERIFY(!w.form.HasUnsavedChanges());
    }

    void CategoryHeaderChevronAndCaptionCollapseAndExpand() {
        Window w;
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        w.click(ctl::rbLift);
        w.click(ctl::rbTambour);
        w.click(ctl::rbLift);
        QVERIFY(w.get<QWidget>("PanLift")->isVisible());
        for (const char *part : {"PanLift2Hdr", "LabLift2Chevron", "LabLift2Caption"}) {
            const int index = w.form.CategoryIndexOfTag(32);
            QCOMPARE(index, 1);
            const CategoryPanel &c = w.form.Categories()[static_cast<size_t>(index)];
            auto *target = w.get<QWidget>(part);
            for (int i = 0; i < 4; ++i) // let the page lay itself out
                QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            const int designHeight = c.Frame->height();
            QVERIFY(designHeight > 26);
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, 2));
            QTRY_COMPARE(c.Frame->height(), 26);
            QCOMPARE(c.Chevron->text(), QStringLiteral("►"));
            QVERIFY(!w.get<QWidget>(ctl::EditLiftWindSpeed)->isVisible());
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, 2));
            QTRY_COMPARE(c.Frame->height(), designHeight);
            QCOMPARE(c.ExpandedHeight, designHeight);
            QCOMPARE(c.Chevron->text(), QStringLiteral("▼"));
            QVERIFY(w.get<QWidget>(ctl::EditLiftWindSpeed)->isVisible());
        }
        QCOMPARE(w.form.CategoryIndexOfTag(0), -1);
        QCOMPARE(w.form.CategoryIndexOfTag(45), 9);
        QCOMPARE(w.form.CategoryIndexOfTag(46), -1);
    }

    void EnablingRulesFollowTheRadioButtons() {
        Window w;
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        auto enabled = [&w](auto name) { return w.get<QWidget>(name)->isEnabled(); };

        // outside exit inputs with the exit only
        QVERIFY(!enabled(ctl::EditOutsideDoorArea));
        QVERIFY(!enabled("sbTipOutDoorKoefXid"));
        w.click(ctl::rbSWWithExit);
        QVERIFY(enabled(ctl::EditOutsideDoorArea));
        QVERIFY(enabled("sbTipOutTambourKoefXir"));

        // the stairwell count is put aside while exits go through tambours, and comes back
        w.type(ctl::EditOGStairWellQty, QStringLiteral("5"));
        w.click(ctl::rbExitsToSWViaTambour);
        QVERIFY(!enabled(ctl::EditOGStairWellQty));
        QCOMPARE(w.get<QLineEdit>(ctl::EditOGStairWellQty)->text(), QString());
        w.click(ctl::rbExitsToSWViaDoor);
        QVERIFY(enabled(ctl::EditOGStairWellQty));
        QCOMPARE(w.get<QLineEdit>(ctl::EditOGStairWellQty)->text(), QStringLiteral("5"));

        // central core: no wind, no windows; the underground stairwell takes the wind anyway
        w.click(ctl::rbSWNotJoinWall);
        QVERIFY(!enabled(ctl::EditWindSpeed));
        QVERIFY(!enabled(ctl::EditKoefW0));
        QVERIFY(!w.get<QWidget>("gbSWWindows")->isVisible());
        w.click(ctl::rbUnderGndStair);
        QVERIFY(!w.get<QWidget>("PanSW1_OG")->isVisible());
        QVERIFY(w.get<QWidget>("gbUGBuildParams")->isVisible());
        QVERIFY(w.get<QWidget>("gbUGFanSelect")->isVisible());
        QVERIFY(!w.get<QWidget>("gbOGFanSelect")->isVisible());
        QVERIFY(enabled(ctl::EditWindSpeed));
        QVERIFY(enabled(ctl::EditKoefWW));
        QVERIFY(enabled(ctl::EditOutsideDoorArea));

        // window permeation labels follow the combo
        w.click(ctl::rbOverGndStair);
        w.click(ctl::rbSWJoinWall);
        QVERIFY(w.get<QWidget>("gbSWWindows")->isVisible());
        w.get<QComboBox>(ctl::cbWinPenetrationVar)->setCurrentIndex(2);
        QCOMPARE(w.get<QLabel>("LabWinPenetration")->text(), QStringLiteral("R10:"));
        QCOMPARE(w.get<QLabel>("LabWinPenetrationU")->text(), QStringLiteral("м²/(кг/ч)"));

        // duct shapes: size B only for a rectangular duct
        struct Shape {
            ControlName variant, round, rect, sizeB;
        };
        const Shape shapes[] = {
            {ctl::rbOverGndStair, ctl::rbOGRoundAPipe, ctl::rbOGRectAPipe, ctl::EditOGSizeB},
            {ctl::rbLift, ctl::rbLiftRoundAPipe, ctl::rbLiftRectAPipe, ctl::EditLiftSizeB},
            {ctl::rbTambour, ctl::rbTmbrRoundVPipe, ctl::rbTmbrRectVPipe, ctl::EditTmbrSizeB},
        };
        for (const Shape &s : shapes) {
            w.click(s.variant);
            QVERIFY(enabled(s.sizeB));
            w.click(s.round);
            QVERIFY2(!enabled(s.sizeB), s.sizeB.Str().c_str());
            w.click(s.rect);
            QVERIFY(enabled(s.sizeB));
        }

        // lift: the gap rows with the slot method only, ξl with the opening method only
        w.click(ctl::rbLift);
        QVERIFY(!enabled(ctl::EditLiftFmu1));
        QVERIFY(enabled(ctl::EditLiftCageKoefXil));
        w.click(ctl::rbLiftMethodSlot);
        QVERIFY(enabled(ctl::EditLiftFmu1));
        QVERIFY(enabled(ctl::cbLiftUnit3));
        QVERIFY(enabled(ctl::EditLiftUnit2Value));
        QVERIFY(!enabled(ctl::EditLiftCageKoefXil));
    }

    void LiftInputsFollowTheFloorCountsOnlyAfterARun() {
        Window w;
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        w.click(ctl::rbLift);
        QVERIFY(w.get<QWidget>(ctl::EditLiftH0s)->isEnabled());
        // one above-ground floor over basements: air comes in at the bottom
        w.type(ctl::EditLiftOGFloorQty, QStringLiteral("1"));
        QVERIFY(w.get<QWidget>(ctl::EditLiftH0s)->isEnabled());
        QVERIFY(w.get<QWidget>(ctl::EditLiftLevelStart)->isEnabled());
        w.click("bbNext");
        QCOMPARE(w.form.Calc().Lift().Inputs().Shaft, LiftShaft::fedFromBelow);
        QVERIFY(!w.get<QWidget>(ctl::EditLiftH0s)->isEnabled());
        QVERIFY(!w.get<QWidget>("LabLiftLevels1")->isEnabled());
        QVERIFY(!w.get<QWidget>(ctl::EditLiftLevelFinish)->isEnabled());

        // a project opened with those counts sets the inputs likewise
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lift.isrprj"));
        QVERIFY(w.form.SaveProjectFile(path));
        Window reopened;
        reopened.form.show();
        QVERIFY(reopened.get<QWidget>(ctl::EditLiftH0s)->isEnabled());
        QVERIFY(reopened.form.OpenProjectFile(path));
        QVERIFY(reopened.get<QWidget>("PanLift")->isVisible());
        QVERIFY(!reopened.get<QWidget>(ctl::EditLiftH0s)->isEnabled());
    }

    void FailingCheckStillReplacesTheReport() {
        Window w;
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        w.click("bbNext");
        QVERIFY(w.report().contains(QStringLiteral("РАСЧЁТ\n")) ||
                w.report().contains(QStringLiteral("РАСЧЁТ")));
        QVERIFY(w.report().contains(QStringLiteral("надземную лестничную клетку")));
        w.click(ctl::rbLift);
        w.type(ctl::EditLiftPplus, QStringLiteral("10"));
        // the refused value sits in a collapsed category: the message opens it
        const CategoryPanel &supply = w.form.Categories()[4];
        QTest::mouseClick(w.get<QWidget>("PanLift5Hdr"), Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(supply.Collapsed);
        w.click("bbNext");
        QVERIFY(!supply.Collapsed);
        QVERIFY(w.get<QWidget>(ctl::EditLiftPplus)->isVisible());
        QCOMPARE(w.notifier.messages.size(), size_t(1));
        QCOMPARE(w.notifier.messages[0].kind, std::string("warning"));
        QCOMPARE(w.notifier.messages[0].control, ctl::EditLiftPplus.Str());
        const QString report = w.report();
        QVERIFY(report.contains(QStringLiteral("Подача воздуха в лифтовую шахту")));
        QVERIFY(!report.contains(QStringLiteral("надземную лестничную клетку")));
        QVERIFY(!report.contains(QStringLiteral("Таблица 1")));
    }

    // What the window flags while typing: the texts that used to turn into other numbers.
    void TypedTextIsFlaggedNotRewritten_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("flagged");
        const QString floors = CtlName(ctl::EditOGFloorQty);
        const QString height = CtlName(ctl::EditOGFloorHeight);
        const QString outside = CtlName(ctl::EditOutsideAirTemp);
        QTest::newRow("17.5 floors") << floors << "17.5" << true;
        QTest::newRow("-5 floors") << floors << "-5" << true;
        QTest::newRow("1e9 floors") << floors << "1e9" << true;
        QTest::newRow("abc floors") << floors << "abc" << true;
        QTest::newRow("empty floors") << floors << "" << true;
        QTest::newRow("17 floors") << floors << "17" << false;
        QTest::newRow("5o height") << height << "5o" << true;
        QTest::newRow("4,0.5 height") << height << "4,0.5" << true;
        QTest::newRow("4.05 height") << height << "4.05" << false;
        QTest::newRow("1,5E-5 height") << height << "1,5E-5" << false;
        QTest::newRow("-300 outside") << outside << "-300" << true;
        QTest::newRow("-26 outside") << outside << "-26" << false;
        const QString windows = CtlName(ctl::EditWinPenetration);
        QTest::newRow("-3 window permeability") << windows << "-3" << true;
        QTest::newRow("0 window permeability") << windows << "0" << false;
    }
    void TypedTextIsFlaggedNotRewritten() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(bool, flagged);
        Window w;
        auto *edit = w.get<QLineEdit>(field);
        QVERIFY(edit);
        edit->selectAll();
        edit->del();
        QTest::keyClicks(edit, text);
        QCOMPARE(edit->text(), text);
        QCOMPARE(IsMarkedInvalid(edit), flagged);
        QCOMPARE(edit->toolTip().isEmpty(), !flagged);
        QCOMPARE(edit->styleSheet().contains(QStringLiteral("border")), flagged);
    }

    void RunWithARefusedFieldKeepsTheReportAndNamesTheField() {
        Window w;
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        w.click(ctl::rbTambour);
        w.click("bbNext");
        const QString before = w.report();
        QVERIFY(before.contains(QStringLiteral("РАСЧЁТ")));
        // a field of a page not shown is not checked
        w.type(ctl::EditOGFloorQty, QStringLiteral("abc"));
        w.type(ctl::EditTmbrOGFloorQty, QStringLiteral("17.5"));
        QCOMPARE(w.get<QLineEdit>(ctl::EditTmbrOGFloorQty)->toolTip(),
                 QStringLiteral("Целое число от 1 до 300"));
        w.notifier.messages.clear(); // the first run's result warnings
        w.click("bbNext");
        QCOMPARE(w.notifier.messages.size(), size_t(1));
        QCOMPARE(w.notifier.messages[0].kind, std::string("error"));
        QCOMPARE(w.notifier.messages[0].text,
                 std::string("Поле «Число надземных этажей»: нужно целое число от 1 до 300, "
                             "введено «17.5»."));
        QCOMPARE(w.notifier.messages[0].control, ctl::EditTmbrOGFloorQty.Str());
        QCOMPARE(w.report(), before);
        QCOMPARE(w.form.Calculate(), RunOutcome::inputStopped);
        QCOMPARE(w.report(), before);

        // a negative window permeability (either permeability row) is refused the same way
        w.type(ctl::EditTmbrOGFloorQty, QStringLiteral("12"));
        w.type(ctl::EditOGFloorQty, QStringLiteral("12"));
        w.click(ctl::rbOverGndStair);
        w.get<QComboBox>(ctl::cbWinPenetrationVar)->setCurrentIndex(0);
        w.type(ctl::EditWinPenetration, QStringLiteral("-3"));
        w.notifier.messages.clear();
        QCOMPARE(w.form.Calculate(), RunOutcome::inputStopped);
        QCOMPARE(w.notifier.messages.size(), size_t(1));
        QCOMPARE(w.notifier.messages[0].text,
                 std::string("Поле «Воздухопроницаемость окон»: нужно число не меньше 0, "
                             "введено «-3»."));
        QCOMPARE(w.notifier.messages[0].control, ctl::EditWinPenetration.Str());
        QCOMPARE(w.report(), before);
    }

    void RefusedProjectValueIsFlaggedWhenOpened() {
        QTemporaryDir dir;
        InflowInputs in = DefaultsFor(ctl::rbTambour);
        const std::optional<std::string> bytes = ProjectBytesOf(in, "01.01.2026 00:00:00");
        QVERIFY(bytes);
        QByteArray file = QByteArray::fromStdString(*bytes);
        const QByteArray key = "OGFloorQty=12";
        QVERIFY(file.contains(key));
        file.replace(key, "OGFloorQty=17.5");
        const QString path = WriteTestFile(dir, QStringLiteral("t.isrprj"), file);
        Window w;
        QVERIFY(w.form.OpenProjectFile(path));
        auto *edit = w.get<QLineEdit>(ctl::EditTmbrOGFloorQty);
        QCOMPARE(edit->text(), QStringLiteral("17.5"));
        QVERIFY(IsMarkedInvalid(edit));
    }

    void RaisedPplusShowsInItsEdit() {
        Window w;
        w.type(ctl::EditOGPplus, QStringLiteral("15"));
        w.click("bbNext");
        QCOMPARE(w.notifier.messages.size(), size_t(1));
        QCOMPARE(w.notifier.messages[0].kind, std::string("warning"));
        QCOMPARE(w.get<QLineEdit>(ctl::EditOGPplus)->text(), QStringLiteral("20"));
        QVERIFY(w.form.Calc().FanVolumeFlow > 0);
    }

    void EveryVariantRunsToADutyPoint_data() {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<QString>("variantLine");
        QTest::newRow("above ground") << CtlName(ctl::rbOverGndStair)
                                      << "Подача воздуха в надземную лестничную клетку типа Н2";
        QTest::newRow("underground") << CtlName(ctl::rbUnderGndStair)
                                     << "Подача воздуха в лестничную клетку подземной части";
        QTest::newRow("lift") << CtlName(ctl::rbLift)
                              << "Подача воздуха в лифтовую шахту";
        QTest::newRow("tambour") << CtlName(ctl::rbTambour)
                                 << "Подача воздуха в тамбур-шлюзы, зоны безопасности";
    }
    void EveryVariantRunsToADutyPoint() {
        QFETCH(QString, variant);
        QFETCH(QString, variantLine);
        Window w;
        w.click(InflowControl(variant.toStdString()));
        w.click("bbNext");
        const InflowCalc &calc = w.form.Calc();
        // the start values of the lift and the tambour leave doors below 20 Pa: their warnings
        // come in one box after the report, every other variant gives none
        const std::string warnings = CheckWarningsText(calc.Checks);
        QCOMPARE(w.notifier.messages.size(), size_t(warnings.empty() ? 0 : 1));
        if (!warnings.empty()) {
            QCOMPARE(w.notifier.messages[0].kind, std::string("warning"));
            QCOMPARE(w.notifier.messages[0].text, warnings);
        }
        const bool lowDoors = variant == CtlName(ctl::rbLift) || variant == CtlName(ctl::rbTambour);
        QCOMPARE(warnings.empty(), !lowDoors);
        QVERIFY(std::isfinite(calc.FanVolumeFlow) && calc.FanVolumeFlow > 0);
        QVERIFY(std::isfinite(calc.FanPressure) && calc.FanPressure > 0);
        const QString report = w.report();
        QVERIFY(report.contains(variantLine));
        QVERIFY(report.contains(QStringLiteral("РАСЧЁТ")));
        QCOMPARE(w.form.OutputPanel()->Report(), calc.Report.RTFull);
    }

    void SavedProjectReopensWithEveryValue_data() {
        QTest::addColumn<QString>("variant");
        QTest::newRow("SW-OG") << CtlName(ctl::rbOverGndStair);
        QTest::newRow("SW-UG") << CtlName(ctl::rbUnderGndStair);
        QTest::newRow("LIFT") << CtlName(ctl::rbLift);
        QTest::newRow("TAMBOUR") << CtlName(ctl::rbTambour);
    }
    void SavedProjectReopensWithEveryValue() {
        QFETCH(QString, variant);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString first = dir.filePath(QStringLiteral("first"));
        const QString second = dir.filePath(QStringLiteral("second.isrprj"));

        // every value away from its start value, every radio pair on its other button
        InflowInputs changed = InflowInputs::Defaults();
        for (const FieldSpec &f : kInflowFields) {
            if (f.kind == FieldKind::choice)
                continue;
            if (f.kind == FieldKind::text) {
                changed.SetText(f.control, "Дом «Север» " + f.control.Str().substr(4, 3));
                continue;
            }
            const std::string text = changed.Text(f.control);
            const double v = text.empty() ? 5 : std::atof(text.c_str()) + 2;
            changed.SetText(f.control, FormatGeneral(v));
        }
        changed.SetText(ctl::EditOGFloorQty, "14");
        changed.SetText(ctl::EditTmbrVPipeProof, "0,125");
        for (ControlName radio :
             {ctl::rbSWNotJoinWall, ctl::rbSWWithExit, ctl::rbFirstFloorJoinSW, ctl::rbDoorIsGasProof,
              ctl::rbOGRoundAPipe, ctl::rbLiftNotJoinWall, ctl::rbLiftHall1Not, ctl::rbLiftHallAboveNot,
              ctl::rbLiftHallBelow, ctl::rbLiftMethodSlot, ctl::rbLiftRoundAPipe, ctl::rbTmbrVar3,
              ctl::rbTmbrRoundVPipe})
            changed.Check(radio);
        changed.Check(InflowControl(variant.toStdString()));
        changed.SetComboIndex(ctl::cbWinPenetrationVar, 3);
        changed.SetComboIndex(ctl::cbLiftUnit2, 1);
        changed.SetText(ctl::EditLiftUnit1Value, "0,5");
        changed.SetText(ctl::EditLiftUnit2Value, "2,5");
        changed.SetText(ctl::EditLiftUnit3Value, "0,7");

        Window a;
        a.form.ControlsFromInputs(changed);
        QVERIFY(a.form.HasUnsavedChanges());
        QVERIFY(a.form.SaveProjectFile(first));
        QVERIFY(!a.form.HasUnsavedChanges());
        QVERIFY(QFile::exists(first + QStringLiteral(".isrprj")));

        Window b;
        QVERIFY(b.form.OpenProjectFile(first + QStringLiteral(".isrprj")));
        QVERIFY(b.notifier.messages.empty());
        QVERIFY(b.get<QRadioButton>(variant)->isChecked());
        QCOMPARE(b.get<QLineEdit>(ctl::EditProjectName)->text(),
                 a.get<QLineEdit>(ctl::EditProjectName)->text());
        // what the reopened window saves is what the first one saved: no value was dropped
        QVERIFY(b.form.SaveProjectFile(second));
        QFile f1(first + QStringLiteral(".isrprj")), f2(second);
        QVERIFY(f1.open(QIODevice::ReadOnly) && f2.open(QIODevice::ReadOnly));
        const QByteArray bytes1 = WithoutHeader(f1.readAll());
        QCOMPARE(WithoutHeader(f2.readAll()), bytes1);
        // and the values are the changed ones, not the start values
        QVERIFY(bytes1.contains(variant == CtlName(ctl::rbLift) ? "LMethod=2" : "="));
        const InflowInputs reopened = b.form.InputsFromControls();
        int same = 0;
        for (const FieldSpec &f : kInflowFields)
            same +=
                f.kind != FieldKind::choice && reopened.Text(f.control) == changed.Text(f.control);
        QVERIFY2(same > 10, qPrintable(QString::number(same)));

        // and both windows compute the same report and duty point
        a.click("bbNext");
        b.click("bbNext");
        // the same report; each page's footer names the window's own project file
        QCOMPARE(b.form.Calc().Report.RTBody, a.form.Calc().Report.RTBody);
        QCOMPARE(b.form.Calc().FanVolumeFlow, a.form.Calc().FanVolumeFlow);
        QCOMPARE(b.form.Calc().FanPressure, a.form.Calc().FanPressure);
    }

    void ExampleProjectsComputeAsTheBatchCalculatorDoes() {
        const QStringList examples =
            QDir(QStringLiteral(EXAMPLES_DIR))
                .entryList({QStringLiteral("*.isrprj")}, QDir::Files, QDir::Name);
        QVERIFY(!examples.isEmpty());
        for (char separator : {',', '.'})
            for (const QString &name : examples) {
                SetDecimalSeparator(separator);
                const QString path = QStringLiteral(EXAMPLES_DIR "/") + name;
                Window w;
                QVERIFY2(w.form.OpenProjectFile(path), qPrintable(name));
                w.click("bbNext");

                // what a fresh window does, without the window
                InflowInputs in = InflowInputs::Defaults();
                InflowCalc calc;
                calc.Report.Page.projectFile = name.toStdString(); // as the batch calculator does
                QVERIFY(LoadProject(path.toStdString(), in).ok);
                calc.Run(in);
                QCOMPARE(w.form.Calc().FanVolumeFlow, calc.FanVolumeFlow);
                QCOMPARE(w.form.Calc().FanPressure, calc.FanPressure);
                QVERIFY2(w.form.Calc().Report.RTFull == calc.Report.RTFull, qPrintable(name));
                QVERIFY(calc.FanVolumeFlow > 0);
            }
        SetDecimalSeparator(',');
    }

    // A run after another gives what a fresh window gives: the first project (a shaft fed from
    // above, h(2) = 9) leaves nothing behind for the second (fed from below, h(2) = 3,87).
    void EveryRunStartsFromAModelBuiltAfresh() {
        QFile example(QStringLiteral(EXAMPLES_DIR "/lift.isrprj"));
        QVERIFY(example.open(QIODevice::ReadOnly));
        const QByteArray bytes = example.readAll();
        QTemporaryDir dir;
        auto variant = [&](const char *name, const char *og, const char *h2) {
            QByteArray b = bytes;
            b.replace("\r\nOGFloorQty=12\r\n", QByteArray("\r\nOGFloorQty=") + og + "\r\n");
            b.replace("\r\nUGFloorQty=4\r\n", "\r\nUGFloorQty=2\r\n");
            b.replace("\r\nFloor2L=5\r\n", QByteArray("\r\nFloor2L=") + h2 + "\r\n");
            b.replace("\r\nOGFloorH=4\r\n", "\r\nOGFloorH=7\r\n");
            return WriteTestFile(dir, QString::fromLatin1(name), b);
        };
        const QString above = variant("above.isrprj", "3", "9");
        const QString below = variant("below.isrprj", "1", "3,87");

        Window used;
        QVERIFY(used.form.OpenProjectFile(above));
        QCOMPARE(used.form.Calculate(), RunOutcome::ok);
        QCOMPARE(used.form.Calc().Lift().Inputs().SecondFloorLevel, 9.0);
        QVERIFY(used.form.OpenProjectFile(below));
        QCOMPARE(used.form.Calculate(), RunOutcome::ok);

        Window fresh;
        QVERIFY(fresh.form.OpenProjectFile(below));
        QCOMPARE(fresh.form.Calculate(), RunOutcome::ok);
        QCOMPARE(fresh.form.Calc().Lift().Inputs().Shaft, LiftShaft::fedFromBelow);
        QCOMPARE(fresh.form.Calc().Lift().Inputs().SecondFloorLevel, 3.87);
        QVERIFY(used.form.Calc().Report.RTFull == fresh.form.Calc().Report.RTFull);
        QCOMPARE(used.form.Calc().FanPressure, fresh.form.Calc().FanPressure);
        QCOMPARE(InflowResultsJson(used.form.Calc()).dump(),
                 InflowResultsJson(fresh.form.Calc()).dump());
    }

    void UnreadableProjectKeepsTheInputsAndSaysWhy() {
        QTemporaryDir dir;
        const QString broken = WriteTestFile(dir, QStringLiteral("broken.isrprj"), "just some text\r\nno sections\r\n");
        QVERIFY(!broken.isEmpty());
        // a name longer than a project holds: refused, never cut to fit the edit
        const QString longName = WriteTestFile(
            dir, QStringLiteral("long.isrprj"),
            "[Project]\r\nVariant=SW-OG\r\nSystem=" + QByteArray(int(kMaxTextLength) + 1, 'A') +
                "\r\n");
        const struct {
            QString path;
            QString message;
        } cases[] = {
            {dir.filePath(QStringLiteral("missing.isrprj")),
             QStringLiteral("Файл проекта приточного ДУ не может быть прочитан (нет такого файла "
                            "или папки):\n")},
            {broken, QStringLiteral("Файл не является проектом")},
            {longName, QStringLiteral("Поле «Наименование вентиляционной системы» ([Project] "
                                      "System): нужен текст не длиннее 1000 знаков, в файле "
                                      "1001 знак.")},
        };
        for (const auto &[path, message] : cases) {
            Window w;
            w.type(ctl::EditProjectName, QStringLiteral("Мой проект"));
            w.click(ctl::rbLift);
            QVERIFY(!w.form.OpenProjectFile(path));
            QCOMPARE(w.notifier.messages.size(), size_t(1));
            QVERIFY(QString::fromStdString(w.notifier.messages[0].text).startsWith(message));
            QCOMPARE(w.get<QLineEdit>(ctl::EditProjectName)->text(), QStringLiteral("Мой проект"));
            QVERIFY(w.get<QRadioButton>(ctl::rbLift)->isChecked());
            QCOMPARE(w.get<QLineEdit>(ctl::EditSystemName)->maxLength(), int(kMaxTextLength));
        }
    }

    void ProjectOfTheExhaustModuleOpensElsewhere() {
        QTemporaryDir dir;
        QFile example(QStringLiteral(EXAMPLES_DIR "/corridor.smkprj"));
        QVERIFY(example.open(QIODevice::ReadOnly));
        const QString file = WriteTestFile(dir, QStringLiteral("коридор.isrprj"), example.readAll());
        Window w;
        QStringList elsewhere;
        w.form.Document()->SetOpenElsewhere([&](const QString &path) {
            elsewhere << path;
            return true;
        });
        w.click(ctl::rbTambour);
        w.type(ctl::EditTmbrDoorQty, QStringLiteral("3"));
        const InflowInputs before = w.form.InputsFromControls();
        QVERIFY(!w.form.OpenProjectFile(file));
        QCOMPARE(w.notifier.messages.size(), size_t(1));
        const QString message = QString::fromStdString(w.notifier.messages[0].text);
        QVERIFY(message.contains(QStringLiteral("коридор.isrprj")));
        QVERIFY(message.endsWith(QStringLiteral("Это проект дымоудаления; он открыт в новом окне.")));
        QCOMPARE(elsewhere, QStringList{file});
        QVERIFY(w.form.InputsFromControls().SameValues(before));
    }

    void OpenedProjectSavesToItsFileAndEditsMarkTheReport() {
        QTemporaryDir dir;
        QFile example(QStringLiteral(EXAMPLES_DIR "/lift.isrprj"));
        QVERIFY(example.open(QIODevice::ReadOnly));
        const QString file = WriteTestFile(dir, QStringLiteral("лифт.isrprj"), example.readAll());
        Window w;
        int dialogs = 0;
        w.form.Document()->SetFileDialog([&](bool, const QString &) {
            ++dialogs;
            return QString();
        });
        const QString caption =
            QStringLiteral(" — Орвейн - Расчёт системы приточной противодымной вентиляции");
        QVERIFY(w.form.OpenProjectFile(file));
        QCOMPARE(w.form.windowTitle(), QStringLiteral("лифт.isrprj") + caption);
        QCOMPARE(w.form.Calculate(), RunOutcome::ok);
        auto *banner = w.get<QLabel>("LabStaleReport");
        QVERIFY(!banner->isVisibleTo(&w.form));
        w.type(ctl::EditLiftCageQty, QStringLiteral("3"));
        QTRY_COMPARE(w.form.windowTitle(), QStringLiteral("лифт.isrprj*") + caption);
        QVERIFY(banner->isVisibleTo(&w.form));
        QVERIFY(!w.get<QPushButton>("bbFan")->isEnabled());
        w.form.findChild<QAction *>(QStringLiteral("ActionSave"))->trigger();
        QCOMPARE(dialogs, 0);
        QCOMPARE(w.form.windowTitle(), QStringLiteral("лифт.isrprj") + caption);
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("\r\nLCageQty=3\r\n"));
        // saving does not make the report current; a run does
        QVERIFY(banner->isVisibleTo(&w.form));
        w.form.Calculate();
        QVERIFY(!banner->isVisibleTo(&w.form));
        // "Да" on closing saves to the project's file, without a dialog
        w.form.show();
        w.type(ctl::EditLiftCageQty, QStringLiteral("4"));
        w.answer = QMessageBox::Yes;
        QVERIFY(w.form.close());
        QCOMPARE(dialogs, 0);
        QFile again(file); // the save replaced the file
        QVERIFY(again.open(QIODevice::ReadOnly));
        QVERIFY(again.readAll().contains("\r\nLCageQty=4\r\n"));
    }

    void DroppedProjectOpensAfterTheQuestion() {
        QTemporaryDir dir;
        QFile example(QStringLiteral(EXAMPLES_DIR "/lift.isrprj"));
        QVERIFY(example.open(QIODevice::ReadOnly));
        const QString file = WriteTestFile(dir, QStringLiteral("лифт.isrprj"), example.readAll());
        Window w;
        w.type(ctl::EditProjectName, QStringLiteral("Мой проект"));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        data.setText(file);
        // dropped on an edit: the edit does not take the file's name as its text
        QWidget *target = w.get<QLineEdit>(ctl::EditSystemName);
        const auto drop = [&] {
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                                  Qt::NoModifier);
            QApplication::sendEvent(target, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(target, &event);
            QTest::qWait(20);
        };
        w.answer = QMessageBox::Cancel;
        drop();
        QCOMPARE(w.questions, 1);
        QVERIFY(!w.get<QLineEdit>(ctl::EditSystemName)->text().contains(QStringLiteral("лифт")));
        QVERIFY(!w.get<QRadioButton>(ctl::rbLift)->isChecked());
        w.answer = QMessageBox::No;
        drop();
        QCOMPARE(w.questions, 2);
        QVERIFY(w.get<QRadioButton>(ctl::rbLift)->isChecked());
        QCOMPARE(w.form.Document()->FilePath(), QFileInfo(file).absoluteFilePath());
    }

    void SharedCommandsKeysTipsAndFirstFocus() {
        Window w;
        QCOMPARE(SharedCommandFaults(&w.form), QStringList());
        w.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QCOMPARE(QApplication::focusWidget(), w.get<QLineEdit>(ctl::EditProjectName));
    }

    void ManualHasEveryGroupAndOpensAtTheTopic() {
        Window w;
        QCOMPARE(GroupsWithoutManualEntry(&w.form, QStringLiteral(MANUAL_DIR "/supply.html")),
                 QStringList());
        UrlCatcher urls;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &urls, "open");
        SetManualFolder(QStringLiteral(MANUAL_DIR));
        w.click(ctl::rbLift);
        w.form.findChild<QAction *>(QStringLiteral("NHelp"))->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        SetManualFolder({});
        QCOMPARE(urls.opened.size(), 1);
        QVERIFY(urls.opened[0].toLocalFile().endsWith(QStringLiteral("/supply.html")));
        QCOMPARE(urls.opened[0].fragment(), QStringLiteral("lift"));
    }

    void SavingTextTheCodePageCannotHoldStopsWithAMessage() {
        QTemporaryDir dir;
        Window w;
        w.type(ctl::EditSystemName, QStringLiteral("系统"));
        QVERIFY(!w.form.SaveProjectFile(dir.filePath(QStringLiteral("p.isrprj"))));
        QCOMPARE(w.notifier.messages.size(), size_t(1));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("p.isrprj"))));
        QVERIFY(w.form.HasUnsavedChanges());
    }

    void ClosingWithChangedInputsAsks() {
        {
            Window w;
            w.form.show();
            QVERIFY(w.form.close());
            QCOMPARE(w.questions, 0);
        }
        Window w;
        w.form.show();
        w.type(ctl::EditOGFloorQty, QStringLiteral("9"));
        w.answer = QMessageBox::Cancel;
        QVERIFY(!w.form.close());
        QVERIFY(w.form.isVisible());
        QCOMPARE(w.questions, 1);
        w.answer = QMessageBox::No;
        QVERIFY(w.form.close());
        QCOMPARE(w.questions, 2);
    }

    void AnsweringYesSavesBeforeClosing() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("closing"));
        Window w;
        w.form.show();
        w.type(ctl::EditOGFloorQty, QStringLiteral("9"));
        w.answer = QMessageBox::Yes;
        // the save dialog: first cancelled (the window stays), then given a name
        bool cancel = true;
        auto answerDialog = [&](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->objectName(), QStringLiteral("SaveDialogFile"));
            if (cancel) {
                dialog->reject();
            } else {
                dialog->selectFile(path);
                static_cast<QDialog *>(dialog)->accept();
            }
        };
        WhenModal(answerDialog);
        QVERIFY(!w.form.close());
        QVERIFY(!QFile::exists(path + QStringLiteral(".isrprj")));
        cancel = false;
        WhenModal(answerDialog);
        QVERIFY(w.form.close());
        QFile saved(path + QStringLiteral(".isrprj"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("\r\nFloorQty=9\r\n"));
    }

    void TipButtonShowsItsText() {
        Window w;
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        w.click("sbTipProject");
        auto *tip = w.form.findChild<PopupTip *>();
        QVERIFY(tip);
        QTRY_VERIFY(tip->isVisible());
        QCOMPARE(tip->TextStrings().value(0),
                 QStringLiteral("Сохранение проекта в файл с возможностью"));
        QCOMPARE(tip->TextStrings().size(), 4);
        QCOMPARE(w.get<QLineEdit>(ctl::EditLiftPplus)->toolTip(), QStringLiteral("Не менее 20 Па"));
    }

    void HidingTheInputPanelLeavesTheReport() {
        Window w;
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        QVERIFY(!w.get<QWidget>("bbShowPanIn")->isVisible());
        w.click("bbHidePanIn");
        QVERIFY(!w.get<QWidget>("PanelIn")->isVisible());
        QVERIFY(w.get<QWidget>("bbShowPanIn")->isVisible());
        w.click("bbShowPanIn");
        QVERIFY(w.get<QWidget>("PanelIn")->isVisible());
        QVERIFY(!w.get<QWidget>("bbShowPanIn")->isVisible());
    }
};

QTEST_MAIN(SupplyWindowTest)
#include "inflow_window_test.moc"
