#pragma once
// A short report as the modules write it: note, title, headings, body lines with sub- and
// superscripts, the summation sign in its own font, a user-typed name and a Cyrillic table.

#include "report/report_document.h"

#include <string>

namespace orvane::test {

inline std::string SampleReport() {
    ReportDocument doc;
    doc.BeginReport(kExhaustReportTitle);
    RtfText(doc.RTBody, "\\par \\bОбъект:\\b0  ");
    RtfUserText(doc.RTBody, "Офис {1}");
    RtfText(doc.RTBody, "\\par \\bТемпература\\b0  T\\sub 0\\nosupersub  = 293 K");
    RtfHeading(doc.RTBody, "РАСЧЁТНЫЕ ВЕЛИЧИНЫ");
    RtfText(doc.RTBody, "\\par L = 1000 м\\super 3\\nosupersub /ч, \\f1\\fs24\\u8721?\\f0\\fs20 "
                        "\\u950? = 2,5\\par ");
    ReportTable table = {
        {{1500, "Участок", CellAlign::center, true},
         {1200, "L, м\\super 3\\nosupersub /ч", CellAlign::center, true},
         {1000, "\\u916?P, Па", CellAlign::center, true}},
        {{1500, "Шахта", CellAlign::left, false},
         {1200, "18000", CellAlign::right, false},
         {1000, "251", CellAlign::right, false}},
    };
    RtfTable(doc.RTBody, table);
    RtfText(doc.RTBody, "\\par Итого");
    doc.BuildFullReport();
    return doc.RTFull;
}

} // namespace orvane::test
