// Packing and unpacking 100 kB of model-like bytes (skewed values with runs),
// and reading a 1000-face model.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "catalogue/huffman_codec.h"
#include "engine/engine_alloc.h"
#include "engine/object.h"
#include "engine/object_write.h"

namespace {
std::vector<uint8_t> ModelLikeBytes(size_t n) {
    std::mt19937 rng(1);
    std::vector<uint8_t> b;
    while (b.size() < n) {
        if (rng() % 4 == 0) {
            b.insert(b.end(), rng() % 40, 0);  // runs of zeros, as in high bytes of 16-bit values
        } else {
            b.push_back(static_cast<uint8_t>(rng() % 32 + (rng() % 8 == 0 ? 200 : 0)));
        }
    }
    b.resize(n);
    return b;
}

void BM_PackedEncode(benchmark::State& state) {
    std::vector<uint8_t> in = ModelLikeBytes(100000), out;
    CHuffmanCodec codec;
    for (auto _ : state) {
        codec.Encode(in, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(in.size()));
}
BENCHMARK(BM_PackedEncode);

void BM_PackedDecode(benchmark::State& state) {
    std::vector<uint8_t> packed, out;
    CHuffmanCodec codec;
    codec.Encode(ModelLikeBytes(100000), packed);
    for (auto _ : state) {
        codec.Decode(packed, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * 100000);
}
BENCHMARK(BM_PackedDecode);

void BM_ObjectRead1000Faces(benchmark::State& state) {
    EngineObject src{};
    src.FaceCount = 1000;
    src.Faces = static_cast<Face*>(EngineAlloc((src.FaceCount + 2) * sizeof(Face)));
    for (int i = 0; i < src.FaceCount; ++i) {
        Face& f = src.Faces[i];
        f.VertexCount = 4;
        int quad[4][3] = {{i, 0, 0}, {i + 1, 0, 0}, {i + 1, 1, 0}, {i, 1, 0}};
        for (int v = 0; v < 4; ++v)
            for (int c = 0; c < 3; ++c) f.Vertices[v][c] = quad[v][c];
        f.Normal[2] = (i % 2) ? 1 : -1;  // half of them get their winding reversed
        f.TileU = f.TileV = 1;
    }
    std::vector<uint8_t> file;
    ObjectWrite(src, file);
    ObjectFree(src);
    for (auto _ : state) {
        EngineObject obj;
        ObjectRead(obj, file);
        benchmark::DoNotOptimize(obj.Faces);
        ObjectFree(obj);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(file.size()));
}
BENCHMARK(BM_ObjectRead1000Faces);
}  // namespace
