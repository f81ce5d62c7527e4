#include "report/ui/report_output_panel.h"

#include "core/file_io.h"
#include "report/report_document.h"
#include "report/report_output.h"
#include "report/ui/report_print.h"
#include "report/ui/rtf_text_document.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace orvane {

ReportOutputPanel::ReportOutputPanel(QWidget *parent, const QString &programFolder)
    : QWidget(parent) {
    richEditOut_ = new QTextEdit(this);
    richEditOut_->setObjectName(QStringLiteral("RichEditOut"));
    richEditOut_->setReadOnly(true);
    richEditOut_->setUndoRedoEnabled(false);
    richEditOut_->setLineWrapMode(QTextEdit::NoWrap);
    richEditOut_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    richEditOut_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette palette = richEditOut_->palette();
    palette.setColor(QPalette::Base, QColor(255, 251, 240));
    palette.setColor(QPalette::Text, Qt::black);
    richEditOut_->setPalette(palette);

    bbSaveToFile_ = new QPushButton(QStringLiteral("Сохранить"), this);
    bbSaveToFile_->setObjectName(QStringLiteral("bbSaveToFile"));
    bbSaveToFile_->setToolTip(QStringLiteral("Сохранить отчет в файл"));
    bbSavePdf_ = new QPushButton(QStringLiteral("Сохранить в PDF…"), this);
    bbSavePdf_->setObjectName(QStringLiteral("bbSavePdf"));
    bbSavePdf_->setToolTip(QStringLiteral("Сохранить отчет в файл PDF (страницы A4)"));
    bbPrint_ = new QPushButton(QStringLiteral("Печать…"), this);
    bbPrint_->setObjectName(QStringLiteral("bbPrint"));
    bbPrint_->setToolTip(QStringLiteral("Напечатать отчет (Ctrl+P)"));
    bbFan_ = new QPushButton(QStringLiteral("Вентилятор"), this);
    bbFan_->setObjectName(QStringLiteral("bbFan"));
    bbFan_->setToolTip(QStringLiteral("Подбор вентилятора"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(bbSaveToFile_);
    buttons->addWidget(bbSavePdf_);
    buttons->addWidget(bbPrint_);
    buttons->addWidget(bbFan_);
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(richEditOut_, 1);
    layout->addLayout(buttons);

    connect(bbSaveToFile_, &QPushButton::clicked, this, [this] { SaveReportToFile(); });
    connect(bbSavePdf_, &QPushButton::clicked, this, [this] { SaveReportPdf(); });
    connect(bbPrint_, &QPushButton::clicked, this, [this] { PrintReport(); });
    connect(bbFan_, &QPushButton::clicked, this, &ReportOutputPanel::StartFanSelection);
    auto *print = new QAction(QStringLiteral("Печать…"), this);
    print->setObjectName(QStringLiteral("ActionPrint"));
    print->setShortcut(QKeySequence::Print);
    print->setShortcutContext(Qt::WindowShortcut);
    addAction(print);
    connect(print, &QAction::triggered, this, [this] { PrintReport(); });

    // The fan program is looked up once: one installed later is seen by a new window.
    QString folder =
        programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder;
    folder = QDir::toNativeSeparators(folder);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    const QString candidate =
        QString::fromStdString(FanProgramPath(folder.toStdString()));
    if (!candidate.isEmpty() && QFileInfo(candidate).isFile())
        appForFan_ = candidate;
    bbFan_->setEnabled(!appForFan_.isEmpty());
}

void ReportOutputPanel::AddTab(QWidget *page, const QString &title) {
    if (tabs_ == nullptr) {
        // the viewer moves into the first tab once the panel has more than the report to show
        tabs_ = new QTabWidget(this);
        tabs_->setObjectName(QStringLiteral("TabsOut"));
        delete layout()->replaceWidget(richEditOut_, tabs_);
        tabs_->addTab(richEditOut_, QStringLiteral("Отчёт"));
    }
    tabs_->addTab(page, title);
}

void ReportOutputPanel::ShowReport(const ReportDocument &report) {
    shown_ = &report.RTFull;
    shownDocument_ = &report;
    FillViewer();
}

void ReportOutputPanel::SetReport(std::string rtfFull) {
    ownReport_ = std::move(rtfFull);
    shown_ = &ownReport_;
    shownDocument_ = nullptr;
    FillViewer();
}

void ReportOutputPanel::FillViewer() {
    // A new document is filled away from the view, so nothing is laid out while it grows; once
    // set, the viewer lays out the first screen and the rest a step at a time.
    auto *doc = new QTextDocument(richEditOut_);
    doc->setDefaultFont(richEditOut_->font());
    doc->setUndoRedoEnabled(false);
    LoadRtfIntoDocument(*doc, *shown_);
    // the viewer deletes only the document it made itself; an earlier report is the panel's
    QTextDocument *previous = richEditOut_->document();
    const bool panelOwnsPrevious = previous->parent() == richEditOut_;
    richEditOut_->setDocument(doc);
    if (panelOwnsPrevious)
        delete previous;
}

void ReportOutputPanel::SetDutyPoint(double volumeFlow, double pressure) {
    volumeFlow_ = volumeFlow;
    pressure_ = pressure;
}

void ReportOutputPanel::SetFanKind(const QString &kind) {
    fanKind_ = kind;
}

void ReportOutputPanel::SetFileNameInputs(const QString &projectName, const QString &systemName) {
    projectName_ = projectName;
    systemName_ = systemName;
}

void ReportOutputPanel::SetFileNameSource(std::function<std::pair<QString, QString>()> source) {
    nameSource_ = std::move(source);
}

void ReportOutputPanel::SetSaveFolder(const QString &folder) {
    saveFolder_ = folder;
}

QString ReportOutputPanel::DefaultFileName() const {
    auto [project, system] = nameSource_ ? nameSource_() : std::pair(projectName_, systemName_);
    return QString::fromStdString(
        orvane::DefaultFileName(project.toStdString(), system.toStdString()));
}

QString ReportOutputPanel::MessageTitle() const {
    const QString title = QApplication::applicationDisplayName();
    return title.isEmpty() ? QStringLiteral("Орвейн") : title;
}

QString ReportOutputPanel::AskSavePath(const QString &dialogName, const QString &filter,
                                       const QString &suffix) {
    QString name = DefaultFileName();
    if (!name.isEmpty())
        name += QLatin1Char('.') + suffix;
    QFileDialog dialog(this);
    dialog.setObjectName(dialogName);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    // the dialog appends the suffix itself, so its overwrite prompt sees the final name
    dialog.setDefaultSuffix(suffix);
    if (!saveFolder_.isEmpty() && QFileInfo(saveFolder_).isDir())
        dialog.setDirectory(saveFolder_);
    dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.front();
}

bool ReportOutputPanel::SaveReportToFile() {
    const QString path = AskSavePath(QStringLiteral("SaveDialogReport"),
                                     QStringLiteral("Текст в формате RTF (*.rtf)"),
                                     QStringLiteral("rtf"));
    return !path.isEmpty() && SaveReportAs(path);
}

bool ReportOutputPanel::SaveReportAs(const QString &fileName) {
    const QString path =
        QString::fromStdString(EnsureRtfExtension(fileName.toStdString()));
    const FileResult result = WriteFileAtomic(path.toStdString(), *shown_);
    if (!result.ok) {
        QMessageBox::critical(this, MessageTitle(), QString::fromStdString(result.error));
        return false;
    }
    emit reportSaved(path);
    return true;
}

PrintableReport ReportOutputPanel::Printable() const {
    if (shownDocument_ != nullptr)
        return orvane::Printable(*shownDocument_);
    return {*shown_, QString::fromStdString(ProgramVersionText()), QStringLiteral("Отчёт")};
}

bool ReportOutputPanel::SaveReportPdf() {
    const QString path = AskSavePath(QStringLiteral("SaveDialogPdf"),
                                     QStringLiteral("Документ PDF (*.pdf)"), QStringLiteral("pdf"));
    return !path.isEmpty() && SaveReportPdfAs(path);
}

bool ReportOutputPanel::SaveReportPdfAs(const QString &fileName) {
    const QString path = QString::fromStdString(
        EnsureExtension(fileName.toStdString(), "pdf"));
    // the same write and the same messages as the report's own "Сохранить"
    const FileResult result = WriteReportPdf(Printable(), path.toStdString());
    if (!result.ok) {
        QMessageBox::critical(this, MessageTitle(), QString::fromStdString(result.error));
        return false;
    }
    return true;
}

bool ReportOutputPanel::PrintReport() {
    QPrinter printer(QPrinter::HighResolution);
    return PrintReport(printer);
}

bool ReportOutputPanel::PrintReport(QPrinter &printer) {
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    dialog.setWindowTitle(QStringLiteral("Печать отчета"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return PrintReportOn(printer);
}

bool ReportOutputPanel::PrintReportOn(QPrinter &printer) {
    if (PaintReport(printer, Printable()) > 0)
        return true;
    QMessageBox::critical(this, MessageTitle(), QStringLiteral("Отчёт не удалось напечатать."));
    return false;
}

void ReportOutputPanel::StartFanSelection() {
    if (appForFan_.isEmpty()) {
        QMessageBox::warning(this, MessageTitle(),
                             QStringLiteral("Не удается найти модуль подбора вентиляторов."));
        return;
    }
    const auto arguments = FanArguments(fanKind_.toStdString(), volumeFlow_, pressure_);
    if (!arguments) {
        QMessageBox::critical(this, MessageTitle(),
                              QStringLiteral("Расчёт прерван: получено недопустимое значение. "
                                             "Проверьте исходные данные."));
        return;
    }
    QStringList args;
    for (const std::string &argument : *arguments)
        args << QString::fromStdString(argument);
    // an argument list, never a shell: the path and the numbers reach the program as they are
    if (!QProcess::startDetached(appForFan_, args)) {
        QMessageBox::warning(this, MessageTitle(),
                             QStringLiteral("Не удается запустить модуль подбора вентиляторов."));
    }
}

} // namespace orvane
