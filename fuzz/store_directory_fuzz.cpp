// Parses arbitrary bytes as a planet store's directory; every entry found
// must name 1..127 bytes and lie inside the file.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "catalogue/store_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    // The first four bytes choose the file size the directory is checked against.
    uint64_t fileSize = data[0] | (data[1] << 8) | (data[2] << 16) | (uint64_t(data[3]) << 24);
    std::vector<StoreEntry> entries;
    std::string error;
    if (!ParseStoreDirectory(std::span<const uint8_t>(data + 4, size - 4), fileSize, entries, error))
        return entries.empty() ? 0 : (std::abort(), 0);
    for (const StoreEntry& e : entries)
        if (e.name.empty() || e.offset >= fileSize) std::abort();
    return 0;
}
