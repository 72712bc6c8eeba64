// The command lines of lumo and lumo-data as a user without a display types
// them: help and version on standard output with status 0, touching no
// file; every wrong word or value answered on standard error with status 2
// (and the usage where the word is wrong); `lumo FILE` opening the document.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "catalogue/lumo_doc.h"
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
    for (const char* line : {"\n       lumo render --out FILE.png", "\n       lumo ephemeris",
                             "\n       lumo summary", "\n    --mag-limit M\n", "\n    --version\n"})
        EXPECT_NE(help.out.find(line), std::string::npos) << line;
    // Each command's own help is its part of the whole.
    for (const char* command : {"render", "ephemeris", "summary"}) {
        ProgramResult own = Run("lumo", std::string(command) + " --help");
        ASSERT_EQ(own.status, 0) << command << own.err;
        const std::string section = own.out.substr(own.out.find("\n\n") + 2);
        EXPECT_NE(help.out.find(section), std::string::npos) << command;
    }
    for (const char* args : {"--version", "-h"}) EXPECT_EQ(Run("lumo-data", args).status, 0);
    EXPECT_EQ(Run("lumo", "--version").out, std::string("lumo ") + LUMO_VERSION + "\n");
    EXPECT_EQ(Run("lumo-data", "--version").out, std::string("lumo-data ") + LUMO_VERSION + "\n");
    ProgramResult dataHelp = Run("lumo-data", "model --help");
    EXPECT_EQ(dataHelp.status, 0);
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
        {"lumo", "render --bogus 1", "unexpected '--bogus'", true},
        {"lumo", "render", "--out FILE.png is needed", true},
        {"lumo", "render --out OUT --zoom 63", "bad zoom '63'", true},
        {"lumo", "render --out OUT --zoom 2049", "bad zoom", true},
        {"lumo", "render --out OUT --view sideways", "lumo render:", true},
        {"lumo", "render --out OUT --size 0x10", "lumo render:", true},
        {"lumo", "render --out OUT --size 640", "lumo render:", true},
        {"lumo", "render --out OUT --size 16383x10", "lumo render:", true},
        {"lumo", "render --out OUT --layers grid,stars", "lumo render:", true},
        {"lumo", "render --out OUT --lat 40", "lumo render:", true},
        {"lumo", "render --out OUT --mag-limit bright", "lumo render:", true},
        {"lumo", "render --out OUT --az 1.5", "lumo render:", true},
        {"lumo", "render --out OUT --el", "lumo render:", true},
        {"lumo", "render --out OUT --time 2026-13-01T00:00:00", "lumo render:", true},
        {"lumo", "render --out OUT --scale 0.4", "lumo render:", true},
        {"lumo", "render --out OUT --scale 9", "lumo render:", true},
        {"lumo", "render --out OUT --scale two", "lumo render:", true},
        {"lumo", "render --out OUT --size 9000x10 --scale 2", "is too large", false},
        {"lumo", "render --out OUT --vr Vulcan", "no body 'Vulcan' (Sun, Mercury", false},
        {"lumo", "ephemeris --bogus", "unexpected '--bogus'", true},
        {"lumo", "ephemeris --lat 40", "go together", true},
        {"lumo", "ephemeris --lat 91 --lon 0", "bad latitude '91'", true},
        {"lumo", "ephemeris --lon x --lat 0", "lumo ephemeris:", true},
        {"lumo", "ephemeris --time 2000-13-01T00:00:00", "lumo ephemeris:", true},
        {"lumo", "ephemeris --time 2000-01-01", "lumo ephemeris:", true},
        {"lumo", "ephemeris --time", "lumo ephemeris:", true},
        {"lumo", "ephemeris --time 0099-12-31T00:00:00", "lumo ephemeris:", true},
        {"lumo", "ephemeris --time 2026-12-06T21:00:00 --stars Nosuchstar", "no star named", false},
        {"lumo", "ephemeris --time 2026-12-06T21:00:00 --stars", "--stars needs NAME", true},
        {"lumo", "ephemeris --time 2026-12-06T21:00:00 --stars Vega,,Deneb", "--stars needs NAME", true},
        {"lumo", "ephemeris --time 2026-12-06T21:00:00 --stars ,", "--stars needs NAME", true},
        {"lumo", "summary --bogus", "unexpected '--bogus'", true},
        {"lumo", "telescope --port 0 where", "bad port '0'", true},
        {"lumo", "telescope", "no command", true},
        {"lumo-data", "", "usage: lumo-data", true},
        {"lumo-data", "bogus", "unknown command 'bogus'", true},
        {"lumo-data", "--version extra", "usage: lumo-data", true},
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

TEST_F(CommandLine, AFileOnTheCommandLineIsOpenedInPlaceOfTheCatalogue) {
    // The catalogue beside the program, and a saved document of other settings.
    fs::copy_file(JoinPath(LUMO_BIN_DIR, "stars.db"), dir.File("stars.db"));
    CLumoDoc doc;
    std::vector<uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(ReadWholeFile(dir.File("stars.db"), bytes, error)) << error;
    ASSERT_TRUE(doc.LoadFrom(bytes, error)) << error;
    doc.m_nZoom = 777;
    ASSERT_TRUE(WriteFileAtomic(dir.File("saved.db"), doc.StoreToBytes(), error)) << error;
    TempDir user;
    ASSERT_EQ(RunWindowUntilAskedToEnd(dir.File("lumo"), {dir.File("saved.db")}, user,
                                       user.File("log")),
              0)
        << SlurpFile(user.File("log"));
    // The opened document is the one the program worked on, so it is the
    // one saved as the catalogue at the end.
    CLumoDoc saved;
    ASSERT_TRUE(ReadWholeFile(dir.File("stars.db"), bytes, error)) << error;
    ASSERT_TRUE(saved.LoadFrom(bytes, error)) << error;
    EXPECT_EQ(saved.m_nZoom, 777);
}

TEST_F(CommandLine, ManualPagesListEveryOptionOfTheHelp) {
    for (const char* program : {"lumo", "lumo-data"}) {
        const std::string page = SlurpFile(JoinPath(LUMO_BUILD_DIR, "man/") + program + ".1");
        ASSERT_NE(page.find(".SH OPTIONS"), std::string::npos) << program;
        std::istringstream help(Run(program, "--help").out);
        int options = 0;
        for (std::string line; std::getline(help, line);) {
            if (line.rfind("    -", 0) != 0) continue;
            std::string roff;  // as the page writes it
            for (char c : line.substr(4)) roff += c == '-' ? std::string("\\-") : std::string(1, c);
            EXPECT_NE(page.find("\n.B " + roff + "\n"), std::string::npos) << program << ": " << line;
            ++options;
        }
        EXPECT_GT(options, 3) << program;
    }
}

}  // namespace
