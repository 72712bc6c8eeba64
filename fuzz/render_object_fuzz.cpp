// Reads arbitrary bytes as an .ob3 model and draws it with RenderObject in
// several placements (near and clipped, far, on the view axis and beside
// it, under a few turns) into a small surface, so that the sanitizers see
// every rasteriser walk whatever the model holds.

#include <cstdint>
#include <span>
#include <string>

#include "engine/matrix_q15.h"
#include "engine/object.h"
#include "engine/render_object.h"
#include "engine/surface.h"
#include "engine/trig_tables.h"
#include "framework/message_sink.h"

namespace {

struct Placement {
    Angle a, b, c;
    int32_t tx, ty, tz;
};

constexpr Placement kPlacements[] = {
    {0, 0, 0, 0, 0, 400},
    {3000, -2000, 5000, 30, -20, 150},
    {0, 8192, 0, 0, 0, 0},
    {16384, 0, 12000, -300, 100, 2000},
    {1000, 2000, 3000, 0, 0, 300000},
    {0, 0, 20000, 50, 50, 2000000},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool ready =
        (SetMessageSink([](const std::string&, const std::string&) {}), EngineTablesInit(), true);
    (void)ready;
    EngineObject obj;
    if (!ObjectRead(obj, std::span<const uint8_t>(data, size))) return 0;
    static Surface surface;
    if (!surface.Bits) SurfaceCreate(surface, 61, 47);
    SurfaceBeginFrame(surface, 256);
    for (const Placement& p : kPlacements) {
        RenderObject(surface, obj, MatFromAngles(p.a, p.b, p.c), p.tx, p.ty, p.tz);
    }
    SurfaceEndFrame(surface);
    ObjectFree(obj);
    return 0;
}
