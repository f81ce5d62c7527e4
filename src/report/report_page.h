#pragma once
// The page every report is printed on: A4 portrait with the margins of a Russian technical
// report, the footer, the document properties, and the paragraph keeping that stops a label from
// ending one page while its value starts the next. The RTF and the program's own PDF share it.

#include <string>
#include <string_view>

namespace orvane {

// A4 portrait and its margins, in twips: left 30 mm, right 15 mm, top and bottom 20 mm.
inline constexpr int kPaperWidth = 11906;
inline constexpr int kPaperHeight = 16838;
inline constexpr int kMarginLeft = 1701;
inline constexpr int kMarginRight = 850;
inline constexpr int kMarginTop = 1134;
inline constexpr int kMarginBottom = 1134;
// The width a table may take: the paper less both margins.
inline constexpr int kTextWidth = kPaperWidth - kMarginLeft - kMarginRight;

// What the footer of every page names.
struct ReportPageInfo {
    std::string projectName;
    std::string systemName;
    std::string projectFile; // the project file's name without its folder; empty when unsaved
    std::string date;        // the date of the calculation, "10.12.2026"
};

// The date of the calculation as the footer writes it. SOURCE_DATE_EPOCH, when set to a number of
// seconds, gives a reproducible date (UTC) instead of today's local date.
std::string CalculationDateText();

// "Орвейн 5.1": the program and its version as the footer and the document properties name them.
std::string ProgramVersionText();

// The footer's fields before the page number, joined by " · " (empty fields left out), UTF-8.
std::string FooterLead(const ReportPageInfo &info);
// "стр. 3 из 12"
std::string PageNumberText(int page, int pages);

// The RTF after the font table: the heading styles and the document properties (`title` may
// hold "\par").
std::string RtfHeaderTables(std::string_view title);
// The RTF before the body: the page, its margins and the footer with the page fields.
std::string RtfPageSetup(const ReportPageInfo &info);

// The body with every label line kept on the page of the line that carries its value: a line
// without "=" (or ending in "=") followed by a non-empty line gets "\keepn", as does a table's
// caption with the empty line before the table. Table rows and the rest are left as they are.
std::string KeepLabelsWithValues(std::string_view body);

} // namespace orvane
