#include "tools/body_models.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <numbers>

#include "astro/angles.h"
#include "engine/light_band.h"
#include "framework/file.h"

namespace {

// Hues of the engine's palette (see ModelColour; level 0 brightest .. 10
// darkest).
enum Hue : int32_t {
    kWhite = 1,
    kRed = 2,
    kBlue = 4,
    kYellow = 5,
    kPurpleGrey = 8,
    kGrey = 9,
    kPaleTeal = 10,
    kSlate = 12,
    kRust = 14,
    kBrightYellow = 15,
    kTan = 17,
    kOrange = 18,
};
constexpr int32_t kDarkestTexelLevel = 8;

// A lit texel: hue at a level, the level kept to 0..8. VR mode adds the
// light's levels (1 facing the Sun, 6 edge-on, 10 at night) and at least
// three of depth cue, so the textures keep to the bright levels.
uint8_t Lit(int32_t hue, int32_t level) {
    return static_cast<uint8_t>(ModelColour(std::clamp(level, 0, kDarkestTexelLevel), hue));
}
// A texel drawn at its own colour whatever the light (levels 0..2 only).
uint8_t Unlit(int32_t hue, int32_t level) {
    return static_cast<uint8_t>(kFirstUnlitTexel + ModelColour(std::clamp(level, 0, 2), hue));
}

struct Direction {
    double x, y, z;  // unit vector: x to longitude 0, y to the north pole
};

Direction At(double latDeg, double lonDeg) {
    const double lat = latDeg * kDegToRad, lon = lonDeg * kDegToRad;
    return {std::cos(lat) * std::cos(lon), std::sin(lat), std::cos(lat) * std::sin(lon)};
}

double Dot(const Direction& a, const Direction& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Angle between two directions, degrees.
double Apart(const Direction& a, const Direction& b) {
    return std::acos(std::clamp(Dot(a, b), -1.0, 1.0)) / kDegToRad;
}

// A fixed pseudo-random value in [0, 1) for a lattice point and a seed.
double LatticeValue(int32_t i, int32_t j, int32_t k, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B9u;
    for (int32_t v : {i, j, k}) {
        h ^= static_cast<uint32_t>(v) + 0x7F4A7C15u + (h << 6) + (h >> 2);
        h *= 0x85EBCA6Bu;
        h ^= h >> 13;
    }
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0x1000000);
}

// Smooth noise in [0, 1) over space (value noise, trilinear with a smooth
// step), so textures painted from a direction have no seam and no pinch at
// the poles.
double ValueNoise(double x, double y, double z, uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    const int32_t i = int32_t(fx), j = int32_t(fy), k = int32_t(fz);
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double u = smooth(x - fx), v = smooth(y - fy), w = smooth(z - fz);
    auto lerp = [](double a, double b, double t) { return a + (b - a) * t; };
    double corner[2][2][2];
    for (int a = 0; a < 2; ++a)
        for (int b = 0; b < 2; ++b)
            for (int c = 0; c < 2; ++c) corner[a][b][c] = LatticeValue(i + a, j + b, k + c, seed);
    auto edge = [&](int b, int c) { return lerp(corner[0][b][c], corner[1][b][c], u); };
    return lerp(lerp(edge(0, 0), edge(1, 0), v), lerp(edge(0, 1), edge(1, 1), v), w);
}

// Noise of a few octaves at a direction; `scale` is the number of features
// across a radius. In [0, 1), mostly near 0.5.
double Noise(const Direction& d, double scale, uint32_t seed, int octaves = 3) {
    double sum = 0, weight = 0, amplitude = 1;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * ValueNoise(d.x * scale, d.y * scale, d.z * scale, seed + o);
        weight += amplitude;
        amplitude *= 0.5;
        scale *= 2;
    }
    return sum / weight;
}

