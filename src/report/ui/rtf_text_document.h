#pragma once
// Shows the RTF model in Qt: paragraphs become blocks, tables become bordered QTextTables.

#include "report/rtf_reader.h"

#include <string_view>

class QTextDocument;

namespace orvane {

// Replaces the content of `doc` with `model`.
void FillTextDocument(QTextDocument &doc, const RtfDocument &model);
// ParseRtf + FillTextDocument.
void LoadRtfIntoDocument(QTextDocument &doc, std::string_view rtf);

} // namespace orvane
