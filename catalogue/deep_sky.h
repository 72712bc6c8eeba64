#pragma once
// The deep sky: galaxies, clusters and nebulae, and the Milky Way as nested
// rings of five brightness levels. Read-only data of its own, deepsky.dat
// beside stars.db, made at build time by lumo-mkdeepsky and read at start-up
// (a missing or damaged file means no deep sky and no Milky Way).
//
// deepsky.dat, in the archive's little-endian scalars and archived strings:
//   8 bytes "LUMO-DSK", u32 version (1),
//   u32 object count, then per object: designation, other designation and
//     common name (archived strings), u8 kind (DeepSkyKind), f32 magnitude
//     (NaN when it has none), f32 major and f32 minor size (arcminutes),
//     f32 right ascension and f32 declination (radians, J2000),
//   u32 ring count, then per ring: u8 level (1 faintest .. 5 brightest),
//     u32 point count (3 or more), and per point f32 right ascension and f32
//     declination (radians, J2000),
//   and nothing after. A ring's inside is its side away from the north
//   galactic pole (J2000 right ascension 192.85948, declination +27.12825
//   degrees), which lies outside every level; a level is the part of the
//   sky inside an odd number of its rings.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "astro/sky_point.h"

// Object types of the source catalogue, in file order.
enum class DeepSkyKind : uint8_t {
    GalaxyCluster, Galaxy, SpiralGalaxy, LenticularGalaxy, DwarfSpheroidalGalaxy,
    IrregularGalaxy, EllipticalGalaxy, OpenCluster, GlobularCluster, BrightNebula,
    StarFormingRegion, ReflectionNebula, EmissionNebula, PlanetaryNebula,
    SupernovaRemnant, Other,
    Count
};

// How a kind is drawn.
enum class DeepSkySymbol { Galaxy, OpenCluster, GlobularCluster, Nebula, PlanetaryNebula, Other };

DeepSkySymbol SymbolOf(DeepSkyKind kind);
// "Spiral galaxy", "Open cluster", ...
const char* KindInWords(DeepSkyKind kind);
// The kind of a source type code ("s", "oc", "bn", ...); Other for any other.
DeepSkyKind KindOfCode(std::string_view code);

struct DeepSkyObject {
    std::string designation;  // "M 31", "NGC 1499"
    std::string other;        // "NGC 224", or empty
    std::string name;         // "Andromeda", or empty
    DeepSkyKind kind = DeepSkyKind::Other;
    float magnitude = 0;      // NaN when the catalogue gives none
    float majorArcmin = 0, minorArcmin = 0;
    SkyPoint pos;             // J2000, radius 1

    bool HasMagnitude() const { return magnitude == magnitude; }
    // The common name when there is one, else the designation.
    const std::string& Label() const { return name.empty() ? designation : name; }
};

// A unit direction of the sky frame in Q15 (32768 = 1).
struct SkyDirQ15 {
    int32_t x, y, z;
};

struct MilkyWayRing {
    int32_t level = 1;                   // 1 faintest .. 5 brightest
    struct Point {
        float ra, dec;  // radians, J2000
    };
    std::vector<Point> points;
    std::vector<SkyDirQ15> directions;   // the points' Q15 directions
    // A cap holding every point: centre (unit vector, sky frame) and the
    // cosine of its angular radius; radius of 90 degrees or more: cosine <= 0.
    double capCentre[3] = {0, 0, 1};
    double capCos = -1;
    // True when the ring's inside holds everything beyond the cap (only
    // meaningful when capCos > 0).
    bool insideBeyondCap = false;
    // Per edge i (point i to point i + 1, the last back to the first): the
    // normal of its great circle (three floats) and which side of it the
    // north galactic pole lies on.
    std::vector<float> edgeNormals;
    std::vector<uint8_t> poleSide;
    // Runs of up to kRingChunk edges, each with a cap holding its points,
    // so that a paint can pass over the runs it cannot see.
    struct Chunk {
        uint32_t first, last;     // point indices; last may equal the point count (point 0)
        double centre[3];         // unit vector, sky frame
        double cosRadius, sinRadius;
    };
    std::vector<Chunk> chunks;
};

constexpr uint32_t kRingChunk = 32;

// True when the direction v (unit vector, sky frame) lies inside the ring:
// the arc from the north galactic pole to v crosses it an odd number of
// times. Passes over the runs whose caps lie off the arc's plane.
bool InsideRing(const MilkyWayRing& ring, const double v[3]);

// True when the ring's runs follow one another from point 0 round to it.
bool RunsCoverRing(const MilkyWayRing& ring);

constexpr int32_t kMilkyWayLevels = 5;

class CDeepSky {
public:
    std::vector<DeepSkyObject> objects;  // brightest first, no magnitude last
    std::vector<MilkyWayRing> rings;     // faintest level first

    // Reads the bytes of a deepsky.dat; on failure this is left empty and
    // error says what was wrong.
    bool LoadFrom(std::span<const uint8_t> bytes, std::string& error);
    // Reads a file; false with a message a user can read when it is missing
    // or damaged.
    bool LoadFile(const std::string& path, std::string& error);
    std::vector<uint8_t> StoreToBytes() const;

    // Orders the objects brightest first and fills the derived ring data
    // (directions and caps). The builder and the reader call it.
    void Finish();
    bool Empty() const { return objects.empty() && rings.empty(); }
};

// The file's name in the program's data folder.
constexpr const char* kDeepSkyFileName = "deepsky.dat";

// A sky point of right ascension and declination (radians) at radius 1.
SkyPoint DeepSkyPoint(double raRadians, double decRadians);
