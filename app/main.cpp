// Lumo: the star map. Without arguments it opens the map's window (where no
// display exists it tells what the catalogue holds instead);
// `lumo ephemeris ...` prints where the bodies of the solar system stand;
// `lumo render ...` saves a picture of the sky; `lumo summary` describes the
// catalogue; `lumo telescope ...` drives a mount.

#include <cstdlib>
#include <iostream>
#include <string>

#include "app/cli/ephemeris.h"
#include "app/cli/render.h"
#include "app/cli/summary.h"
#include "app/cli/telescope.h"
#include "app/qt/run_window.h"

namespace {
bool HaveDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* v = std::getenv(name);
        if (v && *v) return true;
    }
    return false;
}
}  // namespace

int main(int argc, char** argv) {
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "ephemeris") return RunEphemeris(argc - 2, argv + 2, std::cout, std::cerr);
    if (command == "render") return RunRender(argc - 2, argv + 2, std::cout, std::cerr);
    if (command == "telescope") return RunTelescope(argc - 2, argv + 2, std::cout, std::cerr);
    if (command == "summary") return RunSummary(std::cout, std::cerr);
    if (command.empty() && !HaveDisplay()) {
        std::cerr << "lumo: no display; `lumo render --out sky.png` draws the sky into a picture\n";
        return RunSummary(std::cout, std::cerr);
    }
    return RunWindow(argc, argv);
}
