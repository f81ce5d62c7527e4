#include "../sample_report.h"
#include "pdf_pages.h"
#include "report/report_page.h"
#include "report/ui/chart_figure.h"
#include "report/ui/report_output_panel.h"
#include "report/ui/report_print.h"
#include "report/ui/rtf_text_document.h"
#include "window_test_support.h"
#include "write_attacks.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QTimer>

#include <cmath>
#include <functional>

using namespace orvane;

namespace {

QByteArray ReadAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Bytes(const std::string &s) {
    return QByteArray(s.data(), qsizetype(s.size()));
}

// A report of several pages: lines, then a floor table of 120 rows under its header row.
std::string LongReport() {
    ReportDocument doc;
    doc.BeginReport(kSupplyReportTitle);
    doc.Page = {"Дом", "ПД1", "дом.isrprj", "10.12.2025"};
    for (int i = 0; i < 60; ++i)
        RtfText(doc.RTBody, "\\par Плотность воздуха\\par\\b \\u961?\\b0  = 1,2");
    ReportTable table;
    table.push_back({{1200, "Этаж", CellAlign::center, true},
                     {6000, "P, Па", CellAlign::center, true},
                     {6000, "G, кг/с", CellAlign::center, true}});
    for (int floor = 120; floor > 0; --floor)
        table.push_back({{1200, std::to_string(floor), CellAlign::center, false},
                         {6000, "18,41", CellAlign::center, false},
                         {6000, "6,782", CellAlign::center, false}});
    RtfText(doc.RTBody, "\\par ");
    RtfTable(doc.RTBody, table);
    doc.BuildFullReport();
    return doc.RTFull;
}

// The pages of a PDF written by Qt, and whether each is A4 (595 x 842 points).
struct PdfPages {
    int pages = 0;
    bool allA4 = false;
};
PdfPages ReadPdfPages(const QByteArray &pdf) {
    PdfPages out;
    out.pages = test::PdfPageCount(pdf);
    if (out.pages == 0)
        return out;
    out.allA4 = pdf.count("/MediaBox [0 0 595") == out.pages && pdf.count(" 842") >= out.pages;
    return out;
}

} // namespace

class ReportOutputPanelTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void viewerIsReadOnlyCreamAndShowsTheReport() {
        ReportOutputPanel panel;
        QTextEdit *viewer = panel.findChild<QTextEdit *>(QStringLiteral("RichEditOut"));
        QVERIFY(viewer);
        QVERIFY(viewer->isReadOnly());
        QCOMPARE(viewer->palette().color(QPalette::Base), QColor(255, 251, 240));
        panel.SetReport(test::SampleReport());
        QVERIFY(viewer->toPlainText().contains(QStringLiteral("ИСХОДНЫЕ ДАННЫЕ")));
        QCOMPARE(panel.Report(), test::SampleReport());

