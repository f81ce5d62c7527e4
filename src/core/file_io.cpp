#include "core/file_io.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#ifdef _WIN32
#include "core/codepage.h"

#include <fcntl.h>
#include <filesystem>
#include <io.h>
#include <random>
#include <sys/stat.h>
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvane {

namespace {

// Reasons of our own, beyond what errno can say.
constexpr int kNotRegular = -1;
constexpr int kTooBig = -2;
constexpr int kWriteProtected = -3;

constexpr std::string_view kTemporaryPrefix = ".orvane-";
constexpr size_t kTemporarySuffixLength = 6; // the XXXXXX of mkstemp

// The reason in Russian for the failures a user can meet and mend; the system's text otherwise.
std::string Reason(int err, bool reading) {
    switch (err) {
    case kNotRegular:
        return "это не обычный файл";
    case kTooBig:
        return "файл больше " + std::string(kMaxReadBytesText);
    case kWriteProtected:
        return "файл доступен только для чтения";
    case ENOENT:
        return "нет такого файла или папки";
    case EACCES:
    case EPERM:
        return reading ? "нет прав на чтение" : "нет доступа";
    case ENOSPC:
        return "нет места на диске";
    case EFBIG:
        return "превышен допустимый размер файла";
    case EISDIR:
        return "это папка, а не файл";
    case EROFS:
        return "файловая система доступна только для чтения";
    case ENOTDIR:
        return "часть пути не является папкой";
    case ENAMETOOLONG:
        return "слишком длинное имя";
    case ELOOP:
        return "слишком много символических ссылок";
    case ENXIO:
        return "никто не читает из канала или устройство недоступно";
    default:
        return std::strerror(err);
    }
}

FileResult ReadFailure(const std::string &path, int err) {
    std::string reason = Reason(err, true);
    return FileResult{false, "Не удалось прочитать файл " + path + ": " + reason, reason};
}

FileResult WriteFailure(const std::string &path, int err) {
    std::string reason = Reason(err, false);
    return FileResult{false, "Не удалось записать файл " + path + ": " + reason, reason};
}

// Windows takes "\\" as well as "/" between folders; elsewhere "\\" is an ordinary character.
#ifdef _WIN32
constexpr const char *kSeparators = "/\\";
#else
constexpr const char *kSeparators = "/";
#endif

std::string FolderOf(const std::string &path) {
    const size_t slash = path.find_last_of(kSeparators);
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

[[maybe_unused]] std::string NameOf(const std::string &path) {
    const size_t slash = path.find_last_of(kSeparators);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

#ifndef _WIN32

bool WriteAll(int fd, std::string_view bytes) {
    const char *p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

// The path with its symbolic links followed to the file they lead to, which need not exist yet
// (a dangling link names the file to create). 0 or ELOOP in `err`.
std::string FollowLinks(const std::string &path, int &err) {
    err = 0;
    std::string p = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return p;
        std::string target(static_cast<size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(p.c_str(), target.data(), target.size());
        if (n < 0 || static_cast<size_t>(n) >= target.size())
            return p; // changed under us: let the write itself report
        target.resize(static_cast<size_t>(n));
        p = !target.empty() && target.front() == '/' ? target : FolderOf(p) + target;
    }
    err = ELOOP;
    return p;
}

bool IsOurTemporaryName(std::string_view name) {
    if (name.size() != kTemporaryPrefix.size() + kTemporarySuffixLength ||
        name.substr(0, kTemporaryPrefix.size()) != kTemporaryPrefix)
        return false;
    for (char c : name.substr(kTemporaryPrefix.size())) {
        const bool alnum =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alnum)
            return false;
    }
    return true;
}

// A writer holds a lock on its temporary file until the rename; a temporary file of ours that
// nobody holds was left by a writer that was killed. Only the user's own files are touched.
void RemoveStaleTemporaries(const std::string &folder) {
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return;
    const int listFd = ::dup(dirFd);
    DIR *dir = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
    if (dir == nullptr) {
        if (listFd >= 0)
            ::close(listFd);
        ::close(dirFd);
        return;
    }
    while (const dirent *entry = ::readdir(dir)) {
        if (!IsOurTemporaryName(entry->d_name))
            continue;
        const int fd =
            ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(dirFd, entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(dir);
    ::close(dirFd);
}

// A temporary file in `folder`, created, locked and still in place; -1 with errno otherwise.
int CreateTemporary(const std::string &folder, std::string &name) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        name = folder + std::string(kTemporaryPrefix) + "XXXXXX";
        const int fd = ::mkstemp(name.data());
        if (fd < 0)
            return -1;
        struct stat st {};
        // a cleaner in another process may have taken it for a stale one in between
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &st) == 0 && st.st_nlink > 0)
            return fd;
        ::close(fd);
    }
    errno = EAGAIN;
    return -1;
}

// A device or a pipe takes the bytes where it is; it is never replaced by a regular file.
FileResult WriteInPlace(const std::string &path, const std::string &target,
                        std::string_view bytes) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return WriteFailure(path, errno);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    int err = WriteAll(fd, bytes) ? 0 : errno;
    if (::close(fd) != 0 && err == 0 && errno != EINTR)
        err = errno;
    return err == 0 ? FileResult{} : WriteFailure(path, err);
}

} // namespace

