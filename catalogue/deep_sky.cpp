#include "catalogue/deep_sky.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>

#include "astro/angles.h"
#include "astro/reference_lines.h"
#include "framework/archive.h"
#include "framework/file.h"

namespace {
constexpr char kMagic[8] = {'L', 'U', 'M', 'O', '-', 'D', 'S', 'K'};
constexpr uint32_t kVersion = 1;
// Smallest records: three empty strings, a kind and five floats; a level,
// a count and three points.
constexpr size_t kMinObjectBytes = 3 + 1 + 5 * 4;
constexpr size_t kMinRingBytes = 1 + 4 + 3 * 8;
constexpr size_t kPointBytes = 8;
constexpr float kLargestSizeArcmin = 360 * 60;

struct KindInfo {
    const char* code;
    const char* words;
    DeepSkySymbol symbol;
};
constexpr KindInfo kKinds[] = {
    {"gg", "Galaxy cluster", DeepSkySymbol::Galaxy},
    {"g", "Galaxy", DeepSkySymbol::Galaxy},
    {"s", "Spiral galaxy", DeepSkySymbol::Galaxy},
    {"s0", "Lenticular galaxy", DeepSkySymbol::Galaxy},
    {"sd", "Dwarf spheroidal galaxy", DeepSkySymbol::Galaxy},
    {"i", "Irregular galaxy", DeepSkySymbol::Galaxy},
    {"e", "Elliptical galaxy", DeepSkySymbol::Galaxy},
    {"oc", "Open cluster", DeepSkySymbol::OpenCluster},
    {"gc", "Globular cluster", DeepSkySymbol::GlobularCluster},
    {"bn", "Bright nebula", DeepSkySymbol::Nebula},
    {"sfr", "Star-forming region", DeepSkySymbol::Nebula},
    {"rn", "Reflection nebula", DeepSkySymbol::Nebula},
    {"en", "Emission nebula", DeepSkySymbol::Nebula},
    {"pn", "Planetary nebula", DeepSkySymbol::PlanetaryNebula},
    {"snr", "Supernova remnant", DeepSkySymbol::Nebula},
    {"", "Other", DeepSkySymbol::Other},
};
static_assert(std::size(kKinds) == static_cast<size_t>(DeepSkyKind::Count));

const KindInfo& InfoOf(DeepSkyKind kind) {
    const auto i = static_cast<size_t>(kind);
    return kKinds[i < std::size(kKinds) ? i : std::size(kKinds) - 1];
}

bool Finite(float v) { return std::isfinite(v); }

bool ValidAngles(float ra, float dec) {
    return Finite(ra) && Finite(dec) && ra >= -2 * kPi && ra <= 2 * kPi && dec >= -kPi / 2 - 1e-6 &&
           dec <= kPi / 2 + 1e-6;
}

void ReadObject(CArchive& ar, DeepSkyObject& o) {
    o.designation = ar.ReadString();
    o.other = ar.ReadString();
    o.name = ar.ReadString();
    const uint8_t kind = ar.ReadU8();
    o.magnitude = ar.ReadF32();
    o.majorArcmin = ar.ReadF32();
    o.minorArcmin = ar.ReadF32();
    const float ra = ar.ReadF32(), dec = ar.ReadF32();
    if (ar.Failed()) return;
    if (kind >= static_cast<uint8_t>(DeepSkyKind::Count))
        return ar.Fail("unknown object type " + std::to_string(kind));
    o.kind = static_cast<DeepSkyKind>(kind);
    if (o.designation.empty()) return ar.Fail("object without a designation");
    if (o.HasMagnitude() && !(o.magnitude > -30 && o.magnitude < 40))
        return ar.Fail("magnitude out of range for " + o.designation);
    if (!(o.majorArcmin >= 0 && o.majorArcmin <= kLargestSizeArcmin && o.minorArcmin >= 0 &&
          o.minorArcmin <= o.majorArcmin))
        return ar.Fail("bad size for " + o.designation);
    if (!ValidAngles(ra, dec)) return ar.Fail("bad position for " + o.designation);
    o.pos = DeepSkyPoint(ra, dec);
}

void ReadRing(CArchive& ar, MilkyWayRing& ring) {
    const uint8_t level = ar.ReadU8();
    const uint32_t n = ar.ReadU32();
    if (ar.Failed()) return;
    if (level < 1 || level > kMilkyWayLevels)
        return ar.Fail("Milky Way level " + std::to_string(level) + " out of 1..5");
    if (n < 3) return ar.Fail("Milky Way ring of " + std::to_string(n) + " points");
    if (!ar.CheckCount(n, kPointBytes, "Milky Way points")) return;
    ring.level = level;
    ring.points.resize(n);
    for (auto& p : ring.points) {
        p.ra = ar.ReadF32();
        p.dec = ar.ReadF32();
        if (!ValidAngles(p.ra, p.dec)) return ar.Fail("bad Milky Way point");
    }
}

// The north galactic pole, sky frame (x to 0h, y to the pole, z to 18h).
struct Pole {
    double v[3];
    Pole() {
        const SkyPoint p = DeepSkyPoint(192.85948 * kDegToRad, 27.12825 * kDegToRad);
        v[0] = p.x;
        v[1] = p.y;
        v[2] = p.z;
    }
};
const Pole kPole;

void Cross(const double a[3], const double b[3], double out[3]) {
    out[0] = a[1] * b[2] - a[2] * b[1];
    out[1] = a[2] * b[0] - a[0] * b[2];
    out[2] = a[0] * b[1] - a[1] * b[0];
}

double Dot(const double a[3], const double b[3]) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// The ring's Q15 directions, its edges' great circles, a cap round its
// points (the centre is the mean direction, the radius the largest angle
// from it, a few thousandths of a radian more for the rounding) and what
// lies beyond the cap.
void FinishRing(MilkyWayRing& ring) {
    const size_t n = ring.points.size();
    ring.directions.clear();
    ring.directions.reserve(n);
    std::vector<std::array<double, 3>> pts;
    pts.reserve(n);
    double sum[3] = {0, 0, 0};
    for (const auto& p : ring.points) {
        const SkyPoint s = DeepSkyPoint(p.ra, p.dec);
        ring.directions.push_back({s.X, s.Y, s.Z});
        pts.push_back({s.x, s.y, s.z});
        for (int k = 0; k < 3; ++k) sum[k] += pts.back()[k];
    }
    ring.edgeNormals.resize(3 * n);
    ring.poleSide.resize(n);
    for (size_t i = 0; i < n; ++i) {
        double normal[3];
        Cross(pts[i].data(), pts[(i + 1) % n].data(), normal);
        for (int k = 0; k < 3; ++k) ring.edgeNormals[3 * i + k] = static_cast<float>(normal[k]);
        ring.poleSide[i] = Dot(normal, kPole.v) > 0;
    }
    ring.chunks.clear();
    for (uint32_t first = 0; first < n; first += kRingChunk) {
        MilkyWayRing::Chunk c{};
        c.first = first;
        c.last = static_cast<uint32_t>(std::min<size_t>(first + kRingChunk, n));
        double mean[3] = {0, 0, 0};
        for (uint32_t i = c.first; i <= c.last; ++i)
            for (int k = 0; k < 3; ++k) mean[k] += pts[i % n][k];
        const double ml = std::sqrt(Dot(mean, mean));
        if (ml <= 0) {
            c.centre[0] = 1;
            c.cosRadius = -1;
        } else {
            for (int k = 0; k < 3; ++k) c.centre[k] = mean[k] / ml;
            double lowest = 1;
            for (uint32_t i = c.first; i <= c.last; ++i) lowest = std::min(lowest, Dot(pts[i % n].data(), c.centre));
            const double r = std::min(kPi, std::acos(std::clamp(lowest, -1.0, 1.0)) + 0.005);
            c.cosRadius = std::cos(r);
        }
        c.sinRadius = std::sqrt(std::max(0.0, 1 - c.cosRadius * c.cosRadius));
        ring.chunks.push_back(c);
    }
    ring.capCos = -1;
    ring.insideBeyondCap = false;
    const double len = std::sqrt(Dot(sum, sum));
    if (len < 1e-9 * static_cast<double>(n)) return;
    for (int k = 0; k < 3; ++k) ring.capCentre[k] = sum[k] / len;
    double minCos = 1;
    for (const auto& p : pts) minCos = std::min(minCos, Dot(p.data(), ring.capCentre));
    const double radius = std::acos(std::clamp(minCos, -1.0, 1.0)) + 0.005;
    if (radius >= kPi / 2) return;
    ring.capCos = std::cos(radius);
    const double beyond[3] = {-ring.capCentre[0], -ring.capCentre[1], -ring.capCentre[2]};
    ring.insideBeyondCap = InsideRing(ring, beyond);
}
}  // namespace

