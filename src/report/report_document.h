#pragma once
// The two report streams a module owns: the body written during a run and the full document.

#include "report/rtf_writer.h"

namespace orvane {

inline constexpr std::string_view kExhaustReportTitle =
    "РАСЧЁТ СИСТЕМЫ ВЫТЯЖНОЙ\\par ПРОТИВОДЫМНОЙ ВЕНТИЛЯЦИИ";
inline constexpr std::string_view kSupplyReportTitle =
    "РАСЧЁТ СИСТЕМЫ ПРИТОЧНОЙ\\par ПРОТИВОДЫМНОЙ ВЕНТИЛЯЦИИ";

class ReportDocument {
public:
    // Empties the body and writes the program note, the title and "ИСХОДНЫЕ ДАННЫЕ".
    void BeginReport(std::string_view title);
    // Prologue + "\par " + body + "}".
    void BuildFullReport();

    RtfStream RTBody;
    RtfStream RTFull;
};

} // namespace orvane