FileResult ReadFileBytes(const std::string &path, std::string &bytes) {
    // O_NONBLOCK: opening a pipe must not wait for a writer; it is refused below anyway
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return ReadFailure(path, errno);
    struct stat st {};
    int err = 0;
    if (::fstat(fd, &st) != 0)
        err = errno;
    else if (S_ISDIR(st.st_mode))
        err = EISDIR;
    else if (!S_ISREG(st.st_mode))
        err = kNotRegular;
    else if (static_cast<unsigned long long>(st.st_size) > kMaxReadBytes)
        err = kTooBig;
    std::string data;
    if (err == 0)
        data.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    while (err == 0) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno != EINTR)
                err = errno;
            continue;
        }
        if (n == 0)
            break;
        data.append(buffer, static_cast<size_t>(n));
        if (data.size() > kMaxReadBytes) // grown since it was measured
            err = kTooBig;
    }
    ::close(fd);
    if (err != 0)
        return ReadFailure(path, err);
    bytes = std::move(data);
    return {};
}

FileResult WriteFileAtomic(const std::string &path, std::string_view bytes) {
    if (path.empty())
        return WriteFailure(path, ENOENT);
    int err = 0;
    const std::string target = FollowLinks(path, err);
    if (err != 0)
        return WriteFailure(path, err);
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists) {
        if (S_ISDIR(st.st_mode))
            return WriteFailure(path, EISDIR);
        if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode))
            return WriteInPlace(path, target, bytes);
        if (!S_ISREG(st.st_mode))
            return WriteFailure(path, kNotRegular);
        // the owner made it read-only: no one replaces it, not even the administrator
        if ((st.st_mode & 0222) == 0)
            return WriteFailure(path, kWriteProtected);
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES)
            return WriteFailure(path, EACCES);
    }
    // The temporary file sits beside the target so that the rename stays within one file system;
    // its short name never fails where the target's long name would fit.
    const std::string folder = FolderOf(target);
    RemoveStaleTemporaries(folder);
    std::string tmp;
    const int fd = CreateTemporary(folder, tmp);
    if (fd < 0)
        return WriteFailure(path, errno);
    // mkstemp creates 0600; a written file gets the usual permissions (or the target's own).
    mode_t mode = 0;
    if (exists) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);
    if (!WriteAll(fd, bytes))
        err = errno;
    if (err == 0 && ::fsync(fd) != 0)
        err = errno;
    // renamed while still locked, so that no cleaner takes it for a stale one
    if (err == 0 && ::rename(tmp.c_str(), target.c_str()) != 0)
        err = errno;
    if (err != 0)
        ::unlink(tmp.c_str());
    ::close(fd);
    if (err != 0)
        return WriteFailure(path, err);
    // Make the rename itself durable; a folder that cannot be synced changes nothing for the user.
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return {};
}

bool SameFile(const std::string &a, const std::string &b) {
    int err = 0;
    const std::string ta = FollowLinks(a, err);
    const std::string tb = FollowLinks(b, err);
    struct stat sa {};
    struct stat sb {};
    const bool ea = ::stat(ta.c_str(), &sa) == 0;
    const bool eb = ::stat(tb.c_str(), &sb) == 0;
    if (ea || eb)
        return ea && eb && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    // neither exists yet: the same name in the same folder
    struct stat fa {};
    struct stat fb {};
    return NameOf(ta) == NameOf(tb) && ::stat(FolderOf(ta).c_str(), &fa) == 0 &&
           ::stat(FolderOf(tb).c_str(), &fb) == 0 && fa.st_dev == fb.st_dev &&
           fa.st_ino == fb.st_ino;
}

void IgnoreWriteSignals() {
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
}

#else // _WIN32

std::wstring Wide(const std::string &utf8) {
    const std::u16string u16 = Utf8ToUtf16(utf8);
    return std::wstring(u16.begin(), u16.end());
}