// A texture of width x width/2 painted texel by texel from latitude and
// longitude (degrees, at the texel's centre; longitude east of the prime
// meridian in column 0).
Texture PaintMap(int32_t width, const std::function<uint8_t(double lat, double lon)>& paint) {
    Texture t;
    t.width = width;
    t.height = width / 2;
    t.texels.resize(size_t(t.width) * t.height);
    for (int32_t row = 0; row < t.height; ++row) {
        const double lat = 90 - (row + 0.5) * 180.0 / t.height;
        for (int32_t col = 0; col < t.width; ++col) {
            const double lon = (col + 0.5) * 360.0 / t.width;
            t.At(col, row) = paint(lat, lon > 180 ? lon - 360 : lon);
        }
    }
    return t;
}

// A circular feature on a body: its centre and angular radius (degrees).
struct Spot {
    double lat, lon, radius;
};

// Craters scattered over a body, many small and few large, the same for a
// seed on every build.
std::vector<Spot> Craters(uint32_t seed, int count, double largest) {
    std::vector<Spot> craters;
    uint32_t state = seed * 2654435761u + 1;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1 << 24);
    };
    for (int i = 0; i < count; ++i) {
        const double lat = std::asin(2 * next() - 1) / kDegToRad;  // evenly over the sphere
        const double lon = 360 * next() - 180;
        const double size = largest * std::pow(next(), 2.0) + 1.5;
        craters.push_back({lat, lon, size});
    }
    return craters;
}

// How a texel lies relative to the craters: -1 on a floor (darker), +1 on
// a rim (brighter), 0 elsewhere.
int32_t CraterShade(const std::vector<Spot>& craters, const Direction& d) {
    int32_t shade = 0;
    for (const Spot& c : craters) {
        const double r = Apart(d, At(c.lat, c.lon)) / c.radius;
        if (r < 0.75) {
            shade = -1;
        } else if (r < 1.0 && shade == 0) {
            shade = 1;
        }
    }
    return shade;
}

// How far inside the nearest of the spots a direction lies: 1 at a centre,
// 0 on or beyond the edge, the edge made ragged by noise.
double InSpots(const std::vector<Spot>& spots, const Direction& d, uint32_t seed) {
    const double ragged = 0.7 + 0.6 * Noise(d, 6, seed);
    double best = 0;
    for (const Spot& s : spots)
        best = std::max(best, 1 - Apart(d, At(s.lat, s.lon)) / (s.radius * ragged));
    return best;
}

// A grey, cratered body: hue at a base level, craters and a mottle of noise.
Texture CrateredMap(int32_t width, int32_t hue, int32_t level, uint32_t seed, int craters) {
    const std::vector<Spot> spots = Craters(seed, craters, 14);
    return PaintMap(width, [&](double lat, double lon) {
        const Direction d = At(lat, lon);
        const int32_t mottle = int32_t(std::lround((Noise(d, 3, seed) - 0.5) * 5));
        return Lit(hue, level + mottle - CraterShade(spots, d));
    });
}

// Bands of a gas giant: the level at a latitude from a list of band edges
// (degrees, north to south) and levels, the edges waved by noise.
struct Band {
    double south;  // the band runs from the previous edge down to here
    int32_t hue, level;
};
uint8_t BandAt(const std::vector<Band>& bands, double lat, const Direction& d, uint32_t seed,
               double wave) {
    const double waved = lat + (Noise(d, 8, seed, 2) - 0.5) * wave;
    for (const Band& b : bands)
        if (waved >= b.south)
            return Lit(b.hue, b.level + int32_t(std::lround((Noise(d, 5, seed + 7, 2) - 0.5) * 2)));
    return Lit(bands.back().hue, bands.back().level);
}

// ---- The bodies ----

Texture SunMap() {
    return PaintMap(128, [](double lat, double lon) {
        const double n = Noise(At(lat, lon), 12, 3);
        if (n > 0.62) return Unlit(kBrightYellow, 0);
        return Unlit(kYellow, n < 0.4 ? 1 : 0);
    });
}

