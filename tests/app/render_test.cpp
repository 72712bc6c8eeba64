// `lumo render` as a user runs it, and the geometry of its pictures checked
// from outside: body positions from `lumo ephemeris`, turned into pixels with
// the view's parallel projection, and looked for in the written PNG.

#include <gtest/gtest.h>

#include <png.h>

#include <cmath>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "tests/app/program_run.h"

namespace {

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
        EXPECT_TRUE(r.status != 0 || LoadPicture(dir.File("sky.png"), p)) << args;
        return r;
    }
    TempDir dir;
};

// The picture is the window's client area times the scale, plus 2, rounded
// up to a multiple of 4 (by default 640 x 480, so 644 x 480), in a palette.
TEST_F(RenderTest, WritesTheWindowsPixelsAndSaysWhere) {
    Picture p;
    ProgramResult r = Render("--time 2026-12-06T22:00:00", p);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    EXPECT_NE(r.out.find("wrote " + dir.File("sky.png") + " (644 x 480 pixels)"), std::string::npos) << r.out;
    EXPECT_EQ(SlurpFile(dir.File("sky.png")).substr(25, 1), "\x03");  // the PNG colour type
    ASSERT_EQ(Render("--time 2026-12-06T22:00:00 --size 101x77 --scale 1.5", p).status, 0);
    EXPECT_EQ(p.width, 156);
    EXPECT_EQ(p.height, 116);
}

// VR from the command line: Jupiter's globe at the centre, a third of the
// picture wide (warm colours across the middle row); the drawing is the sky's.
TEST_F(RenderTest, VrStandsOnABodyAndDrawsItsModel) {
    Picture p;
    ASSERT_EQ(Render("--time 2027-01-03T18:00:00 --utc --vr Jupiter --layers '' --mag-limit -5", p).status, 0);
    int warmRun = 0;
    for (int32_t x = 0; x < p.width; ++x) warmRun += p.At(x, p.height / 2)[0] > p.At(x, p.height / 2)[2] + 20;
    EXPECT_GT(warmRun, p.height / 4);
    EXPECT_LT(warmRun, p.height / 2);
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
TEST_F(RenderTest, BodiesStandWhereTheEphemerisPutsThem) {
    // Madrid on a December evening (Saturn, Uranus and Neptune up) and the
    // next morning (the Moon, Mercury, Venus, Mars and Jupiter up).
    for (const std::string when : {"2026-12-06T22:00:00", "2026-12-07T08:00:00"}) {
        const auto places = Ephemeris(when);
        int checked = 0;
        for (int facing = 0; facing < 360; facing += 90) {
            Picture p;
            const int az = -facing * 32768 / 360;
            ASSERT_EQ(Render("--time " + when + " --lat 40.4168 --lon -3.7038 --view horizon --az " +
                                 std::to_string(az) + " --el 0 --zoom 100 --layers '' --mag-limit -30",
                             p).status,
                      0);
            const double f = Focal(p, 100), cx = p.width / 2, cy = p.height / 2;
            for (const char* name : {"Sun", "Mercury", "Venus", "Moon", "Mars", "Jupiter", "Saturn",
                                     "Uranus", "Neptune", "Pluto"}) {
                const Place& b = places.at(name);
                const double h = b.altitudeDeg * kDegToRad, a = (b.azimuthDeg - facing) * kDegToRad;
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
}

}  // namespace
