#include "engine/render_object.h"

#include <algorithm>
#include <cstdlib>

#include "engine/light_band.h"
#include "engine/matrix_q15.h"
#include "engine/outline.h"
#include "engine/palette.h"
#include "engine/primitives.h"
#include "engine/project.h"
#include "engine/raster_fill.h"
#include "engine/raster_sphere.h"
#include "engine/raster_sprite.h"
#include "engine/raster_texture.h"
#include "engine/render_settings.h"
#include "engine/texture_image.h"
#include "engine/vector_q15.h"

namespace {

constexpr int64_t kNearDepth = 4096;        // |tz| x 16 up to this: near, clipped
constexpr int32_t kViewConeCosine = 13999;  // Q15 cosine of about 64.7 degrees
constexpr int32_t kDepthCueStep = 1024;     // tz per level of depth cue
constexpr int32_t kLeftNearModeCue = 3;
constexpr int32_t kDarkestLevel = 10;
constexpr int32_t kSpriteSideShift = 6;  // sprites are 64 x 64 texels
constexpr uint8_t kFaceNotFilled = 0x04 | 0x10;
constexpr uint8_t kFaceUnlitTexture = 0x01;
constexpr int64_t kCoordinateLimit = int64_t{1} << 30;

using Matrix3 = int32_t[3][3];

// A part's matrix as read from its file, its entries kept to Q15 (a turn
// never leaves -1..1), so that products of them stay in range.
MatQ15 ToMat(const Matrix3& m) {
    MatQ15 out;
    for (int i = 0; i < 9; ++i) out[i] = std::clamp(m[i / 3][i % 3], -kQ15One, kQ15One);
    return out;
}

void FromMat(Matrix3& out, const MatQ15& m) {
    for (int i = 0; i < 9; ++i) out[i / 3][i % 3] = m[i];
}

Vec3i Row(const int32_t (&v)[3]) { return Vec3i{v[0], v[1], v[2]}; }

// Current = transpose(Rest R transpose(Rest)) for every part with an angle.
void UpdatePartTransforms(EngineObject& obj) {
    const int count = std::clamp(obj.PartCount, 0, kMaxParts);
    for (int i = 0; i < count; ++i) {
        PartTransform& p = obj.Parts[i];
        if (p.Angle == 0) continue;
        const MatQ15 rest = ToMat(p.Rest);
        MatQ15 restT, m;
        MatTranspose(restT, rest);
        MatMul(m, rest, MatFromAngles(p.Angle, 0, 0));
        MatMul(m, m, restT);
        MatTranspose(m, m);
        FromMat(p.Current, m);
    }
}

// The part indices, farthest part point first (equal depths keep their order).
int SortParts(const EngineObject& obj, const MatQ15& M, Vec3i T, int (&order)[kMaxPartPoints]) {
    const int count = std::clamp(obj.PartPointCount, 0, kMaxPartPoints);
    int64_t depth[kMaxPartPoints];
    for (int i = 0; i < count; ++i) {
        const Vec3i p = MatVec(M, Row(obj.PartPoints[i]));
        depth[i] = int64_t{p.x} * T.x + int64_t{p.y} * T.y + int64_t{p.z} * T.z;
        order[i] = i;
    }
    std::stable_sort(order, order + count, [&](int a, int b) { return depth[a] > depth[b]; });
    return count;
}

const PartTransform* FindPart(const EngineObject& obj, int32_t key) {
    const int count = std::clamp(obj.PartCount, 0, kMaxParts);
    for (int i = 0; i < count; ++i)
        if (obj.Parts[i].Key == key) return &obj.Parts[i];
    return nullptr;
}

bool IsAttachedKey(int32_t key) { return key >= 210 && key <= 213; }

// pivot + (Current (p - pivot)) >> 15, in place.
void TurnAbout(int32_t (&p)[3], const PartTransform& part, const MatQ15& current) {
    int64_t d[3];
    for (int c = 0; c < 3; ++c) d[c] = int64_t{p[c]} - part.Pivot[c];
    for (int r = 0; r < 3; ++r) {
        const int64_t dot =
            current[r * 3] * d[0] + current[r * 3 + 1] * d[1] + current[r * 3 + 2] * d[2];
        p[r] = static_cast<int32_t>(part.Pivot[r] + (dot >> 15));
    }
}

// Moves a copy of the face by its part and the parts it hangs from; false
// (copy untouched) when the face does not move.
bool MoveByParts(const EngineObject& obj, const Face& face, Face& moved) {
    const PartTransform* part = FindPart(obj, face.PartKey);
    if (!part || (part->Angle == 0 && !IsAttachedKey(part->Key))) return false;
    moved = face;
    while (part && (part->Angle != 0 || IsAttachedKey(part->Key))) {
        const MatQ15 current = ToMat(part->Current);
        for (int i = 0; i < moved.VertexCount && i < kMaxFaceVertices; ++i)
            TurnAbout(moved.Vertices[i], *part, current);
        for (auto& point : moved.TexPoints) TurnAbout(point, *part, current);
        const Vec3i n = MatVec(current, Row(moved.Normal));
        moved.Normal[0] = n.x;
        moved.Normal[1] = n.y;
        moved.Normal[2] = n.z;
        part = IsAttachedKey(part->Key) ? FindPart(obj, part->Key - 10) : nullptr;
    }
    return true;
}

int32_t Clamp32(int64_t v) {
    return static_cast<int32_t>(std::clamp(v, -kCoordinateLimit, kCoordinateLimit));
}

int64_t Dot(Vec3i a, int64_t x, int64_t y, int64_t z) { return a.x * x + a.y * y + a.z * z; }

// What stays the same for every face of one object.
struct Scene {
    Surface& s;
    EngineObject& obj;
    const MatQ15& M;
    Vec3i T;
    int32_t mode;
    bool gouraud;
    bool near;
};

// Vertex 0 of a sprite or dot face in camera space, model units; false
// when it is not in front of the viewer.
bool PlacePoint(const Scene& sc, const Face& f, int64_t& x, int64_t& y, int64_t& z) {
    const Vec3i p = MatVec(sc.M, Row(f.Vertices[0]));
    z = p.z + (int64_t{sc.T.z} << 4);
    x = p.x + (int64_t{sc.T.x} << 4);
    y = p.y + (int64_t{sc.T.y} << 4);
    return z > 0;
}

// Screen size of a face size at depth z (model units): size x 16 x F / z.
int64_t ScreenSize(const Surface& s, int32_t size, int64_t z) {
    return int64_t{size} * 16 * s.FocalLength / z;
}

void DrawSpriteFace(const Scene& sc, Face& f) {
    int64_t x, y, z;
    if (sc.T.z == 0 || !PlacePoint(sc, f, x, y, z)) return;
    const int64_t size = ScreenSize(sc.s, f.TexHeight, z);
    if (size == 0) return;
    const int64_t F = sc.s.FocalLength;
    DrawSprite(sc.s, Clamp32(sc.s.CentreX + x * F / z), Clamp32(sc.s.CentreY + y * F / z),
               Clamp32(size), 0, kSpriteSideShift, FaceImage(sc.obj, f));
}

void DrawDotFace(const Scene& sc, const Face& f) {
    int64_t x, y, z;
    if (!PlacePoint(sc, f, x, y, z) || z <= f.TexHeight) return;
    const int64_t radius = std::clamp<int64_t>(ScreenSize(sc.s, f.TexHeight, z), 1, MaxDotSize);
    const int64_t F = sc.s.FocalLength;
    DrawBodyDisc(sc.s, Clamp32(sc.s.CentreX + x * F / z), Clamp32(sc.s.CentreY + y * F / z),
                 static_cast<int32_t>(radius), f.Colour);
}

void FillTextured(const Scene& sc, Face& original, const Face& f, int32_t band) {
    const TextureImage image = FaceImage(sc.obj, original);  // may give the face its slot's size
    TextureMapping mapping{};
    for (int k = 0; k < 3; ++k) mapping.Points[k] = MatVec(sc.M, Row(f.TexPoints[k]));
    mapping.T = sc.T;
    mapping.Width = original.TexWidth;
    mapping.Height = original.TexHeight;
    mapping.TileU = std::max(f.TileU, 1);
    mapping.TileV = std::max(f.TileV, 1);
    if (f.Flags & kFaceUnlitTexture) {
        TextureUnlit(sc.s, mapping, f.Colour + kFirstShadeIndex, image);
    } else if (f.VertexNormals && sc.gouraud) {
        TextureGouraud(sc.s, mapping, f.Colour, image);
    } else {
        TextureShaded(sc.s, mapping, band, f.Colour, image);
    }
}

void DrawPolygon(const Scene& sc, Face& original) {
    Face moved;
    const Face& f = MoveByParts(sc.obj, original, moved) ? moved : original;
    // Cull the faces turned away from the viewer: N' . (T + C') must be below 1.
    const Vec3i n = MatVec(sc.M, Row(f.Normal));
    const Vec3i c = MatVec(sc.M, Row(f.Centre));
    if (Dot(n, int64_t{sc.T.x} + c.x, int64_t{sc.T.y} + c.y, int64_t{sc.T.z} + c.z) >= 1) return;
    if (f.Colour == kColourNoPolygon) return;
    const Vec3i& l = sc.s.LightVector;
    const int64_t light = -Dot(n, l.x, l.y, l.z) >> 6;
    const int32_t band = LightBand(light);

    if (sc.near) {
        if (!ClipProject(sc.s, f, sc.M, sc.T, sc.gouraud)) return;
    } else {
        Project(sc.s, f, sc.M, sc.T, sc.gouraud);
    }
    if (f.Kind == kFaceOutline || (f.Flags & kFaceNotFilled)) return;
    if (f.Kind == kFaceFlat || sc.mode == kModeFar || sc.mode == kModeVeryFar) {
        if (f.VertexNormals && sc.gouraud) {
            FillGouraud(sc.s, f.Colour);
        } else {
            FillFlat(sc.s, FlatIndex(f.Colour, band));
        }
    } else {
        FillTextured(sc, original, f, band);
    }
}

// partIndex < 0: the object has no part points.
bool FaceInPass(const Face& f, int32_t mode, int partIndex) {
    if (f.VertexCount < 1 || f.VertexCount > kMaxFaceVertices) return false;
    if ((f.ModeMask & mode) == 0) return false;
    if (partIndex >= 0 && f.PartIndex != partIndex) return false;
    return f.SlotKey != kSlotKeyHidden;
}

void DrawFace(const Scene& sc, Face& f) {
    switch (f.Kind) {
        case kFaceSprite:
            DrawSpriteFace(sc, f);
            break;
        case kFaceSphere:
            if (f.TexHeight <= sc.T.z)
                DrawSphere(sc.s, f, sc.M, sc.T.x, sc.T.y, sc.T.z, FaceImage(sc.obj, f));
            break;
        case kFaceDot:
            DrawDotFace(sc, f);
            break;
        default:
            DrawPolygon(sc, f);
    }
}

}  // namespace