Texture MoonMap() {
    // The maria of the near side (centred on longitude 0) and two rayed craters.
    const std::vector<Spot> maria = {
        {33, -16, 15}, {28, 17, 9},   {8, 31, 11},   {17, 59, 6}, {-8, 51, 8},  {-21, -17, 9},
        {18, -57, 17}, {-2, -38, 12}, {56, 0, 5},    {56, 20, 5}, {-15, 35, 5}, {-24, -39, 5},
        {13, 4, 4},    {-10, -23, 6}, {30, -40, 10}, {0, 15, 6},
    };
    const std::vector<Spot> rayed = {{-43, -11, 2.5}, {10, -20, 2}};
    const std::vector<Spot> craters = Craters(11, 90, 9);
    return PaintMap(128, [&](double lat, double lon) {
        const Direction d = At(lat, lon);
        for (const Spot& r : rayed) {
            const double apart = Apart(d, At(r.lat, r.lon));
            if (apart < r.radius) return Lit(kWhite, 0);
            // Faint rays: bright streaks around the crater.
            if (apart < 25 && Noise(d, 20, 13, 1) > 0.78) return Lit(kWhite, 1);
        }
        if (InSpots(maria, d, 12) > 0) return Lit(kGrey, int32_t(Noise(d, 8, 14) * 2));
        return Lit(kWhite, 2 - CraterShade(craters, d) + int32_t(Noise(d, 6, 15) * 2));
    });
}

Texture MarsMap() {
    const std::vector<Spot> dark = {
        {10, 70, 14},   {45, -30, 14}, {-25, -40, 16}, {-5, 0, 8},     {-20, 145, 14},
        {-15, 110, 14}, {-30, 20, 10}, {20, 95, 8},    {-50, -80, 12}, {35, 50, 8},
    };
    return PaintMap(128, [&](double lat, double lon) {
        const Direction d = At(lat, lon);
        const double capEdge = (lat > 0 ? 68 : -70) + (Noise(d, 6, 21) - 0.5) * 8;
        if ((lat > 0 && lat > capEdge) || (lat < 0 && lat < capEdge)) return Lit(kWhite, 0);
        const double shade = Noise(d, 4, 22);
        // The dark regions, their edges frayed by noise.
        if (InSpots(dark, d, 23) + (Noise(d, 5, 24) - 0.5) * 0.8 > 0.15)
            return Lit(kRust, 3 + int32_t(shade * 2));
        return Lit(shade > 0.55 ? kOrange : kRust, shade > 0.55 ? 1 : 0);
    });
}

Texture JupiterMap() {
    const std::vector<Band> bands = {
        {70, kTan, 3},  {45, kTan, 2},   {33, kTan, 0},   {24, kRust, 2}, {18, kWhite, 1},
        {8, kRust, 2},  {-6, kWhite, 0}, {-18, kRust, 1}, {-28, kTan, 0}, {-38, kRust, 3},
        {-48, kTan, 1}, {-70, kTan, 2},  {-90, kTan, 3},
    };
    return PaintMap(256, [&](double lat, double lon) {
        const Direction d = At(lat, lon);
        // The Great Red Spot: an oval in the southern belt's edge.
        const double dx = (lon - 60) / 13, dy = (lat + 22) / 6;
        const double oval = dx * dx + dy * dy;
        if (oval < 0.6) return Lit(kRed, 2);
        if (oval < 1.0) return Lit(kOrange, 1);
        return BandAt(bands, lat, d, 31, 3);
    });
}

Texture IoMap() {
    const std::vector<Spot> vents = Craters(41, 40, 4);
    return PaintMap(128, [&](double lat, double lon) {
        const Direction d = At(lat, lon);
        for (const Spot& v : vents) {
            const double r = Apart(d, At(v.lat, v.lon)) / v.radius;
            if (r < 0.4) return Lit(kPurpleGrey, 2);
            if (r < 1.0) return Lit(v.lon > 0 ? kOrange : kRed, 1);
        }
        const double n = Noise(d, 4, 42);
        if (std::abs(lat) > 60) return Lit(kTan, 2);
        return n > 0.58 ? Lit(kBrightYellow, 0) : n > 0.45 ? Lit(kYellow, 0) : Lit(kOrange, 0);
    });
}

