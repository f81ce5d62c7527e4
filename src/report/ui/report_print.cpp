#include "report/ui/report_print.h"

#include "report/ui/chart_figure.h"
#include "report/report_document.h"
#include "report/report_page.h"
#include "report/ui/rtf_text_document.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <QTextTable>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace orvane {

namespace {

// The document is laid out at 96 dpi, as the viewer lays it out (twips / 15 = pixels), and
// painted scaled to the device.
constexpr qreal kLayoutDpi = 96;

qreal TwipsToLayout(qreal twips) {
    return twips * kLayoutDpi / 1440;
}

qreal MmToLayout(qreal mm) {
    return mm * kLayoutDpi / 25.4;
}

qreal TwipsToMm(qreal twips) {
    return twips * 25.4 / 1440;
}

// The device keeps a small margin at the bottom: the footer goes into the band just above it,
// inside the report's bottom margin.
constexpr qreal kDeviceBottomMm = 8;
constexpr qreal kFooterBandMm = 8;

QString PlainTitle(const std::string &title) {
    QString text = QString::fromStdString(title);
    text.replace(QStringLiteral("\\par "), QStringLiteral(" "));
    return text;
}

// Word processors keep a \\keepn paragraph on the page of the paragraph after it; Qt's layout
// does not. A run of kept blocks with the block that ends it, which would straddle a page
// break, starts the next page instead (unless it is longer than a page).
void KeepBlocksWithTheirNext(QTextDocument &doc, qreal pageHeight) {
    QAbstractTextDocumentLayout *layout = doc.documentLayout();
    const auto kept = [](const QTextBlock &b) {
        return b.blockFormat().boolProperty(kKeepWithNextProperty);
    };
    const auto inTable = [&doc](const QTextBlock &b) {
        return QTextCursor(b).currentTable() != nullptr;
    };
    for (QTextBlock first = doc.begin(); first.isValid(); first = first.next()) {
        if (!kept(first) || inTable(first))
            continue;
        QTextBlock last = first;
        while (kept(last) && last.next().isValid() && !inTable(last.next()))
            last = last.next();
        const qreal top = layout->blockBoundingRect(first).top();
        const qreal bottom = layout->blockBoundingRect(last).bottom();
        const int topPage = static_cast<int>(top / pageHeight);
        const int bottomPage = static_cast<int>((bottom - 0.5) / pageHeight);
        if (topPage != bottomPage && bottom - top < pageHeight) {
            QTextBlockFormat format = first.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(first).setBlockFormat(format);
        }
        first = last;
    }
}

constexpr size_t kChartsPerPage = 2;

// A chart page in layout units: the heading on the first one, then its charts one under the
// other.
void PaintChartPage(QPainter &painter, const QSizeF &body, std::span<const ChartData> charts,
                    bool heading) {
    // the heading as the report writes its own: Arial 10 pt bold, the first line indented
    const qreal headingHeight = MmToLayout(10);
    if (heading) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(qRound(10 * kLayoutDpi / 72));
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(TwipsToLayout(708), 0, body.width(), headingHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Графики"));
    }
    const qreal gap = MmToLayout(6);
    const qreal slot =
        (body.height() - headingHeight - gap * (kChartsPerPage - 1)) / kChartsPerPage;
    qreal top = headingHeight;
    for (const ChartData &chart : charts) {
        PaintChart(painter, QRectF(0, top, body.width(), slot), chart);
        top += slot + gap;
    }
}

} // namespace

void LetLongWordsBreak(QTextDocument &doc, qreal lineWidth) {
    // no font draws a character wider than this many lines' worth of its size: shorter words
    // are not measured
    constexpr int kShortWord = 24;
    const QChar breakHere(0x200B);
    struct Word {
        int position;
        int length;
        QString broken;
    };
    std::vector<Word> words;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString text = fragment.text();
            const QFontMetricsF metrics(fragment.charFormat().font());
            int start = 0;
            for (int i = 0; i <= text.size(); ++i) {
                if (i < text.size() && !text[i].isSpace())
                    continue;
                const QString word = text.mid(start, i - start);
                if (word.size() > kShortWord && metrics.horizontalAdvance(word) > lineWidth) {
                    QString broken;
                    broken.reserve(word.size() * 2);
                    for (int k = 0; k < word.size(); ++k) {
                        // (never inside a surrogate pair or before a combining mark)
                        if (k > 0 && !word[k].isLowSurrogate() && !word[k].isMark())
                            broken += breakHere;
                        broken += word[k];
                    }
                    words.push_back({fragment.position() + start, int(word.size()), broken});
                }
                start = i + 1;
            }
        }
    }
    // replaced from the end, so that the positions before each stay as they were
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    for (auto w = words.rbegin(); w != words.rend(); ++w) {
        cursor.setPosition(w->position);
        cursor.setPosition(w->position + w->length, QTextCursor::KeepAnchor);
        cursor.insertText(w->broken);
    }
    cursor.endEditBlock();
}

PrintableReport Printable(const ReportDocument &report) {
    return {report.RTFull, QString::fromStdString(FooterLead(report.Page)),
            PlainTitle(report.Title()), report.Charts};
}

