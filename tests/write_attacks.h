#pragma once
// Attacks on a file the program writes, shared by every way it writes one (the batch's -o and
// --pdf, the window's report and PDF saves): each sets a folder up, the test writes its file
// there, and the folder is read back as one line, so every way is held to the same outcome.
// POSIX file systems only: links, pipes, devices, mounts and limits.

#ifndef _WIN32

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <span>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

#include "test_support.h"

namespace orvane::test {

// What an attack changed beyond its folder, undone in reverse order.
using UndoSteps = std::vector<std::function<void()>>;

struct WriteAttack {
    const char *name;
    // Sets `dir` up for a write of `out` (a file in it): "" when ready, else why this machine
    // cannot stage the attack (the case is then skipped).
    std::string (*prepare)(const std::string &dir, const std::string &out, UndoSteps &undo);
    const char *reason; // how the failure's message ends; "" when the file is written
    const char *after;  // the folder afterwards, as FolderState tells it
};

namespace attack_detail {

inline bool Put(const std::string &path, const std::string &bytes) {
    FILE *f = std::fopen(path.c_str(), "wb");
    if (f == nullptr)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

inline std::string Failed(const char *what) {
    return std::string(what) + " не удалось подготовить";
}

} // namespace attack_detail

// Each entry of `dir`, sorted, with the written file's name shown as "out": "name=content" for
// a file ("new" when it holds a report or a PDF, its bytes when short, "(data)" otherwise),
// "name->target" for a link, "name (pipe)", "name (device)", "name/" for a folder.
inline std::string FolderState(const std::string &dir, const std::string &out) {
    const std::string outName = out.substr(out.find_last_of('/') + 1);
    std::vector<std::string> entries;
    DIR *d = ::opendir(dir.c_str());
    if (d == nullptr)
        return "(no folder)";
    while (const dirent *e = ::readdir(d)) {
        std::string name = e->d_name;
        if (name == "." || name == ".." || name == "lost+found")
            continue;
        const std::string path = dir + "/" + name;
        if (name.rfind(outName, 0) == 0)
            name = "out" + name.substr(outName.size());
        struct stat st {};
        ::lstat(path.c_str(), &st);
        if (S_ISLNK(st.st_mode)) {
            char target[512] = {};
            const ssize_t n = ::readlink(path.c_str(), target, sizeof target - 1);
            name += "->" + std::string(target, n > 0 ? size_t(n) : 0);
        } else if (S_ISFIFO(st.st_mode)) {
            name += " (pipe)";
        } else if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) {
            name += " (device)";
        } else if (S_ISDIR(st.st_mode)) {
            name += "/";
        } else {
            const std::string bytes = ReadFile(path);
            const bool output = bytes.rfind("%PDF-", 0) == 0 || bytes.rfind("{\\rtf", 0) == 0;
            name += "=" + (output ? std::string("new") : bytes.size() <= 16 ? bytes : "(data)");
        }
        entries.push_back(name);
    }
    ::closedir(d);
    std::sort(entries.begin(), entries.end());
    std::string line;
    for (const std::string &entry : entries)
        line += (line.empty() ? "" : ", ") + entry;
    return line;
}

// The attacks, each with the outcome the program's one safe writer gives.
inline std::span<const WriteAttack> WriteAttacks() {
    using attack_detail::Failed;
    using attack_detail::Put;
    static const WriteAttack attacks[] = {
        {"new file",
         [](const std::string &, const std::string &, UndoSteps &) { return std::string(); }, "",
         "out=new"},
        {"symbolic link followed",
         [](const std::string &dir, const std::string &out, UndoSteps &) {
             return Put(dir + "/target", "old") && ::symlink("target", out.c_str()) == 0
                        ? std::string()
                        : Failed("ссылку");
         },
         "", "out->target, target=new"},
        // a writer of its own "out.part" would follow this link onto the victim
        {"planted part link",
         [](const std::string &dir, const std::string &out, UndoSteps &) {
             return Put(dir + "/victim", "victim") &&
                            ::symlink("victim", (out + ".part").c_str()) == 0
                        ? std::string()
                        : Failed("ссылку");
         },
         "", "out.part->victim, out=new, victim=victim"},
        {"write-protected file",
         [](const std::string &, const std::string &out, UndoSteps &) {
             return Put(out, "old") && ::chmod(out.c_str(), 0444) == 0 ? std::string()
                                                                       : Failed("файл");
         },
         "файл доступен только для чтения", "out=old"},
        {"folder in its place",
         [](const std::string &, const std::string &out, UndoSteps &) {
             return ::mkdir(out.c_str(), 0700) == 0 ? std::string() : Failed("папку");
         },
         "это папка, а не файл", "out/"},
        {"link to the null device",
         [](const std::string &, const std::string &out, UndoSteps &) {
             return ::symlink("/dev/null", out.c_str()) == 0 ? std::string() : Failed("ссылку");
         },
         "", "out->/dev/null"},
        {"device replica",
         [](const std::string &, const std::string &out, UndoSteps &) {
             // the null device's own numbers: whatever is written goes nowhere
             return ::mknod(out.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0
                        ? std::string()
                        : std::string("устройство создаёт только администратор");
         },
         "", "out (device)"},
        {"pipe without a reader",
         [](const std::string &, const std::string &out, UndoSteps &) {
             return ::mkfifo(out.c_str(), 0600) == 0 ? std::string() : Failed("канал");
         },
         "никто не читает из канала или устройство недоступно", "out (pipe)"},
        // a small file system of its own, filled up but for the old file
        {"full disk",
         [](const std::string &dir, const std::string &out, UndoSteps &undo) {
             if (::mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=64k") != 0)
                 return std::string("файловую систему монтирует только администратор");
             undo.push_back([dir] { ::umount2(dir.c_str(), MNT_DETACH); });
             if (!Put(out, "old"))
                 return Failed("файл");
             const int fd = ::open((dir + "/filler").c_str(), O_WRONLY | O_CREAT, 0600);
             const std::string page(4096, 'x');
             while (fd >= 0 && ::write(fd, page.data(), page.size()) > 0) {
             }
             if (fd >= 0)
                 ::close(fd);
             return fd >= 0 ? std::string() : Failed("заполнение диска");
         },
         "нет места на диске", "filler=(data), out=old"},
        {"file size limit",
         [](const std::string &, const std::string &out, UndoSteps &undo) {
             if (!Put(out, "old"))
                 return Failed("файл");
             rlimit old{};
             ::getrlimit(RLIMIT_FSIZE, &old);
             const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
             undo.push_back([old, oldHandler] {
                 ::setrlimit(RLIMIT_FSIZE, &old);
                 std::signal(SIGXFSZ, oldHandler);
             });
             rlimit small = old;
             small.rlim_cur = 1024;
             return ::setrlimit(RLIMIT_FSIZE, &small) == 0 ? std::string() : Failed("предел");
         },
         "превышен допустимый размер файла", "out=old"},
    };
    return attacks;
}

// One attack staged in a folder of its own, undone and removed at the end.
class StagedAttack {
public:
    explicit StagedAttack(const WriteAttack &attack, const std::string &fileName)
        : dir_(MakeTempFolder("orvane_attack_")), out_(dir_ + "/" + fileName) {
        skipped_ = dir_.empty() ? "нет временной папки" : attack.prepare(dir_, out_, undo_);
    }
    ~StagedAttack() {
        for (auto step = undo_.rbegin(); step != undo_.rend(); ++step)
            (*step)();
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    StagedAttack(const StagedAttack &) = delete;
    StagedAttack &operator=(const StagedAttack &) = delete;

    // Why the attack could not be staged here; "" when it was.
    const std::string &skipped() const { return skipped_; }
    const std::string &out() const { return out_; }
    // The folder as FolderState tells it, with anything the attack changed still in place.
    std::string state() const { return FolderState(dir_, out_); }

private:
    std::string dir_;
    std::string out_;
    UndoSteps undo_;
    std::string skipped_;
};

} // namespace orvane::test

#endif // _WIN32
