#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "framework/file.h"
#include "tests/temp_dir.h"

namespace fs = std::filesystem;

class FileTest : public ::testing::Test {
protected:
    std::vector<uint8_t> Read(const std::string& path) {
        std::vector<uint8_t> back;
        std::string error;
        EXPECT_TRUE(ReadWholeFile(path, back, error)) << error;
        return back;
    }
    size_t FileCount() const { return std::distance(fs::directory_iterator(dir), fs::directory_iterator{}); }
    TempDir temp;
    const std::string& dir = temp.Path();
    std::string error;
};

TEST_F(FileTest, WriteSeekReadAndShareDenyWrite) {
    CFile f;
    std::string path = JoinPath(dir, "a.bin");
    ASSERT_TRUE(f.Open(path, CFile::modeReadWrite | CFile::modeCreate));
    EXPECT_TRUE(f.Write("hello world", 11));
    EXPECT_EQ(f.GetLength(), 11);
    EXPECT_EQ(f.Seek(6, CFile::begin), 6);
    char buf[16] = {};
    EXPECT_EQ(f.Read(buf, sizeof buf), 5u);
    EXPECT_STREQ(buf, "world");
    EXPECT_EQ(f.GetPosition(), 11);
    EXPECT_EQ(f.GetFilePath(), path);
    f.Close();
    EXPECT_FALSE(f.IsOpen());
    EXPECT_FALSE(f.Open(JoinPath(dir, "missing"), CFile::modeRead, &error));
    EXPECT_NE(error.find("missing"), std::string::npos);
    EXPECT_FALSE(f.Open(dir, CFile::modeRead, &error));
    CFile reader, writer;
    ASSERT_TRUE(reader.Open(path, CFile::modeRead | CFile::shareDenyWrite));
    EXPECT_FALSE(writer.Open(path, CFile::modeWrite, &error));  // kept out while it is read
    reader.Close();
    EXPECT_TRUE(writer.Open(path, CFile::modeWrite));
}

TEST_F(FileTest, AtomicWriteReplacesWholeOrNothing) {
    std::string path = JoinPath(dir, "stars.db");
    ASSERT_TRUE(WriteFileAtomic(path, {1, 2, 3}, error));
    ASSERT_TRUE(WriteFileAtomic(path, {4, 5}, error));
    EXPECT_EQ(Read(path), (std::vector<uint8_t>{4, 5}));
    // A folder that refuses new files: the old file stays, no temporary is left.
    if (geteuid() != 0) {
        chmod(dir.c_str(), 0555);
        EXPECT_FALSE(WriteFileAtomic(path, {9}, error));
        chmod(dir.c_str(), 0755);
        EXPECT_EQ(Read(path), (std::vector<uint8_t>{4, 5}));
    }
    EXPECT_FALSE(WriteFileAtomic(JoinPath(dir, "no/such/folder/x"), {1}, error));
    // A write that fails (past the process's file size limit) is reported,
    // not tried again for ever.
    EXPECT_EXIT(
        {
            signal(SIGXFSZ, SIG_IGN);
            rlimit oneByte;
            oneByte.rlim_cur = oneByte.rlim_max = 1;
            setrlimit(RLIMIT_FSIZE, &oneByte);
            alarm(5);
            std::exit(WriteFileAtomic(path, std::vector<uint8_t>(100, 1), error) ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(Read(path), (std::vector<uint8_t>{4, 5}));
    EXPECT_EQ(FileCount(), 1u);
}

// A save interrupted at every byte of its temporary file never leaves the
// file damaged: it keeps the last complete save.
TEST_F(FileTest, InterruptedSavesKeepTheLastCompleteFile) {
    std::string path = JoinPath(dir, "stars.db");
    const std::vector<uint8_t> saved = {1, 2, 3, 4, 5}, next = {9, 8, 7, 6, 5, 4, 3, 2};
    ASSERT_TRUE(WriteFileAtomic(path, saved, error));
    for (size_t k = 0; k < next.size(); ++k) {
        ASSERT_FALSE(WriteFileAtomicInterrupted(path, next, error, k));
        ASSERT_EQ(Read(path), saved) << "interrupted after " << k << " bytes";
    }
    EXPECT_EQ(FileCount(), 1 + next.size());  // the partial temporary files beside it
    ASSERT_TRUE(WriteFileAtomic(path, next, error));  // the next complete save goes through
    EXPECT_EQ(Read(path), next);
}

TEST(Paths, FolderAndJoin) {
    EXPECT_EQ(FolderOf("/usr/bin/lumo"), "/usr/bin");
    EXPECT_EQ(FolderOf("/lumo"), "/");
    EXPECT_EQ(FolderOf("lumo"), ".");
    EXPECT_EQ(JoinPath("/a/", "b"), "/a/b");
    EXPECT_EQ(JoinPath("/a", "b"), "/a/b");
    EXPECT_FALSE(ExecutableFolder().empty());
}
