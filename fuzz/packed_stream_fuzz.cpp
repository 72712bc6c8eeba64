// Decodes arbitrary bytes as a packed stream; then packs the input itself and
// checks that it unpacks to the same bytes.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "catalogue/huffman_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::span<const uint8_t> in(data, size);
    CHuffmanCodec codec;
    std::vector<uint8_t> out;
    codec.Decode(in, out);

    std::vector<uint8_t> packed, back;
    if (!codec.Encode(in, packed) || !codec.Decode(packed, back) ||
        back != std::vector<uint8_t>(data, data + size))
        std::abort();
    return 0;
}
