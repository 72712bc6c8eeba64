// lumo-mkmodels OUT_DIR: makes the program's model files (the trackball's
// pointer esfptr.ob3) beside the program.

#include <cstdio>
#include <string>
#include <vector>

#include "framework/file.h"
#include "tools/model_builder.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: lumo-mkmodels OUT_DIR\n");
        return 2;
    }
    std::vector<uint8_t> pointer;
    std::string error;
    if (!MakePointerModel(pointer, error) ||
        !WriteFileAtomic(JoinPath(argv[1], "esfptr.ob3"), pointer, error)) {
        std::fprintf(stderr, "lumo-mkmodels: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s: %zu bytes\n", JoinPath(argv[1], "esfptr.ob3").c_str(), pointer.size());
    return 0;
}
