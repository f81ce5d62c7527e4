#pragma once
// Reading whole files and the one atomic write every file of the program goes through.

#include <string>
#include <string_view>

namespace orvane {

struct FileResult {
    bool ok = true;
    std::string error; // readable reason in Russian, naming the file, when !ok
};

FileResult ReadFileBytes(const std::string &path, std::string &bytes);
// Writes a temporary file in the target's folder, flushes it and renames it over the target.
// A failure leaves the target untouched.
FileResult WriteFileAtomic(const std::string &path, std::string_view bytes);

} // namespace orvane
