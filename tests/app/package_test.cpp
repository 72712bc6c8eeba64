// The Debian package as `make package` makes it: built with cpack into a
// scratch folder, unpacked with dpkg-deb, and the unpacked program run from
// there; its AppStream metadata validated.

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/app/program_run.h"

namespace fs = std::filesystem;

namespace {

class Package : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        scratch = new TempDir;
        const std::string cmd = std::string(LUMO_CPACK) + " -G DEB --config " + LUMO_BUILD_DIR +
                                "/CPackConfig.cmake -B " + scratch->Path() + " >" +
                                scratch->File("cpack.log") + " 2>&1";
        packStatus = std::system(cmd.c_str());
        for (const auto& e : fs::directory_iterator(scratch->Path()))
            if (e.path().extension() == ".deb") deb = e.path().string();
        if (!deb.empty())
            unpackStatus = std::system(("dpkg-deb -x " + deb + " " + scratch->File("root")).c_str());
    }
    static void TearDownTestSuite() {
        delete scratch;
        scratch = nullptr;
    }
    void SetUp() override {
        ASSERT_EQ(packStatus, 0) << SlurpFile(scratch->File("cpack.log"));
        ASSERT_FALSE(deb.empty()) << SlurpFile(scratch->File("cpack.log"));
        ASSERT_EQ(unpackStatus, 0);
    }
    static std::string Root(const std::string& path) { return scratch->File("root/usr/" + path); }

    static TempDir* scratch;
    static std::string deb;
    static int packStatus, unpackStatus;
};
TempDir* Package::scratch = nullptr;
std::string Package::deb;
int Package::packStatus = -1, Package::unpackStatus = -1;

// One test: making the package takes a while.
TEST_F(Package, HoldsTheInstalledFilesAndRunsWhereItIsUnpacked) {
    ProgramResult contents = RunLumo("dpkg-deb -c", deb);
    ASSERT_EQ(contents.status, 0) << contents.err;
    for (const char* path :
         {"./usr/bin/lumo", "./usr/bin/lumo-data", "./usr/share/lumo/stars.db",
          "./usr/share/lumo/planets.sto", "./usr/share/lumo/esfptr.ob3", "./usr/share/lumo/lumo.htm",
          "./usr/share/applications/lumo.desktop", "./usr/share/metainfo/lumo.metainfo.xml",
          "./usr/share/icons/hicolor/48x48/apps/lumo.png", "./usr/share/man/man1/lumo.1.gz",
          "./usr/share/man/man1/lumo-data.1.gz", "./usr/share/doc/lumo/copyright"})
        EXPECT_NE(contents.out.find(std::string(path) + "\n"), std::string::npos) << path;
    EXPECT_EQ(contents.out.find("/tmp/"), std::string::npos) << "a build path in the package";

    ProgramResult fields = RunLumo("dpkg-deb -f", deb + " Package Version Maintainer Depends");
    ASSERT_EQ(fields.status, 0) << fields.err;
    EXPECT_NE(fields.out.find("Package: lumo\n"), std::string::npos) << fields.out;
    EXPECT_NE(fields.out.find(std::string("Version: ") + LUMO_VERSION + "\n"), std::string::npos);
    EXPECT_NE(fields.out.find("Maintainer: "), std::string::npos);
    // Found by dpkg-shlibdeps from the programs' libraries.
    for (const char* library : {"libqt6widgets6", "libfreetype6", "libpng16-16", "libc6",
                                "fonts-liberation2"})
        EXPECT_NE(fields.out.find(library), std::string::npos) << library << "\n" << fields.out;
    const std::string entry = SlurpFile(Root("share/applications/lumo.desktop"));
    EXPECT_NE(entry.find("Exec=\"/usr/bin/lumo\" %f\n"), std::string::npos) << entry;

    // The unpacked program runs from its folder, finding its data there.
    TempDir home;
    const std::string lumo = "HOME=" + home.Path() + " " + Root("bin/lumo");
    ProgramResult version = RunLumo(lumo, "--version");
    ASSERT_EQ(version.status, 0) << version.err;
    EXPECT_EQ(version.out, std::string("lumo ") + LUMO_VERSION + "\n");
    ProgramResult render = RunLumo(lumo, "render --time 2026-12-06T22:00:00 --lat 40 --lon -3 "
                                         "--size 160x120 --out " + home.File("sky.png"));
    ASSERT_EQ(render.status, 0) << render.err;
    EXPECT_EQ(render.err, "");  // the installed catalogue and models were found
    EXPECT_EQ(SlurpFile(home.File("sky.png")).substr(1, 3), "PNG");

    // Its AppStream metadata is valid, with this release.
    ProgramResult r = RunLumo("appstreamcli validate --no-net", Root("share/metainfo/lumo.metainfo.xml"));
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    const std::string xml = SlurpFile(Root("share/metainfo/lumo.metainfo.xml"));
    EXPECT_NE(xml.find(std::string("<release version=\"") + LUMO_VERSION + "\""), std::string::npos);
    EXPECT_NE(xml.find("<caption>"), std::string::npos);
}

}  // namespace
