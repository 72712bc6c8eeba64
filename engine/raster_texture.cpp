#include "engine/raster_texture.h"

#include <algorithm>
#include <cstddef>

#include "engine/light_band.h"
#include "engine/outline.h"
#include "engine/raster_fill.h"
#include "engine/two_end_step.h"

namespace {

using Wide = __int128;

constexpr int32_t kNearTextureDepth = 30000;            // below this tz points stay in model units
constexpr int64_t kTermLimit = int64_t{1} << 40;        // Cramer terms are kept below this
constexpr int64_t kCoordinateLimit = int64_t{1} << 40;  // texture coordinates, 1/16 texel

enum class Lighting { Band, PerPixel, None };

// log2 of the largest power of two not above n (n >= 1).
int32_t PowerBelow(int32_t n) {
    int32_t k = 0;
    while ((int64_t{2} << k) <= n) ++k;
    return k;
}

struct Vec3l {
    int64_t x, y, z;
};

// What stays the same over the whole face.
struct Plane {
    Vec3l O, U, V;  // origin and axes of the texture in camera space
    int64_t F;
    int64_t scaleU, scaleV;  // a and b to texture coordinates in 1/16 texel
    int32_t widthMask, heightMask, rowShift;
};

// Scales a row of the system down (by a common power of two) until every
// term lies below kTermLimit; its solution stays the same.
void Reduce(Wide& a, Wide& b, Wide& c) {
    auto magnitude = [](Wide v) { return v < 0 ? -v : v; };
    while (magnitude(a) >= kTermLimit || magnitude(b) >= kTermLimit || magnitude(c) >= kTermLimit) {
        a >>= 1;
        b >>= 1;
        c >>= 1;
    }
}

// num * scale / det kept within the coordinate limits; in 64 bits when the
// values allow it (they nearly always do, and a wide division is slow).
int64_t ScaledQuotient(Wide num, int64_t scale, Wide det) {
    constexpr Wide kNarrow = Wide{1} << 62;
    const Wide product = num * scale;
    Wide q;
    if (product > -kNarrow && product < kNarrow && det > -kNarrow && det < kNarrow) {
        q = static_cast<int64_t>(product) / static_cast<int64_t>(det);
    } else {
        q = product / det;
    }
    return static_cast<int64_t>(std::clamp<Wide>(q, -kCoordinateLimit, kCoordinateLimit));
}

// The terms of the row's second equation: a B1 + b B2 = B3 for screen row Y.
struct RowTerms {
    Wide b1, b2, b3;
};

RowTerms TermsForRow(const Plane& p, int64_t Y) {
    return RowTerms{Wide{p.U.z} * Y - Wide{p.F} * p.U.y, Wide{p.V.z} * Y - Wide{p.F} * p.V.y,
                    Wide{p.F} * p.O.y - Wide{p.O.z} * Y};
}

// Solves O + a U + b V = t (X, Y, F) for the pixel at X (relative to the
// optical axis) and gives the texture coordinates u, v; false when the
// determinant is 0 (the ray runs along the plane).
bool SolveAt(const Plane& p, RowTerms row, int64_t X, int64_t& u, int64_t& v) {
    Wide a1 = Wide{p.U.z} * X - Wide{p.F} * p.U.x;
    Wide a2 = Wide{p.V.z} * X - Wide{p.F} * p.V.x;
    Wide a3 = Wide{p.F} * p.O.x - Wide{p.O.z} * X;
    Reduce(a1, a2, a3);
    Reduce(row.b1, row.b2, row.b3);
    const Wide det = a1 * row.b2 - a2 * row.b1;
    if (det == 0) return false;
    u = ScaledQuotient(a3 * row.b2 - a2 * row.b3, p.scaleU, det);
    v = ScaledQuotient(a1 * row.b3 - a3 * row.b1, p.scaleV, det);
    return true;
}

Plane MakePlane(const Surface& s, const TextureMapping& m, const TextureImage& image) {
    Vec3l points[3];
    for (int k = 0; k < 3; ++k) {
        const Vec3i& q = m.Points[k];
        if (m.T.z < kNearTextureDepth) {  // model units: T << 4
            points[k] = {q.x + (int64_t{m.T.x} << 4), q.y + (int64_t{m.T.y} << 4),
                         q.z + (int64_t{m.T.z} << 4)};
        } else {  // file units, so the products stay small
            points[k] = {m.T.x + (int64_t{q.x} >> 4), m.T.y + (int64_t{q.y} >> 4),
                         m.T.z + (int64_t{q.z} >> 4)};
        }
    }
    Plane p;
    p.O = points[0];
    p.U = {points[1].x - p.O.x, points[1].y - p.O.y, points[1].z - p.O.z};
    p.V = {points[2].x - p.O.x, points[2].y - p.O.y, points[2].z - p.O.z};
    p.F = std::max(s.FocalLength, 1);
    // The face's own size scales the mapping; the image's bounds the reads.
    const int32_t width = m.Width > 0 ? m.Width : image.Width;
    const int32_t height = m.Height > 0 ? m.Height : image.Height;
    p.scaleU = int64_t{std::max(m.TileU, 1)} * width * 16;
    p.scaleV = int64_t{std::max(m.TileV, 1)} * height * 16;
    p.rowShift = PowerBelow(std::min(width, image.Width));
    p.widthMask = (1 << p.rowShift) - 1;
    p.heightMask = (1 << PowerBelow(std::min(height, image.Height))) - 1;
    return p;
}

// The light value at column x of a row whose ends carry lightLeft at left
// and lightRight at right (right > left).
int64_t LightAt(int64_t x, int64_t left, int64_t right, int64_t lightLeft, int64_t lightRight) {
    return lightLeft + (lightRight - lightLeft) * (x - left) / (right - left);
}

template <Lighting lighting>
int32_t MapTexture(Surface& s, const TextureMapping& m, int32_t band, const TextureImage& image) {
    if (!s.RowBase || !s.EdgeTable) return 1;
    const Plane p = MakePlane(s, m, image);
    const uint8_t* texels = image.Pixels;
    const OutlineRows rows = DirtyRows(s);
    for (int32_t y = rows.First; y <= rows.Last; ++y) {
        int32_t left, right;
        if (!ClippedSpan(s, y, left, right)) continue;
        const EdgePair& e = s.EdgeTable[y];
        uint8_t* row = s.RowBase + static_cast<ptrdiff_t>(y) * s.RowStep;
        const EdgePair& light = s.ShadeEdgeTable[y];
        const RowTerms terms = TermsForRow(p, int64_t{y} - s.CentreY);

        int64_t u0, v0, u1, v1;
        if (!SolveAt(p, terms, int64_t{left} - s.CentreX, u0, v0)) return 0;
        for (int32_t x0 = left;;) {
            const int32_t x1 = std::min(x0 + RunLength, right);
            if (!SolveAt(p, terms, int64_t{x1} - s.CentreX, u1, v1)) return 0;
            // Each run ends where the next begins; the last one takes its end too.
            const int32_t lastWritten = x1 == right ? x1 : x1 - 1;
            TwoEndStep u, v, shade;
            u.Init(u0, u1, x1 - x0);
            v.Init(v0, v1, x1 - x0);
            if constexpr (lighting == Lighting::PerPixel) {
                shade.Init(LightAt(x0, e.Left, e.Right, light.Left, light.Right),
                           LightAt(x1, e.Left, e.Right, light.Left, light.Right), x1 - x0);
            }
            WalkBothEnds(
                x0, x1,
                [&](int32_t x, bool front) {
                    if (x > lastWritten) return;
                    const int64_t tu = front ? u.Front : u.Back, tv = front ? v.Front : v.Back;
                    const uint8_t texel = texels[((tu >> 4) & p.widthMask) +
                                                 (((tv >> 4) & p.heightMask) << p.rowShift)];
                    if (texel == kColourNoPolygon) return;  // transparent
                    if (texel >= kFirstUnlitTexel) {
                        row[x] = texel;
                    } else if constexpr (lighting == Lighting::Band) {
                        row[x] = LitColour(band, texel);
                    } else if constexpr (lighting == Lighting::PerPixel) {
                        row[x] = LitColour(LightBand(front ? shade.Front : shade.Back), texel);
                    } else {
                        row[x] = static_cast<uint8_t>(texel + kFirstShadeIndex);
                    }
                },
                [&] {
                    u.Step();
                    v.Step();
                    if constexpr (lighting == Lighting::PerPixel) shade.Step();
                });
            if (x1 == right) break;
            x0 = x1;
            u0 = u1;
            v0 = v1;
        }
    }
    return 1;
}

}  // namespace

int32_t TextureShaded(Surface& s, const TextureMapping& m, int32_t band, int32_t colour,
                      const TextureImage& image) {
    if (!image.Usable()) {
        FillFlat(s, FlatIndex(colour, band));
        return 1;
    }
    return MapTexture<Lighting::Band>(s, m, band, image);
}

int32_t TextureGouraud(Surface& s, const TextureMapping& m, int32_t colour,
                       const TextureImage& image) {
    if (!image.Usable()) {
        FillGouraud(s, colour);
        return 1;
    }
    return MapTexture<Lighting::PerPixel>(s, m, 0, image);
}

int32_t TextureUnlit(Surface& s, const TextureMapping& m, int32_t index,
                     const TextureImage& image) {
    if (!image.Usable()) {
        FillFlat(s, static_cast<uint8_t>(index));
        return 1;
    }
    return MapTexture<Lighting::None>(s, m, 0, image);
}
