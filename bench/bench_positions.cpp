// ComputePositions for all 23 bodies with a Julian day that changes at every
// call (as while time runs), so the cache never answers: the whole chain to
// apparent places (Delta T, nutation, light time, aberration) every time.

#include <benchmark/benchmark.h>

#include "astro/body_table.h"
#include "astro/positions.h"

static void BM_ComputePositions(benchmark::State& state) {
    PlanetArray planets;
    Mat3f ecliptic = kIdentity3f;
    BuildBodyTable(planets, ecliptic);
    double cache = 0;
    double jd = 2461000.5;
    for (auto _ : state) {
        jd += 0.0007;  // about a minute
        ComputePositions(planets, cache, jd);
        benchmark::DoNotOptimize(planets[22]->m_dPos[0]);
    }
}
BENCHMARK(BM_ComputePositions)->Unit(benchmark::kMicrosecond);
