// The command lines of lumo and lumo-data as a user without a display types
// them: help and version on standard output with status 0, touching no
// file; every wrong word or value answered on standard error with status 2
// (and the usage where the word is wrong); the catalogue described; `lumo
// FILE` opening the document.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/app/program_run.h"

namespace fs = std::filesystem;

namespace {

const std::string kNoDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ";

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy_file(kLumo, dir.File("lumo"));
        fs::copy_file(kLumoData, dir.File("lumo-data"));
        fs::create_directory(dir.File("home"));
    }
    // Runs one of the copies without a display, as a user whose home is empty.
    ProgramResult Run(const std::string& program, const std::string& args) {
        return RunLumo(kNoDisplay + "HOME=" + dir.File("home") + " XDG_DATA_HOME= " +
                           dir.File(program),
                       args);
    }
    // The names of the files in the folder and in the home folder.
    std::vector<std::string> Files() {
        std::vector<std::string> names;
        for (const auto& e : fs::recursive_directory_iterator(dir.Path()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    TempDir dir;
};

TEST_F(CommandLine, HelpAndVersionNeedNoDisplayAndTouchNoFile) {
    const auto before = Files();
    ProgramResult help = Run("lumo", "--help");
    ASSERT_EQ(help.status, 0) << help.err;
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out.rfind("usage: lumo ", 0), 0u) << help.out;
    // A command's own help is its part of the whole (the layout is the framework's).
    ProgramResult own = Run("lumo", "render --help");
    ASSERT_EQ(own.status, 0) << own.err;
    EXPECT_NE(help.out.find(own.out.substr(own.out.find("\n\n") + 2)), std::string::npos);
    for (const char* program : {"lumo", "lumo-data"})
        EXPECT_EQ(Run(program, "--version").out, std::string(program) + " " + LUMO_VERSION + "\n");
    ProgramResult dataHelp = Run("lumo-data", "model --help");
    EXPECT_NE(dataHelp.out.find("usage: lumo-data model FILE"), std::string::npos) << dataHelp.out;
    EXPECT_EQ(Files(), before);
}

TEST_F(CommandLine, WrongWordsAndBadValuesAreRefusedWithStatusTwo) {
    // OUT stands for a picture in the test's folder; usage: the usage follows.
    const struct {
        const char* program;
        const char* args;
        const char* says;
        bool usage;
    } cases[] = {
        {"lumo", "bogus", "unknown command 'bogus'", true},
        {"lumo", "--bogus", "unknown option '--bogus'", true},
        {"lumo", "--help extra", "unexpected 'extra'", true},
        {"lumo", "render --out OUT --el", "unexpected '--el'", true},
        {"lumo", "render", "--out FILE.png is needed", true},
        {"lumo", "render --out OUT --zoom 63", "bad zoom '63'", true},
        {"lumo", "render --out OUT --mag-limit bright", "bad magnitude limit", true},
        {"lumo", "render --out OUT --view sideways", "bad view", true},
        {"lumo", "render --out OUT --size 16383x10", "bad size", true},
        {"lumo", "render --out OUT --scale 0.4", "bad scale", true},
        {"lumo", "render --out OUT --layers grid,stars", "lumo render:", true},
        {"lumo", "render --out OUT --lat 40", "go together", true},
        {"lumo", "render --out OUT --size 9000x10 --scale 2", "is too large", false},
        {"lumo", "render --out OUT --vr Vulcan", "no body 'Vulcan' (Sun, Mercury", false},
        {"lumo", "ephemeris --lat 91 --lon 0", "bad latitude '91'", true},
        {"lumo", "ephemeris --time 2000-01-01", "bad time", true},
        {"lumo", "ephemeris --time 0099-12-31T00:00:00", "bad time", true},
        {"lumo", "ephemeris --time 2026-12-06T21:00:00 --stars Nosuchstar", "no star named", false},
        {"lumo", "ephemeris --time 2026-12-06T21:00:00 --stars Vega,,Deneb", "--stars needs NAME", true},
        {"lumo", "summary --bogus", "unexpected '--bogus'", true},
        {"lumo", "telescope --port 0 where", "bad port '0'", true},
        {"lumo", "telescope", "no command", true},
        {"lumo-data", "", "usage: lumo-data", true},
        {"lumo-data", "bogus", "unknown command 'bogus'", true},
    };
    const auto before = Files();
    for (const auto& c : cases) {
        std::string args = c.args;
        if (size_t at = args.find("OUT"); at != std::string::npos) args.replace(at, 3, dir.File("x.png"));
        ProgramResult r = Run(c.program, args);
        EXPECT_EQ(r.status, 2) << c.program << " " << c.args;
        EXPECT_EQ(r.out, "") << c.args;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << c.args << ": " << r.err;
        const bool usage = r.err.find("usage: " + std::string(c.program)) != std::string::npos;
        EXPECT_EQ(usage, c.usage) << c.args << ": " << r.err;
    }
    EXPECT_EQ(Files(), before);
    // A document without a display: said plainly, no window attempted.
    ProgramResult r = Run("lumo", "saved.db");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("no display"), std::string::npos) << r.err;
    // A picture that cannot be written is a failure, not a refusal.
    r = Run("lumo", "render --out /nonexistent-folder/sky.png --size 8x8");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("lumo render:"), std::string::npos);
}

// Without a display plain lumo describes the catalogue beside it, and makes
// an empty one at exit when there is none; summary describes it too and
// saves it back unchanged.
TEST_F(CommandLine, PlainLumoAndSummaryDescribeTheCatalogue) {
    ProgramResult r = RunLumo(kNoDisplay + dir.File("lumo"), "", "2026-12-07 00:30:00");
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("stars\t0"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("lumo render"), std::string::npos) << r.err;
    EXPECT_EQ(fs::file_size(dir.File("stars.db")), 92u);
    fs::copy_file(JoinPath(LUMO_BIN_DIR, "stars.db"), dir.File("stars.db"),
                  fs::copy_options::overwrite_existing);
    const std::string before = SlurpFile(dir.File("stars.db"));
    r = Run("lumo", "summary");
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* line : {"stars\t41411", "bodies\t23", "zoom 256", "view mode\thorizon"})
        EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
    EXPECT_EQ(SlurpFile(dir.File("stars.db")), before);
}

// The opened document is the one the program works on, so it is the one
// saved as the catalogue beside the program at the end.
TEST_F(CommandLine, AFileOnTheCommandLineIsOpenedInPlaceOfTheCatalogue) {
    fs::copy_file(JoinPath(LUMO_BIN_DIR, "stars.db"), dir.File("stars.db"));
    auto doc = LoadDocument(dir.File("stars.db"));
    doc->m_nZoom = 777;
    SaveDocument(*doc, dir.File("saved.db"));
    TempDir user;
    ASSERT_EQ(RunWindowUntilAskedToEnd(dir.File("lumo"), {dir.File("saved.db")}, user,
                                       user.File("log")),
              0)
        << SlurpFile(user.File("log"));
    EXPECT_EQ(LoadDocument(dir.File("stars.db"))->m_nZoom, 777);
}

}  // namespace
