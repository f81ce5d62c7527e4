#include "core/file_io.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#ifdef _WIN32
#include "core/codepage.h"

#include <fcntl.h>
#include <filesystem>
#include <io.h>
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

std::string SystemErrorText(int err, bool reading) {
    switch (err) {
    case ENOENT:
        return "нет такого файла или папки";
    case EACCES:
    case EPERM:
        return reading ? "нет прав на чтение" : "нет доступа";
    case ENOSPC:
        return "нет места на диске";
#ifdef EDQUOT
    case EDQUOT:
        return "превышена дисковая квота";
#endif
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
    case EAGAIN:
#if EWOULDBLOCK != EAGAIN
    case EWOULDBLOCK:
#endif
        return "ресурс временно недоступен, повторите попытку";
    case EINTR:
        return "операция прервана сигналом";
    case EIO:
        return "ошибка ввода-вывода";
    case EPIPE:
        return "канал закрыт читающей стороной";
    case EBADF:
        return "файл закрыт или открыт не для этой операции";
    case EBUSY:
        return "файл или устройство занято";
#ifdef ETXTBSY
    case ETXTBSY:
        return "файл занят выполняемой программой";
#endif
    case EEXIST:
        return "файл уже существует";
    case EXDEV:
        return "файлы на разных файловых системах";
    case EMFILE:
    case ENFILE:
        return "открыто слишком много файлов";
    case EMLINK:
        return "слишком много ссылок на файл";
    case ENOMEM:
        return "недостаточно памяти";
    case ENODEV:
        return "нет такого устройства";
    case EINVAL:
        return "недопустимое имя файла или операция";
    case ESPIPE:
        return "файл не допускает перехода по позиции";
#ifdef EOVERFLOW
    case EOVERFLOW:
        return "файл слишком велик для этой операции";
#endif
#ifdef ENOTSUP
    case ENOTSUP:
#if defined(EOPNOTSUPP) && EOPNOTSUPP != ENOTSUP
    case EOPNOTSUPP:
#endif
        return "операция не поддерживается файловой системой";
#endif
#ifdef ESTALE
    case ESTALE:
        return "файл на сетевом диске больше недоступен";
#endif
#ifdef ETIMEDOUT
    case ETIMEDOUT:
        return "истекло время ожидания";
#endif
#ifdef ECONNRESET
    case ECONNRESET:
        return "соединение разорвано";
#endif
#ifdef ENOLCK
    case ENOLCK:
        return "нет свободных блокировок файлов";
#endif
    default:
        return "системная ошибка с кодом " + std::to_string(err);
    }
}

namespace {

// Reasons of our own, beyond what errno can say.
constexpr int kNotRegular = -1;
constexpr int kTooBig = -2;
constexpr int kWriteProtected = -3;

// The writer's temporary files: ".orvane-", ten random letters, two check letters computed from
// them, ".partial". Only a name of exactly this form is ever taken for one of the writer's own.
constexpr std::string_view kTemporaryPrefix = ".orvane-";
constexpr std::string_view kTemporarySuffix = ".partial";
constexpr size_t kTemporaryRandomLength = 10;
constexpr size_t kTemporaryCheckLength = 2;
constexpr std::string_view kLetters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

std::string CheckLetters(std::string_view random) {
    uint32_t hash = 2166136261u; // FNV-1a
    for (char c : random) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    std::string letters;
    for (size_t i = 0; i < kTemporaryCheckLength; ++i) {
        letters.push_back(kLetters[hash % kLetters.size()]);
        hash /= static_cast<uint32_t>(kLetters.size());
    }
    return letters;
}

// A new name of the writer's form (not yet created).
std::string NewTemporaryName() {
    static thread_local std::mt19937 random{std::random_device{}()};
    std::string part;
    for (size_t i = 0; i < kTemporaryRandomLength; ++i)
        part.push_back(kLetters[random() % kLetters.size()]);
    return std::string(kTemporaryPrefix) + part + CheckLetters(part) +
           std::string(kTemporarySuffix);
}

[[maybe_unused]] bool IsOurTemporaryName(std::string_view name) {
    constexpr size_t middle = kTemporaryRandomLength + kTemporaryCheckLength;
    if (name.size() != kTemporaryPrefix.size() + middle + kTemporarySuffix.size() ||
        !name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporarySuffix))
        return false;
    const std::string_view letters = name.substr(kTemporaryPrefix.size(), middle);
    if (letters.find_first_not_of(kLetters) != std::string_view::npos)
        return false;
    return letters.substr(kTemporaryRandomLength) ==
           CheckLetters(letters.substr(0, kTemporaryRandomLength));
}

