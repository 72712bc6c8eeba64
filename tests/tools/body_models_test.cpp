// The body models the build makes: one readable textured sphere per body of
// the body table, placed and sized as VR mode expects, Saturn's rings, and
// the reading of the Earth's texture file.

#include "tools/body_models.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "astro/body_table.h"
#include "catalogue/lumo_doc.h"
#include "engine/object.h"

namespace {

const std::string kDataDir = std::string(LUMO_SOURCE_DIR) + "/data";

// A body's model read back as the program reads it.
class BodyModelTest : public ::testing::Test {
protected:
    void TearDown() override { ObjectFree(obj); }
    void Load(const std::string& name) {
        std::vector<uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(MakeBodyModel(name, kDataDir, bytes, error)) << name << ": " << error;
        ObjectFree(obj);
        ASSERT_TRUE(ObjectRead(obj, bytes, &error)) << name << ": " << error;
        ASSERT_GE(obj.FaceCount, 1);
    }
    const Face& Globe() const { return obj.Faces[0]; }
    std::span<const uint8_t> Texels() const {
        const Face& f = Globe();
        return {f.Texture, size_t(f.TexWidth) * size_t(f.TexWidth / 2)};
    }
    EngineObject obj{};
};

TEST_F(BodyModelTest, EveryBodyOfTheTableHasATexturedGlobe) {
    CLumoDoc doc;
    std::vector<std::string> table;
    for (const auto& body : doc.m_planets) table.push_back(body->m_strName);
    EXPECT_EQ(BodyModelNames(), table);
    for (const std::string& name : table) {
        Load(name);
        const Face& f = Globe();
        EXPECT_EQ(f.Kind, kFaceSphere) << name;
        EXPECT_EQ(f.TexHeight, BodyModelRadius(name)) << name;
        EXPECT_GE(f.TexWidth, 64) << name;
        ASSERT_NE(f.Texture, nullptr) << name;
        // The north pole (the texture's first row) along -y, the prime
        // meridian along -z, the centre at the origin (model units, x 16).
        const int32_t r16 = f.TexHeight * 16;
        EXPECT_EQ(f.Vertices[0][1], r16) << name;
        EXPECT_EQ(f.Vertices[1][1], 0) << name;
        EXPECT_EQ(f.Vertices[2][2], -r16) << name;
        // The Sun shines by itself; every other body is lit by it.
        const auto texels = Texels();
        const bool allUnlit =
            std::all_of(texels.begin(), texels.end(), [](uint8_t t) { return t >= 209; });
        const bool allLit =
            std::all_of(texels.begin(), texels.end(), [](uint8_t t) { return t < 209; });
        EXPECT_TRUE(name == "Sun" ? allUnlit : allLit) << name;
    }
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_FALSE(MakeBodyModel("Vulcan", kDataDir, bytes, error));
    EXPECT_EQ(BodyModelRadius("Vulcan"), 0);
}

TEST_F(BodyModelTest, SaturnsRingsAreDrawnAroundTheGlobeInDepthOrder) {
    Load("Saturn");
    // The globe and twelve ring sectors, each ordered by its own point.
    EXPECT_EQ(obj.PartPointCount, 13);
    EXPECT_EQ(Globe().PartIndex, 0);
    ASSERT_EQ(obj.FaceCount, 1 + 12 * 3 * 3 * 2);
    const int32_t radius16 = Globe().TexHeight * 16;
    for (int i = 1; i < obj.FaceCount; ++i) {
        const Face& f = obj.Faces[i];
        EXPECT_EQ(f.Kind, kFaceFlat);
        EXPECT_EQ(f.PartIndex, 1 + (i - 1) / 18) << i;
        EXPECT_EQ(std::abs(f.Normal[1]), 128);
        for (int v = 0; v < f.VertexCount; ++v) {
            EXPECT_EQ(f.Vertices[v][1], 0);  // in the equator's plane
            const double reach = std::hypot(f.Vertices[v][0], f.Vertices[v][2]) / radius16;
            EXPECT_GT(reach, 1.2);
            EXPECT_LT(reach, 2.3);
        }
    }
    // Each piece is there twice, once for each side.
    EXPECT_EQ(obj.Faces[1].Normal[1], -obj.Faces[2].Normal[1]);
}

TEST(BodyModelsTest, TheSameModelsOnEveryBuild) {
    std::vector<BodyModel> a, b;
    std::string error;
    ASSERT_TRUE(MakeBodyModels(kDataDir, a, error)) << error;
    ASSERT_TRUE(MakeBodyModels(kDataDir, b, error)) << error;
    ASSERT_EQ(a.size(), 23u);
    for (size_t i = 0; i < a.size(); ++i) EXPECT_EQ(a[i].bytes, b[i].bytes) << a[i].name;
    // Without the Earth's texture nothing is made.
    EXPECT_FALSE(MakeBodyModels("/nonexistent", a, error));
    EXPECT_NE(error.find("earth_texture.pgm"), std::string::npos) << error;
}

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

TEST(TexturePgmTest, ReadsGreymapsAndRefusesMalformedOnes) {
    Texture t;
    std::string error;
    ASSERT_TRUE(ReadTexturePgm(Bytes("P5\n4 2\n255\nABCDEFGH"), t, error)) << error;
    EXPECT_TRUE(t.width == 4 && t.height == 2 && t.At(0, 1) == 'E');
    // Any whitespace between the fields; bytes after the texels are left.
    ASSERT_TRUE(ReadTexturePgm(Bytes("P5 2\t1  255 \x01\x02\x03"), t, error)) << error;
    EXPECT_EQ(t.texels, (std::vector<uint8_t>{1, 2}));
    for (const char* bad : {
             "",                                        // empty
             "P2\n4 2\n255\nABCDEFGH",                  // a text greymap
             "P5\n4 2\n255\nABCDEFG",                   // one texel short
             "P5\n4 3\n255\nABCDEFGHIJKL",              // not twice as wide as high
             "P5\n4 2\n65535\nABCDEFGH",                // two bytes a texel
             "P5\n8192 4096\n255\n",                    // larger than any texture
             "P5\n99999999999 2\n255\n",                // a number past its field
             "P5\n# made by hand\n4 2\n255\nABCDEFGH",  // comments are not read
             "P5\n4 2\n255",                            // no separator before the texels
             "P5\n-4 2\n255\nABCDEFGH",
         }) {
        t = Texture{};
        EXPECT_FALSE(ReadTexturePgm(Bytes(bad), t, error)) << bad;
        EXPECT_TRUE(t.texels.empty()) << bad;
    }
}

}  // namespace
