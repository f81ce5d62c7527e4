// The windows' font: a system font that cannot write Russian or fit a number into a line edit
// gives way to an installed one that can, at the same size; a usable one stays.

#include "app/ui_font.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

using namespace orvane;

class UiFontTest : public QObject {
    Q_OBJECT
private slots:
    void unusableSystemFontIsReplaced() {
        // a math face: Latin and symbols only, as a Windows font name substituted by the first
        // installed face may resolve to
        const QString math = QStringLiteral("DejaVu Math TeX Gyre");
        if (!QFontDatabase::hasFamily(math))
            QSKIP("the math face is not installed");
        const QFont saved = QApplication::font();
        QFont system(math);
        system.setPointSizeF(8.25);
        QApplication::setFont(system);
        QVERIFY(!IsUsableUiFont(QApplication::font()));

        QVERIFY(EnsureUsableUiFont());
        const QFont chosen = QApplication::font();
        QVERIFY(IsUsableUiFont(chosen));
        QVERIFY(QFontDatabase::writingSystems(QFontInfo(chosen).family())
                    .contains(QFontDatabase::Cyrillic));
        QCOMPARE(chosen.pointSizeF(), 8.25);
        QVERIFY(!EnsureUsableUiFont()); // settled
        QApplication::setFont(saved);
    }

    void usableSystemFontStays() {
        const QFont before = QApplication::font();
        QVERIFY(IsUsableUiFont(before));
        QVERIFY(!EnsureUsableUiFont());
        QCOMPARE(QApplication::font(), before);
    }
};

QTEST_MAIN(UiFontTest)
#include "ui_font_test.moc"