bool InsideRing(const MilkyWayRing& ring, const double v[3]) {
    const size_t n = ring.directions.size();
    if (n < 3 || ring.edgeNormals.size() != 3 * n || ring.poleSide.size() != n) return false;
    // The plane of the arc from the pole to v: an edge crosses the arc when
    // its ends lie on either side of that plane, v and the pole on either
    // side of the edge's plane, and the crossing is on the near side.
    double m[3];
    Cross(kPole.v, v, m);
    const double mid[3] = {kPole.v[0] + v[0], kPole.v[1] + v[1], kPole.v[2] + v[2]};
    auto dir = [&ring](size_t i, double out[3]) {
        const SkyDirQ15& d = ring.directions[i];
        out[0] = d.x;
        out[1] = d.y;
        out[2] = d.z;
    };
    auto crosses = [&](size_t i) {
        const float* e = &ring.edgeNormals[3 * i];
        const bool side = e[0] * v[0] + e[1] * v[1] + e[2] * v[2] > 0;
        if (side == (ring.poleSide[i] != 0)) return false;
        double a[3], b[3];
        dir(i, a);
        dir((i + 1) % n, b);
        const double sa = Dot(m, a), sb = Dot(m, b);
        if ((sa > 0) == (sb > 0)) return false;
        double normal[3] = {e[0], e[1], e[2]}, x[3];
        Cross(m, normal, x);
        const double ab[3] = {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
        return Dot(x, mid) * Dot(x, ab) > 0;
    };
    bool inside = false;
    if (!RunsCoverRing(ring)) {
        for (size_t i = 0; i < n; ++i) inside ^= crosses(i);
        return inside;
    }
    // A run whose cap (under 90 degrees) lies wholly on one side of the
    // arc's plane has every end there: none of its edges crosses the arc.
    const double mLength = std::sqrt(Dot(m, m));
    for (const MilkyWayRing::Chunk& k : ring.chunks) {
        if (k.cosRadius > 0 && std::fabs(Dot(m, k.centre)) > mLength * k.sinRadius) continue;
        for (size_t i = k.first; i < k.last; ++i) inside ^= crosses(i);
    }
    return inside;
}

bool RunsCoverRing(const MilkyWayRing& ring) {
    const auto& runs = ring.chunks;
    if (runs.empty() || runs.front().first != 0 || runs.back().last != ring.directions.size()) return false;
    for (size_t k = 1; k < runs.size(); ++k)
        if (runs[k].first != runs[k - 1].last) return false;
    return true;
}

DeepSkySymbol SymbolOf(DeepSkyKind kind) { return InfoOf(kind).symbol; }
const char* KindInWords(DeepSkyKind kind) { return InfoOf(kind).words; }

DeepSkyKind KindOfCode(std::string_view code) {
    for (size_t i = 0; i + 1 < std::size(kKinds); ++i)
        if (code == kKinds[i].code) return static_cast<DeepSkyKind>(i);
    return DeepSkyKind::Other;
}

SkyPoint DeepSkyPoint(double raRadians, double decRadians) {
    SkyPoint p;
    p.a = static_cast<float>(raRadians);
    p.b = static_cast<float>(decRadians);
    MakeSkyPoint(p, 1.0);
    return p;
}

void CDeepSky::Finish() {
    std::stable_sort(objects.begin(), objects.end(), [](const DeepSkyObject& a, const DeepSkyObject& b) {
        if (a.HasMagnitude() != b.HasMagnitude()) return a.HasMagnitude();
        return a.HasMagnitude() && a.magnitude < b.magnitude;
    });
    std::stable_sort(rings.begin(), rings.end(),
                     [](const MilkyWayRing& a, const MilkyWayRing& b) { return a.level < b.level; });
    for (MilkyWayRing& ring : rings) FinishRing(ring);
}

bool CDeepSky::LoadFrom(std::span<const uint8_t> bytes, std::string& error) {
    objects.clear();
    rings.clear();
    CArchive ar(bytes);
    char magic[sizeof kMagic];
    if (!ar.ReadBytes(magic, sizeof magic) || std::memcmp(magic, kMagic, sizeof kMagic) != 0) {
        error = "not a deep-sky file";
        return false;
    }
    const uint32_t version = ar.ReadU32();
    if (!ar.Failed() && version != kVersion) ar.Fail("deep-sky file version " + std::to_string(version));
    CDeepSky read;
    uint32_t n = ar.ReadU32();
    if (!ar.Failed() && ar.CheckCount(n, kMinObjectBytes, "objects")) {
        read.objects.resize(n);
        for (auto& o : read.objects) {
            ReadObject(ar, o);
            if (ar.Failed()) break;
        }
    }
    n = ar.ReadU32();
    if (!ar.Failed() && ar.CheckCount(n, kMinRingBytes, "Milky Way rings")) {
        read.rings.resize(n);
        for (auto& r : read.rings) {
            ReadRing(ar, r);
            if (ar.Failed()) break;
        }
    }
    if (!ar.Failed() && ar.Remaining() != 0)
        ar.Fail(std::to_string(ar.Remaining()) + " bytes after the end of the data");
    if (ar.Failed()) {
        error = ar.Error();
        return false;
    }
    objects = std::move(read.objects);
    rings = std::move(read.rings);
    Finish();
    return true;
}

bool CDeepSky::LoadFile(const std::string& path, std::string& error) {
    std::vector<uint8_t> bytes;
    std::string why;
    if (!ReadWholeFile(path, bytes, why)) {
        error = path + ": " + why;
        return false;
    }
    if (!LoadFrom(bytes, why)) {
        error = path + " is damaged: " + why;
        return false;
    }
    return true;
}

std::vector<uint8_t> CDeepSky::StoreToBytes() const {
    CArchive ar;
    ar.WriteBytes(kMagic, sizeof kMagic);
    ar.WriteU32(kVersion);
    ar.WriteU32(static_cast<uint32_t>(objects.size()));
    for (const DeepSkyObject& o : objects) {
        ar.WriteString(o.designation);
        ar.WriteString(o.other);
        ar.WriteString(o.name);
        ar.WriteU8(static_cast<uint8_t>(o.kind));
        ar.WriteF32(o.magnitude);
        ar.WriteF32(o.majorArcmin);
        ar.WriteF32(o.minorArcmin);
        ar.WriteF32(o.pos.a);
        ar.WriteF32(o.pos.b);
    }
    ar.WriteU32(static_cast<uint32_t>(rings.size()));
    for (const MilkyWayRing& r : rings) {
        ar.WriteU8(static_cast<uint8_t>(r.level));
        ar.WriteU32(static_cast<uint32_t>(r.points.size()));
        for (const auto& p : r.points) {
            ar.WriteF32(p.ra);
            ar.WriteF32(p.dec);
        }
    }
    return ar.Buffer();
}
