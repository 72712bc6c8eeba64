#include "framework/program_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "framework/file.h"
#include "tests/scoped_env.h"
#include "tests/temp_dir.h"

namespace {
namespace fs = std::filesystem;

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
        EXPECT_EQ(f.installed, c.installed);
        EXPECT_EQ(f.dataFolder, c.dataFolder);
        EXPECT_EQ(f.documentPath, c.document);
        EXPECT_EQ(f.DocumentIsTheUsers(), c.document != c.dataFolder + "/stars.db") << c.bin;
    }
    EXPECT_EQ(ChooseProgramFiles("/opt/lumo/bin", true, true, home).ShippedDocument(),
              "/opt/lumo/share/lumo/stars.db");
}

TEST(ProgramFilesTest, XdgFoldersTakeAbsoluteValuesOnly) {
    EXPECT_EQ(XdgFolder("/data", "/home/u", ".local/share"), "/data");
    EXPECT_EQ(XdgFolder("relative/data", "/home/u", ".local/share"), "/home/u/.local/share");
    EXPECT_EQ(XdgFolder("", "/home/u", ".cache"), "/home/u/.cache");
    EXPECT_EQ(XdgFolder(nullptr, "/home/u", ".cache"), "/home/u/.cache");
    EXPECT_EQ(XdgFolder(nullptr, "", ".cache"), "");
    TempDir home;
    ScopedEnv data("XDG_DATA_HOME", home.File("data"));
    ScopedEnv cache("XDG_CACHE_HOME", home.File("cache"));
    EXPECT_EQ(UserDataHome(), home.File("data"));
    EXPECT_EQ(UserCacheFolder(), home.File("cache") + "/lumo");
}

class InstalledLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(prefix.File("bin"));
        fs::create_directories(prefix.File("share/lumo"));
        Write(prefix.File("share/lumo/stars.db"), "shipped");
    }
    static void Write(const std::string& path, const std::string& text) {
        std::string error;
        ASSERT_TRUE(WriteFileAtomic(path, std::vector<uint8_t>(text.begin(), text.end()), error))
            << error;
    }
    static std::string Read(const std::string& path) {
        std::vector<uint8_t> bytes;
        std::string error;
        ReadWholeFile(path, bytes, error);
        return std::string(bytes.begin(), bytes.end());
    }
    TempDir prefix, user;
    ScopedEnv data{"XDG_DATA_HOME", user.File("data")};
};

TEST_F(InstalledLayoutTest, InstalledProgramFindsItsDataAndKeepsTheUsersCopy) {
    ProgramFiles files = LocateProgramFiles(prefix.File("bin"));
    EXPECT_TRUE(files.installed);
    EXPECT_EQ(files.dataFolder, prefix.File("share/lumo"));
    EXPECT_EQ(files.documentPath, user.File("data/lumo/stars.db"));
    EXPECT_EQ(files.DocumentToRead(), prefix.File("share/lumo/stars.db"));  // no copy yet

    std::string error;
    ASSERT_TRUE(PrepareUserDocument(files, error)) << error;  // the first run copies
    EXPECT_EQ(Read(files.documentPath), "shipped");
    EXPECT_EQ(files.DocumentToRead(), files.documentPath);
    Write(files.documentPath, "the user's settings");
    ASSERT_TRUE(PrepareUserDocument(files, error));  // later runs keep the copy
    EXPECT_EQ(Read(files.documentPath), "the user's settings");
    EXPECT_EQ(Read(prefix.File("share/lumo/stars.db")), "shipped");
    // With its catalogue beside it the program is not installed; nothing is copied.
    Write(prefix.File("bin/stars.db"), "beside");
    files = LocateProgramFiles(prefix.File("bin"));
    EXPECT_EQ(files.documentPath, prefix.File("bin/stars.db"));
    ASSERT_TRUE(PrepareUserDocument(files, error));
    EXPECT_EQ(Read(user.File("data/lumo/stars.db")), "the user's settings");
}

TEST_F(InstalledLayoutTest, CopyFailuresAreReported) {
    Write(user.File("not a folder"), "");
    ProgramFiles files = ChooseProgramFiles(prefix.File("bin"), true, false, user.File("not a folder"));
    std::string error;
    EXPECT_FALSE(PrepareUserDocument(files, error));
    EXPECT_NE(error.find("not a folder/lumo"), std::string::npos) << error;
    // Nothing shipped: nothing to copy, and no failure.
    fs::remove(prefix.File("share/lumo/stars.db"));
    files = ChooseProgramFiles(prefix.File("bin"), true, false, user.File("data"));
    EXPECT_TRUE(PrepareUserDocument(files, error)) << error;
    EXPECT_FALSE(FileExists(files.documentPath));
}

}  // namespace