        auto *save = panel.findChild<QPushButton *>(QStringLiteral("bbSaveToFile"));
        auto *fan = panel.findChild<QPushButton *>(QStringLiteral("bbFan"));
        QVERIFY(save && fan);
        QCOMPARE(save->text(), QStringLiteral("Сохранить"));
        QCOMPARE(save->toolTip(), QStringLiteral("Сохранить отчет в файл"));
        QCOMPARE(fan->text(), QStringLiteral("Вентилятор"));
        QCOMPARE(fan->toolTip(), QStringLiteral("Подбор вентилятора"));
    }

    void fanButtonIsDisabledWithoutTheFanProgram() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("bin")));
        ReportOutputPanel panel(nullptr, dir.filePath(QStringLiteral("bin")));
        QVERIFY(panel.AppForFan().isEmpty());
        QVERIFY(!panel.findChild<QPushButton *>(QStringLiteral("bbFan"))->isEnabled());

        test::MessageBoxAnswer box;
        panel.StartFanSelection();
        QCOMPARE(box.text, QStringLiteral("Не удается найти модуль подбора вентиляторов."));
        QCOMPARE(box.icon, QMessageBox::Warning);
    }

    void fanButtonStartsTheProgramWithTheDutyPoint() {
        QTemporaryDir dir;
        // blanks and a quote in the path: the arguments must not pass through a shell
        const QString root = dir.filePath(QStringLiteral("Орвейн 'x' $(y)"));
        QVERIFY(QDir().mkpath(root + QStringLiteral("/bin")));
        QVERIFY(QDir().mkpath(root + QStringLiteral("/Brisko")));
        const QString fan = root + QStringLiteral("/Brisko/Brisko");
        const QString out = dir.filePath(QStringLiteral("args.txt"));
        {
            QFile script(fan);
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"" +
                         out.toUtf8() + "\"\n");
            script.close();
            script.setPermissions(script.permissions() | QFile::ExeOwner | QFile::ExeUser);
        }
        ReportOutputPanel panel(nullptr, root + QStringLiteral("/bin"));
        QCOMPARE(panel.AppForFan(), fan);
        auto *button = panel.findChild<QPushButton *>(QStringLiteral("bbFan"));
        QVERIFY(button->isEnabled());
        panel.SetFanKind(QStringLiteral("Sup"));
        panel.SetDutyPoint(12499.5, 214.5);
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_COMPARE(ReadAll(out), QByteArray("-F=Sup\n-L=12500\n-P=214\n"));
    }

    void saveProposesTheNameAndWritesTheReportBytes() {
        QTemporaryDir dir;
        ReportOutputPanel panel;
        panel.SetReport(test::SampleReport());
        panel.SetFileNameInputs(QStringLiteral("Офис 1"), QStringLiteral("П1"));
        panel.SetSaveFolder(dir.path());
        QCOMPARE(panel.DefaultFileName(), QStringLiteral("Офис 1_П1"));

        QString proposed;
        QStringList filters;
        QString dialogName;
        test::WhenModal([&](QWidget *w) {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            if (!dialog)
                return;
            dialogName = dialog->objectName();
            filters = dialog->nameFilters();
            auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            proposed = edit ? edit->text() : QString();
            if (edit)
                edit->setText(QStringLiteral("отчёт")); // no extension typed
            static_cast<QDialog *>(dialog)->accept();   // as the Save button does
        });
        QVERIFY(panel.SaveReportToFile());
        QCOMPARE(dialogName, QStringLiteral("SaveDialogReport"));
        QCOMPARE(filters, QStringList{QStringLiteral("Текст в формате RTF (*.rtf)")});
        QCOMPARE(proposed, QStringLiteral("Офис 1_П1.rtf"));
        QCOMPARE(ReadAll(dir.filePath(QStringLiteral("отчёт.rtf"))), Bytes(test::SampleReport()));
    }

    void savingOverAnExistingFileAsksAndReplacesIt() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.rtf"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("previous content that is longer than nothing");
        old.close();

        ReportOutputPanel panel;
        panel.SetReport("{\\rtf1 new}");
        panel.SetSaveFolder(dir.path());
        bool asked = false;
        test::WhenModal([&](QWidget *w) {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            if (!dialog)
                return;
            test::WhenModal(
                [&](QWidget *prompt) {
                    auto *box = qobject_cast<QMessageBox *>(prompt);
                    if (!box)
                        return;
                    asked = true;
                    box->button(QMessageBox::Yes)->click();
                },
                dialog);
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
            static_cast<QDialog *>(dialog)->accept(); // as the Save button does
        });
        QVERIFY(panel.SaveReportToFile());
        QVERIFY(asked);
        QCOMPARE(ReadAll(path), QByteArray("{\\rtf1 new}"));
    }

    void cancellingTheDialogWritesNothing() {
        QTemporaryDir dir;
        ReportOutputPanel panel;
        panel.SetReport("{\\rtf1 x}");
        panel.SetFileNameInputs(QStringLiteral("a"), QString());
        panel.SetSaveFolder(dir.path());
        test::WhenModal([](QWidget *w) {
            if (auto *dialog = qobject_cast<QFileDialog *>(w))
                dialog->reject();
        });
        QVERIFY(!panel.SaveReportToFile());
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void printGoesThroughThePrintDialogOntoA4Pages() {
        ReportOutputPanel panel;
        panel.SetReport(LongReport());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("напечатано.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        QString dialogClass;
        test::WhenModal([&dialogClass](QWidget *w) {
            dialogClass = QString::fromLatin1(w->metaObject()->className());
            if (auto *dialog = qobject_cast<QDialog *>(w))
                dialog->accept();
        });
        QVERIFY(panel.PrintReport(printer));
        QVERIFY2(dialogClass.contains(QStringLiteral("PrintDialog")), qPrintable(dialogClass));
        const PdfPages pdf = ReadPdfPages(ReadAll(path));
        QVERIFY2(pdf.pages >= 3, qPrintable(QString::number(pdf.pages)));
        QVERIFY(pdf.allA4);
    }

    void cancellingThePrintDialogPrintsNothing() {
        ReportOutputPanel panel;
        panel.SetReport(LongReport());
        QTemporaryDir dir;
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("x.pdf")));
        test::WhenModal([](QWidget *w) {
            if (auto *dialog = qobject_cast<QDialog *>(w))
                dialog->reject();
        });
        QVERIFY(!panel.PrintReport(printer));
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void printIsOnCtrlPAndOpensTheDialog() {
        ReportOutputPanel panel;
        panel.SetReport(test::SampleReport());
        auto *print = panel.findChild<QAction *>(QStringLiteral("ActionPrint"));
        QVERIFY(print);
        QCOMPARE(print->shortcut(), QKeySequence(QKeySequence::Print));
        bool shown = false;
        test::WhenModal([&shown](QWidget *w) {
            shown = qobject_cast<QPrintDialog *>(w) != nullptr;
            if (auto *dialog = qobject_cast<QDialog *>(w))
                dialog->reject();
        });
        print->trigger();
        QVERIFY(shown);
    }

    void savePdfWritesA4PagesUnderTheNameWithItsExtension() {
        ReportOutputPanel panel;
        panel.SetReport(LongReport());
        QTemporaryDir dir;
        QVERIFY(panel.SaveReportPdfAs(dir.filePath(QStringLiteral("отчёт"))));
        const PdfPages pdf = ReadPdfPages(ReadAll(dir.filePath(QStringLiteral("отчёт.pdf"))));
        QVERIFY2(pdf.pages >= 3, qPrintable(QString::number(pdf.pages)));
        QVERIFY(pdf.allA4);
        // nothing but the PDF is left in the folder
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    }

    // every page of the text is painted: the page breaks that keep labels with their values
    // must not leave the rest of the report unlaid and so unprinted (a whole supply report)
    void everyPageOfTheTextIsPainted() {
        const QByteArray bytes =
            ReadAll(QStringLiteral(TEST_DATA_DIR "/inflow/data/lift_default.rtf"));
        QVERIFY(bytes.startsWith("{\\rtf1"));
        const std::string rtf = bytes.toStdString();
        QTextDocument plain;
        plain.setDocumentMargin(0);
        LoadRtfIntoDocument(plain, rtf);
        plain.setPageSize(QSizeF(kTextWidth * 96.0 / 1440,
                                 (kPaperHeight - kMarginTop - kMarginBottom) * 96.0 / 1440));
        const int unkept = plain.pageCount();
        QVERIFY(unkept >= 3);
        QTemporaryDir dir;
        QPdfWriter writer(dir.filePath(QStringLiteral("r.pdf")));
        writer.setResolution(300);
        const int painted =
            PaintReport(writer, {rtf, QStringLiteral("x"), QStringLiteral("Отчёт")});
        QVERIFY2(painted >= unkept, qPrintable(QStringLiteral("%1 < %2").arg(painted).arg(unkept)));
    }

    // the charts follow the text on pages of their own, two to a page; a report without charts
    // keeps the text's pages alone
    void chartsFollowTheTextTwoToAPage() {
        const std::string rtf = test::SampleReport();
        const ChartData chart{"Давление в лестничной клетке",
                              "Давление P, Па",
                              "Этаж",
                              {{"Ps", {{30, 1}, {45, 2}, {std::nan(""), 3}, {60, 4}}}},
                              {kDoorPressureMin, kDoorPressureMax},
                              true};
        QTemporaryDir dir;
        int textPages = 0;
        for (const auto &[charts, chartPages] : {std::pair{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}) {
            const std::vector<ChartData> list(size_t(charts), chart);
            const QString path = dir.filePath(QStringLiteral("%1.pdf").arg(charts));
            int painted = 0;
            {
                QPdfWriter writer(path);
                writer.setResolution(300);
                painted =
                    PaintReport(writer, {rtf, QStringLiteral("x"), QStringLiteral("Отчёт"), list});
            }
            if (charts == 0)
                textPages = painted;
            // a build without Qt Charts ends its pages with the text
            const int expected = ChartsDrawn() ? chartPages : 0;
            QCOMPARE(ChartPageCount(size_t(charts)), expected);
            QCOMPARE(painted, textPages + expected);
            const PdfPages pdf = ReadPdfPages(ReadAll(path));
            QCOMPARE(pdf.pages, painted);
            QVERIFY(pdf.allA4);
        }
        QVERIFY(textPages >= 1);
    }

    // a word wider than the page gets a break opportunity after each character and breaks
    // where each line ends, every character kept; the words around it stay whole
    void aWordWiderThanThePageBreaksWhereTheLineEnds() {
        const QString word(3000, QLatin1Char('A'));
        const QString text = QStringLiteral("Наименование проекта: ") + word +
                             QStringLiteral(" и ещё слово в 24 буквы: ПротиводымнаяВентиляцияЗ");
        QTextDocument doc;
        doc.setPlainText(text);
        const qreal width = 600;
        LetLongWordsBreak(doc, width);
        const QString broken = doc.toPlainText();
        QCOMPARE(broken.count(QChar(0x200B)), word.size() - 1);
        QCOMPARE(QString(broken).remove(QChar(0x200B)), text);
        doc.setTextWidth(width);
        doc.documentLayout()->documentSize();
        const QTextLayout *layout = doc.begin().layout();
        QVERIFY2(layout->lineCount() > 10, qPrintable(QString::number(layout->lineCount())));
        for (int i = 0; i < layout->lineCount(); ++i)
            QVERIFY(layout->lineAt(i).naturalTextWidth() <= width);
    }

    void pagedLayoutRepeatsTheTablesHeaderRow() {
        QTextDocument doc;
        LoadRtfIntoDocument(doc, LongReport());
        QTextTable *table = nullptr;
        for (QTextFrame *frame : doc.rootFrame()->childFrames())
            table = table ? table : qobject_cast<QTextTable *>(frame);
        QVERIFY(table);
        QCOMPARE(table->format().headerRowCount(), 1);
    }

    void aPdfThatCannotBeWrittenIsNamedInTheError() {
        QTemporaryDir dir;
        ReportOutputPanel panel;
        panel.SetReport(test::SampleReport());
        const QString path = dir.filePath(QStringLiteral("нет/отчёт.pdf"));
        test::MessageBoxAnswer box;
        QVERIFY(!panel.SaveReportPdfAs(path));
        QVERIFY2(box.text.contains(path), qPrintable(box.text));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    // Every attack on the saved file gives the same outcome for "Сохранить в PDF…" as for
    // "Сохранить": the message naming the file and the reason, the folder afterwards.
    void attacksGiveThePdfWhatTheyGiveTheReport_data() {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<int>("attack");
#ifndef _WIN32
        const auto attacks = test::WriteAttacks();
        for (int i = 0; i < int(attacks.size()); ++i)
            for (const char *extension : {"rtf", "pdf"})
                QTest::addRow("%s %s", attacks[size_t(i)].name, extension)
                    << QString::fromLatin1(extension) << i;
#endif
    }
    void attacksGiveThePdfWhatTheyGiveTheReport() {
#ifdef _WIN32
        QSKIP("POSIX file system only: links, pipes, devices, mounts and limits");
#else
        QFETCH(QString, extension);
        QFETCH(int, attack);
        const test::WriteAttack &a = test::WriteAttacks()[size_t(attack)];
        const test::StagedAttack staged(a, "out." + extension.toStdString());
        if (!staged.skipped().empty())
            QSKIP(staged.skipped().c_str());
        ReportOutputPanel panel;
        panel.SetReport(LongReport());
        const QString path = QString::fromStdString(staged.out());
        test::MessageBoxAnswer boxes(QMessageBox::NoButton, true);
        const bool saved = extension == QStringLiteral("pdf") ? panel.SaveReportPdfAs(path)
                                                              : panel.SaveReportAs(path);
        const QString shown = boxes.text;
        const QString reason = QString::fromUtf8(a.reason);
        QCOMPARE(saved, reason.isEmpty());
        QCOMPARE(shown, reason.isEmpty() ? QString()
                                         : QStringLiteral("Не удалось записать файл ") + path +
                                               QStringLiteral(": ") + reason);
        QCOMPARE(QString::fromStdString(staged.state()), QString::fromUtf8(a.after));
#endif
    }

    void aFileThatCannotBeWrittenIsNamedInTheErrorAndNothingIsLeft() {
        QTemporaryDir dir;
        ReportOutputPanel panel;
        panel.SetReport("{\\rtf1 x}");
        const QString path = dir.filePath(QStringLiteral("нет/отчёт"));
        test::MessageBoxAnswer box;
        QVERIFY(!panel.SaveReportAs(path));
        QVERIFY2(box.text.contains(path + QStringLiteral(".rtf")), qPrintable(box.text));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QVERIFY(QDir(dir.path()).isEmpty());
    }
};

QTEST_MAIN(ReportOutputPanelTest)
#include "report_output_panel_test.moc"