Texture EuropaMap() {
    return PaintMap(128, [](double lat, double lon) {
        const Direction d = At(lat, lon);
        // Long thin cracks: where smooth noise crosses its middle value.
        if (std::abs(Noise(d, 3, 51, 1) - 0.5) < 0.012 || std::abs(Noise(d, 4, 53, 1) - 0.5) < 0.01)
            return Lit(kRust, 2);
        return Noise(d, 3, 52) > 0.68 ? Lit(kTan, 0) : Lit(kWhite, int32_t(Noise(d, 6, 54) * 2));
    });
}

Texture SaturnMap() {
    const std::vector<Band> bands = {
        {75, kTan, 3},    {55, kTan, 2},  {40, kTan, 1},    {25, kWhite, 2}, {12, kTan, 0},
        {-12, kWhite, 1}, {-25, kTan, 0}, {-40, kWhite, 2}, {-55, kTan, 1},  {-90, kTan, 2},
    };
    return PaintMap(
        128, [&](double lat, double lon) { return BandAt(bands, lat, At(lat, lon), 61, 2); });
}

Texture TitanMap() {
    return PaintMap(64, [](double lat, double lon) {
        const double n = Noise(At(lat, lon), 3, 71);
        if (lat > 60) return Lit(kTan, 2);
        return Lit(kOrange, n > 0.5 ? 1 : 2);
    });
}

Texture IcyGiantMap(int32_t hue, int32_t level, uint32_t seed, bool darkSpot) {
    return PaintMap(128, [=](double lat, double lon) {
        const Direction d = At(lat, lon);
        if (darkSpot) {
            const double dx = (lon + 40) / 14, dy = (lat + 22) / 7;
            if (dx * dx + dy * dy < 1) return Lit(kSlate, 4);
            if (std::abs(lat + 10) < 2 && std::abs(lon + 20) < 25) return Lit(kWhite, 0);
        }
        // Faint bands.
        const int32_t band =
            int32_t(std::lround(std::sin(lat * 6 * kDegToRad) + (Noise(d, 6, seed) - 0.5)));
        return Lit(hue, level + (band > 0 ? 1 : 0));
    });
}

Texture TritonMap() {
    const std::vector<Spot> spots = Craters(81, 30, 6);
    return PaintMap(64, [&](double lat, double lon) {
        const Direction d = At(lat, lon);
        if (lat < -20 + (Noise(d, 5, 82) - 0.5) * 10) return Lit(kTan, 1);
        return InSpots(spots, d, 83) > 0.5 ? Lit(kGrey, 1) : Lit(kWhite, 2);
    });
}

Texture PlutoMap() {
    // The bright heart of the encounter hemisphere and the dark equatorial belt.
    const std::vector<Spot> heart = {{15, 170, 22}, {-5, 185, 14}};
    return PaintMap(128, [&](double lat, double lon) {
        const Direction d = At(lat, lon);
        if (InSpots(heart, d, 91) > 0) return Lit(kWhite, 1);
        if (std::abs(lat + 5) < 15 && Noise(d, 4, 92) > 0.45) return Lit(kRust, 4);
        return Lit(kTan, 1 + int32_t(Noise(d, 5, 93) * 3));
    });
}

Texture CharonMap() {
    const std::vector<Spot> craters = Craters(101, 40, 7);
    return PaintMap(64, [&](double lat, double lon) {
        const Direction d = At(lat, lon);
        if (lat > 65 + (Noise(d, 5, 102) - 0.5) * 10) return Lit(kRust, 4);  // the dark red cap
        return Lit(kTan, 2 - CraterShade(craters, d) + (Noise(d, 4, 103) > 0.5 ? 1 : 0));
    });
}

