// The popup tip: line splitting, sizing, placement and closing.

#include "shell/popup_tip.h"

#include <QFontMetrics>
#include <QTest>

using namespace orvane;

class PopupTipTest : public QObject {
    Q_OBJECT
private slots:
    void SplitsTextIntoLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        const auto s = [](const char *t) { return QString::fromUtf8(t); };
        QTest::newRow("three lines by CR")
            << s("one\rtwo\rthree") << QStringList{s("one"), s("two"), s("three")};
        QTest::newRow("two CRs are one break") << s("a\r\rb") << QStringList{s("a"), s("b")};
        QTest::newRow("blank line keeps a blank")
            << s("a\r \rb") << QStringList{s("a"), s(" "), s("b")};
        QTest::newRow("CR LF") << s("a\r\nb") << QStringList{s("a"), s("b")};
        QTest::newRow("LF CR") << s("a\n\rb") << QStringList{s("a"), s("b")};
        QTest::newRow("LF LF") << s("a\n\nb") << QStringList{s("a"), s("b")};
        QTest::newRow("three breaks leave an empty line")
            << s("a\r\n\nb") << QStringList{s("a"), QString(), s("b")};
        QTest::newRow("trailing break adds no line") << s("a\r\n") << QStringList{s("a")};
        QTest::newRow("empty text") << QString() << QStringList();
        QTest::newRow("only a break") << s("\r") << QStringList{QString()};
        QTest::newRow("Cyrillic") << s("Площадь\rпомещения")
                                  << QStringList{s("Площадь"), s("помещения")};
    }
    void SplitsTextIntoLines() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        PopupTip tip;
        tip.SetText(text);
        QCOMPARE(tip.TextStrings(), lines);
        tip.SetHeader(text);
        QCOMPARE(tip.HeaderStrings(), lines);
    }

    void NextLineTakesPositionBelowOneAsOne() {
        int position = -5;
        QString line;
        QVERIFY(PopupTip::NextLine(QStringLiteral("ab\ncd"), position, line));
        QCOMPARE(line, QStringLiteral("ab"));
        QCOMPARE(position, 4);
        QVERIFY(PopupTip::NextLine(QStringLiteral("ab\ncd"), position, line));
        QCOMPARE(line, QStringLiteral("cd"));
        QVERIFY(!PopupTip::NextLine(QStringLiteral("ab\ncd"), position, line));
        QVERIFY(line.isEmpty());
    }

    void HeightIsCappedAtThreeHundredPlusFour() {
        PopupTip tip;
        QFont font = tip.font();
        font.setPixelSize(14);
        tip.setFont(font);
        QStringList lines;
        for (int i = 1; i <= 30; ++i)
            lines << QStringLiteral("строка %1").arg(i);
        tip.SetText(lines.join(QLatin1Char('\r')));
        QVERIFY(30 * tip.LineHeight() > 300);
        QCOMPARE(tip.TipSize(10000).height(), 304);
    }

    void SizeFollowsWidestLineAndHeader() {
        PopupTip tip;
        tip.SetHeader(QStringLiteral("Заголовок"));
        tip.SetText(QStringLiteral("короткая\rсамая длинная строка подсказки"));
        QFont bold = tip.font();
        bold.setBold(true);
        const int widest =
            std::max(QFontMetrics(bold).horizontalAdvance(QStringLiteral("Заголовок")),
                     QFontMetrics(tip.font())
                         .horizontalAdvance(QStringLiteral("самая длинная строка подсказки")));
        const int h = tip.LineHeight();
        QCOMPARE(tip.TipSize(10000), QSize(widest + 6, h + 2 + 2 * h + 4));
        // A line wider than the screen is cut at the screen's width.
        QCOMPARE(tip.TipSize(50).width(), 56);

        tip.SetHeader(QString());
        QCOMPARE(tip.TipSize(10000).height(), 2 * h + 4);
    }

    void PlacementKeepsTipOnDesktop_data() {
        QTest::addColumn<QRect>("desktop");
        QTest::addColumn<QPoint>("org");
        QTest::addColumn<QPoint>("placed");
        const QRect screen(0, 0, 1366, 768);
        const QSize size(200, 100); // tip size used below
        Q_UNUSED(size);
        QTest::newRow("fits") << screen << QPoint(300, 200) << QPoint(300, 200);
        QTest::newRow("lower right corner moves up and left")
            << screen << QPoint(1300, 740) << QPoint(1166, 668);
        QTest::newRow("left of desktop moves right")
            << screen << QPoint(-50, 200) << QPoint(0, 200);
        QTest::newRow("above desktop moves down") << screen << QPoint(10, -30) << QPoint(10, 0);
        QTest::newRow("second screen with offset origin")
            << QRect(1366, 100, 800, 600) << QPoint(2100, 650) << QPoint(1966, 600);
        QTest::newRow("tip larger than desktop keeps top-left corner on it")
            << QRect(0, 0, 150, 80) << QPoint(20, 20) << QPoint(0, 0);
    }
    void PlacementKeepsTipOnDesktop() {
        QFETCH(QRect, desktop);
        QFETCH(QPoint, org);
        QFETCH(QPoint, placed);
        const QRect r = PopupTip::PlaceOnDesktop(org, QSize(200, 100), desktop);
        QCOMPARE(r.topLeft(), placed);
        QCOMPARE(r.size(), QSize(200, 100));
    }

    void ShowsAtRequestedPlaceAndClosesOnKeyOrClick() {
        PopupTip tip;
        tip.InitAndShow(QPoint(40, 50), QString(), QStringLiteral("Подсказка\rвторая строка"));
        QVERIFY(tip.isVisible());
        QCOMPARE(tip.geometry(), QRect(QPoint(40, 50), tip.TipSize(100000)));
        QVERIFY(tip.windowFlags() & Qt::FramelessWindowHint);
        QTest::keyClick(&tip, Qt::Key_A);
        QVERIFY(!tip.isVisible());

        tip.InitAndShow(QPoint(40, 50), QString(), QStringLiteral("ещё"));
        QCOMPARE(tip.TextStrings(), QStringList{QStringLiteral("ещё")});
        QTest::mouseClick(&tip, Qt::RightButton);
        QVERIFY(!tip.isVisible());
    }

    void ClosesWhenCalculationWindowIsActivated() {
        QWidget window;
        PopupTip tip;
        tip.CloseWhenActivated(&window);
        tip.InitAndShow(QPoint(10, 10), QString(), QStringLiteral("x"));
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&window, &activate);
        QVERIFY(!tip.isVisible());
    }

    void HeaderIsDrawnBoldAboveBody() {
        PopupTip tip;
        QFont font = tip.font();
        font.setPixelSize(14);
        tip.setFont(font);
        tip.InitAndShow(QPoint(0, 0), QStringLiteral("ЖЖЖЖ"), QStringLiteral("ЖЖЖЖ"));
        const QImage image = tip.grab().toImage();
        // Ink of each line: the header's strokes are heavier and the body starts h + 2 lower.
        const int h = tip.LineHeight();
        auto ink = [&image](int top, int bottom) {
            int dark = 0;
            for (int y = top; y < bottom && y < image.height(); ++y)
                for (int x = 1; x < image.width() - 1; ++x)
                    dark += qGray(image.pixel(x, y)) < 128;
            return dark;
        };
        const int header = ink(2, 2 + h);
        const int body = ink(2 + h + 2, 2 + 2 * h + 2);
        QVERIFY(body > 0);
        QVERIFY2(header > body, qPrintable(QStringLiteral("%1 vs %2").arg(header).arg(body)));
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() - 2), QColor(255, 255, 224));
    }
};

QTEST_MAIN(PopupTipTest)
#include "popup_tip_test.moc"
