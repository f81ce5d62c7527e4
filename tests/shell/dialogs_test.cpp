// Project folder dialog, About box, help command, new-instance switch, colour replacement and
// the program's own icons.

#include "shell/about_box.h"
#include "shell/desktop_actions.h"
#include "shell/own_icons.h"
#include "shell/replace_bitmap_color.h"
#include "shell/save_folder_dialog.h"
#include "shell/settings.h"
#include "url_catcher.h"
#include "window_test_support.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGroupBox>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace orvane;
using orvane::test::UrlCatcher;

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        fTemp = std::make_unique<QTemporaryDir>();
        QVERIFY(fTemp->isValid());
        fSettings = std::make_unique<ShellSettings>(fTemp->path());
    }
    void cleanup() {
        fDialog.reset();
        fSettings.reset();
    }

    void FolderDialogShowsEmptyFieldForVanishedFolder() {
        const QString gone = fTemp->filePath(QStringLiteral("gone"));
        QVERIFY(QDir().mkpath(gone));
        QVERIFY(fSettings->SetPathSave(gone));
        QVERIFY(QDir(gone).removeRecursively());

        ShellSettings restarted(fTemp->path());
        SaveFolderDialog dialog(restarted);
        dialog.show();
        QCOMPARE(Edit(dialog)->text(), QString());
    }

    void FolderDialogShowsCurrentFolderOnEachActivation() {
        ShowDialog();
        QCOMPARE(Edit(*fDialog)->text(), QString());
        fDialog->hide();
        QVERIFY(fSettings->SetPathSave(fTemp->path()));
        fDialog->show();
        QCOMPARE(Edit(*fDialog)->text(), fTemp->path() + QDir::separator());
    }

    void FolderDialogRejectsWhatIsNoFolder_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("missing folder") << QStringLiteral("/nonexistent-orvane-folder");
        QTest::newRow("a file") << QStringLiteral("FILE");
    }
    void FolderDialogRejectsWhatIsNoFolder() {
        QFETCH(QString, text);
        if (text == QStringLiteral("FILE")) {
            text = fTemp->filePath(QStringLiteral("note.txt"));
            QFile f(text);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        ShowDialog();
        Edit(*fDialog)->setText(text);
        test::MessageBoxAnswer catcher;
        Button(*fDialog, "ButtonOK")->click();
        QCOMPARE(catcher.text, QStringLiteral("Необходимо указать существующую папку."));
        QCOMPARE(catcher.icon, QMessageBox::Critical);
        QVERIFY(fDialog->isVisible());
        QCOMPARE(fSettings->PathSave(), QString());
        QVERIFY(!QFile::exists(fSettings->SettingsFileName()));
    }

    void FolderDialogStoresTypedFolderWithDelimiter() {
        ShowDialog();
        Edit(*fDialog)->setText(fTemp->path());
        Button(*fDialog, "ButtonOK")->click();
        QCOMPARE(fDialog->result(), int(QDialog::Accepted));
        QVERIFY(!fDialog->isVisible());
        const QString expected = fTemp->path() + QDir::separator();
        QCOMPARE(fSettings->PathSave(), expected);
        QCOMPARE(ShellSettings(fTemp->path()).PathSave(), expected);
    }

    void FolderDialogCancelChangesNothing() {
        ShowDialog();
        Edit(*fDialog)->setText(fTemp->path());
        Button(*fDialog, "ButtonCancel")->click();
        QCOMPARE(fDialog->result(), int(QDialog::Rejected));
        QCOMPARE(fSettings->PathSave(), QString());
        QVERIFY(!QFile::exists(fSettings->SettingsFileName()));
    }

    void AboutBoxShowsVersionAndLinkHover() {
        AboutBox about;
        QCOMPARE(about.windowTitle(), QStringLiteral("О программе"));
        QCOMPARE(about.findChild<QLabel *>(QStringLiteral("LabVersion"))->text(),
                 QStringLiteral("Версия 5.1, февраль 2024"));
        QCOMPARE(about.findChild<QLabel *>(QStringLiteral("LabProgName"))->text(),
                 QStringLiteral("Орвейн"));
        auto *link = about.findChild<LinkLabel *>(QStringLiteral("LabLink"));
        QVERIFY(link);
        about.show();
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(link, &enter);
        QVERIFY(link->font().underline());
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::yellow));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, &leave);
        QVERIFY(!link->font().underline());
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::white));
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());
    }

    void ManualOpensAtItsTopicOrSaysItIsMissing() {
        test::MessageBoxAnswer catcher;
        SetManualFolder(fTemp->path());
        QVERIFY(!ShowManual(nullptr, QStringLiteral("exhaust.html"), QStringLiteral("gbShaft")));
        QCOMPARE(catcher.text, QStringLiteral("Файл справки %1 не найден.")
                                   .arg(QDir::toNativeSeparators(
                                       QDir(fTemp->path()).filePath(QStringLiteral("exhaust.html")))));
        QCOMPARE(catcher.icon, QMessageBox::Information);

        UrlCatcher urls;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &urls, "open");
        SetManualFolder(QStringLiteral(MANUAL_DIR));
        QVERIFY(ShowManual(nullptr, QStringLiteral("exhaust.html"), QStringLiteral("gbShaft")));
        QCOMPARE(urls.opened.size(), 1);
        QCOMPARE(urls.opened[0].fragment(), QStringLiteral("gbShaft"));
        QVERIFY(urls.opened[0].toLocalFile().endsWith(QStringLiteral("/exhaust.html")));
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        SetManualFolder({});
        // a field's topic is its group's name
        QGroupBox group;
        group.setObjectName(QStringLiteral("gbOutside"));
        auto *edit = new QLineEdit(&group);
        QCOMPARE(HelpTopicOf(edit), QStringLiteral("gbOutside"));
        QCOMPARE(HelpTopicOf(&group), QStringLiteral("gbOutside"));
        QCOMPARE(HelpTopicOf(nullptr), QString());
    }

    void NewInstanceCarriesCompactSwitch() {
        QCOMPARE(NewInstanceArguments(true), QStringList());
        QCOMPARE(NewInstanceArguments(false), QStringList{QStringLiteral("-B")});
    }

    void ReplaceBitmapColorChangesOnlyThatColour_data() {
        QTest::addColumn<int>("format");
        QTest::newRow("RGB32") << int(QImage::Format_RGB32);
        QTest::newRow("ARGB32 keeps alpha") << int(QImage::Format_ARGB32);
        QTest::newRow("indexed") << int(QImage::Format_Indexed8);
    }
    void ReplaceBitmapColorChangesOnlyThatColour() {
        QFETCH(int, format);
        QImage image(3, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, qRgba(0, 0, 0, 255));
        image.setPixel(1, 0, qRgba(255, 255, 255, 255));
        image.setPixel(2, 0, qRgba(0, 0, 0, 128));
        image = image.convertToFormat(QImage::Format(format));
        const int alphaBefore = qAlpha(image.pixel(2, 0));
        ReplaceBitmapColor(image, Qt::black, QColor(10, 20, 30));
        QCOMPARE(image.pixelColor(0, 0).rgb(), qRgb(10, 20, 30));
        QCOMPARE(image.pixelColor(1, 0).rgb(), qRgb(255, 255, 255));
        QCOMPARE(image.pixelColor(2, 0).rgb() & RGB_MASK, qRgb(10, 20, 30) & RGB_MASK);
        QCOMPARE(qAlpha(image.pixel(2, 0)), alphaBefore);
    }

    void ReplaceBitmapColorWithSameColourLeavesPicture() {
        QImage image(2, 2, QImage::Format_Indexed8);
        image.setColorCount(1);
        image.setColor(0, qRgb(0, 0, 0));
        image.fill(0);
        ReplaceBitmapColor(image, Qt::black, Qt::black);
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QImage empty;
        ReplaceBitmapColor(empty, Qt::black, Qt::white);
        QVERIFY(empty.isNull());
    }

    // A deferred icon is made once, at the first question about its pictures, and then answers
    // as the icon it stands for (copies included).
    void DeferredIconIsMadeWhenFirstNeeded() {
        int made = 0;
        QImage red(16, 16, QImage::Format_ARGB32_Premultiplied);
        red.fill(Qt::red);
        const QIcon icon = DeferredIcon([&made, &red] {
            ++made;
            return QIcon(QPixmap::fromImage(red));
        });
        QIcon copy = icon;
        QVERIFY(!copy.isNull());
        QCOMPARE(made, 0);
        QCOMPARE(copy.pixmap(16).toImage().pixel(8, 8), QColor(Qt::red).rgb());
        QCOMPARE(copy.availableSizes(), QList<QSize>{QSize(16, 16)});
        QCOMPARE(made, 1);
    }

private:
    void ShowDialog() {
        fDialog = std::make_unique<SaveFolderDialog>(*fSettings);
        fDialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(fDialog.get()));
    }
    static QLineEdit *Edit(QWidget &dialog) {
        return dialog.findChild<QLineEdit *>(QStringLiteral("EditPathSave"));
    }
    static QPushButton *Button(QWidget &dialog, const char *name) {
        return dialog.findChild<QPushButton *>(QString::fromLatin1(name));
    }

    std::unique_ptr<QTemporaryDir> fTemp;
    std::unique_ptr<ShellSettings> fSettings;
    std::unique_ptr<SaveFolderDialog> fDialog;
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
