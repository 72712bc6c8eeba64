// The Seek search over the real catalogue: a text no name holds (every body
// and every star folded and searched), and a faint star's name near the end.
// Sorting the city list as the Where dialog shows it.

#include <benchmark/benchmark.h>

#include "catalogue/city_list.h"
#include "catalogue/doc_file.h"
#include "catalogue/lumo_doc.h"
#include "catalogue/seek.h"
#include "framework/file.h"

namespace {

// The build puts stars.db in bin/, beside bench/.
bool LoadCatalogue(CLumoDoc& doc, benchmark::State& state) {
    CDocFile file;
    if (file.Open(doc, JoinPath(ExecutableFolder(), "../bin/stars.db")) == CDocFile::OpenResult::Loaded)
        return true;
    state.SkipWithError(file.Error().c_str());
    return false;
}

void BM_SeekNotFound(benchmark::State& state) {
    CLumoDoc doc;
    if (!LoadCatalogue(doc, state)) return;
    for (auto _ : state) benchmark::DoNotOptimize(SeekSearch(doc, "no such name"));
}
void BM_SeekLastNamedStar(benchmark::State& state) {
    CLumoDoc doc;
    if (!LoadCatalogue(doc, state)) return;
    std::string last;
    for (const auto& s : doc.m_stars)
        if (!s->m_strName.empty()) last = s->m_strName;
    for (auto _ : state) benchmark::DoNotOptimize(SeekSearch(doc, last));
}
void BM_SortedCityList(benchmark::State& state) {
    CLumoDoc doc;
    if (!LoadCatalogue(doc, state)) return;
    for (auto _ : state) benchmark::DoNotOptimize(SortedCityList(doc));
}

BENCHMARK(BM_SeekNotFound)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SeekLastNamedStar)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortedCityList)->Unit(benchmark::kMicrosecond);

}  // namespace