Texture VenusMap() {
    return PaintMap(128, [](double lat, double lon) {
        const Direction d = At(lat, lon);
        // Cloud streaks slanting from the equator towards the poles.
        const double swirl = Noise(At(lat, lon + std::abs(lat) * 1.5), 4, 111, 3);
        if (d.y > 0.9 || d.y < -0.9) return Lit(kWhite, 1);
        return swirl > 0.6 ? Lit(kYellow, 0) : swirl < 0.38 ? Lit(kTan, 0) : Lit(kWhite, 1);
    });
}

struct Recipe {
    const char* name;
    int32_t radius;    // file units
    int32_t colour;    // the sphere's colour when drawn as a plain disc
    Texture (*map)();  // the painted texture; null for the Earth's, read from data/
};

Texture Mercury() { return CrateredMap(128, kWhite, 4, 1, 120); }
Texture Phobos() { return CrateredMap(64, kGrey, 1, 6, 25); }
Texture Deimos() { return CrateredMap(64, kGrey, 0, 7, 20); }
Texture Ganymede() { return CrateredMap(128, kWhite, 5, 11, 70); }
Texture Callisto() { return CrateredMap(128, kGrey, 1, 12, 120); }
Texture Tethys() { return CrateredMap(64, kWhite, 2, 14, 40); }
Texture Dione() { return CrateredMap(64, kWhite, 2, 15, 40); }
Texture Rhea() { return CrateredMap(64, kWhite, 2, 16, 50); }
Texture Uranus() { return IcyGiantMap(kPaleTeal, 0, 18, false); }
Texture Neptune() { return IcyGiantMap(kBlue, 1, 19, true); }

// In body-table order.
const Recipe kRecipes[] = {
    {"Sun", 600, 5, SunMap},          {"Mercury", 420, 9, Mercury},
    {"Venus", 580, 5, VenusMap},      {"Earth", 600, 4, nullptr},
    {"Moon", 400, 9, MoonMap},        {"Mars", 500, 14, MarsMap},
    {"Phobos", 200, 9, Phobos},       {"Deimos", 160, 9, Deimos},
    {"Jupiter", 600, 17, JupiterMap}, {"Io", 300, 5, IoMap},
    {"Europa", 280, 1, EuropaMap},    {"Ganymede", 340, 9, Ganymede},
    {"Callisto", 320, 9, Callisto},   {"Saturn", 520, 17, SaturnMap},
    {"Tethys", 200, 1, Tethys},       {"Dione", 210, 1, Dione},
    {"Rhea", 240, 1, Rhea},           {"Titan", 340, 18, TitanMap},
    {"Uranus", 560, 10, Uranus},      {"Neptune", 550, 4, Neptune},
    {"Triton", 260, 1, TritonMap},    {"Pluto", 320, 17, PlutoMap},
    {"Charon", 220, 17, CharonMap},
};

const Recipe* FindRecipe(const std::string& name) {
    for (const Recipe& r : kRecipes)
        if (name == r.name) return &r;
    return nullptr;
}

