#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "framework/file.h"
#include "tests/temp_dir.h"

namespace fs = std::filesystem;

class FileTest : public ::testing::Test {
protected:
    TempDir temp;
    const std::string& dir = temp.Path();
};

TEST_F(FileTest, WriteSeekReadAndPath) {
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
    std::string error;
    EXPECT_FALSE(f.Open(JoinPath(dir, "missing"), CFile::modeRead, &error));
    EXPECT_NE(error.find("missing"), std::string::npos);
    EXPECT_FALSE(f.Open(dir, CFile::modeRead, &error));
}

TEST_F(FileTest, ShareDenyWriteKeepsWritersOut) {
    std::string path = JoinPath(dir, "locked");
    std::vector<uint8_t> bytes = {1, 2, 3};
    std::string error;
    ASSERT_TRUE(WriteFileAtomic(path, bytes, error));
    CFile reader;
    ASSERT_TRUE(reader.Open(path, CFile::modeRead | CFile::shareDenyWrite));
    CFile writer;
    EXPECT_FALSE(writer.Open(path, CFile::modeWrite, &error));
    reader.Close();
    EXPECT_TRUE(writer.Open(path, CFile::modeWrite));
}

TEST_F(FileTest, AtomicWriteReplacesWholeOrNothing) {
    std::string path = JoinPath(dir, "stars.db");
    std::string error;
    ASSERT_TRUE(WriteFileAtomic(path, {1, 2, 3}, error));
    ASSERT_TRUE(WriteFileAtomic(path, {4, 5}, error));
    std::vector<uint8_t> back;
    ASSERT_TRUE(ReadWholeFile(path, back, error));
    EXPECT_EQ(back, (std::vector<uint8_t>{4, 5}));
    // A folder that refuses new files: the old file stays, no temporary is left.
    if (geteuid() != 0) {
        chmod(dir.c_str(), 0555);
        EXPECT_FALSE(WriteFileAtomic(path, {9}, error));
        chmod(dir.c_str(), 0755);
        ASSERT_TRUE(ReadWholeFile(path, back, error));
        EXPECT_EQ(back, (std::vector<uint8_t>{4, 5}));
    }
    EXPECT_FALSE(WriteFileAtomic(JoinPath(dir, "no/such/folder/x"), {1}, error));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1);
}

TEST(Paths, FolderAndJoin) {
    EXPECT_EQ(FolderOf("/usr/bin/lumo"), "/usr/bin");
    EXPECT_EQ(FolderOf("/lumo"), "/");
    EXPECT_EQ(FolderOf("lumo"), ".");
    EXPECT_EQ(JoinPath("/a/", "b"), "/a/b");
    EXPECT_EQ(JoinPath("/a", "b"), "/a/b");
    EXPECT_FALSE(ExecutableFolder().empty());
}
