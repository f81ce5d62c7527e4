#include "core/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

namespace {

// The reason in Russian for the failures a user can meet and mend; the system's text otherwise.
std::string Reason(int err) {
    switch (err) {
    case ENOENT:
        return "нет такого файла или папки";
    case EACCES:
    case EPERM:
        return "нет доступа";
    case ENOSPC:
        return "нет места на диске";
    case EISDIR:
        return "это папка, а не файл";
    case EROFS:
        return "файловая система доступна только для чтения";
    case ENOTDIR:
        return "часть пути не является папкой";
    case ENAMETOOLONG:
        return "слишком длинное имя";
    default:
        return std::strerror(err);
    }
}

FileResult Failure(const char *what, const std::string &path, int err) {
    return FileResult{false, std::string(what) + path + ": " + Reason(err)};
}

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

} // namespace

FileResult ReadFileBytes(const std::string &path, std::string &bytes) {
    const char *what = "Не удалось прочитать файл ";
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return Failure(what, path, errno);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return Failure(what, path, EISDIR);
    }
    std::string data;
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int err = errno;
            ::close(fd);
            return Failure(what, path, err);
        }
        if (n == 0)
            break;
        data.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    bytes = std::move(data);
    return {};
}

FileResult WriteFileAtomic(const std::string &path, std::string_view bytes) {
    const char *what = "Не удалось записать файл ";
    if (path.empty())
        return Failure(what, path, ENOENT);
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return Failure(what, path, EISDIR);
    // The temporary file sits beside the target so that the rename stays within one file system;
    // its short name never fails where the target's long name would fit.
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "./" : path.substr(0, slash + 1);
    std::string tmp = folder + ".orvane-XXXXXX";
    int fd = ::mkstemp(tmp.data());
    if (fd < 0)
        return Failure(what, path, errno);
    // mkstemp creates 0600; a written file gets the usual permissions (or the target's own).
    mode_t mode = 0;
    if (::stat(path.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);
    int err = 0;
    if (!WriteAll(fd, bytes))
        err = errno;
    if (err == 0 && ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err == 0 && ::rename(tmp.c_str(), path.c_str()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(tmp.c_str());
        return Failure(what, path, err);
    }
    // Make the rename itself durable; a folder that cannot be synced changes nothing for the user.
    int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return {};
}

} // namespace orvane
