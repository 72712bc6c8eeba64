// The program installed into a scratch prefix with `cmake --install`, then
// started from there on Qt's offscreen platform as a user with folders of
// their own: it reads the installed data, keeps its document in the user's
// data folder and saves it when the session asks it to end.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>

#include "catalogue/lumo_doc.h"
#include "tests/app/program_run.h"

namespace fs = std::filesystem;

namespace {

class InstalledProgram : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        prefix = new TempDir;
        const std::string cmd = std::string(LUMO_CMAKE) + " --install " + LUMO_BUILD_DIR +
                                " --prefix " + prefix->Path() + " >" + prefix->File("install.log") +
                                " 2>&1";
        installStatus = std::system(cmd.c_str());
    }
    static void TearDownTestSuite() {
        delete prefix;
        prefix = nullptr;
    }
    void SetUp() override { ASSERT_EQ(installStatus, 0) << SlurpFile(prefix->File("install.log")); }

    std::string Installed(const std::string& name) const { return prefix->File(name); }
    std::string UserDocument() const { return user.File("data/lumo/stars.db"); }

    // Starts the installed program with the window, lets it come up, asks it
    // to end as a session does, and returns its exit status.
    int RunUntilAskedToEnd() {
        return RunWindowUntilAskedToEnd(Installed("bin/lumo"), {}, user, user.File("lumo.log"));
    }

    static std::unique_ptr<CLumoDoc> Load(const std::string& path) {
        auto doc = std::make_unique<CLumoDoc>();
        std::vector<uint8_t> bytes;
        std::string error;
        EXPECT_TRUE(ReadWholeFile(path, bytes, error)) << error;
        EXPECT_TRUE(doc->LoadFrom(bytes, error)) << path << ": " << error;
        return doc;
    }

    static TempDir* prefix;
    static int installStatus;
    TempDir user;
};
TempDir* InstalledProgram::prefix = nullptr;
int InstalledProgram::installStatus = -1;

TEST_F(InstalledProgram, PutsEachFileInItsStandardPlace) {
    EXPECT_EQ(access(Installed("bin/lumo").c_str(), X_OK), 0);
    for (const char* data : {"stars.db", "esfptr.ob3", "planets.sto", "lumo.htm"})
        EXPECT_TRUE(FileExists(Installed("share/lumo/") + data)) << data;
    // The installed catalogue is made afresh, not the build folder's copy with its settings.
    EXPECT_EQ(Load(Installed("share/lumo/stars.db"))->m_nZoom, 256);
    const std::string entry = SlurpFile(Installed("share/applications/lumo.desktop"));
    EXPECT_NE(entry.find("[Desktop Entry]"), std::string::npos);
    EXPECT_NE(entry.find("Exec=\"" + Installed("bin/lumo") + "\" %f\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("Icon=lumo\n"), std::string::npos);
    for (const char* side : {"16x16", "48x48", "256x256"}) {
        const std::string icon = SlurpFile(Installed("share/icons/hicolor/") + side + "/apps/lumo.png");
        EXPECT_EQ(icon.substr(1, 3), "PNG") << side;
    }
}

TEST_F(InstalledProgram, KeepsTheUsersDocumentInTheirDataFolder) {
    const std::string shipped = SlurpFile(Installed("share/lumo/stars.db"));
    // The first run copies the catalogue, reads the copy and saves it at the end.
    ASSERT_EQ(RunUntilAskedToEnd(), 0) << SlurpFile(user.File("lumo.log"));
    ASSERT_TRUE(FileExists(UserDocument()));
    EXPECT_NE(SlurpFile(UserDocument()), shipped);  // saved: it holds where the stars were drawn
    EXPECT_EQ(Load(UserDocument())->m_stars.size(), 41411u);
    EXPECT_TRUE(FileExists(user.File("config/Tarvel Software/Tarvel Lumo.conf")));

    // Later runs read the user's copy: its settings come back saved.
    auto mine = Load(UserDocument());
    mine->m_nZoom = 300;
    mine->m_nViewAzimuth = 777;
    std::string error;
    ASSERT_TRUE(WriteFileAtomic(UserDocument(), mine->StoreToBytes(), error)) << error;
    ASSERT_EQ(RunUntilAskedToEnd(), 0) << SlurpFile(user.File("lumo.log"));
    auto after = Load(UserDocument());
    EXPECT_EQ(after->m_nZoom, 300);
    EXPECT_EQ(after->m_nViewAzimuth, 777);
    EXPECT_EQ(SlurpFile(Installed("share/lumo/stars.db")), shipped);
}

}  // namespace