bool ReadEarthMap(const std::string& dataDir, Texture& texture, std::string& error) {
    const std::string path = JoinPath(dataDir, "earth_texture.pgm");
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes, error)) return false;
    if (!ReadTexturePgm(bytes, texture, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

// Saturn's rings: the C, B and A rings (the Cassini division between B and
// A) in the equator's plane, twelve sectors of three flat quadrilaterals per
// ring, each sector a part of its own so that the near half is drawn over
// the globe and the far half behind it. Both faces of every piece are kept.
void AddRings(ModelBuilder& model, int32_t radius) {
    struct Ring {
        double inner, outer;  // in globe radii
        int32_t colour;
    };
    const Ring rings[] = {
        {1.24, 1.52, ModelColour(5, kGrey)},
        {1.53, 1.95, ModelColour(1, kTan)},
        {2.03, 2.27, ModelColour(3, kTan)},
    };
    constexpr int kSectors = 12, kPieces = 3;
    constexpr double kStep = 360.0 / (kSectors * kPieces);
    for (int sector = 0; sector < kSectors; ++sector) {
        const double middle = (sector + 0.5) * kPieces * kStep * kDegToRad;
        const double reach = 1.75 * radius;
        model.BeginPart({int32_t(std::lround(reach * std::sin(middle))), 0,
                         int32_t(std::lround(-reach * std::cos(middle)))});
        for (int piece = 0; piece < kPieces; ++piece) {
            const double a0 = (sector * kPieces + piece) * kStep * kDegToRad, a1 = a0 + kStep * kDegToRad;
            auto point = [radius](double r, double a) {
                return Vertex{int32_t(std::lround(r * radius * std::sin(a))), 0,
                              int32_t(std::lround(-r * radius * std::cos(a)))};
            };
            for (const Ring& ring : rings) {
                const std::vector<Vertex> quad = {point(ring.inner, a0), point(ring.outer, a0),
                                                  point(ring.outer, a1), point(ring.inner, a1)};
                model.AddPolygon(quad, {0, -128, 0}, ring.colour);
                model.AddPolygon({quad.rbegin(), quad.rend()}, {0, 128, 0}, ring.colour);
            }
        }
    }
}

}  // namespace

std::vector<std::string> BodyModelNames() {
    std::vector<std::string> names;
    for (const Recipe& r : kRecipes) names.push_back(r.name);
    return names;
}

int32_t BodyModelRadius(const std::string& name) {
    const Recipe* r = FindRecipe(name);
    return r ? r->radius : 0;
}

bool MakeBodyModel(const std::string& name, const std::string& dataDir, std::vector<uint8_t>& out,
                   std::string& error) {
    const Recipe* recipe = FindRecipe(name);
    if (!recipe) {
        error = "no model is made for '" + name + "'";
        return false;
    }
    Texture map;
    if (recipe->map) {
        map = recipe->map();
    } else if (!ReadEarthMap(dataDir, map, error)) {
        return false;
    }
    ModelBuilder model;
    const bool ringed = name == "Saturn";
    if (ringed) model.BeginPart({0, 0, 0});
    // The north pole (row 0) along -y: the last row's pole along +y.
    model.AddSphere(recipe->radius, map, recipe->colour, {0, 0, 0}, +1);
    if (ringed) AddRings(model, recipe->radius);
    return model.Write(out, error);
}

bool MakeBodyModels(const std::string& dataDir, std::vector<BodyModel>& out, std::string& error) {
    out.clear();
    for (const Recipe& r : kRecipes) {
        BodyModel m{r.name, {}};
        if (!MakeBodyModel(r.name, dataDir, m.bytes, error)) return false;
        out.push_back(std::move(m));
    }
    return true;
}

bool ReadTexturePgm(std::span<const uint8_t> bytes, Texture& texture, std::string& error) {
    size_t at = 0;
    // The next whitespace-separated number of the header (no comments).
    auto number = [&](int64_t& value) {
        while (at < bytes.size() && std::isspace(bytes[at])) ++at;
        const size_t start = at;
        value = 0;
        while (at < bytes.size() && std::isdigit(bytes[at]) && at - start < 6)
            value = value * 10 + (bytes[at++] - '0');
        return at > start && (at == bytes.size() || !std::isdigit(bytes[at]));
    };
    int64_t width = 0, height = 0, maxval = 0;
    if (bytes.size() < 2 || bytes[0] != 'P' || bytes[1] != '5') {
        error = "not a binary greymap (P5)";
        return false;
    }
    at = 2;
    if (!number(width) || !number(height) || !number(maxval) || at >= bytes.size() ||
        !std::isspace(bytes[at])) {
        error = "the greymap's header is malformed";
        return false;
    }
    ++at;  // the single whitespace before the texels
    if (maxval != 255 || width < 2 || width > 4096 || width != 2 * height) {
        error = "a texture is 255-valued and twice as wide as high, 2 to 4096 wide";
        return false;
    }
    const size_t count = size_t(width) * size_t(height);
    if (bytes.size() - at < count) {
        error = "the greymap ends before its last texel";
        return false;
    }
    texture.width = int32_t(width);
    texture.height = int32_t(height);
    texture.texels.assign(bytes.begin() + at, bytes.begin() + at + count);
    return true;
}
