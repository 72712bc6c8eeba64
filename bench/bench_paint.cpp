// One whole paint of the sky window: the real catalogue, the default layers
// (grid, ecliptic, horizon with its marks, figures, boundaries and names,
// stars with their names, bodies), the default Horizon view at zoom 256.
// BM_PaintSky moves the chosen time a minute every frame, so every body is
// placed afresh as when time runs; BM_PaintSkySameInstant repaints one
// instant (the positions are then cached) to show what the drawing costs;
// BM_PaintSkyDense does that on a screen of two device pixels per pixel.

#include <benchmark/benchmark.h>

#include "bench/paint_loop.h"

#include "catalogue/doc_file.h"
#include "catalogue/lumo_doc.h"
#include "framework/file.h"
#include "sky/lumo_wnd.h"

namespace {

void PaintBench(benchmark::State& state, bool advance, double scale = 1.0) {
    CLumoDoc doc;
    CDocFile file;
    // The benchmarks live in bench/ beside bin/, where the build puts stars.db.
    if (file.Open(doc, JoinPath(ExecutableFolder(), "../bin/stars.db")) != CDocFile::OpenResult::Loaded) {
        state.SkipWithError(file.Error().c_str());
        return;
    }
    doc.m_fLatitude = 0.7054f;    // Madrid
    doc.m_fLongitude = -0.0646f;
    SkyTools tools;
    tools.Create();
    // The window's size in its own pixels; a dense screen has scale times as many.
    FixedSizeHost host(static_cast<int32_t>(state.range(0) * scale),
                       static_cast<int32_t>(state.range(1) * scale));
    FixedTimeSource time(CDateTime(2026, 12, 6, 21, 0, 0), true);
    RunPaintLoop(state, doc, host, time, tools, nullptr, SkyScaleOf(scale), advance);
}

void BM_PaintSky(benchmark::State& state) { PaintBench(state, true); }
void BM_PaintSkySameInstant(benchmark::State& state) { PaintBench(state, false); }

BENCHMARK(BM_PaintSky)->Args({640, 480})->Args({1280, 800})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintSkySameInstant)->Args({640, 480})->Args({1280, 800})->Unit(benchmark::kMicrosecond);
// The same window on a screen of two device pixels per pixel: four times the
// pixels, text and markers twice the size.
void BM_PaintSkyDense(benchmark::State& state) { PaintBench(state, false, 2.0); }
BENCHMARK(BM_PaintSkyDense)->Args({640, 480})->Args({1280, 800})->Unit(benchmark::kMicrosecond);

}  // namespace
