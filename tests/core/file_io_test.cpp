#include "core/file_io.h"

#include <gtest/gtest.h>

#include <csignal>
#include <dirent.h>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvane;
namespace fs = std::filesystem;

namespace {

class FileIoTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/orvane_file_io_XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override {
        ::chmod(dir_.c_str(), 0700);
        fs::remove_all(dir_);
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
}

TEST_F(FileIoTest, WriteCutShortLeavesTargetAndNoTemporaryFile) {
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
}

} // namespace
