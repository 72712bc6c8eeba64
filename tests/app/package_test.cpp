// The Debian package as `make package` makes it: built with cpack into a
// scratch folder, unpacked with dpkg-deb, and the unpacked program run from
// there as a user with folders of their own: it reads the installed data,
// keeps its document in the user's data folder and saves it when the
// session asks it to end. Its AppStream metadata validated.

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/app/program_run.h"

namespace fs = std::filesystem;

namespace {

// One test: making the package takes a while.
TEST(Package, HoldsTheInstalledFilesAndRunsWhereItIsUnpackedKeepingTheUsersDocument) {
    TempDir scratch;
    const std::string cmd = std::string(LUMO_CPACK) + " -G DEB --config " + LUMO_BUILD_DIR +
                            "/CPackConfig.cmake -B " + scratch.Path() + " >" +
                            scratch.File("cpack.log") + " 2>&1";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << SlurpFile(scratch.File("cpack.log"));
    std::string deb;
    for (const auto& e : fs::directory_iterator(scratch.Path()))
        if (e.path().extension() == ".deb") deb = e.path().string();
    ASSERT_FALSE(deb.empty()) << SlurpFile(scratch.File("cpack.log"));
    ASSERT_EQ(std::system(("dpkg-deb -x " + deb + " " + scratch.File("root")).c_str()), 0);
    const auto Root = [&](const std::string& path) { return scratch.File("root/usr/" + path); };

    ProgramResult contents = RunLumo("dpkg-deb -c", deb);
    ASSERT_EQ(contents.status, 0) << contents.err;
    for (const char* path :
         {"./usr/bin/lumo", "./usr/bin/lumo-data", "./usr/share/lumo/stars.db",
          "./usr/share/lumo/planets.sto", "./usr/share/lumo/esfptr.ob3", "./usr/share/lumo/lumo.htm",
          "./usr/share/applications/lumo.desktop", "./usr/share/metainfo/lumo.metainfo.xml",
          "./usr/share/icons/hicolor/16x16/apps/lumo.png",
          "./usr/share/icons/hicolor/48x48/apps/lumo.png",
          "./usr/share/icons/hicolor/256x256/apps/lumo.png", "./usr/share/man/man1/lumo.1.gz",
          "./usr/share/man/man1/lumo-data.1.gz", "./usr/share/doc/lumo/copyright"})
        EXPECT_NE(contents.out.find(std::string(path) + "\n"), std::string::npos) << path;
    EXPECT_EQ(contents.out.find("/tmp/"), std::string::npos) << "a build path in the package";
    EXPECT_EQ(SlurpFile(Root("share/icons/hicolor/48x48/apps/lumo.png")).substr(1, 3), "PNG");

    ProgramResult fields = RunLumo("dpkg-deb -f", deb + " Package Version Depends");
    ASSERT_EQ(fields.status, 0) << fields.err;
    EXPECT_NE(fields.out.find(std::string("Version: ") + LUMO_VERSION + "\n"), std::string::npos);
    // Found by dpkg-shlibdeps from the programs' libraries.
    for (const char* library : {"libqt6widgets6", "libfreetype6", "libpng16-16", "libc6",
                                "fonts-liberation2"})
        EXPECT_NE(fields.out.find(library), std::string::npos) << library << "\n" << fields.out;
    const std::string entry = SlurpFile(Root("share/applications/lumo.desktop"));
    EXPECT_NE(entry.find("Exec=\"/usr/bin/lumo\" %f\n"), std::string::npos) << entry;

    // Its AppStream metadata is valid.
    ProgramResult r = RunLumo("appstreamcli validate --no-net", Root("share/metainfo/lumo.metainfo.xml"));
    EXPECT_EQ(r.status, 0) << r.out << r.err;

    // The unpacked program runs from its folder, finding its data there.
    TempDir user;
    const std::string lumo = "HOME=" + user.Path() + " " + Root("bin/lumo");
    ProgramResult render = RunLumo(lumo, "render --time 2026-12-06T22:00:00 --lat 40 --lon -3 "
                                         "--size 160x120 --out " + user.File("sky.png"));
    ASSERT_EQ(render.status, 0) << render.err;
    EXPECT_EQ(render.err, "");  // the installed catalogue and models were found

    // The shipped catalogue is made afresh, not the build folder's copy with its settings.
    const std::string shipped = SlurpFile(Root("share/lumo/stars.db"));
    EXPECT_EQ(LoadDocument(Root("share/lumo/stars.db"))->m_nZoom, 256);
    // The first run copies the catalogue, reads the copy and saves it at the end.
    const std::string mine = user.File("data/lumo/stars.db");
    ASSERT_EQ(RunWindowUntilAskedToEnd(Root("bin/lumo"), {}, user, user.File("lumo.log")), 0)
        << SlurpFile(user.File("lumo.log"));
    EXPECT_EQ(SlurpFile(mine), shipped);  // painting leaves the document as it was
    EXPECT_TRUE(FileExists(user.File("config/Tarvel Software/Tarvel Lumo.conf")));
    // Later runs read the user's copy: its settings come back saved.
    auto doc = LoadDocument(mine);
    doc->m_nZoom = 300;
    doc->m_nViewAzimuth = 777;
    SaveDocument(*doc, mine);
    ASSERT_EQ(RunWindowUntilAskedToEnd(Root("bin/lumo"), {}, user, user.File("lumo.log")), 0)
        << SlurpFile(user.File("lumo.log"));
    EXPECT_EQ(LoadDocument(mine)->m_nZoom, 300);
    EXPECT_EQ(LoadDocument(mine)->m_nViewAzimuth, 777);
    EXPECT_EQ(SlurpFile(Root("share/lumo/stars.db")), shipped);
}

}  // namespace
