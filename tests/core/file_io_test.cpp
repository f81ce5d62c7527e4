#include "test_support.h"
#include "core/file_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#ifndef _WIN32
#include <dirent.h>
#include <fcntl.h>
#endif
#include <filesystem>
#include <fstream>
#include <string>
#ifndef _WIN32
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif
#include <vector>

using namespace orvane;
namespace fs = std::filesystem;

namespace {

class FileIoTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = orvane::test::MakeTempFolder("orvane_file_io_");
        ASSERT_FALSE(dir_.empty());
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, ec);
        fs::remove_all(dir_, ec);
    }
    int FileCount() const {
        return static_cast<int>(std::distance(fs::directory_iterator(dir_), {}));
    }
    std::string dir_;
};

TEST_F(FileIoTest, WriteThenReadGivesTheSameBytes) {
    const std::string path = dir_ + "/отчёт.rtf";
    const std::string bytes("{\\rtf1 \x00\xFF\r\n}", 12);
    ASSERT_TRUE(WriteFileAtomic(path, bytes).ok);
    std::string back;
    ASSERT_TRUE(ReadFileBytes(path, back).ok);
    EXPECT_EQ(back, bytes);
    // Overwrite with a shorter text, then with nothing.
    ASSERT_TRUE(WriteFileAtomic(path, "ab").ok);
    ASSERT_TRUE(ReadFileBytes(path, back).ok);
    EXPECT_EQ(back, "ab");
    ASSERT_TRUE(WriteFileAtomic(path, "").ok);
    ASSERT_TRUE(ReadFileBytes(path, back).ok);
    EXPECT_EQ(back, "");
    EXPECT_EQ(FileCount(), 1); // no temporary file left behind
}

TEST_F(FileIoTest, FailedWriteLeavesTargetAndNamesTheFile) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file system only: permissions, limits, links, pipes";
#else
    const std::string path = dir_ + "/project.smkprj";
    ASSERT_TRUE(WriteFileAtomic(path, "good").ok);
    ASSERT_EQ(::chmod(dir_.c_str(), 0500), 0);
    if (::access(dir_.c_str(), W_OK) == 0)
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    const FileResult r = WriteFileAtomic(path, "new");
    ::chmod(dir_.c_str(), 0700);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Не удалось записать файл " + path + ": нет доступа");
    std::string back;
    ASSERT_TRUE(ReadFileBytes(path, back).ok);
    EXPECT_EQ(back, "good");
    EXPECT_EQ(FileCount(), 1);
#endif
}

TEST_F(FileIoTest, WriteCutShortLeavesTargetAndNoTemporaryFile) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file system only: permissions, limits, links, pipes";
#else
    const std::string path = dir_ + "/project.isrprj";
    ASSERT_TRUE(WriteFileAtomic(path, "good").ok);
    // A file size limit makes the write itself fail, whatever the user's rights.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileResult r = WriteFileAtomic(path, std::string(100000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error.rfind("Не удалось записать файл " + path + ": ", 0), 0u) << r.error;
    std::string back;
    ASSERT_TRUE(ReadFileBytes(path, back).ok);
    EXPECT_EQ(back, "good");
    EXPECT_EQ(FileCount(), 1);
#endif
}

TEST_F(FileIoTest, FailuresAreReportedInRussian) {
    const std::string missing = dir_ + "/нет/файла.isrprj";
    std::string bytes = "kept";
    FileResult r = ReadFileBytes(missing, bytes);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Не удалось прочитать файл " + missing + ": нет такого файла или папки");
    EXPECT_EQ(bytes, "kept");

    r = WriteFileAtomic(missing, "x");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Не удалось записать файл " + missing + ": нет такого файла или папки");

    r = ReadFileBytes(dir_, bytes);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Не удалось прочитать файл " + dir_ + ": это папка, а не файл");
    r = WriteFileAtomic(dir_, "x");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Не удалось записать файл " + dir_ + ": это папка, а не файл");
    EXPECT_EQ(FileCount(), 0);
}

TEST(SystemErrorTextTest, EveryCodeIsSaidInRussian) {
    // every code a file or a stream operation may meet, and the system's whole range besides
    for (int err = 1; err < 200; ++err) {
        const std::string text = SystemErrorText(err);
        EXPECT_EQ(text.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"),
                  std::string::npos)
            << err << ": " << text;
    }
    EXPECT_EQ(SystemErrorText(EAGAIN), "ресурс временно недоступен, повторите попытку");
    EXPECT_EQ(SystemErrorText(EACCES, true), "нет прав на чтение");
    EXPECT_EQ(SystemErrorText(EACCES), "нет доступа");
    EXPECT_EQ(SystemErrorText(9999), "системная ошибка с кодом 9999");
}

