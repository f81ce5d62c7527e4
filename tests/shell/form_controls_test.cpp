// The index of a page's controls the builders fill; accessible names the windows derive from
// the captions of their controls; the captions' measures.

#include "shell/form_controls.h"

#include "exhaust/exhaust_controls.h"
#include "inflow/inflow_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <span>

using namespace orvane;

class FormControlsTest : public QObject {
    Q_OBJECT
private slots:
    // What the builders make is filed under its control name and answered by kind; a name never
    // built, or asked for as another kind of control, answers null.
    void indexAnswersWhatTheBuildersMade() {
        namespace ctl = exhaust::ctl;
        QWidget page;
        auto *grid = new QGridLayout(&page);
        ControlIndex controls;
        const FieldRow row = AddFieldRow(
            grid, 0, *FindField(exhaust::kExhaustFields, ctl::EditRoomLength), &page, controls);
        auto *radio = controls.Create<QRadioButton>(ctl::rbCalcRoom, QStringLiteral("зал"), &page);
        auto *check = controls.Create<QCheckBox>(ctl::cbShaft, QStringLiteral("шахта"), &page);
        auto *combo = controls.Create<QComboBox>(ctl::cbRoomSizeVariant, &page);

        QVERIFY(row.edit);
        QCOMPARE(controls.Edit(ctl::EditRoomLength), row.edit);
        QCOMPARE(controls.Button(ctl::rbCalcRoom), radio);
        QCOMPARE(controls.Button(ctl::cbShaft), check);
        QCOMPARE(controls.Combo(ctl::cbRoomSizeVariant), combo);
        // the control carries its name as the window's other code and the tests know it
        QCOMPARE(row.edit->objectName(), QStringLiteral("EditRoomLength"));
        QCOMPARE(radio->objectName(), QStringLiteral("rbCalcRoom"));
        QCOMPARE(radio->text(), QStringLiteral("зал"));
        QCOMPARE(combo->parent(), &page);

        const struct {
            ControlName name;
            bool edit, button, combo;
        } nulls[] = {
            {ctl::EditRoomWidth, true, true, true}, // never built
            {ctl::EditRoomLength, false, true, true},
            {ctl::rbCalcRoom, true, false, true},
            {ctl::cbRoomSizeVariant, true, true, false},
        };
        for (const auto &n : nulls) {
            const QByteArray name = CtlName(n.name).toLatin1();
            QVERIFY2(!n.edit || !controls.Edit(n.name), name.constData());
            QVERIFY2(!n.button || !controls.Button(n.name), name.constData());
            QVERIFY2(!n.combo || !controls.Combo(n.name), name.constData());
        }
    }

    // A row is enabled as one: the control, its caption and unit as AddFieldRow filed them, the
    // tip and the other parts the window filed; a row of another control is left alone. A
    // message's control name finds its widget whatever its kind.
    void rowIsEnabledAsOneByItsControl() {
        namespace ctl = exhaust::ctl;
        QWidget page;
        auto *grid = new QGridLayout(&page);
        ControlIndex controls;
        const FieldRow length = AddFieldRow(
            grid, 0, *FindField(exhaust::kExhaustFields, ctl::EditRoomLength), &page, controls);
        const FieldRow width = AddFieldRow(
            grid, 1, *FindField(exhaust::kExhaustFields, ctl::EditRoomWidth), &page, controls);
        auto *tip = new QWidget(&page);
        auto *part = new QWidget(&page);
        controls.SetRowTip(ctl::EditRoomLength, tip);
        controls.AddToRow(ctl::EditRoomLength, part);
        QVERIFY(length.unit);
        QCOMPARE(controls.RowLabel(ctl::EditRoomLength), length.label);
        QCOMPARE(controls.RowUnit(ctl::EditRoomLength), length.unit);
        QCOMPARE(controls.RowTip(ctl::EditRoomLength), tip);
        QVERIFY(!controls.RowTip(ctl::EditRoomWidth));

        controls.SetRowEnabled(ctl::EditRoomLength, false);
        for (QWidget *w :
             {static_cast<QWidget *>(length.label), static_cast<QWidget *>(length.edit),
              static_cast<QWidget *>(length.unit), tip, part})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        for (QWidget *w : {static_cast<QWidget *>(width.label), static_cast<QWidget *>(width.edit)})
            QVERIFY(w->isEnabled());
        controls.SetRowEnabled(ctl::EditRoomLength, true);
        QVERIFY(length.label->isEnabled() && tip->isEnabled() && part->isEnabled());
        // a name never filed has no row: nothing happens
        controls.SetRowEnabled(ctl::EditRoomHeight, false);

        QCOMPARE(controls.Named("EditRoomWidth"), static_cast<QWidget *>(width.edit));
        QVERIFY(!controls.Named("EditRoomHeight"));
    }

    void accessibleCaptionIsOneLineWithoutTheColon() {
        const struct {
            const char *caption;
            const char *name;
        } cases[] = {
            {"Длина помещения, L:", "Длина помещения, L"},
            {"  Ширина:  ", "Ширина"},
            {"Высота двери\nиз горящего помещения:", "Высота двери из горящего помещения"},
            {"Высота ::", "Высота"},
            {"Выходы в ЛШ: с этажа", "Выходы в ЛШ: с этажа"},
            {"", ""},
        };
        for (const auto &c : cases)
            QCOMPARE(AccessibleCaption(QString::fromUtf8(c.caption)), QString::fromUtf8(c.name));
    }

    // A caption measures as a wrapped QLabel of the same text would, at every width a layout
    // may ask, so an input page looks the same to the pixel.
    void captionMeasuresAsAWrappedLabel() {
        QWidget page;
        QFont bold = page.font();
        bold.setBold(true);
        QStringList captions;
        for (const std::span<const FieldSpec> table :
             {std::span<const FieldSpec>(exhaust::kExhaustFields),
              std::span<const FieldSpec>(inflow::kInflowFields)})
            for (const FieldSpec &f : table)
                captions << QString::fromUtf8(f.caption.data(),
                                              static_cast<qsizetype>(f.caption.size()));
        captions << QString() << QStringLiteral("Высота двери\nиз горящего помещения:")
                 << QStringLiteral("Оченьдлинноеслово без пробелов и ещё несколько слов");
        for (const QString &caption : captions) {
            for (const QFont &font : {page.font(), bold}) {
                CaptionLabel mine(caption, &page);
                QLabel theirs(caption, &page);
                theirs.setWordWrap(true);
                mine.setFont(font);
                theirs.setFont(font);
                QCOMPARE(mine.sizeHint(), theirs.sizeHint());
                QCOMPARE(mine.minimumSizeHint(), theirs.minimumSizeHint());
                // every width about the one-line width, where a caption begins to wrap
                const int oneLine = theirs.sizeHint().width();
                for (int width = 0; width <= 420; width += width < oneLine - 8 ? 9 : 1)
                    QCOMPARE(mine.heightForWidth(width), theirs.heightForWidth(width));
                // a new text or margin is measured anew
                mine.setText(caption + QStringLiteral(" и ещё"));
                theirs.setText(caption + QStringLiteral(" и ещё"));
                mine.setContentsMargins(22, 1, 3, 2);
                theirs.setContentsMargins(22, 1, 3, 2);
                QCOMPARE(mine.sizeHint(), theirs.sizeHint());
                QCOMPARE(mine.heightForWidth(150), theirs.heightForWidth(150));
            }
        }
    }
};

QTEST_MAIN(FormControlsTest)
#include "form_controls_test.moc"
