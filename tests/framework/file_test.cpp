// Files: reading, atomic saves, paths, and where the program finds its own.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>

#include "framework/file.h"
#include "framework/program_files.h"
#include "tests/scoped_env.h"
#include "tests/temp_dir.h"

namespace {
namespace fs = std::filesystem;

class FileTest : public ::testing::Test {
protected:
    static std::vector<uint8_t> Read(const std::string& path) {
        std::vector<uint8_t> back;
        std::string error;
        EXPECT_TRUE(ReadWholeFile(path, back, error)) << error;
        return back;
    }
    static void Write(const std::string& path, const std::string& text) {
        std::string error;
        ASSERT_TRUE(WriteFileAtomic(path, std::vector<uint8_t>(text.begin(), text.end()), error)) << error;
    }
    size_t FileCount() const { return std::distance(fs::directory_iterator(dir), fs::directory_iterator{}); }
    TempDir temp;
    const std::string& dir = temp.Path();
    std::string error;
};

TEST_F(FileTest, WriteSeekReadShareDenyWriteAndDescriptorZero) {
    CFile f;
    std::string path = JoinPath(dir, "a.bin");
    ASSERT_TRUE(f.Open(path, CFile::modeReadWrite | CFile::modeCreate));
    EXPECT_TRUE(f.Write("hello world", 11));
    EXPECT_EQ(f.GetLength(), 11);
    EXPECT_EQ(f.Seek(6, CFile::begin), 6);
    char buf[16] = {};
    EXPECT_EQ(f.Read(buf, sizeof buf), 5u);
    EXPECT_STREQ(buf, "world");
    f.Close();
    EXPECT_FALSE(f.Open(JoinPath(dir, "missing"), CFile::modeRead, &error));
    EXPECT_NE(error.find("missing"), std::string::npos);
    EXPECT_FALSE(f.Open(dir, CFile::modeRead, &error));
    CFile reader, writer;
    ASSERT_TRUE(reader.Open(path, CFile::modeRead | CFile::shareDenyWrite));
    EXPECT_FALSE(writer.Open(path, CFile::modeWrite, &error));  // kept out while it is read
    reader.Close();
    EXPECT_TRUE(writer.Open(path, CFile::modeWrite));
    // With standard input closed a file gets descriptor 0, a file like any other.
    const int input = dup(0);
    close(0);
    const bool opened = f.Open(JoinPath(dir, "zero"), CFile::modeWrite | CFile::modeCreate);
    const bool flushed = f.Flush();
    f.Close();
    dup2(input, 0);
    close(input);
    EXPECT_TRUE(opened && flushed);
}

TEST_F(FileTest, AtomicWriteReplacesWholeOrNothing) {
    std::string path = JoinPath(dir, "stars.db");
    ASSERT_TRUE(WriteFileAtomic(path, {1, 2, 3}, error));
    ASSERT_TRUE(WriteFileAtomic(path, {4, 5}, error));
    EXPECT_EQ(Read(path), (std::vector<uint8_t>{4, 5}));
    EXPECT_FALSE(WriteFileAtomic(JoinPath(dir, "no/such/folder/x"), {1}, error));
    // A write that fails (past the file size limit) is reported, not tried again for ever.
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

TEST(ProgramFilesTest, DocumentBesideTheProgramUnlessInstalledOrReadOnly) {
    const std::string home = "/home/u/.local/share";
    const struct {
        const char* bin;
        bool installed, writable;
        std::string userData, dataFolder, document;
    } cases[] = {
        {"/src/build/bin", false, true, home, "/src/build/bin", "/src/build/bin/stars.db"},
        {"/opt/lumo/bin", true, true, home, "/opt/lumo/share/lumo", home + "/lumo/stars.db"},
        {"/media/cd", false, false, home, "/media/cd", home + "/lumo/stars.db"},
        // No user data folder at all: the document stays with the data.
        {"/opt/lumo/bin", true, false, "", "/opt/lumo/share/lumo", "/opt/lumo/share/lumo/stars.db"},
    };
    for (const auto& c : cases) {
        const ProgramFiles f = ChooseProgramFiles(c.bin, c.installed, c.writable, c.userData);
        EXPECT_EQ(f.dataFolder, c.dataFolder);
        EXPECT_EQ(f.documentPath, c.document);
        EXPECT_EQ(f.DocumentIsTheUsers(), c.document != c.dataFolder + "/stars.db") << c.bin;
    }
}

TEST(ProgramFilesTest, XdgFoldersTakeAbsoluteValuesOnly) {
    EXPECT_EQ(XdgFolder("/data", "/home/u", ".local/share"), "/data");
    EXPECT_EQ(XdgFolder("relative/data", "/home/u", ".local/share"), "/home/u/.local/share");
    EXPECT_EQ(XdgFolder(nullptr, "/home/u", ".cache"), "/home/u/.cache");
    EXPECT_EQ(XdgFolder(nullptr, "", ".cache"), "");
    TempDir home;
    ScopedEnv data("XDG_DATA_HOME", home.File("data"));
    ScopedEnv cache("XDG_CACHE_HOME", home.File("cache"));
    EXPECT_EQ(UserDataHome(), home.File("data"));
    EXPECT_EQ(UserCacheFolder(), home.File("cache") + "/lumo");
}

// A prefix with the shipped document in share/lumo, and a user data folder. The
// installed program's first copy and the user's kept copy: tests/app's package test.
class InstalledLayoutTest : public FileTest {
protected:
    void SetUp() override {
        fs::create_directories(prefix.File("bin"));
        fs::create_directories(prefix.File("share/lumo"));
        Write(prefix.File("share/lumo/stars.db"), "shipped");
    }
    TempDir prefix, user;
    ScopedEnv data{"XDG_DATA_HOME", user.File("data")};
};

TEST_F(InstalledLayoutTest, CopyFailuresAreReported) {
    Write(user.File("not a folder"), "");
    ProgramFiles files = ChooseProgramFiles(prefix.File("bin"), true, false, user.File("not a folder"));
    EXPECT_FALSE(PrepareUserDocument(files, error));
    EXPECT_NE(error.find("not a folder/lumo"), std::string::npos) << error;
    // Nothing shipped: nothing to copy, and no failure.
    fs::remove(prefix.File("share/lumo/stars.db"));
    files = ChooseProgramFiles(prefix.File("bin"), true, false, user.File("data"));
    EXPECT_TRUE(PrepareUserDocument(files, error)) << error;
    EXPECT_FALSE(FileExists(files.documentPath));
}

}  // namespace
