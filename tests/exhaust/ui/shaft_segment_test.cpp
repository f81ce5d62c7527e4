// The segment editor on its own: its three modes, the valve choice, OK's check.

#include "core/notifier.h"
#include "core/number_text.h"
#include "exhaust/segment.h"
#include "exhaust/ui/form_shaft_segment.h"
#include "shell/form_controls.h"
#include "window_test_support.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>

using namespace orvane;
using namespace orvane::exhaust;
using namespace orvane::test;

class ShaftSegmentTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        SetDecimalSeparator(',');
    }

    void modesShowTheirPanels() {
        TFormShaftSegment editor;
        const NetworkSegments net = DefaultNetwork();

        editor.State = EditorForAdd(net, true);
        editor.show();
        QCOMPARE(editor.windowTitle(), QStringLiteral("Параметры участка сети - Новый"));
        QVERIFY(!editor.PanelNewStoreys->isHidden());
        QVERIFY(editor.PanelValve->isHidden()); // new storeys take segment 0's valve
        QVERIFY(editor.Hor.Params->isHidden());
        QVERIFY(!editor.Vert.Params->isHidden());
        QCOMPARE(editor.Vert.EditL->text(), QStringLiteral("3"));
        QCOMPARE(editor.SpinNewStoreys->value(), 1);
        editor.hide();

        editor.State = EditorForEditOne(net, 0, true);
        editor.show();
        QCOMPARE(editor.windowTitle(), QStringLiteral("Параметры участка сети 1"));
        QVERIFY(!editor.PanelValve->isHidden());
        QVERIFY(editor.PanelNewStoreys->isHidden());
        QVERIFY(editor.PanelStoreys->isHidden());
        QCOMPARE(editor.cbValveSize->currentText(), QStringLiteral("800 x 600"));
        QCOMPARE(editor.Hor.EditA->text(), QStringLiteral("0,8"));
        QVERIFY(editor.Hor.Materials->checkedButton());
        QCOMPARE(editor.Hor.Materials->checkedButton()->text(), QStringLiteral("Металл"));
        editor.hide();

        editor.State = EditorForEditGroup(net, 1, true);
        editor.show();
        QCOMPARE(editor.windowTitle(), QStringLiteral("Параметры участка сети - Группа"));
        QVERIFY(editor.PanelValve->isHidden());
        QVERIFY(!editor.PanelStoreys->isHidden());
        QVERIFY(!editor.EditStoreyName->isEnabled());
        QVERIFY(editor.rbStoreysCurrent->isChecked());
        QCOMPARE(editor.EditStoreys->text(), QStringLiteral("2"));
        QVERIFY(editor.Vert.EditL->text().isEmpty());
        QVERIFY(!editor.Vert.gbMaterial->isEnabled());
        editor.rbStoreysAll->click();
        QCOMPARE(editor.EditStoreys->text(), QStringLiteral("1, 2"));
        editor.OKBtn->click();
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        QCOMPARE(editor.State.StoreyName, std::string(kGroupStoreyName));
        QCOMPARE(editor.State.Li, -1.0);
        QCOMPARE(editor.State.Material, std::string());
        QCOMPARE(editor.State.StoreysArr, (std::vector<int>{0, 1}));
    }

    void verticalSizesMustBePositive_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("l");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no A") << "0"
                              << "0,6"
                              << "3"
                              << "EditVertA";
        QTest::newRow("no B") << "0,8"
                              << ""
                              << "3"
                              << "EditVertB";
        QTest::newRow("no L") << "0,8"
                              << "0,6"
                              << "-1"
                              << "EditVertL";
        QTest::newRow("no B, no L") << "0,8"
                                    << "0"
                                    << "0"
                                    << "EditVertB";
    }
    void verticalSizesMustBePositive() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, l);
        QFETCH(QString, focus);
        TFormShaftSegment editor;
        RecordingNotifier notifier;
        editor.SetNotifier(&notifier);
        editor.State = EditorForEditOne(DefaultNetwork(), 1, true);
        editor.show();
        editor.Vert.EditA->setText(a);
        editor.Vert.EditB->setText(b);
        editor.Vert.EditL->setText(l);
        editor.OKBtn->click();
        QVERIFY(editor.isVisible());
        QCOMPARE(notifier.messages.size(), size_t(1));
        QCOMPARE(notifier.messages[0].text,
                 std::string("Необходимо задать для вертикального участка\rразмеры > 0."));
        QCOMPARE(QString::fromStdString(notifier.messages[0].control), focus);
    }

    // the editor takes what a project file's segment may hold, by the same ranges
    void numberFieldsTakeTheSegmentRanges_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("horizontal length") << "EditHorL"
                                           << "-6"
                                           << "Поле «Горизонтальный участок: длина L»: нужно "
                                              "число не меньше 0, введено «-6».";
        QTest::newRow("letters") << "EditHorA"
                                 << "0,8o"
                                 << "Поле «Горизонтальный участок: сторона A»: нужно число не "
                                    "меньше 0, введено «0,8o».";
        QTest::newRow("vertical coefficient") << "EditVertZ"
                                              << "-1"
                                              << "Поле «Вертикальный участок: сумма КМС Zш»: "
                                                 "нужно число не меньше 0, введено «-1».";
        QTest::newRow("vertical length") << "EditVertL"
                                         << "3м"
                                         << "Поле «Вертикальный участок: длина L»: нужно число "
                                            "больше 0, введено «3м».";
        QTest::newRow("node coefficient")
            << "EditNodeZ"
            << "nan"
            << "Поле «Коэффициент местного сопротивления узла присоединения»: нужно число не "
               "меньше 0, введено «nan».";
        QTest::newRow("empty outside group mode")
            << "EditHorZ"
            << ""
            << "Поле «Горизонтальный участок: сумма КМС Zвв»: нужно число не меньше 0, поле не "
               "заполнено.";
    }
    void numberFieldsTakeTheSegmentRanges() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        TFormShaftSegment editor;
        RecordingNotifier notifier;
        editor.SetNotifier(&notifier);
        editor.State = EditorForEditOne(DefaultNetwork(), 0, true);
        editor.show();
        auto *edit = editor.findChild<QLineEdit *>(field);
        QVERIFY(edit);
        edit->setText(text);
        QCOMPARE(IsMarkedInvalid(edit), !text.isEmpty());
        editor.OKBtn->click();
        QVERIFY(editor.isVisible());
        QCOMPARE(notifier.messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(notifier.messages[0].text), message);
        QCOMPARE(QString::fromStdString(notifier.messages[0].control), field);
        edit->setText(QStringLiteral("1,5"));
        QVERIFY(!IsMarkedInvalid(edit));
        editor.OKBtn->click();
        QCOMPARE(editor.result(), int(QDialog::Accepted));
    }

    // group mode: an empty field keeps every segment's value, a refused text is still refused
    void groupModeRefusesTextsButKeepsEmptyFields() {
        TFormShaftSegment editor;
        RecordingNotifier notifier;
        editor.SetNotifier(&notifier);
        editor.State = EditorForEditGroup(DefaultNetwork(), 0, true);
        editor.show();
        editor.Vert.EditL->setText(QStringLiteral("0"));
        editor.OKBtn->click();
        QVERIFY(editor.isVisible());
        QCOMPARE(notifier.messages.size(), size_t(1));
        QCOMPARE(notifier.messages[0].control, std::string("EditVertL"));
        editor.Vert.EditL->clear();
        editor.Hor.EditL->setText(QStringLiteral("4,5"));
        editor.OKBtn->click();
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        QCOMPARE(editor.State.Li, -1.0);
        QCOMPARE(editor.State.HorL, 4.5);
    }

    void valveFilterAndListFollowTheChoice() {
        TFormShaftSegment editor;
        editor.State = EditorForEditOne(DefaultNetwork(), 0, true);
        editor.show();
        editor.rbValveByWidth->click();
        QCOMPARE(editor.cbValveWH->currentText(), QStringLiteral("800 мм"));
        QCOMPARE(editor.cbValveSize->currentText(), QStringLiteral("800 x 600"));
        const int i1000 = editor.cbValveWH->findText(QStringLiteral("1000 мм"));
        QVERIFY(i1000 >= 0);
        editor.cbValveWH->setCurrentIndex(i1000);
        QVERIFY(editor.cbValveSize->currentText().startsWith(QStringLiteral("1000 x ")));
        QCOMPARE(editor.Hor.EditA->text(), QStringLiteral("1"));
        QCOMPARE(editor.Vert.EditA->text(), QStringLiteral("1"));
        editor.rbValveAll->click();
        QVERIFY(!editor.cbValveWH->isEnabled());
        QCOMPARE(editor.cbValveSize->count(), 378);
        QVERIFY(editor.cbValveSize->currentText().startsWith(QStringLiteral("1000 x ")));
        QVERIFY(!editor.LabValveArea->text().isEmpty());
        editor.OKBtn->click();
        QCOMPARE(editor.State.ValveWidth, 1000);
        QVERIFY(editor.State.ValveArea > 0);
    }

    void nodeMenuWritesItsCoefficient() {
        TFormShaftSegment editor;
        editor.State = EditorForEditOne(DefaultNetwork(), 0, true);
        editor.show();
        QCOMPARE(editor.EditNodeZ->text(), QStringLiteral("1,8"));
        editor.PopupMenuValveZ->findChild<QAction *>(QStringLiteral("NValveFront"))->trigger();
        QCOMPARE(editor.EditNodeZ->text(), QStringLiteral("1,07"));
        editor.OKBtn->click();
        QCOMPARE(editor.State.NodeResistCoef, 1.07);
    }

    void storeyFieldTakesOnlyItsCharacters() {
        TFormShaftSegment editor;
        editor.State = EditorForEditGroup(DefaultNetwork(), 0, true);
        editor.State.QuanStoreys = 9;
        editor.show();
        editor.rbStoreysList->click();
        editor.EditStoreys->clear();
        QTest::keyClicks(editor.EditStoreys, QStringLiteral("1a; 2-5x, 9"));
        QCOMPARE(editor.EditStoreys->text(), QStringLiteral("1 2-5, 9"));
        editor.OKBtn->click();
        QCOMPARE(editor.State.StoreysArr, (std::vector<int>{0, 1, 2, 3, 4, 8}));
    }

    void changeBoxesEnableTheMaterialInGroupMode() {
        TFormShaftSegment editor;
        editor.State = EditorForEditGroup(DefaultNetwork(), 0, true);
        editor.show();
        QVERIFY(!editor.Hor.cbChange->isHidden());
        editor.Hor.cbChange->click();
        QVERIFY(editor.Hor.gbMaterial->isEnabled());
        QCOMPARE(editor.Hor.Materials->checkedButton()->text(), QStringLiteral("Металл"));
        editor.Hor.Materials->button(1)->click();
        editor.OKBtn->click();
        QCOMPARE(editor.State.HorMaterial, std::string("Бетон"));
        QCOMPARE(editor.State.Material, std::string());
    }
};

QTEST_MAIN(ShaftSegmentTest)
#include "shaft_segment_test.moc"
