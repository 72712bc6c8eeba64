// A whole day's rise, transit and set for every body of the solar system
// (the position update sampled over the day included), and the Sun's
// twilights, at Madrid; the day moves on at every run so nothing is reused.

#include <benchmark/benchmark.h>

#include "astro/angles.h"
#include "astro/body_table.h"
#include "astro/body_tracks.h"

namespace {
const EarthPlace kMadrid = {40.4168 * kDegToRad, -3.7038 * kDegToRad};
}  // namespace

static void BM_DayEventsAllBodies(benchmark::State& state) {
    PlanetArray planets;
    Mat3f ecliptic = kIdentity3f;
    BuildBodyTable(planets, ecliptic);
    double jd0 = 2461380.5;
    for (auto _ : state) {
        jd0 += 1;
        BodyTracks tracks(planets, ecliptic, jd0, jd0 + 1);
        std::vector<DayEvents> events = AllBodyEvents(tracks, kMadrid, jd0, jd0 + 1);
        Twilights twilights = SunTwilights(tracks, kMadrid, jd0, jd0 + 1);
        benchmark::DoNotOptimize(events.data());
        benchmark::DoNotOptimize(&twilights);
    }
}
BENCHMARK(BM_DayEventsAllBodies)->Unit(benchmark::kMicrosecond);

// The sampling alone: the position update at the day's sample instants.
static void BM_DayTracks(benchmark::State& state) {
    PlanetArray planets;
    Mat3f ecliptic = kIdentity3f;
    BuildBodyTable(planets, ecliptic);
    double jd0 = 2461380.5;
    for (auto _ : state) {
        jd0 += 1;
        BodyTracks tracks(planets, ecliptic, jd0, jd0 + 1);
        benchmark::DoNotOptimize(&tracks);
    }
}
BENCHMARK(BM_DayTracks)->Unit(benchmark::kMicrosecond);
