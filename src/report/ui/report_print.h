#pragma once
// The report on paper and in PDF: the same A4 page, margins and footer as the RTF opened in a
// word processor, table header rows repeated on every page.

#include "core/file_io.h"
#include "report/chart_data.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <span>
#include <string>
#include <string_view>

class QApplication;
class QPagedPaintDevice;
class QTextDocument;

namespace orvane {

class ReportDocument;

// What the pages of one report show: its RTF, the run's charts after it and the footer's fields
// before the page number.
struct PrintableReport {
    std::string_view rtf;
    QString footerLead; // "Проект · Система · файл · Орвейн 5.1 · 10.12.2026"
    QString title;      // the PDF's title property
    std::span<const ChartData> charts = {}; // none: the text alone, no "Графики" heading
};
PrintableReport Printable(const ReportDocument &report);

// Gives each word of `doc` wider than `lineWidth` a break opportunity (a zero-width space) after
// each of its characters, so that the layout breaks it where a line ends. Qt's own breaking of
// such a word measures the rest of the word again on every line: a word of n characters would
// take n² steps to lay out.
void LetLongWordsBreak(QTextDocument &doc, qreal lineWidth);

// The pages the charts take after the text: two charts to a page.
int ChartPageCount(size_t charts);

// Sets A4 portrait on `device` and paints every page of the report on it: the text, then the
// charts under the heading "Графики", the footer with "стр. N из M" on each page, the chart pages
// counted. Returns the number of pages; 0 when the device could not be painted. Charts need a
// QApplication.
int PaintReport(QPagedPaintDevice &device, const PrintableReport &report);

// The report as the bytes of a PDF file, its pages laid out in memory; empty when they could not
// be painted.
QByteArray ReportPdf(const PrintableReport &report);

// Writes the report as a PDF file through the one atomic write every file of the program goes
// through (WriteFileAtomic): the same refusals and the same messages, naming the file and the
// reason.
FileResult WriteReportPdf(const PrintableReport &report, const std::string &path);

// What a program without windows needs to lay reports out (the batch calculator's --pdf): an
// application (the charts are widgets' graphics), on the offscreen platform unless one is
// chosen, with Qt's own notes kept off the program's output. Lives while reports are written.
class HeadlessPages {
public:
    HeadlessPages(int &argc, char **argv);
    ~HeadlessPages();
    HeadlessPages(const HeadlessPages &) = delete;
    HeadlessPages &operator=(const HeadlessPages &) = delete;

    // ReportPdf of a module's report as bytes; empty when the pages could not be painted.
    static std::string MakePdf(const ReportDocument &report);

private:
    std::unique_ptr<QApplication> app_;
};

} // namespace orvane
