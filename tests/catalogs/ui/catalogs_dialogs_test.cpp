// Drives the catalogue dialogs as a user would: toolbar actions, typing into the components grid,
// OK, double click, Esc, and the message boxes they raise.

#include "catalogs/fire_load_catalog.h"
#include "catalogs/resist_coef_tables.h"
#include "catalogs/ui/fire_load_density_edit_dialog.h"
#include "catalogs/ui/fire_load_density_select_dialog.h"
#include "catalogs/ui/fire_load_edit_dialog.h"
#include "catalogs/ui/fire_load_select_dialog.h"
#include "catalogs/ui/resist_coef_tables_dialog.h"
#include "core/number_text.h"
#include "shell/form_controls.h"
#include "window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace orvane;

namespace {

bool gModalMissed = false;

// Runs `drive` on the next modal dialog of type T as soon as it is on screen (the caller then
// blocks in exec()). A dialog that never comes is recorded and whatever is modal gets closed.
template <typename T> void OnModal(std::function<void(T *)> drive) {
    test::WhenModal<T>(std::move(drive), nullptr, [] {
        gModalMissed = true;
        if (auto *other = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            other->reject();
    });
}

template <typename T> T *Child(QWidget *parent, const char *name) {
    return parent->findChild<T *>(QString::fromLatin1(name));
}

void Click(QWidget *parent, const char *button) {
    QPushButton *b = Child<QPushButton>(parent, button);
    QVERIFY(b);
    b->click();
}

// Key presses carrying any text (QTest::keyClicks takes Latin-1 letters only).
void TypeText(QWidget *widget, const QString &text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Types into a grid cell through its editor and presses Enter, as the user does.
void TypeIntoCurrentCell(QTableWidget *grid, const QString &text) {
    // after Enter the grid already has the next cell's editor open
    if (!grid->indexWidget(grid->currentIndex()))
        grid->editItem(grid->currentItem());
    QWidget *editor = grid->indexWidget(grid->currentIndex());
    QVERIFY(qobject_cast<QLineEdit *>(editor));
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    TypeText(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
}

void ReplaceText(QLineEdit *edit, const QString &text) {
    edit->setFocus();
    edit->selectAll();
    TypeText(edit, text);
}

QPoint CellCentre(QTableWidget *grid, int row, int column) {
    return grid->visualItemRect(grid->item(row, column)).center();
}

} // namespace

class CatalogsDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        SetDecimalSeparator(',');
    }
    void cleanup() { QVERIFY(!gModalMissed); }

    void fireLoadAddedThroughMixtureIsSavedReloadedAndPicked() {
        QTemporaryDir dir;
        FireLoadCatalog catalog;
        catalog.load(FireLoadCatalog::FilePath(dir.path().toStdString()));
        FireLoadSelectDialog dialog(catalog, dir.path());
        dialog.show();
        QVERIFY(!dialog.ActionSave->isEnabled());

        QString startName;
        OnModal<FireLoadEditDialog>([&](FireLoadEditDialog *edit) {
            startName = Child<QLineEdit>(edit, "EditName")->text();
            ReplaceText(Child<QLineEdit>(edit, "EditName"), QStringLiteral("Смесь"));
            auto *grid = Child<QTableWidget>(edit, "sgComponents");
            grid->setCurrentCell(0, 1);
            // Enter walks m -> Qн -> Uл -> Ψ -> next row's m, skipping the computed "%"
            for (const char *text : {"60", "14.4", "0,0154", "0.0135", "40", "20", "0.02", "0.01"})
                TypeIntoCurrentCell(grid, QString::fromLatin1(text));
            QCOMPARE(grid->currentRow(), 2);
            QCOMPARE(grid->currentColumn(), 1);
            QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("60 %"));
            QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("40 %"));
            QCOMPARE(Child<QLineEdit>(edit, "EditBurnEnergy")->text(), QStringLiteral("16,6"));
            QCOMPARE(Child<QLineEdit>(edit, "EditFireSpeed")->text(), QStringLiteral("0,02"));
            QCOMPARE(Child<QLineEdit>(edit, "EditSBurnSpeed")->text(), QStringLiteral("0,0121"));
            Click(edit, "bbOk");
        });
        dialog.ActionAdd->trigger();
        QCOMPARE(startName, QStringLiteral("Новая"));

