#pragma once
// The report on paper and in PDF: the same A4 page, margins and footer as the RTF opened in a
// word processor, table header rows repeated on every page.

#include <QString>

#include <memory>
#include <string>
#include <string_view>

class QGuiApplication;
class QPagedPaintDevice;

namespace orvane {

class ReportDocument;

// What the pages of one report show: its RTF and the footer's fields before the page number.
struct PrintableReport {
    std::string_view rtf;
    QString footerLead; // "Проект · Система · файл · Орвейн 5.1 · 10.12.2026"
    QString title;      // the PDF's title property
};
PrintableReport Printable(const ReportDocument &report);

// Sets A4 portrait on `device` and paints every page of the report on it, the footer with
// "стр. N из M" on each. Returns the number of pages; 0 when the device could not be painted.
int PaintReport(QPagedPaintDevice &device, const PrintableReport &report);

// Writes the report as a PDF file. Empty on success, else the reason in Russian.
QString WriteReportPdf(const PrintableReport &report, const QString &path);

// What a program without windows needs to lay reports out (the batch calculator's --pdf): a GUI
// application, on the offscreen platform unless one is chosen, with Qt's own notes kept off the
// program's output. Lives while reports are written.
class HeadlessPages {
public:
    HeadlessPages(int &argc, char **argv);
    ~HeadlessPages();
    HeadlessPages(const HeadlessPages &) = delete;
    HeadlessPages &operator=(const HeadlessPages &) = delete;

    // WriteReportPdf of a module's report: the reason of a failure in UTF-8, empty on success.
    static std::string WritePdf(const ReportDocument &report, const std::string &path);

private:
    std::unique_ptr<QGuiApplication> app_;
};

} // namespace orvane
