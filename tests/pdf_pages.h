#pragma once
// The pages of a PDF written by Qt, counted from its page objects.

#include <QByteArray>

namespace orvane::test {

inline int PdfPageCount(const QByteArray &pdf) {
    if (!pdf.startsWith("%PDF"))
        return 0;
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/") +
               pdf.count("/Type /Page "));
}

} // namespace orvane::test
