#include "framework/program_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "framework/file.h"
#include "tests/scoped_env.h"
#include "tests/temp_dir.h"

namespace {
namespace fs = std::filesystem;

TEST(ProgramFilesTest, DocumentBesideTheProgramUnlessInstalledOrReadOnly) {
    ProgramFiles build = ChooseProgramFiles("/src/build/bin", false, true, "/home/u/.local/share");
    EXPECT_FALSE(build.installed);
    EXPECT_EQ(build.dataFolder, "/src/build/bin");
    EXPECT_EQ(build.documentPath, "/src/build/bin/stars.db");
    EXPECT_FALSE(build.DocumentIsTheUsers());

    ProgramFiles installed = ChooseProgramFiles("/opt/lumo/bin", true, true, "/home/u/.local/share");
    EXPECT_EQ(installed.dataFolder, "/opt/lumo/share/lumo");
    EXPECT_EQ(installed.ShippedDocument(), "/opt/lumo/share/lumo/stars.db");
    EXPECT_EQ(installed.documentPath, "/home/u/.local/share/lumo/stars.db");
    EXPECT_TRUE(installed.DocumentIsTheUsers());

    ProgramFiles readOnly = ChooseProgramFiles("/media/cd", false, false, "/home/u/.local/share");
    EXPECT_EQ(readOnly.dataFolder, "/media/cd");
    EXPECT_EQ(readOnly.documentPath, "/home/u/.local/share/lumo/stars.db");

    // No user data folder at all: the document stays with the data.
    EXPECT_EQ(ChooseProgramFiles("/opt/lumo/bin", true, false, "").documentPath,
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
}

TEST_F(InstalledLayoutTest, AProgramWithItsCatalogueBesideItIsNotInstalled) {
    Write(prefix.File("bin/stars.db"), "beside");
    ProgramFiles files = LocateProgramFiles(prefix.File("bin"));
    EXPECT_EQ(files.documentPath, prefix.File("bin/stars.db"));
    std::string error;
    ASSERT_TRUE(PrepareUserDocument(files, error));
    EXPECT_FALSE(fs::exists(user.File("data")));  // nothing is copied
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
