// Engine drawing costs on a desktop-sized surface: clearing a frame, drawing
// lines and drawing labels through the drawing context.

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "engine/primitives.h"
#include "engine/surface.h"
#include "framework/drawing_context.h"

namespace {

constexpr int32_t kWidth = 1280, kHeight = 800;

void BM_SurfaceClear(benchmark::State& state) {
    Surface s;
    SurfaceCreate(s, kWidth, kHeight);
    for (auto _ : state) {
        SurfaceClear(s, 10);
        benchmark::DoNotOptimize(s.Bits[0]);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_SurfaceClear);

// 10,000 lines between random points of an area a little larger than the
// surface, so some lines are clipped as in a real sky.
void BM_RandomLines(benchmark::State& state) {
    Surface s;
    SurfaceCreate(s, kWidth, kHeight);
    std::mt19937 rng(42);
    std::uniform_int_distribution<int32_t> x(-100, kWidth + 100), y(-100, kHeight + 100);
    std::vector<int32_t> ends(4 * 10000);
    for (size_t i = 0; i < ends.size(); i += 2) {
        ends[i] = x(rng);
        ends[i + 1] = y(rng);
    }
    for (auto _ : state) {
        for (size_t i = 0; i < ends.size(); i += 4) {
            MoveTo(s, ends[i], ends[i + 1]);
            LineTo(s, ends[i + 2], ends[i + 3], 1 + int32_t(i % 9));
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_RandomLines)->Unit(benchmark::kMillisecond);

// 200 star and body names per frame, as the sky paints them.
void BM_Labels(benchmark::State& state) {
    Surface s;
    SurfaceCreate(s, kWidth, kHeight);
    CFont font;
    if (!font.CreateFont(12, "Arial")) {
        state.SkipWithError("no font");
        return;
    }
    const char* names[] = {"Sirius", "Canopus", "Arcturus", "Vega", "Capella", "Rigel",
                           "Procyon", "Betelgeuse", "Achernar", "Hadar", "Altair", "Aldebaran",
                           "J\u00FApiter", "Saturno", "Luna", "Marte", "90\u00BA", "180\u00BA"};
    std::mt19937 rng(7);
    std::uniform_int_distribution<int32_t> x(0, kWidth - 60), y(0, kHeight - 12), n(0, 17);
    struct Label {
        int32_t x, y;
        const char* text;
    };
    std::vector<Label> labels;
    for (int i = 0; i < 200; ++i) labels.push_back({x(rng), y(rng), names[n(rng)]});
    CDC dc;
    for (auto _ : state) {
        dc.Attach(s.MemoryDC);
        dc.SetBkMode(TRANSPARENT);
        dc.SelectObject(&font);
        dc.SetTextColor(Rgb(0, 255, 255));
        for (const Label& label : labels) dc.TextOut(label.x, label.y, label.text);
        dc.Detach();
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 200);
}
BENCHMARK(BM_Labels)->Unit(benchmark::kMicrosecond);

}  // namespace
