// deepsky.dat: the file the build makes from data/ (what the converter
// picked), the round trip, and what the reader refuses.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <set>

#include "astro/angles.h"
#include "catalogue/deep_sky.h"
#include "framework/file.h"

namespace {
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

const DeepSkyObject* Find(const CDeepSky& sky, const std::string& designation) {
    for (const auto& o : sky.objects)
        if (o.designation == designation) return &o;
    return nullptr;
}

TEST(DeepSkyFile, TheBuiltFileHoldsMessierTheBrightObjectsAndTheMilkyWay) {
    CDeepSky sky;
    std::string error;
    ASSERT_TRUE(sky.LoadFile(JoinPath(LUMO_BIN_DIR, kDeepSkyFileName), error)) << error;
    size_t messier = 0;
    for (size_t i = 0; i < sky.objects.size(); ++i) {
        const DeepSkyObject& o = sky.objects[i];
        messier += o.designation.rfind("M ", 0) == 0;
        // Only Messier objects may be fainter than 10. Brightest first, those
        // without a magnitude last.
        if (o.HasMagnitude() && o.designation[0] != 'M') EXPECT_LE(o.magnitude, 10.0f);
        if (i) ASSERT_TRUE(!o.HasMagnitude() || sky.objects[i - 1].magnitude <= o.magnitude) << i;
    }
    EXPECT_EQ(messier, 110u);
    // One record per object, with both designations and the common name.
    const DeepSkyObject* m31 = Find(sky, "M 31");
    ASSERT_NE(m31, nullptr);
    EXPECT_TRUE(m31->other == "NGC 224" && m31->name == "Andromeda");
    EXPECT_EQ(Find(sky, "NGC 224"), nullptr);
    EXPECT_NEAR(m31->pos.a / kDegToRad, 10.68, 0.02);
    EXPECT_NEAR(m31->pos.b / kDegToRad, 41.27, 0.02);
    // The Milky Way: every level, faintest first.
    std::set<int> levels;
    for (size_t i = 0; i < sky.rings.size(); ++i) {
        if (i) EXPECT_LE(sky.rings[i - 1].level, sky.rings[i].level);
        levels.insert(sky.rings[i].level);
    }
    EXPECT_EQ(levels.size(), size_t(kMilkyWayLevels));
}

CDeepSky Sample() {
    CDeepSky sky;
    DeepSkyObject a;
    a.designation = "M 31";
    a.other = "NGC 224";
    a.name = "Andromeda";
    a.kind = DeepSkyKind::SpiralGalaxy;
    a.magnitude = 3.44f;
    a.majorArcmin = 189.1f;
    a.minorArcmin = 61.7f;
    a.pos = DeepSkyPoint(10.68 * kDegToRad, 41.27 * kDegToRad);
    DeepSkyObject b;
    b.designation = "NGC 1499";
    b.kind = DeepSkyKind::BrightNebula;
    b.magnitude = kNaN;
    b.majorArcmin = 160;
    b.minorArcmin = 40;
    b.pos = DeepSkyPoint(60.8 * kDegToRad, 36.4 * kDegToRad);
    sky.objects = {b, a};
    MilkyWayRing ring;
    ring.level = 2;
    ring.points = {{0.1f, 0.2f}, {0.3f, 0.2f}, {0.2f, 0.4f}};
    sky.rings = {ring};
    sky.Finish();
    return sky;
}

TEST(DeepSkyFile, RoundTrip) {
    const CDeepSky sky = Sample();
    const std::vector<uint8_t> bytes = sky.StoreToBytes();
    CDeepSky back;
    std::string error;
    ASSERT_TRUE(back.LoadFrom(bytes, error)) << error;
    ASSERT_EQ(back.objects.size(), 2u);
    EXPECT_EQ(back.objects[0].designation, "M 31");  // brightest first
    EXPECT_EQ(back.objects[0].other, "NGC 224");
    EXPECT_EQ(back.objects[0].pos.X, sky.objects[0].pos.X);
    EXPECT_FALSE(back.objects[1].HasMagnitude());
    EXPECT_EQ(back.objects[1].kind, DeepSkyKind::BrightNebula);
    ASSERT_EQ(back.rings.size(), 1u);
    EXPECT_EQ(back.rings[0].level, 2);
    EXPECT_EQ(back.rings[0].directions.size(), 3u);
    EXPECT_EQ(back.StoreToBytes(), bytes);
}

// Every damaged form is refused with a message and leaves nothing loaded.
TEST(DeepSkyFile, MalformedFilesAreRefused) {
    const std::vector<uint8_t> good = Sample().StoreToBytes();
    auto refused = [](const std::vector<uint8_t>& bytes, const char* what) {
        CDeepSky sky = Sample();
        std::string error;
        EXPECT_FALSE(sky.LoadFrom(bytes, error)) << what;
        EXPECT_FALSE(error.empty()) << what;
        EXPECT_TRUE(sky.Empty()) << what;
        return error;
    };
    for (size_t n = 0; n < good.size(); ++n)
        refused(std::vector<uint8_t>(good.begin(), good.begin() + n), "truncated");
    std::vector<uint8_t> b = good;
    b.push_back(0);
    EXPECT_NE(refused(b, "trailing byte").find("after the end"), std::string::npos);
    b = good;
    b[0] = 'X';
    EXPECT_EQ(refused(b, "magic"), "not a deep-sky file");
    // The fields are found by the sample's own values, not by offsets.
    auto at = [&](float value) {
        uint8_t bytes[4];
        std::memcpy(bytes, &value, 4);
        return size_t(std::search(good.begin(), good.end(), bytes, bytes + 4) - good.begin());
    };
    auto with = [&](size_t offset, float value) {
        std::vector<uint8_t> v = good;
        std::memcpy(&v[offset], &value, 4);
        return v;
    };
    const size_t magnitude = at(3.44f), kind = magnitude - 1;
    const float dec = float(41.27 * kDegToRad);
    b = good;
    b[kind] = static_cast<uint8_t>(DeepSkyKind::Count);
    EXPECT_NE(refused(b, "kind").find("unknown object type"), std::string::npos);
    refused(with(magnitude, kInf), "magnitude");
    refused(with(at(61.7f), 500.0f), "minor axis larger than the major");
    refused(with(at(dec), kNaN), "declination");
    refused(with(at(dec), 2.0f), "declination beyond the pole");
    // The ring: its level byte, its point count, then the points.
    const size_t count = at(0.1f) - 4, level = count - 1;
    for (uint8_t bad : {0, 6}) {
        b = good;
        b[level] = bad;
        refused(b, "level");
    }
    b = good;
    b[count] = 2;
    refused(b, "two points");
    b = good;
    b[count + 3] = 0x7F;
    refused(b, "point count");
    refused(with(good.size() - 4, kInf), "point");
    CDeepSky sky;
    std::string error;
    EXPECT_FALSE(sky.LoadFile("/nonexistent/deepsky.dat", error));
    EXPECT_NE(error.find("/nonexistent/deepsky.dat"), std::string::npos);
}

TEST(DeepSkyKinds, CodesWordsAndSymbols) {
    EXPECT_EQ(KindOfCode("s"), DeepSkyKind::SpiralGalaxy);
    EXPECT_EQ(KindOfCode("oc"), DeepSkyKind::OpenCluster);
    EXPECT_EQ(KindOfCode("pos"), DeepSkyKind::Other);
    EXPECT_EQ(KindOfCode(""), DeepSkyKind::Other);
    EXPECT_STREQ(KindInWords(DeepSkyKind::GlobularCluster), "Globular cluster");
    EXPECT_EQ(SymbolOf(DeepSkyKind::EllipticalGalaxy), DeepSkySymbol::Galaxy);
    EXPECT_EQ(SymbolOf(DeepSkyKind::SupernovaRemnant), DeepSkySymbol::Nebula);
    EXPECT_EQ(SymbolOf(DeepSkyKind::PlanetaryNebula), DeepSkySymbol::PlanetaryNebula);
}

}  // namespace
