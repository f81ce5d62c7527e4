#include "report/report_document.h"

namespace orvane {

void ReportDocument::BeginReport(std::string_view title) {
    title_ = title;
    Page.date = CalculationDateText();
    RTBody.clear();
    Charts.clear();
    RtfProgramNote(RTBody);
    RtfTitle(RTBody, title);
    RtfHeading(RTBody, "ИСХОДНЫЕ ДАННЫЕ");
}

void ReportDocument::BuildFullReport() {
    RtfStart(RTFull);
    // the style sheet and the properties belong between the font table and "\viewkind4"
    constexpr std::string_view kViewKind = "\\viewkind4";
    RTFull.insert(RTFull.size() - kViewKind.size(), RtfHeaderTables(title_));
    RTFull += RtfPageSetup(Page);
    RtfRaw(RTFull, "\\par ");
    RTFull += KeepLabelsWithValues(RTBody);
    RtfRaw(RTFull, "}");
}

} // namespace orvane
