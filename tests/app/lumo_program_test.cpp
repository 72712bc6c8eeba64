// The lumo program as a user runs it: a copy in a folder of its own, with
// whatever stars.db lies beside it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/app/program_run.h"

namespace fs = std::filesystem;

namespace {

class ProgramFolder : public ::testing::Test {
protected:
    void SetUp() override { fs::copy_file(kLumo, program); }
    std::string Slurp(const std::string& name) { return SlurpFile(dir.File(name)); }
    TempDir dir;
    std::string program = dir.File("lumo");
};

TEST_F(ProgramFolder, PrintsWhatTheRealCatalogueHolds) {
    fs::copy_file(JoinPath(LUMO_BIN_DIR, "stars.db"), dir.File("stars.db"));
    std::string before = Slurp("stars.db");
    ProgramResult r = RunLumo(program, "summary");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("stars\t41411"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("bodies\t23"), std::string::npos);
    EXPECT_NE(r.out.find("zoom 256"), std::string::npos);
    EXPECT_NE(r.out.find("view mode\thorizon"), std::string::npos);
    EXPECT_EQ(Slurp("stars.db"), before);  // saved back unchanged
}

TEST_F(ProgramFolder, WithoutDisplayPlainLumoDescribesTheCatalogue) {
    ProgramResult r = RunLumo("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + program, "",
                              "2026-12-07 00:30:00");
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("stars\t0"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("no such file"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("lumo render"), std::string::npos) << r.err;
    EXPECT_EQ(fs::file_size(dir.File("stars.db")), 92u);  // an empty catalogue made at exit
}

TEST_F(ProgramFolder, CorruptCatalogueIsReportedAndLeftUntouched) {
    std::string corrupt = Slurp("lumo").substr(0, 5000);  // not a catalogue at all
    std::ofstream(dir.File("stars.db"), std::ios::binary) << corrupt;
    ProgramResult r = RunLumo(program, "summary");
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("stars\t0"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("cannot read"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("left as it is"), std::string::npos) << r.err;
    EXPECT_EQ(Slurp("stars.db"), corrupt);
}

}  // namespace
