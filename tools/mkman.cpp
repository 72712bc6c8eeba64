// lumo-mkman TEMPLATE USAGE OUT: writes the manual page OUT from its
// template and the program's --help text (saved in the file USAGE), so that
// the page lists exactly the commands and options the program takes.

#include <cstdio>
#include <string>
#include <vector>

#include "framework/command_help.h"
#include "framework/file.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: lumo-mkman TEMPLATE USAGE OUT\n");
        return 2;
    }
    std::vector<uint8_t> manTemplate, usage;
    std::string error, page;
    if (!ReadWholeFile(argv[1], manTemplate, error) || !ReadWholeFile(argv[2], usage, error) ||
        !UsageToManPage(std::string(usage.begin(), usage.end()),
                        std::string(manTemplate.begin(), manTemplate.end()), page, error) ||
        !WriteFileAtomic(argv[3], std::vector<uint8_t>(page.begin(), page.end()), error)) {
        std::fprintf(stderr, "lumo-mkman: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