        const TFireLoad mixture{"Смесь", 16.6, 0.02, 0.0121};
        QCOMPARE(catalog.Items.size(), size_t(25));
        QVERIFY(catalog.Items.back() == mixture);
        QVERIFY(catalog.Modified);
        QVERIFY(dialog.ActionSave->isEnabled());
        auto *grid = Child<QTableWidget>(&dialog, "sgFireLoads");
        QCOMPARE(grid->rowCount(), 25);
        QCOMPARE(grid->currentRow(), 24);
        QCOMPARE(grid->item(24, 1)->text(), QStringLiteral("Смесь"));

        dialog.ActionSave->trigger();
        QVERIFY(!catalog.Modified);
        QVERIFY(!dialog.ActionSave->isEnabled());
        FireLoadCatalog reread;
        QVERIFY(reread.load(FireLoadCatalog::FilePath(dir.path().toStdString())));
        QVERIFY(reread.Items == catalog.Items);

        Click(&dialog, "bbOk");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.FireLoad == mixture);

        // a fresh dialog over the reloaded list: a double click picks the row under the pointer
        FireLoadSelectDialog again(reread, dir.path());
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        auto *list = Child<QTableWidget>(&again, "sgFireLoads");
        list->scrollToItem(list->item(24, 1));
        // a widget double click arrives after the first click's press and release
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, CellCentre(list, 24, 1));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, CellCentre(list, 24, 1));
        QTRY_COMPARE(again.result(), int(QDialog::Accepted));
        QVERIFY(again.FireLoad == mixture);
    }

    void editingAnEntryReplacesItAndTheSelectionPersists() {
        QTemporaryDir dir;
        FireLoadDensityCatalog catalog;
        catalog.load(FireLoadDensityCatalog::FilePath(dir.path().toStdString()));
        catalog.CurrentIndex = 8;
        {
            FireLoadDensitySelectDialog dialog(catalog, dir.path());
            dialog.show();
            OnModal<FireLoadDensityEditDialog>([](FireLoadDensityEditDialog *edit) {
                ReplaceText(Child<QLineEdit>(edit, "EditFLDensity"), QStringLiteral("650,5"));
                Click(edit, "bbOk");
            });
            dialog.ActionEdit->trigger();
            QCOMPARE(Child<QTableWidget>(&dialog, "sgFLDensities")->item(8, 2)->text(),
                     QStringLiteral("650,5"));
            QVERIFY(catalog.Modified);
            Click(&dialog, "bbCancel");
        }
        QCOMPARE(catalog.Items[8].FLDensity, 650.5);
        FireLoadDensitySelectDialog dialog(catalog, dir.path());
        dialog.show();
        QVERIFY(dialog.ActionSave->isEnabled());
        Click(&dialog, "bbOk");
        QCOMPARE(dialog.FireLoadDensity.Name, DefaultFireLoadDensity().Name);
    }

    void deletingTheLastEntryLeavesAnEmptyRowAndOkCancels() {
        QTemporaryDir dir;
        FireLoadCatalog catalog;
        catalog.Items = {DefaultFireLoad()};
        FireLoadSelectDialog dialog(catalog, dir.path());
        dialog.show();
        dialog.ActionDelete->trigger();
        QVERIFY(catalog.Items.empty());
        auto *grid = Child<QTableWidget>(&dialog, "sgFireLoads");
        QCOMPARE(grid->rowCount(), 1);
        QVERIFY(!grid->item(0, 1));
        dialog.ActionDelete->trigger(); // nothing left to delete: no crash, no change
        dialog.ActionEdit->trigger();
        Click(&dialog, "bbOk");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void failedSaveNamesTheFileAndKeepsTheListModified() {
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("blocker"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        FireLoadCatalog catalog;
        catalog.Items = BuiltInFireLoads();
        FireLoadSelectDialog dialog(catalog, blocker); // a file where the folder should be
        dialog.show();
        OnModal<FireLoadEditDialog>([](FireLoadEditDialog *edit) { Click(edit, "bbOk"); });
        dialog.ActionAdd->trigger();
        QVERIFY(dialog.ActionSave->isEnabled());

        test::MessageBoxAnswer box;
        dialog.ActionSave->trigger();
        QTRY_COMPARE(box.shown, 1);
        QVERIFY2(box.text.contains(QStringLiteral("FireLoads.csv")), qPrintable(box.text));
        QVERIFY(catalog.Modified);
        QVERIFY(dialog.ActionSave->isEnabled());
        QCOMPARE(catalog.Items.size(), size_t(25));
    }

    void unreadableFileIsReportedOnceWhenTheDialogFirstOpens() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("FLDensities.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\x00\x01\x02\x03junk", 8));
        file.close();
        FireLoadDensityCatalog catalog;
        QVERIFY(!catalog.load(path.toStdString()));

        test::MessageBoxAnswer box;
        FireLoadDensitySelectDialog dialog(catalog, dir.path());
        dialog.show();
        QTRY_COMPARE(box.text, QStringLiteral("Файл FLDensities.csv не удалось прочитать, "
                                              "загружен встроенный список."));
        QCOMPARE(Child<QTableWidget>(&dialog, "sgFLDensities")->rowCount(), 17);
        QVERIFY(!catalog.takeLoadWarning());
    }

    void editDialogRefusesSemicolonsAndClosesOnEsc() {
        FireLoadEditDialog dialog({"Мебель", 14.4, 0.0154, 0.0135});
        dialog.show();
        auto *name = Child<QLineEdit>(&dialog, "EditName");
        QCOMPARE(Child<QLineEdit>(&dialog, "EditFireSpeed")->text(), QStringLiteral("0,0154"));
        ReplaceText(name, QStringLiteral("a;b"));
        {
            test::MessageBoxAnswer box;
            Click(&dialog, "bbOk");
            QCOMPARE(box.text, QStringLiteral("Наименование не должно содержать знаки ;"));
        }
        QVERIFY(dialog.isVisible());

        ReplaceText(name, QStringLiteral("Дерево"));
        // the heat of combustion is divided by: text that is no number above zero is refused
        auto *heat = Child<QLineEdit>(&dialog, "EditBurnEnergy");
        for (const QString &typed : {QStringLiteral("1.5 МДж"), QStringLiteral("abc"),
                                     QStringLiteral("0")}) {
            ReplaceText(heat, typed);
            QVERIFY(IsMarkedInvalid(heat));
            test::MessageBoxAnswer box;
            Click(&dialog, "bbOk");
            QCOMPARE(box.text, QStringLiteral("Поле «Низшая рабочая теплота сгорания»: нужно "
                                              "число больше 0, введено «") +
                                   typed + QStringLiteral("»."));
            QVERIFY(dialog.isVisible());
        }
        ReplaceText(heat, QStringLiteral("1.5"));
        QVERIFY(!IsMarkedInvalid(heat));
        Click(&dialog, "bbOk");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.FireLoad == (TFireLoad{"Дерево", 1.5, 0.0154, 0.0135}));

        FireLoadDensityEditDialog density({"Склад", 500});
        density.show();
        auto *field = Child<QLineEdit>(&density, "EditName");
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Escape);
        QCOMPARE(density.result(), int(QDialog::Rejected));
        QVERIFY(!density.isVisible());
    }

    void densityMixtureFollowsMassesAndArea() {
        FireLoadDensityEditDialog dialog({"Склад", 500});
        dialog.show();
        auto *grid = Child<QTableWidget>(&dialog, "sgComponents");
        auto *density = Child<QLineEdit>(&dialog, "EditFLDensity");
        auto *area = Child<QLineEdit>(&dialog, "EditArea");
        QCOMPARE(area->text(), QStringLiteral("100"));
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("100"));
        QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("100 %"));
        QCOMPARE(grid->item(0, 3)->text(), QStringLiteral("500"));
        QVERIFY(!(grid->item(0, 2)->flags() & Qt::ItemIsEditable));

        grid->item(0, 1)->setText(QStringLiteral("60"));
        grid->item(0, 3)->setText(QStringLiteral("14,4"));
        grid->item(1, 1)->setText(QStringLiteral("40"));
        grid->item(1, 3)->setText(QStringLiteral("20"));
        QCOMPARE(density->text(), QStringLiteral("16,6"));
        ReplaceText(area, QStringLiteral("0"));
        QCOMPARE(density->text(), QStringLiteral("0"));

        ReplaceText(area, QStringLiteral("100"));
        grid->item(1, 1)->setText(QStringLiteral("-40"));
        QCOMPARE(grid->item(1, 1)->text(), QString());
        QCOMPARE(grid->item(1, 2)->text(), QString());
        QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("100 %"));
        QCOMPARE(density->text(), QStringLiteral("8,6"));
    }

    void resistanceCoefficientPickAddsAndCancelLeavesTheField() {
        QString field = QStringLiteral("0,5");
        auto pickInto = [&field](const std::function<void(ResistCoefTablesDialog *)> &drive) {
            OnModal<ResistCoefTablesDialog>(drive);
            if (const std::optional<double> coef = ResistCoefTablesDialog::Pick(nullptr))
                field = QString::fromStdString(AddResistCoef(field.toStdString(), *coef));
        };
        auto clickCell = [](QTableWidget *grid, int row, int column) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, row, column));
        };

        pickInto([&](ResistCoefTablesDialog *form) {
            QCOMPARE(form->ResistCoef, 0.0);
            // header cells neither close the window nor set a value
            clickCell(form->sgBranch, 0, 0);
            clickCell(form->sgBranch, 0, 4);
            clickCell(form->sgChange, 1, 0);
            QVERIFY(form->isVisible());
            QCOMPARE(form->ResistCoef, 0.0);
            clickCell(form->sgBranch, 1, 4);
        });
        QCOMPARE(field, QStringLiteral("0,71"));

        pickInto([&](ResistCoefTablesDialog *form) {
            QCOMPARE(form->ResistCoef, 0.0);
            clickCell(form->sgChange, 2, 1);
        });
        QCOMPARE(field, QStringLiteral("1,21"));

        pickInto([](ResistCoefTablesDialog *form) { QTest::keyClick(form, Qt::Key_Escape); });
        pickInto([](ResistCoefTablesDialog *form) { Click(form, "bbCancel"); });
        QCOMPARE(field, QStringLiteral("1,21"));
    }

    void pointerOverAValueHighlightsIt() {
        ResistCoefTablesDialog form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTableWidget *grid = form.sgBend;
        QVERIFY(!grid->currentItem());
        QTest::mouseMove(grid->viewport(), CellCentre(grid, 3, 2));
        QTRY_COMPARE(grid->currentItem(), grid->item(3, 2));
        QVERIFY(grid->hasFocus());
        QTest::mouseMove(grid->viewport(), CellCentre(grid, 0, 3));
        QCOMPARE(grid->currentItem(), grid->item(3, 2));
        form.sgChange->setFocus();
        QTRY_VERIFY(!grid->currentItem());
        QVERIFY(grid->selectedItems().isEmpty());
    }
};

QTEST_MAIN(CatalogsDialogsTest)
#include "catalogs_dialogs_test.moc"
