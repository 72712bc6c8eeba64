// `lumo render` as a user runs it, and the geometry of its pictures checked
// from outside: star and body positions worked out here from the catalogue's
// source table and from `lumo ephemeris`, turned into pixels with the view's
// parallel projection, and looked for in the written PNG.

#include <gtest/gtest.h>

#include <array>
#include <png.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/program_run.h"

namespace {

constexpr double kDeg = 0.017453292519943295;

struct Picture {
    int32_t width = 0, height = 0;
    std::vector<uint8_t> rgb;  // rows top first
    const uint8_t* At(int32_t x, int32_t row) const { return &rgb[(size_t(row) * width + x) * 3]; }
    bool Inside(double x, double row, double margin) const {
        return x >= margin && row >= margin && x < width - margin && row < height - margin;
    }
};

bool LoadPicture(const std::string& path, Picture& p) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    p.width = int32_t(image.width);
    p.height = int32_t(image.height);
    p.rgb.resize(PNG_IMAGE_SIZE(image));
    return png_image_finish_read(&image, nullptr, p.rgb.data(), 0, nullptr) != 0;
}

// The focal length of a picture of the sky window: 0.8 of its width at zoom
// 256, in proportion to the zoom.
double Focal(const Picture& p, int zoom) { return double((int64_t(p.width) * 256 / 320 * zoom) >> 8); }

class RenderTest : public ::testing::Test {
protected:
    // Renders with the arguments into a scratch file and loads the picture.
    ProgramResult Render(const std::string& args, Picture& p) {
        ProgramResult r = RunLumo(kLumo, "render --out " + dir.File("sky.png") + " " + args);
        if (r.status == 0) {
            EXPECT_TRUE(LoadPicture(dir.File("sky.png"), p)) << args;
        }
        return r;
    }
    TempDir dir;
};

TEST_F(RenderTest, WritesTheWindowsPixelsAndSaysWhere) {
    Picture p;
    ProgramResult r = Render("--time 2026-12-06T22:00:00", p);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    EXPECT_NE(r.out.find("wrote " + dir.File("sky.png") + " (644 x 480 pixels)"), std::string::npos) << r.out;
    EXPECT_EQ(p.width, 644);  // 640 + 2, rounded up to a multiple of 4
    EXPECT_EQ(p.height, 480);
    const std::string bytes = SlurpFile(dir.File("sky.png"));
    ASSERT_GT(bytes.size(), 26u);
    EXPECT_EQ(bytes[25], 3);  // a palette picture
    ASSERT_EQ(Render("--time 2026-12-06T22:00:00 --size 101x77", p).status, 0);
    EXPECT_EQ(p.width, 104);
    EXPECT_EQ(p.height, 77);
}

// Pixels of one colour in a picture.
int CountRgb(const Picture& p, uint8_t r, uint8_t g, uint8_t b) {
    int n = 0;
    for (int32_t row = 0; row < p.height; ++row)
        for (int32_t x = 0; x < p.width; ++x) {
            const uint8_t* c = p.At(x, row);
            n += c[0] == r && c[1] == g && c[2] == b;
        }
    return n;
}

TEST_F(RenderTest, ScaleMakesALargerPictureOfTheSameView) {
    const std::string view = "--time 2026-12-06T22:00:00 --lat 40.4 --lon -3.7 --size 200x150 --layers names";
    Picture one, two;
    ASSERT_EQ(Render(view, one).status, 0);
    ProgramResult r = Render(view + " --scale 2", two);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("(404 x 300 pixels)"), std::string::npos) << r.out;
    EXPECT_EQ(two.width, 404);
    EXPECT_EQ(two.height, 300);
    // The constellation names: twice the font, about four times the pixels.
    const int red1 = CountRgb(one, 255, 0, 0), red2 = CountRgb(two, 255, 0, 0);
    ASSERT_GT(red1, 50);
    EXPECT_GT(red2, 3 * red1);
    EXPECT_LT(red2, 5 * red1);
    Picture half;
    ASSERT_EQ(Render("--size 101x77 --scale 1.5", half).status, 0);
    EXPECT_EQ(half.width, 156);  // 152 + 2, rounded up to a multiple of 4
    EXPECT_EQ(half.height, 116);
}

