// lumo-data deepsky: the contents of a deepsky.dat.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "astro/angles.h"
#include "catalogue/deep_sky.h"
#include "framework/format.h"
#include "tools/data_commands.h"

int RunDeepSkyCommand(int argc, char** argv) {
    const char* usage = "usage: lumo-data deepsky FILE [--objects N]\n";
    const char* path = nullptr;
    long count = 10;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--objects") == 0 && i + 1 < argc) {
            char* end;
            count = std::strtol(argv[++i], &end, 10);
            if (*end || count < 0) {
                std::fprintf(stderr, "lumo-data: --objects takes a whole number\n");
                return 2;
            }
        } else if (!path) {
            path = argv[i];
        } else {
            std::fputs(usage, stderr);
            return 2;
        }
    }
    if (!path) {
        std::fputs(usage, stderr);
        return 2;
    }
    CDeepSky sky;
    std::string error;
    if (!sky.LoadFile(path, error)) {
        std::fprintf(stderr, "lumo-data: %s; the map shows no deep sky and no Milky Way\n",
                     error.c_str());
        return 1;
    }
    size_t noMagnitude = 0, points = 0;
    size_t perLevel[kMilkyWayLevels + 1] = {};
    for (const auto& o : sky.objects) noMagnitude += o.HasMagnitude() ? 0 : 1;
    for (const auto& r : sky.rings) {
        points += r.points.size();
        ++perLevel[r.level];
    }
    std::cout << "file\t" << path << "\n"
              << "objects\t" << sky.objects.size() << "\n"
              << "without magnitude\t" << noMagnitude << "\n"
              << "Milky Way rings\t" << sky.rings.size() << "\n"
              << "Milky Way points\t" << points << "\n";
    for (int level = 1; level <= kMilkyWayLevels; ++level)
        std::cout << "rings of level " << level << "\t" << perLevel[level] << "\n";
    std::cout << "\ndesignation\tother\tname\ttype\tmagnitude\tsize_arcmin\tra_deg\tdec_deg\n";
    for (size_t i = 0; i < sky.objects.size() && i < static_cast<size_t>(count); ++i) {
        const DeepSkyObject& o = sky.objects[i];
        std::cout << Format("%s\t%s\t%s\t%s\t", o.designation.c_str(), o.other.c_str(),
                            o.name.c_str(), KindInWords(o.kind))
                  << (o.HasMagnitude() ? Format("%.2f", o.magnitude) : std::string())
                  << Format("\t%.1fx%.1f\t%.4f\t%.4f\n", o.majorArcmin, o.minorArcmin,
                            o.pos.a * kRadToDeg, o.pos.b * kRadToDeg);
    }
    return 0;
}
