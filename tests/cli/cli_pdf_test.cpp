// orvane-calc --pdf: the charts of the run follow the report's text on pages of their own; the
// PDF goes where -o would put the report, through the same writer.

#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

#include "cli/cli_args.h"
#include "core/number_text.h"
#include "pdf_pages.h"
#include "report/report_document.h"
#include "report/ui/report_print.h"
#include "write_attacks.h"

using namespace orvane;

namespace {

int PdfFilePages(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? test::PdfPageCount(file.readAll()) : -1;
}

} // namespace

class CliPdfTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetDecimalSeparator(','); }

    void chartPagesFollowTheText_data() {
        QTest::addColumn<QString>("project");
        QTest::addColumn<int>("charts");
        QTest::newRow("lift") << QStringLiteral("lift.isrprj") << 2;
        QTest::newRow("underground") << QStringLiteral("sw_ug.isrprj") << 2;
        QTest::newRow("tambour") << QStringLiteral("tambour.isrprj") << 2;
        QTest::newRow("corridor") << QStringLiteral("corridor.smkprj") << 2;
    }
    void chartPagesFollowTheText() {
        QFETCH(QString, project);
        QFETCH(int, charts);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("r.pdf"));
        int textPages = 0;
        size_t handed = 0;
        const cli::PdfMaker maker = [&](const ReportDocument &report) {
            handed = report.Charts.size();
            // the same report without its charts, laid out alone
            PrintableReport text = Printable(report);
            text.charts = {};
            QPdfWriter alone(dir.filePath(QStringLiteral("text.pdf")));
            alone.setResolution(300);
            textPages = PaintReport(alone, text);
            return HeadlessPages::MakePdf(report);
        };
        std::ostringstream out, err;
        const std::vector<std::string> args = {
            "--pdf", pdf.toStdString(), std::string(EXAMPLES_DIR "/") + project.toStdString()};
        QCOMPARE(cli::RunCli(args, out, err, maker), cli::kExitOk);
        QCOMPARE(handed, size_t(charts));
        QVERIFY(textPages >= 1);
        QCOMPARE(PdfFilePages(pdf), textPages + ChartPageCount(handed));
    }

    // "--pdf -": the PDF's bytes on standard output, the duty point on standard error
    void dashWritesThePdfToStandardOutput() {
        QTemporaryDir dir;
        const std::string project = EXAMPLES_DIR "/room.smkprj";
        const std::string file = dir.filePath(QStringLiteral("r.pdf")).toStdString();
        std::ostringstream fileOut, fileErr, out, err;
        QCOMPARE(cli::RunCli({"--pdf", file, project}, fileOut, fileErr, HeadlessPages::MakePdf),
                 cli::kExitOk);
        QCOMPARE(cli::RunCli({"--pdf", "-", project}, out, err, HeadlessPages::MakePdf),
                 cli::kExitOk);
        const QByteArray pdf = QByteArray::fromStdString(out.str());
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        QCOMPARE(test::PdfPageCount(pdf), PdfFilePages(QString::fromStdString(file)));
        QCOMPARE(err.str(), fileOut.str());
    }

    // Every attack on the file a run writes gives the same outcome for --pdf as for -o: the
    // exit code, the message naming the file and the reason, the folder afterwards.
    void attacksGiveWhatTheyGiveTheReport_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("attack");
#ifndef _WIN32
        const auto attacks = test::WriteAttacks();
        for (int i = 0; i < int(attacks.size()); ++i)
            for (const char *option : {"-o", "--pdf"})
                QTest::addRow("%s %s", attacks[size_t(i)].name, option)
                    << QString::fromLatin1(option) << i;
#endif
    }
    void attacksGiveWhatTheyGiveTheReport() {
#ifdef _WIN32
        QSKIP("POSIX file system only: links, pipes, devices, mounts and limits");
#else
        QFETCH(QString, option);
        QFETCH(int, attack);
        const test::WriteAttack &a = test::WriteAttacks()[size_t(attack)];
        const test::StagedAttack staged(a, "out");
        if (!staged.skipped().empty())
            QSKIP(staged.skipped().c_str());
        std::ostringstream out, err;
        const int code = cli::RunCli({option.toStdString(), staged.out(), kProject}, out, err,
                                     HeadlessPages::MakePdf);
        SetDecimalSeparator(',');
        const std::string reason = a.reason;
        QCOMPARE(QString::fromStdString(err.str()),
                 QString::fromStdString(reason.empty() ? std::string()
                                                       : "Не удалось записать файл " +
                                                             staged.out() + ": " + reason + "\n"));
        QCOMPARE(code, reason.empty() ? cli::kExitOk : cli::kExitUsage);
        QCOMPARE(QString::fromStdString(staged.state()), QString::fromUtf8(a.after));
#endif
    }

private:
    // a project whose run gives no warnings: standard error holds the write's message alone
    static constexpr const char *kProject = EXAMPLES_DIR "/room.smkprj";
};

QTEST_MAIN(CliPdfTest)
#include "cli_pdf_test.moc"
