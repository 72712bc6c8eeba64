// 3D engine drawing costs at 640 x 480: a textured sphere face of radius
// 150 pixels, and a model of 500 polygons (a ball of 20 bands of 25 faces,
// radius about 150 pixels) Gouraud-shaded and textured.

#include <benchmark/benchmark.h>

#include "engine/engine_alloc.h"
#include "engine/render_object.h"
#include "engine/render_settings.h"
#include "engine/trig_tables.h"
#include "tests/engine/scene_models.h"

namespace {

constexpr int32_t kWidth = 640, kHeight = 480;
constexpr int32_t kModelRadius = 200;  // file units

struct Frame {
    Surface s;
    Frame() {
        EngineTablesInit();
        s.LightVector = {73, -73, 73};
        SurfaceCreate(s, kWidth, kHeight);
        SurfaceClear(s, 10);
        SurfaceBeginFrame(s, 256);
    }
    // The depth at which the model's radius spans `pixels`.
    int32_t DepthFor(int32_t pixels) const { return kModelRadius * s.FocalLength / pixels; }
};

void RenderLoop(benchmark::State& state, Frame& frame, EngineObject& obj) {
    const int32_t tz = frame.DepthFor(150);
    for (auto _ : state) {
        RenderObject(frame.s, obj, kMatQ15Identity, 0, 0, tz);
        benchmark::ClobberMemory();
    }
}

void BM_TexturedSphere150(benchmark::State& state) {
    Frame frame;
    OwnedObject planet;
    if (!MakeTexturedSphere(planet.obj, kModelRadius, 256, 4))
        return state.SkipWithError("no model");
    RenderLoop(state, frame, planet.obj);
}
BENCHMARK(BM_TexturedSphere150)->Unit(benchmark::kMicrosecond);

void BM_Model500Gouraud(benchmark::State& state) {
    Frame frame;
    OwnedObject ball;
    if (!MakePolygonSphere(ball.obj, kModelRadius, 20, 25, 14))
        return state.SkipWithError("no model");
    RenderLoop(state, frame, ball.obj);
}
BENCHMARK(BM_Model500Gouraud)->Unit(benchmark::kMicrosecond);

// The same ball with every face textured from one 64 x 64 slot image, lit
// per pixel from its vertex normals.
void BM_Model500Textured(benchmark::State& state) {
    Frame frame;
    OwnedObject ball;
    if (!MakePolygonSphere(ball.obj, kModelRadius, 20, 25, 14))
        return state.SkipWithError("no model");
    EngineObject& obj = ball.obj;
    obj.Slots[0] = TextureSlot{1, 0, 64, 64, TestTexture64(), {}, {}};
    for (int i = 0; i < obj.FaceCount; ++i) {
        Face& f = obj.Faces[i];
        f.Kind = kFaceSlotTextured;
        f.SlotKey = 1;
        const int last = f.VertexCount - 1;
        for (int c = 0; c < 3; ++c) {
            f.TexPoints[0][c] = f.Vertices[0][c];
            f.TexPoints[1][c] = f.Vertices[1][c];
            f.TexPoints[2][c] = f.Vertices[last][c];
        }
    }
    RenderLoop(state, frame, obj);
}
BENCHMARK(BM_Model500Textured)->Unit(benchmark::kMicrosecond);

}  // namespace
