#pragma once
// The RTF writer every report uses. A report stream holds 7-bit RTF only: characters outside
// ASCII are written as \uN? escapes, so the bytes never depend on a code page.

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

using RtfStream = std::string;

enum class CellAlign { center, left, right };

struct ReportCell {
    int Width = 0;    // twips
    std::string Text; // may hold RTF control words and \u escapes
    CellAlign Align = CellAlign::center;
    bool Bold = false;
};
using ReportRow = std::vector<ReportCell>;
using ReportTable = std::vector<ReportRow>;

extern const std::string_view kRtfPrologue; // the 325-byte document prologue

void RtfStart(RtfStream &stream);
void RtfRaw(RtfStream &stream, std::string_view text);
// Text that may hold RTF control words: characters beyond ASCII become \u escapes, control
// characters other than TAB, LF and CR become \'hh escapes (NUL is dropped).
void RtfText(RtfStream &stream, std::string_view utf8);
// User-typed text: "\", "{" and "}" are escaped, then written as RtfText.
void RtfUserText(RtfStream &stream, std::string_view utf8);
std::string RtfEscapeUserText(std::string_view utf8);
void RtfTitle(RtfStream &stream, std::string_view utf8);
void RtfHeading(RtfStream &stream, std::string_view utf8);
// "\par{\s3\outlinelevel2\b text\b0\par}": a bold group heading ("Параметры воздуха") in the
// heading 3 style; the group gives the paragraph's props back after it. Unescaped, for RtfText.
std::string RtfGroupHeading(std::string_view text);
void RtfProgramNote(RtfStream &stream);
void RtfTable(RtfStream &stream, const ReportTable &table);

} // namespace orvane