TEST_F(FileIoTest, LongestFileNameTheFolderAllowsIsWritten) {
    const std::string path = dir_ + "/" + std::string(250, 'a') + ".rtf";
    EXPECT_TRUE(WriteFileAtomic(path, "x").ok);
    EXPECT_EQ(FileCount(), 1);
}

TEST_F(FileIoTest, NewFileGetsOrdinaryPermissionsAndKeepsExistingOnes) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file system only: permissions, limits, links, pipes";
#else
    const std::string path = dir_ + "/a.rtf";
    ASSERT_TRUE(WriteFileAtomic(path, "x").ok);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(st.st_mode & 0777, 0666 & ~mask);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomic(path, "y").ok);
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
#endif
}

#ifndef _WIN32
std::string Contents(const std::string &path) {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(path, bytes).ok) << path;
    return bytes;
}
#endif

TEST_F(FileIoTest, ReplacedFileKeepsOwnerGroupAndModeWhereTheSystemAllows) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file system only: permissions, limits, links, pipes";
#else
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the administrator can give files to other users";
    // the administrator's write keeps another user's file that user's
    struct Case {
        uid_t uid;
        gid_t gid;
        mode_t mode;
    } cases[] = {{4242, 4343, 0640}, {0, 4343, 0664}, {4242, 0, 0600}, {4242, 4343, 02660}};
    for (const Case &c : cases) {
        const std::string path = dir_ + "/report-" + std::to_string(c.mode) + ".rtf";
        ASSERT_TRUE(WriteFileAtomic(path, "old").ok);
        ASSERT_EQ(::chown(path.c_str(), c.uid, c.gid), 0);
        ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
        ASSERT_TRUE(WriteFileAtomic(path, "new").ok) << path;
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, c.uid) << path;
        EXPECT_EQ(st.st_gid, c.gid) << path;
        EXPECT_EQ(st.st_mode & 07777, c.mode) << path;
        EXPECT_EQ(Contents(path), "new");
    }

    // a user who may write another user's file but not give files away: the file is written and
    // becomes his, with its permissions (less the set-id bit, which was set for the old group)
    const std::string shared = dir_ + "/shared.rtf";
    ASSERT_TRUE(WriteFileAtomic(shared, "old").ok);
    ASSERT_EQ(::chown(shared.c_str(), 4242, 4343), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 02666), 0);
    ASSERT_EQ(::chmod(dir_.c_str(), 0777), 0);
    for (fs::path folder = fs::path(dir_).parent_path(); folder != folder.parent_path();
         folder = folder.parent_path()) {
        struct stat st {};
        if (::stat(folder.c_str(), &st) != 0 || (st.st_mode & S_IXOTH) == 0)
            GTEST_SKIP() << "another user cannot reach " << folder;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(3);
        ::_exit(WriteFileAtomic(shared, "by another user").ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    struct stat st {};
    ASSERT_EQ(::stat(shared.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(st.st_mode & 07777, 0666u);
    EXPECT_EQ(Contents(shared), "by another user");
    EXPECT_EQ(FileCount(), static_cast<int>(std::size(cases)) + 1);
#endif
}

TEST_F(FileIoTest, HardLinkedFileIsRewrittenForEveryName) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file system only: permissions, limits, links, pipes";
#else
    const std::string path = dir_ + "/report.rtf";
    const std::string other = dir_ + "/copy.rtf";
    const std::string viaLink = dir_ + "/link.rtf";
    ASSERT_TRUE(WriteFileAtomic(path, "old and long").ok);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_EQ(::link(path.c_str(), other.c_str()), 0);
    ASSERT_EQ(::symlink("copy.rtf", viaLink.c_str()), 0);
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    for (const std::string &name : {path, other, viaLink}) {
        const std::string bytes = "new via " + name;
        ASSERT_TRUE(WriteFileAtomic(name, bytes).ok) << name;
        EXPECT_EQ(Contents(path), bytes);
        EXPECT_EQ(Contents(other), bytes);
    }
    ASSERT_TRUE(WriteFileAtomic(path, "short").ok); // what was longer is cut
    EXPECT_EQ(Contents(other), "short");
    struct stat after {};
    ASSERT_EQ(::stat(other.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_nlink, 2u);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(FileCount(), 3); // no temporary file left behind

    // a write cut short by a size limit leaves both names on the old bytes
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileResult r = WriteFileAtomic(path, std::string(100000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Не удалось записать файл " + path + ": превышен допустимый размер файла");
    EXPECT_EQ(Contents(path), "short");
    EXPECT_EQ(Contents(other), "short");
    EXPECT_EQ(FileCount(), 3);
#endif
}

TEST_F(FileIoTest, SymbolicLinksKeepPointingAtTheFileTheyReplace) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file system only: permissions, limits, links, pipes";
#else
    const std::string target = dir_ + "/report.rtf";
    ASSERT_TRUE(WriteFileAtomic(target, "old").ok);
    ASSERT_EQ(::mkdir((dir_ + "/sub").c_str(), 0700), 0);
    struct Case {
        std::string link;
        std::string pointsTo;
    } cases[] = {
        {dir_ + "/absolute.rtf", target},
        {dir_ + "/sub/relative.rtf", "../report.rtf"},
        {dir_ + "/chain.rtf", "absolute.rtf"},
    };
    for (const Case &c : cases)
        ASSERT_EQ(::symlink(c.pointsTo.c_str(), c.link.c_str()), 0) << c.link;
    for (const Case &c : cases) {
        ASSERT_TRUE(WriteFileAtomic(c.link, "new " + c.link).ok) << c.link;
        EXPECT_TRUE(fs::is_symlink(c.link)) << c.link;
        EXPECT_EQ(Contents(target), "new " + c.link);
    }
    // a link to a file not there yet creates that file
    ASSERT_EQ(::symlink("created.rtf", (dir_ + "/dangling.rtf").c_str()), 0);
    ASSERT_TRUE(WriteFileAtomic(dir_ + "/dangling.rtf", "made").ok);
    EXPECT_TRUE(fs::is_symlink(dir_ + "/dangling.rtf"));
    EXPECT_EQ(Contents(dir_ + "/created.rtf"), "made");
#endif
}

TEST_F(FileIoTest, DevicesAndPipesAreWrittenInPlaceNeverReplaced) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file system only: permissions, limits, links, pipes";
#else
    // the null device takes the report and stays a device
    ASSERT_TRUE(WriteFileAtomic("/dev/null", "report").ok);
    struct stat st {};
    ASSERT_EQ(::stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));

    // a pipe with a reader gets the bytes; without one, a message and the pipe is kept
    const std::string fifo = dir_ + "/pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ASSERT_TRUE(WriteFileAtomic(fifo, "через канал").ok);
    char buffer[64] = {};
    EXPECT_EQ(::read(reader, buffer, sizeof buffer), ssize_t(std::string("через канал").size()));
    ::close(reader);
    const FileResult r = WriteFileAtomic(fifo, "x");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error.rfind("Не удалось записать файл " + fifo + ": ", 0), 0u) << r.error;
    ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(FileCount(), 1);
#endif
}

TEST_F(FileIoTest, FileWithoutWriteBitIsNotReplacedWhoeverRuns) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file system only: permissions, limits, links, pipes";
#else
    const std::string path = dir_ + "/project.smkprj";
    ASSERT_TRUE(WriteFileAtomic(path, "kept").ok);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    const FileResult r = WriteFileAtomic(path, "new");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Не удалось записать файл " + path + ": файл доступен только для чтения");
    EXPECT_EQ(Contents(path), "kept");
    EXPECT_EQ(FileCount(), 1);
#endif
}

