#pragma once
// The two report streams a module owns: the body written during a run and the full document.

#include "report/chart_data.h"
#include "report/report_page.h"
#include "report/rtf_writer.h"

namespace orvane {

inline constexpr std::string_view kExhaustReportTitle =
    "РАСЧЁТ СИСТЕМЫ ВЫТЯЖНОЙ\\par ПРОТИВОДЫМНОЙ ВЕНТИЛЯЦИИ";
inline constexpr std::string_view kSupplyReportTitle =
    "РАСЧЁТ СИСТЕМЫ ПРИТОЧНОЙ\\par ПРОТИВОДЫМНОЙ ВЕНТИЛЯЦИИ";

class ReportDocument {
public:
    // Empties the body and writes the program note, the title and "ИСХОДНЫЕ ДАННЫЕ"; dates the
    // page footer. The project file's name in Page stays as the caller set it.
    void BeginReport(std::string_view title);
    // Prologue, the page and footer, "\par ", the body with its labels kept with their values,
    // "}".
    void BuildFullReport();

    // The title as BeginReport got it ("\par" between its lines).
    const std::string &Title() const { return title_; }

    RtfStream RTBody;
    RtfStream RTFull;
    // What the footer of every page names: the calculation sets the names, the caller the file.
    ReportPageInfo Page;
    // The charts of a calculated run, drawn after the text on paper (never in the RTF); none
    // after a stopped or failed run. BeginReport empties them.
    std::vector<ChartData> Charts;

private:
    std::string title_;
};

} // namespace orvane
