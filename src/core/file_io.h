#pragma once
// Reading whole files and the one atomic write every file of the program goes through.

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane {

struct FileResult {
    bool ok = true;
    std::string error; // readable reason in Russian, naming the file, when !ok
    std::string reason; // the reason alone ("нет такого файла или папки"), when !ok
};

// The largest file the program reads: far above any project, catalogue or settings file.
inline constexpr std::size_t kMaxReadBytes = 8u << 20;
inline constexpr std::string_view kMaxReadBytesText = "8 МБ";

// Reads a regular file of at most kMaxReadBytes. A folder, a pipe, a device or a bigger file is
// refused at once with the reason; `bytes` is left as it was on any failure.
FileResult ReadFileBytes(const std::string &path, std::string &bytes);

// Writes a temporary file in the target's folder, flushes it and renames it over the target.
// A failure leaves the target untouched. A symbolic link is followed and the file it points to
// is replaced; a character device or a pipe is written in place; another kind of file, or a
// file whose permissions allow no writing, is never replaced. A replaced file keeps its
// permissions, and its owner and group where the system allows it (always for the
// administrator; for a user, the group when he is a member of it); otherwise it becomes the
// writer's. A file with several names (hard links) is rewritten in place after the bytes were
// written once beside it, so that every name sees the new bytes. Temporary files of earlier
// writes to the same folder whose writers are gone are removed on the way (only files of the
// writer's own name form, the user's own, with one name and unlocked).
FileResult WriteFileAtomic(const std::string &path, std::string_view bytes);

// The Russian text of a system error code met reading (`reading`) or writing a file or a stream:
// every code the program's file operations can meet has its own, another is named by number.
std::string SystemErrorText(int err, bool reading = false);

// Whether the two paths name one file: the same file reached through links, "./", hard links;
// for files that do not exist yet, the same name in the same folder.
bool SameFile(const std::string &a, const std::string &b);

// A file size limit or a closed pipe turns into an ordinary write error instead of ending the
// program: each program calls this once at start.
void IgnoreWriteSignals();

} // namespace orvane