int ChartPageCount(size_t charts) {
    // a report without charts does not load the charts module
    if (charts == 0 || !ChartsDrawn())
        return 0;
    return static_cast<int>((charts + kChartsPerPage - 1) / kChartsPerPage);
}

int PaintReport(QPagedPaintDevice &device, const PrintableReport &report) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(TwipsToMm(kMarginLeft), TwipsToMm(kMarginTop),
                                               TwipsToMm(kMarginRight), kDeviceBottomMm),
                                     QPageLayout::Millimeter));
    QTextDocument doc;
    doc.setUndoRedoEnabled(false);
    doc.setDocumentMargin(0);
    // a word wider than its line (a table cell's) breaks where the line ends instead of running
    // out of the line; one wider than the page is given its break opportunities beforehand
    QTextOption wrap = doc.defaultTextOption();
    wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    doc.setDefaultTextOption(wrap);
    LoadRtfIntoDocument(doc, report.rtf);
    const QSizeF body(TwipsToLayout(kTextWidth),
                      TwipsToLayout(kPaperHeight - kMarginTop - kMarginBottom));
    LetLongWordsBreak(doc, body.width());
    doc.setPageSize(body);
    KeepBlocksWithTheirNext(doc, body.height());
    // the page breaks set above are laid out lazily, piece by piece on a timer that never runs
    // here: setting the page size again lays the whole document out before the pages are counted
    doc.setPageSize(body);
    const int textPages = std::max(1, doc.pageCount());
    const int pages = textPages + ChartPageCount(report.charts.size());

    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    const qreal scaleX = device.logicalDpiX() / kLayoutDpi;
    const qreal scaleY = device.logicalDpiY() / kLayoutDpi;
    // the footer is painted in the device's own units, so its size in points is the device's
    const QRectF footerBox(
        0,
        (body.height() + MmToLayout(TwipsToMm(kMarginBottom) - kDeviceBottomMm - kFooterBandMm)) *
            scaleY,
        body.width() * scaleX, MmToLayout(kFooterBandMm) * scaleY);
    QFont footerFont(QStringLiteral("Arial"));
    footerFont.setPointSizeF(8);
    constexpr int kFooterFlags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap;
    // A footer too long for its band (a long project or system name) would run over the text
    // or off the page: its lead then loses its middle and keeps one line.
    QString footerLead = report.footerLead;
    const QFontMetricsF footerMetrics(footerFont, &device);
    const QString widestPage =
        QStringLiteral(" · ") + QString::fromStdString(PageNumberText(pages, pages));
    const QRectF footerNeeds =
        footerMetrics.boundingRect(footerBox, kFooterFlags, footerLead + widestPage);
    if (footerNeeds.height() > footerBox.height() || footerNeeds.width() > footerBox.width())
        footerLead = footerMetrics.elidedText(footerLead, Qt::ElideMiddle,
                                              footerBox.width() -
                                                  footerMetrics.horizontalAdvance(widestPage));
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        painter.save();
        painter.scale(scaleX, scaleY);
        if (page < textPages) {
            const QRectF view(0, page * body.height(), body.width(), body.height());
            painter.translate(0, -view.top());
            painter.setClipRect(view);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = view;
            context.palette.setColor(QPalette::Text, Qt::black);
            doc.documentLayout()->draw(&painter, context);
        } else {
            const size_t first = static_cast<size_t>(page - textPages) * kChartsPerPage;
            PaintChartPage(painter, body,
                           report.charts.subspan(
                               first, std::min(kChartsPerPage, report.charts.size() - first)),
                           page == textPages);
        }
        painter.restore();
        painter.setFont(footerFont);
        painter.setPen(Qt::black);
        const QString footer = footerLead + QStringLiteral(" · ") +
                               QString::fromStdString(PageNumberText(page + 1, pages));
        painter.drawText(footerBox, kFooterFlags, footer);
    }
    painter.end();
    return pages;
}

QByteArray ReportPdf(const PrintableReport &report) {
    // laid out in memory and handed whole to the atomic write: no file of its own is ever opened
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    int pages = 0;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setCreator(QString::fromStdString(ProgramVersionText()));
        writer.setTitle(report.title);
        pages = PaintReport(writer, report);
    }
    buffer.close();
    return pages > 0 ? bytes : QByteArray();
}

FileResult WriteReportPdf(const PrintableReport &report, const std::string &path) {
    const QByteArray pdf = ReportPdf(report);
    if (pdf.isEmpty()) {
        const std::string reason = "страницы отчёта не удалось построить";
        return {false, "Не удалось записать файл " + path + ": " + reason, reason};
    }
    return WriteFileAtomic(path, std::string_view(pdf.constData(), size_t(pdf.size())));
}

namespace {

void QuietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace

HeadlessPages::HeadlessPages(int &argc, char **argv) {
    qInstallMessageHandler(QuietQtMessages);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc, argv);
}

HeadlessPages::~HeadlessPages() = default;

std::string HeadlessPages::MakePdf(const ReportDocument &report) {
    const QByteArray pdf = ReportPdf(Printable(report));
    return std::string(pdf.constData(), size_t(pdf.size()));
}

} // namespace orvane
