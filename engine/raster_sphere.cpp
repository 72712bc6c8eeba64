#include "engine/raster_sphere.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <cstring>

#include "engine/light_band.h"
#include "engine/matrix_q15.h"
#include "engine/palette.h"
#include "engine/primitives.h"
#include "engine/render_settings.h"
#include "engine/trig_tables.h"
#include "engine/vector_q15.h"

namespace {

constexpr int64_t kCoordinateLimit = int64_t{1} << 30;
constexpr int32_t kNormalLength = 255;

// Products of a vector component with every normal component -256..255,
// indexed by component + 256.
using ProductTable = std::array<int32_t, 512>;

struct ProductTables {
    ProductTable x, y, z;
    // (component * u) >> shift for u = -256..255; components are limited to
    // 16 bits, far beyond what lights and unit axes hold.
    void Fill(Vec3i v, int shift) {
        auto product = [shift](int32_t c, int32_t u) {
            return (std::clamp(c, -65535, 65535) * u) >> shift;
        };
        for (int32_t u = -256; u < 256; ++u) {
            x[u + 256] = product(v.x, u);
            y[u + 256] = product(v.y, u);
            z[u + 256] = product(v.z, u);
        }
    }
    int32_t Dot(int32_t nx, int32_t ny, int32_t nz) const {
        return x[nx + 256] + y[ny + 256] + z[nz + 256];
    }
};

// The sphere's axes (length 128) and the light, as product tables.
struct SphereFrame {
    ProductTables A, B, C, L;
};
SphereFrame g_frame;

struct Sphere {
    int64_t xc, yc, r;  // centre and radius, pixels
    const TextureImage* image;
};

int32_t Clamp32(int64_t v) {
    return static_cast<int32_t>(std::clamp(v, -kCoordinateLimit, kCoordinateLimit));
}

// Vertex i of a sphere face less its centre (vertex 1).
Vec3i FromCentre(const Face& f, int i) {
    auto d = [&](int c) { return Clamp32(int64_t{f.Vertices[i][c]} - f.Vertices[1][c]); };
    return Vec3i{d(0), d(1), d(2)};
}

// The palette index of the texel that the normal n (length 255, z towards
// the viewer negative) sees.
uint8_t SampleColour(const TextureImage& image, int32_t nx, int32_t ny, int32_t nz) {
    const SphereFrame& f = g_frame;
    const int32_t sA = f.A.Dot(nx, ny, nz), sB = f.B.Dot(nx, ny, nz), sC = f.C.Dot(nx, ny, nz);
    const int32_t sL = f.L.Dot(nx, ny, nz);
    // Latitude: 0 at the pole opposite A, a half turn (16383) at A.
    const int32_t theta = Acos(-128 * std::clamp(sA, -kNormalLength, kNormalLength));
    const int32_t row = static_cast<int32_t>(
        std::min<int64_t>((int64_t{theta} * image.Height) >> 14, image.Height - 1));
    // Longitude: the angle from B about the axis, from its cosine
    // sB / (255 sin theta) and sine |sC| / (255 sin theta), whichever of
    // the two is the smaller and so the more precise.
    int32_t column = 0;
    const int64_t rho = int64_t{kNormalLength} * Sin(theta);  // 255 sin theta, Q15
    if (rho > 0) {
        auto ratio = [rho](int32_t v) {
            return static_cast<int32_t>(
                std::clamp<int64_t>(int64_t{v} * kQ15One * kQ15One / rho, -kQ15One, kQ15One));
        };
        const int32_t absC = std::abs(sC);
        int32_t longitude;  // 0..16383, a half turn
        if (std::abs(sB) <= absC) {
            longitude = Acos(ratio(sB));
        } else {
            const int32_t fromAxis = Asin(ratio(absC));
            longitude = sB > 0 ? fromAxis : 16383 - fromAxis;
        }
        column = static_cast<int32_t>((int64_t{longitude} * image.Width) >>
                                      15);  // a half turn: half the columns
        if (sC < 0) column = image.Width - 1 - column;
    }
    const uint8_t texel = image.Pixels[static_cast<size_t>(row) * image.Width + column];
    if (texel < kFirstUnlitTexel) return LitColour(LightBand(-sL), texel);
    return static_cast<uint8_t>(texel - 199);
}

// One member of the family: samples once per block of columns x rows, the
// block's sample taken at its first pixel, and writes the block whole.
void DrawSphereBlocks(Surface& s, const Sphere& sp, SphereBlock block) {
    const int64_t rowLimit = s.Height - block.Rows, columnLimit = s.Stride - block.Columns;
    const int64_t yEnd = std::min(sp.yc + sp.r, rowLimit),
                  xEnd = std::min(sp.xc + sp.r, columnLimit);
    const int64_t xStart = std::max<int64_t>(sp.xc - sp.r, 0);
    for (int64_t y = std::max<int64_t>(sp.yc - sp.r, 0); y < yEnd; y += block.Rows) {
        const int32_t ny = static_cast<int32_t>(kNormalLength * (y - sp.yc) / sp.r);
        const int32_t ny2 = (ny * ny) >> 8;
        uint8_t* rows = s.RowBase + static_cast<ptrdiff_t>(y) * s.RowStep;
        for (int64_t x = xStart; x < xEnd; x += block.Columns) {
            const int32_t nx = static_cast<int32_t>(kNormalLength * (x - sp.xc) / sp.r);
            const int32_t d = ny2 + ((nx * nx) >> 8);
            if (d >= 256) continue;
            const int32_t nz =
                -(SqrtTable[static_cast<size_t>(std::clamp((255 - d) * 128, 0, 32767))] >> 7);
            const uint8_t colour = SampleColour(*sp.image, nx, ny, nz);
            for (int32_t by = 0; by < block.Rows; ++by)
                std::memset(rows + static_cast<ptrdiff_t>(by) * s.RowStep + x, colour,
                            static_cast<size_t>(block.Columns));
        }
    }
}

}  // namespace

