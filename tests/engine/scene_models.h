#pragma once
// Models for the rendering tests, built as EngineObject records in file
// units and passed through the model file writer and reader, as the program
// gets them: a cube, a sphere of Gouraud-shaded polygons, a textured square
// and a textured sphere, with the textures they use. Header only, so that
// the render benchmark builds the same models.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <numbers>
#include <utility>
#include <vector>

#include "engine/engine_alloc.h"
#include "engine/object.h"
#include "engine/object_write.h"
#include "tests/models/model_sample.h"

namespace scene_detail {

inline uint8_t* NewImage(int32_t width, int32_t height) {
    return static_cast<uint8_t*>(EngineAlloc(static_cast<size_t>(width) * height));
}

// The point at latitude band b of `bands` (0: the south pole) and segment k
// of `segments`, `length` from the centre; segment 0 faces the viewer (-z).
inline std::array<int32_t, 3> OnSphere(double b, int bands, double k, int segments, double length) {
    const double lat = -std::numbers::pi / 2 + std::numbers::pi * b / bands;
    const double lon = 2 * std::numbers::pi * k / segments;
    return {static_cast<int32_t>(std::lround(length * std::cos(lat) * std::sin(lon))),
            static_cast<int32_t>(std::lround(length * std::sin(lat))),
            static_cast<int32_t>(std::lround(-length * std::cos(lat) * std::cos(lon)))};
}

}  // namespace scene_detail

// 64 x 64 texels: 8 x 8 checks of colour numbers 2 (red) and 15 (yellow),
// a blue (4) bar along the first texel row and up the first column, and
// texel 250 (unlit) in the last check.
inline uint8_t* TestTexture64() {
    uint8_t* image = scene_detail::NewImage(64, 64);
    for (int v = 0; v < 64; ++v) {
        for (int u = 0; u < 64; ++u) {
            uint8_t texel = ((u / 8 + v / 8) % 2) ? 15 : 2;
            if (v < 4 || u < 4) texel = 4;
            if (u >= 56 && v >= 56) texel = 250;
            image[v * 64 + u] = texel;
        }
    }
    return image;
}

// width x width/2 texels, north in row 0: white caps (1), blue sea (4), a
// green (3) continent east of the prime meridian, a red (2) prime meridian,
// a yellow (5) antimeridian and an unlit equator of texel 250.
inline uint8_t* TestSphereMap(int32_t width) {
    const int32_t height = width / 2;
    uint8_t* image = scene_detail::NewImage(width, height);
    for (int32_t row = 0; row < height; ++row) {
        for (int32_t col = 0; col < width; ++col) {
            const int32_t lat = 90 - (row * 180 + 90) / height;  // degrees, north in row 0
            const int32_t lon = (col * 360) / width;             // degrees east
            uint8_t texel = 4;
            if (lon >= 20 && lon < 80 && lat > -30 && lat < 40) texel = 3;
            if (col * 32 / width == 0) texel = 2;
            if (col * 32 / width == 16) texel = 5;
            if (row == height / 2) texel = 250;
            if (lat > 70 || lat < -70) texel = 1;
            image[row * width + col] = texel;
        }
    }
    return image;
}

// An object with FaceCount faces (TileU = TileV = 1, ModeMask 7), nothing else.
inline void StartObject(EngineObject& obj, int faceCount) {
    obj = EngineObject{};
    obj.FaceCount = faceCount;
    obj.Faces = static_cast<Face*>(EngineAlloc(static_cast<size_t>(faceCount + 2) * sizeof(Face)));
    for (int i = 0; i < faceCount; ++i) {
        obj.Faces[i].TileU = obj.Faces[i].TileV = 1;
        obj.Faces[i].ModeMask = 7;
    }
}

// Sets the vertices, vertex count, centre (their mean) and normal of a face.
inline void SetPolygon(Face& f, std::initializer_list<std::initializer_list<int32_t>> vertices,
                       std::initializer_list<int32_t> normal) {
    int n = 0;
    int64_t sum[3] = {};
    for (const auto& v : vertices) {
        int c = 0;
        for (int32_t value : v) {
            f.Vertices[n][c] = value;
            sum[c++] += value;
        }
        ++n;
    }
    f.VertexCount = static_cast<uint8_t>(n);
    int c = 0;
    for (int32_t value : normal) {
        f.Normal[c] = value;
        f.Centre[c] = static_cast<int32_t>(sum[c] / n);
        ++c;
    }
}

// A square of half-side `half` facing the viewer (-z) at depth z, colour c.
inline void SetFacingSquare(Face& f, int32_t half, int32_t z, int32_t colour, int32_t x = 0,
                            int32_t y = 0) {
    SetPolygon(f,
               {{x - half, y - half, z},
                {x + half, y - half, z},
                {x + half, y + half, z},
                {x - half, y + half, z}},
               {0, 0, -128});
    f.Colour = colour;
}

// Writes obj as a model file and reads it back into out (scaled, winding
// fixed); obj is freed. False when either step fails.
inline bool Finish(EngineObject& obj, EngineObject& out) {
    std::vector<uint8_t> bytes;
    const bool written = ObjectWrite(obj, bytes);
    ObjectFree(obj);
    return written && ObjectRead(out, bytes);
}

