// The model file: round trips of every version, what the reader mends or
// refuses, winding, the texture a face uses, and the malformed corpus.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/file.h"
#include "model_sample.h"

namespace {
using Bytes = std::vector<uint8_t>;

Bytes Written(const EngineObject& obj, int version = kObjectVersion) {
    Bytes out;
    std::string error;
    EXPECT_TRUE(ObjectWrite(obj, out, &error, version)) << error;
    return out;
}

Bytes SampleFile(int version = kObjectVersion) {
    OwnedObject sample;
    MakeSampleObject(sample.obj);
    return Written(sample.obj, version);
}

bool Reads(const Bytes& bytes, std::string* error = nullptr) {
    OwnedObject o;
    bool ok = ObjectRead(o.obj, bytes, error);
    if (!ok) {
        EngineObject zero{};
        EXPECT_EQ(std::memcmp(&o.obj, &zero, sizeof zero), 0)
            << "a failed read leaves a zeroed object";
    }
    return ok;
}
}  // namespace

// What the reader mends: vertex normals clamped to +-255, the flags' top bits
// cleared, part transforms of key 0 dropped; and what it refuses: a 32-bit
// texture point that overflows once scaled (-2^27 x 16 still fits).
TEST(ObjectFile, ReadingMendsOrRefusesOutOfRangeValues) {
    OwnedObject src;
    MakeSampleObject(src.obj);
    int32_t* normal = src.obj.Faces[0].VertexNormals[1];
    normal[0] = 300;
    normal[1] = -400;
    normal[2] = 255;
    src.obj.Faces[0].Flags = 0xC1;
    src.obj.PartCount = 3;
    src.obj.Parts[2] = src.obj.Parts[1];
    src.obj.Parts[1] = PartTransform{};
    src.obj.Parts[1].Angle = 99;  // key 0
    OwnedObject o, again;
    ASSERT_TRUE(ObjectRead(o.obj, Written(src.obj)));
    const int32_t* read = o.obj.Faces[0].VertexNormals[1];
    EXPECT_TRUE(read[0] == 255 && read[1] == -255 && read[2] == 255);
    EXPECT_EQ(o.obj.Faces[0].Flags, 0x01);
    ASSERT_EQ(o.obj.PartCount, 2);
    EXPECT_TRUE(o.obj.Parts[1].Key == 213 && o.obj.Parts[1].Pivot[0] == -80);
    src.obj.Faces[0].TexPoints[0][0] = -0x8000000;
    ASSERT_TRUE(ObjectRead(again.obj, Written(src.obj)));
    EXPECT_EQ(again.obj.Faces[0].TexPoints[0][0], INT32_MIN);
    src.obj.Faces[0].TexPoints[0][0] = 0x8000000;
    std::string error;
    EXPECT_FALSE(Reads(Written(src.obj), &error));
    EXPECT_NE(error.find("overflows"), std::string::npos) << error;
}

// Older versions lack parts (259), tiles (before 263) and frames, and carry
// 8 slots (before 262) or 16; each reads back to what it was written from.
TEST(ObjectFile, EveryVersionRoundTripsAndUnknownNumbersReadOn) {
    for (int version : {259, 260, 262, 263, 266}) {
        Bytes file = SampleFile(version);
        OwnedObject o;
        ASSERT_TRUE(ObjectRead(o.obj, file)) << version;
        EXPECT_EQ(o.obj.Version, 266);
        EXPECT_EQ(Written(o.obj, version), file) << version;
        EXPECT_EQ(o.obj.Slots[10].Key, version < 262 ? 0 : 12) << version;
        EXPECT_EQ(o.obj.Faces[0].TileU, version >= 263 ? 2 : 1) << version;
        EXPECT_EQ(o.obj.PartCount, version == 259 ? 0 : 2) << version;
    }
    // Coordinates are scaled by 16 once; centres, normals and part points are not.
    OwnedObject o;
    ASSERT_TRUE(ObjectRead(o.obj, SampleFile()) && ObjectScale(o.obj));
    const Face& flat = o.obj.Faces[0];
    EXPECT_EQ(flat.Vertices[1][0], 160);
    EXPECT_EQ(flat.TexPoints[1][0], -1600000);  // 32-bit file values as well
    EXPECT_EQ(o.obj.Parts[0].Pivot[1], 640);
    EXPECT_TRUE(flat.Centre[0] == 3 && flat.Normal[2] == 100 && o.obj.PartPoints[1][2] == -2);
    // Material data this reader does not know: the part points still start
    // where the material size says.
    Bytes longer = SampleFile(262);
    longer.insert(longer.begin() + 10 + 404 + 16 * 48, {1, 2, 3, 4, 5, 6});
    PutI16(longer, 8, 404 + 16 * 48 + 6);
    ObjectFree(o.obj);
    ASSERT_TRUE(ObjectRead(o.obj, longer));
    EXPECT_EQ(Written(o.obj, 262), SampleFile(262));
    // Below 259 read on as 259, above 266 as 266.
    for (auto [version, readAs] : {std::pair{258, 259}, {300, 266}}) {
        Bytes file = SampleFile(readAs);
        PutI16(file, 6, version);
        ObjectFree(o.obj);
        ASSERT_TRUE(ObjectRead(o.obj, file)) << version;
        EXPECT_EQ(Written(o.obj, readAs), SampleFile(readAs)) << version;
    }
}

