#pragma once
// Windows-1251 <-> UTF-8 (a fixed table, the same on every platform) and UTF-8 <-> UTF-16.

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// UTF-8 to Windows-1251. Returns nullopt when a character has no Windows-1251 form (or the text
// is not valid UTF-8); `badChar` then receives that character in UTF-8.
std::optional<std::string> Utf8ToCp1251(std::string_view utf8, std::string *badChar = nullptr);
std::string Cp1251ToUtf8(std::string_view cp1251);
bool IsValidUtf8(std::string_view text);

// A file's text as a message quotes it: each control character is shown by its picture (NUL as
// "␀", a tab as "␉", ESC as "␛", DEL as "␡") and a C1 control (U+0080…U+009F) as "�", so that
// nothing the file holds is written raw to a terminal or cuts a message short. Other text is
// kept byte for byte.
std::string PrintableText(std::string_view text);

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

} // namespace orvane