#ifndef _WIN32
// The names in `folder` that start with ".orvane-".
std::vector<std::string> WriterLikeNames(const std::string &folder) {
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(".orvane-", 0) == 0)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Runs a writer in a child process that a file size limit kills in the middle of its write
// (SIGXFSZ, default action), and returns the temporary file it leaves in `folder`.
std::string KilledWriterTemporary(const std::string &folder) {
    const std::vector<std::string> before = WriterLikeNames(folder);
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit small{};
        ::getrlimit(RLIMIT_FSIZE, &small);
        small.rlim_cur = 4096;
        ::setrlimit(RLIMIT_FSIZE, &small);
        WriteFileAtomic(folder + "/report.rtf", std::string(100000, 'x'));
        ::_exit(0);
    }
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
    std::vector<std::string> left;
    for (const std::string &name : WriterLikeNames(folder))
        if (std::find(before.begin(), before.end(), name) == before.end())
            left.push_back(folder + "/" + name);
    EXPECT_EQ(left.size(), 1u);
    return left.empty() ? std::string() : left.front();
}
#endif

TEST_F(FileIoTest, OnlyTheWritersOwnStaleTemporariesAreRemoved) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file system only: permissions, limits, links, pipes";
#else
    // (each killed writer cleaned up before it began: what must outlive that is made first)
    // a writer at work holds its temporary file locked
    const std::string live = KilledWriterTemporary(dir_);
    ASSERT_FALSE(live.empty());
    const int held = ::open(live.c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    // files of the writer's form that the user has made his own: a second name, another owner
    const std::string linked = KilledWriterTemporary(dir_);
    ASSERT_EQ(::link(linked.c_str(), (dir_ + "/kept-copy").c_str()), 0);
    std::vector<std::string> users = {linked};
    if (::geteuid() == 0) {
        users.push_back(KilledWriterTemporary(dir_));
        ASSERT_EQ(::chown(users.back().c_str(), 4242, 4242), 0);
    }
    const std::string stale = KilledWriterTemporary(dir_);
    ASSERT_FALSE(stale.empty());
    ASSERT_TRUE(fs::exists(live));

    // the user's own files, however much their names look like the writer's
    const auto make = [this](const std::string &name) {
        std::ofstream(dir_ + "/" + name) << "x";
        return dir_ + "/" + name;
    };
    const std::string name = fs::path(stale).filename().string();
    std::string wrongCheck = name;
    wrongCheck[18] = wrongCheck[18] == 'a' ? 'b' : 'a'; // a check letter that does not fit
    for (const std::string &other :
         {std::string(".orvane-abcdef"), std::string(".orvane-Ab3dE9"), wrongCheck,
          name.substr(0, name.size() - 1), name + "x", name.substr(1)})
        users.push_back(make(other));

    ASSERT_TRUE(WriteFileAtomic(dir_ + "/report.rtf", "r").ok);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(live));
    for (const std::string &user : users)
        EXPECT_TRUE(fs::exists(user)) << user;
    // the writer gone, its file goes with the next write
    ::close(held);
    ASSERT_TRUE(WriteFileAtomic(dir_ + "/report.rtf", "r").ok);
    EXPECT_FALSE(fs::exists(live));
    for (const std::string &user : users)
        EXPECT_TRUE(fs::exists(user)) << user;