SphereBlock SphereBlockFor(int32_t r) {
    if (r <= 40) return {1, 1};
    if (r <= 60) return {2, 1};
    if (r <= 80) return {2, 2};
    if (r <= 110) return {4, 2};
    if (r <= 150) return {4, 4};
    return {8, 4};
}

void DrawSphere(Surface& s, const Face& face, const MatQ15& M, int32_t tx, int32_t ty, int32_t tz,
                const TextureImage& image) {
    if (!s.RowBase || tz <= 0 || face.VertexCount < 3) return;
    const Vec3i A = MatVec(M, FromCentre(face, 0)), B = MatVec(M, FromCentre(face, 2));
    // The centre in camera space, file units (vertices are in model units, x 16).
    const Vec3i c = MatVec(M, Vec3i{face.Vertices[1][0], face.Vertices[1][1], face.Vertices[1][2]});
    int64_t z1 = int64_t{tz} + (c.z >> 4);
    if (z1 == 0) z1 = 1;
    const int64_t F = s.FocalLength;
    const int64_t sx = F * (int64_t{tx} + (c.x >> 4)) / z1,
                  sy = F * (int64_t{ty} + (c.y >> 4)) / z1;
    const int64_t r = int64_t{face.TexHeight} * F / tz;
    if (r <= 0) return;
    const int32_t xc = Clamp32(s.CentreX + sx), yc = Clamp32(s.CentreY + sy);

    if (DetailMode != kModeNear || r <= 1 || !image.Usable()) {
        DrawBodyDisc(s, xc, yc, Clamp32(r), face.Colour);
        return;
    }
    const Vec3i a = Normalize128(A), b = Normalize128(B);
    g_frame.A.Fill(a, 7);
    g_frame.B.Fill(b, 7);
    g_frame.C.Fill(Cross128(a, b), 7);
    g_frame.L.Fill(s.LightVector, 8);
    DrawSphereBlocks(s, Sphere{xc, yc, std::min(r, kCoordinateLimit), &image},
                     SphereBlockFor(static_cast<int32_t>(std::min<int64_t>(r, 1 << 20))));
}
