// Lumo: the star map. Without arguments it loads stars.db from the program
// folder and tells what it holds; `lumo ephemeris ...` prints where the
// bodies of the solar system stand.

#include <cstdio>
#include <iostream>
#include <string>

#include "app/cli/ephemeris.h"
#include "catalogue/doc_summary.h"
#include "catalogue/doc_file.h"
#include "catalogue/lumo_doc.h"
#include "framework/file.h"

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "ephemeris")
        return RunEphemeris(argc - 2, argv + 2, std::cout, std::cerr);
    std::string path = JoinPath(ExecutableFolder(), "stars.db");
    CLumoDoc doc;
    CDocFile file;
    if (file.Open(doc, path) != CDocFile::OpenResult::Loaded)
        std::fprintf(stderr, "lumo: %s; starting with an empty catalogue\n", file.Error().c_str());
    std::cout << "catalogue\t" << path << "\n";
    PrintCatalogueSummary(doc, std::cout);
    if (!file.SaveAtExit(doc)) std::fprintf(stderr, "lumo: %s\n", file.Error().c_str());
    return 0;
}
