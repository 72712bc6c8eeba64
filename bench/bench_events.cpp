// A whole day's rise, transit and set for every body of the solar system
// (the position update sampled over the day included), and the Sun's
// twilights, at Madrid; the day moves on at every run so nothing is reused.

#include <benchmark/benchmark.h>

#include "astro/angles.h"
#include "astro/body_table.h"
#include "astro/body_tracks.h"

namespace {
const EarthPlace kMadrid = {40.4168 * kDegToRad, -3.7038 * kDegToRad};

// The body table, and a new day at every iteration.
struct Days {
    Days() { BuildBodyTable(planets, ecliptic); }
    double Next() { return jd0 += 1; }
    PlanetArray planets;
    Mat3f ecliptic = kIdentity3f;
    double jd0 = 2461380.5;
};
}  // namespace

static void BM_DayEventsAllBodies(benchmark::State& state) {
    Days days;
    for (auto _ : state) {
        const double jd0 = days.Next();
        BodyTracks tracks(days.planets, days.ecliptic, jd0, jd0 + 1);
        std::vector<DayEvents> events = AllBodyEvents(tracks, kMadrid, jd0, jd0 + 1);
        Twilights twilights = SunTwilights(tracks, kMadrid, jd0, jd0 + 1);
        benchmark::DoNotOptimize(events.data());
        benchmark::DoNotOptimize(&twilights);
    }
}
BENCHMARK(BM_DayEventsAllBodies)->Unit(benchmark::kMicrosecond);

// The sampling alone: the position update at the day's sample instants.
static void BM_DayTracks(benchmark::State& state) {
    Days days;
    for (auto _ : state) {
        const double jd0 = days.Next();
        BodyTracks tracks(days.planets, days.ecliptic, jd0, jd0 + 1);
        benchmark::DoNotOptimize(&tracks);
    }
}
BENCHMARK(BM_DayTracks)->Unit(benchmark::kMicrosecond);
