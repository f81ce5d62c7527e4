// orvane-calc --pdf: the charts of the run follow the report's text on pages of their own.

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
        const cli::PdfWriter writer = [&](const ReportDocument &report, const std::string &path) {
            handed = report.Charts.size();
            // the same report without its charts, laid out alone
            PrintableReport text = Printable(report);
            text.charts = {};
            QPdfWriter alone(dir.filePath(QStringLiteral("text.pdf")));
            alone.setResolution(300);
            textPages = PaintReport(alone, text);
            return HeadlessPages::WritePdf(report, path);
        };
        std::ostringstream out, err;
        const std::vector<std::string> args = {
            "--pdf", pdf.toStdString(), std::string(EXAMPLES_DIR "/") + project.toStdString()};
        QCOMPARE(cli::RunCli(args, out, err, writer), cli::kExitOk);
        QCOMPARE(handed, size_t(charts));
        QVERIFY(textPages >= 1);
        QCOMPARE(PdfFilePages(pdf), textPages + ChartPageCount(handed));
    }
};

QTEST_MAIN(CliPdfTest)
#include "cli_pdf_test.moc"
