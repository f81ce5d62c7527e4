#pragma once
// The output panel both calculation windows end in: the report viewer, "Сохранить" (the report
// as an RTF file), "Сохранить в PDF…", "Печать…" (Ctrl+P) and "Вентилятор" (the fan selection
// program with the last duty point).

#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <utility>

class QPrinter;
class QPushButton;
class QTabWidget;
class QTextEdit;

namespace orvane {

class ReportDocument;
struct PrintableReport;

class ReportOutputPanel : public QWidget {
    Q_OBJECT
public:
    // `programFolder`: where the running program lives (default: the executable's folder); the
    // fan program is looked up once, here, beside that folder.
    explicit ReportOutputPanel(QWidget *parent = nullptr, const QString &programFolder = {});

    // Shows the full document of `report` and saves it as it stands, read where it lies: the
    // module owns both the document and this panel and calls this again after each run.
    void ShowReport(const ReportDocument &report);
    void ShowReport(const ReportDocument &&) = delete;
    // A complete RTF document the panel keeps itself.
    void SetReport(std::string rtfFull);
    const std::string &Report() const { return *shown_; }

    void SetDutyPoint(double volumeFlow, double pressure);
    void SetFanKind(const QString &kind); // "Smk" (exhaust) or "Sup" (supply)

    // The texts of EditProjectName and EditSystemName, or a function that reads them when the
    // name is needed (it wins over the fixed texts).
    void SetFileNameInputs(const QString &projectName, const QString &systemName);
    void SetFileNameSource(std::function<std::pair<QString, QString>()> source);
    void SetSaveFolder(const QString &folder);

    QString DefaultFileName() const;
    QString AppForFan() const { return appForFan_; }
    QTextEdit *Viewer() const { return richEditOut_; }
    // A page beside the report: the viewer becomes the first tab ("Отчёт") of a tab bar.
    void AddTab(QWidget *page, const QString &title);
    // The tab bar, null until a page was added.
    QTabWidget *Tabs() const { return tabs_; }

    // Asks for a file name and saves; false when cancelled or not written.
    bool SaveReportToFile();
    // Saves to `fileName` (".rtf" appended when it has no extension); shows the reason on failure.
    bool SaveReportAs(const QString &fileName);

    // Asks for a file name and writes the report as PDF; false when cancelled or not written.
    bool SaveReportPdf();
    // Writes the PDF to `fileName` (".pdf" appended when it has no extension); shows the reason
    // on failure.
    bool SaveReportPdfAs(const QString &fileName);
    // The system print dialog, then the pages; false when cancelled or nothing was printed.
    // The dialog starts from `printer` as it is set up.
    bool PrintReport();
    bool PrintReport(QPrinter &printer);
    // The pages on `printer` as it is set up (A4 and the report margins are set here).
    bool PrintReportOn(QPrinter &printer);

    // "Вентилятор": the fan selection program with the duty point, or the reason it cannot start.
    void StartFanSelection();

signals:
    void reportSaved(const QString &fileName);

private:
    // The save dialog with the default name and folder; the chosen path, or "" for cancel.
    QString AskSavePath(const QString &dialogName, const QString &filter, const QString &suffix);
    QString MessageTitle() const;
    void FillViewer();
    // The shown report with its footer: the module's page fields, or the program alone for a
    // report the panel was handed as text.
    PrintableReport Printable() const;

    QTextEdit *richEditOut_ = nullptr;
    QTabWidget *tabs_ = nullptr;
    QPushButton *bbSaveToFile_ = nullptr;
    QPushButton *bbSavePdf_ = nullptr;
    QPushButton *bbPrint_ = nullptr;
    QPushButton *bbFan_ = nullptr;
    std::string ownReport_;
    const std::string *shown_ = &ownReport_;
    const ReportDocument *shownDocument_ = nullptr; // when the report is a module's document
    QString appForFan_;
    QString fanKind_ = QStringLiteral("Smk");
    double volumeFlow_ = 0;
    double pressure_ = 0;
    QString projectName_;
    QString systemName_;
    std::function<std::pair<QString, QString>()> nameSource_;
    QString saveFolder_;
};

} // namespace orvane
