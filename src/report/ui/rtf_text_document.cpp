#include "report/ui/rtf_text_document.h"

#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QTextTableFormat>

#include <algorithm>

namespace orvane {

namespace {

// Twips to the document's pixels at the 96 dpi QTextDocument lays out in.
qreal TwipsToPixels(int twips) {
    return twips / 15.0;
}

// Word processors keep indents within 22 inches; a wilder value would only stretch the layout.
int ClampIndent(int twips) {
    return std::clamp(twips, -31680, 31680);
}

QString FromUtf8(const std::string &text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    // a \line inside a paragraph is a line break, not a new block
    s.replace(QLatin1Char('\n'), QChar(QChar::LineSeparator));
    return s;
}

class Builder {
public:
    Builder(QTextDocument &doc, const RtfDocument &model) : doc_(doc), model_(model) {}

    void Run() {
        doc_.clear();
        QTextCursor cursor(&doc_);
        cursor.beginEditBlock();
        bool freshBlock = true; // the cursor's block is empty and unused
        for (const RtfBlock &block : model_.blocks) {
            if (const auto *paragraph = std::get_if<RtfParagraph>(&block)) {
                InsertParagraph(cursor, *paragraph, freshBlock);
                freshBlock = false;
            } else {
                InsertTable(cursor, std::get<RtfTableBlock>(block));
                // the block Qt keeps after a table sits beside its last row, not below it:
                // text that follows goes into a block of its own
                cursor.movePosition(QTextCursor::End);
                freshBlock = false;
            }
        }
        cursor.endEditBlock();
    }

private:
    QTextCharFormat CharFormat(const RtfCharFormat &f) const {
        QTextCharFormat out;
        out.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
        out.setFontItalic(f.italic);
        out.setFontUnderline(f.underline);
        out.setFontPointSize(f.fontSize / 2.0);
        switch (f.vAlign) {
        case RtfVAlign::Sub:
            out.setVerticalAlignment(QTextCharFormat::AlignSubScript);
            break;
        case RtfVAlign::Super:
            out.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
            break;
        case RtfVAlign::Normal:
            break;
        }
        auto font = model_.fonts.find(f.font);
        if (font != model_.fonts.end()) {
            QStringList families;
            QString name = QString::fromUtf8(font->second.name.c_str());
            if (!name.isEmpty())
                families << name;
            // "Arial CYR" is a code-page alias of Arial: offer the plain family too
            for (const char *suffix : {" CYR", " Cyr", " Greek", " CE", " Baltic", " Tur"}) {
                if (name.endsWith(QLatin1String(suffix))) {
                    families << name.left(name.size() - qsizetype(qstrlen(suffix)));
                    break;
                }
            }
            if (!families.isEmpty())
                out.setFontFamilies(families);
            const std::string &family = font->second.family;
            if (family == "roman")
                out.setFontStyleHint(QFont::Serif);
            else if (family == "swiss")
                out.setFontStyleHint(QFont::SansSerif);
            else if (family == "modern")
                out.setFontStyleHint(QFont::TypeWriter);
        }
        return out;
    }

    static QTextBlockFormat BlockFormat(const RtfParagraph &p) {
        QTextBlockFormat out;
        switch (p.align) {
        case RtfAlign::Left:
            out.setAlignment(Qt::AlignLeft);
            break;
        case RtfAlign::Center:
            out.setAlignment(Qt::AlignHCenter);
            break;
        case RtfAlign::Right:
            out.setAlignment(Qt::AlignRight);
            break;
        case RtfAlign::Justify:
            out.setAlignment(Qt::AlignJustify);
            break;
        }
        out.setTextIndent(TwipsToPixels(ClampIndent(p.firstIndent)));
        out.setLeftMargin(TwipsToPixels(std::max(0, ClampIndent(p.leftIndent))));
        out.setRightMargin(TwipsToPixels(std::max(0, ClampIndent(p.rightIndent))));
        return out;
    }

    void InsertParagraph(QTextCursor &cursor, const RtfParagraph &p, bool freshBlock) const {
        QTextBlockFormat bf = BlockFormat(p);
        if (p.keepNext)
            bf.setProperty(kKeepWithNextProperty, true);
        const QTextCharFormat mark = CharFormat(p.mark);
        if (freshBlock) {
            cursor.setBlockFormat(bf);
            cursor.setBlockCharFormat(mark);
        } else {
            cursor.insertBlock(bf, mark);
        }
        for (const RtfRun &run : p.runs)
            cursor.insertText(FromUtf8(run.text), CharFormat(run.format));
    }

    // QTextCursor::insertTable starts a table after the current block by itself.
    void InsertTable(QTextCursor &cursor, const RtfTableBlock &t) const {
        int columns = 1;
        for (const RtfTableRow &row : t.rows)
            columns = std::max(columns, static_cast<int>(row.cells.size()));
        const int rows = static_cast<int>(t.rows.size());

        const RtfTableRow &first = t.rows.front();
        bool bordered = false;
        for (const RtfTableRow &row : t.rows)
            for (const RtfTableCell &cell : row.cells)
                bordered = bordered || cell.bordered;
        QTextTableFormat format;
        format.setBorderCollapse(true);
        format.setCellSpacing(0);
        format.setBorder(bordered ? 1 : 0);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderBrush(QBrush(Qt::black));
        format.setCellPadding(std::clamp(TwipsToPixels(first.gap), 0.0, 40.0));
        format.setLeftMargin(std::clamp(TwipsToPixels(first.left), 0.0, 2000.0));
        QList<QTextLength> widths;
        for (int c = 0; c < columns; ++c) {
            const int w = c < static_cast<int>(first.cells.size()) ? first.cells[c].width : 0;
            widths << (w > 0 ? QTextLength(QTextLength::FixedLength,
                                           std::min(TwipsToPixels(w), 5000.0))
                             : QTextLength());
        }
        format.setColumnWidthConstraints(widths);
        // the leading \trhdr rows repeat on every page a paginated layout gives the table
        int headerRows = 0;
        while (headerRows < rows && t.rows[static_cast<size_t>(headerRows)].header)
            ++headerRows;
        format.setHeaderRowCount(headerRows);

        QTextTable *table = cursor.insertTable(rows, columns, format);
        for (int r = 0; r < rows; ++r) {
            const RtfTableRow &row = t.rows[r];
            const int cells = static_cast<int>(row.cells.size());
            for (int c = 0; c < cells; ++c)
                FillCell(table->cellAt(r, c), row.cells[c]);
            // a short row's last cell spans the rest of the grid
            if (cells > 0 && cells < columns)
                table->mergeCells(r, cells - 1, 1, columns - cells + 1);
        }
    }

    void FillCell(const QTextTableCell &cell, const RtfTableCell &source) const {
        QTextCursor cursor = cell.firstCursorPosition();
        bool first = true;
        for (const RtfParagraph &p : source.paragraphs) {
            InsertParagraph(cursor, p, first);
            first = false;
        }
    }

    QTextDocument &doc_;
    const RtfDocument &model_;
};

} // namespace

void FillTextDocument(QTextDocument &doc, const RtfDocument &model) {
    // a loaded report is never edited: keeping undo steps would only hold copies of old reports
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    Builder(doc, model).Run();
    doc.setUndoRedoEnabled(undo);
}

void LoadRtfIntoDocument(QTextDocument &doc, std::string_view rtf) {
    FillTextDocument(doc, ParseRtf(rtf));
}

} // namespace orvane
