#pragma once
// Models for the rendering tests, built as EngineObject records in file
// units and passed through the model file writer and reader, as the program
// gets them: a cube, a sphere of Gouraud-shaded polygons, a textured square
// and a textured sphere, with the textures they use.

#include <cstdint>
#include <initializer_list>

#include "engine/object.h"
#include "tests/models/model_sample.h"

// An object with FaceCount faces (TileU = TileV = 1, ModeMask 7), nothing else.
void StartObject(EngineObject& obj, int faceCount);
// Sets the vertices, vertex count, centre (their mean) and normal of a face.
void SetPolygon(Face& f, std::initializer_list<std::initializer_list<int32_t>> vertices,
                std::initializer_list<int32_t> normal);
// Writes obj as a model file and reads it back into out (scaled, winding
// fixed); obj is freed. False when either step fails.
bool Finish(EngineObject& obj, EngineObject& out);

// A cube of half-side `half` about the origin; faces -z, +z, -x, +x, -y, +y
// have the colour numbers colours[0..5]; face normals 128 long.
bool MakeCube(EngineObject& out, int32_t half, const int32_t (&colours)[6]);
// A sphere of `radius` in bands x segments flat faces (triangles at the
// poles) of one colour, with vertex normals 128 long, Gouraud-shaded.
bool MakePolygonSphere(EngineObject& out, int32_t radius, int bands, int segments, int32_t colour);
// A square in the x-z plane (y = 0, normal +y) of
// half-side `half` with its own 64 x 64 texture (TestTexture64): texture
// origin at (-half, 0, -half), u along +x, v along +z.
bool MakeTexturedSquare(EngineObject& out, int32_t half, uint8_t flags = 0);
// A sphere face of `radius` (vertex 0 at the south pole, the prime meridian
// towards -z) with its own TestSphereMap(width).
bool MakeTexturedSphere(EngineObject& out, int32_t radius, int32_t width, int32_t colour);

// 64 x 64 texels: 8 x 8 checks of colour numbers 2 (red) and 15 (yellow),
// a blue (4) bar along the first texel row and up the first column, and
// texel 250 (unlit) in the last check.
uint8_t* TestTexture64();
// width x width/2 texels, north in row 0: white caps (1), blue sea (4), a
// green (3) continent east of the prime meridian, a red (2) prime meridian,
// a yellow (5) antimeridian and an unlit equator of texel 250.
uint8_t* TestSphereMap(int32_t width);
