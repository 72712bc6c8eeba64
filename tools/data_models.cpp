// lumo-data commands for packed files, planet stores and .ob3 models.

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "catalogue/cmp_file.h"
#include "catalogue/huffman_codec.h"
#include "catalogue/store_file.h"
#include "catalogue/store_writer.h"
#include "engine/object.h"
#include "framework/file.h"
#include "framework/format.h"
#include "tools/data_commands.h"
#include "tools/data_model_render.h"

namespace {
int Usage(const char* usage) {
    std::fprintf(stderr, "usage: lumo-data %s\n", usage);
    return 2;
}

int Problem(const std::string& what) {
    std::fprintf(stderr, "lumo-data: %s\n", what.c_str());
    return 1;
}

const char* KindName(int32_t kind) {
    switch (kind) {
        case kFaceFlat:
            return "flat";
        case kFaceSlotTextured:
            return "slot-textured";
        case kFaceSphere:
            return "sphere";
        case kFaceSprite:
            return "sprite";
        case kFaceOutline:
            return "outline";
        case kFaceDot:
            return "dot";
        default:
            return "textured";
    }
}

void PrintSlots(const EngineObject& obj) {
    int used = 0;
    for (const TextureSlot& s : obj.Slots) used += s.Key != 0;
    std::cout << "slots\t" << used << "\n";
    for (int k = 0; k < kSlotCount; ++k) {
        const TextureSlot& s = obj.Slots[k];
        if (s.Key == 0) continue;
        int frames = 0;
        for (const TextureFrame& f : s.Frames) frames += f.Image != nullptr;
        std::cout << Format("  slot %d\tkey %d\t%dx%d\t%s\tframes %d\n", k, s.Key, s.Width,
                            s.Height, s.Image ? "image" : "no image", frames);
    }
}

// Bounding box of the drawn vertices, in file units.
void PrintBoundingBox(const EngineObject& obj) {
    int32_t lo[3] = {INT32_MAX, INT32_MAX, INT32_MAX}, hi[3] = {INT32_MIN, INT32_MIN, INT32_MIN};
    bool any = false;
    for (int i = 0; i < obj.FaceCount; ++i) {
        const Face& f = obj.Faces[i];
        for (int v = 0; v < f.VertexCount; ++v)
            for (int c = 0; c < 3; ++c) {
                int32_t x = f.Vertices[v][c] >> obj.ScaleShift;
                lo[c] = std::min(lo[c], x);
                hi[c] = std::max(hi[c], x);
                any = true;
            }
    }
    if (!any) {
        std::cout << "bounding box\tnone\n";
        return;
    }
    std::cout << Format("bounding box\t(%d, %d, %d) .. (%d, %d, %d)\n", lo[0], lo[1], lo[2], hi[0],
                        hi[1], hi[2]);
}

// Reads IN, converts its bytes, writes OUT whole and says what it did.
int ConvertFile(int argc, char** argv, const char* usage, const char* verb,
                bool (*convert)(const std::vector<uint8_t>& in, std::vector<uint8_t>& out,
                                std::string& error)) {
    if (argc != 3) return Usage(usage);
    std::vector<uint8_t> in, out;
    std::string error;
    if (!ReadWholeFile(argv[1], in, error)) return Problem(error);
    if (!convert(in, out, error)) return Problem(std::string(argv[1]) + ": " + error);
    if (!WriteFileAtomic(argv[2], out, error)) return Problem(error);
    std::cout << Format("%s %s (%zu bytes) into %s (%zu bytes)\n", verb, argv[1], in.size(),
                        argv[2], out.size());
    return 0;
}
}  // namespace

int RunPackCommand(int argc, char** argv) {
    return ConvertFile(argc, argv, "pack IN OUT", "packed",
                       [](const auto& in, auto& out, auto& error) {
                           if (CHuffmanCodec().Encode(in, out)) return true;
                           error = "too large to pack";
                           return false;
                       });
}

int RunUnpackCommand(int argc, char** argv) {
    return ConvertFile(argc, argv, "unpack IN OUT", "unpacked",
                       [](const auto& in, auto& out, auto& error) {
                           return CHuffmanCodec().Decode(in, out, &error);
                       });
}

