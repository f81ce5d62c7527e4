#pragma once
// UTF-16LE text streams of the catalogue files and the Windows-1251 stream append.

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

using ByteStream = std::string;

void StreamStartUnicode(ByteStream &stream);                         // FF FE
void StreamAppendUnicode(ByteStream &stream, std::string_view utf8); // UTF-16LE code units
// Reads one UTF-16LE line from byte position pos (raised to 2 past the BOM); UTF-8 result.
bool StreamReadUnicodeLine(const ByteStream &stream, int64_t &pos, std::string &line);
// Appends the text in Windows-1251; false (nothing appended) when it cannot be represented.
bool StreamAppendAnsi(ByteStream &stream, std::string_view utf8);

} // namespace orvane