#endif
}

TEST_F(FileIoTest, ReaderTakesOnlyRegularFilesOfBoundedSize) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file system only: permissions, limits, links, pipes";
#else
    const std::string fifo = dir_ + "/pipe.smkprj";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string huge = dir_ + "/huge.smkprj";
    const std::string limit = dir_ + "/limit.smkprj";
    ASSERT_TRUE(WriteFileAtomic(huge, "").ok);
    ASSERT_TRUE(WriteFileAtomic(limit, "").ok);
    fs::resize_file(huge, kMaxReadBytes + 1);
    fs::resize_file(limit, kMaxReadBytes);
    const std::string zeroLink = dir_ + "/zero.smkprj";
    ASSERT_EQ(::symlink("/dev/zero", zeroLink.c_str()), 0);
    struct Case {
        std::string path;
        const char *reason;
    } cases[] = {
        {fifo, "это не обычный файл"},
        {zeroLink, "это не обычный файл"},
        {huge, "файл больше 8 МБ"},
    };
    for (const Case &c : cases) {
        std::string bytes = "kept";
        const auto start = std::chrono::steady_clock::now();
        const FileResult r = ReadFileBytes(c.path, bytes);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << c.path;
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, "Не удалось прочитать файл " + c.path + ": " + c.reason);
        EXPECT_EQ(r.reason, c.reason);
        EXPECT_EQ(bytes, "kept");
    }
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(limit, bytes).ok);
    EXPECT_EQ(bytes.size(), kMaxReadBytes);
#endif
}

TEST_F(FileIoTest, FileWithoutReadPermissionSaysSo) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file system only: permissions, limits, links, pipes";
#else
    const std::string path = dir_ + "/secret.smkprj";
    ASSERT_TRUE(WriteFileAtomic(path, "x").ok);
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    if (::access(path.c_str(), R_OK) == 0)
        GTEST_SKIP() << "running with rights that ignore file permissions";
    std::string bytes;
    EXPECT_EQ(ReadFileBytes(path, bytes).reason, "нет прав на чтение");
#endif
}

TEST_F(FileIoTest, SameFileComparesFilesNotNames) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file system only: permissions, limits, links, pipes";
#else
    const std::string a = dir_ + "/a.smkprj";
    ASSERT_TRUE(WriteFileAtomic(a, "a").ok);
    ASSERT_TRUE(WriteFileAtomic(dir_ + "/b.smkprj", "b").ok);
    ASSERT_EQ(::link(a.c_str(), (dir_ + "/hard.smkprj").c_str()), 0);
    ASSERT_EQ(::symlink("a.smkprj", (dir_ + "/soft.rtf").c_str()), 0);
    struct Case {
        std::string other;
        bool same;
    } cases[] = {
        {a, true},
        {dir_ + "/./a.smkprj", true},
        {dir_ + "/hard.smkprj", true},
        {dir_ + "/soft.rtf", true},
        {dir_ + "/b.smkprj", false},
        {dir_ + "/new.rtf", false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(SameFile(a, c.other), c.same) << c.other;
        EXPECT_EQ(SameFile(c.other, a), c.same) << c.other;
    }
    // files not written yet: the same name in the same folder
    EXPECT_TRUE(SameFile(dir_ + "/new.rtf", dir_ + "/./new.rtf"));
    EXPECT_FALSE(SameFile(dir_ + "/new.rtf", dir_ + "/new.json"));
#endif
}

} // namespace