int32_t RenderObject(Surface& s, EngineObject& obj, const MatQ15& M, int32_t tx, int32_t ty,
                     int32_t tz) {
    UpdatePartTransforms(obj);
    if (!s.RowBase || !s.EdgeTable || s.Height <= 0 || s.Stride <= 0) return 0;
    const Vec3i T{tx, ty, tz};
    int order[kMaxPartPoints];
    const int partCount = SortParts(obj, M, T, order);

    // Near objects are clipped; far ones must lie within the view cone.
    const bool near = std::llabs(int64_t{tz}) * 16 <= kNearDepth;
    if (!near && !(int64_t{tz} * 16 > kNearDepth && Normalize(T).z > kViewConeCosine)) return 0;

    if (tz > PointDistance) {
        if (obj.FaceCount > 0 && obj.Faces) {
            const int64_t F = s.FocalLength;
            PutPixel(s, Clamp32(s.CentreX + F * tx / tz), Clamp32(s.CentreY + F * ty / tz),
                     obj.Faces[0].Colour);
        }
        return 1;
    }

    int32_t mode = DetailMode;
    if (tz > VeryFarDistance) {
        mode = kModeVeryFar;
    } else if (tz > FarDistance) {
        mode = kModeFar;
    }
    int32_t cue = tz / kDepthCueStep;
    if (DetailMode == kModeNear && mode != kModeNear) cue += kLeftNearModeCue;
    BuildShadeBase(std::clamp(cue, 0, kDarkestLevel));

    const Scene scene{s, obj, M, T, mode, mode == kModeNear && GouraudEnabled != 0, near};
    const int passes = std::max(partCount, 1);
    for (int pass = 0; pass < passes; ++pass) {
        const int partIndex = partCount > 0 ? order[pass] : -1;
        for (int i = 0; i < obj.FaceCount && obj.Faces; ++i) {
            Face& f = obj.Faces[i];
            if (FaceInPass(f, mode, partIndex)) DrawFace(scene, f);
        }
    }
    return 1;
}
