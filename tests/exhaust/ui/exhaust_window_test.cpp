// The exhaust window driven as a user drives it: variants, runs, the network list, projects.

#include "catalogs/fire_load_catalog.h"
#include "core/file_io.h"
#include "core/notifier.h"
#include "core/number_text.h"
#include "exhaust/exhaust_project.h"
#include "exhaust/exhaust_test_support.h"
#include "exhaust/ui/exhaust_tips.h"
#include "exhaust/ui/form_shaft_segment.h"
#include "exhaust/ui/form_smk_out_vent_calc.h"
#include "exhaust/ui/shown_numbers.h"
#include "report/report_output.h"
#include "report/ui/report_output_panel.h"
#include "shell/desktop_actions.h"
#include "shell/file_name.h"
#include "shell/popup_tip.h"
#include "shell/project_document.h"
#include "shell/stale_report.h"
#include "url_catcher.h"
#include "window_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QWheelEvent>

#include <cmath>
#include <filesystem>
#include <memory>

using namespace orvane;
using namespace orvane::exhaust;
using namespace orvane::exhaust::test;
using namespace orvane::test;

namespace {

struct Window {
    Window() : form(ShellWindows{}) { form.SetNotifier(&notifier); }
    QLineEdit *edit(ControlName name) { return Find<QLineEdit>(&form, name); }
    QGroupBox *group(const char *name) { return Find<QGroupBox>(&form, name); }
    void choose(ControlName radio) {
        auto *rb = Find<QRadioButton>(&form, radio);
        QVERIFY(rb);
        rb->click();
    }
    QString report() { return form.OutputPanel()->Viewer()->toPlainText(); }
    int n() { return static_cast<int>(form.Segments().size()); }
    void selectSegment(int a) {
        auto *list = Find<QListWidget>(&form, ctl::ListBoxYchastki);
        list->setCurrentRow(ItemOfSegment(a, n()));
    }
    RecordingNotifier notifier;
    TFormSmkOutVentCalc form;
};

// Fills the open segment editor's fields (empty text: left as shown) and presses OK.
struct EditorInput {
    int newStoreys = 0;
    const char *storeys = nullptr; // group mode: "Участок" with this list
    const char *vertL = nullptr;
    const char *horL = nullptr;
    const char *name = nullptr;
};

void FillEditorAndOk(const EditorInput &input) {
    WhenModal([input](QWidget *w) {
        auto *editor = qobject_cast<TFormShaftSegment *>(w);
        QVERIFY(editor);
        if (input.newStoreys > 0)
            editor->SpinNewStoreys->setValue(input.newStoreys);
        if (input.storeys) {
            editor->rbStoreysList->click();
            editor->EditStoreys->setText(QString::fromUtf8(input.storeys));
        }
        if (input.vertL)
            editor->Vert.EditL->setText(QString::fromUtf8(input.vertL));
        if (input.horL)
            editor->Hor.EditL->setText(QString::fromUtf8(input.horL));
        if (input.name)
            editor->EditStoreyName->setText(QString::fromUtf8(input.name));
        editor->OKBtn->click();
    });
}

void AnswerMessageBox(QMessageBox::StandardButton answer, QString *text = nullptr) {
    WhenModal([answer, text](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        QVERIFY(box);
        if (text)
            *text = box->text();
        box->button(answer)->click();
    });
}

} // namespace

class ExhaustWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        SetDecimalSeparator(',');
    }

    // every row of the field table has its control in the window, filed in its index, at the
    // table's start value
    void startsWithEveryFieldAtItsStartValue() {
        Window w;
        QCOMPARE(UnfiledControls(&w.form, w.form.Controls(), kExhaustFields, ctl::kRadioGroups,
                                 {{ctl::cbShaft, ctl::cbDetailed}}),
                 QStringList());
        const ExhaustInputs defaults = ExhaustInputs::Defaults();
        const ExhaustInputs now = w.form.InputsFromControls();
        for (const FieldSpec &f : kExhaustFields) {
            const QByteArray name = CtlName(f.control).toLatin1();
            if (f.kind == FieldKind::choice) {
                QVERIFY2(Find<QComboBox>(&w.form, f.control), name.constData());
                QCOMPARE(now.ComboIndex(f.control), defaults.ComboIndex(f.control));
            } else {
                QVERIFY2(w.edit(f.control), name.constData());
                QCOMPARE(now.Text(f.control), defaults.Text(f.control));
            }
        }
        for (RadioGroup group : ctl::kRadioGroups)
            for (ControlName radio : group) {
                QVERIFY2(Find<QRadioButton>(&w.form, radio), CtlName(radio).toLatin1().constData());
                QCOMPARE(now.IsChecked(radio), defaults.IsChecked(radio));
            }
    }

    void shownNumbersNeverThrow() {
        QCOMPARE(ShownGeneral(2.5), QStringLiteral("2,5"));
        QCOMPARE(ShownFixed62(1.234), QStringLiteral("1,23"));
        for (const double x : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
            QCOMPARE(ShownGeneral(x), QStringLiteral("0"));
            QCOMPARE(ShownFixed62(x), QStringLiteral("0"));
        }
    }

    void parkingCollapsesGroupsAndCorridorRestoresThem() {
        Window w;
        const char *corridorOnly[] = {"gbDoorSizes", "gbCorridorSize"};
        w.choose(ctl::rbCalcParking);
        for (const char *g : {"gbDoorSizes", "gbCorridorSize", "gbFireplace", "gbFireLoads"})
            QVERIFY2(w.group(g)->isHidden(), g);
        for (const char *g : {"gbFirePower", "gbParkingFireplace", "gbHeightNoSmoke"})
            QVERIFY2(!w.group(g)->isHidden(), g);
        w.choose(ctl::rbCalcCorridor);
        for (const char *g : corridorOnly)
            QVERIFY2(!w.group(g)->isHidden(), g);
        for (const char *g :
             {"gbFirePower", "gbParkingFireplace", "gbFireplace", "gbHeightNoSmoke"})
            QVERIFY2(w.group(g)->isHidden(), g);
        QVERIFY(Find<QRadioButton>(&w.form, ctl::rbLivingBuilding)->isEnabled());
        QVERIFY(Find<QWidget>(&w.form, ctl::PanFLDensity)->isEnabled());
    }

    void leavingTheRoomVariantClearsTheFireArea() {
        Window w;
        QVERIFY(!w.edit(ctl::EditFireArea)->isEnabled());
        w.choose(ctl::rbCalcRoom);
        QVERIFY(w.edit(ctl::EditFireArea)->isEnabled());
        QVERIFY(Find<QWidget>(&w.form, "PanGallery")->isHidden());
        w.edit(ctl::EditFireArea)->setText(QStringLiteral("12"));
        w.choose(ctl::rbCalcGallery);
        QCOMPARE(w.edit(ctl::EditFireArea)->text(), QStringLiteral("12"));
        QVERIFY(!Find<QWidget>(&w.form, "PanGallery")->isHidden());
        w.choose(ctl::rbCalcParking);
        // the variant layout no longer clears the fire area (a saved car park keeps FireA=12)
        QVERIFY(w.edit(ctl::EditFireArea)->text().isEmpty());
        QVERIFY(!w.edit(ctl::EditFireArea)->isEnabled());
        w.choose(ctl::rbCalcRoom);
        QVERIFY(w.edit(ctl::EditFireArea)->text().isEmpty());
        QVERIFY(!Find<QRadioButton>(&w.form, ctl::rbLivingBuilding)->isEnabled());
        QVERIFY(!Find<QWidget>(&w.form, ctl::PanFLDensity)->isEnabled());
    }

    void continuationLabelSelectsItsVariant() {
        Window w;
        QTest::mouseClick(Find<QLabel>(&w.form, "LabCalcGallery"), Qt::LeftButton);
        QVERIFY(Find<QRadioButton>(&w.form, ctl::rbCalcGallery)->isChecked());
        QCOMPARE(w.form.Variant(), ExhaustVariant::underGallery);
        QVERIFY(!w.group("gbFireplace")->isHidden());
    }

    void runWithAnInputErrorShowsTheInputsUpToIt() {
        Window w;
        w.edit(ctl::EditCrdrNoSmokeHeight)->setText(QStringLiteral("0"));
        QCOMPARE(w.form.ActionGoNextExecute(), RunOutcome::inputStopped);
        QCOMPARE(w.notifier.messages.size(), size_t(1));
        QCOMPARE(w.notifier.messages[0].kind, std::string("error"));
        QCOMPARE(w.notifier.messages[0].control, ctl::EditCrdrNoSmokeHeight.Str());
        const QString report = w.report();
        QVERIFY(report.contains(QStringLiteral("ИСХОДНЫЕ ДАННЫЕ")));
        QVERIFY(report.contains(QStringLiteral("Высота потолка коридора")));
        QVERIFY(!report.contains(QStringLiteral("Отметка клапана первого обслуживаемого этажа")));
        QVERIFY(!report.contains(QStringLiteral("РАСЧЁТНЫЕ ВЕЛИЧИНЫ")));
    }

    void fullRunOfEachVariantMatchesTheEngine_data() {
        QTest::addColumn<QString>("radio");
        QTest::newRow("corridor") << CtlName(ctl::rbCalcCorridor);
        QTest::newRow("room") << CtlName(ctl::rbCalcRoom);
        QTest::newRow("gallery") << CtlName(ctl::rbCalcGallery);
        QTest::newRow("parking") << CtlName(ctl::rbCalcParking);
    }
    void fullRunOfEachVariantMatchesTheEngine() {
        QFETCH(QString, radio);
        Window w;
        w.choose(ExhaustControl(radio.toStdString()));
        QCOMPARE(w.form.ActionGoNextExecute(), RunOutcome::ok);

        // the same start state straight through the engine
        ExhaustInputs in = ExhaustInputs::Defaults();
        in.Check(ExhaustControl(radio.toStdString()));
        RecordingNotifier quiet;
        ExhaustCalc engine(&quiet);
        QCOMPARE(engine.Run(in), RunOutcome::ok);
        QCOMPARE(w.form.Calc().FanVolumeFlow, engine.FanVolumeFlow);
        QCOMPARE(w.form.Calc().FanPressure, engine.FanPressure);
        QVERIFY(w.form.Calc().FanVolumeFlow > 0);
        QVERIFY(w.report().contains(QStringLiteral("РАСЧЁТНЫЕ ВЕЛИЧИНЫ")));
        QCOMPARE(w.form.OutputPanel()->Report(), engine.Report.RTFull);
        // the engine's speed warnings in one box after the report, none for the corridor
        const std::string warnings = CheckWarningsText(engine.Checks);
        QCOMPARE(w.notifier.messages.size(), size_t(warnings.empty() ? 0 : 1));
        QCOMPARE(radio == CtlName(ctl::rbCalcCorridor), warnings.empty());
        if (!warnings.empty()) {
            QCOMPARE(w.notifier.messages[0].kind, std::string("warning"));
            QCOMPARE(w.notifier.messages[0].text, warnings);
        }
    }

    void defaultCorridorGivesTheKnownDutyPointAndFanCommand() {
        Window w;
        QCOMPARE(w.form.ActionGoNextExecute(), RunOutcome::ok);
        QCOMPARE(FormatRoundedInt(w.form.Calc().FanVolumeFlow), std::string("17565"));
        QCOMPARE(FormatRoundedInt(w.form.Calc().FanPressure), std::string("593"));
        const auto args =
            FanArguments("Smk", w.form.Calc().FanVolumeFlow, w.form.Calc().FanPressure);
        QVERIFY(args.has_value());
        QCOMPARE(FanCommandLine("Brisko", *args), std::string("Brisko -F=Smk -L=17565 -P=593"));
    }

    void briefRunFollowsTheDetailedBox() {
        Window w;
        w.form.ActionGoNextExecute();
        const qsizetype detailed = w.form.OutputPanel()->Report().size();
        Find<QCheckBox>(&w.form, ctl::cbDetailed)->click();
        w.form.ActionGoNextExecute();
        QVERIFY(qsizetype(w.form.OutputPanel()->Report().size()) < detailed);
    }

    void addingThreeStoreysGivesFiveSegments() {
        Window w;
        QCOMPARE(w.n(), 2);
        w.selectSegment(0);
        FillEditorAndOk({3, nullptr, "3,3", nullptr, nullptr});
        Find<QToolButton>(&w.form, "bAdd")->click();
        QCOMPARE(w.n(), 5);
        const NetworkSegments &s = w.form.Segments();
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(s[i].ValveWidth, s[0].ValveWidth);
            QCOMPARE(s[i].Aww, s[0].Aww);
            QCOMPARE(s[i].Lsh, 3.3);
        }
        QCOMPARE(s[4].Lsh, 3.0);
        QCOMPARE(Find<QListWidget>(&w.form, ctl::ListBoxYchastki)->count(), 5);
        QVERIFY(Find<QToolButton>(&w.form, "bRemove")->isEnabled());
    }

    void groupEditingChangesTheListedSegmentsOnly() {
        Window w;
        w.selectSegment(0);
        FillEditorAndOk({5, nullptr, nullptr, nullptr, nullptr});
        Find<QToolButton>(&w.form, "bAdd")->click();
        QCOMPARE(w.n(), 7);
        w.selectSegment(2);
        FillEditorAndOk({0, "1 2, 4-6", "4", nullptr, nullptr});
        Find<QPushButton>(&w.form, "bEditGroup")->click();
        const NetworkSegments &s = w.form.Segments();
        const double expected[] = {4, 4, 3, 4, 4, 4, 3};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(s[i].Lsh, expected[i]);
        // empty fields keep every value, the names are never touched
        QCOMPARE(s[0].Ash, 0.8);
        QCOMPARE(s[0].Material, std::string("Металл"));
    }

    // a typed negative length never reaches a segment: the editor refuses it and stays open
    void editingOneSegmentRefusesATypedNegative() {
        Window w;
        w.selectSegment(1);
        bool stayedOpen = false;
        WhenModal([&stayedOpen](QWidget *dialog) {
            auto *editor = qobject_cast<TFormShaftSegment *>(dialog);
            QVERIFY(editor);
            editor->Hor.EditL->setText(QStringLiteral("-5"));
            editor->EditStoreyName->setText(QStringLiteral("Кровля"));
            editor->OKBtn->click();
            stayedOpen = editor->isVisible();
            editor->Hor.EditL->setText(QStringLiteral("4"));
            editor->OKBtn->click();
        });
        Find<QPushButton>(&w.form, "bEdit")->click();
        QVERIFY(stayedOpen);
        QCOMPARE(w.notifier.messages.size(), size_t(1));
        QCOMPARE(w.notifier.messages[0].text,
                 std::string("Поле «Горизонтальный участок: длина L»: нужно число не меньше 0, "
                             "введено «-5»."));
        QCOMPARE(w.form.Segments()[1].Lww, 4.0);
        QCOMPARE(w.form.Segments()[1].StoreyName, std::string("Кровля"));
    }

    void removingAMiddleSegmentAsksFirst() {
        Window w;
        w.selectSegment(0);
        FillEditorAndOk({1, nullptr, nullptr, nullptr, nullptr});
        Find<QToolButton>(&w.form, "bAdd")->click();
        QCOMPARE(w.n(), 3);
        w.selectSegment(1);
        w.notifier.confirmAnswer = false;
        Find<QToolButton>(&w.form, "bRemove")->click();
        QCOMPARE(w.n(), 3);
        w.notifier.confirmAnswer = true;
        Find<QToolButton>(&w.form, "bRemove")->click();
        QCOMPARE(w.n(), 2);
        QCOMPARE(w.notifier.messages.back().text, std::string("Удалить участок 2 сети?"));
    }

    void shaftSwitchSetsTheSegmentsAsideAndBringsThemBack() {
        Window w;
        w.selectSegment(0);
        FillEditorAndOk({2, nullptr, "2,7", nullptr, nullptr});
        Find<QToolButton>(&w.form, "bAdd")->click();
        const NetworkSegments before = w.form.Segments();
        auto *shaft = Find<QCheckBox>(&w.form, ctl::cbShaft);
        shaft->click();
        QCOMPARE(w.n(), 1);
        QVERIFY(!Find<QToolButton>(&w.form, "bAdd")->isEnabled());
        QVERIFY(!Find<QPushButton>(&w.form, "bEditGroup")->isEnabled());
        QVERIFY(Find<QPushButton>(&w.form, "bEdit")->isEnabled());
        // an edit of segment 0 while the shaft is off stays
        w.selectSegment(0);
        FillEditorAndOk({0, nullptr, nullptr, "7", nullptr});
        Find<QPushButton>(&w.form, "bEdit")->click();
        shaft->click();
        QCOMPARE(w.n(), 4);
        QCOMPARE(w.form.Segments()[0].Lww, 7.0);
        for (int i = 1; i < 4; ++i)
            QCOMPARE(w.form.Segments()[i].Lsh, before[i].Lsh);
    }

    void savedProjectOpensWithEveryValue() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("проект.smkprj"));
        Window a;
        a.choose(ctl::rbCalcGallery);
        a.edit(ctl::EditProjectName)->setText(QStringLiteral("ЖК Северный"));
        a.edit(ctl::EditSystemName)->setText(QStringLiteral("ДУ1"));
        a.edit(ctl::EditFireArea)->setText(QStringLiteral("15,5"));
        a.edit(ctl::EditRoomLength)->setText(QStringLiteral("24"));
        a.edit(ctl::EditInitSmkWidth)->setText(QStringLiteral("2,5"));
        a.edit(ctl::EditWindSpeed)->setText(QStringLiteral("3,2"));
        Find<QRadioButton>(&a.form, ctl::rbOutTownBuilding)->click();
        Find<QRadioButton>(&a.form, ctl::rbEndRoofFan)->click();
        Find<QTableWidget>(&a.form, ctl::sgDoorSizes)->item(1, 0)->setText(QStringLiteral("1,5"));
        Find<QTableWidget>(&a.form, ctl::sgDoorSizes)->item(1, 1)->setText(QStringLiteral("2"));
        a.selectSegment(0);
        FillEditorAndOk({1, nullptr, "3,6", nullptr, "Этаж 2"});
        Find<QToolButton>(&a.form, "bAdd")->click();
        QVERIFY(a.form.HasUnsavedChanges());
        QVERIFY(a.form.SaveProjectFile(file));
        QVERIFY(!a.form.HasUnsavedChanges());

        Window b;
        QVERIFY(b.form.OpenProjectFile(file));
        QVERIFY(!b.form.HasUnsavedChanges());
        std::string bytesA, bytesB;
        QVERIFY(ProjectBytes(a.form.InputsFromControls(), "x", bytesA).ok);
        QVERIFY(ProjectBytes(b.form.InputsFromControls(), "x", bytesB).ok);
        QCOMPARE(bytesB, bytesA);
        QVERIFY(Find<QRadioButton>(&b.form, ctl::rbCalcGallery)->isChecked());
        QCOMPARE(b.edit(ctl::EditFireArea)->text(), QStringLiteral("15,5"));
        QVERIFY(!b.edit(ctl::EditShaftConDuctResist)->isEnabled());
        QVERIFY(Find<QRadioButton>(&b.form, ctl::rbOutTownBuilding)->isChecked());
        QCOMPARE(b.edit(ctl::EditWindSpeed)->text(), QStringLiteral("3,2"));
        QCOMPARE(b.edit(ctl::EditInitSmkWidth)->text(), QStringLiteral("2,5"));
        QCOMPARE(Find<QTableWidget>(&b.form, ctl::sgDoorSizes)->item(1, 0)->text(),
                 QStringLiteral("1,5"));
        QCOMPARE(b.form.Segments(), a.form.Segments());
        QCOMPARE(b.form.Segments()[1].StoreyName, std::string("Этаж 2"));
        // the same inputs give the same report
        a.form.ActionGoNextExecute();
        b.form.ActionGoNextExecute();
        QCOMPARE(b.form.OutputPanel()->Report(), a.form.OutputPanel()->Report());
    }

    void refusedFieldStopsTheRunAndIsFlaggedFromAFile() {
        QTemporaryDir dir;
        const QString file = WriteTestFile(dir, QStringLiteral("typo.smkprj"),
                                           "[Room]\r\nVariant=2\r\nRoomL=5o\r\nRoomW=4\r\n");
        Window w;
        QVERIFY(w.form.OpenProjectFile(file));
        QCOMPARE(w.edit(ctl::EditRoomLength)->text(), QStringLiteral("5o"));
        QVERIFY(IsMarkedInvalid(w.edit(ctl::EditRoomLength)));
        QVERIFY(!IsMarkedInvalid(w.edit(ctl::EditRoomWidth)));
        const QString before = w.report();
        QCOMPARE(w.form.ActionGoNextExecute(), RunOutcome::inputStopped);
        QCOMPARE(w.notifier.messages.size(), size_t(1));
        QCOMPARE(w.notifier.messages[0].text,
                 std::string("Поле «Длина»: нужно число больше 0, введено «5o»."));
        QCOMPARE(w.notifier.messages[0].control, ctl::EditRoomLength.Str());
        QCOMPARE(w.report(), before);
        w.edit(ctl::EditRoomLength)->setText(QStringLiteral("5"));
        QVERIFY(!IsMarkedInvalid(w.edit(ctl::EditRoomLength)));
        w.form.ActionGoNextExecute();
        QVERIFY(w.report() != before);
    }

    void projectThatCannotBeReadKeepsTheInputs() {
        QTemporaryDir dir;
        const QString file =
            WriteTestFile(dir, QStringLiteral("чужой.smkprj"), "[Other]\r\nKey=1\r\n");
        QVERIFY(!file.isEmpty());
        Window w;
        w.edit(ctl::EditRoomLength)->setText(QStringLiteral("77"));
        QString message;
        AnswerMessageBox(QMessageBox::Ok, &message);
        QVERIFY(!w.form.OpenProjectFile(file));
        QVERIFY(!message.isEmpty());
        QCOMPARE(w.edit(ctl::EditRoomLength)->text(), QStringLiteral("77"));
        QCOMPARE(w.n(), 2);
        AnswerMessageBox(QMessageBox::Ok, &message);
        QVERIFY(!w.form.OpenProjectFile(dir.filePath(QStringLiteral("нет.smkprj"))));
        QCOMPARE(w.edit(ctl::EditRoomLength)->text(), QStringLiteral("77"));

        // a name longer than a project holds: refused, never cut to fit the edit
        const QString longName =
            WriteTestFile(dir, QStringLiteral("длинный.smkprj"),
                          "[Project]\r\nName=" + QByteArray(int(kMaxTextLength) + 1, 'A') +
                              "\r\n[Room]\r\nVariant=2\r\nRoomL=5\r\n");
        AnswerMessageBox(QMessageBox::Ok, &message);
        QVERIFY(!w.form.OpenProjectFile(longName));
        QCOMPARE(message, QStringLiteral("Поле «Наименование проекта» ([Project] Name): нужен "
                                         "текст не длиннее 1000 знаков, в файле 1001 знак."));
        QCOMPARE(w.edit(ctl::EditRoomLength)->text(), QStringLiteral("77"));
        for (ControlName name : {ctl::EditProjectName, ctl::EditSystemName})
            QCOMPARE(w.edit(name)->maxLength(), int(kMaxTextLength));
    }

    // a segment value no network can have: the project is not opened half-read, the window
    // keeps its project and inputs, and the file on disk is left as it was
    void refusedSegmentValueKeepsTheWindowAndTheFile() {
        QTemporaryDir dir;
        QFile example(QStringLiteral(EXAMPLES_DIR "/room.smkprj"));
        QVERIFY(example.open(QIODevice::ReadOnly));
        const QByteArray good = example.readAll();
        QByteArray bad = good;
        bad.replace(bad.indexOf("VL=3", bad.indexOf("[Shaft1]")), 4, "VL=-3");
        const QString goodFile = WriteTestFile(dir, QStringLiteral("зал.smkprj"), good);
        const QString badFile = WriteTestFile(dir, QStringLiteral("сеть.smkprj"), bad);
        QVERIFY(!goodFile.isEmpty() && !badFile.isEmpty());
        Window w;
        w.form.show();
        QVERIFY(w.form.OpenProjectFile(goodFile));
        const QString title = w.form.windowTitle();
        std::string before;
        QVERIFY(ProjectBytes(w.form.InputsFromControls(), "", before).ok);

        QString message;
        AnswerMessageBox(QMessageBox::Ok, &message);
        QVERIFY(!w.form.OpenProjectFile(badFile));
        QCOMPARE(message, QStringLiteral("Участок сети 2, поле «Вертикальный участок: длина L» "
                                         "([Shaft1] VL): нужно число больше 0, в файле «-3»."));
        std::string after;
        QVERIFY(ProjectBytes(w.form.InputsFromControls(), "", after).ok);
        QCOMPARE(after, before);
        QCOMPARE(w.form.windowTitle(), title);
        QCOMPARE(w.form.Document()->FilePath(), goodFile);
        QVERIFY(!w.form.HasUnsavedChanges());
        QVERIFY(w.form.close());
        const auto bytesOf = [](const QString &path) {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        QCOMPARE(bytesOf(badFile), bad);
        QCOMPARE(bytesOf(goodFile), good);
    }

    void roomBeyondTheRangeOfARealOpensAndSaves() {
        QTemporaryDir dir;
        const QString file =
            WriteTestFile(dir, QStringLiteral("huge.smkprj"),
                          "[Room]\r\nVariant=2\r\nRoomL=1E308\r\nRoomW=4\r\nFloorA=35\r\n");
        QVERIFY(!file.isEmpty());
        Window w;
        QVERIFY(w.form.OpenProjectFile(file));
        QVERIFY(!w.form.HasUnsavedChanges());
        const QString saved = dir.filePath(QStringLiteral("saved.smkprj"));
        QVERIFY(w.form.SaveProjectFile(saved));
        std::string bytes;
        QVERIFY(ReadFileBytes(saved.toStdString(), bytes).ok);
        QVERIFY(bytes.find("RoomL=1E308\r\nRoomW=4\r\nRoomH=3,9\r\nFloorA=35\r\n") !=
                std::string::npos);
        // sides typed beyond what their product can hold
        w.edit(ctl::EditRoomLength)->setText(QString(200, QLatin1Char('9')));
        w.edit(ctl::EditRoomWidth)->setText(QString(200, QLatin1Char('9')));
        QVERIFY(w.form.HasUnsavedChanges());
        QVERIFY(w.form.SaveProjectFile(saved));
        QVERIFY(!w.form.HasUnsavedChanges());
        w.form.ActionGoNextExecute();
    }

    void closingWithUnsavedChangesAsks() {
        Window w;
        w.form.show();
        QVERIFY(!w.form.HasUnsavedChanges());
        w.edit(ctl::EditCorridorLength)->setText(QStringLiteral("31"));
        QVERIFY(w.form.HasUnsavedChanges());
        QString question;
        AnswerMessageBox(QMessageBox::Cancel, &question);
        QVERIFY(!w.form.close());
        QCOMPARE(question, QStringLiteral("Сохранить изменения в проекте?"));
        QVERIFY(w.form.isVisible());
        AnswerMessageBox(QMessageBox::No);
        QVERIFY(w.form.close());
    }

    // the project as a document: Ctrl+S to its file, the "*" of unsaved changes, the questions
    void saveWritesTheOpenedFileAndClearsTheMark() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("корпус2.smkprj"));
        const QString other = dir.filePath(QStringLiteral("копия.smkprj"));
        {
            Window a;
            a.edit(ctl::EditProjectName)->setText(QStringLiteral("Корпус 2"));
            QVERIFY(a.form.SaveProjectFile(file));
        }
        Window w;
        int dialogs = 0;
        w.form.Document()->SetFileDialog([&](bool save, const QString &proposed) {
            ++dialogs;
            // "save as" offers the current file's name and folder
            return save && proposed == file ? other : QString();
        });
        const QString caption =
            QStringLiteral(" — Орвейн - Расчёт системы вытяжной противодымной вентиляции");
        QCOMPARE(w.form.windowTitle(), QStringLiteral("Новый проект") + caption);
        QVERIFY(w.form.OpenProjectFile(file));
        QCOMPARE(w.form.windowTitle(), QStringLiteral("корпус2.smkprj") + caption);
        w.edit(ctl::EditCorridorLength)->setText(QStringLiteral("31"));
        QTRY_COMPARE(w.form.windowTitle(), QStringLiteral("корпус2.smkprj*") + caption);

        auto *save = Find<QAction>(&w.form, "ActionSave");
        QCOMPARE(save->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        save->trigger();
        QCOMPARE(dialogs, 0);
        QCOMPARE(w.form.windowTitle(), QStringLiteral("корпус2.smkprj") + caption);
        auto *saveAs = Find<QAction>(&w.form, "ActionSaveFile");
        QCOMPARE(saveAs->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        saveAs->trigger();
        QCOMPARE(dialogs, 1);
        QCOMPARE(w.form.Document()->FilePath(), other);
        // the same bytes as through the dialog, but for the time in the header
        const auto body = [](const QString &path) {
            std::string bytes;
            ReadFileBytes(path.toStdString(), bytes);
            const size_t created = bytes.find("# Created");
            return bytes.erase(created, bytes.find('\n', created) - created);
        };
        QVERIFY(body(file).find("CrdrL=31\r\n") != std::string::npos);
        QCOMPARE(body(file), body(other));
    }

    // a name that is not valid UTF-8 (as a Linux file name may be) opens from the open dialog
    // and from a drop, and saves under its own bytes, as orvane-calc reads it
    void projectUnderANameThatIsNotTextOpensAndSaves() {
        QTemporaryDir dir;
        std::string example;
        QVERIFY(ReadFileBytes(EXAMPLES_DIR "/room.smkprj", example).ok);
        example.replace(example.find("RoomL=5\r\n"), 7, "RoomL=17");
        const std::string name = FileNameBytes(dir.path()) + "/\xFF\xC0 корпус.smkprj";
        QVERIFY(WriteFileAtomic(name, example).ok);
        // (removed here: the temporary folder does not see a name that is not text)
        const auto remove = qScopeGuard([&name] { std::filesystem::remove(name); });

        QMimeData dropped;
        QByteArray url = "file://" + QByteArray::fromStdString(name).toPercentEncoding("/");
        dropped.setUrls({QUrl::fromEncoded(url)});
        QCOMPARE(FileNameBytes(DroppedProjectFile(&dropped)), name);

        Window w;
        w.form.Document()->SetFileDialog(
            [&](bool save, const QString &) { return save ? QString() : FileNameFromBytes(name); });
        Find<QAction>(&w.form, "ActionOpenFile")->trigger();
        QCOMPARE(FileNameBytes(w.form.Document()->FilePath()), name);
        QCOMPARE(w.edit(ctl::EditRoomLength)->text(), QStringLiteral("17"));
        w.edit(ctl::EditProjectName)->setText(QStringLiteral("Сохранён под своим именем"));
        Find<QAction>(&w.form, "ActionSave")->trigger();
        std::string saved;
        QVERIFY(ReadFileBytes(name, saved).ok);
        QVERIFY(saved.find("Name=\xD1\xEE\xF5\xF0\xE0\xED\xB8\xED") != std::string::npos);
        // the one file, saved in place of the old: none beside it under a replaced name
        QCOMPARE(std::distance(std::filesystem::directory_iterator(dir.path().toStdString()),
                               std::filesystem::directory_iterator()),
                 std::ptrdiff_t(1));
    }

    // a number field holds a text of any length a file can hold: nothing is cut on the next
    // save (the names are bounded where they are read, and their edits take no more)
    void longValueIsKeptWhole() {
        Window w;
        const QString text(40000, QChar(u'7'));
        w.edit(ctl::EditRoomLength)->setText(text);
        QCOMPARE(w.edit(ctl::EditRoomLength)->text().size(), text.size());
        QCOMPARE(w.form.InputsFromControls().Text(ctl::EditRoomLength), text.toStdString());
    }

    void openWithUnsavedChangesAndCancelKeepsEveryInput() {
        Window w;
        int dialogs = 0;
        w.form.Document()->SetFileDialog([&](bool, const QString &) {
            ++dialogs;
            return QString();
        });
        w.edit(ctl::EditCorridorLength)->setText(QStringLiteral("31"));
        Find<QCheckBox>(&w.form, ctl::cbShaft)->click();
        std::string before;
        QVERIFY(ProjectBytes(w.form.InputsFromControls(), "", before).ok);
        for (const char *command : {"ActionOpenFile", "ActionNewProject"}) {
            QString question;
            AnswerMessageBox(QMessageBox::Cancel, &question);
            Find<QAction>(&w.form, command)->trigger();
            QCOMPARE(question, QStringLiteral("Сохранить изменения в проекте?"));
            std::string after;
            QVERIFY(ProjectBytes(w.form.InputsFromControls(), "", after).ok);
            QCOMPARE(after, before);
        }
        QCOMPARE(dialogs, 0);
        // "Нет" drops the changes: a new project has the start values again
        AnswerMessageBox(QMessageBox::No);
        Find<QAction>(&w.form, "ActionNewProject")->trigger();
        QCOMPARE(w.edit(ctl::EditCorridorLength)->text(),
                 QString::fromStdString(ExhaustInputs::Defaults().Text(ctl::EditCorridorLength)));
        QCOMPARE(w.n(), 2);
        QVERIFY(!w.form.HasUnsavedChanges());
    }

    void projectOfTheSupplyModuleOpensElsewhere() {
        QTemporaryDir dir;
        QFile example(QStringLiteral(EXAMPLES_DIR "/lift.isrprj"));
        QVERIFY(example.open(QIODevice::ReadOnly));
        // a supply project under the exhaust extension: what the file holds decides
        const QString file = WriteTestFile(dir, QStringLiteral("лифт.smkprj"), example.readAll());
        Window w;
        QStringList elsewhere;
        w.form.Document()->SetOpenElsewhere([&](const QString &path) {
            elsewhere << path;
            return true;
        });
        w.edit(ctl::EditRoomLength)->setText(QStringLiteral("77"));
        w.selectSegment(0);
        FillEditorAndOk({1, nullptr, "3,6", nullptr, "Этаж 2"});
        Find<QToolButton>(&w.form, "bAdd")->click();
        std::string before;
        QVERIFY(ProjectBytes(w.form.InputsFromControls(), "", before).ok);
        QString message;
        AnswerMessageBox(QMessageBox::Ok, &message);
        QVERIFY(!w.form.OpenProjectFile(file));
        QVERIFY(message.contains(QStringLiteral("лифт.smkprj")));
        QVERIFY(message.endsWith(
            QStringLiteral("Это проект подпора воздуха; он открыт в новом окне.")));
        QCOMPARE(elsewhere, QStringList{file});
        std::string after;
        QVERIFY(ProjectBytes(w.form.InputsFromControls(), "", after).ok);
        QCOMPARE(after, before);
        QCOMPARE(w.n(), 3);
        QVERIFY(w.form.Document()->FilePath().isEmpty());
    }

    void editAfterARunMarksTheReportStale() {
        // a fan program beside the program's folder: the fan command is there to be disabled
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("Brisko")));
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("bin")));
        QVERIFY(!WriteTestFile(root, QStringLiteral("Brisko/Brisko"), "#!/bin/sh\n").isEmpty());
        TFormSmkOutVentCalc form(ShellWindows{}, nullptr, root.filePath(QStringLiteral("bin")));
        RecordingNotifier notifier;
        form.SetNotifier(&notifier);
        auto *banner = Find<QLabel>(&form, "LabStaleReport");
        auto *fan = Find<QPushButton>(&form, "bbFan");
        auto *length = Find<QLineEdit>(&form, ctl::EditCorridorLength);
        QVERIFY(banner && fan && length);
        QVERIFY(fan->isEnabled());
        form.ActionGoNextExecute();
        QVERIFY(fan->isEnabled());
        QVERIFY(!banner->isVisibleTo(&form));
        length->setText(QStringLiteral("31"));
        QTRY_VERIFY(banner->isVisibleTo(&form));
        QCOMPARE(banner->text(), QStringLiteral("Исходные данные изменены после расчёта. Нажмите "
                                                "«Расчет», чтобы обновить отчёт."));
        QVERIFY(!fan->isEnabled());
        // saving the outdated report asks first; "Нет" saves nothing
        int asked = 0;
        form.StaleMark()->SetSaveQuestion([&] {
            ++asked;
            return int(QMessageBox::No);
        });
        Find<QPushButton>(&form, "bbSaveToFile")->click();
        QCOMPARE(asked, 1);
        // the edit taken back: the report is current again
        length->setText(
            QString::fromStdString(ExhaustInputs::Defaults().Text(ctl::EditCorridorLength)));
        QTRY_VERIFY(!banner->isVisibleTo(&form));
        length->setText(QStringLiteral("31"));
        QTRY_VERIFY(banner->isVisibleTo(&form));
        form.ActionGoNextExecute();
        QVERIFY(!banner->isVisibleTo(&form));
        QVERIFY(fan->isEnabled());
    }

    void sharedCommandsKeysTipsAndFirstFocus() {
        Window w;
        QCOMPARE(SharedCommandFaults(&w.form), QStringList());
        w.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QCOMPARE(QApplication::focusWidget(), w.edit(ctl::EditProjectName));
    }

    void wheelOverAGridWithNothingToScrollScrollsThePage() {
        Window w;
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        auto *page = Find<QScrollArea>(&w.form, "ScrollBoxStart")->verticalScrollBar();
        QVERIFY(page->maximum() > 0);
        auto *grid = Find<QTableWidget>(&w.form, ctl::sgDoorSizes);
        auto *gridBar = grid->verticalScrollBar();
        gridBar->setValue(gridBar->maximum());
        const int before = page->value();
        const QPoint at = grid->viewport()->rect().center();
        QWheelEvent down(at, grid->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid->viewport(), &down);
        QVERIFY(page->value() > before);
        QCOMPARE(gridBar->value(), gridBar->maximum());
        // up: the grid scrolls first, the page stays
        const int pageNow = page->value();
        QWheelEvent up(at, grid->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid->viewport(), &up);
        QCOMPARE(page->value(), pageNow);
        QVERIFY(gridBar->value() < gridBar->maximum());
    }

    void variantRadiosSwitchPanelsHoweverChecked() {
        Window w;
        Find<QRadioButton>(&w.form, ctl::rbCalcParking)->setChecked(true);
        QCOMPARE(w.form.Variant(), ExhaustVariant::parking);
        QVERIFY(w.group("gbFirePower")->isVisibleTo(&w.form));
        QVERIFY(!w.group("gbFireLoads")->isVisibleTo(&w.form));
        Find<QRadioButton>(&w.form, ctl::rbCalcCorridor)->setChecked(true);
        QCOMPARE(w.form.Variant(), ExhaustVariant::corridor);
        QVERIFY(w.group("gbCorridorSize")->isVisibleTo(&w.form));
        Find<QRadioButton>(&w.form, ctl::rbEndRoofFan)->setChecked(true);
        QVERIFY(!w.edit(ctl::EditShaftConDuctResist)->isEnabled());
    }

    void manualHasEveryGroupAndOpensAtTheTopic() {
        Window w;
        QCOMPARE(GroupsWithoutManualEntry(&w.form, QStringLiteral(MANUAL_DIR "/exhaust.html")),
                 QStringList());
        UrlCatcher urls;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &urls, "open");
        SetManualFolder(QStringLiteral(MANUAL_DIR));
        auto *help = Find<QAction>(&w.form, "NHelp");
        QCOMPARE(help->shortcut(), QKeySequence(Qt::Key_F1));
        w.choose(ctl::rbCalcParking);
        help->trigger();
        // F1 in a field: the field's group
        w.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        w.edit(ctl::EditWindSpeed)->setFocus();
        help->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        SetManualFolder({});
        QCOMPARE(urls.opened.size(), 2);
        QVERIFY(urls.opened[0].toLocalFile().endsWith(QStringLiteral("/exhaust.html")));
        QCOMPARE(urls.opened[0].fragment(), QStringLiteral("parking"));
        QCOMPARE(urls.opened[1].fragment(), QStringLiteral("gbOutside"));
    }

    void corridorHeightShowsTheRecommendedRange() {
        Window w;
        auto *range = Find<QLabel>(&w.form, "LabCrdrNoSmkRange");
        QCOMPARE(range->text(), QStringLiteral("(от 2 до 2,5 м)"));
        w.edit(ctl::EditCorridorHeight)->setText(QStringLiteral("6x"));
        QCOMPARE(range->text(), QStringLiteral("(от 2,4 до 3 м)"));
    }

    void roomSizeFormKeepsTheRoom() {
        Window w;
        w.edit(ctl::EditRoomLength)->setText(QStringLiteral("12,5"));
        Find<QComboBox>(&w.form, ctl::cbRoomSizeVariant)->setCurrentIndex(1);
        QCOMPARE(w.edit(ctl::EditFloorAreaSH)->text(), QStringLiteral("50"));
        QVERIFY(!Find<QWidget>(&w.form, "PanRoomSBH")->isHidden());
        w.edit(ctl::EditRoomWidthSH)->setText(QStringLiteral("5"));
        Find<QComboBox>(&w.form, ctl::cbRoomSizeVariant)->setCurrentIndex(0);
        QCOMPARE(w.edit(ctl::EditRoomLength)->text(), QStringLiteral("10"));
    }

    void endSegmentChoiceEnablesTheExhaustFields() {
        Window w;
        Find<QRadioButton>(&w.form, ctl::rbEndRoofFan)->click();
        QVERIFY(!w.edit(ctl::EditShaftConDuctResist)->isEnabled());
        QVERIFY(!w.edit(ctl::EditExhaustGasSpeed)->isEnabled());
        Find<QRadioButton>(&w.form, ctl::rbEndExhaust)->click();
        QVERIFY(w.edit(ctl::EditExhaustGasSpeed)->isEnabled());
    }

    void hidingThePanelKeepsItsScrollPosition() {
        Window w;
        w.form.resize(1000, 600);
        w.form.show();
        auto *hide = Find<QPushButton>(&w.form, "bbHidePanIn");
        auto *show = Find<QPushButton>(&w.form, "bbShowPanIn");
        QVERIFY(show->isHidden());
        QScrollBar *bar = Find<QScrollArea>(&w.form, "ScrollBoxStart")->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 100);
        bar->setValue(100);
        hide->click();
        QVERIFY(Find<QWidget>(&w.form, "PanelIn")->isHidden());
        QVERIFY(!show->isHidden());
        show->click();
        QVERIFY(!Find<QWidget>(&w.form, "PanelIn")->isHidden());
        QVERIFY(show->isHidden());
        QCOMPARE(bar->value(), 100);
    }

    void newCalculationCarriesTheCompactSwitch() {
        ShellWindows compact;
        compact.bannerMode = false;
        TFormSmkOutVentCalc w(compact);
        QVERIFY(w.NewCalcArguments().join(QLatin1Char(' ')).contains(QStringLiteral("-B")));
        TFormSmkOutVentCalc banner{ShellWindows{}};
        QVERIFY(!banner.NewCalcArguments().join(QLatin1Char(' ')).contains(QStringLiteral("-B")));
    }

    void fireLoadPanelTakesTheChosenCatalogueEntry() {
        Window w;
        const TFireLoad first = BuiltInFireLoads().front();
        WhenModal([](QWidget *dialog) {
            auto *grid = dialog->findChild<QTableWidget *>();
            QVERIFY(grid);
            grid->setCurrentCell(0, 0);
            Find<QPushButton>(dialog, "bbOk")->click();
        });
        QTest::mouseClick(Find<QWidget>(&w.form, ctl::PanFireLoad), Qt::LeftButton);
        QCOMPARE(w.form.InputsFromControls().FireLoad, first);
        QCOMPARE(Find<QLabel>(&w.form, "LabFireLoadName")->text(),
                 QString::fromStdString(first.Name));
        // the density panel takes no clicks outside the corridor variant
        w.choose(ctl::rbCalcRoom);
        const TFireLoadDensity density = w.form.InputsFromControls().FireLoadDensity;
        QTest::mouseClick(Find<QWidget>(&w.form, ctl::PanFLDensity), Qt::LeftButton);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(w.form.InputsFromControls().FireLoadDensity, density);
    }

    void everyTipButtonShowsItsText() {
        PopupTip tip;
        ShellWindows shell;
        shell.popupTip = &tip;
        TFormSmkOutVentCalc form(shell);
        for (const char *name :
             {"sbTipProject",         "sbTipCalcCorridor", "sbTipCalcRoom",   "sbTipCalcGallery",
              "sbTipCalcParking",     "sbTipBuilding",     "sbTipLocation",   "sbTipAUPT",
              "sbTipFireArea",        "sbTipQr",           "sbTipRoomSizes",  "sbTipDoorSizes",
              "sbTipNoSmokeH",        "sbTipFireLoad",     "sbTipFLDensity",  "sbTipFL",
              "sbTipFireHeatPower",   "sbTipCrdrDoor",     "sbTipCrdrHeight", "sbTipCrdrNoSmkH",
              "sbTipBurningFullness", "sbTipShaftHdr",     "sbTipShaft",      "sbTipEndSegment",
              "sbTipExhaust"}) {
            QVERIFY2(Find<QToolButton>(&form, name), name);
            QVERIFY2(!ExhaustTipText(QString::fromLatin1(name)).isEmpty(), name);
        }
        Find<QToolButton>(&form, "sbTipDoorSizes")->click();
        QVERIFY(tip.isVisible());
        QCOMPARE(tip.TextStrings(),
                 QStringList({QStringLiteral("Все проёмы, окна и двери, выходящие наружу, а также"),
                              QStringLiteral("проёмы, окна и двери, ведущие в смежные помещения,"),
                              QStringLiteral("включая выход по пути эвакуации.")}));
        tip.hide();
    }

    void everyInputHasAnAccessibleName() {
        Window w;
        for (QWidget *c : w.form.findChildren<QWidget *>()) {
            const QString name = c->objectName();
            const bool input =
                (qobject_cast<QLineEdit *>(c) && name.startsWith(QStringLiteral("Edit"))) ||
                qobject_cast<QToolButton *>(c);
            if (input && !c->isHidden() && c->window() == &w.form)
                QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(name));
        }
    }
};

QTEST_MAIN(ExhaustWindowTest)
#include "exhaust_window_test.moc"