// The reason in Russian for every failure a file operation of the program can meet; an
// unexpected one is named by its number.
std::string Reason(int err, bool reading) {
    switch (err) {
    case kNotRegular:
        return "это не обычный файл";
    case kTooBig:
        return "файл больше " + std::string(kMaxReadBytesText);
    case kWriteProtected:
        return "файл доступен только для чтения";
    default:
        return SystemErrorText(err, reading);
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

// A writer holds a lock on its temporary file until the rename; a temporary file of ours that
// nobody holds was left by a writer that was killed. Only what is provably the writer's own is
// removed: a name of its form (check letters included), a regular file of the user's with no
// other name, not locked.
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
            st.st_nlink == 1 && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(dirFd, entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(dir);
    ::close(dirFd);
}

// A temporary file in `folder`, created, locked and still in place; -1 with errno otherwise.
int CreateTemporary(const std::string &folder, std::string &name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + NewTemporaryName();
        const int fd =
            ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return -1;
        }
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

// Rewrites the regular file `target` (found as `was`) with `bytes` in place, keeping its inode:
// its other names, owner, group and permissions. Our writers take turns on it. 0 or errno.
int RewriteInPlace(const std::string &target, const struct stat &was, std::string_view bytes) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat st {};
    int err = 0;
    if (::fstat(fd, &st) != 0)
        err = errno;
    else if (!S_ISREG(st.st_mode))
        err = kNotRegular;
    else if (st.st_dev != was.st_dev || st.st_ino != was.st_ino)
        err = EAGAIN; // replaced since it was looked at: the user may try again
    while (err == 0 && ::flock(fd, LOCK_EX) != 0)
        if (errno != EINTR)
            err = errno;
    if (err == 0 && !WriteAll(fd, bytes))
        err = errno;
    if (err == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0)
        err = errno;
    if (err == 0 && ::fsync(fd) != 0)
        err = errno;
    ::close(fd);
    return err;
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
    if (exists && st.st_nlink > 1) {
        // Several names lead to this file (hard links). A rename would give only this name the
        // new bytes and leave the others on the old file, so the file is rewritten where it is.
        // The bytes go to the temporary file first: a full disk or a size limit is met there,
        // with the file untouched, and the space they took is freed for the rewrite. Only a
        // writer killed during the rewrite itself can leave the file incomplete: the price of
        // keeping its names together.
        if (!WriteAll(fd, bytes))
            err = errno;
        if (err == 0 && ::fsync(fd) != 0)
            err = errno;
        ::unlink(tmp.c_str());
        ::close(fd);
        if (err == 0)
            err = RewriteInPlace(target, st, bytes);
        return err == 0 ? FileResult{} : WriteFailure(path, err);
    }
    // A replaced file keeps its permissions, and its owner and group where the system allows:
    // the administrator's write keeps another user's file that user's; a user keeps a group he
    // belongs to; otherwise the file becomes the writer's (and loses a set-id bit, which was
    // set for its old owner or group). A new file gets the usual permissions.
    mode_t mode = 0;
    if (exists) {
        mode = st.st_mode & 07777;
        if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
            mode &= ~S_ISUID;
            if (::fchown(fd, static_cast<uid_t>(-1), st.st_gid) != 0)
                mode &= ~S_ISGID;
        }
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
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + NewTemporaryName();
        const int fd =
            ::_wopen(Wide(name).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
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
