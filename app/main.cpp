// Lumo: the star map. Without arguments it opens the map's window (where no
// display exists it tells what the catalogue holds instead); `lumo FILE`
// opens the window on a saved document; `lumo ephemeris ...` prints where
// the bodies of the solar system stand; `lumo render ...` saves a picture of
// the sky; `lumo summary` describes the catalogue; `lumo telescope ...` drives
// a mount. `--help` and `--version`
// need no display and touch no file.

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/ephemeris.h"
#include "app/cli/render.h"
#include "app/cli/summary.h"
#include "app/cli/telescope.h"
#include "app/qt/run_window.h"
#include "framework/command_help.h"

namespace {
bool HaveDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* v = std::getenv(name);
        if (v && *v) return true;
    }
    return false;
}

CommandHelp WindowHelp() {
    return {"[--help | --version | FILE]",
            "Opens the star map's window on the catalogue stars.db or, given FILE, on that "
            "document (one the program saved; as File > Open does). Without a display (neither "
            "DISPLAY nor WAYLAND_DISPLAY set) and without FILE it describes the catalogue as "
            "lumo summary does.",
            {{"--help", "Prints this text: the usage of every command."},
             {"--version", "Prints the program's name and version."}}};
}

// The usage of every command.
void WriteAllUsage(std::ostream& out) {
    WriteUsage(out, "lumo", {WindowHelp(), RenderHelp(), EphemerisHelp(), SummaryHelp(), TelescopeHelp()});
}

int UsageError(const std::string& reason) {
    std::cerr << "lumo: " << reason << "\n";
    WriteAllUsage(std::cerr);
    return 2;
}

// A word that is no command is taken for a document when it names a file
// or looks like a path; otherwise it is a mistyped command.
bool LooksLikeFile(const std::string& word) {
    std::error_code ec;
    return std::filesystem::exists(word, ec) || word.find('/') != std::string::npos ||
           word.find('.') != std::string::npos;
}
}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "ephemeris") return RunEphemeris(argc - 2, argv + 2, std::cout, std::cerr);
    if (command == "render") return RunRender(argc - 2, argv + 2, std::cout, std::cerr);
    if (command == "telescope") return RunTelescope(argc - 2, argv + 2, std::cout, std::cerr);
    if (command == "summary") {
        if (argc == 3 && IsHelpOption(argv[2])) {
            WriteUsage(std::cout, "lumo", {SummaryHelp()});
            return 0;
        }
        if (argc > 2) {
            std::cerr << "lumo summary: unexpected '" << argv[2] << "'\n";
            WriteUsage(std::cerr, "lumo", {SummaryHelp()});
            return 2;
        }
        return RunSummary(std::cout, std::cerr);
    }
    if (IsHelpOption(command)) {
        if (argc > 2) return UsageError("unexpected '" + std::string(argv[2]) + "'");
        WriteAllUsage(std::cout);
        return 0;
    }
    if (command == "--version") {
        if (argc > 2) return UsageError("unexpected '" + std::string(argv[2]) + "'");
        std::cout << "lumo " << LUMO_VERSION << "\n";
        return 0;
    }
    if (command.empty()) {
        if (HaveDisplay()) return RunWindow(argc, argv);
        std::cerr << "lumo: no display; `lumo render --out sky.png` draws the sky into a picture\n";
        return RunSummary(std::cout, std::cerr);
    }
    if (command[0] == '-') return UsageError("unknown option '" + command + "'");
    if (!LooksLikeFile(command)) return UsageError("unknown command '" + command + "'");
    if (argc > 2) return UsageError("unexpected '" + std::string(argv[2]) + "'");
    if (!HaveDisplay()) {
        std::cerr << "lumo: no display to open " << command << " in\n";
        return 1;
    }
    return RunWindow(argc, argv, command);
}
