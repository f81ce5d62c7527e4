#pragma once
// File names as the system holds them (bytes) and as the windows hold them (QString). On Linux a
// name need not be valid UTF-8: each byte that is not part of a UTF-8 character is kept in the
// QString as a lone surrogate (U+DC80…U+DCFF) and turns back into that byte, so such a file opens
// under the name it was given, as it does in orvane-calc. (Qt's own conversions put U+FFFD in
// its place, which names a file that does not exist.) On Windows names are UTF-16 throughout.

#include <QString>

#include <string>
#include <string_view>

class QUrl;

namespace orvane {

// A name from the system (a command-line argument, a name in UTF-8 from the engines).
QString FileNameFromBytes(std::string_view bytes);
// The name for the engines' file functions: its bytes, stray bytes restored.
std::string FileNameBytes(const QString &name);
// True when the name holds a byte that is not part of a UTF-8 character.
bool HasStrayBytes(const QString &name);
// The name for showing: each stray byte as U+FFFD.
QString FileNameForDisplay(const QString &name);
// The name of a local file's URL (a dropped file, a dialog's choice), stray bytes kept.
QString FileNameOfUrl(const QUrl &url);
// The name made absolute against the current folder and cleaned, stray bytes kept (QFileInfo
// would replace them).
QString AbsoluteFileName(const QString &name);

} // namespace orvane