int RunStorePackCommand(int argc, char** argv) {
    if (argc < 2) return Usage("store-pack OUT NAME=FILE...");
    std::vector<StoreMember> members;
    std::string error;
    for (int i = 2; i < argc; ++i) {
        const char* eq = std::strchr(argv[i], '=');
        if (!eq || eq == argv[i]) return Usage("store-pack OUT NAME=FILE...");
        StoreMember m{std::string(argv[i], size_t(eq - argv[i])), {}};
        if (!ReadWholeFile(eq + 1, m.bytes, error)) return Problem(error);
        members.push_back(std::move(m));
    }
    std::vector<uint8_t> store;
    if (!BuildStore(members, store, error) || !WriteFileAtomic(argv[1], store, error))
        return Problem(error);
    std::cout << Format("wrote %s: %zu members, %zu bytes\n", argv[1], members.size(),
                        store.size());
    for (const StoreMember& m : members)
        std::cout << Format("  %s\t%zu bytes\n", m.name.c_str(), m.bytes.size());
    return 0;
}

int RunStoreExtractCommand(int argc, char** argv) {
    if (argc != 4) return Usage("store-extract STORE NAME OUT");
    CStoreFile store;
    std::string error;
    if (!store.OpenStore(argv[1], &error)) return Problem(error);
    // Unpack into a file beside OUT, then put it in place whole.
    std::string partial = std::string(argv[3]) + ".part";
    CFile out;
    if (!out.Open(partial, CFile::modeCreate | CFile::modeWrite, &error)) return Problem(error);
    bool ok = StoreExtract(store, argv[2], out, &error);
    int64_t size = out.GetPosition();
    out.Close();
    if (!ok || std::rename(partial.c_str(), argv[3]) != 0) {
        std::remove(partial.c_str());
        return Problem(ok ? "cannot write " + std::string(argv[3]) : error);
    }
    std::cout << Format("extracted %s from %s into %s (%lld bytes)\n", argv[2], argv[1], argv[3],
                        static_cast<long long>(size));
    return 0;
}

int RunModelCommand(int argc, char** argv) {
    const char* usage = "model FILE [--render OUT.png [--angle A,B,C] [--distance Z] [--size WxH]]";
    if (argc < 2) return Usage(usage);
    ModelView view;
    std::string picture, problem;
    if (!ParseRenderOptions(argc - 2, argv + 2, view, picture, problem)) {
        std::fprintf(stderr, "lumo-data: %s\n", problem.c_str());
        return Usage(usage);
    }
    // Plain, or unpacked from FILE.cmp.
    CCmpFile file(nullptr, FolderOf(argv[1]));
    std::string error;
    if (!file.Open(argv[1], CFile::modeRead, &error)) return Problem(error);
    uint8_t header[8] = {};
    file.Read(header, sizeof header);
    file.Seek(0, CFile::begin);
    EngineObject obj;
    if (!ObjectRead(obj, file, &error)) return Problem(std::string(argv[1]) + ": " + error);

    std::cout << "file\t" << argv[1] << (file.IsTemporary() ? " (unpacked from .cmp)" : "")
              << "\nversion\t" << int16_t(header[6] | (header[7] << 8)) << "\n";
    std::map<std::string, int> kinds;
    for (int i = 0; i < obj.FaceCount; ++i) ++kinds[KindName(obj.Faces[i].Kind)];
    std::cout << "faces\t" << obj.FaceCount << "\n";
    for (const auto& [name, count] : kinds) std::cout << "  " << name << "\t" << count << "\n";
    PrintSlots(obj);
    std::cout << "part points\t" << obj.PartPointCount << "\n";
    for (int i = 0; i < obj.PartPointCount; ++i)
        std::cout << Format("  (%d, %d, %d)\n", obj.PartPoints[i][0], obj.PartPoints[i][1],
                            obj.PartPoints[i][2]);
    std::cout << "part transforms\t" << obj.PartCount << "\n";
    for (int i = 0; i < obj.PartCount; ++i) {
        const PartTransform& p = obj.Parts[i];
        std::cout << Format("  key %d\tangle %d\tpivot (%d, %d, %d)\n", p.Key, p.Angle,
                            p.Pivot[0] >> obj.ScaleShift, p.Pivot[1] >> obj.ScaleShift,
                            p.Pivot[2] >> obj.ScaleShift);
    }
    PrintBoundingBox(obj);
    int status = 0;
    if (!picture.empty()) {
        int64_t distance = 0;
        if (RenderModelPicture(obj, view, picture, error, &distance)) {
            std::cout << Format("rendered\t%s (%dx%d, distance %lld)\n", picture.c_str(), view.Width,
                                view.Height, static_cast<long long>(distance));
        } else {
            status = Problem(error);
        }
    }
    ObjectFree(obj);
    return status;
}
