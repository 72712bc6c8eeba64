#include "engine/project.h"

#include <algorithm>

#include "engine/matrix_q15.h"
#include "engine/outline.h"
#include "engine/primitives.h"
#include "engine/render_settings.h"

namespace {

constexpr int32_t kFileUnitDepth = 20000;  // from this tz on, far vertices go to file units
constexpr int64_t kCoordinateLimit = int64_t{1} << 30;
constexpr int32_t kQ14One = 16383;
constexpr int32_t kPlaneScale = 16384;  // the planes' slopes are kept in 1/16384
// Each of the four planes can at most double the vertices of a face.
constexpr int kMaxClipVertices = kMaxFaceVertices << 4;

struct CameraVertex {
    int64_t x, y, z;  // camera space
    Vec3i normal;     // rotated vertex normal (when shaded)
};

struct ScreenVertex {
    int32_t x, y;
    int32_t light;  // light term (when shaded)
};

Vec3i VertexOf(const Face& f, int i) {
    return Vec3i{f.Vertices[i][0], f.Vertices[i][1], f.Vertices[i][2]};
}

Vec3i RotatedNormal(const Face& f, const MatQ15& M, int i) {
    const int32_t* n = f.VertexNormals[i];
    return MatVec(M, Vec3i{n[0], n[1], n[2]});
}

int32_t LightTerm(const Vec3i& light, Vec3i n) {
    const int64_t dot = int64_t{n.x} * light.x + int64_t{n.y} * light.y + int64_t{n.z} * light.z;
    return static_cast<int32_t>(std::clamp<int64_t>(-dot >> 6, INT32_MIN, INT32_MAX));
}

int32_t ScreenCoordinate(int32_t centre, int32_t focal, int64_t c, int64_t z) {
    const __int128 offset = static_cast<__int128>(c) * std::max(focal, 0) / z;
    return static_cast<int32_t>(
        std::clamp<__int128>(centre + offset, -kCoordinateLimit, kCoordinateLimit));
}

ScreenVertex ToScreen(const Surface& s, const CameraVertex& c, bool shaded) {
    const int64_t z = c.z == 0 ? 1 : c.z;
    return ScreenVertex{ScreenCoordinate(s.CentreX, s.FocalLength, c.x, z),
                        ScreenCoordinate(s.CentreY, s.FocalLength, c.y, z),
                        shaded ? LightTerm(s.LightVector, c.normal) : 0};
}

// The outline through the projected vertices: closed, with light terms on
// the edges when shaded; kind-5 faces as open lines in their colour.
void BuildOutline(Surface& s, const Face& f, const CameraVertex* vertices, int count, bool shaded) {
    ScreenVertex first = ToScreen(s, vertices[0], shaded), previous = first;
    OutlineReset(s);
    MoveTo(s, first.x, first.y);
    auto edge = [&](const ScreenVertex& from, const ScreenVertex& to) {
        if (f.Kind == kFaceOutline) {
            LineTo(s, to.x, to.y, f.Colour);
        } else if (shaded) {
            ShadedEdgeTo(s, to.x, to.y, from.light, to.light);
        } else {
            EdgeTo(s, to.x, to.y);
        }
    };
    for (int i = 1; i < count; ++i) {
        const ScreenVertex v = ToScreen(s, vertices[i], shaded);
        edge(previous, v);
        previous = v;
    }
    if (f.Kind != kFaceOutline) edge(previous, first);
}

// Model units to camera space, model units: (M v) >> 15 + (T << 4).
CameraVertex NearCamera(Vec3i rotated, Vec3i T) {
    return CameraVertex{rotated.x + (int64_t{T.x} << 4),
                        rotated.y + (int64_t{T.y} << 4),
                        rotated.z + (int64_t{T.z} << 4),
                        {}};
}

// A plane of the view pyramid: inside where kq z + sign 16384 c >= 0, c
// being x or y.
struct ClipPlane {
    int64_t kq;
    int sign;
    bool onY;
    __int128 Distance(const CameraVertex& v) const {
        return static_cast<__int128>(kq) * v.z +
               static_cast<__int128>(sign) * kPlaneScale * (onY ? v.y : v.x);
    }
};

int32_t Interpolate(int64_t a, int64_t b, int64_t t) {
    return static_cast<int32_t>(a + (((b - a) * t) >> 14));
}

// The point where the edge from inside vertex a to outside vertex b meets
// the plane, at t in Q14 from a.
CameraVertex Crossing(const CameraVertex& a, const CameraVertex& b, __int128 da, __int128 db) {
    const int64_t t = static_cast<int64_t>(da * kQ14One / (da - db));
    auto at = [&](int64_t p, int64_t q) { return p + (((q - p) * t) >> 14); };
    return CameraVertex{
        at(a.x, b.x), at(a.y, b.y), at(a.z, b.z),
        Vec3i{Interpolate(a.normal.x, b.normal.x, t), Interpolate(a.normal.y, b.normal.y, t),
              Interpolate(a.normal.z, b.normal.z, t)}};
}

// One pass of the polygon clip; returns the new vertex count.
int ClipAgainst(const ClipPlane& plane, const CameraVertex* in, int count, CameraVertex* out) {
    int n = 0;
    for (int i = 0; i < count; ++i) {
        const CameraVertex& a = in[i];
        const CameraVertex& b = in[(i + 1) % count];
        const __int128 da = plane.Distance(a), db = plane.Distance(b);
        if (da >= 0) out[n++] = a;
        if ((da >= 0) != (db >= 0))
            out[n++] = da >= 0 ? Crossing(a, b, da, db) : Crossing(b, a, db, da);
    }
    return n;
}

}  // namespace

