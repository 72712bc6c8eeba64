// stars.db as the program opens it at start-up (read and decoded) and saves
// it at exit (encoded and written atomically), and deepsky.dat as the
// program reads it at start-up.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>

#include "catalogue/deep_sky.h"
#include "catalogue/doc_file.h"
#include "catalogue/lumo_doc.h"
#include "framework/file.h"

namespace {

std::string BinFile(const char* name) { return JoinPath(ExecutableFolder(), std::string("../bin/") + name); }

void BM_OpenStarsDb(benchmark::State& state) {
    for (auto _ : state) {
        CLumoDoc doc;
        CDocFile file;
        if (file.Open(doc, BinFile("stars.db")) != CDocFile::OpenResult::Loaded) {
            state.SkipWithError(file.Error().c_str());
            return;
        }
        benchmark::DoNotOptimize(doc.m_stars.data());
    }
}
BENCHMARK(BM_OpenStarsDb)->Unit(benchmark::kMillisecond);

void BM_SaveStarsDb(benchmark::State& state) {
    CLumoDoc doc;
    CDocFile file;
    if (file.Open(doc, BinFile("stars.db")) != CDocFile::OpenResult::Loaded) {
        state.SkipWithError(file.Error().c_str());
        return;
    }
    const std::string path = "/tmp/lumo_bench_stars_" + std::to_string(getpid()) + ".db";
    for (auto _ : state) {
        CDocFile out;
        if (!out.SaveAs(doc, path)) {
            state.SkipWithError(out.Error().c_str());
            break;
        }
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_SaveStarsDb)->Unit(benchmark::kMillisecond);

void BM_OpenDeepSky(benchmark::State& state) {
    for (auto _ : state) {
        CDeepSky sky;
        std::string error;
        if (!sky.LoadFile(BinFile(kDeepSkyFileName), error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        benchmark::DoNotOptimize(sky.rings.data());
    }
}
BENCHMARK(BM_OpenDeepSky)->Unit(benchmark::kMillisecond);

}  // namespace
