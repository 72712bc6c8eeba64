// The lumo program as a user runs it: a copy in a folder of its own, with
// whatever stars.db lies beside it.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "framework/file.h"
#include "tests/temp_dir.h"

namespace fs = std::filesystem;

namespace {

class ProgramFolder : public ::testing::Test {
protected:
    void SetUp() override { fs::copy_file(JoinPath(LUMO_BIN_DIR, "lumo"), JoinPath(dir, "lumo")); }

    // Runs the copy with arguments; returns its exit status, output in out/err.
    int Run(const std::string& args = "") {
        std::string cmd = "cd / && " + JoinPath(dir, "lumo") + " " + args + " >" +
                          JoinPath(dir, "out.txt") + " 2>" + JoinPath(dir, "err.txt");
        int status = std::system(cmd.c_str());
        out = Slurp("out.txt");
        err = Slurp("err.txt");
        return WEXITSTATUS(status);
    }
    std::string Slurp(const std::string& name) {
        std::ifstream in(JoinPath(dir, name), std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    TempDir temp;
    const std::string& dir = temp.Path();
    std::string out, err;
};

TEST_F(ProgramFolder, PrintsWhatTheRealCatalogueHolds) {
    fs::copy_file(JoinPath(LUMO_BIN_DIR, "stars.db"), JoinPath(dir, "stars.db"));
    std::string before = Slurp("stars.db");
    ASSERT_EQ(Run(), 0) << err;
    EXPECT_NE(out.find("stars\t8874"), std::string::npos) << out;
    EXPECT_NE(out.find("cities\t"), std::string::npos);
    EXPECT_NE(out.find("zoom 256"), std::string::npos);
    EXPECT_EQ(Slurp("stars.db"), before);  // saved back unchanged
}

TEST_F(ProgramFolder, WithoutCatalogueItStartsEmptyAndCreatesOne) {
    ASSERT_EQ(Run(), 0);
    EXPECT_NE(out.find("stars\t0"), std::string::npos) << out;
    EXPECT_NE(err.find("no such file"), std::string::npos) << err;
    EXPECT_EQ(fs::file_size(JoinPath(dir, "stars.db")), 92u);
}

TEST_F(ProgramFolder, CorruptCatalogueIsReportedAndLeftUntouched) {
    std::string corrupt = Slurp("lumo").substr(0, 5000);  // not a catalogue at all
    std::ofstream(JoinPath(dir, "stars.db"), std::ios::binary) << corrupt;
    ASSERT_EQ(Run(), 0);
    EXPECT_NE(out.find("stars\t0"), std::string::npos) << out;
    EXPECT_NE(err.find("cannot read"), std::string::npos) << err;
    EXPECT_NE(err.find("left as it is"), std::string::npos) << err;
    EXPECT_EQ(Slurp("stars.db"), corrupt);
}

}  // namespace
