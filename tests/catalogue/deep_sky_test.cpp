// deepsky.dat: the file the build makes from data/ (what the converter
// picked), the round trip and what the reader refuses.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "astro/angles.h"
#include "catalogue/deep_sky.h"
#include "framework/file.h"

namespace {
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

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
        EXPECT_TRUE(!o.HasMagnitude() || o.designation[0] == 'M' || o.magnitude <= 10.0f) << i;
        ASSERT_TRUE(i == 0 || !o.HasMagnitude() || sky.objects[i - 1].magnitude <= o.magnitude) << i;
        if (o.designation != "M 31") continue;
        EXPECT_TRUE(o.other == "NGC 224" && o.name == "Andromeda");  // one record per object
        EXPECT_NEAR(o.pos.b / kDegToRad, 41.27, 0.02);
    }
    EXPECT_EQ(messier, 110u);
    // The Milky Way: every level, faintest first.
    for (size_t i = 1; i < sky.rings.size(); ++i) EXPECT_LE(sky.rings[i - 1].level, sky.rings[i].level);
    EXPECT_EQ(sky.rings.front().level, 1);
    EXPECT_EQ(sky.rings.back().level, kMilkyWayLevels);
}

// M 31 and NGC 1499 (no magnitude, stored first) and one Milky Way ring.
CDeepSky Sample() {
    CDeepSky sky;
    sky.objects = {{.designation = "NGC 1499", .other = "", .name = "", .kind = DeepSkyKind::BrightNebula,
                    .magnitude = kNaN, .pos = DeepSkyPoint(60.8 * kDegToRad, 36.4 * kDegToRad)},
                   {.designation = "M 31", .other = "NGC 224", .name = "Andromeda",
                    .kind = DeepSkyKind::SpiralGalaxy, .magnitude = 3.44f, .majorArcmin = 189.1f,
                    .minorArcmin = 61.7f, .pos = DeepSkyPoint(10.68 * kDegToRad, 41.27 * kDegToRad)}};
    sky.rings.resize(1);
    sky.rings[0].level = 2;
    sky.rings[0].points = {{0.1f, 0.2f}, {0.3f, 0.2f}, {0.2f, 0.4f}};
    sky.Finish();
    return sky;
}

// Storing again gives the same bytes, so every stored field was read back.
TEST(DeepSkyFile, RoundTrip) {
    const std::vector<uint8_t> bytes = Sample().StoreToBytes();
    CDeepSky back;
    std::string error;
    ASSERT_TRUE(back.LoadFrom(bytes, error)) << error;
    EXPECT_EQ(back.StoreToBytes(), bytes);
    ASSERT_EQ(back.objects.size(), 2u);
    EXPECT_EQ(back.objects[0].designation, "M 31");  // brightest first
    EXPECT_EQ(back.rings.at(0).directions.size(), 3u);
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
    // The fields are found by the sample's own values, not by offsets.
    auto at = [&](float value) {
        uint8_t bytes[4];
        std::memcpy(bytes, &value, 4);
        return size_t(std::search(good.begin(), good.end(), bytes, bytes + 4) - good.begin());
    };
    auto with = [&](size_t offset, std::initializer_list<uint8_t> bytes) {
        std::vector<uint8_t> v = good;
        std::copy(bytes.begin(), bytes.end(), v.begin() + offset);
        return v;
    };
    auto withFloat = [&](size_t offset, float value) {
        std::vector<uint8_t> v = good;
        std::memcpy(&v[offset], &value, 4);
        return v;
    };
    EXPECT_EQ(refused(with(0, {'X'}), "magic"), "not a deep-sky file");
    const size_t magnitude = at(3.44f), dec = at(float(41.27 * kDegToRad));
    const uint8_t unknownKind = static_cast<uint8_t>(DeepSkyKind::Count);
    EXPECT_NE(refused(with(magnitude - 1, {unknownKind}), "kind").find("unknown object type"),
              std::string::npos);
    refused(withFloat(magnitude, kInf), "magnitude");
    refused(withFloat(at(61.7f), 500.0f), "minor axis larger than the major");
    refused(withFloat(dec, kNaN), "declination");
    refused(withFloat(dec, 2.0f), "declination beyond the pole");
    // The ring: its level byte, its point count, then the points.
    const size_t count = at(0.1f) - 4;
    refused(with(count - 1, {0}), "level 0");
    refused(with(count - 1, {6}), "level 6");
    refused(with(count, {2}), "two points");
    refused(with(count + 3, {0x7F}), "point count");
    refused(withFloat(good.size() - 4, kInf), "point");
    CDeepSky sky;
    std::string error;
    EXPECT_FALSE(sky.LoadFile("/nonexistent/deepsky.dat", error));
    EXPECT_NE(error.find("/nonexistent/deepsky.dat"), std::string::npos);
}

}  // namespace
