// The body models the build makes: one readable textured sphere per body of
// the body table, made the same on every build, and the reading of the
// Earth's texture file.

#include "tools/body_models.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "astro/body_table.h"
#include "catalogue/lumo_doc.h"
#include "engine/object.h"

namespace {

const std::string kDataDir = std::string(LUMO_SOURCE_DIR) + "/data";

// Every body of the body table has a readable textured globe of its radius,
// the Sun's all unlit texels, every other body's lit ones (what the models
// look like, rings included, the VR golden frames show).
TEST(BodyModelsTest, EveryBodyOfTheTableHasATexturedGlobe) {
    CLumoDoc doc;
    std::vector<std::string> table;
    for (const auto& body : doc.m_planets) table.push_back(body->m_strName);
    EXPECT_EQ(BodyModelNames(), table);
    for (const std::string& name : table) {
        std::vector<uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(MakeBodyModel(name, kDataDir, bytes, error)) << name << ": " << error;
        EngineObject obj{};
        ASSERT_TRUE(ObjectRead(obj, bytes, &error)) << name << ": " << error;
        const Face& f = obj.Faces[0];
        EXPECT_EQ(f.Kind, kFaceSphere) << name;
        EXPECT_EQ(f.TexHeight, BodyModelRadius(name)) << name;
        ASSERT_NE(f.Texture, nullptr) << name;
        const std::span<const uint8_t> texels(f.Texture, size_t(f.TexWidth) * size_t(f.TexWidth / 2));
        EXPECT_TRUE(std::all_of(texels.begin(), texels.end(), [&](uint8_t t) { return (t >= 209) == (name == "Sun"); }))
            << name;
        ObjectFree(obj);
    }
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_FALSE(MakeBodyModel("Vulcan", kDataDir, bytes, error));
    EXPECT_EQ(BodyModelRadius("Vulcan"), 0);
}

TEST(BodyModelsTest, NothingIsMadeWithoutTheEarthsTexture) {
    std::vector<BodyModel> models;
    std::string error;
    EXPECT_FALSE(MakeBodyModels("/nonexistent", models, error));
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
             "P2\n4 2\n255\nABCDEFGH",                  // a text greymap
             "P5\n4 2\n255\nABCDEFG",                   // one texel short
             "P5\n4 3\n255\nABCDEFGHIJKL",              // not twice as wide as high
             "P5\n8192 4096\n255\n",                    // larger than any texture
             "P5\n99999999999 2\n255\n",                // a number past its field
             "P5\n4 2\n255",                            // no separator before the texels
         }) {
        t = Texture{};
        EXPECT_FALSE(ReadTexturePgm(Bytes(bad), t, error)) << bad;
        EXPECT_TRUE(t.texels.empty()) << bad;
    }
}

}  // namespace
