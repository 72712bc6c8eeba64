// One whole paint of the sky window in VR mode on Jupiter at 1280 x 800:
// the real catalogue and default layers, Jupiter's own model at the view
// centre and the Galilean moons' models around it (2027-01-03 18:00 UT, all
// four on the night side, the view centred among them). BM_PaintVrJupiter
// moves the chosen time a minute every frame, as running time does;
// BM_PaintVrJupiterSameInstant repaints one instant.

#include <benchmark/benchmark.h>

#include "bench/paint_loop.h"

#include "astro/body_table.h"
#include "catalogue/doc_file.h"
#include "catalogue/lumo_doc.h"
#include "catalogue/store_file.h"
#include "framework/file.h"
#include "sky/body_models.h"
#include "sky/lumo_wnd.h"

namespace {

void PaintVrBench(benchmark::State& state, bool advance) {
    // The benchmarks live in bench/ beside bin/, where the build puts the data.
    const std::string bin = JoinPath(ExecutableFolder(), "../bin");
    CLumoDoc doc;
    CDocFile file;
    CStoreFile store;
    if (file.Open(doc, JoinPath(bin, "stars.db")) != CDocFile::OpenResult::Loaded ||
        !store.OpenStore(JoinPath(bin, "planets.sto"))) {
        state.SkipWithError("stars.db or planets.sto is missing; build the catalogue and models");
        return;
    }
    doc.m_pAim = FindPlanet(doc.m_planets, "Jupiter");
    doc.m_bObserverOnBody = 1;
    doc.m_nViewMode = 0;
    doc.m_nViewAzimuth = 12561;    // right ascension 9.2h
    doc.m_nViewElevation = -1638;  // declination +18
    SkyTools tools;
    tools.Create();
    CBodyModels models(&store, bin);
    FixedSizeHost host(1280, 800);
    FixedTimeSource time(CDateTime(2027, 1, 3, 18, 0, 0), true);
    RunPaintLoop(state, doc, host, time, tools, &models, SkyScaleOf(1.0), advance);
}

void BM_PaintVrJupiter(benchmark::State& state) { PaintVrBench(state, true); }
void BM_PaintVrJupiterSameInstant(benchmark::State& state) { PaintVrBench(state, false); }

BENCHMARK(BM_PaintVrJupiter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintVrJupiterSameInstant)->Unit(benchmark::kMicrosecond);

}  // namespace