// A cube of half-side `half` about the origin; faces -z, +z, -x, +x, -y, +y
// have the colour numbers colours[0..5]; face normals 128 long.
inline bool MakeCube(EngineObject& out, int32_t half, const int32_t (&colours)[6]) {
    EngineObject obj;
    StartObject(obj, 6);
    const int32_t h = half;
    SetPolygon(obj.Faces[0], {{-h, -h, -h}, {h, -h, -h}, {h, h, -h}, {-h, h, -h}}, {0, 0, -128});
    SetPolygon(obj.Faces[1], {{-h, -h, h}, {h, -h, h}, {h, h, h}, {-h, h, h}}, {0, 0, 128});
    SetPolygon(obj.Faces[2], {{-h, -h, -h}, {-h, h, -h}, {-h, h, h}, {-h, -h, h}}, {-128, 0, 0});
    SetPolygon(obj.Faces[3], {{h, -h, -h}, {h, h, -h}, {h, h, h}, {h, -h, h}}, {128, 0, 0});
    SetPolygon(obj.Faces[4], {{-h, -h, -h}, {h, -h, -h}, {h, -h, h}, {-h, -h, h}}, {0, -128, 0});
    SetPolygon(obj.Faces[5], {{-h, h, -h}, {h, h, -h}, {h, h, h}, {-h, h, h}}, {0, 128, 0});
    for (int i = 0; i < 6; ++i) obj.Faces[i].Colour = colours[i];
    return Finish(obj, out);
}

// A sphere of `radius` in bands x segments flat faces (triangles at the
// poles) of one colour, with vertex normals 128 long, Gouraud-shaded.
inline bool MakePolygonSphere(EngineObject& out, int32_t radius, int bands, int segments,
                              int32_t colour) {
    EngineObject obj;
    StartObject(obj, bands * segments);
    for (int b = 0; b < bands; ++b) {
        for (int k = 0; k < segments; ++k) {
            Face& f = obj.Faces[b * segments + k];
            // Corners counter-clockwise seen from outside; the poles' repeated corner is left out.
            std::vector<std::pair<int, int>> corners = {
                {b, k}, {b, k + 1}, {b + 1, k + 1}, {b + 1, k}};
            if (b == 0) corners.erase(corners.begin() + 1);
            if (b == bands - 1) corners.erase(corners.begin() + 2);
            f.VertexCount = static_cast<uint8_t>(corners.size());
            f.VertexNormals =
                static_cast<int32_t(*)[3]>(EngineAlloc(corners.size() * sizeof *f.VertexNormals));
            for (size_t i = 0; i < corners.size(); ++i) {
                const auto [b1, k1] = corners[i];
                const auto p = scene_detail::OnSphere(b1, bands, k1, segments, radius);
                const auto n = scene_detail::OnSphere(b1, bands, k1, segments, 128);
                for (int c = 0; c < 3; ++c) {
                    f.Vertices[i][c] = p[c];
                    f.VertexNormals[i][c] = n[c];
                }
            }
            // The face's own normal and centre: through the middle of its band and segment.
            const auto n = scene_detail::OnSphere(b + 0.5, bands, k + 0.5, segments, 128);
            const auto centre = scene_detail::OnSphere(b + 0.5, bands, k + 0.5, segments, radius);
            std::copy(n.begin(), n.end(), f.Normal);
            std::copy(centre.begin(), centre.end(), f.Centre);
            f.Colour = colour;
        }
    }
    return Finish(obj, out);
}

// A square in the x-z plane (y = 0, normal +y) of half-side `half` with its
// own 64 x 64 texture (TestTexture64): texture origin at (-half, 0, -half),
// u along +x, v along +z.
inline bool MakeTexturedSquare(EngineObject& out, int32_t half, uint8_t flags = 0) {
    EngineObject obj;
    StartObject(obj, 1);
    Face& f = obj.Faces[0];
    f.Kind = 7;  // textured, with its own size
    SetPolygon(f, {{-half, 0, -half}, {half, 0, -half}, {half, 0, half}, {-half, 0, half}},
               {0, 128, 0});
    const int32_t points[3][3] = {{-half, 0, -half}, {half, 0, -half}, {-half, 0, half}};
    for (int k = 0; k < 3; ++k)
        for (int c = 0; c < 3; ++c) f.TexPoints[k][c] = points[k][c];
    f.TexWidth = f.TexHeight = 64;
    f.Texture = TestTexture64();
    f.Colour = 9;
    f.Flags = flags;
    return Finish(obj, out);
}

// A sphere face of `radius` (vertex 0 at the south pole, the prime meridian
// towards -z) with its own TestSphereMap(width).
inline bool MakeTexturedSphere(EngineObject& out, int32_t radius, int32_t width, int32_t colour) {
    EngineObject obj;
    StartObject(obj, 1);
    Face& f = obj.Faces[0];
    f.Kind = kFaceSphere;
    SetPolygon(f, {{0, -radius, 0}, {0, 0, 0}, {0, 0, -radius}}, {0, 0, 0});
    f.TexWidth = width;
    f.TexHeight = radius;
    f.Texture = TestSphereMap(width);
    f.Colour = colour;
    return Finish(obj, out);
}
