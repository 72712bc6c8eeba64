// lumo-data: inspects the program's data files from the command line.

#include <cstdio>
#include <cstring>

#include "tools/data_commands.h"

namespace {
struct Command {
    const char* name;
    const char* usage;
    int (*run)(int argc, char** argv);  // argv[0] is the command name
};

const Command kCommands[] = {
    {"catalogue", "catalogue FILE [--stars N]   counts, settings and the first stars of a stars.db",
     RunCatalogueCommand},
    {"deepsky", "deepsky FILE [--objects N] counts and the first objects of a deepsky.dat",
     RunDeepSkyCommand},
    {"store", "store FILE                   the directory of a planet store", RunStoreCommand},
    {"pack", "pack IN OUT                   packs a file (the .cmp form)", RunPackCommand},
    {"unpack", "unpack IN OUT                 unpacks a packed file", RunUnpackCommand},
    {"store-pack", "store-pack OUT NAME=FILE...   writes a planet store of the files",
     RunStorePackCommand},
    {"store-extract", "store-extract STORE NAME OUT  unpacks one member of a planet store",
     RunStoreExtractCommand},
    {"model",
     "model FILE [--render OUT.png [--angle A,B,C] [--distance Z] [--size WxH]]\n"
     "                                faces, slots, parts and extent of an .ob3 model; --render\n"
     "                                also draws it (angles in degrees; distance in model units,\n"
     "                                fitted to the picture when not given; size 320x240)",
     RunModelCommand},
};

int Usage() {
    std::fprintf(stderr, "usage: lumo-data COMMAND ...\n");
    for (const Command& c : kCommands) std::fprintf(stderr, "  lumo-data %s\n", c.usage);
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    for (const Command& c : kCommands)
        if (std::strcmp(argv[1], c.name) == 0) return c.run(argc - 1, argv + 1);
    std::fprintf(stderr, "lumo-data: unknown command '%s'\n", argv[1]);
    return Usage();
}
