#include "../sample_report.h"
#include "report/ui/rtf_text_document.h"

#include <QAbstractTextDocumentLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <random>

using namespace orvane;

namespace {

// The report's title: one block, its two lines broken.
const QString kTitle = QStringLiteral("РАСЧЁТ СИСТЕМЫ ВЫТЯЖНОЙ") + QChar(QChar::LineSeparator) +
                       QStringLiteral("ПРОТИВОДЫМНОЙ ВЕНТИЛЯЦИИ");

QTextBlock FindBlock(const QTextDocument &doc, const QString &text) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.text() == text)
            return b;
    return {};
}

// The format of the fragment of `block` whose text is exactly `text`.
std::optional<QTextCharFormat> FragmentFormat(const QTextBlock &block, const QString &text) {
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().text() == text)
            return it.fragment().charFormat();
    return std::nullopt;
}

QTextTable *FirstTable(const QTextDocument &doc) {
    for (QTextFrame *frame : doc.rootFrame()->childFrames())
        if (auto *table = qobject_cast<QTextTable *>(frame))
            return table;
    return nullptr;
}

} // namespace

class ReportViewerTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheTextOfEveryParagraphAndCell() {
        QTextDocument doc;
        LoadRtfIntoDocument(doc, test::SampleReport());
        const QStringList lines = {
            QString(),
            QString(),
            QStringLiteral("Программа \"Орвейн\" разработана на основании"),
            QStringLiteral("Методических рекомендаций к СП 7.13130.2013 (Расчётное определение"),
            QStringLiteral("основных параметров противодымной вентиляции зданий, ВНИИПО, 2013)."),
            QStringLiteral("Программа предназначена для расчёта основных параметров противодымной "
                           "вентиляции"),
            QStringLiteral(
                "зданий различного назначения - жилых и общественных, производственных и "
                "складских, а также"),
            QStringLiteral(
                "многофункциональных зданий и комплексов, закрытых подземных и надземных "
                "автостоянок."),
            QString(),
            // the title's line break reads as a line of the plain text
            QStringLiteral("РАСЧЁТ СИСТЕМЫ ВЫТЯЖНОЙ"),
            QStringLiteral("ПРОТИВОДЫМНОЙ ВЕНТИЛЯЦИИ"),
            QString(),
            QStringLiteral("ИСХОДНЫЕ ДАННЫЕ"),
            QString(),
            QStringLiteral("Объект: Офис {1}"),
            QStringLiteral("Температура T0 = 293 K"),
            QStringLiteral("РАСЧЁТНЫЕ ВЕЛИЧИНЫ"),
            QString(),
            QStringLiteral("L = 1000 м3/ч, ∑ζ = 2,5"),
            QStringLiteral("Участок"),
            QStringLiteral("L, м3/ч"),
            QStringLiteral("ΔP, Па"),
            QStringLiteral("Шахта"),
            QStringLiteral("18000"),
            QStringLiteral("251"),
            QString(), // the block Qt keeps after every table
            QString(),
            QStringLiteral("Итого"),
        };
        QCOMPARE(doc.toPlainText().split(QLatin1Char('\n')), lines);
    }

    void keepsBoldAlignmentIndentAndScripts() {
        QTextDocument doc;
        LoadRtfIntoDocument(doc, test::SampleReport());

        const QTextBlock note =
            FindBlock(doc, QStringLiteral("Программа \"Орвейн\" разработана на основании"));
        QVERIFY(note.isValid());
        QCOMPARE(note.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(note.begin().fragment().charFormat().fontPointSize(), 8.0);

        const QTextBlock title = FindBlock(doc, kTitle);
        QVERIFY(title.isValid());
        QCOMPARE(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(title.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
        QCOMPARE(title.begin().fragment().charFormat().fontPointSize(), 10.0);

        const QTextBlock heading = FindBlock(doc, QStringLiteral("ИСХОДНЫЕ ДАННЫЕ"));
        QVERIFY(heading.isValid());
        QCOMPARE(heading.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QCOMPARE(heading.blockFormat().textIndent(), 708 / 15.0);
        QCOMPARE(heading.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));

        const QTextBlock line = FindBlock(doc, QStringLiteral("Объект: Офис {1}"));
        QCOMPARE(FragmentFormat(line, QStringLiteral("Объект:"))->fontWeight(), int(QFont::Bold));
        QCOMPARE(FragmentFormat(line, QStringLiteral(" Офис {1}"))->fontWeight(),
                 int(QFont::Normal));

        const QTextBlock sub = FindBlock(doc, QStringLiteral("Температура T0 = 293 K"));
        QCOMPARE(FragmentFormat(sub, QStringLiteral("0"))->verticalAlignment(),
                 QTextCharFormat::AlignSubScript);
        QCOMPARE(FragmentFormat(sub, QStringLiteral(" = 293 K"))->verticalAlignment(),
                 QTextCharFormat::AlignNormal);

        const QTextBlock sup = FindBlock(doc, QStringLiteral("L = 1000 м3/ч, ∑ζ = 2,5"));
        QCOMPARE(FragmentFormat(sup, QStringLiteral("3"))->verticalAlignment(),
                 QTextCharFormat::AlignSuperScript);
        const auto sum = FragmentFormat(sup, QStringLiteral("∑"));
        QVERIFY(sum);
        QCOMPARE(sum->fontPointSize(), 12.0);
        QVERIFY(sum->fontFamilies().toStringList().contains(QStringLiteral("Times New Roman")));
    }

    void tableHasBorderedCellsOfTheWrittenWidths() {
        QTextDocument doc;
        LoadRtfIntoDocument(doc, test::SampleReport());
        QTextTable *table = FirstTable(doc);
        QVERIFY(table);
        QCOMPARE(table->rows(), 2);
        QCOMPARE(table->columns(), 3);
        const QTextTableFormat format = table->format();
        QCOMPARE(format.border(), 1.0);
        QCOMPARE(format.leftMargin(), 500 / 15.0);
        const QList<QTextLength> widths = format.columnWidthConstraints();
        QCOMPARE(widths.size(), 3);
        QCOMPARE(widths[0], QTextLength(QTextLength::FixedLength, 100));
        QCOMPARE(widths[1], QTextLength(QTextLength::FixedLength, 80));

        auto cellText = [&](int r, int c) {
            QTextCursor cursor = table->cellAt(r, c).firstCursorPosition();
            cursor.setPosition(table->cellAt(r, c).lastCursorPosition().position(),
                               QTextCursor::KeepAnchor);
            return cursor.selectedText();
        };
        QCOMPARE(cellText(0, 0), QStringLiteral("Участок"));
        QCOMPARE(cellText(0, 2), QStringLiteral("ΔP, Па"));
        QCOMPARE(cellText(1, 0), QStringLiteral("Шахта"));
        QCOMPARE(cellText(1, 2), QStringLiteral("251"));
        const QTextBlock header = table->cellAt(0, 0).firstCursorPosition().block();
        QCOMPARE(header.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
        const QTextBlock body = table->cellAt(1, 0).firstCursorPosition().block();
        QCOMPARE(body.begin().fragment().charFormat().fontWeight(), int(QFont::Normal));
    }

    void textAfterATableStartsBelowIt() {
        QTextDocument doc;
        LoadRtfIntoDocument(doc, test::SampleReport());
        QTextTable *table = FirstTable(doc);
        QVERIFY(table);
        const QTextBlock after = FindBlock(doc, QStringLiteral("Итого"));
        QVERIFY(after.isValid());
        QAbstractTextDocumentLayout *layout = doc.documentLayout();
        // "\row \pard \par Итого": one empty line between the table and the text
        const qreal gap =
            layout->blockBoundingRect(after).top() - layout->frameBoundingRect(table).bottom();
        QVERIFY2(gap >= 5, qPrintable(QString::number(gap)));
    }

    void randomTablesAndFormatsNeverBreakTheDocument() {
        const char *tokens[] = {"\\trowd", "\\cellx500", "\\cellx-9", "\\intbl", "\\cell",
                                "\\row",   "\\pard",     "\\par",     "\\b",     "\\sub",
                                "\\fs0",   "\\fi-99999", "\\qc",      "{",       "}",
                                "x",       "\\u1055?",   "\\'cf",     " ",       "\\line"};
        std::mt19937 random(7);
        for (int round = 0; round < 300; ++round) {
            std::string rtf = "{\\rtf1 ";
            for (int i = 0; i < 60; ++i)
                rtf += tokens[random() % std::size(tokens)];
            QTextDocument doc;
            LoadRtfIntoDocument(doc, rtf);
            QVERIFY(doc.documentLayout()->documentSize().isValid());
        }
    }

    void shortRowsSpanTheGridAndJunkStillShows() {
        QTextDocument doc;
        LoadRtfIntoDocument(doc, "{\\rtf1\\trowd\\cellx1000\\cellx2000 \\intbl a\\cell b\\cell\\row"
                                 "\\trowd\\cellx2000 \\intbl c\\cell\\row\\pard\\par x}}}{\\");
        QTextTable *table = FirstTable(doc);
        QVERIFY(table);
        QCOMPARE(table->columns(), 2);
        QCOMPARE(table->cellAt(1, 0).columnSpan(), 2);
        QCOMPARE(table->format().border(), 0.0); // no \clbrdr: no border lines
        QVERIFY(doc.toPlainText().endsWith(QStringLiteral("\nx")));
    }
};

QTEST_MAIN(ReportViewerTest)
#include "report_viewer_test.moc"
