// One whole paint of the sky window: the real catalogue, the default layers
// (grid, ecliptic, horizon with its marks, figures, boundaries and names,
// stars with their names, bodies), the default Horizon view at zoom 256.
// BM_PaintSky moves the chosen time a minute every frame, so every body is
// placed afresh as when time runs; BM_PaintSkySameInstant repaints one
// instant (the positions are then cached) to show what the drawing costs;
// BM_PaintSkyDense does that on a screen of two device pixels per pixel.
// BM_PaintSkyDeep adds the deep-sky objects and the Milky Way (deepsky.dat)
// at a chosen magnitude limit and zoom, the time moving as in BM_PaintSky.

#include <benchmark/benchmark.h>

#include "bench/paint_loop.h"

#include "catalogue/deep_sky.h"
#include "catalogue/doc_file.h"
#include "catalogue/lumo_doc.h"
#include "framework/file.h"
#include "sky/lumo_wnd.h"

namespace {

struct DeepSkySetup {
    const CDeepSky* sky = nullptr;
    float magLimit = 10000;
    int32_t zoom = 256;
};

void PaintBench(benchmark::State& state, bool advance, double scale = 1.0, DeepSkySetup deep = {}) {
    CLumoDoc doc;
    CDocFile file;
    // The benchmarks live in bench/ beside bin/, where the build puts stars.db.
    if (file.Open(doc, JoinPath(ExecutableFolder(), "../bin/stars.db")) != CDocFile::OpenResult::Loaded) {
        state.SkipWithError(file.Error().c_str());
        return;
    }
    doc.m_fLatitude = 0.7054f;    // Madrid
    doc.m_fLongitude = -0.0646f;
    if (deep.sky) {
        doc.m_fMagLimit = deep.magLimit;
        doc.m_nZoom = deep.zoom;
    }
    SkyTools tools;
    tools.Create();
    // The window's size in its own pixels; a dense screen has scale times as many.
    FixedSizeHost host(static_cast<int32_t>(state.range(0) * scale),
                       static_cast<int32_t>(state.range(1) * scale));
    FixedTimeSource time(CDateTime(2026, 12, 6, 21, 0, 0), true);
    RunPaintLoop(state, doc, host, time, tools, nullptr, SkyScaleOf(scale), advance, deep.sky);
}

void BM_PaintSky(benchmark::State& state) { PaintBench(state, true); }
void BM_PaintSkySameInstant(benchmark::State& state) { PaintBench(state, false); }

BENCHMARK(BM_PaintSky)->Args({640, 480})->Args({1280, 800})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintSkySameInstant)->Args({640, 480})->Args({1280, 800})->Unit(benchmark::kMicrosecond);
// The same window on a screen of two device pixels per pixel: four times the
// pixels, text and markers twice the size.
void BM_PaintSkyDense(benchmark::State& state) { PaintBench(state, false, 2.0); }
BENCHMARK(BM_PaintSkyDense)->Args({640, 480})->Args({1280, 800})->Unit(benchmark::kMicrosecond);

// Arguments: width, height, magnitude limit in tenths, zoom.
void BM_PaintSkyDeep(benchmark::State& state) {
    static CDeepSky sky;
    std::string error;
    if (sky.Empty() && !sky.LoadFile(JoinPath(ExecutableFolder(), "../bin/deepsky.dat"), error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    PaintBench(state, true, 1.0,
               {&sky, static_cast<float>(state.range(2)) / 10, static_cast<int32_t>(state.range(3))});
}
BENCHMARK(BM_PaintSkyDeep)
    ->Args({1280, 800, 60, 256})
    ->Args({1280, 800, 80, 256})
    ->Args({3840, 2160, 60, 256})
    ->Args({1280, 800, 60, 2048})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
