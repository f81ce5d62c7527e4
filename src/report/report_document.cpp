#include "report/report_document.h"

namespace orvane {

void ReportDocument::BeginReport(std::string_view title) {
    RTBody.clear();
    RtfProgramNote(RTBody);
    RtfTitle(RTBody, title);
    RtfHeading(RTBody, "ИСХОДНЫЕ ДАННЫЕ");
}

void ReportDocument::BuildFullReport() {
    RtfStart(RTFull);
    RtfRaw(RTFull, "\\par ");
    RTFull += RTBody;
    RtfRaw(RTFull, "}");
}

} // namespace orvane