TEST(ObjectFile, WindingFollowsTheNormal) {
    OwnedObject src;
    MakeSampleObject(src.obj);
    Face& f = src.obj.Faces[0];
    f.Normal[2] = -100;  // disagrees with the order of the first triple
    Bytes file = Written(src.obj);
    OwnedObject o;
    ASSERT_TRUE(ObjectRead(o.obj, file));
    const Face& r = o.obj.Faces[0];
    // (0, 10, 0) first, (0, 0, 0) last; the normals follow their vertices.
    EXPECT_TRUE(r.Vertices[0][1] == 160 && r.Vertices[1][0] == 160 && r.Vertices[2][0] == 0);
    EXPECT_TRUE(r.VertexNormals[0][0] == 2 && r.VertexNormals[2][0] == -4);
    // A degenerate first triple defers to the next vertex; a quad is reversed whole.
    Face& q = src.obj.Faces[2];
    int quad[4][3] = {{0, 0, 5}, {8, 0, 5}, {16, 0, 5}, {0, 8, 5}};
    std::memcpy(q.Vertices, quad, sizeof quad);
    q.Normal[2] = -1;
    ObjectFree(o.obj);
    ASSERT_TRUE(ObjectRead(o.obj, Written(src.obj)));
    const int32_t(&v)[16][3] = o.obj.Faces[2].Vertices;
    EXPECT_TRUE(v[0][1] == 128 && v[1][0] == 256 && v[3][0] == 0 && v[3][1] == 0);
}

TEST(ObjectFile, FaceTextureChoosesTheImage) {
    OwnedObject o;
    ASSERT_TRUE(ObjectRead(o.obj, SampleFile()));
    EngineObject& obj = o.obj;
    Face& own = obj.Faces[3];  // own image with a first frame: the frame wins
    EXPECT_EQ(FaceTexture(obj, own), own.Frames[0].Image);
    EXPECT_TRUE(own.TexWidth == 2 && own.TexHeight == 2);
    Face& slotted = obj.Faces[2];  // slot key 9: slot 0, whose first frame is empty
    EXPECT_EQ(FaceTexture(obj, slotted), obj.Slots[0].Image);
    EXPECT_TRUE(slotted.TexWidth == 8 && slotted.TexHeight == 4);
    obj.Slots[0].Frames[0] = obj.Slots[0].Frames[1];
    EXPECT_EQ(FaceTexture(obj, slotted), obj.Slots[0].Frames[1].Image);
    EXPECT_EQ(slotted.TexHeight, 1);
    obj.Slots[0].Frames[0] = TextureFrame{};
    slotted.SlotKey = 12;
    EXPECT_EQ(FaceTexture(obj, slotted), obj.Slots[10].Image);
    slotted.SlotKey = 0;  // matches nothing, not even an empty slot
    EXPECT_EQ(FaceTexture(obj, slotted), nullptr);
    slotted.SlotKey = 9;
    slotted.TextureRef = 0x0102;  // external textures have no provider
    EXPECT_EQ(FaceTexture(obj, slotted), nullptr);
    EXPECT_EQ(FaceTexture(obj, obj.Faces[1]), obj.Faces[1].Texture);  // a sphere's own map
}

// The malformed corpus (tests/models/corpus, written by make_corpus.py):
// each fails for its own reason, leaving a zeroed object; so does the sample
// cut anywhere.
TEST(ObjectFile, MalformedFilesFailCleanly) {
    namespace fs = std::filesystem;
    const std::pair<const char*, const char*> corpus[] = {
        {"huge_face_count", "face count is larger than the file"},
        {"negative_face_count", "face count is negative"},
        {"negative_material_size", "material size is negative"},
        {"own_texture_past_end", "texture of face 0 is larger than the rest"},
        {"part_points_16", "part point count lies outside 0..15"},
        {"part_points_negative", "part point count lies outside 0..15"},
        {"material_past_end", "material size passes the end"},
        {"part_transforms_past_end", "the file ends inside"},
        {"part_transforms_17", "more than 16 part transforms"},
        {"slot_image_past_end", "image of slot 0 is larger than the rest"},
        {"truncated", "the file ends inside"},
        {"vertex_count_17", "face 0 has more than 16 vertices"},
    };
    for (const auto& [name, reason] : corpus) {
        const fs::path path = fs::path(LUMO_SOURCE_DIR) / "tests/models/corpus" / (std::string(name) + ".ob3");
        Bytes bytes;
        std::string error;
        ASSERT_TRUE(ReadWholeFile(path.string(), bytes, error)) << error;
        EXPECT_FALSE(Reads(bytes, &error)) << name;
        EXPECT_NE(error.find(reason), std::string::npos) << name << ": " << error;
    }
    const Bytes good = SampleFile();
    ASSERT_TRUE(Reads(good));
    for (size_t n = 0; n < good.size(); ++n)
        EXPECT_FALSE(Reads(Bytes(good.begin(), good.begin() + n))) << "cut at " << n;
}
