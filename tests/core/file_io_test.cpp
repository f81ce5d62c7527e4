#include "test_support.h"
#include "core/file_io.h"

#include <gtest/gtest.h>

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
#include <unistd.h>
#endif

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

TEST_F(FileIoTest, TemporariesOfKilledWritersAreRemovedLiveOnesKept) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file system only: permissions, limits, links, pipes";
#else
    const auto make = [this](const std::string &name) {
        std::ofstream(dir_ + "/" + name) << "x";
        return dir_ + "/" + name;
    };
    const std::string stale = make(".orvane-Ab3dE9");
    const std::string live = make(".orvane-Zz0Yy1");
    const std::string others[] = {make(".orvane-short"), make(".orvane-Ab3dE9x"),
                                  make("orvane-Ab3dE9"), make(".orvane-ab_de9")};
    // a writer at work holds its temporary file locked
    const int held = ::open(live.c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    ASSERT_TRUE(WriteFileAtomic(dir_ + "/report.rtf", "r").ok);
    ::close(held);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(live));
    for (const std::string &other : others)
        EXPECT_TRUE(fs::exists(other)) << other;
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