bool IsFolder(const std::string &path) {
    // (the attributes, unlike _wstat64, also answer for a folder written with a trailing "\")
    const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool WriteAll(int fd, std::string_view bytes) {
    const char *p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const unsigned chunk = left > (1u << 30) ? (1u << 30) : static_cast<unsigned>(left);
        const int n = ::_write(fd, p, chunk);
        if (n < 0)
            return false;
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

// The errno for the last failed Windows call.
int ErrnoOfLastError() {
    switch (::GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    default:
        return EACCES;
    }
}

// A new temporary file in `folder` (binary mode, created exclusively); -1 with errno otherwise.
int CreateTemporary(const std::string &folder, std::string &name) {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + std::string(kTemporaryPrefix);
        for (size_t i = 0; i < kTemporarySuffixLength; ++i)
            name.push_back(kLetters[random() % (sizeof kLetters - 1)]);
        const int fd = ::_wopen(Wide(name).c_str(),
                                _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                                _S_IREAD | _S_IWRITE);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

std::filesystem::path FsPath(const std::string &utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace

FileResult ReadFileBytes(const std::string &path, std::string &bytes) {
    const int fd = ::_wopen(Wide(path).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) {
        // a folder opened as a file is refused as "access denied" here
        const int err = (errno == EACCES || errno == ENOENT) && IsFolder(path) ? EISDIR : errno;
        return ReadFailure(path, err);
    }
    struct _stat64 st {};
    int err = 0;
    if (::_fstat64(fd, &st) != 0)
        err = errno;
    else if ((st.st_mode & _S_IFMT) == _S_IFDIR)
        err = EISDIR;
    else if ((st.st_mode & _S_IFMT) != _S_IFREG)
        err = kNotRegular;
    else if (static_cast<unsigned long long>(st.st_size) > kMaxReadBytes)
        err = kTooBig;
    std::string data;
    if (err == 0)
        data.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    while (err == 0) {
        const int n = ::_read(fd, buffer, sizeof buffer);
        if (n < 0) {
            err = errno;
            break;
        }
        if (n == 0)
            break;
        data.append(buffer, static_cast<size_t>(n));
        if (data.size() > kMaxReadBytes)
            err = kTooBig;
    }
    ::_close(fd);
    if (err != 0)
        return ReadFailure(path, err);
    bytes = std::move(data);
    return {};
}

FileResult WriteFileAtomic(const std::string &path, std::string_view bytes) {
    if (path.empty())
        return WriteFailure(path, ENOENT);
    struct _stat64 st {};
    if (::_wstat64(Wide(path).c_str(), &st) == 0) {
        if ((st.st_mode & _S_IFMT) == _S_IFDIR)
            return WriteFailure(path, EISDIR);
        if ((st.st_mode & _S_IFMT) != _S_IFREG)
            return WriteFailure(path, kNotRegular);
        if ((st.st_mode & _S_IWRITE) == 0)
            return WriteFailure(path, kWriteProtected);
    }
    // beside the target, so that the move stays within one volume
    std::string tmp;
    const int fd = CreateTemporary(FolderOf(path), tmp);
    if (fd < 0)
        return WriteFailure(path, errno);
    int err = 0;
    if (!WriteAll(fd, bytes))
        err = errno;
    if (err == 0 && ::_commit(fd) != 0)
        err = errno;
    // an open file cannot be moved here: closed first
    if (::_close(fd) != 0 && err == 0)
        err = errno;
    if (err == 0 && !::MoveFileExW(Wide(tmp).c_str(), Wide(path).c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        err = ErrnoOfLastError();
    if (err != 0) {
        ::_wunlink(Wide(tmp).c_str());
        return WriteFailure(path, err);
    }
    return {};
}

bool SameFile(const std::string &a, const std::string &b) {
    std::error_code ec;
    if (std::filesystem::equivalent(FsPath(a), FsPath(b), ec))
        return true;
    // neither exists yet: the same name in the same folder
    // (absolute and normalised first: the runtime's weakly_canonical keeps a "." it cannot
    // resolve, so "a.rtf" and "./a.rtf" would differ)
    const auto canonical = [&ec](const std::string &p) {
        return std::filesystem::weakly_canonical(std::filesystem::absolute(FsPath(p), ec), ec)
            .lexically_normal();
    };
    const std::filesystem::path ca = canonical(a);
    if (ec)
        return false;
    const std::filesystem::path cb = canonical(b);
    return !ec && ca == cb;
}

void IgnoreWriteSignals() {
    // no SIGPIPE or SIGXFSZ here: a failed write is an error code
}

#endif // _WIN32

} // namespace orvane
