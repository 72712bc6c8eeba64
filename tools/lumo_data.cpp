// lumo-data: inspects the program's data files from the command line.

#include <cstdio>
#include <cstring>
#include <iostream>

#include "framework/command_help.h"
#include "tools/data_commands.h"

namespace {
struct Command {
    const char* name;
    int (*run)(int argc, char** argv);  // argv[0] is the command name
    CommandHelp help;
};

const OptionHelp kHelpOption = {"--help", "Prints this text and exits."};

const Command kCommands[] = {
    {"catalogue", RunCatalogueCommand,
     {"catalogue FILE [--stars N]",
      "Prints what a stars.db holds: the counts of its records, its settings, and its first "
      "stars.",
      {{"--stars N", "How many stars to list (default 10)."}, kHelpOption}}},
    {"deepsky", RunDeepSkyCommand,
     {"deepsky FILE [--objects N]",
      "Prints what a deepsky.dat holds: the counts of its deep-sky objects and Milky Way "
      "rings, and its first objects; a missing or damaged file is said so (the map then shows "
      "neither).",
      {{"--objects N", "How many objects to list (default 10)."}, kHelpOption}}},
    {"store", RunStoreCommand,
     {"store FILE", "Prints the directory of a planet store.",
      {kHelpOption}}},
    {"pack", RunPackCommand,
     {"pack IN OUT", "Packs the file IN into OUT in the packed (.cmp) form.", {kHelpOption}}},
    {"unpack", RunUnpackCommand,
     {"unpack IN OUT", "Unpacks the packed file IN into OUT.", {kHelpOption}}},
    {"store-pack", RunStorePackCommand,
     {"store-pack OUT NAME=FILE...",
      "Writes a planet store OUT holding each FILE, packed, under its NAME.", {kHelpOption}}},
    {"store-extract", RunStoreExtractCommand,
     {"store-extract STORE NAME OUT", "Unpacks the member NAME of a planet store into OUT.",
      {kHelpOption}}},
    {"model", RunModelCommand,
     {"model FILE [--render OUT.png [OPTION]...]",
      "Prints the faces, slots, parts and extent of an .ob3 model; with --render also draws it "
      "into a PNG picture.",
      {{"--render OUT.png", "Draws the model into the picture OUT.png."},
       {"--angle A,B,C", "The model's turn about its three axes, in degrees."},
       {"--distance Z",
        "The model's distance from the eye, in model units; by default the model is fitted to "
        "the picture."},
       {"--size WxH", "The picture's size in pixels (default 320x240)."},
       kHelpOption}}},
};

const CommandHelp kVersionHelp = {
    "--help | --version", "Prints this text, or the program's version, and exits.", {}};

void WriteAllUsage(std::ostream& out) {
    std::vector<CommandHelp> all;
    for (const Command& c : kCommands) all.push_back(c.help);
    all.push_back(kVersionHelp);
    WriteUsage(out, "lumo-data", all);
}

int Usage() {
    WriteAllUsage(std::cerr);
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    if (IsHelpOption(argv[1]) || std::strcmp(argv[1], "--version") == 0) {
        if (argc > 2) return Usage();
        if (IsHelpOption(argv[1])) WriteAllUsage(std::cout);
        else std::cout << "lumo-data " << LUMO_VERSION << "\n";
        return 0;
    }
    for (const Command& c : kCommands) {
        if (std::strcmp(argv[1], c.name) != 0) continue;
        for (int i = 2; i < argc; ++i) {
            if (IsHelpOption(argv[i])) {
                WriteUsage(std::cout, "lumo-data", {c.help});
                return 0;
            }
        }
        return c.run(argc - 1, argv + 1);
    }
    std::fprintf(stderr, "lumo-data: unknown command '%s'\n", argv[1]);
    return Usage();
}
