// lumo-mkdeepsky DATA_DIR OUT: makes deepsky.dat from data/deepsky.tsv and
// data/milkyway.tsv.

#include <cstdio>

#include "catalogue/deep_sky.h"
#include "framework/file.h"
#include "tools/deepsky_builder.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: lumo-mkdeepsky DATA_DIR OUT\n");
        return 2;
    }
    CDeepSky sky;
    std::string error;
    if (!BuildDeepSky(argv[1], sky, error)) {
        std::fprintf(stderr, "lumo-mkdeepsky: %s\n", error.c_str());
        return 1;
    }
    const std::vector<uint8_t> bytes = sky.StoreToBytes();
    if (!WriteFileAtomic(argv[2], bytes, error)) {
        std::fprintf(stderr, "lumo-mkdeepsky: %s\n", error.c_str());
        return 1;
    }
    size_t points = 0;
    for (const auto& r : sky.rings) points += r.points.size();
    std::printf("%s: %zu deep-sky objects, %zu Milky Way rings (%zu points)\n", argv[2],
                sky.objects.size(), sky.rings.size(), points);
    return 0;
}
