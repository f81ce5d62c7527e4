#pragma once
// Shows the RTF model in Qt: paragraphs become blocks, tables become bordered QTextTables.

#include "report/rtf_reader.h"

#include <string_view>

class QTextDocument;

namespace orvane {

// The block property (QTextFormat::UserProperty + 1) that marks a \keepn paragraph: paged output
// keeps it on the page of the block after it.
inline constexpr int kKeepWithNextProperty = 0x100000 + 1;

// Replaces the content of `doc` with `model`.
void FillTextDocument(QTextDocument &doc, const RtfDocument &model);
// ParseRtf + FillTextDocument.
void LoadRtfIntoDocument(QTextDocument &doc, std::string_view rtf);

} // namespace orvane
