#include "model_sample.h"

#include "engine/engine_alloc.h"

uint8_t* SampleImage(int width, int height, int seed) {
    auto* image = static_cast<uint8_t*>(EngineAlloc(size_t(width) * height));
    for (int i = 0; i < width * height; ++i) image[i] = uint8_t(seed + i * 13);
    return image;
}

namespace {
void SetVertices(Face& f, std::initializer_list<std::initializer_list<int>> points) {
    int i = 0;
    for (const auto& p : points) {
        std::copy(p.begin(), p.end(), f.Vertices[i]);
        ++i;
    }
    f.VertexCount = uint8_t(i);
}
}  // namespace

void MakeSampleObject(EngineObject& obj) {
    obj = EngineObject{};
    obj.Reserved1 = 5;
    obj.Header5[2] = -7;
    obj.HeaderTableA[18][3] = 1234;
    obj.Header1 = 9;
    obj.HeaderTableB[19][5] = -32768;
    obj.Reserved3 = 77;

    obj.FaceCount = 4;
    obj.Faces = static_cast<Face*>(EngineAlloc((obj.FaceCount + 2) * sizeof(Face)));
    for (int i = 0; i < obj.FaceCount; ++i) obj.Faces[i].TileU = obj.Faces[i].TileV = 1;
    Face& flat = obj.Faces[0];  // counter-clockwise about +z, normal +z: kept as is
    SetVertices(flat, {{0, 0, 0}, {10, 0, 0}, {0, 10, 0}});
    flat.Normal[2] = 100;
    flat.Centre[0] = 3;
    flat.Colour = 5;
    flat.PartKey = 3;
    flat.PartIndex = 1;
    flat.ModeMask = 7;
    flat.Flags = 0x15;
    flat.TexPoints[1][0] = -100000;
    flat.TexPoints[2][2] = 70000;
    flat.VertexNormals = static_cast<int32_t(*)[3]>(EngineAlloc(3 * sizeof *flat.VertexNormals));
    for (int i = 0; i < 3; ++i)
        for (int c = 0; c < 3; ++c) flat.VertexNormals[i][c] = i * 3 + c - 4;
    flat.TileU = 2;
    flat.TileV = 3;

    Face& sphere = obj.Faces[1];
    sphere.Kind = kFaceSphere;
    SetVertices(sphere, {{0, 50, 0}, {0, 0, 0}, {50, 0, 0}});
    sphere.TexWidth = 64;
    sphere.TexHeight = 50;  // the radius
    sphere.Texture = SampleImage(64, 32, 1);

    Face& slotted = obj.Faces[2];
    slotted.Kind = kFaceSlotTextured;
    SetVertices(slotted, {{0, 0, 5}, {8, 0, 5}, {8, 8, 5}, {0, 8, 5}});
    slotted.Normal[2] = 1;
    slotted.SlotKey = 9;

    Face& own = obj.Faces[3];
    own.Kind = 7;
    SetVertices(own, {{-1, -2, -3}});
    own.TexWidth = 4;
    own.TexHeight = 2;
    own.Texture = SampleImage(4, 2, 2);
    own.Frames[0] = {2, 2, SampleImage(2, 2, 3)};
    own.Frames[2] = {3, 1, nullptr};

    obj.Slots[0] = TextureSlot{9, 0, 8, 4, SampleImage(8, 4, 4), {}, {}};
    obj.Slots[0].Unused[35] = 0xAB;
    obj.Slots[0].Frames[1] = {2, 1, SampleImage(2, 1, 5)};
    obj.Slots[10] = TextureSlot{12, 1, 2, 2, SampleImage(2, 2, 6), {}, {}};

    obj.PartPointCount = 2;
    obj.PartPoints[0][0] = 1;
    obj.PartPoints[1][2] = -2;

    obj.PartCount = 2;
    obj.Parts[0].Key = 3;
    obj.Parts[0].Rest[0][0] = obj.Parts[0].Current[1][1] = 32767;
    obj.Parts[0].Angle = 8192;
    obj.Parts[0].Pivot[1] = 40;
    obj.Parts[1].Key = 213;
    obj.Parts[1].Pivot[0] = -5;
    obj.Parts[1].Unused[27] = 1;
}
