// lumo-mkmodels OUT_DIR DATA_DIR: makes the program's model files beside the
// program: the trackball's pointer esfptr.ob3, and planets.sto, the planet
// store holding one model per body (the body's name + ".ob3") and the
// pointer model.

#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/store_writer.h"
#include "framework/file.h"
#include "tools/body_models.h"
#include "tools/model_builder.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: lumo-mkmodels OUT_DIR DATA_DIR\n");
        return 2;
    }
    const std::string outDir = argv[1], dataDir = argv[2];
    std::vector<uint8_t> pointer, store;
    std::vector<BodyModel> bodies;
    std::vector<StoreMember> members;
    std::string error;
    bool ok = MakePointerModel(pointer, error) && MakeBodyModels(dataDir, bodies, error);
    if (ok) {
        for (BodyModel& body : bodies)
            members.push_back({body.name + ".ob3", std::move(body.bytes)});
        members.push_back({"esfptr.ob3", pointer});
        ok = BuildStore(members, store, error) &&
             WriteFileAtomic(JoinPath(outDir, "esfptr.ob3"), pointer, error) &&
             WriteFileAtomic(JoinPath(outDir, "planets.sto"), store, error);
    }
    if (!ok) {
        std::fprintf(stderr, "lumo-mkmodels: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s: %zu bytes\n", JoinPath(outDir, "esfptr.ob3").c_str(), pointer.size());
    std::printf("%s: %zu models, %zu bytes\n", JoinPath(outDir, "planets.sto").c_str(),
                members.size(), store.size());
    return 0;
}