// The Daylight layer over Madrid on 2026 December 6 (local time): a day-blue
// sky at noon, a deep blue between civil and nautical dusk (the Sun sets
// about 17:48), black after astronomical twilight; off, the noon sky is black.
TEST_F(RenderTest, DaylightSkyFollowsTheSun) {
    auto corner = [&](const char* time, const char* layers) {
        Picture p;
        ProgramResult r = Render(std::string("--time 2026-12-06T") + time +
                                     " --lat 40.4168 --lon -3.7038 --view horizon --az 16384 --el -3500"
                                     " --zoom 200 --size 200x150 --layers " + layers, p);
        EXPECT_EQ(r.status, 0) << r.err;
        const uint8_t* c = p.width > 4 ? p.At(3, 2) : nullptr;
        return c ? std::array<int, 3>{c[0], c[1], c[2]} : std::array<int, 3>{-1, -1, -1};
    };
    EXPECT_EQ(corner("12:00:00", "daylight"), (std::array<int, 3>{166, 202, 240}));
    const std::array<int, 3> dusk = corner("18:30:00", "daylight");
    EXPECT_GT(dusk[2], 100);
    EXPECT_LT(dusk[0], 60);
    EXPECT_EQ(corner("21:00:00", "daylight"), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(corner("12:00:00", "horizon"), (std::array<int, 3>{0, 0, 0}));
}

TEST_F(RenderTest, BadArgumentsAreRefused) {
    for (const char* args :
         {"", "--view sideways", "--zoom 63", "--zoom 2049", "--size 0x10", "--size 640",
          "--size 16383x10", "--layers grid,stars", "--lat 40", "--mag-limit bright",
          "--az 1.5", "--el", "--time 2026-13-01T00:00:00", "--frobnicate 1", "--scale 0.4",
          "--scale 9", "--scale two", "--size 9000x10 --scale 2"}) {
        std::string line = args;
        if (line.rfind("--out", 0) != 0 && !line.empty()) line = "--out " + dir.File("x.png") + " " + line;
        ProgramResult r = RunLumo(kLumo, "render " + line);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find("lumo render:"), std::string::npos) << args << r.err;
        EXPECT_FALSE(std::filesystem::exists(dir.File("x.png"))) << args;
    }
    ProgramResult r = RunLumo(kLumo, "render --out /nonexistent-folder/sky.png --size 8x8");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("lumo render:"), std::string::npos);
}