void Project(Surface& s, const Face& f, const MatQ15& M, Vec3i T, bool gouraud) {
    const int count = std::min<int>(f.VertexCount, kMaxFaceVertices);
    if (count < 1) return;
    const bool shaded = gouraud && f.VertexNormals;
    CameraVertex camera[kMaxFaceVertices];
    for (int i = 0; i < count; ++i) {
        const Vec3i r = MatVec(M, VertexOf(f, i));
        if (T.z < kFileUnitDepth) {
            camera[i] = NearCamera(r, T);
        } else {  // file units, so that x F cannot overflow
            camera[i] = CameraVertex{
                T.x + int64_t{r.x >> 4}, T.y + int64_t{r.y >> 4}, T.z + int64_t{r.z >> 4}, {}};
        }
        if (shaded) camera[i].normal = RotatedNormal(f, M, i);
    }
    BuildOutline(s, f, camera, count, shaded);
}

int32_t ClipProject(Surface& s, const Face& f, const MatQ15& M, Vec3i T, bool gouraud) {
    const int count = std::min<int>(f.VertexCount, kMaxFaceVertices);
    if (count < 1) return 0;
    const bool shaded = gouraud && f.VertexNormals;
    CameraVertex buffers[2][kMaxClipVertices];
    for (int i = 0; i < count; ++i) {
        buffers[0][i] = NearCamera(MatVec(M, VertexOf(f, i)), T);
        if (shaded) buffers[0][i].normal = RotatedNormal(f, M, i);
    }
    const int64_t F = std::max(s.FocalLength, 1);
    const int64_t kx = (int64_t{s.Stride} * 256 / F) * 48, ky = (int64_t{s.Height} * 256 / F) * 48;
    const ClipPlane planes[4] = {{kx, -1, false}, {kx, 1, false}, {ky, -1, true}, {ky, 1, true}};
    int n = count, current = 0;
    for (const ClipPlane& plane : planes) {
        n = ClipAgainst(plane, buffers[current], n, buffers[1 - current]);
        current = 1 - current;
        if (n < 3) return 0;
    }
    BuildOutline(s, f, buffers[current], n, shaded);
    return 1;
}
