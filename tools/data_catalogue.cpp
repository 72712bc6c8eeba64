#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <vector>

#include "astro/angles.h"
#include "catalogue/doc_summary.h"
#include "catalogue/lumo_doc.h"
#include "catalogue/store_file.h"
#include "framework/file.h"
#include "framework/format.h"
#include "tools/data_commands.h"

int RunCatalogueCommand(int argc, char** argv) {
    const char* path = nullptr;
    long count = 10;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--stars") == 0 && i + 1 < argc) {
            char* end;
            count = std::strtol(argv[++i], &end, 10);
            if (*end || count < 0) {
                std::fprintf(stderr, "lumo-data: --stars takes a whole number\n");
                return 2;
            }
        } else if (!path) {
            path = argv[i];
        } else {
            std::fprintf(stderr, "usage: lumo-data catalogue FILE [--stars N]\n");
            return 2;
        }
    }
    if (!path) {
        std::fprintf(stderr, "usage: lumo-data catalogue FILE [--stars N]\n");
        return 2;
    }
    std::vector<uint8_t> bytes;
    std::string error;
    CLumoDoc doc;
    if (!ReadWholeFile(path, bytes, error) || !doc.LoadFrom(bytes, error)) {
        std::fprintf(stderr, "lumo-data: %s: %s\n", path, error.c_str());
        return 1;
    }
    std::cout << "file\t" << path << "\n";
    PrintCatalogueSummary(doc, std::cout);
    std::cout << "\nname\tmagnitude\ttype\tra_deg\tdec_deg\n";
    for (size_t i = 0; i < doc.m_stars.size() && i < static_cast<size_t>(count); ++i) {
        const CStar& s = *doc.m_stars[i];
        std::cout << Format("%s\t%.2f\t%c\t%.4f\t%.4f\n", s.m_strName.c_str(), s.m_fMagnitude,
                            s.m_cType ? s.m_cType : ' ', s.m_pos.a * kRadToDeg,
                            s.m_pos.b * kRadToDeg);
    }
    return 0;
}

int RunStoreCommand(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: lumo-data store FILE\n");
        return 2;
    }
    CStoreFile store;
    std::string error;
    if (!store.OpenStore(argv[1], &error)) {
        std::fprintf(stderr, "lumo-data: %s\n", error.c_str());
        return 1;
    }
    int64_t size = store.DirectoryOffset();
    const auto& dir = store.Directory();
    std::cout << "file\t" << argv[1] << "\nmembers\t" << dir.size() << "\n\nname\toffset\tbytes\n";
    for (size_t i = 0; i < dir.size(); ++i) {
        // A member runs to the next member's offset, or to the directory.
        int64_t end = size;
        for (const StoreEntry& other : dir)
            if (other.offset > dir[i].offset && other.offset < end) end = other.offset;
        std::cout << dir[i].name << "\t" << dir[i].offset << "\t" << (end - dir[i].offset) << "\n";
    }
    return 0;
}