TEST_F(RenderTest, VrStandsOnABodyAndDrawsItsModel) {
    // Jupiter's globe at the centre, a third of the picture high: warm
    // colours (its bands) across the middle row, none at the edges.
    Picture p;
    ASSERT_EQ(Render("--time 2027-01-03T18:00:00 --utc --vr Jupiter --layers '' --mag-limit -5", p).status, 0);
    auto warm = [&](int32_t x, int32_t row) {
        const uint8_t* c = p.At(x, row);
        return c[0] > c[2] + 20;
    };
    int warmRun = 0;
    for (int32_t x = 0; x < p.width; ++x) warmRun += warm(x, p.height / 2);
    EXPECT_GT(warmRun, p.height / 4);
    EXPECT_LT(warmRun, p.height / 2);
    EXPECT_TRUE(warm(p.width / 2, p.height / 2));
    // Without VR the same view has no globe there.
    ASSERT_EQ(Render("--time 2027-01-03T18:00:00 --utc --layers '' --mag-limit -5", p).status, 0);
    EXPECT_FALSE(warm(p.width / 2, p.height / 2));
    // An unknown body is refused with the names there are.
    ProgramResult r = RunLumo(kLumo, "render --out " + dir.File("x.png") + " --vr Vulcan");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("no body 'Vulcan' (Sun, Mercury"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.png")));
}

// A star's marker pixel: white or a dimmed white, brighter than the grey of
// the constellation boundaries.
bool IsStarPixel(const uint8_t* c) { return c[0] == c[1] && c[1] == c[2] && c[0] > 130; }

// Right ascension and declination (degrees) of a named star in the
// catalogue's source table.
bool CatalogueStar(const std::string& name, double& raDeg, double& decDeg) {
    std::ifstream in(std::string(LUMO_SOURCE_DIR) + "/data/stars.tsv");
    for (std::string line; std::getline(in, line);) {
        auto cells = Rows(line)[0];
        if (cells.size() > 3 && cells[1] == name) {
            raDeg = std::stod(cells[2]);
            decDeg = std::stod(cells[3]);
            return true;
        }
    }
    return false;
}

TEST_F(RenderTest, PolarisIsTheStarNearestThePole) {
    Picture p;
    ASSERT_EQ(Render("--time 2026-12-06T22:00:00 --lat 40.4168 --lon -3.7038 --view equatorial "
                     "--el -8192 --zoom 2048 --layers grid",
                     p).status,
              0);
    double ra = 0, dec = 0;
    ASSERT_TRUE(CatalogueStar("Polaris", ra, dec));
    // The pole at the centre, right ascension 12h up, 6h to the left.
    const double f = Focal(p, 2048), cx = p.width / 2, cy = p.height / 2;
    const double x = cx - f * std::cos(dec * kDeg) * std::sin(ra * kDeg);
    const double row = p.height - 1 - (cy - f * std::cos(dec * kDeg) * std::cos(ra * kDeg));
    double best = 1e9, bestX = 0, bestRow = 0;
    for (int32_t r = 0; r < p.height; ++r)
        for (int32_t c = 0; c < p.width; ++c) {
            if (!IsStarPixel(p.At(c, r))) continue;
            const double d = std::hypot(c - cx, r - (p.height - 1 - cy));
            if (d < best) best = d, bestX = c, bestRow = r;
        }
    EXPECT_NEAR(bestX, x, 2.0);
    EXPECT_NEAR(bestRow, row, 2.0);
    EXPECT_GT(best, 40);  // Polaris is 0.74 degrees (53 pixels) off the pole
}

struct Place {
    double altitudeDeg, azimuthDeg;
};

// Where `lumo ephemeris` puts every body, by name.
std::map<std::string, Place> Ephemeris(const std::string& when) {
    ProgramResult r = RunLumo(kLumo, "ephemeris --time " + when + " --lat 40.4168 --lon -3.7038");
    EXPECT_EQ(r.status, 0) << r.err;
    std::map<std::string, Place> places;
    auto rows = Rows(r.out);
    for (size_t i = 2; i < rows.size(); ++i)
        if (rows[i].size() == 6) places[rows[i][0]] = {std::stod(rows[i][4]), std::stod(rows[i][5])};
    return places;
}

// A body marker's pixel: anything but the black sky and the greens of the
// rim and of the body names.
bool IsMarkerPixel(const uint8_t* c) {
    const bool black = c[0] == 0 && c[1] == 0 && c[2] == 0;
    const bool green = c[1] > c[0] && c[1] > c[2];
    return !black && !green;
}

// Every body shown from the Earth (the Sun, the planets and the Moon; the
// moons of other planets are not shown) that stands above the horizon is
// found in one of four renders facing north, east, south and west, within
// 2 pixels of where its altitude and azimuth put it.
void ExpectBodiesWhereTheEphemerisPutsThem(RenderTest& test, const std::string& when,
                                          const std::function<ProgramResult(const std::string&, Picture&)>& render) {
    const auto places = Ephemeris(when);
    int checked = 0;
    for (int facing = 0; facing < 360; facing += 90) {
        Picture p;
        const int az = -facing * 32768 / 360;
        ASSERT_EQ(render("--time " + when + " --lat 40.4168 --lon -3.7038 --view horizon --az " +
                             std::to_string(az) + " --el 0 --zoom 100 --layers '' --mag-limit -30",
                         p).status,
                  0);
        const double f = Focal(p, 100), cx = p.width / 2, cy = p.height / 2;
        for (const char* name : {"Sun", "Mercury", "Venus", "Moon", "Mars", "Jupiter", "Saturn",
                                 "Uranus", "Neptune", "Pluto"}) {
            const Place& b = places.at(name);
            const double h = b.altitudeDeg * kDeg, a = (b.azimuthDeg - facing) * kDeg;
            if (h <= 0 || std::cos(h) * std::cos(a) < 0.05) continue;  // below or not in front
            const double x = cx + f * std::cos(h) * std::sin(a);
            const double row = p.height - 1 - (cy + f * std::sin(h));
            if (!p.Inside(x, row, 10)) continue;
            const int reach = std::string(name) == "Sun" || std::string(name) == "Moon" ? 9 : 4;
            double sx = 0, sr = 0;
            int n = 0;
            for (int r = int(row) - reach; r <= int(row) + reach; ++r)
                for (int c = int(x) - reach; c <= int(x) + reach; ++c)
                    if (IsMarkerPixel(p.At(c, r))) sx += c, sr += r, ++n;
            ASSERT_GT(n, 0) << name << " facing " << facing << " at " << x << "," << row;
            EXPECT_NEAR(sx / n, x, 2.0) << name << " facing " << facing;
            EXPECT_NEAR(sr / n, row, 2.0) << name << " facing " << facing;
            ++checked;
        }
    }
    EXPECT_GE(checked, 3) << when;
}

TEST_F(RenderTest, BodiesStandWhereTheEphemerisPutsThem) {
    auto render = [this](const std::string& args, Picture& p) { return Render(args, p); };
    // Madrid on a December evening (Saturn, Uranus and Neptune up) and the
    // next morning (the Moon, Mercury, Venus, Mars and Jupiter up).
    ExpectBodiesWhereTheEphemerisPutsThem(*this, "2026-12-06T22:00:00", render);
    ExpectBodiesWhereTheEphemerisPutsThem(*this, "2026-12-07T08:00:00", render);
}

}  // namespace
